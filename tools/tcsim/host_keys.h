#pragma once
// Key presses in the host's shortcut notation: modifier letters "C", "A", "S" in that
// order, "+", then the key name ("F7", "S+F7", "CS+N"). Combinations with the Windows key
// are looked up in the section ShortcutsWin instead of Shortcuts; on tcsim's command line
// they are written with a leading "Win+" ("Win+F8").
#include <cstdint>
#include <optional>
#include <string>

namespace kestrix::tcsim {

struct KeyPress {
  uint32_t key = 0;  // virtual-key code
  bool ctrl = false, alt = false, shift = false, win = false;
  bool operator==(const KeyPress&) const = default;
};

// Private message that asks tcsim to act as if a key had been pressed in its active
// list: wParam = virtual-key code, lParam = modifier bits below. Posted by tests and by
// tcsim itself for --press. (WM_APP + 0x101.)
constexpr unsigned kPressKeyMessage = 0x8101;

// Modifier bits carried in lParam of the private press message.
constexpr uint32_t kModCtrl = 1, kModAlt = 2, kModShift = 4, kModWin = 8;
uint32_t ModifierBits(const KeyPress& press);
KeyPress FromModifierBits(uint32_t key, uint32_t bits);

// The host's name of a virtual key ("F7", "A", "Del"); empty for keys it cannot bind.
std::string KeyName(uint32_t key);
// Shortcut notation without the Windows key ("S+F7"); empty when the key has no name.
std::string ShortcutNotation(const KeyPress& press);
// "F7", "S+F7", "Win+CS+F8" (case-insensitive); nothing for an unknown key or modifier.
std::optional<KeyPress> ParseKeyPress(const std::string& text);
// The notation with "Win+" in front when the Windows key is held, for logs.
std::string DescribeKeyPress(const KeyPress& press);

}  // namespace kestrix::tcsim
