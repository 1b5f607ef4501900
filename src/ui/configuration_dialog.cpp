#include "ui/configuration_dialog.h"

#include <algorithm>
#include <array>

#include "app/key_commands.h"
#include "base/text_utils.h"
#include "platform/win32/file_types_win32.h"
#include "settings/language_keys.h"
#include "settings/settings.h"
#include "settings/themes.h"
#include "ui/dpi_win32.h"
#include "ui/user_guide_win32.h"
// After the Windows headers they need.
#include <shellapi.h>

namespace kestrix {

namespace {

constexpr int kWidth = 442;
constexpr int kHeight = 378;
constexpr char kDefaultHistoryFile[] = "history.ini";
constexpr COLORREF kLinkColor = RGB(0, 102, 204);

bool CtrlAlone() {
  return (GetKeyState(VK_CONTROL) & 0x8000) != 0 && (GetKeyState(VK_SHIFT) & 0x8000) == 0 &&
         (GetKeyState(VK_MENU) & 0x8000) == 0;
}

ConfigPage PageOf(int id) {
  if (id >= kCfg_FirstFiles) return ConfigPage::kFiles;
  if (id >= kCfg_FirstAdvanced) return ConfigPage::kAdvanced;
  if (id >= kCfg_FirstLanguage) return ConfigPage::kLanguage;
  if (id >= kCfg_FirstWindow) return ConfigPage::kWindow;
  return ConfigPage::kGeneral;
}

// The edit inside a combo box with an edit field.
HWND EditOf(HWND combo) {
  return FindWindowExA(combo, nullptr, "Edit", nullptr);
}

void CopyToClipboard(HWND owner, const std::string& text) {
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_TEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

}  // namespace

// --- Pages ---------------------------------------------------------------------------

class TConfiguration::GeneralPage : public DialogPage {
 public:
  explicit GeneralPage(TConfiguration& d) : d_(d) {}
  void Load() override {
    const ConfigurationValues& v = d_.values_;
    d_.Box(kCfg_rb_CurrentTCitem).SetChecked(!v.custom_name);
    d_.Box(kCfg_rb_CustomName).SetChecked(v.custom_name);
    d_.SuggestedNameChanged();
    d_.ComboOf(kCfg_customDirectoryName).SetText(v.custom_dir_name);
    d_.ComboOf(kCfg_cmbx_TCItemPrefix).SetItems(v.prefix_list);
    d_.ComboOf(kCfg_cmbx_TCItemPrefix).SetText(v.dir_prefix);
    d_.AffixTextChanged(true);
    d_.Box(kCfg_cb_TCItemPrefix).SetChecked(v.dir_prefix_active);
    d_.ComboOf(kCfg_cmbx_TCItemSuffix).SetItems(v.suffix_list);
    d_.ComboOf(kCfg_cmbx_TCItemSuffix).SetText(v.dir_suffix);
    d_.AffixTextChanged(false);
    d_.Box(kCfg_cb_TCItemSuffix).SetChecked(v.dir_suffix_active);
    d_.Box(kCfg_rb_ShowMsg).SetChecked(!v.replace_invalid);
    d_.Box(kCfg_rb_ReplaceChar).SetChecked(v.replace_invalid);
    Edit(d_.Control(kCfg_Edit_ReplaceChar)).SetText(v.invalid_char_replace);
  }
  bool Save() override {
    ConfigurationValues& v = d_.values_;
    v.custom_name = d_.Box(kCfg_rb_CustomName).Checked();
    v.custom_dir_name = d_.ComboOf(kCfg_customDirectoryName).Text();
    v.dir_prefix_active = d_.Box(kCfg_cb_TCItemPrefix).Checked();
    v.dir_prefix = d_.ComboOf(kCfg_cmbx_TCItemPrefix).Text();
    v.dir_suffix_active = d_.Box(kCfg_cb_TCItemSuffix).Checked();
    v.dir_suffix = d_.ComboOf(kCfg_cmbx_TCItemSuffix).Text();
    v.prefix_list = Items(kCfg_cmbx_TCItemPrefix);
    v.suffix_list = Items(kCfg_cmbx_TCItemSuffix);
    v.replace_invalid = d_.Box(kCfg_rb_ReplaceChar).Checked();
    v.invalid_char_replace = Edit(d_.Control(kCfg_Edit_ReplaceChar)).Text();
    return true;
  }

 private:
  std::vector<std::string> Items(int id) const {
    const Combo combo = d_.ComboOf(id);
    std::vector<std::string> items;
    for (int i = 0; i < combo.Count(); ++i) items.push_back(combo.Item(i));
    return items;
  }
  TConfiguration& d_;
};

class TConfiguration::WindowPage : public DialogPage {
 public:
  explicit WindowPage(TConfiguration& d) : d_(d) {}
  void Load() override {
    const ConfigurationValues& v = d_.values_;
    const int position = v.window_position.value_or(0);
    d_.Box(kCfg_rb_centerTCwnd).SetChecked(position == 0);
    d_.Box(kCfg_rb_centerTCpane).SetChecked(position == 1);
    d_.Box(kCfg_rb_centerScreen).SetChecked(position != 0 && position != 1);
    d_.Box(kCfg_cb_FlatBtn).SetChecked(v.flat_buttons);
    d_.Box(kCfg_cb_Theme).SetChecked(v.use_window_theme);
    const Combo themes = d_.ComboOf(kCfg_cmbx_WndColor);
    themes.SetSelected(v.selected_theme >= 0 && v.selected_theme < themes.Count() ? v.selected_theme
                                                                                  : 0);
    Edit(d_.Control(kCfg_edit_Transparency)).SetText(v.alpha_blend_value);
    d_.Box(kCfg_cb_Transparency).SetChecked(TransparencyChecked(v.alpha_blend_value));
    d_.Box(kCfg_cb_FocusTC).SetChecked(v.focus_tc);
  }
  bool Save() override {
    ConfigurationValues& v = d_.values_;
    v.window_position.reset();
    if (d_.Box(kCfg_rb_centerTCwnd).Checked()) v.window_position = 0;
    if (d_.Box(kCfg_rb_centerTCpane).Checked()) v.window_position = 1;
    if (d_.Box(kCfg_rb_centerScreen).Checked()) v.window_position = 2;
    v.flat_buttons = d_.Box(kCfg_cb_FlatBtn).Checked();
    v.use_window_theme = d_.Box(kCfg_cb_Theme).Checked();
    v.selected_theme = std::max(0, d_.ComboOf(kCfg_cmbx_WndColor).Selected());
    v.alpha_blend_value = Edit(d_.Control(kCfg_edit_Transparency)).Text();
    v.focus_tc = d_.Box(kCfg_cb_FocusTC).Checked();
    return true;
  }

