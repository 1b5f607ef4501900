// The reference program of the Windows benchmarks: a top-level window with one focused
// plain edit, built with the program's manifest and nothing else, so that start-up and a
// keystroke cost what Windows (or Wine) itself charges. With "multiline" on its command line
// the edit is a multi-line one, as a list is.
#include <windows.h>

namespace {

constexpr char kClass[] = "KestrixBenchBare";
bool g_multiline = false;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: {
      HWND edit = g_multiline ? CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                                WS_CHILD | WS_VISIBLE | ES_MULTILINE |
                                                    ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                                                    ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL,
                                                10, 10, 380, 70, window, nullptr, nullptr, nullptr)
                              : CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                                WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 380,
                                                24, window, nullptr, nullptr, nullptr);
      SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
      // As the program's list: a long list can still be typed into.
      if (g_multiline) SendMessageA(edit, EM_LIMITTEXT, 0, 0);
      SetFocus(edit);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int show_command) {
  g_multiline = command_line != nullptr && lstrcmpA(command_line, "multiline") == 0;
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClass;
  if (!RegisterClassA(&window_class)) return 1;
  HWND window = CreateWindowExA(0, kClass, "Kestrix bench reference", WS_OVERLAPPEDWINDOW, 100, 100,
                                420, 120, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show_command);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
