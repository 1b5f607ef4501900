#include "window/form.h"

#include "window/dpi_win32.h"

namespace kestrix {

bool Form::RegisterFormClass(HINSTANCE instance, const char* class_name) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  // Registered already: the icons need not be loaded again.
  if (GetClassInfoExA(instance, class_name, &wc)) return true;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = class_name;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  return RegisterClassOnce(wc);
}

bool Form::CreateForm(HINSTANCE instance, const char* class_name, const char* title, DWORD style,
                      int width, int height, HWND owner) {
  SetName(class_name);
  if (!RegisterFormClass(instance, class_name)) return false;
  const RECT bounds = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + Scale96(width),
                       CW_USEDEFAULT + Scale96(height)};
  return CreateOwnWindow(0, class_name, title, style, bounds, owner, 0);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefaultHandling(message, wparam, lparam);
}

LRESULT Form::DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(hwnd(), message, wparam, lparam);
}

LRESULT Form::OnMessage(HWND, UINT message, WPARAM wparam, LPARAM lparam) {
  return HandleMessage(message, wparam, lparam);
}

void HandleLoopMessage(HWND window, MSG& msg) {
  HWND navigation = window != nullptr ? window : GetActiveWindow();
  if (navigation != nullptr && IsWindow(navigation) && IsDialogMessageA(navigation, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

int RunMessageLoop(HWND window, const std::function<bool()>& done,
                   const std::function<void(const MSG&)>& observe) {
  MSG msg = {};
  while (!done || !done()) {
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
      if (done) PostQuitMessage(static_cast<int>(msg.wParam));
      return static_cast<int>(msg.wParam);
    }
    if (observe) observe(msg);
    HandleLoopMessage(window, msg);
  }
  return 0;
}

void PumpMessages(HWND window) {
  MSG msg = {};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) HandleLoopMessage(window, msg);
}

bool IsMaximizeRequest(UINT message, WPARAM wparam) {
  // The low four bits of a system command are the system's own.
  return message == WM_SYSCOMMAND && (wparam & 0xFFF0) == SC_MAXIMIZE;
}

}  // namespace kestrix