 private:
  TConfiguration& d_;
};

class TConfiguration::LanguagePage : public DialogPage {
 public:
  explicit LanguagePage(TConfiguration& d) : d_(d) {}
  void Load() override {
    const Combo list = d_.ComboOf(kCfg_cb_LanguageSelect);
    const std::string current = AsciiLowerCase(d_.values_.language.value_or("ENG"));
    int selected = -1;
    for (int i = 0; i < list.Count(); ++i)
      if (AsciiLowerCase(LanguageOfListEntry(list.Item(i))) == current) selected = i;
    list.SetSelected(selected);
    d_.values_.language.reset();
    if (selected >= 0) d_.LanguageChosen();
  }
  bool Save() override {
    if (d_.LanguageChanged_) d_.values_.language = d_.SelectedLanguage_;
    return true;
  }

 private:
  TConfiguration& d_;
};

class TConfiguration::AdvancedPage : public DialogPage {
 public:
  explicit AdvancedPage(TConfiguration& d) : d_(d) {}
  void Load() override {
    const ConfigurationValues& v = d_.values_;
    d_.Box(kCfg_rb_OriginalMethod).SetChecked(!v.tc8b10_method);
    d_.Box(kCfg_rb_NewMethod).SetChecked(v.tc8b10_method);
    d_.Box(kCfg_cb_FixExtension).SetChecked(v.tc8b10_fix_ext);
    Button(d_.Control(kCfg_cb_FixExtension)).Enable(v.tc8b10_method);
    const bool manual = !v.mkdir_history_file.empty();
    d_.Box(kCfg_rb_MK_UtilityChosen).SetChecked(!manual);
    d_.Box(kCfg_rb_MK_ManualPath).SetChecked(manual);
    Edit(d_.Control(kCfg_edit_MK_manualfile))
        .SetText(manual ? v.mkdir_history_file : kDefaultHistoryFile);
    d_.HistoryChoiceChanged();
    Edit(d_.Control(kCfg_memo_ReplaceChars)).SetText(JoinLines(v.replace_chars));
  }
  bool Save() override {
    ConfigurationValues& v = d_.values_;
    v.tc8b10_method = d_.Box(kCfg_rb_NewMethod).Checked();
    const Check fix = d_.Box(kCfg_cb_FixExtension);
    v.tc8b10_fix_ext = fix.Enabled() && fix.Checked();
    v.mkdir_history_file.clear();
    if (d_.Box(kCfg_rb_MK_ManualPath).Checked())
      v.mkdir_history_file = Trim(Edit(d_.Control(kCfg_edit_MK_manualfile)).Text());
    v.replace_chars = SplitLines(Edit(d_.Control(kCfg_memo_ReplaceChars)).Text());
    return true;
  }

 private:
  TConfiguration& d_;
};

class TConfiguration::FilesPage : public DialogPage {
 public:
  explicit FilesPage(TConfiguration& d) : d_(d) {}
  void Load() override {
    const ConfigurationValues& v = d_.values_;
    d_.Box(kCfg_cb_EnableFileCreation).SetChecked(v.file_creation_enable);
    d_.Box(kCfg_cb_IntelliExtDetection).SetChecked(v.extension_detection);
    ListView_DeleteAllItems(d_.Control(kCfg_ExtensionList));
    for (size_t i = 0; i < v.extensions.size(); ++i)
      d_.ExtensionRow(static_cast<int>(i), v.extensions[i], Description(v.extensions[i]));
    d_.ExtensionFieldChanged();
    d_.DetectionChecked();
  }
  bool Save() override {
    ConfigurationValues& v = d_.values_;
    v.file_creation_enable = d_.Box(kCfg_cb_EnableFileCreation).Checked();
    v.extension_detection = d_.Box(kCfg_cb_IntelliExtDetection).Checked();
    v.extensions = d_.Extensions();
    return true;
  }
  std::string Description(const std::string& extension) const {
    std::string name = FriendlyDocName(extension);
    return name.empty() ? d_.Text(lng::config_dialog::kUnknownExtension) : name;
  }

 private:
  TConfiguration& d_;
};

// Last of the pages: ends the loading, and on OK writes what the others took back.
class TConfiguration::Writer : public DialogPage {
 public:
  explicit Writer(TConfiguration& d) : d_(d) {}
  void Load() override {
    d_.Loading_ = false;
    const int last = d_.values_.last_selected_page;
    d_.ShowPage(last >= 0 && last < static_cast<int>(ConfigPage::kCount)
                    ? static_cast<ConfigPage>(last)
                    : ConfigPage::kGeneral);
    // The pages taken back as they show the file: OK writes only what differs from this.
    for (const auto& page : d_.page_objects_)
      if (page.get() != this) page->Save();
    d_.values_.last_selected_page = static_cast<int>(d_.page_);
    d_.shown_ = d_.values_;
  }
  bool Save() override {
    d_.values_.last_selected_page = static_cast<int>(d_.page_);
    try {
      TBigIniFile ini(d_.context_.files, d_.context_.settings_path);
      SaveConfiguration(ini, d_.values_, d_.shown_);
    } catch (const InOutError& error) {
      // The dialog stays open with the user's changes.
      d_.context_.message(SettingsFileMessage(d_.language_, lng::config_dialog::kCannotWrite,
                                              error.Path(), error.Code()),
                          kMbOk | kMbIconError);
      return false;
    }
    return true;
  }

