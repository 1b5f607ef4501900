#pragma once
// The part of the creation run's settings that is read when OK is pressed: the user's
// character replacements, whose values are not kept between runs.
#include <vector>

#include "create/invalid_chars.h"
#include "settings/big_ini_file.h"

namespace kestrix {

// Every key of section ReplaceChars in file order with its value.
std::vector<CharReplacement> ReadReplaceChars(TBigIniFile& settings_file);

}  // namespace kestrix
