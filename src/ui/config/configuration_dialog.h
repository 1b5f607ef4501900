#pragma once
// ConfigurationDialog: the settings dialog of the main window. Five pages on a tab control; each
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
#include "window/control_id.h"
#include "window/controls.h"
#include "window/dialog.h"

namespace kestrix {

// Every control of the dialog has a fixed id, so tests find it by name. The pages' ranges
// decide which controls a tab shows.
enum class ConfigControl : int {
  kTabs = 3000,
  kFirstGeneral,
  kSuggestedGroup = kFirstGeneral,
  kHostItemOption,
  kCustomNameOption,
  kCustomNameBox,
  kVariablesButton,
  kAffixGroup,
  kPrefixCheck,
  kPrefixBox,
  kAddPrefixButton,
  kSuffixCheck,
  kSuffixBox,
  kAddSuffixButton,
  kInvalidGroup,
  kShowMessageOption,
  kReplaceCharOption,
  kReplaceCharField,
  kFirstWindow,
  kPositionGroup = kFirstWindow,
  kCenterHostOption,
  kCenterPanelOption,
  kCenterScreenOption,
  kLookGroup,
  kFlatButtonsCheck,
  kThemeCheck,
  kColorBox,
  kTransparencyCheck,
  kTransparencyField,
  kTransparencySpin,
  kFocusHostCheck,
  kFirstLanguage,
  kLanguageGroup = kFirstLanguage,
  kLanguageBox,
  kTranslatorLabel,
  kTranslatorValue,
  kDateLabel,
  kDateValue,
  kEmailLabel,
  kEmailValue,
  kLanguagesLink,
  kTranslateLink,
  kFirstAdvanced,
  kMethodGroup = kFirstAdvanced,
  kMethodLabel,
  kOriginalMethodOption,
  kNewMethodOption,
  kFixExtensionCheck,
  kHistoryGroup,
  kHistoryAutoOption,
  kHistoryManualOption,
  kHistoryFileField,
  kReplaceGroup,
  kReplaceCharsMemo,
  kFirstFiles,
  kFilesGroup = kFirstFiles,
  kFileCreationCheck,
  kDetectExtensionCheck,
  kExtensionGroup,
  kExtensionList,
  kNewExtensionLabel,
  kNewExtensionField,
  kAddExtensionButton,
  kRemoveExtensionButton,
  kContentButton,
  kEnd,
};
template <>
inline constexpr bool kIsControlEnum<ConfigControl> = true;

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

class ConfigurationDialog : public Dialog {
 public:
  explicit ConfigurationDialog(ConfigurationContext context);
  ~ConfigurationDialog() override;

  // After IDOK: the values written.
  const ConfigurationValues& Values() const { return site_.values; }
  HWND Control(ControlId id) const { return ::kestrix::Item(hwnd(), id); }
  ConfigPage ActivePage() const { return site_.page; }

 protected:
  bool OnInit() override;
  void OnLoaded() override;
  bool OnSaved() override;
  bool OnCommand(ControlId id, int code, HWND control) override;
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
  ConfigurationPage* PageOwning(ControlId id) const;

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
