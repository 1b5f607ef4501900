#include "platform/win32/char_case_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "names/text_modifiers.h"

namespace kestrix {
namespace {

TEST(Win32CharCase, AgreesWithThePortableCasing) {
  EXPECT_EQ(InvertCase("Abc-1\\", Win32CharCase()), "aBC-1\\");
  // The accented vowel pairs are letters in the Western and Central European code pages.
  const UINT code_page = GetACP();
  if (code_page != 1250 && code_page != 1252) GTEST_SKIP() << "code page " << code_page;
  const Win32CharCase system_case;
  const PortableCharCase portable_case;
  const std::string letters =
      "\xC1\xC9\xCD\xD3\xD6\xD5\xDA\xDC\xDB\xE1\xE9\xED\xF3\xF6\xF5\xFA\xFC\xFB";
  EXPECT_EQ(InvertCase(letters, system_case), InvertCase(letters, portable_case));
}

}  // namespace
}  // namespace kestrix
