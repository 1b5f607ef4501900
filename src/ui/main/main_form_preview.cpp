// The name preview: what the name field and the list show below them, the OK button's
// state and the automatic replacements switch, each moved into the controls from the
// portable rules (names/replacements.h, app/mode_rules.h).
#include "ui/main/main_form_preview.h"

#include <algorithm>

#include "app/launch_decision.h"
#include "app/mode_rules.h"
#include "base/text_utils.h"
#include "create/run_settings.h"
#include "names/intelligent_selection.h"
#include "platform/win32/file_types_win32.h"
#include "platform/win32/wide_text.h"
#include "window/dpi_win32.h"

namespace kestrix {

NamePreview::NamePreview(Wiring wiring)
    : w_(std::move(wiring)), list_lines_([this](const std::string& line) {
        return ListLines::Facts{IsBlank(line),
                                HoldsVariables(line, w_.variables.environment, w_.user_apps)};
      }) {}

void NamePreview::RefitPath() {
  ShowPath(w_.controls.Text(MainControl::kCurrentPathLabel));
  preview_follows_.reset();
}

void NamePreview::ShowPath(const std::string& shortened) {
  shown_path_ = shortened;
  HWND label = w_.controls[MainControl::kCurrentPathLabel];
  w_.controls.SetText(MainControl::kCurrentPathLabel, shortened);
  // The label is as wide as its text, so the preview follows it directly.
  HDC dc = GetDC(label);
  HGDIOBJ label_font = reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0));
  HGDIOBJ old =
      SelectObject(dc, label_font != nullptr ? label_font : GetStockObject(DEFAULT_GUI_FONT));
  const std::wstring shown = Wide(shortened);
  SIZE size = {};
  GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  RECT rect = w_.controls.Rect(MainControl::kCurrentPathLabel);
  rect.right = rect.left + size.cx + 2;
  w_.controls.Place(MainControl::kCurrentPathLabel, rect);
}

// The preview follows the path label, which is as wide as its text; it moves only when
// the path shown has changed.
void NamePreview::ShowPreview(const std::string& text) {
  if (preview_follows_ != shown_path_) {
    preview_follows_ = shown_path_;
    const RECT path = w_.controls.Rect(MainControl::kCurrentPathLabel);
    const RECT preview = w_.controls.Rect(MainControl::kNewNameLabel);
    RECT client = {};
    GetClientRect(form_, &client);
    const LONG right = std::max(path.right, client.right - Scale96(8));
    w_.controls.Place(MainControl::kNewNameLabel, {path.right, preview.top, right, preview.bottom});
  }
  w_.controls.SetText(MainControl::kNewNameLabel, text);
  w_.changed();
}

// A name whose last level will be made as a file says so in the preview and the title.
std::string NamePreview::FileMarked(const std::string& text, const std::string& preview) {
  FileCreationRules rules = FileCreationRulesFrom(w_.settings);
  if (!rules.enable || w_.mode != MainMode::kNormal) return preview;
  rules.known_extension = IsKnownExtension;
  const bool file = w_.mode == MainMode::kNormal && FileTargetOf(text, rules).has_value();
  std::string title = w_.normal_title();
  const std::string mark = Concat({" (", w_.text(lng::config_dialog::kNewFile), ")"});
  if (file) title += mark;
  if (title != Control(form_).Text()) Control(form_).SetText(title);
  return file ? preview + mark : preview;
}

void NamePreview::NameChanged(const std::string& text) {
  w_.routine = "MkDirChange";
  last_name_text_ = text;
  const std::string preview =
      text.find('*') != std::string::npos ? std::string() : CleanedPreview(text, true);
  const bool path_open = w_.controls.Visible(MainControl::kPathField);
  DirExists(SingleTargetPath(w_.current_path, text, path_open,
                             path_open ? w_.controls.Text(MainControl::kPathField) : std::string()),
            text);
  SetListText(ListWithFirstLine(ListText(), text));
  // The typed text decides: the cleaned preview has its environment names expanded and
  // would switch replacements off, leaving a literal "%TEMP%" to be created.
  ShowPreview(FileMarked(text, ApplyAutoEnable(Trim(text), preview)));
  if (std::optional<std::vector<int>> stops = BuildWordStops(text)) word_stops_ = *stops;
}

