#include "app/error_log_win32.h"

#include "platform/win32/windows_api.h"

namespace kestrix {

std::string UserLanguageIso639Win32() {
  char buffer[16] = {};
  int length = GetLocaleInfoA(GetUserDefaultLCID(), LOCALE_SISO639LANGNAME, buffer, sizeof buffer);
  return length > 0 ? std::string(buffer) : std::string();
}

}  // namespace kestrix
