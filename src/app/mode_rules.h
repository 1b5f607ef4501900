#pragma once
// The main window's mode rules as data: what a switch to Extended mode does with the
// texts, what the list's line count means for the OK button and the preview, the OK
// button for a single target, the window title, the initial mode and the vertical layout.
#include <optional>
#include <string>
#include <string_view>

#include "app/key_commands.h"
#include "settings/settings_model.h"

namespace kestrix {

// --- Switching to Extended mode --------------------------------------------------------

struct CarriedText {
  std::optional<std::string> list;  // the memo's new text; nullopt keeps it
  bool clear_saved_selection = false;
};
// Each "|" part becomes a line and every "*" inside a part starts a "*" line under it.
// Without "|", the stars are carried only while the trimmed list equals the trimmed name
// (the list only mirrors it).
CarriedText CarryNameIntoList(std::string_view name_text, std::string_view list_text);

// --- Switching back to Normal mode -----------------------------------------------------

// The list said in Normal notation, so that the name field makes what the list makes:
// blank lines go, each top-level line and the "*" lines under it become one "|" part
// ("alpha", "beta", "*gamma" give "alpha|beta*gamma"). A subdirectory line holding a
// second "*" ("**b", "*a*b") has no such spelling, since in the name field every "*" starts
// another subdirectory of the first name: `ok` is false and `text` is that line (the first
// line, should the name not read back as the same lines).
struct NormalLine {
  bool ok = true;
  std::string text;
};
NormalLine NormalLineFromList(std::string_view list_text);

// --- The list's change handler ---------------------------------------------------------

// The number of lines that are not blank after trimming.
int CountNonBlankLines(std::string_view list_text);

struct ListState {
  bool ok_enabled = false;
  bool more_visible = false;         // lbl_s_more
  bool preview_single = false;       // lbl_newdirname previews the trimmed list
  bool enterdir_enabled = true;      // option_enterdir
  bool enterdir_uncheck = false;     // several targets: entering needs one
  bool check_single_target = false;  // DirExists for the current path + line 0
  bool ok_caption_reset = false;     // several lines: both OK captions read "OK"
};
ListState ListStateFor(int non_blank_lines);

// The name field's text after a list change: line 0 when the list is not blank.
std::string NameFromList(std::string_view list_text);
// The list with its line 0 replaced by the name (the memo mirrors the name field); a final
// line break is kept.
std::string ListWithFirstLine(std::string_view list_text, std::string_view name);

// --- The OK button for a single target -------------------------------------------------

struct OkButtonState {
  bool enter = false;  // caption BtnEnterDir ("Enter") and the Enter image
  bool enabled = true;
};
OkButtonState DirExistsState(bool directory_exists, std::string_view name_text);

// The target a single name is created as: the current path and the text, or the open path
// field's text, "\" and the text.
std::string SingleTargetPath(std::string_view current_path, std::string_view text,
                             bool path_field_open, std::string_view path_field_text);

// --- Initial mode ----------------------------------------------------------------------

enum class InitialModeAction { kNormal, kExtended, kBatch, kUnchanged };
InitialModeAction InitialModeFor(InitialMode initial_mode, bool window_extended);

// --- Layout ----------------------------------------------------------------------------

// Heights and current tops of the controls the layout stacks (pixels of the window).
// What the main window does when it becomes active. The first show and a return from the
// program's own dialogs read the settings again (Activated); a return from another
// program keeps what the user set up and gives the focus back where it was.
enum class ActivationAction { kFormActivate, kRestoreFocus, kFocusInput };
ActivationAction ActivationFor(bool activated_before, bool from_other_program,
                               bool focus_was_inside);

struct LayoutInput {
  int input_top = 0;  // the visible input field
  int input_height = 0;
  int ok_height = 0;         // btn_ok
  int batch_height = 0;      // grp_batchDir
  int templates_bottom = 0;  // cmbox_Templates, relative to grp_additional
  bool batch_mode = false;
  bool vista_or_later = true;
};
struct LayoutOutput {
  int quick_top = 0;    // panel_Quick
  int buttons_top = 0;  // btn_BatchDir, btn_ok(_flat), btn_cancel(_flat)
  int divider_top = 0;  // lbl_divider
  int panelfix1_top = 0;
  int additional_top = 0;  // grp_additional
  int additional_height = 0;
  std::optional<int> batch_top;      // grp_batchDir, in Batch mode
  std::optional<int> panelfix2_top;  // in Batch mode
  int window_height = 0;
};
LayoutOutput ComputeLayout(const LayoutInput& input);

}  // namespace kestrix