void NamePreview::NameEdited() {
  NameChanged(Edit(NameEdit()).Text());
}

std::string NamePreview::ApplyAutoEnable(const std::string& text, const std::string& shown) {
  return AutoEnable([&] { return HoldsVariables(text, w_.variables.environment, w_.user_apps); },
                    shown);
}

std::string NamePreview::AutoEnable(const std::function<bool()>& holds_variables,
                                    const std::string& shown) {
  const StartupSettings& startup = w_.settings.Startup();
  AutoEnableState state{armed_, startup.live_replacements, w_.mode == MainMode::kBatch};
  AutoEnableOutcome outcome =
      armed_ ? AutoEnableForVariables(holds_variables(), shown, state, w_.variables, w_.user_apps)
             : AutoEnableOutcome{};
  if (outcome.option != AutoEnableOutcome::Option::kUnchanged)
    w_.controls.SetChecked(MainControl::kReplacementsCheck,
                           outcome.option == AutoEnableOutcome::Option::kCheck);
  if (outcome.timer == AutoEnableOutcome::Timer::kStart && !timer_running_) {
    SetTimer(form_, kTimer_LiveReplacements, 1000, nullptr);
    timer_running_ = true;
  } else if (outcome.timer == AutoEnableOutcome::Timer::kStop && timer_running_) {
    StopTimer();
  }
  // A failing variable is logged once, not again on every key while it stays in the text.
  if (outcome.error && outcome.error != last_variable_error_)
    w_.logger.Log(kMainWindowClass, {"EVariableError", *outcome.error});
  last_variable_error_ = outcome.error;
  return outcome.caption.value_or(shown);
}

void NamePreview::OnTimer(WPARAM timer) {
  if (timer == kTimer_LiveReplacements && w_.settings.Startup().live_replacements) Rerun();
}

void NamePreview::StopTimer() {
  KillTimer(form_, kTimer_LiveReplacements);
  timer_running_ = false;
}

void NamePreview::ListChanged() {
  if (w_.mode == MainMode::kNormal) return;
  ListChanged(Edit(w_.controls[MainControl::kListField]).WideText());
}

// The work of a key is proportional to the lines it changed: the text is compared with the
// last one, only the changed lines are split and scanned, and the counts follow.
void NamePreview::ListChanged(std::wstring text) {
  w_.routine = "MkDirExtChange";
  if (w_.user_apps != facts_user_apps_) {
    facts_user_apps_ = w_.user_apps;
    list_lines_.Refresh();
  }
  if (text != list_wide_) {
    if (w_.mode == MainMode::kBatch) KeepUserList();
    const LineChange change = ChangedLines<wchar_t>(list_wide_, text, list_lines_.Lines().size());
    list_lines_.Replace(
        change.first, change.old_lines,
        SplitLines(Utf8(std::wstring_view(text).substr(change.begin, change.end - change.begin))));
    list_wide_ = std::move(text);
    list_text_stale_ = true;
  }
  if (w_.mode != MainMode::kBatch) user_list_follows_ = true;
  const std::vector<std::string>& all = list_lines_.Lines();
  const int lines = static_cast<int>(list_lines_.NonBlank());
  ListState state = ListStateFor(lines);
  ShowOkState(std::nullopt, state.ok_enabled);
  std::string preview;
  if (lines == 0) {
    w_.controls.SetVisible(MainControl::kMoreLink, false);
  } else if (state.preview_single) {
    w_.controls.SetVisible(MainControl::kMoreLink, false);
    // The trimmed list is its one line that is not blank, trimmed.
    preview = CleanedPreview(Trim(*list_lines_.SingleNonBlank()), false);
    w_.controls.SetEnabled(MainControl::kEnterCheck, true);
  } else {
    ShowOkState(false, std::nullopt);
    if (w_.look.MoreHovered())
      w_.controls.SetText(MainControl::kMoreLink, Concat({"<", std::to_string(lines), ">"}));
    w_.controls.SetVisible(MainControl::kMoreLink, true);
    w_.controls.SetChecked(MainControl::kEnterCheck, false);
    w_.controls.SetEnabled(MainControl::kEnterCheck, false);
  }
  if (state.check_single_target)
    DirExists(Concat({w_.current_path, all.empty() ? "" : all.front()}),
              w_.controls.Text(MainControl::kNameField));
  // The name field mirrors line 0; its own change handler must not answer that copy, or
  // the preview would show one name of several.
  last_name_text_ = lines == 0 || all.empty() ? std::string() : all.front();
  w_.controls.SetText(MainControl::kNameField, last_name_text_);
  // Variables are found within lines, so the trimmed list holds them when a line does.
  ShowPreview(AutoEnable([this] { return list_lines_.AnyVariables(); }, preview));
}

