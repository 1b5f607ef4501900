#pragma once
// Windows created by a test to stand in for other programs' windows.
// Hidden top-level windows: FindWindowA and EnumWindows see them all the same.
#include <windows.h>

#include <string>

#include "platform/window_system.h"

namespace kestrix {

class StandInWindow {
 public:
  StandInWindow(const char* class_name, const std::string& title,
                WNDPROC procedure = DefWindowProcA) {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = class_name;
    RegisterClassA(&window_class);  // already registered by an earlier test: fine
    hwnd_ = CreateWindowExA(0, class_name, title.c_str(), WS_OVERLAPPED, 0, 0, 200, 100, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~StandInWindow() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  }
  StandInWindow(const StandInWindow&) = delete;
  StandInWindow& operator=(const StandInWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  WindowHandle handle() const { return reinterpret_cast<WindowHandle>(hwnd_); }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace kestrix
