#include "host/foreground_win32.h"

#include "host/foreground.h"

namespace kestrix {

namespace {

bool BringForward(HWND window) {
  BringWindowToTop(window);
  SetForegroundWindow(window);
  return GetForegroundWindow() == window;
}

bool SystemNeedsThreadAttach() {
  OSVERSIONINFOW version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExW(&version)) return true;
  return ForegroundNeedsThreadAttach(version.dwPlatformId, version.dwMajorVersion,
                                     version.dwMinorVersion);
}

}  // namespace

bool ForceForeground(HWND window) {
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  if (GetForegroundWindow() == window) return true;
  if (!SystemNeedsThreadAttach()) return BringForward(window);

  DWORD foreground_thread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  DWORD window_thread = GetWindowThreadProcessId(window, nullptr);
  bool attached = AttachThreadInput(window_thread, foreground_thread, TRUE) != FALSE;
  if (attached) {
    BringWindowToTop(window);
    SetForegroundWindow(window);
    AttachThreadInput(window_thread, foreground_thread, FALSE);
  }
  if (!attached || GetForegroundWindow() != window) {
    // Lift the foreground lock for the one call, then put the user's setting back.
    DWORD timeout = 0;
    SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
    BringWindowToTop(window);
    SetForegroundWindow(window);
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                          reinterpret_cast<void*>(static_cast<uintptr_t>(timeout)),
                          SPIF_SENDCHANGE);
  }
  return GetForegroundWindow() == window;
}

HWND GetForeignFocus() {
  DWORD foreground_thread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  DWORD own_thread = GetCurrentThreadId();
  if (foreground_thread == own_thread) return GetFocus();
  if (!AttachThreadInput(own_thread, foreground_thread, TRUE)) return nullptr;
  HWND focus = GetFocus();
  AttachThreadInput(own_thread, foreground_thread, FALSE);
  return focus;
}

}  // namespace kestrix
