#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "ui/config/configuration_pages.h"

namespace kestrix {

namespace {

using namespace lng;
using V = ConfigurationValues;

constexpr char kDefaultHistoryFile[] = "history.ini";

const ControlSpec kAdvancedControls[] = {
    {"BUTTON", config::kMethod, spec::kGroupBox, ConfigControl::kMethodGroup, At(16, 30, 402, 116)},
    {"STATIC", "", spec::kShown, ConfigControl::kMethodLabel, At(28, 44, 380, 40)},
    {"BUTTON", config::kMethodOriginal, spec::kFirstRadio, ConfigControl::kOriginalMethodOption,
     At(28, 86, 380, 18)},
    {"BUTTON", config::kMethodNew, spec::kRadio, ConfigControl::kNewMethodOption,
     At(28, 104, 380, 18)},
    {"BUTTON", config::kMethodNewFix, spec::kCheck | WS_GROUP, ConfigControl::kFixExtensionCheck,
     At(48, 122, 360, 18)},
    {"BUTTON", config::kMkDirHistoryFile, spec::kGroupBox, ConfigControl::kHistoryGroup,
     At(16, 150, 402, 70)},
    {"BUTTON", config::kMkDirHistoryUtil, spec::kFirstRadio, ConfigControl::kHistoryAutoOption,
     At(28, 168, 380, 18)},
    {"BUTTON", "", spec::kRadio, ConfigControl::kHistoryManualOption, At(28, 192, 190, 18)},
    {"EDIT", "", spec::kEdit | WS_GROUP, ConfigControl::kHistoryFileField, At(222, 190, 186, 22)},
    {"BUTTON", config_dialog::kReplaceChars, spec::kGroupBox, ConfigControl::kReplaceGroup,
     At(16, 224, 402, 76)},
    {"EDIT", "",
     spec::kShown | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_BORDER |
         WS_TABSTOP,
     ConfigControl::kReplaceCharsMemo, At(28, 242, 380, 50)},
};
const FlagBinding kAdvancedFlags[] = {
    {ConfigControl::kNewMethodOption, &V::tc8b10_method, ConfigControl::kOriginalMethodOption}};

}  // namespace

AdvancedPage::AdvancedPage(ConfigPageSite& site)
    : ConfigurationPage(site, ConfigPage::kAdvanced, kAdvancedControls, {{}, {}, kAdvancedFlags}) {}

void AdvancedPage::LoadMore() {
  const ConfigurationValues& v = Values();
  Box(ConfigControl::kFixExtensionCheck).SetChecked(v.tc8b10_fix_ext);
  Button(Item(ConfigControl::kFixExtensionCheck)).Enable(v.tc8b10_method);
  const bool manual = !v.mkdir_history_file.empty();
  Box(ConfigControl::kHistoryAutoOption).SetChecked(!manual);
  Box(ConfigControl::kHistoryManualOption).SetChecked(manual);
  Field(ConfigControl::kHistoryFileField)
      .SetText(manual ? v.mkdir_history_file : kDefaultHistoryFile);
  HistoryChoiceChanged();
  Field(ConfigControl::kReplaceCharsMemo).SetText(JoinLines(v.replace_chars));
}

void AdvancedPage::SaveMore() {
  ConfigurationValues& v = Values();
  const Check fix = Box(ConfigControl::kFixExtensionCheck);
  v.tc8b10_fix_ext = fix.Enabled() && fix.Checked();
  v.mkdir_history_file.clear();
  if (Box(ConfigControl::kHistoryManualOption).Checked())
    v.mkdir_history_file = Trim(Field(ConfigControl::kHistoryFileField).Text());
  v.replace_chars = SplitLines(Field(ConfigControl::kReplaceCharsMemo).Text());
}

void AdvancedPage::ApplyCaptions() {
  Control(Item(ConfigControl::kMethodLabel))
      .SetText(ExpandLanguageLineBreaks(Text(config::kMethodDesc)));
  // The radio button that shows a field after it ends with ":" while it is shown.
  const bool manual = Box(ConfigControl::kHistoryManualOption).Checked();
  Control(Item(ConfigControl::kHistoryManualOption))
      .SetText(Text(config::kMkDirHistoryManu) + (manual ? ":" : ""));
}

bool AdvancedPage::Shows(ControlId id) const {
  return id != ConfigControl::kHistoryFileField ||
         Box(ConfigControl::kHistoryManualOption).Checked();
}

void AdvancedPage::OnCommand(ControlId id, int code) {
  if (code != BN_CLICKED) return;
  if (id == ConfigControl::kOriginalMethodOption || id == ConfigControl::kNewMethodOption)
    MethodChanged();
  if (id == ConfigControl::kHistoryAutoOption || id == ConfigControl::kHistoryManualOption)
    HistoryChoiceChanged();
}

void AdvancedPage::MethodChanged() {
  const bool fresh = Box(ConfigControl::kNewMethodOption).Checked();
  Button(Item(ConfigControl::kFixExtensionCheck)).Enable(fresh);
  if (fresh) Box(ConfigControl::kFixExtensionCheck).SetChecked(true);
}

void AdvancedPage::HistoryChoiceChanged() {
  const bool manual = Box(ConfigControl::kHistoryManualOption).Checked();
  const Edit field = Field(ConfigControl::kHistoryFileField);
  field.Show(manual && Shown());
  ApplyCaptions();
  if (manual && Shown() && !site_.loading) {
    field.Focus();
    field.SelectAll();
  }
}

}  // namespace kestrix
