#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "ui/configuration_pages.h"
#include "window/menu.h"

namespace kestrix {

namespace {

using namespace lng;
using V = ConfigurationValues;

// The edit inside a combo box with an edit field.
HWND EditOf(HWND combo) {
  return FindWindowExW(combo, nullptr, L"Edit", nullptr);
}

const ControlSpec kGeneralControls[] = {
    {"BUTTON", config::kSuggestedName, spec::kGroupBox, kCfg_grp_suggested, At(16, 34, 402, 72)},
    {"BUTTON", config::kCurrentTCItem, spec::kFirstRadio, kCfg_rb_CurrentTCitem,
     At(28, 52, 380, 18)},
    {"BUTTON", "", spec::kRadio, kCfg_rb_CustomName, At(28, 76, 140, 18)},
    {"COMBOBOX", "", spec::kComboEdit | WS_GROUP, kCfg_customDirectoryName, At(170, 74, 208, 200)},
    {"BUTTON", "+", spec::kPush, kCfg_btn_addRep, At(382, 73, 26, 24)},
    {"BUTTON", config_dialog::kAffixGroup, spec::kGroupBox, kCfg_grp_affix, At(16, 112, 402, 84)},
    {"BUTTON", config_dialog::kPrefix, spec::kCheck, kCfg_cb_TCItemPrefix, At(28, 132, 96, 18)},
    {"COMBOBOX", "", spec::kComboEdit, kCfg_cmbx_TCItemPrefix, At(126, 130, 212, 200)},
    {"BUTTON", config_dialog::kAddItem, spec::kPush, kCfg_btn_AddPrefix, At(344, 129, 64, 24)},
    {"BUTTON", config_dialog::kSuffix, spec::kCheck, kCfg_cb_TCItemSuffix, At(28, 162, 96, 18)},
    {"COMBOBOX", "", spec::kComboEdit, kCfg_cmbx_TCItemSuffix, At(126, 160, 212, 200)},
    {"BUTTON", config_dialog::kAddItem, spec::kPush, kCfg_btn_AddSuffix, At(344, 159, 64, 24)},
    {"BUTTON", config::kInvalidChar, spec::kGroupBox, kCfg_grp_invalid, At(16, 202, 402, 74)},
    {"BUTTON", config::kShowWarning, spec::kFirstRadio, kCfg_rb_ShowMsg, At(28, 220, 380, 18)},
    {"BUTTON", config::kReplaceWith, spec::kRadio, kCfg_rb_ReplaceChar, At(28, 246, 260, 18)},
    {"EDIT", "", spec::kEdit | WS_GROUP, kCfg_Edit_ReplaceChar, At(292, 244, 40, 22)},
};
const ListBinding kGeneralLists[] = {{kCfg_cmbx_TCItemPrefix, &V::prefix_list},
                                     {kCfg_cmbx_TCItemSuffix, &V::suffix_list}};
const TextBinding kGeneralTexts[] = {{kCfg_customDirectoryName, &V::custom_dir_name},
                                     {kCfg_cmbx_TCItemPrefix, &V::dir_prefix},
                                     {kCfg_cmbx_TCItemSuffix, &V::dir_suffix},
                                     {kCfg_Edit_ReplaceChar, &V::invalid_char_replace}};
const FlagBinding kGeneralFlags[] = {
    {kCfg_rb_CustomName, &V::custom_name, kCfg_rb_CurrentTCitem},
    {kCfg_cb_TCItemPrefix, &V::dir_prefix_active},
    {kCfg_cb_TCItemSuffix, &V::dir_suffix_active},
    {kCfg_rb_ReplaceChar, &V::replace_invalid, kCfg_rb_ShowMsg},
};

}  // namespace

GeneralPage::GeneralPage(ConfigPageSite& site)
    : ConfigurationPage(site, ConfigPage::kGeneral, kGeneralControls,
                        {kGeneralLists, kGeneralTexts, kGeneralFlags}) {}

void GeneralPage::OnCreate() {
  ComboOf(kCfg_customDirectoryName).SetItems(CustomNameItems(site_.language, site_.user_templates));
}

void GeneralPage::LoadMore() {
  // The boxes follow the stored flags, the Add buttons the texts.
  AddButtonFollows(true);
  AddButtonFollows(false);
  SuggestedNameChanged();
}

void GeneralPage::ApplyCaptions() {
  // The radio button that shows a field after it ends with ":" while it is shown.
  const bool custom = Box(kCfg_rb_CustomName).Checked();
  Control(Item(kCfg_rb_CustomName)).SetText(Text(config::kCustomItem) + (custom ? ":" : ""));
}

bool GeneralPage::Shows(int id) const {
  if (id == kCfg_customDirectoryName || id == kCfg_btn_addRep)
    return Box(kCfg_rb_CustomName).Checked();
  return true;
}

ConfigField GeneralPage::FieldOf(int id) const {
  if (id == kCfg_cmbx_TCItemPrefix || id == kCfg_cmbx_TCItemSuffix) return ConfigField::kAffix;
  if (id == kCfg_customDirectoryName || id == kCfg_Edit_ReplaceChar) return ConfigField::kSelectAll;
  return ConfigField::kOther;
}

bool GeneralPage::CloseList(bool dropped) {
  if (!dropped) return false;
  for (int id : {kCfg_cmbx_TCItemPrefix, kCfg_cmbx_TCItemSuffix, kCfg_customDirectoryName}) {
    const Combo combo = ComboOf(id);
    if (combo.DroppedDown()) {
      combo.ShowDropDown(false);
      return true;
    }
  }
  return false;
}

void GeneralPage::OnCommand(int id, int code) {
  const bool clicked = code == BN_CLICKED;
  switch (id) {
    case kCfg_rb_CurrentTCitem:
    case kCfg_rb_CustomName:
      if (clicked) SuggestedNameChanged();
      break;
    case kCfg_btn_addRep:
      if (clicked) InsertVariable();
      break;
    case kCfg_cmbx_TCItemPrefix:
    case kCfg_cmbx_TCItemSuffix:
      if (code == CBN_SELCHANGE) {
        const Combo field = ComboOf(id);
        field.SetText(field.Item(field.Selected()));
      }
      if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE)
        AffixTextChanged(id == kCfg_cmbx_TCItemPrefix);
      break;
    case kCfg_btn_AddPrefix:
    case kCfg_btn_AddSuffix:
      if (clicked) AddAffix(id == kCfg_btn_AddPrefix, true);
      break;
    case kCfg_cb_TCItemPrefix:
    case kCfg_cb_TCItemSuffix:
      if (clicked && Box(id).Checked() && Shown()) ComboOf(id + 1).Focus();
      break;
    case kCfg_Edit_ReplaceChar:
      if (code == EN_CHANGE) ReplaceCharChanged();
      break;
  }
}

