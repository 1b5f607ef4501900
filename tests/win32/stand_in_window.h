#pragma once
// Windows created by a test to stand in for other programs' windows (players, the host).
// Hidden top-level windows: FindWindowA and EnumWindows see them all the same.
#include <windows.h>

#include <algorithm>
#include <cstring>
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

// The procedure of a stand-in that answers WM_COPYDATA as BS.Player and user applications
// do: it writes `reply` (260 bytes at most) into the buffer whose address it is sent and
// remembers the request. In this process the data is the caller's own block, which always
// holds a whole pointer; the real 32-bit player reads the 4-byte address it is sent.
struct BufferReply {
  static inline std::string reply;
  static inline ULONG_PTR request = 0;
  static inline DWORD length = 0;

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message != WM_COPYDATA) return DefWindowProcA(window, message, wparam, lparam);
    const auto* record = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
    request = record->dwData;
    length = record->cbData;
    char* buffer = nullptr;
    std::memcpy(&buffer, record->lpData, sizeof buffer);
    std::memcpy(buffer, reply.data(), std::min<size_t>(reply.size(), 260));
    return 1;
  }
};

}  // namespace kestrix
