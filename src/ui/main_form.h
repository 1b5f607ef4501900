#pragma once
// The main window Ttc_KestrixForm: the name field and the list, the three modes, the
// options and the keys. Its parts own their state: the controls and what they show
// (ControlSet), the batch group, the attribute image, the variables popup and the look.
// Handlers carry the names of the design; what they decide comes from the portable rules
// (app/mode_rules.h, app/key_commands.h, app/subdir_lines.h, create/batch_list.h, names/*).
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/key_commands.h"
#include "app/launch_decision.h"
#include "app/mode_rules.h"
#include "create/attribute_editor.h"
#include "create/batch_list.h"
#include "create/creation_run.h"
#include "create/dir_attributes.h"
#include "create/dir_history.h"
#include "create/history_undo.h"
#include "host/host_commands.h"
#include "host/host_focus_win32.h"
#include "host/host_snapshot.h"
#include "names/intelligent_selection.h"
#include "names/replacements.h"
#include "names/template_list.h"
#include "platform/code_page.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/modifier_keys.h"
#include "platform/win32/windows_api.h"
#include "platform/window_system.h"
#include "settings/configuration.h"
#include "settings/language_table.h"
#include "settings/settings.h"
#include "settings/settings_model.h"
#include "settings/themes.h"
#include "ui/attribute_image.h"
#include "ui/batch_group.h"
#include "ui/control_ids.h"
#include "ui/control_set.h"
#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/dpi_win32.h"
#include "ui/form.h"
#include "ui/form_look.h"
#include "ui/frameless_paint.h"
#include "ui/messages.h"
#include "ui/name_history.h"
#include "ui/name_list_sources_win32.h"
#include "ui/tree_preview.h"
#include "ui/variables_menu.h"

namespace kestrix {

struct MainFormServices {
  WindowSystem& windows;
  FileSystem& files;
  Environment& environment;
  std::string exe_path;
  ErrorLogger& logger;
  // The expansion's sources.
  VariablePlatform& variables;
  CodePage& code_page;
  MessageBoxes& message_boxes;
  ModifierKeys& modifier_keys;
  // Where the interface language comes from (CurrentLng, "/LNG=" among `args`).
  Resources& resources;
  std::vector<std::string> args;
};

class Ttc_KestrixForm : public Form {
 public:
  // The controls made with the window, and those made when first needed.
  enum class ControlGroup { kWindow, kBatch, kFlatPush, kPathEditor };

  Ttc_KestrixForm(StartupValues& app, MainFormServices services);
  ~Ttc_KestrixForm() override;

  // Creates the window and runs FormCreate; false when the program must end without
  // showing it (no host window, an archive in the host, or no window at all).
  bool Create(HINSTANCE instance);
  void Show(int show_command);

  // A control by its id (tests and the message handlers).
  HWND Control(int id) const { return controls_[id]; }
  // The edit inside the combo box MkDir, which receives the keys typed into it.
  HWND MkDirEdit() const { return mkdir_edit_; }
  MainMode Mode() const { return mode_; }
  const std::vector<int>& WordStops() const { return WordStops_; }
  // The variables popup as it was built last (tests read its items).
  HMENU VariablesMenu() const { return variables_menu_.Menu(); }
  // Builds the variables popup as btn_addRep does, without showing it.
  void PrepareVariablesMenu();
  void InsertVariable(const std::string& token);
  // Loads a name-list file: with `browse` through the open-file dialog starting in `path`,
  // else the file at `path` itself.
  void ShowOpenDialogAndLoadFile(const std::string& path, bool browse);
  // The owner-drawn button behind a control id; nullptr for other controls.
  const FlatButton* FlatControl(int id) const { return look_.FlatControl(id); }
  // A mouse message from the queue, for the tooltips of the window's controls.
  void RelayMouse(const MSG& msg) { look_.RelayMouse(msg); }
  // The language in use, as LoadLanguage chose it.
  const LoadedLanguage& Language() const { return language_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  class View : public SnapshotView {
   public:
    explicit View(Ttc_KestrixForm& form) : form_(form) {}
    void ShowCurrentPath(const std::string& shortened) override;
    std::string NameText() override;
    void SetNameText(const std::string& text) override;
    void ShowTextFileItem(const std::string& name) override;
    void RefreshDone() override;
    void Terminate() override;

   private:
    Ttc_KestrixForm& form_;
  };
  class RunView;
  // Keys and clicks of every control that can hold the focus.
  class InputHook : public Window {
   public:
    explicit InputHook(Ttc_KestrixForm& form) : Window(kMainWindowClass), form_(form) {}
    using Window::Subclass;

   protected:
    LRESULT OnMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) override;

   private:
    Ttc_KestrixForm& form_;
  };

