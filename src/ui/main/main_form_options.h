#pragma once
// The Options button of the main window and what its menu opens: the template manager,
// the configuration dialog, the user guide and the About dialog.
#include <functional>
#include <optional>
#include <string>

#include "platform/code_page.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "ui/main/main_form_templates.h"

namespace kestrix {

class Dialog;
class RunUndoCommand;
struct ConfigurationValues;

class OptionsMenu {
 public:
  struct Wiring {
    ControlSet& controls;
    SettingsModel& settings;
    FileSystem& files;
    Resources& resources;
    CodePage& code_page;  // decodes the built-in languages and ANSI language files
    MessageBoxes& message_boxes;
    std::string exe_path;
    const LoadedLanguage& language;
    TemplateBox& templates;
    NamePreview& preview;
    RunUndoCommand& undo;
    std::string& routine;  // CurrentRoutine, for the error log
    // The variables popup at a screen point; with `new_app`, its "New application..."
    // entry opens the dialog. The token chosen.
    std::function<std::optional<std::string>(HWND owner, POINT at, bool new_app)> choose_variable;
    std::function<int(Dialog&)> run_own_dialog;
    // The configuration dialog ended with OK and wrote these values.
    std::function<void(const ConfigurationValues&)> apply_configuration;
  };
  explicit OptionsMenu(Wiring wiring) : w_(std::move(wiring)) {}

  void Attach(HWND form) { form_ = form; }
  // WM_COMMAND from the Options buttons; whether it was one of them.
  bool OnCommand(ControlId id, int code);
  void OpenUserGuide();
  void OpenTemplateManager();
  void ShowConfiguration();

 private:
  void ShowOptionsMenu();
  void ShowAbout();
  LanguageTable CurrentLanguageTable();

  Wiring w_;
  HWND form_ = nullptr;
};

}  // namespace kestrix
