#pragma once
// The directory history behind the MkDir drop-down and its undo: the history is read
// when the list is first needed (drop-down, arrows, wheel), the text typed before a pick
// is kept, and btn_undo beside the narrowed field brings it back.
#include <functional>
#include <string>

#include "create/dir_history.h"
#include "create/history_undo.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "window/control_set.h"

namespace kestrix {

class NameHistory {
 public:
  NameHistory(ControlSet& controls, FileSystem& files, Environment& environment,
              CodePage& code_page, std::function<HistoryPlaces()> places)
      : controls_(controls),
        files_(files),
        environment_(environment),
        code_page_(code_page),
        places_(std::move(places)) {}

  // The edit inside MkDir, which receives the typed keys.
  void SetNameEdit(HWND edit) { edit_ = edit; }
  // Reads the history into the drop-down; the field keeps its text and selection.
  void Load();
  // A key press or release in the name field, or the wheel over it.
  void KeyOrWheel(HWND control, UINT message, WPARAM key);
  // The name as the user had it, for undo.
  void Remember(const std::string& text) { undo_.KeyPressed(text); }
  // An entry was picked: btn_undo appears beside the field, narrowed for it when the pick
  // replaced typed text.
  void Picked();
  // RestoreTyped: the typed text comes back in the field at its full width, the caret at
  // its end and the focus in `input`.
  void Undo(HWND input);

 private:
  ControlSet& controls_;
  FileSystem& files_;
  Environment& environment_;
  CodePage& code_page_;
  std::function<HistoryPlaces()> places_;
  HWND edit_ = nullptr;
  HistoryUndo undo_;
};

}  // namespace kestrix
