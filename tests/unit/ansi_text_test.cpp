#include "app/ansi_text.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

TEST(CaseFolding, AsciiLettersOnly) {
  // Bytes above 127 are code-page letters whose case the host's comparisons leave alone.
  EXPECT_EQ(UpperCase("a/Setup\xE4z"), "A/SETUP\xE4Z");
  EXPECT_EQ(LowerCase("C:\\TOTAL Cmd\xC4"), "c:\\total cmd\xC4");
  EXPECT_EQ(UpperCase(""), "");
}

TEST(StartsWithIgnoreCase, Prefixes) {
  struct Case {
    const char* text;
    const char* prefix;
    bool expected;
  } cases[] = {
      {"/setupX", "/SETUP", true}, {"/set", "/SETUP", false}, {"", "", true}, {"x", "", true},
      {"/SETUP", "/setup", true},  {"\xE4", "\xC4", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StartsWithIgnoreCase(c.text, c.prefix), c.expected) << c.text << " / " << c.prefix;
}

}  // namespace
}  // namespace kestrix
