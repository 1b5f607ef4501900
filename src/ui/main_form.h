#pragma once
// The main window Ttc_KestrixForm: the name field and the list, the three modes, the
// options, the batch group and the keys. Handlers carry the names of the design; what
// they decide comes from the portable rules (app/mode_rules.h, app/key_commands.h,
// app/subdir_lines.h, create/batch_list.h, names/*).
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
#include "settings/language_table.h"
#include "settings/settings.h"
#include "settings/themes.h"
#include "ui/appearance_win32.h"
#include "ui/attribute_menu_win32.h"
#include "ui/control_ids.h"
#include "ui/controls.h"
#include "ui/dpi_win32.h"
#include "ui/flat_button_win32.h"
#include "ui/form.h"
#include "ui/messages.h"
#include "ui/name_list_sources_win32.h"
#include "ui/variables_menu.h"

namespace kestrix {

struct MainFormServices {
  WindowSystem& windows;
  FileSystem& files;
  Environment& environment;
  std::string exe_path;
  ErrorLogger* logger = nullptr;
  // The expansion's sources; without them the preview shows the text unexpanded.
  VariablePlatform* variables = nullptr;
  // The interface language; English defaults when none is given.
  const LanguageTable* language = nullptr;
  // What the creation run needs besides the above; without them OK does nothing.
  CodePage* code_page = nullptr;
  MessageBoxes* message_boxes = nullptr;
  ModifierKeys* modifier_keys = nullptr;
  // Where the interface language comes from: with them the window loads its own language
  // (CurrentLng, "/LNG=" among `args`) and `language` is ignored.
  Resources* resources = nullptr;
  std::vector<std::string> args;
};

class Ttc_KestrixForm : public Form {
 public:
  Ttc_KestrixForm(StartupValues& app, MainFormServices services);
  ~Ttc_KestrixForm() override;

  // Creates the window and runs FormCreate; false when the program must end without
  // showing it (no host window, an archive in the host, or no window at all).
  bool Create(HINSTANCE instance);
  void Show(int show_command);

  // A control by its id (tests and the message handlers).
  HWND Control(int id) const;
  // The edit inside the combo box MkDir, which receives the keys typed into it.
  HWND MkDirEdit() const { return mkdir_edit_; }
  MainMode Mode() const;
  bool BatchModeActive() const { return BatchModeActive_; }
  const std::vector<int>& WordStops() const { return WordStops_; }
  // The variables popup as it was built last (tests read its items).
  HMENU VariablesMenu() const { return variables_menu_.Menu(); }
  // Builds the variables popup as btn_addRepClick does, without showing it.
  void PrepareVariablesMenu();
  void InsertVariable(const std::string& token);
  // Loads a name-list file: with `browse` through the open-file dialog starting in `path`,
  // else the file at `path` itself.
  void ShowOpenDialogAndLoadFile(const std::string& path, bool browse);
  // The owner-drawn button behind a control id; nullptr for other controls.
  const FlatButton* FlatControl(int id) const;
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
  // The pointer over the quick buttons and the two hover labels.
  class HoverHook : public Window {
   public:
    explicit HoverHook(Ttc_KestrixForm& form) : Window(kMainWindowClass), form_(form) {}
    using Window::Subclass;

   protected:
    LRESULT OnMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) override;

   private:
    Ttc_KestrixForm& form_;
  };
  // img_ChangeDirAttrib draws the glyph of its state (normal, hovered, field open).
  class AttributeImageHook : public Window {
   public:
    explicit AttributeImageHook(Ttc_KestrixForm& form) : Window(kMainWindowClass), form_(form) {}
    using Window::Subclass;

   protected:
    LRESULT OnMessage(HWND image, UINT message, WPARAM wparam, LPARAM lparam) override;

   private:
    Ttc_KestrixForm& form_;
  };

  // Lifecycle (main_form.cpp).
  bool FormCreate();
  void FormShow();
  void FormActivate();
  bool FormCloseQuery();
  void FormClose();
  void FormDestroy();
  LRESULT HostReply(LPARAM lparam);
  void ApplyStartupSettings();
  void PlaceWindow();
  void CenterOnHost(int extra_up);
  std::string Text(const char* section, const char* key, const char* english) const;

