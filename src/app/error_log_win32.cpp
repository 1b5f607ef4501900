#include "app/error_log_win32.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

std::string UserLanguageIso639Win32() {
  wchar_t buffer[16] = {};
  int length = GetLocaleInfoW(GetUserDefaultLCID(), LOCALE_SISO639LANGNAME, buffer, 16);
  return length > 0 ? Utf8(buffer) : std::string();
}

}  // namespace kestrix
