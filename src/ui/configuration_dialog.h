#pragma once
// TConfiguration: the settings dialog of the main window. Five pages on a tab control; each
// page shows its part of ConfigurationValues and takes it back on OK, when what differs
// from what the pages showed is written to the settings file in one go. A file that cannot
// be read opens no dialog. The rules that keep the fields consistent while the user edits
// live in settings/configuration.h; this file wires them to the controls.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "settings/configuration.h"
#include "settings/language_table.h"
#include "ui/controls.h"
#include "ui/dialog.h"

namespace kestrix {

// Every control of the dialog has a fixed id, so tests find it by name. The pages' ranges
// decide which controls a tab shows.
enum ConfigControlId : int {
  kCfg_tabs = 3000,
  kCfg_FirstGeneral,
  kCfg_grp_suggested = kCfg_FirstGeneral,
  kCfg_rb_CurrentTCitem,
  kCfg_rb_CustomName,
  kCfg_customDirectoryName,
  kCfg_btn_addRep,
  kCfg_grp_affix,
  kCfg_cb_TCItemPrefix,
  kCfg_cmbx_TCItemPrefix,
  kCfg_btn_AddPrefix,
  kCfg_cb_TCItemSuffix,
  kCfg_cmbx_TCItemSuffix,
  kCfg_btn_AddSuffix,
  kCfg_grp_invalid,
  kCfg_rb_ShowMsg,
  kCfg_rb_ReplaceChar,
  kCfg_Edit_ReplaceChar,
  kCfg_FirstWindow,
  kCfg_grp_position = kCfg_FirstWindow,
  kCfg_rb_centerTCwnd,
  kCfg_rb_centerTCpane,
  kCfg_rb_centerScreen,
  kCfg_grp_look,
  kCfg_cb_FlatBtn,
  kCfg_cb_Theme,
  kCfg_cmbx_WndColor,
  kCfg_cb_Transparency,
  kCfg_edit_Transparency,
  kCfg_ud_Transparency,
  kCfg_cb_FocusTC,
  kCfg_FirstLanguage,
  kCfg_grp_language = kCfg_FirstLanguage,
  kCfg_cb_LanguageSelect,
  kCfg_lbl_translator,
  kCfg_lbl_translatorDATA,
  kCfg_lbl_date,
  kCfg_lbl_dateDATA,
  kCfg_lbl_email,
  kCfg_lbl_emailDATA,
  kCfg_lnk_languages,
  kCfg_lnk_translate,
  kCfg_FirstAdvanced,
  kCfg_grp_method = kCfg_FirstAdvanced,
  kCfg_lbl_method,
  kCfg_rb_OriginalMethod,
  kCfg_rb_NewMethod,
  kCfg_cb_FixExtension,
  kCfg_grp_history,
  kCfg_rb_MK_UtilityChosen,
  kCfg_rb_MK_ManualPath,
  kCfg_edit_MK_manualfile,
  kCfg_grp_replace,
  kCfg_memo_ReplaceChars,
  kCfg_FirstFiles,
  kCfg_grp_files = kCfg_FirstFiles,
  kCfg_cb_EnableFileCreation,
  kCfg_cb_IntelliExtDetection,
  kCfg_grp_ext,
  kCfg_ExtensionList,
  kCfg_lbl_NewExt,
  kCfg_edit_NewExt,
  kCfg_btn_AddNewExt,
  kCfg_btn_RemoveExt,
  kCfg_Button1,
  kCfg_End,
};

inline constexpr char kConfigurationClass[] = "TConfiguration";

struct ConfigurationContext {
  FileSystem& files;
  Resources& resources;
  std::string settings_path;
  std::string program_dir;  // no trailing "\"
  // The interface language as it is now: asked again at every activation.
  std::function<LanguageTable()> language;
  VariableChooser choose_variable;
  // Shows a message (a settings file that cannot be read or written, the future function)
  // with MessageBoxes flags.
  std::function<void(const std::string& text, uint32_t flags)> message;
};

class TConfiguration : public Dialog {
 public:
  explicit TConfiguration(ConfigurationContext context);

  // After IDOK: the values written.
  const ConfigurationValues& Values() const { return values_; }
  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }
  ConfigPage ActivePage() const { return page_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  LRESULT OnNotify(const NMHDR& header) override;
  void OnOk() override;
  void OnCancel() override;
  void OnActivate() override;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  class GeneralPage;
  class WindowPage;
  class LanguagePage;
  class AdvancedPage;
  class FilesPage;
  class Writer;
  // Keys the fields need before the dialog sees them: Ctrl+H, Ctrl+A, Ctrl+Enter.
  class KeyHook : public Window {
   public:
    explicit KeyHook(TConfiguration& dialog) : Window(kConfigurationClass), dialog_(dialog) {}
    using Window::Subclass;

   protected:
    LRESULT OnMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) override;

   private:
    TConfiguration& dialog_;
  };

  void CreateControls();
  void ApplyCaptions();
  void ShowPage(ConfigPage page);
  HWND Add(const char* class_name, DWORD style, int id, int x, int y, int width, int height,
           DWORD ex_style = 0);
  Check Box(int id) const { return Check(Control(id)); }
  Combo ComboOf(int id) const { return Combo(Control(id)); }
  std::string Text(const LanguageKey& key) const { return language_.Text(key); }

  // The rules.
  void SuggestedNameChanged();
  void AddAffix(bool prefix, bool from_button);
  void AffixTextChanged(bool prefix);
  void ReplaceCharChanged();
  void ThemeChosen();
  void ThemeChecked();
  void FlatButtonsChecked();
  void TransparencyChanged();
  void TransparencyLeft();
  void TransparencyClicked();
  void MethodChanged();
  void HistoryChoiceChanged();
  void LanguageChosen();
  void ExtensionFieldChanged();
  void AddExtension();
  void RemoveExtension();
  void DetectionChecked();
  void InsertVariable();
  void ExtensionRow(int index, const std::string& extension, const std::string& description);
  std::vector<std::string> Extensions() const;
  int ExtensionCount() const;

  ConfigurationContext context_;
  LanguageTable language_;
  ConfigurationValues values_;
  ConfigurationValues shown_;  // the values as the pages showed them when loaded
  ConfigPage page_ = ConfigPage::kGeneral;
  bool Loading_ = false;
  bool ThemeListOpen_ = false;
  bool LanguageListOpen_ = false;
  bool LanguageChanged_ = false;
  std::string SelectedLanguage_;
  std::vector<std::string> user_themes_;
  KeyHook key_hook_{*this};
  HFONT link_font_ = nullptr;
  std::vector<std::unique_ptr<DialogPage>> page_objects_;
};

}  // namespace kestrix
