#include "app/error_log_win32.h"

#include "platform/win32/windows_api.h"

namespace kestrix {

LocalDateTime LocalNowWin32() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return LocalDateTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

bool SystemIs64BitWin32() {
#ifdef _WIN64
  return true;
#else
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) return false;
  auto is_wow64 = reinterpret_cast<IsWow64ProcessFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
  BOOL wow64 = FALSE;
  return is_wow64 != nullptr && is_wow64(GetCurrentProcess(), &wow64) && wow64;
#endif
}

std::string UserLanguageIso639Win32() {
  char buffer[16] = {};
  int length = GetLocaleInfoA(GetUserDefaultLCID(), LOCALE_SISO639LANGNAME, buffer, sizeof buffer);
  return length > 0 ? std::string(buffer) : std::string();
}

ErrorLogSystemInfo ErrorLogSystemInfoWin32(const std::string& os_name) {
  return ErrorLogSystemInfo{os_name, SystemIs64BitWin32(), UserLanguageIso639Win32()};
}

}  // namespace kestrix
