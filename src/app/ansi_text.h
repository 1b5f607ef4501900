#pragma once
// Byte-string helpers with the host's rules: single-byte system code page text, case folded
// for ASCII letters only, blanks being every character up to and including the space.
#include <string>
#include <string_view>

namespace kestrix {

// Removes leading and trailing characters at or below the space (control characters too).
std::string Trim(std::string_view text);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
bool ContainsIgnoreCase(std::string_view text, std::string_view part);
// Every occurrence of `from` (compared without case) replaced by `to`; an empty `from`
// changes nothing.
std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view from, std::string_view to);

}  // namespace kestrix
