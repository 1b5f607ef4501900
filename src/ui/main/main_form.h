#pragma once
// The main window MainForm: the name field and the list, the three modes, the
// options and the keys. Its parts own their state: the controls and what they show
// (ControlSet), the layout, the input routing, the name preview, the template box, the
// activation, the link to the host, the Load and Options menus, the batch group, the
// attribute image, the variables popup and the look. The window keeps the mode and wires
// the parts together; each message goes to one named handler.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/key_commands.h"
#include "settings/language_table.h"
#include "settings/settings_model.h"
#include "ui/main/attribute_image.h"
#include "ui/main/batch_group.h"
#include "ui/main/control_ids.h"
#include "ui/main/form_look.h"
#include "ui/main/name_history.h"
#include "ui/main/variables_menu.h"
#include "window/control_set.h"
#include "window/form.h"

namespace kestrix {

class CodePage;
class MessageBoxes;
class ModifierKeys;
class WindowSystem;
struct StartupValues;
struct VariablePlatform;
struct ConfigurationValues;
class MainActivation;
class MainLayout;
class NamePreview;
class TemplateBox;
class InputRouting;
class HostLink;
class LoadFromFileMenu;
class RunUndoCommand;
class TreePreview;
struct PlanInput;
class OptionsMenu;

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

class MainForm : public Form {
 public:
  MainForm(StartupValues& app, MainFormServices services);
  ~MainForm() override;

  // Creates the window and runs BuildWindow; false when the program must end without
  // showing it (no host window, an archive in the host, or no window at all).
  bool Create(HINSTANCE instance);
  void Show(int show_command);

  // A control by its id (tests and the message handlers).
  HWND Control(ControlId id) const { return controls_[id]; }
  // The edit inside the combo box MkDir, which receives the keys typed into it.
  HWND MkDirEdit() const { return controls_.EditOf(controls_[MainControl::kNameField]).hwnd(); }
  MainMode Mode() const { return mode_; }
  // The variables popup as it was built last (tests read its items).
  HMENU VariablesMenu() const { return variables_menu_.Menu(); }
  // Builds the variables popup as ShowVariablesMenu does, without showing it.
  void PrepareVariablesMenu();
  // Loads a name-list file: with `browse` through the open-file dialog starting in `path`,
  // else the file at `path` itself.
  void ShowOpenDialogAndLoadFile(const std::string& path, bool browse);
  // The owner-drawn button behind a control id; nullptr for other controls.
  const FlatButton* FlatControl(ControlId id) const { return look_.FlatControl(id); }
  // A mouse message from the queue, for the tooltips of the window's controls.
  void RelayMouse(const MSG& msg) { look_.RelayMouse(msg); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  class RunView;

  // Lifecycle (main_form.cpp).
  bool BuildWindow();
  void Showing();
  void Activated();
  bool ConfirmClose();
  void Closed();
  void Destroyed();
  void LoadLanguage();
  std::string Text(const LanguageKey& key) const { return language_.table.Text(key); }
  // WM_COMMAND: to the part that owns the control.
  void OnCommand(ControlId id, int code, HWND control);
  // A drop-down choice is complete (kMsg_ChoiceDone).
  void ChoiceDone(ControlId id);
  // The window's own key actions; the input routing runs those on the fields.
  void RunKeyAction(KeyAction action);
  // The configuration dialog's OK reaches the running window without a restart.
  void ApplyConfiguration(const ConfigurationValues& values);

  // Modes and the run behind OK (main_form_modes.cpp).
  HWND VisibleInput() const;
  // To Normal mode: the name field takes `name`, or else the list in Normal notation; a
  // list without one keeps the mode (and says why).
  void ChangeToNormal(std::optional<std::string> name = std::nullopt);
  void ChangeToExt();
  void ToggleBatchMode();
  void TurnOffBatchMode();
  void CreateFromInput();
  void OpenAttributeMenu();
  // The variables popup at a screen point; with `new_app`, its "New application..." entry
  // opens that dialog. The token chosen.
  std::optional<std::string> ChooseVariable(HWND owner, POINT at, bool new_app);
  void OpenNewApplication(HWND owner);
  // WM_DROPFILES: the drop handle in `drop`.
  void AcceptFiles(WPARAM drop);
  // Shows or hides the tree preview and remembers the choice in the settings file.
  void ShowTreePreview(bool shown);
  // What the tree preview plans from: the texts and options as OK would read them.
  PlanInput TreePreviewInput();

  StartupValues& app_;
  MainFormServices services_;
  ControlSet controls_{MainControl::kNewFolderLink};
  // The settings file: loaded at creation and activation, read and written only here.
  SettingsModel settings_;
  MainMode mode_ = MainMode::kNormal;
  std::vector<std::string> UserAppIds_;
  bool CreationRunning_ = false;
  LoadedLanguage language_;
  PendingLanguage pending_language_;

  // The parts.
  FormLook look_;
  BatchGroup batch_;
  AttributeImageControl image_{&services_.logger};
  VariablesContextMenu variables_menu_;
  NameHistory history_;
  std::unique_ptr<NamePreview> preview_;
  std::unique_ptr<TemplateBox> templates_;
  std::unique_ptr<MainLayout> layout_;
  std::unique_ptr<InputRouting> input_;
  std::unique_ptr<HostLink> host_;
  std::unique_ptr<MainActivation> activation_;
  std::unique_ptr<LoadFromFileMenu> load_;
  std::unique_ptr<RunUndoCommand> undo_;
  std::unique_ptr<TreePreview> tree_preview_;
  std::unique_ptr<OptionsMenu> options_;
};

}  // namespace kestrix