void GeneralPage::SuggestedNameChanged() {
  const bool custom = Box(kCfg_rb_CustomName).Checked();
  const bool here = Shown();
  Combo(Item(kCfg_customDirectoryName)).Show(custom && here);
  Button(Item(kCfg_btn_addRep)).Show(custom && here);
  ApplyCaptions();
  if (!custom || !here || site_.loading) return;
  const Combo field = ComboOf(kCfg_customDirectoryName);
  field.Focus();
  if (field.Count() > 0) field.ShowDropDown(true);
}

void GeneralPage::AddAffix(bool prefix, bool from_button) {
  const Combo field = ComboOf(prefix ? kCfg_cmbx_TCItemPrefix : kCfg_cmbx_TCItemSuffix);
  const std::string text = field.Text();
  if (Trim(text).empty()) return;
  field.SetItems(
      AddAffixItem(Items(prefix ? kCfg_cmbx_TCItemPrefix : kCfg_cmbx_TCItemSuffix), text));
  field.SetText("");
  AffixTextChanged(prefix);
  if (from_button) field.Focus();
}

void GeneralPage::AddButtonFollows(bool prefix) {
  const std::string text = ComboOf(prefix ? kCfg_cmbx_TCItemPrefix : kCfg_cmbx_TCItemSuffix).Text();
  Button(Item(prefix ? kCfg_btn_AddPrefix : kCfg_btn_AddSuffix)).Enable(!Trim(text).empty());
}

void GeneralPage::AffixTextChanged(bool prefix) {
  AddButtonFollows(prefix);
  const std::string text = ComboOf(prefix ? kCfg_cmbx_TCItemPrefix : kCfg_cmbx_TCItemSuffix).Text();
  Box(prefix ? kCfg_cb_TCItemPrefix : kCfg_cb_TCItemSuffix).SetChecked(!text.empty());
}

bool GeneralPage::AddOnCtrlEnter() {
  const bool ctrl_alone = (GetKeyState(VK_CONTROL) & 0x8000) != 0 &&
                          (GetKeyState(VK_SHIFT) & 0x8000) == 0 &&
                          (GetKeyState(VK_MENU) & 0x8000) == 0;
  HWND focus = GetFocus();
  for (int id : {kCfg_cmbx_TCItemPrefix, kCfg_cmbx_TCItemSuffix})
    if (focus != nullptr && GetParent(focus) == Item(id) && ctrl_alone) {
      AddAffix(id == kCfg_cmbx_TCItemPrefix, false);
      return true;
    }
  return false;
}

void GeneralPage::ReplaceCharChanged() {
  const Edit field = Field(kCfg_Edit_ReplaceChar);
  const std::string text = field.Text();
  const std::string corrected = CorrectReplaceChar(text);
  if (corrected == text) return;
  field.SetText(corrected);
  field.CaretToEnd();
}

void GeneralPage::InsertVariable() {
  if (!site_.context.choose_variable || !Box(kCfg_rb_CustomName).Checked()) return;
  const std::optional<std::string> token =
      site_.context.choose_variable(site_.dialog, BelowOf(Item(kCfg_btn_addRep)));
  if (!token) return;
  HWND field = EditOf(Item(kCfg_customDirectoryName));
  SetFocus(field);
  Edit(field).ReplaceSelection(*token);
}

}  // namespace kestrix
