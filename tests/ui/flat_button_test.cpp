// The flat button in a real window: what it paints in each state and theme, the commands
// it sends, and the appearance helpers (layered transparency, fonts, control colours).
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/win32/file_system_win32.h"
#include "settings/themes.h"
#include "ui/appearance_win32.h"
#include "ui/dpi_win32.h"
#include "ui/flat_button_win32.h"

namespace kestrix {
namespace {

constexpr int kButtonId = 1234;
constexpr int kWidth = 96;
constexpr int kHeight = 28;

// A plain parent window that counts the BN_CLICKED commands it gets.
// When `bands` is set, its background is drawn as horizontal bands of those colours.
struct Parent {
  HWND hwnd = nullptr;
  int clicks = 0;
  int last_id = 0;
  std::vector<COLORREF> bands;
  int band_height = 0;

  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<Parent*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self != nullptr && message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
      ++self->clicks;
      self->last_id = LOWORD(wparam);
      return 0;
    }
    if (self != nullptr && message == WM_ERASEBKGND && !self->bands.empty()) {
      RECT client;
      GetClientRect(hwnd, &client);
      SolidBrush brush;
      for (size_t i = 0; i < self->bands.size(); ++i) {
        RECT band = {0, static_cast<int>(i) * self->band_height, client.right,
                     static_cast<int>(i + 1) * self->band_height};
        if (i + 1 == self->bands.size()) band.bottom = client.bottom;
        FillRect(reinterpret_cast<HDC>(wparam), &band, brush.Get(self->bands[i]));
      }
      return 1;
    }
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }

  void Create(int width = 300, int height = 120) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "KestrixFlatButtonTestParent";
    RegisterClassExA(&wc);
    hwnd = CreateWindowExA(0, wc.lpszClassName, "Flat buttons", WS_OVERLAPPEDWINDOW, 40, 40, width,
                           height, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~Parent() {
    if (hwnd != nullptr) DestroyWindow(hwnd);
  }
};

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// What the window paints into a client-sized 32-bit bitmap, as 0x00RRGGBB per pixel.
std::vector<uint32_t> Capture(HWND hwnd) {
  RECT client;
  GetClientRect(hwnd, &client);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = client.right;
  info.bmiHeader.biHeight = -client.bottom;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  const auto* pixels = static_cast<const uint32_t*>(bits);
  std::vector<uint32_t> result(pixels, pixels + client.right * client.bottom);
  for (uint32_t& p : result) p &= 0xFFFFFF;
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return result;
}

uint32_t AsPixel(COLORREF color) {
  return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

PngImage Glyph(const char* name) {
  PngImage image;
  std::string error;
  EXPECT_TRUE(LoadPngResource(nullptr, name, image, error)) << error;
  return image;
}

FlatButtonColors ThemeButtonColors(int theme) {
  Appearance look;
  Win32FileSystem files;
  look = ChangeColors(look, {true, true, theme, "", ""}, files, "C:\\").appearance;
  return FlatButtonColorsFor(look);
}

int CountPixels(const std::vector<uint32_t>& pixels, uint32_t value) {
  int count = 0;
  for (uint32_t p : pixels) count += p == value ? 1 : 0;
  return count;
}

class FlatButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent.Create();
    RECT bounds = {10, 10, 10 + kWidth, 10 + kHeight};
    ASSERT_TRUE(button.Create(parent.hwnd, kButtonId, bounds, "OK"));
    button.SetGlyph(Glyph("THEME_SKY_OK"));
    button.SetColors(ThemeButtonColors(0));
    ShowWindow(parent.hwnd, SW_SHOWNOACTIVATE);
    PumpMessages();
  }

  Parent parent;
  FlatButton button;
};

TEST_F(FlatButtonTest, PaintsFaceGlyphAndCaption) {
  const std::vector<uint32_t> pixels = Capture(button.hwnd());
  ASSERT_EQ(pixels.size(), static_cast<size_t>(kWidth * kHeight));
  const uint32_t face = AsPixel(button.Colors().face);
  EXPECT_EQ(pixels.front(), face);
  EXPECT_EQ(pixels.back(), face);
  // The glyph's solid strokes are the SKY accent; the caption adds more text-coloured ink.
  EXPECT_GT(CountPixels(pixels, 0x359CEB), 10);
  EXPECT_LT(CountPixels(pixels, face), kWidth * kHeight - 20);
}

