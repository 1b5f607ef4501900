#include "ui/main_form.h"

#include <shellapi.h>

#include "app/foreground_win32.h"
#include "app/name_selection.h"
#include "app/window_placement.h"

namespace kestrix {

namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 180;
constexpr int kIdCurrentPath = 1001;
constexpr int kIdMkDir = 1002;
constexpr char kHostMissingText[] = "Total Commander isn't running!";
constexpr char kDefaultLanguage[] = "ENG";

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
  MkDir = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                          Scale96(12), Scale96(40), Scale96(kWidth - 40), Scale96(22), hwnd(),
                          reinterpret_cast<HMENU>(kIdMkDir), instance, nullptr);
  for (HWND control : {lbl_currentPath, MkDir})
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
  bool show = false;
  Guarded([&] { show = FormCreate(); });
  return show && !terminated_;
}

void Ttc_KestrixForm::Show(int show_command) {
  ShowWindow(hwnd(), show_command);
  UpdateWindow(hwnd());
  ForceForeground(hwnd());
  Guarded([&] { FormShow(); });
}

void Ttc_KestrixForm::FormShow() {
  app_.CurrentRoutine = "FormShow";
  if (!SelectsSuggestedNameOnShow(startup_.dir_prefix_active, startup_.dir_suffix_active,
                                  startup_.suggested_name))
    return;
  SetFocus(MkDir);
  TextSelection selection = SuggestedNameSelection(view_.NameText(), app_.Snapshot.SelectedName);
  SendMessageA(MkDir, EM_SETSEL, selection.start, selection.start + selection.length);
}

bool Ttc_KestrixForm::FormCreate() {
  app_.CurrentRoutine = "FormCreate";
  app_.HostPresent = false;
  if (app_.Snapshot.HostWindow == 0) {
    MessageBoxA(nullptr, kHostMissingText, kApplicationTitle, MB_OK);
    PostQuitMessage(0);
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    return false;
  }
  app_.HostPresent = true;
  char current_dir[MAX_PATH] = {};
  DWORD length = GetCurrentDirectoryA(MAX_PATH, current_dir);
  app_.Snapshot.CurrentPath = std::string(1, length > 0 ? current_dir[0] : 'C') + ":\\";
  SetErrorLogger(services_.logger);
  DragAcceptFiles(hwnd(), TRUE);
  {
    TBigIniFile ini(services_.files, SettingsFilePath(services_.exe_path));
    startup_ = ReadStartupSettings(ini, services_.environment);
  }
  flags_.TC8B10Method = startup_.tc8b10_method;
  flags_.TC8B10FixExt = startup_.tc8b10_fix_ext;
  flags_.TC8B10FuncChecked = startup_.tc8b10_func_checked;
  affixes_ = {startup_.dir_prefix, startup_.dir_prefix_active, startup_.dir_suffix,
              startup_.dir_suffix_active};
  ApplyStartupSettings();
  WindowHandle self = reinterpret_cast<WindowHandle>(hwnd());
  commands_.emplace(services_.windows, services_.environment, self);
  snapshot_.emplace(app_.Snapshot, flags_, affixes_, services_.windows, services_.files, focus_,
                    *commands_, view_, self);
  snapshot_->Acquire();
  if (terminated_) return false;
  PlaceWindow();
  SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
  return true;
}

