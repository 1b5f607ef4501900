#pragma once
// The main window. Opened when the program runs from within the host's tree.
#include <string>

#include "app/launch_decision.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/win32/windows_api.h"
#include "platform/window_system.h"
#include "settings/settings.h"
#include "ui/form.h"

namespace kestrix {

struct MainFormServices {
  WindowSystem& windows;
  FileSystem& files;
  Environment& environment;
  std::string exe_path;
  ErrorLogger* logger = nullptr;
};

class Ttc_KestrixForm : public Form {
 public:
  Ttc_KestrixForm(StartupValues& app, MainFormServices services)
      : app_(app), services_(std::move(services)) {}

  // Creates the window and runs FormCreate; false when the program must end without
  // showing it (no host window, or the window could not be created).
  bool Create(HINSTANCE instance);
  void Show(int show_command);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  bool FormCreate();
  void FormActivate();
  bool FormCloseQuery();
  void FormClose();
  void FormDestroy();
  void ApplyStartupSettings();
  void PlaceWindow();

  StartupValues& app_;
  MainFormServices services_;
  HWND lbl_currentPath = nullptr;
  StartupSettings startup_;
  // The option states the close writes back; the activation reads refresh them.
  ClosingValues closing_;
};

}  // namespace kestrix
