#include "platform/win32/file_system_win32.h"

#include <algorithm>
#include <cstdio>

#include "platform/win32/windows_api.h"

namespace kestrix {

namespace {

uint32_t LastError() {
  DWORD code = GetLastError();
  return code == 0 ? kErrorWriteFault : static_cast<uint32_t>(code);
}

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return ".";
  if (slash == 0 || (slash == 2 && path[1] == ':')) return path.substr(0, slash + 1);
  return path.substr(0, slash);
}

// A new file beside the one it will replace, made and opened in one call (CREATE_NEW under
// a name no one holds; GetTempFileName would make it and a second call open it). It is
// made with the old file's hidden, system and archive bits, which spares setting them later.
HANDLE CreateTemporaryBeside(const std::string& path, DWORD attributes, std::string& temp) {
  std::string directory = DirectoryOf(path);
  if (directory.back() != '\\' && directory.back() != '/') directory += '\\';
  static unsigned serial = GetTickCount();
  for (int attempt = 0; attempt < 64; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, "kx%04lX%04X.tmp", GetCurrentProcessId() & 0xFFFF,
                  ++serial & 0xFFFF);
    temp = directory + name;
    HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

uint32_t WriteTemporary(Win32FileSystem& owner,
                        uint32_t (Win32FileSystem::*write_chunk)(void*, const char*, uint32_t),
                        HANDLE file, std::span<const std::string_view> pieces) {
  uint32_t code = kErrorSuccess;
  for (const std::string_view piece : pieces) {
    for (size_t done = 0; done < piece.size() && code == kErrorSuccess;) {
      uint32_t size =
          static_cast<uint32_t>(std::min<size_t>(Win32FileSystem::kChunkSize, piece.size() - done));
      code = (owner.*write_chunk)(file, piece.data() + done, size);
      done += size;
    }
  }
  if (code == kErrorSuccess && !FlushFileBuffers(file)) code = LastError();
  if (!CloseHandle(file) && code == kErrorSuccess) code = LastError();
  return code;
}

}  // namespace

uint32_t Win32FileSystem::GetAttributes(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES ? static_cast<uint32_t>(kAttrInvalid) : attributes;
}

uint32_t Win32FileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
  return SetFileAttributesA(path.c_str(), attributes) ? kErrorSuccess : LastError();
}

uint32_t Win32FileSystem::CreateDirectory(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) ? kErrorSuccess : LastError();
}

uint32_t Win32FileSystem::CreateNewFile(const std::string& path) {
  // CREATE_NEW fails with ERROR_FILE_EXISTS instead of truncating what is there.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return LastError();
  CloseHandle(file);
  return kErrorSuccess;
}

uint32_t Win32FileSystem::ReadWholeFile(const std::string& path, std::string& content) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return LastError();
  uint32_t code = kErrorSuccess;
  // Read in one piece of the size the file has (a byte more, so the end is seen without
  // growing); a file that grows meanwhile is read on to its end. The string keeps room
  // beyond the text, untouched until used: the INI file appends its edits to the text it
  // read, and growing a megabyte string would copy it whole.
  LARGE_INTEGER size = {};
  const size_t expected =
      GetFileSizeEx(file, &size) && size.QuadPart >= 0 && size.QuadPart < kMaxRead
          ? static_cast<size_t>(size.QuadPart) + 1
          : kChunkSize;
  std::string data;
  data.reserve(expected + std::min<size_t>(expected / 8, kChunkSize) + 4096);
  data.resize(expected);
  size_t used = 0;
  for (;;) {
    if (used == data.size()) data.resize(data.size() * 2);
    DWORD read = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<size_t>(data.size() - used, kMaxRead));
    if (!ReadFile(file, data.data() + used, wanted, &read, nullptr)) {
      code = LastError();
      break;
    }
    if (read == 0) break;
    used += read;
  }
  data.resize(used);
  CloseHandle(file);
  if (code == kErrorSuccess) content = std::move(data);
  return code;
}

uint32_t Win32FileSystem::WriteChunk(void* file, const char* data, uint32_t size) {
  DWORD written = 0;
  if (!WriteFile(static_cast<HANDLE>(file), data, size, &written, nullptr)) return LastError();
  return written == size ? kErrorSuccess : kErrorWriteFault;
}

uint32_t Win32FileSystem::WriteWholeFile(const std::string& path,
                                         std::span<const std::string_view> pieces) {
  DWORD old_attributes = GetFileAttributesA(path.c_str());
  if (old_attributes != INVALID_FILE_ATTRIBUTES &&
      (old_attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
    return kErrorAccessDenied;
  constexpr DWORD kMadeWith =
      FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  const DWORD kept = old_attributes != INVALID_FILE_ATTRIBUTES ? old_attributes : 0;
  std::string temp;
  HANDLE file = CreateTemporaryBeside(path, kept & kMadeWith, temp);
  if (file == INVALID_HANDLE_VALUE) return LastError();
  uint32_t code = WriteTemporary(*this, &Win32FileSystem::WriteChunk, file, pieces);
  // The rarer attributes a creation cannot give (not indexed, offline, temporary).
  if (code == kErrorSuccess && (kept & ~kMadeWith) != 0 && !SetFileAttributesA(temp.c_str(), kept))
    code = LastError();
  if (code == kErrorSuccess &&
      !MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    code = LastError();
  if (code != kErrorSuccess) {
    SetFileAttributesA(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(temp.c_str());
  }
  return code;
}

uint32_t Win32FileSystem::AppendToFile(const std::string& path, const std::string& content) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return LastError();
  uint32_t code = kErrorSuccess;
  LARGE_INTEGER zero{};
  if (!SetFilePointerEx(file, zero, nullptr, FILE_END)) code = LastError();
  for (size_t done = 0; done < content.size() && code == kErrorSuccess;) {
    uint32_t size = static_cast<uint32_t>(std::min<size_t>(kChunkSize, content.size() - done));
    code = WriteChunk(file, content.data() + done, size);
    done += size;
  }
  if (!CloseHandle(file) && code == kErrorSuccess) code = LastError();
  return code;
}

uint32_t Win32FileSystem::CopyFile(const std::string& from, const std::string& to,
                                   bool fail_if_exists) {
  return CopyFileA(from.c_str(), to.c_str(), fail_if_exists) ? kErrorSuccess : LastError();
}

uint32_t Win32FileSystem::DeleteFile(const std::string& path) {
  return ::DeleteFileA(path.c_str()) ? kErrorSuccess : LastError();
}

uint32_t Win32FileSystem::RemoveDirectory(const std::string& path) {
  return ::RemoveDirectoryA(path.c_str()) ? kErrorSuccess : LastError();
}

std::vector<DirEntry> Win32FileSystem::ListDirectory(const std::string& directory,
                                                     const std::string& pattern) {
  std::vector<DirEntry> entries;
  std::string query = directory;
  if (!query.empty() && query.back() != '\\' && query.back() != '/') query += '\\';
  query += pattern;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(query.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    std::string name = data.cFileName;
    if (name != "." && name != "..") entries.push_back(DirEntry{name, data.dwFileAttributes});
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return entries;
}

uint64_t Win32FileSystem::LastWriteTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
         data.ftLastWriteTime.dwLowDateTime;
}

uint32_t Win32FileSystem::FileSize(const std::string& path, uint64_t& size) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return LastError();
  size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return kErrorSuccess;
}

}  // namespace kestrix
