// The flat button in a real window: what it paints in each state and the commands it
// sends. Its use in the main window (themes, fonts, OK state) is the window tests' part.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/file_system_win32.h"
#include "settings/themes.h"
#include "ui/appearance_win32.h"
#include "ui/flat_button_win32.h"

namespace kestrix {
namespace {

constexpr int kButtonId = 1234;
constexpr int kWidth = 96;
constexpr int kHeight = 28;

// A plain parent window that counts the BN_CLICKED commands it gets.
int g_clicks = 0;
int g_last_id = 0;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
    ++g_clicks;
    g_last_id = LOWORD(wparam);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

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

FlatButtonColors SkyButtonColors() {
  Appearance look;
  Win32FileSystem files;
  look = ChangeColors(look, {true, true, 0, "", ""}, files, "C:\\").appearance;
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
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "KestrixFlatButtonTestParent";
    RegisterClassA(&wc);
    parent = CreateWindowExA(0, wc.lpszClassName, "Flat button", WS_OVERLAPPEDWINDOW, 40, 40, 300,
                             120, nullptr, nullptr, wc.hInstance, nullptr);
    RECT bounds = {10, 10, 10 + kWidth, 10 + kHeight};
    ASSERT_TRUE(button.Create(parent, kButtonId, bounds, "OK"));
    button.SetGlyph(Glyph("THEME_SKY_OK"));
    button.SetColors(SkyButtonColors());
    ShowWindow(parent, SW_SHOWNOACTIVATE);
    PumpMessages();
  }
  void TearDown() override { DestroyWindow(parent); }

  HWND parent = nullptr;
  FlatButton button;
};

TEST_F(FlatButtonTest, PaintsFaceGlyphAndCaptionDimmedWhenDisabled) {
  const std::vector<uint32_t> pixels = Capture(button.hwnd());
  ASSERT_EQ(pixels.size(), static_cast<size_t>(kWidth * kHeight));
  const uint32_t face = AsPixel(button.Colors().face);
  EXPECT_EQ(pixels.front(), face);
  EXPECT_EQ(pixels.back(), face);
  // The glyph's solid strokes are the SKY accent; the caption adds more text-coloured ink.
  EXPECT_GT(CountPixels(pixels, 0x359CEB), 10);
  EXPECT_LT(CountPixels(pixels, face), kWidth * kHeight - 20);
  SetWindowTextA(button.hwnd(), "Enter");
  EXPECT_NE(Capture(button.hwnd()), pixels);
  // Disabled, it is dimmed: no full-strength glyph stroke is left.
  EnableWindow(button.hwnd(), FALSE);
  EXPECT_EQ(CountPixels(Capture(button.hwnd()), 0x359CEB), 0);
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
  for (bool enabled : {true, false}) {
    EnableWindow(button.hwnd(), enabled);
    for (const Case& c : cases) {
      g_clicks = 0;
      for (const auto& [message, lparam] : c.messages)
        SendMessageA(button.hwnd(), message, message == WM_KEYDOWN ? c.key : 0, lparam);
      // A disabled button never clicks.
      EXPECT_EQ(g_clicks, enabled ? c.clicks : 0) << c.what << " enabled " << enabled;
      if (g_clicks > 0) {
        EXPECT_EQ(g_last_id, kButtonId) << c.what;
      }
      EXPECT_FALSE(button.IsPressed()) << c.what;
    }
  }
}

}  // namespace
}  // namespace kestrix
