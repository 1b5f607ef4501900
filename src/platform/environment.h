#pragma once
// Process environment as the portable logic sees it.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kestrix {

class Environment {
 public:
  virtual ~Environment() = default;
  virtual std::optional<std::string> Get(const std::string& name) = 0;
  // Expands %NAME% references the way ExpandEnvironmentStringsA does: an undefined
  // reference stays as typed.
  virtual std::string Expand(const std::string& text) = 0;
  virtual std::vector<std::pair<std::string, std::string>> List() = 0;
};

}  // namespace kestrix
