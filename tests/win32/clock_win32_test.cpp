#include "platform/win32/clock_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace kestrix {
namespace {

TEST(Win32Clock, ReadsTheLocalClock) {
  Win32Clock clock;
  LocalDateTime now = clock.Now();
  EXPECT_GE(now.year, 2024);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.day, 31);
  EXPECT_LE(now.hour, 23);
  EXPECT_LE(now.second, 59);
  EXPECT_LE(now.millisecond, 999);
  uint32_t first = clock.TickCount();
  Sleep(20);
  EXPECT_GE(clock.TickCount() - first, 10u);
}

}  // namespace
}  // namespace kestrix
