#include "ui/main_form.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/name_selection.h"
#include "app/window_placement.h"
#include "base/text_utils.h"
#include "host/foreground_win32.h"
#include "names/user_apps.h"
#include "platform/win32/window_handle_win32.h"
#include "ui/menu.h"

namespace kestrix {

namespace {

constexpr int kInitialWidth = 353;
constexpr int kInitialHeight = 260;
constexpr char kDefaultLanguage[] = "ENG";

WindowRect ScreenRect() {
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

Ttc_KestrixForm::Ttc_KestrixForm(StartupValues& app, MainFormServices services)
    : app_(app),
      services_(std::move(services)),
      view_(*this),
      settings_(
          services_.files, services_.environment, &services_.message_boxes,
          [this]() -> const LanguageTable& { return Lang(); },
          SettingsFilePath(services_.exe_path)),
      look_(controls_, services_.files, &services_.logger, ProgramDirOf(services_.exe_path),
            {[this] { return Text(lng::program::kMore); }, [this] { return ListText(); },
             [this] { return image_.FieldOpen(); }}),
      batch_(
          controls_, [this](const std::string& text) { SetListText(text); },
          [this](bool descending) { look_.ShowSignImage(descending); }) {
  SetErrorLogger(&services_.logger);
}

Ttc_KestrixForm::~Ttc_KestrixForm() {
  if (hwnd() != nullptr) DestroyWindow(hwnd());
}

bool Ttc_KestrixForm::Create(HINSTANCE instance) {
  instance_ = instance;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  if (!CreateForm(instance, kMainWindowClass, kApplicationTitle, style, kInitialWidth,
                  kInitialHeight))
    return false;
  // Players answer a copy-data request to its sender's process: 0 names none.
  services_.variables.application_window = FromHwnd(hwnd());
  CreateControls();
  image_.Attach(instance, Control(kId_img_ChangeDirAttrib), Control(kId_edit_Attrib), [this] {
    // Escape leaves the focus on the hidden field or hands it to the window; a click
    // elsewhere has moved it to its target already.
    HWND focus = GetFocus();
    if (focus == nullptr || focus == Control(kId_edit_Attrib) || focus == hwnd())
      controls_.Focus(VisibleInput());
  });
  // The captions come with the language, in FormCreate.
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
  if (startup_.tree_preview) ShowTreePreview(true);
}

void Ttc_KestrixForm::LoadLanguage() {
  app_.CurrentRoutine = "LoadLanguage";
  const std::string setting = settings_.LanguageSetting();
  const LanguageSources sources{services_.files, services_.resources,
                                ProgramDirOf(services_.exe_path)};
  language_ = ::kestrix::LoadLanguage(sources, setting, pending_language_, services_.args);
  look_.FixComponentsCharCoding(activation_, language_.font_charset);
  ApplyCaptions();
  FillTemplates();
  controls_.SetText(kId_lbl_s_more, Text(lng::program::kMore));
}

void Ttc_KestrixForm::FormShow() {
  app_.CurrentRoutine = "FormShow";
  if (!SelectsSuggestedNameOnShow(startup_.dir_prefix_active, startup_.dir_suffix_active,
                                  startup_.suggested_name))
    return;
  HWND input = VisibleInput();
  controls_.Focus(input);
  TextSelection selection = SuggestedNameSelection(Edit(input).Text(), app_.Snapshot.SelectedName);
  controls_.Select(input, selection);
}

bool Ttc_KestrixForm::FormCreate() {
  LoadLanguage();
  app_.CurrentRoutine = "FormCreate";
  app_.HostPresent = false;
  if (app_.Snapshot.HostWindow == 0) {
    MessageBoxA(nullptr, Text(lng::errors::kTCError).c_str(), kApplicationTitle, MB_OK);
    PostQuitMessage(0);
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    return false;
  }
  app_.HostPresent = true;
  ReplacementsArmed_ = true;
  char current_dir[MAX_PATH] = {};
  DWORD length = GetCurrentDirectoryA(MAX_PATH, current_dir);
  app_.Snapshot.CurrentPath = std::string(1, length > 0 ? current_dir[0] : 'C') + ":\\";
  // What DragAcceptFiles does, without loading the shell library for it at every start.
  SetWindowLongPtrA(hwnd(), GWL_EXSTYLE,
                    GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
  LoadStartupSettings();
  flags_.TC8B10FuncChecked = startup_.tc8b10_func_checked;

  if (startup_.window_style != WindowStyle::kOwnBorder) {
    LONG_PTR ex_style = GetWindowLongPtrA(hwnd(), GWL_EXSTYLE);
    ex_style |= startup_.window_style == WindowStyle::kDialogBorder ? WS_EX_DLGMODALFRAME
                                                                    : WS_EX_TOOLWINDOW;
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
  WindowHandle self = FromHwnd(hwnd());
  commands_.emplace(services_.windows, services_.environment, self);
  snapshot_.emplace(app_.Snapshot, flags_, affixes_, services_.windows, services_.files, focus_,
                    *commands_, view_, self);
  snapshot_->Acquire();
  if (terminated_) return false;
  SetListText(controls_.Text(kId_MkDir));
  PlaceWindow();
  SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
  return true;
}

// The start-up keys the host requests and the names depend on: the data method and the
// prefix and suffix. Whether the method was found to work stays as this run learned it.
void Ttc_KestrixForm::LoadStartupSettings() {
  settings_.LoadStartup();
  flags_.TC8B10Method = startup_.tc8b10_method;
  flags_.TC8B10FixExt = startup_.tc8b10_fix_ext;
  affixes_ = {startup_.dir_prefix, startup_.dir_prefix_active, startup_.dir_suffix,
              startup_.dir_suffix_active};
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
  settings_.LoadActivation();
  replace_chars_ = settings_.ReplaceCharValues();
  UserAppIds_ =
      DiscoverUserApps(services_.files, ProgramDirOf(services_.exe_path), startup_.disable_plugins);
  DiscoverStructures();
  // Back from one of our dialogs, the mode stays as the dialog's work left it.
  const InitialModeAction initial =
      OwnDialogReturn_ ? InitialModeAction::kUnchanged
                       : InitialModeFor(activation_.initial_mode, activation_.window_extended);
  switch (initial) {
    case InitialModeAction::kNormal:
      ChangeToNormal();
      break;
    case InitialModeAction::kExtended:
      ChangeToExt();
      break;
    case InitialModeAction::kBatch:
      if (mode_ != MainMode::kBatch) btn_BatchDirClick();
      break;
    case InitialModeAction::kUnchanged:
      break;
  }
  controls_.SetChecked(kId_option_replacements, activation_.replacements);
  controls_.SetChecked(kId_option_enterdir, activation_.enter_directory);
  controls_.SetChecked(kId_option_closewnd, activation_.close_window);
  // A configured custom name replaces the host's suggestion.
  if (activation_.suggested_name != SuggestedName::kHostItem)
    controls_.SetText(kId_MkDir, Trim(activation_.custom_dir_name));
  if (activation_.flat_buttons) EnsureFlatPushButtons();
  controls_.SetText(kId_lbl_s_more, Text(lng::program::kMore));
  look_.FixComponentsCharCoding(activation_, language_.font_charset);
  app_.CurrentRoutine = "ChangeColors";
  look_.ChangeColors(activation_);
  controls_.SetEnabled(activation_.flat_buttons ? kId_btn_ok_flat : kId_btn_ok,
                       !Trim(controls_.Text(kId_MkDir)).empty());
  // The fonts may have changed the path's width: the preview is placed after it again.
  view_.ShowCurrentPath(controls_.Text(kId_lbl_currentPath));
  preview_follows_.reset();
  HWND input = VisibleInput();
  if (mode_ == MainMode::kNormal) {
    MkDirChange(Edit(mkdir_edit_).Text());
  } else {
    if (mode_ != MainMode::kBatch) SetListText(controls_.Text(kId_MkDirExt));
    MkDirExtChange();
  }
  // The first show selects the whole suggestion, so the first key replaces it.
  const bool first_show = !activated_once_ && mode_ == MainMode::kNormal;
  activated_once_ = true;
  controls_.Focus(input);
  if (first_show)
    controls_.Select(input, {0, std::string::npos});
  else
    controls_.CaretToEnd(input);
  if (activation_.initial_mode == InitialMode::kBatch) batch_.GenerateBatchDirList();
}

bool Ttc_KestrixForm::FormCloseQuery() {
  app_.CurrentRoutine = "FormCloseQuery";
  if (!app_.HostPresent) return true;
  // Closing is always allowed; a settings file that cannot be written only loses the
  // option states.
  settings_.SaveClosing(
      {language_.current_id.empty() ? std::string(kDefaultLanguage) : language_.current_id,
       controls_.Checked(kId_option_replacements), controls_.Checked(kId_option_enterdir),
       controls_.Checked(kId_option_closewnd), flags_.TC8B10Method, flags_.TC8B10FixExt,
       flags_.TC8B10FuncChecked});
  return true;
}

void Ttc_KestrixForm::View::ShowCurrentPath(const std::string& shortened) {
  form_.shown_path_ = shortened;
  HWND label = form_.Control(kId_lbl_currentPath);
  form_.controls_.SetText(kId_lbl_currentPath, shortened);
  // The label is as wide as its text, so the preview follows it directly.
  HDC dc = GetDC(label);
  HGDIOBJ label_font = reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0));
  HGDIOBJ old =
      SelectObject(dc, label_font != nullptr ? label_font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size = {};
  GetTextExtentPoint32A(dc, shortened.c_str(), static_cast<int>(shortened.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  RECT rect = form_.controls_.Rect(kId_lbl_currentPath);
  rect.right = rect.left + size.cx + 2;
  form_.controls_.Place(kId_lbl_currentPath, rect);
}

std::string Ttc_KestrixForm::View::NameText() {
  return form_.controls_.Text(kId_MkDir);
}

void Ttc_KestrixForm::View::SetNameText(const std::string& text) {
  form_.controls_.SetText(kId_MkDir, text);
  form_.MkDirChange(Edit(form_.mkdir_edit_).Text());
}

void Ttc_KestrixForm::View::ShowTextFileItem(const std::string&) {
  form_.controls_.SetVisible(kId_btn_loadFromFile, true);
}

// After a refresh the preview follows the new path; the window follows the active list
// when it is placed on it.
void Ttc_KestrixForm::View::RefreshDone() {
  form_.RerunPreview();
  if (form_.activation_.window_position == WindowPosition::kHostPane &&
      !form_.services_.windows.IsIconic(form_.app_.Snapshot.HostWindow))
    form_.PlaceWindow();
}

void Ttc_KestrixForm::View::Terminate() {
  form_.terminated_ = true;
  ShowWindow(form_.hwnd(), SW_HIDE);
  PostQuitMessage(0);
}

void Ttc_KestrixForm::FormDestroy() {
  app_.CurrentRoutine = "FormDestroy";
  KillTimer(hwnd(), kTimer_LiveReplacements);
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
      if (LOWORD(wparam) == WA_INACTIVE) {
        focus_before_switch_ = GetFocus();
        break;
      }
      // Coming back from another program keeps what the user set up (mode, options, the
      // typed text); only the first show and a return from our own dialogs re-read it.
      switch (
          ActivationFor(activated_once_, returning_from_other_app_,
                        focus_before_switch_ != nullptr && IsChild(hwnd(), focus_before_switch_))) {
        case ActivationAction::kFormActivate:
          FormActivate();
          break;
        case ActivationAction::kRestoreFocus:
          SetFocus(focus_before_switch_);
          break;
        case ActivationAction::kFocusInput:
          controls_.Focus(VisibleInput());
          break;
      }
      returning_from_other_app_ = false;
      return 0;
    case WM_ACTIVATEAPP:
      // Judged once the switch is complete: the active window is not yet set while the
      // application is told, and another application must finish its own activation
      // before the foreground is taken back.
      // Sent before WM_ACTIVATE when the switch comes from another program.
      returning_from_other_app_ = wparam != FALSE;
      // The user may have made or removed folders in the meantime.
      if (wparam != FALSE) tree_preview_.Forget();
      if (app_.HostPresent && !terminated_)
        PostMessageA(hwnd(), kMsg_AfterActivation, wparam != FALSE ? 1 : 0, 0);
      break;
    case kMsg_AfterActivation:
      // The switch is complete: the window may insist on staying active, and the host may
      // be re-read on every return.
      if (terminated_) return 0;
      if (wparam == 0) {
        if (startup_.always_active) ForceForeground(hwnd());
      } else if (flags_.TC8B10Method && activation_.refresh_on_activate && snapshot_ &&
                 GetActiveWindow() == hwnd()) {
        snapshot_->Refresh();
      }
      return 0;
    case WM_LBUTTONDOWN:
      CheckAndTurnOffPathEditing();
      break;
    case WM_COPYDATA: {
      // A reply to a host query: the text up to its zero byte, never past the data.
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
    case WM_DROPFILES:
      AcceptFiles(reinterpret_cast<HDROP>(wparam));
      return 0;
    case WM_TIMER:
      if (wparam == kTimer_LiveReplacements && startup_.live_replacements) RerunPreview();
      return 0;
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      const int code = HIWORD(wparam);
      if (lparam == 0) {
        if (std::optional<std::string> token = variables_menu_.TokenFor(static_cast<UINT>(id)))
          InsertVariable(*token);
        return 0;
      }
      const auto affix_settings = [this](bool prefix) {
        return settings_.List(prefix ? kPrefixListSection : kSuffixListSection);
      };
      if (batch_.OnCommand(id, code, affix_settings, Text(lng::program::kSubdir))) return 0;
      switch (id) {
        case kId_MkDir:
          if (code == CBN_EDITCHANGE) {
            ChangeReported_ = mkdir_edit_;
            InputMayHaveChanged(mkdir_edit_);
          }
          if (code == CBN_SELCHANGE) PostMessageA(hwnd(), kMsg_ChoiceDone, kId_MkDir, 0);
          if (code == CBN_DROPDOWN) {
            app_.CurrentRoutine = "LoadMkDirHistory";
            history_.Load();
          }
          if (code == CBN_DROPDOWN || code == CBN_CLOSEUP) {
            controls_.Focus(Control(kId_MkDir));
            controls_.CaretToEnd(Control(kId_MkDir));
          }
          break;
        case kId_btn_undo:
          if (code != BN_CLICKED) break;
          app_.CurrentRoutine = "btn_undoClick";
          history_.Undo(VisibleInput());
          MkDirChange(Edit(mkdir_edit_).Text());
          break;
        case kId_btn_loadFromFile:
          if (code == BN_CLICKED) btn_loadFromFileClick();
          break;
        case kId_edit_Attrib:
          if (code == EN_CHANGE)
            if (std::optional<std::string> title =
                    image_.FieldChanged(app_title_, InputModeOf(mode_)))
              SetWindowTextA(hwnd(), title->c_str());
          break;
        case kId_MkDirExt:
          if (code == EN_CHANGE) {
            ChangeReported_ = Control(kId_MkDirExt);
            InputMayHaveChanged(Control(kId_MkDirExt));
          }
          break;
        case kId_btn_ok:
        case kId_btn_ok_flat:
          if (code == BN_CLICKED) btn_okClick();
          break;
        case IDOK:
          if (controls_.Enabled(activation_.flat_buttons ? kId_btn_ok_flat : kId_btn_ok))
            btn_okClick();
          break;
        case kId_btn_cancel:
        case kId_btn_cancel_flat:
        case IDCANCEL:
          if (code == BN_CLICKED) PostMessageA(hwnd(), WM_CLOSE, 0, 0);
          break;
        case kId_btn_extended:
          if (code != BN_CLICKED) break;
          if (mode_ == MainMode::kNormal)
            ChangeToExt();
          else
            ChangeToNormal();
          break;
        case kId_btn_BatchDir:
          if (code == BN_CLICKED) btn_BatchDirClick();
          break;
        case kId_btn_treePreview:
          if (code == BN_CLICKED) ShowTreePreview(!tree_preview_.Shown());
          break;
        case kId_btn_addRep:
          if (code == BN_CLICKED) {
            // btn_addRepClick: the variables popup below the button.
            RECT rect;
            GetWindowRect(Control(kId_btn_addRep), &rect);
            if (std::optional<std::string> token = ChooseVariable(hwnd(), {rect.left, rect.bottom}))
              InsertVariable(*token);
          }
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
          // option_Click: the focus goes back to the input, unless batch mode owns the box.
          if (code == BN_CLICKED && !(id == kId_option_replacements && mode_ == MainMode::kBatch))
            controls_.Focus(VisibleInput());
          break;
        case kId_cmbox_Templates:
          if (code == CBN_DROPDOWN) {
            TemplateListOpen_ = true;
            // The name as it was before the list opened is what undo brings back.
            history_.Remember(controls_.Text(kId_MkDir));
            FillTemplates();
          }
          if (code == CBN_SELENDOK) cmbox_TemplatesChange();
          if (code == CBN_KILLFOCUS) TemplateListOpen_ = false;
          break;
        case kId_img_ChangeDirAttrib:
          if (code == STN_CLICKED) img_ChangeDirAttribClick();
          break;
        case kId_lbl_s_newfolder:
          // lbl_s_newfolderClick: the host's path is read again.
          if (code == STN_CLICKED && snapshot_) {
            CheckAndTurnOffPathEditing();
            snapshot_->Refresh();
          }
          break;
        case kId_lbl_currentPath:
        case kId_lbl_newdirname:
          if (code == STN_DBLCLK) OpenPathEditing();
          break;
        case kId_edit_curdirname:
          if (code == EN_CHANGE) edit_curdirnameChange();
          if (code == EN_KILLFOCUS) CheckAndTurnOffPathEditing();
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
        app_.CurrentRoutine = "MkDirSelect";
        history_.Picked();
        MkDirChange(Edit(mkdir_edit_).Text());
      } else if (mode_ == MainMode::kBatch) {
        batch_.GenerateBatchDirList();
      }
      return 0;
    case kMsg_UpDownDone:
      if (wparam == kId_updown_digits) controls_.SetChecked(kId_chck_digitsAuto, false);
      SetFocus(Control(kId_MkDirExt));
      controls_.CaretToEnd(Control(kId_MkDirExt));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
      if (LRESULT brush = look_.ControlColors(message, reinterpret_cast<HDC>(wparam),
                                              reinterpret_cast<HWND>(lparam)))
        return brush;
      break;
    case WM_ERASEBKGND:
      look_.EraseBackground(hwnd(), reinterpret_cast<HDC>(wparam));
      look_.PaintDecorations(hwnd(), reinterpret_cast<HDC>(wparam), Decorations());
      return 1;
    case WM_MOUSEMOVE:
      look_.SetQuickButtons2Default(0);
      break;
    case WM_WINDOWPOSCHANGED:
      tree_preview_.Follow();
      break;
    case WM_CLOSE:
      if (FormCloseQuery()) {
        app_.CurrentRoutine = "FormClose";
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
  HWND field = VisibleInput();
  const std::string text = Edit(field).Text();
  PortableCharCase char_case;
  ModifiedText modified =
      ::kestrix::ProcessTextModifier(function_name, text, controls_.Selection(field),
                                     InputModeOf(mode_), startup_.intelli_modifiers, char_case);
  SetWindowTextA(field, modified.text.c_str());
  SetFocus(field);
  controls_.Select(field, modified.selection);
  RerunPreview();
}

}  // namespace kestrix
