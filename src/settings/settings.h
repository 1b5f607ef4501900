#pragma once
// The settings file "<exe base name>.ini" beside the executable: every key with its
// section, type and default, described once in kSettingKeys, and read or written through
// one accessor over an open BigIniFile. Callers open the file, read or write, and
// release it at once; nothing is cached here. The values the program runs with are loaded
// and saved by settings_model.h.
#include <array>
#include <string>
#include <vector>

#include "settings/big_ini_file.h"

namespace kestrix {

enum class SettingType { kBool, kInteger, kText };

// One enumerator per key, in the order of kSettingKeys.
enum class Setting {
  // Configuration
  kTC8B10Method,
  kTC8B10FixExt,
  kWindowPosition,
  kAlwaysOnTop,
  kAlwaysActive,
  kAlphaBlendValue,
  kDisablePlugins,
  kMkDirHistoryFile,
  kHideFromTaskBar,
  kWindowStyle,
  kLiveReplacements,
  kDoNotEnterDeepest,
  kUpdateTreeInfo,
  kIntelliModifiers,
  kSuggestedName,
  kCustomDirName,
  kInvalidCharAction,
  kInvalidCharReplace,
  kInitialMode,
  kFlatButtons,
  kUseWindowTheme,
  kSelectedTheme,
  kSpeedBtnColor,
  kUserThemeName,
  kLastSelectedPage,
  kFocusTCAfterCreate,
  kRefreshOnActivate,
  kDisableUserStructs,
  kShowMenuShortcuts,
  kFontName,
  kFontSize,
  // Additional
  kTC8B10FuncChecked,
  kEnterCmdInstalled,
  kDoNotInstallEnterCmd,
  kDoNotInstall1stTemplate,
  kReplacements,
  kEnterDirectory,
  kCloseWindow,
  kUSClearList,
  kTreePreview,
  // PrefixSuffix
  kDirPrefix,
  kDirSuffix,
  kDirPrefixActive,
  kDirSuffixActive,
  // FileCreation
  kFileCreationEnable,
  kExtensionDetection,
  // Language
  kCurrentLng,
  // Window
  kWindowExtended,
  // WindowSize
  kAboutFormWidth,
  kAboutFormHeight,
  kManageTemplatesWidth,
  kManageTemplatesHeight,
  // About
  kReleasePage,
  kCount
};

struct SettingKey {
  Setting id;
  const char* section;
  const char* key;
  SettingType type;
  // "True"/"False" for booleans, decimal text for integers.
  const char* default_value;
};

inline constexpr std::array<SettingKey, static_cast<size_t>(Setting::kCount)> kSettingKeys{{
    {Setting::kTC8B10Method, "Configuration", "TC8B10Method", SettingType::kBool, "False"},
    {Setting::kTC8B10FixExt, "Configuration", "TC8B10FixExt", SettingType::kBool, "True"},
    {Setting::kWindowPosition, "Configuration", "WindowPosition", SettingType::kInteger, "0"},
    {Setting::kAlwaysOnTop, "Configuration", "AlwaysOnTop", SettingType::kBool, "False"},
    {Setting::kAlwaysActive, "Configuration", "AlwaysActive", SettingType::kBool, "False"},
    {Setting::kAlphaBlendValue, "Configuration", "AlphaBlendValue", SettingType::kInteger, "255"},
    {Setting::kDisablePlugins, "Configuration", "DisablePlugins", SettingType::kInteger, "0"},
    {Setting::kMkDirHistoryFile, "Configuration", "MkDirHistoryFile", SettingType::kText, ""},
    {Setting::kHideFromTaskBar, "Configuration", "HideFromTaskBar", SettingType::kBool, "False"},
    {Setting::kWindowStyle, "Configuration", "WindowStyle", SettingType::kInteger, "0"},
    {Setting::kLiveReplacements, "Configuration", "LiveReplacements", SettingType::kBool, "True"},
    {Setting::kDoNotEnterDeepest, "Configuration", "DoNotEnterDeepest", SettingType::kBool,
     "False"},
    // Read as text: its values are not limited to "True" and "False".
    {Setting::kUpdateTreeInfo, "Configuration", "UpdateTreeInfo", SettingType::kText, "False"},
    {Setting::kIntelliModifiers, "Configuration", "IntelliModifiers", SettingType::kBool, "True"},
    {Setting::kSuggestedName, "Configuration", "SuggestedName", SettingType::kInteger, "0"},
    {Setting::kCustomDirName, "Configuration", "CustomDirName", SettingType::kText, ""},
    {Setting::kInvalidCharAction, "Configuration", "InvalidCharAction", SettingType::kInteger, "0"},
    {Setting::kInvalidCharReplace, "Configuration", "InvalidCharReplace", SettingType::kText, "_"},
    {Setting::kInitialMode, "Configuration", "InitialMode", SettingType::kInteger, "0"},
    {Setting::kFlatButtons, "Configuration", "FlatButtons", SettingType::kBool, "False"},
    {Setting::kUseWindowTheme, "Configuration", "UseWindowTheme", SettingType::kBool, "False"},
    {Setting::kSelectedTheme, "Configuration", "SelectedTheme", SettingType::kInteger, "0"},
    {Setting::kSpeedBtnColor, "Configuration", "SpeedBtnColor", SettingType::kText, ""},
    {Setting::kUserThemeName, "Configuration", "UserThemeName", SettingType::kText, ""},
    {Setting::kLastSelectedPage, "Configuration", "LastSelectedPage", SettingType::kInteger, "0"},
    {Setting::kFocusTCAfterCreate, "Configuration", "FocusTCAfterCreate", SettingType::kBool,
     "False"},
    {Setting::kRefreshOnActivate, "Configuration", "RefreshOnActivate", SettingType::kBool,
     "False"},
    {Setting::kDisableUserStructs, "Configuration", "DisableUserStructs", SettingType::kBool,
     "False"},
    {Setting::kShowMenuShortcuts, "Configuration", "ShowMenuShortcuts", SettingType::kBool,
     "False"},
    {Setting::kFontName, "Configuration", "FontName", SettingType::kText, "Default"},
    {Setting::kFontSize, "Configuration", "FontSize", SettingType::kInteger, "8"},
    {Setting::kTC8B10FuncChecked, "Additional", "TC8B10FuncChecked", SettingType::kBool, "False"},
    {Setting::kEnterCmdInstalled, "Additional", "EnterCmdInstalled", SettingType::kBool, "False"},
    {Setting::kDoNotInstallEnterCmd, "Additional", "DoNotInstallEnterCmd", SettingType::kBool,
     "False"},
    {Setting::kDoNotInstall1stTemplate, "Additional", "DoNotInstall1stTemplate", SettingType::kBool,
     "False"},
    {Setting::kReplacements, "Additional", "Replacements", SettingType::kBool, "False"},
    {Setting::kEnterDirectory, "Additional", "EnterDirectory", SettingType::kBool, "False"},
    {Setting::kCloseWindow, "Additional", "CloseWindow", SettingType::kBool, "True"},
    {Setting::kUSClearList, "Additional", "US-ClearList", SettingType::kBool, "True"},
    // Off: the window starts as it always has; F9 and the tree button turn it on.
    {Setting::kTreePreview, "Additional", "TreePreview", SettingType::kBool, "False"},
    {Setting::kDirPrefix, "PrefixSuffix", "DirPrefix", SettingType::kText, ""},
    {Setting::kDirSuffix, "PrefixSuffix", "DirSuffix", SettingType::kText, ""},
    {Setting::kDirPrefixActive, "PrefixSuffix", "DirPrefixActive", SettingType::kBool, "False"},
    {Setting::kDirSuffixActive, "PrefixSuffix", "DirSuffixActive", SettingType::kBool, "False"},
    {Setting::kFileCreationEnable, "FileCreation", "Enable", SettingType::kBool, "False"},
    {Setting::kExtensionDetection, "FileCreation", "ExtensionDetection", SettingType::kBool,
     "False"},
    {Setting::kCurrentLng, "Language", "CurrentLng", SettingType::kText, "ENG"},
    {Setting::kWindowExtended, "Window", "Extended", SettingType::kBool, "False"},
    {Setting::kAboutFormWidth, "WindowSize", "aboutForm_W", SettingType::kInteger, "480"},
    {Setting::kAboutFormHeight, "WindowSize", "aboutForm_H", SettingType::kInteger, "288"},
    {Setting::kManageTemplatesWidth, "WindowSize", "ManageTemplates_W", SettingType::kInteger,
     "353"},
    {Setting::kManageTemplatesHeight, "WindowSize", "ManageTemplates_H", SettingType::kInteger,
     "257"},
    // The page the About dialog's update link opens; empty: the user guide's section on
    // new versions.
    {Setting::kReleasePage, "About", "ReleasePage", SettingType::kText, ""},
}};

// Sections that hold lists rather than fixed keys.
inline constexpr char kPrefixListSection[] = "PrefixList";
inline constexpr char kSuffixListSection[] = "SuffixList";
inline constexpr char kExtensionsEnabledSection[] = "ExtensionsEnabled";
inline constexpr char kReplaceCharsSection[] = "ReplaceChars";
inline constexpr char kUserTemplatesSection[] = "UserTemplates";

const SettingKey& KeyOf(Setting id);

// The one typed accessor. Booleans read true only for the exact text "True" and are
// written as "True" / "False"; integers go through ReadInteger ("0x" accepted, the
// default when the value does not parse); texts are the raw value after "=".
class SettingsAccess {
 public:
  explicit SettingsAccess(BigIniFile& ini) : ini_(ini) {}

