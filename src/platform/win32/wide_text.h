#pragma once
// The one crossing between the program's UTF-8 and the UTF-16 of the wide Windows calls.
#include <string>
#include <string_view>

#include "base/utf8.h"

namespace kestrix {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wchar_t is a UTF-16 unit");

inline std::wstring Wide(std::string_view utf8) {
  const std::u16string units = Utf16FromUtf8(utf8);
  return std::wstring(reinterpret_cast<const wchar_t*>(units.data()), units.size());
}

inline std::string Utf8(std::wstring_view wide) {
  return Utf8FromUtf16(
      std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

inline std::string Utf8(const wchar_t* wide) {
  return wide == nullptr ? std::string() : Utf8(std::wstring_view(wide));
}

}  // namespace kestrix
