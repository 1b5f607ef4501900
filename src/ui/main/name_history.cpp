#include "ui/main/name_history.h"

#include "ui/main/control_ids.h"
#include "window/dpi_win32.h"

namespace kestrix {

namespace {

// MkDir's height including its dropped-down list, as the control table creates it.
constexpr int kNameDropHeight = 220;

}  // namespace

void NameHistory::Load() {
  DirHistory history(files_, environment_, places_(), &code_page_);
  HWND combo = controls_[MainControl::kNameField];
  const TextSelection selection = controls_.Selection(combo);
  Combo(combo).SetItems(history.LoadMkDirHistory());
  controls_.Select(combo, selection);
}

void NameHistory::KeyOrWheel(HWND control, UINT message, WPARAM key) {
  const bool empty = Combo(controls_[MainControl::kNameField]).Count() <= 0;
  if (control == edit_ && (message == WM_KEYDOWN || message == WM_KEYUP)) {
    // After a release: the text after the key, so the last typed character is restored too.
    undo_.KeyPressed(controls_.Text(MainControl::kNameField));
    if (message == WM_KEYDOWN && (key == VK_UP || key == VK_DOWN) && empty) Load();
  } else if (message == WM_MOUSEWHEEL &&
             (control == edit_ || control == controls_[MainControl::kNameField]) &&
             GetFocus() == edit_ && empty) {
    Load();
  }
}

void NameHistory::Picked() {
  if (undo_.Picked()) {
    const RECT name = controls_.Rect(MainControl::kNameField);
    const RECT undo = controls_.Rect(MainControl::kUndoButton);
    const int width = (name.right - name.left) - (undo.right - undo.left) - 1;
    SetWindowPos(controls_[MainControl::kNameField], nullptr, 0, 0, width, Scale96(kNameDropHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(controls_[MainControl::kUndoButton], nullptr, name.left + width + 1, name.top, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  controls_.SetVisible(MainControl::kUndoButton, true);
}

void NameHistory::Undo(HWND input) {
  Combo(controls_[MainControl::kTemplateBox]).SetSelected(0);
  const std::string typed = undo_.Undo();
  HWND combo = controls_[MainControl::kNameField];
  // The list's selection would put the picked entry back on the next selection message.
  Combo(combo).SetSelected(-1);
  controls_.SetText(MainControl::kNameField, typed);
  const RECT name = controls_.Rect(MainControl::kNameField);
  RECT client = {};
  GetClientRect(GetParent(combo), &client);
  SetWindowPos(combo, nullptr, 0, 0, client.right - 2 * name.left, Scale96(kNameDropHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  controls_.Focus(input);
  controls_.Select(combo, {typed.size(), 0});
  controls_.SetVisible(MainControl::kUndoButton, false);
}

}  // namespace kestrix
