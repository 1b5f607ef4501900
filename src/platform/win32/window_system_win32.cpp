#include "platform/win32/window_system_win32.h"

#include <vector>

#include "platform/win32/win32_api.h"

namespace kestrix {

namespace {

HWND H(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}
WindowHandle W(HWND window) {
  return reinterpret_cast<WindowHandle>(window);
}

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return {};
  int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length,
                      nullptr, nullptr);
  return narrow;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(W(window));
  return TRUE;
}

}  // namespace

WindowHandle Win32WindowSystem::FindWindow(WindowHandle parent, WindowHandle after,
                                           const std::string& class_name,
                                           const std::optional<std::string>& caption) {
  return W(
      FindWindowExA(H(parent), H(after), class_name.c_str(), caption ? caption->c_str() : nullptr));
}

WindowHandle Win32WindowSystem::FindWindowWide(WindowHandle parent, WindowHandle after,
                                               const std::string& class_name,
                                               const std::optional<std::string>& caption) {
  std::wstring wide_class = Widen(class_name);
  std::wstring wide_caption = caption ? Widen(*caption) : std::wstring();
  return W(FindWindowExW(H(parent), H(after), wide_class.c_str(),
                         caption ? wide_caption.c_str() : nullptr));
}

std::vector<WindowHandle> Win32WindowSystem::TopLevelWindows() {
  std::vector<WindowHandle> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::string Win32WindowSystem::ClassName(WindowHandle window) {
  char buffer[257] = {};
  int length = GetClassNameA(H(window), buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string Win32WindowSystem::SendGetText(WindowHandle window, size_t max_chars) {
  std::vector<char> buffer(max_chars + 1, '\0');
  SendMessageA(H(window), WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.back() = '\0';
  return std::string(buffer.data());
}

std::string Win32WindowSystem::GetWindowText(WindowHandle window) {
  int length = GetWindowTextLengthA(H(window));
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  int got = GetWindowTextA(H(window), buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

bool Win32WindowSystem::IsIconic(WindowHandle window) {
  return ::IsIconic(H(window)) != FALSE;
}

bool Win32WindowSystem::GetRect(WindowHandle window, WindowRect& rect) {
  RECT r;
  if (!GetWindowRect(H(window), &r)) return false;
  rect = {r.left, r.top, r.right, r.bottom};
  return true;
}

int Win32WindowSystem::ListBoxCurrent(WindowHandle list) {
  return static_cast<int>(SendMessageA(H(list), LB_GETCURSEL, 0, 0));
}

int Win32WindowSystem::ListBoxCount(WindowHandle list) {
  return static_cast<int>(SendMessageA(H(list), LB_GETCOUNT, 0, 0));
}

// Read as wide text: across processes Wine fills an ANSI LB_GETTEXT buffer with UTF-16.
std::optional<std::string> Win32WindowSystem::ListBoxItem(WindowHandle list, int index) {
  LRESULT length = SendMessageW(H(list), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || length < 0) return std::nullopt;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT got = SendMessageW(H(list), LB_GETTEXT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(text.data()));
  if (got == LB_ERR || got < 0) return std::nullopt;
  text.resize(static_cast<size_t>(got) <= static_cast<size_t>(length)
                  ? static_cast<size_t>(got)
                  : static_cast<size_t>(length));
  return Narrow(text);
}

bool Win32WindowSystem::Post(WindowHandle window, uint32_t message, uintptr_t wparam,
                             intptr_t lparam) {
  return PostMessageA(H(window), message, wparam, lparam) != FALSE;
}

intptr_t Win32WindowSystem::SendCopyData(WindowHandle window, WindowHandle reply_to,
                                         uint32_t dw_data, const std::string& bytes) {
  COPYDATASTRUCT data;
  data.dwData = dw_data;
  data.cbData = static_cast<DWORD>(bytes.size());
  data.lpData = const_cast<char*>(bytes.data());
  return SendMessageA(H(window), WM_COPYDATA, static_cast<WPARAM>(reply_to),
                      reinterpret_cast<LPARAM>(&data));
}

}  // namespace kestrix
