#pragma once
// A subclass that hands a control's messages to one function: the dialogs' own keys on
// their edits and lists. The function answers a message it handles; nothing passes it on.
#include <functional>
#include <optional>
#include <utility>

#include "ui/window.h"

namespace kestrix {

class ControlHook : public Window {
 public:
  using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
  ControlHook(const char* name, Handler handler) : Window(name), handler_(std::move(handler)) {}
  using Window::Subclass;

 protected:
  LRESULT OnMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) override {
    if (std::optional<LRESULT> result = handler_(control, message, wparam, lparam)) return *result;
    return DefaultHandling(control, message, wparam, lparam);
  }

 private:
  Handler handler_;
};

}  // namespace kestrix
