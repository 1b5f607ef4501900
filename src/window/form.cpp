#include "window/form.h"

#include "platform/win32/wide_text.h"
#include "window/dpi_win32.h"

namespace kestrix {

bool Form::RegisterFormClass(HINSTANCE instance, const char* class_name) {
  const std::wstring name = Wide(class_name);
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  // Registered already: the icons need not be loaded again.
  if (GetClassInfoExW(instance, name.c_str(), &wc)) return true;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name.c_str();
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
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
  return DefWindowProcW(hwnd(), message, wparam, lparam);
}

LRESULT Form::OnMessage(HWND, UINT message, WPARAM wparam, LPARAM lparam) {
  return HandleMessage(message, wparam, lparam);
}

// Wide throughout: an ANSI loop would turn a typed character the code page lacks into "?"
// before the Unicode controls see it.
void HandleLoopMessage(HWND window, MSG& msg) {
  HWND navigation = window != nullptr ? window : GetActiveWindow();
  if (navigation != nullptr && IsWindow(navigation) && IsDialogMessageW(navigation, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int RunMessageLoop(HWND window, const std::function<bool()>& done,
                   const std::function<void(const MSG&)>& observe) {
  MSG msg = {};
  while (!done || !done()) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
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
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) HandleLoopMessage(window, msg);
}

bool IsMaximizeRequest(UINT message, WPARAM wparam) {
  // The low four bits of a system command are the system's own.
  return message == WM_SYSCOMMAND && (wparam & 0xFFF0) == SC_MAXIMIZE;
}

}  // namespace kestrix