  // Lifecycle (main_form.cpp).
  bool FormCreate();
  void FormShow();
  void FormActivate();
  bool FormCloseQuery();
  void FormDestroy();
  void LoadStartupSettings();
  void PlaceWindow();
  void CenterOnHost(int extra_up);
  const LanguageTable& Lang() const { return language_.table; }
  std::string Text(const LanguageKey& key) const { return Lang().Text(key); }

  // Controls and layout (main_form_controls.cpp).
  void CreateControls();
  std::vector<HWND> CreateControlsOf(ControlGroup group);
  void HookKeys(const std::vector<HWND>& controls);
  void EnsureBatchControls();
  void EnsureFlatPushButtons();
  void EnsurePathEditor();
  void MakeLateControls(ControlGroup group);
  void ApplyCaptions();
  // The captions of the options and batch groups, which the window paints.
  void SetGroupCaptions(const std::string& additional, const std::string& batch);
  // The divider and the groups' frames where the last layout put them.
  FormLook::Decorations Decorations() const;
  bool BatchControlsMade() const { return Control(kId_edit_from) != nullptr; }
  void RelayoutForMode(bool normal);
  LayoutOutput LayoutFor(bool normal) const;

  // Modes and change handlers (main_form_modes.cpp).
  void ChangeToNormal();
  void ChangeToExt();
  void btn_BatchDirClick();
  void TurnOffBatchMode();
  void MkDirChange(const std::string& text);
  // The text of the name field or of the list may have changed: its change handler runs
  // when it did.
  void InputMayHaveChanged(HWND input);
  void MkDirExtChange();
  // The change handler of the visible input field.
  void RerunPreview();
  std::string ApplyAutoEnable(const std::string& text, const std::string& shown);
  bool DirExists(const std::string& path, const std::string& name);
  void ShowOkState(std::optional<bool> enter, std::optional<bool> enabled);
  void ShowPreview(const std::string& text);
  std::string FileMarked(const std::string& text, const std::string& preview);
  void btn_okClick();
  // The preview's character clean-up of `text` with the settings read at activation.
  std::string CleanedPreview(const std::string& text, bool normal_mode) const;
  void ProcessTextModifier(const char* function_name);
  // The list control shows `text`; its change handler runs when that is a change.
  std::string ListText() const;
  void SetListText(const std::string& text);
  HWND VisibleInput() const;
  // Focuses `input` (the name field's edit for the name field) unless it has the focus.

  // Name lists, history and user applications (main_form_lists.cpp).
  void AcceptFiles(HDROP drop);
  // Ctrl+V in MkDir; whether the key is consumed.
  bool PasteIntoName();
  void btn_loadFromFileClick();

  // Refresh, path editing and application activation (main_form_host.cpp).
  void OpenPathEditing();
  void edit_curdirnameChange();
  void CheckAndTurnOffPathEditing();

  // Keys, menus and templates (main_form_input.cpp).
  bool InputKeyDown(HWND control, WPARAM key, LPARAM lparam);
  // `key_consumed`: the character's key-down was consumed by InputKeyDown.
  bool InputChar(HWND control, WPARAM ch, bool key_consumed);
  void RunKeyAction(KeyAction action, HWND control);
  void AddSubdirLine(HWND control);
  void RunIntelligentSelection(HWND control);
  void btn_optionsClick();
  void img_ChangeDirAttribClick();
  void FillTemplates();
  void cmbox_TemplatesChange();

  // The name engine's dialogs and the Load menu's structures (main_form_dialogs.cpp).
  int RunOwnDialog(Dialog& dialog, HWND owner);
  std::optional<std::string> ChooseVariable(HWND owner, POINT at);
  void ManageTemplatesClick();
  void NewApp1Click(HWND owner);
  void DiscoverStructures();
  std::string FocusedFolder() const;
  void ToggleStructureClearList();
  void InsertIntoList(const std::string& lines);
  void uStructClick(int number);
  void CopyFolderStructureClick(const std::string& folder);

