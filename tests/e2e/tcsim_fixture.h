#pragma once
// End-to-end fixture around the stand-in host: a temporary host directory with its INI
// files, a running tcsim.exe with its request log, and the window reads and requests that
// drive it from another process. Text is UTF-8 here; every call carrying it is a wide one.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "base/text_utils.h"

namespace kestrix::e2e {

// The directory of the test executable (without trailing "\"), where the build puts the
// programs; the product's path there.
std::string TestBinaryDir();
std::string KestrixExePath();
std::string ReadFileText(const std::string& path);

// A host installation in a fresh temporary directory (its name holds a blank), removed
// with everything in it by the destructor, tcsim copied in as its "TOTALCMD.EXE". wincmd.ini
// binds F7 to "em_Kestrix"; usercmd.ini holds "em_KestrixEnter" (cmd "cd"). A `fresh` tree
// is a host nothing was installed into: one shortcut of the host's own, no usercmd.ini.
class HostTree {
 public:
  explicit HostTree(bool fresh = false);
  ~HostTree();
  HostTree(const HostTree&) = delete;
  HostTree& operator=(const HostTree&) = delete;

  const std::string& Dir() const { return dir_; }  // COMMANDER_PATH, without trailing "\"
  std::string Path(const std::string& relative) const { return dir_ + "\\" + relative; }
  std::string WincmdIni() const { return Path("wincmd.ini"); }
  std::string UsercmdIni() const { return Path("usercmd.ini"); }
  // Copies `source` to "Kestrix\tc Kestrix.exe" and binds em_Kestrix to it as the installer
  // does. The copy's full path, empty when the copy failed.
  std::string InstallProgram(const std::string& source);
  // Both create missing parent directories and return the full path.
  std::string MakeDir(const std::string& relative) const;
  std::string MakeFile(const std::string& relative, const std::string& content = "") const;

 private:
  std::string dir_;
};

// How to start tcsim (left panel active, brief view; panels default to the tree's
// directory): TcsimStart{.left = a, .focus = "x.txt"}, or TcsimStart().Left(a).
struct TcsimStart {
  std::string left = {}, right = {}, focus = {};  // = {}: no warning for a field a start leaves out
  bool as_host = false;                           // runs the tree's TOTALCMD.EXE
  bool unicode = false;                           // the host's Unicode build (--unicode)
  TcsimStart& Left(const std::string& path) { return left = path, *this; }
};

// One running tcsim.exe. Stop (also run by the destructor) closes it with command 24340
// and ends the programs it started that still run.
class Tcsim {
 public:
  explicit Tcsim(const HostTree& tree) : tree_(tree), log_path_(tree.Path("tcsim.log")) {}
  ~Tcsim() { Stop(); }
  Tcsim(const Tcsim&) = delete;
  Tcsim& operator=(const Tcsim&) = delete;

  // Starts tcsim and waits for its main window; on failure `error` says why, with the log.
  bool Start(const TcsimStart& start = {}, std::string* error = nullptr);
  void Stop();
  std::optional<DWORD> ExitCode() const;  // nothing while it runs
  HWND Window() const { return window_; }

  // The log's lines without line ends. WaitForLog: the index of the first line at or after
  // `from` that contains `text`, waiting up to `timeout_ms`; -1 when none came.
  std::vector<std::string> LogLines() const { return SplitLines(LogText()); }
  int WaitForLog(const std::string& text, size_t from = 0, DWORD timeout_ms = 15000) const;
  std::string LogText() const { return ReadFileText(log_path_); }

  // A key as other programs request it ("F7", "S+F7"); the process ids of the log's
  // "RUN pid=" lines.
  bool PressKey(const std::string& notation) const;
  std::vector<DWORD> StartedProcessIds() const;

 private:
  const HostTree& tree_;
  std::string log_path_;
  HANDLE process_ = nullptr;
  HWND window_ = nullptr;
};

std::string WindowText(HWND window);  // WM_GETTEXT, wide, up to 1024 characters
// The names in a directory (without "." and ".."), a folder's with "\" after it, sorted,
// read with the wide calls.
std::vector<std::string> DirectoryNames(const std::string& directory);
bool IsDirectory(const std::string& path);
HWND FocusOfThread(HWND window);  // the keyboard focus in the thread of `window`
bool WaitForProcessExit(DWORD process_id, DWORD timeout_ms);

// Polls `condition` every 20 ms; false when it did not hold within `timeout_ms`.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeout_ms = 15000) {
  for (const DWORD start = GetTickCount(); !condition(); Sleep(20))
    if (GetTickCount() - start > timeout_ms) return false;
  return true;
}
// WaitUntil, serving this thread's windows meanwhile: a program taking the foreground from
// one of them, or pasting what it put on the clipboard, waits for their answers.
template <typename Condition>
bool WaitServing(Condition condition, DWORD timeout_ms = 15000) {
  return WaitUntil(
      [&] {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        return condition();
      },
      timeout_ms);
}
// A visible top-level window of the class (and caption, unless null), waited for.
HWND WaitForWindow(const char* class_name, const char* caption, DWORD timeout_ms = 15000);
// Types `text` as the keyboard would, with a pause after each character.
bool TypeText(const std::string& text);

inline constexpr char kTitle[] = "Total Commander Kestrix";  // the product's caption
inline constexpr char kMainClass[] = "Ttc_KestrixForm";
HWND NameField(HWND main);  // the main window's name field
// Waits until `main` is the foreground window (asked for again while waiting: under load a
// request can be lost) with its name field focused, so that real key presses reach it.
bool NameFieldReady(HWND main);
// The main window, waited for until its name field is ready; null when it did not come.
HWND WaitForMainWindow();

}  // namespace kestrix::e2e
