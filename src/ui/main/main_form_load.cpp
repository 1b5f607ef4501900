// The Load menu: what the names become is decided by create/name_list_loading.h and
// create/user_structures.h; this file moves their results into the list.
#include "ui/main/main_form_load.h"

#include "base/path_text.h"
#include "base/text_utils.h"
#include "create/user_structures.h"
#include "platform/win32/png_image_win32.h"
#include "settings/themes.h"
#include "ui/dialogs/placeholders_dialog.h"
#include "ui/main/name_list_sources_win32.h"
#include "window/menu.h"

namespace kestrix {

namespace {

// The image beside the structure entries of the Load menu, decoded once; null without it.
HBITMAP StructureMenuImage() {
  static const PngImage image = [] {
    PngImage png;
    std::string error;
    LoadPngResource(GetModuleHandleW(nullptr), WindowImageName(kStructureMenuImage), png, error);
    return png;
  }();
  return image.Bitmap();
}

}  // namespace

void LoadFromFileMenu::DiscoverStructures() {
  structures_ = DiscoverStructureList(w_.settings.Activation().structure_names);
  if (!structures_.empty()) w_.controls.SetVisible(MainControl::kLoadButton, true);
}

bool LoadFromFileMenu::OnCommand(ControlId id, int code) {
  if (id != MainControl::kLoadButton) return false;
  if (code == BN_CLICKED) ShowLoadMenu();
  return true;
}

void LoadFromFileMenu::ShowOpenDialogAndLoadFile(const std::string& path, bool browse) {
  w_.app.current_routine = "ShowOpenDialogAndLoadFile";
  std::string file = path;
  if (browse) {
    std::optional<std::string> chosen = ChooseTextFile(form_, path, w_.language());
    if (!chosen) return;
    file = *chosen;
    if (w_.mode == MainMode::kBatch) {
      w_.layout.RecenterLater(true);
      w_.turn_off_batch();
    }
  }
  LoadedFile loaded = LoadNameListFile(w_.files, w_.code_page, file);
  if (loaded.error != kErrorSuccess) {
    // The texts stay as they are: an unreadable file must not cost the user a typed name.
    w_.message_boxes.Show(FileFailureText(w_.language(), file, loaded.error), kApplicationTitle,
                          kMbOk | kMbIconError);
    return;
  }
  if (loaded.names.extended) {
    // The mode switch first: a "|" in the name field would otherwise replace the list.
    w_.change_to_ext();
    w_.preview.SetListText(loaded.names.list_text);
    ShowListEnd();
  } else {
    w_.change_to_normal(loaded.names.name_text);
  }
  w_.layout.RecenterIfPending(w_.windows, w_.app.snapshot.host_window);
  RedrawWindow(form_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void LoadFromFileMenu::ShowLoadMenu() {
  w_.app.current_routine = "btn_loadFromFileClick";
  const HostSnapshot& host = w_.app.snapshot;
  const ActivationSettings& activation = w_.settings.Activation();
  // Built once per run, at the first click that finds structures.
  if (!structures_.empty()) select_file_menu_.Extend(activation.structure_names);
  const std::string folder = FocusedFolder();
  if (LoadButtonOpensDialogDirectly(host.focused_text_file,
                                    select_file_menu_.Extended() || !folder.empty())) {
    ShowOpenDialogAndLoadFile(host.current_path, true);
    return;
  }
  const LanguageTable& language = w_.language();
  const std::string folder_caption =
      folder.empty() ? std::string()
                     : ReplaceAll(language.Text(lng::folder_copy::kCopyStructure), "%s",
                                  ReplaceAll(ExtractFileName(folder), "&", "&&"));
  std::vector<SelectFileMenuItem> items = select_file_menu_.VisibleItems(
      host.focused_text_file, ExtractFileName(host.focused_text_path), activation.us_clear_list,
      language.Text(lng::program::kTemplateClearList), language.Text(lng::buttons::kBtnBrowse),
      folder_caption);
  // Under the button, or under the name field when Ctrl+O asks while the button is hidden.
  const POINT at =
      BelowOf(w_.controls[w_.controls.Visible(MainControl::kLoadButton) ? MainControl::kLoadButton
                                                                        : MainControl::kNameField]);
  SelectFileChoice choice = ShowSelectFileMenu(form_, at, items, StructureMenuImage());
  switch (choice.command) {
    case SelectFileCommand::kLoadFocusedTextFile:
      ShowOpenDialogAndLoadFile(host.focused_text_path, false);
      break;
    case SelectFileCommand::kBrowse:
      ShowOpenDialogAndLoadFile(host.current_path, true);
      break;
    case SelectFileCommand::kApplyStructure:
      LoadStoredStructure(choice.structure_index);
      break;
    case SelectFileCommand::kToggleClearList:
      ToggleStructureClearList();
      break;
    case SelectFileCommand::kCopyFolderStructure:
      LoadFolderStructure(folder);
      break;
    case SelectFileCommand::kNone:
      break;
  }
}

std::string LoadFromFileMenu::FocusedFolder() const {
  const HostSnapshot& host = w_.app.snapshot;
  if (host.selected_name.empty() || host.current_path.empty()) return {};
  const std::string folder =
      Concat({pathtext::WithTrailingSeparator(host.current_path), host.selected_name});
  return w_.files.DirectoryExists(folder) ? folder : std::string();
}

void LoadFromFileMenu::ToggleStructureClearList() {
  const bool clear = !w_.settings.Activation().us_clear_list;
  w_.settings.Edit(
      [&](BigIniFile& ini) { SettingsAccess(ini).WriteBool(Setting::kUSClearList, clear); });
  w_.settings.LoadActivation();
}

void LoadFromFileMenu::ShowListEnd() {
  HWND field = w_.controls[MainControl::kListField];
  SetFocus(field);
  w_.controls.CaretToEnd(field);
  Edit(field).ScrollCaret();
}

void LoadFromFileMenu::InsertIntoList(const std::string& lines) {
  const std::string list = InsertStructure(w_.controls.Text(MainControl::kListField), lines,
                                           w_.settings.Activation().us_clear_list);
  if (w_.mode == MainMode::kNormal) w_.change_to_ext();
  w_.preview.SetListText(list);
  ShowListEnd();
}

void LoadFromFileMenu::LoadStoredStructure(int number) {
  w_.app.current_routine = "uStructClick";
  LoadedStructure structure;
  w_.settings.Read([&](BigIniFile& ini) { structure = ReadStructure(ini, number); });
  InsertIntoList(structure.text);
  if (structure.placeholders.empty()) return;
  PlaceholdersDialog dialog(w_.language(), structure.placeholders, structure.text);
  if (w_.run_own_dialog(dialog) != IDOK || !dialog.Substituted()) return;
  if (w_.mode == MainMode::kNormal) w_.change_to_ext();
  w_.preview.SetListText(ReplaceInsertedStructure(w_.controls.Text(MainControl::kListField),
                                                  structure.text, *dialog.Substituted()));
  ShowListEnd();
}

void LoadFromFileMenu::LoadFolderStructure(const std::string& folder) {
  w_.app.current_routine = "CopyFolderStructureClick";
  const FolderStructure structure = CopyFolderStructure(w_.files, folder);
  if (structure.too_large) {
    w_.message_boxes.Show(w_.language().Text(lng::folder_copy::kStructureTooLarge),
                          kApplicationTitle, kMbOk | kMbIconError);
    return;
  }
  InsertIntoList(JoinLines(structure.lines));
}

}  // namespace kestrix
