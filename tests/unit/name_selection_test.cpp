#include "app/name_selection.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

TEST(SuggestedNameSelection, FirstOccurrenceOrNothing) {
  struct Case {
    const char* field;
    const char* name;
    size_t start, length;
  } cases[] = {
      {"2024_Setup_old", "Setup", 5, 5},
      {"Setup_Setup", "Setup", 0, 5},  // the first of two
      {"pre_", "", 0, 0},              // no suggestion: caret at the start
      {"pre_x_suf", "Report", 0, 0},   // not in the text (a custom name replaced it)
      {"", "a", 0, 0},
      {"abc", "abc", 0, 3},
  };
  for (const Case& c : cases) {
    TextSelection selection = SuggestedNameSelection(c.field, c.name);
    EXPECT_EQ(selection.start, c.start) << c.field << " / " << c.name;
    EXPECT_EQ(selection.length, c.length) << c.field << " / " << c.name;
  }
}

}  // namespace
}  // namespace kestrix
