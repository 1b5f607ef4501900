// The program's entry: decides, before any window exists, whether the host's own dialog,
// the installer or the main window handles this start.
#include <cstdlib>
#include <string>
#include <vector>

#include "app/foreground_win32.h"
#include "app/launch_decision.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/window_system_win32.h"
#include "ui/installer_form.h"
#include "ui/main_form.h"

namespace kestrix {
namespace {

// The process environment, as the launch decision reads it.
class ProcessEnvironment : public Environment {
 public:
  std::optional<std::string> Get(const std::string& name) override {
    DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (size == 0) return std::nullopt;
    std::string value(size, '\0');
    DWORD got = GetEnvironmentVariableA(name.c_str(), value.data(), size);
    value.resize(got < size ? got : 0);
    return value;
  }
  std::string Expand(const std::string& text) override {
    DWORD size = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (size == 0) return text;
    std::string value(size, '\0');
    DWORD got = ExpandEnvironmentStringsA(text.c_str(), value.data(), size);
    if (got == 0 || got > size) return text;
    value.resize(got - 1);
    return value;
  }
  std::vector<std::pair<std::string, std::string>> List() override { return {}; }
};

// Start-up only asks whether a path is an existing file; nothing here writes.
class AttributeOnlyFileSystem : public FileSystem {
 public:
  uint32_t GetAttributes(const std::string& path) override {
    return GetFileAttributesA(path.c_str());
  }
  uint32_t SetAttributes(const std::string&, uint32_t) override {
    return ERROR_CALL_NOT_IMPLEMENTED;
  }
  uint32_t CreateDirectory(const std::string&) override { return ERROR_CALL_NOT_IMPLEMENTED; }
  uint32_t ReadWholeFile(const std::string&, std::string&) override {
    return ERROR_CALL_NOT_IMPLEMENTED;
  }
  uint32_t WriteWholeFile(const std::string&, const std::string&) override {
    return ERROR_CALL_NOT_IMPLEMENTED;
  }
  uint32_t CopyFile(const std::string&, const std::string&, bool) override {
    return ERROR_CALL_NOT_IMPLEMENTED;
  }
  uint32_t DeleteFile(const std::string&) override { return ERROR_CALL_NOT_IMPLEMENTED; }
  std::vector<DirEntry> ListDirectory(const std::string&, const std::string&) override {
    return {};
  }
  uint64_t LastWriteTime(const std::string&) override { return 0; }
};

std::string ExecutablePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD got = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (got == 0) return {};
    if (got < buffer.size()) return std::string(buffer.data(), got);
    buffer.resize(buffer.size() * 2);
  }
}

std::vector<std::string> Arguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);
  return arguments;
}

HWND Hwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

int Run(HINSTANCE instance, int show_command) {
  // The real-time request is granted as high class to ordinary users; the main window
  // lowers it to high once it exists.
  SetPriorityClass(GetCurrentProcess(), REALTIME_PRIORITY_CLASS);

  Win32WindowSystem windows;
  AttributeOnlyFileSystem files;
  ProcessEnvironment environment;
  StartupValues app;
  LaunchInputs inputs{ExecutablePath(), Arguments(),
                      [] { return reinterpret_cast<WindowHandle>(GetForeignFocus()); }};
  LaunchDecision decision = DecideLaunch(windows, files, environment, inputs, app);

  switch (decision.action) {
    case LaunchAction::kDelegateToHost:
      windows.Post(decision.window, kHostCommandMessage, kHostCommandMakeDir, 0);
      return 0;
    case LaunchAction::kBringInstallerForward:
      ForceForeground(Hwnd(decision.window));
      return 0;
    case LaunchAction::kInstaller: {
      TKestrix_Installer installer;
      if (!installer.Create(instance)) return 1;
      installer.Show(show_command);
      return RunMessageLoop();
    }
    case LaunchAction::kMainWindow: {
      Ttc_KestrixForm form(app, windows);
      if (!form.Create(instance)) return 0;
      form.Show(show_command);
      return RunMessageLoop();
    }
  }
  return 0;
}

}  // namespace
}  // namespace kestrix

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
  try {
    return kestrix::Run(instance, show_command);
  } catch (...) {
    return 1;
  }
}
