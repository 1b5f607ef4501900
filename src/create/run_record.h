#pragma once
// What one creation run made, so that it can be taken back: the folder it made its first
// item in, and the directories and files it made, in the order made. Whatever existed
// before the run is not in it. The records of the last kKeptRuns runs sit in a file beside
// the settings file ("tc Kestrix.runs"), an INI text with one section per run, oldest
// first, replaced whole at every save: plain ASCII, or UTF-16 LE with its mark when a path
// holds anything else (read back as the program's own files are).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace kestrix {

struct MadeItem {
  std::string path;  // "\" separators, no trailing one
  bool directory = true;
  bool operator==(const MadeItem&) const = default;
};

struct RunRecord {
  std::string base;  // the folder the first item was made in
  std::vector<MadeItem> made;
  bool undone = false;
  bool operator==(const RunRecord&) const = default;
  size_t Folders() const;
};

inline constexpr size_t kKeptRuns = 20;

// A FileSystem that passes every call on and writes down what CreateDirectory and
// CreateNewFile made, at the moment they make it.
class RecordingFileSystem : public FileSystem {
 public:
  explicit RecordingFileSystem(FileSystem& inner) : inner_(inner) {}
  const RunRecord& Record() const { return record_; }

  uint32_t GetAttributes(const std::string& path) override { return inner_.GetAttributes(path); }
  uint32_t SetAttributes(const std::string& path, uint32_t attributes) override {
    return inner_.SetAttributes(path, attributes);
  }
  uint32_t CreateDirectory(const std::string& path) override {
    return Made(path, true, inner_.CreateDirectory(path));
  }
  uint32_t CreateNewFile(const std::string& path) override {
    return Made(path, false, inner_.CreateNewFile(path));
  }
  uint32_t ReadWholeFile(const std::string& path, std::string& content) override {
    return inner_.ReadWholeFile(path, content);
  }
  uint32_t WriteWholeFile(const std::string& path,
                          std::span<const std::string_view> pieces) override {
    return inner_.WriteWholeFile(path, pieces);
  }
  using FileSystem::WriteWholeFile;
  uint32_t AppendToFile(const std::string& path, const std::string& content) override {
    return inner_.AppendToFile(path, content);
  }
  uint32_t CopyFile(const std::string& from, const std::string& to, bool fail_if_exists) override {
    return inner_.CopyFile(from, to, fail_if_exists);
  }
  uint32_t DeleteFile(const std::string& path) override { return inner_.DeleteFile(path); }
  uint32_t RemoveDirectory(const std::string& path) override {
    return inner_.RemoveDirectory(path);
  }
  std::vector<DirEntry> ListDirectory(const std::string& directory,
                                      const std::string& pattern) override {
    return inner_.ListDirectory(directory, pattern);
  }
  uint64_t LastWriteTime(const std::string& path) override { return inner_.LastWriteTime(path); }
  uint32_t FileSize(const std::string& path, uint64_t& size) override {
    return inner_.FileSize(path, size);
  }

 private:
  uint32_t Made(const std::string& path, bool directory, uint32_t code);

  FileSystem& inner_;
  RunRecord record_;
};

// The record file beside `settings_path`: its extension becomes ".runs".
std::string RunRecordPath(const std::string& settings_path);

std::string FormatRunRecords(const std::vector<RunRecord>& records);
std::vector<RunRecord> ParseRunRecords(std::string_view text);

// The records in the file; none when it does not exist. The read's error code otherwise.
uint32_t LoadRunRecords(FileSystem& fs, const std::string& path, std::vector<RunRecord>& records);
// Replaces the file with `records`, the newest kKeptRuns of them.
uint32_t SaveRunRecords(FileSystem& fs, const std::string& path, std::vector<RunRecord> records);
// Adds a run that made something to the file (one read, one write); a run that made
// nothing leaves the file alone.
uint32_t AddRunRecord(FileSystem& fs, const std::string& path, const RunRecord& record);

}  // namespace kestrix
