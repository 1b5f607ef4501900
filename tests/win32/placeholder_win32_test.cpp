#include <gtest/gtest.h>
#include <windows.h>
TEST(Win32Placeholder, Works) {
  EXPECT_NE(GetCurrentProcessId(), 0u);
}
