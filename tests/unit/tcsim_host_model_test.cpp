#include <gtest/gtest.h>

#include <map>

#include "tcsim/host_model.h"

namespace kestrix::tcsim {
namespace {

Entry File(const std::string& name) {
  return {name, false, 1, 2024, 1, 1, 0, 0};
}
Entry Dir(const std::string& name) {
  return {name, true, 0, 2024, 1, 1, 0, 0};
}

class HostModelTest : public ::testing::Test {
 protected:
  HostModelTest()
      : model(
            [this](const std::string& path) -> std::optional<std::vector<Entry>> {
              auto found = tree.find(path);
              if (found == tree.end()) return std::nullopt;
              return found->second;
            },
            [](const std::string& path) { return path == "C:\\w\\x.zip"; }) {}

  void SetUp() override {
    ASSERT_TRUE(model.Open(Side::Left, "C:\\w\\a"));
    ASSERT_TRUE(model.Open(Side::Right, "C:\\w\\*.*", "x.zip"));
  }

  std::map<std::string, std::vector<Entry>> tree = {
      {"C:\\", {Dir("w")}},
      {"C:\\w\\", {Dir(".."), File("x.zip"), Dir("a"), Dir("b")}},
      {"C:\\w\\a\\", {Dir(".."), File("z.txt"), Dir("sub"), File("Y.txt")}},
      {"C:\\w\\a\\sub\\", {Dir("..")}},
      {"C:\\w\\b\\", {Dir("..")}},
  };
  HostModel model;
};

TEST_F(HostModelTest, OpensSortedListingsWithTheCursorOnTheNamedItem) {
  const PanelState& left = model.Panel(Side::Left);
  EXPECT_EQ(left.path, "C:\\w\\a\\");
  ASSERT_EQ(left.entries.size(), 4u);
  EXPECT_EQ(left.entries[1].name, "sub");
  EXPECT_EQ(left.entries[2].name, "Y.txt");
  EXPECT_EQ(left.FocusedName(), "..");
  EXPECT_EQ(model.Panel(Side::Right).FocusedName(), "x.zip");
  EXPECT_FALSE(model.Open(Side::Left, "C:\\missing"));
  EXPECT_EQ(model.Panel(Side::Left).path, "C:\\w\\a\\") << "a failed open keeps the panel";
  EXPECT_FALSE(model.Open(Side::Left, "  "));
}

TEST_F(HostModelTest, AnswersQueriesAboutTheActivePanel) {
  model.SetFocus(Side::Left, 3);
  struct Case {
    Side active;
    const char* query;
    std::optional<std::string> answer;
  } cases[] = {
      {Side::Left, "A", "L"},          {Side::Left, "SP", "C:\\w\\a\\"},
      {Side::Left, "SN", "z.txt"},     {Side::Left, "sn", "z.txt"},
      {Side::Right, "A", "R"},         {Side::Right, "SP", "C:\\w\\"},
      {Side::Right, "SN", "x.zip"},    {Side::Right, "TP", std::nullopt},
      {Side::Right, "", std::nullopt},
  };
  for (const Case& c : cases) {
    model.SetActive(c.active);
    EXPECT_EQ(model.Answer(c.query), c.answer) << c.query;
  }
}

TEST_F(HostModelTest, ChangeDirectoryRequestsChangeTheNamedSides) {
  EXPECT_EQ(model.ChangeDir({"C:\\w\\b", "", ""}).text, "left changed");
  EXPECT_EQ(model.Panel(Side::Left).path, "C:\\w\\b\\");
  EXPECT_EQ(model.ChangeDir({"", "C:\\w\\a\\sub\\", ""}).text, "right changed");
  EXPECT_EQ(model.Panel(Side::Right).path, "C:\\w\\a\\sub\\");
  EXPECT_EQ(model.ChangeDir({"C:\\nope", "C:\\w\\", ""}).text,
            "left unchanged: cannot list \"C:\\nope\", right changed");
  EXPECT_EQ(model.ChangeDir({"", " ", ""}).text, "nothing to change");

  // Source/target: the first path goes to the active panel.
  model.SetActive(Side::Right);
  model.ChangeDir({"C:\\w\\a", "C:\\w\\b", "S"});
  EXPECT_EQ(model.Panel(Side::Right).path, "C:\\w\\a\\");
  EXPECT_EQ(model.Panel(Side::Left).path, "C:\\w\\b\\");
}

TEST_F(HostModelTest, ArchivesAndPluginsGetFakeListings) {
  EXPECT_TRUE(model.Open(Side::Left, "C:\\w\\x.zip\\*.*"));
  EXPECT_EQ(model.Panel(Side::Left).kind, PathKind::Archive);
  EXPECT_EQ(model.Panel(Side::Left).entries.size(), FakeListing().size());
  EXPECT_TRUE(model.Open(Side::Left, "\\\\\\Virtual Panel\\x"));
  EXPECT_EQ(model.Panel(Side::Left).kind, PathKind::Plugin);
  EXPECT_TRUE(model.Open(Side::Left, "1:\\x"));
  EXPECT_EQ(model.Panel(Side::Left).kind, PathKind::DigitDrive);
}

TEST_F(HostModelTest, ParentKeepsTheCursorOnTheDirectoryLeft) {
  model.Open(Side::Left, "C:\\w\\x.zip\\");
  EXPECT_EQ(model.Command(kCmdParent).text, "left changed");
  EXPECT_EQ(model.Panel(Side::Left).path, "C:\\w\\");
  EXPECT_EQ(model.Panel(Side::Left).FocusedName(), "x.zip");
  model.Command(kCmdParent);
  model.Command(kCmdParent);
  EXPECT_EQ(model.Command(kCmdParent).text, "already at the root");
  EXPECT_EQ(model.Panel(Side::Left).path, "C:\\");
}

TEST_F(HostModelTest, EnterFollowsTheItemUnderTheCursor) {
  model.SetFocus(Side::Left, 1);  // sub
  EXPECT_EQ(model.Command(kCmdEnter).text, "left changed");
  EXPECT_EQ(model.Panel(Side::Left).path, "C:\\w\\a\\sub\\");
  model.SetFocus(Side::Left, 0);  // ..
  model.Command(kCmdEnter);
  EXPECT_EQ(model.Panel(Side::Left).path, "C:\\w\\a\\");
  EXPECT_EQ(model.Panel(Side::Left).FocusedName(), "sub");
  model.SetFocus(Side::Left, 3);
  EXPECT_EQ(model.Command(kCmdEnter).text, "not a directory: \"z.txt\"");
  model.SetFocus(Side::Left, 99);
  EXPECT_EQ(model.Panel(Side::Left).FocusedName(), "z.txt") << "out-of-range focus is ignored";
}

TEST_F(HostModelTest, OtherCommands) {
  model.Command(kCmdRoot);
  EXPECT_EQ(model.Panel(Side::Left).path, "C:\\");
  EXPECT_EQ(model.Command(kCmdFocusRight).text, "right panel focused");
  EXPECT_EQ(model.Active(), Side::Right);
  EXPECT_EQ(model.Command(kCmdFocusLeft).text, "left panel focused");
  EXPECT_EQ(model.Active(), Side::Left);
  EXPECT_FALSE(model.Command(kCmdOwnMkDir).close);
  EXPECT_TRUE(model.Command(kCmdExit).close);
  EXPECT_EQ(model.Command(1234).text, "unknown command");
}

TEST_F(HostModelTest, RereadPicksUpChangesAndKeepsTheCursorByName) {
  model.SetFocus(Side::Left, 2);  // Y.txt
  tree["C:\\w\\a\\"].push_back(File("A.txt"));
  model.Command(kCmdReread);
  const PanelState& left = model.Panel(Side::Left);
  EXPECT_EQ(left.entries.size(), 5u);
  EXPECT_EQ(left.FocusedName(), "Y.txt");
  EXPECT_EQ(model.Describe(), "active=L left=\"C:\\w\\a\\\" right=\"C:\\w\\\" focus=\"Y.txt\"");
}

}  // namespace
}  // namespace kestrix::tcsim
