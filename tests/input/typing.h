#pragma once
// Typing as the keyboard does, for the window and end-to-end tests: one Unicode key down
// and up per character, reaching the focus of the foreground window.
#include <windows.h>

#include <string>

namespace kestrix {

// `between` runs after each character (a pump or a pause), so the receiver handles the
// keys one by one. False when the system refused the input.
template <typename Between>
bool TypeUnicode(const std::string& text, Between between) {
  for (unsigned char c : text) {
    INPUT inputs[2] = {};
    for (int i = 0; i < 2; ++i) {
      inputs[i].type = INPUT_KEYBOARD;
      inputs[i].ki.wScan = c;
      inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
    }
    if (SendInput(2, inputs, sizeof(INPUT)) != 2) return false;
    between();
  }
  return true;
}

}  // namespace kestrix
