#pragma once
// Thin, non-owning wrappers over the standard controls: one-line methods over SendMessage,
// so a window reads `name.Text()` instead of the message and its casts. A wrapper is a
// handle; copying it copies the handle.
#include <string>
#include <utility>
#include <vector>

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

  std::string Text() const {
    const int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const int got = GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
  }
  void SetText(const std::string& text) const { SetWindowTextA(hwnd_, text.c_str()); }
  size_t TextLength() const { return static_cast<size_t>(GetWindowTextLengthA(hwnd_)); }
  bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
  void Enable(bool enabled) const { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
  // The control's own visibility flag: its window may still be hidden.
  bool Visible() const { return (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
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
    return SendMessageA(hwnd_, message, wparam, lparam);
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
    return {start, end};
  }
  void Select(size_t start, size_t end) const { Send(EM_SETSEL, start, end); }
  void SelectAll() const { Send(EM_SETSEL, 0, -1); }
  void CaretToEnd() const { Select(TextLength(), TextLength()); }
  void ScrollCaret() const { Send(EM_SCROLLCARET); }
  // Replaces the selection as typing would (undoable).
  void ReplaceSelection(const std::string& text) const {
    Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  }
  int LineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }
  int LineOf(size_t position) const { return static_cast<int>(Send(EM_LINEFROMCHAR, position)); }
  void LimitText(int characters) const { Send(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
};

// CB_* messages answer CB_ERR (-1) for "none" and failures alike.
class Combo : public Control {
 public:
  using Control::Control;
  void Clear() const { Send(CB_RESETCONTENT); }
  void Add(const std::string& item) const {
    Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
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
    std::string text(static_cast<size_t>(length) + 1, '\0');
    Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
  }
  bool DroppedDown() const { return Send(CB_GETDROPPEDSTATE) != 0; }
  void ShowDropDown(bool shown) const { Send(CB_SHOWDROPDOWN, shown ? TRUE : FALSE); }
  // The selection of the combo box's edit (start, end).
  std::pair<size_t, size_t> EditSelection() const {
    DWORD start = 0, end = 0;
    Send(CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  void SelectInEdit(size_t start, size_t end) const {
    Send(CB_SETEDITSEL, 0, MAKELPARAM(start, end));
  }
};

class Button : public Control {
 public:
  using Control::Control;
  // As a click would: BN_CLICKED reaches the parent when the button is enabled.
  void Click() const { Send(BM_CLICK); }
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
