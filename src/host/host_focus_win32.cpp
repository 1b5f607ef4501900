#include "host/host_focus_win32.h"

#include "host/foreground_win32.h"
#include "platform/win32/window_handle_win32.h"

namespace kestrix {

WindowHandle Win32HostFocus::ForegroundWindow() {
  return FromHwnd(GetForegroundWindow());
}

WindowHandle Win32HostFocus::GetForeignFocus() {
  return FromHwnd(kestrix::GetForeignFocus());
}

void Win32HostFocus::ForceForeground(WindowHandle window) {
  if (window != 0) kestrix::ForceForeground(ToHwnd(window));
}

void Win32HostFocus::SendKeyDown(WindowHandle window, uint8_t virtual_key) {
  SendMessageW(ToHwnd(window), WM_KEYDOWN, virtual_key, 0);
}

void Win32HostFocus::Pause(unsigned milliseconds) {
  Sleep(milliseconds);
}

}  // namespace kestrix
