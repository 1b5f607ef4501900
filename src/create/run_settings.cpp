#include "create/run_settings.h"

#include "settings/configuration.h"

namespace kestrix {

FileCreationRules FileCreationRulesFrom(const SettingsModel& settings) {
  FileCreationRules rules;
  rules.enable = settings.Startup().file_creation_enable;
  rules.extension_detection = settings.Startup().extension_detection;
  for (const std::string& line : settings.Activation().extensions_enabled_lines)
    rules.extensions.push_back(ExtensionOfLine(line));
  return rules;
}

CreationSettings CreationSettingsFrom(
    const SettingsModel& settings,
    const std::vector<std::pair<std::string, std::string>>& replace_chars) {
  CreationSettings run;
  run.update_tree_info = settings.Startup().update_tree_info;
  run.enter_cmd_installed = settings.Startup().enter_cmd_installed;
  run.do_not_enter_deepest = settings.Startup().do_not_enter_deepest;
  run.focus_host_after_create = settings.Activation().focus_tc_after_create;
  run.invalid_chars.action = settings.Activation().invalid_char_action;
  run.invalid_chars.replacement = settings.Activation().invalid_char_replace;
  for (const auto& [key, value] : replace_chars)
    run.invalid_chars.replace_chars.push_back({key, value});
  run.file_creation = FileCreationRulesFrom(settings);
  return run;
}

}  // namespace kestrix
