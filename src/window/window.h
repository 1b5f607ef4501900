#pragma once
// The one window procedure of the program's own windows and of the controls it subclasses.
// `this` is stored once (the creation parameter of an own window, a subclass chain kept in
// the process for a control); every message goes to the virtual OnMessage. One fallback
// rule for all of them: an exception never crosses into Windows; it goes to the error log
// and the message gets the default handling (DefWindowProcW for an own window, the next
// object of the chain or the control's own procedure for a subclassed control). OnMessage
// sees WM_NCDESTROY of a subclassed control before the subclass goes. Own windows and the
// subclass chain are Unicode: WM_CHAR carries a UTF-16 unit, and text messages wide text.
#include <vector>

#include "app/error_log.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Destroys the own window and takes the subclasses off the controls that still exist.
  virtual ~Window();

  // The own window; null for an object that only subclasses controls.
  HWND hwnd() const { return hwnd_; }
  // Unhandled failures of this object are recorded there from now on.
  void SetErrorLogger(ErrorLogger* logger) { logger_ = logger; }
  ErrorLogger* Logger() const { return logger_; }

 protected:
  // `name` is the form name the error log shows.
  explicit Window(const char* name) : name_(name) {}
  void SetName(const char* name) { name_ = name; }

  // Registers `wc` once per process with the shared procedure; false when that fails.
  static bool RegisterClassOnce(WNDCLASSEXW wc);
  // Creates a window of a class registered above as this object's own window; `class_name`
  // and `text` are UTF-8.
  bool CreateOwnWindow(DWORD ex_style, const char* class_name, const char* text, DWORD style,
                       const RECT& bounds, HWND parent, int id);
  // Sends the messages of an existing control to this object too; several controls may
  // share one object, and one control several objects.
  bool Subclass(HWND control);

  // A message of the own window or of a subclassed control (`window` tells which).
  virtual LRESULT OnMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT DefaultHandling(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  // Runs `step`; a failure goes to the error log under this object's name. Whether it ran
  // through. For calls that do not come through the window procedure.
  template <typename Step>
  bool Guarded(Step&& step) noexcept {
    try {
      step();
      return true;
    } catch (...) {
      if (logger_ != nullptr) logger_->LogCurrentException(name_);
    }
    return false;
  }

 private:
  static LRESULT CALLBACK OwnWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ChainProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  // Runs the subclass chain of `control` from its `level`-th object down; level 0 is the
  // control's own procedure.
  static LRESULT CallChain(HWND control, size_t level, UINT message, WPARAM wparam, LPARAM lparam);
  static void Unchain(HWND control);
  static LRESULT Dispatch(Window& target, HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;
  ErrorLogger* logger_ = nullptr;
  const char* name_;
  std::vector<HWND> subclassed_;
};

}  // namespace kestrix
