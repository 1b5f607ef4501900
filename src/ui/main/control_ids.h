#pragma once
// Every control of the main window has a fixed id, so tests (in the process and from
// outside) find a control by its name: Item(main window, MainControl::k<Name>).
// Ids start at 2000: a combo box gives its own edit child the id 1001. The options and
// batch groups with their captions, and the divider, are painted by the window and have
// none.

#include "window/control_id.h"

namespace kestrix {

enum class MainControl : int {
  kNewFolderLink = 2000,
  kRefreshLink,
  kAttributeImage,
  kAttributeField,
  kCurrentPathLabel,
  kNewNameLabel,
  kMoreLink,
  kLoadButton,
  kVariablesButton,
  kExtendedButton,
  kNameField,
  kListField,
  kUndoButton,
  kQuick1Button,
  kQuick2Button,
  kQuick3Button,
  kQuick4Button,
  kBatchButton,
  kOkButton,
  kCancelButton,
  kOkFlatButton,
  kCancelFlatButton,
  kReplacementsCheck,
  kEnterCheck,
  kCloseCheck,
  kTemplateBox,
  kOptionsButton,
  kOptionsFlatButton,
  kFromLabel,
  kFromField,
  kFromSpin,
  kToLabel,
  kToField,
  kToSpin,
  kStepLabel,
  kStepField,
  kStepSpin,
  kDigitsLabel,
  kDigitsField,
  kDigitsSpin,
  kDigitsAutoCheck,
  kSignButton,
  kPrefixLabel,
  kPrefixBox,
  kSuffixLabel,
  kSuffixBox,
  kSuffixEditorButton,
  kSuffixMemo,
  kDecimalOption,
  kRomanOption,
  kAbcOption,
  kPathField,
  kTreeButton,
  kEnd,
  // Enter and Escape in the window arrive as the dialog commands.
  kEnterKey = IDOK,
  kEscapeKey = IDCANCEL,
};
template <>
inline constexpr bool kIsControlEnum<MainControl> = true;

// Menu command ids of the main window's pop-up menus.
enum class MainMenu : int {
  kManageTemplates = 3000,
  kConfiguration,
  kUserGuide,
  kAbout,
  kNewApplication,
  kUndoRun,
  // The variables popup's items from here, in the order they are shown.
  kVariableFirst = 3100,
};
template <>
inline constexpr bool kIsControlEnum<MainMenu> = true;

// The window timer of the live preview.
inline constexpr int kTimer_LiveReplacements = 1;

}  // namespace kestrix
