#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "ui/config/configuration_pages.h"
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
    {"BUTTON", config::kSuggestedName, spec::kGroupBox, ConfigControl::kSuggestedGroup,
     At(16, 34, 402, 72)},
    {"BUTTON", config::kCurrentTCItem, spec::kFirstRadio, ConfigControl::kHostItemOption,
     At(28, 52, 380, 18)},
    {"BUTTON", "", spec::kRadio, ConfigControl::kCustomNameOption, At(28, 76, 140, 18)},
    {"COMBOBOX", "", spec::kComboEdit | WS_GROUP, ConfigControl::kCustomNameBox,
     At(170, 74, 208, 200)},
    {"BUTTON", "+", spec::kPush, ConfigControl::kVariablesButton, At(382, 73, 26, 24)},
    {"BUTTON", config_dialog::kAffixGroup, spec::kGroupBox, ConfigControl::kAffixGroup,
     At(16, 112, 402, 84)},
    {"BUTTON", config_dialog::kPrefix, spec::kCheck, ConfigControl::kPrefixCheck,
     At(28, 132, 96, 18)},
    {"COMBOBOX", "", spec::kComboEdit, ConfigControl::kPrefixBox, At(126, 130, 212, 200)},
    {"BUTTON", config_dialog::kAddItem, spec::kPush, ConfigControl::kAddPrefixButton,
     At(344, 129, 64, 24)},
    {"BUTTON", config_dialog::kSuffix, spec::kCheck, ConfigControl::kSuffixCheck,
     At(28, 162, 96, 18)},
    {"COMBOBOX", "", spec::kComboEdit, ConfigControl::kSuffixBox, At(126, 160, 212, 200)},
    {"BUTTON", config_dialog::kAddItem, spec::kPush, ConfigControl::kAddSuffixButton,
     At(344, 159, 64, 24)},
    {"BUTTON", config::kInvalidChar, spec::kGroupBox, ConfigControl::kInvalidGroup,
     At(16, 202, 402, 74)},
    {"BUTTON", config::kShowWarning, spec::kFirstRadio, ConfigControl::kShowMessageOption,
     At(28, 220, 380, 18)},
    {"BUTTON", config::kReplaceWith, spec::kRadio, ConfigControl::kReplaceCharOption,
     At(28, 246, 260, 18)},
    {"EDIT", "", spec::kEdit | WS_GROUP, ConfigControl::kReplaceCharField, At(292, 244, 40, 22)},
};
const ListBinding kGeneralLists[] = {{ConfigControl::kPrefixBox, &V::prefix_list},
                                     {ConfigControl::kSuffixBox, &V::suffix_list}};
const TextBinding kGeneralTexts[] = {{ConfigControl::kCustomNameBox, &V::custom_dir_name},
                                     {ConfigControl::kPrefixBox, &V::dir_prefix},
                                     {ConfigControl::kSuffixBox, &V::dir_suffix},
                                     {ConfigControl::kReplaceCharField, &V::invalid_char_replace}};
const FlagBinding kGeneralFlags[] = {
    {ConfigControl::kCustomNameOption, &V::custom_name, ConfigControl::kHostItemOption},
    {ConfigControl::kPrefixCheck, &V::dir_prefix_active},
    {ConfigControl::kSuffixCheck, &V::dir_suffix_active},
    {ConfigControl::kReplaceCharOption, &V::replace_invalid, ConfigControl::kShowMessageOption},
};

}  // namespace

GeneralPage::GeneralPage(ConfigPageSite& site)
    : ConfigurationPage(site, ConfigPage::kGeneral, kGeneralControls,
                        {kGeneralLists, kGeneralTexts, kGeneralFlags}) {}

void GeneralPage::OnCreate() {
  ComboOf(ConfigControl::kCustomNameBox)
      .SetItems(CustomNameItems(site_.language, site_.user_templates));
}

void GeneralPage::LoadMore() {
  // The boxes follow the stored flags, the Add buttons the texts.
  AddButtonFollows(true);
  AddButtonFollows(false);
  SuggestedNameChanged();
}

void GeneralPage::ApplyCaptions() {
  // The radio button that shows a field after it ends with ":" while it is shown.
  const bool custom = Box(ConfigControl::kCustomNameOption).Checked();
  Control(Item(ConfigControl::kCustomNameOption))
      .SetText(Text(config::kCustomItem) + (custom ? ":" : ""));
}

bool GeneralPage::Shows(ControlId id) const {
  if (id == ConfigControl::kCustomNameBox || id == ConfigControl::kVariablesButton)
    return Box(ConfigControl::kCustomNameOption).Checked();
  return true;
}

ConfigField GeneralPage::FieldOf(ControlId id) const {
  if (id == ConfigControl::kPrefixBox || id == ConfigControl::kSuffixBox)
    return ConfigField::kAffix;
  if (id == ConfigControl::kCustomNameBox || id == ConfigControl::kReplaceCharField)
    return ConfigField::kSelectAll;
  return ConfigField::kOther;
}

