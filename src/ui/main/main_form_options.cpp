// The options menu and the dialogs it opens over the main window. How OK of the
// configuration reaches the running window is the window's (ApplyConfiguration).
#include "ui/main/main_form_options.h"

#include "app/launch_decision.h"
#include "app/user_guide_win32.h"
#include "base/text_utils.h"
#include "names/user_apps.h"
#include "ui/config/configuration_dialog.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/manage_templates.h"
#include "ui/main/run_undo_command.h"
#include "window/menu.h"

namespace kestrix {

namespace {

// The options menu; the shortcuts are shown when ShowMenuShortcuts asks for them.
constexpr MenuRow kOptionsMenu[] = {{lng::popup::kTemplates, MainMenu::kManageTemplates},
                                    {lng::popup::kConfig, MainMenu::kConfiguration},
                                    {lng::popup::kHelp, MainMenu::kUserGuide},
                                    {lng::popup::kAbout, MainMenu::kAbout}};
constexpr const char* kOptionsShortcuts[] = {"\tCtrl+M", "\tCtrl+P", "\tF1", ""};

std::string UserGuidePath(const std::string& exe_path) {
  return Concat({ProgramDirOf(exe_path), "\\help_eng.html"});
}

}  // namespace

bool OptionsMenu::OnCommand(ControlId id, int code) {
  if (id != MainControl::kOptionsButton && id != MainControl::kOptionsFlatButton) return false;
  if (code == BN_CLICKED) ShowOptionsMenu();
  return true;
}

// The user guide beside the program, when it is there.
void OptionsMenu::OpenUserGuide() {
  const std::string guide = UserGuidePath(w_.exe_path);
  if (w_.files.FileExists(guide)) ShellOpen(form_, guide);
}

void OptionsMenu::ShowOptionsMenu() {
  std::vector<MenuItem> items = MenuItems(kOptionsMenu, w_.language.table);
  if (w_.settings.Activation().show_menu_shortcuts)
    for (size_t i = 0; i < items.size(); ++i) items[i].text += kOptionsShortcuts[i];
  if (!w_.files.FileExists(UserGuidePath(w_.exe_path))) items[2].flags |= MF_GRAYED;
  items.insert(items.begin(), {w_.undo.MenuEntry(), Separator()});
  const ControlId command =
      ShowMenu(form_, items, BelowOf(w_.controls[MainControl::kOptionsButton]));
  if (command == MainMenu::kUserGuide) OpenUserGuide();
  if (command == MainMenu::kManageTemplates) OpenTemplateManager();
  if (command == MainMenu::kConfiguration) ShowConfiguration();
  if (command == MainMenu::kAbout) ShowAbout();
  if (command == MainMenu::kUndoRun) w_.undo.UndoLastCreation();
}

void OptionsMenu::OpenTemplateManager() {
  w_.routine = "ManageTemplatesClick";
  std::vector<std::pair<std::string, std::string>> lines;
  SIZE size = {kManageTemplatesWidth, kManageTemplatesHeight};
  w_.settings.Read([&](BigIniFile& ini) {
    lines = ReadTemplateLines(ini);
    SettingsAccess s(ini);
    size = {s.Integer(Setting::kManageTemplatesWidth), s.Integer(Setting::kManageTemplatesHeight)};
  });
  TemplateManagerDialog manager(
      {w_.language.table, w_.message_boxes,
       [this](const std::string& text) { return w_.preview.ApplyAutoEnable(Trim(text), text); },
       [this](HWND owner, POINT at) { return w_.choose_variable(owner, at, true); }},
      std::move(lines), size);
  const bool confirmed = w_.run_own_dialog(manager) == IDOK;
  w_.settings.Edit([&](BigIniFile& ini) {
    if (confirmed) manager.Rows().Write(ini);
    SettingsAccess s(ini);
    s.WriteInteger(Setting::kManageTemplatesWidth, manager.ClientSize().cx);
    s.WriteInteger(Setting::kManageTemplatesHeight, manager.ClientSize().cy);
  });
  if (confirmed) w_.templates.Refill();
}

// Read afresh from its resource or file, as the dialogs do on every activation.
LanguageTable OptionsMenu::CurrentLanguageTable() {
  return LoadLanguageByName(
      {w_.files, w_.resources, ProgramDirOf(w_.exe_path), &w_.code_page},
      w_.language.current_id.empty() ? std::string("ENG") : w_.language.current_id);
}

void OptionsMenu::ShowConfiguration() {
  w_.routine = "ShowConfiguration";
  ConfigurationDialog dialog(
      {w_.files, w_.resources, w_.code_page, w_.settings.FilePath(), ProgramDirOf(w_.exe_path),
       [this] { return CurrentLanguageTable(); },
       [this](HWND owner, POINT at) { return w_.choose_variable(owner, at, false); },
       [this](const std::string& text, uint32_t flags) {
         w_.message_boxes.Show(text, kApplicationTitle, flags);
       }});
  if (w_.run_own_dialog(dialog) == IDOK) w_.apply_configuration(dialog.Values());
  if (!w_.settings.Activation().flat_buttons && w_.controls.Visible(MainControl::kOkButton) &&
      w_.controls.Enabled(MainControl::kOkButton))
    SetFocus(w_.controls[MainControl::kOkButton]);
}

void OptionsMenu::ShowAbout() {
  w_.routine = "ShowAbout";
  AboutDialog dialog(
      {w_.files, w_.resources, w_.settings.FilePath(), [this] { return CurrentLanguageTable(); }});
  w_.run_own_dialog(dialog);
}

}  // namespace kestrix
