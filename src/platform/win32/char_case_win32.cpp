#include "platform/win32/char_case_win32.h"

#include <windows.h>

namespace kestrix {

char Win32CharCase::ToUpper(char c) const {
  CharUpperBuffA(&c, 1);
  return c;
}

char Win32CharCase::ToLower(char c) const {
  CharLowerBuffA(&c, 1);
  return c;
}

}  // namespace kestrix
