#pragma once
// End-to-end fixture around the stand-in host: a temporary host directory with its
// wincmd.ini and usercmd.ini, a running tcsim.exe with its request log, and the window
// reads and requests a test needs to drive it from another process.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace kestrix::e2e {

// Executables the build puts beside the test executable.
std::string TestBinaryDir();  // without trailing "\"
std::string TcsimExePath();
std::string KestrixExePath();

// A host installation in a fresh temporary directory (its name holds a blank), removed
// with everything in it by the destructor. tcsim is copied in as the host's
// "TOTALCMD.EXE". wincmd.ini starts with a [Configuration] section and F7 bound to
// "em_Kestrix"; usercmd.ini with "em_KestrixEnter" (cmd "cd") and, once InstallProgram
// ran, "em_Kestrix". A `fresh` tree is a host nothing was installed into:
// wincmd.ini holds [Configuration] and one shortcut of the host's own, usercmd.ini is missing.
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

  // Copies `source` to Dir + "\" + `relative` and binds em_Kestrix to it the way the
  // installer does: cmd "%COMMANDER_PATH%\" + relative, path its directory. Returns the
  // copy's full path, empty when the copy failed.
  std::string InstallProgram(const std::string& source,
                             const std::string& relative = "Kestrix\\tc Kestrix.exe",
                             const std::string& param = "");

  // Both create missing parent directories and return the full path.
  std::string MakeDir(const std::string& relative) const;
  std::string MakeFile(const std::string& relative, const std::string& content = "") const;

 private:
  std::string dir_;
};

// How to start tcsim (left panel active, brief view), written as a chain:
// TcsimStart().Left(a).Focus("x.txt").
struct TcsimStart {
  std::string left, right;  // default: the tree's directory
  std::string focus;
  bool as_host = false;  // runs the tree's TOTALCMD.EXE

  TcsimStart& Left(const std::string& path) { return left = path, *this; }
  TcsimStart& Right(const std::string& path) { return right = path, *this; }
  TcsimStart& Focus(const std::string& name) { return focus = name, *this; }
  TcsimStart& AsHost() { return as_host = true, *this; }
};

// One running tcsim.exe. Stop (also run by the destructor) closes it with command 24340
// and ends the programs it started that still run.
class Tcsim {
 public:
  explicit Tcsim(const HostTree& tree) : tree_(tree), log_path_(tree.Path("tcsim.log")) {}
  ~Tcsim() { Stop(); }
  Tcsim(const Tcsim&) = delete;
  Tcsim& operator=(const Tcsim&) = delete;

  // Starts tcsim and waits (FindWindow polling, from inside Wine) for its main window.
  // On failure `error` says why, with the log so far.
  bool Start(const TcsimStart& start = {}, std::string* error = nullptr);
  bool Stop(DWORD timeout_ms = 10000);
  // The exit code once the process ended; nothing while it runs.
  std::optional<DWORD> ExitCode() const;

  HWND Window() const { return window_; }

  // Log lines without line ends. WaitForLog: the index of the first line at or after
  // `from` that contains `text`, waiting up to `timeout_ms`; -1 when none came.
  std::vector<std::string> LogLines() const;
  int WaitForLog(const std::string& text, size_t from = 0, DWORD timeout_ms = 10000) const;
  std::string LogText() const;

  // Requests as other programs send them.
  bool PressKey(const std::string& notation) const;  // "F7", "S+F7", "Win+F8"
  // "GA" query (WM_COPYDATA with a hidden reply window of this process as wParam): the
  // reply text, nothing when the host did not answer.
  std::optional<std::string> Query(const std::string& request) const;
  // "CD" payload for one side, laid out as the utility sends it.
  LRESULT ChangeDir(const std::string& path, bool left) const;

  // Process ids from the log's "RUN pid=" lines.
  std::vector<DWORD> StartedProcessIds() const;

 private:
  // WM_COPYDATA with the reply window as wParam; the send's result.
  LRESULT SendCopyData(ULONG_PTR id, const std::string& bytes) const;

  const HostTree& tree_;
  std::string log_path_;
  HANDLE process_ = nullptr;
  DWORD process_id_ = 0;
  HWND window_ = nullptr;
};

std::string WindowText(HWND window);  // WM_GETTEXT, 256 bytes
// The window with the keyboard focus in the thread of `window`.
HWND FocusOfThread(HWND window);
bool WaitForProcessExit(DWORD process_id, DWORD timeout_ms);
std::string ReadFileText(const std::string& path);

// Polls `condition` every 20 ms; false when it did not hold within `timeout_ms`.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeout_ms = 15000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeout_ms) return false;
    Sleep(20);
  }
  return true;
}
// A visible top-level window of the class (and caption, unless null), waited for.
HWND WaitForWindow(const char* class_name, const char* caption, DWORD timeout_ms = 15000);

// Types `text` as the keyboard would (one Unicode key down and up per character, with a
// pause after each so the receiver handles them one by one).
bool TypeText(const std::string& text);

}  // namespace kestrix::e2e
