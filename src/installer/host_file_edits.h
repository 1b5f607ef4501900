#pragma once
// What the installer changes in the host's configuration files, as edits of their loaded
// content, and what it reads from them: the key binding in wincmd.ini, the user commands in
// usercmd.ini, the virtual panel's switch in fsplugin.ini, an earlier installation, the
// host's key notation and the target path rule.
#include <array>
#include <string>
#include <string_view>

#include "base/host_user_commands.h"
#include "settings/big_ini_file.h"

namespace kestrix {

inline constexpr char kShortcutsSection[] = "Shortcuts";
inline constexpr char kShortcutsWinSection[] = "ShortcutsWin";
// The subdirectory of the host's directory the program installs into by default.
inline constexpr char kInstallSubdir[] = "Kestrix";

enum class KeyChoice { kF7, kOtherKey, kNone };

struct KeyBinding {
  KeyChoice choice = KeyChoice::kF7;
  // The key bound to the program when the installer opened, and the section it was found
  // in. Kept apart from the chosen key's section, so a binding found in ShortcutsWin is
  // removed from there when the user picks another key.
  std::string existing = "F7";
  bool existing_windows_key = false;
  // The other-key choice, in the host's notation ("S+F7"), and whether it holds the
  // Windows key (then it goes into ShortcutsWin).
  std::string chosen = "S+F7";
  bool chosen_windows_key = false;
};

// Moves the binding of em_Kestrix in wincmd.ini to the chosen key, or removes it. Only a
// key bound to em_Kestrix is deleted, never one bound to a command of the user's.
void EditKeyBinding(BigIniFile& wincmd, const KeyBinding& binding);

// em_Kestrix (button, cmd, path) for the executable at `relative_exe` below the host's
// directory, and em_KestrixEnter when `enter_command` is set.
void WriteUserCommands(BigIniFile& usercmd, const std::string& relative_exe, bool enter_command);
// Erases em_Kestrix and em_KestrixEnter, and nothing else: a command of the user's that
// starts the program (an installer in a download folder) is his.
void EraseUserCommands(BigIniFile& usercmd);
// Virtual Panel/AutoSaveListOnEachOp goes from 0 to 1; any other value stays.
void EnableAutoSaveList(BigIniFile& fsplugin);

struct ExistingKey {
  std::string key = "F7";
  bool windows_key = false;
};
// The last key of Shortcuts bound to em_Kestrix, else of ShortcutsWin.
ExistingKey FindExistingKey(BigIniFile& wincmd);

// "S+F7" -> "Shift + F7"; "CS+F8" with the Windows key -> "Win + Ctrl + Shift + F8".
std::string KeyDisplayCaption(const std::string& notation, bool windows_key);
// The host's notation of a key with modifiers ("C", "A", "S" in that order, then "+").
std::string ComposeHotkey(bool ctrl, bool alt, bool shift, const std::string& key);
// Splits a notation into its modifier letters and key: "CS+F8" -> {"CS", "F8"}.
std::pair<std::string, std::string> SplitHotkey(const std::string& notation);

// The keys the hotkey dialog offers, in the host's names.
extern const std::array<std::string_view, 81> kHotkeyKeys;

// The hotkey dialog's fields for a notation: each modifier letter before the "+" (any case)
// checks its box; the key is its place in kHotkeyKeys, -1 when the dialog does not offer it.
struct HotkeyFields {
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
  int key_index = -1;
};
HotkeyFields ReadHotkey(const std::string& notation);

// How the installer offers a key: the plain F7 is the F7 choice, which binds Shift+F7;
// any other key, or F7 with the Windows key, is the other-key choice with that key.
struct KeyOffer {
  bool other_key = false;
  std::string notation;
};
KeyOffer OfferKey(const std::string& notation, bool windows_key);

// Whether the relative executable path may be installed to: ends with ".exe", is a
// relative path that stays inside the host's directory (no drive, no root, no "." or ".."
// level, no empty level, no character Windows refuses) and is none of the host's own
// programs.
bool IsAllowedTargetPath(const std::string& relative_exe);
inline constexpr char kDefaultRelativeExe[] = "Kestrix\\tc Kestrix.exe";

// The wincmd.ini path with every "wincmd.ini" (any case) replaced by `file_name`.
std::string HostFileBeside(const std::string& wincmd_ini, const std::string& file_name);

}  // namespace kestrix
