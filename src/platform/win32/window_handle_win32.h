#pragma once
// The seam's opaque window handles and HWND are the same value; one place converts.
#include "platform/win32/windows_api.h"
#include "platform/window_system.h"

namespace kestrix {

inline HWND ToHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}
inline WindowHandle FromHwnd(HWND window) {
  return reinterpret_cast<WindowHandle>(window);
}

}  // namespace kestrix
