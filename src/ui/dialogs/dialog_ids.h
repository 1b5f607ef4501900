#pragma once
// Control ids of the name-engine dialogs (template manager, placeholders, new
// application), so tests find a control by its name: Item(dialog, TemplateControl::k<Name>).
// Their OK and Cancel buttons are IDOK and IDCANCEL.

#include "window/control_id.h"

namespace kestrix {

enum class TemplateControl : int {
  kTextField = 4000,
  kVariablesButton,
  kNewTemplateGroup,
  kTextLabel,
  kNameLabel,
  kPreviewLabel,
  kNameField,
  kAddButton,
  kList,
  kPreview,
  kDeleteSelectedMenu,
  kClearListMenu,
};
template <>
inline constexpr bool kIsControlEnum<TemplateControl> = true;

enum class PlaceholderControl : int {
  kGroup = 4100,
  kIntroLabel,
  kPlaceholderLabel,
  kPlaceholderField,
  kReplacementLabel,
  kReplacementField,
  kNextButton,
  kPreviousButton,
  kPositionLabel,
};
template <>
inline constexpr bool kIsControlEnum<PlaceholderControl> = true;

enum class NewAppControl : int {
  kMethodGroup = 4200,
  kGetTextOption,
  kCopyDataOption,
  kWindowTextOption,
  kHandlesGroup,
  kClassLabel,
  kClassField,
  kCaptionLabel,
  kCaptionField,
  kDwDataLabel,
  kDwDataField,
  kCbDataLabel,
  kCbDataField,
  kCbDataSpin,
  kFixesGroup,
  kTrimCheck,
  kCutLeftCheck,
  kCutFromField,
  kCutRightCheck,
  kCutToField,
  kFileNameCheck,
  kRemoveExtensionCheck,
  kNameGroup,
  kIdLabel,
  kIdField,
  kNameLabel,
  kNameField,
  kPreviewLabel,
  kPreviewField,
  kPreviewGroup,
  kPreview,
};
template <>
inline constexpr bool kIsControlEnum<NewAppControl> = true;

// The new-application dialog's preview timer.
inline constexpr int kTimer_Preview = 1;

}  // namespace kestrix