  // Controls and layout (main_form_controls.cpp).
  void CreateControls(HINSTANCE instance);
  void ApplyCaptions();
  void RelayoutForMode(bool normal);
  void MoveControl(int id, int x, int y);
  RECT ControlRect(int id) const;
  void LockControl(int id, bool lock);

  // Modes and change handlers (main_form_modes.cpp).
  void ChangeToNormal();
  void ChangeToExt();
  void btn_extendedClick();
  void btn_BatchDirClick();
  void TurnOffBatchMode();
  void MkDirChange();
  // The name field's text may have changed: MkDirChange when it did.
  void NameMayHaveChanged();
  // Likewise for the list: MkDirExtChange when its text changed.
  void ListMayHaveChanged();
  void MkDirExtChange();
  // The change handler of the visible input field.
  void RerunPreview();
  void ApplyAutoEnable(const std::string& text);
  bool DirExists(const std::string& path);
  void SetModeTitle(InputMode mode);
  void SetOkCaption(bool enter);
  void SetOkEnabled(bool enabled);
  bool OkEnabled() const;
  void ShowPreview(const std::string& text);
  void option_Click(int id);
  void ApplyInitialMode(int initial_mode, bool window_extended);
  void LiveReplacementsTimer();
  void btn_okClick();
  void ProcessTextModifier(const char* function_name);

  // Attributes (main_form_attributes.cpp).
  // Left click on img_ChangeDirAttrib and Ctrl+Q.
  void img_ChangeDirAttribClick();
  // Right click on img_ChangeDirAttrib and Ctrl+Shift+Q.
  void OpenAttributeLetters();
  void AttachAttributeField();
  void edit_AttribChange();
  bool PaintAttributeImage(HWND image);
  void AttributePointer(bool entered);

  // Name lists, history and user applications (main_form_lists.cpp).
  void AcceptFiles(HDROP drop);
  // Ctrl+V in MkDir; whether the key is consumed.
  bool PasteIntoName();
  void PlaceLoadedNames(const LoadedNames& names);
  void btn_loadFromFileClick();
  void LoadFromFileKey();
  void ListCaretToEnd();
  HistoryPlaces HistoryPlacesNow() const;
  void LoadMkDirHistory();
  bool MkDirHistoryEmpty() const;
  void MkDirKeyDown(WPARAM key);
  // Key releases, the wheel and right clicks that reach the subclassed controls.
  void InputMouseOrKeyUp(HWND control, UINT message);
  void MkDirSelect();
  // The drop-down opens (`opening`) or closes.
  void MkDirDropDown(bool opening);
  void btn_undoClick();
  void DiscoverUserApplications();

  // Refresh, path editing and application activation (main_form_host.cpp).
  void lbl_s_newfolderClick();
  void AfterRefresh();
  void OpenPathEditing();
  void edit_curdirnameChange();
  void CheckAndTurnOffPathEditing();
  void ApplicationActivation(bool active);
  void ApplyCustomName();
  void AfterApplicationActivation(bool active);

  // Batch group (main_form_batch.cpp).
  void GenerateBatchDirList();
  void BatchFieldEdited(int id);
  void btn_signClick();
  void UpdateSignButton();
  void PrefillBatchFields();
  void OpenAffixList(int id);
  void btn_setSuffixClick();
  void memo_suffixChange();
  void CloseSuffixEditor();
  void NumberFormClick(int id);
  BatchFieldTexts ReadBatchTexts() const;

  // Keys, menus and templates (main_form_input.cpp).
  bool InputKeyDown(HWND control, WPARAM key);
  bool InputChar(HWND control, WPARAM ch);
  void RunKeyAction(KeyAction action, HWND control);
  FocusedControl FocusKind(HWND control) const;
  void AddSubdirLine(HWND control);
  void option_replacementsMouseDown();
  void RunIntelligentSelection(HWND control);
  void btn_addRepClick();
  void VariableMenuClick(int command);
  void btn_optionsClick();
  void OptionsMenuClick(int command);
  void cmbox_TemplatesDropDown();
  void cmbox_TemplatesChange();
  void FillTemplates();
  const LanguageTable& Lang() const;

