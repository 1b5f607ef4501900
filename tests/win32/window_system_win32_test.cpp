// The window seam's bounded reads and timed sends against real windows; finding the host
// and sending it copy data are the journeys' part.
#include "platform/win32/window_system_win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kestrix {
namespace {

// A hidden top-level wide window standing in for another program's.
class StandInWindow {
 public:
  StandInWindow(const std::string& class_name, const std::string& title,
                WNDPROC procedure = DefWindowProcW) {
    const std::wstring name = Wide(class_name);
    const WNDCLASSW window_class = {0,       procedure, 0,       0,       GetModuleHandleW(nullptr),
                                    nullptr, nullptr,   nullptr, nullptr, name.c_str()};
    RegisterClassW(&window_class);  // already registered by an earlier test: fine
    hwnd_ = CreateWindowExW(0, name.c_str(), Wide(title).c_str(), WS_OVERLAPPED, 0, 0, 200, 100,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~StandInWindow() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }
  WindowHandle handle() const { return reinterpret_cast<WindowHandle>(hwnd_); }

 private:
  HWND hwnd_ = nullptr;
};

// Texts come whole in any script, and stop at the limit in UTF-16 units without half a pair.
TEST(Win32WindowSystem, TextsAndListItemsComeWholeAndStopAtTheBufferLimit) {
  Win32WindowSystem windows;
  const std::string head = "Проекты" + std::string(246, 'T'), title = head + "😀Żółw";
  StandInWindow window("KxTextTestŻ", title);
  EXPECT_EQ(windows.SendGetText(window.handle(), 254), head);  // 253 units, then half a pair
  EXPECT_EQ(windows.SendGetText(window.handle(), 255), head + "😀");
  EXPECT_EQ(windows.SendGetText(window.handle(), 1000), title);
  EXPECT_EQ(windows.SendGetText(window.handle(), 0), "");
  EXPECT_EQ(windows.SendGetTextWithin(window.handle(), 1000, 150), title);
  EXPECT_EQ(windows.GetWindowText(window.handle()), title);
  EXPECT_EQ(windows.ClassName(window.handle()), "KxTextTestŻ");
  EXPECT_EQ(windows.FindWindow(0, 0, "KxTextTestŻ", title), window.handle());
  // List box items come whole.
  StandInWindow parent("KxListParent", "");
  HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD, 0, 0, 100, 100, parent.hwnd(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(list, nullptr);
  const std::string long_item(400, 'L');
  for (const std::string& item : {std::string("Żółw.txt 😀"), long_item, std::string()})
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
  SendMessageW(list, LB_SETCURSEL, 1, 0);
  WindowHandle handle = reinterpret_cast<WindowHandle>(list);
  EXPECT_EQ(windows.ListBoxCount(handle), 3);
  EXPECT_EQ(windows.ListBoxCurrent(handle), 1);
  const std::optional<std::string> items[] = {std::nullopt, "Żółw.txt 😀", long_item, "", {}};
  for (int i = -1; i <= 3; ++i) EXPECT_EQ(windows.ListBoxItem(handle, i), items[i + 1]) << i;
}

// A window whose thread waits without reading its messages, as a hung player's does. Sends
// that gave up are never answered: once released, the window ignores them, since the
// sender's buffer is gone.
std::atomic<bool> hung_released{false};
LRESULT CALLBACK HungProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (hung_released && (message == WM_GETTEXT || message == WM_COPYDATA)) return 0;
  return DefWindowProcW(window, message, wparam, lparam);
}

TEST(Win32WindowSystem, TimedSendsToAHungWindowReturnEmpty) {
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HWND hung = nullptr;
  std::thread owner([&] {
    StandInWindow window("KxHungTest", "Playing", HungProc);
    hung = window.hwnd();
    SetEvent(ready);
    WaitForSingleObject(release, INFINITE);
  });
  WaitForSingleObject(ready, INFINITE);
  Win32WindowSystem windows;
  const WindowHandle handle = reinterpret_cast<WindowHandle>(hung);
  EXPECT_EQ(windows.SendGetTextWithin(handle, 254, 150), "");
  const char block[4] = {};
  EXPECT_EQ(windows.SendCopyDataBlock(handle, 0, 1, block, 4, 150), 0);
  hung_released = true;
  SetEvent(release);
  owner.join();
  CloseHandle(ready);
  CloseHandle(release);
}

// The receive buffer lives below 2 GB, so a 32-bit program can be told where it is.
TEST(Win32WindowSystem, ReceiveBufferIsLowAndWritable) {
  Win32WindowSystem windows;
  AddressedBuffer buffer = windows.ReceiveBuffer(260);
  ASSERT_EQ(buffer.bytes.size(), 260u);
  EXPECT_EQ(buffer.address, reinterpret_cast<uintptr_t>(buffer.bytes.data()));
  EXPECT_LT(buffer.address, uintptr_t{0x80000000u});
  buffer.bytes[259] = 'x';
  EXPECT_EQ(windows.ReceiveBuffer(260).bytes[259], 'x');  // the same memory every time
}

}  // namespace
}  // namespace kestrix
