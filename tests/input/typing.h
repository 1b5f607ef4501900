#pragma once
// Typing as the keyboard does and clicking as the mouse does, for the window and
// end-to-end tests: one Unicode key down and up per character, reaching the focus of the
// foreground window; a left click on a window; a copy on the clipboard. And a
// window as the screen shows it, for the pictures of the documentation.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"

namespace kestrix {

inline INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Real key input (SendInput): it reaches the focus of the foreground window and sets the
// key state its thread reads. The `held` keys go down, `key` is pressed and released, and
// the held keys stay down until ReleaseKeys, so the receiver sees them while it handles
// `key` however late it gets to it.
inline bool PressKey(WORD key, std::initializer_list<WORD> held = {}) {
  std::vector<INPUT> inputs;
  for (WORD modifier : held) inputs.push_back(KeyInput(modifier, false));
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  const UINT count = static_cast<UINT>(inputs.size());
  return SendInput(count, inputs.data(), sizeof(INPUT)) == count;
}
inline bool ReleaseKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(KeyInput(key, true));
  const UINT count = static_cast<UINT>(inputs.size());
  return count == 0 || SendInput(count, inputs.data(), sizeof(INPUT)) == count;
}

// A key pressed and released with the `held` keys, then a pause for a receiver in another
// thread or process.
inline void Tap(WORD key, std::initializer_list<WORD> held = {}) {
  PressKey(key, held);
  ReleaseKeys(held);
  Sleep(250);
}

// `between` runs after each character (a pump or a pause), so the receiver handles the
// keys one by one. False when the system refused the input.
template <typename Between>
bool TypeUnicode(const std::string& text, Between between) {
  // One UTF-16 unit each: a character beyond the first plane as its two surrogates.
  for (wchar_t c : Wide(text)) {
    INPUT inputs[2] = {KeyInput(0, false), KeyInput(0, true)};
    for (INPUT& input : inputs) {
      input.ki.wScan = c;
      input.ki.dwFlags |= KEYEVENTF_UNICODE;
    }
    if (SendInput(2, inputs, sizeof(INPUT)) != 2) return false;
    between();
  }
  return true;
}

// A real left click on a window: in its middle, or at `offset` from its corner; with pauses
// for the pointer and the receiver.
inline void ClickOn(HWND window, POINT offset = {-1, -1}) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  SetCursorPos(offset.x >= 0 ? rect.left + offset.x : (rect.left + rect.right) / 2,
               offset.y >= 0 ? rect.top + offset.y : (rect.top + rect.bottom) / 2);
  Sleep(150);
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
  Sleep(250);
}

// The text on the clipboard as a copy in another program leaves it, `owner` serving it.
inline bool SetClipboardText(HWND owner, const std::string& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  const bool set = SetClipboardData(CF_TEXT, memory) != nullptr;
  return CloseClipboard() && set;
}

// With KESTRIX_SHOT_DIR set, the window's pixels on the screen, painted afresh, as
// "<name>.bmp" there (scripts turn them into PNG).
inline void ShotOf(HWND window, const char* name) {
  const char* dir = std::getenv("KESTRIX_SHOT_DIR");
  if (dir == nullptr) return;
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  Sleep(300);
  RECT rect;
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<char> pixels(static_cast<size_t>((width * 3 + 3) / 4 * 4) * height);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
            DIB_RGB_COLORS);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER file = {0x4D42, 0, 0, 0, sizeof file + sizeof info};
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(std::string(dir) + "\\" + name + ".bmp", std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

}  // namespace kestrix
