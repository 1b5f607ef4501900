#pragma once
// Characters a directory name may not hold, and what a creation run does about them: warn
// (the plan refuses each name holding one, creation_plan.h), or repair the text and run
// again.
#include <string>
#include <string_view>
#include <vector>

#include "names/input_mode.h"
#include "settings/settings_model.h"

namespace kestrix {

// Refused in every mode. "*" is refused too in Normal mode; in the list it marks a
// subdirectory line.
inline constexpr std::string_view kInvalidNameChars = "?:\"<>";
inline constexpr std::string_view kDefaultInvalidCharReplace = "_";

// One entry of the user's ReplaceChars settings section: every occurrence of `key`
// (case-insensitive) counts as invalid and is repaired to `value`. The caller reads the
// value with "_" as the default for a key without one.
struct CharReplacement {
  std::string key;
  std::string value;
};

struct InvalidCharRules {
  InvalidCharAction action = InvalidCharAction::kWarn;
  std::string replacement{kDefaultInvalidCharReplace};  // InvalidCharReplace
  std::vector<CharReplacement> replace_chars;           // ReplaceChars, file order
};

// True when the text holds a character of kInvalidNameChars, "*" in Normal mode, or any
// (non-empty) ReplaceChars key.
bool ContainsInvalidChars(std::string_view text, InputMode mode,
                          const std::vector<CharReplacement>& replace_chars);

// InvalidCharReplace as the repair uses it: "_" when the user's text itself holds one of
// "?", ":", "*", the double quote, "<" or ">".
std::string EffectiveInvalidCharReplace(std::string_view replacement);

// The repaired text: first every ReplaceChars key (in order, skipping a key equal to the
// replacement) becomes its value, then every character of kInvalidNameChars, and "*" in
// Normal mode, becomes the replacement. The result never holds a character of
// kInvalidNameChars (nor "*" in Normal mode), though a ReplaceChars value may bring back
// another key.
std::string RepairInvalidChars(std::string_view text, InputMode mode,
                               const InvalidCharRules& rules);

enum class InvalidCharVerdict {
  kValid,   // go on creating
  kWarn,    // go on: the plan refuses each name that holds one, in the words of the preview
  kRepair,  // put RepairInvalidChars of the visible input back and run again
  kRefuse,  // unknown action: create nothing, show nothing
};

// The decision at the invalid-character step of a creation run. Pass
// `after_repair` = true on the run that a repair restarted: the repair has removed every
// fixed invalid character, and ReplaceChars keys it could not remove (a key equal to the
// replacement, or a value that contains a key) are then accepted, so that a repair never
// restarts the run more than once.
InvalidCharVerdict JudgeInvalidChars(std::string_view text, InputMode mode,
                                     const InvalidCharRules& rules, bool after_repair);

}  // namespace kestrix
