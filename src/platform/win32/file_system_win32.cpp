#include "platform/win32/file_system_win32.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

namespace {

uint32_t LastError() {
  DWORD code = GetLastError();
  return code == 0 ? kErrorWriteFault : static_cast<uint32_t>(code);
}

// The ANSI calls refused a path of MAX_PATH characters or more with
// ERROR_FILENAME_EXCED_RANGE, as the wide ones do on Windows for a program without
// long-path awareness; Wine's wide calls take it. The refusal is kept, so a too long path
// fails alike everywhere. A "\\?\" path is meant to be long.
bool TooLong(const std::wstring& path) {
  return path.size() >= MAX_PATH && path.rfind(L"\\\\?\\", 0) != 0;
}

// The path for the wide calls; nothing when it is too long.
std::optional<std::wstring> WidePath(std::string_view path) {
  std::wstring wide = Wide(path);
  if (TooLong(wide)) return std::nullopt;
  return wide;
}

std::wstring DirectoryOf(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return L".";
  if (slash == 0 || (slash == 2 && path[1] == L':')) return path.substr(0, slash + 1);
  return path.substr(0, slash);
}

// A new file beside the one it will replace, made and opened in one call (CREATE_NEW under
// a name no one holds; GetTempFileName would make it and a second call open it). It is
// made with the old file's hidden, system and archive bits, which spares setting them later.
HANDLE CreateTemporaryBeside(const std::wstring& path, DWORD attributes, std::wstring& temp) {
  std::wstring directory = DirectoryOf(path);
  if (directory.back() != L'\\' && directory.back() != L'/') directory += L'\\';
  static unsigned serial = GetTickCount();
  for (int attempt = 0; attempt < 64; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, "kx%04lX%04X.tmp", GetCurrentProcessId() & 0xFFFF,
                  ++serial & 0xFFFF);
    temp = directory + Wide(name);
    if (TooLong(temp)) {
      SetLastError(ERROR_FILENAME_EXCED_RANGE);
      return INVALID_HANDLE_VALUE;
    }
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
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
  const std::optional<std::wstring> wide = WidePath(path);
  DWORD attributes = wide ? GetFileAttributesW(wide->c_str()) : INVALID_FILE_ATTRIBUTES;
  return attributes == INVALID_FILE_ATTRIBUTES ? static_cast<uint32_t>(kAttrInvalid) : attributes;
}

uint32_t Win32FileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
  const std::optional<std::wstring> wide = WidePath(path);
  if (!wide) return kErrorFilenameExcedRange;
  return SetFileAttributesW(wide->c_str(), attributes) ? kErrorSuccess : LastError();
}

uint32_t Win32FileSystem::CreateDirectory(const std::string& path) {
  const std::optional<std::wstring> wide = WidePath(path);
  if (!wide) return kErrorFilenameExcedRange;
  return CreateDirectoryW(wide->c_str(), nullptr) ? kErrorSuccess : LastError();
}

uint32_t Win32FileSystem::CreateNewFile(const std::string& path) {
  const std::optional<std::wstring> wide = WidePath(path);
  if (!wide) return kErrorFilenameExcedRange;
  // CREATE_NEW fails with ERROR_FILE_EXISTS instead of truncating what is there.
  HANDLE file = CreateFileW(wide->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return LastError();
  CloseHandle(file);
  return kErrorSuccess;
}

uint32_t Win32FileSystem::ReadWholeFile(const std::string& path, std::string& content) {
  const std::optional<std::wstring> wide = WidePath(path);
  if (!wide) return kErrorFilenameExcedRange;
  HANDLE file = CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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
  const std::optional<std::wstring> wide = WidePath(path);
  if (!wide) return kErrorFilenameExcedRange;
  DWORD old_attributes = GetFileAttributesW(wide->c_str());
  if (old_attributes != INVALID_FILE_ATTRIBUTES &&
      (old_attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
    return kErrorAccessDenied;
  constexpr DWORD kMadeWith =
      FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  const DWORD kept = old_attributes != INVALID_FILE_ATTRIBUTES ? old_attributes : 0;
  std::wstring temp;
  HANDLE file = CreateTemporaryBeside(*wide, kept & kMadeWith, temp);
  if (file == INVALID_HANDLE_VALUE) return LastError();
  uint32_t code = WriteTemporary(*this, &Win32FileSystem::WriteChunk, file, pieces);
  // The rarer attributes a creation cannot give (not indexed, offline, temporary).
  if (code == kErrorSuccess && (kept & ~kMadeWith) != 0 && !SetFileAttributesW(temp.c_str(), kept))
    code = LastError();
  if (code == kErrorSuccess &&
      !MoveFileExW(temp.c_str(), wide->c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    code = LastError();
  if (code != kErrorSuccess) {
    SetFileAttributesW(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(temp.c_str());
  }
  return code;
}

uint32_t Win32FileSystem::AppendToFile(const std::string& path, const std::string& content) {
  const std::optional<std::wstring> wide = WidePath(path);
  if (!wide) return kErrorFilenameExcedRange;
  HANDLE file = CreateFileW(wide->c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
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
  const std::optional<std::wstring> source = WidePath(from), target = WidePath(to);
  if (!source || !target) return kErrorFilenameExcedRange;
  return CopyFileW(source->c_str(), target->c_str(), fail_if_exists) ? kErrorSuccess : LastError();
}

uint32_t Win32FileSystem::DeleteFile(const std::string& path) {
  const std::optional<std::wstring> wide = WidePath(path);
  if (!wide) return kErrorFilenameExcedRange;
  return ::DeleteFileW(wide->c_str()) ? kErrorSuccess : LastError();
}

uint32_t Win32FileSystem::RemoveDirectory(const std::string& path) {
  const std::optional<std::wstring> wide = WidePath(path);
  if (!wide) return kErrorFilenameExcedRange;
  return ::RemoveDirectoryW(wide->c_str()) ? kErrorSuccess : LastError();
}

std::vector<DirEntry> Win32FileSystem::ListDirectory(const std::string& directory,
                                                     const std::string& pattern) {
  std::vector<DirEntry> entries;
  std::string query = directory;
  if (!query.empty() && query.back() != '\\' && query.back() != '/') query += '\\';
  query += pattern;
  const std::optional<std::wstring> wide = WidePath(query);
  if (!wide) return entries;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(wide->c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    std::string name = Utf8(data.cFileName);
    if (name != "." && name != "..") entries.push_back(DirEntry{name, data.dwFileAttributes});
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

uint64_t Win32FileSystem::LastWriteTime(const std::string& path) {
  const std::optional<std::wstring> wide = WidePath(path);
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!wide || !GetFileAttributesExW(wide->c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
         data.ftLastWriteTime.dwLowDateTime;
}

uint32_t Win32FileSystem::FileSize(const std::string& path, uint64_t& size) {
  const std::optional<std::wstring> wide = WidePath(path);
  if (!wide) return kErrorFilenameExcedRange;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(wide->c_str(), GetFileExInfoStandard, &data)) return LastError();
  size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return kErrorSuccess;
}

}  // namespace kestrix
