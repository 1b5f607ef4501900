#pragma once
// Every window describes its child controls in one static table: class, caption (a language
// key or a fixed text), style, id, place at 96 DPI and anchor. One call makes them all in
// the dialog font with the captions of the current language; one resizer per window keeps
// the anchored ones at their distances from the right and bottom edges when it is resized.
#include <span>
#include <string>
#include <vector>

#include "platform/win32/windows_api.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"
#include "window/control_id.h"

namespace kestrix {

// A control's caption: a language text with a fixed ending (such as ":"), a fixed text
// ("+", "#", "..."), or none.
struct Caption {
  const LanguageKey* key = nullptr;
  const char* text = "";  // the fixed text, or the ending after the language text

  constexpr Caption() = default;
  // Implicit, so that a table row names a fixed text or a language key as its caption.
  constexpr Caption(const char* fixed) : text(fixed) {}
  constexpr Caption(const LanguageKey& language_key, const char* ending = "")
      : key(&language_key), text(ending) {}

  // The caption as shown in `language`.
  std::string In(const LanguageTable& language) const;
};

// A place in the window's client area (or in the control named as parent), at 96 DPI.
struct Place {
  int x, y, width, height;
};
// A place written in a table: reads as one argument, so that a row keeps to one or two lines.
constexpr Place At(int x, int y, int width, int height) {
  return {x, y, width, height};
}

// Which edges of a control keep their distance to the window's right and bottom edges; the
// others keep theirs to the left and top.
enum class Anchor : unsigned {
  kNone = 0,
  kLeftEdge = 1,
  kRightEdge = 2,
  kTopEdge = 4,
  kBottomEdge = 8,
  kRight = kLeftEdge | kRightEdge,   // moves with the right edge
  kBottom = kTopEdge | kBottomEdge,  // moves with the bottom edge
  kBottomRight = kRight | kBottom,
  kWidth = kRightEdge,    // grows with the width
  kHeight = kBottomEdge,  // grows with the height
  kSize = kWidth | kHeight,
};
constexpr Anchor operator|(Anchor a, Anchor b) {
  return static_cast<Anchor>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool Has(Anchor anchor, Anchor edge) {
  return (static_cast<unsigned>(anchor) & static_cast<unsigned>(edge)) != 0;
}

// Class names and captions are UTF-8; the controls are made with the wide calls, so they
// show and take text in any script.
struct ControlSpec {
  const char* class_name;
  Caption caption;
  DWORD style;  // WS_CHILD is added; WS_VISIBLE is not (a control may start hidden)
  ControlId id;
  Place place;
  Anchor anchor = Anchor::kNone;
  DWORD ex_style = 0;
  ControlId parent = 0;  // the id of the control it lies in (then not anchored); 0: the window
};

// Styles the tables share.
namespace spec {
inline constexpr DWORD kShown = WS_VISIBLE;
inline constexpr DWORD kGroupBox = WS_VISIBLE | BS_GROUPBOX;
inline constexpr DWORD kPush = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
inline constexpr DWORD kDefaultPush = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
inline constexpr DWORD kCheck = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
// The first radio button of a group starts it and takes the tab stop; the arrow keys move
// between the others.
inline constexpr DWORD kFirstRadio = WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON;
inline constexpr DWORD kRadio = WS_VISIBLE | BS_AUTORADIOBUTTON;
inline constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
inline constexpr DWORD kComboEdit =
    WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
inline constexpr DWORD kDropList = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
}  // namespace spec

// Keeps anchored controls at their distances from the right and bottom edges. The places
// are remembered against the client size the table is written for; Resize moves them for
// the client size the window has now.
class AnchorResizer {
 public:
  // The client size the table's places are written for, at 96 DPI.
  void SetDesignSize(int width, int height);
  // `bounds` in pixels, as placed for the design size.
  void Add(HWND control, Anchor anchor, const RECT& bounds);
  // Places the anchored controls for a client area of `width` x `height` pixels.
  void Resize(HWND parent, int width, int height) const;
  // The same for the parent's client area as it is now.
  void Resize(HWND parent) const;
  bool Empty() const { return entries_.empty(); }

 private:
  struct Entry {
    HWND control;
    Anchor anchor;
    RECT bounds;
  };
  SIZE design_ = {};
  std::vector<Entry> entries_;
};

// Makes the controls of `specs` as children of `window` (or of the control a spec names as
// its parent), in the dialog font, sizes scaled from 96 DPI, captions from `language`.
// Anchored controls are registered with `resizer` when one is given.
void CreateControls(HWND window, std::span<const ControlSpec> specs, const LanguageTable& language,
                    AnchorResizer* resizer = nullptr);

// Sets again the captions of `specs` that come from the language table (a window that
// follows a change of the interface language).
void ApplyCaptions(HWND window, std::span<const ControlSpec> specs, const LanguageTable& language);

// Widens a combo box's drop-down list to its widest item in the box's font (never narrower
// than the box): an entry the list cuts cannot be told from the next.
void FitDroppedWidth(HWND combo);

}  // namespace kestrix