  void LoadLanguage();

  // The configuration and About dialogs (main_form_config.cpp).
  void ShowConfiguration();
  void ShowAbout();
  // Shows or hides the tree preview and remembers the choice in the settings file.
  void ShowTreePreview(bool shown);
  // What the tree preview plans from: the texts and options as OK would read them.
  PlanInput TreePreviewInput();
  void ApplyConfiguration(const ConfigurationValues& values);
  LanguageTable CurrentLanguageTable();

  StartupValues& app_;
  MainFormServices services_;
  View view_;
  HINSTANCE instance_ = nullptr;
  ControlSet controls_{kId_lbl_s_newfolder};
  HWND mkdir_edit_ = nullptr;

  // The settings file: loaded at creation and activation, read and written only here.
  SettingsModel settings_;
  const StartupSettings& startup_ = settings_.Startup();
  const ActivationSettings& activation_ = settings_.Activation();
  // The ReplaceChars values of the settings file, read at most once per activation.
  std::function<std::string(const std::string& key)> replace_chars_;
  std::optional<std::string> last_variable_error_;
  // What the controls were last laid out for.
  struct LayoutKey {
    bool normal, batch, batch_made;
    LONG_PTR style, ex_style;
    bool operator==(const LayoutKey&) const = default;
  };
  std::optional<LayoutKey> laid_out_;
  LayoutOutput layout_ = {};
  std::string additional_caption_, batch_caption_;
  HostMethodFlags flags_;
  AffixSettings affixes_;
  Win32HostFocus focus_;
  std::optional<HostCommands> commands_;
  std::optional<HostSnapshotReader> snapshot_;
  bool terminated_ = false;

  // Window state: the mode and the texts the window shows, held as values.
  MainMode mode_ = MainMode::kNormal;
  std::string last_name_text_;
  std::string last_list_text_;
  std::string shown_path_;
  std::optional<std::string> preview_follows_;  // the path the preview was placed after
  TextSelection SavedSelection_;
  bool RecenterPending_ = false;
  std::vector<int> WordStops_;
  WordCursor SelectionCursor_;
  bool ReplacementsArmed_ = true;
  std::vector<std::string> UserAppIds_;
  bool TemplateListOpen_ = false;
  std::vector<std::string> StructureList_;
  SelectFileMenu select_file_menu_;
  // One of our own dialogs is closing: the activation keeps the mode it leaves.
  bool OwnDialogReturn_ = false;
  int SubdirCounter_ = 0;
  bool LiveTimerRunning_ = false;
  bool CreationRunning_ = false;
  // Activation: FormActivate runs on the first show and on returns from our own dialogs.
  bool activated_once_ = false;
  bool returning_from_other_app_ = false;
  HWND focus_before_switch_ = nullptr;
  // The scan code (with the extended-key bit) of the last key-down a key rule consumed,
  // until its character arrives; -1 when none is awaited.
  int ConsumedKey_ = -1;
  // The input whose own notification reported a change while one of its messages was
  // handled.
  HWND ChangeReported_ = nullptr;
  std::vector<BuiltInTemplate> built_in_templates_;
  std::string app_title_ = "Total Commander Kestrix";

  // The parts.
  LoadedLanguage language_;
  PendingLanguage pending_language_;
  FormLook look_;
  BatchGroup batch_;
  AttributeImageControl image_{&services_.logger};
  VariablesPopup variables_menu_;
  NameHistory history_{
      controls_, services_.files, services_.environment, services_.code_page, [this] {
        return HistoryPlaces{app_.CommanderIni, ProgramDirOf(services_.exe_path),
                             ExecutableBaseName(services_.exe_path), startup_.mkdir_history_file};
      }};
  InputHook input_hook_{*this};
  TreePreview tree_preview_{
      {services_.files, [this] { return TreePreviewInput(); },
       [this](const std::string& t) { return services_.environment.Expand(t); },
       [this](const std::string& t) { return Replacements(t, services_.variables, UserAppIds_); },
       [this]() -> const LanguageTable& { return Lang(); }}};
  FramelessPaint frameless_paint_;
};

// The input mode the portable rules know for a mode of the window.
inline InputMode InputModeOf(MainMode mode) {
  return mode == MainMode::kNormal ? InputMode::kNormal : InputMode::kExtended;
}

}  // namespace kestrix
