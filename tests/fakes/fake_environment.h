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

#include "platform/environment.h"

namespace kestrix {

class FakeEnvironment : public Environment {
 public:
  FakeEnvironment() = default;
  FakeEnvironment(std::initializer_list<std::pair<std::string, std::string>> variables);

  std::optional<std::string> Get(const std::string& name) override;
  std::string Expand(const std::string& text) override;
  std::vector<std::pair<std::string, std::string>> List() override;

  // Defines or replaces a variable (the name keeps the case of the last Set).
  void Set(const std::string& name, const std::string& value);
  void Unset(const std::string& name);

 private:
  // Index of the entry named `name` (case-insensitive), or -1.
  int IndexOf(const std::string& name) const;

  std::vector<std::pair<std::string, std::string>> variables_;
};

}  // namespace kestrix
