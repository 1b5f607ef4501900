#pragma once
// Base of every top-level window: registers its class with the program's icon and routes
// the window's messages to the virtual HandleMessage through the one guarded window
// procedure (ui/window.h).
#include <functional>
#include <string>

#include "window/window.h"

namespace kestrix {

class Form : public Window {
 public:
  Form() : Window("") {}

 protected:
  // Registers the class once per process; false when that fails.
  static bool RegisterFormClass(HINSTANCE instance, const char* class_name);
  // `class_name` and `title` are UTF-8; `width` and `height` are written at 96 DPI.
  bool CreateForm(HINSTANCE instance, const char* class_name, const char* title, DWORD style,
                  int width, int height, HWND owner = nullptr);

  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  LRESULT OnMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) final;
};

// The program's one message loop, for its windows and its modal dialogs alike. Tab,
// Shift+Tab, Enter and Escape move between and press the controls of `window` (of the
// active window when null); `observe`, when given, sees each message first. Runs until
// WM_QUIT, whose exit code it returns, or until `done` says so; a WM_QUIT that ends a loop
// with `done` is posted again, so that the loop outside ends too.
int RunMessageLoop(HWND window, const std::function<bool()>& done = nullptr,
                   const std::function<void(const MSG&)>& observe = nullptr);
// The messages already waiting, handled as that loop does, without waiting for more.
void PumpMessages(HWND window);
// One message of that loop, taken from the queue.
void HandleLoopMessage(HWND window, MSG& msg);

// The window-menu maximise request, refused with a beep on our fixed-layout windows.
bool IsMaximizeRequest(UINT message, WPARAM wparam);

}  // namespace kestrix
