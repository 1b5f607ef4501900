#pragma once
// The Win32 side of the attributes editor: the popup menu `PopupMenu_ChangeDirAttrib` and
// the letter field `edit_Attrib`. Both only show what the portable AttributeEditor holds.
//
// The main window uses them like this:
//   left click on img_ChangeDirAttrib, Ctrl+Q:
//     if (auto a = ShowAttributeMenu(hwnd, corner, editor.Set(), language, nullptr))
//       Apply(editor.ToggleFromMenu(*a, title, mode));      // title, and the field via ShowUpdate
//   right click, Ctrl+Shift+Q:  letter_field.Open();
//   WM_COMMAND EN_CHANGE from the field: Apply(letter_field.Changed(title, mode));
#include <functional>
#include <optional>
#include <string>

#include "create/attribute_editor.h"
#include "settings/language_table.h"
#include "window/control_id.h"
#include "window/window.h"

namespace kestrix {

// Command ids of the four entries, in the order r, a, h, s.
inline constexpr UINT kAttributeMenuFirstId = 0x5401;

// The attribute of a menu command id, nothing for other ids.
std::optional<DirAttribute> AttributeFromMenuId(UINT id);

// A new popup menu with the four entries, captions from the language table (section
// "Captions - Program"), each checked when its attribute is set. `images` may hold four
// bitmaps shown beside the entries (nullptr: plain check marks only). The caller destroys
// the menu.
HMENU BuildAttributeMenu(const DirAttributeSet& set, const LanguageTable& language,
                         const HBITMAP* images = nullptr);

// Shows the menu with its upper left corner at `screen_point` (the image's upper right
// corner) and waits for the choice: the attribute clicked, nothing when the menu was
// dismissed.
std::optional<DirAttribute> ShowAttributeMenu(HWND owner, POINT screen_point,
                                              const DirAttributeSet& set,
                                              const LanguageTable& language,
                                              const HBITMAP* images = nullptr);

// `edit_Attrib`: a borderless one-line edit that shows lower case and at most four
// characters, hidden and disabled until opened. Typed characters pass the letter filter;
// losing the focus or Escape closes it.
class AttributeLetterField : public Window {
 public:
  AttributeLetterField(AttributeEditor& editor, ErrorLogger* logger)
      : Window("edit_Attrib"), editor_(editor) {
    SetErrorLogger(logger);
  }

  // Creates the edit as a child of `parent` with the control id `id` at `bounds` (client
  // pixels). `on_closed` runs after the field closed (the image goes back to normal).
  bool Create(HWND parent, ControlId id, const RECT& bounds, std::function<void()> on_closed);
  // Takes over an edit the window already made (hidden, disabled, lower case); the same
  // as Create from then on.
  bool Attach(HWND edit, std::function<void()> on_closed);
  HWND hwnd() const { return edit_; }

  // Opens the field: the set letters, enabled, shown, focused, all selected.
  void Open();
  // Closes the field: disabled and hidden; the set stays as typed.
  void Close();
  // The field's text changed (EN_CHANGE): the set follows the letters; the returned update
  // carries the title. The field is rewritten in the order r, a, h, s.
  AttributeUpdate Changed(const std::string& app_title, InputMode mode);
  // After a change made elsewhere (the menu): shows the update's letters while open.
  void ShowUpdate(const AttributeUpdate& update);

 private:
  LRESULT OnMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) override;
  std::string Text() const;

  AttributeEditor& editor_;
  HWND edit_ = nullptr;
  std::function<void()> on_closed_;
  bool closing_ = false;
};

}  // namespace kestrix
