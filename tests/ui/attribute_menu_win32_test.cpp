// The attributes menu as Win32 builds it: entries in letter order, in the language, checked
// by the set. The window tests choose from it and type into the letter field.
#include "ui/attribute_menu_win32.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

TEST(AttributeMenuWin32, FourEntriesInLetterOrderInTheLanguageCheckedBySet) {
  DirAttributeSet set;
  set.hidden = true;
  set.system = true;
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  ReleaseDC(nullptr, screen);
  const HBITMAP images[4] = {nullptr, nullptr, bitmap, nullptr};
  LanguageTable german =
      LanguageTable::FromText("[Captions - Program]\nHidden=\t[h]  Versteckt  \n");
  HMENU menu = BuildAttributeMenu(set, german, images);
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(GetMenuItemCount(menu), 4);
  const char* captions[] = {"[r]   Read-only", "[a]   Archive", "[h]  Versteckt", "[s]   System"};
  const bool checked[] = {false, false, true, true};
  for (UINT i = 0; i < 4; ++i) {
    char text[128] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_BITMAP;
    info.dwTypeData = text;
    info.cch = sizeof text;
    ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
    EXPECT_STREQ(text, captions[i]);
    EXPECT_EQ((info.fState & MFS_CHECKED) != 0, checked[i]) << i;
    EXPECT_EQ(AttributeFromMenuId(info.wID), kDirAttributeOrder[i]);
    EXPECT_EQ(info.hbmpItem, images[i]);
  }
  DestroyMenu(menu);
  DeleteObject(bitmap);
  EXPECT_FALSE(AttributeFromMenuId(kAttributeMenuFirstId + 4).has_value());
  EXPECT_FALSE(AttributeFromMenuId(0).has_value());
}

}  // namespace
}  // namespace kestrix
