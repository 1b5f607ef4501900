#include "host_os_win32.h"

#include <windows.h>

#include "base/utf8.h"
#include "platform/win32/wide_text.h"

namespace kestrix::tcsim {

namespace {

// The longest path the wide calls take.
constexpr DWORD kLongPathChars = 32768;

Entry EntryOf(std::string name, DWORD attributes, DWORD size_high, DWORD size_low,
              const FILETIME& written) {
  Entry entry;
  entry.name = std::move(name);
  entry.directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  entry.size = (static_cast<uint64_t>(size_high) << 32) | size_low;
  FILETIME local;
  SYSTEMTIME time{};
  if (FileTimeToLocalFileTime(&written, &local)) FileTimeToSystemTime(&local, &time);
  entry.year = time.wYear;
  entry.month = time.wMonth;
  entry.day = time.wDay;
  entry.hour = time.wHour;
  entry.minute = time.wMinute;
  entry.read_only = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  entry.archive = (attributes & FILE_ATTRIBUTE_ARCHIVE) != 0;
  entry.hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
  entry.system = (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
  return entry;
}

// The names as the host of the build's kind sees them: the ANSI build's pass through the
// code page, so a character it lacks shows as "?", as in the old host's panels.
std::optional<std::vector<Entry>> ListNames(const std::string& path, bool unicode) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(Wide(path + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<Entry> entries;
  do {
    std::string name = Utf8(data.cFileName);
    if (name == ".") continue;
    if (!unicode) name = Utf8FromAnsi(AnsiFromUtf8(name));
    entries.push_back(EntryOf(std::move(name), data.dwFileAttributes, data.nFileSizeHigh,
                              data.nFileSizeLow, data.ftLastWriteTime));
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

HANDLE OpenFile(const std::string& path, bool write) {
  return CreateFileW(Wide(path).c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

std::optional<std::vector<Entry>> ListDirectory(const std::string& path, bool unicode) {
  return ListNames(path, unicode);
}

bool IsExistingFile(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWholeFile(const std::string& path) {
  HANDLE file = OpenFile(path, false);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  for (DWORD read = 0; ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0;)
    text.append(buffer, read);
  CloseHandle(file);
  return text;
}

std::string ConfigurationText(const std::string& bytes) {
  if (bytes.starts_with("\xFF\xFE")) return Utf8FromUtf16Le(std::string_view(bytes).substr(2));
  if (bytes.starts_with("\xEF\xBB\xBF")) return bytes.substr(3);
  return Utf8FromAnsi(bytes);
}

bool WriteWholeFile(const std::string& path, const std::string& text) {
  HANDLE file = OpenFile(path, true);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
      written == text.size();
  CloseHandle(file);
  return ok;
}

std::string ExpandEnvironment(const std::string& text) {
  const std::wstring wide = Wide(text);
  DWORD needed = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
  if (needed == 0) return text;
  std::wstring result(needed, L'\0');
  DWORD written = ExpandEnvironmentStringsW(wide.c_str(), result.data(), needed);
  if (written == 0 || written > needed) return text;
  result.resize(written - 1);
  return Utf8(result);
}

std::string FullPath(const std::string& path) {
  std::wstring buffer(kLongPathChars, L'\0');
  DWORD length = GetFullPathNameW(Wide(path).c_str(), kLongPathChars, buffer.data(), nullptr);
  return length == 0 || length >= kLongPathChars ? path : Utf8(buffer.substr(0, length));
}

std::string ExecutableDirectory() {
  std::wstring buffer(kLongPathChars, L'\0');
  DWORD length = GetModuleFileNameW(nullptr, buffer.data(), kLongPathChars);
  std::string path = Utf8(buffer.substr(0, length < kLongPathChars ? length : 0));
  size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(0, slash);
}

std::string CurrentDirectory() {
  std::wstring buffer(kLongPathChars, L'\0');
  DWORD length = GetCurrentDirectoryW(kLongPathChars, buffer.data());
  return length == 0 || length >= kLongPathChars ? std::string() : Utf8(buffer.substr(0, length));
}

std::vector<std::string> CurrentEnvironment() {
  std::vector<std::string> entries;
  wchar_t* block = GetEnvironmentStringsW();
  if (!block) return entries;
  for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1)
    entries.push_back(Utf8(entry));
  FreeEnvironmentStringsW(block);
  return entries;
}

StartResult StartProgram(const std::string& command_line, const std::string& directory,
                         const std::string& environment_block) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring mutable_line = Wide(command_line);
  std::wstring block = Wide(environment_block);
  std::wstring wide_directory = Wide(directory);
  StartResult result;
  if (!CreateProcessW(nullptr, mutable_line.data(), nullptr, nullptr, FALSE,
                      CREATE_UNICODE_ENVIRONMENT, block.data(),
                      directory.empty() ? nullptr : wide_directory.c_str(), &startup, &process)) {
    result.error = GetLastError();
    return result;
  }
  result.process_id = process.dwProcessId;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

std::string Utf8FromAnsi(const std::string& bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int chars = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  std::wstring wide(static_cast<size_t>(chars > 0 ? chars : 0), L'\0');
  if (chars > 0) MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, wide.data(), chars);
  return Utf8(wide);
}

std::string AnsiFromUtf8(const std::string& text) {
  const std::wstring wide = Wide(text);
  if (wide.empty()) return {};
  const int length = static_cast<int>(wide.size());
  const int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr,
                                        0, nullptr, nullptr);
  std::string result(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0)
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, result.data(), bytes,
                        nullptr, nullptr);
  return result;
}

LogFile::LogFile(const std::string& path) {
  if (!path.empty()) file_ = _wfopen(Wide(path).c_str(), L"ab");
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