void NamePreview::KeepUserList() {
  if (!user_list_follows_) return;
  w_.batch.KeepUserList(list_lines_.Lines());
  user_list_follows_ = false;
}

// The preview's character clean-up of `text` with the settings read at activation.
std::string NamePreview::CleanedPreview(const std::string& text, bool normal_mode) const {
  const ActivationSettings& activation = w_.settings.Activation();
  PreviewCleanupSettings cleanup;
  cleanup.invalid_char_action = activation.invalid_char_action;
  cleanup.invalid_char_replace = activation.invalid_char_replace;
  cleanup.replace_char_keys = activation.replace_chars_keys;
  cleanup.replace_char_value = replace_chars_;
  cleanup.normal_mode = normal_mode;
  return ReplaceInvalidCharInPreview(text, cleanup, w_.environment);
}

void NamePreview::Rerun() {
  if (w_.mode == MainMode::kNormal) {
    NameEdited();
  } else {
    // The variables may say otherwise now.
    list_lines_.Refresh();
    ListChanged();
  }
}

void NamePreview::InputMayHaveChanged(HWND input) {
  if (input == NameEdit()) {
    const std::string text = Edit(input).Text();
    if (text != last_name_text_) NameChanged(text);
    return;
  }
  // The hidden list changes only through SetListText, which keeps its text.
  if (w_.mode == MainMode::kNormal) return;
  std::wstring text = Edit(input).WideText();
  if (text != list_wide_) ListChanged(std::move(text));
}

// While the name field is in use the hidden list is held as a value: setting a multi-line
// edit's text was the dearest step of a keystroke. ChangeToExt hands it to the control.
std::string NamePreview::ListText() const {
  if (w_.mode != MainMode::kNormal) return w_.controls.Text(MainControl::kListField);
  if (list_text_stale_) {
    last_list_text_ = Utf8(list_wide_);
    list_text_stale_ = false;
  }
  return last_list_text_;
}

void NamePreview::SetListText(const std::string& text) {
  if (w_.mode == MainMode::kNormal) {
    last_list_text_ = text;
    list_text_stale_ = false;
    return;
  }
  w_.controls.SetText(MainControl::kListField, text);
  // Not every edit control reports a text set by its owner; the list's handler must run.
  InputMayHaveChanged(w_.controls[MainControl::kListField]);
}

bool NamePreview::DirExists(const std::string& path, const std::string& name) {
  const bool exists = w_.files.DirectoryExists(path);
  OkButtonState state = DirExistsState(exists, name);
  ShowOkState(state.enter, state.enabled);
  return exists;
}

// "Enter" over an existing directory, "OK" otherwise; a state left out stays as it is.
void NamePreview::ShowOkState(std::optional<bool> enter, std::optional<bool> enabled) {
  if (enter) {
    const std::string caption =
        *enter ? w_.text(lng::buttons::kBtnEnterDir) : w_.text(lng::buttons::kBtnOK);
    w_.controls.SetText(MainControl::kOkButton, caption);
    w_.controls.SetText(MainControl::kOkFlatButton, caption);
    w_.look.ShowOkGlyph(*enter);
  }
  if (enabled)
    w_.controls.SetEnabled(
        w_.settings.Activation().flat_buttons ? MainControl::kOkFlatButton : MainControl::kOkButton,
        *enabled);
}

}  // namespace kestrix
