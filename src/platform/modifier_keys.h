#pragma once
// The keyboard's modifier state at the moment of asking (GetKeyboardState, high bit).
#include <cstdint>

namespace kestrix {

enum VirtualKey : uint8_t {
  kVkShift = 0x10,
  kVkControl = 0x11,
  kVkAlt = 0x12,
  kVkEscape = 0x1B,
};

class ModifierKeys {
 public:
  virtual ~ModifierKeys() = default;
  virtual bool IsDown(uint8_t virtual_key) = 0;
};

}  // namespace kestrix
