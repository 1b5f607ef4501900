#include "names/date_tokens.h"

#include <cstdio>

#include "base/text_utils.h"

namespace kestrix {

namespace {

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

std::string FourDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d", value);
  return buffer;
}

}  // namespace

int64_t DaysFromCivil(int year, int month, int day) {
  // Hinnant's days_from_civil: counts from 0000-03-01 so the leap day ends each cycle.
  const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t year_of_era = y - era * 400;
  const int64_t month_from_march = (month + 9) % 12;
  const int64_t day_of_year = (153 * month_from_march + 2) / 5 + day - 1;
  const int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

int DayOfYear(int year, int month, int day) {
  return static_cast<int>(DaysFromCivil(year, month, day) - DaysFromCivil(year, 1, 1)) + 1;
}

int IsoDayOfWeek(int year, int month, int day) {
  // 1970-01-01 was a Thursday (ISO 4).
  int64_t days = DaysFromCivil(year, month, day);
  int64_t from_monday = ((days + 3) % 7 + 7) % 7;
  return static_cast<int>(from_monday) + 1;
}

int IsoWeekNumber(int year, int month, int day) {
  // The week belongs to the year of its Thursday.
  int64_t days = DaysFromCivil(year, month, day);
  int64_t thursday = days - IsoDayOfWeek(year, month, day) + 4;
  int thursday_year = year;
  if (thursday < DaysFromCivil(year, 1, 1)) thursday_year = year - 1;
  if (thursday >= DaysFromCivil(year + 1, 1, 1)) thursday_year = year + 1;
  int64_t day_in_year = thursday - DaysFromCivil(thursday_year, 1, 1);
  return static_cast<int>(day_in_year / 7) + 1;
}

int64_t LocalUnixTime(const LocalDateTime& when) {
  int64_t seconds = DaysFromCivil(when.year, when.month, when.day) * 86400 + when.hour * 3600 +
                    when.minute * 60 + when.second;
  if (when.millisecond > 500 || (when.millisecond == 500 && (seconds % 2) != 0)) ++seconds;
  return seconds;
}

std::string FormatDateVariable(const LocalDateTime& when) {
  return FourDigits(when.year) + "-" + TwoDigits(when.month) + "-" + TwoDigits(when.day);
}

std::string FormatTimeVariable(const LocalDateTime& when) {
  return TwoDigits(when.hour) + "-" + TwoDigits(when.minute) + "-" + TwoDigits(when.second);
}

std::string DateTokenValue(std::string_view token, const LocalDateTime& when, Locale& locale) {
  if (token.size() != 2 || token[0] != '%') return {};
  const int iso_day = IsoDayOfWeek(when.year, when.month, when.day);
  switch (token[1]) {
    case 's':
      return std::to_string(when.second);
    case 'S':
      return TwoDigits(when.second);
    case 'm':
      return std::to_string(when.minute);
    case 'M':
      return TwoDigits(when.minute);
    case 'h':
      return std::to_string(when.hour);
    case 'H':
      return TwoDigits(when.hour);
    case 'd':
      return std::to_string(when.day);
    case 'D':
      return TwoDigits(when.day);
    case 'p':
      return locale.ShortDayName(iso_day);
    case 'P':
      return locale.LongDayName(iso_day);
    case 'n':
      return std::to_string(when.month);
    case 'N':
      return TwoDigits(when.month);
    case 'o':
      return locale.ShortMonthName(when.month);
    case 'O':
      return locale.LongMonthName(when.month);
    case 'y':
      return TwoDigits(((when.year % 100) + 100) % 100);
    case 'Y':
      return FourDigits(when.year);
    case 'e':
      return std::to_string(DayOfYear(when.year, when.month, when.day));
    case 'q':
      return std::to_string((when.month - 1) / 3 + 1);
    case 'W':
      return std::to_string(IsoWeekNumber(when.year, when.month, when.day));
    case 'w':
      return std::to_string(iso_day);
    case 'x':
      return std::to_string(LocalUnixTime(when));
    default:
      return {};
  }
}

std::string ReplaceDateTokens(std::string_view text, const LocalDateTime& when, Locale& locale) {
  std::string result(text);
  for (std::string_view token : kDateTokens) {
    // Names come from the locale, so only ask for them when the token is there.
    if (result.find(token) == std::string::npos) continue;
    result = ReplaceAll(result, token, DateTokenValue(token, when, locale));
  }
  return result;
}

}  // namespace kestrix
