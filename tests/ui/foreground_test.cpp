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

// An iconic window behind another is restored and brought forward; the focused child of
// the foreground window is then read as the host's focus.
TEST(ForceForeground, RestoresAndTakesTheForegroundAndItsFocusIsRead) {
  HWND first = MakeTopLevel("first");
  HWND second = MakeTopLevel("second");
  ASSERT_TRUE(first && second);
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, second, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ShowWindow(second, SW_MINIMIZE);
  SetForegroundWindow(first);
  Pump();
  ASSERT_EQ(GetForegroundWindow(), first);
  EXPECT_TRUE(ForceForeground(second));
  EXPECT_EQ(GetForegroundWindow(), second);
  EXPECT_FALSE(IsIconic(second));
  EXPECT_TRUE(ForceForeground(second));  // already in front: nothing to do, still true
  SetFocus(edit);
  Pump();
  EXPECT_EQ(GetForeignFocus(), edit);
  DestroyWindow(first);
  DestroyWindow(second);
}

}  // namespace
}  // namespace kestrix
