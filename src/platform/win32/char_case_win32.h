#pragma once
#include "platform/char_case.h"

namespace kestrix {

// The system locale's casing of one ANSI character (CharUpperBuffA / CharLowerBuffA).
class Win32CharCase : public CharCase {
 public:
  char ToUpper(char c) const override;
  char ToLower(char c) const override;
};

}  // namespace kestrix
