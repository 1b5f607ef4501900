#include "platform/win32/window_system_win32.h"

#include <string_view>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/window_handle_win32.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

namespace {

// The text up to the first zero, never past `limit` UTF-16 units.
std::wstring_view UpToZero(const wchar_t* buffer, size_t limit) {
  const std::wstring_view text(buffer, limit);
  return text.substr(0, text.find(L'\0'));
}

std::string Bounded(const wchar_t* buffer, size_t limit) {
  return Utf8(UpToZero(buffer, limit));
}

// The same for a text the buffer may have cut: without the first half of a surrogate pair
// whose second half did not fit.
std::string Head(const wchar_t* buffer, size_t limit) {
  std::wstring_view text = UpToZero(buffer, limit);
  if (text.size() == limit && limit > 0 && text.back() >= 0xD800 && text.back() < 0xDC00)
    text.remove_suffix(1);
  return Utf8(text);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(FromHwnd(window));
  return TRUE;
}

}  // namespace

WindowHandle Win32WindowSystem::FindWindow(WindowHandle parent, WindowHandle after,
                                           const std::string& class_name,
                                           const std::optional<std::string>& caption) {
  const std::wstring wide_class = Wide(class_name);
  const std::wstring wide_caption = caption ? Wide(*caption) : std::wstring();
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
  wchar_t buffer[257] = {};
  int length = GetClassNameW(ToHwnd(window), buffer, 257);
  return Bounded(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

// Other programs' windows are read wide, so a name in any script arrives whole; an ANSI
// read gives "?" for what the code page lacks. `max_chars` counts UTF-16 units, as the
// window does.
std::string Win32WindowSystem::SendGetText(WindowHandle window, size_t max_chars) {
  std::vector<wchar_t> buffer(max_chars + 1, L'\0');
  SendMessageW(ToHwnd(window), WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  // The answer's length is the other program's word; the buffer is the truth.
  return Head(buffer.data(), max_chars);
}

std::string Win32WindowSystem::SendGetTextWithin(WindowHandle window, size_t max_chars,
                                                 uint32_t timeout_ms) {
  std::vector<wchar_t> buffer(max_chars + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(ToHwnd(window), WM_GETTEXT, buffer.size(),
                           reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                           timeout_ms, &copied))
    return {};
  return Head(buffer.data(), max_chars);
}

std::string Win32WindowSystem::GetWindowText(WindowHandle window) {
  int length = GetWindowTextLengthW(ToHwnd(window));
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(ToHwnd(window), buffer.data(), length + 1);
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
  return static_cast<int>(SendMessageW(ToHwnd(list), LB_GETCURSEL, 0, 0));
}

int Win32WindowSystem::ListBoxCount(WindowHandle list) {
  return static_cast<int>(SendMessageW(ToHwnd(list), LB_GETCOUNT, 0, 0));
}

std::optional<std::string> Win32WindowSystem::ListBoxItem(WindowHandle list, int index) {
  LRESULT length = SendMessageW(ToHwnd(list), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || length < 0) return std::nullopt;
  std::vector<wchar_t> buffer(ListItemBufferChars(length), L'\0');
  std::optional<size_t> copied =
      ListItemCopiedChars(SendMessageW(ToHwnd(list), LB_GETTEXT, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(buffer.data())),
                          buffer.size());
  if (!copied) return std::nullopt;
  return Bounded(buffer.data(), *copied);
}

bool Win32WindowSystem::Post(WindowHandle window, uint32_t message, uintptr_t wparam,
                             intptr_t lparam) {
  return PostMessageW(ToHwnd(window), message, wparam, lparam) != 0;
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
  // The record's bytes travel as they are whichever form is used: the host's and the
  // players' protocols define them.
  if (timeout_ms == 0)
    return SendMessageW(ToHwnd(window), WM_COPYDATA, static_cast<WPARAM>(reply_to),
                        reinterpret_cast<LPARAM>(&record));
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(ToHwnd(window), WM_COPYDATA, static_cast<WPARAM>(reply_to),
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
