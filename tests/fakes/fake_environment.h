#pragma once
// FakeEnvironment: an in-memory Environment. Names compare case-insensitively, as on
// Windows. Expand follows ExpandEnvironmentStringsA: "%NAME%" of a defined variable
// becomes its value; an undefined (or empty-named) reference stays as typed and the scan
// goes on after its closing "%"; a "%" without a closing one is copied as it is.
// List gives the variables in the order they were first set (the order of a process
// environment block); an entry set with an empty name stands for the block's hidden
// entries ("=C:=C:\\" splits into "" and "C:=C:\\"), which Get and Expand never see.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/text_utils.h"
#include "platform/environment.h"

namespace kestrix {

class FakeEnvironment : public Environment {
 public:
  FakeEnvironment() = default;
  FakeEnvironment(std::initializer_list<std::pair<std::string, std::string>> variables) {
    for (const auto& [name, value] : variables) Set(name, value);
  }

  std::optional<std::string> Get(const std::string& name) override {
    const int index = name.empty() ? -1 : IndexOf(name);
    return index < 0 ? std::nullopt : std::optional(variables_[index].second);
  }
  std::string Expand(const std::string& text) override {
    std::string result;
    size_t pos = 0;
    for (size_t open; (open = text.find('%', pos)) != std::string::npos;) {
      const size_t close = text.find('%', open + 1);
      if (close == std::string::npos) break;  // a lone "%" stays with the rest
      result.append(text, pos, open - pos);
      const std::optional<std::string> value = Get(text.substr(open + 1, close - open - 1));
      result += value ? *value : text.substr(open, close - open + 1);
      pos = close + 1;
    }
    return result + text.substr(pos);
  }
  std::vector<std::pair<std::string, std::string>> List() override { return variables_; }

  // Defines or replaces a variable (the name keeps the case of the last Set).
  void Set(const std::string& name, const std::string& value) {
    const int index = name.empty() ? -1 : IndexOf(name);
    if (index < 0)
      variables_.emplace_back(name, value);
    else
      variables_[index] = {name, value};
  }
  void Unset(const std::string& name) {
    const int index = IndexOf(name);
    if (index >= 0) variables_.erase(variables_.begin() + index);
  }

 private:
  // Index of the entry named `name` (ASCII letters compared without case), or -1.
  int IndexOf(const std::string& name) const {
    for (size_t i = 0; i < variables_.size(); ++i)
      if (EqualsIgnoreCase(variables_[i].first, name)) return static_cast<int>(i);
    return -1;
  }

  std::vector<std::pair<std::string, std::string>> variables_;
};

}  // namespace kestrix
