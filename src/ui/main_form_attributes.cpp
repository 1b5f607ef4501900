// The attributes chosen for new directories: the menu behind img_ChangeDirAttrib, the
// letter field edit_Attrib and the tag in the window title. The set itself lives in the
// portable AttributeEditor; the creation run reads it from there.
#include "platform/win32/png_image_win32.h"
#include "ui/main_form.h"
// After the Windows headers it needs.
#include <commctrl.h>

namespace kestrix {

namespace {

constexpr int kLetterFieldWidth = 26;
constexpr int kGlyphSide96 = 16;

}  // namespace

void Ttc_KestrixForm::AttachAttributeField() {
  HWND image = Control(kId_img_ChangeDirAttrib);
  image_hook_.Subclass(image);
  // With its glyph the image is as wide as the glyph, so the letter field sits right by it.
  if (FindResourceA(instance_, AttributeImageResource(kAttributeImageNormal), RT_RCDATA)) {
    const RECT rect = ControlRect(kId_img_ChangeDirAttrib);
    SetWindowPos(image, nullptr, 0, 0, Scale96(kGlyphSide96 + 2), rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  letter_field_.Attach(Control(kId_edit_Attrib), [this] {
    AttributePointer(AttributeHovered_);
    // Escape leaves the focus on the hidden field or hands it to the window; a click
    // elsewhere has moved it to its target already.
    HWND focus = GetFocus();
    if (focus == nullptr || focus == Control(kId_edit_Attrib) || focus == hwnd())
      SetFocus(VisibleInput());
  });
}

void Ttc_KestrixForm::img_ChangeDirAttribClick() {
  app_.CurrentRoutine = "img_ChangeDirAttribClick";
  RECT image;
  GetWindowRect(Control(kId_img_ChangeDirAttrib), &image);
  const LanguageTable& language = Lang();
  std::optional<DirAttribute> chosen =
      ShowAttributeMenu(hwnd(), {image.right, image.top}, attributes_.Set(), language);
  if (!chosen) return;
  const InputMode mode = IsVisible(kId_MkDir) ? InputMode::kNormal : InputMode::kExtended;
  AttributeUpdate update = attributes_.ToggleFromMenu(*chosen, app_title_, mode);
  SetWindowTextA(hwnd(), update.title.c_str());
  letter_field_.ShowUpdate(update);
}

void Ttc_KestrixForm::OpenAttributeLetters() {
  app_.CurrentRoutine = "OpenAttributeLetters";
  // Beside the image, wherever the image's drawing has put its right edge; wide enough
  // for the four letters.
  const RECT image = ControlRect(kId_img_ChangeDirAttrib);
  const RECT field = ControlRect(kId_edit_Attrib);
  SetWindowPos(Control(kId_edit_Attrib), HWND_TOP, image.right + Scale96(2), field.top,
               Scale96(kLetterFieldWidth), field.bottom - field.top, SWP_NOACTIVATE);
  letter_field_.Open();
  InvalidateRect(Control(kId_img_ChangeDirAttrib), nullptr, TRUE);
}

LRESULT Ttc_KestrixForm::AttributeImageHook::OnMessage(HWND image, UINT message, WPARAM wparam,
                                                       LPARAM lparam) {
  if (message == WM_PAINT && form_.PaintAttributeImage(image)) return 0;
  if (message == WM_MOUSEMOVE && !form_.AttributeHovered_) {
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, image, 0};
    TrackMouseEvent(&track);
    form_.AttributePointer(true);
  } else if (message == WM_MOUSELEAVE) {
    form_.AttributePointer(false);
  }
  return DefaultHandling(image, message, wparam, lparam);
}

void Ttc_KestrixForm::AttributePointer(bool entered) {
  AttributeHovered_ = entered;
  if (entered)
    attributes_.PointerEntered();
  else
    attributes_.PointerLeft();
  InvalidateRect(Control(kId_img_ChangeDirAttrib), nullptr, TRUE);
}

// The glyph on the window's own background; false (the caption is drawn instead) when the
// glyph cannot be loaded.
bool Ttc_KestrixForm::PaintAttributeImage(HWND image) {
  PngImage glyph;
  std::string error;
  if (!LoadPngResource(instance_, AttributeImageResource(attributes_.ImageIndex()), glyph, error))
    return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(image, &paint);
  RECT client;
  GetClientRect(image, &client);
  auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
      hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(image)));
  FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
  const int side = Scale96(kGlyphSide96);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, glyph.Bitmap());
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, 0, (client.bottom - side) / 2, side, side, source, 0, 0, glyph.Width(),
             glyph.Height(), blend);
  SelectObject(source, old);
  DeleteDC(source);
  EndPaint(image, &paint);
  return true;
}

void Ttc_KestrixForm::edit_AttribChange() {
  if (!attributes_.FieldOpen()) return;
  const InputMode mode = IsVisible(kId_MkDir) ? InputMode::kNormal : InputMode::kExtended;
  AttributeUpdate update = letter_field_.Changed(app_title_, mode);
  SetWindowTextA(hwnd(), update.title.c_str());
}

}  // namespace kestrix
