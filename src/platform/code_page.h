#pragma once
// Conversions between the program's UTF-8 and the bytes of a code page: the host's ANSI
// files and, read once, the built-in language files in their own code pages. Never a
// best fit: a character without an exact form is lost, and says so.
#include <string>
#include <string_view>

#include "base/utf8.h"

namespace kestrix {

class CodePage {
 public:
  // The system's ANSI code page (CP_ACP).
  static constexpr unsigned kAnsi = 0;

  virtual ~CodePage() = default;
  // UTF-16 in the ANSI code page. Characters without an ANSI form become the code page's
  // default character (no look-alike); `lost`, when given, is set when that happened and
  // left alone otherwise.
  virtual std::string FromWide(const std::u16string& text, bool* lost = nullptr) = 0;
  // Bytes of `code_page` (kAnsi: the system's) as UTF-16; `lost` as above, for bytes the
  // code page does not define. The default reads any code page as Latin-1, which keeps every
  // byte a character of its own.
  virtual std::u16string WideFromCodePage(std::string_view bytes, unsigned code_page,
                                          bool* lost = nullptr) {
    (void)code_page, (void)lost;
    std::u16string wide;
    wide.reserve(bytes.size());
    for (char c : bytes) wide.push_back(static_cast<unsigned char>(c));
    return wide;
  }

  std::u16string ToWide(const std::string& text, bool* lost = nullptr) {
    return WideFromCodePage(text, kAnsi, lost);
  }
  // The same from and to UTF-8. Plain ASCII is the same in every code page and passes as
  // it is.
  std::string Utf8FromCodePage(std::string_view bytes, unsigned code_page = kAnsi,
                               bool* lost = nullptr) {
    if (IsAscii(bytes)) return std::string(bytes);
    return Utf8FromUtf16(WideFromCodePage(bytes, code_page, lost));
  }
  std::string AnsiFromUtf8(std::string_view text, bool* lost = nullptr) {
    if (IsAscii(text)) return std::string(text);
    return FromWide(Utf16FromUtf8(text, lost), lost);
  }
  // One of the program's own text files as UTF-8: UTF-16 or UTF-8 as DetectTextEncoding
  // finds them, else the ANSI code page.
  std::string Utf8FromOwnFile(std::string_view bytes, bool* lost = nullptr) {
    const TextEncoding encoding = DetectTextEncoding(bytes);
    if (encoding == TextEncoding::kAnsi) return Utf8FromCodePage(bytes, kAnsi, lost);
    return Utf8FromEncoded(bytes, encoding);
  }
};

// The conversion where the system's code page is not known: bytes read as Latin-1, and only
// ASCII written, since no other byte is sure to read back as the same character.
class UnknownCodePage : public CodePage {
 public:
  std::string FromWide(const std::u16string& text, bool* lost = nullptr) override {
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t c : text) {
      bytes.push_back(c < 0x80 ? static_cast<char>(c) : '?');
      if (c >= 0x80 && lost != nullptr) *lost = true;
    }
    return bytes;
  }
};

}  // namespace kestrix
