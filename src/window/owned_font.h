#pragma once
// Fonts a window owns: deleted with their holder, after the controls have been given
// another. The labels that act as links, the bold step captions and the About title are
// the dialog font with one thing changed.
#include <memory>
#include <type_traits>

#include "platform/win32/windows_api.h"
#include "window/control_id.h"

namespace kestrix {

struct FontDeleter {
  void operator()(HFONT font) const {
    if (font != nullptr) DeleteObject(font);
  }
};
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// What to change of the dialog font.
struct FontChange {
  bool bold = false;
  bool underline = false;
  int height_percent = 100;
};

// The dialog font (DEFAULT_GUI_FONT) with `change` applied.
inline OwnedFont DialogFontWith(FontChange change) {
  LOGFONTW font = {};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  if (change.bold) font.lfWeight = FW_BOLD;
  font.lfUnderline = change.underline ? TRUE : FALSE;
  font.lfHeight = font.lfHeight * change.height_percent / 100;
  return OwnedFont(CreateFontIndirectW(&font));
}

// Gives each control of `ids` under `parent` the font.
template <typename Ids>
void SetFontOf(HWND parent, const Ids& ids, const OwnedFont& font) {
  for (ControlId id : ids)
    SendMessageW(Item(parent, id), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
}

}  // namespace kestrix
