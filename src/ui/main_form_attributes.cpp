// The attributes chosen for new directories: the menu behind img_ChangeDirAttrib, the
// letter field edit_Attrib and the tag in the window title. The set itself lives in the
// portable AttributeEditor; the creation run reads it from there.
#include "ui/main_form.h"

namespace kestrix {

namespace {

constexpr int kLetterFieldWidth = 26;

}  // namespace

void Ttc_KestrixForm::AttachAttributeField() {
  letter_field_.Attach(Control(kId_edit_Attrib), [this] {
    InvalidateRect(Control(kId_img_ChangeDirAttrib), nullptr, TRUE);
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
  const LanguageTable& language = services_.language != nullptr ? *services_.language : english_;
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

void Ttc_KestrixForm::edit_AttribChange() {
  if (!attributes_.FieldOpen()) return;
  const InputMode mode = IsVisible(kId_MkDir) ? InputMode::kNormal : InputMode::kExtended;
  AttributeUpdate update = letter_field_.Changed(app_title_, mode);
  SetWindowTextA(hwnd(), update.title.c_str());
}

}  // namespace kestrix
