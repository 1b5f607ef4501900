#pragma once
// The one hook on controls: a subclass that hands a control's messages to one function.
// The function answers a message it handles; nothing passes it on. A function that must
// see the message's default result asks for it with PassOn and answers that.
#include <functional>
#include <optional>
#include <utility>

#include "window/window.h"

namespace kestrix {

class ControlHook : public Window {
 public:
  using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
  ControlHook(const char* name, Handler handler) : Window(name), handler_(std::move(handler)) {}
  using Window::Guarded;
  using Window::Subclass;

  // The handling the message would have had without this hook.
  LRESULT PassOn(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefaultHandling(control, message, wparam, lparam);
  }

 protected:
  LRESULT OnMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) override {
    if (std::optional<LRESULT> result = handler_(control, message, wparam, lparam)) return *result;
    return DefaultHandling(control, message, wparam, lparam);
  }

 private:
  Handler handler_;
};

}  // namespace kestrix
