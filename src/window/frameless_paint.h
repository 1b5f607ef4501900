#pragma once
// Controls without a frame skip WM_NCPAINT: they have nothing to paint outside their
// client area, yet the default handling fetches a device context for each, a few hundred
// server requests for nothing in a start of the main window.
#include "window/controls.h"
#include "window/window.h"

namespace kestrix {

class FramelessPaint : public Window {
 public:
  FramelessPaint() : Window("FramelessPaint") {}
  using Window::Subclass;

 protected:
  LRESULT OnMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) override {
    // Asked at each paint: a scroll bar can come and go.
    if (message == WM_NCPAINT && !Control(control).HasFrame()) return 0;
    return DefaultHandling(control, message, wparam, lparam);
  }
};

}  // namespace kestrix
