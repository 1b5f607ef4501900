#pragma once
// The system facts and the clock the error log records, read from Windows.
#include <string>

#include "app/error_log.h"

namespace kestrix {

// GetLocalTime.
LocalDateTime LocalNowWin32();
// A 64-bit build runs only on a 64-bit system; a 32-bit build asks IsWow64Process,
// looked up at run time (absent on old systems, which are 32-bit).
bool SystemIs64BitWin32();
// GetLocaleInfoA(GetUserDefaultLCID(), LOCALE_SISO639LANGNAME).
std::string UserLanguageIso639Win32();
// The three facts above with the given operating-system name.
ErrorLogSystemInfo ErrorLogSystemInfoWin32(const std::string& os_name);

}  // namespace kestrix
