// The three modes, the change handlers of the name field and the list, the OK button's
// state, the option check boxes and the creation run behind OK.
#include "create/run_settings.h"
#include "names/text_utils.h"
#include "platform/win32/window_handle_win32.h"
#include "ui/attribute_menu_win32.h"
#include "ui/main_form.h"

namespace kestrix {

namespace {

const int kBatchControls[] = {
    kId_grp_batchDir, kId_lbl_from,    kId_edit_from,     kId_updown_from,     kId_lbl_to,
    kId_edit_to,      kId_updown_to,   kId_lbl_stepby,    kId_edit_stepby,     kId_updown_stepby,
    kId_lbl_digits,   kId_edit_digits, kId_updown_digits, kId_chck_digitsAuto, kId_btn_sign,
    kId_lbl_prefix,   kId_cmbx_prefix, kId_lbl_suffix,    kId_cmbx_suffix,     kId_btn_setSuffix,
    kId_rb_Decimal,   kId_rb_Roman,    kId_rb_ABC,
};

constexpr int kListX = 8;
constexpr int kParkedListX = 336;

}  // namespace

MainMode Ttc_KestrixForm::Mode() const {
  if (IsVisible(kId_MkDir)) return MainMode::kNormal;
  return BatchModeActive_ ? MainMode::kBatch : MainMode::kExtended;
}

HWND Ttc_KestrixForm::VisibleInput() const {
  return IsVisible(kId_MkDir) ? Control(kId_MkDir) : Control(kId_MkDirExt);
}

void Ttc_KestrixForm::SetModeTitle(InputMode mode) {
  const std::string title = mode == InputMode::kNormal
                                ? NormalModeTitle(app_title_, attributes_.Set())
                                : ExtendedModeTitle(app_title_, attributes_.Set());
  SetWindowTextA(hwnd(), title.c_str());
}

void Ttc_KestrixForm::ChangeToNormal() {
  app_.CurrentRoutine = "ChangeToNormal";
  SetModeTitle(InputMode::kNormal);
  SetText(kId_btn_extended, Text("Buttons", "BtnExtended", "Extended"));
  for (int id : kBatchControls) SetVisible(id, false);
  SetEnabled(kId_grp_batchDir, false);
  SetVisible(kId_btn_loadFromFile, app_.Snapshot.FocusedTextFile);
  SetVisible(kId_panelfix2, false);
  SetVisible(kId_Label22, false);
  SetVisible(kId_lbl_s_more, false);
  if (BatchModeActive_) TurnOffBatchMode();
  const TextSelection list_selection = Selection(Control(kId_MkDirExt));
  SetVisible(kId_MkDir, true);
  SetVisible(kId_MkDirExt, false);
  MoveControl(kId_MkDirExt, kParkedListX, 44);
  RelayoutForMode(true);
  SetFocus(Control(kId_MkDir));
  if (SavedSelection_.start != 0 || SavedSelection_.length != 0) {
    Select(Control(kId_MkDir), SavedSelection_);
    SavedSelection_ = {};
  } else {
    Select(Control(kId_MkDir), list_selection);
  }
  SetEnabled(kId_option_enterdir, true);
  MkDirChange();
  if (RecenterPending_) CenterOnHost(0);
  RecenterPending_ = false;
}

void Ttc_KestrixForm::ChangeToExt() {
  app_.CurrentRoutine = "ChangeToExt";
  SetModeTitle(InputMode::kExtended);
  SetText(kId_btn_extended, Text("Buttons", "BtnNormal", "Normal"));
  SetVisible(kId_btn_loadFromFile, true);
  LockControl(kId_grp_additional, true);
  RelayoutForMode(false);
  LockControl(kId_grp_additional, false);
  const std::string name = GetText(kId_MkDir);
  CarriedText carried = CarryNameIntoList(name, GetText(kId_MkDirExt));
  if (carried.list) SetText(kId_MkDirExt, *carried.list);
  if (carried.clear_saved_selection) SavedSelection_ = {};
  HWND list = Control(kId_MkDirExt);
  const TextSelection name_selection = Selection(Control(kId_MkDir));
  if (SavedSelection_.start != 0 || SavedSelection_.length != 0) {
    Select(list, SavedSelection_);
    SavedSelection_ = {};
  } else if (name_selection.start == 0 && name_selection.length == 0) {
    const size_t end = GetText(kId_MkDirExt).size();
    Select(list, {end, 0});
  } else {
    Select(list, name_selection);
  }
  const int lines = static_cast<int>(SendMessageA(list, EM_GETLINECOUNT, 0, 0));
  for (int i = 0; i <= lines; ++i) SendMessageA(list, WM_VSCROLL, SB_LINEDOWN, 0);
  SetVisible(kId_MkDir, false);
  MoveControl(kId_MkDirExt, kListX, 44);
  SetVisible(kId_MkDirExt, true);
  SetFocus(list);
  MkDirExtChange();
}

void Ttc_KestrixForm::btn_extendedClick() {
  if (!IsVisible(kId_MkDirExt))
    ChangeToExt();
  else
    ChangeToNormal();
}

void Ttc_KestrixForm::btn_BatchDirClick() {
  app_.CurrentRoutine = "btn_BatchDirClick";
  if (!IsVisible(kId_MkDirExt)) ChangeToExt();
  SavedSelection_ = Selection(VisibleInput());
  if (BatchModeActive_) {
    TurnOffBatchMode();
    RelayoutForMode(false);
    RecenterPending_ = true;
    CenterOnHost(0);
    InvalidateRect(hwnd(), nullptr, TRUE);
    return;
  }
  BatchModeActive_ = true;
  RecenterPending_ = true;
  CenterOnHost(40);
  BatchFilling_ = true;
  if (!DigitsOnlyApplied_) {
    for (int id : {kId_edit_from, kId_edit_to, kId_edit_stepby, kId_edit_digits}) {
      HWND edit = Control(id);
      SetWindowLongPtrA(edit, GWL_STYLE, GetWindowLongPtrA(edit, GWL_STYLE) | ES_NUMBER);
    }
    DigitsOnlyApplied_ = true;
  }
  if (startup_.live_replacements) {
    KillTimer(hwnd(), kTimer_LiveReplacements);
    LiveTimerRunning_ = false;
  }
  SetText(kId_Label22, Text("Captions - Program", "Batch grpbox", "Batch directory creation"));
  ShowBatchButton(true);
  LockControl(kId_grp_batchDir, true);
  LockControl(kId_grp_additional, true);
  RelayoutForMode(false);
  SetVisible(kId_panelfix2, true);
  SetVisible(kId_Label22, true);
  SetEnabled(kId_grp_batchDir, true);
  for (int id : kBatchControls) SetVisible(id, true);
  LockControl(kId_grp_batchDir, false);
  LockControl(kId_grp_additional, false);
  PrefillBatchFields();
  GenerateBatchDirList();
  BatchFilling_ = false;
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Ttc_KestrixForm::TurnOffBatchMode() {
  SetVisible(kId_panelfix2, false);
  SetVisible(kId_Label22, false);
  for (int id : kBatchControls) SetVisible(id, false);
  SetVisible(kId_memo_suffix, false);
  SetEnabled(kId_grp_batchDir, false);
  SetVisible(kId_lbl_s_more, false);
  ShowBatchButton(false);
  SetText(kId_Label21, Text("Captions - Program", "Additional grpbox",
                            "Additional options, rules, replacements"));
  if (IsVisible(kId_MkDirExt)) SetFocus(Control(kId_MkDirExt));
  // Batch mode is still on while the list comes back, so this change does not copy the
  // half-restored list over the saved one.
  SetText(kId_MkDirExt, JoinLines(PreBatchList_));
  const size_t end = GetText(kId_MkDirExt).size();
  Select(Control(kId_MkDirExt), {end, 0});
  BatchModeActive_ = false;
  MkDirExtChange();
}

void Ttc_KestrixForm::ShowPreview(const std::string& text) {
  view_.ShowCurrentPath(GetText(kId_lbl_currentPath));
  RECT path = ControlRect(kId_lbl_currentPath);
  RECT preview = ControlRect(kId_lbl_newdirname);
  RECT client = {};
  GetClientRect(hwnd(), &client);
  SetWindowPos(Control(kId_lbl_newdirname), nullptr, path.right, preview.top,
               std::max(0, static_cast<int>(client.right - path.right - Scale96(8))),
               preview.bottom - preview.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SetText(kId_lbl_newdirname, text);
}

void Ttc_KestrixForm::MkDirChange() {
  app_.CurrentRoutine = "MkDirChange";
  const std::string text = GetText(kId_MkDir);
  last_name_text_ = text;
  PreviewCleanupSettings cleanup;
  cleanup.invalid_char_action = activation_.invalid_char_action;
  cleanup.invalid_char_replace = activation_.invalid_char_replace;
  cleanup.replace_char_keys = activation_.replace_chars_keys;
  cleanup.replace_char_value =
      ReplaceCharsFromSettingsFile(services_.files, SettingsFilePath(services_.exe_path));
  cleanup.normal_mode = IsVisible(kId_MkDir);
  const std::string preview =
      text.find('*') != std::string::npos
          ? std::string()
          : ReplaceInvalidCharInPreview(text, cleanup, services_.environment);
  ShowPreview(preview);
  DirExists(SingleTargetPath(app_.Snapshot.CurrentPath, text, IsVisible(kId_edit_curdirname),
                             GetText(kId_edit_curdirname)));
  SetText(kId_MkDirExt, ListWithFirstLine(GetText(kId_MkDirExt), text));
  ApplyAutoEnable(preview);
  if (std::optional<std::vector<int>> stops = BuildWordStops(text)) WordStops_ = *stops;
}

// Switches "Enable replacements" and the live-preview timer as the typed text asks.
void Ttc_KestrixForm::ApplyAutoEnable(const std::string& text) {
  if (services_.variables == nullptr) return;
  AutoEnableState state{ReplacementsArmed_, startup_.live_replacements, BatchModeActive_};
  AutoEnableOutcome outcome = AutoEnableReplacements(text, GetText(kId_lbl_newdirname), state,
                                                     *services_.variables, UserAppIds_);
  if (outcome.option != AutoEnableOutcome::Option::kUnchanged)
    SetChecked(kId_option_replacements, outcome.option == AutoEnableOutcome::Option::kCheck);
  if (outcome.timer == AutoEnableOutcome::Timer::kStart && !LiveTimerRunning_) {
    SetTimer(hwnd(), kTimer_LiveReplacements, 1000, nullptr);
    LiveTimerRunning_ = true;
  } else if (outcome.timer == AutoEnableOutcome::Timer::kStop && LiveTimerRunning_) {
    KillTimer(hwnd(), kTimer_LiveReplacements);
    LiveTimerRunning_ = false;
  }
  if (outcome.caption) SetText(kId_lbl_newdirname, *outcome.caption);
}

void Ttc_KestrixForm::MkDirExtChange() {
  if (!IsVisible(kId_MkDirExt)) return;
  app_.CurrentRoutine = "MkDirExtChange";
  const std::string text = GetText(kId_MkDirExt);
  last_list_text_ = text;
  if (!BatchModeActive_) PreBatchList_ = SplitLines(text);
  const int lines = CountNonBlankLines(text);
  ListState state = ListStateFor(lines);
  SetOkEnabled(state.ok_enabled);
  std::string preview;
  if (lines == 0) {
    SetVisible(kId_lbl_s_more, false);
  } else if (state.preview_single) {
    SetVisible(kId_lbl_s_more, false);
    preview = Trim(text);
    SetEnabled(kId_option_enterdir, true);
  } else {
    SetOkCaption(false);
    if (MoreHovered_) SetText(kId_lbl_s_more, Concat({"<", std::to_string(lines), ">"}));
    SetVisible(kId_lbl_s_more, true);
    SetChecked(kId_option_enterdir, false);
    SetEnabled(kId_option_enterdir, false);
  }
  ShowPreview(preview);
  if (state.check_single_target) {
    std::vector<std::string> split = SplitLines(text);
    DirExists(Concat({app_.Snapshot.CurrentPath, split.empty() ? "" : split.front()}));
  }
  // The name field mirrors line 0; its own change handler must not answer that copy, or
  // the preview would show one name of several.
  last_name_text_ = NameFromList(text);
  SetText(kId_MkDir, last_name_text_);
  ApplyAutoEnable(Trim(text));
}

void Ttc_KestrixForm::RerunPreview() {
  if (IsVisible(kId_MkDir))
    MkDirChange();
  else
    MkDirExtChange();
}

void Ttc_KestrixForm::NameMayHaveChanged() {
  if (GetText(kId_MkDir) != last_name_text_) MkDirChange();
}

void Ttc_KestrixForm::ListMayHaveChanged() {
  if (GetText(kId_MkDirExt) != last_list_text_) MkDirExtChange();
}

bool Ttc_KestrixForm::DirExists(const std::string& path) {
  const bool exists = services_.files.DirectoryExists(path);
  OkButtonState state = DirExistsState(exists, GetText(kId_MkDir));
  SetOkCaption(state.enter);
  SetOkEnabled(state.enabled);
  return exists;
}

void Ttc_KestrixForm::SetOkCaption(bool enter) {
  const std::string caption =
      enter ? Text("Buttons", "BtnEnterDir", "Enter") : Text("Buttons", "BtnOK", "OK");
  SetText(kId_btn_ok, caption);
  SetText(kId_btn_ok_flat, caption);
  ShowOkGlyph(enter);
}

void Ttc_KestrixForm::SetOkEnabled(bool enabled) {
  SetEnabled(activation_.flat_buttons ? kId_btn_ok_flat : kId_btn_ok, enabled);
}

bool Ttc_KestrixForm::OkEnabled() const {
  int id = activation_.flat_buttons ? kId_btn_ok_flat : kId_btn_ok;
  return IsWindowEnabled(Control(id)) != FALSE;
}

void Ttc_KestrixForm::option_Click(int id) {
  if (id == kId_option_replacements && BatchModeActive_) return;
  SetFocus(VisibleInput());
}

void Ttc_KestrixForm::ApplyInitialMode(int initial_mode, bool window_extended) {
  switch (InitialModeFor(initial_mode, window_extended)) {
    case InitialModeAction::kNormal:
      ChangeToNormal();
      break;
    case InitialModeAction::kExtended:
      ChangeToExt();
      break;
    case InitialModeAction::kBatch:
      if (!BatchModeActive_) btn_BatchDirClick();
      break;
    case InitialModeAction::kUnchanged:
      break;
  }
}

void Ttc_KestrixForm::LiveReplacementsTimer() {
  if (!startup_.live_replacements) return;
  RerunPreview();
}

// The window as the creation run reads and changes it.
class Ttc_KestrixForm::RunView : public CreationView {
 public:
  explicit RunView(Ttc_KestrixForm& form) : f_(form) {}
  bool NormalMode() override { return f_.IsVisible(kId_MkDir); }
  std::string NameText() override { return f_.GetText(kId_MkDir); }
  void SetNameText(const std::string& text) override { f_.SetText(kId_MkDir, text); }
  std::string ListText() override { return f_.GetText(kId_MkDirExt); }
  void SetListText(const std::string& text) override { f_.SetText(kId_MkDirExt, text); }
  void SwitchToExtended() override { f_.ChangeToExt(); }
  bool ReplacementsChecked() override { return f_.IsChecked(kId_option_replacements); }
  bool CloseWindowChecked() override { return f_.IsChecked(kId_option_closewnd); }
  bool EnterDirChecked() override { return f_.IsChecked(kId_option_enterdir); }
  void EndPathEditing() override { f_.CheckAndTurnOffPathEditing(); }
  void ShowCurrentPath(const std::string& shortened) override {
    f_.view_.ShowCurrentPath(shortened);
  }
  void FocusInput() override { SetFocus(f_.VisibleInput()); }
  void SelectAllInput() override { f_.Select(f_.VisibleInput(), {0, std::string::npos}); }
  void ListCaretToEnd() override {
    SetFocus(f_.Control(kId_MkDirExt));
    f_.Select(f_.Control(kId_MkDirExt), {f_.GetText(kId_MkDirExt).size(), 0});
  }
  void RerunPreview() override { f_.RerunPreview(); }
  void ShowHistory(const std::vector<std::string>& items) override {
    Combo(f_.Control(kId_MkDir)).SetItems(items);
  }
  void CloseWindow() override { PostMessageA(f_.hwnd(), WM_CLOSE, 0, 0); }
  void TerminateProgram() override {
    closed_ = true;
    ShowWindow(f_.hwnd(), SW_HIDE);
    PostQuitMessage(0);
  }
  void BringToFront() override { SetForegroundWindow(f_.hwnd()); }
  void BringHostToFront() override { SetForegroundWindow(ToHwnd(f_.app_.Snapshot.HostWindow)); }
  // The logger stamps the routine itself (it reads CurrentRoutine).
  void LogError(const std::string&, const std::string& text) override {
    if (f_.services_.logger != nullptr)
      f_.services_.logger->Log(kMainWindowClass, {"EInOutError", text});
  }
  bool closed_ = false;

 private:
  Ttc_KestrixForm& f_;
};

void Ttc_KestrixForm::btn_okClick() {
  if (CreationRunning_) return;
  if (services_.code_page == nullptr || services_.message_boxes == nullptr ||
      services_.modifier_keys == nullptr || !commands_)
    return;
  CreationRunning_ = true;
  CreationSettings settings;
  settings.UpdateTreeInfo = startup_.update_tree_info;
  settings.EnterCmdInstalled = startup_.enter_cmd_installed;
  settings.DoNotEnterDeepest = startup_.do_not_enter_deepest;
  settings.FocusTCAfterCreate = activation_.focus_tc_after_create;
  settings.invalid_chars.action = activation_.invalid_char_action;
  settings.invalid_chars.replacement = activation_.invalid_char_replace;
  {
    TBigIniFile ini(services_.files, SettingsFilePath(services_.exe_path));
    settings.invalid_chars.replace_chars = ReadReplaceChars(ini);
  }
  settings.CommanderIni = app_.CommanderIni;
  char windows_dir[MAX_PATH] = {};
  UINT length = GetWindowsDirectoryA(windows_dir, MAX_PATH);
  settings.WindowsDir = std::string(windows_dir, length < MAX_PATH ? length : 0);
  DirHistory history(services_.files, services_.environment, HistoryPlacesNow());
  const LanguageTable& language = Lang();
  auto expand = [this](const std::string& text) {
    if (services_.variables == nullptr) return text;
    return Replacements(text, *services_.variables, UserAppIds_);
  };
  RunView view(*this);
  CreationRun run(
      {services_.files, services_.environment, *services_.code_page, *services_.message_boxes,
       *services_.modifier_keys, language, *commands_, history, expand},
      settings, app_.Snapshot, attributes_.Set(), view, app_.CurrentRoutine);
  run.btn_okClick();
  CreationRunning_ = false;
}

}  // namespace kestrix
