#pragma once
// Fonts for the interface language's character set (FontCharsetFor): a copy of a control's
// font with another character set, which the window sets on the controls that show
// language texts.
#include "platform/win32/windows_api.h"

namespace kestrix {

// A new font like `font` (the stock GUI font when null) with `charset`; the caller owns it
// and deletes it once no control uses it. Null when the font cannot be read or created.
HFONT CreateFontWithCharset(HFONT font, int charset);

// The character set of a font, or -1 when it cannot be read.
int FontCharset(HFONT font);

}  // namespace kestrix
