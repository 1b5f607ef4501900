#include "settings/ini_key_rules.h"

#include "base/text_utils.h"
#include "base/unicode_case.h"
#include "settings/language_keys.h"

namespace kestrix {

IniKeyProblem IniKeyProblemOf(std::string_view key) {
  using Where = IniKeyProblem::Where;
  if (key.empty()) return {};
  if (TrimLeft(key).size() != key.size() || key.front() == '[' || key.front() == ';')
    return {Where::kFirst, std::string(1, key.front())};
  if (key.find('=') != std::string_view::npos) return {Where::kInside, "="};
  if (TrimRight(key).size() != key.size()) return {Where::kLast, std::string(1, key.back())};
  return {};
}

std::string IniKeyProblemText(const LanguageTable& language, const IniKeyProblem& problem) {
  const LanguageKey& text =
      problem.where == IniKeyProblem::Where::kInside  ? lng::errors::kKeyCharInside
      : problem.where == IniKeyProblem::Where::kFirst ? lng::errors::kKeyCharFirst
                                                      : lng::errors::kKeyCharLast;
  return ReplaceAll(language.Text(text), "%s", Concat({"\"", problem.character, "\""}));
}

bool SameIniKey(std::string_view a, std::string_view b) {
  return SimpleLowerCase(a) == SimpleLowerCase(b);
}

}  // namespace kestrix
