#include "names/text_modifiers.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrix {
namespace {

TEST(TextModifiers, BlanksAndDots) {
  struct Case {
    std::string text, space_to_dot, space_to_dot_careful, dot_to_space_careful;
  };
  const Case cases[] = {
      {"My  new folder ", "My..new.folder.", "My  new.folder ", "My  new folder "},
      {"a.b...c.", "a.b...c.", "a.b...c.", "a b...c."},
      {" a", ".a", ".a", " a"},
      {".a", ".a", ".a", " a"},
      {"a b", "a.b", "a.b", "a b"},
      {" ", ".", " ", " "},
      {"", "", "", ""},
      {"a  ", "a..", "a  ", "a  "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SpaceToDot(c.text), c.space_to_dot) << c.text;
    EXPECT_EQ(SpaceToDotCareful(c.text), c.space_to_dot_careful) << c.text;
    EXPECT_EQ(DotToSpaceCareful(c.text), c.dot_to_space_careful) << c.text;
  }
  EXPECT_EQ(DotToSpace("a.b...c."), "a b   c ");
}

TEST(TextModifiers, InvertCaseTouchesAsciiAndTheNineAccentedPairs) {
  const PortableCharCase char_case;
  EXPECT_EQ(InvertCase("Abc-\xC9"
                       "1",
                       char_case),
            "aBC-\xE9"
            "1");
  // a-umlaut, the multiplication sign and other accented letters stay.
  EXPECT_EQ(InvertCase("\xE4\xD7\xC4\xC0", char_case), "\xE4\xD7\xC4\xC0");
  const std::string upper = "\xC1\xC9\xCD\xD3\xD6\xD5\xDA\xDC\xDB";
  const std::string lower = "\xE1\xE9\xED\xF3\xF6\xF5\xFA\xFC\xFB";
  EXPECT_EQ(InvertCase(upper, char_case), lower);
  EXPECT_EQ(InvertCase(lower, char_case), upper);
  EXPECT_EQ(InvertCase("[AZ az@`{]", char_case), "[az AZ@`{]");
}

// Stands in for the locale: makes visible which conversion was asked for.
class MarkingCharCase : public CharCase {
 public:
  char ToUpper(char) const override { return 'U'; }
  char ToLower(char) const override { return 'l'; }
};

TEST(TextModifiers, InvertCaseUsesTheGivenCasingOnlyForItsLetters) {
  EXPECT_EQ(InvertCase("Ab1\xE1\xC1\xE4", MarkingCharCase()), "lU1Ul\xE4");
}

struct ModifierCase {
  const char* function;
  InputMode mode;
  bool intelli;
  std::string text, expected;
};

TEST(TextModifiers, ProcessTextModifierChoosesTheVariantByModeAndSetting) {
  const std::string spaces = "a  b c";
  const std::string dots = "a..b.c";
  const ModifierCase cases[] = {
      {"FNC_SpaceToDot", InputMode::kNormal, true, spaces, "a  b.c"},
      {"FNC_SpaceToDot", InputMode::kNormal, false, spaces, "a..b.c"},
      {"FNC_SpaceToDot", InputMode::kExtended, true, spaces, "a..b.c"},
      {"FNC_SpaceToDot", InputMode::kExtended, false, spaces, "a..b.c"},
      {"FNC_DotToSpace", InputMode::kNormal, true, dots, "a..b c"},
      {"FNC_DotToSpace", InputMode::kNormal, false, dots, "a  b c"},
      {"FNC_DotToSpace", InputMode::kExtended, true, dots, "a..b c"},
      {"FNC_DotToSpace", InputMode::kExtended, false, dots, "a..b c"},
      {"FNC_InvertCase", InputMode::kExtended, false, "Ab\r\ncD", "aB\r\nCd"},
      {"FNC_UserFnc1", InputMode::kNormal, true, spaces, spaces},
      {"", InputMode::kNormal, true, dots, dots},
  };
  const PortableCharCase char_case;
  for (const ModifierCase& c : cases) {
    const ModifiedText result =
        ProcessTextModifier(c.function, c.text, {0, 0}, c.mode, c.intelli, char_case);
    EXPECT_EQ(result.text, c.expected) << c.function << " " << c.text;
  }
}

TEST(TextModifiers, OnlyTheSelectionChangesAndItIsRestored) {
  const PortableCharCase char_case;
  // "b c" selected: the blank before it lies outside the selection.
  ModifiedText result =
      ProcessTextModifier("FNC_SpaceToDot", "a b c d", {2, 3}, InputMode::kNormal, true, char_case);
  EXPECT_EQ(result.text, "a b.c d");
  EXPECT_EQ(result.selection, (TextSelection{2, 3}));

  // A blank at the start of the selection counts as having no blank before it.
  result =
      ProcessTextModifier("FNC_SpaceToDot", "a b", {1, 2}, InputMode::kNormal, true, char_case);
  EXPECT_EQ(result.text, "a.b");

  // Nothing selected: the whole text changes and the caret stays without a selection.
  result = ProcessTextModifier("FNC_InvertCase", "New Folder", {4, 0}, InputMode::kNormal, true,
                               char_case);
  EXPECT_EQ(result.text, "nEW fOLDER");
  EXPECT_EQ(result.selection, (TextSelection{4, 0}));
}

TEST(TextModifiers, ASelectionBeyondTheTextIsCutToIt) {
  const PortableCharCase char_case;
  ModifiedText result =
      ProcessTextModifier("FNC_InvertCase", "abc", {50, 3}, InputMode::kNormal, true, char_case);
  EXPECT_EQ(result.text, "ABC");
  EXPECT_EQ(result.selection, (TextSelection{3, 0}));

  result =
      ProcessTextModifier("FNC_InvertCase", "abc", {1, 99}, InputMode::kNormal, true, char_case);
  EXPECT_EQ(result.text, "aBC");
  EXPECT_EQ(result.selection, (TextSelection{1, 2}));

  result = ProcessTextModifier("FNC_DotToSpace", "", {0, 0}, InputMode::kNormal, true, char_case);
  EXPECT_EQ(result.text, "");
}

}  // namespace
}  // namespace kestrix
