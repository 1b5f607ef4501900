#include "names/replacements.h"

#include <utility>

#include "base/path_text.h"
#include "base/text_utils.h"
#include "names/date_tokens.h"
#include "names/player_sources.h"
#include "names/system_sources.h"
#include "names/user_apps.h"
#include "names/variable_error.h"

namespace kestrix {

namespace {

// Date tokens are detected through their lower-case letters, so "%D" and "%Done" count.
constexpr const char* kDetectedDateTokens[] = {"%s", "%m", "%h", "%d", "%p", "%n",
                                               "%o", "%y", "%e", "%q", "%w", "%x"};

std::string UserAppToken(const std::string& id) {
  std::string token(1, '{');
  token.append(id).push_back('}');
  return token;
}

}  // namespace

std::string ExpandDefinedReferences(const std::string& text, Environment& environment) {
  std::string result;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t open = text.find('%', pos);
    const size_t close = open == std::string::npos ? open : text.find('%', open + 1);
    if (close == std::string::npos) {
      result.append(text, pos, std::string::npos);
      break;
    }
    result.append(text, pos, open - pos);
    const std::string name = text.substr(open + 1, close - open - 1);
    std::optional<std::string> value = name.empty() ? std::nullopt : environment.Get(name);
    if (value) {
      result += *value;
      pos = close + 1;
    } else {
      result += '%';
      pos = open + 1;
    }
  }
  return result;
}

std::string Replacements(const std::string& text, VariablePlatform& platform,
                         const std::vector<std::string>& user_app_ids) {
  const LocalDateTime now = platform.clock.Now();
  std::string result = Trim(ExpandDefinedReferences(text, platform.environment));
  result = ReplaceDateTokens(result, now, platform.locale);

  // A value is looked up only when its token is in the text: most lookups ask the system
  // or other programs, and this runs on every key typed into the name field.
  auto replace = [&result](const char* token, const auto& value) {
    if (ContainsIgnoreCase(result, token)) result = ReplaceAllIgnoreCase(result, token, value());
  };
  SystemFacts& system = platform.system;
  WindowSystem& windows = platform.windows;
  auto user = [&] { return Trim(UserNameSource(system)); };
  replace("{date}", [&] { return FormatDateVariable(now); });
  replace("{time}", [&] { return FormatTimeVariable(now); });
  replace("{user}", user);
  replace("{usr}", user);
  replace("{un}", user);
  replace("{pc}", [&] { return Trim(ComputerNameSource(system)); });
  replace("{os}", [&] { return Trim(OsNameSource(system)); });
  replace("{wg}", [&] { return Trim(WorkgroupSource(system)); });
  replace("{ut}", [&] { return Trim(UptimeText(platform.clock.TickCount())); });
  replace("{at}", [&] { return Trim(ArchitectureBitsSource(system)); });
  replace("{ax}", [&] { return Trim(ArchitectureNameSource(system)); });
  replace("{wact}", [&] { return WinampSource(windows); });
  replace("{bsct}", [&] { return BsPlayerSource(windows, platform.application_window); });
  replace("{aict}", [&] { return AimpSource(platform.shared_memory, platform.locale); });
  replace("{vlct}", [&] { return VlcSource(windows); });
  replace("{kmct}", [&] { return KmPlayerSource(windows); });

  UserAppReaders readers{windows, platform.shared_memory, platform.locale,
                         platform.application_window, ""};
  for (const std::string& id : user_app_ids) {
    const std::string token = UserAppToken(id);
    replace(token.c_str(), [&] {
      return EvaluateUserApp(id, ReadUserApp(platform.files, platform.program_dir, id), readers,
                             false);
    });
  }
  return result;
}

