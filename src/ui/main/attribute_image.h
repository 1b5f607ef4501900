#pragma once
// img_ChangeDirAttrib: the image that stands for the attributes new directories get. It
// draws the glyph of its state (normal, hovered, letter field open) on the window's own
// background, opens the menu on a left click (and Ctrl+Q) and the letter field edit_Attrib
// beside it on a right click (and Ctrl+Shift+Q). It owns the attribute set; the window
// reads it for the title and the creation run.
#include <functional>
#include <optional>
#include <string>

#include "create/attribute_editor.h"
#include "ui/main/attribute_menu_win32.h"
#include "window/window.h"

namespace kestrix {

class AttributeImageControl : public Window {
 public:
  explicit AttributeImageControl(ErrorLogger* logger)
      : Window("img_ChangeDirAttrib"), field_(editor_, logger) {
    SetErrorLogger(logger);
  }

  // Takes over the static control `image` and the hidden edit `field` the window made.
  // `field_closed` runs after the letter field closed.
  void Attach(HINSTANCE instance, HWND image, HWND field, std::function<void()> field_closed);
  HWND Image() const { return image_; }
  HWND Field() const { return field_.hwnd(); }

  const DirAttributeSet& Set() const { return editor_.Set(); }
  bool FieldOpen() const { return editor_.FieldOpen(); }

  // The menu below the image's right edge; the window title with the new set, nothing
  // when the menu was dismissed.
  std::optional<std::string> ShowMenu(HWND owner, const LanguageTable& language,
                                      const std::string& app_title, InputMode mode);
  void OpenLetters();
  // EN_CHANGE of the letter field: the window title with the typed set; nothing while the
  // field is closed.
  std::optional<std::string> FieldChanged(const std::string& app_title, InputMode mode);

 protected:
  LRESULT OnMessage(HWND image, UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  bool Paint();
  void Pointer(bool entered);

  AttributeEditor editor_;
  AttributeLetterField field_;
  HINSTANCE instance_ = nullptr;
  HWND image_ = nullptr;
  bool hovered_ = false;
};

}  // namespace kestrix
