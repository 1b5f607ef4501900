#pragma once
// What a name must not hold to be stored as the name of a settings-file line and read back
// as typed: the file reads a line's name up to its first "=", a line "[...]" as a section,
// a line starting with ";" as a comment to the eye of anyone who edits the file, and
// readers trim names. The file format stays; such a name is refused where it is typed.
#include <string>
#include <string_view>

#include "settings/language_table.h"

namespace kestrix {

struct IniKeyProblem {
  enum class Where { kNone, kInside, kFirst, kLast };
  Where where = Where::kNone;
  std::string character;  // the offending character
  explicit operator bool() const { return where != Where::kNone; }
};

// The first problem of `key`: a blank, "[" or ";" at its start, "=" anywhere, a blank at
// its end. None for a name the file keeps.
IniKeyProblem IniKeyProblemOf(std::string_view key);

// The message for the user, naming the character in quotes.
std::string IniKeyProblemText(const LanguageTable& language, const IniKeyProblem& problem);

// Whether the file takes two names for one: it compares names without letter case.
bool SameIniKey(std::string_view a, std::string_view b);

}  // namespace kestrix
