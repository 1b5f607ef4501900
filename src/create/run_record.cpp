#include "create/run_record.h"

#include <algorithm>

#include "base/text_utils.h"
#include "base/utf8.h"
#include "platform/code_page.h"

namespace kestrix {

namespace {

std::string Normalized(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  while (path.size() > 1 && path.back() == '\\') path.pop_back();
  return path;
}

// The key's letters before its number ("Dir12" -> "Dir").
std::string_view KeyName(std::string_view key) {
  const size_t digits = key.find_first_of("0123456789");
  return key.substr(0, digits);
}

}  // namespace

size_t RunRecord::Folders() const {
  return static_cast<size_t>(
      std::count_if(made.begin(), made.end(), [](const MadeItem& item) { return item.directory; }));
}

uint32_t RecordingFileSystem::Made(const std::string& path, bool directory, uint32_t code) {
  if (code != kErrorSuccess) return code;
  MadeItem item{Normalized(path), directory};
  // The first item's parent existed before the run: that is where the run worked.
  if (record_.made.empty()) {
    record_.base = item.path.substr(0, item.path.rfind('\\'));
    if (record_.base.size() == 2 && record_.base[1] == ':') record_.base += '\\';  // "C:\"
  }
  record_.made.push_back(std::move(item));
  return code;
}

std::string RunRecordPath(const std::string& settings_path) {
  const size_t dot = settings_path.rfind('.');
  const size_t separator = settings_path.find_last_of("\\/");
  const bool has_extension =
      dot != std::string::npos && (separator == std::string::npos || dot > separator);
  return (has_extension ? settings_path.substr(0, dot) : settings_path) + ".runs";
}

std::string FormatRunRecords(const std::vector<RunRecord>& records) {
  std::string text;
  for (size_t r = 0; r < records.size(); ++r) {
    const RunRecord& record = records[r];
    text += "[Run" + std::to_string(r + 1) + "]\r\nBase=" + record.base +
            "\r\nUndone=" + (record.undone ? "True" : "False") + "\r\n";
    for (size_t i = 0; i < record.made.size(); ++i)
      text += (record.made[i].directory ? "Dir" : "File") + std::to_string(i + 1) + "=" +
              record.made[i].path + "\r\n";
    text += "\r\n";
  }
  return text;
}

std::vector<RunRecord> ParseRunRecords(std::string_view text) {
  std::vector<RunRecord> records;
  for (const std::string& line : SplitLines(std::string(text))) {
    if (line.starts_with('[')) {
      records.emplace_back();
      continue;
    }
    const size_t equals = line.find('=');
    if (records.empty() || equals == std::string::npos) continue;
    const std::string_view key = std::string_view(line).substr(0, equals);
    const std::string value = line.substr(equals + 1);
    RunRecord& record = records.back();
    if (key == "Base")
      record.base = value;
    else if (key == "Undone")
      record.undone = value == "True";
    else if (KeyName(key) == "Dir" || KeyName(key) == "File")
      record.made.push_back({value, KeyName(key) == "Dir"});
  }
  return records;
}

uint32_t LoadRunRecords(FileSystem& fs, const std::string& path, std::vector<RunRecord>& records) {
  records.clear();
  std::string text;
  const uint32_t code = fs.ReadWholeFile(path, text);
  if (code == kErrorFileNotFound) return kErrorSuccess;
  if (code == kErrorSuccess) records = ParseRunRecords(UnknownCodePage().Utf8FromOwnFile(text));
  return code;
}

uint32_t SaveRunRecords(FileSystem& fs, const std::string& path, std::vector<RunRecord> records) {
  if (records.size() > kKeptRuns)
    records.erase(records.begin(), records.end() - static_cast<ptrdiff_t>(kKeptRuns));
  return fs.WriteWholeFile(path, OwnTextFileBytes(FormatRunRecords(records)));
}

uint32_t AddRunRecord(FileSystem& fs, const std::string& path, const RunRecord& record) {
  if (record.made.empty()) return kErrorSuccess;
  std::vector<RunRecord> records;
  // A file that cannot be read now (held by another program) keeps its older runs.
  if (const uint32_t code = LoadRunRecords(fs, path, records)) return code;
  records.push_back(record);
  return SaveRunRecords(fs, path, std::move(records));
}

}  // namespace kestrix
