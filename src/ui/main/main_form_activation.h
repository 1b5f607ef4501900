#pragma once
// How the main window takes the activation: Activated on the first show and on returns
// from the program's own dialogs, the focus given back on a return from another program,
// and the check once the switch is complete. It owns what it remembers between the
// activation messages.
#include <functional>
#include <utility>

#include "app/error_log.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

class Dialog;

class MainActivation {
 public:
  struct Wiring {
    std::function<void()> form_activate;
    std::function<void()> focus_input;
    // Whether the window still answers a switch (the host is there, no end is on its way).
    std::function<bool()> live;
    // The switch is complete: `back` when the application became active.
    std::function<void(bool back)> switch_done;
    ErrorLogger& logger;
  };
  explicit MainActivation(Wiring wiring) : w_(std::move(wiring)) {}

  void Attach(HWND form, HINSTANCE instance) {
    form_ = form;
    instance_ = instance;
  }
  // WM_ACTIVATE; false when the default handling is to follow.
  bool OnActivate(WPARAM wparam);
  // WM_ACTIVATEAPP, which comes before WM_ACTIVATE when another program is left.
  void OnActivateApp(WPARAM wparam);
  // kMsg_AfterActivation.
  void AfterActivation(WPARAM wparam);
  // Whether this is the first activation; it is not from now on.
  bool FirstActivation() { return !std::exchange(activated_once_, true); }
  // Runs one of our own dialogs over `owner`; the focus comes back to the input after it.
  int RunOwnDialog(Dialog& dialog, HWND owner);

 private:
  Wiring w_;
  HWND form_ = nullptr;
  HINSTANCE instance_ = nullptr;
  bool activated_once_ = false;
  bool returning_from_other_app_ = false;
  HWND focus_before_switch_ = nullptr;
};

}  // namespace kestrix
