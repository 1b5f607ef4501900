// The stand-in host: the parsing of what the utility sends it, and what it saves on closing.
#include <gtest/gtest.h>

#include <map>

#include "tcsim/host_model.h"
#include "tcsim/requests.h"
#include "tcsim/user_commands.h"

namespace kestrix::tcsim {
namespace {

using namespace std::string_literals;

TEST(Tcsim, DecodesChangeDirectoryPayloadsWithinTheirSize) {
  struct Case {
    std::string bytes;
    const char *left, *right, *flags;
  } cases[] = {
      {"C:\\New\r\0\0"s, "C:\\New", "", ""},         {"\rD:\\Work\\\0\0"s, "", "D:\\Work\\", ""},
      {"C:\\a\rD:\\b\0S\0"s, "C:\\a", "D:\\b", "S"}, {"C:\\no zero"s, "C:\\no zero", "", ""},
      {"C:\\a\rD:\\b\0ST"s, "C:\\a", "D:\\b", "ST"}, {""s, "", "", ""},
  };
  for (const Case& c : cases) {
    ChangeDirRequest request = DecodeChangeDir(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(request.left + "|" + request.right + "|" + request.flags,
              std::string(c.left) + "|" + c.right + "|" + c.flags)
        << HexBytes(c.bytes.data(), c.bytes.size());
  }
  EXPECT_TRUE(DecodeChangeDir("a\0S", 3).source_target());
  EXPECT_FALSE(DecodeChangeDir("a\0T", 3).source_target());
  EXPECT_EQ(DecodeChangeDir(nullptr, 10).left, "");
  EXPECT_EQ(DecodeChangeDir("SPX", 1).left, "S");
  EXPECT_EQ(TextUpToZero("SPX", 2), "SP");
  EXPECT_EQ(TextUpToZero("A\0B", 3), "A");
}

TEST(Tcsim, AnswersQueriesAndChangeDirectoryRequests) {
  auto dir = [](const std::string& name) { return Entry{name, true, 0, 2024, 1, 1, 0, 0}; };
  std::map<std::string, std::vector<Entry>> tree = {
      {"C:\\", {dir("w")}},
      {"C:\\w\\", {dir(".."), dir("a"), dir("b")}},
      {"C:\\w\\a\\", {dir(".."), Entry{"z.txt", false, 1, 2024, 1, 1, 0, 0}}},
      {"C:\\w\\b\\", {dir("..")}},
  };
  HostModel model(
      [&](const std::string& path) -> std::optional<std::vector<Entry>> {
        auto found = tree.find(path);
        if (found == tree.end()) return std::nullopt;
        return found->second;
      },
      [](const std::string&) { return false; });
  ASSERT_TRUE(model.Open(Side::Left, "C:\\w\\a"));
  ASSERT_TRUE(model.Open(Side::Right, "C:\\w\\*.*", "b"));
  model.SetFocus(Side::Left, 1);
  EXPECT_EQ(model.Answer("A"), "L");
  EXPECT_EQ(model.Answer("sp"), "C:\\w\\a\\");
  EXPECT_EQ(model.Answer("SN"), "z.txt");
  EXPECT_EQ(model.Answer("TP"), std::nullopt);
  EXPECT_EQ(model.ChangeDir({"C:\\nope", "C:\\w\\a\\", ""}).text,
            "left unchanged: cannot list \"C:\\nope\", right changed");
  // Source/target: the first path goes to the active panel.
  model.SetActive(Side::Right);
  model.ChangeDir({"C:\\w\\b", "C:\\w", "S"});
  EXPECT_EQ(model.Describe(), "active=R left=\"C:\\w\\\" right=\"C:\\w\\b\\\" focus=\"..\"");
}

TEST(Tcsim, SplitsAUserCommandFromItsParameters) {
  EXPECT_EQ(SplitEmText("  em_KestrixEnter C:\\My Dir").name, "em_KestrixEnter");
  EXPECT_EQ(SplitEmText("em_KestrixEnter C:\\My Dir").params, "C:\\My Dir");
  EXPECT_EQ(SplitEmText("em_Kestrix").params, "");
}

TEST(Tcsim, SavesThePanelPathsIntoTheKeysItReadAtStart) {
  const std::string text = "[Left]\r\nPath = C:\\old\\\r\n[right]\r\nshow=1\r\n";
  EXPECT_EQ(ReplaceIniValue(text, "left", "path", "D:\\"),
            "[Left]\r\npath=D:\\\r\n[right]\r\nshow=1\r\n");
  EXPECT_EQ(ReplaceIniValue(text, "right", "path", "D:\\"), text);
}

}  // namespace
}  // namespace kestrix::tcsim
