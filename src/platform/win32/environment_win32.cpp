#include "platform/win32/environment_win32.h"

#include <cwchar>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

std::optional<std::string> Win32Environment::Get(const std::string& name) {
  const std::wstring wide_name = Wide(name);
  std::wstring value(256, L'\0');
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    DWORD length =
        GetEnvironmentVariableW(wide_name.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) {
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (length < value.size()) {
      value.resize(length);
      return Utf8(value);
    }
    value.resize(length);  // the size asked for includes the terminating zero
  }
}

std::string Win32Environment::Expand(const std::string& text) {
  const std::wstring wide_text = Wide(text);
  std::wstring result(wide_text.size() + 256, L'\0');
  for (;;) {
    DWORD length = ExpandEnvironmentStringsW(wide_text.c_str(), result.data(),
                                             static_cast<DWORD>(result.size()));
    if (length == 0) return std::string();
    if (length <= result.size()) {
      // The count includes the terminating zero; cut at the zero itself.
      result.resize(std::wcslen(result.c_str()));
      return Utf8(result);
    }
    result.resize(length);
  }
}

std::vector<std::pair<std::string, std::string>> Win32Environment::List() {
  std::vector<std::pair<std::string, std::string>> list;
  wchar_t* block = GetEnvironmentStringsW();
  if (block == nullptr) return list;
  for (const wchar_t* entry = block; *entry != L'\0'; entry += std::wcslen(entry) + 1) {
    std::string text = Utf8(entry);
    size_t eq = text.find('=');
    if (eq == std::string::npos)
      list.emplace_back(text, std::string());
    else
      list.emplace_back(text.substr(0, eq), text.substr(eq + 1));
  }
  FreeEnvironmentStringsW(block);
  return list;
}

}  // namespace kestrix
