#pragma once
// FakeCodePage: Windows-1252 without its 0x80-0x9F letters: other characters up to 0xFF map
// to themselves; the rest become "?", the code page's default character, and count as
// lost, as do the bytes 0x80-0x9F on their way to UTF-16.
#include "platform/code_page.h"

namespace kestrix {

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
  std::u16string ToWide(const std::string& text, bool* lost = nullptr) override {
    std::u16string out;
    for (char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      out.push_back(Undefined(byte) ? u'?' : byte);
      if (Undefined(byte) && lost != nullptr) *lost = true;
    }
    return out;
  }

 private:
  static bool Undefined(char16_t c) { return c >= 0x80 && c <= 0x9F; }
};

}  // namespace kestrix
