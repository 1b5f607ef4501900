#include "platform/win32/char_case_win32.h"

#include <string>

#include "base/utf8.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

namespace {

// The character mapped, or itself when the locale gives anything but one character of the
// same UTF-16 length (a selection around it must keep its place).
char32_t Mapped(char32_t c, DWORD flags) {
  std::string utf8;
  AppendUtf8(utf8, c);
  const std::u16string units = Utf16FromUtf8(utf8);
  wchar_t mapped[2] = {};
  const int length = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags | LCMAP_LINGUISTIC_CASING,
                                   reinterpret_cast<const wchar_t*>(units.data()),
                                   static_cast<int>(units.size()), mapped, 2, nullptr, nullptr, 0);
  if (length != static_cast<int>(units.size())) return c;
  const std::string back = Utf8FromUtf16(std::u16string_view(
      reinterpret_cast<const char16_t*>(mapped), static_cast<std::size_t>(length)));
  const Utf8Char one = DecodeUtf8Char(back, 0);
  return one.length == back.size() ? one.code : c;
}

}  // namespace

char32_t Win32CharCase::ToUpper(char32_t c) const {
  return Mapped(c, LCMAP_UPPERCASE);
}

char32_t Win32CharCase::ToLower(char32_t c) const {
  return Mapped(c, LCMAP_LOWERCASE);
}

}  // namespace kestrix
