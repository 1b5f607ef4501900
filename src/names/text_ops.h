#pragma once
// Small text helpers of the name engine. Texts are single-byte system-code-page strings;
// case-insensitive comparisons fold the ASCII letters only.
#include <string>
#include <string_view>

namespace kestrix {

// Removes every character up to and including the blank (control characters too) from
// both ends.
std::string Trim(std::string_view text);
bool IsBlank(std::string_view text);

char AsciiLower(char c);
std::string AsciiLowerCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Position (0-based) of the first occurrence of `needle` at or after `from`, or npos.
size_t FindIgnoreCase(std::string_view text, std::string_view needle, size_t from = 0);
bool ContainsIgnoreCase(std::string_view text, std::string_view needle);

// Replace every occurrence, left to right, without re-scanning inserted text. An empty
// `from` leaves the text unchanged.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view from,
                                 std::string_view to);

// The text after the last "\" or ":".
std::string ExtractFileName(std::string_view path);
// ExtractFileName without its extension (the part from its last ".").
std::string FileNameWithoutExtension(std::string_view path);

}  // namespace kestrix
