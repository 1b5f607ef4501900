#pragma once
// TConfiguration: the settings dialog of the main window. Five pages on a tab control; each
// page shows its part of ConfigurationValues and takes it back on OK, when what differs
// from what the pages showed is written to the settings file in one go. A file that cannot
// be read opens no dialog. The pages (ui/configuration_pages.h) own their controls and
// commands; the dialog holds the tabs, OK and Cancel, and routes each control's messages to
// the page that owns it.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "settings/configuration.h"
#include "settings/language_table.h"
#include "window/control_hook.h"
#include "window/controls.h"
#include "window/dialog.h"

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
  CodePage& code_page;  // decodes the built-in languages and ANSI language files
  std::string settings_path;
  std::string program_dir;  // no trailing "\"
  // The interface language as it is now: asked again at every activation.
  std::function<LanguageTable()> language;
  VariableChooser choose_variable;
  // Shows a message (a settings file that cannot be read or written, the future function)
  // with MessageBoxes flags.
  std::function<void(const std::string& text, uint32_t flags)> message;
};

// What the dialog and its pages share.
struct ConfigPageSite {
  explicit ConfigPageSite(ConfigurationContext& owner) : context(owner) {}
  ConfigurationContext& context;
  HWND dialog = nullptr;
  LanguageTable language;
  ConfigurationValues values;
  ConfigPage page = ConfigPage::kGeneral;  // the page shown
  // While the pages show the stored values: the rules that react to the user stay quiet.
  bool loading = false;
  std::vector<std::string> user_templates;  // the custom name's list offers them
  std::vector<std::string> user_themes;
};

class ConfigurationPage;
class GeneralPage;

class TConfiguration : public Dialog {
 public:
  explicit TConfiguration(ConfigurationContext context);
  ~TConfiguration() override;

  // After IDOK: the values written.
  const ConfigurationValues& Values() const { return site_.values; }
  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }
  ConfigPage ActivePage() const { return site_.page; }

 protected:
  bool OnInit() override;
  void OnLoaded() override;
  bool OnSaved() override;
  bool OnCommand(int id, int code, HWND control) override;
  LRESULT OnNotify(const NMHDR& header) override;
  void OnOk() override;
  void OnCancel() override;
  void OnActivate() override;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  // Keys the fields need before the dialog sees them: Ctrl+H, Ctrl+A, Ctrl+Enter.
  std::optional<LRESULT> FieldKey(HWND control, UINT message, WPARAM wparam);

  bool ReadSettings();
  void CreatePages();
  void ApplyCaptions();
  void ShowPage(ConfigPage page);
  ConfigurationPage* PageOwning(int id) const;

  ConfigurationContext context_;
  ConfigPageSite site_{context_};
  ConfigurationValues shown_;  // the values as the pages showed them when loaded
  std::vector<std::unique_ptr<ConfigurationPage>> page_objects_;
  GeneralPage* general_ = nullptr;
  ControlHook key_hook_{kConfigurationClass,
                        [this](HWND control, UINT message, WPARAM wparam, LPARAM) {
                          return FieldKey(control, message, wparam);
                        }};
};

}  // namespace kestrix
