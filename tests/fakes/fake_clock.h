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
  std::string ShortDayName(int iso_day) override;
  std::string LongDayName(int iso_day) override;
  std::string ShortMonthName(int month) override;
  std::string LongMonthName(int month) override;
  // Code units below 256 become that byte; others become "?", as a best-fit conversion
  // without a mapping does.
  std::string FromUtf16(const std::u16string& text) override;
};

}  // namespace kestrix
