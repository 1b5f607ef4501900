#include <utility>

#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "ui/config/configuration_pages.h"
#include "app/user_guide_win32.h"
#include "window/clipboard.h"

namespace kestrix {

namespace {

using namespace lng;
using V = ConfigurationValues;

const ControlSpec kLanguageControls[] = {
    {"BUTTON", config_dialog::kLanguageGroup, spec::kGroupBox, kCfg_grp_language,
     At(16, 34, 402, 242)},
    {"COMBOBOX", "", spec::kDropList, kCfg_cb_LanguageSelect, At(28, 56, 260, 300)},
    {"STATIC", install::kTranslator, spec::kShown, kCfg_lbl_translator, At(28, 100, 100, 18)},
    {"STATIC", "", spec::kShown, kCfg_lbl_translatorDATA, At(132, 100, 276, 18)},
    {"STATIC", config_dialog::kDate, spec::kShown, kCfg_lbl_date, At(28, 124, 100, 18)},
    {"STATIC", "", spec::kShown, kCfg_lbl_dateDATA, At(132, 124, 276, 18)},
    {"STATIC", config_dialog::kContact, spec::kShown, kCfg_lbl_email, At(28, 148, 100, 18)},
    {"STATIC", "", spec::kShown | SS_NOTIFY, kCfg_lbl_emailDATA, At(132, 148, 276, 18)},
    {"STATIC", config_dialog::kLinkLanguages, spec::kShown | SS_NOTIFY, kCfg_lnk_languages,
     At(28, 220, 380, 18)},
    {"STATIC", config_dialog::kLinkTranslate, spec::kShown | SS_NOTIFY, kCfg_lnk_translate,
     At(28, 244, 380, 18)},
};

}  // namespace

LanguagePage::LanguagePage(ConfigPageSite& site)
    : ConfigurationPage(site, ConfigPage::kLanguage, kLanguageControls) {}

LanguagePage::~LanguagePage() = default;

void LanguagePage::OnCreate() {
  const Combo languages = ComboOf(kCfg_cb_LanguageSelect);
  for (const std::string& entry : BuiltInLanguageListEntries()) languages.Add(entry);
  const ConfigurationContext& context = site_.context;
  for (const ExternalLanguage& external : FindExternalLanguages(
           {context.files, context.resources, context.program_dir, &context.code_page}))
    languages.Add(external.list_entry);
  link_font_ = DialogFontWith({.underline = true});
  SetFontOf(site_.dialog,
            std::initializer_list<int>{kCfg_lbl_emailDATA, kCfg_lnk_languages, kCfg_lnk_translate},
            link_font_);
}

void LanguagePage::LoadMore() {
  const Combo list = ComboOf(kCfg_cb_LanguageSelect);
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
  const Combo combo = ComboOf(kCfg_cb_LanguageSelect);
  if (dropped && !combo.DroppedDown()) return false;
  if (dropped) combo.ShowDropDown(false);
  return std::exchange(list_open_, false) || dropped;
}

bool LanguagePage::IsLink(HWND control) const {
  const int id = GetDlgCtrlID(control);
  return id == kCfg_lnk_languages || id == kCfg_lnk_translate ||
         (id == kCfg_lbl_emailDATA && Control(control).Text() != "-");
}

void LanguagePage::OnCommand(int id, int code) {
  switch (id) {
    case kCfg_cb_LanguageSelect:
      if (code == CBN_DROPDOWN) list_open_ = true;
      if (code == CBN_SELENDOK || code == CBN_SELCHANGE) LanguageChosen();
      if (code == CBN_KILLFOCUS || code == CBN_CLOSEUP) list_open_ = false;
      break;
    case kCfg_lbl_emailDATA: {
      const std::string contact = Trim(Control(Item(id)).Text());
      if (code == STN_CLICKED && contact != "-" && !contact.empty())
        CopyToClipboard(site_.dialog, contact);
      break;
    }
    case kCfg_lnk_languages:
    case kCfg_lnk_translate:
      if (code == STN_CLICKED)
        OpenUserGuideSection(site_.dialog,
                             id == kCfg_lnk_languages ? kGuideLanguages : kGuideTranslating);
      break;
  }
}

void LanguagePage::LanguageChosen() {
  list_open_ = false;
  const Combo list = ComboOf(kCfg_cb_LanguageSelect);
  const int index = list.Selected();
  if (index < 0) return;
  if (!site_.loading) changed_ = true;
  selected_ = LanguageOfListEntry(list.Item(index));
  const ConfigurationContext& context = site_.context;
  const LanguageTable chosen = LoadLanguageByName(
      {context.files, context.resources, context.program_dir, &context.code_page}, selected_);
  Control(Item(kCfg_lbl_translatorDATA)).SetText(chosen.Text(header::kAuthor));
  Control(Item(kCfg_lbl_dateDATA)).SetText(chosen.Text(header::kDate));
  const std::string contact = Trim(chosen.Text(header::kContact));
  Control(Item(kCfg_lbl_emailDATA)).SetText(contact.empty() ? "-" : contact);
}

}  // namespace kestrix
