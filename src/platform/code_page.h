#pragma once
// Conversion between UTF-16 text (files the host writes in Unicode) and the system code
// page.
#include <string>

namespace kestrix {

class CodePage {
 public:
  virtual ~CodePage() = default;
  // Characters without an ANSI form become the code page's default character (no
  // look-alike); `lost`, when given, is set when that happened and left alone otherwise.
  virtual std::string FromWide(const std::u16string& text, bool* lost = nullptr) = 0;
  // The system code page's text as UTF-16; `lost` as above, for bytes the code page does
  // not define. The default reads the bytes as Latin-1, the inverse of the fallback below,
  // so a file read and written without a code page keeps every character it could show.
  virtual std::u16string ToWide(const std::string& text, bool* lost = nullptr) {
    (void)lost;
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text) wide.push_back(static_cast<unsigned char>(c));
    return wide;
  }
};

}  // namespace kestrix
