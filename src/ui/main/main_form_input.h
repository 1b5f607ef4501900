#pragma once
// Input routing of the main window: every control that can hold the focus passes its keys
// and clicks through one hook, which decides them with the key rules (app/key_commands.h)
// and runs the field actions itself: paste, subdirectory lines, selections, the quick
// buttons, inserted variables. The window's own actions go back to the window. It owns the
// key awaited after a consumed key-down, the change a control reported itself, the
// subdirectory counter and the selection kept across a mode switch.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "names/intelligent_selection.h"
#include "ui/main/main_form_templates.h"
#include "window/control_hook.h"

namespace kestrix {

class InputRouting {
 public:
  struct Wiring {
    ControlSet& controls;
    const MainMode& mode;
    const SettingsModel& settings;
    NameHistory& history;
    BatchGroup& batch;
    NamePreview& preview;
    TemplateBox& templates;
    // The window's own actions.
    std::function<void(KeyAction)> run_action;
    std::function<void()> change_to_ext;
    std::function<void()> end_path_editing;
    std::function<HWND()> visible_input;
    std::function<std::string(const LanguageKey&)> text;
    std::string& routine;  // CurrentRoutine, for the error log
  };
  explicit InputRouting(Wiring wiring);

  void Attach(HWND form) { form_ = form; }
  // Passes the keys and clicks of `control` through the hook.
  void Hook(HWND control) { hook_.Subclass(control); }
  void SetErrorLogger(ErrorLogger* logger) { hook_.SetErrorLogger(logger); }
  // WM_COMMAND from the name field, the list, undo, the quick buttons and the options;
  // whether it was one of theirs.
  bool OnCommand(ControlId id, int code);
  void InsertVariable(const std::string& token);

  // The selection a mode switch carries over.
  void SaveSelection(TextSelection selection) { saved_selection_ = selection; }
  void ClearSavedSelection() { saved_selection_ = {}; }
  // The kept selection, once; nothing when none is kept.
  std::optional<TextSelection> TakeSavedSelection();

 private:
  std::optional<LRESULT> OnMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam);
  bool InputKeyDown(HWND control, WPARAM key, LPARAM lparam);
  // `key_consumed`: the character's key-down was consumed by InputKeyDown.
  bool InputChar(HWND control, WPARAM ch, bool key_consumed);
  bool RunFieldAction(KeyAction action, HWND control);
  void AddSubdirLine(HWND control);
  void RunIntelligentSelection(HWND control);
  // Ctrl+V in MkDir; whether the key is consumed.
  bool PasteIntoName();
  void ProcessTextModifier(const char* function_name);
  void ClickIfShown(ControlId id);
  HWND NameEdit() const { return w_.controls.EditOf(w_.controls[MainControl::kNameField]).hwnd(); }

  Wiring w_;
  HWND form_ = nullptr;
  ControlHook hook_;
  // The scan code (with the extended-key bit) of the last key-down a key rule consumed,
  // until its character arrives; -1 when none is awaited.
  int consumed_key_ = -1;
  // The input whose own notification reported a change while one of its messages was
  // handled.
  HWND change_reported_ = nullptr;
  int subdir_counter_ = 0;
  TextSelection saved_selection_;
  WordCursor selection_cursor_;
};

}  // namespace kestrix
