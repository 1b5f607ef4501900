#pragma once
// Taking a creation run back. Deepest first, every directory the run made that is still
// empty and every file it made that is still empty are removed. A folder that now holds
// anything the run did not make stays, and so do its parents; anything that existed before
// the run is never in the record, so it is never touched. A run is taken back once.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "create/run_record.h"
#include "platform/file_system.h"
#include "settings/language_table.h"

namespace kestrix {

enum class KeptReason {
  kForeign,    // the folder holds something the run did not make (detail: its names)
  kHoldsKept,  // the folder holds something of the run that stays
  kNotEmpty,   // the file the run made has content now
  kFailed,     // removing failed (detail: the Windows error code)
};

struct KeptItem {
  std::string path;
  KeptReason reason = KeptReason::kFailed;
  std::string detail;
  bool operator==(const KeptItem&) const = default;
};

enum class UndoVerdict {
  kDone,
  kNothing,      // no run recorded, or the last one was taken back already
  kBaseMissing,  // the folder the run worked in is gone: nothing touched
};

struct UndoOutcome {
  UndoVerdict verdict = UndoVerdict::kNothing;
  std::string base;
  std::vector<std::string> removed;  // in the order removed
  std::vector<KeptItem> kept;
};

// Takes `record` back and marks it undone; a record undone already, or whose base folder
// no longer exists, is left as it is and nothing is touched.
UndoOutcome UndoRun(FileSystem& fs, RunRecord& record);

// The newest run of the record file while it can still be taken back.
std::optional<RunRecord> LastUndoableRun(FileSystem& fs, const std::string& path);
// Takes the newest run of the record file back and writes the file with the run marked.
// `file_error`: the record file's read or write failure, 0 when none.
UndoOutcome UndoLastRun(FileSystem& fs, const std::string& path, uint32_t& file_error);

// "Undo the last creation (3 folders in C:\Data)".
std::string UndoMenuText(const LanguageTable& language, const RunRecord& record);
// What was removed and what was kept and why, or why nothing was done, for the user.
std::string UndoReport(const LanguageTable& language, const UndoOutcome& outcome);

}  // namespace kestrix
