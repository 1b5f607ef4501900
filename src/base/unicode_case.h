#pragma once
// Unicode's simple case mappings (one character to one character, as UnicodeData.txt of
// Unicode 14 gives them), without a locale: every script that has case, "Ǆ", "ǅ" and "ǆ"
// included. The platform's locale-aware casing is platform/char_case.h; this is what
// portable code uses where no platform is at hand.
#include <string>
#include <string_view>

namespace kestrix {

char32_t SimpleUpperCase(char32_t c);
char32_t SimpleLowerCase(char32_t c);
// Each character of UTF-8 text mapped; malformed bytes stay as they are.
std::string SimpleUpperCase(std::string_view text);
std::string SimpleLowerCase(std::string_view text);

}  // namespace kestrix
