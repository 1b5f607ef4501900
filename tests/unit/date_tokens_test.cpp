#include "names/date_tokens.h"

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"

namespace kestrix {
namespace {

LocalDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                 int millisecond = 0) {
  return {year, month, day, hour, minute, second, millisecond};
}

std::string Expand(const char* text, const LocalDateTime& when) {
  FakeLocale locale;
  return ReplaceDateTokens(text, when, locale);
}

TEST(DateTokens, TwoDigitAndPlainForms) {
  const LocalDateTime when = At(2024, 3, 5, 9, 7, 5);
  EXPECT_EQ(Expand("%D.%N.%Y", when), "05.03.2024");
  EXPECT_EQ(Expand("%d.%n.%y", when), "5.3.24");
  // "%M" is the minute, "%N" the month.
  EXPECT_EQ(Expand("%H%M", when), "0907");
  EXPECT_EQ(Expand("%h:%m", when), "9:7");
  EXPECT_EQ(Expand("%s|%S", when), "5|05");
  EXPECT_EQ(Expand("%y", At(2007, 1, 1)), "07");
}

TEST(DateTokens, NamesComeFromTheLocale) {
  // 5 March 2024 was a Tuesday.
  EXPECT_EQ(Expand("%p %P %o %O", At(2024, 3, 5)), "Tue Tuesday Mar March");
}

TEST(DateTokens, DayOfYearCountsLeapDays) {
  struct Case {
    LocalDateTime when;
    const char* expected;
  };
  const Case cases[] = {
      {At(2024, 12, 31), "366"}, {At(2023, 12, 31), "365"}, {At(2000, 12, 31), "366"},
      {At(1900, 12, 31), "365"}, {At(2024, 1, 1), "1"},     {At(2024, 3, 1), "61"},
  };
  for (const Case& c : cases) EXPECT_EQ(Expand("%e", c.when), c.expected) << c.when.year;
}

TEST(DateTokens, IsoWeekBelongsToTheYearOfItsThursday) {
  struct Case {
    LocalDateTime when;
    const char* week;
  };
  const Case cases[] = {
      {At(2021, 1, 1), "53"},                             // a Friday: still the last week of 2020
      {At(2021, 1, 3), "53"},                             // Sunday of that week
      {At(2021, 1, 4), "1"},                              // the Monday after
      {At(2020, 12, 31), "53"}, {At(2024, 12, 30), "1"},  // a Monday whose Thursday is in 2025
      {At(2026, 1, 1), "1"},                              // a Thursday
      {At(2016, 1, 3), "53"},   {At(2018, 12, 31), "1"}, {At(2024, 3, 5), "10"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Expand("%W", c.when), c.week)
        << c.when.year << "-" << c.when.month << "-" << c.when.day;
}

TEST(DateTokens, IsoWeekdayAndQuarter) {
  EXPECT_EQ(Expand("%w", At(2024, 3, 10)), "7");  // Sunday
  EXPECT_EQ(Expand("%w", At(2024, 3, 4)), "1");   // Monday
  EXPECT_EQ(Expand("%w", At(1970, 1, 1)), "4");
  EXPECT_EQ(Expand("%w", At(1969, 12, 28)), "7");
  const char* quarters[] = {"1", "1", "1", "2", "2", "2", "3", "3", "3", "4", "4", "4"};
  for (int month = 1; month <= 12; ++month)
    EXPECT_EQ(Expand("%q", At(2024, month, 1)), quarters[month - 1]) << month;
}

TEST(DateTokens, UnixTimeRoundsHalfSecondsToEven) {
  struct Case {
    LocalDateTime when;
    const char* expected;
  };
  const Case cases[] = {
      {At(1970, 1, 1), "0"},
      {At(1970, 1, 1, 0, 0, 0, 499), "0"},
      {At(1970, 1, 1, 0, 0, 0, 500), "0"},  // tie, 0 is even
      {At(1970, 1, 1, 0, 0, 1, 500), "2"},  // tie, up to even
      {At(1970, 1, 1, 0, 0, 2, 500), "2"},  // tie, stays even
      {At(1970, 1, 1, 0, 0, 2, 501), "3"},
      {At(2024, 3, 5, 12, 0, 0), "1709640000"},
      {At(1969, 12, 31, 23, 59, 59), "-1"},
      // Past 2038 the value keeps counting instead of wrapping negative.
      {At(2040, 1, 1), "2208988800"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Expand("%x", c.when), c.expected) << c.when.year << " " << c.when.millisecond;
}

TEST(DateTokens, TokensAreCaseSensitiveAndReplacedInOrder) {
  const LocalDateTime when = At(2024, 3, 5, 9, 7, 5);
  // "%s" goes first, so "%sS" is the seconds followed by "S".
  EXPECT_EQ(Expand("%sS", when), "5S");
  // Unknown letters stay.
  EXPECT_EQ(Expand("%Z%%", when), "%Z%%");
  // An inserted value is never scanned by an earlier token: "%d" yields "5", and "%%d"
  // becomes "%5", which holds no later token.
  EXPECT_EQ(Expand("%%d", when), "%5");
  EXPECT_EQ(Expand("{date}", when), "{date}");
}

TEST(DateTokens, DateAndTimeVariablesUseHyphens) {
  const LocalDateTime when = At(2024, 3, 5, 9, 7, 5);
  EXPECT_EQ(FormatDateVariable(when), "2024-03-05");
  EXPECT_EQ(FormatTimeVariable(when), "09-07-05");
}

}  // namespace
}  // namespace kestrix
