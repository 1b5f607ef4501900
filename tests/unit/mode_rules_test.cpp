#include "app/mode_rules.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

TEST(CarryNameIntoList, PipesAndStars) {
  struct Case {
    const char* name;
    const char* list;
    std::optional<std::string> expected;
    bool clears;
  } cases[] = {
      {"a|b", "a|b", "a\r\nb", true},
      {"a*b*c", "a*b*c", "a\r\n*b\r\n*c", true},
      {" a*b ", "a*b", "a\r\n*b", true},       // trimmed on both sides
      {"a*b", "x\r\ny", std::nullopt, false},  // the list is the user's own
      {"a|b*c|d", "a|b*c|d", "a\r\nb\r\n*c\r\nd", true},  // stars stay in their part
      {"proj*src*doc|notes", "x", "proj\r\n*src\r\n*doc\r\nnotes", true},
      {"plain", "plain\r\nmore", std::nullopt, false},
      {"", "", std::nullopt, false},
  };
  for (const Case& c : cases) {
    CarriedText carried = CarryNameIntoList(c.name, c.list);
    EXPECT_EQ(carried.list, c.expected) << c.name;
    EXPECT_EQ(carried.clear_saved_selection, c.clears) << c.name;
  }
}

TEST(CountNonBlankLines, BlankLinesDoNotCount) {
  EXPECT_EQ(CountNonBlankLines(""), 0);
  EXPECT_EQ(CountNonBlankLines(" \r\n\t\r\n"), 0);
  EXPECT_EQ(CountNonBlankLines("a\r\n  \r\nb\r\n"), 2);
  EXPECT_EQ(CountNonBlankLines("a\nb\rc"), 3);
}

TEST(ListStateFor, OneTargetOrSeveral) {
  ListState none = ListStateFor(0);
  EXPECT_FALSE(none.ok_enabled);
  EXPECT_FALSE(none.more_visible);
  ListState one = ListStateFor(1);
  EXPECT_TRUE(one.ok_enabled);
  EXPECT_TRUE(one.enterdir_enabled);
  EXPECT_FALSE(one.enterdir_uncheck);  // enabled again, but left unchecked
  EXPECT_TRUE(one.check_single_target);
  ListState three = ListStateFor(3);
  EXPECT_TRUE(three.ok_enabled);
  EXPECT_FALSE(three.enterdir_enabled);
  EXPECT_TRUE(three.enterdir_uncheck);
  EXPECT_TRUE(three.more_visible);
  EXPECT_TRUE(three.ok_caption_reset);
  EXPECT_FALSE(three.check_single_target);
}

TEST(NameAndListMirror, FirstLineBothWays) {
  EXPECT_EQ(NameFromList("a\r\nb"), "a");
  EXPECT_EQ(NameFromList("  \r\n "), "");
  EXPECT_EQ(NameFromList("\r\nb"), "");  // line 0 is empty
  EXPECT_EQ(ListWithFirstLine("old\r\nkeep", "new"), "new\r\nkeep");
  EXPECT_EQ(ListWithFirstLine("", "new"), "new");
  EXPECT_EQ(ListWithFirstLine("old\r\nkeep\r\n", "new"), "new\r\nkeep\r\n");
  EXPECT_EQ(ListWithFirstLine("x\r\ny\r\n", "x"), "x\r\ny\r\n");
  EXPECT_EQ(ListWithFirstLine("old\r\n", "new"), "new\r\n");
}

TEST(DirExistsState, CaptionAndEnabling) {
  EXPECT_EQ(DirExistsState(true, "Sub").enter, true);
  EXPECT_EQ(DirExistsState(true, "Sub").enabled, true);
  EXPECT_EQ(DirExistsState(true, "  ").enter, false);  // the current path itself
  EXPECT_EQ(DirExistsState(true, "  ").enabled, false);
  EXPECT_EQ(DirExistsState(false, "").enter, false);
  EXPECT_EQ(DirExistsState(false, "").enabled, true);
}

TEST(InitialModeFor, SettingValues) {
  EXPECT_EQ(InitialModeFor(0, false), InitialModeAction::kNormal);
  EXPECT_EQ(InitialModeFor(0, true), InitialModeAction::kExtended);
  EXPECT_EQ(InitialModeFor(1, false), InitialModeAction::kExtended);
  EXPECT_EQ(InitialModeFor(2, false), InitialModeAction::kBatch);
  EXPECT_EQ(InitialModeFor(3, true), InitialModeAction::kUnchanged);
  EXPECT_EQ(InitialModeFor(-1, false), InitialModeAction::kUnchanged);
}

TEST(ComputeLayout, StacksFromTheVisibleInput) {
  LayoutInput input;
  input.input_top = 40;
  input.input_height = 22;
  input.ok_height = 25;
  input.batch_height = 120;
  input.templates_bottom = 100;
  LayoutOutput normal = ComputeLayout(input);
  EXPECT_EQ(normal.quick_top, 65);
  EXPECT_EQ(normal.buttons_top, 67);
  EXPECT_EQ(normal.divider_top, 73);
  EXPECT_EQ(normal.panelfix1_top, 98);
  EXPECT_EQ(normal.additional_top, 100);
  EXPECT_EQ(normal.additional_height, 107);
  EXPECT_EQ(normal.window_height, 240);
  EXPECT_FALSE(normal.batch_top.has_value());

  input.batch_mode = true;
  LayoutOutput batch = ComputeLayout(input);
  EXPECT_EQ(batch.panelfix2_top, 98);
  EXPECT_EQ(batch.batch_top, 100);
  EXPECT_EQ(batch.panelfix1_top, 226);
  EXPECT_EQ(batch.additional_top, 227);
  EXPECT_EQ(batch.window_height, 227 + 107 + 33);
  // Applying the layout again gives the same places.
  EXPECT_EQ(ComputeLayout(input).batch_top, batch.batch_top);

  input.batch_mode = false;
  input.vista_or_later = false;
  EXPECT_EQ(ComputeLayout(input).window_height, 244);
}

}  // namespace
}  // namespace kestrix
