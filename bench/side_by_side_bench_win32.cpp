// The Windows benchmarks (scripts/bench): each measures the product next to a reference
// that does the least Windows itself allows for the same effect, in the same run, under
// the same Windows or Wine, and compares the ratio of their medians with a limit.
//
//   keystroke   WM_CHAR sent from this process to the focused name field of the real
//               window (started by the stand-in host's F7) vs the same send to the plain
//               edit of the bare window program
//   preview     the same keystroke at the end of a 300-line and of a 10,001-line list in
//               Extended mode with the tree preview shown, its update (the timer tick it
//               waits for) sent with it so the whole work of a key is timed, vs the plain
//               multi-line edit holding the same list
//   start-up    process start to a visible main window that answers a sent message (its
//               first show done), the host running and answering, vs the bare window
//               program; once more with a 1 MiB host wincmd.ini holding 200 history entries
//   creation    a pasted list of 10,001 lines created by the Extended mode's OK, with the
//               run's record written, vs a CreateDirectoryA loop over the same names, each
//               into a fresh directory
//   ini         a 1 MiB wincmd.ini loaded by BigIniFile, one key edited and written vs a
//               raw read and a write made as safely: a temporary file, flushed, renamed
//
// Product and reference samples alternate; a row's ratio is the median of the ratios of
// each product sample to the reference sample taken next to it, so a slow phase of the
// machine reaches both sides of a pair and drops out.
//
// Arguments: [work directory] [repetition scale] [one benchmark's first word]. The work directory
// (default: the temporary directory) takes the created trees; the caller removes it. Exit code 0
// when every ratio is within its limit.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "e2e/tcsim_fixture.h"
#include "host/host_commands.h"
#include "platform/win32/file_system_win32.h"
#include "settings/big_ini_file.h"
#include "ui/main/control_ids.h"

namespace kestrix::bench {
namespace {

using e2e::HostTree;
using e2e::Tcsim;
using e2e::TcsimStart;

constexpr char kMainClass[] = "Ttc_KestrixForm";
constexpr char kBareClass[] = "KestrixBenchBare";
// Generous: a loaded machine stretches a start to many seconds now and then.
constexpr DWORD kWaitMs = 60000;

// Fifty characters with five variables: date tokens, the user name and an environment
// variable.
constexpr char kKeystrokeText[] = "Backup %Y-%N-%D of {user}\\%TEMP%\\weekly set A-0001";
static_assert(sizeof kKeystrokeText - 1 == 50);

[[noreturn]] void Fail(const std::string& why) {
  throw std::runtime_error(why);
}

double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

template <typename Step>
double TimeMs(Step step) {
  const double start = NowMs();
  step();
  return NowMs() - start;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Row {
  std::string name;
  double product_ms, reference_ms, ratio, limit;
  int repetitions;
  std::string failure;  // a bound of the row's own, broken
  bool Pass() const { return ratio <= limit && failure.empty(); }
};

// The side-by-side helper: each repetition runs one product step and one reference step,
// in alternating order so that drift of the machine reaches both; each step returns the
// milliseconds of its measured part. The ratio is the median of the pairs' ratios.
Row SideBySide(const std::string& name, int repetitions, double limit,
               const std::function<double(int)>& product,
               const std::function<double(int)>& reference) {
  std::vector<double> product_ms, reference_ms, ratios;
  for (int i = 0; i < repetitions; ++i) {
    if (i % 2) reference_ms.push_back(reference(i));
    product_ms.push_back(product(i));
    if (i % 2 == 0) reference_ms.push_back(reference(i));
    ratios.push_back(product_ms.back() / std::max(reference_ms.back(), 1e-6));
  }
  Row row{name, Median(product_ms), Median(reference_ms), Median(ratios), limit, repetitions, {}};
  std::fprintf(stderr, "%s: %.3f ms vs %.3f ms, %.2fx\n", name.c_str(), row.product_ms,
               row.reference_ms, row.ratio);
  return row;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string BareExePath() {
  return e2e::TestBinaryDir() + "\\kestrix_bench_bare.exe";
}

// Window enumeration callbacks (stdcall on 32-bit Windows, so no lambdas).
BOOL CALLBACK CloseWindowOfProcess(HWND window, LPARAM process_id) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == static_cast<DWORD>(process_id)) PostMessageA(window, WM_CLOSE, 0, 0);
  return TRUE;
}

BOOL CALLBACK AppendClassName(HWND window, LPARAM text) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  *reinterpret_cast<std::string*>(text) += std::string(" ") + name;
  return TRUE;
}

// A started program that is closed (WM_CLOSE to its windows) and waited for when it ends.
class Program {
 public:
  // Started with COMMANDER_PATH and COMMANDER_INI as the host hands them to its programs.
  Program(const std::string& exe, const HostTree& tree, const std::string& arguments = "") {
    SetEnvironmentVariableA("COMMANDER_PATH", tree.Dir().c_str());
    SetEnvironmentVariableA("COMMANDER_INI", tree.WincmdIni().c_str());
    std::string line = Quoted(exe) + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        tree.Dir().c_str(), &startup, &info_))
      Fail("cannot start " + exe);
  }
  // Adopts a process another program started.
  explicit Program(DWORD process_id) {
    info_.dwProcessId = process_id;
    info_.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, process_id);
    if (!info_.hProcess) Fail("cannot open the started process");
  }
  ~Program() {
    EnumWindows(CloseWindowOfProcess, static_cast<LPARAM>(info_.dwProcessId));
    if (WaitForSingleObject(info_.hProcess, kWaitMs) != WAIT_OBJECT_0)
      TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
    if (info_.hThread) CloseHandle(info_.hThread);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The visible top-level window of the class owned by this process, polled every
  // millisecond.
  HWND WaitVisible(const char* class_name) const {
    const double start = NowMs();
    while (NowMs() - start < kWaitMs) {
      for (HWND w = FindWindowExA(nullptr, nullptr, class_name, nullptr); w;
           w = FindWindowExA(nullptr, w, class_name, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == info_.dwProcessId && IsWindowVisible(w)) return w;
      }
      if (WaitForSingleObject(info_.hProcess, 1) == WAIT_OBJECT_0) Fail("the program ended early");
    }
    std::string seen;
    EnumWindows(AppendClassName, reinterpret_cast<LPARAM>(&seen));
    Fail(std::string("no visible window of class ") + class_name + "; windows:" + seen);
  }

 private:
  PROCESS_INFORMATION info_ = {};
};

