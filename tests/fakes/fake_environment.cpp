#include "fakes/fake_environment.h"

#include <algorithm>

namespace kestrix {

namespace {

std::string FoldName(const std::string& name) {
  std::string folded(name);
  std::transform(folded.begin(), folded.end(), folded.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c; });
  return folded;
}

}  // namespace

FakeEnvironment::FakeEnvironment(
    std::initializer_list<std::pair<std::string, std::string>> variables) {
  for (const auto& [name, value] : variables) Set(name, value);
}

int FakeEnvironment::IndexOf(const std::string& name) const {
  const std::string folded = FoldName(name);
  for (size_t i = 0; i < variables_.size(); ++i)
    if (FoldName(variables_[i].first) == folded) return static_cast<int>(i);
  return -1;
}

std::optional<std::string> FakeEnvironment::Get(const std::string& name) {
  if (name.empty()) return std::nullopt;
  int index = IndexOf(name);
  if (index < 0) return std::nullopt;
  return variables_[index].second;
}

std::string FakeEnvironment::Expand(const std::string& text) {
  std::string result;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t open = text.find('%', pos);
    if (open == std::string::npos) {
      result.append(text, pos, std::string::npos);
      break;
    }
    result.append(text, pos, open - pos);
    size_t close = text.find('%', open + 1);
    if (close == std::string::npos) {
      result.append(text, open, std::string::npos);
      break;
    }
    std::string name = text.substr(open + 1, close - open - 1);
    std::optional<std::string> value = name.empty() ? std::nullopt : Get(name);
    if (value.has_value())
      result += *value;
    else
      result.append(text, open, close - open + 1);
    pos = close + 1;
  }
  return result;
}

std::vector<std::pair<std::string, std::string>> FakeEnvironment::List() {
  return variables_;
}

void FakeEnvironment::Set(const std::string& name, const std::string& value) {
  int index = name.empty() ? -1 : IndexOf(name);
  if (index < 0)
    variables_.emplace_back(name, value);
  else
    variables_[index] = {name, value};
}

void FakeEnvironment::Unset(const std::string& name) {
  int index = IndexOf(name);
  if (index >= 0) variables_.erase(variables_.begin() + index);
}

}  // namespace kestrix
