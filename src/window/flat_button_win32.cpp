#include "window/flat_button_win32.h"

#include <string>

#include "platform/win32/wide_text.h"
#include "window/dpi_win32.h"

namespace kestrix {

namespace {

constexpr int kTintHover = 40;
constexpr int kTintPressed = 80;
constexpr int kGap96 = 4;
constexpr BYTE kDisabledGlyphAlpha = 96;

// The caption as the drawing calls take it.
std::wstring WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
  SetDCBrushColor(dc, color);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF color) {
  SetDCBrushColor(dc, color);
  FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace

COLORREF BlendColor(COLORREF base, COLORREF over, int share) {
  auto mix = [share](int a, int b) { return (a * (255 - share) + b * share + 127) / 255; };
  return RGB(mix(GetRValue(base), GetRValue(over)), mix(GetGValue(base), GetGValue(over)),
             mix(GetBValue(base), GetBValue(over)));
}

bool FlatButton::Create(HWND parent, ControlId id, const RECT& bounds, const char* caption,
                        ErrorLogger* logger, DWORD style) {
  SetErrorLogger(logger);
  const std::wstring class_name = Wide(kClassName);
  WNDCLASSEXW wc = {};
  wc.style = CS_DBLCLKS;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_HAND);
  wc.lpszClassName = class_name.c_str();
  if (!RegisterClassOnce(wc)) return false;
  return CreateOwnWindow(0, kClassName, caption,
                         WS_CHILD | (style & (WS_VISIBLE | WS_TABSTOP | WS_DISABLED)), bounds,
                         parent, id.value());
}

// A hidden button is painted whole when it is shown: asking for a repaint before that is
// a server request for nothing, and a start sets the colours and glyphs of every button
// before the window shows.
void FlatButton::Repaint() const {
  if (hwnd() != nullptr && IsWindowVisible(hwnd())) InvalidateRect(hwnd(), nullptr, FALSE);
}

void FlatButton::SetGlyph(PngImage glyph) {
  glyph_ = std::move(glyph);
  Repaint();
}

void FlatButton::SetColors(const FlatButtonColors& colors) {
  colors_ = colors;
  Repaint();
}

LRESULT FlatButton::OnMessage(HWND, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      Paint(dc);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      OnMouseMove();
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown();
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(lparam);
      return 0;
    case WM_CAPTURECHANGED:
      if (pressed_) {
        pressed_ = false;
        Repaint();
      }
      return 0;
    case WM_KEYDOWN:
      if (wparam == VK_SPACE || wparam == VK_RETURN) {
        Press();
        return 0;
      }
      break;
    case BM_CLICK:
      Press();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      Repaint();
      return 0;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcW(hwnd(), message, wparam, lparam);
      Repaint();
      return result;
    }
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam) != 0) Repaint();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    default:
      break;
  }
  return DefWindowProcW(hwnd(), message, wparam, lparam);
}

void FlatButton::SetHovered(bool hovered) {
  if (hovered_ == hovered) return;
  hovered_ = hovered;
  Repaint();
}

void FlatButton::OnMouseMove() {
  if (hovered_) return;
  TRACKMOUSEEVENT track = {};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = hwnd();
  TrackMouseEvent(&track);
  SetHovered(true);
}

void FlatButton::OnMouseLeave() {
  SetHovered(false);
}

void FlatButton::OnButtonDown() {
  if (!IsWindowEnabled(hwnd())) return;
  SetFocus(hwnd());
  SetCapture(hwnd());
  pressed_ = true;
  Repaint();
}

void FlatButton::OnButtonUp(LPARAM lparam) {
  if (!pressed_) return;
  pressed_ = false;
  ReleaseCapture();
  Repaint();
  RECT client;
  GetClientRect(hwnd(), &client);
  const POINT at = {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  if (PtInRect(&client, at)) Press();
}

void FlatButton::Press() {
  if (!IsWindowEnabled(hwnd())) return;
  const int id = GetDlgCtrlID(hwnd());
  SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(hwnd()));
}

void FlatButton::Paint(HDC target) {
  RECT client;
  GetClientRect(hwnd(), &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  HDC memory = CreateCompatibleDC(target);
  HBITMAP canvas = CreateCompatibleBitmap(target, client.right, client.bottom);
  if (memory == nullptr || canvas == nullptr) {
    if (canvas != nullptr) DeleteObject(canvas);
    if (memory != nullptr) DeleteDC(memory);
    return;
  }
  HGDIOBJ old_canvas = SelectObject(memory, canvas);
  DrawFace(memory, client);
  BitBlt(target, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old_canvas);
  DeleteObject(canvas);
  DeleteDC(memory);
}

void FlatButton::DrawFace(HDC dc, const RECT& client) {
  const bool enabled = IsWindowEnabled(hwnd()) != FALSE;
  const int dpi = SystemDpi();
  COLORREF face = colors_.face;
  if (enabled && pressed_)
    face = BlendColor(colors_.face, colors_.accent, kTintPressed);
  else if (enabled && hovered_)
    face = BlendColor(colors_.face, colors_.accent, kTintHover);
  FillSolid(dc, client, face);
  if (enabled && (hovered_ || pressed_)) FrameSolid(dc, client, colors_.accent);

  HGDIOBJ old_font = SelectObject(
      dc, font_ != nullptr ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
  const std::wstring caption = WindowText(hwnd());
  RECT text_size = {0, 0, 0, 0};
  if (!caption.empty()) DrawTextW(dc, caption.c_str(), -1, &text_size, DT_SINGLELINE | DT_CALCRECT);
  int glyph_side = glyph_.IsEmpty() ? 0 : ScaleForDpi(kGlyphSide96, dpi);
  // A caption with no room beside its glyph (a language's longer word) is shown whole
  // without it, never cut.
  if (glyph_side > 0 && !caption.empty() &&
      glyph_side + ScaleForDpi(kGap96 + 4, dpi) + text_size.right > client.right)
    glyph_side = 0;
  const int gap = glyph_side > 0 && !caption.empty() ? ScaleForDpi(kGap96, dpi) : 0;
  const int content = glyph_side + gap + text_size.right;
  const int shift = pressed_ ? 1 : 0;
  int x = (client.right - content) / 2 + shift;

  if (glyph_side > 0) {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old_glyph = SelectObject(source, glyph_.Bitmap());
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, enabled ? BYTE{255} : kDisabledGlyphAlpha, AC_SRC_ALPHA};
    const int y = (client.bottom - glyph_side) / 2 + shift;
    AlphaBlend(dc, x, y, glyph_side, glyph_side, source, 0, 0, glyph_.Width(), glyph_.Height(),
               blend);
    SelectObject(source, old_glyph);
    DeleteDC(source);
    x += glyph_side + gap;
  }
  if (!caption.empty()) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled ? colors_.text : GetSysColor(COLOR_GRAYTEXT));
    RECT text_rect = {x, shift, x + text_size.right, client.bottom + shift};
    DrawTextW(dc, caption.c_str(), -1, &text_rect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  }
  SelectObject(dc, old_font);

  if (GetFocus() == hwnd()) {
    const int inset = ScaleForDpi(3, dpi);
    RECT focus = {client.left + inset, client.top + inset, client.right - inset,
                  client.bottom - inset};
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace kestrix
