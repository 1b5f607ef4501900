#include "fakes/fake_clock.h"

namespace kestrix {

namespace {

const char* const kLongDays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                 "Friday", "Saturday", "Sunday"};
const char* const kLongMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

std::string Pick(const char* const* names, int count, int one_based) {
  if (one_based < 1 || one_based > count) return "?";
  return names[one_based - 1];
}

}  // namespace

std::string FakeLocale::ShortDayName(int iso_day) {
  return Pick(kLongDays, 7, iso_day).substr(0, 3);
}
std::string FakeLocale::LongDayName(int iso_day) {
  return Pick(kLongDays, 7, iso_day);
}
std::string FakeLocale::ShortMonthName(int month) {
  return Pick(kLongMonths, 12, month).substr(0, 3);
}
std::string FakeLocale::LongMonthName(int month) {
  return Pick(kLongMonths, 12, month);
}

std::string FakeLocale::FromUtf16(const std::u16string& text) {
  std::string result;
  for (char16_t unit : text) result.push_back(unit < 256 ? static_cast<char>(unit) : '?');
  return result;
}

}  // namespace kestrix
