#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "ui/configuration_pages.h"

namespace kestrix {

namespace {

using namespace lng;
using V = ConfigurationValues;

constexpr char kDefaultHistoryFile[] = "history.ini";

const ControlSpec kAdvancedControls[] = {
    {"BUTTON", config::kMethod, spec::kGroupBox, kCfg_grp_method, At(16, 30, 402, 116)},
    {"STATIC", "", spec::kShown, kCfg_lbl_method, At(28, 44, 380, 40)},
    {"BUTTON", config::kMethodOriginal, spec::kFirstRadio, kCfg_rb_OriginalMethod,
     At(28, 86, 380, 18)},
    {"BUTTON", config::kMethodNew, spec::kRadio, kCfg_rb_NewMethod, At(28, 104, 380, 18)},
    {"BUTTON", config::kMethodNewFix, spec::kCheck | WS_GROUP, kCfg_cb_FixExtension,
     At(48, 122, 360, 18)},
    {"BUTTON", config::kMkDirHistoryFile, spec::kGroupBox, kCfg_grp_history, At(16, 150, 402, 70)},
    {"BUTTON", config::kMkDirHistoryUtil, spec::kFirstRadio, kCfg_rb_MK_UtilityChosen,
     At(28, 168, 380, 18)},
    {"BUTTON", "", spec::kRadio, kCfg_rb_MK_ManualPath, At(28, 192, 190, 18)},
    {"EDIT", "", spec::kEdit | WS_GROUP, kCfg_edit_MK_manualfile, At(222, 190, 186, 22)},
    {"BUTTON", config_dialog::kReplaceChars, spec::kGroupBox, kCfg_grp_replace,
     At(16, 224, 402, 76)},
    {"EDIT", "",
     spec::kShown | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_BORDER |
         WS_TABSTOP,
     kCfg_memo_ReplaceChars, At(28, 242, 380, 50)},
};
const FlagBinding kAdvancedFlags[] = {
    {kCfg_rb_NewMethod, &V::tc8b10_method, kCfg_rb_OriginalMethod}};

}  // namespace

AdvancedPage::AdvancedPage(ConfigPageSite& site)
    : ConfigurationPage(site, ConfigPage::kAdvanced, kAdvancedControls, {{}, {}, kAdvancedFlags}) {}

void AdvancedPage::LoadMore() {
  const ConfigurationValues& v = Values();
  Box(kCfg_cb_FixExtension).SetChecked(v.tc8b10_fix_ext);
  Button(Item(kCfg_cb_FixExtension)).Enable(v.tc8b10_method);
  const bool manual = !v.mkdir_history_file.empty();
  Box(kCfg_rb_MK_UtilityChosen).SetChecked(!manual);
  Box(kCfg_rb_MK_ManualPath).SetChecked(manual);
  Field(kCfg_edit_MK_manualfile).SetText(manual ? v.mkdir_history_file : kDefaultHistoryFile);
  HistoryChoiceChanged();
  Field(kCfg_memo_ReplaceChars).SetText(JoinLines(v.replace_chars));
}

void AdvancedPage::SaveMore() {
  ConfigurationValues& v = Values();
  const Check fix = Box(kCfg_cb_FixExtension);
  v.tc8b10_fix_ext = fix.Enabled() && fix.Checked();
  v.mkdir_history_file.clear();
  if (Box(kCfg_rb_MK_ManualPath).Checked())
    v.mkdir_history_file = Trim(Field(kCfg_edit_MK_manualfile).Text());
  v.replace_chars = SplitLines(Field(kCfg_memo_ReplaceChars).Text());
}

void AdvancedPage::ApplyCaptions() {
  Control(Item(kCfg_lbl_method)).SetText(ExpandLanguageLineBreaks(Text(config::kMethodDesc)));
  // The radio button that shows a field after it ends with ":" while it is shown.
  const bool manual = Box(kCfg_rb_MK_ManualPath).Checked();
  Control(Item(kCfg_rb_MK_ManualPath))
      .SetText(Text(config::kMkDirHistoryManu) + (manual ? ":" : ""));
}

bool AdvancedPage::Shows(int id) const {
  return id != kCfg_edit_MK_manualfile || Box(kCfg_rb_MK_ManualPath).Checked();
}

void AdvancedPage::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  if (id == kCfg_rb_OriginalMethod || id == kCfg_rb_NewMethod) MethodChanged();
  if (id == kCfg_rb_MK_UtilityChosen || id == kCfg_rb_MK_ManualPath) HistoryChoiceChanged();
}

void AdvancedPage::MethodChanged() {
  const bool fresh = Box(kCfg_rb_NewMethod).Checked();
  Button(Item(kCfg_cb_FixExtension)).Enable(fresh);
  if (fresh) Box(kCfg_cb_FixExtension).SetChecked(true);
}

void AdvancedPage::HistoryChoiceChanged() {
  const bool manual = Box(kCfg_rb_MK_ManualPath).Checked();
  const Edit field = Field(kCfg_edit_MK_manualfile);
  field.Show(manual && Shown());
  ApplyCaptions();
  if (manual && Shown() && !site_.loading) {
    field.Focus();
    field.SelectAll();
  }
}

}  // namespace kestrix
