#include "settings/settings.h"

#include <stdexcept>

#include "base/text_utils.h"

namespace kestrix {

namespace {

constexpr bool TableMatchesEnum() {
  for (size_t i = 0; i < kSettingKeys.size(); ++i)
    if (static_cast<size_t>(kSettingKeys[i].id) != i) return false;
  return true;
}
static_assert(TableMatchesEnum(), "kSettingKeys must list the keys in the order of Setting");

const char kTrue[] = "True";
const char kFalse[] = "False";

bool IsDecimalKey(const std::string& name, size_t& number) {
  if (name.empty() || name.size() > 9) return false;
  number = 0;
  for (char c : name) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + static_cast<size_t>(c - '0');
  }
  return true;
}

}  // namespace

const SettingKey& KeyOf(Setting id) {
  return kSettingKeys.at(static_cast<size_t>(id));
}

const SettingKey& SettingsAccess::Checked(Setting id, SettingType type) const {
  const SettingKey& key = KeyOf(id);
  if (key.type != type) throw std::logic_error(std::string("setting of another type: ") + key.key);
  return key;
}

bool SettingsAccess::Bool(Setting id) {
  const SettingKey& key = Checked(id, SettingType::kBool);
  return ini_.ReadString(key.section, key.key, key.default_value) == kTrue;
}

int SettingsAccess::Integer(Setting id) {
  const SettingKey& key = Checked(id, SettingType::kInteger);
  int fallback = 0;
  ParseIniInteger(key.default_value, fallback);
  return ini_.ReadInteger(key.section, key.key, fallback);
}

int SettingsAccess::Integer(Setting id, int default_value) {
  const SettingKey& key = Checked(id, SettingType::kInteger);
  return ini_.ReadInteger(key.section, key.key, default_value);
}

std::string SettingsAccess::Text(Setting id) {
  const SettingKey& key = KeyOf(id);
  return ini_.ReadString(key.section, key.key, key.default_value);
}

std::string SettingsAccess::Text(Setting id, const std::string& default_value) {
  const SettingKey& key = KeyOf(id);
  return ini_.ReadString(key.section, key.key, default_value);
}

std::string SettingsAccess::TrimmedText(Setting id) {
  return Trim(Text(id));
}

bool SettingsAccess::IsMissingOrEmpty(Setting id) {
  return Text(id, "").empty();
}

void SettingsAccess::WriteBool(Setting id, bool value) {
  const SettingKey& key = Checked(id, SettingType::kBool);
  ini_.WriteString(key.section, key.key, value ? kTrue : kFalse);
}

void SettingsAccess::WriteInteger(Setting id, int value) {
  const SettingKey& key = Checked(id, SettingType::kInteger);
  ini_.WriteInteger(key.section, key.key, value);
}

void SettingsAccess::WriteText(Setting id, const std::string& value) {
  const SettingKey& key = KeyOf(id);
  ini_.WriteString(key.section, key.key, value);
}

void SettingsAccess::Delete(Setting id) {
  const SettingKey& key = KeyOf(id);
  ini_.DeleteKey(key.section, key.key);
}

std::vector<std::string> SettingsAccess::ReadList(const std::string& section) {
  std::vector<std::string> lines;
  ini_.ReadSectionValues(section, lines);
  std::vector<std::string> items;
  for (const std::string& line : lines) {
    size_t eq = line.find('=');
    if (eq != std::string::npos) items.push_back(line.substr(eq + 1));
  }
  return items;
}

void SettingsAccess::WriteList(const std::string& section, const std::vector<std::string>& items) {
  for (size_t i = 0; i < items.size(); ++i) ini_.WriteString(section, std::to_string(i), items[i]);
  std::vector<std::string> names;
  ini_.ReadSection(section, names);
  for (const std::string& name : names) {
    size_t number = 0;
    if (IsDecimalKey(name, number) && number >= items.size()) ini_.DeleteKey(section, name);
  }
}

void SettingsAccess::ReplaceList(const std::string& section,
                                 const std::vector<std::string>& items) {
  ini_.EraseSection(section);
  for (size_t i = 0; i < items.size(); ++i) ini_.WriteString(section, std::to_string(i), items[i]);
}

std::string ExecutableBaseName(const std::string& exe_path) {
  size_t start = exe_path.find_last_of("\\/:");
  std::string name = start == std::string::npos ? exe_path : exe_path.substr(start + 1);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string UserStructureSection(int n) {
  return "UserStructure" + std::to_string(n);
}

std::vector<std::string> ReadStructureNames(BigIniFile& ini) {
  std::vector<std::string> names;
  for (int n = 0; n < kUserStructureCount; ++n)
    names.push_back(Trim(ini.ReadString(UserStructureSection(n), "Name", "")));
  return names;
}

std::string ProgramDirOf(const std::string& exe_path) {
  size_t slash = exe_path.find_last_of("\\/");
  std::string dir = slash == std::string::npos ? std::string() : exe_path.substr(0, slash + 1);
  for (char& c : dir)
    if (c == '/') c = '\\';
  if (!dir.empty() && dir.back() == '\\') dir.pop_back();
  return dir;
}

std::string SettingsFilePath(const std::string& exe_path) {
  std::string dir = ProgramDirOf(exe_path);
  std::string name = ExecutableBaseName(exe_path) + ".ini";
  return dir.empty() ? name : dir + "\\" + name;
}

void WriteInstallationDefaults(BigIniFile& ini, const InstallDefaults& values) {
  SettingsAccess settings(ini);
  settings.WriteText(Setting::kCurrentLng, values.language);
  for (Setting id : {Setting::kTC8B10Method, Setting::kTC8B10FixExt, Setting::kAlwaysOnTop,
                     Setting::kAlwaysActive, Setting::kDoNotEnterDeepest,
                     Setting::kFileCreationEnable, Setting::kExtensionDetection}) {
    if (settings.IsMissingOrEmpty(id)) settings.WriteText(id, KeyOf(id).default_value);
  }
  if (settings.Integer(Setting::kDisablePlugins, -1) == -1)
    settings.WriteInteger(Setting::kDisablePlugins, 0);
  settings.WriteBool(Setting::kEnterCmdInstalled, values.enter_command_installed);
  if (!settings.Bool(Setting::kDoNotInstall1stTemplate)) {
    // An empty key would erase the whole template section instead of adding to it.
    std::string name = Trim(values.first_template_name);
    if (name.empty()) name = kFirstTemplateDefaultName;
    ini.WriteString(kUserTemplatesSection, name, kFirstTemplateValue);
  }
  if (!ini.SectionExists(kExtensionsEnabledSection))
    settings.ReplaceList(kExtensionsEnabledSection, {"txt", "ini", "html", "htm", "css", "php"});
  // Flushed here, not at release, so a write error reaches the installer.
  ini.UpdateFile();
}

}  // namespace kestrix
