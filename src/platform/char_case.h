#pragma once
// Upper- and lower-casing of one character as the platform's locale does it (LCMapStringEx
// on Windows). A character without a one-character counterpart comes back unchanged.

namespace kestrix {

class CharCase {
 public:
  virtual ~CharCase() = default;
  virtual char32_t ToUpper(char32_t c) const = 0;
  virtual char32_t ToLower(char32_t c) const = 0;
};

}  // namespace kestrix
