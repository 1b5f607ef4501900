#include "ui/main_form.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/launch_decision.h"
#include "app/name_selection.h"
#include "base/text_utils.h"
#include "host/foreground_win32.h"
#include "names/user_apps.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_handle_win32.h"
#include "settings/configuration.h"
#include "ui/main_form_activation.h"
#include "ui/main_form_host.h"
#include "ui/main_form_input.h"
#include "ui/main_form_load.h"
#include "ui/main_form_options.h"
#include "ui/messages.h"
#include "ui/new_application.h"
#include "ui/run_undo_command.h"
#include "ui/tree_preview.h"
#include "window/menu.h"

namespace kestrix {

namespace {

constexpr int kInitialWidth = 353;
constexpr int kInitialHeight = 260;
constexpr char kDefaultLanguage[] = "ENG";

}  // namespace

Ttc_KestrixForm::Ttc_KestrixForm(StartupValues& app, MainFormServices services)
    : app_(app),
      services_(std::move(services)),
      settings_(
          services_.files, services_.environment, &services_.message_boxes,
          [this]() -> const LanguageTable& { return language_.table; },
          SettingsFilePath(services_.exe_path), &services_.code_page),
      look_(controls_, services_.files, &services_.logger, ProgramDirOf(services_.exe_path),
            {[this] { return Text(lng::program::kMore); }, [this] { return preview_->ListText(); },
             [this] { return image_.FieldOpen(); }}),
      batch_(
          controls_, [this](const std::string& text) { preview_->SetListText(text); },
          [this](bool descending) { look_.ShowSignImage(descending); }),
      history_(controls_, services_.files, services_.environment, services_.code_page, [this] {
        return HistoryPlaces{app_.CommanderIni, ProgramDirOf(services_.exe_path),
                             ExecutableBaseName(services_.exe_path),
                             settings_.Startup().mkdir_history_file};
      }) {
  SetErrorLogger(&services_.logger);
  auto language = [this]() -> const LanguageTable& { return language_.table; };
  auto text = [this](const LanguageKey& key) { return Text(key); };
  auto visible_input = [this] { return VisibleInput(); };
  auto own_dialog = [this](Dialog& dialog) { return activation_->RunOwnDialog(dialog, hwnd()); };
  preview_ = std::make_unique<NamePreview>(NamePreview::Wiring{
      controls_, mode_, settings_, services_.files, services_.environment, services_.variables,
      services_.logger, UserAppIds_, app_.Snapshot.CurrentPath, look_, batch_, text,
      [this] { return NormalModeTitle(kApplicationTitle, image_.Set()); }, app_.CurrentRoutine,
      [this] { tree_preview_->Changed(); }});
  tree_preview_ = std::make_unique<TreePreview>(TreePreview::Sources{
      services_.files, [this] { return TreePreviewInput(); },
      [this](const std::string& t) { return services_.environment.Expand(t); },
      [this](const std::string& t) { return Replacements(t, services_.variables, UserAppIds_); },
      [this]() -> const LanguageTable& { return language_.table; }});
  templates_ = std::make_unique<TemplateBox>(TemplateBox::Wiring{
      controls_, mode_, settings_, history_, *preview_, language, app_.CurrentRoutine});
  input_ = std::make_unique<InputRouting>(InputRouting::Wiring{
      controls_, mode_, settings_, history_, batch_, *preview_, *templates_,
      [this](KeyAction action) { RunKeyAction(action); }, [this] { ChangeToExt(); },
      [this] { host_->EndPathEditing(); }, visible_input, text, app_.CurrentRoutine});
  input_->SetErrorLogger(&services_.logger);
  layout_ = std::make_unique<MainLayout>(MainLayout::Wiring{
      controls_, look_, mode_, language, [this](HWND control) { input_->Hook(control); }});
  host_ = std::make_unique<HostLink>(HostLink::Wiring{
      controls_, mode_, app_, services_.windows, services_.files, services_.environment, settings_,
      *preview_, services_.code_page, services_.message_boxes, text,
      [this] { layout_->EnsurePathEditor(); }, visible_input,
      [this] {
        layout_->PlaceWindow(services_.windows, app_.Snapshot, settings_.Startup().window_position);
      }});
  activation_ = std::make_unique<MainActivation>(MainActivation::Wiring{
      [this] { FormActivate(); }, [this] { controls_.Focus(VisibleInput()); },
      [this] { return app_.HostPresent && !host_->Terminated(); },
      [this](bool back) {
        // The window may insist on staying active, and the host may be re-read on every
        // return.
        if (host_->Terminated()) return;
        if (!back && settings_.Startup().always_active) ForceForeground(hwnd());
        if (back) host_->Returned(hwnd());
      },
      services_.logger});
  load_ = std::make_unique<LoadFromFileMenu>(LoadFromFileMenu::Wiring{
      controls_, mode_, app_, settings_, services_.files, services_.code_page,
      services_.message_boxes, services_.windows, *preview_, *layout_, language,
      [this] { ChangeToExt(); }, [this] { ChangeToNormal(); }, [this] { TurnOffBatchMode(); },
      own_dialog});
  undo_ = std::make_unique<RunUndoCommand>(RunUndoCommand::Wiring{
      services_.files, settings_, services_.logger, services_.message_boxes, language_,
      app_.CurrentRoutine,
      [this] {
        if (HostCommands* commands = host_->Commands())
          commands->Post(app_.Snapshot.HostWindow, kCmdRereadSource);
      },
      [this] {
        tree_preview_->Forget();
        preview_->Rerun();  // what the preview marks as existing may be gone now
        controls_.Focus(VisibleInput());
      }});
  options_ = std::make_unique<OptionsMenu>(OptionsMenu::Wiring{
      controls_, settings_, services_.files, services_.resources, services_.code_page,
      services_.message_boxes, services_.exe_path, language_, *templates_, *preview_, *undo_,
      app_.CurrentRoutine,
      [this](HWND owner, POINT at, bool new_app) { return ChooseVariable(owner, at, new_app); },
      own_dialog,
      [this](const ConfigurationValues& values) { Guarded([&] { ApplyConfiguration(values); }); }});
}

Ttc_KestrixForm::~Ttc_KestrixForm() {
  if (hwnd() != nullptr) DestroyWindow(hwnd());
}

bool Ttc_KestrixForm::Create(HINSTANCE instance) {
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  if (!CreateForm(instance, kMainWindowClass, kApplicationTitle, style, kInitialWidth,
                  kInitialHeight))
    return false;
  // Players answer a copy-data request to its sender's process: 0 names none.
  services_.variables.application_window = FromHwnd(hwnd());
  preview_->Attach(hwnd());
  input_->Attach(hwnd());
  load_->Attach(hwnd());
  options_->Attach(hwnd());
  activation_->Attach(hwnd(), instance);
  layout_->CreateControls(hwnd(), instance);
  history_.SetNameEdit(MkDirEdit());
  image_.Attach(instance, Control(kId_img_ChangeDirAttrib), Control(kId_edit_Attrib), [this] {
    // Escape leaves the focus on the hidden field or hands it to the window; a click
    // elsewhere has moved it to its target already.
    HWND focus = GetFocus();
    if (focus == nullptr || focus == Control(kId_edit_Attrib) || focus == hwnd())
      controls_.Focus(VisibleInput());
  });
  // The captions come with the language, in FormCreate.
  layout_->Relayout(true);
  bool show = false;
  // The start reads the settings file once, up to the end of the first activation.
  settings_.HoldFile(true);
  Guarded([&] { show = FormCreate(); });
  if (!show) settings_.HoldFile(false);
  return show && !host_->Terminated();
}

void Ttc_KestrixForm::Show(int show_command) {
  ShowWindow(hwnd(), show_command);
  UpdateWindow(hwnd());
  ForceForeground(hwnd());
  Guarded([&] { FormShow(); });
  if (settings_.Startup().tree_preview) ShowTreePreview(true);
}

void Ttc_KestrixForm::LoadLanguage() {
  app_.CurrentRoutine = "LoadLanguage";
  const std::string setting = settings_.LanguageSetting();
  const LanguageSources sources{services_.files, services_.resources,
                                ProgramDirOf(services_.exe_path), &services_.code_page};
  language_ = ::kestrix::LoadLanguage(sources, setting, pending_language_, services_.args);
  look_.ApplyFonts(settings_.Activation());
  layout_->ApplyCaptions();
  templates_->Fill();
  controls_.SetText(kId_lbl_s_more, Text(lng::program::kMore));
}

void Ttc_KestrixForm::FormShow() {
  app_.CurrentRoutine = "FormShow";
  const StartupSettings& startup = settings_.Startup();
  if (!SelectsSuggestedNameOnShow(startup.dir_prefix_active, startup.dir_suffix_active,
                                  startup.suggested_name))
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
    MessageBoxW(nullptr, Wide(Text(lng::errors::kTCError)).c_str(), Wide(kApplicationTitle).c_str(),
                MB_OK);
    PostQuitMessage(0);
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    return false;
  }
  app_.HostPresent = true;
  // Only the drive letter is taken.
  wchar_t current_dir[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, current_dir);
  const bool letter = length > 0 && current_dir[0] < 0x80;
  app_.Snapshot.CurrentPath =
      std::string(1, letter ? static_cast<char>(current_dir[0]) : 'C') + ":\\";
  // What DragAcceptFiles does, without loading the shell library for it at every start.
  SetWindowLongPtrW(hwnd(), GWL_EXSTYLE,
                    GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
  settings_.LoadStartup();
  host_->LoadStartup();
  const StartupSettings& startup = settings_.Startup();
  host_->Flags().TC8B10FuncChecked = startup.tc8b10_func_checked;

  if (startup.window_style != WindowStyle::kOwnBorder) {
    LONG_PTR ex_style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
    ex_style |=
        startup.window_style == WindowStyle::kDialogBorder ? WS_EX_DLGMODALFRAME : WS_EX_TOOLWINDOW;
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, ex_style);
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  if (startup.hide_from_taskbar) {
    ShowWindow(hwnd(), SW_HIDE);
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE,
                      GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  }
  if (startup.always_on_top)
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  ApplyTransparency(hwnd(), TransparencyFor(startup.alpha_blend_value));
  if (!host_->Acquire(hwnd())) return false;
  preview_->SetListText(controls_.Text(kId_MkDir));
  layout_->PlaceWindow(services_.windows, app_.Snapshot, startup.window_position);
  SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
  return true;
}

void Ttc_KestrixForm::FormActivate() {
  if (!app_.HostPresent) return;
  app_.CurrentRoutine = "FormActivate";
  settings_.LoadActivation();
  settings_.HoldFile(false);
  const ActivationSettings& activation = settings_.Activation();
  preview_->Activated();
  UserAppIds_ = DiscoverUserApps(services_.files, ProgramDirOf(services_.exe_path),
                                 settings_.Startup().disable_plugins);
  load_->DiscoverStructures();
  // Back from one of our dialogs, the mode stays as the dialog's work left it.
  const InitialModeAction initial =
      activation_->DialogReturn()
          ? InitialModeAction::kUnchanged
          : InitialModeFor(activation.initial_mode, activation.window_extended);
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
  controls_.SetChecked(kId_option_replacements, activation.replacements);
  controls_.SetChecked(kId_option_enterdir, activation.enter_directory);
  controls_.SetChecked(kId_option_closewnd, activation.close_window);
  // A configured custom name replaces the host's suggestion.
  if (activation.suggested_name != SuggestedName::kHostItem)
    controls_.SetText(kId_MkDir, Trim(activation.custom_dir_name));
  if (activation.flat_buttons) layout_->EnsureFlatPushButtons();
  controls_.SetText(kId_lbl_s_more, Text(lng::program::kMore));
  look_.ApplyFonts(activation);
  app_.CurrentRoutine = "ChangeColors";
  look_.ChangeColors(activation);
  controls_.SetEnabled(activation.flat_buttons ? kId_btn_ok_flat : kId_btn_ok,
                       !Trim(controls_.Text(kId_MkDir)).empty());
  // The fonts may have changed the path's width: the preview is placed after it again.
  preview_->RefitPath();
  HWND input = VisibleInput();
  if (mode_ == MainMode::kNormal) {
    preview_->NameEdited();
  } else {
    if (mode_ != MainMode::kBatch) preview_->SetListText(controls_.Text(kId_MkDirExt));
    preview_->MkDirExtChange();
  }
  // The first show selects the whole suggestion, so the first key replaces it.
  const bool first_show = activation_->FirstActivation() && mode_ == MainMode::kNormal;
  controls_.Focus(input);
  if (first_show)
    controls_.Select(input, {0, std::string::npos});
  else
    controls_.CaretToEnd(input);
  if (activation.initial_mode == InitialMode::kBatch) batch_.GenerateBatchDirList();
}

bool Ttc_KestrixForm::FormCloseQuery() {
  app_.CurrentRoutine = "FormCloseQuery";
  if (!app_.HostPresent) return true;
  // Closing is always allowed; a settings file that cannot be written only loses the
  // option states.
  const HostMethodFlags& flags = host_->Flags();
  settings_.SaveClosing(
      {language_.current_id.empty() ? std::string(kDefaultLanguage) : language_.current_id,
       controls_.Checked(kId_option_replacements), controls_.Checked(kId_option_enterdir),
       controls_.Checked(kId_option_closewnd), flags.TC8B10Method, flags.TC8B10FixExt,
       flags.TC8B10FuncChecked});
  return true;
}

void Ttc_KestrixForm::FormClose() {
  app_.CurrentRoutine = "FormClose";
  DestroyWindow(hwnd());
}

void Ttc_KestrixForm::FormDestroy() {
  app_.CurrentRoutine = "FormDestroy";
  preview_->StopTimer();
  PostQuitMessage(0);
}

// --- Messages ------------------------------------------------------------------------

LRESULT Ttc_KestrixForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SYSCOMMAND:
      if (!IsMaximizeRequest(message, wparam)) break;
      MessageBeep(0);
      return 0;
    case WM_ACTIVATE:
      if (activation_->OnActivate(wparam)) return 0;
      break;
    case WM_ACTIVATEAPP:
      // The user may have made or removed folders in the meantime.
      if (wparam != FALSE) tree_preview_->Forget();
      activation_->OnActivateApp(wparam);
      break;
    case kMsg_AfterActivation:
      activation_->AfterActivation(wparam);
      return 0;
    case WM_LBUTTONDOWN:
      host_->EndPathEditing();
      break;
    case WM_COPYDATA:
      return host_->OnCopyData(lparam);
    case WM_DROPFILES:
      AcceptFiles(wparam);
      return 0;
    case WM_TIMER:
      preview_->OnTimer(wparam);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_NOTIFY:
      batch_.OnNotify(hwnd(), reinterpret_cast<const NMHDR*>(lparam));
      break;
    case kMsg_ChoiceDone:
      ChoiceDone(static_cast<int>(wparam));
      return 0;
    case kMsg_UpDownDone:
      batch_.UpDownDone(static_cast<int>(wparam));
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
      layout_->PaintBackground(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_MOUSEMOVE:
      look_.SetQuickButtons2Default(0);
      break;
    case WM_WINDOWPOSCHANGED:
      tree_preview_->Follow();
      break;
    case WM_CLOSE:
      if (FormCloseQuery()) FormClose();
      return 0;
    case WM_DESTROY:
      FormDestroy();
      return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

void Ttc_KestrixForm::OnCommand(int id, int code, HWND control) {
  if (control == nullptr) {
    if (std::optional<std::string> token = variables_menu_.TokenFor(static_cast<UINT>(id)))
      input_->InsertVariable(*token);
    return;
  }
  const auto affix_settings = [this](bool prefix) {
    return settings_.List(prefix ? kPrefixListSection : kSuffixListSection);
  };
  if (batch_.OnCommand(id, code, affix_settings, Text(lng::program::kSubdir)) ||
      input_->OnCommand(id, code) || templates_->OnCommand(id, code) ||
      host_->OnCommand(id, code) || load_->OnCommand(id, code) || options_->OnCommand(id, code))
    return;
  // The window's own buttons.
  const bool clicked = code == BN_CLICKED;
  switch (id) {
    case kId_edit_Attrib:
      if (code == EN_CHANGE)
        if (std::optional<std::string> title =
                image_.FieldChanged(kApplicationTitle, InputModeOf(mode_)))
          kestrix::Control(hwnd()).SetText(*title);
      break;
    case kId_btn_ok:
    case kId_btn_ok_flat:
      if (clicked) btn_okClick();
      break;
    case kId_btn_treePreview:
      if (clicked) ShowTreePreview(!tree_preview_->Shown());
      break;
    case IDOK:
      if (controls_.Enabled(settings_.Activation().flat_buttons ? kId_btn_ok_flat : kId_btn_ok))
        btn_okClick();
      break;
    case kId_btn_cancel:
    case kId_btn_cancel_flat:
    case IDCANCEL:
      if (clicked) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
      break;
    case kId_btn_extended:
      if (clicked && mode_ == MainMode::kNormal)
        ChangeToExt();
      else if (clicked)
        ChangeToNormal();
      break;
    case kId_btn_BatchDir:
      if (clicked) btn_BatchDirClick();
      break;
    case kId_btn_addRep:
      if (clicked) {
        // btn_addRepClick: the variables popup below the button.
        if (std::optional<std::string> token =
                ChooseVariable(hwnd(), BelowOf(Control(kId_btn_addRep)), true))
          input_->InsertVariable(*token);
      }
      break;
    case kId_img_ChangeDirAttrib:
      if (code == STN_CLICKED) img_ChangeDirAttribClick();
      break;
  }
}

// A drop-down choice: its text is in the field only once the selection message ends.
void Ttc_KestrixForm::ChoiceDone(int id) {
  if (id == kId_MkDir) {
    app_.CurrentRoutine = "MkDirSelect";
    history_.Picked();
    preview_->NameEdited();
  } else if (mode_ == MainMode::kBatch) {
    batch_.GenerateBatchDirList();
  }
}

void Ttc_KestrixForm::RunKeyAction(KeyAction action) {
  switch (action) {
    case KeyAction::kOkClick:
      btn_okClick();
      break;
    case KeyAction::kHostBack:
      host_->PostAndRefresh(kCmdFocusLeft);
      break;
    case KeyAction::kHostForward:
      host_->PostAndRefresh(kCmdFocusRight);
      break;
    case KeyAction::kHostParent:
      host_->PostAndRefresh(kCmdGoToParent);
      break;
    case KeyAction::kHostChild:
      host_->PostAndRefresh(kCmdEnterUnderCursor);
      break;
    case KeyAction::kHostRoot:
      host_->PostAndRefresh(kCmdGoToRoot);
      break;
    case KeyAction::kUserGuide:
      options_->OpenUserGuide();
      break;
    case KeyAction::kChangeToExt:
      ChangeToExt();
      break;
    case KeyAction::kChangeToNormal:
      ChangeToNormal();
      break;
    case KeyAction::kBatchDirClick:
      btn_BatchDirClick();
      break;
    case KeyAction::kRefresh:
      host_->Refresh();
      break;
    case KeyAction::kAttributesMenu:
      img_ChangeDirAttribClick();
      break;
    case KeyAction::kOpenAttribLetters:
      image_.OpenLetters();
      break;
    case KeyAction::kLoadFromFile:
      // The menu whenever it offers more than Browse, in every mode: the folder copy and
      // the structures must not hide behind F3.
      load_->btn_loadFromFileClick();
      break;
    case KeyAction::kUndoRun:
      undo_->UndoLastCreation();
      break;
    case KeyAction::kTreePreview:
      ShowTreePreview(!tree_preview_->Shown());
      break;
    case KeyAction::kEditPath:
      host_->OpenPathEditing();
      break;
    case KeyAction::kManageTemplates:
      options_->ManageTemplatesClick();
      break;
    case KeyAction::kConfiguration:
      options_->ShowConfiguration();
      break;
    default:
      // The field actions run in the input routing.
      break;
  }
}

void Ttc_KestrixForm::ApplyConfiguration(const ConfigurationValues& values) {
  app_.CurrentRoutine = "ApplyConfiguration";
  // The start-up keys the dialog wrote: prefix and suffix, the data method, the position,
  // the history file and file creation.
  settings_.LoadStartup();
  host_->LoadStartup();
  if (values.language) {
    // The user's choice in the dialog outranks a "/LNG=" of this run.
    std::erase_if(services_.args, [](const std::string& arg) { return IsLanguageArgument(arg); });
    pending_language_ = {true, *values.language};
    LoadLanguage();
  }
  layout_->PlaceWindow(services_.windows, app_.Snapshot, settings_.Startup().window_position);
  if (const std::optional<int> alpha = TransparencyOnOk(values.alpha_blend_value))
    ApplyTransparency(hwnd(), TransparencyFor(*alpha));
  // The activation keys (invalid characters, theme, flat buttons) and the preview.
  FormActivate();
}

void Ttc_KestrixForm::PrepareVariablesMenu() {
  variables_menu_.Build({language_.table, services_.environment, services_.files,
                         ProgramDirOf(services_.exe_path), UserAppIds_,
                         settings_.Startup().disable_plugins});
}

std::optional<std::string> Ttc_KestrixForm::ChooseVariable(HWND owner, POINT at, bool new_app) {
  PrepareVariablesMenu();
  const UINT command = ShowMenu(owner, variables_menu_.Menu(), at);
  if (new_app && command == kMenu_NewApp1) {
    NewApp1Click(owner);
    return std::nullopt;
  }
  return variables_menu_.TokenFor(command);
}

void Ttc_KestrixForm::NewApp1Click(HWND owner) {
  app_.CurrentRoutine = "NewApp1Click";
  const DisablePlugins disable_plugins = settings_.Startup().disable_plugins;
  if (disable_plugins != DisablePlugins::kNone) return;
  TNewApplication dialog({language_.table, services_.message_boxes, services_.variables});
  if (activation_->RunOwnDialog(dialog, owner) != IDOK) return;
  // The new token is known at once: in the popup and in the expansion.
  UserAppIds_ =
      DiscoverUserApps(services_.files, ProgramDirOf(services_.exe_path), disable_plugins);
  preview_->Rerun();
}

void Ttc_KestrixForm::ShowOpenDialogAndLoadFile(const std::string& path, bool browse) {
  load_->ShowOpenDialogAndLoadFile(path, browse);
}

}  // namespace kestrix
