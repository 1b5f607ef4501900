#pragma once
// The operating-system calls the stand-in host makes, kept thin. Text is UTF-8 on this
// side and UTF-16 at the calls; only the simulated ANSI build's listing and the request
// bytes of the host's protocol keep the code page.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "listing.h"

namespace kestrix::tcsim {

// A Unicode build lists every name; an ANSI build sees names through the code page, and a
// character the code page lacks as "?" (or a look-alike), as the old host did.
std::optional<std::vector<Entry>> ListDirectory(const std::string& path, bool unicode);
bool IsExistingFile(const std::string& path);
std::string ReadWholeFile(const std::string& path);  // empty when unreadable
// A configuration file's bytes as UTF-8 text: UTF-16 LE or UTF-8 after their marks, else
// the code page's, as the host reads its files.
std::string ConfigurationText(const std::string& bytes);
bool WriteWholeFile(const std::string& path, const std::string& text);
std::string ExpandEnvironment(const std::string& text);
std::string FullPath(const std::string& path);
std::string ExecutableDirectory();  // without trailing "\"
std::string CurrentDirectory();
std::vector<std::string> CurrentEnvironment();

struct StartResult {
  unsigned long process_id = 0;
  unsigned long error = 0;  // GetLastError when the start failed
};
// `environment_block` as BuildEnvironmentBlock makes it, in UTF-8.
StartResult StartProgram(const std::string& command_line, const std::string& directory,
                         const std::string& environment_block);

// The bytes of the host's protocol ("CD", "EM" and "GA" texts) are the code page's.
std::string Utf8FromAnsi(const std::string& bytes);
// Without best fit: a character the code page lacks becomes "?".
std::string AnsiFromUtf8(const std::string& text);

// Appends lines to a file, each flushed at once so that readers see it immediately.
class LogFile {
 public:
  explicit LogFile(const std::string& path);
  ~LogFile();
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;
  void Line(const std::string& text);

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace kestrix::tcsim
