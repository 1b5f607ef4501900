// The attributes menu and letter field on real Win32 controls: menu entries and check
// marks, a choice made with the keyboard, and the letter field's filter and rewriting.
#include "ui/attribute_menu_win32.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrix {
namespace {

constexpr char kApp[] = "Total Commander Kestrix";
constexpr int kFieldId = 1201;

struct MenuEntry {
  UINT id = 0;
  std::string caption;
  bool checked = false;
  HBITMAP bitmap = nullptr;
};

MenuEntry ReadEntry(HMENU menu, UINT position) {
  char text[128] = {};
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_BITMAP;
  info.dwTypeData = text;
  info.cch = sizeof text;
  EXPECT_TRUE(GetMenuItemInfoA(menu, position, TRUE, &info));
  return {info.wID, text, (info.fState & MFS_CHECKED) != 0, info.hbmpItem};
}

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
    MenuEntry entry = ReadEntry(menu, i);
    EXPECT_EQ(entry.caption, captions[i]);
    EXPECT_EQ(entry.checked, checked[i]) << i;
    EXPECT_EQ(AttributeFromMenuId(entry.id), kDirAttributeOrder[i]);
    EXPECT_EQ(entry.bitmap, images[i]);
  }
  DestroyMenu(menu);
  DeleteObject(bitmap);
  EXPECT_FALSE(AttributeFromMenuId(kAttributeMenuFirstId + 4).has_value());
  EXPECT_FALSE(AttributeFromMenuId(0).has_value());
}

// A top-level window that forwards the field's EN_CHANGE as the main window will.
class FieldHost {
 public:
  FieldHost() : field(editor, nullptr) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KestrixAttributeFieldHost";
    RegisterClassA(&wc);
    hwnd = CreateWindowExA(0, wc.lpszClassName, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                           300, 120, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    RECT bounds = {10, 10, 60, 30};
    created = field.Create(hwnd, kFieldId, bounds, [this] { ++closed; });
    SetForegroundWindow(hwnd);
  }
  ~FieldHost() { DestroyWindow(hwnd); }

  std::string Text() const {
    char text[16] = {};
    GetWindowTextA(field.hwnd(), text, sizeof text);
    return text;
  }
  void Type(const char* chars) {
    for (const char* c = chars; *c != '\0'; ++c)
      SendMessageA(field.hwnd(), WM_CHAR, static_cast<unsigned char>(*c), 0);
  }

  AttributeEditor editor;
  AttributeLetterField field;
  HWND hwnd = nullptr;
  bool created = false;
  int closed = 0;
  std::string title;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<FieldHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self != nullptr && message == WM_COMMAND && LOWORD(wparam) == kFieldId &&
        HIWORD(wparam) == EN_CHANGE)
      self->title = self->field.Changed(kApp, InputMode::kNormal).title;
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }
};

TEST(AttributeLetterFieldWin32, HiddenAndDisabledUntilOpened) {
  FieldHost host;
  ASSERT_TRUE(host.created);
  EXPECT_FALSE(IsWindowVisible(host.field.hwnd()));
  EXPECT_FALSE(IsWindowEnabled(host.field.hwnd()));
  EXPECT_EQ(GetDlgCtrlID(host.field.hwnd()), kFieldId);
  EXPECT_NE(GetWindowLongA(host.field.hwnd(), GWL_STYLE) & ES_LOWERCASE, 0);
  host.field.Open();
  EXPECT_TRUE(IsWindowVisible(host.field.hwnd()));
  EXPECT_TRUE(IsWindowEnabled(host.field.hwnd()));
  EXPECT_EQ(GetFocus(), host.field.hwnd());
  EXPECT_EQ(host.Text(), "");
  EXPECT_EQ(host.editor.ImageIndex(), kAttributeImageEditing);
}

TEST(AttributeLetterFieldWin32, TypingFiltersAndRewritesInFixedOrder) {
  FieldHost host;
  ASSERT_TRUE(host.created);
  host.field.Open();
  struct Step {
    const char* typed;
    const char* text;
    const char* title_tag;
  } steps[] = {
      {"s", "s", "[---s]"},   {"s", "s", "[---s]"},   // a repeat is discarded
      {"S", "s", "[---s]"},   {"x1", "s", "[---s]"},  // upper case and others too
      {"h", "hs", "[--hs]"},  {"r", "rhs", "[r-hs]"},
      {"\b", "rh", "[r-h-]"}, {"\b\b", "", ""},          // Backspace down to nothing
      {"ha", "ah", "[-ah-]"}, {"\x01r", "r", "[r---]"},  // Ctrl+A, then a letter replaces
  };
  for (const Step& s : steps) {
    host.Type(s.typed);
    EXPECT_EQ(host.Text(), s.text) << "after " << s.typed;
    EXPECT_EQ(host.title, std::string(kApp) + " " + s.title_tag) << "after " << s.typed;
    EXPECT_EQ(AttributeLetters(host.editor.Set()), s.text);
  }
}

TEST(AttributeLetterFieldWin32, MenuChangesShowInTheOpenField) {
  FieldHost host;
  host.field.Open();
  host.Type("a");
  host.field.ShowUpdate(
      host.editor.ToggleFromMenu(DirAttribute::kReadOnly, kApp, InputMode::kNormal));
  EXPECT_EQ(host.Text(), "ra");
  DWORD start = 0, end = 0;
  SendMessageA(host.field.hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u);
  EXPECT_EQ(end, 2u);
}

TEST(AttributeLetterFieldWin32, EscapeAndLosingTheFocusCloseItKeepingTheSet) {
  FieldHost host;
  host.field.Open();
  host.Type("h");
  host.Type("\x1b");
  EXPECT_EQ(host.closed, 1);
  EXPECT_FALSE(IsWindowVisible(host.field.hwnd()));
  EXPECT_FALSE(IsWindowEnabled(host.field.hwnd()));
  EXPECT_EQ(host.editor.ImageIndex(), kAttributeImageNormal);
  EXPECT_TRUE(host.editor.Set().hidden);

  host.field.Open();
  EXPECT_EQ(host.Text(), "h");
  SetFocus(host.hwnd);
  EXPECT_EQ(host.closed, 2);
  EXPECT_FALSE(host.editor.FieldOpen());
  EXPECT_TRUE(host.editor.Set().hidden);
}

TEST(AttributeMenuWin32, KeyboardChoiceReturnsTheAttributeAndEscapeNothing) {
  FieldHost host;
  POINT corner = {50, 50};
  EnglishLanguageTable english;
  // The menu's own loop reads these keys from the queue once it is open.
  for (int i = 0; i < 3; ++i) PostMessageA(host.hwnd, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(host.hwnd, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(ShowAttributeMenu(host.hwnd, corner, {}, english), DirAttribute::kHidden);
  PostMessageA(host.hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(ShowAttributeMenu(host.hwnd, corner, {}, english).has_value());
}

}  // namespace
}  // namespace kestrix
