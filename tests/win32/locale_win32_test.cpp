#include "platform/win32/locale_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace kestrix {
namespace {

// The same names as the locale's own date formatting gives for a known date.
std::string Formatted(int month, int day, const char* picture) {
  SYSTEMTIME date = {};
  date.wYear = 2024;
  date.wMonth = static_cast<WORD>(month);
  date.wDay = static_cast<WORD>(day);
  char buffer[128] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, 0, &date, picture, buffer, sizeof buffer);
  return buffer;
}

TEST(Win32Locale, DayAndMonthNamesAsTheDateFormatterSays) {
  Win32Locale locale;
  // 4 March 2024 was a Monday; ISO day d falls on 3 + d March.
  for (int iso_day = 1; iso_day <= 7; ++iso_day) {
    EXPECT_EQ(locale.LongDayName(iso_day), Formatted(3, 3 + iso_day, "dddd")) << iso_day;
    EXPECT_EQ(locale.ShortDayName(iso_day), Formatted(3, 3 + iso_day, "ddd")) << iso_day;
  }
  EXPECT_NE(locale.LongDayName(1), locale.LongDayName(2));
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(locale.LongMonthName(month), Formatted(month, 1, "MMMM")) << month;
    EXPECT_EQ(locale.ShortMonthName(month), Formatted(month, 1, "MMM")) << month;
  }
}

}  // namespace
}  // namespace kestrix
