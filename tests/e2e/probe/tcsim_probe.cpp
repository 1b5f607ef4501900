// A program for tcsim to start in end-to-end tests: it writes what a program started by
// the host sees (command line, directory, environment, the host's focused window) to the
// file named by its first argument, then ends.
#include <windows.h>

#include <fstream>
#include <string>

#include "tcsim/options.h"

namespace {

std::string ClassOf(HWND window) {
  char name[64] = {};
  int length = window ? GetClassNameA(window, name, sizeof name) : 0;
  return std::string(name, length > 0 ? length : 0);
}

// The focused window of the foreground window's thread, found the way the utility does.
HWND ForeignFocus() {
  DWORD thread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  if (!AttachThreadInput(GetCurrentThreadId(), thread, TRUE)) return nullptr;
  HWND focus = GetFocus();
  AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
  return focus;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::vector<std::string> args = kestrix::tcsim::SplitCommandLine(GetCommandLineA());
  if (args.size() < 2) return 2;
  std::string partial = args[1] + ".part";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << "CMDLINE=" << GetCommandLineA() << "\n";
    for (size_t i = 1; i < args.size(); ++i) out << "ARG" << i << "=" << args[i] << "\n";
    char directory[MAX_PATH * 2] = {};
    GetCurrentDirectoryA(sizeof directory, directory);
    out << "CWD=" << directory << "\n";
    out << "FOREGROUND_CLASS=" << ClassOf(GetForegroundWindow()) << "\n";
    out << "FOCUS_CLASS=" << ClassOf(ForeignFocus()) << "\n";
    char* block = GetEnvironmentStringsA();
    for (const char* entry = block; entry && *entry; entry += strlen(entry) + 1) {
      out << "ENV " << entry << "\n";
    }
    FreeEnvironmentStringsA(block);
  }
  // Renamed when complete, so a reader never sees half a file.
  return MoveFileExA(partial.c_str(), args[1].c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
