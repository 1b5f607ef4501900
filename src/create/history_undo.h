#pragma once
// Undo of a picked history entry or template: what the user typed before picking.
#include <string>

namespace kestrix {

class HistoryUndo {
 public:
  // Every key press in the name field: remember the text while no undo is pending, so the
  // text before the pick is the one restored.
  void KeyPressed(const std::string& current_text) {
    if (!pending_) typed_text = current_text;
  }
  // An entry was picked. True when undo just became pending (the field narrows and the
  // undo button appears); false when it already was.
  bool Picked() {
    if (pending_) return false;
    pending_ = true;
    return true;
  }
  // The text to put back; undo is no longer pending.
  std::string Undo() {
    pending_ = false;
    return typed_text;
  }
  bool Pending() const { return pending_; }

  std::string typed_text;

 private:
  bool pending_ = false;
};

}  // namespace kestrix
