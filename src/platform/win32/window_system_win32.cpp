#include "platform/win32/window_system_win32.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/window_handle_win32.h"

// <windows.h> maps these names to their ANSI functions; here they are the interface's.
#undef FindWindow
#undef GetWindowText

namespace kestrix {

namespace {

std::wstring ToWide(const std::string& text) {
  if (text.empty()) return {};
  int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0)
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string FromWide(const wchar_t* text, size_t length) {
  if (length == 0) return {};
  int bytes =
      WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0)
    WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), result.data(), bytes, nullptr,
                        nullptr);
  return result;
}

// The text up to the first zero, never past `limit` characters.
std::string Bounded(const char* buffer, size_t limit) {
  const void* zero = std::memchr(buffer, '\0', limit);
  return std::string(buffer, zero ? static_cast<const char*>(zero) - buffer : limit);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(FromHwnd(window));
  return TRUE;
}

}  // namespace

WindowHandle Win32WindowSystem::FindWindow(WindowHandle parent, WindowHandle after,
                                           const std::string& class_name,
                                           const std::optional<std::string>& caption) {
  return FromHwnd(FindWindowExA(ToHwnd(parent), ToHwnd(after),
                                class_name.empty() ? nullptr : class_name.c_str(),
                                caption ? caption->c_str() : nullptr));
}

WindowHandle Win32WindowSystem::FindWindowWide(WindowHandle parent, WindowHandle after,
                                               const std::string& class_name,
                                               const std::optional<std::string>& caption) {
  std::wstring wide_class = ToWide(class_name);
  std::wstring wide_caption = caption ? ToWide(*caption) : std::wstring();
  return FromHwnd(FindWindowExW(ToHwnd(parent), ToHwnd(after),
                                class_name.empty() ? nullptr : wide_class.c_str(),
                                caption ? wide_caption.c_str() : nullptr));
}

std::vector<WindowHandle> Win32WindowSystem::TopLevelWindows() {
  std::vector<WindowHandle> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::string Win32WindowSystem::ClassName(WindowHandle window) {
  char buffer[257] = {};
  int length = GetClassNameA(ToHwnd(window), buffer, sizeof buffer);
  return Bounded(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string Win32WindowSystem::SendGetText(WindowHandle window, size_t max_chars) {
  std::vector<char> buffer(max_chars + 1, '\0');
  SendMessageA(ToHwnd(window), WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  // The answer's length is the other program's word; the buffer is the truth.
  return Bounded(buffer.data(), max_chars);
}

std::string Win32WindowSystem::SendGetTextWithin(WindowHandle window, size_t max_chars,
                                                 uint32_t timeout_ms) {
  std::vector<char> buffer(max_chars + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(ToHwnd(window), WM_GETTEXT, buffer.size(),
                           reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                           timeout_ms, &copied))
    return {};
  return Bounded(buffer.data(), max_chars);
}

std::string Win32WindowSystem::GetWindowText(WindowHandle window) {
  int length = GetWindowTextLengthA(ToHwnd(window));
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  int copied = GetWindowTextA(ToHwnd(window), buffer.data(), length + 1);
  return Bounded(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

bool Win32WindowSystem::IsIconic(WindowHandle window) {
  return ::IsIconic(ToHwnd(window)) != 0;
}

bool Win32WindowSystem::GetRect(WindowHandle window, WindowRect& rect) {
  RECT r;
  if (!GetWindowRect(ToHwnd(window), &r)) return false;
  rect = {r.left, r.top, r.right, r.bottom};
  return true;
}

int Win32WindowSystem::ListBoxCurrent(WindowHandle list) {
  return static_cast<int>(SendMessageA(ToHwnd(list), LB_GETCURSEL, 0, 0));
}

int Win32WindowSystem::ListBoxCount(WindowHandle list) {
  return static_cast<int>(SendMessageA(ToHwnd(list), LB_GETCOUNT, 0, 0));
}

std::optional<std::string> Win32WindowSystem::ListBoxItem(WindowHandle list, int index) {
  // SendMessageA(LB_GETTEXT) to another process's list box fills the ANSI buffer with
  // UTF-16 under Wine, so the item is read wide and converted here.
  LRESULT length = SendMessageW(ToHwnd(list), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || length < 0) return std::nullopt;
  std::vector<wchar_t> buffer(ListItemBufferChars(length), L'\0');
  std::optional<size_t> copied =
      ListItemCopiedChars(SendMessageW(ToHwnd(list), LB_GETTEXT, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(buffer.data())),
                          buffer.size());
  if (!copied) return std::nullopt;
  size_t chars = 0;
  while (chars < *copied && buffer[chars] != L'\0') ++chars;
  return FromWide(buffer.data(), chars);
}

bool Win32WindowSystem::Post(WindowHandle window, uint32_t message, uintptr_t wparam,
                             intptr_t lparam) {
  return PostMessageA(ToHwnd(window), message, wparam, lparam) != 0;
}

intptr_t Win32WindowSystem::SendCopyData(WindowHandle window, WindowHandle reply_to,
                                         uint32_t dw_data, const std::string& bytes) {
  return SendCopyDataBlock(window, reply_to, dw_data, bytes.data(),
                           static_cast<uint32_t>(bytes.size()), 0);
}

intptr_t Win32WindowSystem::SendCopyDataBlock(WindowHandle window, WindowHandle reply_to,
                                              uintptr_t dw_data, const void* data, uint32_t cb_data,
                                              uint32_t timeout_ms) {
  COPYDATASTRUCT record;
  record.dwData = dw_data;
  record.cbData = cb_data;
  record.lpData = const_cast<void*>(data);
  if (timeout_ms == 0)
    return SendMessageA(ToHwnd(window), WM_COPYDATA, static_cast<WPARAM>(reply_to),
                        reinterpret_cast<LPARAM>(&record));
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(ToHwnd(window), WM_COPYDATA, static_cast<WPARAM>(reply_to),
                           reinterpret_cast<LPARAM>(&record), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                           timeout_ms, &result))
    return 0;
  return static_cast<intptr_t>(result);
}

AddressedBuffer Win32WindowSystem::ReceiveBuffer(size_t bytes) {
  constexpr size_t kPage = 4096;
  // One page for the whole process, never freed: a reply may come after its request gave up.
  static char* const page = [] {
    void* low = nullptr;
#ifdef _WIN64
    // The first free 64 KB boundary below 2 GB, so that a 32-bit receiver can write there.
    constexpr uintptr_t kGranularity = 0x10000, kLimit = 0x80000000u;
    MEMORY_BASIC_INFORMATION info;
    for (uintptr_t at = kGranularity; low == nullptr && at < kLimit &&
                                      VirtualQuery(reinterpret_cast<void*>(at), &info, sizeof info);
         at = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize) {
      if (info.State != MEM_FREE) continue;
      uintptr_t aligned = (at + kGranularity - 1) & ~(kGranularity - 1);
      uintptr_t end = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize;
      if (aligned + kPage <= end && aligned + kPage <= kLimit)
        low = VirtualAlloc(reinterpret_cast<void*>(aligned), kPage, MEM_RESERVE | MEM_COMMIT,
                           PAGE_READWRITE);
    }
#endif
    if (low == nullptr)
      low = VirtualAlloc(nullptr, kPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    return static_cast<char*>(low);
  }();
  if (page == nullptr || bytes > kPage) return {};
  return {std::span<char>(page, bytes), reinterpret_cast<uintptr_t>(page)};
}

}  // namespace kestrix
