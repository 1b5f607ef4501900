#include "app/key_commands.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

KeyPress Ctrl(uint16_t key) {
  return {key, true, false, false};
}
KeyPress Plain(uint16_t key) {
  return {key, false, false, false};
}

TEST(DecideKey, ModeKeysFollowTheCycle) {
  struct Case {
    uint16_t key;
    MainMode mode;
    KeyAction action;
  } cases[] = {
      {kKeyF3, MainMode::kNormal, KeyAction::kChangeToExt},
      {kKeyF3, MainMode::kExtended, KeyAction::kBatchDirClick},
      {kKeyF3, MainMode::kBatch, KeyAction::kChangeToNormal},
      {kKeyF6, MainMode::kExtended, KeyAction::kChangeToNormal},
      {kKeyF6, MainMode::kBatch, KeyAction::kChangeToNormal},
      {kKeyF7, MainMode::kNormal, KeyAction::kChangeToExt},
      {kKeyF7, MainMode::kExtended, KeyAction::kChangeToExt},
      {kKeyF7, MainMode::kBatch, KeyAction::kBatchDirClick},
      {kKeyF8, MainMode::kNormal, KeyAction::kBatchDirClick},
      {kKeyF8, MainMode::kBatch, KeyAction::kBatchDirClick},
      {kKeyF5, MainMode::kNormal, KeyAction::kRefresh},
      {kKeyF1, MainMode::kBatch, KeyAction::kUserGuide},
  };
  for (const Case& c : cases) {
    KeyContext context{c.mode, FocusedControl::kMkDir, true};
    KeyDecision decision = DecideKey(Plain(c.key), context);
    EXPECT_EQ(decision.action, c.action) << c.key << " mode " << static_cast<int>(c.mode);
    EXPECT_TRUE(decision.consumed);
    // Function keys act whatever modifiers are held.
    KeyPress held{c.key, true, true, true};
    EXPECT_EQ(DecideKey(held, context).action, c.action);
  }
}

TEST(DecideKey, LetterCommandsNeedCtrlAlone) {
  KeyContext context{MainMode::kNormal, FocusedControl::kMkDir, true};
  struct Case {
    uint16_t key;
    KeyAction action;
  } cases[] = {
      {'R', KeyAction::kRefresh},
      {'M', KeyAction::kManageTemplates},
      {'P', KeyAction::kConfiguration},
      {'H', KeyAction::kVariablesMenu},
      {'O', KeyAction::kLoadFromFile},
      {'E', KeyAction::kEditPath},
      {'D', KeyAction::kPrepareSubdirLine},
      {'Q', KeyAction::kAttributesMenu},
      {'Z', KeyAction::kUndo},
      {'1', KeyAction::kQuick1},
      {'2', KeyAction::kQuick2},
      {'3', KeyAction::kQuick3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecideKey(Ctrl(c.key), context).action, c.action) << char(c.key);
    // Ctrl+Shift+Q is the letter field's own shortcut.
    if (c.key != 'Q') {
      EXPECT_EQ(DecideKey(KeyPress{c.key, true, true, false}, context).action, KeyAction::kNone)
          << "Ctrl+Shift+" << char(c.key);
    }
    EXPECT_EQ(DecideKey(KeyPress{c.key, true, false, true}, context).action, KeyAction::kNone)
        << "Ctrl+Alt+" << char(c.key);
    EXPECT_EQ(DecideKey(Plain(c.key), context).action, KeyAction::kNone) << char(c.key);
  }
}

TEST(DecideKey, CtrlShiftQOpensTheLetterFieldButCtrlShiftRDoesNothing) {
  KeyContext context{MainMode::kNormal, FocusedControl::kMkDir, true};
  EXPECT_EQ(DecideKey(KeyPress{'Q', true, true, false}, context).action,
            KeyAction::kOpenAttribLetters);
  KeyDecision r = DecideKey(KeyPress{'R', true, true, false}, context);
  EXPECT_EQ(r.action, KeyAction::kNone);
  EXPECT_FALSE(r.consumed);
}

TEST(DecideKey, EnterRunsOkOnlyWhenItIsEnabled) {
  KeyContext enabled{MainMode::kNormal, FocusedControl::kMkDir, true};
  KeyContext disabled{MainMode::kNormal, FocusedControl::kMkDir, false};
  EXPECT_EQ(DecideKey(Plain(kKeyReturn), enabled).action, KeyAction::kOkClick);
  KeyDecision empty_name = DecideKey(Plain(kKeyReturn), disabled);
  EXPECT_NE(empty_name.action, KeyAction::kOkClick);
  EXPECT_TRUE(empty_name.consumed);
  // Shift (enter the new directory) and Alt (stay open) are read by the run, not here.
  for (KeyPress held :
       {KeyPress{kKeyReturn, false, true, false}, KeyPress{kKeyReturn, false, false, true},
        KeyPress{kKeyReturn, false, true, true}}) {
    KeyDecision decision = DecideKey(held, enabled);
    EXPECT_EQ(decision.action, KeyAction::kOkClick) << held.shift << held.alt;
    EXPECT_TRUE(decision.consumed);
    EXPECT_NE(DecideKey(held, disabled).action, KeyAction::kOkClick);
  }
}

