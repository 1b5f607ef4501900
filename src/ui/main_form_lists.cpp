// Names from outside the window (dropped files, the clipboard, text files) and the
// directory history behind the MkDir drop-down with its undo. What the names become is decided by
// create/name_list_loading.h and create/dir_history.h; this file moves their results into the
// controls.
#include <algorithm>

#include "base/text_utils.h"
#include "names/user_apps.h"
#include "names/variable_menu.h"
#include "platform/win32/png_image_win32.h"
#include "settings/themes.h"
#include "ui/main_form.h"

namespace kestrix {

namespace {

// MkDir's height including its dropped-down list, as the control table creates it.
constexpr int kNameDropHeight = 220;

// The image beside the structure entries of the Load menu, decoded once; null without it.
HBITMAP StructureMenuImage() {
  static const PngImage image = [] {
    PngImage png;
    std::string error;
    LoadPngResource(GetModuleHandleA(nullptr), WindowImageName(kStructureMenuImage), png, error);
    return png;
  }();
  return image.Bitmap();
}

}  // namespace

// --- Dropped files and folders -------------------------------------------------------

void Ttc_KestrixForm::AcceptFiles(HDROP drop) {
  app_.CurrentRoutine = "AcceptFiles";
  const std::vector<std::string> paths = ReadDroppedFiles(drop);
  if (mode_ == MainMode::kBatch) {
    TurnOffBatchMode();
    RelayoutForMode(false);
    CenterOnHost(0);
    RecenterPending_ = false;
  }
  DropPlan plan =
      PlanDrop(DescribeDroppedPaths(services_.files, paths), mode_ != MainMode::kNormal);
  if (plan.load_text_file) {
    ShowOpenDialogAndLoadFile(plan.text_file, false);
    SetListText(RemoveDuplicateLines(ListText()));
  } else if (!plan.names.empty()) {
    if (!plan.current_path.empty()) {
      app_.Snapshot.CurrentPath = plan.current_path;
      view_.ShowCurrentPath(plan.current_path_label);
    }
    if (plan.switch_to_extended) {
      if (mode_ == MainMode::kNormal)
        ChangeToExt();
      else
        ChangeToNormal();
    }
    const bool list_visible = mode_ != MainMode::kNormal;
    DropInsertion inserted = InsertDroppedNames(plan.names, list_visible, ListText());
    SetListText(inserted.list_text);
    if (inserted.name_replaced) {
      controls_.SetText(kId_MkDir, inserted.name_text);
      controls_.Focus(Control(kId_MkDir));
      controls_.Select(Control(kId_MkDir), {0, std::string::npos});
    } else {
      SetFocus(Control(kId_MkDirExt));
      controls_.CaretToEnd(Control(kId_MkDirExt));
      Edit(Control(kId_MkDirExt)).ScrollCaret();
    }
  }
  RerunPreview();
  // A refresh reads the host's panel path again, which would undo the path the drop just
  // set; only a loaded list leaves the path to the host.
  if (plan.load_text_file && snapshot_) {
    CheckAndTurnOffPathEditing();
    snapshot_->Refresh();
  }
}

// --- Clipboard -----------------------------------------------------------------------

bool Ttc_KestrixForm::PasteIntoName() {
  app_.CurrentRoutine = "PasteIntoName";
  std::optional<std::string> clipboard = ReadClipboardText(hwnd());
  if (!clipboard) return false;
  const TextSelection selection = controls_.Selection(Control(kId_MkDir));
  PastePlan plan =
      PlanNameFieldPaste(*clipboard, controls_.Text(kId_MkDir), selection.start, selection.length);
  if (!plan.consumed) return false;
  if (plan.clear_saved_selection) SavedSelection_ = {};
  if (plan.extended) {
    ChangeToExt();
    SetListText(plan.list_text);
    SetFocus(Control(kId_MkDirExt));
    controls_.CaretToEnd(Control(kId_MkDirExt));
    Edit(Control(kId_MkDirExt)).ScrollCaret();
    MkDirExtChange();
    return true;
  }
  controls_.SetText(kId_MkDir, plan.name_text);
  SetListText(plan.list_text);
  controls_.Select(Control(kId_MkDir), {plan.selection_start, plan.selection_length});
  MkDirChange(Edit(mkdir_edit_).Text());
  return true;
}

// --- Text files ----------------------------------------------------------------------

void Ttc_KestrixForm::ShowOpenDialogAndLoadFile(const std::string& path, bool browse) {
  app_.CurrentRoutine = "ShowOpenDialogAndLoadFile";
  std::string file = path;
  if (browse) {
    std::optional<std::string> chosen = ChooseTextFile(hwnd(), path, Lang());
    if (!chosen) return;
    file = *chosen;
    if (mode_ == MainMode::kBatch) {
      RecenterPending_ = true;
      TurnOffBatchMode();
    }
  }
  LoadedFile loaded = LoadNameListFile(services_.files, services_.code_page, file);
  if (loaded.error != kErrorSuccess) {
    // The texts stay as they are: an unreadable file must not cost the user a typed name.
    services_.message_boxes.Show(FileFailureText(Lang(), file, loaded.error), app_title_,
                                 kMbOk | kMbIconError);
    return;
  }
  if (loaded.names.extended) {
    // The mode switch first: a "|" in the name field would otherwise replace the list.
    ChangeToExt();
    SetListText(loaded.names.list_text);
    SetFocus(Control(kId_MkDirExt));
    controls_.CaretToEnd(Control(kId_MkDirExt));
    Edit(Control(kId_MkDirExt)).ScrollCaret();
  } else {
    controls_.SetText(kId_MkDir, loaded.names.name_text);
    ChangeToNormal();
  }
  if (RecenterPending_) CenterOnHost(0);
  RecenterPending_ = false;
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Ttc_KestrixForm::btn_loadFromFileClick() {
  app_.CurrentRoutine = "btn_loadFromFileClick";
  const HostSnapshot& host = app_.Snapshot;
  // Built once per run, at the first click that finds structures.
  if (!StructureList_.empty()) select_file_menu_.Extend(activation_.structure_names);
  const std::string folder = FocusedFolder();
  if (LoadButtonOpensDialogDirectly(host.FocusedTextFile,
                                    select_file_menu_.Extended() || !folder.empty())) {
    ShowOpenDialogAndLoadFile(host.CurrentPath, true);
    return;
  }
  const std::string folder_caption =
      folder.empty() ? std::string()
                     : ReplaceAll(Text(lng::folder_copy::kCopyStructure), "%s",
                                  ReplaceAll(ExtractFileName(folder), "&", "&&"));
  std::vector<SelectFileMenuItem> items = select_file_menu_.VisibleItems(
      host.FocusedTextFile, ExtractFileName(host.FocusedTextPath), activation_.us_clear_list,
      Text(lng::program::kTemplateClearList), Text(lng::buttons::kBtnBrowse), folder_caption);
  // Under the button, or under the name field when Ctrl+O asks while the button is hidden.
  RECT button;
  GetWindowRect(Control(controls_.Visible(kId_btn_loadFromFile) ? kId_btn_loadFromFile : kId_MkDir),
                &button);
  SelectFileChoice choice =
      ShowSelectFileMenu(hwnd(), {button.left, button.bottom}, items, StructureMenuImage());
  switch (choice.command) {
    case SelectFileCommand::kLoadFocusedTextFile:
      ShowOpenDialogAndLoadFile(host.FocusedTextPath, false);
      break;
    case SelectFileCommand::kBrowse:
      ShowOpenDialogAndLoadFile(host.CurrentPath, true);
      break;
    case SelectFileCommand::kApplyStructure:
      uStructClick(choice.structure_index);
      break;
    case SelectFileCommand::kToggleClearList:
      ToggleStructureClearList();
      break;
    case SelectFileCommand::kCopyFolderStructure:
      CopyFolderStructureClick(folder);
      break;
    case SelectFileCommand::kNone:
      break;
  }
}

}  // namespace kestrix
