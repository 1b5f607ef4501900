#pragma once
// The main window. Opened when the program runs from within the host's tree.
#include <optional>
#include <string>

#include "app/launch_decision.h"
#include "host/host_commands.h"
#include "host/host_focus_win32.h"
#include "host/host_snapshot.h"
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
      : app_(app), services_(std::move(services)), view_(*this) {}

  // Creates the window and runs FormCreate; false when the program must end without
  // showing it (no host window, an archive in the host, or no window at all).
  bool Create(HINSTANCE instance);
  void Show(int show_command);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  // What the host snapshot shows and reads in this window.
  class View : public SnapshotView {
   public:
    explicit View(Ttc_KestrixForm& form) : form_(form) {}
    void ShowCurrentPath(const std::string& shortened) override;
    std::string NameText() override;
    void SetNameText(const std::string& text) override;
    void ShowTextFileItem(const std::string& name) override;
    void RefreshDone() override {}
    void Terminate() override;

   private:
    Ttc_KestrixForm& form_;
  };

  bool FormCreate();
  void FormShow();
  void FormActivate();
  bool FormCloseQuery();
  void FormClose();
  void FormDestroy();
  LRESULT HostReply(LPARAM lparam);
  void ApplyStartupSettings();
  void PlaceWindow();

  StartupValues& app_;
  MainFormServices services_;
  View view_;
  HWND lbl_currentPath = nullptr;
  HWND MkDir = nullptr;
  StartupSettings startup_;
  HostMethodFlags flags_;
  AffixSettings affixes_;
  Win32HostFocus focus_;
  std::optional<HostCommands> commands_;
  std::optional<HostSnapshotReader> snapshot_;
  bool terminated_ = false;
  // The option states the close writes back; the activation reads refresh them.
  ClosingValues closing_;
};

}  // namespace kestrix
