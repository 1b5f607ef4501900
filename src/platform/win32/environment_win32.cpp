#include "platform/win32/environment_win32.h"

#include <cstring>

#include "platform/win32/windows_api.h"

namespace kestrix {

std::optional<std::string> Win32Environment::Get(const std::string& name) {
  std::string value(256, '\0');
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    DWORD length =
        GetEnvironmentVariableA(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) {
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (length < value.size()) {
      value.resize(length);
      return value;
    }
    value.resize(length);  // the size asked for includes the terminating zero
  }
}

std::string Win32Environment::Expand(const std::string& text) {
  std::string result(text.size() + 256, '\0');
  for (;;) {
    DWORD length =
        ExpandEnvironmentStringsA(text.c_str(), result.data(), static_cast<DWORD>(result.size()));
    if (length == 0) return std::string();
    if (length <= result.size()) {
      // The count includes the terminating zero, and the ANSI call may count more than
      // it wrote (it measures in wide characters), so cut at the zero itself.
      result.resize(std::strlen(result.c_str()));
      return result;
    }
    result.resize(length);
  }
}

std::vector<std::pair<std::string, std::string>> Win32Environment::List() {
  std::vector<std::pair<std::string, std::string>> list;
  char* block = GetEnvironmentStringsA();
  if (block == nullptr) return list;
  for (const char* entry = block; *entry != '\0'; entry += std::strlen(entry) + 1) {
    std::string text(entry);
    size_t eq = text.find('=');
    if (eq == std::string::npos)
      list.emplace_back(text, std::string());
    else
      list.emplace_back(text.substr(0, eq), text.substr(eq + 1));
  }
  FreeEnvironmentStringsA(block);
  return list;
}

}  // namespace kestrix
