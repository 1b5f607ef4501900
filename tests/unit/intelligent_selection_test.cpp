#include "names/intelligent_selection.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kestrix {
namespace {

using Stops = std::vector<int>;

TEST(IntelligentSelection, WordStopsOfTheName) {
  struct Case {
    std::string text;
    std::optional<Stops> stops;
  };
  const Case cases[] = {
      {"New Folder (2024.03.05.)", Stops{4, 11, 17, 20, 23}},
      {"ab-c d-e", Stops{3, 5, 7}},
      {"a - b", Stops{2, 4}},
      {"a|b_c\\d/e", Stops{2, 4, 6, 8}},
      {"abc", Stops{0}},
      {"abc-", Stops{4}},  // the last character is no stop, but the last "-" is
      {"a b-", Stops{2, 4}},
      {"-ab", Stops{1}},
      {"ab.", Stops{0}},
      {"x", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(BuildWordStops(c.text), c.stops) << c.text;
}

TEST(IntelligentSelection, WordStopsOfThePath) {
  struct Case {
    std::string text;
    std::optional<Stops> stops;
  };
  const Case cases[] = {
      {"C:\\Work\\Proj\\", Stops{3, 8, 13}},
      {"d:\\a.b/c", Stops{3, 7}},
      {"d:/a", std::nullopt},  // "/" counts as a separator, not for the absolute test
      {"\\\\srv\\s", Stops{1, 2, 6}},
      {"Work\\x", std::nullopt},
      {"C", std::nullopt},
      {"  ", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(BuildPathWordStops(c.text), c.stops) << c.text;
}

// Presses Ctrl+Tab `presses` times, starting with the caret at `caret`, and returns the
// selected texts; each press starts from the selection the previous one left.
std::vector<std::string> Walk(const std::string& text, SelectionField field, const Stops& stops,
                              std::size_t caret, int presses, WordCursor& cursor) {
  std::vector<std::string> selected;
  TextSelection current{caret, 0};
  for (int i = 0; i < presses; ++i) {
    const std::optional<TextSelection> next =
        IntelligentSelection(text, current, field, stops, cursor);
    if (!next) {
      selected.push_back("<none>");
      continue;
    }
    EXPECT_LE(next->start + next->length, text.size());
    selected.push_back(text.substr(next->start, next->length));
    current = *next;
  }
  return selected;
}

TEST(IntelligentSelection, WalksTheWordsOfATemplateName) {
  const std::string text = "New Folder (2024.03.05.)";
  WordCursor cursor;
  EXPECT_EQ(
      Walk(text, SelectionField::kName, *BuildWordStops(text), text.size(), 8, cursor),
      (std::vector<std::string>{"New", "Folder", "2024.03.05.", "03", "05", ")", "New", "Folder"}));
  EXPECT_EQ(cursor.next_word, 2);
}

TEST(IntelligentSelection, ANameWithoutSeparatorsIsSelectedWholeEveryTime) {
  WordCursor cursor;
  EXPECT_EQ(Walk("Name", SelectionField::kName, Stops{0}, 4, 4, cursor),
            (std::vector<std::string>{"Name", "Name", "Name", "Name"}));
}

TEST(IntelligentSelection, TheCaretPicksTheWordItStandsIn) {
  const std::string text = "New Folder (2024.03.05.)";
  const Stops stops = *BuildWordStops(text);
  struct Case {
    std::size_t caret;
    int cursor_before;
    std::string selected;
  };
  const Case cases[] = {
      {7, 5, "Folder"},                         // inside "Folder"
      {4, 0, "Folder"},                         // right after the blank
      {2, 4, "New"},                            // no separator before the caret
      {19, 0, "03"},    {0, 2, "2024.03.05."},  // a caret at the start keeps the cursor
  };
  for (const Case& c : cases) {
    WordCursor cursor{c.cursor_before};
    EXPECT_EQ(Walk(text, SelectionField::kName, stops, c.caret, 1, cursor)[0], c.selected)
        << c.caret;
  }
}

TEST(IntelligentSelection, SeparatorsThatAreNoStopRestartTheCursor) {
  // "|" is a stop but not a caret separator; "-" after a blank is neither.
  WordCursor cursor{3};
  EXPECT_EQ(Walk("ab|cd", SelectionField::kName, Stops{3}, 4, 1, cursor)[0], "ab");
  cursor.next_word = 3;
  EXPECT_EQ(Walk("a -bc", SelectionField::kName, Stops{2}, 4, 1, cursor)[0], "-bc");
}

TEST(IntelligentSelection, ThePathFieldSplitsOnlyAtSeparators) {
  const std::string path = "C:\\my.dir\\x";
  const Stops stops = *BuildPathWordStops(path);
  WordCursor cursor;
  EXPECT_EQ(Walk(path, SelectionField::kPath, stops, 7, 3, cursor),
            (std::vector<std::string>{"my.dir", "x", "C:"}));

  const std::string with_end = "C:\\Work\\Proj\\";
  cursor.next_word = 0;
  EXPECT_EQ(Walk(with_end, SelectionField::kPath, *BuildPathWordStops(with_end), 0, 5, cursor),
            // The empty word after the final "\\" cannot grow past the end: the caret goes there.
            (std::vector<std::string>{"C:", "Work", "Proj", "", "C:"}));
}

TEST(IntelligentSelection, Brackets) {
  struct Case {
    std::string text;
    std::vector<std::string> selected;
  };
  const Case cases[] = {
      // Starting over selects word 0 as it stands, brackets included.
      {"[tag] name", {"tag", "name", "[tag]"}},
      {"{x}", {"x", "x"}},
      {"a (b", {"a", "b"}},
      {"[(x)] y", {"x", "y"}},
      {"a []", {"a", "]"}},
      {"x)", {"x"}},
      {"(a b) c", {"a b", "b", "c"}},
  };
  for (const Case& c : cases) {
    WordCursor cursor;
    const Stops stops = *BuildWordStops(c.text);
    EXPECT_EQ(Walk(c.text, SelectionField::kName, stops, c.text.size(),
                   static_cast<int>(c.selected.size()), cursor),
              c.selected)
        << c.text;
  }
}

TEST(IntelligentSelection, AStopListThatDoesNotFitSelectsNothing) {
  const std::string text = "short";
  for (const Stops& stops : {Stops{}, Stops{2, 30}, Stops{6}}) {
    WordCursor cursor{1};
    EXPECT_EQ(IntelligentSelection(text, {0, 0}, SelectionField::kName, stops, cursor),
              std::nullopt);
    EXPECT_EQ(cursor.next_word, 1);
  }
}

TEST(IntelligentSelection, ADamagedListNeverSelectsOutsideTheText) {
  const std::string text = "abcdef";
  for (const Stops& stops : {Stops{5, 2}, Stops{-3, 4}, Stops{6, 6}, Stops{0, 0}}) {
    WordCursor cursor;
    for (int press = 0; press < 4; ++press) {
      const auto selection =
          IntelligentSelection(text, {text.size(), 0}, SelectionField::kName, stops, cursor);
      ASSERT_TRUE(selection.has_value());
      EXPECT_LE(selection->start + selection->length, text.size());
    }
  }
  WordCursor negative{-5};
  EXPECT_TRUE(IntelligentSelection(text, {6, 0}, SelectionField::kName, Stops{3}, negative));
  EXPECT_EQ(negative.next_word, 1);
}

// Every text of up to five characters from separators, brackets and a letter, with the
// caret at every place: repeated presses stay inside the text and keep the cursor in range.
TEST(IntelligentSelection, EveryShortTextStaysInBounds) {
  const std::string alphabet = " .-([)]x";
  std::vector<std::string> texts{""};
  for (std::size_t begin = 0; begin < texts.size(); ++begin) {
    if (texts[begin].size() == 5) continue;
    for (char c : alphabet) texts.push_back(texts[begin] + c);
  }
  for (const std::string& text : texts) {
    const Stops stops = BuildWordStops(text).value_or(Stops{0});
    for (std::size_t caret = 0; caret <= text.size(); ++caret) {
      WordCursor cursor;
      TextSelection current{caret, 0};
      for (int press = 0; press < 3; ++press) {
        const auto next = IntelligentSelection(text, current, SelectionField::kName, stops, cursor);
        ASSERT_TRUE(next.has_value()) << text;
        ASSERT_LE(next->start + next->length, text.size()) << text;
        ASSERT_GE(cursor.next_word, 1) << text;
        ASSERT_LE(cursor.next_word, static_cast<int>(stops.size()) + 1) << text;
        current = *next;
      }
    }
  }
}

}  // namespace
}  // namespace kestrix
