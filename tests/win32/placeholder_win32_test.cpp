#include <windows.h>
#include <gtest/gtest.h>
TEST(Win32Placeholder, Works) { EXPECT_NE(GetCurrentProcessId(), 0u); }
