#include "ui/window.h"

#include <algorithm>

// After the Windows headers it needs.
#include <commctrl.h>

namespace kestrix {

Window::~Window() {
  for (HWND control : subclassed_)
    if (IsWindow(control))
      RemoveWindowSubclass(control, SubclassProc, reinterpret_cast<UINT_PTR>(this));
  if (hwnd_ != nullptr) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Window::RegisterClassOnce(WNDCLASSEXA wc) {
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(wc.hInstance, wc.lpszClassName, &existing)) return true;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = OwnWindowProc;
  return RegisterClassExA(&wc) != 0;
}

bool Window::CreateOwnWindow(DWORD ex_style, const char* class_name, const char* text, DWORD style,
                             const RECT& bounds, HWND parent, int id) {
  CreateWindowExA(ex_style, class_name, text, style, bounds.left, bounds.top,
                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                  this);
  return hwnd_ != nullptr;
}

bool Window::Subclass(HWND control) {
  if (control == nullptr ||
      !SetWindowSubclass(control, SubclassProc, reinterpret_cast<UINT_PTR>(this),
                         reinterpret_cast<DWORD_PTR>(this)))
    return false;
  subclassed_.push_back(control);
  return true;
}

LRESULT Window::OnMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefaultHandling(window, message, wparam, lparam);
}

LRESULT Window::DefaultHandling(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (window == hwnd_) return DefWindowProcA(window, message, wparam, lparam);
  return DefSubclassProc(window, message, wparam, lparam);
}

LRESULT Window::Dispatch(Window& target, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (target.Guarded([&] { result = target.OnMessage(window, message, wparam, lparam); }))
    return result;
  return target.DefaultHandling(window, message, wparam, lparam);
}

LRESULT CALLBACK Window::OwnWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* target = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    target->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
  }
  auto* target = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (target == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    target->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }
  return Dispatch(*target, hwnd, message, wparam, lparam);
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR id, DWORD_PTR data) {
  auto* target = reinterpret_cast<Window*>(data);
  const LRESULT result = Dispatch(*target, hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, SubclassProc, id);
    auto& list = target->subclassed_;
    list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
  }
  return result;
}

}  // namespace kestrix
