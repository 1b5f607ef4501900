#pragma once
// The choice start-up makes before any window exists: hand the request back to the host
// (it shows an archive or a plug-in location), open the installer, or open the main window.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_snapshot.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/window_system.h"

namespace kestrix {

inline constexpr char kApplicationTitle[] = "Total Commander Kestrix";
inline constexpr char kMainWindowClass[] = "Ttc_KestrixForm";
inline constexpr char kInstallerWindowClass[] = "TKestrix_Installer";

// Process-wide values start-up fills; the main window adds host_present and every routine
// names itself in current_routine for the error log.
struct StartupValues {
  std::string commander_path;
  std::string commander_ini;
  std::string program_dir;
  bool inside_host = false;
  bool install_requested = false;
  // Start-up fills host_window, first_list, second_list, focused_window and start_path.
  HostSnapshot snapshot;
  bool host_present = false;
  std::string current_routine;
};

enum class LaunchAction {
  kDelegateToHost,         // post the host's create-directory command and end
  kMainWindow,             // create the main window
  kInstaller,              // create the installer window
  kBringInstallerForward,  // an installer window is open already: bring it forward and end
};

struct LaunchDecision {
  LaunchAction action = LaunchAction::kInstaller;
  // The host window for kDelegateToHost, the open installer window for
  // kBringInstallerForward.
  WindowHandle window = 0;
};

// An argument whose first 8 characters are "/INSTALL" or whose first 6 are "/SETUP",
// ignoring case.
bool IsInstallSwitch(std::string_view argument);
bool AnyInstallSwitch(const std::vector<std::string>& arguments);

// Reads COMMANDER_PATH and COMMANDER_INI and decides whether `exe_path` lies within the
// host's tree (sets commander_path, commander_ini, program_dir and inside_host).
void ReadHostLocation(Environment& environment, const std::string& exe_path, StartupValues& values);

// A panel location where a plain directory cannot be created: the top level of an archive
// (the path without its "\*.*" parts is an existing file), "1:\..." style pseudo drives and
// plug-in file systems ("\\\...").
bool IsUnsupportedLocation(FileSystem& files, const std::string& path);

struct LaunchInputs {
  std::string exe_path;
  std::vector<std::string> arguments;
  // The window with the keyboard focus in the foreground thread; asked for after the host
  // window is looked up.
  std::function<WindowHandle()> foreign_focus;
};

// Runs the launch steps in their fixed order, filling `values`.
LaunchDecision DecideLaunch(WindowSystem& windows, FileSystem& files, Environment& environment,
                            const LaunchInputs& inputs, StartupValues& values);

}  // namespace kestrix
