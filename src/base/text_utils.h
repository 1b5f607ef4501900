#pragma once
// Small string helpers shared by the name engine and directory creation. Texts are UTF-8;
// indexes here are 0-based byte offsets like std::string's. Case-insensitive helpers fold
// ASCII letters only: every fixed pattern the program matches is ASCII, and a fold that
// changed a character's length would move every offset after it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kestrix {

// The line break of the Windows edit controls that hold lists.
inline constexpr std::string_view kLineBreak = "\r\n";

// Blanks in the sense of trimming: space and every control character (code below 33).
bool IsTrimmable(char c);
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
// True when the text is empty after trimming.
bool IsBlank(std::string_view text);

bool IsAsciiDigit(char c);
char AsciiToUpper(char c);
char AsciiToLower(char c);
std::string AsciiUpperCase(std::string_view text);
std::string AsciiLowerCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Index of the first occurrence of `pattern` at or after `from`, or npos. An empty pattern
// is never found (it would match everywhere and make replacements loop).
std::size_t FindIgnoreCase(std::string_view text, std::string_view pattern, std::size_t from = 0);
bool ContainsIgnoreCase(std::string_view text, std::string_view pattern);
bool ContainsAnyOf(std::string_view text, std::string_view chars);

// Replaces every non-overlapping occurrence, scanning left to right; the inserted text is
// never searched again. An empty `from` leaves the text unchanged.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view from, std::string_view to);

// Where the next line break ("\r" or "\n") at or after `from` is, or the text's size.
std::size_t FindLineBreak(std::string_view text, std::size_t from);
// Where the line after the break at `at` begins: a break is "\r\n", "\n" or a lone "\r".
std::size_t AfterLineBreak(std::string_view text, std::size_t at);

// Splits like a string list reading a memo: at CR LF, LF or a lone CR; a final line break
// does not start another line, so "" gives no lines and "a\r\n" gives one.
std::vector<std::string> SplitLines(std::string_view text);
// Joins with `separator` between parts (none after the last).
std::string Join(const std::vector<std::string>& parts, std::string_view separator);
// Joins with kLineBreak between lines (none after the last).
std::string JoinLines(const std::vector<std::string>& lines);

// Copy in the 1-based sense of the texts the program reads: `count` bytes from position
// `start` (1 is the first), clamped to the text; a start below 1 counts as 1. Positions come
// from searches of the same text. A start inside a character moves on to the next one and
// an end inside one back to its start: the copy holds whole characters only.
std::string CopyChars(std::string_view text, std::int64_t start, std::int64_t count);

// The pieces joined. (GCC 12 at -O3 warns falsely on chains of "+" with short literals.)
std::string Concat(std::initializer_list<std::string_view> pieces);

// The text after the last "\" or ":" ("/" is an ordinary character in titles and tags).
std::string ExtractFileName(std::string_view path);
// ExtractFileName without its extension (the part from its last ".").
std::string FileNameWithoutExtension(std::string_view path);

// The text with a line break ("\n") put into every run without blanks that `width` measures
// wider than `max_width` (a long path, above all), so that each piece fits: after the last
// "\" or "/" that leaves a piece that fits, else after the last character that does. Blanks
// and line breaks stay: a message box wraps at those itself.
std::string BreakLongRuns(std::string_view text, int max_width,
                          const std::function<int(std::string_view)>& width);

}  // namespace kestrix
