#pragma once
// Pop-up menus from tables. A fixed menu is a table of rows {text key, command, flags or
// submenu}; the rows' texts are looked up in the language, and entries made at run time
// (environment variables, user applications, file names) join them as items. One builder
// makes every pop-up menu of the program.
#include <span>
#include <string>
#include <vector>

#include "platform/win32/windows_api.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"
#include "window/control_id.h"

namespace kestrix {

struct MenuRow {
  LanguageKey text;
  ControlId command = 0;
  UINT flags = 0;  // MF_SEPARATOR, MF_CHECKED, MF_GRAYED
  std::span<const MenuRow> submenu = {};
};

// An entry as it is shown.
struct MenuItem {
  std::string text;  // UTF-8, passed as it is: "&" marks the access key
  ControlId command = 0;
  UINT flags = 0;  // MF_SEPARATOR, MF_CHECKED, MF_GRAYED
  HBITMAP image = nullptr;
  std::vector<MenuItem> submenu;
};

// Where a pop-up opens for a button: at its lower left corner, in screen coordinates.
inline POINT BelowOf(HWND control) {
  RECT rect = {};
  GetWindowRect(control, &rect);
  return {rect.left, rect.bottom};
}

inline MenuItem Separator() {
  return {"", 0, MF_SEPARATOR, nullptr, {}};
}

std::vector<MenuItem> MenuItems(std::span<const MenuRow> rows, const LanguageTable& language);

// A new pop-up menu with the items (submenus included); the caller destroys it.
HMENU BuildMenu(const std::vector<MenuItem>& items);

// Shows `menu` with its upper left corner at `screen_point` and waits for the choice: the
// command chosen, 0 when the menu was dismissed.
ControlId ShowMenu(HWND owner, HMENU menu, POINT screen_point);
// The same for a menu built for this one showing.
ControlId ShowMenu(HWND owner, const std::vector<MenuItem>& items, POINT screen_point);

}  // namespace kestrix