bool GeneralPage::CloseList(bool dropped) {
  if (!dropped) return false;
  for (ControlId id :
       {ConfigControl::kPrefixBox, ConfigControl::kSuffixBox, ConfigControl::kCustomNameBox}) {
    const Combo combo = ComboOf(id);
    if (combo.DroppedDown()) {
      combo.ShowDropDown(false);
      return true;
    }
  }
  return false;
}

void GeneralPage::OnCommand(ControlId id, int code) {
  const bool clicked = code == BN_CLICKED;
  switch (static_cast<ConfigControl>(static_cast<ConfigControl>(id))) {
    case ConfigControl::kHostItemOption:
    case ConfigControl::kCustomNameOption:
      if (clicked) SuggestedNameChanged();
      break;
    case ConfigControl::kVariablesButton:
      if (clicked) InsertVariable();
      break;
    case ConfigControl::kPrefixBox:
    case ConfigControl::kSuffixBox:
      if (code == CBN_SELCHANGE) {
        const Combo field = ComboOf(id);
        field.SetText(field.Item(field.Selected()));
      }
      if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE)
        AffixTextChanged(id == ConfigControl::kPrefixBox);
      break;
    case ConfigControl::kAddPrefixButton:
    case ConfigControl::kAddSuffixButton:
      if (clicked) AddAffix(id == ConfigControl::kAddPrefixButton, true);
      break;
    case ConfigControl::kPrefixCheck:
    case ConfigControl::kSuffixCheck:
      if (clicked && Box(id).Checked() && Shown()) ComboOf(id + 1).Focus();
      break;
    case ConfigControl::kReplaceCharField:
      if (code == EN_CHANGE) ReplaceCharChanged();
      break;
    default:
      break;
  }
}

void GeneralPage::SuggestedNameChanged() {
  const bool custom = Box(ConfigControl::kCustomNameOption).Checked();
  const bool here = Shown();
  Combo(Item(ConfigControl::kCustomNameBox)).Show(custom && here);
  Button(Item(ConfigControl::kVariablesButton)).Show(custom && here);
  ApplyCaptions();
  if (!custom || !here || site_.loading) return;
  const Combo field = ComboOf(ConfigControl::kCustomNameBox);
  field.Focus();
  if (field.Count() > 0) field.ShowDropDown(true);
}

void GeneralPage::AddAffix(bool prefix, bool from_button) {
  const Combo field = ComboOf(prefix ? ConfigControl::kPrefixBox : ConfigControl::kSuffixBox);
  const std::string text = field.Text();
  if (Trim(text).empty()) return;
  field.SetItems(
      AddAffixItem(Items(prefix ? ConfigControl::kPrefixBox : ConfigControl::kSuffixBox), text));
  field.SetText("");
  AffixTextChanged(prefix);
  if (from_button) field.Focus();
}

void GeneralPage::AddButtonFollows(bool prefix) {
  const std::string text =
      ComboOf(prefix ? ConfigControl::kPrefixBox : ConfigControl::kSuffixBox).Text();
  Button(Item(prefix ? ConfigControl::kAddPrefixButton : ConfigControl::kAddSuffixButton))
      .Enable(!Trim(text).empty());
}

void GeneralPage::AffixTextChanged(bool prefix) {
  AddButtonFollows(prefix);
  const std::string text =
      ComboOf(prefix ? ConfigControl::kPrefixBox : ConfigControl::kSuffixBox).Text();
  Box(prefix ? ConfigControl::kPrefixCheck : ConfigControl::kSuffixCheck).SetChecked(!text.empty());
}

bool GeneralPage::AddOnCtrlEnter() {
  const bool ctrl_alone = (GetKeyState(VK_CONTROL) & 0x8000) != 0 &&
                          (GetKeyState(VK_SHIFT) & 0x8000) == 0 &&
                          (GetKeyState(VK_MENU) & 0x8000) == 0;
  HWND focus = GetFocus();
  for (ControlId id : {ConfigControl::kPrefixBox, ConfigControl::kSuffixBox})
    if (focus != nullptr && GetParent(focus) == Item(id) && ctrl_alone) {
      AddAffix(id == ConfigControl::kPrefixBox, false);
      return true;
    }
  return false;
}

void GeneralPage::ReplaceCharChanged() {
  const Edit field = Field(ConfigControl::kReplaceCharField);
  const std::string text = field.Text();
  const std::string corrected = CorrectReplaceChar(text);
  if (corrected == text) return;
  field.SetText(corrected);
  field.CaretToEnd();
}

void GeneralPage::InsertVariable() {
  if (!site_.context.choose_variable || !Box(ConfigControl::kCustomNameOption).Checked()) return;
  const std::optional<std::string> token =
      site_.context.choose_variable(site_.dialog, BelowOf(Item(ConfigControl::kVariablesButton)));
  if (!token) return;
  HWND field = EditOf(Item(ConfigControl::kCustomNameBox));
  SetFocus(field);
  Edit(field).ReplaceSelection(*token);
}

}  // namespace kestrix
