#include "create/virtual_panel.h"

#include <gtest/gtest.h>

#include "fakes/fake_code_page.h"

namespace kestrix {
namespace {

std::string Utf16(const std::string& ascii, bool big_endian, bool bom) {
  std::string bytes;
  if (bom) bytes += big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) {
    if (big_endian) bytes.push_back('\0');
    bytes.push_back(c);
    if (!big_endian) bytes.push_back('\0');
  }
  return bytes;
}

TEST(DecodeUtf16ListFile, ByteOrders) {
  EXPECT_EQ(DecodeUtf16ListFile(Utf16("a\\b", false, true)), u"a\\b");
  EXPECT_EQ(DecodeUtf16ListFile(Utf16("a\\b", false, false)), u"a\\b");
  EXPECT_EQ(DecodeUtf16ListFile(Utf16("a\\b", true, true)), u"a\\b");
  // A non-ASCII character keeps its code unit in both orders.
  EXPECT_EQ(DecodeUtf16ListFile(std::string("\xFF\xFE\xAC\x20", 4)), u"\u20AC");
  EXPECT_EQ(DecodeUtf16ListFile(std::string("\xFE\xFF\x20\xAC", 4)), u"\u20AC");
  // A torn last byte is dropped, not read past.
  EXPECT_EQ(DecodeUtf16ListFile(std::string("\xFF\xFEx\0y", 5)), u"x");
  EXPECT_EQ(DecodeUtf16ListFile(""), u"");
}

TEST(SplitVirtualPanelEntries, TabsAndCarriageReturns) {
  EXPECT_EQ(SplitVirtualPanelEntries("a\tb\r\nc"), (std::vector<std::string>{"a", "b", "\nc"}));
  EXPECT_EQ(SplitVirtualPanelEntries(""), (std::vector<std::string>{""}));
}

TEST(VirtualPath_ReturnRealDir, PairsOfVirtualAndRealEntries) {
  const std::vector<std::string> entries = {" \\Proj ", "D:\\Projects\\Kestrix", "junk",
                                            "\\Music",  "\\\\nas\\music",        "\\Last"};
  struct Case {
    std::string rest;
    std::string expected;
  } cases[] = {
      {"Proj\\", "D:\\Projects\\Kestrix"},
      {"Music\\", "\\\\nas\\music"},
      {"Last\\", ""},     // the match is the last entry
      {"Nothing\\", ""},  // no match
      {"Proj", ""},       // the rest carries the separator the entry lacks
  };
  for (const Case& c : cases)
    EXPECT_EQ(VirtualPath_ReturnRealDir(c.rest, entries), c.expected) << c.rest;
}

TEST(ResolveVirtualPanelPath, FromTheListFileInBothByteOrders) {
  FakeCodePage cp;
  const std::string list = "\\Proj\r\nD:\\Projects\\Kestrix\r\n\\Docs\tC:\\Users\\u\\Docs\r\n";
  for (bool big_endian : {false, true}) {
    const std::string bytes = Utf16(list, big_endian, true);
    EXPECT_EQ(ResolveVirtualPanelPath("\\\\\\Virtual Panel\\Proj\\", bytes, cp),
              "D:\\Projects\\Kestrix");
    EXPECT_EQ(ResolveVirtualPanelPath("\\\\\\Virtual Panel\\Docs\\", bytes, cp),
              "C:\\Users\\u\\Docs");
    EXPECT_EQ(ResolveVirtualPanelPath("\\\\\\Virtual Panel\\", bytes, cp), "");
  }
}

TEST(IsVirtualPanelPath, ExactPrefix) {
  EXPECT_TRUE(IsVirtualPanelPath("\\\\\\Virtual Panel\\x\\"));
  EXPECT_FALSE(IsVirtualPanelPath("\\\\\\virtual panel\\x\\"));
  EXPECT_FALSE(IsVirtualPanelPath("\\\\Virtual Panel\\x\\"));
  EXPECT_FALSE(IsVirtualPanelPath("C:\\"));
}

}  // namespace
}  // namespace kestrix
