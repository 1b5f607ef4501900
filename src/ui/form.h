#pragma once
// Base of every top-level window: registers its class, keeps `this` in the window's user
// data and routes each message to the virtual HandleMessage. No exception leaves the
// window procedure; a failure is handed to OnUnhandledFailure and the message gets the
// default handling.
#include <string>

#include "platform/win32/win32_api.h"

namespace kestrix {

class Form {
 public:
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  HWND hwnd() const { return hwnd_; }

 protected:
  // Registers the class once per process; false when that fails.
  static bool RegisterFormClass(HINSTANCE instance, const char* class_name);
  bool CreateForm(HINSTANCE instance, const char* class_name, const char* title, DWORD style,
                  int width, int height);

  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam);
  // Called with the failure's text inside the window procedure, never throws.
  virtual void OnUnhandledFailure(const std::string& what) noexcept;

  // A size written at 96 DPI in the system's DPI.
  static int Scale96(int value);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  HWND hwnd_ = nullptr;
};

// Runs the thread's message loop until WM_QUIT; its exit code.
int RunMessageLoop();

// The window-menu maximise request, refused with a beep on our fixed-layout windows.
bool IsMaximizeRequest(UINT message, WPARAM wparam);

}  // namespace kestrix
