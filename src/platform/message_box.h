#pragma once
// Modal message boxes as the portable logic sees them, so tests can answer Yes or No. Texts
// are UTF-8.
#include <cstdint>
#include <string>

namespace kestrix {

// MessageBoxW flags and answers, spelled out so portable code needs no <windows.h>.
enum MessageBoxFlag : uint32_t {
  kMbOk = 0x00,
  kMbYesNo = 0x04,
  kMbIconError = 0x10,
  kMbIconQuestion = 0x20,
  kMbIconWarning = 0x30,
  kMbIconInformation = 0x40,
};

enum MessageBoxAnswer : int {
  kIdOk = 1,
  kIdYes = 6,
  kIdNo = 7,
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows the box owned by the program's main window and returns the answer (kIdOk, ...).
  virtual int Show(const std::string& text, const std::string& caption, uint32_t flags) = 0;
};

}  // namespace kestrix
