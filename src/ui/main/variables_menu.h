#pragma once
// The variables popup `PopupMenu_Add`: the fixed variables of the table in their submenus,
// the user applications and the environment. It is made anew each time it opens, so it
// always shows the current language, applications and environment; a command gives back
// the token its item inserts.
#include <optional>
#include <string>
#include <vector>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/win32/windows_api.h"
#include "settings/language_table.h"
#include "settings/settings_model.h"
#include "window/control_id.h"

namespace kestrix {

struct VariablesMenuSources {
  const LanguageTable& language;
  Environment& environment;
  FileSystem& files;
  std::string program_dir;
  const std::vector<std::string>& user_app_ids;  // in discovery order
  DisablePlugins disable_plugins;                // 1 and 2 hide "New application..."
};

class VariablesContextMenu {
 public:
  VariablesContextMenu() = default;
  VariablesContextMenu(const VariablesContextMenu&) = delete;
  VariablesContextMenu& operator=(const VariablesContextMenu&) = delete;
  ~VariablesContextMenu();

  void Build(const VariablesMenuSources& sources);
  // The popup as it was built last; null before.
  HMENU Menu() const { return menu_; }
  // The token behind a command of the popup; nothing for other commands.
  std::optional<std::string> TokenFor(ControlId command) const;

 private:
  HMENU menu_ = nullptr;
  std::vector<std::string> tokens_;  // by command - MainMenu::kVariableFirst
};

}  // namespace kestrix
