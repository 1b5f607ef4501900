#include "window/appearance_win32.h"

#include "platform/win32/resource_win32.h"
#include "platform/win32/wide_text.h"

namespace kestrix {

COLORREF ResolveColor(const ThemeColor& color) {
  switch (color.system) {
    case SystemColor::kButtonFace:
      return GetSysColor(COLOR_BTNFACE);
    case SystemColor::kWindowText:
      return GetSysColor(COLOR_WINDOWTEXT);
    case SystemColor::kNone:
      break;
  }
  return static_cast<COLORREF>(color.rgb);
}

FlatButtonColors FlatButtonColorsFor(const Appearance& look) {
  FlatButtonColors colors;
  colors.face = ResolveColor(look.main);
  colors.text = ResolveColor(look.flat_button_text);
  colors.accent = look.flat_button_text.system == SystemColor::kNone
                      ? colors.text
                      : static_cast<COLORREF>(kPlainCurDirText);
  return colors;
}

SolidBrush::~SolidBrush() {
  if (brush_ != nullptr) DeleteObject(brush_);
}

HBRUSH SolidBrush::Get(COLORREF color) {
  if (brush_ != nullptr && color == color_) return brush_;
  if (brush_ != nullptr) DeleteObject(brush_);
  brush_ = CreateSolidBrush(color);
  color_ = color;
  return brush_;
}

LRESULT ColorControl(HDC dc, COLORREF text, COLORREF background, SolidBrush& brush) {
  SetTextColor(dc, text);
  SetBkColor(dc, background);
  return reinterpret_cast<LRESULT>(brush.Get(background));
}

bool ApplyTransparency(HWND window, const Transparency& transparency) {
  const LONG_PTR ex_style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (!transparency.layered) {
    if ((ex_style & WS_EX_LAYERED) != 0)
      SetWindowLongPtrW(window, GWL_EXSTYLE, ex_style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    return true;
  }
  SetWindowLongPtrW(window, GWL_EXSTYLE, ex_style | WS_EX_LAYERED);
  return SetLayeredWindowAttributes(window, 0, transparency.alpha, LWA_ALPHA) != FALSE;
}

WindowFont::~WindowFont() {
  if (font_ != nullptr) DeleteObject(font_);
}

HFONT WindowFont::Create(const FontChoice& choice, HFONT designed, int dpi) {
  if (!choice.apply) return nullptr;
  LOGFONTW description = {};
  HGDIOBJ base =
      designed != nullptr ? static_cast<HGDIOBJ>(designed) : GetStockObject(DEFAULT_GUI_FONT);
  if (GetObjectW(base, sizeof description, &description) == 0) description = LOGFONTW{};
  description.lfHeight = -MulDiv(choice.points, dpi, 72);
  description.lfWidth = 0;
  if (!choice.face.empty()) {
    // A face name longer than the field keeps its head, never half a character.
    const std::wstring face = Wide(HeadOfUtf16Length(choice.face, LF_FACESIZE - 1));
    face.copy(description.lfFaceName, face.size());
    description.lfFaceName[face.size()] = L'\0';
  }
  HFONT font = CreateFontIndirectW(&description);
  if (font == nullptr) return nullptr;
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
  return font_;
}

bool LoadGlyph(HMODULE module, FileSystem& fs, const GlyphRef& glyph, int dpi, PngImage& image,
               std::string& error) {
  if (glyph.origin == GlyphRef::Origin::kFile) return LoadPngFile(fs, glyph.name, image, error);
  const std::string sized = glyph.name + GlyphSizeForDpi(dpi).suffix;
  const char* rc_data = MAKEINTRESOURCEA(10);
  const std::string& name = ResourceExists(module, sized.c_str(), rc_data) ? sized : glyph.name;
  return LoadPngResource(module, name.c_str(), image, error);
}

bool LoadGlyphOr(HMODULE module, FileSystem& fs, const GlyphRef& glyph, const char* fallback,
                 int dpi, PngImage& image, std::string& error) {
  if (LoadGlyph(module, fs, glyph, dpi, image, error)) return true;
  std::string ignored;
  return LoadGlyph(module, fs, GlyphRef::Resource(fallback), dpi, image, ignored);
}

}  // namespace kestrix
