#include "platform/win32/clock_win32.h"

#include <windows.h>

namespace kestrix {

LocalDateTime Win32Clock::Now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

uint32_t Win32Clock::TickCount() {
  return GetTickCount();
}

}  // namespace kestrix
