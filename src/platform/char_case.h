#pragma once
// Upper- and lower-casing of one character of the system code page, as the platform's
// locale does it (CharUpperBuffA / CharLowerBuffA on Windows).

namespace kestrix {

class CharCase {
 public:
  virtual ~CharCase() = default;
  virtual char ToUpper(char c) const = 0;
  virtual char ToLower(char c) const = 0;
};

}  // namespace kestrix
