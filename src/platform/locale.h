#pragma once
// The user's locale: day and month names, in UTF-8.
#include <string>

namespace kestrix {

class Locale {
 public:
  virtual ~Locale() = default;
  // iso_day: Monday 1 to Sunday 7.
  virtual std::string ShortDayName(int iso_day) = 0;
  virtual std::string LongDayName(int iso_day) = 0;
  // month: 1 to 12.
  virtual std::string ShortMonthName(int month) = 0;
  virtual std::string LongMonthName(int month) = 0;
  // UTF-16 text (a player's record) as the program's UTF-8.
  virtual std::string FromUtf16(const std::u16string& text) = 0;
};

}  // namespace kestrix
