#include "window/window.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "platform/win32/wide_text.h"

namespace kestrix {

namespace {

// A subclassed control: the procedure it had, and the objects that see its messages (the
// latest one first, as they were added last).
struct SubclassChain {
  WNDPROC original = nullptr;
  std::vector<Window*> targets;
  size_t next = 0;  // the level a pass-on from the running object goes to
};

// The chains live in the process, not in a window property as comctl32's subclasses keep
// theirs: under Wine every property read is a round trip to the server, and every message
// of every hooked control would pay two of them.
std::unordered_map<HWND, SubclassChain>& Chains() {
  static std::unordered_map<HWND, SubclassChain> chains;
  return chains;
}

}  // namespace

Window::~Window() {
  for (HWND control : subclassed_) {
    auto found = Chains().find(control);
    if (found == Chains().end()) continue;
    std::vector<Window*>& targets = found->second.targets;
    targets.erase(std::remove(targets.begin(), targets.end(), this), targets.end());
    // The control gets its procedure back unless someone subclassed it after us.
    if (targets.empty() && IsWindow(control) &&
        GetWindowLongPtrW(control, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ChainProc)) {
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(found->second.original));
      Chains().erase(found);
    }
  }
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Window::RegisterClassOnce(WNDCLASSEXW wc) {
  WNDCLASSEXW existing = {};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(wc.hInstance, wc.lpszClassName, &existing)) return true;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = OwnWindowProc;
  return RegisterClassExW(&wc) != 0;
}

bool Window::CreateOwnWindow(DWORD ex_style, const char* class_name, const char* text, DWORD style,
                             const RECT& bounds, HWND parent, int id) {
  const std::wstring wide_text = text != nullptr ? Wide(text) : std::wstring();
  CreateWindowExW(
      ex_style, Wide(class_name).c_str(), text != nullptr ? wide_text.c_str() : nullptr, style,
      bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), this);
  return hwnd_ != nullptr;
}

// The chain is Unicode, as comctl32's subclasses are: the handlers see the messages the
// controls themselves see.
bool Window::Subclass(HWND control) {
  if (control == nullptr || !IsWindow(control)) return false;
  auto [found, fresh] = Chains().try_emplace(control);
  SubclassChain& chain = found->second;
  if (fresh) {
    chain.original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChainProc)));
    if (chain.original == nullptr) {
      Chains().erase(found);
      return false;
    }
  }
  if (std::find(chain.targets.begin(), chain.targets.end(), this) != chain.targets.end())
    return true;
  chain.targets.push_back(this);
  subclassed_.push_back(control);
  return true;
}

LRESULT Window::OnMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefaultHandling(window, message, wparam, lparam);
}

LRESULT Window::DefaultHandling(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (window == hwnd_) return DefWindowProcW(window, message, wparam, lparam);
  auto found = Chains().find(window);
  if (found == Chains().end()) return DefWindowProcW(window, message, wparam, lparam);
  return CallChain(window, found->second.next, message, wparam, lparam);
}

LRESULT Window::Dispatch(Window& target, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (target.Guarded([&] { result = target.OnMessage(window, message, wparam, lparam); }))
    return result;
  return target.DefaultHandling(window, message, wparam, lparam);
}

LRESULT CALLBACK Window::OwnWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* target = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    target->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
  }
  auto* target = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (target == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    target->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return Dispatch(*target, hwnd, message, wparam, lparam);
}

LRESULT CALLBACK Window::ChainProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto found = Chains().find(hwnd);
  if (found == Chains().end()) return DefWindowProcW(hwnd, message, wparam, lparam);
  const LRESULT result = CallChain(hwnd, found->second.targets.size(), message, wparam, lparam);
  if (message == WM_NCDESTROY) Unchain(hwnd);
  return result;
}

LRESULT Window::CallChain(HWND control, size_t level, UINT message, WPARAM wparam, LPARAM lparam) {
  auto found = Chains().find(control);
  if (found == Chains().end()) return DefWindowProcW(control, message, wparam, lparam);
  // A reference to a map element survives other insertions; only erasing ends it.
  SubclassChain& chain = found->second;
  level = std::min(level, chain.targets.size());
  if (level == 0) return CallWindowProcW(chain.original, control, message, wparam, lparam);
  Window* target = chain.targets[level - 1];
  // A message the handler sends to the same control starts at the top again; the pass-on
  // of this one continues below this level once that returns.
  const size_t outer = std::exchange(chain.next, level - 1);
  const LRESULT result = Dispatch(*target, control, message, wparam, lparam);
  if (auto again = Chains().find(control); again != Chains().end()) again->second.next = outer;
  return result;
}

// The control is gone: its objects forget it.
void Window::Unchain(HWND control) {
  auto found = Chains().find(control);
  if (found == Chains().end()) return;
  for (Window* target : found->second.targets) {
    auto& list = target->subclassed_;
    list.erase(std::remove(list.begin(), list.end(), control), list.end());
  }
  Chains().erase(found);
}

}  // namespace kestrix
