#include "platform/win32/file_types_win32.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
// After the Windows headers it needs.
#include <shlwapi.h>

namespace kestrix {

bool IsKnownExtension(const std::string& extension) {
  if (extension.empty()) return false;
  HKEY key = nullptr;
  const std::wstring name = Wide("." + extension);
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

namespace {

// What the association of ".extension" says for its "open" verb; empty when nothing.
std::string AssociationText(ASSOCSTR what, const std::string& extension) {
  wchar_t text[MAX_PATH] = {};
  DWORD size = MAX_PATH;  // characters
  const std::wstring name = Wide("." + extension);
  if (AssocQueryStringW(0, what, name.c_str(), L"open", text, &size) != S_OK) return {};
  return Utf8(text);
}

}  // namespace

std::string FriendlyDocName(const std::string& extension) {
  return AssociationText(ASSOCSTR_FRIENDLYDOCNAME, extension);
}

std::string ExecutableFor(const std::string& extension) {
  return AssociationText(ASSOCSTR_EXECUTABLE, extension);
}

}  // namespace kestrix
