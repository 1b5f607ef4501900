#include "base/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "base/text_utils.h"

namespace kestrix {
namespace {

TEST(Utf8, RoundTripsEveryUtf16TextAndMarksMalformedBytes) {
  struct Row {
    std::u16string wide;
    std::string utf8;
  };
  for (const Row& row : {Row{u"plain", "plain"}, Row{u"Łódź", "\xC5\x81\xC3\xB3\x64\xC5\xBA"},
                         Row{u"日本", "\xE6\x97\xA5\xE6\x9C\xAC"}, Row{u"😀", "\xF0\x9F\x98\x80"},
                         Row{u"a\xD800\x62", "a\xED\xA0\x80\x62"}}) {  // a lone surrogate, "b"
    EXPECT_EQ(Utf8FromUtf16(row.wide), row.utf8);
    bool lost = false;
    EXPECT_EQ(Utf16FromUtf8(row.utf8, &lost), row.wide);
    EXPECT_FALSE(lost);
  }
  EXPECT_FALSE(IsValidUtf8("a\x80") || IsValidUtf8("\xC0\xAF") || IsValidUtf8("\xE6\x97"));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // a surrogate is no text of a file
  EXPECT_TRUE(IsValidUtf8("\xC5\x81\xF0\x9F\x98\x80"));
}

TEST(Utf8, PositionsCountUtf16UnitsAndNeverSplitACharacter) {
  const std::string text = "a\xC5\x81\xF0\x9F\x98\x80z";  // a, Ł (2 bytes), 😀 (4 bytes, 2 units), z
  EXPECT_EQ(Utf16Length(text), 5u);
  struct Row {
    std::size_t units, bytes;
  };
  for (const Row& row :
       {Row{0, 0}, Row{1, 1}, Row{2, 3}, Row{3, 3}, Row{4, 7}, Row{5, 8}, Row{9, 8}})
    EXPECT_EQ(ByteOffsetOfUtf16(text, row.units), row.bytes) << row.units;
  for (const Row& row :
       {Row{0, 0}, Row{1, 1}, Row{1, 2}, Row{2, 3}, Row{2, 5}, Row{4, 7}, Row{5, 20}})
    EXPECT_EQ(Utf16OffsetOfByte(text, row.bytes), row.units) << row.bytes;
  for (const Row& row : {Row{1, 1}, Row{1, 2}, Row{3, 3}, Row{3, 6}, Row{7, 7}, Row{8, 9}})
    EXPECT_EQ(CharStartAtOrBefore(text, row.bytes), row.units) << row.bytes;
  EXPECT_EQ(CharStartAtOrBefore("a\x80\x80", 2), 2u);  // stray bytes stand alone
  EXPECT_EQ(HeadOfUtf16Length(text, 3), "a\xC5\x81");
  const Utf8Char emoji = DecodeUtf8Char(text, 3);
  EXPECT_EQ(std::make_pair(emoji.code, emoji.length), std::make_pair(U'😀', std::size_t{4}));
  EXPECT_TRUE(IsAscii("plain") && !IsAscii(text));
}

// One unit of width per byte, ten to a line.
TEST(BreakLongRuns, PathsBreakAfterASeparatorWordsAfterTheLastCharacterThatFits) {
  const std::pair<const char*, const char*> rows[] = {
      {"see C:\\Work\\Projects\\2026 now", "see C:\\Work\\\nProjects\\\n2026 now"},
      {"abcdefghijklmnopqrstuvw", "abcdefghij\nklmnopqrst\nuvw"},
      {"short\r\nlines stay", "short\r\nlines stay"},
      {"\xC5\x81\xC5\x81\xC5\x81\xC5\x81\xC5\x81\xC5\x81",
       "\xC5\x81\xC5\x81\xC5\x81\xC5\x81\xC5\x81\n\xC5\x81"}};
  for (const auto& [text, broken] : rows)
    EXPECT_EQ(BreakLongRuns(text, 10, [](std::string_view s) { return int(s.size()); }), broken);
}

}  // namespace
}  // namespace kestrix
