#include <gtest/gtest.h>

#include "tcsim/requests.h"

namespace kestrix::tcsim {
namespace {

using namespace std::string_literals;

TEST(TcsimRequests, DecodesChangeDirectoryPayloads) {
  struct Case {
    std::string bytes;
    const char* left;
    const char* right;
    const char* flags;
  } cases[] = {
      {"C:\\New\r\0\0"s, "C:\\New", "", ""},
      {"\rD:\\Work\\\0\0"s, "", "D:\\Work\\", ""},
      {"C:\\a\rD:\\b\0S\0"s, "C:\\a", "D:\\b", "S"},
      {"C:\\only\0"s, "C:\\only", "", ""},
      {"C:\\no zero"s, "C:\\no zero", "", ""},
      {"C:\\a\rD:\\b\0ST"s, "C:\\a", "D:\\b", "ST"},
      {"\0\0"s, "", "", ""},
      {""s, "", "", ""},
  };
  for (const Case& c : cases) {
    ChangeDirRequest request = DecodeChangeDir(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(request.left, c.left) << HexBytes(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(request.right, c.right) << HexBytes(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(request.flags, c.flags) << HexBytes(c.bytes.data(), c.bytes.size());
  }
  EXPECT_TRUE(DecodeChangeDir("a\0S", 3).source_target());
  EXPECT_FALSE(DecodeChangeDir("a\0T", 3).source_target());
  EXPECT_EQ(DecodeChangeDir(nullptr, 10).left, "");
}

TEST(TcsimRequests, NeverReadsPastTheGivenSize) {
  const char bytes[] = {'S', 'P', 'X'};  // no zero byte at all
  EXPECT_EQ(TextUpToZero(bytes, 2), "SP");
  EXPECT_EQ(TextUpToZero(bytes, 0), "");
  EXPECT_EQ(DecodeChangeDir(bytes, 1).left, "S");
  EXPECT_EQ(TextUpToZero("A\0B", 3), "A");
}

TEST(TcsimRequests, FormatsBytesForTheLog) {
  std::string payload = "\rC:\\\0\0"s;
  EXPECT_EQ(HexBytes(payload.data(), payload.size()), "0D 43 3A 5C 00 00");
  EXPECT_EQ(HexBytes("\xFF", 1), "FF");
  EXPECT_EQ(HexBytes("", 0), "");
  EXPECT_EQ(LogQuote("a\r\"b\xE4"), "\"a\\x0D\\x22b\xE4\"");
}

TEST(TcsimRequests, ExpandsParameterPlaceholdersInOnePass) {
  PlaceholderValues values{"C:\\Src\\", "D:\\Dst\\", "x%N.txt"};
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"%P%N", "C:\\Src\\x%N.txt"},
      {"%T", "D:\\Dst\\"},
      {"%%TEMP%%\\x", "%TEMP%\\x"},
      {"100%", "100%"},
      {"%Q %p", "%Q %p"},
      {"%%%P", "%C:\\Src\\"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ExpandPlaceholders(c.in, values), c.out) << c.in;
}

TEST(TcsimRequests, QuotesProgramsWithBlanks) {
  EXPECT_EQ(QuoteProgram("C:\\tc\\Kestrix\\tc Kestrix.exe"), "\"C:\\tc\\Kestrix\\tc Kestrix.exe\"");
  EXPECT_EQ(QuoteProgram("\"C:\\a b.exe\""), "\"C:\\a b.exe\"");
  EXPECT_EQ(QuoteProgram("cmd.exe"), "cmd.exe");
  EXPECT_EQ(QuoteProgram(""), "");
}

TEST(TcsimRequests, BuildsASortedEnvironmentBlockWithOverrides) {
  std::string block = BuildEnvironmentBlock(
      {"Path=C:\\w", "=C:=C:\\x", "commander_path=old", "TEMP=C:\\t", ""},
      {{"COMMANDER_PATH", "C:\\tc"}, {"COMMANDER_INI", "C:\\tc\\wincmd.ini"}});
  EXPECT_EQ(block,
            "=C:=C:\\x\0COMMANDER_INI=C:\\tc\\wincmd.ini\0COMMANDER_PATH=C:\\tc\0"
            "Path=C:\\w\0TEMP=C:\\t\0\0"s);
  EXPECT_EQ(BuildEnvironmentBlock({}, {}), "\0\0"s);
}

}  // namespace
}  // namespace kestrix::tcsim
