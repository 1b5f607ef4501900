#include "ui/main_form.h"

#include <shellapi.h>

#include "app/foreground_win32.h"
#include "app/window_placement.h"

namespace kestrix {

namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 180;
constexpr int kIdCurrentPath = 1001;

WindowRect ScreenRect() {
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

bool Ttc_KestrixForm::Create(HINSTANCE instance) {
  if (!CreateForm(instance, kMainWindowClass, kApplicationTitle, WS_OVERLAPPEDWINDOW, kWidth,
                  kHeight))
    return false;
  lbl_currentPath =
      CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_PATHELLIPSIS, Scale96(12),
                      Scale96(12), Scale96(kWidth - 40), Scale96(20), hwnd(),
                      reinterpret_cast<HMENU>(kIdCurrentPath), instance, nullptr);
  SendMessageA(lbl_currentPath, WM_SETFONT,
               reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return FormCreate();
}

void Ttc_KestrixForm::Show(int show_command) {
  ShowWindow(hwnd(), show_command);
  UpdateWindow(hwnd());
  ForceForeground(hwnd());
}

bool Ttc_KestrixForm::FormCreate() {
  app_.CurrentRoutine = "FormCreate";
  app_.HostPresent = false;
  if (app_.HostWindow == 0) {
    MessageBoxA(nullptr, "Total Commander isn't running!", kApplicationTitle, MB_OK);
    PostQuitMessage(0);
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    return false;
  }
  app_.HostPresent = true;
  DragAcceptFiles(hwnd(), TRUE);
  SetWindowTextA(lbl_currentPath, app_.StartPath.c_str());
  PlaceWindow();
  SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
  return true;
}

void Ttc_KestrixForm::PlaceWindow() {
  WindowRect area;
  switch (ChoosePlacementArea(window_position_, windows_.IsIconic(app_.HostWindow))) {
    case PlacementArea::kHostWindow:
      if (!windows_.GetRect(app_.HostWindow, area)) return;
      break;
    case PlacementArea::kActiveList: {
      WindowHandle list = app_.FocusedWindow == app_.SecondList ? app_.SecondList : app_.FirstList;
      if (!windows_.GetRect(list, area)) return;
      break;
    }
    case PlacementArea::kScreen:
      area = ScreenRect();
      break;
  }
  RECT own;
  if (!GetWindowRect(hwnd(), &own)) return;
  WindowOrigin origin = CentredOrigin(area, own.right - own.left, own.bottom - own.top);
  SetWindowPos(hwnd(), nullptr, origin.left, origin.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Ttc_KestrixForm::FormCloseQuery() {
  app_.CurrentRoutine = "FormCloseQuery";
  return true;
}

void Ttc_KestrixForm::FormClose() {
  app_.CurrentRoutine = "FormClose";
}

void Ttc_KestrixForm::FormDestroy() {
  app_.CurrentRoutine = "FormDestroy";
}

LRESULT Ttc_KestrixForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (IsMaximizeRequest(message, wparam)) {
    MessageBeep(0);
    return 0;
  }
  switch (message) {
    case WM_CLOSE:
      if (FormCloseQuery()) {
        FormClose();
        DestroyWindow(hwnd());
      }
      return 0;
    case WM_DESTROY:
      FormDestroy();
      PostQuitMessage(0);
      return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

void Ttc_KestrixForm::OnUnhandledFailure(const std::string& what) noexcept {
  Form::OnUnhandledFailure(app_.CurrentRoutine + ": " + what);
}

}  // namespace kestrix
