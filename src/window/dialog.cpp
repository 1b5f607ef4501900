#include "window/dialog.h"

#include "window/dpi_win32.h"

namespace kestrix {

int Dialog::ShowModal(HINSTANCE instance, HWND owner) {
  ended_ = false;
  result_ = IDCANCEL;
  if (!CreateForm(instance, class_name_, title_, WS_POPUP | WS_CAPTION | WS_SYSMENU, width_,
                  height_, owner))
    return IDCANCEL;
  SetWindowLongPtrW(hwnd(), GWL_EXSTYLE,
                    GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) | WS_EX_DLGMODALFRAME);
  bool initialised = false;
  Guarded([&] {
    initialised = OnInit();
    for (DialogPage* page : pages_) page->Load();
    if (initialised) OnLoaded();
  });
  if (!initialised) {
    DestroyWindow(hwnd());
    return IDCANCEL;
  }
  // Centred on the owner, or on the screen without one.
  RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner != nullptr) GetWindowRect(owner, &area);
  RECT own = {};
  GetWindowRect(hwnd(), &own);
  SetWindowPos(hwnd(), nullptr, (area.left + area.right - (own.right - own.left)) / 2,
               (area.top + area.bottom - (own.bottom - own.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (owner != nullptr) EnableWindow(owner, FALSE);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  if (HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE)) SetFocus(first);
  // The program's own loop still sees an end it was asked for meanwhile.
  RunMessageLoop(hwnd(), [this] { return ended_ || !IsWindow(hwnd()); });
  // The owner is enabled before the dialog goes, so that the activation returns to it.
  if (owner != nullptr) EnableWindow(owner, TRUE);
  if (hwnd() != nullptr) DestroyWindow(hwnd());
  return result_;
}

bool Dialog::OnCommand(ControlId, int, HWND) {
  return false;
}

LRESULT Dialog::OnNotify(const NMHDR&) {
  return 0;
}

void Dialog::OnOk() {
  for (DialogPage* page : pages_)
    if (!page->Save()) return;
  if (OnSaved()) EndDialog(IDOK);
}

void Dialog::EndDialog(int result) {
  result_ = result;
  ended_ = true;
}

void Dialog::CreateControls(std::span<const ControlSpec> specs, const LanguageTable& language,
                            int design_width, int design_height) {
  resizer_.SetDesignSize(design_width, design_height);
  kestrix::CreateControls(hwnd(), specs, language, &resizer_);
  resizer_.Resize(hwnd());
}

void Dialog::SetClientSize(int width, int height) {
  RECT outer = {0, 0, Scale96(width), Scale96(height)};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)));
  SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Dialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const ControlId id = LOWORD(wparam);
      if (OnCommand(id, HIWORD(wparam), reinterpret_cast<HWND>(lparam))) return 0;
      if (id == IDOK) OnOk();
      if (id == IDCANCEL) OnCancel();
      return 0;
    }
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lparam));
    case WM_CLOSE:
      OnCancel();
      return 0;
    case WM_SIZE:
      if (wparam != SIZE_MINIMIZED) resizer_.Resize(hwnd(), LOWORD(lparam), HIWORD(lparam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) OnActivate();
      break;
  }
  return DefaultHandling(message, wparam, lparam);
}

}  // namespace kestrix
