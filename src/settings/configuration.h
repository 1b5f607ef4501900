#pragma once
// What the configuration dialog shows and stores, as one plain value, and the rules that
// keep its fields consistent while the user edits. The dialog window only wires controls
// to these; loading and saving go through the typed settings accessor.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/big_ini_file.h"

namespace kestrix {

class LanguageTable;
struct LanguageKey;

// The pages in their order; the index is LastSelectedPage.
enum class ConfigPage { kGeneral = 0, kWindow, kLanguage, kAdvanced, kFiles, kCount };

struct ConfigurationValues {
  // General
  bool custom_name = false;  // SuggestedName 1
  std::string custom_dir_name;
  bool dir_prefix_active = false;
  std::string dir_prefix;
  bool dir_suffix_active = false;
  std::string dir_suffix;
  std::vector<std::string> prefix_list;
  std::vector<std::string> suffix_list;
  bool replace_invalid = false;  // InvalidCharAction 1
  std::string invalid_char_replace = "_";
  // Section ReplaceChars as the file holds it, one line each (comments too): the user's
  // table, kept exactly as typed.
  std::vector<std::string> replace_chars;
  // Window; nothing is written without a choice.
  std::optional<int> window_position;
  bool flat_buttons = false;
  bool use_window_theme = false;
  int selected_theme = 0;
  std::string user_theme_name;  // kept unless a user theme is chosen
  std::string alpha_blend_value = "255";
  bool focus_tc = false;
  // Language: written only when the user picked one in the dialog.
  std::optional<std::string> language;
  // Advanced
  bool tc8b10_method = false;
  bool tc8b10_fix_ext = true;      // stored "True" only while the new method is chosen
  std::string mkdir_history_file;  // empty: the utility chooses (the key is deleted)
  // Files
  bool file_creation_enable = false;
  bool extension_detection = false;
  std::vector<std::string> extensions;
  int last_selected_page = 0;
  bool operator==(const ConfigurationValues&) const = default;
};

// Reads every value the dialog shows (texts trimmed, the prefix and suffix boxes cleared
// when their text is empty, the transparency check derived later from the value).
ConfigurationValues LoadConfiguration(BigIniFile& ini);
// Writes, in the order of the dialog's table, only what differs from `shown` (the values as
// the dialog showed them): a key whose stored text changed, a list section whose list did.
// Every other line stays as the user left it, and with no change the file is not written.
// CurrentLng only when `language` is set; a changed extension list replaces the section's
// lines where it lies; the ReplaceChars lines are written one file line each, as typed
// (blank lines, and lines that would read back as a section header, left out). Flushes,
// so a write error reaches the caller as InOutError.
void SaveConfiguration(BigIniFile& ini, const ConfigurationValues& values,
                       const ConfigurationValues& shown);

// What the dialog says when the settings file cannot be read or written: `headline`, then
// the file and what happened in words ("used by another program", ...; the error code
// when there are no words for it).
std::string SettingsFileMessage(const LanguageTable& language, const LanguageKey& headline,
                                const std::string& path, uint32_t code);

// ---- The dialog's rules ----

inline constexpr size_t kAffixListLimit = 20;
// A non-blank `text` goes first; the list keeps its first 20 items. Blank: unchanged.
std::vector<std::string> AddAffixItem(std::vector<std::string> list, const std::string& text);

// "_" when the text holds a character no name may hold, else the text itself.
std::string CorrectReplaceChar(const std::string& text);

// The transparency field after a change: the corrected text and the check box's state.
struct TransparencyField {
  std::string text;
  bool checked = false;
  bool operator==(const TransparencyField&) const = default;
};
TransparencyField CorrectTransparency(const std::string& text);
// Leaving the field: values below 10 become "10".
std::string TransparencyOnLeave(const std::string& text);
// Clicking the check box: the text it leaves in the field.
std::string TransparencyOnCheck(bool checked, const std::string& text);
// The check box as the stored value sets it: on for 10..254.
bool TransparencyChecked(const std::string& value);
// The alpha value OK gives the running window at once: 10..255; any other value leaves the
// window as it is.
std::optional<int> TransparencyOnOk(const std::string& value);

// The suggestions of the custom-name list: two dated "New Folder", the weekly backup, the
// full time stamp, then the user's template values.
std::vector<std::string> CustomNameItems(const LanguageTable& language,
                                         const std::vector<std::string>& user_templates);
// The theme list: the six built-in names, then "- " + each user theme.
std::vector<std::string> ThemeEntries(const LanguageTable& language,
                                      const std::vector<std::string>& user_theme_entries);
// A user-theme entry ("- name") gives the theme's name; a built-in one nothing.
std::optional<std::string> UserThemeOfEntry(std::string_view entry);

// One row of the extension list from a line "key=ext": the text after the last "=",
// without a leading ".".
std::string ExtensionOfLine(std::string_view line);
// The extension the Add button stores from the field; nothing for a blank text or ".".
std::optional<std::string> NewExtension(std::string_view field);

}  // namespace kestrix
