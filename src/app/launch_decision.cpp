#include "app/launch_decision.h"

#include "base/path_text.h"
#include "base/text_utils.h"
#include "host/panel_windows.h"

namespace kestrix {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

void RemoveOneTrailingBackslash(std::string& text) {
  if (!text.empty() && text.back() == '\\') text.pop_back();
}

}  // namespace

bool IsInstallSwitch(std::string_view argument) {
  return AsciiUpperCase(argument.substr(0, 8)) == "/INSTALL" ||
         AsciiUpperCase(argument.substr(0, 6)) == "/SETUP";
}

bool AnyInstallSwitch(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments)
    if (IsInstallSwitch(argument)) return true;
  return false;
}

void ReadHostLocation(Environment& environment, const std::string& exe_path,
                      StartupValues& values) {
  values.InsideHost = false;
  // An unset variable expands to its own reference text, which is compared like any value.
  values.CommanderPath = Trim(environment.Expand("%COMMANDER_PATH%"));
  values.CommanderIni = Trim(environment.Expand("%COMMANDER_INI%"));
  values.ProgramDir = ReplaceAllIgnoreCase(Trim(pathtext::ExtractFilePath(exe_path)), "/", "\\");
  RemoveOneTrailingBackslash(values.ProgramDir);
  if (values.CommanderIni.empty()) return;
  // Any failure here leaves InsideHost cleared, which leads to the installer.
  try {
    std::string program_dir = Trim(pathtext::ExtractFilePath(exe_path));
    std::string commander_path = AsciiLowerCase(values.CommanderPath);
    program_dir = ReplaceAllIgnoreCase(program_dir, "/", "\\");
    commander_path = ReplaceAllIgnoreCase(commander_path, "/", "\\");
    RemoveOneTrailingBackslash(commander_path);
    RemoveOneTrailingBackslash(program_dir);
    values.CommanderPath = commander_path;
    values.ProgramDir = program_dir;
    if (!commander_path.empty() && ContainsIgnoreCase(program_dir, commander_path))
      values.InsideHost = true;
  } catch (...) {
    values.InsideHost = false;
  }
}

bool IsUnsupportedLocation(FileSystem& files, const std::string& path) {
  std::string stripped = ReplaceAllIgnoreCase(path, "\\*.*", "");
  if (!stripped.empty() && files.FileExists(stripped)) return true;
  if (path.size() >= 3 && IsDigit(path[0]) && path[1] == ':' && (path[2] == '/' || path[2] == '\\'))
    return true;
  return path.size() >= 3 && path.compare(0, 3, "\\\\\\") == 0;
}

LaunchDecision DecideLaunch(WindowSystem& windows, FileSystem& files, Environment& environment,
                            const LaunchInputs& inputs, StartupValues& values) {
  values.InsideHost = false;
  values.InstallRequested = false;
  ReadHostLocation(environment, inputs.exe_path, values);

  values.Snapshot.HostWindow = windows.FindWindow(0, 0, kHostWindowClass, std::nullopt);
  values.Snapshot.FocusedWindow = inputs.foreign_focus ? inputs.foreign_focus() : 0;
  if (values.Snapshot.HostWindow != 0) {
    FileLists lists = FindFileLists(windows, values.Snapshot.HostWindow);
    values.Snapshot.FirstList = lists.first;
    values.Snapshot.SecondList = lists.second;
  }

  if (values.Snapshot.FocusedWindow != 0 && values.Snapshot.SecondList != 0) {
    FileLists lists{values.Snapshot.FirstList, values.Snapshot.SecondList};
    PanelSide side = SideOfFocus(lists, values.Snapshot.FocusedWindow);
    values.Snapshot.StartPath = ReadPanelPath(windows, values.Snapshot.HostWindow, side);
    std::string trimmed = Trim(values.Snapshot.StartPath);
    if (trimmed.find_first_of("\\/") == std::string::npos)
      values.Snapshot.StartPath = ReadPanelPathAlt(windows, values.Snapshot.HostWindow, side);
    if (values.InsideHost && IsUnsupportedLocation(files, values.Snapshot.StartPath))
      return {LaunchAction::kDelegateToHost, values.Snapshot.HostWindow};
  }

  values.InstallRequested = AnyInstallSwitch(inputs.arguments);
  if (values.InstallRequested) values.InsideHost = false;
  if (values.InsideHost) return {LaunchAction::kMainWindow, 0};

  if (windows.FindWindow(0, 0, kInstallerWindowClass, std::string(kApplicationTitle)) == 0)
    return {LaunchAction::kInstaller, 0};
  return {LaunchAction::kBringInstallerForward,
          windows.FindWindow(0, 0, kInstallerWindowClass, std::nullopt)};
}

}  // namespace kestrix