std::vector<std::string> EnvironmentList(Environment& environment, bool as_references) {
  std::vector<std::string> list;
  for (const auto& [name, value] : environment.List()) {
    std::string entry = name;
    entry.append("=").append(value);
    if (as_references) {
      // NAME is the text before the first "=", so hidden entries such as "=C:" give "%%".
      std::string reference(1, '%');
      reference.append(entry, 0, entry.find('=')).push_back('%');
      entry = std::move(reference);
    }
    std::string trimmed = Trim(entry);
    if (trimmed.empty() || trimmed == "%%") continue;
    list.push_back(entry);
  }
  return list;
}

bool HoldsVariables(const std::string& text, Environment& environment,
                    const std::vector<std::string>& user_app_ids) {
  for (const std::string& id : user_app_ids)
    if (ContainsIgnoreCase(text, UserAppToken(id))) return true;
  for (const char* token : kDetectedDateTokens)
    if (ContainsIgnoreCase(text, token)) return true;
  for (const char* token : kBraceTokens)
    if (ContainsIgnoreCase(text, token)) return true;
  // A reference is looked up by its name between two neighbouring "%" signs instead of
  // listing the environment: this runs on every key, and a pasted list may be long.
  for (size_t open = text.find('%'); open != std::string::npos;) {
    const size_t close = text.find('%', open + 1);
    if (close == std::string::npos) break;
    const std::string name = text.substr(open + 1, close - open - 1);
    if (!name.empty() && name.find('=') == std::string::npos && environment.Get(name)) return true;
    open = close;
  }
  return false;
}

AutoEnableOutcome AutoEnableReplacements(const std::string& text, const std::string& caption,
                                         const AutoEnableState& state, VariablePlatform& platform,
                                         const std::vector<std::string>& user_app_ids) {
  if (!state.replacements_armed) return {};
  return AutoEnableForVariables(HoldsVariables(text, platform.environment, user_app_ids), caption,
                                state, platform, user_app_ids);
}

AutoEnableOutcome AutoEnableForVariables(bool holds_variables, const std::string& caption,
                                         const AutoEnableState& state, VariablePlatform& platform,
                                         const std::vector<std::string>& user_app_ids) {
  AutoEnableOutcome outcome;
  if (!state.replacements_armed) return outcome;
  if (holds_variables) {
    outcome.option = AutoEnableOutcome::Option::kCheck;
    if (state.live_replacements && !state.batch_mode_active)
      outcome.timer = AutoEnableOutcome::Timer::kStart;
    // A failing variable must not take the switch with it: OK then reports the failure.
    try {
      outcome.caption = Replacements(caption, platform, user_app_ids);
    } catch (const VariableError& error) {
      outcome.error = error.what();
    }
  } else {
    outcome.option = AutoEnableOutcome::Option::kUncheck;
    if (state.live_replacements) outcome.timer = AutoEnableOutcome::Timer::kStop;
  }
  return outcome;
}

std::string ReplaceInvalidCharInPreview(const std::string& text,
                                        const PreviewCleanupSettings& settings,
                                        Environment& environment) {
  if (settings.invalid_char_action != InvalidCharAction::kReplace) return text;
  std::string r = settings.invalid_char_replace;
  // The replacement must not bring back a character it stands in for.
  if (r.find_first_of("?:*\"<>") != std::string::npos) r = "_";

  std::string result = text;
  for (const std::string& key : settings.replace_char_keys) {
    if (key.empty() || key == r) continue;
    std::string value = settings.replace_char_value ? settings.replace_char_value(key) : "_";
    result = ReplaceAllIgnoreCase(result, key, value);
  }
  result = ReplaceAll(result, "?", r);
  result = Trim(environment.Expand(result));
  // A typed drive path such as C:\Temp keeps its colon.
  if (!IsAbsolutePath(result)) result = ReplaceAll(result, ":", r);
  result = ReplaceAll(result, "\"", r);
  result = ReplaceAll(result, "<", r);
  result = ReplaceAll(result, ">", r);
  if (settings.normal_mode) result = ReplaceAll(result, "*", r);
  return result;
}

}  // namespace kestrix
