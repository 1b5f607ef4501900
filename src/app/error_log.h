#pragma once
// The error log: failures that no routine handles are appended, one record each, to
// "Log\<exe base name>.log" beside the program and never shown. Writing the log never
// fails visibly: a read-only program directory simply means nothing is logged.
#include <string>

#include "base/program_version.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/system_facts.h"

namespace kestrix {

// Facts about the system that every record carries; they do not change during a run.
struct ErrorLogSystemInfo {
  std::string os_name;        // the operating-system name the {os} variable gives
  bool system_64bit = false;  // "x64" rather than "x86"
  std::string language;       // ISO 639 name of the user's default locale
};

// The operating-system name of the {os} variable and whether the system is 64-bit (a
// 64-bit process, or a 32-bit one under WOW64; a failing WOW64 query counts as 32-bit).
ErrorLogSystemInfo GatherErrorLogSystemInfo(SystemFacts& facts, const std::string& language);

// A failure as the log names it.
struct FailureInfo {
  std::string class_name;
  std::string message;
};

struct ErrorRecord {
  std::string form_name;
  std::string routine;  // CurrentRoutine
  FailureInfo failure;
  ErrorLogSystemInfo system;
  LocalDateTime time;
};

// "dd-mm-yyyy|hh:nn:ss".
std::string FormatLogDate(const LocalDateTime& time);
// The record's lines, each ending with CR LF, the last one "-----".
std::string FormatErrorRecord(const ErrorRecord& record);
// ProgramDir + "\Log" and ProgramDir + "\Log\" + base name + ".log".
std::string ErrorLogDirectory(const std::string& program_dir);
std::string ErrorLogPath(const std::string& program_dir, const std::string& exe_base_name);

// Creates the log directory when missing and appends the record; every failure is
// swallowed.
void AppendErrorRecord(FileSystem& fs, const std::string& program_dir,
                       const std::string& exe_base_name, const ErrorRecord& record) noexcept;

// Inside a catch block: the class name and message of the exception being handled
// ("unknown" for something that is not a std::exception).
FailureInfo DescribeCurrentException() noexcept;

// Everything needed to log the failure in flight: the file system, where the log goes,
// the system facts, a clock and the application's CurrentRoutine (read at each record).
class ErrorLogger {
 public:
  ErrorLogger(FileSystem& fs, std::string program_dir, std::string exe_base_name,
              ErrorLogSystemInfo system, Clock& clock, const std::string& current_routine);

  // Records a failure raised while `form_name` was the active form. A failure with no
  // form active is recorded too, under "(none)", rather than being lost.
  void Log(const std::string& form_name, const FailureInfo& failure) noexcept;
  // Inside a catch block: records the exception being handled.
  void LogCurrentException(const std::string& form_name) noexcept;

 private:
  FileSystem& fs_;
  std::string program_dir_;
  std::string exe_base_name_;
  ErrorLogSystemInfo system_;
  Clock& clock_;
  const std::string& current_routine_;
};

}  // namespace kestrix
