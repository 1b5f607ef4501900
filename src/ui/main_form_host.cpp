// The main window's link to the host while it is open: the refresh label, the manual
// editing of the current path, and what happens when the application gains or loses the
// activation.
#include "base/text_utils.h"
#include "host/foreground_win32.h"
#include "host/host_snapshot.h"
#include "ui/main_form.h"

namespace kestrix {

namespace {

constexpr UINT kScrollCaret = 0xB7;  // EM_SCROLLCARET

char CurrentDriveLetter() {
  char directory[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, directory);
  return length > 0 && length < MAX_PATH ? directory[0] : 'C';
}

}  // namespace

void Ttc_KestrixForm::lbl_s_newfolderClick() {
  if (!snapshot_) return;
  CheckAndTurnOffPathEditing();
  snapshot_->Refresh();
}

// After a refresh the preview follows the new path; the window follows the active list
// when it is placed on it.
void Ttc_KestrixForm::AfterRefresh() {
  RerunPreview();
  if (activation_.window_position == WindowPosition::kHostPane &&
      !services_.windows.IsIconic(app_.Snapshot.HostWindow))
    PlaceWindow();
}

// Double-click on the path or the preview, or Ctrl+E.
void Ttc_KestrixForm::OpenPathEditing() {
  if (IsVisible(kId_edit_curdirname)) return;
  // The text goes in while the field is hidden: the host is already on that path.
  SetWindowTextA(Control(kId_edit_curdirname), app_.Snapshot.CurrentPath.c_str());
  SetVisible(kId_lbl_currentPath, false);
  SetVisible(kId_lbl_newdirname, false);
  SetVisible(kId_edit_curdirname, true);
  HWND field = Control(kId_edit_curdirname);
  SetFocus(field);
  Select(field, {WindowText(field).size(), 0});
}

// Every change of the path field, typed or set: the typed path becomes current and the
// host follows an existing directory at once.
void Ttc_KestrixForm::edit_curdirnameChange() {
  if (!snapshot_) return;
  const std::string text = GetText(kId_edit_curdirname);
  RerunPreview();
  snapshot_->PathFieldChanged(text, IsVisible(kId_edit_curdirname), startup_.enter_cmd_installed);
}

// Ends a manual path edit: the field's text, expanded and completed, becomes the path.
void Ttc_KestrixForm::CheckAndTurnOffPathEditing() {
  if (!IsVisible(kId_edit_curdirname)) return;
  const std::string path =
      EditedCurrentPath(GetText(kId_edit_curdirname), services_.environment, CurrentDriveLetter());
  app_.Snapshot.CurrentPath = path;
  // Hidden first, so setting the text does not send the host to the path once more.
  SetVisible(kId_edit_curdirname, false);
  SetWindowTextA(Control(kId_edit_curdirname), path.c_str());
  view_.ShowCurrentPath(ShortenPath(path));
  SetVisible(kId_lbl_currentPath, true);
  SetVisible(kId_lbl_newdirname, true);
  RerunPreview();
  if (!IsVisible(kId_MkDir)) {
    HWND list = Control(kId_MkDirExt);
    Select(list, {WindowText(list).size(), 0});
    SendMessageA(list, kScrollCaret, 0, 0);
  }
  if (GetFocus() == nullptr || GetFocus() == Control(kId_edit_curdirname)) SetFocus(VisibleInput());
}

// WM_ACTIVATEAPP: the window may insist on staying active, and the host may be re-read on
// every return.
void Ttc_KestrixForm::ApplicationActivation(bool active) {
  if (!app_.HostPresent || terminated_) return;
  // Judged once the switch is complete: the active window is not yet set while the
  // application is told, and another application must finish its own activation before
  // the foreground is taken back.
  PostMessageA(hwnd(), kMsg_AfterActivation, active ? 1 : 0, 0);
}

void Ttc_KestrixForm::AfterApplicationActivation(bool active) {
  if (terminated_) return;
  if (!active) {
    if (startup_.always_active) ForceForeground(hwnd());
    return;
  }
  if (flags_.TC8B10Method && activation_.refresh_on_activate && snapshot_ &&
      GetActiveWindow() == hwnd())
    snapshot_->Refresh();
}

// Activation step: a configured custom name replaces the host's suggestion.
void Ttc_KestrixForm::ApplyCustomName() {
  if (activation_.suggested_name == SuggestedName::kHostItem) return;
  SetText(kId_MkDir, Trim(activation_.custom_dir_name));
}

}  // namespace kestrix
