#pragma once
// The settings the program runs with, as typed values, and the one object that loads and
// saves them. Every load or save opens the settings file, reads or writes and releases it
// at once, so hand edits are seen at the next load. A file that cannot be read or written
// never escapes as an exception: the call returns a failed SettingsResult and the user sees
// one message. The loads of creation and activation show it once until a call succeeds
// (the window loads on every activation, and the message box itself re-activates it); a
// failure of a user's step is shown every time.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kestrix {

class CodePage;
class Environment;
class FileSystem;
class LanguageTable;
class MessageBoxes;
class BigIniFile;

// The integer keys. Each enum holds the cases the program tells apart; an integer that does
// not parse is the key's default, any other number the case the key's rule gives it.
enum class WindowPosition { kHostWindow = 0, kHostPane = 1, kScreen = 2 };  // other: screen
// kNormal is Extended when Window/Extended is on; any other number keeps the mode.
enum class InitialMode { kNormal = 0, kExtended = 1, kBatch = 2, kUnchanged };
enum class WindowStyle { kOwnBorder = 0, kDialogBorder = 1, kToolWindow = 2 };  // other: own
// Any other number leaves the preview alone and makes the run create nothing.
enum class InvalidCharAction { kWarn = 0, kReplace = 1, kUnknown };
enum class SuggestedName { kHostItem = 0, kCustomName = 1 };  // other: the custom name
// 1 switches the user applications off, 2 only their creation; any other number is 0.
enum class DisablePlugins { kNone = 0, kApplications = 1, kNewApplication = 2 };

WindowPosition ToWindowPosition(int value);
InitialMode ToInitialMode(int value);
WindowStyle ToWindowStyle(int value);
InvalidCharAction ToInvalidCharAction(int value);
SuggestedName ToSuggestedName(int value);
DisablePlugins ToDisablePlugins(int value);

// The keys main-window creation reads.
struct StartupSettings {
  bool tc8b10_method = false;
  bool tc8b10_fix_ext = true;
  WindowPosition window_position = WindowPosition::kHostWindow;
  bool always_on_top = false;
  bool always_active = false;
  int alpha_blend_value = 255;
  DisablePlugins disable_plugins = DisablePlugins::kNone;
  std::string mkdir_history_file;  // trimmed; environment-expanded when not empty
  bool hide_from_taskbar = false;
  WindowStyle window_style = WindowStyle::kOwnBorder;
  bool live_replacements = true;
  bool do_not_enter_deepest = false;
  std::string update_tree_info = "False";
  bool intelli_modifiers = true;
  SuggestedName suggested_name = SuggestedName::kHostItem;
  bool tc8b10_func_checked = false;
  bool enter_cmd_installed = false;
  std::string dir_prefix;
  std::string dir_suffix;
  bool dir_prefix_active = false;
  bool dir_suffix_active = false;
  bool file_creation_enable = false;
  bool extension_detection = false;
  bool tree_preview = false;  // the tree preview is shown
};

// The keys every activation of the main window reads.
struct ActivationSettings {
  InitialMode initial_mode = InitialMode::kNormal;
  bool window_extended = false;
  std::string invalid_char_replace = "_";
  std::vector<std::string> replace_chars_keys;
  std::vector<std::string> extensions_enabled_lines;  // the lines verbatim ("0=txt")
  InvalidCharAction invalid_char_action = InvalidCharAction::kWarn;
  WindowPosition window_position = WindowPosition::kHostWindow;
  bool flat_buttons = false;
  bool use_window_theme = false;
  int selected_theme = 0;
  std::string speed_btn_color;
  std::string user_theme_name;
  int last_selected_page = 0;
  bool focus_tc_after_create = false;
  bool refresh_on_activate = false;
  bool disable_user_structs = false;
  bool show_menu_shortcuts = false;
  bool replacements = false;
  bool enter_directory = false;
  bool close_window = true;
  bool us_clear_list = true;
  std::string font_name = "Default";
  int font_size = 8;
  std::string custom_dir_name;
  SuggestedName suggested_name = SuggestedName::kHostItem;
  // The names of the Load menu's user structures; none while they are disabled.
  std::vector<std::string> structure_names;
};

// What only the window knows at its close; the rest of the closing keys are the values the
// last activation read.
struct ClosingState {
  std::string language_in_use;  // written only when CurrentLng is missing or empty
  bool replacements = false;
  bool enter_directory = false;
  bool close_window = true;
  bool tc8b10_method = false;   // written only while on
  bool tc8b10_fix_ext = false;  // written only while on
  bool tc8b10_func_checked = false;
};

struct SettingsResult {
  bool ok = true;
  std::string path;   // the settings file, when it failed
  uint32_t code = 0;  // the system's error code
};

// The message a failed result shows.
std::string SettingsFailureText(const SettingsResult& result, const LanguageTable& language);

class SettingsModel {
 public:
  // `language` gives the table of the moment the message is shown; without `boxes` a
  // failure is only returned. `code_page` is the ANSI code page the file may be in (without
  // one, only ASCII is sure).
  SettingsModel(FileSystem& files, Environment& environment, MessageBoxes* boxes,
                std::function<const LanguageTable&()> language, std::string file_path,
                CodePage* code_page = nullptr);

  const std::string& FilePath() const { return path_; }
  const StartupSettings& Startup() const { return startup_; }
  const ActivationSettings& Activation() const { return activation_; }

  // On failure the values keep what they held (the defaults before the first load).
  SettingsResult LoadStartup();
  SettingsResult LoadActivation();
  // Writes the closing keys in their order and flushes.
  SettingsResult SaveClosing(const ClosingState& state);

  // CurrentLng, trimmed ("" when unreadable).
  std::string LanguageSetting();
  // The items of a numbered list section.
  std::vector<std::string> List(const char* section);
  // The key names of a section, in file order.
  std::vector<std::string> Keys(const char* section);
  // The raw value of a key of a section that holds named entries.
  std::string Value(const char* section, const std::string& key, const std::string& fallback);
  // Every key of section ReplaceChars in file order with its value.
  SettingsResult ReadReplaceChars(std::vector<std::pair<std::string, std::string>>& pairs);
  // A lookup for one preview: it reads the file at its first question and answers every
  // ReplaceChars key from it; "_" when missing. An unreadable file answers "_" without a
  // message, since the preview runs on every key.
  std::function<std::string(const std::string& key)> ReplaceCharValues() const;
  // Opens the file and runs `step` on it: Read only reads (its failure is shown once, as
  // the activation's), Edit writes what the step changed (the dialogs' sections).
  SettingsResult Read(const std::function<void(BigIniFile&)>& step);
  SettingsResult Edit(const std::function<void(BigIniFile&)>& step);
  // While held, the language, start-up and activation values are read from one reading of
  // the file: a start reads it once. A write, or letting go, drops it, so later reads see
  // the file as it is then.
  void HoldFile(bool held);

 private:
  enum class Report { kOnce, kAlways };
  // Runs `step` on the held reading, or on one made for it.
  template <typename Step>
  void WithFile(Step&& step);
  template <typename Step>
  SettingsResult Run(Report report, Step&& step);

  FileSystem& files_;
  Environment& environment_;
  MessageBoxes* boxes_;
  std::function<const LanguageTable&()> language_;
  std::string path_;
  CodePage* code_page_;
  StartupSettings startup_;
  ActivationSettings activation_;
  bool failure_shown_ = false;
  bool holding_ = false;
  std::unique_ptr<BigIniFile> held_;
};

}  // namespace kestrix
