#pragma once
// The controls of a window by their fixed ids, and what they show. A label or button
// remembers the caption set last, so setting the caption it already shows costs no
// message; input fields are read and written each time, since the user changes them.
// Reading the visible or enabled state is a style read, not a message.
#include <optional>
#include <string>
#include <vector>

#include "base/text_selection.h"
#include "window/control_id.h"
#include "window/controls.h"

namespace kestrix {

class ControlSet {
 public:
  // Ids from `first` on; controls are added in any order.
  explicit ControlSet(ControlId first) : first_(first.value()) {}

  void Add(ControlId id, HWND control);
  HWND operator[](ControlId id) const {
    const size_t index = static_cast<size_t>(id.value() - first_);
    return id.value() >= first_ && index < controls_.size() ? controls_[index] : nullptr;
  }
  const std::vector<HWND>& All() const { return controls_; }

  std::string Text(ControlId id) const { return Control((*this)[id]).Text(); }
  void SetText(ControlId id, const std::string& text);
  bool Visible(ControlId id) const { return Control((*this)[id]).Visible(); }
  void SetVisible(ControlId id, bool visible) const;
  bool Enabled(ControlId id) const { return Control((*this)[id]).Enabled(); }
  void SetEnabled(ControlId id, bool enabled) const { Control((*this)[id]).Enable(enabled); }
  bool Checked(ControlId id) const { return Check((*this)[id]).Checked(); }
  void SetChecked(ControlId id, bool checked) const;

  // The edit that shows a control's text: a combo box's own edit, else the control.
  Edit EditOf(HWND control) const;
  TextSelection Selection(HWND control) const;
  // Clamped to the text; a length of npos reaches the end.
  void Select(HWND control, TextSelection selection) const;
  // The caret after the text, counted in UTF-16 units: the text is not read.
  void CaretToEnd(HWND control) const { EditOf(control).CaretToEnd(); }
  // Gives `control` the focus unless its edit has it. A combo box's edit takes it directly:
  // given to the box, the focus moves twice, and the input method follows each move.
  // Unlike a focus given to the box, this leaves the edit's selection as it was.
  void Focus(HWND control) const {
    HWND target = EditOf(control).hwnd();
    if (GetFocus() != target) SetFocus(target);
  }

  // Place and size in the parent's client pixels.
  RECT Rect(ControlId id) const;
  // Moves to a place written at 96 DPI.
  void MoveTo(ControlId id, int x96, int y96) const;
  // Gives the control `bounds` in the parent's client pixels, unless it has them already:
  // a move to where a control already is still costs a round of window messages.
  void Place(ControlId id, const RECT& bounds) const;
  // Stops (or resumes, with a full redraw) the control's drawing.
  void Lock(ControlId id, bool lock) const;

 private:
  int first_;
  std::vector<HWND> controls_;
  std::vector<HWND> edits_;                        // the edit of each combo box, else null
  std::vector<std::optional<std::string>> shown_;  // captions set last, for labels and buttons
};

}  // namespace kestrix
