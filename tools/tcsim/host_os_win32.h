#pragma once
// The operating-system calls the stand-in host makes, kept thin.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "listing.h"

namespace kestrix::tcsim {

std::optional<std::vector<Entry>> ListDirectory(const std::string& path);
bool IsExistingFile(const std::string& path);
std::string ReadWholeFile(const std::string& path);  // empty when unreadable
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
StartResult StartProgram(const std::string& command_line, const std::string& directory,
                         const std::string& environment_block);

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
