#pragma once
// Typing as the keyboard does and clicking as the mouse does, for the window and
// end-to-end tests: one Unicode key down and up per character, reaching the focus of the
// foreground window; a left click at a point of the screen.
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

// A real left click at a screen point, with pauses for the pointer and the receiver.
inline void ClickAt(int x, int y) {
  SetCursorPos(x, y);
  Sleep(150);
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
  Sleep(250);
}

// A real left click in the middle of a window.
inline void ClickOn(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

}  // namespace kestrix
