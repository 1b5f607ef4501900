#pragma once
// Variable expansion: `Replacements`, the detection behind the automatic "Enable
// replacements" switch, and the preview's character clean-up.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/locale.h"
#include "platform/shared_memory.h"
#include "platform/system_facts.h"
#include "platform/window_system.h"
#include "settings/settings_model.h"

namespace kestrix {

// Everything the expansion reads.
struct VariablePlatform {
  Clock& clock;
  Locale& locale;
  Environment& environment;
  SystemFacts& system;
  WindowSystem& windows;
  SharedMemory& shared_memory;
  FileSystem& files;
  // The folder of the executable; user applications live in its "Plugins" folder.
  std::string program_dir;
  // The sender of copy-data requests.
  WindowHandle application_window = 0;
};

// The system and application tokens, replaced case-insensitively in this order.
inline constexpr const char* kBraceTokens[] = {
    "{date}", "{time}", "{user}", "{usr}",  "{un}",   "{pc}",   "{os}",   "{wg}",
    "{ut}",   "{at}",   "{ax}",   "{wact}", "{bsct}", "{aict}", "{vlct}", "{kmct}"};

// The text with every known variable replaced: environment references first (then the
// whole text is trimmed), the date tokens, the system and player tokens, then the user
// applications of `user_app_ids`. Throws VariableError when a value cannot be computed in
// a way the user must hear about (a user application's dwData that is not a number, a
// failing architecture query).
std::string Replacements(const std::string& text, VariablePlatform& platform,
                         const std::vector<std::string>& user_app_ids);

// Every "%" + NAME + "%" whose NAME is defined replaced by its value; anything else stays
// as typed. Unlike the platform's own expansion, an undefined reference gives its closing
// "%" back, so in "%Y %USERNAME%" the user name is still found (the date step would
// otherwise take "%U" out of it).
std::string ExpandDefinedReferences(const std::string& text, Environment& environment);

// The environment in its order: "%" + NAME + "%" per entry with `as_references`, else the
// entries whole (NAME=value). Entries whose trimmed form is empty or "%%" are dropped.
std::vector<std::string> EnvironmentList(Environment& environment, bool as_references);

// Whether the text holds variables, compared case-insensitively: a user-application token,
// a date token in its lower-case form, a system or player token, or a reference to a
// defined environment variable.
bool HoldsVariables(const std::string& text, Environment& environment,
                    const std::vector<std::string>& user_app_ids);

// The main window's state that AutoEnableReplacements reads.
struct AutoEnableState {
  bool replacements_armed = true;
  bool live_replacements = true;  // setting LiveReplacements
  bool batch_mode_active = false;
};

// What the window does with option_replacements, the LiveReplacements timer and the
// preview label.
struct AutoEnableOutcome {
  enum class Option { kUnchanged, kCheck, kUncheck };
  enum class Timer { kUnchanged, kStart, kStop };
  Option option = Option::kUnchanged;
  Timer timer = Timer::kUnchanged;
  // The label's new caption; nullopt keeps it.
  std::optional<std::string> caption;
  // Why the caption could not be expanded (a failing variable); the switches still apply.
  std::optional<std::string> error;
};

AutoEnableOutcome AutoEnableReplacements(const std::string& text, const std::string& caption,
                                         const AutoEnableState& state, VariablePlatform& platform,
                                         const std::vector<std::string>& user_app_ids);
// The same for a text whose HoldsVariables answer is known.
AutoEnableOutcome AutoEnableForVariables(bool holds_variables, const std::string& caption,
                                         const AutoEnableState& state, VariablePlatform& platform,
                                         const std::vector<std::string>& user_app_ids);

struct PreviewCleanupSettings {
  InvalidCharAction invalid_char_action = InvalidCharAction::kWarn;
  std::string invalid_char_replace = "_";  // InvalidCharReplace
  // Key names of section ReplaceChars, in file order, as read at activation.
  std::vector<std::string> replace_char_keys;
  // The value of a ReplaceChars key, read from the settings file when asked ("_" when
  // missing).
  std::function<std::string(const std::string& key)> replace_char_value;
  bool normal_mode = true;  // MkDir visible
};

// The preview's character clean-up; unchanged unless InvalidCharAction is kReplace.
std::string ReplaceInvalidCharInPreview(const std::string& text,
                                        const PreviewCleanupSettings& settings,
                                        Environment& environment);

}  // namespace kestrix
