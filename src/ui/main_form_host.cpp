// The main window's link to the host while it is open: the refresh label, the manual
// editing of the current path, and what happens when the application gains or loses the
// activation.
#include "base/text_utils.h"
#include "host/foreground_win32.h"
#include "host/host_snapshot.h"
#include "ui/main_form.h"

namespace kestrix {

namespace {

char CurrentDriveLetter() {
  char directory[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, directory);
  return length > 0 && length < MAX_PATH ? directory[0] : 'C';
}

}  // namespace

// Double-click on the path or the preview, or Ctrl+E.
void Ttc_KestrixForm::OpenPathEditing() {
  if (controls_.Visible(kId_edit_curdirname)) return;
  EnsurePathEditor();
  // The text goes in while the field is hidden: the host is already on that path.
  SetWindowTextA(Control(kId_edit_curdirname), app_.Snapshot.CurrentPath.c_str());
  controls_.SetVisible(kId_lbl_currentPath, false);
  controls_.SetVisible(kId_lbl_newdirname, false);
  controls_.SetVisible(kId_edit_curdirname, true);
  HWND field = Control(kId_edit_curdirname);
  SetFocus(field);
  controls_.CaretToEnd(field);
}

// Every change of the path field, typed or set: the typed path becomes current and the
// host follows an existing directory at once.
void Ttc_KestrixForm::edit_curdirnameChange() {
  if (!snapshot_) return;
  const std::string text = controls_.Text(kId_edit_curdirname);
  RerunPreview();
  snapshot_->PathFieldChanged(text, controls_.Visible(kId_edit_curdirname),
                              startup_.enter_cmd_installed);
}

// Ends a manual path edit: the field's text, expanded and completed, becomes the path.
void Ttc_KestrixForm::CheckAndTurnOffPathEditing() {
  if (!controls_.Visible(kId_edit_curdirname)) return;
  const std::string path = EditedCurrentPath(controls_.Text(kId_edit_curdirname),
                                             services_.environment, CurrentDriveLetter());
  app_.Snapshot.CurrentPath = path;
  // Hidden first, so setting the text does not send the host to the path once more.
  controls_.SetVisible(kId_edit_curdirname, false);
  SetWindowTextA(Control(kId_edit_curdirname), path.c_str());
  view_.ShowCurrentPath(ShortenPath(path));
  controls_.SetVisible(kId_lbl_currentPath, true);
  controls_.SetVisible(kId_lbl_newdirname, true);
  RerunPreview();
  if (mode_ != MainMode::kNormal) {
    HWND list = Control(kId_MkDirExt);
    controls_.CaretToEnd(list);
    Edit(list).ScrollCaret();
  }
  if (GetFocus() == nullptr || GetFocus() == Control(kId_edit_curdirname))
    controls_.Focus(VisibleInput());
}

}  // namespace kestrix
