#pragma once
// The program's private window messages: one range from WM_APP, each named once here.
#include "platform/win32/windows_api.h"

namespace kestrix {

enum PrivateMessage : UINT {
  // A drop-down choice is complete (its text is in the field only once the selection
  // message ends). wparam: the combo box's control id.
  kMsg_ChoiceDone = WM_APP,
  // An up-down arrow has changed its number. wparam: the up-down's control id.
  kMsg_UpDownDone,
  // The application's activation switch is complete. wparam: 1 when it became active.
  kMsg_AfterActivation,
};

// A typed character (a WM_CHAR's UTF-16 unit) as the ASCII-only key filters take it: past
// ASCII it is 0, which none of them accepts; a plain cast would make 'Ł' (U+0141) an 'A'.
inline char AsciiOfTyped(WPARAM unit) {
  return unit < 0x80 ? static_cast<char>(unit) : '\0';
}

}  // namespace kestrix
