#pragma once
// The FileSystem seam over kernel32's wide calls; paths are UTF-8 on this side. A path of
// MAX_PATH UTF-16 units or more, unless it starts with "\\?\", fails with
// kErrorFilenameExcedRange on Windows and Wine alike.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace kestrix {

class Win32FileSystem : public FileSystem {
 public:
  // Files are written in pieces of this size.
  static constexpr uint32_t kChunkSize = 1 << 20;
  // The most one read asks for.
  static constexpr uint32_t kMaxRead = 1u << 30;

  uint32_t GetAttributes(const std::string& path) override;
  uint32_t SetAttributes(const std::string& path, uint32_t attributes) override;
  uint32_t CreateDirectory(const std::string& path) override;
  uint32_t CreateNewFile(const std::string& path) override;
  uint32_t ReadWholeFile(const std::string& path, std::string& content) override;
  // Writes a temporary file in the same directory, gives it the old file's attributes
  // and moves it over the old file (MoveFileExW, replace existing, write through), so a
  // failure at any step leaves the old file as it was.
  uint32_t WriteWholeFile(const std::string& path,
                          std::span<const std::string_view> pieces) override;
  using FileSystem::WriteWholeFile;
  // Opens (or creates) the file and writes at its end.
  uint32_t AppendToFile(const std::string& path, const std::string& content) override;
  uint32_t CopyFile(const std::string& from, const std::string& to, bool fail_if_exists) override;
  uint32_t DeleteFile(const std::string& path) override;
  uint32_t RemoveDirectory(const std::string& path) override;
  std::vector<DirEntry> ListDirectory(const std::string& directory,
                                      const std::string& pattern) override;
  uint64_t LastWriteTime(const std::string& path) override;
  uint32_t FileSize(const std::string& path, uint64_t& size) override;

 protected:
  // Writes one piece to an open file (WriteFile); returns the Windows error code. Tests
  // override it to make a write fail midway.
  virtual uint32_t WriteChunk(void* file, const char* data, uint32_t size);
};

}  // namespace kestrix
