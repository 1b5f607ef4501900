#pragma once
// The creation run's settings: the values the settings model loaded at start-up and
// activation, and the user's character replacements, read when OK is pressed.
#include <string>
#include <utility>
#include <vector>

#include "create/creation_run.h"
#include "settings/settings_model.h"

namespace kestrix {

// The Files page's switches and extensions (the known-extension question is the caller's).
FileCreationRules FileCreationRulesFrom(const SettingsModel& settings);

CreationSettings CreationSettingsFrom(
    const SettingsModel& settings,
    const std::vector<std::pair<std::string, std::string>>& replace_chars);

}  // namespace kestrix
