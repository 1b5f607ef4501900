#include "ui/installer/define_hotkey.h"

#include "installer/host_file_edits.h"
#include "ui/installer/installer_form.h"
#include "window/control_table.h"
#include "window/controls.h"
#include "window/dpi_win32.h"

namespace kestrix {

namespace {

constexpr char kClassName[] = "TDefineHotkey";
constexpr int kWidth = 300;
constexpr int kHeight = 70;

constexpr ControlSpec kControls[] = {
    {"BUTTON", "Ctrl", spec::kCheck, HotkeyControl::kCtrlCheck, At(10, 12, 50, 20)},
    {"BUTTON", "Alt", spec::kCheck, HotkeyControl::kAltCheck, At(62, 12, 50, 20)},
    {"BUTTON", "Shift", spec::kCheck, HotkeyControl::kShiftCheck, At(108, 12, 50, 20)},
    {"BUTTON", "Win", spec::kCheck, HotkeyControl::kWinCheck, At(164, 12, 50, 20)},
    {"STATIC", "+", spec::kShown | SS_CENTER, HotkeyControl::kPlusLabel, At(214, 14, 14, 18)},
    {"COMBOBOX", "", spec::kDropList, HotkeyControl::kKeyBox, At(230, 10, 62, 300)},
};

}  // namespace

bool DefineHotkeyDialog::Open(HINSTANCE instance, HWND owner, const std::string& title,
                              const std::string& notation, bool windows_key) {
  if (!CreateForm(instance, kClassName, title.c_str(), WS_POPUP | WS_CAPTION, kWidth, kHeight,
                  owner))
    return false;
  CreateControls(hwnd(), kControls, EnglishLanguageTable{});
  Combo keys(Item(hwnd(), HotkeyControl::kKeyBox));
  for (std::string_view key : kHotkeyKeys) keys.Add(std::string(key));

  // The current key.
  const HotkeyFields fields = ReadHotkey(notation);
  Check(Item(hwnd(), HotkeyControl::kCtrlCheck)).SetChecked(fields.ctrl);
  Check(Item(hwnd(), HotkeyControl::kAltCheck)).SetChecked(fields.alt);
  Check(Item(hwnd(), HotkeyControl::kShiftCheck)).SetChecked(fields.shift);
  Check(Item(hwnd(), HotkeyControl::kWinCheck)).SetChecked(windows_key);
  keys.SetSelected(fields.key_index);

  RECT beside;
  GetWindowRect(owner, &beside);
  SetWindowPos(hwnd(), nullptr, beside.right + Scale96(4), beside.top + Scale96(120), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(hwnd(), SW_SHOW);
  SetFocus(keys.hwnd());
  return true;
}

void DefineHotkeyDialog::Commit() {
  if (committed_) return;
  committed_ = true;
  const bool ctrl = Check(Item(hwnd(), HotkeyControl::kCtrlCheck)).Checked();
  const bool alt = Check(Item(hwnd(), HotkeyControl::kAltCheck)).Checked();
  const bool shift = Check(Item(hwnd(), HotkeyControl::kShiftCheck)).Checked();
  const bool win = Check(Item(hwnd(), HotkeyControl::kWinCheck)).Checked();
  const std::string key = Combo(Item(hwnd(), HotkeyControl::kKeyBox)).Text();
  installer_.HotkeyChosen(ComposeHotkey(ctrl, alt, shift, key), win);
}

LRESULT DefineHotkeyDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE && !committed_) {
        Commit();
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
      }
      break;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        Commit();
        DestroyWindow(hwnd());
        return 0;
      }
      break;
    case WM_CLOSE:
      Commit();
      DestroyWindow(hwnd());
      return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

}  // namespace kestrix
