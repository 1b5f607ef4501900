#include "create/run_settings.h"

#include <vector>

#include "settings/settings.h"

namespace kestrix {

CreationSettings ReadCreationSettings(TBigIniFile& settings_file) {
  SettingsAccess s(settings_file);
  CreationSettings c;
  c.UpdateTreeInfo = s.Text(Setting::UpdateTreeInfo);
  c.EnterCmdInstalled = s.Bool(Setting::EnterCmdInstalled);
  c.DoNotEnterDeepest = s.Bool(Setting::DoNotEnterDeepest);
  c.FocusTCAfterCreate = s.Bool(Setting::FocusTCAfterCreate);
  c.invalid_chars.action = s.Integer(Setting::InvalidCharAction);
  c.invalid_chars.replacement = s.Text(Setting::InvalidCharReplace);
  std::vector<std::string> keys;
  settings_file.ReadSection(kReplaceCharsSection, keys);
  for (const std::string& key : keys)
    c.invalid_chars.replace_chars.push_back(
        {key, settings_file.ReadString(kReplaceCharsSection, key, "_")});
  return c;
}

HostMethodFlags ReadHostMethodFlags(TBigIniFile& settings_file) {
  SettingsAccess s(settings_file);
  return {s.Bool(Setting::TC8B10Method), s.Bool(Setting::TC8B10FuncChecked),
          s.Bool(Setting::TC8B10FixExt)};
}

void WriteHostMethodFlags(TBigIniFile& settings_file, const HostMethodFlags& flags) {
  SettingsAccess s(settings_file);
  s.WriteBool(Setting::TC8B10Method, flags.TC8B10Method);
  s.WriteBool(Setting::TC8B10FuncChecked, flags.TC8B10FuncChecked);
  s.WriteBool(Setting::TC8B10FixExt, flags.TC8B10FixExt);
}

AffixSettings ReadAffixSettings(TBigIniFile& settings_file) {
  SettingsAccess s(settings_file);
  return {s.Text(Setting::DirPrefix), s.Bool(Setting::DirPrefixActive), s.Text(Setting::DirSuffix),
          s.Bool(Setting::DirSuffixActive)};
}

}  // namespace kestrix
