#include "ui/main/variables_menu.h"

#include "base/text_utils.h"
#include "names/user_apps.h"
#include "names/variable_menu.h"
#include "ui/main/control_ids.h"
#include "window/menu.h"

namespace kestrix {

namespace {

// A "&" in these captions is shown, not an access key.
std::string Shown(const std::string& caption) {
  return ReplaceAll(caption, "&", "&&");
}

}  // namespace

VariablesContextMenu::~VariablesContextMenu() {
  if (menu_ != nullptr) DestroyMenu(menu_);
}

void VariablesContextMenu::Build(const VariablesMenuSources& sources) {
  tokens_.clear();
  auto item = [this](const std::string& caption, std::string token) {
    const ControlId command = MainMenu::kVariableFirst + static_cast<int>(tokens_.size());
    tokens_.push_back(std::move(token));
    return MenuItem{Shown(caption), command, 0, nullptr, {}};
  };
  std::vector<MenuItem> submenus;
  for (const VariableSubmenu& sub : kVariableSubmenus)
    submenus.push_back({sources.language.Text(sub.caption), 0, 0, nullptr, {}});
  for (const VariableMenuItem& entry : kVariableMenuItems) {
    size_t sub = 0;
    while (sub + 1 < std::size(kVariableSubmenus) && kVariableSubmenus[sub].name != entry.submenu)
      ++sub;
    const std::string text = sources.language.Text(entry.caption);
    submenus[sub].submenu.push_back(
        item(Concat({entry.caption_prefix, text}), std::string(entry.token)));
  }
  // The applications: the player items, then the user's own before "New application...";
  // with the applications switched off the separator before them would lead nowhere.
  std::vector<MenuItem>& apps = submenus[2].submenu;
  if (sources.disable_plugins != DisablePlugins::kApplications) apps.push_back(Separator());
  for (const std::string& id : sources.user_app_ids) {
    const UserApplication app = ReadUserApp(sources.files, sources.program_dir, id);
    const std::string caption = UserAppMenuCaption(id, app.menu_name);
    apps.push_back(item(caption, TokenFromUserAppCaption(caption)));
  }
  if (sources.disable_plugins == DisablePlugins::kNone)
    apps.push_back({sources.language.Text(lng::new_app::kNewApp) + "...",
                    MainMenu::kNewApplication,
                    0,
                    nullptr,
                    {}});
  for (const EnvironmentMenuEntry& entry : EnvironmentMenuEntries(sources.environment))
    submenus[3].submenu.push_back(item(entry.caption, TokenFromEnvironmentCaption(entry.caption)));
  if (menu_ != nullptr) DestroyMenu(menu_);
  menu_ = BuildMenu(submenus);
}

std::optional<std::string> VariablesContextMenu::TokenFor(ControlId command) const {
  if (command < MainMenu::kVariableFirst) return std::nullopt;
  const size_t index = command - MainMenu::kVariableFirst;
  if (index >= tokens_.size()) return std::nullopt;
  return tokens_[index];
}

}  // namespace kestrix
