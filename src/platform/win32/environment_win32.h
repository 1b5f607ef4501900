#pragma once
// The Environment seam over kernel32's wide environment calls; names and values are UTF-8.
#include "platform/environment.h"

namespace kestrix {

class Win32Environment : public Environment {
 public:
  // GetEnvironmentVariableW; nullopt when the variable is not defined.
  std::optional<std::string> Get(const std::string& name) override;
  // ExpandEnvironmentStringsW; empty when the expansion fails.
  std::string Expand(const std::string& text) override;
  // GetEnvironmentStringsW in block order, each entry split at its first "=": the hidden
  // drive entries ("=C:=C:\") give an empty name.
  std::vector<std::pair<std::string, std::string>> List() override;
};

}  // namespace kestrix
