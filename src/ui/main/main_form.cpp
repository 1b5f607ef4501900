#include "ui/main/main_form.h"

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
#include "ui/dialogs/new_application.h"
#include "ui/main/main_form_activation.h"
#include "ui/main/main_form_host.h"
#include "ui/main/main_form_input.h"
#include "ui/main/main_form_load.h"
#include "ui/main/main_form_options.h"
#include "ui/main/run_undo_command.h"
#include "ui/main/tree_preview.h"
#include "ui/messages.h"
#include "window/menu.h"

namespace kestrix {

namespace {

constexpr int kInitialWidth = 353;
constexpr int kInitialHeight = 260;
constexpr char kDefaultLanguage[] = "ENG";

}  // namespace

MainForm::MainForm(StartupValues& app, MainFormServices services)
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
        return HistoryPlaces{app_.commander_ini, ProgramDirOf(services_.exe_path),
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
      services_.logger, UserAppIds_, app_.snapshot.current_path, look_, batch_, text,
      [this] { return NormalModeTitle(kApplicationTitle, image_.Set()); }, app_.current_routine,
      [this] { tree_preview_->Changed(); }});
  tree_preview_ = std::make_unique<TreePreview>(TreePreview::Sources{
      services_.files, [this] { return TreePreviewInput(); },
      [this](const std::string& t) { return services_.environment.Expand(t); },
      [this](const std::string& t) { return Replacements(t, services_.variables, UserAppIds_); },
      [this]() -> const LanguageTable& { return language_.table; }});
  templates_ = std::make_unique<TemplateBox>(TemplateBox::Wiring{
      controls_, mode_, settings_, history_, *preview_, language, app_.current_routine});
  input_ = std::make_unique<InputRouting>(InputRouting::Wiring{
      controls_, mode_, settings_, history_, batch_, *preview_, *templates_,
      [this](KeyAction action) { RunKeyAction(action); }, [this] { ChangeToExt(); },
      [this] { host_->EndPathEditing(); }, visible_input, text, app_.current_routine});
  input_->SetErrorLogger(&services_.logger);
  layout_ = std::make_unique<MainLayout>(MainLayout::Wiring{
      controls_, look_, mode_, language, [this](HWND control) { input_->Hook(control); }});
  host_ = std::make_unique<HostLink>(HostLink::Wiring{
      controls_, mode_, app_, services_.windows, services_.files, services_.environment, settings_,
      *preview_, services_.code_page, services_.message_boxes, text,
      [this] { layout_->EnsurePathEditor(); }, visible_input,
      [this] {
        layout_->PlaceWindow(services_.windows, app_.snapshot, settings_.Startup().window_position);
      }});
  activation_ = std::make_unique<MainActivation>(
      MainActivation::Wiring{[this] { Activated(); }, [this] { controls_.Focus(VisibleInput()); },
                             [this] { return app_.host_present && !host_->Terminated(); },
                             [this](bool back) {
                               // The window may insist on staying active, and the host may be
                               // re-read on every return.
                               if (host_->Terminated()) return;
                               if (!back && settings_.Startup().always_active)
                                 ForceForeground(hwnd());
                               if (back) host_->Returned(hwnd());
                             },
                             services_.logger});
  load_ = std::make_unique<LoadFromFileMenu>(LoadFromFileMenu::Wiring{
      controls_, mode_, app_, settings_, services_.files, services_.code_page,
      services_.message_boxes, services_.windows, *preview_, *layout_, language,
      [this] { ChangeToExt(); }, [this](const std::string& name) { ChangeToNormal(name); },
      [this] { TurnOffBatchMode(); }, own_dialog});
  undo_ = std::make_unique<RunUndoCommand>(RunUndoCommand::Wiring{
      services_.files, settings_, services_.logger, services_.message_boxes, language_,
      app_.current_routine,
      [this] {
        if (HostCommands* commands = host_->Commands())
          commands->Post(app_.snapshot.host_window, kCmdRereadSource);
      },
      [this] {
        tree_preview_->Forget();
        preview_->Rerun();  // what the preview marks as existing may be gone now
        controls_.Focus(VisibleInput());
      }});
  options_ = std::make_unique<OptionsMenu>(OptionsMenu::Wiring{
      controls_, settings_, services_.files, services_.resources, services_.code_page,
      services_.message_boxes, services_.exe_path, language_, *templates_, *preview_, *undo_,
      app_.current_routine,
      [this](HWND owner, POINT at, bool new_app) { return ChooseVariable(owner, at, new_app); },
      own_dialog,
      [this](const ConfigurationValues& values) { Guarded([&] { ApplyConfiguration(values); }); }});
}

