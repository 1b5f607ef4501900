// The program's entry: decides, before any window exists, whether the host's own dialog,
// the installer or the main window handles this start.
#include <cstdlib>
#include <string>
#include <vector>

#include "app/error_log.h"
#include "app/error_log_win32.h"
#include "app/launch_decision.h"
#include "host/foreground_win32.h"
#include "names/replacements.h"
#include "platform/cached_system_facts.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/dialog_seams_win32.h"
#include "platform/win32/environment_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/resource_win32.h"
#include "platform/win32/shared_memory_win32.h"
#include "platform/win32/system_facts_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_handle_win32.h"
#include "platform/win32/window_system_win32.h"
#include "platform/win32/windows_api.h"
#include "settings/settings.h"
#include "ui/installer/installer_form.h"
#include "ui/main/main_form.h"

namespace kestrix {
namespace {

std::string ExecutablePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD got = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (got == 0) return {};
    if (got < buffer.size()) return Utf8(std::wstring_view(buffer.data(), got));
    buffer.resize(buffer.size() * 2);
  }
}

// The wide start (wWinMain, linked with -municode) has the C runtime split the wide command
// line by the same rules as the ANSI one did, without loading shell32 for
// CommandLineToArgvW at every start.
std::vector<std::string> Arguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.push_back(Utf8(__wargv[i]));
  return arguments;
}

int Run(HINSTANCE instance, int show_command) {
  // The real-time request is granted as high class to ordinary users; the main window
  // lowers it to high once it exists.
  SetPriorityClass(GetCurrentProcess(), REALTIME_PRIORITY_CLASS);

  Win32WindowSystem windows;
  Win32FileSystem files;
  Win32Environment environment;
  StartupValues app;
  LaunchInputs inputs{ExecutablePath(), Arguments(), [] { return FromHwnd(GetForeignFocus()); }};
  LaunchDecision decision = DecideLaunch(windows, files, environment, inputs, app);
  Win32SystemFacts system;
  Win32Clock clock;
  ErrorLogger logger(files, ProgramDirOf(inputs.exe_path), ExecutableBaseName(inputs.exe_path),
                     GatherErrorLogSystemInfo(system, UserLanguageIso639Win32()), clock,
                     app.current_routine);

  switch (decision.action) {
    case LaunchAction::kDelegateToHost:
      windows.Post(decision.window, kHostCommandMessage, kCmdHostMkDirDialog, 0);
      return 0;
    case LaunchAction::kBringInstallerForward:
      ForceForeground(ToHwnd(decision.window));
      return 0;
    case LaunchAction::kInstaller: {
      // The installer copies files and waits for the host with a fast timer; it must not
      // keep the real-time request of the entry, which an administrator is granted.
      SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
      Win32Resources resources;
      Win32CodePage code_page;
      Win32MessageBoxes message_boxes(nullptr);
      InstallerForm installer({files, environment, resources, code_page, message_boxes,
                               inputs.exe_path, inputs.arguments});
      installer.SetErrorLogger(&logger);
      if (!installer.Create(instance)) return 1;
      installer.Show(show_command);
      return installer.Run();
    }
    case LaunchAction::kMainWindow: {
      Win32Locale locale;
      Win32SharedMemory shared_memory;
      Win32CodePage code_page;
      Win32MessageBoxes message_boxes(nullptr);
      Win32ModifierKeys modifier_keys;
      CachedSystemFacts cached_system(system);
      VariablePlatform variables{
          clock,   locale,        environment, cached_system,
          windows, shared_memory, files,       ProgramDirOf(inputs.exe_path)};
      Win32Resources resources;
      MainFormServices services{windows,       files,     environment,     inputs.exe_path,
                                logger,        variables, code_page,       message_boxes,
                                modifier_keys, resources, inputs.arguments};
      MainForm form(app, std::move(services));
      if (!form.Create(instance)) return 0;
      form.Show(show_command);
      return RunMessageLoop(form.hwnd(), nullptr,
                            [&form](const MSG& msg) { form.RelayMouse(msg); });
    }
  }
  return 0;
}

}  // namespace
}  // namespace kestrix

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show_command) {
  try {
    return kestrix::Run(instance, show_command);
  } catch (...) {
    return 1;
  }
}
