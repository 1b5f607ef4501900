#pragma once
// The name preview of the main window: the change handlers of the name field and the list,
// the texts they last saw, the path the preview follows, the OK button's state, the
// automatic "Enable replacements" with its live timer and the last variable error logged.
// The list's text is held here while the name field is in use.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/key_commands.h"
#include "app/list_lines.h"
#include "names/input_mode.h"
#include "names/replacements.h"
#include "settings/language_table.h"
#include "settings/settings_model.h"
#include "ui/main/batch_group.h"
#include "ui/main/control_ids.h"
#include "ui/main/form_look.h"

namespace kestrix {

class NamePreview {
 public:
  struct Wiring {
    ControlSet& controls;
    const MainMode& mode;
    const SettingsModel& settings;
    FileSystem& files;
    Environment& environment;
    VariablePlatform& variables;
    ErrorLogger& logger;
    const std::vector<std::string>& user_apps;
    const std::string& current_path;
    FormLook& look;
    BatchGroup& batch;
    std::function<std::string(const LanguageKey&)> text;
    // The window's normal-mode title as the attributes tag it.
    std::function<std::string()> normal_title;
    std::string& routine;  // CurrentRoutine, for the error log
    // The preview shows new texts (the tree preview follows).
    std::function<void()> changed;
  };
  explicit NamePreview(Wiring wiring);

  void Attach(HWND form) { form_ = form; }
  // The activation has read the settings again: the ReplaceChars values.
  void Activated() { replace_chars_ = w_.settings.ReplaceCharValues(); }
  // The fonts may have changed the path's width: the preview is placed after it again.
  void RefitPath();
  // The path label shows `shortened`, as wide as its text.
  void ShowPath(const std::string& shortened);

  // The name field's text, read once by the caller, is new.
  void NameChanged(const std::string& text);
  // NameChanged with the name field's text as it is now.
  void NameEdited();
  void ListChanged();
  // The change handler of the visible input field.
  void Rerun();
  // The text of the name field or of the list may have changed: its change handler runs
  // when it did.
  void InputMayHaveChanged(HWND input);
  // The list control shows `text`; its change handler runs when that is a change.
  std::string ListText() const;
  void SetListText(const std::string& text);
  // Batch mode opens: the batch group keeps the user's list as the list's change handler
  // last saw it outside batch mode.
  void KeepUserList();
  // Switches "Enable replacements" and the live timer as the typed text asks; the caption
  // the preview `shown` is to be shown with.
  std::string ApplyAutoEnable(const std::string& text, const std::string& shown);
  // A press on the replacements box arms the automatic switching with `armed`.
  void Arm(bool armed) { armed_ = armed; }
  // WM_TIMER.
  void OnTimer(WPARAM timer);
  void StopTimer();
  const std::vector<int>& WordStops() const { return word_stops_; }
  // The name field's text as its change handler last saw it.
  const std::string& NameText() const { return last_name_text_; }
  // The ReplaceChars value of a key as the run reads it ("_" before any activation).
  std::string ReplaceChar(const std::string& key) const {
    return replace_chars_ ? replace_chars_(key) : "_";
  }

 private:
  HWND NameEdit() const { return w_.controls.EditOf(w_.controls[MainControl::kNameField]).hwnd(); }
  bool DirExists(const std::string& path, const std::string& name);
  void ShowOkState(std::optional<bool> enter, std::optional<bool> enabled);
  void ShowPreview(const std::string& text);
  std::string FileMarked(const std::string& text, const std::string& preview);
  std::string CleanedPreview(const std::string& text, bool normal_mode) const;
  std::string AutoEnable(const std::function<bool()>& holds_variables, const std::string& shown);
  // ListChanged with the list's text, read by the caller.
  void ListChanged(std::wstring text);

  Wiring w_;
  HWND form_ = nullptr;
  std::string last_name_text_;
  // In Normal mode, the hidden list; in the others the list as its handler last saw it,
  // converted from list_wide_ when asked.
  mutable std::string last_list_text_;
  mutable bool list_text_stale_ = false;
  // The list's text and lines as its change handler last saw them, followed a change at a
  // time; the user's list is copied from them only when batch mode needs it.
  std::wstring list_wide_;
  ListLines list_lines_;
  std::vector<std::string> facts_user_apps_;
  bool user_list_follows_ = false;
  std::string shown_path_;
  std::optional<std::string> preview_follows_;  // the path the preview was placed after
  // The ReplaceChars values of the settings file, read at most once per activation.
  std::function<std::string(const std::string& key)> replace_chars_;
  std::optional<std::string> last_variable_error_;
  bool armed_ = true;
  bool timer_running_ = false;
  std::vector<int> word_stops_;
};

// The input mode the portable rules know for a mode of the window.
inline InputMode InputModeOf(MainMode mode) {
  return mode == MainMode::kNormal ? InputMode::kNormal : InputMode::kExtended;
}

}  // namespace kestrix
