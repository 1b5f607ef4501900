#pragma once
// The file system as the portable logic sees it. Paths are UTF-8 strings with Windows rules
// ("\" separators, drive letters, case-insensitive names). Results carry the
// Windows error code (0 = success) so messages can show it. Win32 code includes
// platform/win32/windows_api.h, which keeps <windows.h> from renaming these methods.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kestrix {

// Windows file attribute bits, spelled out so portable code needs no <windows.h>.
enum FileAttribute : uint32_t {
  kAttrReadOnly = 0x01,
  kAttrHidden = 0x02,
  kAttrSystem = 0x04,
  kAttrDirectory = 0x10,
  kAttrArchive = 0x20,
  kAttrNormal = 0x80,
  kAttrReparsePoint = 0x400,  // a junction or a symbolic link
  kAttrInvalid = 0xFFFFFFFFu,
};

// Common Windows error codes the logic reacts to.
enum WinError : uint32_t {
  kErrorSuccess = 0,
  kErrorFileNotFound = 2,
  kErrorPathNotFound = 3,
  kErrorAccessDenied = 5,
  kErrorWriteFault = 29,
  kErrorSharingViolation = 32,
  kErrorLockViolation = 33,
  kErrorHandleDiskFull = 39,
  kErrorFileExists = 80,
  kErrorInvalidName = 123,
  kErrorAlreadyExists = 183,
  kErrorDiskFull = 112,
  kErrorDirNotEmpty = 145,
  kErrorFilenameExcedRange = 206,
  // A character has no form in the target encoding (ERROR_NO_UNICODE_TRANSLATION): a file
  // that would lose it is not written.
  kErrorNoUnicodeTranslation = 1113,
};

// A file operation failed with a Windows error code. Thrown where the failure is not
// handled on the spot (loading and flushing INI files); callers show or log it.
class InOutError : public std::runtime_error {
 public:
  InOutError(const std::string& path, uint32_t code)
      : std::runtime_error("I/O error " + std::to_string(code) + " on \"" + path + "\""),
        path_(path),
        code_(code) {}
  const std::string& Path() const { return path_; }
  uint32_t Code() const { return code_; }

 private:
  std::string path_;
  uint32_t code_;
};

struct DirEntry {
  std::string name;  // name only, no directory part
  uint32_t attributes = 0;
  bool IsDirectory() const { return (attributes & kAttrDirectory) != 0; }
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // kAttrInvalid when the object does not exist (or cannot be queried).
  virtual uint32_t GetAttributes(const std::string& path) = 0;
  virtual uint32_t SetAttributes(const std::string& path, uint32_t attributes) = 0;

  // Creates exactly one level; fails with kErrorAlreadyExists / kErrorPathNotFound as
  // CreateDirectoryW does.
  virtual uint32_t CreateDirectory(const std::string& path) = 0;

  virtual uint32_t ReadWholeFile(const std::string& path, std::string& content) = 0;
  // Replaces the file only once the new content is completely written beside it, so a
  // failure midway leaves the old file untouched. The content may come in pieces, written
  // one after the other, so a caller need not copy them into one text first.
  virtual uint32_t WriteWholeFile(const std::string& path,
                                  std::span<const std::string_view> pieces) = 0;
  uint32_t WriteWholeFile(const std::string& path, std::string_view content) {
    return WriteWholeFile(path, std::span<const std::string_view>(&content, 1));
  }
  // Adds `content` at the end of the file, creating the file when it is missing. The
  // default reads and rewrites the whole file; implementations may append in place.
  virtual uint32_t AppendToFile(const std::string& path, const std::string& content) {
    std::string old_content;
    uint32_t code = ReadWholeFile(path, old_content);
    if (code == kErrorFileNotFound)
      old_content.clear();
    else if (code != kErrorSuccess)
      return code;
    return WriteWholeFile(path, old_content + content);
  }
  // Creates an empty file that must not exist yet (kErrorFileExists when it does); an
  // existing file is never opened for writing. Implementations make the check and the
  // creation one step.
  virtual uint32_t CreateNewFile(const std::string& path) {
    if (Exists(path)) return kErrorFileExists;
    return WriteWholeFile(path, "");
  }
  virtual uint32_t CopyFile(const std::string& from, const std::string& to,
                            bool fail_if_exists) = 0;
  virtual uint32_t DeleteFile(const std::string& path) = 0;
  // Removes an empty directory; kErrorDirNotEmpty when something is left in it.
  virtual uint32_t RemoveDirectory(const std::string& path) = 0;

  // Entries of `directory` whose names match the wildcard `pattern` ("*", "?"), without
  // "." and "..".
  virtual std::vector<DirEntry> ListDirectory(const std::string& directory,
                                              const std::string& pattern) = 0;

  // Last-write time in 100 ns units (FILETIME); 0 when unknown.
  virtual uint64_t LastWriteTime(const std::string& path) = 0;
  // The size of a file in bytes; the error code when it cannot be queried.
  virtual uint32_t FileSize(const std::string& path, uint64_t& size) = 0;

  bool Exists(const std::string& path) { return GetAttributes(path) != kAttrInvalid; }
  bool DirectoryExists(const std::string& path) {
    uint32_t a = GetAttributes(path);
    return a != kAttrInvalid && (a & kAttrDirectory) != 0;
  }
  bool FileExists(const std::string& path) {
    uint32_t a = GetAttributes(path);
    return a != kAttrInvalid && (a & kAttrDirectory) == 0;
  }
};

}  // namespace kestrix
