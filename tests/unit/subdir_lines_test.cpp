#include "app/subdir_lines.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

using Lines = std::vector<std::string>;

TEST(AddSubdirLineExtended, ThreePressesUnderAProjectNumberOnward) {
  Lines lines{"Project"};
  int counter = 0;
  for (int press = 0; press < 3; ++press) {
    SubdirLineResult result = AddSubdirLineExtended(lines, lines.size() - 1, "Subdir", counter);
    lines = result.lines;
    EXPECT_EQ(result.line_index, lines.size() - 1);
    EXPECT_EQ(result.select_start, 2u);
    EXPECT_EQ(result.select_length, 7u);  // "Subdir "
  }
  EXPECT_EQ(lines, (Lines{"Project", "* Subdir 1", "* Subdir 2", "* Subdir 3"}));
  EXPECT_EQ(counter, 3);
}

TEST(AddSubdirLineExtended, ARenamedLineContinuesItsOwnNumbering) {
  int counter = 3;
  SubdirLineResult result =
      AddSubdirLineExtended({"Project", "* Docs 1", "* Subdir 2"}, 1, "Subdir", counter);
  EXPECT_EQ(result.lines, (Lines{"Project", "* Docs 1", "* Docs 2", "* Subdir 2"}));
  EXPECT_EQ(result.line_index, 2u);
  EXPECT_EQ(result.select_length, 5u);  // "Docs "
  EXPECT_EQ(counter, 2);
}

TEST(AddSubdirLineExtended, ReferenceLineForms) {
  struct Case {
    Lines lines;
    size_t caret_line;
    Lines expected;
    int counter;
  } cases[] = {
      {{"*Photos"}, 0, {"*Photos", "* Photos1"}, 1},                          // no digit: number 0
      {{"* Take 3b"}, 0, {"* Take 3b", "* Take 4"}, 4},                       // digits stop at "b"
      {{"a", "* x 9", "  ", ""}, 3, {"a", "* x 9", "* x 10", "  ", ""}, 10},  // blank: upward
      {{"* 7"}, 0, {"* 7", "* Subdir8"}, 8},         // blank name: the word
      {{"a", "b"}, 0, {"a", "* Subdir 1", "b"}, 1},  // caret line, not last
      {{}, 0, {"* Subdir 1"}, 1},                    // empty list
      {{"x"}, 99, {"x", "* Subdir 1"}, 1},           // caret beyond the list
      {{"* n 99999999999999"}, 0, {"* n 99999999999999", "* n 1000000001"}, 1000000001},
  };
  for (const Case& c : cases) {
    int counter = 42;
    SubdirLineResult result = AddSubdirLineExtended(c.lines, c.caret_line, "Subdir", counter);
    EXPECT_EQ(result.lines, c.expected);
    EXPECT_EQ(counter, c.counter);
  }
}

TEST(AddSubdirLineNormal, AppendsWithTheNextCounter) {
  int counter = 0;
  SubdirLineResult first = AddSubdirLineNormal({"Project"}, " Subdir ", counter);
  EXPECT_EQ(first.lines, (Lines{"Project", "* Subdir 1"}));
  SubdirLineResult second = AddSubdirLineNormal(first.lines, "Subdir", counter);
  EXPECT_EQ(second.lines.back(), "* Subdir 2");
  EXPECT_EQ(second.line_index, 2u);
  EXPECT_EQ(second.select_start, 2u);
  EXPECT_EQ(second.select_length, 7u);
}

}  // namespace
}  // namespace kestrix
