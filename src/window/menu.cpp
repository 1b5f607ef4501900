#include "window/menu.h"

#include "platform/win32/wide_text.h"

namespace kestrix {

std::vector<MenuItem> MenuItems(std::span<const MenuRow> rows, const LanguageTable& language) {
  std::vector<MenuItem> items;
  items.reserve(rows.size());
  for (const MenuRow& row : rows) {
    MenuItem item;
    if ((row.flags & MF_SEPARATOR) == 0) item.text = language.Text(row.text);
    item.command = row.command;
    item.flags = row.flags;
    item.submenu = MenuItems(row.submenu, language);
    items.push_back(std::move(item));
  }
  return items;
}

HMENU BuildMenu(const std::vector<MenuItem>& items) {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return nullptr;
  UINT position = 0;
  for (const MenuItem& item : items) {
    std::wstring text = Wide(item.text);
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    info.fType = (item.flags & MF_SEPARATOR) != 0 ? MFT_SEPARATOR : MFT_STRING;
    if (info.fType == MFT_STRING) {
      info.fMask |= MIIM_ID | MIIM_STRING | MIIM_STATE;
      info.wID = item.command.command();
      info.fState = ((item.flags & MF_CHECKED) != 0 ? MFS_CHECKED : MFS_UNCHECKED) |
                    ((item.flags & MF_GRAYED) != 0 ? MFS_GRAYED : MFS_ENABLED);
      info.dwTypeData = text.data();
      if (item.image != nullptr) {
        info.fMask |= MIIM_BITMAP;
        info.hbmpItem = item.image;
      }
      if (!item.submenu.empty()) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = BuildMenu(item.submenu);
      }
    }
    InsertMenuItemW(menu, position++, TRUE, &info);
  }
  return menu;
}

ControlId ShowMenu(HWND owner, HMENU menu, POINT screen_point) {
  if (menu == nullptr) return 0;
  // The owner must be foreground, or the menu does not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  return static_cast<int>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD,
                                         screen_point.x, screen_point.y, 0, owner, nullptr));
}

ControlId ShowMenu(HWND owner, const std::vector<MenuItem>& items, POINT screen_point) {
  HMENU menu = BuildMenu(items);
  const ControlId command = ShowMenu(owner, menu, screen_point);
  if (menu != nullptr) DestroyMenu(menu);
  return command;
}

}  // namespace kestrix
