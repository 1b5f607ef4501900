// Taking the last creation back from the main window: the record each run leaves, the
// Options menu's entry and Ctrl+U. What is removed and kept is decided in create/run_undo.
#include "create/run_undo.h"
#include "ui/main_form.h"
#include "ui/menu.h"

namespace kestrix {

std::string Ttc_KestrixForm::RunRecordFile() const {
  return RunRecordPath(settings_.FilePath());
}

// The run has made its directories whatever the record file does: a failed write is
// logged, not shown.
void Ttc_KestrixForm::RecordRun(const RunRecord& record) {
  const std::string path = RunRecordFile();
  if (const uint32_t code = AddRunRecord(services_.files, path, record))
    services_.logger.Log(kMainWindowClass,
                         {"EInOutError", "Run record " + path + ": error " + std::to_string(code)});
}

void Ttc_KestrixForm::AddUndoMenuItem(std::vector<MenuItem>& items) {
  const std::optional<RunRecord> last = LastUndoableRun(services_.files, RunRecordFile());
  MenuItem entry{last ? UndoMenuText(Lang(), *last) : Text(lng::run_undo::kTitle),
                 kMenu_UndoRun,
                 last ? 0u : static_cast<UINT>(MF_GRAYED),
                 nullptr,
                 {}};
  if (activation_.show_menu_shortcuts) entry.text += "\tCtrl+U";
  items.insert(items.begin(), {entry, Separator()});
}

void Ttc_KestrixForm::UndoLastCreation() {
  app_.CurrentRoutine = "UndoLastCreation";
  const std::string path = RunRecordFile();
  uint32_t file_error = 0;
  const UndoOutcome outcome = UndoLastRun(services_.files, path, file_error);
  if (file_error != kErrorSuccess)
    services_.logger.Log(kMainWindowClass, {"EInOutError", "Run record " + path + ": error " +
                                                               std::to_string(file_error)});
  services_.message_boxes.Show(
      UndoReport(Lang(), outcome), Text(lng::run_undo::kTitle),
      kMbOk | (outcome.verdict == UndoVerdict::kDone ? kMbIconInformation : kMbIconWarning));
  // The host shows the folders as they are now, as after a creation.
  if (outcome.verdict == UndoVerdict::kDone && commands_)
    commands_->Post(app_.Snapshot.HostWindow, kCmdRereadSource);
  RerunPreview();  // what the preview marks as existing may be gone now
  controls_.Focus(VisibleInput());
}

}  // namespace kestrix
