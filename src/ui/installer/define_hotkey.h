#pragma once
// TDefineHotkey: the small window beside the installer that builds the activation key in
// the host's notation from modifier boxes and a key list. Leaving it in any way (Enter,
// Escape, a click elsewhere) commits the key to the installer; there is no cancel.
#include <string>

#include "platform/win32/windows_api.h"
#include "settings/language_table.h"
#include "window/form.h"

namespace kestrix {

class TKestrix_Installer;

enum HotkeyControlId : int {
  kIdH_cb_Ctrl = 3100,
  kIdH_cb_Alt,
  kIdH_cb_Shift,
  kIdH_cb_Win,
  kIdH_lbl_plus,
  kIdH_cbx_selectKey,
};

class TDefineHotkey : public Form {
 public:
  explicit TDefineHotkey(TKestrix_Installer& installer) : installer_(installer) {}
  // Opens beside `owner` showing `notation` and the Windows-key flag.
  bool Open(HINSTANCE instance, HWND owner, const std::string& title, const std::string& notation,
            bool windows_key);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void Commit();

  TKestrix_Installer& installer_;
  bool committed_ = false;
};

}  // namespace kestrix
