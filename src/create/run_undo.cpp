#include "create/run_undo.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>

#include "base/text_utils.h"

namespace kestrix {

namespace {

// A report lists this many paths of each kind, then how many more there are.
constexpr size_t kReportLines = 12;
// A kept folder names this many of the things it holds.
constexpr size_t kForeignNames = 3;

size_t Depth(const std::string& path) {
  return static_cast<size_t>(std::count(path.begin(), path.end(), '\\'));
}

std::string KeptDetail(const std::vector<std::string>& names) {
  std::string text;
  for (size_t i = 0; i < names.size() && i < kForeignNames; ++i)
    text += (i == 0 ? "" : ", ") + names[i];
  return names.size() > kForeignNames ? text + ", ..." : text;
}

// The removal of one item the run made; an item gone already is left out of the report.
void TakeBack(FileSystem& fs, const MadeItem& item,
              const std::unordered_set<std::string>& made_keys, UndoOutcome& out) {
  uint32_t code = kErrorSuccess;
  if (item.directory) {
    if (!fs.DirectoryExists(item.path)) return;
    std::vector<std::string> foreign;
    bool holds = false;
    for (const DirEntry& entry : fs.ListDirectory(item.path, "*")) {
      holds = true;
      if (!made_keys.contains(AsciiLowerCase(item.path + "\\" + entry.name)))
        foreign.push_back(entry.name);
    }
    if (!foreign.empty()) {
      out.kept.push_back({item.path, KeptReason::kForeign, KeptDetail(foreign)});
      return;
    }
    if (holds) {
      out.kept.push_back({item.path, KeptReason::kHoldsKept, ""});
      return;
    }
    code = fs.RemoveDirectory(item.path);
  } else {
    if (!fs.FileExists(item.path)) return;
    uint64_t size = 0;
    code = fs.FileSize(item.path, size);
    if (code == kErrorSuccess && size > 0) {
      out.kept.push_back({item.path, KeptReason::kNotEmpty, ""});
      return;
    }
    if (code == kErrorSuccess) code = fs.DeleteFile(item.path);
  }
  if (code == kErrorSuccess)
    out.removed.push_back(item.path);
  else
    out.kept.push_back({item.path, KeptReason::kFailed, std::to_string(code)});
}

// `base` + "\" is cut from the front of a path under it.
std::string Relative(const std::string& path, const std::string& base) {
  if (path.size() > base.size() + 1 &&
      AsciiLowerCase(path.substr(0, base.size())) == AsciiLowerCase(base) &&
      path[base.size()] == '\\')
    return path.substr(base.size() + 1);
  return path;
}

}  // namespace

UndoOutcome UndoRun(FileSystem& fs, RunRecord& record) {
  UndoOutcome out;
  out.base = record.base;
  if (record.undone || record.made.empty()) return out;
  if (!fs.DirectoryExists(record.base)) {
    out.verdict = UndoVerdict::kBaseMissing;
    return out;
  }
  std::unordered_set<std::string> made_keys;
  for (const MadeItem& item : record.made) made_keys.insert(AsciiLowerCase(item.path));
  // Newest first, then deepest first: a folder comes after everything inside it.
  std::vector<size_t> order(record.made.size());
  std::iota(order.rbegin(), order.rend(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return Depth(record.made[a].path) > Depth(record.made[b].path);
  });
  for (size_t index : order) TakeBack(fs, record.made[index], made_keys, out);
  record.undone = true;
  out.verdict = UndoVerdict::kDone;
  return out;
}

std::optional<RunRecord> LastUndoableRun(FileSystem& fs, const std::string& path) {
  std::vector<RunRecord> records;
  if (LoadRunRecords(fs, path, records) != kErrorSuccess || records.empty() ||
      records.back().undone || records.back().made.empty())
    return std::nullopt;
  return std::move(records.back());
}

UndoOutcome UndoLastRun(FileSystem& fs, const std::string& path, uint32_t& file_error) {
  std::vector<RunRecord> records;
  file_error = LoadRunRecords(fs, path, records);
  if (file_error != kErrorSuccess || records.empty()) return {};
  UndoOutcome out = UndoRun(fs, records.back());
  if (out.verdict == UndoVerdict::kDone) file_error = SaveRunRecords(fs, path, records);
  return out;
}

std::string UndoMenuText(const LanguageTable& language, const RunRecord& record) {
  return FormatLanguageText(
      ReplaceAll(language.Text(lng::run_undo::kMenuEntry), "%n", std::to_string(record.Folders())),
      record.base);
}

std::string UndoReport(const LanguageTable& language, const UndoOutcome& outcome) {
  if (outcome.verdict == UndoVerdict::kNothing) return language.Text(lng::run_undo::kNothing);
  if (outcome.verdict == UndoVerdict::kBaseMissing)
    return FormatLanguageText(language.Text(lng::run_undo::kBaseMissing), outcome.base);
  std::vector<std::string> lines;
  auto add_list = [&](const std::vector<std::string>& items) {
    for (size_t i = 0; i < items.size() && i < kReportLines; ++i)
      lines.push_back("    " + items[i]);
    if (items.size() > kReportLines)
      lines.push_back("    " + FormatLanguageText(language.Text(lng::run_undo::kMore),
                                                  std::to_string(items.size() - kReportLines)));
  };
  lines.push_back(
      FormatLanguageText(language.Text(outcome.removed.empty() ? lng::run_undo::kNoneRemoved
                                                               : lng::run_undo::kRemoved),
                         outcome.base));
  std::vector<std::string> items;
  for (const std::string& path : outcome.removed) items.push_back(Relative(path, outcome.base));
  add_list(items);
  if (!outcome.kept.empty()) {
    lines.push_back("");
    lines.push_back(language.Text(lng::run_undo::kKept));
    items.clear();
    for (const KeptItem& kept : outcome.kept) {
      const std::string name = Relative(kept.path, outcome.base);
      switch (kept.reason) {
        case KeptReason::kForeign:
          items.push_back(name + ": " +
                          FormatLanguageText(language.Text(lng::run_undo::kForeign), kept.detail));
          break;
        case KeptReason::kHoldsKept:
          items.push_back(name + ": " + language.Text(lng::run_undo::kHoldsKept));
          break;
        case KeptReason::kNotEmpty:
          items.push_back(name + ": " + language.Text(lng::run_undo::kNotEmpty));
          break;
        case KeptReason::kFailed:
          items.push_back(
              FileFailureText(language, kept.path, static_cast<uint32_t>(std::stoul(kept.detail))));
          break;
      }
    }
    add_list(items);
  }
  return JoinLines(lines);
}

}  // namespace kestrix
