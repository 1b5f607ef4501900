// The configuration dialog and the About dialog over the main window, and how OK of the
// configuration reaches the running window without a restart.
#include <algorithm>

#include "base/text_utils.h"
#include "ui/about_dialog.h"
#include "ui/appearance_win32.h"
#include "ui/configuration_dialog.h"
#include "ui/main_form.h"
#include "ui/menu.h"

namespace kestrix {

// Read afresh from its resource or file, as the dialogs do on every activation.
LanguageTable Ttc_KestrixForm::CurrentLanguageTable() {
  return LoadLanguageByName(
      {services_.files, services_.resources, ProgramDirOf(services_.exe_path)},
      language_.current_id.empty() ? std::string("ENG") : language_.current_id);
}

void Ttc_KestrixForm::ShowConfiguration() {
  app_.CurrentRoutine = "ShowConfiguration";
  TConfiguration dialog(
      {services_.files, services_.resources, settings_.FilePath(), ProgramDirOf(services_.exe_path),
       [this] { return CurrentLanguageTable(); },
       [this](HWND owner, POINT at) -> std::optional<std::string> {
         PrepareVariablesMenu();
         return variables_menu_.TokenFor(ShowMenu(owner, variables_menu_.Menu(), at));
       },
       [this](const std::string& text, uint32_t flags) {
         services_.message_boxes.Show(text, app_title_, flags);
       }});
  if (RunOwnDialog(dialog, hwnd()) == IDOK) Guarded([&] { ApplyConfiguration(dialog.Values()); });
  if (!activation_.flat_buttons && controls_.Visible(kId_btn_ok) && controls_.Enabled(kId_btn_ok))
    SetFocus(Control(kId_btn_ok));
}

void Ttc_KestrixForm::ApplyConfiguration(const ConfigurationValues& values) {
  app_.CurrentRoutine = "ApplyConfiguration";
  // The start-up keys the dialog wrote: prefix and suffix, the data method, the position,
  // the history file and file creation.
  LoadStartupSettings();
  if (values.language) {
    // The user's choice in the dialog outranks a "/LNG=" of this run.
    std::erase_if(services_.args, [](const std::string& arg) { return IsLanguageArgument(arg); });
    pending_language_ = {true, *values.language};
    LoadLanguage();
  }
  PlaceWindow();
  if (const std::optional<int> alpha = TransparencyOnOk(values.alpha_blend_value))
    ApplyTransparency(hwnd(), TransparencyFor(*alpha));
  // The activation keys (invalid characters, theme, flat buttons) and the preview.
  FormActivate();
}

void Ttc_KestrixForm::ShowAbout() {
  app_.CurrentRoutine = "ShowAbout";
  TAboutForm dialog({services_.files, services_.resources, settings_.FilePath(),
                     [this] { return CurrentLanguageTable(); }});
  RunOwnDialog(dialog, hwnd());
}

}  // namespace kestrix
