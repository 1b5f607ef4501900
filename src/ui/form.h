#pragma once
// Base of every top-level window: registers its class, keeps `this` in the window's user
// data and routes each message to the virtual HandleMessage. No exception leaves the
// window procedure: a failure goes to the error log and the message gets the default
// handling.
#include <string>

#include "app/error_log.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

class Form {
 public:
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  HWND hwnd() const { return hwnd_; }
  // Unhandled failures of this window are recorded there from now on.
  void SetErrorLogger(ErrorLogger* logger) { logger_ = logger; }

 protected:
  // Registers the class once per process; false when that fails.
  static bool RegisterFormClass(HINSTANCE instance, const char* class_name);
  bool CreateForm(HINSTANCE instance, const char* class_name, const char* title, DWORD style,
                  int width, int height);

  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam);
  // Runs `step`; a failure goes to the error log under this form's name. Whether it ran
  // through.
  template <typename Step>
  bool Guarded(Step&& step) noexcept {
    try {
      step();
      return true;
    } catch (...) {
      if (logger_ != nullptr) logger_->LogCurrentException(form_name_);
    }
    return false;
  }

  // A size written at 96 DPI in the system's DPI.
  static int Scale96(int value);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  HWND hwnd_ = nullptr;
  ErrorLogger* logger_ = nullptr;
  const char* form_name_ = "";
};

// Runs the thread's message loop until WM_QUIT; its exit code.
int RunMessageLoop();
// The same with Tab and Shift+Tab moving the focus between the controls of `window`.
int RunDialogMessageLoop(HWND window);

// The window-menu maximise request, refused with a beep on our fixed-layout windows.
bool IsMaximizeRequest(UINT message, WPARAM wparam);

}  // namespace kestrix
