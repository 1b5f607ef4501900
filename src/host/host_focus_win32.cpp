#include "host/host_focus_win32.h"

#include "app/foreground_win32.h"

namespace kestrix {

namespace {
HWND ToHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}
WindowHandle ToHandle(HWND window) {
  return reinterpret_cast<WindowHandle>(window);
}
}  // namespace

WindowHandle Win32HostFocus::ForegroundWindow() {
  return ToHandle(GetForegroundWindow());
}

WindowHandle Win32HostFocus::GetForeignFocus() {
  return ToHandle(kestrix::GetForeignFocus());
}

void Win32HostFocus::ForceForeground(WindowHandle window) {
  if (window != 0) kestrix::ForceForeground(ToHwnd(window));
}

void Win32HostFocus::SendKeyDown(WindowHandle window, uint8_t virtual_key) {
  SendMessageA(ToHwnd(window), WM_KEYDOWN, virtual_key, 0);
}

void Win32HostFocus::Pause(unsigned milliseconds) {
  Sleep(milliseconds);
}

}  // namespace kestrix
