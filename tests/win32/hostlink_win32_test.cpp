// The creation run's code page against the real conversion.
#include <gtest/gtest.h>

#include "platform/win32/dialog_seams_win32.h"
#include "platform/win32/windows_api.h"

namespace kestrix {
namespace {

TEST(Win32CodePage, WideTextToTheAnsiCodePage) {
  Win32CodePage code_page;
  EXPECT_EQ(code_page.FromWide(u"D:\\Projects\\x"), "D:\\Projects\\x");
  EXPECT_EQ(code_page.FromWide(u""), "");
  // A character outside every single-byte code page becomes the default character.
  EXPECT_EQ(code_page.FromWide(u"a\u4E2Db"), "a?b");
}

}  // namespace
}  // namespace kestrix
