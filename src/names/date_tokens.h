#pragma once
// The date and time tokens ("%" plus one letter) and the "{date}"/"{time}" forms, computed
// from one snapshot of the local clock.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/locale.h"

namespace kestrix {

// Days since 1970-01-01 of a proleptic Gregorian date (negative before it).
int64_t DaysFromCivil(int year, int month, int day);
// 1 for 1 January.
int DayOfYear(int year, int month, int day);
// Monday 1 to Sunday 7.
int IsoDayOfWeek(int year, int month, int day);
// ISO 8601 week: weeks start on Monday; week 1 holds the year's first Thursday.
int IsoWeekNumber(int year, int month, int day);
// Seconds between 1970-01-01 00:00 and the local date and time, rounded to the nearest
// second with ties to even.
int64_t LocalUnixTime(const LocalDateTime& when);

// "yyyy-mm-dd" and "hh-nn-ss".
std::string FormatDateVariable(const LocalDateTime& when);
std::string FormatTimeVariable(const LocalDateTime& when);

// The date tokens in the order they are replaced; matched case-sensitively.
inline constexpr std::string_view kDateTokens[] = {"%s", "%S", "%m", "%M", "%h", "%H", "%d",
                                                   "%D", "%p", "%P", "%n", "%N", "%o", "%O",
                                                   "%y", "%Y", "%e", "%q", "%W", "%w", "%x"};

// The value of one date token ("%s" ... "%x") for the snapshot; empty for an unknown token.
std::string DateTokenValue(std::string_view token, const LocalDateTime& when, Locale& locale);

// Replaces every date token of `text`, in the order of kDateTokens.
std::string ReplaceDateTokens(std::string_view text, const LocalDateTime& when, Locale& locale);

}  // namespace kestrix
