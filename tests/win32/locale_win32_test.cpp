#include "platform/win32/locale_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <set>

namespace kestrix {
namespace {

// The same names as the locale's own date formatting gives for a known date.
std::string Formatted(int year, int month, int day, const char* picture) {
  SYSTEMTIME date = {};
  date.wYear = static_cast<WORD>(year);
  date.wMonth = static_cast<WORD>(month);
  date.wDay = static_cast<WORD>(day);
  char buffer[128] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, 0, &date, picture, buffer, sizeof buffer);
  return buffer;
}

TEST(Win32Locale, DayNamesStartWithMondayAsTheDateFormatterSays) {
  Win32Locale locale;
  // 4 March 2024 was a Monday; ISO day d falls on 3 + d March.
  std::set<std::string> names;
  for (int iso_day = 1; iso_day <= 7; ++iso_day) {
    EXPECT_EQ(locale.LongDayName(iso_day), Formatted(2024, 3, 3 + iso_day, "dddd")) << iso_day;
    EXPECT_EQ(locale.ShortDayName(iso_day), Formatted(2024, 3, 3 + iso_day, "ddd")) << iso_day;
    names.insert(locale.LongDayName(iso_day));
  }
  EXPECT_EQ(names.size(), 7u);
}

TEST(Win32Locale, MonthNamesAsTheDateFormatterSays) {
  Win32Locale locale;
  for (int month = 1; month <= 12; ++month) {
    EXPECT_FALSE(locale.LongMonthName(month).empty());
    EXPECT_EQ(locale.LongMonthName(month), Formatted(2024, month, 1, "MMMM")) << month;
    EXPECT_EQ(locale.ShortMonthName(month), Formatted(2024, month, 1, "MMM")) << month;
  }
}

}  // namespace
}  // namespace kestrix
