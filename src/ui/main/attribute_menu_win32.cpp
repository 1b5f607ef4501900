#include "ui/main/attribute_menu_win32.h"

#include <vector>

#include "ui/messages.h"
#include "window/controls.h"
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
  const ControlId id = ShowMenu(owner, menu, screen_point);
  if (menu != nullptr) DestroyMenu(menu);
  return AttributeFromMenuId(id.command());
}

bool AttributeLetterField::Create(HWND parent, ControlId id, const RECT& bounds,
                                  std::function<void()> on_closed) {
  HWND edit = CreateWindowExW(
      0, L"EDIT", L"", WS_CHILD | ES_LOWERCASE | ES_AUTOHSCROLL | WS_DISABLED, bounds.left,
      bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id.value())),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  if (edit == nullptr) return false;
  SendMessageW(edit, WM_SETFONT, SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
  return Attach(edit, std::move(on_closed));
}

bool AttributeLetterField::Attach(HWND edit, std::function<void()> on_closed) {
  if (edit == nullptr) return false;
  on_closed_ = std::move(on_closed);
  edit_ = edit;
  Edit(edit_).LimitText(4);
  return Subclass(edit_);
}

void AttributeLetterField::Open() {
  const Edit field(edit_);
  field.SetText(editor_.OpenField());
  EnableWindow(edit_, TRUE);
  ShowWindow(edit_, SW_SHOW);
  SetFocus(edit_);
  field.SelectAll();
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
  const Edit field(edit_);
  if (Text() != update.field_text) field.SetText(update.field_text);
  field.CaretToEnd();
}

std::string AttributeLetterField::Text() const {
  return Edit(edit_).Text();
}

LRESULT AttributeLetterField::OnMessage(HWND, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CHAR: {
      const char typed = AsciiOfTyped(wparam);
      if (typed == 27) {
        Close();
        return 0;
      }
      const auto [start, end] = Edit(edit_).Selection();
      LetterKeyDecision decision = FilterAttributeLetter(typed, Text(), start, end - start);
      if (decision.select_all) Edit(edit_).SelectAll();
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
