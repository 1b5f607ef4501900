#pragma once
// Helpers the main window applies its Appearance with: colours and the background brush
// for WM_CTLCOLOR*, layered-window transparency, the window font, glyph loading with the
// stored size picked for the DPI.
#include <memory>
#include <string>
#include <type_traits>

#include "platform/file_system.h"
#include "platform/win32/png_image_win32.h"
#include "platform/win32/windows_api.h"
#include "settings/themes.h"
#include "window/flat_button_win32.h"
#include "window/owned_font.h"

namespace kestrix {

COLORREF ResolveColor(const ThemeColor& color);

// The flat buttons' colours: the window's main colour as face, the flat-button text
// colour, and the accent for hover (the text colour, or the plain look's blue when the
// text is the system's).
FlatButtonColors FlatButtonColorsFor(const Appearance& look);

// A solid brush that follows one colour; recreated only when the colour changes.
class SolidBrush {
 public:
  SolidBrush() = default;
  SolidBrush(const SolidBrush&) = delete;
  SolidBrush& operator=(const SolidBrush&) = delete;
  ~SolidBrush();

  HBRUSH Get(COLORREF color);

 private:
  HBRUSH brush_ = nullptr;
  COLORREF color_ = 0;
};

// The WM_CTLCOLOR* answer for a control drawn in `text` on `background`.
LRESULT ColorControl(HDC dc, COLORREF text, COLORREF background, SolidBrush& brush);

// Switches blending on with the value, or off (and the layered style with it). Whether
// the system accepted it.
bool ApplyTransparency(HWND window, const Transparency& transparency);

// The window font the choice asks for, owned; the designed font's face, weight and
// character set are kept where the choice leaves them. Null when nothing is to change.
class WindowFont {
 public:
  WindowFont() = default;
  WindowFont(const WindowFont&) = delete;
  WindowFont& operator=(const WindowFont&) = delete;
  ~WindowFont();

  HFONT Create(const FontChoice& choice, HFONT designed, int dpi);
  HFONT Get() const { return font_; }

 private:
  HFONT font_ = nullptr;
};

// Loads a glyph: a resource in the stored size for `dpi` (the 16-pixel one when that size
// is missing), or a user-theme file as it is.
bool LoadGlyph(HMODULE module, FileSystem& fs, const GlyphRef& glyph, int dpi, PngImage& image,
               std::string& error);
// LoadGlyph, and the resource `fallback` when that fails (a deleted theme file, a name
// without a resource); `error` tells what failed first.
bool LoadGlyphOr(HMODULE module, FileSystem& fs, const GlyphRef& glyph, const char* fallback,
                 int dpi, PngImage& image, std::string& error);

}  // namespace kestrix
