// Names from outside the window (dropped files, the clipboard, text files), the directory
// history behind the MkDir drop-down with its undo, and the user applications of the
// variables popup. What the names become is decided by create/name_list_loading.h and
// create/dir_history.h; this file moves their results into the controls.
#include <algorithm>

#include "names/text_utils.h"
#include "names/user_apps.h"
#include "names/variable_menu.h"
#include "platform/win32/system_error_win32.h"
#include "ui/main_form.h"

namespace kestrix {

namespace {

// MkDir's height including its dropped-down list, as the control table creates it.
constexpr int kNameDropHeight = 220;

}  // namespace

// --- Dropped files and folders -------------------------------------------------------

void Ttc_KestrixForm::AcceptFiles(HDROP drop) {
  app_.CurrentRoutine = "AcceptFiles";
  const std::vector<std::string> paths = ReadDroppedFiles(drop);
  if (BatchModeActive_) {
    TurnOffBatchMode();
    RelayoutForMode(false);
    CenterOnHost(0);
    RecenterPending_ = false;
  }
  DropPlan plan = PlanDrop(DescribeDroppedPaths(services_.files, paths), IsVisible(kId_MkDirExt));
  if (plan.load_text_file) {
    ShowOpenDialogAndLoadFile(plan.text_file, false);
    SetText(kId_MkDirExt, RemoveDuplicateLines(GetText(kId_MkDirExt)));
  } else if (!plan.names.empty()) {
    if (!plan.current_path.empty()) {
      app_.Snapshot.CurrentPath = plan.current_path;
      view_.ShowCurrentPath(plan.current_path_label);
    }
    if (plan.switch_to_extended) btn_extendedClick();
    const bool list_visible = IsVisible(kId_MkDirExt);
    DropInsertion inserted = InsertDroppedNames(plan.names, list_visible, GetText(kId_MkDirExt));
    SetText(kId_MkDirExt, inserted.list_text);
    if (inserted.name_replaced) {
      SetText(kId_MkDir, inserted.name_text);
      SetFocus(Control(kId_MkDir));
      Select(Control(kId_MkDir), {0, std::string::npos});
    } else {
      ListCaretToEnd();
    }
  }
  RerunPreview();
  // A refresh reads the host's panel path again, which would undo the path the drop just
  // set; only a loaded list leaves the path to the host.
  if (plan.load_text_file) lbl_s_newfolderClick();
}

// --- Clipboard -----------------------------------------------------------------------

bool Ttc_KestrixForm::PasteIntoName() {
  app_.CurrentRoutine = "PasteIntoName";
  std::optional<std::string> clipboard = ReadClipboardText(hwnd());
  if (!clipboard) return false;
  const TextSelection selection = Selection(Control(kId_MkDir));
  PastePlan plan =
      PlanNameFieldPaste(*clipboard, GetText(kId_MkDir), selection.start, selection.length);
  if (!plan.consumed) return false;
  if (plan.clear_saved_selection) SavedSelection_ = {};
  if (plan.extended) {
    ChangeToExt();
    SetText(kId_MkDirExt, plan.list_text);
    ListCaretToEnd();
    MkDirExtChange();
    return true;
  }
  SetText(kId_MkDir, plan.name_text);
  SetText(kId_MkDirExt, plan.list_text);
  Select(Control(kId_MkDir), {plan.selection_start, plan.selection_length});
  MkDirChange();
  return true;
}

// --- Text files ----------------------------------------------------------------------

void Ttc_KestrixForm::ShowOpenDialogAndLoadFile(const std::string& path, bool browse) {
  app_.CurrentRoutine = "ShowOpenDialogAndLoadFile";
  std::string file = path;
  if (browse) {
    const LanguageTable& language = Lang();
    std::optional<std::string> chosen = ChooseTextFile(hwnd(), path, language);
    if (!chosen) return;
    file = *chosen;
    if (BatchModeActive_) {
      RecenterPending_ = true;
      TurnOffBatchMode();
    }
  }
  if (services_.code_page == nullptr) return;
  LoadedFile loaded = LoadNameListFile(services_.files, *services_.code_page, file);
  if (loaded.error != kErrorSuccess) {
    // The texts stay as they are: an unreadable file must not cost the user a typed name.
    std::string code = std::to_string(loaded.error);
    const std::string reason = SystemErrorText(loaded.error);
    if (!reason.empty()) code = Concat({code, " (", reason, ")"});
    const std::string text =
        Concat({Text("ErrorMessages", "Error", "Error"), ": ", file, "\r\n",
                Trim(Text("ErrorMessages", "ErrorCode", "Error code:")), " ", code});
    if (services_.message_boxes != nullptr)
      services_.message_boxes->Show(text, app_title_, kMbOk | kMbIconError);
    else
      MessageBoxA(hwnd(), text.c_str(), app_title_.c_str(), MB_OK | MB_ICONERROR);
    return;
  }
  PlaceLoadedNames(loaded.names);
  if (RecenterPending_) CenterOnHost(0);
  RecenterPending_ = false;
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Ttc_KestrixForm::PlaceLoadedNames(const LoadedNames& names) {
  if (names.extended) {
    // The mode switch first: a "|" in the name field would otherwise replace the list.
    ChangeToExt();
    SetText(kId_MkDirExt, names.list_text);
    ListCaretToEnd();
    return;
  }
  SetText(kId_MkDir, names.name_text);
  ChangeToNormal();
}

void Ttc_KestrixForm::ListCaretToEnd() {
  HWND list = Control(kId_MkDirExt);
  SetFocus(list);
  Select(list, {GetText(kId_MkDirExt).size(), 0});
  SendMessageA(list, EM_SCROLLCARET, 0, 0);
}

void Ttc_KestrixForm::btn_loadFromFileClick() {
  app_.CurrentRoutine = "btn_loadFromFileClick";
  const HostSnapshot& host = app_.Snapshot;
  // User structures are not offered yet, so the menu holds the focused file and Browse.
  if (LoadButtonOpensDialogDirectly(host.FocusedTextFile, false)) {
    ShowOpenDialogAndLoadFile(host.CurrentPath, true);
    return;
  }
  SelectFileMenu menu;
  std::vector<SelectFileMenuItem> items =
      menu.VisibleItems(host.FocusedTextFile, ExtractFileName(host.FocusedTextPath), false, "",
                        Text("Buttons", "BtnBrowse", "Browse..."));
  RECT button;
  GetWindowRect(Control(kId_btn_loadFromFile), &button);
  SelectFileChoice choice = ShowSelectFileMenu(hwnd(), {button.left, button.bottom}, items);
  if (choice.command == SelectFileCommand::kLoadFocusedTextFile)
    ShowOpenDialogAndLoadFile(host.FocusedTextPath, false);
  else if (choice.command == SelectFileCommand::kBrowse)
    ShowOpenDialogAndLoadFile(host.CurrentPath, true);
}

void Ttc_KestrixForm::LoadFromFileKey() {
  if (IsVisible(kId_btn_loadFromFile))
    btn_loadFromFileClick();
  else
    ShowOpenDialogAndLoadFile(app_.Snapshot.CurrentPath, true);
}

// --- Directory history and undo ------------------------------------------------------

HistoryPlaces Ttc_KestrixForm::HistoryPlacesNow() const {
  return {app_.CommanderIni, ProgramDirOf(services_.exe_path),
          ExecutableBaseName(services_.exe_path), startup_.mkdir_history_file};
}

void Ttc_KestrixForm::LoadMkDirHistory() {
  app_.CurrentRoutine = "LoadMkDirHistory";
  DirHistory history(services_.files, services_.environment, HistoryPlacesNow());
  const std::vector<std::string> items = history.LoadMkDirHistory();
  HWND combo = Control(kId_MkDir);
  const TextSelection selection = Selection(combo);
  Combo(combo).SetItems(items);
  Select(combo, selection);
}

bool Ttc_KestrixForm::MkDirHistoryEmpty() const {
  return Combo(Control(kId_MkDir)).Count() <= 0;
}

void Ttc_KestrixForm::MkDirKeyDown(WPARAM key) {
  history_undo_.KeyPressed(GetText(kId_MkDir));
  if ((key == VK_UP || key == VK_DOWN) && MkDirHistoryEmpty()) LoadMkDirHistory();
}

void Ttc_KestrixForm::InputMouseOrKeyUp(HWND control, UINT message) {
  if (message == WM_KEYUP && control == mkdir_edit_) {
    // The text after the key, so the last typed character is restored by undo too.
    history_undo_.KeyPressed(GetText(kId_MkDir));
  } else if (message == WM_MOUSEWHEEL &&
             (control == mkdir_edit_ || control == Control(kId_MkDir))) {
    if (GetFocus() == mkdir_edit_ && MkDirHistoryEmpty()) LoadMkDirHistory();
  } else if (message == WM_RBUTTONUP && control == Control(kId_img_ChangeDirAttrib)) {
    OpenAttributeLetters();
  }
}

void Ttc_KestrixForm::MkDirDropDown(bool opening) {
  if (opening) LoadMkDirHistory();
  SetFocus(Control(kId_MkDir));
  Select(Control(kId_MkDir), {GetText(kId_MkDir).size(), 0});
}

void Ttc_KestrixForm::MkDirSelect() {
  app_.CurrentRoutine = "MkDirSelect";
  if (history_undo_.Picked()) {
    const RECT name = ControlRect(kId_MkDir);
    const RECT undo = ControlRect(kId_btn_undo);
    const int width = (name.right - name.left) - (undo.right - undo.left) - 1;
    SetWindowPos(Control(kId_MkDir), nullptr, 0, 0, width, Scale96(kNameDropHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(Control(kId_btn_undo), nullptr, name.left + width + 1, name.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetVisible(kId_btn_undo, true);
  MkDirChange();
}

void Ttc_KestrixForm::btn_undoClick() {
  app_.CurrentRoutine = "btn_undoClick";
  Combo(Control(kId_cmbox_Templates)).SetSelected(0);
  const std::string typed = history_undo_.Undo();
  HWND combo = Control(kId_MkDir);
  // The list's selection would put the picked entry back on the next selection message.
  Combo(combo).SetSelected(-1);
  SetText(kId_MkDir, typed);
  const RECT name = ControlRect(kId_MkDir);
  RECT client = {};
  GetClientRect(hwnd(), &client);
  SetWindowPos(combo, nullptr, 0, 0, client.right - 2 * name.left, Scale96(kNameDropHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  HWND input = VisibleInput();
  SetFocus(input);
  Select(combo, {typed.size(), 0});
  SetVisible(kId_btn_undo, false);
  MkDirChange();
}

// --- User applications ---------------------------------------------------------------

void Ttc_KestrixForm::DiscoverUserApplications() {
  UserAppIds_ =
      DiscoverUserApps(services_.files, ProgramDirOf(services_.exe_path), startup_.disable_plugins);
}

}  // namespace kestrix