  bool Bool(Setting id);
  int Integer(Setting id);
  int Integer(Setting id, int default_value);
  std::string Text(Setting id);
  std::string Text(Setting id, const std::string& default_value);
  // Leading and trailing blanks and control characters removed.
  std::string TrimmedText(Setting id);
  bool IsMissingOrEmpty(Setting id);

  void WriteBool(Setting id, bool value);
  void WriteInteger(Setting id, int value);
  void WriteText(Setting id, const std::string& value);
  void Delete(Setting id);

  // Items of a numbered list section ("0=...", "1=...") in file order: the text after
  // the first "=" of every line that holds one.
  std::vector<std::string> ReadList(const std::string& section);
  // Writes the items as keys "0", "1", ... and removes numbered keys beyond the new end,
  // so a shorter list does not bring back old items.
  void WriteList(const std::string& section, const std::vector<std::string>& items);
  // Erases the section and writes the items as keys "0", "1", ...
  void ReplaceList(const std::string& section, const std::vector<std::string>& items);

 private:
  const SettingKey& Checked(Setting id, SettingType type) const;

  BigIniFile& ini_;
};

// "C:\Dir\tc Kestrix.exe" -> "tc Kestrix" (the name without its last extension).
std::string ExecutableBaseName(const std::string& exe_path);
// The directory of the executable, "/" replaced by "\", no trailing "\".
std::string ProgramDirOf(const std::string& exe_path);
// ProgramDir + "\" + base name + ".ini".
std::string SettingsFilePath(const std::string& exe_path);

// The user structures of the Load menu, kept in sections "UserStructure0" to 25.
inline constexpr int kUserStructureCount = 26;
// "UserStructure" + n.
std::string UserStructureSection(int n);
// The trimmed `Name` of every structure section 0 to 25, in number order ("" when none).
std::vector<std::string> ReadStructureNames(BigIniFile& ini);

// What the installer writes into the settings file after copying the executable.
struct InstallDefaults {
  std::string language;  // the installer's current language identifier
  bool enter_command_installed = false;
  // The installer's language text for QuickReplacers - System / User, used as the key of
  // the first template.
  std::string first_template_name;
};
inline constexpr char kFirstTemplateDefaultName[] = "Current username";
inline constexpr char kFirstTemplateValue[] = "{user}";
// Flushes at the end: a write error reaches the caller as InOutError.
void WriteInstallationDefaults(BigIniFile& ini, const InstallDefaults& values);

}  // namespace kestrix
