#pragma once
// The language the error log records, read from Windows.
#include <string>

namespace kestrix {

// GetLocaleInfoW(GetUserDefaultLCID(), LOCALE_SISO639LANGNAME): "en", "de", ...
std::string UserLanguageIso639Win32();

}  // namespace kestrix
