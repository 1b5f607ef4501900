#pragma once
// The main window. Opened when the program runs from within the host's tree.
#include "app/launch_decision.h"
#include "platform/win32/win32_api.h"
#include "platform/window_system.h"
#include "ui/form.h"

namespace kestrix {

class Ttc_KestrixForm : public Form {
 public:
  Ttc_KestrixForm(StartupValues& app, WindowSystem& windows) : app_(app), windows_(windows) {}

  // Creates the window and runs FormCreate; false when the program must end without
  // showing it (no host window, or the window could not be created).
  bool Create(HINSTANCE instance);
  void Show(int show_command);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnUnhandledFailure(const std::string& what) noexcept override;

 private:
  bool FormCreate();
  bool FormCloseQuery();
  void FormClose();
  void FormDestroy();
  void PlaceWindow();

  StartupValues& app_;
  WindowSystem& windows_;
  HWND lbl_currentPath = nullptr;
  int window_position_ = 0;
};

}  // namespace kestrix