// A sent message and its answer; `timeout_ms` bounds a receiver that hangs.
LRESULT Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT timeout_ms = kWaitMs) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wparam, lparam, SMTO_NORMAL, timeout_ms, &result))
    Fail("a sent message was not answered");
  return static_cast<LRESULT>(result);
}

std::string TextOf(HWND window) {
  std::string text(static_cast<size_t>(Send(window, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  text.resize(static_cast<size_t>(
      Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// The host with Kestrix installed into its tree and bound to F7, its panels on `panel`.
// A "CD" for the left panel, in the bytes the program itself sends.
bool ChangeHostDir(HWND host, const std::string& path) {
  std::string bytes = ChangeDirPayload(path, "", PanelSide::kLeft);
  COPYDATASTRUCT data{kCopyDataChangeDir, static_cast<DWORD>(bytes.size()), bytes.data()};
  return SendMessageA(host, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) != 0;
}

struct Host {
  HostTree tree;
  Tcsim tcsim{tree};
  std::string kestrix;
  // `wincmd_tail` is added to the host's wincmd.ini before the host starts.
  explicit Host(const std::string& panel = "", const std::string& wincmd_tail = "") {
    kestrix = tree.InstallProgram(e2e::KestrixExePath());
    if (kestrix.empty()) Fail("cannot install the program into the host tree");
    if (!wincmd_tail.empty()) {
      Win32FileSystem files;
      std::string ini;
      if (files.ReadWholeFile(tree.WincmdIni(), ini) != 0 ||
          files.WriteWholeFile(tree.WincmdIni(), ini + wincmd_tail) != 0)
        Fail("cannot write " + tree.WincmdIni());
    }
    std::string error;
    if (!tcsim.Start(TcsimStart().Left(panel.empty() ? tree.Dir() : panel), &error)) Fail(error);
  }
  void Foreground() const { SetForegroundWindow(tcsim.Window()); }
};

// Sends one character after another to `edit`, alternating a letter and Backspace so the
// text stays at its length; returns the milliseconds of the send.
double SendKey(HWND edit, int i) {
  return TimeMs([&] { Send(edit, WM_CHAR, i % 2 ? VK_BACK : 'x', 1); });
}

void PrepareEdit(HWND edit) {
  Send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kKeystrokeText));
  Send(edit, EM_SETSEL, 50, 50);
  if (TextOf(edit) != kKeystrokeText) Fail("the edit did not take the text");
}

HWND StartByF7(Host& host, std::optional<Program>& kestrix, const std::string& settings);

Row Keystroke(int repetitions) {
  Host host;
  std::optional<Program> kestrix;
  HWND main = StartByF7(host, kestrix, "");
  HWND name = FindWindowExA(Item(main, MainControl::kNameField), nullptr, "EDIT", nullptr);
  if (!name || e2e::FocusOfThread(main) != name) Fail("the name field is not focused");
  PrepareEdit(name);

  Program bare(BareExePath(), host.tree);
  HWND bare_edit = FindWindowExA(bare.WaitVisible(kBareClass), nullptr, "EDIT", nullptr);
  PrepareEdit(bare_edit);

  for (int i = 0; i < 20; ++i) SendKey(name, i), SendKey(bare_edit, i);  // warm-up
  Row row = SideBySide(
      "keystroke (WM_CHAR, 50 chars, 5 variables)", repetitions, 1.20,
      [&](int i) { return SendKey(name, i); }, [&](int i) { return SendKey(bare_edit, i); });
  // The change handler really ran: the preview shows the text expanded.
  const std::string preview = TextOf(Item(main, MainControl::kNewNameLabel));
  if (preview.find("weekly set A-0001") == std::string::npos ||
      preview.find('%') != std::string::npos)
    Fail("the preview was not expanded: " + preview);
  return row;
}

std::string ListName(int i);

// Starts the program by the host's F7, as the user does; `settings` is its settings file.
HWND StartByF7(Host& host, std::optional<Program>& kestrix, const std::string& settings) {
  if (!settings.empty()) {
    Win32FileSystem files;
    const std::string ini = host.kestrix.substr(0, host.kestrix.rfind('.')) + ".ini";
    if (files.WriteWholeFile(ini, settings) != 0) Fail("cannot write " + ini);
  }
  host.Foreground();
  const size_t first = host.tcsim.StartedProcessIds().size();
  if (!host.tcsim.PressKey("F7") || host.tcsim.WaitForLog("RUN pid=", 0, kWaitMs) < 0)
    Fail("the host did not start the program: " + host.tcsim.LogText());
  std::vector<DWORD> started = host.tcsim.StartedProcessIds();
  if (started.size() <= first) Fail("no started process in the host's log");
  kestrix.emplace(started.back());
  HWND main = kestrix->WaitVisible(kMainClass);
  Send(main, WM_NULL, 0, 0);  // its first show is done
  return main;
}

// The whole work of a key in the list, its tick included, stays within this.
constexpr double kTickLimitMs = 25.0;

Row PreviewKeystroke(int repetitions, int lines, double limit) {
  Host host;
  std::optional<Program> kestrix;
  HWND main = StartByF7(host, kestrix, "[Additional]\r\nTreePreview=True\r\n");
  HWND preview = FindWindowA("TKestrixTreePreview", nullptr);
  if (!preview || !IsWindowVisible(preview)) Fail("the tree preview is not shown");
  Send(Item(main, MainControl::kExtendedButton), BM_CLICK, 0, 0);
  HWND memo = Item(main, MainControl::kListField);
  std::string list;
  for (int i = 0; i < lines; ++i) list += ListName(i) + (i + 1 < lines ? "\r\n" : "");
  auto paste = [&](HWND edit) {
    Send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(list.c_str()));
    Send(edit, EM_SETSEL, list.size(), list.size());
  };
  paste(memo);
  // The first answers come a tick at a time; afterwards a key asks only for its own line.
  HWND count = FindWindowExA(preview, nullptr, "STATIC", nullptr);
  const std::string all_new = std::to_string(lines) + " new";
  for (int i = 0; i < 6000 && TextOf(count).rfind(all_new, 0) != 0; ++i) Sleep(10);
  if (TextOf(count).rfind(all_new, 0) != 0) Fail("the preview did not count: " + TextOf(count));

  // The reference holds the same list: a key at the end of 300 lines is what the edit
  // itself charges, with or without a preview.
  Program bare(BareExePath(), host.tree, "multiline");
  HWND bare_edit = FindWindowExA(bare.WaitVisible(kBareClass), nullptr, "EDIT", nullptr);
  paste(bare_edit);
  auto key = [](HWND edit, int i) { Send(edit, WM_CHAR, i % 2 ? VK_BACK : 'x', 1); };
  auto product = [&](int i) {
    return TimeMs([&] {
      key(memo, i);
      Send(preview, WM_TIMER, 1, 0);  // the preview's recompute tick
    });
  };
  for (int i = 0; i < 20; ++i) product(i), key(bare_edit, i);  // warm-up
  std::vector<double> alone, tick;
  for (int i = 0; i < 20; ++i) {
    alone.push_back(TimeMs([&] { key(memo, i); }));
    tick.push_back(TimeMs([&] { Send(preview, WM_TIMER, 1, 0); }));
  }
  std::fprintf(stderr,
               "preview, %d lines: the list's key alone %.3f ms, the preview's tick %.3f ms\n",
               lines, Median(alone), Median(tick));
  const std::string list_lines = lines == 300 ? "300" : "10,001";
  Row row = SideBySide(
      "keystroke, preview shown (WM_CHAR + its tick, " + list_lines + "-line list)", repetitions,
      limit, product, [&](int i) { return TimeMs([&] { key(bare_edit, i); }); });
  if (Median(tick) > kTickLimitMs) {
    char why[80];
    std::snprintf(why, sizeof why, "the tick took %.3f ms", Median(tick));
    row.failure = why;
  }
  // The tree followed the keys: a line made invalid is counted at once.
  Send(memo, WM_CHAR, '?', 1);
  Send(preview, WM_TIMER, 1, 0);
  if (TextOf(count) != std::to_string(lines - 1) + " new, 0 exist, 1 invalid")
    Fail("the preview did not follow the key: " + TextOf(count));
  return row;
}

double StartUp(const std::string& exe, const char* class_name, const Host& host) {
  host.Foreground();
  const double start = NowMs();
  Program program(exe, host.tree);
  // Visible, and back in its message loop: shown, painted and ready for a key.
  Send(program.WaitVisible(class_name), WM_NULL, 0, 0);
  return NowMs() - start;
}

// A host wincmd.ini of 1 MiB: 200 entries of the name history and many other sections.
std::string BigWincmdTail() {
  std::string tail = "[MkDirHistory]\r\n";
  for (int i = 0; i < 200; ++i)
    tail += std::to_string(i) + "=Projects\\2026\\folder of entry " + std::to_string(i) + "\r\n";
  for (int s = 0; tail.size() < (1u << 20); ++s) {
    tail += "[Other" + std::to_string(s) + "]\r\n";
    for (int k = 0; k < 50; ++k)
      tail += "key" + std::to_string(k) + "=C:\\Program Files\\Some Tool\\value\r\n";
  }
  return tail;
}

Row StartUpRow(int repetitions, bool big_ini) {
  Host host("", big_ini ? BigWincmdTail() : "");
  StartUp(host.kestrix, kMainClass, host);  // warm-up: file cache and the settings file
  StartUp(BareExePath(), kBareClass, host);
  return SideBySide(
      big_ini ? "start-up, 1 MiB host wincmd.ini with 200 history entries"
              : "start-up (process start to visible, answering window)",
      repetitions, big_ini ? 1.30 : 1.25,
      [&](int) { return StartUp(host.kestrix, kMainClass, host); },
      [&](int) { return StartUp(BareExePath(), kBareClass, host); });
}

constexpr int kListLines = 10001;

std::string ListName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "Project folder %05d", i);
  return name;
}

std::string FreshDir(const std::string& work, const std::string& name) {
  const std::string dir = work + "\\" + name;
  if (!CreateDirectoryA(dir.c_str(), nullptr)) Fail("cannot create " + dir);
  return dir;
}

void ExpectAllCreated(const std::string& dir) {
  for (int i = 0; i < kListLines; ++i) {
    DWORD attributes = GetFileAttributesA((dir + "\\" + ListName(i)).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
      Fail("not created: " + dir + "\\" + ListName(i));
  }
}

Row Creation(int repetitions, const std::string& work) {
  std::string list;
  for (int i = 0; i < kListLines; ++i) list += ListName(i) + (i + 1 < kListLines ? "\r\n" : "");
  Host host;
  auto product = [&](int i) {
    const std::string target = FreshDir(work, "product " + std::to_string(i));
    if (!ChangeHostDir(host.tcsim.Window(), target)) Fail("the host did not change to " + target);
    host.Foreground();
    Program kestrix(host.kestrix, host.tree);
    HWND main = kestrix.WaitVisible(kMainClass);
    Send(main, WM_NULL, 0, 0);
    Send(Item(main, MainControl::kExtendedButton), BM_CLICK, 0, 0);
    HWND memo = Item(main, MainControl::kListField);
    if (!IsWindowVisible(memo)) Fail("the list did not show");
    Send(memo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(list.c_str()));  // the paste
    // The run happens inside the click: the send returns when it is over.
    const double ms =
        TimeMs([&] { Send(Item(main, MainControl::kOkButton), BM_CLICK, 0, 0, 3600 * 1000); });
    ExpectAllCreated(target);
    // The run's record, written within the click, beside the settings file.
    const std::string record = host.kestrix.substr(0, host.kestrix.rfind('.')) + ".runs";
    if (e2e::ReadFileText(record).find("Base=" + target + "\r\n") == std::string::npos)
      Fail("the run left no record in " + record);
    return ms;
  };
  auto reference = [&](int i) {
    const std::string target = FreshDir(work, "reference " + std::to_string(i));
    const double ms = TimeMs([&] {
      for (int n = 0; n < kListLines; ++n)
        if (!CreateDirectoryA((target + "\\" + ListName(n)).c_str(), nullptr))
          Fail("CreateDirectoryA failed");
    });
    ExpectAllCreated(target);
    return ms;
  };
  return SideBySide("creation (10,001 pasted lines, Extended OK)", repetitions, 1.05, product,
                    reference);
}

Row Ini(int repetitions, const std::string& work) {
  const std::string path = work + "\\wincmd.ini";
  std::string content;
  for (int s = 0; content.size() < (1u << 20); ++s) {
    content += "[Section" + std::to_string(s) + "]\r\n";
    for (int k = 0; k < 50 && content.size() < (1u << 20); ++k)
      content += "key" + std::to_string(k) + "=C:\\Program Files\\Some Tool\\value " +
                 std::to_string(k) + "\r\n";
  }
  Win32FileSystem files;
  if (files.WriteWholeFile(path, content) != 0) Fail("cannot write " + path);
  auto product = [&](int i) {
    return TimeMs([&] {
      BigIniFile ini(files, path);
      ini.WriteString("Section7", "key7", "edited " + std::to_string(i));
      ini.UpdateFile();
    });
  };
  // As safe as the product's write: a temporary file beside, flushed, renamed over.
  const std::string temp = work + "\\wincmd.kx.tmp";
  auto reference = [&](int) {
    return TimeMs([&] {
      HANDLE in = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
      std::string bytes(GetFileSize(in, nullptr), '\0');
      DWORD done = 0;
      ReadFile(in, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
      CloseHandle(in);
      HANDLE out = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
      if (out == INVALID_HANDLE_VALUE) Fail("cannot create " + temp);
      const bool written =
          WriteFile(out, bytes.data(), done, &done, nullptr) && FlushFileBuffers(out);
      CloseHandle(out);
      if (!written || !MoveFileExA(temp.c_str(), path.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Fail("cannot replace " + path);
    });
  };
  Row row =
      SideBySide("ini (1 MiB wincmd.ini, one key edited)", repetitions, 1.30, product, reference);
  BigIniFile check(files, path);
  if (check.ReadString("Section7", "key7", "") != "edited " + std::to_string(repetitions - 1))
    Fail("the edited key was not written");
  return row;
}

int Run(const std::string& work, int scale, const std::string& only) {
  std::vector<Row> rows;
  auto wanted = [&](const char* name) { return only.empty() || only == name; };
  if (wanted("keystroke")) rows.push_back(Keystroke(200 * scale));
  if (wanted("preview")) {
    rows.push_back(PreviewKeystroke(200 * scale, 300, 1.50));
    rows.push_back(PreviewKeystroke(30 * scale, kListLines, 2.00));
  }
  if (wanted("start-up")) {
    rows.push_back(StartUpRow(15 * scale, false));
    rows.push_back(StartUpRow(15 * scale, true));
  }
  if (wanted("ini")) rows.push_back(Ini(20 * scale, work));
  if (wanted("creation")) rows.push_back(Creation(3 * scale, work));
  std::printf("| benchmark | product ms | reference ms | ratio | limit | result |\n");
  std::printf("|---|---:|---:|---:|---:|---|\n");
  bool all = true;
  for (const Row& row : rows) {
    all = all && row.Pass();
    std::printf(
        "| %s, median of %d | %.3f | %.3f | %.2fx | %.2fx | %s |\n", row.name.c_str(),
        row.repetitions, row.product_ms, row.reference_ms, row.ratio, row.limit,
        row.Pass() ? "pass" : ("FAIL" + (row.failure.empty() ? "" : ": " + row.failure)).c_str());
  }
  return all ? 0 : 1;
}

}  // namespace
}  // namespace kestrix::bench

int main(int argc, char** argv) {
  std::string work;
  if (argc > 1) {
    work = argv[1];
  } else {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    work = temp;
  }
  if (!work.empty() && work.back() == '\\') work.pop_back();
  const int scale = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
  try {
    return kestrix::bench::Run(work, scale, argc > 3 ? argv[3] : "");
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "bench: %s\n", failure.what());
    return 2;
  }
}
