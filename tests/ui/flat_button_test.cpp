// The flat button in a real window: what it paints in each state and the commands it
// sends. Its use in the main window (themes, fonts, OK state) is the window tests' part.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "input/typing.h"
#include "platform/win32/file_system_win32.h"
#include "settings/themes.h"
#include "window/appearance_win32.h"
#include "window/flat_button_win32.h"

namespace kestrix {
namespace {

constexpr int kButtonId = 1234, kWidth = 96, kHeight = 28;
int g_clicks = 0;  // the BN_CLICKED commands of kButtonId the parent got

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && wparam == MAKEWPARAM(kButtonId, BN_CLICKED)) return ++g_clicks, 0;
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

// What the window paints into a client-sized 32-bit bitmap, as 0x00RRGGBB per pixel.
std::vector<uint32_t> Capture(HWND hwnd) {
  RECT client;
  GetClientRect(hwnd, &client);
  BITMAPINFO info = {};
  info.bmiHeader = {
      sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  const auto* pixels = static_cast<const uint32_t*>(bits);
  std::vector<uint32_t> result(pixels, pixels + client.right * client.bottom);
  for (uint32_t& p : result) p &= 0xFFFFFF;
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return result;
}

uint32_t AsPixel(COLORREF color) {
  return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
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
    ASSERT_TRUE(button.Create(parent, kButtonId, {10, 10, 10 + kWidth, 10 + kHeight}, "OK"));
    PngImage glyph;
    std::string error;
    ASSERT_TRUE(LoadPngResource(nullptr, "THEME_SKY_OK", glyph, error)) << error;
    button.SetGlyph(std::move(glyph));
    Win32FileSystem files;
    button.SetColors(FlatButtonColorsFor(
        ChangeColors(Appearance(), {true, true, 0, "", ""}, files, "C:\\").appearance));
    ShowWindow(parent, SW_SHOW);
    SetForegroundWindow(parent);
    Pump();
  }
  void TearDown() override { DestroyWindow(parent); }
  // Handles what is queued, real key input included, as a message loop does.
  static void Pump() {
    for (int i = 0; i < 200; ++i) {
      for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      if (i > 0 && HIWORD(GetQueueStatus(QS_KEY | QS_POSTMESSAGE)) == 0) break;
      Sleep(5);
    }
  }

  HWND parent = nullptr;
  FlatButton button;
};

TEST_F(FlatButtonTest, PaintsFaceGlyphAndCaptionHoverTintAndDimmedWhenDisabled) {
  const std::vector<uint32_t> pixels = Capture(button.hwnd());
  ASSERT_EQ(pixels.size(), static_cast<size_t>(kWidth * kHeight));
  const uint32_t face = AsPixel(button.Colors().face);
  EXPECT_EQ(pixels.front(), face);
  EXPECT_EQ(pixels.back(), face);
  // The glyph's solid strokes are the SKY accent; the caption adds more text-coloured ink.
  EXPECT_GT(std::ranges::count(pixels, 0x359CEBu), 10);
  EXPECT_LT(std::ranges::count(pixels, face), kWidth * kHeight - 20);
  // Hovered: framed in the accent, the face tinted, until the pointer leaves.
  SendMessageA(button.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  const std::vector<uint32_t> hovered = Capture(button.hwnd());
  EXPECT_EQ(hovered.front(), AsPixel(button.Colors().accent));
  EXPECT_EQ(hovered[2 * kWidth + 2],
            AsPixel(BlendColor(button.Colors().face, button.Colors().accent, 40)));
  SendMessageA(button.hwnd(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Capture(button.hwnd()), pixels);
  SetWindowTextA(button.hwnd(), "Enter");
  EXPECT_NE(Capture(button.hwnd()), pixels);
  // A caption with no room beside its glyph is shown whole without it: no ink at the edges.
  SetWindowPos(button.hwnd(), nullptr, 0, 0, 63, kHeight, SWP_NOMOVE | SWP_NOZORDER);
  SetWindowTextA(button.hwnd(), "Abbrechen");
  const std::vector<uint32_t> narrow = Capture(button.hwnd());
  for (int y = 0; y < kHeight; ++y)
    for (int x : {0, 1, 2, 60, 61, 62}) EXPECT_EQ(narrow[y * 63 + x], face) << x << "," << y;
  SetWindowPos(button.hwnd(), nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
  // Disabled, it is dimmed: no full-strength glyph stroke is left.
  EnableWindow(button.hwnd(), FALSE);
  EXPECT_EQ(std::ranges::count(Capture(button.hwnd()), 0x359CEBu), 0);
}

// Mouse messages and keys pressed on the real keyboard while the button has the focus.
TEST_F(FlatButtonTest, ClicksReachTheParentAsBnClicked) {
  const LPARAM in = MAKELPARAM(5, 5), also_in = MAKELPARAM(20, 10), out = MAKELPARAM(500, 5);
  const struct {
    const char* what;
    std::vector<std::pair<UINT, LPARAM>> messages;
    WORD key;
    int clicks;
  } cases[] = {
      {"BM_CLICK", {{BM_CLICK, 0}}, 0, 1},
      {"press and release inside", {{WM_LBUTTONDOWN, in}, {WM_LBUTTONUP, also_in}}, 0, 1},
      {"release outside", {{WM_LBUTTONDOWN, in}, {WM_LBUTTONUP, out}}, 0, 0},
      {"release without press", {{WM_LBUTTONUP, in}}, 0, 0},
      {"space", {}, VK_SPACE, 1},
      {"enter", {}, VK_RETURN, 1},
      {"other key", {}, 'A', 0},
  };
  for (bool enabled : {true, false}) {
    EnableWindow(button.hwnd(), enabled);
    for (const auto& c : cases) {
      g_clicks = 0;
      for (const auto& [message, lparam] : c.messages)
        SendMessageA(button.hwnd(), message, 0, lparam);
      if (c.key != 0) {
        SetFocus(button.hwnd());
        PressKey(c.key);
        Pump();
      }
      // A disabled button never clicks.
      EXPECT_EQ(g_clicks, enabled ? c.clicks : 0) << c.what << " enabled " << enabled;
      EXPECT_FALSE(button.IsPressed()) << c.what;
    }
  }
}

}  // namespace
}  // namespace kestrix
