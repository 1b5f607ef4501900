#pragma once
// FakeCodePage: the ANSI code page is Windows-1252 without its 0x80-0x9F letters: other
// characters up to 0xFF map to themselves; the rest become "?", the code page's default
// character, and count as lost, as do the bytes 0x80-0x9F on their way to UTF-16. Other
// code pages read as 1252 does, except 1251, whose 0xC0-0xFF are "А" to "я".
#include "platform/code_page.h"

namespace kestrix {

// Names a user types in other scripts: Polish, Greek, CJK, Korean, an emoji (a surrogate
// pair), a combining accent, a name whose only ANSI form would be a look-alike ("Zolw"),
// and last the one this code page holds.
inline constexpr const char* kUnicodeNames[] = {
    "\u0141\u00F3d\u017A", "\u0395\u039B\u039B\u0386\u0394\u0391",
    "\u65E5\u672C\u8A9E",  "\uD55C\uAD6D\uC5B4",
    "\U0001F600",          "e\u0301",
    "\u017B\u00F3\u0142w", "Caf\u00E9"};

class FakeCodePage : public CodePage {
 public:
  std::string FromWide(const std::u16string& text, bool* lost = nullptr) override {
    std::string out;
    for (char16_t c : text) {
      const bool kept = c <= 0xFF && !Undefined(c);
      out.push_back(kept ? static_cast<char>(c) : '?');
      if (!kept && lost != nullptr) *lost = true;
    }
    return out;
  }
  std::u16string WideFromCodePage(std::string_view bytes, unsigned code_page,
                                  bool* lost = nullptr) override {
    std::u16string out;
    for (char c : bytes) {
      const auto byte = static_cast<unsigned char>(c);
      out.push_back(Undefined(byte)                     ? u'?'
                    : code_page == 1251 && byte >= 0xC0 ? static_cast<char16_t>(byte + 0x350)
                                                        : byte);
      if (Undefined(byte) && lost != nullptr) *lost = true;
    }
    return out;
  }

 private:
  static bool Undefined(char16_t c) { return c >= 0x80 && c <= 0x9F; }
};

}  // namespace kestrix
