#include "window/control_set.h"

#include <algorithm>

#include "window/dpi_win32.h"

namespace kestrix {

namespace {

bool IsClass(HWND control, const wchar_t* name) {
  wchar_t class_name[32] = {};
  GetClassNameW(control, class_name, 32);
  return lstrcmpiW(class_name, name) == 0;
}

}  // namespace

void ControlSet::Add(ControlId id, HWND control) {
  const size_t index = static_cast<size_t>(id.value() - first_);
  if (id.value() < first_) return;
  if (index >= controls_.size()) {
    controls_.resize(index + 1, nullptr);
    edits_.resize(index + 1, nullptr);
    shown_.resize(index + 1);
  }
  controls_[index] = control;
  if (IsClass(control, L"ComboBox"))
    edits_[index] = FindWindowExW(control, nullptr, L"EDIT", nullptr);
  // Only a control the user cannot type into keeps the caption it was given.
  shown_[index].reset();
  if (!IsClass(control, L"Edit") && !IsClass(control, L"ComboBox"))
    shown_[index] = Control(control).Text();
}

void ControlSet::SetText(ControlId id, const std::string& text) {
  const size_t index = static_cast<size_t>(id.value() - first_);
  const HWND control = (*this)[id];
  if (control == nullptr) return;
  std::optional<std::string>& shown = shown_[index];
  if (shown) {
    if (*shown == text) return;
    shown = text;
  } else if (Control(control).Text() == text) {
    return;
  }
  Control(control).SetText(text);
}

void ControlSet::SetVisible(ControlId id, bool visible) const {
  const Control control((*this)[id]);
  if (control.Visible() != visible) control.Show(visible);
}

void ControlSet::SetChecked(ControlId id, bool checked) const {
  const Check box((*this)[id]);
  if (box.Checked() != checked) box.SetChecked(checked);
}

Edit ControlSet::EditOf(HWND control) const {
  const auto found = std::find(controls_.begin(), controls_.end(), control);
  if (found != controls_.end() && control != nullptr) {
    const HWND edit = edits_[static_cast<size_t>(found - controls_.begin())];
    if (edit != nullptr) return Edit(edit);
  }
  return Edit(control);
}

TextSelection ControlSet::Selection(HWND control) const {
  const auto [start, end] = EditOf(control).Selection();
  return {start, end >= start ? end - start : 0};
}

void ControlSet::Select(HWND control, TextSelection selection) const {
  const Edit edit = EditOf(control);
  const size_t length = edit.TextLength();
  const size_t start = std::min(selection.start, length);
  const size_t end =
      selection.length == std::string::npos ? length : std::min(length, start + selection.length);
  edit.Select(start, end);
}

RECT ControlSet::Rect(ControlId id) const {
  RECT rect = {};
  const HWND control = (*this)[id];
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void ControlSet::MoveTo(ControlId id, int x96, int y96) const {
  if ((*this)[id] == nullptr) return;
  RECT bounds = Rect(id);
  OffsetRect(&bounds, Scale96(x96) - bounds.left, Scale96(y96) - bounds.top);
  Place(id, bounds);
}

void ControlSet::Place(ControlId id, const RECT& bounds) const {
  const HWND control = (*this)[id];
  if (control == nullptr) return;
  const RECT now = Rect(id);
  if (EqualRect(&bounds, &now)) return;
  SetWindowPos(control, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlSet::Lock(ControlId id, bool lock) const {
  const HWND control = (*this)[id];
  if (control == nullptr) return;
  SendMessageW(control, WM_SETREDRAW, lock ? FALSE : TRUE, 0);
  if (!lock)
    RedrawWindow(control, nullptr, nullptr,
                 RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
}

}  // namespace kestrix
