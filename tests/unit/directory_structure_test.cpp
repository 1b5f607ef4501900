#include "create/directory_structure.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace kestrix {
namespace {

using Levels = std::vector<std::string>;

TEST(DirectoryStructure, AbsolutePathsAreDrivePathsAndNetworkPaths) {
  struct Case {
    std::string text;
    bool absolute;
  };
  const Case cases[] = {
      {"C:\\X\\Y", true}, {"  d:\\x  ", true}, {"\\\\server\\share", true},
      {"z:\\", true},     {"C:/x", false},     {"C:", false},
      {"\\x", false},     {"a\\b", false},     {"", false},
      {"ab:\\", false},   {":\\x", false},     {" \\\\s", true},
  };
  for (const Case& c : cases) EXPECT_EQ(IsAbsolutePath(c.text), c.absolute) << c.text;
}

TEST(DirectoryStructure, SplitLevelsKeepsEmptyParts) {
  struct Case {
    std::string text;
    Levels levels;
  };
  const Case cases[] = {
      {"a/b\\c", {"a", "b", "c"}},
      {"  a\\b  ", {"a", "b"}},
      {"a\\", {"a", ""}},
      {"\\x", {"", "x"}},
      {"a\\\\b", {"a", "", "b"}},
      {"a \\ b", {"a ", " b"}},
      {"abc", {"abc"}},
      {"", {""}},
      {"\\", {"", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitLevels(c.text), c.levels) << c.text;
}

TEST(DirectoryStructure, NeedsListForm) {
  EXPECT_TRUE(NeedsListForm("a|b"));
  EXPECT_TRUE(NeedsListForm("a*b"));
  EXPECT_FALSE(NeedsListForm("a\\b"));
}

TEST(DirectoryStructure, PrepareListRunText) {
  EXPECT_EQ(RemoveBlankLines("  \r\na\r\n\t\r\nb\r\n"), "a\r\nb");
  EXPECT_EQ(PrepareListRunText("  \r\na|b\r\n\r\n *c \r\n"), "a\r\nb\r\n *c");
  EXPECT_EQ(PrepareListRunText(" \r\n \r\n"), "");
  EXPECT_EQ(PrepareListRunText("x|*y"), "x\r\n*y");
}

struct PlanCase {
  const char* name;
  std::string run_text;
  std::vector<PlannedLine> lines;
  std::string final_name;
};

void PrintTo(const PlanCase& c, std::ostream* os) {
  *os << c.name;
}

PlannedLine Single(const std::string& text) {
  return {text, false, {text}};
}
PlannedLine Chain(const std::string& text, Levels levels) {
  return {text, true, levels};
}

class PlanListTest : public testing::TestWithParam<PlanCase> {};

TEST_P(PlanListTest, ExpandsMarkersAndFindsTheFinalName) {
  const PlanCase& c = GetParam();
  const ListPlan plan = PlanList(c.run_text);
  ASSERT_EQ(plan.lines.size(), c.lines.size());
  for (std::size_t i = 0; i < c.lines.size(); ++i) {
    EXPECT_EQ(plan.lines[i].text, c.lines[i].text) << i;
    EXPECT_EQ(plan.lines[i].chain, c.lines[i].chain) << i;
    EXPECT_EQ(plan.lines[i].levels, c.lines[i].levels) << i;
  }
  EXPECT_EQ(plan.final_name, c.final_name);
}

INSTANTIATE_TEST_SUITE_P(
    DirectoryStructure, PlanListTest,
    testing::Values(
        PlanCase{"Siblings",
                 "x\r\n*y\r\nz\r\n*w",
                 {Single("x"), Chain("x\\y", {"x", "y"}), Single("z"), Chain("z\\w", {"z", "w"})},
                 "z"},
        PlanCase{"ThreeNames", "a\r\nb\r\nc", {Single("a"), Single("b"), Single("c")}, "c"},
        PlanCase{"StarBlankAndDoubleStar",
                 "p\r\n* b\r\n**c",
                 {Single("p"), Chain("p\\b", {"p", "b"}), Chain("p\\p\\c", {"p", "p", "c"})},
                 "p"},
        PlanCase{"SubdirectoryBeforeAnyParent", "*x", {Chain("\\x", {"", "x"})}, "\\x"},
        PlanCase{"ChainParent",
                 " a/b \r\n*c",
                 {Chain("a\\b", {"a", "b"}), Chain("a\\b\\c", {"a", "b", "c"})},
                 "a\\b"},
        PlanCase{"TrailingSeparator", "a\\", {Chain("a\\", {"a", ""})}, "a\\"},
        PlanCase{"BlankLinesSkipped", "a\r\n\r\n  \r\nb", {Single("a"), Single("b")}, "b"},
        PlanCase{"StarsInsideTopLevelLine",
                 "a* b*c\r\n*d",
                 {Single("a"), Chain("a\\b", {"a", "b"}), Chain("a\\c", {"a", "c"}),
                  Chain("a\\d", {"a", "d"})},
                 "a"},
        PlanCase{"Empty", "", {}, ""}),
    [](const testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.name); });

// Every list text of up to six characters from names, markers, separators, blanks and
// line breaks: each planned line is non-empty, its markers and "/" are gone, and a chain's
// levels put back together give the line.
TEST(DirectoryStructure, EveryShortListPlansConsistentLines) {
  const std::string alphabet = "a* \\/\n";
  std::vector<std::string> texts{""};
  for (std::size_t begin = 0; begin < texts.size(); ++begin) {
    if (texts[begin].size() == 6) continue;
    for (char c : alphabet) texts.push_back(texts[begin] + c);
  }
  for (const std::string& text : texts) {
    const ListPlan plan = PlanList(text);
    for (const PlannedLine& line : plan.lines) {
      ASSERT_FALSE(line.text.empty()) << text;
      ASSERT_EQ(line.text.find_first_of("*/"), std::string::npos) << text;
      ASSERT_EQ(line.chain, line.text.find('\\') != std::string::npos) << text;
      std::string joined;
      for (std::size_t i = 0; i < line.levels.size(); ++i) {
        if (i > 0) joined += '\\';
        joined += line.levels[i];
      }
      ASSERT_EQ(joined, line.chain ? line.text : line.levels.front()) << text;
    }
    ASSERT_EQ(plan.lines.empty(), plan.final_name.empty()) << text;
  }
}

}  // namespace
}  // namespace kestrix
