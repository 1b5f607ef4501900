#pragma once
// Byte-string helpers start-up needs beyond the shared text operations: ASCII case folding
// of whole texts and a case-insensitive prefix test.
#include <string>
#include <string_view>

#include "names/text_ops.h"

namespace kestrix {

std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);

}  // namespace kestrix
