#pragma once
// An owner-drawn flat button: a glyph and an optional caption on the window's own
// background, a tinted face and an accent frame while the pointer is over it or it is
// pressed, a dimmed look when disabled and a focus rectangle when it has the keyboard.
// A click (mouse, Space, Enter or BM_CLICK) sends WM_COMMAND with BN_CLICKED to the parent,
// as a push button does. Painting goes through a memory bitmap, so hover changes never
// flicker. The caption is the window text.
#include "platform/win32/png_image_win32.h"
#include "window/control_id.h"
#include "window/window.h"

namespace kestrix {

struct FlatButtonColors {
  COLORREF face = RGB(240, 240, 240);  // the background the button sits on
  COLORREF text = RGB(0, 0, 0);
  COLORREF accent = RGB(0x35, 0x9C, 0xEB);  // frame and tint while hovered or pressed
};

class FlatButton : public Window {
 public:
  static constexpr char kClassName[] = "KestrixFlatButton";
  // The glyph's side at 96 DPI; it is drawn scaled to the window's DPI.
  static constexpr int kGlyphSide96 = 16;

  FlatButton() : Window("FlatButton") {}

  // Creates the button as a child of `parent` at `bounds` (pixels); `style` says whether it
  // is shown, enabled and a tab stop. False on failure.
  bool Create(HWND parent, ControlId id, const RECT& bounds, const char* caption,
              ErrorLogger* logger = nullptr, DWORD style = WS_VISIBLE | WS_TABSTOP);

  void SetGlyph(PngImage glyph);
  const PngImage& Glyph() const { return glyph_; }
  void SetColors(const FlatButtonColors& colors);
  const FlatButtonColors& Colors() const { return colors_; }
  bool IsHovered() const { return hovered_; }
  bool IsPressed() const { return pressed_; }

 private:
  LRESULT OnMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) override;
  void Repaint() const;
  void OnMouseMove();
  void OnMouseLeave();
  void OnButtonDown();
  void OnButtonUp(LPARAM lparam);
  void Press();
  void Paint(HDC target);
  void DrawFace(HDC dc, const RECT& client);
  void SetHovered(bool hovered);

  PngImage glyph_;
  FlatButtonColors colors_;
  HFONT font_ = nullptr;
  bool hovered_ = false;
  bool pressed_ = false;
};

// `share` of `over` mixed into `base` (0..255).
COLORREF BlendColor(COLORREF base, COLORREF over, int share);

}  // namespace kestrix
