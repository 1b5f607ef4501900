#pragma once
// Process environment as the portable logic sees it; names and values are UTF-8.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kestrix {

class Environment {
 public:
  virtual ~Environment() = default;
  virtual std::optional<std::string> Get(const std::string& name) = 0;
  // Expands %NAME% references the way ExpandEnvironmentStringsW does: an undefined
  // reference stays as typed.
  virtual std::string Expand(const std::string& text) = 0;
  virtual std::vector<std::pair<std::string, std::string>> List() = 0;
};

}  // namespace kestrix
