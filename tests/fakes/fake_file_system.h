#pragma once
// FakeFileSystem: an in-memory FileSystem with the Windows path rules the logic meets.
// "\" and "/" separate; names compare without case (ASCII and the Windows-1252 letters) and
// keep the case they were made with; "." and ".." resolve; a name's trailing dots and
// blanks drop ("abc." is "abc"); separators collapse. Drive "C:" exists (AddDrive adds
// others); a share is a root of its own; relative paths start at "C:\". < > : " | ? * or
// control characters in a name give kErrorInvalidName. Error codes follow the Win32 calls.
// WriteWholeFile is atomic; CopyFile copies content, attributes and time, as CopyFileA.
// Files start as kAttrArchive and read as kAttrNormal without bits; directories always
// carry kAttrDirectory. A clock starting at a fixed FILETIME advances a second at every
// change and stamps what was written.
// Faults: FailPath fails operations on a path and everything below it with a code;
// FailNextWriteAfter fails the next WriteWholeFile of more bytes than given; FailStep fails
// the n-th coming step of the replacing write (temporary file, write, flush, rename) or of a
// copy. A failed call changes nothing.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace kestrix {

class FakeFileSystem : public FileSystem {
 public:
  // Which operations a FailPath fault hits.
  enum FaultOps : unsigned {
    kFaultRead = 1,   // ReadWholeFile, CopyFile source, ListDirectory (returns nothing)
    kFaultWrite = 2,  // WriteWholeFile, CreateDirectory, DeleteFile, SetAttributes, copy target
    kFaultAll = 3,
  };

  // The steps of WriteWholeFile as the real one takes them, and CopyFile.
  enum class Step { kTemporary, kWrite, kFlush, kRename, kCopy };

  FakeFileSystem();

  // ---- FileSystem ----
  uint32_t GetAttributes(const std::string& path) override;
  uint32_t SetAttributes(const std::string& path, uint32_t attributes) override;
  uint32_t CreateDirectory(const std::string& path) override;
  uint32_t ReadWholeFile(const std::string& path, std::string& content) override;
  uint32_t WriteWholeFile(const std::string& path,
                          std::span<const std::string_view> pieces) override;
  using FileSystem::WriteWholeFile;
  uint32_t CopyFile(const std::string& from, const std::string& to, bool fail_if_exists) override;
  uint32_t DeleteFile(const std::string& path) override;
  uint32_t RemoveDirectory(const std::string& path) override;
  std::vector<DirEntry> ListDirectory(const std::string& directory,
                                      const std::string& pattern) override;
  uint64_t LastWriteTime(const std::string& path) override {
    Node* node = FindPath(path);
    return node == nullptr ? 0 : node->last_write;
  }
  uint32_t FileSize(const std::string& path, uint64_t& size) override;

  // ---- Set-up for tests ----
  void AddDrive(const std::string& drive);  // "D:" or "D:\"
  // Creates every missing level (no faults applied).
  void AddDirectory(const std::string& path);
  // Creates the file and its missing parent directories (no faults applied).
  void AddFile(const std::string& path, const std::string& content,
               uint32_t attributes = kAttrArchive);

  void FailPath(const std::string& path, uint32_t code, FaultOps ops = kFaultWrite);
  void ClearFaults() {
    faults_.clear();
    fail_write_after_.reset();
    fail_step_.reset();
  }
  void FailNextWriteAfter(size_t bytes, uint32_t code = kErrorDiskFull) {
    fail_write_after_ = bytes;
    fail_write_code_ = code;
  }
  void FailStep(Step step, int nth, uint32_t code) {
    fail_step_ = step;
    fail_step_countdown_ = nth;
    fail_step_code_ = code;
    step_failed_ = false;
  }
  // Whether the step armed by FailStep came and failed.
  bool StepFailed() const { return step_failed_; }

  // ---- Inspection ----
  std::optional<std::string> FileContent(const std::string& path) {
    Node* node = FindPath(path);
    if (node == nullptr || node->directory) return std::nullopt;
    return node->content;
  }
  // Every object, as "C:\dir\name" in its stored case, directories with a trailing "\",
  // sorted by path.
  std::vector<std::string> AllPaths() const;
  // Every directory CreateDirectory made, in order, spelled as the caller passed it.
  const std::vector<std::string>& CreatedDirectories() const { return created_; }
  // Number of successful WriteWholeFile calls so far (all paths).
  int WriteCount() const { return write_count_; }
  // Number of WriteWholeFile calls that reached the given path, failed or not.
  int WriteAttempts(const std::string& path);

 private:
  struct Node {
    std::string display;  // the path in the case it was created with
    bool directory = false;
    uint32_t attributes = 0;
    std::string content;
    uint64_t last_write = 0;
  };
  struct Fault {
    std::string key;
    uint32_t code;
    unsigned ops;
  };

  // Resolves a path to its canonical key (folded case, "\" separators, no trailing
  // separator except at a drive root). False for an invalid name.
  bool Resolve(const std::string& path, std::string& key, std::string& display) const;
  Node* Find(const std::string& key) {
    auto it = nodes_.find(key);
    return it == nodes_.end() ? nullptr : &it->second;
  }
  Node* FindPath(const std::string& path) {
    std::string key, display;
    return Resolve(path, key, display) ? Find(key) : nullptr;
  }
  static std::string ParentKey(const std::string& key);
  uint32_t FaultFor(const std::string& key, unsigned ops) const;
  // kErrorSuccess when the parent of `key` is an existing directory.
  uint32_t CheckParent(const std::string& key);
  // What a call on a missing object returns: not found, or path not found without parent.
  uint32_t MissingCode(const std::string& key) {
    return CheckParent(key) == kErrorSuccess ? kErrorFileNotFound : kErrorPathNotFound;
  }
  // The display path of a new object under its existing parent, in the parent's case.
  std::string ChildDisplay(const std::string& key, const std::string& display);
  uint64_t Tick() { return std::exchange(clock_, clock_ + 10000000ull); }  // one second
  std::vector<std::string> created_;

  std::map<std::string, Node> nodes_;
  std::vector<Fault> faults_;
  std::map<std::string, int> write_attempts_;
  uint64_t clock_;
  int write_count_ = 0;
  // kErrorSuccess, or the step's fault when it comes now.
  uint32_t TakeStep(Step step) {
    if (fail_step_ != step || fail_step_countdown_-- > 0) return kErrorSuccess;
    fail_step_.reset();
    step_failed_ = true;
    return fail_step_code_;
  }
  std::optional<size_t> fail_write_after_;
  std::optional<Step> fail_step_;
  int fail_step_countdown_ = 0;
  uint32_t fail_step_code_ = 0;
  bool step_failed_ = false;
  uint32_t fail_write_code_ = kErrorDiskFull;
};

}  // namespace kestrix
