#include "platform/win32/font_charset_win32.h"

namespace kestrix {

HFONT CreateFontWithCharset(HFONT font, int charset) {
  if (font == nullptr) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTA description{};
  if (GetObjectA(font, sizeof description, &description) != sizeof description) return nullptr;
  description.lfCharSet = static_cast<BYTE>(charset);
  return CreateFontIndirectA(&description);
}

int FontCharset(HFONT font) {
  LOGFONTA description{};
  if (GetObjectA(font, sizeof description, &description) != sizeof description) return -1;
  return description.lfCharSet;
}

}  // namespace kestrix
