#include "app/ansi_text.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

TEST(Trim, RemovesSpacesAndControlCharactersOnly) {
  EXPECT_EQ(Trim(" \t\r\n a b \x01"), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(""), "");
  // Bytes above 127 are text in the system code page, never blanks.
  EXPECT_EQ(Trim("\xE4 "), "\xE4");
}

TEST(CaseFolding, AsciiLettersOnly) {
  EXPECT_EQ(UpperCase("a/Setup\xE4z"), "A/SETUP\xE4Z");
  EXPECT_EQ(LowerCase("C:\\TOTAL Cmd\xC4"), "c:\\total cmd\xC4");
}

TEST(ContainsIgnoreCase, Substrings) {
  struct Case {
    const char* text;
    const char* part;
    bool expected;
  } cases[] = {
      {"C:\\Tools\\TC\\Kestrix", "c:\\tools\\tc", true},
      {"x", "", false},  // an empty part is never found (shared text helpers)
      {"", "a", false},
      {"abc", "abcd", false},
      {"aab", "ab", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ContainsIgnoreCase(c.text, c.part), c.expected) << c.text << " / " << c.part;
  EXPECT_TRUE(StartsWithIgnoreCase("/setupX", "/SETUP"));
  EXPECT_FALSE(StartsWithIgnoreCase("/set", "/SETUP"));
}

TEST(ReplaceAllIgnoreCase, EveryOccurrence) {
  EXPECT_EQ(ReplaceAllIgnoreCase("a\\*.*\\B\\*.*", "\\*.*", ""), "a\\B");
  EXPECT_EQ(ReplaceAllIgnoreCase("c:/a//b", "/", "\\"), "c:\\a\\\\b");
  EXPECT_EQ(ReplaceAllIgnoreCase("XxX", "x", "yy"), "yyyyyy");
  EXPECT_EQ(ReplaceAllIgnoreCase("abc", "", "z"), "abc");
  // Replacements are not searched again.
  EXPECT_EQ(ReplaceAllIgnoreCase("aaa", "a", "aa"), "aaaaaa");
}

}  // namespace
}  // namespace kestrix
