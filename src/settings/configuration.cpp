#include "settings/configuration.h"

#include <cstdlib>

#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"
#include "settings/settings.h"

namespace kestrix {

namespace {

// Characters a name may not hold that the user could type as the replacement.
constexpr std::string_view kForbiddenInReplacement = "?%:*\"<>";

int NumberOf(const std::string& text) {
  return std::atoi(Trim(text).c_str());
}

// How a key of the dialog's table is stored: its text, not at all (no choice made), or
// removed from the file.
enum class Store { kWrite, kSkip, kDelete };
struct StoredKey {
  Setting id;
  std::string text;
  Store store = Store::kWrite;
};

// Every key the dialog writes, in table order, as the file would hold it.
std::vector<StoredKey> StoredKeys(const ConfigurationValues& v) {
  const auto flag = [](bool on) { return std::string(on ? "True" : "False"); };
  const auto number = [](int value) { return std::to_string(value); };
  const auto when = [](bool chosen) { return chosen ? Store::kWrite : Store::kSkip; };
  return {
      {Setting::kSuggestedName, number(v.custom_name ? 1 : 0)},
      {Setting::kCustomDirName, v.custom_dir_name},
      {Setting::kDirPrefixActive, flag(v.dir_prefix_active)},
      {Setting::kDirPrefix, v.dir_prefix},
      {Setting::kDirSuffixActive, flag(v.dir_suffix_active)},
      {Setting::kDirSuffix, v.dir_suffix},
      {Setting::kInvalidCharAction, number(v.replace_invalid ? 1 : 0)},
      {Setting::kInvalidCharReplace, v.invalid_char_replace},
      {Setting::kWindowPosition, number(v.window_position.value_or(0)),
       when(v.window_position.has_value())},
      {Setting::kFlatButtons, flag(v.flat_buttons)},
      {Setting::kUseWindowTheme, flag(v.use_window_theme)},
      {Setting::kSelectedTheme, number(v.selected_theme)},
      {Setting::kUserThemeName, v.user_theme_name, when(!v.user_theme_name.empty())},
      {Setting::kAlphaBlendValue, v.alpha_blend_value},
      {Setting::kFocusTCAfterCreate, flag(v.focus_tc)},
      {Setting::kCurrentLng, v.language.value_or(""), when(v.language.has_value())},
      {Setting::kTC8B10Method, flag(v.tc8b10_method)},
      {Setting::kTC8B10FixExt, flag(v.tc8b10_method && v.tc8b10_fix_ext)},
      {Setting::kMkDirHistoryFile, v.mkdir_history_file,
       v.mkdir_history_file.empty() ? Store::kDelete : Store::kWrite},
      {Setting::kFileCreationEnable, flag(v.file_creation_enable)},
      {Setting::kExtensionDetection, flag(v.extension_detection)},
      {Setting::kLastSelectedPage, number(v.last_selected_page)},
  };
}

}  // namespace

ConfigurationValues LoadConfiguration(BigIniFile& ini) {
  SettingsAccess s(ini);
  ConfigurationValues v;
  v.custom_name = s.Integer(Setting::kSuggestedName) == 1;
  v.custom_dir_name = s.TrimmedText(Setting::kCustomDirName);
  v.dir_prefix = s.TrimmedText(Setting::kDirPrefix);
  v.dir_prefix_active = s.Bool(Setting::kDirPrefixActive) && !v.dir_prefix.empty();
  v.dir_suffix = s.TrimmedText(Setting::kDirSuffix);
  v.dir_suffix_active = s.Bool(Setting::kDirSuffixActive) && !v.dir_suffix.empty();
  v.prefix_list = s.ReadList(kPrefixListSection);
  v.suffix_list = s.ReadList(kSuffixListSection);
  v.replace_invalid = s.Integer(Setting::kInvalidCharAction) == 1;
  v.invalid_char_replace = s.TrimmedText(Setting::kInvalidCharReplace);
  ini.ReadSectionValues(kReplaceCharsSection, v.replace_chars);
  const int position = s.Integer(Setting::kWindowPosition);
  v.window_position = position == 0 || position == 1 ? position : 2;
  v.flat_buttons = s.Bool(Setting::kFlatButtons);
  v.use_window_theme = s.Bool(Setting::kUseWindowTheme);
  v.selected_theme = s.Integer(Setting::kSelectedTheme);
  v.user_theme_name = s.TrimmedText(Setting::kUserThemeName);
  v.alpha_blend_value = Trim(s.Text(Setting::kAlphaBlendValue, "255"));
  if (v.alpha_blend_value.empty()) v.alpha_blend_value = "255";
  v.focus_tc = s.Bool(Setting::kFocusTCAfterCreate);
  v.tc8b10_method = s.Bool(Setting::kTC8B10Method);
  v.tc8b10_fix_ext = s.Bool(Setting::kTC8B10FixExt);
  v.mkdir_history_file = s.TrimmedText(Setting::kMkDirHistoryFile);
  v.file_creation_enable = s.Bool(Setting::kFileCreationEnable);
  v.extension_detection = s.Bool(Setting::kExtensionDetection);
  std::vector<std::string> lines;
  ini.ReadSectionValues(kExtensionsEnabledSection, lines);
  for (const std::string& line : lines) v.extensions.push_back(ExtensionOfLine(line));
  v.last_selected_page = s.Integer(Setting::kLastSelectedPage);
  return v;
}

void SaveConfiguration(BigIniFile& ini, const ConfigurationValues& v,
                       const ConfigurationValues& shown) {
  SettingsAccess s(ini);
  const std::vector<StoredKey> now = StoredKeys(v), before = StoredKeys(shown);
  const auto write = [&](size_t i) {
    if (now[i].store == before[i].store && now[i].text == before[i].text) return;
    if (now[i].store == Store::kWrite) s.WriteText(now[i].id, now[i].text);
    if (now[i].store == Store::kDelete) s.Delete(now[i].id);
  };
  // The keys up to the lists of the General page, the lists, then the rest.
  size_t i = 0;
  for (; now[i].id != Setting::kInvalidCharAction; ++i) write(i);
  if (v.prefix_list != shown.prefix_list) s.WriteList(kPrefixListSection, v.prefix_list);
  if (v.suffix_list != shown.suffix_list) s.WriteList(kSuffixListSection, v.suffix_list);
  for (; now[i].id != Setting::kWindowPosition; ++i) write(i);
  if (v.replace_chars != shown.replace_chars)
    ini.ReplaceSectionLines(kReplaceCharsSection, v.replace_chars);
  for (; now[i].id != Setting::kLastSelectedPage; ++i) write(i);
  if (v.extensions != shown.extensions) {
    // Rewritten whole, where the section lies.
    std::vector<std::string> lines;
    for (const std::string& extension : v.extensions)
      lines.push_back(Concat({std::to_string(lines.size()), "=", extension}));
    ini.ReplaceSectionLines(kExtensionsEnabledSection, lines);
  }
  write(i);
  ini.UpdateFile();
}

std::string SettingsFileMessage(const LanguageTable& language, const LanguageKey& headline,
                                const std::string& path, uint32_t code) {
  return Concat({language.Text(headline), "\r\n\r\n", FileFailureText(language, path, code)});
}

std::vector<std::string> AddAffixItem(std::vector<std::string> list, const std::string& text) {
  if (Trim(text).empty()) return list;
  list.insert(list.begin(), text);
  if (list.size() > kAffixListLimit) list.resize(kAffixListLimit);
  return list;
}

std::string CorrectReplaceChar(const std::string& text) {
  return text.find_first_of(kForbiddenInReplacement) == std::string::npos ? text : "_";
}

TransparencyField CorrectTransparency(const std::string& text) {
  TransparencyField field{text, false};
  if (Trim(text).empty()) field.text = "10";
  if (NumberOf(field.text) > 255) field.text = "255";
  field.checked = NumberOf(field.text) < 255;
  return field;
}

std::string TransparencyOnLeave(const std::string& text) {
  return NumberOf(text) < 10 ? "10" : text;
}

std::string TransparencyOnCheck(bool checked, const std::string& text) {
  if (!checked) return "255";
  return NumberOf(text) >= 255 ? "235" : text;
}

bool TransparencyChecked(const std::string& value) {
  const int number = NumberOf(value);
  return number >= 10 && number < 255;
}

std::optional<int> TransparencyOnOk(const std::string& value) {
  const int number = NumberOf(value);
  if (number < 10 || number > 255) return std::nullopt;
  return number;
}

std::vector<std::string> CustomNameItems(const LanguageTable& language,
                                         const std::vector<std::string>& user_templates) {
  const std::string folder = language.Text(lng::templates::kNewFolder);
  std::vector<std::string> items{
      Concat({folder, " (", "%Y.%N.%D.", ")"}), Concat({folder, " (", "%D-%N-%y", ")"}),
      Concat({language.Text(lng::templates::kWeeklyBackup), "_", "%W"}), "%Y.%N.%D_%H.%M.%S"};
  items.insert(items.end(), user_templates.begin(), user_templates.end());
  return items;
}

std::vector<std::string> ThemeEntries(const LanguageTable& language,
                                      const std::vector<std::string>& user_theme_entries) {
  std::vector<std::string> entries;
  for (const LanguageKey& key :
       {lng::config::kWndTheme1, lng::config::kWndTheme2, lng::config::kWndTheme3,
        lng::config::kWndTheme4, lng::config::kWndTheme5, lng::config::kWndTheme6})
    entries.push_back(language.Text(key));
  entries.insert(entries.end(), user_theme_entries.begin(), user_theme_entries.end());
  return entries;
}

std::optional<std::string> UserThemeOfEntry(std::string_view entry) {
  // The built-in names of a language without a translation read "- 1 -": not user themes.
  if (entry.size() < 2 || entry.substr(0, 2) != "- " || entry.ends_with(" -")) return std::nullopt;
  return std::string(entry.substr(2));
}

std::string ExtensionOfLine(std::string_view line) {
  const size_t equals = line.rfind('=');
  std::string_view extension = equals == std::string_view::npos ? line : line.substr(equals + 1);
  if (extension.starts_with('.')) extension.remove_prefix(1);
  return std::string(extension);
}

std::optional<std::string> NewExtension(std::string_view field) {
  std::string text = Trim(field);
  if (text.empty() || text == ".") return std::nullopt;
  if (text.front() == '.') text = Trim(text.substr(1));
  return text;
}

}  // namespace kestrix