  std::string WindowText(HWND control) const;
  void SetText(int id, const std::string& text);
  std::string GetText(int id) const;
  bool IsVisible(int id) const;
  void SetVisible(int id, bool visible);
  void SetEnabled(int id, bool enabled);
  bool IsChecked(int id) const;
  void SetChecked(int id, bool checked);
  TextSelection Selection(HWND control) const;
  void Select(HWND control, TextSelection selection);
  HWND VisibleInput() const;

  // Language and appearance (main_form_look.cpp).
  HWND CreateFlatControl(int id, const char* text, DWORD style, const RECT& bounds);
  void LoadLanguage();
  void FixComponentsCharCoding();
  void ChangeColors();
  FlatButton* FlatFor(int id) const;
  void WatchHover(HWND control);
  void ApplyGlyph(int id, const GlyphRef& glyph, const char* fallback);
  void ShowOkGlyph(bool enter);
  void ShowBatchButton(bool active);
  LRESULT ControlColors(UINT message, HDC dc, HWND control);
  void EraseBackground(HDC dc);
  void QuickButtonMouseMove(int id);
  void SetQuickButtons2Default(int except);
  void lbl_s_moreMouseEnter();
  void lbl_s_moreMouseLeave();
  void lbl_s_newfolderMouseEnter();
  void lbl_s_newfolderMouseLeave();

  StartupValues& app_;
  MainFormServices services_;
  EnglishLanguageTable english_;
  View view_;
  HINSTANCE instance_ = nullptr;
  std::vector<HWND> controls_;
  HWND mkdir_edit_ = nullptr;
  HFONT font_ = nullptr;
  HFONT italic_font_ = nullptr;
  HWND tooltip_ = nullptr;
  VariablesPopup variables_menu_;
  InputHook input_hook_{*this};
  HoverHook hover_hook_{*this};
  AttributeImageHook image_hook_{*this};

  StartupSettings startup_;
  ActivationSettings activation_;
  HostMethodFlags flags_;
  AffixSettings affixes_;
  Win32HostFocus focus_;
  std::optional<HostCommands> commands_;
  std::optional<HostSnapshotReader> snapshot_;
  bool terminated_ = false;
  ClosingValues closing_;

  // Window state.
  bool BatchModeActive_ = false;
  TextSelection SavedSelection_;
  std::vector<std::string> PreBatchList_;
  bool RecenterPending_ = false;
  std::vector<int> WordStops_;
  WordCursor SelectionCursor_;
  bool MoreHovered_ = false;
  bool ReplacementsArmed_ = true;
  std::vector<std::string> UserAppIds_;
  bool TemplateListOpen_ = false;
  bool BatchFilling_ = false;
  bool DigitsOnlyApplied_ = false;
  int SubdirCounter_ = 0;
  bool LiveTimerRunning_ = false;
  bool CreationRunning_ = false;
  std::string last_name_text_;
  std::string last_list_text_;
  AttributeEditor attributes_;
  AttributeLetterField letter_field_{attributes_, services_.logger};
  bool AttributeHovered_ = false;
  HistoryUndo history_undo_;
  // Ctrl+V's key press was handled by the paste rule: its character must not paste again.
  bool PasteConsumed_ = false;
  std::vector<BuiltInTemplate> built_in_templates_;
  std::string app_title_ = "Total Commander Kestrix";

  // Language and appearance.
  LoadedLanguage language_;
  PendingLanguage pending_language_;
  std::vector<std::unique_ptr<FlatButton>> flat_buttons_;
  Appearance look_;
  SolidBrush main_brush_;
  GlyphRef ok_glyph_shown_;
  bool ok_shows_enter_ = false;
  std::array<bool, 4> quick_highlighted_{};
  // The fonts the controls show: the designed font (font_) changed by FontName/FontSize,
  // and that font in the language's character set for the control kinds that take it.
  WindowFont user_font_;
  OwnedFont shown_font_;
  OwnedFont shown_italic_font_;
  OwnedFont shown_underlined_font_;
  bool RefreshHovered_ = false;
};

}  // namespace kestrix
