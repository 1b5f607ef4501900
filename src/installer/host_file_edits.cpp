#include "installer/host_file_edits.h"

#include <algorithm>
#include <vector>

#include "base/path_text.h"
#include "base/text_utils.h"

namespace kestrix {

namespace {

// Whether a key's command is the installer's own. A key bound to another command stays,
// even to one of the user's own that starts the program (from a download folder, say).
bool RunsOwnCommand(std::string_view command) {
  return EqualsIgnoreCase(Trim(command), kCommandName);
}

// Deletes the binding when it runs em_Kestrix: a key the user gave to something else
// (a fresh host's F7 may be bound to another tool) is not the installer's to take away.
void DeleteBinding(BigIniFile& wincmd, const char* section, const std::string& key) {
  if (!key.empty() && RunsOwnCommand(wincmd.ReadString(section, key, "")))
    wincmd.DeleteKey(section, key);
}

// The name part of the last line of `section` that runs em_Kestrix.
std::string LastKeyOfOwnCommand(BigIniFile& ini, const char* section) {
  std::vector<std::string> lines;
  ini.ReadSectionValues(section, lines);
  std::string found;
  for (const std::string& line : lines) {
    const size_t eq = line.find('=');
    if (eq != std::string::npos && RunsOwnCommand(std::string_view(line).substr(eq + 1)))
      found = line.substr(0, eq);
  }
  return found;
}

}  // namespace

const std::array<std::string_view, 81> kHotkeyKeys = {
    "F1",       "F2",        "F3",       "F4",       "F5",       "F6",       "F7",
    "F8",       "F9",        "F10",      "F11",      "F12",      "A",        "B",
    "C",        "D",         "E",        "F",        "G",        "H",        "I",
    "J",        "K",         "L",        "M",        "N",        "O",        "P",
    "Q",        "R",         "S",        "T",        "U",        "V",        "W",
    "X",        "Y",         "Z",        "0",        "1",        "2",        "3",
    "4",        "5",         "6",        "7",        "8",        "9",        "INS",
    "DEL",      "HOME",      "END",      "PGUP",     "PGDN",     "SPACE",    "BACK",
    "TAB",      "+",         "-",        "*",        "/",        "ENTER",    "ESC",
    "LEFT",     "RIGHT",     "UP",       "DOWN",     "PAUSE",    "OEM_,",    "OEM_.",
    "OEM_+",    "OEM_-",     "OEM_<\\>", "OEM_US`~", "OEM_US[{", "OEM_US]}", "OEM_US\\|",
    "OEM_US;:", "OEM_US'\"", "OEM_US/?", "OEM_FR!",
};

void EditKeyBinding(BigIniFile& wincmd, const KeyBinding& binding) {
  const std::string existing = Trim(binding.existing);
  const char* existing_section =
      binding.existing_windows_key ? kShortcutsWinSection : kShortcutsSection;
  switch (binding.choice) {
    case KeyChoice::kF7:
      DeleteBinding(wincmd, existing.empty() ? kShortcutsSection : existing_section,
                    existing.empty() ? "S+F7" : existing);
      wincmd.WriteString(kShortcutsSection, "F7", kCommandName);
      break;
    case KeyChoice::kOtherKey:
      DeleteBinding(wincmd, existing.empty() ? kShortcutsSection : existing_section,
                    existing.empty() ? "F7" : existing);
      wincmd.WriteString(binding.chosen_windows_key ? kShortcutsWinSection : kShortcutsSection,
                         binding.chosen, kCommandName);
      break;
    case KeyChoice::kNone:
      if (!existing.empty()) {
        DeleteBinding(wincmd, existing_section, existing);
      } else {
        DeleteBinding(wincmd, kShortcutsSection, "S+F7");
        DeleteBinding(wincmd, kShortcutsSection, "F7");
      }
      break;
  }
}

void WriteUserCommands(BigIniFile& usercmd, const std::string& relative_exe, bool enter_command) {
  const std::string command = "%COMMANDER_PATH%\\" + relative_exe;
  usercmd.WriteString(kCommandName, "button", command);
  usercmd.WriteString(kCommandName, "cmd", command);
  usercmd.WriteString(kCommandName, "path",
                      "%COMMANDER_PATH%\\" + pathtext::ExtractFilePath(relative_exe));
  if (enter_command) {
    usercmd.WriteString(kEnterUserCommand, "button", "");
    usercmd.WriteString(kEnterUserCommand, "cmd", "cd");
  }
}

void EraseUserCommands(BigIniFile& usercmd) {
  usercmd.EraseSection(kCommandName);
  usercmd.EraseSection(kEnterUserCommand);
}

void EnableAutoSaveList(BigIniFile& fsplugin) {
  if (fsplugin.ReadInteger("Virtual Panel", "AutoSaveListOnEachOp", -1) == 0)
    fsplugin.WriteInteger("Virtual Panel", "AutoSaveListOnEachOp", 1);
}

ExistingKey FindExistingKey(BigIniFile& wincmd) {
  ExistingKey result;
  std::string key = LastKeyOfOwnCommand(wincmd, kShortcutsSection);
  if (!key.empty()) {
    result.key = key;
  } else if (!(key = LastKeyOfOwnCommand(wincmd, kShortcutsWinSection)).empty()) {
    result.key = key;
    result.windows_key = true;
  }
  return result;
}

std::pair<std::string, std::string> SplitHotkey(const std::string& notation) {
  const size_t plus = notation.find('+');
  // "+" alone (or a notation ending in it) is the plus key itself.
  if (plus == std::string::npos || plus + 1 >= notation.size()) return {"", Trim(notation)};
  return {Trim(notation.substr(0, plus)), Trim(notation.substr(plus + 1))};
}

std::string KeyDisplayCaption(const std::string& notation, bool windows_key) {
  auto [letters, key] = SplitHotkey(notation);
  std::string caption = ReplaceAllIgnoreCase(letters, "C", "Ctrl + ");
  caption = ReplaceAllIgnoreCase(caption, "A", "Alt + ");
  caption = ReplaceAllIgnoreCase(caption, "S", "Shift + ");
  return (windows_key ? "Win + " : "") + caption + key;
}

std::string ComposeHotkey(bool ctrl, bool alt, bool shift, const std::string& key) {
  std::string letters = std::string(ctrl ? "C" : "") + (alt ? "A" : "") + (shift ? "S" : "");
  return letters.empty() ? Trim(key) : Trim(letters + "+" + key);
}

HotkeyFields ReadHotkey(const std::string& notation) {
  auto [letters, key] = SplitHotkey(notation);
  const std::string upper = AsciiUpperCase(letters);
  HotkeyFields fields;
  fields.ctrl = upper.find('C') != std::string::npos;
  fields.alt = upper.find('A') != std::string::npos;
  fields.shift = upper.find('S') != std::string::npos;
  const auto found = std::find(kHotkeyKeys.begin(), kHotkeyKeys.end(), key);
  if (found != kHotkeyKeys.end()) fields.key_index = static_cast<int>(found - kHotkeyKeys.begin());
  return fields;
}

KeyOffer OfferKey(const std::string& notation, bool windows_key) {
  if (notation == "F7" && !windows_key) return {false, "S+F7"};
  return {true, notation};
}

bool IsAllowedTargetPath(const std::string& relative_exe) {
  static constexpr std::string_view kHostPrograms[] = {
      "totalcmd.exe",  "totalcmd64.exe", "noclose.exe",  "share_nt.exe", "tcmatch.exe",
      "tcmatch64.exe", "tcmdx64.exe",    "tcuninst.exe", "tcusbrun.exe", "wc32to16.exe"};
  if (!relative_exe.ends_with(".exe")) return false;
  // The binding is "%COMMANDER_PATH%\" + the path: a drive, a root, a level that climbs
  // out or is empty, or a character Windows refuses would make it a path that cannot run.
  const std::string path = Trim(relative_exe);
  if (path.empty() || path.front() == '\\' || path.front() == '/') return false;
  for (char c : path)
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("<>:\"|?*").find(c) != std::string_view::npos)
      return false;
  for (std::size_t start = 0;;) {
    const std::size_t end = path.find_first_of("\\/", start);
    if (path.substr(start, end - start).find_first_not_of(". ") == std::string::npos) return false;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  const std::string lower = AsciiLowerCase(path);
  for (std::string_view own : kHostPrograms)
    if (lower == own) return false;
  return true;
}

std::string HostFileBeside(const std::string& wincmd_ini, const std::string& file_name) {
  return ReplaceAllIgnoreCase(wincmd_ini, "wincmd.ini", file_name);
}

}  // namespace kestrix
