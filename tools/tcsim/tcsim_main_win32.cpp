// tcsim: the stand-in for the host file manager (Total Commander) in tests and demos.
#include <windows.h>

#include <cstdio>

#include "host_window_win32.h"
#include "platform/win32/wide_text.h"
#include "user_commands.h"

using namespace kestrix;
using namespace kestrix::tcsim;

namespace {

std::string WithoutTrailingSlash(std::string path) {
  if (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

int Fail(LogFile& log, const std::string& message) {
  log.Line("ERROR " + message);
  std::fprintf(stderr, "tcsim: %s\n", message.c_str());
  return 2;
}

// The second start's arguments go to the running host, which opens the paths: UTF-16, so
// that a path in any script arrives whole.
int HandOver(HWND running, const std::vector<std::string>& args) {
  std::wstring units;
  for (const std::string& arg : args) units += Wide(arg) + L'\0';
  COPYDATASTRUCT data{kCopyDataHandOver, static_cast<DWORD>(units.size() * sizeof(wchar_t)),
                      units.data()};
  return SendMessageW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) ? 0 : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  std::vector<std::string> args = SplitCommandLine(Utf8(GetCommandLineW()));
  if (!args.empty()) args.erase(args.begin());
  OptionsResult parsed = ParseOptions(args);
  // Started by a program as the host itself (TOTALCMD.EXE without arguments), it still
  // logs where the test that prepared the tree reads.
  wchar_t log_from_environment[MAX_PATH] = {};
  if (parsed.options.log.empty() &&
      GetEnvironmentVariableW(L"TCSIM_LOG", log_from_environment, MAX_PATH) > 0)
    parsed.options.log = Utf8(log_from_environment);
  LogFile log(parsed.options.log.empty() ? "" : FullPath(parsed.options.log));
  if (!parsed.error.empty()) return Fail(log, parsed.error);

  if (parsed.options.to_running) {
    HWND running = FindWindowW(L"TTOTAL_CMD", nullptr);
    if (!running) return Fail(log, "no host window is running");
    for (const std::string& key : parsed.options.presses) {
      KeyPress press = *ParseKeyPress(key);
      PostMessageW(running, kPressKeyMessage, press.key, ModifierBits(press));
    }
    return 0;
  }
  if (parsed.options.hand_over) {
    HWND running = FindWindowW(L"TTOTAL_CMD", nullptr);
    if (!running) return Fail(log, "/O: no host window is running");
    return HandOver(running, args);
  }

  HostSetup setup;
  Options& o = setup.options;
  o = parsed.options;
  o.commander_path = WithoutTrailingSlash(
      FullPath(o.commander_path.empty() ? ExecutableDirectory() : o.commander_path));
  o.wincmd_ini = FullPath(o.wincmd_ini.empty() ? o.commander_path + "\\wincmd.ini" : o.wincmd_ini);
  o.usercmd_ini = o.usercmd_ini.empty() ? UsercmdIniBeside(o.wincmd_ini) : FullPath(o.usercmd_ini);
  std::string here = CurrentDirectory();
  if (o.left.empty()) o.left = here;
  if (o.right.empty()) o.right = here;

  // The host runs with these set itself, so its own expansion of cmd= and path= sees them.
  SetEnvironmentVariableW(L"COMMANDER_PATH", Wide(o.commander_path).c_str());
  SetEnvironmentVariableW(L"COMMANDER_INI", Wide(o.wincmd_ini).c_str());
  setup.environment_block = BuildEnvironmentBlock(
      CurrentEnvironment(),
      {{"COMMANDER_PATH", o.commander_path}, {"COMMANDER_INI", o.wincmd_ini}});

  const bool unicode = o.unicode;
  HostModel model([unicode](const std::string& path) { return ListDirectory(path, unicode); },
                  IsExistingFile);
  if (!model.Open(Side::kLeft, o.left, o.right_active ? "" : o.focus)) {
    return Fail(log, "cannot list the left panel path " + LogQuote(o.left));
  }
  if (!model.Open(Side::kRight, o.right, o.right_active ? o.focus : "")) {
    return Fail(log, "cannot list the right panel path " + LogQuote(o.right));
  }
  model.SetActive(o.right_active ? Side::kRight : Side::kLeft);

  HostWindow window(model, setup, log);
  if (!window.Create(instance)) {
    return Fail(log, "cannot create the window, error " + std::to_string(GetLastError()));
  }
  char handle[32];
  std::snprintf(handle, sizeof handle, "0x%llX",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window.handle())));
  log.Line("START pid=" + std::to_string(GetCurrentProcessId()) + " window=" + handle +
           " view=" + (o.view == View::kBrief ? "brief" : "detailed") +
           " lcl=" + (o.lcl ? "1" : "0") + " ignore-ga=" + (o.ignore_ga ? "1" : "0") +
           " unicode=" + (o.unicode ? "1" : "0") + " commander-path=" + LogQuote(o.commander_path) +
           " wincmd-ini=" + LogQuote(o.wincmd_ini) + " usercmd-ini=" + LogQuote(o.usercmd_ini) +
           " | " + model.Describe());
  for (const std::string& key : o.presses) {
    KeyPress press = *ParseKeyPress(key);
    PostMessageW(window.handle(), kPressKeyMessage, press.key, ModifierBits(press));
  }

  // The wide loop serves both builds: the system hands each window its own kind of text.
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  log.Line("EXIT");
  return 0;
}
