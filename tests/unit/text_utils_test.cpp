#include "base/text_utils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrix {
namespace {

TEST(TextUtils, TrimRemovesBlanksAndControlCharactersOnBothEnds) {
  struct Case {
    std::string in, both, left, right;
  };
  const Case cases[] = {
      {"", "", "", ""},
      {"   ", "", "", ""},
      {"  a b  ", "a b", "a b  ", "  a b"},
      {"\t\r\na\x01", "a", "a\x01", "\t\r\na"},
      // Bytes above 127 are letters of the code page, never blanks.
      {"\xA0x\xE9", "\xA0x\xE9", "\xA0x\xE9", "\xA0x\xE9"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Trim(c.in), c.both) << c.in;
    EXPECT_EQ(TrimLeft(c.in), c.left) << c.in;
    EXPECT_EQ(TrimRight(c.in), c.right) << c.in;
    EXPECT_EQ(IsBlank(c.in), c.both.empty()) << c.in;
  }
}

TEST(TextUtils, FindIgnoreCaseFoldsAsciiOnly) {
  EXPECT_EQ(FindIgnoreCase("R&D and r&d", "R&D", 1), 8u);
  EXPECT_EQ(FindIgnoreCase("Hello", "LLO"), 2u);
  EXPECT_EQ(FindIgnoreCase("ab", "abc"), std::string::npos);
  EXPECT_EQ(FindIgnoreCase("abc", ""), std::string::npos);
  EXPECT_EQ(FindIgnoreCase("abc", "c", 5), std::string::npos);
  EXPECT_FALSE(ContainsIgnoreCase("\xC9", "\xE9"));
  EXPECT_TRUE(ContainsIgnoreCase("x\xE9Y", "\xE9y"));
}

TEST(TextUtils, ReplaceAllDoesNotRescanInsertedText) {
  struct Case {
    std::string text, from, to, exact, folded;
  };
  const Case cases[] = {
      {"a/b/c", "/", "\\", "a\\b\\c", "a\\b\\c"},
      {"R&D r&d", "&", "and", "RandD randd", "RandD randd"},
      {"aaa", "a", "aa", "aaaaaa", "aaaaaa"},
      {"aaaa", "aa", "b", "bb", "bb"},
      {"Abc aBC", "abc", "x", "Abc aBC", "x x"},
      {"abc", "", "x", "abc", "abc"},
      {"", "a", "b", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), c.exact) << c.text;
    EXPECT_EQ(ReplaceAllIgnoreCase(c.text, c.from, c.to), c.folded) << c.text;
  }
}

TEST(TextUtils, SplitLinesAcceptsEveryLineBreakAndIgnoresAFinalOne) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"\r\n", {""}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\r", {"a", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(TextUtils, JoinLinesIsTheInverseOfSplitForListText) {
  const std::string text = "x\r\n*y\r\n\r\nz";
  EXPECT_EQ(JoinLines(SplitLines(text)), text);
  EXPECT_EQ(JoinLines({}), "");
  EXPECT_EQ(JoinLines({""}), "");
}

TEST(TextUtils, CharacterClasses) {
  EXPECT_FALSE(IsAsciiDigit('\xB2'));  // superscript two is no digit
  EXPECT_EQ(AsciiUpperCase("c:\\x\xE9"), "C:\\X\xE9");
  EXPECT_EQ(AsciiToLower('['), '[');
  EXPECT_EQ(AsciiLowerCase("C:\\X\xC9"), "c:\\x\xC9");
  EXPECT_TRUE(EqualsIgnoreCase("Winamp v1.x", "WINAMP V1.X"));
  EXPECT_FALSE(EqualsIgnoreCase("\xC9", "\xE9"));
  EXPECT_FALSE(EqualsIgnoreCase("ab", "abc"));
}

TEST(TextUtils, FileNameCutsAtLastSeparatorAndLastDot) {
  struct Case {
    const char* path;
    const char* name;
    const char* bare;
  };
  const Case cases[] = {
      {"C:\\Music\\song.mp3", "song.mp3", "song"},
      {"C:song.tar.gz", "song.tar.gz", "song.tar"},
      {"dir.v2\\noext", "noext", "noext"},
      {"AC/DC.mp3", "AC/DC.mp3", "AC/DC"},
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
