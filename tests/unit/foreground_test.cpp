#include "host/foreground.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

TEST(ForegroundNeedsThreadAttach, ByPlatformAndVersion) {
  struct Case {
    uint32_t platform, major, minor;
    bool expected;
  } cases[] = {
      {kPlatformNt, 4, 0, false},                            // NT 4
      {kPlatformNt, 5, 0, true},                             // 2000
      {kPlatformNt, 10, 0, true},                            // 10 / 11
      {kPlatformNt, 4, 90, false},                           // minor versions do not count on NT
      {kPlatformWindows9x, 4, 0, false},                     // 95
      {kPlatformWindows9x, 4, 10, true},                     // 98
      {kPlatformWindows9x, 5, 0, true},  {0, 10, 0, false},  // Win32s
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ForegroundNeedsThreadAttach(c.platform, c.major, c.minor), c.expected)
        << c.platform << " " << c.major << "." << c.minor;
  }
}

}  // namespace
}  // namespace kestrix
