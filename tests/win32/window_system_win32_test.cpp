#include <windows.h>
// The interface's member names, not the ANSI macros.
#undef FindWindow
#undef GetWindowText

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>

#include "platform/win32/window_system_win32.h"

namespace kestrix {
namespace {

// A hidden top-level window standing in for another program's: FindWindowA and
// EnumWindows see it all the same.
class StandInWindow {
 public:
  StandInWindow(const char* class_name, const std::string& title,
                WNDPROC procedure = DefWindowProcA) {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = class_name;
    RegisterClassA(&window_class);  // already registered by an earlier test: fine
    hwnd_ = CreateWindowExA(0, class_name, title.c_str(), WS_OVERLAPPED, 0, 0, 200, 100, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~StandInWindow() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }
  WindowHandle handle() const { return reinterpret_cast<WindowHandle>(hwnd_); }

 private:
  HWND hwnd_ = nullptr;
};

struct ReceivedCopyData {
  WPARAM sender = 0;
  ULONG_PTR id = 0;
  std::string bytes;
};
ReceivedCopyData received;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COPYDATA) {
    const COPYDATASTRUCT* record = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
    received.sender = wparam;
    received.id = record->dwData;
    received.bytes.assign(static_cast<const char*>(record->lpData), record->cbData);
    return 42;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

TEST(Win32WindowSystem, FindsWindowsByClassAndCaption) {
  Win32WindowSystem windows;
  StandInWindow first("KxFindTest", "First");
  StandInWindow second("KxFindTest", "");
  ASSERT_NE(first.hwnd(), nullptr);
  EXPECT_EQ(windows.FindWindow(0, 0, "KxFindTest", std::string("First")), first.handle());
  // An empty caption finds only windows without text.
  EXPECT_EQ(windows.FindWindow(0, 0, "KxFindTest", std::string("")), second.handle());
  EXPECT_EQ(windows.FindWindowWide(0, 0, "KxFindTest", std::string("First")), first.handle());
  EXPECT_EQ(windows.FindWindow(0, 0, "KxNoSuchClass", std::nullopt), 0u);
  EXPECT_EQ(windows.ClassName(first.handle()), "KxFindTest");
  std::vector<WindowHandle> top = windows.TopLevelWindows();
  EXPECT_NE(std::find(top.begin(), top.end(), first.handle()), top.end());
  EXPECT_NE(std::find(top.begin(), top.end(), second.handle()), top.end());
}

TEST(Win32WindowSystem, TextsStopAtTheBufferLimit) {
  Win32WindowSystem windows;
  const std::string title(300, 'T');
  StandInWindow window("KxTextTest", title);
  EXPECT_EQ(windows.SendGetText(window.handle(), 254), std::string(254, 'T'));
  EXPECT_EQ(windows.SendGetText(window.handle(), 1000), title);
  EXPECT_EQ(windows.SendGetText(window.handle(), 0), "");
  EXPECT_EQ(windows.SendGetTextWithin(window.handle(), 254, 150), std::string(254, 'T'));
  EXPECT_EQ(windows.GetWindowText(window.handle()), title);
}

TEST(Win32WindowSystem, ListBoxItemsAreReadWideAndConverted) {
  Win32WindowSystem windows;
  StandInWindow parent("KxListParent", "");
  HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 100, 100, parent.hwnd(), nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(list, nullptr);
  const std::string long_item(400, 'L');
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("first"));
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(long_item.c_str()));
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
  SendMessageA(list, LB_SETCURSEL, 1, 0);
  WindowHandle handle = reinterpret_cast<WindowHandle>(list);
  EXPECT_EQ(windows.ListBoxCount(handle), 3);
  EXPECT_EQ(windows.ListBoxCurrent(handle), 1);
  EXPECT_EQ(windows.ListBoxItem(handle, 0), std::optional<std::string>("first"));
  EXPECT_EQ(windows.ListBoxItem(handle, 1), std::optional<std::string>(long_item));
  EXPECT_EQ(windows.ListBoxItem(handle, 2), std::optional<std::string>(""));
  EXPECT_EQ(windows.ListBoxItem(handle, 3), std::nullopt);
  EXPECT_EQ(windows.ListBoxItem(handle, -1), std::nullopt);
}

TEST(Win32WindowSystem, SendsCopyData) {
  Win32WindowSystem windows;
  StandInWindow target("KxCopyDataTest", "", RecordingProc);
  received = {};
  EXPECT_EQ(windows.SendCopyData(target.handle(), 0x1234, 0x4741, std::string("GA\0x", 4)), 42);
  EXPECT_EQ(received.sender, WPARAM{0x1234});
  EXPECT_EQ(received.id, ULONG_PTR{0x4741});
  EXPECT_EQ(received.bytes, std::string("GA\0x", 4));

  const char block[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_EQ(windows.SendCopyDataBlock(target.handle(), 0, 0x1010B, block, 3, 0), 42);
  EXPECT_EQ(windows.SendCopyDataBlock(target.handle(), 0, 0x1010B, block, 3, 150), 42);
  EXPECT_EQ(received.id, ULONG_PTR{0x1010B});
  EXPECT_EQ(received.bytes, std::string("\1\2\3", 3));
}

// A window whose thread waits without reading its messages, as a hung player's does. Sends
// that gave up are never answered: once released, the window ignores them, since the
// sender's buffer is gone.
std::atomic<bool> hung_released{false};
LRESULT CALLBACK HungProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (hung_released && (message == WM_GETTEXT || message == WM_COPYDATA)) return 0;
  return DefWindowProcA(window, message, wparam, lparam);
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
