// The name engine's dialogs as the main window opens them: the template manager, the
// new-application dialog, the user structures of the Load menu with the placeholder
// dialog, and the structure copied from the host's focused folder.
#include "base/path_text.h"
#include "base/text_utils.h"
#include "create/user_structures.h"
#include "names/user_apps.h"
#include "ui/main_form.h"
#include "ui/manage_templates.h"
#include "ui/menu.h"
#include "ui/new_application.h"
#include "ui/placeholders_dialog.h"

namespace kestrix {

int Ttc_KestrixForm::RunOwnDialog(Dialog& dialog, HWND owner) {
  dialog.SetErrorLogger(&services_.logger);
  // Coming back from the dialog re-reads the settings but keeps the mode and the texts the
  // dialog's work left.
  OwnDialogReturn_ = true;
  const int result = dialog.ShowModal(instance_, owner);
  OwnDialogReturn_ = false;
  if (!IsWindowVisible(hwnd())) ShowWindow(hwnd(), SW_SHOW);
  if (IsWindowEnabled(hwnd()) && owner == hwnd()) controls_.Focus(VisibleInput());
  return result;
}

std::optional<std::string> Ttc_KestrixForm::ChooseVariable(HWND owner, POINT at) {
  PrepareVariablesMenu();
  const UINT command = ShowMenu(owner, variables_menu_.Menu(), at);
  if (command == kMenu_NewApp1) {
    NewApp1Click(owner);
    return std::nullopt;
  }
  return variables_menu_.TokenFor(command);
}

void Ttc_KestrixForm::ManageTemplatesClick() {
  app_.CurrentRoutine = "ManageTemplatesClick";
  std::vector<std::pair<std::string, std::string>> lines;
  SIZE size = {kManageTemplatesWidth, kManageTemplatesHeight};
  settings_.Read([&](TBigIniFile& ini) {
    lines = ReadTemplateLines(ini);
    SettingsAccess s(ini);
    size = {s.Integer(Setting::ManageTemplatesWidth), s.Integer(Setting::ManageTemplatesHeight)};
  });
  TManageTemplates manager(
      {Lang(), services_.message_boxes,
       [this](const std::string& text) { return ApplyAutoEnable(Trim(text), text); },
       [this](HWND owner, POINT at) { return ChooseVariable(owner, at); }},
      std::move(lines), size);
  const bool confirmed = RunOwnDialog(manager, hwnd()) == IDOK;
  settings_.Edit([&](TBigIniFile& ini) {
    if (confirmed) manager.Rows().Write(ini);
    SettingsAccess s(ini);
    s.WriteInteger(Setting::ManageTemplatesWidth, manager.ClientSize().cx);
    s.WriteInteger(Setting::ManageTemplatesHeight, manager.ClientSize().cy);
  });
  if (!confirmed) return;
  const Combo combo(Control(kId_cmbox_Templates));
  combo.SetSelected(0);
  FillTemplates();
  combo.SetSelected(0);
}

void Ttc_KestrixForm::NewApp1Click(HWND owner) {
  app_.CurrentRoutine = "NewApp1Click";
  if (startup_.disable_plugins != DisablePlugins::kNone) return;
  TNewApplication dialog({Lang(), services_.message_boxes, services_.variables});
  if (RunOwnDialog(dialog, owner) != IDOK) return;
  // The new token is known at once: in the popup and in the expansion.
  UserAppIds_ =
      DiscoverUserApps(services_.files, ProgramDirOf(services_.exe_path), startup_.disable_plugins);
  RerunPreview();
}

void Ttc_KestrixForm::DiscoverStructures() {
  StructureList_ = DiscoverStructureList(activation_.structure_names);
  if (!StructureList_.empty()) controls_.SetVisible(kId_btn_loadFromFile, true);
}

std::string Ttc_KestrixForm::FocusedFolder() const {
  const HostSnapshot& host = app_.Snapshot;
  if (host.SelectedName.empty() || host.CurrentPath.empty()) return {};
  const std::string folder =
      Concat({pathtext::WithTrailingSeparator(host.CurrentPath), host.SelectedName});
  return services_.files.DirectoryExists(folder) ? folder : std::string();
}

void Ttc_KestrixForm::ToggleStructureClearList() {
  const bool clear = !activation_.us_clear_list;
  settings_.Edit(
      [&](TBigIniFile& ini) { SettingsAccess(ini).WriteBool(Setting::USClearList, clear); });
  settings_.LoadActivation();
}

void Ttc_KestrixForm::InsertIntoList(const std::string& lines) {
  const std::string list =
      InsertStructure(controls_.Text(kId_MkDirExt), lines, activation_.us_clear_list);
  if (mode_ == MainMode::kNormal) ChangeToExt();
  SetListText(list);
  HWND field = Control(kId_MkDirExt);
  SetFocus(field);
  controls_.CaretToEnd(field);
  Edit(field).ScrollCaret();
}

void Ttc_KestrixForm::uStructClick(int number) {
  app_.CurrentRoutine = "uStructClick";
  LoadedStructure structure;
  settings_.Read([&](TBigIniFile& ini) { structure = ReadStructure(ini, number); });
  InsertIntoList(structure.text);
  if (structure.placeholders.empty()) return;
  TPlaceholders dialog(Lang(), structure.placeholders, structure.text);
  if (RunOwnDialog(dialog, hwnd()) != IDOK || !dialog.Substituted()) return;
  if (mode_ == MainMode::kNormal) ChangeToExt();
  SetListText(ReplaceInsertedStructure(controls_.Text(kId_MkDirExt), structure.text,
                                       *dialog.Substituted()));
  HWND field = Control(kId_MkDirExt);
  SetFocus(field);
  controls_.CaretToEnd(field);
  Edit(field).ScrollCaret();
}

void Ttc_KestrixForm::CopyFolderStructureClick(const std::string& folder) {
  app_.CurrentRoutine = "CopyFolderStructureClick";
  const FolderStructure structure = CopyFolderStructure(services_.files, folder);
  if (structure.too_large) {
    services_.message_boxes.Show(Text(lng::folder_copy::kStructureTooLarge), app_title_,
                                 kMbOk | kMbIconError);
    return;
  }
  InsertIntoList(JoinLines(structure.lines));
}

}  // namespace kestrix