 private:
  TConfiguration& d_;
};

// --- The dialog ----------------------------------------------------------------------

TConfiguration::TConfiguration(ConfigurationContext context)
    : Dialog(kConfigurationClass, "", kWidth, kHeight), context_(std::move(context)) {}

bool TConfiguration::OnInit() {
  Loading_ = true;
  language_ = context_.language();
  std::vector<std::string> user_templates;
  try {
    TBigIniFile ini(context_.files, context_.settings_path);
    values_ = LoadConfiguration(ini);
    std::vector<std::string> keys;
    ini.ReadSection(kUserTemplatesSection, keys);
    for (const std::string& key : keys)
      user_templates.push_back(ini.ReadString(kUserTemplatesSection, key, ""));
    values_.language = SettingsAccess(ini).TrimmedText(Setting::CurrentLng);
  } catch (const InOutError& error) {
    // Defaults shown in its place would be written over the user's settings at OK.
    context_.message(
        SettingsFileMessage(language_, lng::config_dialog::kCannotRead, error.Path(), error.Code()),
        kMbOk | kMbIconError);
    return false;
  }
  user_themes_ = DiscoverUserThemes(context_.files, context_.program_dir);
  CreateControls();
  ComboOf(kCfg_customDirectoryName).SetItems(CustomNameItems(language_, user_templates));
  for (const std::string& entry : ThemeEntries(language_, user_themes_))
    ComboOf(kCfg_cmbx_WndColor).Add(entry);
  const Combo languages = ComboOf(kCfg_cb_LanguageSelect);
  for (const std::string& entry : BuiltInLanguageListEntries()) languages.Add(entry);
  for (const ExternalLanguage& external :
       FindExternalLanguages({context_.files, context_.resources, context_.program_dir}))
    languages.Add(external.list_entry);
  ApplyCaptions();
  page_objects_.push_back(std::make_unique<GeneralPage>(*this));
  page_objects_.push_back(std::make_unique<WindowPage>(*this));
  page_objects_.push_back(std::make_unique<LanguagePage>(*this));
  page_objects_.push_back(std::make_unique<AdvancedPage>(*this));
  page_objects_.push_back(std::make_unique<FilesPage>(*this));
  page_objects_.push_back(std::make_unique<Writer>(*this));
  for (const auto& page : page_objects_) AddPage(*page);
  return true;
}

HWND TConfiguration::Add(const char* class_name, DWORD style, int id, int x, int y, int width,
                         int height, DWORD ex_style) {
  HWND control = AddControl(class_name, "", style, id, x, y, width, height, ex_style);
  key_hook_.Subclass(control);
  if (HWND edit = EditOf(control)) key_hook_.Subclass(edit);
  return control;
}

void TConfiguration::CreateControls() {
  INITCOMMONCONTROLSEX common = {sizeof common, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES |
                                                    ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);
  const DWORD tab = WS_TABSTOP;
  const DWORD radio = BS_RADIOBUTTON | tab;
  const DWORD check = BS_AUTOCHECKBOX | tab;
  const DWORD group = BS_GROUPBOX;
  const DWORD push = BS_PUSHBUTTON | tab;
  const DWORD edit = ES_AUTOHSCROLL | WS_BORDER | tab;
  const DWORD combo = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | tab;
  const DWORD drop_list = CBS_DROPDOWNLIST | WS_VSCROLL | tab;
  HWND tabs = Add(WC_TABCONTROLA, tab, kCfg_tabs, 6, 6, 424, 300);
  for (int i = 0; i < static_cast<int>(ConfigPage::kCount); ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    char empty[] = "";
    item.pszText = empty;
    SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  // General
  Add("BUTTON", group, kCfg_grp_suggested, 16, 34, 402, 72);
  Add("BUTTON", radio, kCfg_rb_CurrentTCitem, 28, 52, 380, 18);
  Add("BUTTON", radio, kCfg_rb_CustomName, 28, 76, 120, 18);
  Add("COMBOBOX", combo, kCfg_customDirectoryName, 150, 74, 228, 200);
  Add("BUTTON", push, kCfg_btn_addRep, 382, 73, 26, 24);
  Add("BUTTON", group, kCfg_grp_affix, 16, 112, 402, 84);
  Add("BUTTON", check, kCfg_cb_TCItemPrefix, 28, 132, 80, 18);
  Add("COMBOBOX", combo, kCfg_cmbx_TCItemPrefix, 110, 130, 228, 200);
  Add("BUTTON", push, kCfg_btn_AddPrefix, 344, 129, 64, 24);
  Add("BUTTON", check, kCfg_cb_TCItemSuffix, 28, 162, 80, 18);
  Add("COMBOBOX", combo, kCfg_cmbx_TCItemSuffix, 110, 160, 228, 200);
  Add("BUTTON", push, kCfg_btn_AddSuffix, 344, 159, 64, 24);
  Add("BUTTON", group, kCfg_grp_invalid, 16, 202, 402, 74);
  Add("BUTTON", radio, kCfg_rb_ShowMsg, 28, 220, 380, 18);
  Add("BUTTON", radio, kCfg_rb_ReplaceChar, 28, 246, 260, 18);
  Add("EDIT", edit, kCfg_Edit_ReplaceChar, 292, 244, 40, 22);
  // Window
  Add("BUTTON", group, kCfg_grp_position, 16, 34, 402, 92);
  Add("BUTTON", radio, kCfg_rb_centerTCwnd, 28, 52, 380, 18);
  Add("BUTTON", radio, kCfg_rb_centerTCpane, 28, 76, 380, 18);
  Add("BUTTON", radio, kCfg_rb_centerScreen, 28, 100, 380, 18);
  Add("BUTTON", group, kCfg_grp_look, 16, 132, 402, 144);
  Add("BUTTON", check, kCfg_cb_FlatBtn, 28, 152, 380, 18);
  Add("BUTTON", check, kCfg_cb_Theme, 28, 180, 230, 18);
  Add("COMBOBOX", drop_list, kCfg_cmbx_WndColor, 262, 178, 146, 200);
  Add("BUTTON", check, kCfg_cb_Transparency, 28, 210, 230, 18);
  Add("EDIT", edit | ES_NUMBER, kCfg_edit_Transparency, 262, 208, 50, 22);
  HWND updown =
      Add(UPDOWN_CLASSA, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
          kCfg_ud_Transparency, 312, 208, 16, 22);
  UpDown(updown).SetBuddy(Control(kCfg_edit_Transparency));
  UpDown(updown).SetRange(10, 255);
  Add("BUTTON", check, kCfg_cb_FocusTC, 28, 240, 380, 18);
  // Language
  Add("BUTTON", group, kCfg_grp_language, 16, 34, 402, 242);
  Add("COMBOBOX", drop_list, kCfg_cb_LanguageSelect, 28, 56, 260, 300);
  Add("STATIC", 0, kCfg_lbl_translator, 28, 100, 100, 18);
  Add("STATIC", 0, kCfg_lbl_translatorDATA, 132, 100, 276, 18);
  Add("STATIC", 0, kCfg_lbl_date, 28, 124, 100, 18);
  Add("STATIC", 0, kCfg_lbl_dateDATA, 132, 124, 276, 18);
  Add("STATIC", 0, kCfg_lbl_email, 28, 148, 100, 18);
  Add("STATIC", SS_NOTIFY, kCfg_lbl_emailDATA, 132, 148, 276, 18);
  Add("STATIC", SS_NOTIFY, kCfg_lnk_languages, 28, 220, 380, 18);
  Add("STATIC", SS_NOTIFY, kCfg_lnk_translate, 28, 244, 380, 18);
  // Advanced
  Add("BUTTON", group, kCfg_grp_method, 16, 30, 402, 116);
  Add("STATIC", 0, kCfg_lbl_method, 28, 46, 380, 30);
  Add("BUTTON", radio, kCfg_rb_OriginalMethod, 28, 80, 380, 18);
  Add("BUTTON", radio, kCfg_rb_NewMethod, 28, 100, 380, 18);
  Add("BUTTON", check, kCfg_cb_FixExtension, 48, 120, 360, 18);
  Add("BUTTON", group, kCfg_grp_history, 16, 150, 402, 70);
  Add("BUTTON", radio, kCfg_rb_MK_UtilityChosen, 28, 168, 380, 18);
  Add("BUTTON", radio, kCfg_rb_MK_ManualPath, 28, 192, 190, 18);
  Add("EDIT", edit, kCfg_edit_MK_manualfile, 222, 190, 186, 22);
  Add("BUTTON", group, kCfg_grp_replace, 16, 224, 402, 76);
  Add("EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_BORDER | tab,
      kCfg_memo_ReplaceChars, 28, 242, 380, 50);
  // Files
  Add("BUTTON", group, kCfg_grp_files, 16, 34, 402, 66);
  Add("BUTTON", check, kCfg_cb_EnableFileCreation, 28, 52, 380, 18);
  Add("BUTTON", check, kCfg_cb_IntelliExtDetection, 28, 74, 380, 18);
  Add("BUTTON", group, kCfg_grp_ext, 16, 106, 402, 170);
  HWND list = Add(WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | tab,
                  kCfg_ExtensionList, 28, 124, 252, 142, WS_EX_CLIENTEDGE);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = Scale96(std::array{28, 64, 152}[i]);
    char empty[] = "";
    column.pszText = empty;
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  Add("STATIC", 0, kCfg_lbl_NewExt, 288, 124, 120, 16);
  Add("EDIT", edit, kCfg_edit_NewExt, 288, 142, 120, 22);
  Add("BUTTON", push, kCfg_btn_AddNewExt, 288, 170, 120, 24);
  Add("BUTTON", push, kCfg_btn_RemoveExt, 288, 198, 120, 24);
  Add("BUTTON", push, kCfg_Button1, 288, 242, 120, 24);
  // The buttons of every page.
  Add("BUTTON", BS_DEFPUSHBUTTON | tab, IDOK, 264, 314, 80, 26);
  Add("BUTTON", push, IDCANCEL, 350, 314, 80, 26);
  // The group boxes lie under the controls they frame and the tab control under all, each
  // clipped by what lies above it, so none paints over the pages' controls.
  for (int id : {kCfg_grp_suggested, kCfg_grp_affix, kCfg_grp_invalid, kCfg_grp_position,
                 kCfg_grp_look, kCfg_grp_language, kCfg_grp_method, kCfg_grp_history,
                 kCfg_grp_replace, kCfg_grp_files, kCfg_grp_ext, kCfg_tabs}) {
    HWND below = Control(id);
    SetWindowLongPtrA(below, GWL_STYLE, GetWindowLongPtrA(below, GWL_STYLE) | WS_CLIPSIBLINGS);
    SetWindowPos(below, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  LOGFONTA font = {};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  font.lfUnderline = TRUE;
  link_font_ = CreateFontIndirectA(&font);
  for (int id : {kCfg_lbl_emailDATA, kCfg_lnk_languages, kCfg_lnk_translate})
    SendMessageA(Control(id), WM_SETFONT, reinterpret_cast<WPARAM>(link_font_), FALSE);
}

void TConfiguration::ApplyCaptions() {
  using namespace lng;
  SetWindowTextA(hwnd(), Text(config_dialog::kTitle).c_str());
  const std::array<LanguageKey, 5> tabs{config::kGeneral, config::kWindow,
                                        config_dialog::kLanguageTab, config::kAdvanced,
                                        config::kFiles};
  for (int i = 0; i < 5; ++i) {
    std::string text = Text(tabs[static_cast<size_t>(i)]);
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageA(Control(kCfg_tabs), TCM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  const std::pair<int, LanguageKey> captions[] = {
      {kCfg_grp_suggested, config::kSuggestedName},
      {kCfg_rb_CurrentTCitem, config::kCurrentTCItem},
      {kCfg_grp_affix, config_dialog::kAffixGroup},
      {kCfg_cb_TCItemPrefix, config_dialog::kPrefix},
      {kCfg_cb_TCItemSuffix, config_dialog::kSuffix},
      {kCfg_btn_AddPrefix, config_dialog::kAddItem},
      {kCfg_btn_AddSuffix, config_dialog::kAddItem},
      {kCfg_grp_invalid, config::kInvalidChar},
      {kCfg_rb_ShowMsg, config::kShowWarning},
      {kCfg_rb_ReplaceChar, config::kReplaceWith},
      {kCfg_grp_position, config::kWindowPos},
      {kCfg_rb_centerTCwnd, config::kCenterofTC},
      {kCfg_rb_centerTCpane, config::kCenterofTCpane},
      {kCfg_rb_centerScreen, config::kCenterofScreen},
      {kCfg_grp_look, config::kAdditionalWnd},
      {kCfg_cb_FlatBtn, config::kUseFlatBtn},
      {kCfg_cb_Theme, config::kUseWndTheme},
      {kCfg_cb_Transparency, config::kUseTransparency},
      {kCfg_cb_FocusTC, config::kFocusTC},
      {kCfg_grp_language, config_dialog::kLanguageGroup},
      {kCfg_lbl_translator, install::kTranslator},
      {kCfg_lbl_date, config_dialog::kDate},
      {kCfg_lbl_email, config_dialog::kContact},
      {kCfg_lnk_languages, config_dialog::kLinkLanguages},
      {kCfg_lnk_translate, config_dialog::kLinkTranslate},
      {kCfg_grp_method, config::kMethod},
      {kCfg_rb_OriginalMethod, config::kMethodOriginal},
      {kCfg_rb_NewMethod, config::kMethodNew},
      {kCfg_cb_FixExtension, config::kMethodNewFix},
      {kCfg_grp_history, config::kMkDirHistoryFile},
      {kCfg_grp_replace, config_dialog::kReplaceChars},
      {kCfg_rb_MK_UtilityChosen, config::kMkDirHistoryUtil},
      {kCfg_grp_files, config_dialog::kFileCreation},
      {kCfg_cb_EnableFileCreation, config_dialog::kEnableFileCreation},
      {kCfg_cb_IntelliExtDetection, config_dialog::kIntelliExtDetection},
      {kCfg_grp_ext, config_dialog::kExtensions},
      {kCfg_btn_AddNewExt, config_dialog::kAddItem},
      {kCfg_btn_RemoveExt, config_dialog::kRemove},
      {kCfg_Button1, config_dialog::kContent},
      {IDOK, buttons::kBtnOK},
      {IDCANCEL, buttons::kBtnCancel},
  };
  for (const auto& [id, key] : captions) SetWindowTextA(Control(id), Text(key).c_str());
  SetWindowTextA(Control(kCfg_btn_addRep), "+");
  SetWindowTextA(Control(kCfg_lbl_method),
                 ExpandLanguageLineBreaks(Text(config::kMethodDesc)).c_str());
  SetWindowTextA(Control(kCfg_lbl_NewExt), (Text(config_dialog::kExtension) + ":").c_str());
  // The radio buttons that show a field after them end with ":" while it is shown.
  const bool custom = Box(kCfg_rb_CustomName).Checked();
  SetWindowTextA(Control(kCfg_rb_CustomName),
                 (Text(config::kCustomItem) + (custom ? ":" : "")).c_str());
  const bool manual = Box(kCfg_rb_MK_ManualPath).Checked();
  SetWindowTextA(Control(kCfg_rb_MK_ManualPath),
                 (Text(config::kMkDirHistoryManu) + (manual ? ":" : "")).c_str());
  const std::array<LanguageKey, 3> columns{config_dialog::kExtension, config_dialog::kExtension,
                                           config_dialog::kDescription};
  for (int i = 0; i < 3; ++i) {
    std::string text = i == 0 ? "#" : Text(columns[static_cast<size_t>(i)]);
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = text.data();
    SendMessageA(Control(kCfg_ExtensionList), LVM_SETCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
}

void TConfiguration::ShowPage(ConfigPage page) {
  page_ = page;
  TabCtrl_SetCurSel(Control(kCfg_tabs), static_cast<int>(page));
  for (int id = kCfg_FirstGeneral; id < kCfg_End; ++id) {
    HWND control = Control(id);
    if (control == nullptr) continue;
    bool shown = PageOf(id) == page;
    // Fields that belong to an unchosen radio button stay hidden on their page.
    if (id == kCfg_customDirectoryName || id == kCfg_btn_addRep)
      shown = shown && Box(kCfg_rb_CustomName).Checked();
    if (id == kCfg_edit_MK_manualfile) shown = shown && Box(kCfg_rb_MK_ManualPath).Checked();
    ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE);
  }
}

// --- Rules ---------------------------------------------------------------------------

void TConfiguration::SuggestedNameChanged() {
  const bool custom = Box(kCfg_rb_CustomName).Checked();
  const bool here = page_ == ConfigPage::kGeneral;
  Combo(Control(kCfg_customDirectoryName)).Show(custom && here);
  Button(Control(kCfg_btn_addRep)).Show(custom && here);
  SetWindowTextA(Control(kCfg_rb_CustomName),
                 (Text(lng::config::kCustomItem) + (custom ? ":" : "")).c_str());
  if (!custom || !here || Loading_) return;
  const Combo field = ComboOf(kCfg_customDirectoryName);
  field.Focus();
  if (field.Count() > 0) field.ShowDropDown(true);
}

void TConfiguration::AddAffix(bool prefix, bool from_button) {
  const Combo field = ComboOf(prefix ? kCfg_cmbx_TCItemPrefix : kCfg_cmbx_TCItemSuffix);
  const std::string text = field.Text();
  if (Trim(text).empty()) return;
  std::vector<std::string> items;
  for (int i = 0; i < field.Count(); ++i) items.push_back(field.Item(i));
  field.SetItems(AddAffixItem(items, text));
  field.SetText("");
  AffixTextChanged(prefix);
  if (from_button) field.Focus();
}

void TConfiguration::AffixTextChanged(bool prefix) {
  const std::string text = ComboOf(prefix ? kCfg_cmbx_TCItemPrefix : kCfg_cmbx_TCItemSuffix).Text();
  Button(Control(prefix ? kCfg_btn_AddPrefix : kCfg_btn_AddSuffix)).Enable(!Trim(text).empty());
  Box(prefix ? kCfg_cb_TCItemPrefix : kCfg_cb_TCItemSuffix).SetChecked(!text.empty());
}

void TConfiguration::ReplaceCharChanged() {
  const Edit field(Control(kCfg_Edit_ReplaceChar));
  const std::string text = field.Text();
  const std::string corrected = CorrectReplaceChar(text);
  if (corrected == text) return;
  field.SetText(corrected);
  field.CaretToEnd();
}

void TConfiguration::ThemeChosen() {
  ThemeListOpen_ = false;
  const Combo themes = ComboOf(kCfg_cmbx_WndColor);
  const int index = themes.Selected();
  if (index < 0) return;
  if (std::optional<std::string> name = UserThemeOfEntry(themes.Item(index)))
    values_.user_theme_name = *name;
  Box(kCfg_cb_Theme).SetChecked(true);
  ThemeChecked();
}

void TConfiguration::ThemeChecked() {
  if (Box(kCfg_cb_Theme).Checked() && !Loading_) Box(kCfg_cb_FlatBtn).SetChecked(true);
}

void TConfiguration::FlatButtonsChecked() {
  if (!Box(kCfg_cb_FlatBtn).Checked()) Box(kCfg_cb_Theme).SetChecked(false);
}

void TConfiguration::TransparencyChanged() {
  const Edit field(Control(kCfg_edit_Transparency));
  const std::string text = field.Text();
  const TransparencyField corrected = CorrectTransparency(text);
  Box(kCfg_cb_Transparency).SetChecked(corrected.checked);
  if (corrected.text == text) return;
  field.SetText(corrected.text);
  field.CaretToEnd();
}

void TConfiguration::TransparencyLeft() {
  const Edit field(Control(kCfg_edit_Transparency));
  const std::string text = field.Text();
  const std::string corrected = TransparencyOnLeave(text);
  if (corrected != text) field.SetText(corrected);
}

void TConfiguration::TransparencyClicked() {
  const Edit field(Control(kCfg_edit_Transparency));
  const std::string text = field.Text();
  const std::string corrected = TransparencyOnCheck(Box(kCfg_cb_Transparency).Checked(), text);
  if (corrected != text) field.SetText(corrected);
}

void TConfiguration::MethodChanged() {
  const bool fresh = Box(kCfg_rb_NewMethod).Checked();
  Button(Control(kCfg_cb_FixExtension)).Enable(fresh);
  if (fresh) Box(kCfg_cb_FixExtension).SetChecked(true);
}

void TConfiguration::HistoryChoiceChanged() {
  const bool manual = Box(kCfg_rb_MK_ManualPath).Checked();
  const Edit field(Control(kCfg_edit_MK_manualfile));
  field.Show(manual && page_ == ConfigPage::kAdvanced);
  SetWindowTextA(Control(kCfg_rb_MK_ManualPath),
                 (Text(lng::config::kMkDirHistoryManu) + (manual ? ":" : "")).c_str());
  if (manual && page_ == ConfigPage::kAdvanced && !Loading_) {
    field.Focus();
    field.SelectAll();
  }
}

void TConfiguration::LanguageChosen() {
  LanguageListOpen_ = false;
  const Combo list = ComboOf(kCfg_cb_LanguageSelect);
  const int index = list.Selected();
  if (index < 0) return;
  if (!Loading_) LanguageChanged_ = true;
  SelectedLanguage_ = LanguageOfListEntry(list.Item(index));
  const LanguageTable chosen = LoadLanguageByName(
      {context_.files, context_.resources, context_.program_dir}, SelectedLanguage_);
  SetWindowTextA(Control(kCfg_lbl_translatorDATA), chosen.Text(lng::header::kAuthor).c_str());
  SetWindowTextA(Control(kCfg_lbl_dateDATA), chosen.Text(lng::header::kDate).c_str());
  const std::string contact = Trim(chosen.Text(lng::header::kContact));
  SetWindowTextA(Control(kCfg_lbl_emailDATA), contact.empty() ? "-" : contact.c_str());
}

void TConfiguration::ExtensionFieldChanged() {
  const bool detection = Box(kCfg_cb_IntelliExtDetection).Checked();
  const bool addable = NewExtension(Edit(Control(kCfg_edit_NewExt)).Text()).has_value();
  Button(Control(kCfg_btn_AddNewExt)).Enable(addable && !detection);
  const bool removable = ExtensionCount() > 0 &&
                         ListView_GetNextItem(Control(kCfg_ExtensionList), -1, LVNI_SELECTED) >= 0;
  Button(Control(kCfg_btn_RemoveExt)).Enable(removable && !detection);
}

void TConfiguration::DetectionChecked() {
  const bool enabled = !Box(kCfg_cb_IntelliExtDetection).Checked();
  for (int id : {kCfg_grp_ext, kCfg_lbl_NewExt, kCfg_edit_NewExt})
    EnableWindow(Control(id), enabled ? TRUE : FALSE);
  ExtensionFieldChanged();
}

void TConfiguration::ExtensionRow(int index, const std::string& extension,
                                  const std::string& description) {
  HWND list = Control(kCfg_ExtensionList);
  std::string number = std::to_string(index);
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = number.data();
  SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  std::string texts[] = {extension, description};
  for (int column = 1; column <= 2; ++column) {
    LVITEMA sub = {};
    sub.iSubItem = column;
    sub.pszText = texts[column - 1].data();
    SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&sub));
  }
}

int TConfiguration::ExtensionCount() const {
  return ListView_GetItemCount(Control(kCfg_ExtensionList));
}

std::vector<std::string> TConfiguration::Extensions() const {
  std::vector<std::string> extensions;
  for (int i = 0; i < ExtensionCount(); ++i) {
    char text[MAX_PATH] = {};
    LVITEMA item = {};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(Control(kCfg_ExtensionList), LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
    extensions.push_back(text);
  }
  return extensions;
}

void TConfiguration::AddExtension() {
  const Edit field(Control(kCfg_edit_NewExt));
  const std::optional<std::string> extension = NewExtension(field.Text());
  if (!extension) return;
  const int index = ExtensionCount();
  FilesPage describe(*this);
  ExtensionRow(index, *extension, describe.Description(*extension));
  HWND list = Control(kCfg_ExtensionList);
  ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list, index, FALSE);
  SetFocus(list);
  field.SetText("");
  ExtensionFieldChanged();
}

void TConfiguration::RemoveExtension() {
  HWND list = Control(kCfg_ExtensionList);
  const int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  if (selected < 0) return;
  std::vector<std::string> extensions = Extensions();
  extensions.erase(extensions.begin() + selected);
  // The rows are numbered again, so "#" stays each one's position.
  ListView_DeleteAllItems(list);
  FilesPage describe(*this);
  for (size_t i = 0; i < extensions.size(); ++i)
    ExtensionRow(static_cast<int>(i), extensions[i], describe.Description(extensions[i]));
  ExtensionFieldChanged();
}

void TConfiguration::InsertVariable() {
  if (!context_.choose_variable || !Box(kCfg_rb_CustomName).Checked()) return;
  RECT rect = {};
  GetWindowRect(Control(kCfg_btn_addRep), &rect);
  const std::optional<std::string> token =
      context_.choose_variable(hwnd(), {rect.left, rect.bottom});
  if (!token) return;
  HWND field = EditOf(Control(kCfg_customDirectoryName));
  SetFocus(field);
  Edit(field).ReplaceSelection(*token);
}

// --- Messages ------------------------------------------------------------------------

bool TConfiguration::OnCommand(int id, int code, HWND) {
  const bool clicked = code == BN_CLICKED;
  const auto pick = [this](std::initializer_list<int> group, int chosen) {
    for (int id : group) Box(id).SetChecked(id == chosen);
  };
  switch (id) {
    case kCfg_rb_CurrentTCitem:
    case kCfg_rb_CustomName:
      if (!clicked) return false;
      pick({kCfg_rb_CurrentTCitem, kCfg_rb_CustomName}, id);
      SuggestedNameChanged();
      return true;
    case kCfg_btn_addRep:
      if (clicked) InsertVariable();
      return true;
    case kCfg_cmbx_TCItemPrefix:
    case kCfg_cmbx_TCItemSuffix:
      if (code == CBN_SELCHANGE) {
        const Combo field = ComboOf(id);
        field.SetText(field.Item(field.Selected()));
      }
      if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE)
        AffixTextChanged(id == kCfg_cmbx_TCItemPrefix);
      return true;
    case kCfg_btn_AddPrefix:
    case kCfg_btn_AddSuffix:
      if (clicked) AddAffix(id == kCfg_btn_AddPrefix, true);
      return true;
    case kCfg_cb_TCItemPrefix:
    case kCfg_cb_TCItemSuffix:
      if (clicked && Box(id).Checked() && page_ == ConfigPage::kGeneral) ComboOf(id + 1).Focus();
      return true;
    case kCfg_rb_ShowMsg:
    case kCfg_rb_ReplaceChar:
      if (clicked) pick({kCfg_rb_ShowMsg, kCfg_rb_ReplaceChar}, id);
      return true;
    case kCfg_Edit_ReplaceChar:
      if (code == EN_CHANGE) ReplaceCharChanged();
      return true;
    case kCfg_rb_centerTCwnd:
    case kCfg_rb_centerTCpane:
    case kCfg_rb_centerScreen:
      if (clicked) pick({kCfg_rb_centerTCwnd, kCfg_rb_centerTCpane, kCfg_rb_centerScreen}, id);
      return true;
    case kCfg_cb_FlatBtn:
      if (clicked) FlatButtonsChecked();
      return true;
    case kCfg_cb_Theme:
      if (clicked) ThemeChecked();
      return true;
    case kCfg_cmbx_WndColor:
      if (code == CBN_DROPDOWN) ThemeListOpen_ = true;
      // A closed list changes its choice by keyboard with CBN_SELCHANGE alone.
      if (code == CBN_SELENDOK || code == CBN_SELCHANGE) ThemeChosen();
      if (code == CBN_KILLFOCUS || code == CBN_CLOSEUP) ThemeListOpen_ = false;
      return true;
    case kCfg_cb_Transparency:
      if (clicked) TransparencyClicked();
      return true;
    case kCfg_edit_Transparency:
      if (code == EN_CHANGE && !Loading_) TransparencyChanged();
      if (code == EN_KILLFOCUS) TransparencyLeft();
      return true;
    case kCfg_cb_LanguageSelect:
      if (code == CBN_DROPDOWN) LanguageListOpen_ = true;
      if (code == CBN_SELENDOK || code == CBN_SELCHANGE) LanguageChosen();
      if (code == CBN_KILLFOCUS || code == CBN_CLOSEUP) LanguageListOpen_ = false;
      return true;
    case kCfg_lbl_emailDATA: {
      const std::string contact = Trim(kestrix::Control(Control(id)).Text());
      if (code == STN_CLICKED && contact != "-" && !contact.empty())
        CopyToClipboard(hwnd(), contact);
      return true;
    }
    case kCfg_lnk_languages:
    case kCfg_lnk_translate:
      if (code == STN_CLICKED)
        OpenUserGuideSection(hwnd(),
                             id == kCfg_lnk_languages ? kGuideLanguages : kGuideTranslating);
      return true;
    case kCfg_rb_OriginalMethod:
    case kCfg_rb_NewMethod:
      if (!clicked) return false;
      pick({kCfg_rb_OriginalMethod, kCfg_rb_NewMethod}, id);
      MethodChanged();
      return true;
    case kCfg_rb_MK_UtilityChosen:
    case kCfg_rb_MK_ManualPath:
      if (!clicked) return false;
      pick({kCfg_rb_MK_UtilityChosen, kCfg_rb_MK_ManualPath}, id);
      HistoryChoiceChanged();
      return true;
    case kCfg_cb_IntelliExtDetection:
      if (clicked) DetectionChecked();
      return true;
    case kCfg_edit_NewExt:
      if (code == EN_CHANGE) ExtensionFieldChanged();
      return true;
    case kCfg_btn_AddNewExt:
      if (clicked) AddExtension();
      return true;
    case kCfg_btn_RemoveExt:
      if (clicked) RemoveExtension();
      return true;
    case kCfg_Button1:
      if (clicked) context_.message(Text(lng::errors::kFutureVersion), kMbOk);
      return true;
  }
  return false;
}

LRESULT TConfiguration::OnNotify(const NMHDR& header) {
  if (header.idFrom == kCfg_tabs && header.code == TCN_SELCHANGE)
    ShowPage(static_cast<ConfigPage>(TabCtrl_GetCurSel(header.hwndFrom)));
  if (header.idFrom == kCfg_ExtensionList && header.code == LVN_ITEMCHANGED)
    ExtensionFieldChanged();
  return 0;
}

void TConfiguration::OnOk() {
  // Ctrl+Enter in a prefix or suffix field adds its text to the list instead.
  HWND focus = GetFocus();
  for (int id : {kCfg_cmbx_TCItemPrefix, kCfg_cmbx_TCItemSuffix})
    if (focus != nullptr && GetParent(focus) == Control(id) && CtrlAlone()) {
      AddAffix(id == kCfg_cmbx_TCItemPrefix, false);
      return;
    }
  Dialog::OnOk();
}

void TConfiguration::OnCancel() {
  // Escape first closes an open list.
  for (int id : {kCfg_cmbx_TCItemPrefix, kCfg_cmbx_TCItemSuffix, kCfg_customDirectoryName,
                 kCfg_cmbx_WndColor, kCfg_cb_LanguageSelect}) {
    const Combo combo = ComboOf(id);
    if (combo.DroppedDown()) {
      combo.ShowDropDown(false);
      ThemeListOpen_ = LanguageListOpen_ = false;
      return;
    }
  }
  if (ThemeListOpen_ || LanguageListOpen_) {
    ThemeListOpen_ = LanguageListOpen_ = false;
    return;
  }
  Dialog::OnCancel();
}

// The language is read again on every activation.
void TConfiguration::OnActivate() {
  if (!context_.language) return;
  language_ = context_.language();
  ApplyCaptions();
}

LRESULT TConfiguration::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CTLCOLORSTATIC: {
      HWND control = reinterpret_cast<HWND>(lparam);
      const int id = GetDlgCtrlID(control);
      if (id == kCfg_lnk_languages || id == kCfg_lnk_translate ||
          (id == kCfg_lbl_emailDATA && kestrix::Control(control).Text() != "-")) {
        HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, kLinkColor);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    }
    case WM_DESTROY:
      if (link_font_ != nullptr) DeleteObject(link_font_);
      link_font_ = nullptr;
      break;
  }
  return Dialog::HandleMessage(message, wparam, lparam);
}

LRESULT TConfiguration::KeyHook::OnMessage(HWND control, UINT message, WPARAM wparam,
                                           LPARAM lparam) {
  TConfiguration& d = dialog_;
  if (message != WM_KEYDOWN && message != WM_CHAR)
    return DefaultHandling(control, message, wparam, lparam);
  HWND owner = GetParent(control) == d.hwnd() ? control : GetParent(control);
  const int id = GetDlgCtrlID(owner);
  const bool prefix = id == kCfg_cmbx_TCItemPrefix;
  ConfigKeyContext context;
  if (prefix || id == kCfg_cmbx_TCItemSuffix) {
    context.field = ConfigField::kAffix;
    context.list_item_open = [owner] {
      const Combo combo(owner);
      return combo.DroppedDown() && combo.Selected() >= 0;
    };
  } else if (id == kCfg_customDirectoryName || id == kCfg_edit_Transparency ||
             id == kCfg_Edit_ReplaceChar) {
    context.field = ConfigField::kSelectAll;
  }
  context.general_page = d.page_ == ConfigPage::kGeneral;
  const KeyPress press{static_cast<uint16_t>(wparam), (GetKeyState(VK_CONTROL) & 0x8000) != 0,
                       (GetKeyState(VK_SHIFT) & 0x8000) != 0, (GetKeyState(VK_MENU) & 0x8000) != 0};
  switch (DecideConfigKey(press, message == WM_CHAR, context)) {
    case ConfigKeyAction::kPassOn:
      break;
    case ConfigKeyAction::kDeleteListItem: {
      const Combo combo(owner);
      SendMessageA(owner, CB_DELETESTRING, static_cast<WPARAM>(combo.Selected()), 0);
      combo.SetText("");
      d.AffixTextChanged(prefix);
      return 0;
    }
    case ConfigKeyAction::kAddAffix:
      d.AddAffix(prefix, false);
      return 0;
    case ConfigKeyAction::kInsertVariable:
      d.InsertVariable();
      return 0;
    case ConfigKeyAction::kSelectAll:
      Edit(control).SelectAll();
      return 0;
    case ConfigKeyAction::kSwallow:
      return 0;
  }
  return DefaultHandling(control, message, wparam, lparam);
}

}  // namespace kestrix