MainForm::~MainForm() {
  if (hwnd() != nullptr) DestroyWindow(hwnd());
}

bool MainForm::Create(HINSTANCE instance) {
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
  image_.Attach(
      instance, Control(MainControl::kAttributeImage), Control(MainControl::kAttributeField),
      [this] {
        // Escape leaves the focus on the hidden field or hands it to the window; a click
        // elsewhere has moved it to its target already.
        HWND focus = GetFocus();
        if (focus == nullptr || focus == Control(MainControl::kAttributeField) || focus == hwnd())
          controls_.Focus(VisibleInput());
      });
  // The captions come with the language, in BuildWindow.
  layout_->Relayout(true);
  bool show = false;
  // The start reads the settings file once, up to the end of the first activation.
  settings_.HoldFile(true);
  Guarded([&] { show = BuildWindow(); });
  if (!show) settings_.HoldFile(false);
  return show && !host_->Terminated();
}

void MainForm::Show(int show_command) {
  ShowWindow(hwnd(), show_command);
  UpdateWindow(hwnd());
  ForceForeground(hwnd());
  Guarded([&] { Showing(); });
  if (settings_.Startup().tree_preview) ShowTreePreview(true);
}

void MainForm::LoadLanguage() {
  app_.current_routine = "LoadLanguage";
  const std::string setting = settings_.LanguageSetting();
  const LanguageSources sources{services_.files, services_.resources,
                                ProgramDirOf(services_.exe_path), &services_.code_page};
  language_ = ::kestrix::LoadLanguage(sources, setting, pending_language_, services_.args);
  look_.ApplyFonts(settings_.Activation());
  layout_->ApplyCaptions();
  templates_->Fill();
  controls_.SetText(MainControl::kMoreLink, Text(lng::program::kMore));
}

void MainForm::Showing() {
  app_.current_routine = "FormShow";
  const StartupSettings& startup = settings_.Startup();
  if (!SelectsSuggestedNameOnShow(startup.dir_prefix_active, startup.dir_suffix_active,
                                  startup.suggested_name))
    return;
  HWND input = VisibleInput();
  controls_.Focus(input);
  TextSelection selection = SuggestedNameSelection(Edit(input).Text(), app_.snapshot.selected_name);
  controls_.Select(input, selection);
}

