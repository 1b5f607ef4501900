#include "ui/form.h"

namespace kestrix {

Form::~Form() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Form::RegisterFormClass(HINSTANCE instance, const char* class_name) {
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, class_name, &existing)) return true;
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = class_name;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  return RegisterClassExA(&wc) != 0;
}

bool Form::CreateForm(HINSTANCE instance, const char* class_name, const char* title, DWORD style,
                      int width, int height) {
  form_name_ = class_name;
  if (!RegisterFormClass(instance, class_name)) return false;
  CreateWindowExA(0, class_name, title, style, CW_USEDEFAULT, CW_USEDEFAULT, Scale96(width),
                  Scale96(height), nullptr, nullptr, instance, this);
  return hwnd_ != nullptr;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefaultHandling(message, wparam, lparam);
}

LRESULT Form::DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(hwnd_, message, wparam, lparam);
}

int Form::Scale96(int value) {
  HDC screen = GetDC(nullptr);
  int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return MulDiv(value, dpi > 0 ? dpi : 96, 96);
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    auto* form = static_cast<Form*>(create->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    form->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }
  LRESULT result = 0;
  if (form->Guarded([&] { result = form->HandleMessage(message, wparam, lparam); })) return result;
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

int RunMessageLoop() {
  MSG msg = {};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

int RunDialogMessageLoop(HWND window) {
  MSG msg = {};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (IsWindow(window) && IsDialogMessageA(window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

bool IsMaximizeRequest(UINT message, WPARAM wparam) {
  // The low four bits of a system command are the system's own.
  return message == WM_SYSCOMMAND && (wparam & 0xFFF0) == SC_MAXIMIZE;
}

}  // namespace kestrix
