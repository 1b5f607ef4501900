#include "create/attribute_editor.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrix {
namespace {

constexpr char kApp[] = "Total Commander Kestrix";

DirAttributeSet Make(bool r, bool a, bool h, bool s) {
  return {r, a, h, s};
}

TEST(AttributeTag, LettersInFixedOrderAndEmptyWithoutAttributes) {
  struct Case {
    DirAttributeSet set;
    const char* tag;
    const char* letters;
  } cases[] = {
      {Make(false, false, false, false), "", ""},
      {Make(true, false, true, false), "[r-h-]", "rh"},
      {Make(false, false, true, true), "[--hs]", "hs"},
      {Make(false, true, false, false), "[-a--]", "a"},
      {Make(true, true, true, true), "[rahs]", "rahs"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AttributeTag(c.set), c.tag);
    EXPECT_EQ(AttributeLetters(c.set), c.letters);
    EXPECT_EQ(AttributeLetters(AttributesFromLetters(c.letters)), c.letters);
  }
}

TEST(AttributesFromLetters, TakesEveryKnownLetterInAnyOrderAndIgnoresTheRest) {
  struct Case {
    const char* text;
    const char* letters;
  } cases[] = {
      {"", ""},      {"sh", "hs"}, {"hr", "rh"},   {"xyz", ""},
      {"ssss", "s"}, {"SH", "hs"}, {"r-h-", "rh"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AttributeLetters(AttributesFromLetters(c.text)), c.letters) << c.text;
}

TEST(AttributeTitles, NormalExtendedAndAfterAChange) {
  DirAttributeSet none;
  DirAttributeSet hs = Make(false, false, true, true);
  EXPECT_EQ(NormalModeTitle(kApp, none), std::string(kApp) + " ");
  EXPECT_EQ(NormalModeTitle(kApp, hs), std::string(kApp) + " [--hs]");
  EXPECT_EQ(ExtendedModeTitle(kApp, hs), std::string(kApp) + " 1.6.0.5 [--hs]");
  EXPECT_EQ(ExtendedModeTitle(kApp, none), std::string(kApp) + " 1.6.0.5 ");
  EXPECT_EQ(AttributeChangeTitle(kApp, InputMode::kNormal, hs), std::string(kApp) + " [--hs]");
  EXPECT_EQ(AttributeChangeTitle(kApp, InputMode::kExtended, hs),
            std::string(kApp) + " v1.6.0.5 [--hs]");
}

TEST(AttributeMenuEntries, FollowTheLetterOrder) {
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(kAttributeMenuEntries[i].attribute, kDirAttributeOrder[i]);
    EXPECT_EQ(kAttributeMenuEntries[i].default_caption[1], AttributeLetter(kDirAttributeOrder[i]));
  }
}

TEST(FilterAttributeLetter, AcceptsOnlyNewLowerCaseLettersAndBackspace) {
  struct Case {
    char typed;
    const char* text;
    std::size_t start, length;
    bool accept, select_all;
  } cases[] = {
      {'s', "", 0, 0, true, false},     // empty text: everything (nothing) is selected
      {'s', "s", 1, 0, false, false},   // "s", "s" leaves "s"
      {'S', "", 0, 0, false, false},    // upper case ignored
      {'x', "r", 1, 0, false, false},   // unknown letter
      {'1', "", 0, 0, false, false},    // digit
      {'h', "r", 1, 0, true, false},    // new letter
      {'r', "r", 0, 1, true, false},    // whole text selected: replaces it
      {'r', "rh", 0, 1, false, false},  // part selected: a repeat stays out
      {'r', "rh", 1, 1, false, false},
      {'a', "rh", 0, 2, true, false},
      {'r', "rh", 0, 99, true, false},  // a selection past the end reaches the end
      {'r', "rh", 7, 3, false, false},  // a start past the end is the end
      {kCharBackspace, "rh", 2, 0, true, false},
      {kCharBackspace, "", 0, 0, true, false},
      {kCharCtrlA, "rh", 1, 0, false, true},
      {'\r', "rh", 2, 0, false, false},
      {static_cast<char>(0xE4), "", 0, 0, false, false},
  };
  for (const Case& c : cases) {
    LetterKeyDecision d = FilterAttributeLetter(c.typed, c.text, c.start, c.length);
    EXPECT_EQ(d.accept, c.accept) << int(c.typed) << " in " << c.text;
    EXPECT_EQ(d.select_all, c.select_all) << int(c.typed) << " in " << c.text;
  }
}

TEST(AttributeEditor, MenuTogglesGiveTitleAndFieldText) {
  AttributeEditor editor;
  AttributeUpdate u = editor.ToggleFromMenu(DirAttribute::kHidden, kApp, InputMode::kNormal);
  EXPECT_FALSE(u.field_open);
  EXPECT_EQ(u.field_text, "");
  u = editor.ToggleFromMenu(DirAttribute::kSystem, kApp, InputMode::kExtended);
  EXPECT_EQ(u.title, std::string(kApp) + " v1.6.0.5 [--hs]");
  EXPECT_TRUE(editor.IsChecked(DirAttribute::kHidden));
  EXPECT_FALSE(editor.IsChecked(DirAttribute::kReadOnly));
  EXPECT_EQ(editor.Set().Value(), 0x16u);

  EXPECT_EQ(editor.OpenField(), "hs");
  u = editor.ToggleFromMenu(DirAttribute::kReadOnly, kApp, InputMode::kNormal);
  EXPECT_TRUE(u.field_open);
  EXPECT_EQ(u.field_text, "rhs");
  EXPECT_EQ(u.title, std::string(kApp) + " [r-hs]");
  u = editor.ToggleFromMenu(DirAttribute::kHidden, kApp, InputMode::kNormal);
  EXPECT_EQ(u.field_text, "rs");
  EXPECT_EQ(u.title, std::string(kApp) + " [r--s]");
}

TEST(AttributeEditor, TypingRewritesTheFieldInFixedOrder) {
  AttributeEditor editor;
  editor.OpenField();
  // Typing "h" then "r" with the caret at the end: the field shows "hr", then "rh".
  AttributeUpdate u = editor.FieldChanged("h", kApp, InputMode::kNormal);
  EXPECT_EQ(u.field_text, "h");
  u = editor.FieldChanged("hr", kApp, InputMode::kNormal);
  EXPECT_EQ(u.field_text, "rh");
  EXPECT_EQ(u.title, std::string(kApp) + " [r-h-]");
  // Backspace down to nothing unchecks everything and drops the tag.
  u = editor.FieldChanged("r", kApp, InputMode::kNormal);
  u = editor.FieldChanged("", kApp, InputMode::kNormal);
  EXPECT_EQ(u.field_text, "");
  EXPECT_EQ(u.title, std::string(kApp) + " ");
  for (DirAttribute a : kDirAttributeOrder) EXPECT_FALSE(editor.IsChecked(a));
}

TEST(AttributeEditor, ClosingKeepsTheTypedSet) {
  AttributeEditor editor;
  editor.OpenField();
  editor.FieldChanged("as", kApp, InputMode::kNormal);
  editor.CloseField();
  EXPECT_FALSE(editor.FieldOpen());
  EXPECT_EQ(editor.ImageIndex(), kAttributeImageNormal);
  EXPECT_EQ(AttributeLetters(editor.Set()), "as");
  AttributeUpdate u = editor.ToggleFromMenu(DirAttribute::kArchive, kApp, InputMode::kNormal);
  EXPECT_FALSE(u.field_open);
  EXPECT_EQ(u.title, std::string(kApp) + " [---s]");
  EXPECT_EQ(editor.OpenField(), "s");
}

TEST(AttributeEditor, PointerFeedbackDependsOnTheField) {
  struct Step {
    int action;  // 0 enter, 1 leave, 2 open, 3 close
    int image;
  } steps[] = {
      {0, kAttributeImageHot},     {1, kAttributeImageNormal}, {0, kAttributeImageHot},
      {2, kAttributeImageEditing}, {0, kAttributeImageHot},    {1, kAttributeImageEditing},
      {3, kAttributeImageNormal},  {0, kAttributeImageHot},    {3, kAttributeImageNormal},
  };
  AttributeEditor editor;
  int n = 0;
  for (const Step& s : steps) {
    if (s.action == 0) editor.PointerEntered();
    if (s.action == 1) editor.PointerLeft();
    if (s.action == 2) editor.OpenField();
    if (s.action == 3) editor.CloseField();
    EXPECT_EQ(editor.ImageIndex(), s.image) << "step " << n++;
  }
  EXPECT_STREQ(AttributeImageResource(kAttributeImageEditing), "ICON_Attrib_EDIT");
  EXPECT_STREQ(AttributeImageResource(13), "ICON_Attrib_NORMAL");  // unknown index
}

}  // namespace
}  // namespace kestrix
