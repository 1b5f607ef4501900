#include "platform/win32/locale_win32.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

namespace {

std::string LocaleText(LCTYPE type) {
  wchar_t buffer[128] = {};
  int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128);
  // The count includes the terminating zero.
  return length > 1 ? Utf8(std::wstring_view(buffer, static_cast<size_t>(length) - 1))
                    : std::string();
}

// The locale's day constants start with Monday, as ISO days do.
LCTYPE Offset(LCTYPE first, int one_based, int count) {
  if (one_based < 1 || one_based > count) one_based = 1;
  return first + static_cast<LCTYPE>(one_based - 1);
}

}  // namespace

std::string Win32Locale::ShortDayName(int iso_day) {
  return LocaleText(Offset(LOCALE_SABBREVDAYNAME1, iso_day, 7));
}
std::string Win32Locale::LongDayName(int iso_day) {
  return LocaleText(Offset(LOCALE_SDAYNAME1, iso_day, 7));
}
std::string Win32Locale::ShortMonthName(int month) {
  return LocaleText(Offset(LOCALE_SABBREVMONTHNAME1, month, 12));
}
std::string Win32Locale::LongMonthName(int month) {
  return LocaleText(Offset(LOCALE_SMONTHNAME1, month, 12));
}

std::string Win32Locale::FromUtf16(const std::u16string& text) {
  return Utf8FromUtf16(text);
}

}  // namespace kestrix
