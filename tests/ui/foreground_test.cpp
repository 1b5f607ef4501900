// Taking the foreground and reading the foreground thread's focus with real windows.
#include <gtest/gtest.h>

#include "host/foreground_win32.h"

namespace kestrix {
namespace {

HWND MakeTopLevel(const char* title) {
  return CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 120,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

TEST(ForceForeground, TakesTheForegroundFromAnotherWindow) {
  HWND first = MakeTopLevel("first");
  HWND second = MakeTopLevel("second");
  ASSERT_TRUE(first && second);
  SetForegroundWindow(first);
  Pump();
  ASSERT_EQ(GetForegroundWindow(), first);
  EXPECT_TRUE(ForceForeground(second));
  EXPECT_EQ(GetForegroundWindow(), second);
  // Already in front: nothing to do, still true.
  EXPECT_TRUE(ForceForeground(second));
  DestroyWindow(first);
  DestroyWindow(second);
}

TEST(ForceForeground, RestoresAnIconicWindow) {
  HWND window = MakeTopLevel("iconic");
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_MINIMIZE);
  Pump();
  ASSERT_TRUE(IsIconic(window));
  EXPECT_TRUE(ForceForeground(window));
  EXPECT_FALSE(IsIconic(window));
  DestroyWindow(window);
}

TEST(GetForeignFocus, TheFocusedChildOfTheForegroundWindow) {
  HWND parent = MakeTopLevel("parent");
  ASSERT_NE(parent, nullptr);
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, parent, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(edit, nullptr);
  ASSERT_TRUE(ForceForeground(parent));
  SetFocus(edit);
  Pump();
  EXPECT_EQ(GetForeignFocus(), edit);
  DestroyWindow(parent);
}

}  // namespace
}  // namespace kestrix
