#include <utility>

#include "app/user_guide_win32.h"
#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "ui/config/configuration_pages.h"
#include "window/clipboard.h"

namespace kestrix {

namespace {

using namespace lng;
using V = ConfigurationValues;

const ControlSpec kLanguageControls[] = {
    {"BUTTON", config_dialog::kLanguageGroup, spec::kGroupBox, ConfigControl::kLanguageGroup,
     At(16, 34, 402, 242)},
    {"COMBOBOX", "", spec::kDropList, ConfigControl::kLanguageBox, At(28, 56, 260, 300)},
    {"STATIC", install::kTranslator, spec::kShown, ConfigControl::kTranslatorLabel,
     At(28, 100, 100, 18)},
    {"STATIC", "", spec::kShown, ConfigControl::kTranslatorValue, At(132, 100, 276, 18)},
    {"STATIC", config_dialog::kDate, spec::kShown, ConfigControl::kDateLabel, At(28, 124, 100, 18)},
    {"STATIC", "", spec::kShown, ConfigControl::kDateValue, At(132, 124, 276, 18)},
    {"STATIC", config_dialog::kContact, spec::kShown, ConfigControl::kEmailLabel,
     At(28, 148, 100, 18)},
    {"STATIC", "", spec::kShown | SS_NOTIFY, ConfigControl::kEmailValue, At(132, 148, 276, 18)},
    {"STATIC", config_dialog::kLinkLanguages, spec::kShown | SS_NOTIFY,
     ConfigControl::kLanguagesLink, At(28, 220, 380, 18)},
    {"STATIC", config_dialog::kLinkTranslate, spec::kShown | SS_NOTIFY,
     ConfigControl::kTranslateLink, At(28, 244, 380, 18)},
};

}  // namespace

LanguagePage::LanguagePage(ConfigPageSite& site)
    : ConfigurationPage(site, ConfigPage::kLanguage, kLanguageControls) {}

LanguagePage::~LanguagePage() = default;

void LanguagePage::OnCreate() {
  const Combo languages = ComboOf(ConfigControl::kLanguageBox);
  for (const std::string& entry : BuiltInLanguageListEntries()) languages.Add(entry);
  const ConfigurationContext& context = site_.context;
  for (const ExternalLanguage& external : FindExternalLanguages(
           {context.files, context.resources, context.program_dir, &context.code_page}))
    languages.Add(external.list_entry);
  link_font_ = DialogFontWith({.underline = true});
  SetFontOf(
      site_.dialog,
      std::initializer_list<ControlId>{ConfigControl::kEmailValue, ConfigControl::kLanguagesLink,
                                       ConfigControl::kTranslateLink},
      link_font_);
}

void LanguagePage::LoadMore() {
  const Combo list = ComboOf(ConfigControl::kLanguageBox);
  const std::string current = AsciiLowerCase(Values().language.value_or("ENG"));
  int selected = -1;
  for (int i = 0; i < list.Count(); ++i)
    if (AsciiLowerCase(LanguageOfListEntry(list.Item(i))) == current) selected = i;
  list.SetSelected(selected);
  Values().language.reset();
  if (selected >= 0) LanguageChosen();
}

void LanguagePage::SaveMore() {
  if (changed_) Values().language = selected_;
}

bool LanguagePage::CloseList(bool dropped) {
  const Combo combo = ComboOf(ConfigControl::kLanguageBox);
  if (dropped && !combo.DroppedDown()) return false;
  if (dropped) combo.ShowDropDown(false);
  return std::exchange(list_open_, false) || dropped;
}

bool LanguagePage::IsLink(HWND control) const {
  const ControlId id = GetDlgCtrlID(control);
  return id == ConfigControl::kLanguagesLink || id == ConfigControl::kTranslateLink ||
         (id == ConfigControl::kEmailValue && Control(control).Text() != "-");
}

void LanguagePage::OnCommand(ControlId id, int code) {
  switch (static_cast<ConfigControl>(id)) {
    case ConfigControl::kLanguageBox:
      if (code == CBN_DROPDOWN) list_open_ = true;
      if (code == CBN_SELENDOK || code == CBN_SELCHANGE) LanguageChosen();
      if (code == CBN_KILLFOCUS || code == CBN_CLOSEUP) list_open_ = false;
      break;
    case ConfigControl::kEmailValue: {
      const std::string contact = Trim(Control(Item(id)).Text());
      if (code == STN_CLICKED && contact != "-" && !contact.empty())
        CopyToClipboard(site_.dialog, contact);
      break;
    }
    case ConfigControl::kLanguagesLink:
    case ConfigControl::kTranslateLink:
      if (code == STN_CLICKED)
        OpenUserGuideSection(site_.dialog, id == ConfigControl::kLanguagesLink ? kGuideLanguages
                                                                               : kGuideTranslating);
      break;
    default:
      break;
  }
}

void LanguagePage::LanguageChosen() {
  list_open_ = false;
  const Combo list = ComboOf(ConfigControl::kLanguageBox);
  const int index = list.Selected();
  if (index < 0) return;
  if (!site_.loading) changed_ = true;
  selected_ = LanguageOfListEntry(list.Item(index));
  const ConfigurationContext& context = site_.context;
  const LanguageTable chosen = LoadLanguageByName(
      {context.files, context.resources, context.program_dir, &context.code_page}, selected_);
  Control(Item(ConfigControl::kTranslatorValue)).SetText(chosen.Text(header::kAuthor));
  Control(Item(ConfigControl::kDateValue)).SetText(chosen.Text(header::kDate));
  const std::string contact = Trim(chosen.Text(header::kContact));
  Control(Item(ConfigControl::kEmailValue)).SetText(contact.empty() ? "-" : contact);
}

}  // namespace kestrix
