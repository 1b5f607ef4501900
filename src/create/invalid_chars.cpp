#include "create/invalid_chars.h"

#include "base/text_utils.h"

namespace kestrix {

namespace {

bool ContainsFixedInvalidChars(std::string_view text, InputMode mode) {
  if (ContainsAnyOf(text, kInvalidNameChars)) return true;
  return mode == InputMode::kNormal && text.find('*') != std::string_view::npos;
}

}  // namespace

bool ContainsInvalidChars(std::string_view text, InputMode mode,
                          const std::vector<CharReplacement>& replace_chars) {
  if (ContainsFixedInvalidChars(text, mode)) return true;
  for (const CharReplacement& entry : replace_chars) {
    if (ContainsIgnoreCase(text, entry.key)) return true;
  }
  return false;
}

std::string EffectiveInvalidCharReplace(std::string_view replacement) {
  if (ContainsAnyOf(replacement, "?:*\"<>")) return std::string(kDefaultInvalidCharReplace);
  return std::string(replacement);
}

std::string RepairInvalidChars(std::string_view text, InputMode mode,
                               const InvalidCharRules& rules) {
  const std::string replacement = EffectiveInvalidCharReplace(rules.replacement);
  std::string result(text);
  for (const CharReplacement& entry : rules.replace_chars) {
    if (entry.key == replacement) continue;
    result = ReplaceAllIgnoreCase(result, entry.key, entry.value);
  }
  std::string repaired;
  repaired.reserve(result.size());
  for (char c : result) {
    const bool invalid = kInvalidNameChars.find(c) != std::string_view::npos ||
                         (c == '*' && mode == InputMode::kNormal);
    if (invalid) {
      repaired.append(replacement);
    } else {
      repaired.push_back(c);
    }
  }
  return repaired;
}

InvalidCharVerdict JudgeInvalidChars(std::string_view text, InputMode mode,
                                     const InvalidCharRules& rules, bool after_repair) {
  const bool invalid = after_repair ? ContainsFixedInvalidChars(text, mode)
                                    : ContainsInvalidChars(text, mode, rules.replace_chars);
  if (!invalid) return InvalidCharVerdict::kValid;
  switch (rules.action) {
    case InvalidCharAction::kWarn:
      return InvalidCharVerdict::kWarn;
    case InvalidCharAction::kReplace:
      return InvalidCharVerdict::kRepair;
    case InvalidCharAction::kUnknown:
      break;
  }
  return InvalidCharVerdict::kRefuse;
}

}  // namespace kestrix
