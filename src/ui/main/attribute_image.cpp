#include "ui/main/attribute_image.h"

#include "platform/win32/png_image_win32.h"
#include "platform/win32/resource_win32.h"
#include "window/dpi_win32.h"

namespace kestrix {

namespace {

constexpr int kLetterFieldWidth = 26;
constexpr int kGlyphSide96 = 16;

RECT RectInParent(HWND control) {
  RECT rect = {};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

void AttributeImageControl::Attach(HINSTANCE instance, HWND image, HWND field,
                                   std::function<void()> field_closed) {
  instance_ = instance;
  image_ = image;
  Subclass(image);
  // With its glyph the image is as wide as the glyph, so the letter field sits right by it.
  if (ResourceExists(instance, AttributeImageResource(kAttributeImageNormal),
                     MAKEINTRESOURCEA(10))) {  // RT_RCDATA
    const RECT rect = RectInParent(image);
    SetWindowPos(image, nullptr, 0, 0, Scale96(kGlyphSide96 + 2), rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowTextW(image, L"");  // the stand-in text of a missing glyph, which it does not show
  }
  field_.Attach(field, [this, closed = std::move(field_closed)] {
    Pointer(hovered_);
    closed();
  });
}

std::optional<std::string> AttributeImageControl::ShowMenu(HWND owner,
                                                           const LanguageTable& language,
                                                           const std::string& app_title,
                                                           InputMode mode) {
  RECT image;
  GetWindowRect(image_, &image);
  std::optional<DirAttribute> chosen =
      ShowAttributeMenu(owner, {image.right, image.top}, editor_.Set(), language);
  if (!chosen) return std::nullopt;
  AttributeUpdate update = editor_.ToggleFromMenu(*chosen, app_title, mode);
  field_.ShowUpdate(update);
  return update.title;
}

void AttributeImageControl::OpenLetters() {
  // Beside the image, wherever the image's drawing has put its right edge; wide enough
  // for the four letters.
  const RECT image = RectInParent(image_);
  const RECT field = RectInParent(field_.hwnd());
  SetWindowPos(field_.hwnd(), HWND_TOP, image.right + Scale96(2), field.top,
               Scale96(kLetterFieldWidth), field.bottom - field.top, SWP_NOACTIVATE);
  field_.Open();
  InvalidateRect(image_, nullptr, TRUE);
}

std::optional<std::string> AttributeImageControl::FieldChanged(const std::string& app_title,
                                                               InputMode mode) {
  if (!editor_.FieldOpen()) return std::nullopt;
  return field_.Changed(app_title, mode).title;
}

LRESULT AttributeImageControl::OnMessage(HWND image, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      if (Paint()) return 0;
      break;
    case WM_MOUSEMOVE:
      if (!hovered_) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, image, 0};
        TrackMouseEvent(&track);
        Pointer(true);
      }
      break;
    case WM_MOUSELEAVE:
      Pointer(false);
      break;
    case WM_RBUTTONUP:
      OpenLetters();
      break;
  }
  return DefaultHandling(image, message, wparam, lparam);
}

void AttributeImageControl::Pointer(bool entered) {
  hovered_ = entered;
  if (entered)
    editor_.PointerEntered();
  else
    editor_.PointerLeft();
  InvalidateRect(image_, nullptr, TRUE);
}

// The glyph on the window's own background; false (the caption is drawn instead) when the
// glyph cannot be loaded.
bool AttributeImageControl::Paint() {
  PngImage glyph;
  std::string error;
  if (!LoadPngResource(instance_, AttributeImageResource(editor_.ImageIndex()), glyph, error))
    return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(image_, &paint);
  RECT client;
  GetClientRect(image_, &client);
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(image_), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(image_)));
  FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
  const int side = Scale96(kGlyphSide96);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, glyph.Bitmap());
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, 0, (client.bottom - side) / 2, side, side, source, 0, 0, glyph.Width(),
             glyph.Height(), blend);
  SelectObject(source, old);
  DeleteDC(source);
  EndPaint(image_, &paint);
  return true;
}

}  // namespace kestrix
