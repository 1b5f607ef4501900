// Cost of one keystroke's worth of work in the name field under Windows (or Wine): the
// real main window, created in this process with the real file system, environment and
// variable sources, gets a new 60-character text with five variables; the change handler
// recomputes the preview label, the OK/Enter state and the automatic "Enable
// replacements". Only the host is a stand-in, so that no other program is needed.
// A second measure types one character (WM_CHAR to the focused edit, replacing the last
// character of a 50-character text with five variables) into the name field and into the
// edit of a bare window, and counts the messages the name field's key sends to the main
// window and its controls. Prints the repetitions, the median and the 90th percentile in
// microseconds.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/launch_decision.h"
#include "fakes/fake_window_system.h"
#include "names/replacements.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/dialog_seams_win32.h"
#include "platform/win32/environment_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/resource_win32.h"
#include "platform/win32/shared_memory_win32.h"
#include "platform/win32/system_facts_win32.h"
#include "platform/win32/windows_api.h"
#include "ui/main/main_form.h"

namespace kestrix {
namespace {

constexpr int kWarmUp = 50;
constexpr int kDefaultRepetitions = 2000;

// Two texts of 60 characters with the same five variables (an environment variable set
// below, year, month, day, computer name); they differ so that every set is a real
// change.
constexpr char kTextA[] = "%SET_NAME% backup %Y-%N-%D of {pc}, full set of archives A01";
constexpr char kTextB[] = "%SET_NAME% backup %Y-%N-%D of {pc}, full set of archives B02";
static_assert(sizeof kTextA - 1 == 60 && sizeof kTextB - 1 == 60);
constexpr char kTyped[] = "%SET_NAME% set %Y-%N-%D of {pc}, full archives A01";
static_assert(sizeof kTyped - 1 == 50);

// Messages sent to the windows of the main window while counting.
HWND g_counted = nullptr;
long g_messages = 0;
std::string g_message_list;

LRESULT CALLBACK CountSent(int code, WPARAM wparam, LPARAM lparam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && g_counted != nullptr &&
      (sent->hwnd == g_counted || IsChild(g_counted, sent->hwnd))) {
    ++g_messages;
    char item[32];
    std::snprintf(item, sizeof item, " %X:%X", GetDlgCtrlID(sent->hwnd), sent->message);
    g_message_list += item;
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

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

// Times each call of `step` (alternating the two texts) after a warm-up; `between` runs
// after each call, untimed. Returns the times in microseconds, sorted.
template <typename Step, typename Between>
std::vector<double> Measure(int repetitions, Step step, Between between) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> micros;
  micros.reserve(static_cast<size_t>(repetitions));
  for (int i = 0; i < kWarmUp + repetitions; ++i) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    step(i % 2 == 0 ? kTextA : kTextB);
    QueryPerformanceCounter(&end);
    if (i >= kWarmUp)
      micros.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
                       static_cast<double>(frequency.QuadPart));
    between();
  }
  std::sort(micros.begin(), micros.end());
  return micros;
}

// Types one character into `edit` as the user does, over and over: the text is 50
// characters with five variables and its last character is replaced by each key.
std::vector<double> MeasureTyping(int repetitions, HWND edit) {
  SetWindowTextA(edit, kTyped);
  SetFocus(edit);
  Pump();
  return Measure(
      repetitions,
      [&](const char* text) {
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(text == kTextA ? 'A' : 'B'), 1);
      },
      [&] {
        SendMessageA(edit, EM_SETSEL, sizeof kTyped - 2, sizeof kTyped - 1);
        Pump();
      });
}

LRESULT CALLBACK BareProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

// A bare window with one edit, made as a plain Win32 program makes it.
HWND BareEdit() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = BareProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "KestrixBareWindow";
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(0, wc.lpszClassName, "bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                400, 120, nullptr, nullptr, wc.hInstance, nullptr);
  return CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 8, 8,
                         320, 23, window, nullptr, wc.hInstance, nullptr);
}

void Print(const char* what, const std::vector<double>& sorted) {
  std::printf("%-30s median %9.1f us  p90 %9.1f us  min %9.1f us  max %9.1f us\n", what,
              Percentile(sorted, 0.5), Percentile(sorted, 0.9), sorted.front(), sorted.back());
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
  SetEnvironmentVariableA("SET_NAME", "weekly");
  StartupValues app;
  app.snapshot.host_window = host;
  Win32Resources resources;
  ErrorLogger logger(files, ProgramDirOf(exe_path), "kestrix_preview_bench",
                     ErrorLogSystemInfo{"Windows", true, "en"}, clock, app.current_routine);
  MainForm form(app, {host_windows,
                      files,
                      environment,
                      exe_path,
                      logger,
                      variables,
                      code_page,
                      message_boxes,
                      modifier_keys,
                      resources,
                      {}});
  if (!form.Create(GetModuleHandleA(nullptr))) {
    std::fprintf(stderr, "the main window could not be created\n");
    return 1;
  }
  // The existence test of the OK/Enter state asks the real file system.
  app.snapshot.current_path = TemporaryDirectory();
  ShowWindow(form.hwnd(), SW_SHOW);
  SendMessageA(form.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  Pump();

  HWND name = form.MkDirEdit();
  HWND preview = form.Control(MainControl::kNewNameLabel);
  // Typing: the name field's text changes and its change handler runs before the set
  // returns. Paint and timers run between keystrokes, outside the measurement.
  std::vector<double> handler = Measure(
      repetitions, [&](const char* text) { SetWindowTextA(name, text); }, Pump);
  // The expansion on its own, for comparison.
  std::string expanded_text;
  std::vector<double> expansion = Measure(
      repetitions, [&](const char* text) { expanded_text = Replacements(text, variables, {}); },
      [] {});

  // The handler must really have run: the preview shows the last text expanded.
  char shown[256] = {};
  GetWindowTextA(preview, shown, sizeof shown);
  const bool expanded = expanded_text.find('%') == std::string::npos &&
                        std::string(shown).find('%') == std::string::npos &&
                        std::string(shown).find("weekly") != std::string::npos &&
                        std::string(shown).find("B02") != std::string::npos;
  const bool replacements_on =
      SendMessageA(form.Control(MainControl::kReplacementsCheck), BM_GETCHECK, 0, 0) == BST_CHECKED;

  // One typed key: its messages to the window's controls, then its time here and in a bare
  // window's edit.
  SetWindowTextA(name, kTyped);
  SetFocus(name);
  SendMessageA(name, EM_SETSEL, sizeof kTyped - 2, sizeof kTyped - 1);
  Pump();
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, CountSent, nullptr, GetCurrentThreadId());
  g_counted = form.hwnd();
  SendMessageA(name, WM_CHAR, 'C', 1);
  g_counted = nullptr;
  UnhookWindowsHookEx(hook);
  std::vector<double> typed = MeasureTyping(repetitions, name);
  std::vector<double> bare = MeasureTyping(repetitions, BareEdit());

  std::printf("60 characters, 5 variables, %d repetitions each\n", repetitions);
  Print("MkDirChange (name field set)", handler);
  Print("Replacements alone", expansion);
  Print("Key in the name field", typed);
  Print("Key in a bare window's edit", bare);
  std::printf("key/bare median ratio %.2f; messages to the window per key %ld\n",
              Percentile(typed, 0.5) / Percentile(bare, 0.5), g_messages);
  std::printf("control id:message of each:%s\n", g_message_list.c_str());
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
