#include "ui/main/run_undo_command.h"

#include "app/error_log.h"
#include "app/launch_decision.h"
#include "create/run_undo.h"
#include "platform/message_box.h"
#include "settings/language_table.h"
#include "ui/main/control_ids.h"

namespace kestrix {

void RunUndoCommand::LogFailure(uint32_t code) const {
  w_.logger.Log(kMainWindowClass,
                {"EInOutError", "Run record " + RecordFile() + ": error " + std::to_string(code)});
}

void RunUndoCommand::Record(const RunRecord& record) {
  if (const uint32_t code = AddRunRecord(w_.files, RecordFile(), record)) LogFailure(code);
}

MenuItem RunUndoCommand::MenuEntry() const {
  const std::optional<RunRecord> last = LastUndoableRun(w_.files, RecordFile());
  const LanguageTable& language = w_.language.table;
  MenuItem entry{last ? UndoMenuText(language, *last) : language.Text(lng::run_undo::kTitle),
                 MainMenu::kUndoRun,
                 last ? 0u : static_cast<UINT>(MF_GRAYED),
                 nullptr,
                 {}};
  if (w_.settings.Activation().show_menu_shortcuts) entry.text += "\tCtrl+U";
  return entry;
}

void RunUndoCommand::UndoLastCreation() {
  w_.routine = "UndoLastCreation";
  uint32_t file_error = 0;
  const UndoOutcome outcome = UndoLastRun(w_.files, RecordFile(), file_error);
  if (file_error != kErrorSuccess) LogFailure(file_error);
  const bool done = outcome.verdict == UndoVerdict::kDone;
  w_.message_boxes.Show(UndoReport(w_.language.table, outcome),
                        w_.language.table.Text(lng::run_undo::kTitle),
                        kMbOk | (done ? kMbIconInformation : kMbIconWarning));
  // The host shows the folders as they are now, as after a creation.
  if (done) w_.reread_host();
  w_.after_undo();
}

}  // namespace kestrix
