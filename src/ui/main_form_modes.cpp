// The three modes, the change handlers of the name field and the list, the OK button's
// state, the option check boxes and the creation run behind OK.
#include "base/path_text.h"
#include "base/text_utils.h"
#include "create/run_settings.h"
#include "names/variable_error.h"
#include "platform/win32/file_types_win32.h"
#include "platform/win32/window_handle_win32.h"
#include "ui/attribute_menu_win32.h"
#include "ui/main_form.h"

namespace kestrix {

namespace {

constexpr int kListX = 8;
constexpr int kParkedListX = 336;

}  // namespace

HWND Ttc_KestrixForm::VisibleInput() const {
  return mode_ == MainMode::kNormal ? Control(kId_MkDir) : Control(kId_MkDirExt);
}

void Ttc_KestrixForm::ChangeToNormal() {
  app_.CurrentRoutine = "ChangeToNormal";
  SetWindowTextA(hwnd(), NormalModeTitle(app_title_, image_.Set()).c_str());
  controls_.SetText(kId_btn_extended, Text(lng::buttons::kBtnExtended));
  batch_.Close();
  controls_.SetVisible(kId_btn_loadFromFile,
                       app_.Snapshot.FocusedTextFile || !StructureList_.empty());
  controls_.SetVisible(kId_lbl_s_more, false);
  if (mode_ == MainMode::kBatch) TurnOffBatchMode();
  const TextSelection list_selection = controls_.Selection(Control(kId_MkDirExt));
  controls_.SetVisible(kId_MkDir, true);
  controls_.SetVisible(kId_MkDirExt, false);
  mode_ = MainMode::kNormal;
  controls_.MoveTo(kId_MkDirExt, kParkedListX, 44);
  RelayoutForMode(true);
  controls_.Focus(Control(kId_MkDir));
  if (SavedSelection_.start != 0 || SavedSelection_.length != 0) {
    controls_.Select(Control(kId_MkDir), SavedSelection_);
    SavedSelection_ = {};
  } else {
    controls_.Select(Control(kId_MkDir), list_selection);
  }
  controls_.SetEnabled(kId_option_enterdir, true);
  MkDirChange(controls_.Text(kId_MkDir));
  if (RecenterPending_) CenterOnHost(0);
  RecenterPending_ = false;
}

void Ttc_KestrixForm::ChangeToExt() {
  app_.CurrentRoutine = "ChangeToExt";
  SetWindowTextA(hwnd(), ExtendedModeTitle(app_title_, image_.Set()).c_str());
  controls_.SetText(kId_btn_extended, Text(lng::buttons::kBtnNormal));
  controls_.SetVisible(kId_btn_loadFromFile, true);
  RelayoutForMode(false);
  const std::string name = controls_.Text(kId_MkDir);
  CarriedText carried = CarryNameIntoList(name, ListText());
  HWND list = Control(kId_MkDirExt);
  // The list shows now: it takes the text it was holding as a value.
  if (mode_ == MainMode::kNormal)
    Edit(list).SetText(carried.list ? *carried.list : last_list_text_);
  else if (carried.list)
    SetListText(*carried.list);
  if (carried.clear_saved_selection) SavedSelection_ = {};
  const TextSelection name_selection = controls_.Selection(Control(kId_MkDir));
  if (SavedSelection_.start != 0 || SavedSelection_.length != 0) {
    controls_.Select(list, SavedSelection_);
    SavedSelection_ = {};
  } else if (name_selection.start == 0 && name_selection.length == 0) {
    controls_.CaretToEnd(list);
  } else {
    controls_.Select(list, name_selection);
  }
  const int lines = Edit(list).LineCount();
  for (int i = 0; i <= lines; ++i) SendMessageA(list, WM_VSCROLL, SB_LINEDOWN, 0);
  controls_.SetVisible(kId_MkDir, false);
  controls_.MoveTo(kId_MkDirExt, kListX, 44);
  controls_.SetVisible(kId_MkDirExt, true);
  if (mode_ == MainMode::kNormal) mode_ = MainMode::kExtended;
  SetFocus(list);
  MkDirExtChange();
}

void Ttc_KestrixForm::btn_BatchDirClick() {
  app_.CurrentRoutine = "btn_BatchDirClick";
  if (mode_ == MainMode::kNormal) ChangeToExt();
  SavedSelection_ = controls_.Selection(VisibleInput());
  if (mode_ == MainMode::kBatch) {
    TurnOffBatchMode();
    RelayoutForMode(false);
    RecenterPending_ = true;
    CenterOnHost(0);
    InvalidateRect(hwnd(), nullptr, TRUE);
    return;
  }
  EnsureBatchControls();
  mode_ = MainMode::kBatch;
  batch_.Opening();
  RecenterPending_ = true;
  CenterOnHost(40);
  if (startup_.live_replacements) {
    KillTimer(hwnd(), kTimer_LiveReplacements);
    LiveTimerRunning_ = false;
  }
  look_.ShowBatchButton(true, Text(lng::program::kBatchButtonHint2));
  RelayoutForMode(false);
  batch_.Open();
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Ttc_KestrixForm::TurnOffBatchMode() {
  batch_.Close();
  controls_.SetVisible(kId_lbl_s_more, false);
  look_.ShowBatchButton(false, Text(lng::program::kBatchButtonHint1));
  if (mode_ != MainMode::kNormal) SetFocus(Control(kId_MkDirExt));
  // Batch mode is still on while the list comes back, so this change does not copy the
  // half-restored list over the saved one.
  SetListText(JoinLines(batch_.UserList()));
  controls_.CaretToEnd(Control(kId_MkDirExt));
  mode_ = MainMode::kExtended;
  MkDirExtChange();
}

// The preview follows the path label, which is as wide as its text; it moves only when
// the path shown has changed.
void Ttc_KestrixForm::ShowPreview(const std::string& text) {
  if (preview_follows_ != shown_path_) {
    preview_follows_ = shown_path_;
    const RECT path = controls_.Rect(kId_lbl_currentPath);
    const RECT preview = controls_.Rect(kId_lbl_newdirname);
    RECT client = {};
    GetClientRect(hwnd(), &client);
    const LONG right = std::max(path.right, client.right - Scale96(8));
    controls_.Place(kId_lbl_newdirname, {path.right, preview.top, right, preview.bottom});
  }
  controls_.SetText(kId_lbl_newdirname, text);
  tree_preview_.Changed();
}

// A name whose last level will be made as a file says so in the preview and the title.
std::string Ttc_KestrixForm::FileMarked(const std::string& text, const std::string& preview) {
  FileCreationRules rules = FileCreationRulesFrom(settings_);
  if (!rules.enable || mode_ != MainMode::kNormal) return preview;
  rules.known_extension = IsKnownExtension;
  const bool file = mode_ == MainMode::kNormal && FileTargetOf(text, rules).has_value();
  std::string title = NormalModeTitle(app_title_, image_.Set());
  const std::string mark = Concat({" (", Text(lng::config_dialog::kNewFile), ")"});
  if (file) title += mark;
  if (title != kestrix::Control(hwnd()).Text()) SetWindowTextA(hwnd(), title.c_str());
  return file ? preview + mark : preview;
}

// The name field's text, read once by its caller, is new.
void Ttc_KestrixForm::MkDirChange(const std::string& text) {
  app_.CurrentRoutine = "MkDirChange";
  last_name_text_ = text;
  const std::string preview =
      text.find('*') != std::string::npos ? std::string() : CleanedPreview(text, true);
  const bool path_open = controls_.Visible(kId_edit_curdirname);
  DirExists(SingleTargetPath(app_.Snapshot.CurrentPath, text, path_open,
                             path_open ? controls_.Text(kId_edit_curdirname) : std::string()),
            text);
  SetListText(ListWithFirstLine(ListText(), text));
  // The typed text decides: the cleaned preview has its environment names expanded and
  // would switch replacements off, leaving a literal "%TEMP%" to be created.
  ShowPreview(FileMarked(text, ApplyAutoEnable(Trim(text), preview)));
  if (std::optional<std::vector<int>> stops = BuildWordStops(text)) WordStops_ = *stops;
}

// Switches "Enable replacements" and the live-preview timer as the typed text asks; the
// caption the preview `shown` is to be shown with.
std::string Ttc_KestrixForm::ApplyAutoEnable(const std::string& text, const std::string& shown) {
  AutoEnableState state{ReplacementsArmed_, startup_.live_replacements, mode_ == MainMode::kBatch};
  AutoEnableOutcome outcome =
      AutoEnableReplacements(text, shown, state, services_.variables, UserAppIds_);
  if (outcome.option != AutoEnableOutcome::Option::kUnchanged)
    controls_.SetChecked(kId_option_replacements,
                         outcome.option == AutoEnableOutcome::Option::kCheck);
  if (outcome.timer == AutoEnableOutcome::Timer::kStart && !LiveTimerRunning_) {
    SetTimer(hwnd(), kTimer_LiveReplacements, 1000, nullptr);
    LiveTimerRunning_ = true;
  } else if (outcome.timer == AutoEnableOutcome::Timer::kStop && LiveTimerRunning_) {
    KillTimer(hwnd(), kTimer_LiveReplacements);
    LiveTimerRunning_ = false;
  }
  // A failing variable is logged once, not again on every key while it stays in the text.
  if (outcome.error && outcome.error != last_variable_error_)
    services_.logger.Log(kMainWindowClass, {"EVariableError", *outcome.error});
  last_variable_error_ = outcome.error;
  return outcome.caption.value_or(shown);
}

void Ttc_KestrixForm::MkDirExtChange() {
  if (mode_ == MainMode::kNormal) return;
  app_.CurrentRoutine = "MkDirExtChange";
  const std::string text = controls_.Text(kId_MkDirExt);
  last_list_text_ = text;
  if (mode_ != MainMode::kBatch) batch_.KeepUserList(SplitLines(text));
  const int lines = CountNonBlankLines(text);
  ListState state = ListStateFor(lines);
  ShowOkState(std::nullopt, state.ok_enabled);
  std::string preview;
  if (lines == 0) {
    controls_.SetVisible(kId_lbl_s_more, false);
  } else if (state.preview_single) {
    controls_.SetVisible(kId_lbl_s_more, false);
    preview = CleanedPreview(Trim(text), false);
    controls_.SetEnabled(kId_option_enterdir, true);
  } else {
    ShowOkState(false, std::nullopt);
    if (look_.MoreHovered())
      controls_.SetText(kId_lbl_s_more, Concat({"<", std::to_string(lines), ">"}));
    controls_.SetVisible(kId_lbl_s_more, true);
    controls_.SetChecked(kId_option_enterdir, false);
    controls_.SetEnabled(kId_option_enterdir, false);
  }
  if (state.check_single_target) {
    std::vector<std::string> split = SplitLines(text);
    DirExists(Concat({app_.Snapshot.CurrentPath, split.empty() ? "" : split.front()}),
              controls_.Text(kId_MkDir));
  }
  // The name field mirrors line 0; its own change handler must not answer that copy, or
  // the preview would show one name of several.
  last_name_text_ = NameFromList(text);
  controls_.SetText(kId_MkDir, last_name_text_);
  ShowPreview(ApplyAutoEnable(Trim(text), preview));
}

// The preview's character clean-up of `text` with the settings read at activation.
std::string Ttc_KestrixForm::CleanedPreview(const std::string& text, bool normal_mode) const {
  PreviewCleanupSettings cleanup;
  cleanup.invalid_char_action = activation_.invalid_char_action;
  cleanup.invalid_char_replace = activation_.invalid_char_replace;
  cleanup.replace_char_keys = activation_.replace_chars_keys;
  cleanup.replace_char_value = replace_chars_;
  cleanup.normal_mode = normal_mode;
  return ReplaceInvalidCharInPreview(text, cleanup, services_.environment);
}

void Ttc_KestrixForm::ShowTreePreview(bool shown) {
  const auto font = reinterpret_cast<HFONT>(SendMessageA(Control(kId_MkDir), WM_GETFONT, 0, 0));
  tree_preview_.Show(hwnd(), font, shown);
  if (shown == startup_.tree_preview) return;
  settings_.Edit(
      [&](TBigIniFile& ini) { SettingsAccess(ini).WriteBool(Setting::TreePreview, shown); });
  settings_.LoadStartup();
}

PlanInput Ttc_KestrixForm::TreePreviewInput() {
  PlanInput input;
  input.current_path = pathtext::WithTrailingSeparator(app_.Snapshot.CurrentPath);
  input.normal = mode_ == MainMode::kNormal;
  input.name_text = last_name_text_;
  const std::string list = ListText();
  // OK carries a name with "|" or "*" into the list before it creates anything.
  input.list_text =
      input.normal ? CarryNameIntoList(input.name_text, list).list.value_or(list) : list;
  input.replacements = controls_.Checked(kId_option_replacements);
  input.invalid_chars.action = activation_.invalid_char_action;
  input.invalid_chars.replacement = activation_.invalid_char_replace;
  for (const std::string& key : activation_.replace_chars_keys)
    input.invalid_chars.replace_chars.push_back({key, replace_chars_ ? replace_chars_(key) : "_"});
  input.file_creation = FileCreationRulesFrom(settings_);
  input.file_creation.known_extension = IsKnownExtension;
  return input;
}

void Ttc_KestrixForm::RerunPreview() {
  if (mode_ == MainMode::kNormal)
    MkDirChange(Edit(mkdir_edit_).Text());
  else
    MkDirExtChange();
}

void Ttc_KestrixForm::InputMayHaveChanged(HWND input) {
  if (input == mkdir_edit_) {
    const std::string text = Edit(mkdir_edit_).Text();
    if (text != last_name_text_) MkDirChange(text);
    return;
  }
  // The hidden list changes only through SetListText, which keeps its text.
  if (mode_ == MainMode::kNormal) return;
  if (controls_.Text(kId_MkDirExt) != last_list_text_) MkDirExtChange();
}

// While the name field is in use the hidden list is held as a value: setting a multi-line
// edit's text was the dearest step of a keystroke. ChangeToExt hands it to the control.
std::string Ttc_KestrixForm::ListText() const {
  return mode_ == MainMode::kNormal ? last_list_text_ : controls_.Text(kId_MkDirExt);
}

void Ttc_KestrixForm::SetListText(const std::string& text) {
  if (mode_ == MainMode::kNormal) {
    last_list_text_ = text;
    return;
  }
  controls_.SetText(kId_MkDirExt, text);
  // Not every edit control reports a text set by its owner; the list's handler must run.
  InputMayHaveChanged(Control(kId_MkDirExt));
}

bool Ttc_KestrixForm::DirExists(const std::string& path, const std::string& name) {
  const bool exists = services_.files.DirectoryExists(path);
  OkButtonState state = DirExistsState(exists, name);
  ShowOkState(state.enter, state.enabled);
  return exists;
}

// "Enter" over an existing directory, "OK" otherwise; a state left out stays as it is.
void Ttc_KestrixForm::ShowOkState(std::optional<bool> enter, std::optional<bool> enabled) {
  if (enter) {
    const std::string caption =
        *enter ? Text(lng::buttons::kBtnEnterDir) : Text(lng::buttons::kBtnOK);
    controls_.SetText(kId_btn_ok, caption);
    controls_.SetText(kId_btn_ok_flat, caption);
    look_.ShowOkGlyph(*enter);
  }
  if (enabled)
    controls_.SetEnabled(activation_.flat_buttons ? kId_btn_ok_flat : kId_btn_ok, *enabled);
}

// The window as the creation run reads and changes it.
class Ttc_KestrixForm::RunView : public CreationView {
 public:
  explicit RunView(Ttc_KestrixForm& form) : f_(form) {}
  bool NormalMode() override { return f_.mode_ == MainMode::kNormal; }
  std::string NameText() override { return f_.controls_.Text(kId_MkDir); }
  void SetNameText(const std::string& text) override { f_.controls_.SetText(kId_MkDir, text); }
  std::string ListText() override { return f_.ListText(); }
  void SetListText(const std::string& text) override { f_.SetListText(text); }
  void SwitchToExtended() override { f_.ChangeToExt(); }
  bool ReplacementsChecked() override { return f_.controls_.Checked(kId_option_replacements); }
  bool CloseWindowChecked() override { return f_.controls_.Checked(kId_option_closewnd); }
  bool EnterDirChecked() override { return f_.controls_.Checked(kId_option_enterdir); }
  void EndPathEditing() override { f_.CheckAndTurnOffPathEditing(); }
  void ShowCurrentPath(const std::string& shortened) override {
    f_.view_.ShowCurrentPath(shortened);
  }
  void FocusInput() override { f_.controls_.Focus(f_.VisibleInput()); }
  void SelectAllInput() override { f_.controls_.Select(f_.VisibleInput(), {0, std::string::npos}); }
  void ListCaretToEnd() override {
    SetFocus(f_.Control(kId_MkDirExt));
    f_.controls_.CaretToEnd(f_.Control(kId_MkDirExt));
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
    f_.services_.logger.Log(kMainWindowClass, {"EInOutError", text});
  }
  bool closed_ = false;

 private:
  Ttc_KestrixForm& f_;
};

void Ttc_KestrixForm::btn_okClick() {
  if (CreationRunning_ || !commands_) return;
  CreationRunning_ = true;
  // Cleared on every way out, a failure included: OK and Enter stay usable.
  struct RunningFlag {
    bool& flag;
    ~RunningFlag() { flag = false; }
  } running{CreationRunning_};
  try {
    // Without the user's replacements the run would create other names than asked for:
    // the model has told the user, and nothing is created.
    std::vector<std::pair<std::string, std::string>> replace_chars;
    if (!settings_.ReadReplaceChars(replace_chars).ok) return;
    CreationSettings settings = CreationSettingsFrom(settings_, replace_chars);
    settings.file_creation.known_extension = IsKnownExtension;
    settings.CommanderIni = app_.CommanderIni;
    char windows_dir[MAX_PATH] = {};
    UINT length = GetWindowsDirectoryA(windows_dir, MAX_PATH);
    settings.WindowsDir = std::string(windows_dir, length < MAX_PATH ? length : 0);
    DirHistory history(services_.files, services_.environment,
                       {app_.CommanderIni, ProgramDirOf(services_.exe_path),
                        ExecutableBaseName(services_.exe_path), startup_.mkdir_history_file},
                       &services_.code_page);
    const LanguageTable& language = Lang();
    auto expand = [this](const std::string& text) {
      return Replacements(text, services_.variables, UserAppIds_);
    };
    tree_preview_.Forget();
    RunView view(*this);
    CreationRun run(
        {services_.files, services_.environment, services_.code_page, services_.message_boxes,
         services_.modifier_keys, language, *commands_, history, expand},
        settings, app_.Snapshot, image_.Set(), view, app_.CurrentRoutine);
    run.btn_okClick();
  } catch (const VariableError& error) {
    services_.message_boxes.Show(error.Text(Lang()), app_title_, kMbOk | kMbIconError);
  } catch (const InOutError& error) {
    services_.message_boxes.Show(FileFailureText(Lang(), error.Path(), error.Code()), app_title_,
                                 kMbOk | kMbIconError);
  }
}

}  // namespace kestrix
