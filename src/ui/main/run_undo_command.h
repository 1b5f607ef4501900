#pragma once
// Taking the last creation back from the main window: the record each run leaves, the
// Options menu's entry and Ctrl+U. What is removed and kept is decided in create/run_undo.
#include <functional>
#include <string>
#include <vector>

#include "create/run_record.h"
#include "settings/settings_model.h"
#include "window/menu.h"

namespace kestrix {

class ErrorLogger;
class FileSystem;
class MessageBoxes;
struct LoadedLanguage;

class RunUndoCommand {
 public:
  struct Wiring {
    FileSystem& files;
    SettingsModel& settings;  // the record file lies beside the settings file
    ErrorLogger& logger;
    MessageBoxes& message_boxes;
    const LoadedLanguage& language;
    std::string& routine;  // CurrentRoutine, for the error log
    // After an undo: the host rereads its panel, the preview and the focus return.
    std::function<void()> reread_host;
    std::function<void()> after_undo;
  };
  explicit RunUndoCommand(Wiring wiring) : w_(std::move(wiring)) {}

  // The run has made its directories whatever the record file does: a failed write is
  // logged, not shown.
  void Record(const RunRecord& record);
  // The Options menu's entry, greyed when there is nothing to take back.
  MenuItem MenuEntry() const;
  void UndoLastCreation();

 private:
  std::string RecordFile() const { return RunRecordPath(w_.settings.FilePath()); }
  void LogFailure(uint32_t code) const;

  Wiring w_;
};

}  // namespace kestrix
