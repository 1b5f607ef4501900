// The main window's link to the host while it is open: the refresh label, the manual
// editing of the current path, and the host's replies.
#include "ui/main/main_form_host.h"

#include "base/text_utils.h"
#include "platform/win32/window_handle_win32.h"
#include "settings/language_table.h"

namespace kestrix {

namespace {

char CurrentDriveLetter() {
  wchar_t directory[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, directory);
  const wchar_t drive = length > 0 && length < MAX_PATH ? directory[0] : L'C';
  return drive < 0x80 ? static_cast<char>(drive) : 'C';
}

}  // namespace

void HostLink::LoadStartup() {
  const StartupSettings& startup = w_.settings.Startup();
  flags_.tc8b10_method = startup.tc8b10_method;
  flags_.tc8b10_fix_ext = startup.tc8b10_fix_ext;
  affixes_ = {startup.dir_prefix, startup.dir_prefix_active, startup.dir_suffix,
              startup.dir_suffix_active};
}

bool HostLink::Acquire(HWND form) {
  form_ = form;
  const WindowHandle self = FromHwnd(form);
  commands_.emplace(w_.windows, w_.environment, self,
                    HostMoveServices{&w_.code_page, &process_,
                                     [this](const std::string& path) { HostNotMoved(path); }});
  snapshot_.emplace(w_.app.snapshot, flags_, affixes_, w_.windows, w_.files, focus_, *commands_,
                    static_cast<SnapshotView&>(*this), self);
  snapshot_->Acquire();
  return !terminated_;
}

void HostLink::Refresh() {
  if (snapshot_) snapshot_->Refresh();
}

void HostLink::PostAndRefresh(HostCommand command) {
  if (commands_) commands_->Post(w_.app.snapshot.host_window, command);
  Refresh();
}

void HostLink::Returned(HWND form) {
  if (flags_.tc8b10_method && w_.settings.Activation().refresh_on_activate &&
      GetActiveWindow() == form)
    Refresh();
}

LRESULT HostLink::OnCopyData(LPARAM lparam) {
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
  if (snapshot_)
    snapshot_->OnHostReply(
        data != nullptr ? HostReplyText(data->dwData, data->lpData, data->cbData, w_.code_page)
                        : "");
  return 1;
}

void HostLink::HostNotMoved(const std::string& path) {
  w_.message_boxes.Show(FormatLanguageText(w_.text(lng::errors::kHostNotMoved), "\"" + path + "\""),
                        kApplicationTitle, kMbOk | kMbIconWarning);
}

bool HostLink::OnCommand(ControlId id, int code) {
  switch (static_cast<MainControl>(id)) {
    case MainControl::kNewFolderLink:
      // NewFolderClicked: the host's path is read again.
      if (code == STN_CLICKED && snapshot_) {
        EndPathEditing();
        snapshot_->Refresh();
      }
      return true;
    case MainControl::kCurrentPathLabel:
    case MainControl::kNewNameLabel:
      if (code == STN_DBLCLK) OpenPathEditing();
      return true;
    case MainControl::kPathField:
      if (code == EN_CHANGE) PathEdited();
      if (code == EN_KILLFOCUS) EndPathEditing();
      return true;
    default:
      break;
  }
  return false;
}

void HostLink::OpenPathEditing() {
  if (w_.controls.Visible(MainControl::kPathField)) return;
  w_.ensure_path_editor();
  // The text goes in while the field is hidden: the host is already on that path.
  HWND field = w_.controls[MainControl::kPathField];
  w_.controls.SetText(MainControl::kPathField, w_.app.snapshot.current_path);
  w_.controls.SetVisible(MainControl::kCurrentPathLabel, false);
  w_.controls.SetVisible(MainControl::kNewNameLabel, false);
  w_.controls.SetVisible(MainControl::kPathField, true);
  SetFocus(field);
  w_.controls.CaretToEnd(field);
}

// Every change of the path field, typed or set: the typed path becomes current and the
// host follows an existing directory at once.
void HostLink::PathEdited() {
  if (!snapshot_) return;
  const std::string text = w_.controls.Text(MainControl::kPathField);
  w_.preview.Rerun();
  snapshot_->PathFieldChanged(text, w_.controls.Visible(MainControl::kPathField),
                              w_.settings.Startup().enter_cmd_installed);
}

void HostLink::EndPathEditing() {
  if (!w_.controls.Visible(MainControl::kPathField)) return;
  HWND field = w_.controls[MainControl::kPathField];
  const std::string path = EditedCurrentPath(w_.controls.Text(MainControl::kPathField),
                                             w_.environment, CurrentDriveLetter());
  w_.app.snapshot.current_path = path;
  // Hidden first, so setting the text does not send the host to the path once more.
  w_.controls.SetVisible(MainControl::kPathField, false);
  w_.controls.SetText(MainControl::kPathField, path);
  w_.preview.ShowPath(ShortenPath(path));
  w_.controls.SetVisible(MainControl::kCurrentPathLabel, true);
  w_.controls.SetVisible(MainControl::kNewNameLabel, true);
  w_.preview.Rerun();
  if (w_.mode != MainMode::kNormal) {
    HWND list = w_.controls[MainControl::kListField];
    w_.controls.CaretToEnd(list);
    Edit(list).ScrollCaret();
  }
  if (GetFocus() == nullptr || GetFocus() == field) w_.controls.Focus(w_.visible_input());
}

void HostLink::ShowCurrentPath(const std::string& shortened) {
  w_.preview.ShowPath(shortened);
}

std::string HostLink::NameText() {
  return w_.controls.Text(MainControl::kNameField);
}

void HostLink::SetNameText(const std::string& text) {
  w_.controls.SetText(MainControl::kNameField, text);
  w_.preview.NameEdited();
}

void HostLink::ShowTextFileItem(const std::string&) {
  w_.controls.SetVisible(MainControl::kLoadButton, true);
}

// After a refresh the preview follows the new path; the window follows the active list
// when it is placed on it.
void HostLink::RefreshDone() {
  w_.preview.Rerun();
  if (w_.settings.Activation().window_position == WindowPosition::kHostPane &&
      !w_.windows.IsIconic(w_.app.snapshot.host_window))
    w_.place_window();
}

void HostLink::Terminate() {
  terminated_ = true;
  ShowWindow(form_, SW_HIDE);
  PostQuitMessage(0);
}

}  // namespace kestrix