void Ttc_KestrixForm::ApplyStartupSettings() {
  if (startup_.window_style == 1 || startup_.window_style == 2) {
    LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
    style &= ~static_cast<LONG_PTR>(WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX);
    SetWindowLongPtrA(hwnd(), GWL_STYLE, style);
    LONG_PTR ex_style = GetWindowLongPtrA(hwnd(), GWL_EXSTYLE);
    ex_style |= startup_.window_style == 1 ? WS_EX_DLGMODALFRAME : WS_EX_TOOLWINDOW;
    SetWindowLongPtrA(hwnd(), GWL_EXSTYLE, ex_style);
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  if (startup_.hide_from_taskbar) {
    ShowWindow(hwnd(), SW_HIDE);
    SetWindowLongPtrA(hwnd(), GWL_EXSTYLE,
                      GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  }
  if (startup_.always_on_top)
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  if (startup_.alpha_blend_value >= 0 && startup_.alpha_blend_value < 255) {
    SetWindowLongPtrA(hwnd(), GWL_EXSTYLE, GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd(), 0, static_cast<BYTE>(startup_.alpha_blend_value), LWA_ALPHA);
  }
}

void Ttc_KestrixForm::PlaceWindow() {
  WindowSystem& windows = services_.windows;
  WindowRect area;
  switch (
      ChoosePlacementArea(startup_.window_position, windows.IsIconic(app_.Snapshot.HostWindow))) {
    case PlacementArea::kHostWindow:
      if (!windows.GetRect(app_.Snapshot.HostWindow, area)) return;
      break;
    case PlacementArea::kActiveList: {
      const HostSnapshot& host = app_.Snapshot;
      WindowHandle list = host.ActiveSide == PanelSide::kLeft ? host.SecondList : host.FirstList;
      if (!windows.GetRect(list, area)) return;
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

void Ttc_KestrixForm::FormActivate() {
  if (!app_.HostPresent) return;
  app_.CurrentRoutine = "FormActivate";
  TBigIniFile ini(services_.files, SettingsFilePath(services_.exe_path));
  ActivationSettings activation = ReadActivationSettings(ini);
  closing_.replacements = activation.replacements;
  closing_.enter_directory = activation.enter_directory;
  closing_.close_window = activation.close_window;
  closing_.us_clear_list = activation.us_clear_list;
  closing_.last_selected_page = activation.last_selected_page;
  closing_.user_theme_name = activation.user_theme_name;
}

bool Ttc_KestrixForm::FormCloseQuery() {
  app_.CurrentRoutine = "FormCloseQuery";
  if (!app_.HostPresent) return true;
  // Closing is always allowed; a settings file that cannot be written only loses the
  // option states.
  Guarded([&] {
    TBigIniFile ini(services_.files, SettingsFilePath(services_.exe_path));
    closing_.language_in_use = kDefaultLanguage;
    closing_.tc8b10_method = flags_.TC8B10Method;
    closing_.tc8b10_fix_ext = flags_.TC8B10FixExt;
    closing_.tc8b10_func_checked = flags_.TC8B10FuncChecked;
    WriteClosingSettings(ini, closing_);
  });
  return true;
}

// A reply to a host query: the text up to its zero byte, never past the data.
LRESULT Ttc_KestrixForm::HostReply(LPARAM lparam) {
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
  std::string text;
  if (data != nullptr && data->lpData != nullptr) {
    const char* bytes = static_cast<const char*>(data->lpData);
    size_t length = 0;
    while (length < data->cbData && bytes[length] != '\0') ++length;
    text.assign(bytes, length);
  }
  if (snapshot_) snapshot_->OnHostReply(text);
  return 1;
}

void Ttc_KestrixForm::View::ShowCurrentPath(const std::string& shortened) {
  SetWindowTextA(form_.lbl_currentPath, shortened.c_str());
}

std::string Ttc_KestrixForm::View::NameText() {
  int length = GetWindowTextLengthA(form_.MkDir);
  std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  int got = GetWindowTextA(form_.MkDir, text.data(), static_cast<int>(text.size()));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

void Ttc_KestrixForm::View::SetNameText(const std::string& text) {
  SetWindowTextA(form_.MkDir, text.c_str());
}

// Loading names from the focused text file belongs to the full main window.
void Ttc_KestrixForm::View::ShowTextFileItem(const std::string&) {}

void Ttc_KestrixForm::View::Terminate() {
  form_.terminated_ = true;
  ShowWindow(form_.hwnd(), SW_HIDE);
  PostQuitMessage(0);
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
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) FormActivate();
      break;
    case WM_COPYDATA:
      return HostReply(lparam);
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

}  // namespace kestrix
