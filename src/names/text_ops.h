#pragma once
// Small text helpers of the name engine. Texts are single-byte system-code-page strings;
// case-insensitive comparisons fold the ASCII letters only.
#include <initializer_list>
#include <string>
#include <string_view>

// Trim, FindIgnoreCase, ReplaceAll and their kin are shared with the directory structure.
#include "names/text_utils.h"

namespace kestrix {

// The pieces joined. (GCC 12 at -O3 warns falsely on chains of "+" with short literals.)
std::string Concat(std::initializer_list<std::string_view> pieces);

char AsciiLower(char c);
std::string AsciiLowerCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// The text after the last "\" or ":".
std::string ExtractFileName(std::string_view path);
// ExtractFileName without its extension (the part from its last ".").
std::string FileNameWithoutExtension(std::string_view path);

}  // namespace kestrix
