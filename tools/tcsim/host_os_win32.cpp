#include "host_os_win32.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace kestrix::tcsim {

std::optional<std::vector<Entry>> ListDirectory(const std::string& path) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((path + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<Entry> entries;
  do {
    std::string name = data.cFileName;
    if (name == ".") continue;
    Entry entry;
    entry.name = name;
    entry.directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    FILETIME local;
    SYSTEMTIME time{};
    if (FileTimeToLocalFileTime(&data.ftLastWriteTime, &local)) {
      FileTimeToSystemTime(&local, &time);
    }
    entry.year = time.wYear;
    entry.month = time.wMonth;
    entry.day = time.wDay;
    entry.hour = time.wHour;
    entry.minute = time.wMinute;
    entry.read_only = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    entry.archive = (data.dwFileAttributes & FILE_ATTRIBUTE_ARCHIVE) != 0;
    entry.hidden = (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
    entry.system = (data.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
    entries.push_back(entry);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return entries;
}

bool IsExistingFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool WriteWholeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

std::string ExpandEnvironment(const std::string& text) {
  DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
  if (needed == 0) return text;
  std::string result(needed, '\0');
  DWORD written = ExpandEnvironmentStringsA(text.c_str(), result.data(), needed);
  if (written == 0 || written > needed) return text;
  result.resize(written - 1);
  return result;
}

std::string FullPath(const std::string& path) {
  char buffer[MAX_PATH * 2];
  DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  return length == 0 || length >= sizeof buffer ? path : std::string(buffer, length);
}

std::string ExecutableDirectory() {
  char buffer[MAX_PATH * 2];
  DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  std::string path(buffer, length < sizeof buffer ? length : 0);
  size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(0, slash);
}

std::string CurrentDirectory() {
  char buffer[MAX_PATH * 2];
  DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
  return length == 0 || length >= sizeof buffer ? std::string() : std::string(buffer, length);
}

std::vector<std::string> CurrentEnvironment() {
  std::vector<std::string> entries;
  char* block = GetEnvironmentStringsA();
  if (!block) return entries;
  for (const char* entry = block; *entry; entry += strlen(entry) + 1) entries.push_back(entry);
  FreeEnvironmentStringsA(block);
  return entries;
}

StartResult StartProgram(const std::string& command_line, const std::string& directory,
                         const std::string& environment_block) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string mutable_line = command_line;
  std::string block = environment_block;
  StartResult result;
  if (!CreateProcessA(nullptr, mutable_line.data(), nullptr, nullptr, FALSE, 0, block.data(),
                      directory.empty() ? nullptr : directory.c_str(), &startup, &process)) {
    result.error = GetLastError();
    return result;
  }
  result.process_id = process.dwProcessId;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

LogFile::LogFile(const std::string& path) {
  if (!path.empty()) file_ = std::fopen(path.c_str(), "ab");
}

LogFile::~LogFile() {
  if (file_) std::fclose(file_);
}

void LogFile::Line(const std::string& text) {
  if (!file_) return;
  std::fputs(text.c_str(), file_);
  std::fputs("\r\n", file_);
  std::fflush(file_);
}

}  // namespace kestrix::tcsim
