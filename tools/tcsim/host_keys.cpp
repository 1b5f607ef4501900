#include "host_keys.h"

#include <array>

#include "ini_text.h"

namespace kestrix::tcsim {
namespace {

struct NamedKey {
  uint32_t key;
  const char* name;
};

// Virtual-key codes of the keys with names of their own (values from WinUser.h).
constexpr std::array<NamedKey, 18> kNamedKeys{{{0x08, "Back"},
                                               {0x09, "Tab"},
                                               {0x0D, "Enter"},
                                               {0x1B, "Esc"},
                                               {0x20, "Space"},
                                               {0x21, "PgUp"},
                                               {0x22, "PgDn"},
                                               {0x23, "End"},
                                               {0x24, "Home"},
                                               {0x25, "Left"},
                                               {0x26, "Up"},
                                               {0x27, "Right"},
                                               {0x28, "Down"},
                                               {0x2D, "Ins"},
                                               {0x2E, "Del"},
                                               {0x6A, "Num*"},
                                               {0x6B, "Num+"},
                                               {0x6D, "Num-"}}};
constexpr uint32_t kF1 = 0x70;

}  // namespace

uint32_t ModifierBits(const KeyPress& press) {
  return (press.ctrl ? kModCtrl : 0) | (press.alt ? kModAlt : 0) | (press.shift ? kModShift : 0) |
         (press.win ? kModWin : 0);
}

KeyPress FromModifierBits(uint32_t key, uint32_t bits) {
  return {key, (bits & kModCtrl) != 0, (bits & kModAlt) != 0, (bits & kModShift) != 0,
          (bits & kModWin) != 0};
}

std::string KeyName(uint32_t key) {
  if (key >= kF1 && key < kF1 + 24) {
    // Appended rather than "F" + to_string: GCC 12 warns falsely about that overlap.
    std::string name = "F";
    name.append(std::to_string(key - kF1 + 1));
    return name;
  }
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
    return std::string(1, static_cast<char>(key));
  }
  for (const NamedKey& named : kNamedKeys) {
    if (named.key == key) return named.name;
  }
  return {};
}

std::string ShortcutNotation(const KeyPress& press) {
  std::string name = KeyName(press.key);
  if (name.empty()) return {};
  std::string notation;
  if (press.ctrl) notation += 'C';
  if (press.alt) notation += 'A';
  if (press.shift) notation += 'S';
  if (!notation.empty()) notation += '+';
  notation.append(name);
  return notation;
}

std::optional<KeyPress> ParseKeyPress(const std::string& text) {
  KeyPress press;
  std::string rest = Trim(text);
  if (UpperCase(rest.substr(0, 4)) == "WIN+") {
    press.win = true;
    rest = rest.substr(4);
  }
  size_t plus = rest.find('+');
  // "Num+" ends with the separator itself: only a "+" followed by a name splits.
  if (plus == 0 && rest.size() > 1) return std::nullopt;
  if (plus != std::string::npos && plus + 1 < rest.size()) {
    for (char c : UpperCase(rest.substr(0, plus))) {
      if (c == 'C') {
        press.ctrl = true;
      } else if (c == 'A') {
        press.alt = true;
      } else if (c == 'S') {
        press.shift = true;
      } else {
        return std::nullopt;
      }
    }
    rest = rest.substr(plus + 1);
  }
  if (rest.empty()) return std::nullopt;
  std::string upper = UpperCase(rest);
  for (uint32_t key = 0; key < 0x100; ++key) {
    std::string name = KeyName(key);
    if (!name.empty() && UpperCase(name) == upper) {
      press.key = key;
      return press;
    }
  }
  return std::nullopt;
}

std::string DescribeKeyPress(const KeyPress& press) {
  std::string notation = ShortcutNotation(press);
  if (notation.empty()) notation = "key" + std::to_string(press.key);
  return press.win ? "Win+" + notation : notation;
}

}  // namespace kestrix::tcsim
