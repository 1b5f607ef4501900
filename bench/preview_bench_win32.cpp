// Cost of one keystroke's worth of work in the name field under Windows (or Wine): the
// real main window, created in this process with the real file system, environment and
// variable sources, gets a new 60-character text with five variables; the change handler
// recomputes the preview label, the OK/Enter state and the automatic "Enable
// replacements". Only the host is a stand-in, so that no other program is needed.
// Prints the repetitions, the median and the 90th percentile in microseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fakes/fake_window_system.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/dialog_seams_win32.h"
#include "platform/win32/environment_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/shared_memory_win32.h"
#include "platform/win32/system_facts_win32.h"
#include "ui/main_form.h"

namespace kestrix {
namespace {

constexpr int kWarmUp = 50;
constexpr int kDefaultRepetitions = 2000;

// Two texts of 60 characters with the same five variables (year, month, day, computer
// name, an environment reference); they differ so that every set is a real change.
constexpr char kTextA[] = "Backup %Y-%m-%d of {pc} for %USERNAME% - weekly full set A01";
constexpr char kTextB[] = "Backup %Y-%m-%d of {pc} for %USERNAME% - weekly full set B02";
static_assert(sizeof kTextA - 1 == 60 && sizeof kTextB - 1 == 60);

std::string ExecutablePath() {
  char buffer[MAX_PATH * 2] = {};
  DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  return std::string(buffer, length < sizeof buffer ? length : 0);
}

std::string TemporaryDirectory() {
  char buffer[MAX_PATH] = {};
  DWORD length = GetTempPathA(MAX_PATH, buffer);
  return std::string(buffer, length < MAX_PATH ? length : 0);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

double Percentile(const std::vector<double>& sorted, double fraction) {
  const size_t index = static_cast<size_t>(fraction * static_cast<double>(sorted.size() - 1) + 0.5);
  return sorted[std::min(index, sorted.size() - 1)];
}

int Run(int repetitions) {
  FakeWindowSystem host_windows;
  const WindowHandle host = host_windows.Add(0, "TTOTAL_CMD", "Total Commander");
  host_windows.SetRect(host, {0, 0, 1000, 800});
  Win32FileSystem files;
  Win32Environment environment;
  Win32Clock clock;
  Win32Locale locale;
  Win32SystemFacts system;
  Win32SharedMemory shared_memory;
  Win32CodePage code_page;
  Win32MessageBoxes message_boxes(nullptr);
  Win32ModifierKeys modifier_keys;
  const std::string exe_path = ExecutablePath();
  VariablePlatform variables{clock,        locale,        environment, system,
                             host_windows, shared_memory, files,       ProgramDirOf(exe_path)};
  StartupValues app;
  app.Snapshot.HostWindow = host;
  Ttc_KestrixForm form(app, {host_windows, files, environment, exe_path, nullptr, &variables,
                             nullptr, &code_page, &message_boxes, &modifier_keys});
  if (!form.Create(GetModuleHandleA(nullptr))) {
    std::fprintf(stderr, "the main window could not be created\n");
    return 1;
  }
  // The existence test of the OK/Enter state asks the real file system.
  app.Snapshot.CurrentPath = TemporaryDirectory();
  ShowWindow(form.hwnd(), SW_SHOW);
  SendMessageA(form.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  Pump();

  HWND name = form.MkDirEdit();
  HWND preview = form.Control(kId_lbl_newdirname);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> micros;
  micros.reserve(static_cast<size_t>(repetitions));
  for (int i = 0; i < kWarmUp + repetitions; ++i) {
    const char* text = i % 2 == 0 ? kTextA : kTextB;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    SetWindowTextA(name, text);
    QueryPerformanceCounter(&end);
    if (i >= kWarmUp)
      micros.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
                       static_cast<double>(frequency.QuadPart));
    Pump();  // paint and timers between keystrokes, outside the measurement
  }

  // The handler must really have run: the preview shows the last text expanded.
  char shown[256] = {};
  GetWindowTextA(preview, shown, sizeof shown);
  const bool expanded = std::string(shown).find("%Y") == std::string::npos &&
                        std::string(shown).find("B02") != std::string::npos;
  const bool replacements_on =
      SendMessageA(form.Control(kId_option_replacements), BM_GETCHECK, 0, 0) == BST_CHECKED;

  std::sort(micros.begin(), micros.end());
  std::printf("MkDirChange preview, 60 characters, 5 variables\n");
  std::printf("repetitions %d  median %.1f us  p90 %.1f us  min %.1f us  max %.1f us\n",
              repetitions, Percentile(micros, 0.5), Percentile(micros, 0.9), micros.front(),
              micros.back());
  std::printf("preview \"%s\"  replacements %s\n", shown, replacements_on ? "on" : "off");
  if (!expanded || !replacements_on) {
    std::fprintf(stderr, "the change handler did not produce the expanded preview\n");
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace kestrix

// Optional argument: the number of timed repetitions.
int main(int argc, char** argv) {
  int repetitions = argc > 1 ? std::atoi(argv[1]) : kestrix::kDefaultRepetitions;
  if (repetitions < 1) repetitions = kestrix::kDefaultRepetitions;
  try {
    return kestrix::Run(repetitions);
  } catch (...) {
    std::fprintf(stderr, "unexpected failure\n");
    return 1;
  }
}
