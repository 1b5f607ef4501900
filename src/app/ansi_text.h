#pragma once
// Byte-string helpers with the host's rules: single-byte system code page text, case folded
// for ASCII letters only, blanks being every character up to and including the space.
#include <string>
#include <string_view>

#include "names/text_utils.h"

namespace kestrix {

std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);

}  // namespace kestrix