TEST_F(FlatButtonTest, HoverTintsTheFaceAndFramesItUntilThePointerLeaves) {
  const std::vector<uint32_t> normal = Capture(button.hwnd());
  SendMessageA(button.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(button.IsHovered());
  const std::vector<uint32_t> hovered = Capture(button.hwnd());
  EXPECT_NE(hovered, normal);
  EXPECT_EQ(hovered.front(), AsPixel(button.Colors().accent));  // the frame
  const uint32_t tinted = AsPixel(BlendColor(button.Colors().face, button.Colors().accent, 40));
  EXPECT_EQ(hovered[2 * kWidth + 2], tinted);

  SendMessageA(button.hwnd(), WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(button.IsHovered());
  EXPECT_EQ(Capture(button.hwnd()), normal);
}

TEST_F(FlatButtonTest, ThemesChangeFaceAndText) {
  const std::vector<uint32_t> sky = Capture(button.hwnd());
  button.SetColors(ThemeButtonColors(3));
  button.SetGlyph(Glyph("THEME_PINK_OK"));
  const std::vector<uint32_t> pink = Capture(button.hwnd());
  EXPECT_EQ(pink.front(), 0xFBEDF9u);
  EXPECT_EQ(sky.front(), 0xE3EEF3u);
  EXPECT_GT(CountPixels(pink, 0xEE3DAA), 10);
  EXPECT_EQ(CountPixels(pink, 0x359CEB), 0);
}

TEST_F(FlatButtonTest, DisabledLooksDimmedAndDoesNotClick) {
  const std::vector<uint32_t> enabled = Capture(button.hwnd());
  EnableWindow(button.hwnd(), FALSE);
  const std::vector<uint32_t> disabled = Capture(button.hwnd());
  EXPECT_NE(disabled, enabled);
  EXPECT_EQ(CountPixels(disabled, 0x359CEB), 0);  // no full-strength glyph stroke left
  SendMessageA(button.hwnd(), BM_CLICK, 0, 0);
  SendMessageA(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(parent.clicks, 0);
}

TEST_F(FlatButtonTest, ClicksReachTheParentAsBnClicked) {
  struct Case {
    const char* what;
    std::vector<std::pair<UINT, LPARAM>> messages;
    WPARAM key;
    int clicks;
  };
  const Case cases[] = {
      {"BM_CLICK", {{BM_CLICK, 0}}, 0, 1},
      {"press and release inside",
       {{WM_LBUTTONDOWN, MAKELPARAM(5, 5)}, {WM_LBUTTONUP, MAKELPARAM(20, 10)}},
       0,
       1},
      {"release outside",
       {{WM_LBUTTONDOWN, MAKELPARAM(5, 5)}, {WM_LBUTTONUP, MAKELPARAM(500, 5)}},
       0,
       0},
      {"release without press", {{WM_LBUTTONUP, MAKELPARAM(5, 5)}}, 0, 0},
      {"space", {{WM_KEYDOWN, 0}}, VK_SPACE, 1},
      {"enter", {{WM_KEYDOWN, 0}}, VK_RETURN, 1},
      {"other key", {{WM_KEYDOWN, 0}}, 'A', 0},
  };
  for (const Case& c : cases) {
    parent.clicks = 0;
    for (const auto& [message, lparam] : c.messages)
      SendMessageA(button.hwnd(), message, message == WM_KEYDOWN ? c.key : 0, lparam);
    EXPECT_EQ(parent.clicks, c.clicks) << c.what;
    if (c.clicks > 0) {
      EXPECT_EQ(parent.last_id, kButtonId) << c.what;
    }
    EXPECT_FALSE(button.IsPressed()) << c.what;
  }
}

TEST_F(FlatButtonTest, FocusDrawsARectangleAndCaptionFollowsWindowText) {
  SetForegroundWindow(parent.hwnd);
  const std::vector<uint32_t> plain = Capture(button.hwnd());
  SetFocus(button.hwnd());
  ASSERT_EQ(GetFocus(), button.hwnd());
  const std::vector<uint32_t> focused = Capture(button.hwnd());
  EXPECT_NE(focused, plain);
  EXPECT_EQ(focused.front(), plain.front());  // the rectangle sits inside the face
  SetFocus(parent.hwnd);

  SetWindowTextA(button.hwnd(), "Enter");
  EXPECT_NE(Capture(button.hwnd()), plain);
  SetWindowTextA(button.hwnd(), "OK");
  EXPECT_EQ(Capture(button.hwnd()), plain);
}

TEST_F(FlatButtonTest, ChosenFontSizesAndTheButtonRedrawsInANewFont) {
  WindowFont font;
  EXPECT_EQ(font.Create(ChooseFont("Default", 8), nullptr, 96), nullptr);
  HFONT larger = font.Create(ChooseFont("Default", 10), nullptr, 96);
  ASSERT_NE(larger, nullptr);
  LOGFONTA chosen = {}, designed = {};
  GetObjectA(larger, sizeof chosen, &chosen);
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof designed, &designed);
  EXPECT_EQ(chosen.lfHeight, -13);  // 10 points at 96 DPI
  EXPECT_STREQ(chosen.lfFaceName, designed.lfFaceName);

  HFONT tahoma = font.Create(ChooseFont("Tahoma", 12), nullptr, 144);
  GetObjectA(tahoma, sizeof chosen, &chosen);
  EXPECT_EQ(chosen.lfHeight, -24);
  EXPECT_STREQ(chosen.lfFaceName, "Tahoma");

  const std::vector<uint32_t> before = Capture(button.hwnd());
  SendMessageA(button.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(tahoma), TRUE);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(button.hwnd(), WM_GETFONT, 0, 0)), tahoma);
  EXPECT_NE(Capture(button.hwnd()), before);
}

