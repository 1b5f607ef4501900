// The three modes, the creation run behind OK, the attributes menu, the variables popup
// and dropped files.
#include "app/launch_decision.h"
#include "app/mode_rules.h"
#include "base/path_text.h"
#include "base/text_utils.h"
#include "create/run_settings.h"
#include "names/variable_error.h"
#include "platform/code_page.h"
#include "platform/message_box.h"
#include "platform/modifier_keys.h"
#include "platform/win32/file_types_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_handle_win32.h"
#include "ui/main/attribute_menu_win32.h"
#include "ui/main/main_form.h"
#include "ui/main/main_form_host.h"
#include "ui/main/main_form_input.h"
#include "ui/main/main_form_layout.h"
#include "ui/main/main_form_load.h"
#include "ui/main/name_list_sources_win32.h"
#include "ui/main/run_undo_command.h"
#include "ui/main/tree_preview.h"

namespace kestrix {

namespace {

constexpr int kListX = 8;
constexpr int kParkedListX = 336;

}  // namespace

HWND MainForm::VisibleInput() const {
  return mode_ == MainMode::kNormal ? Control(MainControl::kNameField)
                                    : Control(MainControl::kListField);
}

void MainForm::ChangeToNormal(std::optional<std::string> name) {
  app_.current_routine = "ChangeToNormal";
  const std::string list =
      mode_ == MainMode::kBatch ? JoinLines(batch_.UserList()) : preview_->ListText();
  if (!name && mode_ != MainMode::kNormal) {
    // The name field takes the whole list, or the list stays: lines must not go unseen.
    const NormalLine line = NormalLineFromList(list);
    if (!line.ok) {
      services_.message_boxes.Show(
          ReplaceAll(Text(lng::program::kNoNormalForm), "%s", Concat({"\"", line.text, "\""})),
          kApplicationTitle, kMbOk | kMbIconInformation);
      return;
    }
    name = line.text;
  }
  const bool new_text = name && *name != NameFromList(list);
  kestrix::Control(hwnd()).SetText(NormalModeTitle(kApplicationTitle, image_.Set()));
  controls_.SetText(MainControl::kExtendedButton, Text(lng::buttons::kBtnExtended));
  batch_.Close();
  controls_.SetVisible(MainControl::kLoadButton,
                       app_.snapshot.focused_text_file || load_->HasStructures());
  controls_.SetVisible(MainControl::kMoreLink, false);
  if (mode_ == MainMode::kBatch) TurnOffBatchMode();
  const TextSelection list_selection = controls_.Selection(Control(MainControl::kListField));
  controls_.SetVisible(MainControl::kNameField, true);
  controls_.SetVisible(MainControl::kListField, false);
  mode_ = MainMode::kNormal;
  if (name) {
    // The hidden list holds the same text, so that F3 makes the lines again.
    preview_->SetListText(*name);
    controls_.SetText(MainControl::kNameField, *name);
  }
  controls_.MoveTo(MainControl::kListField, kParkedListX, 44);
  layout_->Relayout(true);
  controls_.Focus(Control(MainControl::kNameField));
  const TextSelection selection = input_->TakeSavedSelection().value_or(list_selection);
  if (new_text)
    controls_.CaretToEnd(Control(MainControl::kNameField));
  else
    controls_.Select(Control(MainControl::kNameField), selection);
  controls_.SetEnabled(MainControl::kEnterCheck, true);
  preview_->NameChanged(controls_.Text(MainControl::kNameField));
  layout_->RecenterIfPending(services_.windows, app_.snapshot.host_window);
}

void MainForm::ChangeToExt() {
  app_.current_routine = "ChangeToExt";
  kestrix::Control(hwnd()).SetText(ExtendedModeTitle(kApplicationTitle, image_.Set()));
  controls_.SetText(MainControl::kExtendedButton, Text(lng::buttons::kBtnNormal));
  controls_.SetVisible(MainControl::kLoadButton, true);
  layout_->Relayout(false);
  const std::string name = controls_.Text(MainControl::kNameField);
  CarriedText carried = CarryNameIntoList(name, preview_->ListText());
  HWND list = Control(MainControl::kListField);
  // The list shows now: it takes the text it was holding as a value.
  if (mode_ == MainMode::kNormal)
    Edit(list).SetText(carried.list ? *carried.list : preview_->ListText());
  else if (carried.list)
    preview_->SetListText(*carried.list);
  if (carried.clear_saved_selection) input_->ClearSavedSelection();
  const TextSelection name_selection = controls_.Selection(Control(MainControl::kNameField));
  if (std::optional<TextSelection> saved = input_->TakeSavedSelection()) {
    controls_.Select(list, *saved);
  } else if (name_selection.start == 0 && name_selection.length == 0) {
    controls_.CaretToEnd(list);
  } else {
    controls_.Select(list, name_selection);
  }
  const int lines = Edit(list).LineCount();
  for (int i = 0; i <= lines; ++i) SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
  controls_.SetVisible(MainControl::kNameField, false);
  controls_.MoveTo(MainControl::kListField, kListX, 44);
  controls_.SetVisible(MainControl::kListField, true);
  if (mode_ == MainMode::kNormal) mode_ = MainMode::kExtended;
  SetFocus(list);
  preview_->ListChanged();
}

void MainForm::ToggleBatchMode() {
  app_.current_routine = "btn_BatchDirClick";
  if (mode_ == MainMode::kNormal) ChangeToExt();
  input_->SaveSelection(controls_.Selection(VisibleInput()));
  if (mode_ == MainMode::kBatch) {
    TurnOffBatchMode();
    layout_->Relayout(false);
    layout_->RecenterLater(true);
    layout_->CenterOnHost(services_.windows, app_.snapshot.host_window, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
    return;
  }
  layout_->EnsureBatchControls();
  preview_->KeepUserList();
  mode_ = MainMode::kBatch;
  batch_.Opening();
  layout_->RecenterLater(true);
  layout_->CenterOnHost(services_.windows, app_.snapshot.host_window, 40);
  if (settings_.Startup().live_replacements) preview_->StopTimer();
  look_.ShowBatchButton(true, Text(lng::program::kBatchButtonHint2));
  layout_->Relayout(false);
  batch_.Open();
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void MainForm::TurnOffBatchMode() {
  batch_.Close();
  controls_.SetVisible(MainControl::kMoreLink, false);
  look_.ShowBatchButton(false, Text(lng::program::kBatchButtonHint1));
  if (mode_ != MainMode::kNormal) SetFocus(Control(MainControl::kListField));
  // Batch mode is still on while the list comes back, so this change does not copy the
  // half-restored list over the saved one.
  preview_->SetListText(JoinLines(batch_.UserList()));
  controls_.CaretToEnd(Control(MainControl::kListField));
  mode_ = MainMode::kExtended;
  preview_->ListChanged();
}

// The window as the creation run reads and changes it.
class MainForm::RunView : public CreationView {
 public:
  explicit RunView(MainForm& form) : f_(form) {}
  bool NormalMode() override { return f_.mode_ == MainMode::kNormal; }
  std::string NameText() override { return f_.controls_.Text(MainControl::kNameField); }
  void SetNameText(const std::string& text) override {
    f_.controls_.SetText(MainControl::kNameField, text);
  }
  std::string ListText() override { return f_.preview_->ListText(); }
  void SetListText(const std::string& text) override { f_.preview_->SetListText(text); }
  void SwitchToExtended() override { f_.ChangeToExt(); }
  bool ReplacementsChecked() override {
    return f_.controls_.Checked(MainControl::kReplacementsCheck);
  }
  bool CloseWindowChecked() override { return f_.controls_.Checked(MainControl::kCloseCheck); }
  bool EnterDirChecked() override { return f_.controls_.Checked(MainControl::kEnterCheck); }
  void EndPathEditing() override { f_.host_->EndPathEditing(); }
  void ShowCurrentPath(const std::string& shortened) override { f_.preview_->ShowPath(shortened); }
  void FocusInput() override { f_.controls_.Focus(f_.VisibleInput()); }
  void SelectAllInput() override { f_.controls_.Select(f_.VisibleInput(), {0, std::string::npos}); }
  void ListCaretToEnd() override {
    SetFocus(f_.Control(MainControl::kListField));
    f_.controls_.CaretToEnd(f_.Control(MainControl::kListField));
  }
  void RerunPreview() override { f_.preview_->Rerun(); }
  void ShowHistory(const std::vector<std::string>& items) override {
    Combo(f_.Control(MainControl::kNameField)).SetItems(items);
  }
  void CloseWindow() override { PostMessageW(f_.hwnd(), WM_CLOSE, 0, 0); }
  void TerminateProgram() override {
    closed_ = true;
    ShowWindow(f_.hwnd(), SW_HIDE);
    PostQuitMessage(0);
  }
  void BringToFront() override { SetForegroundWindow(f_.hwnd()); }
  void BringHostToFront() override { SetForegroundWindow(ToHwnd(f_.app_.snapshot.host_window)); }
  // The logger stamps the routine itself (it reads CurrentRoutine).
  void LogError(const std::string&, const std::string& text) override {
    f_.services_.logger.Log(kMainWindowClass, {"EInOutError", text});
  }
  bool closed_ = false;

 private:
  MainForm& f_;
};

void MainForm::CreateFromInput() {
  HostCommands* commands = host_->Commands();
  if (CreationRunning_ || commands == nullptr) return;
  CreationRunning_ = true;
  // Cleared on every way out, a failure included: OK and Enter stay usable.
  struct RunningFlag {
    bool& flag;
    ~RunningFlag() { flag = false; }
  } running{CreationRunning_};
  RecordingFileSystem recorder(services_.files);
  try {
    // Without the user's replacements the run would create other names than asked for:
    // the model has told the user, and nothing is created.
    std::vector<std::pair<std::string, std::string>> replace_chars;
    if (!settings_.ReadReplaceChars(replace_chars).ok) return;
    CreationSettings settings = CreationSettingsFrom(settings_, replace_chars);
    settings.file_creation.known_extension = IsKnownExtension;
    settings.commander_ini = app_.commander_ini;
    wchar_t windows_dir[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(windows_dir, MAX_PATH);
    settings.windows_dir = Utf8(std::wstring_view(windows_dir, length < MAX_PATH ? length : 0));
    DirHistory history(
        services_.files, services_.environment,
        {app_.commander_ini, ProgramDirOf(services_.exe_path),
         ExecutableBaseName(services_.exe_path), settings_.Startup().mkdir_history_file},
        &services_.code_page);
    const LanguageTable& language = language_.table;
    auto expand = [this](const std::string& text) {
      return Replacements(text, services_.variables, UserAppIds_);
    };
    RunView view(*this);
    CreationRun run({recorder, services_.environment, services_.code_page, services_.message_boxes,
                     services_.modifier_keys, language, *commands, history, expand},
                    settings, app_.snapshot, image_.Set(), view, app_.current_routine);
    run.CreateFromInput();
  } catch (const VariableError& error) {
    services_.message_boxes.Show(error.Text(language_.table), kApplicationTitle,
                                 kMbOk | kMbIconError);
  } catch (const InOutError& error) {
    services_.message_boxes.Show(FileFailureText(language_.table, error.Path(), error.Code()),
                                 kApplicationTitle, kMbOk | kMbIconError);
  }
  undo_->Record(recorder.Record());
  tree_preview_->Forget();
}

void MainForm::ShowTreePreview(bool shown) {
  const auto font =
      reinterpret_cast<HFONT>(SendMessageW(Control(MainControl::kNameField), WM_GETFONT, 0, 0));
  tree_preview_->Show(hwnd(), font, shown);
  if (shown == settings_.Startup().tree_preview) return;
  settings_.Edit(
      [&](BigIniFile& ini) { SettingsAccess(ini).WriteBool(Setting::kTreePreview, shown); });
  settings_.LoadStartup();
}

PlanInput MainForm::TreePreviewInput() {
  const ActivationSettings& activation = settings_.Activation();
  PlanInput input;
  input.current_path = pathtext::WithTrailingSeparator(app_.snapshot.current_path);
  input.normal = mode_ == MainMode::kNormal;
  input.name_text = preview_->NameText();
  const std::string list = preview_->ListText();
  // OK carries a name with "|" or "*" into the list before it creates anything.
  input.list_text =
      input.normal ? CarryNameIntoList(input.name_text, list).list.value_or(list) : list;
  input.replacements = controls_.Checked(MainControl::kReplacementsCheck);
  input.invalid_chars.action = activation.invalid_char_action;
  input.invalid_chars.replacement = activation.invalid_char_replace;
  for (const std::string& key : activation.replace_chars_keys)
    input.invalid_chars.replace_chars.push_back({key, preview_->ReplaceChar(key)});
  input.file_creation = FileCreationRulesFrom(settings_);
  input.file_creation.known_extension = IsKnownExtension;
  return input;
}

void MainForm::OpenAttributeMenu() {
  app_.current_routine = "img_ChangeDirAttribClick";
  if (std::optional<std::string> title =
          image_.ShowMenu(hwnd(), language_.table, kApplicationTitle, InputModeOf(mode_)))
    kestrix::Control(hwnd()).SetText(*title);
}

void MainForm::AcceptFiles(WPARAM drop) {
  app_.current_routine = "AcceptFiles";
  const std::vector<std::string> paths = ReadDroppedFiles(reinterpret_cast<HDROP>(drop));
  if (mode_ == MainMode::kBatch) {
    TurnOffBatchMode();
    layout_->Relayout(false);
    layout_->CenterOnHost(services_.windows, app_.snapshot.host_window, 0);
    layout_->RecenterLater(false);
  }
  DropPlan plan =
      PlanDrop(DescribeDroppedPaths(services_.files, paths), mode_ != MainMode::kNormal);
  if (plan.load_text_file) {
    load_->ShowOpenDialogAndLoadFile(plan.text_file, false);
    preview_->SetListText(RemoveDuplicateLines(preview_->ListText()));
  } else if (!plan.names.empty()) {
    if (!plan.current_path.empty()) {
      app_.snapshot.current_path = plan.current_path;
      preview_->ShowPath(plan.current_path_label);
    }
    if (plan.switch_to_extended) {
      if (mode_ == MainMode::kNormal)
        ChangeToExt();
      else
        ChangeToNormal();
    }
    const bool list_visible = mode_ != MainMode::kNormal;
    DropInsertion inserted = InsertDroppedNames(plan.names, list_visible, preview_->ListText());
    preview_->SetListText(inserted.list_text);
    if (inserted.name_replaced) {
      controls_.SetText(MainControl::kNameField, inserted.name_text);
      controls_.Focus(Control(MainControl::kNameField));
      controls_.Select(Control(MainControl::kNameField), {0, std::string::npos});
    } else {
      SetFocus(Control(MainControl::kListField));
      controls_.CaretToEnd(Control(MainControl::kListField));
      Edit(Control(MainControl::kListField)).ScrollCaret();
    }
  }
  preview_->Rerun();
  // A refresh reads the host's panel path again, which would undo the path the drop just
  // set; only a loaded list leaves the path to the host.
  if (plan.load_text_file) {
    host_->EndPathEditing();
    host_->Refresh();
  }
}

}  // namespace kestrix
