#include "settings/settings_model.h"

#include <memory>
#include <optional>

#include "base/text_utils.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "settings/big_ini_file.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"
#include "settings/settings.h"

namespace kestrix {

WindowPosition ToWindowPosition(int value) {
  if (value == 0) return WindowPosition::kHostWindow;
  return value == 1 ? WindowPosition::kHostPane : WindowPosition::kScreen;
}

InitialMode ToInitialMode(int value) {
  return value >= 0 && value <= 2 ? static_cast<InitialMode>(value) : InitialMode::kUnchanged;
}

WindowStyle ToWindowStyle(int value) {
  return value == 1 || value == 2 ? static_cast<WindowStyle>(value) : WindowStyle::kOwnBorder;
}

InvalidCharAction ToInvalidCharAction(int value) {
  return value == 0 || value == 1 ? static_cast<InvalidCharAction>(value)
                                  : InvalidCharAction::kUnknown;
}

SuggestedName ToSuggestedName(int value) {
  return value == 0 ? SuggestedName::kHostItem : SuggestedName::kCustomName;
}

DisablePlugins ToDisablePlugins(int value) {
  return value == 1 || value == 2 ? static_cast<DisablePlugins>(value) : DisablePlugins::kNone;
}

std::string SettingsFailureText(const SettingsResult& result, const LanguageTable& language) {
  return FileFailureText(language, result.path, result.code);
}

SettingsModel::SettingsModel(FileSystem& files, Environment& environment, MessageBoxes* boxes,
                             std::function<const LanguageTable&()> language, std::string file_path,
                             CodePage* code_page)
    : files_(files),
      environment_(environment),
      boxes_(boxes),
      language_(std::move(language)),
      path_(std::move(file_path)),
      code_page_(code_page) {}

template <typename Step>
SettingsResult SettingsModel::Run(Report report, Step&& step) {
  SettingsResult result;
  try {
    step();
  } catch (const InOutError& error) {
    result = {false, error.Path(), error.Code()};
  }
  if (result.ok) {
    failure_shown_ = false;
  } else if (boxes_ != nullptr && (report == Report::kAlways || !failure_shown_)) {
    failure_shown_ = true;
    const LanguageTable& language = language_();
    boxes_->Show(SettingsFailureText(result, language), language.Text(lng::errors::kError),
                 kMbOk | kMbIconError);
  }
  return result;
}

template <typename Step>
void SettingsModel::WithFile(Step&& step) {
  if (!holding_) {
    BigIniFile ini(files_, path_, IniOwner::kProgram, code_page_);
    step(ini);
    return;
  }
  if (!held_) held_ = std::make_unique<BigIniFile>(files_, path_, IniOwner::kProgram, code_page_);
  step(*held_);
}

void SettingsModel::HoldFile(bool held) {
  holding_ = held;
  if (!held) held_.reset();
}

SettingsResult SettingsModel::LoadStartup() {
  return Run(Report::kOnce, [&] {
    WithFile([&](BigIniFile& ini) {
      SettingsAccess s(ini);
      StartupSettings r;
      r.tc8b10_method = s.Bool(Setting::kTC8B10Method);
      r.tc8b10_fix_ext = s.Bool(Setting::kTC8B10FixExt);
      r.window_position = ToWindowPosition(s.Integer(Setting::kWindowPosition));
      r.always_on_top = s.Bool(Setting::kAlwaysOnTop);
      r.always_active = s.Bool(Setting::kAlwaysActive);
      r.alpha_blend_value = s.Integer(Setting::kAlphaBlendValue);
      r.disable_plugins = ToDisablePlugins(s.Integer(Setting::kDisablePlugins));
      r.mkdir_history_file = s.TrimmedText(Setting::kMkDirHistoryFile);
      if (!r.mkdir_history_file.empty())
        r.mkdir_history_file = environment_.Expand(r.mkdir_history_file);
      r.hide_from_taskbar = s.Bool(Setting::kHideFromTaskBar);
      r.window_style = ToWindowStyle(s.Integer(Setting::kWindowStyle));
      r.live_replacements = s.Bool(Setting::kLiveReplacements);
      r.do_not_enter_deepest = s.Bool(Setting::kDoNotEnterDeepest);
      r.update_tree_info = s.Text(Setting::kUpdateTreeInfo);
      r.intelli_modifiers = s.Bool(Setting::kIntelliModifiers);
      r.suggested_name = ToSuggestedName(s.Integer(Setting::kSuggestedName));
      r.tc8b10_func_checked = s.Bool(Setting::kTC8B10FuncChecked);
      r.enter_cmd_installed = s.Bool(Setting::kEnterCmdInstalled);
      r.dir_prefix = s.Text(Setting::kDirPrefix);
      r.dir_suffix = s.Text(Setting::kDirSuffix);
      r.dir_prefix_active = s.Bool(Setting::kDirPrefixActive);
      r.dir_suffix_active = s.Bool(Setting::kDirSuffixActive);
      r.file_creation_enable = s.Bool(Setting::kFileCreationEnable);
      r.extension_detection = s.Bool(Setting::kExtensionDetection);
      r.tree_preview = s.Bool(Setting::kTreePreview);
      startup_ = std::move(r);
    });
  });
}

SettingsResult SettingsModel::LoadActivation() {
  return Run(Report::kOnce, [&] {
    WithFile([&](BigIniFile& ini) {
      SettingsAccess s(ini);
      ActivationSettings r;
      r.initial_mode = ToInitialMode(s.Integer(Setting::kInitialMode));
      r.window_extended = s.Bool(Setting::kWindowExtended);
      r.invalid_char_replace = s.Text(Setting::kInvalidCharReplace);
      ini.ReadSection(kReplaceCharsSection, r.replace_chars_keys);
      ini.ReadSectionValues(kExtensionsEnabledSection, r.extensions_enabled_lines);
      r.invalid_char_action = ToInvalidCharAction(s.Integer(Setting::kInvalidCharAction));
      r.window_position = ToWindowPosition(s.Integer(Setting::kWindowPosition));
      r.flat_buttons = s.Bool(Setting::kFlatButtons);
      r.use_window_theme = s.Bool(Setting::kUseWindowTheme);
      r.selected_theme = s.Integer(Setting::kSelectedTheme);
      r.speed_btn_color = s.Text(Setting::kSpeedBtnColor);
      r.user_theme_name = s.Text(Setting::kUserThemeName);
      r.last_selected_page = s.Integer(Setting::kLastSelectedPage);
      r.focus_tc_after_create = s.Bool(Setting::kFocusTCAfterCreate);
      r.refresh_on_activate = s.Bool(Setting::kRefreshOnActivate);
      r.disable_user_structs = s.Bool(Setting::kDisableUserStructs);
      if (!r.disable_user_structs) r.structure_names = ReadStructureNames(ini);
      r.show_menu_shortcuts = s.Bool(Setting::kShowMenuShortcuts);
      r.replacements = s.Bool(Setting::kReplacements);
      r.enter_directory = s.Bool(Setting::kEnterDirectory);
      r.close_window = s.Bool(Setting::kCloseWindow);
      r.us_clear_list = s.Bool(Setting::kUSClearList);
      r.font_name = s.Text(Setting::kFontName);
      r.font_size = s.Integer(Setting::kFontSize);
      r.custom_dir_name = s.Text(Setting::kCustomDirName);
      r.suggested_name = ToSuggestedName(s.Integer(Setting::kSuggestedName));
      activation_ = std::move(r);
    });
  });
}

SettingsResult SettingsModel::SaveClosing(const ClosingState& state) {
  held_.reset();
  return Run(Report::kAlways, [&] {
    BigIniFile ini(files_, path_, IniOwner::kProgram, code_page_);
    SettingsAccess s(ini);
    if (s.IsMissingOrEmpty(Setting::kCurrentLng))
      s.WriteText(Setting::kCurrentLng, state.language_in_use);
    s.WriteBool(Setting::kReplacements, state.replacements);
    s.WriteBool(Setting::kEnterDirectory, state.enter_directory);
    s.WriteBool(Setting::kCloseWindow, state.close_window);
    s.WriteBool(Setting::kUSClearList, activation_.us_clear_list);
    s.WriteInteger(Setting::kLastSelectedPage, activation_.last_selected_page);
    if (!activation_.user_theme_name.empty())
      s.WriteText(Setting::kUserThemeName, activation_.user_theme_name);
    if (state.tc8b10_method) s.WriteBool(Setting::kTC8B10Method, true);
    if (state.tc8b10_fix_ext) s.WriteBool(Setting::kTC8B10FixExt, true);
    s.WriteBool(Setting::kTC8B10FuncChecked, state.tc8b10_func_checked);
    // Flushed here, not at release, so a write error becomes the result.
    ini.UpdateFile();
  });
}

std::string SettingsModel::LanguageSetting() {
  std::string id;
  Run(Report::kOnce, [&] {
    WithFile([&](BigIniFile& ini) { id = SettingsAccess(ini).TrimmedText(Setting::kCurrentLng); });
  });
  return id;
}

std::vector<std::string> SettingsModel::List(const char* section) {
  std::vector<std::string> items;
  Run(Report::kAlways, [&] {
    BigIniFile ini(files_, path_, IniOwner::kProgram, code_page_);
    items = SettingsAccess(ini).ReadList(section);
  });
  return items;
}

std::vector<std::string> SettingsModel::Keys(const char* section) {
  std::vector<std::string> keys;
  Run(Report::kAlways, [&] {
    BigIniFile ini(files_, path_, IniOwner::kProgram, code_page_);
    ini.ReadSection(section, keys);
  });
  return keys;
}

std::string SettingsModel::Value(const char* section, const std::string& key,
                                 const std::string& fallback) {
  std::string value = fallback;
  Run(Report::kAlways, [&] {
    BigIniFile ini(files_, path_, IniOwner::kProgram, code_page_);
    value = ini.ReadString(section, key, fallback);
  });
  return value;
}

SettingsResult SettingsModel::ReadReplaceChars(
    std::vector<std::pair<std::string, std::string>>& pairs) {
  pairs.clear();
  return Run(Report::kAlways, [&] {
    BigIniFile ini(files_, path_, IniOwner::kProgram, code_page_);
    std::vector<std::string> keys;
    ini.ReadSection(kReplaceCharsSection, keys);
    for (const std::string& key : keys)
      pairs.emplace_back(key, ini.ReadString(kReplaceCharsSection, key, "_"));
  });
}

std::function<std::string(const std::string& key)> SettingsModel::ReplaceCharValues() const {
  auto settings = std::make_shared<std::optional<BigIniFile>>();
  auto unreadable = std::make_shared<bool>(false);
  return [&files = files_, path = path_, code_page = code_page_, settings,
          unreadable](const std::string& key) {
    if (*unreadable) return std::string("_");
    try {
      if (!*settings) settings->emplace(files, path, IniOwner::kProgram, code_page);
      return (*settings)->ReadString(kReplaceCharsSection, key, "_");
    } catch (const InOutError&) {
      *unreadable = true;
      return std::string("_");
    }
  };
}

SettingsResult SettingsModel::Read(const std::function<void(BigIniFile&)>& step) {
  return Run(Report::kOnce, [&] {
    BigIniFile ini(files_, path_, IniOwner::kProgram, code_page_);
    step(ini);
  });
}

SettingsResult SettingsModel::Edit(const std::function<void(BigIniFile&)>& step) {
  held_.reset();
  return Run(Report::kAlways, [&] {
    BigIniFile ini(files_, path_, IniOwner::kProgram, code_page_);
    step(ini);
    ini.UpdateFile();
  });
}

}  // namespace kestrix
