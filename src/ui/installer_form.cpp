#include "ui/installer_form.h"

#include "app/launch_decision.h"
#include "host/foreground_win32.h"

namespace kestrix {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 320;

}  // namespace

bool TKestrix_Installer::Create(HINSTANCE instance) {
  if (!CreateForm(instance, kInstallerWindowClass, kApplicationTitle,
                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, kWidth, kHeight))
    return false;
  RECT own;
  if (GetWindowRect(hwnd(), &own)) {
    int width = own.right - own.left;
    int height = own.bottom - own.top;
    SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return true;
}

void TKestrix_Installer::Show(int show_command) {
  ShowWindow(hwnd(), show_command);
  UpdateWindow(hwnd());
  ForceForeground(hwnd());
}

LRESULT TKestrix_Installer::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (IsMaximizeRequest(message, wparam)) {
    MessageBeep(0);
    return 0;
  }
  switch (message) {
    case WM_CLOSE:
      DestroyWindow(hwnd());
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

}  // namespace kestrix
