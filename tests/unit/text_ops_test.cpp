#include "names/text_ops.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

TEST(TextOps, TrimRemovesBlanksAndControlCharactersAtBothEnds) {
  EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
  EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(""), "");
  // Bytes above 127 (letters of the code page) are not blanks.
  EXPECT_EQ(Trim("\xE9 "), "\xE9");
}

TEST(TextOps, ReplaceAllDoesNotRescanInsertedText) {
  EXPECT_EQ(ReplaceAll("%d%d", "%d", "%d%d"), "%d%d%d%d");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(TextOps, ReplaceAllIgnoreCaseFoldsAsciiLetters) {
  EXPECT_EQ(ReplaceAllIgnoreCase("{UN}-{Un}-{un}", "{un}", "me"), "me-me-me");
  EXPECT_EQ(ReplaceAllIgnoreCase("x{u n}", "{un}", "me"), "x{u n}");
  EXPECT_TRUE(ContainsIgnoreCase("100%Done", "%d"));
  EXPECT_FALSE(ContainsIgnoreCase("ab", "abc"));
}

TEST(TextOps, FileNameWithoutExtensionCutsAtLastSeparatorAndLastDot) {
  struct Case {
    const char* path;
    const char* name;
    const char* bare;
  };
  const Case cases[] = {
      {"C:\\Music\\song.mp3", "song.mp3", "song"},
      {"C:song.tar.gz", "song.tar.gz", "song.tar"},
      {"dir.v2\\noext", "noext", "noext"},
      {"[3/10] Song (03:25)", "25)", "25)"},
      {".hidden", ".hidden", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(FileNameWithoutExtension(c.path), c.bare) << c.path;
  }
}

}  // namespace
}  // namespace kestrix
