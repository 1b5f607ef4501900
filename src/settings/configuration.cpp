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

}  // namespace

ConfigurationValues LoadConfiguration(TBigIniFile& ini) {
  SettingsAccess s(ini);
  ConfigurationValues v;
  v.custom_name = s.Integer(Setting::SuggestedName) == 1;
  v.custom_dir_name = s.TrimmedText(Setting::CustomDirName);
  v.dir_prefix = s.TrimmedText(Setting::DirPrefix);
  v.dir_prefix_active = s.Bool(Setting::DirPrefixActive) && !v.dir_prefix.empty();
  v.dir_suffix = s.TrimmedText(Setting::DirSuffix);
  v.dir_suffix_active = s.Bool(Setting::DirSuffixActive) && !v.dir_suffix.empty();
  v.prefix_list = s.ReadList(kPrefixListSection);
  v.suffix_list = s.ReadList(kSuffixListSection);
  v.replace_invalid = s.Integer(Setting::InvalidCharAction) == 1;
  v.invalid_char_replace = s.TrimmedText(Setting::InvalidCharReplace);
  std::vector<std::string> keys;
  ini.ReadSection(kReplaceCharsSection, keys);
  for (const std::string& key : keys)
    v.replace_chars.emplace_back(key, ini.ReadString(kReplaceCharsSection, key, "_"));
  const int position = s.Integer(Setting::WindowPosition);
  v.window_position = position == 0 || position == 1 ? position : 2;
  v.flat_buttons = s.Bool(Setting::FlatButtons);
  v.use_window_theme = s.Bool(Setting::UseWindowTheme);
  v.selected_theme = s.Integer(Setting::SelectedTheme);
  v.user_theme_name = s.TrimmedText(Setting::UserThemeName);
  v.alpha_blend_value = Trim(s.Text(Setting::AlphaBlendValue, "255"));
  if (v.alpha_blend_value.empty()) v.alpha_blend_value = "255";
  v.focus_tc = s.Bool(Setting::FocusTCAfterCreate);
  v.tc8b10_method = s.Bool(Setting::TC8B10Method);
  v.tc8b10_fix_ext = s.Bool(Setting::TC8B10FixExt);
  v.mkdir_history_file = s.TrimmedText(Setting::MkDirHistoryFile);
  v.file_creation_enable = s.Bool(Setting::FileCreationEnable);
  v.extension_detection = s.Bool(Setting::ExtensionDetection);
  std::vector<std::string> lines;
  ini.ReadSectionValues(kExtensionsEnabledSection, lines);
  for (const std::string& line : lines) v.extensions.push_back(ExtensionOfLine(line));
  v.last_selected_page = s.Integer(Setting::LastSelectedPage);
  return v;
}

void SaveConfiguration(TBigIniFile& ini, const ConfigurationValues& v) {
  SettingsAccess s(ini);
  s.WriteInteger(Setting::SuggestedName, v.custom_name ? 1 : 0);
  s.WriteText(Setting::CustomDirName, v.custom_dir_name);
  s.WriteBool(Setting::DirPrefixActive, v.dir_prefix_active);
  s.WriteText(Setting::DirPrefix, v.dir_prefix);
  s.WriteBool(Setting::DirSuffixActive, v.dir_suffix_active);
  s.WriteText(Setting::DirSuffix, v.dir_suffix);
  s.WriteList(kPrefixListSection, v.prefix_list);
  s.WriteList(kSuffixListSection, v.suffix_list);
  s.WriteInteger(Setting::InvalidCharAction, v.replace_invalid ? 1 : 0);
  s.WriteText(Setting::InvalidCharReplace, v.invalid_char_replace);
  ini.EraseSection(kReplaceCharsSection);
  for (const auto& [key, value] : v.replace_chars)
    ini.WriteString(kReplaceCharsSection, key, value);
  if (v.window_position) s.WriteInteger(Setting::WindowPosition, *v.window_position);
  s.WriteBool(Setting::FlatButtons, v.flat_buttons);
  s.WriteBool(Setting::UseWindowTheme, v.use_window_theme);
  s.WriteInteger(Setting::SelectedTheme, v.selected_theme);
  if (!v.user_theme_name.empty()) s.WriteText(Setting::UserThemeName, v.user_theme_name);
  s.WriteText(Setting::AlphaBlendValue, v.alpha_blend_value);
  s.WriteBool(Setting::FocusTCAfterCreate, v.focus_tc);
  if (v.language) s.WriteText(Setting::CurrentLng, *v.language);
  s.WriteBool(Setting::TC8B10Method, v.tc8b10_method);
  s.WriteBool(Setting::TC8B10FixExt, v.tc8b10_method && v.tc8b10_fix_ext);
  if (v.mkdir_history_file.empty())
    s.Delete(Setting::MkDirHistoryFile);
  else
    s.WriteText(Setting::MkDirHistoryFile, v.mkdir_history_file);
  s.WriteBool(Setting::FileCreationEnable, v.file_creation_enable);
  s.WriteBool(Setting::ExtensionDetection, v.extension_detection);
  s.ReplaceList(kExtensionsEnabledSection, v.extensions);
  s.WriteInteger(Setting::LastSelectedPage, v.last_selected_page);
  ini.UpdateFile();
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

std::string ReplaceCharsText(const std::vector<std::pair<std::string, std::string>>& pairs) {
  std::vector<std::string> lines;
  for (const auto& [key, value] : pairs) lines.push_back(Concat({key, "=", value}));
  return JoinLines(lines);
}

std::vector<std::pair<std::string, std::string>> ParseReplaceChars(std::string_view text) {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const std::string& line : SplitLines(text)) {
    const size_t equals = line.find('=');
    std::string key = Trim(line.substr(0, equals));
    if (key.empty()) continue;
    pairs.emplace_back(key, equals == std::string::npos ? "_" : line.substr(equals + 1));
  }
  return pairs;
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
