#pragma once
// FakeCodePage: Windows-1252 without its 0x80-0x9F letters: characters up to 0xFF map to
// themselves, others become "?", the code page's default character, and count as lost.
#include "platform/code_page.h"

namespace kestrix {

class FakeCodePage : public CodePage {
 public:
  std::string FromWide(const std::u16string& text, bool* lost = nullptr) override {
    std::string out;
    for (char16_t c : text) {
      out.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
      if (c > 0xFF && lost != nullptr) *lost = true;
    }
    return out;
  }
};

}  // namespace kestrix
