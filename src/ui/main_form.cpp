#include "ui/main_form.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/foreground_win32.h"
#include "app/name_selection.h"
#include "app/window_placement.h"
#include "names/text_utils.h"
#include "platform/win32/window_handle_win32.h"

namespace kestrix {

namespace {

constexpr int kInitialWidth = 353;
constexpr int kInitialHeight = 260;
constexpr char kHostMissingText[] = "Total Commander isn't running!";
constexpr char kDefaultLanguage[] = "ENG";

WindowRect ScreenRect() {
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

Ttc_KestrixForm::Ttc_KestrixForm(StartupValues& app, MainFormServices services)
    : app_(app), services_(std::move(services)), view_(*this) {}

Ttc_KestrixForm::~Ttc_KestrixForm() {
  if (hwnd() != nullptr) DestroyWindow(hwnd());
  if (font_ != nullptr) DeleteObject(font_);
  if (italic_font_ != nullptr) DeleteObject(italic_font_);
}

bool Ttc_KestrixForm::Create(HINSTANCE instance) {
  instance_ = instance;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  if (!CreateForm(instance, kMainWindowClass, kApplicationTitle, style, kInitialWidth,
                  kInitialHeight))
    return false;
  CreateControls(instance);
  AttachAttributeField();
  ApplyCaptions();
  FillTemplates();
  MoveControl(kId_MkDirExt, 336, 44);
  RelayoutForMode(true);
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
  HWND input = VisibleInput();
  SetFocus(input);
  TextSelection selection = SuggestedNameSelection(WindowText(input), app_.Snapshot.SelectedName);
  Select(input, selection);
}

bool Ttc_KestrixForm::FormCreate() {
  LoadLanguage();
  app_.CurrentRoutine = "FormCreate";
  app_.HostPresent = false;
  if (app_.Snapshot.HostWindow == 0) {
    MessageBoxA(nullptr, Text("ErrorMessages", "TCError", kHostMissingText).c_str(),
                kApplicationTitle, MB_OK);
    PostQuitMessage(0);
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    return false;
  }
  app_.HostPresent = true;
  ReplacementsArmed_ = true;
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
  WindowHandle self = FromHwnd(hwnd());
  commands_.emplace(services_.windows, services_.environment, self);
  snapshot_.emplace(app_.Snapshot, flags_, affixes_, services_.windows, services_.files, focus_,
                    *commands_, view_, self);
  snapshot_->Acquire();
  if (terminated_) return false;
  SetText(kId_MkDirExt, GetText(kId_MkDir));
  PlaceWindow();
  SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
  return true;
}

void Ttc_KestrixForm::ApplyStartupSettings() {
  if (startup_.window_style == 1 || startup_.window_style == 2) {
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
  ApplyTransparency(hwnd(), TransparencyFor(startup_.alpha_blend_value));
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

// Re-centres vertically on the host window, `extra_up` pixels higher.
void Ttc_KestrixForm::CenterOnHost(int extra_up) {
  WindowSystem& windows = services_.windows;
  const WindowHandle host = app_.Snapshot.HostWindow;
  WindowRect area;
  if (host == 0 || windows.IsIconic(host) || !windows.GetRect(host, area)) return;
  RECT own;
  if (!GetWindowRect(hwnd(), &own)) return;
  const int top = (area.top + area.bottom) / 2 - (own.bottom - own.top) / 2 - extra_up;
  SetWindowPos(hwnd(), nullptr, own.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Ttc_KestrixForm::FormActivate() {
  if (!app_.HostPresent) return;
  app_.CurrentRoutine = "FormActivate";
  {
    TBigIniFile ini(services_.files, SettingsFilePath(services_.exe_path));
    activation_ = ReadActivationSettings(ini);
  }
  closing_.replacements = activation_.replacements;
  closing_.enter_directory = activation_.enter_directory;
  closing_.close_window = activation_.close_window;
  closing_.us_clear_list = activation_.us_clear_list;
  closing_.last_selected_page = activation_.last_selected_page;
  closing_.user_theme_name = activation_.user_theme_name;
  DiscoverUserApplications();
  ApplyInitialMode(activation_.initial_mode, activation_.window_extended);
  SetChecked(kId_option_replacements, activation_.replacements);
  SetChecked(kId_option_enterdir, activation_.enter_directory);
  SetChecked(kId_option_closewnd, activation_.close_window);
  ApplyCustomName();
  SetText(kId_lbl_s_more, Text("Captions - Program", "More", "<more>"));
  FixComponentsCharCoding();
  ChangeColors();
  SetOkEnabled(!Trim(GetText(kId_MkDir)).empty());
  HWND input = VisibleInput();
  if (IsVisible(kId_MkDir)) {
    MkDirChange();
  } else {
    if (!BatchModeActive_) SetText(kId_MkDirExt, GetText(kId_MkDirExt));
    MkDirExtChange();
  }
  Select(input, {WindowText(input).size(), 0});
  SetFocus(input);
  if (activation_.initial_mode == 2) GenerateBatchDirList();
}

bool Ttc_KestrixForm::FormCloseQuery() {
  app_.CurrentRoutine = "FormCloseQuery";
  if (!app_.HostPresent) return true;
  // Closing is always allowed; a settings file that cannot be written only loses the
  // option states.
  Guarded([&] {
    TBigIniFile ini(services_.files, SettingsFilePath(services_.exe_path));
    closing_.language_in_use =
        language_.current_id.empty() ? std::string(kDefaultLanguage) : language_.current_id;
    closing_.replacements = IsChecked(kId_option_replacements);
    closing_.enter_directory = IsChecked(kId_option_enterdir);
    closing_.close_window = IsChecked(kId_option_closewnd);
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

const LanguageTable& Ttc_KestrixForm::Lang() const {
  return services_.language != nullptr ? *services_.language : english_;
}

std::string Ttc_KestrixForm::Text(const char* section, const char* key, const char* english) const {
  return LanguageText(Lang(), section, key, english);
}

void Ttc_KestrixForm::View::ShowCurrentPath(const std::string& shortened) {
  HWND label = form_.Control(kId_lbl_currentPath);
  SetWindowTextA(label, shortened.c_str());
  // The label is as wide as its text, so the preview follows it directly.
  HDC dc = GetDC(label);
  HGDIOBJ label_font = reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0));
  HGDIOBJ old =
      SelectObject(dc, label_font != nullptr ? label_font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size = {};
  GetTextExtentPoint32A(dc, shortened.c_str(), static_cast<int>(shortened.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  RECT rect = form_.ControlRect(kId_lbl_currentPath);
  SetWindowPos(label, nullptr, 0, 0, size.cx + 2, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string Ttc_KestrixForm::View::NameText() {
  return form_.GetText(kId_MkDir);
}

void Ttc_KestrixForm::View::SetNameText(const std::string& text) {
  form_.SetText(kId_MkDir, text);
  form_.MkDirChange();
}

void Ttc_KestrixForm::View::ShowTextFileItem(const std::string&) {
  form_.SetVisible(kId_btn_loadFromFile, true);
}

void Ttc_KestrixForm::View::RefreshDone() {
  form_.AfterRefresh();
}

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
  KillTimer(hwnd(), kTimer_LiveReplacements);
}

// --- Control helpers -----------------------------------------------------------------

std::string Ttc_KestrixForm::WindowText(HWND control) const {
  return kestrix::Control(control).Text();
}

void Ttc_KestrixForm::SetText(int id, const std::string& text) {
  if (GetText(id) != text) SetWindowTextA(Control(id), text.c_str());
  // Not every edit control reports a text set by its owner; the list's handler must run.
  if (id == kId_MkDirExt) ListMayHaveChanged();
}

std::string Ttc_KestrixForm::GetText(int id) const {
  return WindowText(Control(id));
}

// The control's own visibility flag: the window itself may still be hidden.
bool Ttc_KestrixForm::IsVisible(int id) const {
  return kestrix::Control(Control(id)).Visible();
}

void Ttc_KestrixForm::SetVisible(int id, bool visible) {
  const kestrix::Control control(Control(id));
  if (control.Visible() != visible) control.Show(visible);
}

void Ttc_KestrixForm::SetEnabled(int id, bool enabled) {
  kestrix::Control(Control(id)).Enable(enabled);
}

bool Ttc_KestrixForm::IsChecked(int id) const {
  return Check(Control(id)).Checked();
}

void Ttc_KestrixForm::SetChecked(int id, bool checked) {
  Check(Control(id)).SetChecked(checked);
}

TextSelection Ttc_KestrixForm::Selection(HWND control) const {
  const auto [start, end] = control == Control(kId_MkDir) || control == mkdir_edit_
                                ? Combo(Control(kId_MkDir)).EditSelection()
                                : Edit(control).Selection();
  return {start, end >= start ? end - start : 0};
}

void Ttc_KestrixForm::Select(HWND control, TextSelection selection) {
  const Edit edit(control == Control(kId_MkDir) ? mkdir_edit_ : control);
  const size_t length = edit.TextLength();
  const size_t start = std::min(selection.start, length);
  const size_t end =
      selection.length == std::string::npos ? length : std::min(length, start + selection.length);
  edit.Select(start, end);
}

// --- Messages ------------------------------------------------------------------------

LRESULT Ttc_KestrixForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (IsMaximizeRequest(message, wparam)) {
    MessageBeep(0);
    return 0;
  }
  switch (message) {
    case WM_ACTIVATE:
      // The default handling would take the focus FormActivate gave the input field.
      if (LOWORD(wparam) != WA_INACTIVE) {
        FormActivate();
        return 0;
      }
      break;
    case WM_ACTIVATEAPP:
      ApplicationActivation(wparam != FALSE);
      break;
    case kMsg_AfterActivation:
      AfterApplicationActivation(wparam != 0);
      return 0;
    case WM_LBUTTONDOWN:
      CheckAndTurnOffPathEditing();
      break;
    case WM_COPYDATA:
      return HostReply(lparam);
    case WM_DROPFILES:
      AcceptFiles(reinterpret_cast<HDROP>(wparam));
      return 0;
    case WM_TIMER:
      if (wparam == kTimer_LiveReplacements) LiveReplacementsTimer();
      return 0;
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      const int code = HIWORD(wparam);
      if (lparam == 0) {
        VariableMenuClick(id);
        return 0;
      }
      switch (id) {
        case kId_MkDir:
          if (code == CBN_EDITCHANGE) NameMayHaveChanged();
          if (code == CBN_SELCHANGE) PostMessageA(hwnd(), kMsg_ChoiceDone, kId_MkDir, 0);
          if (code == CBN_DROPDOWN || code == CBN_CLOSEUP) MkDirDropDown(code == CBN_DROPDOWN);
          break;
        case kId_btn_undo:
          if (code == BN_CLICKED) btn_undoClick();
          break;
        case kId_btn_loadFromFile:
          if (code == BN_CLICKED) btn_loadFromFileClick();
          break;
        case kId_edit_Attrib:
          if (code == EN_CHANGE) edit_AttribChange();
          break;
        case kId_MkDirExt:
          if (code == EN_CHANGE) ListMayHaveChanged();
          break;
        case kId_btn_ok:
        case kId_btn_ok_flat:
          if (code == BN_CLICKED) btn_okClick();
          break;
        case IDOK:
          if (OkEnabled()) btn_okClick();
          break;
        case kId_btn_cancel:
        case kId_btn_cancel_flat:
        case IDCANCEL:
          if (code == BN_CLICKED) PostMessageA(hwnd(), WM_CLOSE, 0, 0);
          break;
        case kId_btn_extended:
          if (code == BN_CLICKED) btn_extendedClick();
          break;
        case kId_btn_BatchDir:
          if (code == BN_CLICKED) btn_BatchDirClick();
          break;
        case kId_btn_addRep:
          if (code == BN_CLICKED) btn_addRepClick();
          break;
        case kId_btn_options:
        case kId_btn_options_flat:
          if (code == BN_CLICKED) btn_optionsClick();
          break;
        case kId_btn_Quick1:
          ProcessTextModifier("FNC_SpaceToDot");
          break;
        case kId_btn_Quick2:
          ProcessTextModifier("FNC_DotToSpace");
          break;
        case kId_btn_Quick3:
          ProcessTextModifier("FNC_InvertCase");
          break;
        case kId_option_closewnd:
        case kId_option_enterdir:
        case kId_option_replacements:
          if (code == BN_CLICKED) option_Click(id);
          break;
        case kId_cmbox_Templates:
          if (code == CBN_DROPDOWN) cmbox_TemplatesDropDown();
          if (code == CBN_SELENDOK) cmbox_TemplatesChange();
          if (code == CBN_KILLFOCUS) TemplateListOpen_ = false;
          break;
        case kId_edit_from:
        case kId_edit_to:
        case kId_edit_stepby:
        case kId_edit_digits:
          if (code == EN_CHANGE && BatchModeActive_) BatchFieldEdited(id);
          break;
        case kId_chck_digitsAuto:
          if (code == BN_CLICKED && IsChecked(id)) BatchFieldEdited(kId_edit_to);
          break;
        case kId_img_ChangeDirAttrib:
          if (code == STN_CLICKED) img_ChangeDirAttribClick();
          break;
        case kId_lbl_s_newfolder:
          if (code == STN_CLICKED) lbl_s_newfolderClick();
          break;
        case kId_lbl_currentPath:
        case kId_lbl_newdirname:
          if (code == STN_DBLCLK) OpenPathEditing();
          break;
        case kId_edit_curdirname:
          if (code == EN_CHANGE) edit_curdirnameChange();
          if (code == EN_KILLFOCUS) CheckAndTurnOffPathEditing();
          break;
        case kId_btn_sign:
          if (code == BN_CLICKED) btn_signClick();
          break;
        case kId_cmbx_prefix:
        case kId_cmbx_suffix:
          if (code == CBN_DROPDOWN) OpenAffixList(id);
          if (code == CBN_EDITCHANGE && BatchModeActive_) GenerateBatchDirList();
          if (code == CBN_SELCHANGE) PostMessageA(hwnd(), kMsg_ChoiceDone, id, 0);
          break;
        case kId_btn_setSuffix:
          if (code == BN_CLICKED) btn_setSuffixClick();
          break;
        case kId_memo_suffix:
          if (code == EN_CHANGE) memo_suffixChange();
          break;
        case kId_rb_Decimal:
        case kId_rb_Roman:
        case kId_rb_ABC:
          if (code == BN_CLICKED && BatchModeActive_) NumberFormClick(id);
          break;
      }
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header != nullptr && header->code == UDN_DELTAPOS) {
        // After the arrow changed the number, the list takes the focus again.
        PostMessageA(hwnd(), kMsg_UpDownDone, header->idFrom, 0);
      }
      break;
    }
    case kMsg_ChoiceDone:
      // A drop-down choice: its text is in the field only once the selection message ends.
      if (wparam == kId_MkDir) {
        MkDirSelect();
      } else if (BatchModeActive_) {
        GenerateBatchDirList();
      }
      return 0;
    case kMsg_UpDownDone:
      if (wparam == kId_updown_digits) SetChecked(kId_chck_digitsAuto, false);
      SetFocus(Control(kId_MkDirExt));
      Select(Control(kId_MkDirExt), {GetText(kId_MkDirExt).size(), 0});
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
      if (LRESULT brush =
              ControlColors(message, reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam)))
        return brush;
      break;
    case WM_ERASEBKGND:
      EraseBackground(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_MOUSEMOVE:
      SetQuickButtons2Default(0);
      break;
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

void Ttc_KestrixForm::ProcessTextModifier(const char* function_name) {
  HWND field = IsVisible(kId_MkDir) ? Control(kId_MkDir) : Control(kId_MkDirExt);
  const std::string text = WindowText(field);
  PortableCharCase char_case;
  ModifiedText modified = ::kestrix::ProcessTextModifier(
      function_name, text, Selection(field),
      IsVisible(kId_MkDir) ? InputMode::kNormal : InputMode::kExtended, startup_.intelli_modifiers,
      char_case);
  SetWindowTextA(field, modified.text.c_str());
  SetFocus(field);
  Select(field, modified.selection);
  RerunPreview();
}

}  // namespace kestrix
