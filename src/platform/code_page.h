#pragma once
// Conversion of UTF-16 text (files the host writes in Unicode) to the system code page.
#include <string>

namespace kestrix {

class CodePage {
 public:
  virtual ~CodePage() = default;
  // Characters without an ANSI form become the code page's default character.
  virtual std::string FromWide(const std::u16string& text) = 0;
};

}  // namespace kestrix