TEST_F(FlatButtonTest, LayeredTransparencyIsSetAndCleared) {
  ASSERT_TRUE(ApplyTransparency(parent.hwnd, TransparencyFor(200)));
  EXPECT_NE(GetWindowLongPtrA(parent.hwnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(parent.hwnd, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 200);
  EXPECT_EQ(flags & LWA_ALPHA, static_cast<DWORD>(LWA_ALPHA));

  ASSERT_TRUE(ApplyTransparency(parent.hwnd, TransparencyFor(255)));
  EXPECT_EQ(GetWindowLongPtrA(parent.hwnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

TEST(ControlColors, BrushFollowsTheColourAndIsReused) {
  SolidBrush brush;
  HDC dc = CreateCompatibleDC(nullptr);
  const LRESULT first = ColorControl(dc, RGB(1, 2, 3), RGB(0xE3, 0xEE, 0xF3), brush);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkColor(dc), RGB(0xE3, 0xEE, 0xF3));
  EXPECT_EQ(ColorControl(dc, RGB(9, 9, 9), RGB(0xE3, 0xEE, 0xF3), brush), first);
  LOGBRUSH description = {};
  GetObjectA(reinterpret_cast<HBRUSH>(ColorControl(dc, 0, RGB(0xFB, 0xED, 0xF9), brush)),
             sizeof description, &description);
  EXPECT_EQ(description.lbColor, RGB(0xFB, 0xED, 0xF9));
  DeleteDC(dc);
  EXPECT_EQ(ResolveColor(ThemeColor::System(SystemColor::kButtonFace)), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ResolveColor(ThemeColor::Fixed(HexRgb(0x123456))), RGB(0x12, 0x34, 0x56));
}

// A window with the flat buttons in two themes, for looking at: the pointer rests on
// SKY's Cancel, NIGHTFALL's undo is disabled. It stays open for KESTRIX_SHOWCASE_SECONDS
// seconds (0 when unset) so a screenshot can be taken.
TEST(FlatButtonShowcase, TwoThemesSideBySide) {
  struct Row {
    int theme;
    const char* name;
  };
  const Row rows[] = {{0, "SKY"}, {2, "NIGHTFALL"}};
  const char* const captions[] = {"OK", "Cancel", "&Options"};
  const GlyphRole roles[] = {GlyphRole::kOk, GlyphRole::kCancel, GlyphRole::kOptions};
  const int dpi = SystemDpi();
  auto px = [dpi](int value96) { return ScaleForDpi(value96, dpi); };
  const int row_height = px(56);
  Parent parent;
  for (const Row& row : rows) parent.bands.push_back(ThemeButtonColors(row.theme).face);
  parent.band_height = row_height;
  parent.Create(px(420), 2 * row_height + GetSystemMetrics(SM_CYCAPTION) +
                             2 * GetSystemMetrics(SM_CYFRAME) + px(4));
  SetWindowTextA(parent.hwnd, "Flat buttons: SKY and NIGHTFALL");
  std::vector<std::unique_ptr<FlatButton>> buttons;
  int y = 0;
  for (const Row& row : rows) {
    const FlatButtonColors colors = ThemeButtonColors(row.theme);
    for (int i = 0; i < 4; ++i) {
      auto button = std::make_unique<FlatButton>();
      const bool undo = i == 3;
      RECT bounds = {px(12 + i * 96), y + px(13), px(12 + i * 96 + (undo ? 30 : 88)),
                     y + px(13 + 30)};
      ASSERT_TRUE(button->Create(parent.hwnd, 100 + i, bounds, undo ? "" : captions[i]));
      button->SetColors(colors);
      button->SetGlyph(Glyph((ThemeGlyphName(row.name, undo ? GlyphRole::kUndo : roles[i]) +
                              GlyphSizeForDpi(dpi).suffix)
                                 .c_str()));
      buttons.push_back(std::move(button));
    }
    y += row_height;
  }
  EnableWindow(buttons[7]->hwnd(), FALSE);
  ShowWindow(parent.hwnd, SW_SHOW);
  SetForegroundWindow(parent.hwnd);
  PumpMessages();
  RECT cancel;
  GetWindowRect(buttons[1]->hwnd(), &cancel);
  SetCursorPos(cancel.left + 20, cancel.top + 8);
  SendMessageA(buttons[1]->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 8));
  UpdateWindow(parent.hwnd);
  EXPECT_TRUE(buttons[1]->IsHovered());
  EXPECT_FALSE(buttons[0]->IsHovered());
  const char* seconds = std::getenv("KESTRIX_SHOWCASE_SECONDS");
  const DWORD until = GetTickCount() + (seconds != nullptr ? std::atoi(seconds) * 1000 : 0);
  do {
    PumpMessages();
    Sleep(20);
  } while (static_cast<LONG>(until - GetTickCount()) > 0);
}

}  // namespace
}  // namespace kestrix
