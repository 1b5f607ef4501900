#include "ui/define_hotkey.h"

#include "installer/host_file_edits.h"
#include "ui/controls.h"
#include "ui/dpi_win32.h"
#include "ui/installer_form.h"

namespace kestrix {

namespace {

constexpr char kClassName[] = "TDefineHotkey";
constexpr int kWidth = 300;
constexpr int kHeight = 70;

struct Box {
  int id;
  const char* text;
  int x;
};
constexpr Box kBoxes[] = {{kIdH_cb_Ctrl, "Ctrl", 10},
                          {kIdH_cb_Alt, "Alt", 62},
                          {kIdH_cb_Shift, "Shift", 108},
                          {kIdH_cb_Win, "Win", 164}};

HWND AddChild(HWND parent, const char* cls, const char* text, DWORD style, int id, int x, int y,
              int w, int h) {
  HWND control = CreateWindowExA(
      0, cls, text, WS_CHILD | WS_VISIBLE | style, Scale96(x), Scale96(y), Scale96(w), Scale96(h),
      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return control;
}

}  // namespace

bool TDefineHotkey::Open(HINSTANCE instance, HWND owner, const std::string& title,
                         const std::string& notation, bool windows_key) {
  if (!CreateForm(instance, kClassName, title.c_str(), WS_POPUP | WS_CAPTION, kWidth, kHeight,
                  owner))
    return false;
  for (const Box& box : kBoxes)
    AddChild(hwnd(), "BUTTON", box.text, WS_TABSTOP | BS_AUTOCHECKBOX, box.id, box.x, 12, 50, 20);
  AddChild(hwnd(), "STATIC", "+", SS_CENTER, kIdH_lbl_plus, 214, 14, 14, 18);
  Combo keys(AddChild(hwnd(), "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                      kIdH_cbx_selectKey, 230, 10, 62, 300));
  for (std::string_view key : kHotkeyKeys) keys.Add(std::string(key));

  // The current key.
  const HotkeyFields fields = ReadHotkey(notation);
  Check(GetDlgItem(hwnd(), kIdH_cb_Ctrl)).SetChecked(fields.ctrl);
  Check(GetDlgItem(hwnd(), kIdH_cb_Alt)).SetChecked(fields.alt);
  Check(GetDlgItem(hwnd(), kIdH_cb_Shift)).SetChecked(fields.shift);
  Check(GetDlgItem(hwnd(), kIdH_cb_Win)).SetChecked(windows_key);
  keys.SetSelected(fields.key_index);

  RECT beside;
  GetWindowRect(owner, &beside);
  SetWindowPos(hwnd(), nullptr, beside.right + Scale96(4), beside.top + Scale96(120), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(hwnd(), SW_SHOW);
  SetFocus(keys.hwnd());
  return true;
}

void TDefineHotkey::Commit() {
  if (committed_) return;
  committed_ = true;
  const bool ctrl = Check(GetDlgItem(hwnd(), kIdH_cb_Ctrl)).Checked();
  const bool alt = Check(GetDlgItem(hwnd(), kIdH_cb_Alt)).Checked();
  const bool shift = Check(GetDlgItem(hwnd(), kIdH_cb_Shift)).Checked();
  const bool win = Check(GetDlgItem(hwnd(), kIdH_cb_Win)).Checked();
  const std::string key = Combo(GetDlgItem(hwnd(), kIdH_cbx_selectKey)).Text();
  installer_.HotkeyChosen(ComposeHotkey(ctrl, alt, shift, key), win);
}

LRESULT TDefineHotkey::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE && !committed_) {
        Commit();
        PostMessageA(hwnd(), WM_CLOSE, 0, 0);
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