TEST(DecideKey, EnterInTheListIsANewLineButCtrlEnterIsOk) {
  KeyContext list{MainMode::kExtended, FocusedControl::kMkDirExt, true};
  EXPECT_EQ(DecideKey(Plain(kKeyReturn), list).action, KeyAction::kNone);
  KeyDecision ctrl_enter = DecideKey(Ctrl(kKeyReturn), list);
  EXPECT_EQ(ctrl_enter.action, KeyAction::kOkClick);
  EXPECT_TRUE(ctrl_enter.consumed);
  // With OK disabled the key passes on.
  KeyContext no_ok{MainMode::kExtended, FocusedControl::kMkDirExt, false};
  EXPECT_EQ(DecideKey(Ctrl(kKeyReturn), no_ok).action, KeyAction::kNone);
  // Outside the inputs Ctrl+Enter is not OK.
  KeyContext button{MainMode::kNormal, FocusedControl::kButton, true};
  EXPECT_EQ(DecideKey(Ctrl(kKeyReturn), button).action, KeyAction::kNone);
}

TEST(DecideKey, HostNavigationActsAndPassesTheKeyOn) {
  KeyContext context{MainMode::kNormal, FocusedControl::kMkDir, true};
  struct Case {
    KeyPress press;
    KeyAction action;
  } cases[] = {
      {{kKeyLeft, false, false, true}, KeyAction::kHostBack},
      {{kKeyRight, false, false, true}, KeyAction::kHostForward},
      {Ctrl(kKeyPrior), KeyAction::kHostParent},
      {Ctrl(kKeyNext), KeyAction::kHostChild},
      {Ctrl(kKeyBackslash), KeyAction::kHostRoot},
      {Ctrl(kKeyOem102), KeyAction::kHostRoot},
  };
  for (const Case& c : cases) {
    KeyDecision decision = DecideKey(c.press, context);
    EXPECT_EQ(decision.action, c.action);
    EXPECT_FALSE(decision.consumed);
  }
  // Alt with the extra key and Alt+Y do nothing.
  EXPECT_EQ(DecideKey(KeyPress{kKeyOem102, false, false, true}, context).action, KeyAction::kNone);
  EXPECT_EQ(DecideKey(KeyPress{'Y', false, false, true}, context).action, KeyAction::kNone);
}

TEST(DecideKey, ControlKeysDependOnTheFocus) {
  struct Case {
    FocusedControl focus;
    KeyPress press;
    KeyAction action;
  } cases[] = {
      {FocusedControl::kMkDir, Plain(kKeyPrior), KeyAction::kCaretToStart},
      {FocusedControl::kMkDir, Plain(kKeyNext), KeyAction::kCaretToEnd},
      {FocusedControl::kMkDir, Ctrl(kKeyTab), KeyAction::kIntelligentSelection},
      {FocusedControl::kMkDir, Ctrl('A'), KeyAction::kSelectAll},
      {FocusedControl::kMkDirExt, Ctrl(kKeyTab), KeyAction::kSwallow},
      {FocusedControl::kMkDirExt, Ctrl('A'), KeyAction::kSelectAll},
      {FocusedControl::kMkDirExt, Plain(kKeyPrior), KeyAction::kNone},
      {FocusedControl::kButton, Ctrl(kKeyTab), KeyAction::kIntelligentSelection},
      {FocusedControl::kTemplates, Ctrl(kKeyTab), KeyAction::kIntelligentSelection},
      {FocusedControl::kPrefixSuffix, Plain(kKeyNext), KeyAction::kCaretToEnd},
      {FocusedControl::kPathField, Plain(kKeyReturn), KeyAction::kOkClick},
      {FocusedControl::kPathField, Ctrl('A'), KeyAction::kSelectAll},
      {FocusedControl::kMemoSuffix, Ctrl('A'), KeyAction::kSelectAll},
      {FocusedControl::kOther, Ctrl(kKeyTab), KeyAction::kNone},
  };
  for (const Case& c : cases) {
    KeyContext context{MainMode::kNormal, c.focus, true};
    EXPECT_EQ(DecideKey(c.press, context).action, c.action)
        << "focus " << static_cast<int>(c.focus) << " key " << c.press.key;
  }
}

TEST(DecideKey, CtrlTStartsTheTemplatesFromAnywhere) {
  KeyContext context{MainMode::kBatch, FocusedControl::kOther, false};
  EXPECT_EQ(DecideKey(Ctrl('T'), context).action, KeyAction::kOpenTemplates);
}

TEST(DecideEscape, FirstMatchingCase) {
  struct Case {
    EscapeContext context;
    EscapeAction action;
  } cases[] = {
      {{FocusedControl::kPathField, true, true}, EscapeAction::kEndPathEditing},
      {{FocusedControl::kAttribField, true, false}, EscapeAction::kCloseAttribField},
      {{FocusedControl::kMkDir, true, false}, EscapeAction::kPassOn},
      {{FocusedControl::kMemoSuffix, false, false}, EscapeAction::kPassOn},
      {{FocusedControl::kTemplates, false, true}, EscapeAction::kPassOn},
      {{FocusedControl::kMkDir, false, false}, EscapeAction::kCloseWindow},
      {{FocusedControl::kMkDirExt, false, false}, EscapeAction::kCloseWindow},
  };
  for (const Case& c : cases) EXPECT_EQ(DecideEscape(c.context), c.action);
}

}  // namespace
}  // namespace kestrix
