#pragma once
// The stand-in host's main window: class "TTOTAL_CMD" with the child chain the utility
// reads, and the handlers for every request the host answers.
#include <windows.h>

#include <string>

#include "host_keys.h"
#include "host_model.h"
#include "host_os_win32.h"
#include "ini_text.h"
#include "options.h"

namespace kestrix::tcsim {

struct HostSetup {
  Options options;  // with every default filled in
  std::string environment_block;
};

class HostWindow {
 public:
  HostWindow(HostModel& model, const HostSetup& setup, LogFile& log);
  bool Create(HINSTANCE instance);
  HWND handle() const { return hwnd_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK PartProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  bool RegisterClasses(HINSTANCE instance);
  HWND Part(HWND parent, const char* cls, const char* text, bool visible);
  void CreateChildren();
  void Layout();
  void ShowState();
  void ShowPaths();
  void FillList(Side side);
  void FocusActiveList();
  HWND List(Side side) const { return side == Side::kLeft ? left_list_ : right_list_; }

  LRESULT OnCopyData(HWND sender, const COPYDATASTRUCT& data);
  // A second start's arguments (/L=, /R=, /S), each ended by a zero byte, in UTF-8.
  void HandOver(const std::string& zero_separated_args);
  void OnHostCommand(int number);
  // true when the key belongs to the host (the list box does not see it)
  bool OnKey(Side side, const KeyPress& press);
  void RunUserCommand(const std::string& trigger, const std::string& name,
                      const std::string& extra_params);
  void StateLine(const std::string& text);
  void SaveConfiguration();

  HostModel& model_;
  const HostSetup& setup_;
  LogFile& log_;
  HWND hwnd_ = nullptr;
  HWND top_bar_ = nullptr, command_area_ = nullptr, command_label_ = nullptr;
  HWND left_alt_ = nullptr, right_alt_ = nullptr, left_header_ = nullptr, right_header_ = nullptr;
  HWND left_tab_ = nullptr, right_tab_ = nullptr, left_path_ = nullptr, right_path_ = nullptr;
  HWND left_list_ = nullptr, right_list_ = nullptr;
  HFONT font_ = nullptr;
  std::string wincmd_text_;
  IniText wincmd_, usercmd_;
};

}  // namespace kestrix::tcsim
