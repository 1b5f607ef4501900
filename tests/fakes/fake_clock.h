#pragma once
// FakeClock and FakeLocale: a clock that shows what the test sets, and English day and
// month names with a code-page conversion that keeps the Latin-1 range.
#include <string>

#include "platform/clock.h"
#include "platform/locale.h"

namespace kestrix {

class FakeClock : public Clock {
 public:
  LocalDateTime Now() override { return now; }
  uint32_t TickCount() override { return ticks; }

  LocalDateTime now;
  uint32_t ticks = 0;
};

class FakeLocale : public Locale {
 public:
  std::string ShortDayName(int iso_day) override { return LongDayName(iso_day).substr(0, 3); }
  std::string LongDayName(int iso_day) override {
    static const char* const days[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                       "Friday", "Saturday", "Sunday"};
    return iso_day < 1 || iso_day > 7 ? "?" : days[iso_day - 1];
  }
  std::string ShortMonthName(int month) override { return LongMonthName(month).substr(0, 3); }
  std::string LongMonthName(int month) override {
    static const char* const months[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    return month < 1 || month > 12 ? "?" : months[month - 1];
  }
  // Code units below 256 become that byte; others become "?", as a best-fit conversion
  // without a mapping does.
  std::string FromUtf16(const std::u16string& text) override {
    std::string result;
    for (char16_t unit : text) result.push_back(unit < 256 ? static_cast<char>(unit) : '?');
    return result;
  }
};

}  // namespace kestrix
