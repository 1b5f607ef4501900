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

std::optional<std::string> FakeEnvironment::Get(const std::string& name) {
  auto it = variables_.find(FoldName(name));
  if (it == variables_.end()) return std::nullopt;
  return it->second.second;
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
  std::vector<std::pair<std::string, std::string>> list;
  for (const auto& [key, entry] : variables_) list.push_back(entry);
  return list;
}

void FakeEnvironment::Set(const std::string& name, const std::string& value) {
  variables_[FoldName(name)] = {name, value};
}

void FakeEnvironment::Unset(const std::string& name) {
  variables_.erase(FoldName(name));
}

}  // namespace kestrix
