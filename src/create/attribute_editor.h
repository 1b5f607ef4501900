#pragma once
// The attributes editor of the main window: the set chosen for new directories, its menu
// entries, its letter field and the texts derived from it. The window keeps one
// AttributeEditor and shows what its results say; nothing here touches a window.
//
// The set is not stored anywhere: every run of the program starts with none chosen.
#include <cstddef>
#include <string>
#include <string_view>

#include "base/program_version.h"
#include "create/dir_attributes.h"
#include "names/input_mode.h"
#include "settings/language_keys.h"

namespace kestrix {

// The four attributes in their fixed order r, a, h, s (menu order and text order).
enum class DirAttribute { kReadOnly, kArchive, kHidden, kSystem };
inline constexpr DirAttribute kDirAttributeOrder[] = {
    DirAttribute::kReadOnly, DirAttribute::kArchive, DirAttribute::kHidden, DirAttribute::kSystem};

// "r", "a", "h", "s".
char AttributeLetter(DirAttribute attribute);
bool HasAttribute(const DirAttributeSet& set, DirAttribute attribute);
void SetAttribute(DirAttributeSet& set, DirAttribute attribute, bool on);

// "[" + one character per attribute (its letter when set, "-" when not) + "]", so
// "[r-h-]"; empty when none is set.
std::string AttributeTag(const DirAttributeSet& set);
// The set letters in the order r, a, h, s ("rh"): the letter field's text.
std::string AttributeLetters(const DirAttributeSet& set);
// Each attribute whose letter occurs in the text. Upper case counts too: the field shows
// lower case, but a paste is not filtered like typing is.
DirAttributeSet AttributesFromLetters(std::string_view text);

// The version the window title shows outside Normal mode.
// The title after ChangeToNormal: application title, " ", tag (a lone trailing blank
// when no attribute is set).
std::string NormalModeTitle(std::string_view app_title, const DirAttributeSet& set);
// The title after ChangeToExt: application title, " 1.6.0.5 ", tag.
std::string ExtendedModeTitle(std::string_view app_title, const DirAttributeSet& set);
// The title after a change of the set: the Normal form in Normal mode, else application
// title, " v1.6.0.5 ", tag (this form carries the "v" the ChangeToExt form lacks).
std::string AttributeChangeTitle(std::string_view app_title, InputMode mode,
                                 const DirAttributeSet& set);

// One entry of the attributes menu `PopupMenu_ChangeDirAttrib`, in menu order.
struct AttributeMenuEntry {
  DirAttribute attribute;
  const char* name;  // the item's name, "Attrib_ReadOnly" ...
  LanguageKey caption;
};
extern const AttributeMenuEntry kAttributeMenuEntries[4];

// Characters the letter field's filter knows besides the four letters.
inline constexpr char kCharCtrlA = 1;
inline constexpr char kCharBackspace = 8;

// What the letter field does with a typed character.
struct LetterKeyDecision {
  bool accept = false;      // let the edit control take the character
  bool select_all = false;  // select the whole text (Ctrl+A); the character is discarded
};
// The letter field's character filter. `selection_start` and `selection_length` are the
// field's selection in characters; a selection reaching past the text counts as reaching
// its end.
//   Ctrl+A             -> select all, discard
//   r, a, h, s         -> taken when the whole text is selected (it replaces it), else
//                         taken only when the text does not hold it yet
//   Backspace          -> taken
//   anything else      -> discarded, upper-case letters included
LetterKeyDecision FilterAttributeLetter(char typed, std::string_view text,
                                        std::size_t selection_start, std::size_t selection_length);

// The images of `img_ChangeDirAttrib` in the window's image list.
enum AttributeImage : int {
  kAttributeImageNormal = 10,
  kAttributeImageHot = 11,
  kAttributeImageEditing = 12,
};

// The glyph resource drawn for an image index: "ICON_Attrib_NORMAL", "ICON_Attrib_HOVER",
// "ICON_Attrib_EDIT"; the normal one for any other index.
const char* AttributeImageResource(int image_index);

// What the window shows after a change of the set.
struct AttributeUpdate {
  std::string title;
  // While the letter field is open: the text it must show (the set letters). The window
  // sets it only when it differs from the field's text (setting it is a change again), then
  // puts the caret at the end.
  bool field_open = false;
  std::string field_text;
};

class AttributeEditor {
 public:
  const DirAttributeSet& Set() const { return set_; }
  bool IsChecked(DirAttribute attribute) const { return HasAttribute(set_, attribute); }
  bool FieldOpen() const { return field_open_; }
  // The image `img_ChangeDirAttrib` shows now.
  int ImageIndex() const { return image_; }

  // A click on a menu entry: its check mark flips.
  AttributeUpdate ToggleFromMenu(DirAttribute attribute, std::string_view app_title,
                                 InputMode mode);
  // Opens the letter field; the text it shows, to be selected entirely.
  std::string OpenField();
  // Every change of the letter field's text: the set becomes the letters it holds.
  AttributeUpdate FieldChanged(std::string_view text, std::string_view app_title, InputMode mode);
  // The field lost the focus or Escape was pressed; the set stays as typed.
  void CloseField();
  void PointerEntered();
  void PointerLeft();

 private:
  AttributeUpdate Updated(std::string_view app_title, InputMode mode) const;

  DirAttributeSet set_;
  bool field_open_ = false;
  int image_ = kAttributeImageNormal;
};

}  // namespace kestrix
