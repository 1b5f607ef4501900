#include <algorithm>
#include <utility>

#include "settings/language_keys.h"
#include "settings/themes.h"
#include "ui/configuration_pages.h"

namespace kestrix {

namespace {

using namespace lng;
using V = ConfigurationValues;

const ControlSpec kWindowControls[] = {
    {"BUTTON", config::kWindowPos, spec::kGroupBox, kCfg_grp_position, At(16, 34, 402, 92)},
    {"BUTTON", config::kCenterofTC, spec::kFirstRadio, kCfg_rb_centerTCwnd, At(28, 52, 380, 18)},
    {"BUTTON", config::kCenterofTCpane, spec::kRadio, kCfg_rb_centerTCpane, At(28, 76, 380, 18)},
    {"BUTTON", config::kCenterofScreen, spec::kRadio, kCfg_rb_centerScreen, At(28, 100, 380, 18)},
    {"BUTTON", config::kAdditionalWnd, spec::kGroupBox, kCfg_grp_look, At(16, 132, 402, 144)},
    {"BUTTON", config::kUseFlatBtn, spec::kCheck | WS_GROUP, kCfg_cb_FlatBtn, At(28, 152, 380, 18)},
    {"BUTTON", config::kUseWndTheme, spec::kCheck, kCfg_cb_Theme, At(28, 180, 230, 18)},
    {"COMBOBOX", "", spec::kDropList, kCfg_cmbx_WndColor, At(262, 178, 146, 200)},
    {"BUTTON", config::kUseTransparency, spec::kCheck, kCfg_cb_Transparency, At(28, 210, 310, 18)},
    {"EDIT", "", spec::kEdit | ES_NUMBER, kCfg_edit_Transparency, At(342, 208, 50, 22)},
    {UPDOWN_CLASSA, "",
     spec::kShown | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
     kCfg_ud_Transparency, At(392, 208, 16, 22)},
    {"BUTTON", config::kFocusTC, spec::kCheck, kCfg_cb_FocusTC, At(28, 240, 380, 18)},
};
const TextBinding kWindowTexts[] = {{kCfg_edit_Transparency, &V::alpha_blend_value}};
const FlagBinding kWindowFlags[] = {{kCfg_cb_FlatBtn, &V::flat_buttons},
                                    {kCfg_cb_Theme, &V::use_window_theme},
                                    {kCfg_cb_FocusTC, &V::focus_tc}};
constexpr int kPositions[] = {kCfg_rb_centerTCwnd, kCfg_rb_centerTCpane, kCfg_rb_centerScreen};

}  // namespace

WindowPage::WindowPage(ConfigPageSite& site)
    : ConfigurationPage(site, ConfigPage::kWindow, kWindowControls,
                        {{}, kWindowTexts, kWindowFlags}) {}

void WindowPage::OnCreate() {
  const UpDown updown(Item(kCfg_ud_Transparency));
  updown.SetBuddy(Item(kCfg_edit_Transparency));
  updown.SetRange(10, 255);
  for (const std::string& entry : ThemeEntries(site_.language, site_.user_themes))
    ComboOf(kCfg_cmbx_WndColor).Add(entry);
}

void WindowPage::LoadMore() {
  const ConfigurationValues& v = Values();
  // Any other stored position is the screen's centre.
  const int stored = v.window_position.value_or(0);
  const int position = stored == 0 || stored == 1 ? stored : 2;
  for (int i = 0; i < 3; ++i) Box(kPositions[i]).SetChecked(i == position);
  const Combo themes = ComboOf(kCfg_cmbx_WndColor);
  themes.SetSelected(v.selected_theme >= 0 && v.selected_theme < themes.Count() ? v.selected_theme
                                                                                : 0);
  Box(kCfg_cb_Transparency).SetChecked(TransparencyChecked(v.alpha_blend_value));
}

void WindowPage::SaveMore() {
  ConfigurationValues& v = Values();
  v.window_position.reset();
  for (int i = 0; i < 3; ++i)
    if (Box(kPositions[i]).Checked()) v.window_position = i;
  v.selected_theme = std::max(0, ComboOf(kCfg_cmbx_WndColor).Selected());
}

ConfigField WindowPage::FieldOf(int id) const {
  return id == kCfg_edit_Transparency ? ConfigField::kSelectAll : ConfigField::kOther;
}

bool WindowPage::CloseList(bool dropped) {
  const Combo combo = ComboOf(kCfg_cmbx_WndColor);
  if (dropped && !combo.DroppedDown()) return false;
  if (dropped) combo.ShowDropDown(false);
  return std::exchange(list_open_, false) || dropped;
}

void WindowPage::OnCommand(int id, int code) {
  const bool clicked = code == BN_CLICKED;
  switch (id) {
    case kCfg_cb_FlatBtn:
      if (clicked && !Box(kCfg_cb_FlatBtn).Checked()) Box(kCfg_cb_Theme).SetChecked(false);
      break;
    case kCfg_cb_Theme:
      if (clicked) ThemeChecked();
      break;
    case kCfg_cmbx_WndColor:
      if (code == CBN_DROPDOWN) list_open_ = true;
      // A closed list changes its choice by keyboard with CBN_SELCHANGE alone.
      if (code == CBN_SELENDOK || code == CBN_SELCHANGE) ThemeChosen();
      if (code == CBN_KILLFOCUS || code == CBN_CLOSEUP) list_open_ = false;
      break;
    case kCfg_cb_Transparency:
      if (clicked) TransparencyClicked();
      break;
    case kCfg_edit_Transparency:
      if (code == EN_CHANGE && !site_.loading) TransparencyChanged();
      if (code == EN_KILLFOCUS) TransparencyLeft();
      break;
  }
}

void WindowPage::ThemeChosen() {
  list_open_ = false;
  const Combo themes = ComboOf(kCfg_cmbx_WndColor);
  const int index = themes.Selected();
  if (index < 0) return;
  if (std::optional<std::string> name = UserThemeOfEntry(themes.Item(index)))
    Values().user_theme_name = *name;
  Box(kCfg_cb_Theme).SetChecked(true);
  ThemeChecked();
}

void WindowPage::ThemeChecked() {
  if (Box(kCfg_cb_Theme).Checked() && !site_.loading) Box(kCfg_cb_FlatBtn).SetChecked(true);
}

void WindowPage::TransparencyChanged() {
  const Edit field = Field(kCfg_edit_Transparency);
  const std::string text = field.Text();
  const TransparencyField corrected = CorrectTransparency(text);
  Box(kCfg_cb_Transparency).SetChecked(corrected.checked);
  if (corrected.text == text) return;
  field.SetText(corrected.text);
  field.CaretToEnd();
}

void WindowPage::TransparencyLeft() {
  const Edit field = Field(kCfg_edit_Transparency);
  const std::string text = field.Text();
  const std::string corrected = TransparencyOnLeave(text);
  if (corrected != text) field.SetText(corrected);
}

void WindowPage::TransparencyClicked() {
  const Edit field = Field(kCfg_edit_Transparency);
  const std::string text = field.Text();
  const std::string corrected = TransparencyOnCheck(Box(kCfg_cb_Transparency).Checked(), text);
  if (corrected != text) field.SetText(corrected);
}

}  // namespace kestrix
