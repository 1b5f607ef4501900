#pragma once
#include "platform/char_case.h"

namespace kestrix {

// LCMapStringEx with the user's locale and its linguistic casing (a Turkish user's "i"
// raises to "İ"), one character at a time.
class Win32CharCase : public CharCase {
 public:
  char32_t ToUpper(char32_t c) const override;
  char32_t ToLower(char32_t c) const override;
};

}  // namespace kestrix
