#include "ui/attribute_menu_win32.h"

#include <vector>

#include "window/menu.h"

namespace kestrix {

namespace {

constexpr char kCaptionsSection[] = "Captions - Program";

}  // namespace

std::optional<DirAttribute> AttributeFromMenuId(UINT id) {
  if (id < kAttributeMenuFirstId || id >= kAttributeMenuFirstId + 4) return std::nullopt;
  return kDirAttributeOrder[id - kAttributeMenuFirstId];
}

HMENU BuildAttributeMenu(const DirAttributeSet& set, const LanguageTable& language,
                         const HBITMAP* images) {
  std::vector<MenuItem> items;
  for (UINT i = 0; i < 4; ++i) {
    const AttributeMenuEntry& entry = kAttributeMenuEntries[i];
    items.push_back({language.Text(entry.caption),
                     kAttributeMenuFirstId + i,
                     HasAttribute(set, entry.attribute) ? UINT{MF_CHECKED} : 0,
                     images != nullptr ? images[i] : nullptr,
                     {}});
  }
  return BuildMenu(items);
}

std::optional<DirAttribute> ShowAttributeMenu(HWND owner, POINT screen_point,
                                              const DirAttributeSet& set,
                                              const LanguageTable& language,
                                              const HBITMAP* images) {
  HMENU menu = BuildAttributeMenu(set, language, images);
  const UINT id = ShowMenu(owner, menu, screen_point);
  if (menu != nullptr) DestroyMenu(menu);
  return AttributeFromMenuId(id);
}

bool AttributeLetterField::Create(HWND parent, int id, const RECT& bounds,
                                  std::function<void()> on_closed) {
  HWND edit = CreateWindowExA(
      0, "EDIT", "", WS_CHILD | ES_LOWERCASE | ES_AUTOHSCROLL | WS_DISABLED, bounds.left,
      bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
  if (edit == nullptr) return false;
  SendMessageA(edit, WM_SETFONT, SendMessageA(parent, WM_GETFONT, 0, 0), FALSE);
  return Attach(edit, std::move(on_closed));
}

bool AttributeLetterField::Attach(HWND edit, std::function<void()> on_closed) {
  if (edit == nullptr) return false;
  on_closed_ = std::move(on_closed);
  edit_ = edit;
  SendMessageA(edit_, EM_LIMITTEXT, 4, 0);
  return Subclass(edit_);
}

void AttributeLetterField::Open() {
  std::string letters = editor_.OpenField();
  SetWindowTextA(edit_, letters.c_str());
  EnableWindow(edit_, TRUE);
  ShowWindow(edit_, SW_SHOW);
  SetFocus(edit_);
  SendMessageA(edit_, EM_SETSEL, 0, -1);
}

void AttributeLetterField::Close() {
  if (!editor_.FieldOpen() || closing_) return;
  // Hiding the focused field takes its focus, which would close it a second time.
  closing_ = true;
  editor_.CloseField();
  EnableWindow(edit_, FALSE);
  ShowWindow(edit_, SW_HIDE);
  closing_ = false;
  if (on_closed_) on_closed_();
}

AttributeUpdate AttributeLetterField::Changed(const std::string& app_title, InputMode mode) {
  AttributeUpdate update = editor_.FieldChanged(Text(), app_title, mode);
  ShowUpdate(update);
  return update;
}

void AttributeLetterField::ShowUpdate(const AttributeUpdate& update) {
  if (!update.field_open || edit_ == nullptr) return;
  // Setting the text raises EN_CHANGE again; an equal text would only loop.
  if (Text() != update.field_text) SetWindowTextA(edit_, update.field_text.c_str());
  int end = GetWindowTextLengthA(edit_);
  SendMessageA(edit_, EM_SETSEL, end, end);
}

std::string AttributeLetterField::Text() const {
  char buffer[16] = {};
  GetWindowTextA(edit_, buffer, sizeof buffer);
  return buffer;
}

LRESULT AttributeLetterField::OnMessage(HWND, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CHAR: {
      char typed = static_cast<char>(wparam);
      if (typed == 27) {
        Close();
        return 0;
      }
      DWORD start = 0, end = 0;
      SendMessageA(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      LetterKeyDecision decision = FilterAttributeLetter(typed, Text(), start, end - start);
      if (decision.select_all) SendMessageA(edit_, EM_SETSEL, 0, -1);
      if (!decision.accept) return 0;
      break;
    }
    case WM_GETDLGCODE:
      // Escape must reach the field instead of closing a dialog around it.
      return DefaultHandling(edit_, message, wparam, lparam) | DLGC_WANTALLKEYS;
    case WM_KILLFOCUS: {
      LRESULT result = DefaultHandling(edit_, message, wparam, lparam);
      Close();
      return result;
    }
    case WM_NCDESTROY: {
      HWND edit = edit_;
      edit_ = nullptr;
      return DefaultHandling(edit, message, wparam, lparam);
    }
  }
  return DefaultHandling(edit_, message, wparam, lparam);
}

}  // namespace kestrix
