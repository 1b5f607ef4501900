#include <algorithm>
#include <utility>

#include "settings/language_keys.h"
#include "settings/themes.h"
#include "ui/config/configuration_pages.h"

namespace kestrix {

namespace {

using namespace lng;
using V = ConfigurationValues;

const ControlSpec kWindowControls[] = {
    {"BUTTON", config::kWindowPos, spec::kGroupBox, ConfigControl::kPositionGroup,
     At(16, 34, 402, 92)},
    {"BUTTON", config::kCenterofTC, spec::kFirstRadio, ConfigControl::kCenterHostOption,
     At(28, 52, 380, 18)},
    {"BUTTON", config::kCenterofTCpane, spec::kRadio, ConfigControl::kCenterPanelOption,
     At(28, 76, 380, 18)},
    {"BUTTON", config::kCenterofScreen, spec::kRadio, ConfigControl::kCenterScreenOption,
     At(28, 100, 380, 18)},
    {"BUTTON", config::kAdditionalWnd, spec::kGroupBox, ConfigControl::kLookGroup,
     At(16, 132, 402, 144)},
    {"BUTTON", config::kUseFlatBtn, spec::kCheck | WS_GROUP, ConfigControl::kFlatButtonsCheck,
     At(28, 152, 380, 18)},
    {"BUTTON", config::kUseWndTheme, spec::kCheck, ConfigControl::kThemeCheck,
     At(28, 180, 230, 18)},
    {"COMBOBOX", "", spec::kDropList, ConfigControl::kColorBox, At(262, 178, 146, 200)},
    {"BUTTON", config::kUseTransparency, spec::kCheck, ConfigControl::kTransparencyCheck,
     At(28, 210, 310, 18)},
    {"EDIT", "", spec::kEdit | ES_NUMBER, ConfigControl::kTransparencyField, At(342, 208, 50, 22)},
    {UPDOWN_CLASSA, "",
     spec::kShown | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
     ConfigControl::kTransparencySpin, At(392, 208, 16, 22)},
    {"BUTTON", config::kFocusTC, spec::kCheck, ConfigControl::kFocusHostCheck,
     At(28, 240, 380, 18)},
};
const TextBinding kWindowTexts[] = {{ConfigControl::kTransparencyField, &V::alpha_blend_value}};
const FlagBinding kWindowFlags[] = {{ConfigControl::kFlatButtonsCheck, &V::flat_buttons},
                                    {ConfigControl::kThemeCheck, &V::use_window_theme},
                                    {ConfigControl::kFocusHostCheck, &V::focus_tc}};
constexpr ControlId kPositions[] = {ConfigControl::kCenterHostOption,
                                    ConfigControl::kCenterPanelOption,
                                    ConfigControl::kCenterScreenOption};

}  // namespace

WindowPage::WindowPage(ConfigPageSite& site)
    : ConfigurationPage(site, ConfigPage::kWindow, kWindowControls,
                        {{}, kWindowTexts, kWindowFlags}) {}

void WindowPage::OnCreate() {
  const UpDown updown(Item(ConfigControl::kTransparencySpin));
  updown.SetBuddy(Item(ConfigControl::kTransparencyField));
  updown.SetRange(10, 255);
  for (const std::string& entry : ThemeEntries(site_.language, site_.user_themes))
    ComboOf(ConfigControl::kColorBox).Add(entry);
}

void WindowPage::LoadMore() {
  const ConfigurationValues& v = Values();
  // Any other stored position is the screen's centre.
  const int stored = v.window_position.value_or(0);
  const int position = stored == 0 || stored == 1 ? stored : 2;
  for (int i = 0; i < 3; ++i) Box(kPositions[i]).SetChecked(i == position);
  const Combo themes = ComboOf(ConfigControl::kColorBox);
  themes.SetSelected(v.selected_theme >= 0 && v.selected_theme < themes.Count() ? v.selected_theme
                                                                                : 0);
  Box(ConfigControl::kTransparencyCheck).SetChecked(TransparencyChecked(v.alpha_blend_value));
}

void WindowPage::SaveMore() {
  ConfigurationValues& v = Values();
  v.window_position.reset();
  for (int i = 0; i < 3; ++i)
    if (Box(kPositions[i]).Checked()) v.window_position = i;
  v.selected_theme = std::max(0, ComboOf(ConfigControl::kColorBox).Selected());
}

ConfigField WindowPage::FieldOf(ControlId id) const {
  return id == ConfigControl::kTransparencyField ? ConfigField::kSelectAll : ConfigField::kOther;
}

bool WindowPage::CloseList(bool dropped) {
  const Combo combo = ComboOf(ConfigControl::kColorBox);
  if (dropped && !combo.DroppedDown()) return false;
  if (dropped) combo.ShowDropDown(false);
  return std::exchange(list_open_, false) || dropped;
}

void WindowPage::OnCommand(ControlId id, int code) {
  const bool clicked = code == BN_CLICKED;
  switch (static_cast<ConfigControl>(static_cast<ConfigControl>(id))) {
    case ConfigControl::kFlatButtonsCheck:
      if (clicked && !Box(ConfigControl::kFlatButtonsCheck).Checked())
        Box(ConfigControl::kThemeCheck).SetChecked(false);
      break;
    case ConfigControl::kThemeCheck:
      if (clicked) ThemeChecked();
      break;
    case ConfigControl::kColorBox:
      if (code == CBN_DROPDOWN) list_open_ = true;
      // A closed list changes its choice by keyboard with CBN_SELCHANGE alone.
      if (code == CBN_SELENDOK || code == CBN_SELCHANGE) ThemeChosen();
      if (code == CBN_KILLFOCUS || code == CBN_CLOSEUP) list_open_ = false;
      break;
    case ConfigControl::kTransparencyCheck:
      if (clicked) TransparencyClicked();
      break;
    case ConfigControl::kTransparencyField:
      if (code == EN_CHANGE && !site_.loading) TransparencyChanged();
      if (code == EN_KILLFOCUS) TransparencyLeft();
      break;
    default:
      break;
  }
}

void WindowPage::ThemeChosen() {
  list_open_ = false;
  const Combo themes = ComboOf(ConfigControl::kColorBox);
  const int index = themes.Selected();
  if (index < 0) return;
  if (std::optional<std::string> name = UserThemeOfEntry(themes.Item(index)))
    Values().user_theme_name = *name;
  Box(ConfigControl::kThemeCheck).SetChecked(true);
  ThemeChecked();
}

void WindowPage::ThemeChecked() {
  if (Box(ConfigControl::kThemeCheck).Checked() && !site_.loading)
    Box(ConfigControl::kFlatButtonsCheck).SetChecked(true);
}

void WindowPage::TransparencyChanged() {
  const Edit field = Field(ConfigControl::kTransparencyField);
  const std::string text = field.Text();
  const TransparencyField corrected = CorrectTransparency(text);
  Box(ConfigControl::kTransparencyCheck).SetChecked(corrected.checked);
  if (corrected.text == text) return;
  field.SetText(corrected.text);
  field.CaretToEnd();
}

void WindowPage::TransparencyLeft() {
  const Edit field = Field(ConfigControl::kTransparencyField);
  const std::string text = field.Text();
  const std::string corrected = TransparencyOnLeave(text);
  if (corrected != text) field.SetText(corrected);
}

void WindowPage::TransparencyClicked() {
  const Edit field = Field(ConfigControl::kTransparencyField);
  const std::string text = field.Text();
  const std::string corrected =
      TransparencyOnCheck(Box(ConfigControl::kTransparencyCheck).Checked(), text);
  if (corrected != text) field.SetText(corrected);
}

}  // namespace kestrix