bool MainForm::BuildWindow() {
  LoadLanguage();
  app_.current_routine = "FormCreate";
  app_.host_present = false;
  if (app_.snapshot.host_window == 0) {
    MessageBoxW(nullptr, Wide(Text(lng::errors::kTCError)).c_str(), Wide(kApplicationTitle).c_str(),
                MB_OK);
    PostQuitMessage(0);
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    return false;
  }
  app_.host_present = true;
  // Only the drive letter is taken.
  wchar_t current_dir[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, current_dir);
  const bool letter = length > 0 && current_dir[0] < 0x80;
  app_.snapshot.current_path =
      std::string(1, letter ? static_cast<char>(current_dir[0]) : 'C') + ":\\";
  // What DragAcceptFiles does, without loading the shell library for it at every start.
  SetWindowLongPtrW(hwnd(), GWL_EXSTYLE,
                    GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
  settings_.LoadStartup();
  host_->LoadStartup();
  const StartupSettings& startup = settings_.Startup();
  host_->Flags().tc8b10_func_checked = startup.tc8b10_func_checked;

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
  preview_->SetListText(controls_.Text(MainControl::kNameField));
  layout_->PlaceWindow(services_.windows, app_.snapshot, startup.window_position);
  SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
  return true;
}

void MainForm::Activated() {
  if (!app_.host_present) return;
  app_.current_routine = "FormActivate";
  settings_.LoadActivation();
  settings_.HoldFile(false);
  const ActivationSettings& activation = settings_.Activation();
  preview_->Activated();
  UserAppIds_ = DiscoverUserApps(services_.files, ProgramDirOf(services_.exe_path),
                                 settings_.Startup().disable_plugins);
  load_->DiscoverStructures();
  // The mode is set once: back from a dialog (one of ours, the open-file dialog, a message
  // box), whether confirmed or cancelled, it stays as the user or the dialog's work left it.
  const bool first = activation_->FirstActivation();
  const InitialModeAction initial =
      first ? InitialModeFor(activation.initial_mode, activation.window_extended)
            : InitialModeAction::kUnchanged;
  switch (initial) {
    case InitialModeAction::kNormal:
      ChangeToNormal();
      break;
    case InitialModeAction::kExtended:
      ChangeToExt();
      break;
    case InitialModeAction::kBatch:
      if (mode_ != MainMode::kBatch) ToggleBatchMode();
      break;
    case InitialModeAction::kUnchanged:
      break;
  }
  controls_.SetChecked(MainControl::kReplacementsCheck, activation.replacements);
  controls_.SetChecked(MainControl::kEnterCheck, activation.enter_directory);
  controls_.SetChecked(MainControl::kCloseCheck, activation.close_window);
  // A configured custom name replaces the host's suggestion; in a list it would take the
  // place of the user's first line.
  if (activation.suggested_name != SuggestedName::kHostItem &&
      (first || mode_ == MainMode::kNormal))
    controls_.SetText(MainControl::kNameField, Trim(activation.custom_dir_name));
  if (activation.flat_buttons) layout_->EnsureFlatPushButtons();
  controls_.SetText(MainControl::kMoreLink, Text(lng::program::kMore));
  look_.ApplyFonts(activation);
  app_.current_routine = "ChangeColors";
  look_.ChangeColors(activation);
  controls_.SetEnabled(
      activation.flat_buttons ? MainControl::kOkFlatButton : MainControl::kOkButton,
      !Trim(controls_.Text(MainControl::kNameField)).empty());
  // The fonts may have changed the path's width: the preview is placed after it again.
  preview_->RefitPath();
  HWND input = VisibleInput();
  if (mode_ == MainMode::kNormal) {
    preview_->NameEdited();
  } else {
    if (mode_ != MainMode::kBatch) preview_->SetListText(controls_.Text(MainControl::kListField));
    preview_->ListChanged();
  }
  // The first show selects the whole suggestion, so the first key replaces it.
  const bool first_show = first && mode_ == MainMode::kNormal;
  controls_.Focus(input);
  if (first_show)
    controls_.Select(input, {0, std::string::npos});
  else
    controls_.CaretToEnd(input);
  if (activation.initial_mode == InitialMode::kBatch) batch_.GenerateBatchDirList();
}

bool MainForm::ConfirmClose() {
  app_.current_routine = "FormCloseQuery";
  if (!app_.host_present) return true;
  // Closing is always allowed; a settings file that cannot be written only loses the
  // option states.
  const HostMethodFlags& flags = host_->Flags();
  settings_.SaveClosing(
      {language_.current_id.empty() ? std::string(kDefaultLanguage) : language_.current_id,
       controls_.Checked(MainControl::kReplacementsCheck),
       controls_.Checked(MainControl::kEnterCheck), controls_.Checked(MainControl::kCloseCheck),
       flags.tc8b10_method, flags.tc8b10_fix_ext, flags.tc8b10_func_checked});
  return true;
}

void MainForm::Closed() {
  app_.current_routine = "FormClose";
  DestroyWindow(hwnd());
}

void MainForm::Destroyed() {
  app_.current_routine = "FormDestroy";
  preview_->StopTimer();
  PostQuitMessage(0);
}

// --- Messages ------------------------------------------------------------------------

LRESULT MainForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
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
      if (ConfirmClose()) Closed();
      return 0;
    case WM_DESTROY:
      Destroyed();
      return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

void MainForm::OnCommand(ControlId id, int code, HWND control) {
  if (control == nullptr) {
    if (std::optional<std::string> token = variables_menu_.TokenFor(id))
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
  switch (static_cast<MainControl>(static_cast<MainControl>(id))) {
    case MainControl::kAttributeField:
      if (code == EN_CHANGE)
        if (std::optional<std::string> title =
                image_.FieldChanged(kApplicationTitle, InputModeOf(mode_)))
          kestrix::Control(hwnd()).SetText(*title);
      break;
    case MainControl::kOkButton:
    case MainControl::kOkFlatButton:
      if (clicked) CreateFromInput();
      break;
    case MainControl::kTreeButton:
      if (clicked) ShowTreePreview(!tree_preview_->Shown());
      break;
    case MainControl::kEnterKey:
      if (controls_.Enabled(settings_.Activation().flat_buttons ? MainControl::kOkFlatButton
                                                                : MainControl::kOkButton))
        CreateFromInput();
      break;
    case MainControl::kCancelButton:
    case MainControl::kCancelFlatButton:
    case MainControl::kEscapeKey:
      if (clicked) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
      break;
    case MainControl::kExtendedButton:
      if (clicked && mode_ == MainMode::kNormal)
        ChangeToExt();
      else if (clicked)
        ChangeToNormal();
      break;
    case MainControl::kBatchButton:
      if (clicked) ToggleBatchMode();
      break;
    case MainControl::kVariablesButton:
      if (clicked) {
        // ShowVariablesMenu: the variables popup below the button.
        if (std::optional<std::string> token =
                ChooseVariable(hwnd(), BelowOf(Control(MainControl::kVariablesButton)), true))
          input_->InsertVariable(*token);
      }
      break;
    case MainControl::kAttributeImage:
      if (code == STN_CLICKED) OpenAttributeMenu();
      break;
    default:
      break;
  }
}

// A drop-down choice: its text is in the field only once the selection message ends.
void MainForm::ChoiceDone(ControlId id) {
  if (id == MainControl::kNameField) {
    app_.current_routine = "MkDirSelect";
    history_.Picked();
    preview_->NameEdited();
  } else if (mode_ == MainMode::kBatch) {
    batch_.GenerateBatchDirList();
  }
}

void MainForm::RunKeyAction(KeyAction action) {
  switch (action) {
    case KeyAction::kOkClick:
      CreateFromInput();
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
      ToggleBatchMode();
      break;
    case KeyAction::kRefresh:
      host_->Refresh();
      break;
    case KeyAction::kAttributesMenu:
      OpenAttributeMenu();
      break;
    case KeyAction::kOpenAttribLetters:
      image_.OpenLetters();
      break;
    case KeyAction::kLoadFromFile:
      // The menu whenever it offers more than Browse, in every mode: the folder copy and
      // the structures must not hide behind F3.
      load_->ShowLoadMenu();
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
      options_->OpenTemplateManager();
      break;
    case KeyAction::kConfiguration:
      options_->ShowConfiguration();
      break;
    default:
      // The field actions run in the input routing.
      break;
  }
}

void MainForm::ApplyConfiguration(const ConfigurationValues& values) {
  app_.current_routine = "ApplyConfiguration";
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
  layout_->PlaceWindow(services_.windows, app_.snapshot, settings_.Startup().window_position);
  if (const std::optional<int> alpha = TransparencyOnOk(values.alpha_blend_value))
    ApplyTransparency(hwnd(), TransparencyFor(*alpha));
  // The activation keys (invalid characters, theme, flat buttons) and the preview.
  Activated();
}

void MainForm::PrepareVariablesMenu() {
  variables_menu_.Build({language_.table, services_.environment, services_.files,
                         ProgramDirOf(services_.exe_path), UserAppIds_,
                         settings_.Startup().disable_plugins});
}

std::optional<std::string> MainForm::ChooseVariable(HWND owner, POINT at, bool new_app) {
  PrepareVariablesMenu();
  const ControlId command = ShowMenu(owner, variables_menu_.Menu(), at);
  if (new_app && command == MainMenu::kNewApplication) {
    OpenNewApplication(owner);
    return std::nullopt;
  }
  return variables_menu_.TokenFor(command);
}

void MainForm::OpenNewApplication(HWND owner) {
  app_.current_routine = "NewApp1Click";
  const DisablePlugins disable_plugins = settings_.Startup().disable_plugins;
  if (disable_plugins != DisablePlugins::kNone) return;
  NewApplicationDialog dialog({language_.table, services_.message_boxes, services_.variables});
  if (activation_->RunOwnDialog(dialog, owner) != IDOK) return;
  // The new token is known at once: in the popup and in the expansion.
  UserAppIds_ =
      DiscoverUserApps(services_.files, ProgramDirOf(services_.exe_path), disable_plugins);
  preview_->Rerun();
}

void MainForm::ShowOpenDialogAndLoadFile(const std::string& path, bool browse) {
  load_->ShowOpenDialogAndLoadFile(path, browse);
}

}  // namespace kestrix
