// The stand-in host: the parsing of what the utility sends it.
#include <gtest/gtest.h>

#include "tcsim/requests.h"
#include "tcsim/user_commands.h"

namespace kestrix::tcsim {
namespace {

using namespace std::string_literals;

TEST(Tcsim, DecodesPayloadsWithinTheirSizeAndSplitsUserCommands) {
  struct Case {
    std::string bytes;
    const char *left, *right, *flags;
  } cases[] = {
      {"C:\\New\r\0\0"s, "C:\\New", "", ""},         {"\rD:\\Work\\\0\0"s, "", "D:\\Work\\", ""},
      {"C:\\a\rD:\\b\0S\0"s, "C:\\a", "D:\\b", "S"}, {"C:\\no zero"s, "C:\\no zero", "", ""},
      {"C:\\a\rD:\\b\0ST"s, "C:\\a", "D:\\b", "ST"}, {""s, "", "", ""}};
  for (const Case& c : cases) {
    ChangeDirRequest request = DecodeChangeDir(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(request.left + "|" + request.right + "|" + request.flags,
              std::string(c.left) + "|" + c.right + "|" + c.flags)
        << HexBytes(c.bytes.data(), c.bytes.size());
  }
  EXPECT_TRUE(DecodeChangeDir("a\0S", 3).SourceTarget());
  EXPECT_FALSE(DecodeChangeDir("a\0T", 3).SourceTarget());
  EXPECT_EQ(DecodeChangeDir(nullptr, 10).left + DecodeChangeDir("SPX", 1).left, "S");
  EXPECT_EQ(TextUpToZero("SPX", 2) + TextUpToZero("A\0B", 3), "SPA");
  // A user command is split from its parameters.
  const EmText em = SplitEmText("  em_KestrixEnter C:\\My Dir");
  EXPECT_EQ(em.name + "|" + em.params + "|" + SplitEmText("em_Kestrix").params,
            "em_KestrixEnter|C:\\My Dir|");
}

}  // namespace
}  // namespace kestrix::tcsim
