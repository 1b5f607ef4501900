#pragma once
// Thin, non-owning wrappers over the standard controls: one-line methods over SendMessageW,
// so a window reads `name.Text()` instead of the message and its casts. A wrapper is a
// handle; copying it copies the handle.
//
// Texts are UTF-8. Every position these wrappers take or give (selections, TextLength,
// LineOf) is a byte offset into the UTF-8 Text(): the controls count UTF-16 units, and this
// is the one place that translates (ByteOffsetOfUtf16, Utf16OffsetOfByte). An offset inside
// a character stands for the character's start. Only LimitText counts UTF-16 units, as the
// control limits them. A translation reads the text only up to the offsets: a caret in a
// list of thousands of lines must not cost a copy of the whole list.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
// After the Windows headers it needs.
#include <commctrl.h>

namespace kestrix {

class Control {
 public:
  Control() = default;
  explicit Control(HWND hwnd) : hwnd_(hwnd) {}
  HWND hwnd() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }

  std::string Text() const { return Utf8(WideText()); }
  std::wstring WideText() const { return WideHead(std::string::npos); }
  void SetText(const std::string& text) const { SetWindowTextW(hwnd_, Wide(text).c_str()); }
  // The length of Text() in bytes.
  size_t TextLength() const { return Text().size(); }
  bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
  void Enable(bool enabled) const { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
  // The control's own visibility flag: its window may still be hidden.
  bool Visible() const { return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
  // Shown without taking the activation.
  void Show(bool visible) const { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
  void Focus() const { SetFocus(hwnd_); }
  int Id() const { return GetDlgCtrlID(hwnd_); }
  // Whether anything (a border, an edge, a scroll bar) lies outside the client area.
  bool HasFrame() const {
    RECT window = {}, client = {};
    GetWindowRect(hwnd_, &window);
    GetClientRect(hwnd_, &client);
    return window.right - window.left != client.right ||
           window.bottom - window.top != client.bottom;
  }

 protected:
  LRESULT Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    return SendMessageW(hwnd_, message, wparam, lparam);
  }
  LRESULT Send(UINT message, WPARAM wparam, const std::wstring& text) const {
    return Send(message, wparam, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // The text's first `units` UTF-16 units, or all of it.
  std::wstring WideHead(size_t units) const {
    const int length = GetWindowTextLengthW(hwnd_);
    const size_t size = std::min(units, static_cast<size_t>(length > 0 ? length : 0));
    std::wstring text(size + 1, L'\0');
    const int got = GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
  }
  // The byte offsets into Text() of the UTF-16 positions `start` and `end`. One unit more
  // is read, so that a surrogate pair at the end of the head stays whole.
  std::pair<size_t, size_t> BytesOf(DWORD start, DWORD end) const {
    const std::string head = Utf8(WideHead(static_cast<size_t>(std::max(start, end)) + 1));
    return {ByteOffsetOfUtf16(head, start), ByteOffsetOfUtf16(head, end)};
  }
  // The UTF-16 positions of the byte offsets `start` and `end` into Text(): a byte offset
  // is never below its position in units.
  std::pair<size_t, size_t> UnitsOf(size_t start, size_t end) const {
    const size_t last = std::max(start, end);
    const std::string head = Utf8(WideHead(last == std::string::npos ? last : last + 1));
    return {Utf16OffsetOfByte(head, start), Utf16OffsetOfByte(head, end)};
  }

 private:
  HWND hwnd_ = nullptr;
};

class Edit : public Control {
 public:
  using Control::Control;
  // Start and end of the selection (the caret is at the end).
  std::pair<size_t, size_t> Selection() const {
    DWORD start = 0, end = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return BytesOf(start, end);
  }
  void Select(size_t start, size_t end) const {
    const auto [from, to] = UnitsOf(start, end);
    Send(EM_SETSEL, from, static_cast<LPARAM>(to));
  }
  void SelectAll() const { Send(EM_SETSEL, 0, -1); }
  void CaretToEnd() const {
    const int end = GetWindowTextLengthW(hwnd());
    Send(EM_SETSEL, static_cast<WPARAM>(end), end);
  }
  void ScrollCaret() const { Send(EM_SCROLLCARET); }
  // Replaces the selection as typing would (undoable).
  void ReplaceSelection(const std::string& text) const { Send(EM_REPLACESEL, TRUE, Wide(text)); }
  int LineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }
  int LineOf(size_t position) const {
    return static_cast<int>(Send(EM_LINEFROMCHAR, UnitsOf(position, position).first));
  }
  // At most `units` UTF-16 units can be typed.
  void LimitText(int units) const { Send(EM_LIMITTEXT, static_cast<WPARAM>(units)); }
};

// CB_* messages answer CB_ERR (-1) for "none" and failures alike.
class Combo : public Control {
 public:
  using Control::Control;
  void Clear() const { Send(CB_RESETCONTENT); }
  void Add(const std::string& item) const { Send(CB_ADDSTRING, 0, Wide(item)); }
  // The list becomes `items`; the edit keeps its text (emptying the list empties it).
  void SetItems(const std::vector<std::string>& items) const {
    const std::string text = Text();
    Clear();
    for (const std::string& item : items) Add(item);
    SetText(text);
  }
  int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  int Selected() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  void SetSelected(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
  std::string Item(int index) const {
    const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got =
        Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got >= 0 && got <= length ? static_cast<size_t>(got) : 0);
    return Utf8(text);
  }
  bool DroppedDown() const { return Send(CB_GETDROPPEDSTATE) != 0; }
  void ShowDropDown(bool shown) const { Send(CB_SHOWDROPDOWN, shown ? TRUE : FALSE); }
  // The selection of the combo box's edit (start, end).
  std::pair<size_t, size_t> EditSelection() const {
    DWORD start = 0, end = 0;
    Send(CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return BytesOf(start, end);
  }
  void SelectInEdit(size_t start, size_t end) const {
    const auto [from, to] = UnitsOf(start, end);
    Send(CB_SETEDITSEL, 0, MAKELPARAM(from, to));
  }
};

class Button : public Control {
 public:
  using Control::Control;
  // As a click would: BN_CLICKED reaches the parent when the button is enabled.
  void Press() const { Send(BM_CLICK); }
};

// A check box or radio button.
class Check : public Button {
 public:
  using Button::Button;
  bool Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
  void SetChecked(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

class UpDown : public Control {
 public:
  using Control::Control;
  void SetBuddy(HWND buddy) const { Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)); }
  void SetRange(int low, int high) const { Send(UDM_SETRANGE32, low, high); }
  void SetPosition(int position) const { Send(UDM_SETPOS32, 0, position); }
};

}  // namespace kestrix
