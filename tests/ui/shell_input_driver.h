#pragma once
// What the shell and a user hand the window in tests: a drop handle built in memory, and
// an open-file dialog answered from a second thread.
#include "platform/win32/windows_api.h"
// After the Windows headers they need.
#include <dlgs.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace kestrix {

using Names = std::vector<std::string>;

// A drop handle as the shell hands it over: DROPFILES, then zero-terminated names and a
// final zero, in ANSI or UTF-16.
inline HDROP MakeDrop(const Names& names, bool wide) {
  std::string payload;
  for (const std::string& name : names) {
    for (char c : name) {
      payload.push_back(c);
      if (wide) payload.push_back('\0');
    }
    payload.append(wide ? 2 : 1, '\0');
  }
  payload.append(wide ? 2 : 1, '\0');
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + payload.size());
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = wide;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), payload.data(), payload.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// Waits for the open-file dialog of this process, then answers it like a user.
class DialogDriver {
 public:
  // `first_filter` receives the filter combo box's first entry; read it once the driver is
  // gone.
  DialogDriver(DWORD thread_id, std::string file, std::string& first_filter)
      : thread_id_(thread_id), file_(std::move(file)), first_filter_(first_filter) {
    worker_ = std::thread([this] { Run(); });
  }
  ~DialogDriver() { worker_.join(); }

 private:
  static BOOL CALLBACK Find(HWND hwnd, LPARAM param) {
    char name[32] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(hwnd)) {
      *reinterpret_cast<HWND*>(param) = hwnd;
      return FALSE;
    }
    return TRUE;
  }
  void Run() {
    HWND dialog = nullptr;
    for (int i = 0; i < 200 && dialog == nullptr; ++i) {
      Sleep(50);
      EnumThreadWindows(thread_id_, Find, reinterpret_cast<LPARAM>(&dialog));
    }
    if (dialog == nullptr) return;
    char filter[128] = {};
    SendDlgItemMessageA(dialog, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
    first_filter_ = filter;
    if (file_.empty()) {
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    // The file name field: a combo box on newer systems, an edit on older ones and Wine.
    HWND name_field = GetDlgItem(dialog, cmb13);
    if (name_field == nullptr) name_field = GetDlgItem(dialog, edt1);
    SetWindowTextA(name_field, file_.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  }
  DWORD thread_id_;
  std::string file_;
  std::string& first_filter_;
  std::thread worker_;
};

}  // namespace kestrix
