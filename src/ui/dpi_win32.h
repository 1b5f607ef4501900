#pragma once
// Sizes are written at 96 DPI and scaled where they are used.
#include "platform/win32/windows_api.h"

namespace kestrix {

// The DPI the window is drawn at: the system DPI (the manifest declares system awareness).
inline int DpiOf(HWND window) {
  HDC dc = GetDC(window);
  if (dc == nullptr) return 96;
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(window, dc);
  return dpi > 0 ? dpi : 96;
}

// A size written at 96 DPI, in pixels at `dpi`.
inline int ScaleForDpi(int value96, int dpi) {
  return MulDiv(value96, dpi, 96);
}

}  // namespace kestrix
