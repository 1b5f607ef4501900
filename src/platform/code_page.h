#pragma once
// Conversion between UTF-16 text (files the host writes in Unicode) and the system code
// page.
#include <string>

namespace kestrix {

class CodePage {
 public:
  virtual ~CodePage() = default;
  // Characters without an ANSI form become the code page's default character.
  virtual std::string FromWide(const std::u16string& text) = 0;
  // The system code page's text as UTF-16. The default reads the bytes as Latin-1, the
  // inverse of the fallback below, so a file read and written without a code page keeps
  // every character it could show.
  virtual std::u16string ToWide(const std::string& text) {
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text) wide.push_back(static_cast<unsigned char>(c));
    return wide;
  }
};

}  // namespace kestrix
