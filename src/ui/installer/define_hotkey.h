#pragma once
// DefineHotkeyDialog: the small window beside the installer that builds the activation key in
// the host's notation from modifier boxes and a key list. Leaving it in any way (Enter,
// Escape, a click elsewhere) commits the key to the installer; there is no cancel.
#include <string>

#include "platform/win32/windows_api.h"
#include "settings/language_table.h"
#include "window/control_id.h"
#include "window/form.h"

namespace kestrix {

class InstallerForm;

enum class HotkeyControl : int {
  kCtrlCheck = 3100,
  kAltCheck,
  kShiftCheck,
  kWinCheck,
  kPlusLabel,
  kKeyBox,
};
template <>
inline constexpr bool kIsControlEnum<HotkeyControl> = true;

class DefineHotkeyDialog : public Form {
 public:
  explicit DefineHotkeyDialog(InstallerForm& installer) : installer_(installer) {}
  // Opens beside `owner` showing `notation` and the Windows-key flag.
  bool Open(HINSTANCE instance, HWND owner, const std::string& title, const std::string& notation,
            bool windows_key);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void Commit();

  InstallerForm& installer_;
  bool committed_ = false;
};

}  // namespace kestrix
