#pragma once
// Sizes are written at 96 DPI and scaled where they are used, with the system DPI: the
// manifest declares system awareness, so every window of the process is drawn at it and
// it cannot change while the process runs.
#include "platform/win32/windows_api.h"

namespace kestrix {

// The system DPI, asked once.
inline int SystemDpi() {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return 96;
    const int value = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return dpi;
}

// A size written at 96 DPI, in pixels at `dpi`.
inline int ScaleForDpi(int value96, int dpi) {
  return MulDiv(value96, dpi, 96);
}

// A size written at 96 DPI, in pixels at the system DPI.
inline int Scale96(int value96) {
  return ScaleForDpi(value96, SystemDpi());
}

}  // namespace kestrix
