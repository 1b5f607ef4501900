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
  values.inside_host = false;
  // An unset variable expands to its own reference text, which is compared like any value.
  values.commander_path = Trim(environment.Expand("%COMMANDER_PATH%"));
  values.commander_ini = Trim(environment.Expand("%COMMANDER_INI%"));
  values.program_dir = ReplaceAllIgnoreCase(Trim(pathtext::ExtractFilePath(exe_path)), "/", "\\");
  RemoveOneTrailingBackslash(values.program_dir);
  if (values.commander_ini.empty()) return;
  // Any failure here leaves inside_host cleared, which leads to the installer.
  try {
    std::string program_dir = Trim(pathtext::ExtractFilePath(exe_path));
    std::string commander_path = AsciiLowerCase(values.commander_path);
    program_dir = ReplaceAllIgnoreCase(program_dir, "/", "\\");
    commander_path = ReplaceAllIgnoreCase(commander_path, "/", "\\");
    RemoveOneTrailingBackslash(commander_path);
    RemoveOneTrailingBackslash(program_dir);
    values.commander_path = commander_path;
    values.program_dir = program_dir;
    if (!commander_path.empty() && ContainsIgnoreCase(program_dir, commander_path))
      values.inside_host = true;
  } catch (...) {
    values.inside_host = false;
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
  values.inside_host = false;
  values.install_requested = false;
  ReadHostLocation(environment, inputs.exe_path, values);

  values.snapshot.host_window = windows.FindWindow(0, 0, kHostWindowClass, std::nullopt);
  values.snapshot.focused_window = inputs.foreign_focus ? inputs.foreign_focus() : 0;
  if (values.snapshot.host_window != 0) {
    FileLists lists = FindFileLists(windows, values.snapshot.host_window);
    values.snapshot.first_list = lists.first;
    values.snapshot.second_list = lists.second;
  }

  if (values.snapshot.focused_window != 0 && values.snapshot.second_list != 0) {
    FileLists lists{values.snapshot.first_list, values.snapshot.second_list};
    PanelSide side = SideOfFocus(lists, values.snapshot.focused_window);
    values.snapshot.start_path = ReadPanelPath(windows, values.snapshot.host_window, side);
    std::string trimmed = Trim(values.snapshot.start_path);
    if (trimmed.find_first_of("\\/") == std::string::npos)
      values.snapshot.start_path = ReadPanelPathAlt(windows, values.snapshot.host_window, side);
    if (values.inside_host && IsUnsupportedLocation(files, values.snapshot.start_path))
      return {LaunchAction::kDelegateToHost, values.snapshot.host_window};
  }

  values.install_requested = AnyInstallSwitch(inputs.arguments);
  if (values.install_requested) values.inside_host = false;
  if (values.inside_host) return {LaunchAction::kMainWindow, 0};

  if (windows.FindWindow(0, 0, kInstallerWindowClass, std::string(kApplicationTitle)) == 0)
    return {LaunchAction::kInstaller, 0};
  return {LaunchAction::kBringInstallerForward,
          windows.FindWindow(0, 0, kInstallerWindowClass, std::nullopt)};
}

}  // namespace kestrix
