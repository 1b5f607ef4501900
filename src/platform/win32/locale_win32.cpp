#include "platform/win32/locale_win32.h"

#include <windows.h>

namespace kestrix {

namespace {

std::string LocaleText(LCTYPE type) {
  char buffer[128] = {};
  int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
  // The count includes the terminating zero.
  return length > 1 ? std::string(buffer, static_cast<size_t>(length) - 1) : std::string();
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
  if (text.empty()) return {};
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
  int length = static_cast<int>(text.size());
  int bytes = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string result(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, length, result.data(), bytes, nullptr, nullptr);
  return result;
}

}  // namespace kestrix
