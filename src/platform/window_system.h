#pragma once
// Windows of other processes (the host, media players) as the portable logic sees them.
// Handles are opaque numbers; 0 means "no window". Texts are UTF-8, read and written with
// the wide calls, so a name in any script arrives whole; lengths count UTF-16 units, as the
// windows do.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kestrix {

using WindowHandle = uintptr_t;

struct WindowRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// A list item of another program is read in two calls, and the item may grow between them
// (a panel refresh), so the buffer has room beyond the length the first call reported.
inline constexpr size_t kListItemRoom = 4096;

// Characters, terminating zero included, of the buffer for an item reported `length` long.
constexpr size_t ListItemBufferChars(intptr_t length) {
  return (length > 0 ? static_cast<size_t>(length) : 0) + 1 + kListItemRoom;
}

// The characters LB_GETTEXT copied into a buffer of `capacity` characters; nullopt for an
// error (negative) or a count that does not leave room for the terminating zero.
constexpr std::optional<size_t> ListItemCopiedChars(intptr_t copied, size_t capacity) {
  if (copied < 0 || static_cast<size_t>(copied) >= capacity) return std::nullopt;
  return static_cast<size_t>(copied);
}

// Memory another program writes into at an address that a request carries. `address` is
// that number as the other program uses it.
struct AddressedBuffer {
  std::span<char> bytes;
  uintptr_t address = 0;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // FindWindowExW: the next child of `parent` (0 = top level) after `after` whose class is
  // `class_name`; `caption` empty-optional means any caption, "" only windows without text.
  virtual WindowHandle FindWindow(WindowHandle parent, WindowHandle after,
                                  const std::string& class_name,
                                  const std::optional<std::string>& caption) = 0;
  // Every top-level window, in z-order (EnumWindows).
  virtual std::vector<WindowHandle> TopLevelWindows() = 0;

  virtual std::string ClassName(WindowHandle window) = 0;
  // WM_GETTEXT sent to the window, at most `max_chars` UTF-16 units.
  virtual std::string SendGetText(WindowHandle window, size_t max_chars) = 0;
  // The same with a time limit (SendMessageTimeout, SMTO_ABORTIFHUNG | SMTO_BLOCK): a window
  // that does not answer within `timeout_ms` (a hung program) gives the empty text.
  virtual std::string SendGetTextWithin(WindowHandle window, size_t max_chars,
                                        uint32_t timeout_ms) = 0;
  // GetWindowTextW (does not send to windows of other processes' edit controls).
  virtual std::string GetWindowText(WindowHandle window) = 0;
  virtual bool IsIconic(WindowHandle window) = 0;
  virtual bool GetRect(WindowHandle window, WindowRect& rect) = 0;

  // List boxes of other processes: LB_GETCURSEL, LB_GETCOUNT, and one item read as wide
  // text (never overruns, whatever the item length).
  virtual int ListBoxCurrent(WindowHandle list) = 0;
  virtual int ListBoxCount(WindowHandle list) = 0;
  virtual std::optional<std::string> ListBoxItem(WindowHandle list, int index) = 0;

  // PostMessageW; no result is awaited.
  virtual bool Post(WindowHandle window, uint32_t message, uintptr_t wparam, intptr_t lparam) = 0;
  // SendMessageW(WM_COPYDATA) with `reply_to` as wParam; the bytes go as they are. The
  // result of the send.
  virtual intptr_t SendCopyData(WindowHandle window, WindowHandle reply_to, uint32_t dw_data,
                                const std::string& bytes) = 0;
  // SendMessageW(WM_COPYDATA) with a record whose lpData is `data` and cbData `cb_data`;
  // `data` must hold at least `cb_data` readable bytes. Used where the receiver writes into
  // memory whose address the data carries (an AddressedBuffer). A `timeout_ms` above 0
  // bounds the wait as SendGetTextWithin does; a receiver that does not answer in time
  // gives 0.
  virtual intptr_t SendCopyDataBlock(WindowHandle window, WindowHandle reply_to, uintptr_t dw_data,
                                     const void* data, uint32_t cb_data, uint32_t timeout_ms) = 0;
  // `bytes` of memory that lives as long as the process, so that a reply coming after a
  // timed-out request still lands in memory of ours; below 2 GB where the system allows, so
  // that its address fits the 4 bytes a 32-bit receiver reads. Empty when none is left.
  virtual AddressedBuffer ReceiveBuffer(size_t bytes) = 0;
};

}  // namespace kestrix
