#include "app/error_log.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <typeinfo>

#include "names/system_sources.h"

namespace kestrix {

namespace {

std::string ReadableTypeName(const std::type_info& type) {
  int status = 0;
  char* demangled = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
  std::string name = status == 0 && demangled != nullptr ? demangled : type.name();
  std::free(demangled);
  const std::string own_namespace = "kestrix::";
  if (name.compare(0, own_namespace.size(), own_namespace) == 0)
    name.erase(0, own_namespace.size());
  return name;
}

}  // namespace

std::string FormatLogDate(const LocalDateTime& t) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%02d-%02d-%04d|%02d:%02d:%02d", t.day, t.month, t.year,
                t.hour, t.minute, t.second);
  return buffer;
}

std::string FormatErrorRecord(const ErrorRecord& record) {
  std::string text;
  auto line = [&text](const char* label, const std::string& value) {
    text += label;
    text += value;
    text += "\r\n";
  };
  line("FormName.......: ", record.form_name);
  line("Func/Proc......: ", record.routine);
  line("EClassName.....: ", record.failure.class_name);
  line("ErrorMsg.......: ", record.failure.message);
  line("PrgVer.........: ", std::string(kProgramVersion) + " (" + kProgramDate + ")");
  line("OS.............: ",
       record.system.os_name + " (" + (record.system.system_64bit ? "x64" : "x86") + ")");
  line("Language.......: ", record.system.language);
  line("Date...........: ", FormatLogDate(record.time));
  text += "-----\r\n";
  return text;
}

std::string ErrorLogDirectory(const std::string& program_dir) {
  return program_dir + "\\Log";
}

std::string ErrorLogPath(const std::string& program_dir, const std::string& exe_base_name) {
  return ErrorLogDirectory(program_dir) + "\\" + exe_base_name + ".log";
}

void AppendErrorRecord(FileSystem& fs, const std::string& program_dir,
                       const std::string& exe_base_name, const ErrorRecord& record) noexcept {
  try {
    fs.CreateDirectory(ErrorLogDirectory(program_dir));
    fs.AppendToFile(ErrorLogPath(program_dir, exe_base_name), FormatErrorRecord(record));
  } catch (...) {
    // The log is the last resort; a failure to write it has nowhere else to go.
  }
}

FailureInfo DescribeCurrentException() noexcept {
  try {
    std::exception_ptr current = std::current_exception();
    if (!current) return FailureInfo{"unknown", ""};
    try {
      std::rethrow_exception(current);
    } catch (const std::exception& error) {
      return FailureInfo{ReadableTypeName(typeid(error)), error.what()};
    } catch (...) {
      return FailureInfo{"unknown", ""};
    }
  } catch (...) {
    return FailureInfo{};
  }
}

ErrorLogSystemInfo GatherErrorLogSystemInfo(SystemFacts& facts, const std::string& language) {
  ErrorLogSystemInfo info;
  info.os_name = OsNameSource(facts);
  try {
    info.system_64bit = SystemIs64Bit(facts);
  } catch (...) {
    // An unanswered question leaves the default, "x86".
  }
  info.language = language;
  return info;
}

ErrorLogger::ErrorLogger(FileSystem& fs, std::string program_dir, std::string exe_base_name,
                         ErrorLogSystemInfo system, Clock& clock,
                         const std::string& current_routine)
    : fs_(fs),
      program_dir_(std::move(program_dir)),
      exe_base_name_(std::move(exe_base_name)),
      system_(std::move(system)),
      clock_(clock),
      current_routine_(current_routine) {}

void ErrorLogger::Log(const std::string& form_name, const FailureInfo& failure) noexcept {
  try {
    ErrorRecord record;
    record.form_name = form_name.empty() ? "(none)" : form_name;
    record.routine = current_routine_;
    record.failure = failure;
    record.system = system_;
    record.time = clock_.Now();
    AppendErrorRecord(fs_, program_dir_, exe_base_name_, record);
  } catch (...) {
    // Swallowed: logging must never raise a second failure.
  }
}

void ErrorLogger::LogCurrentException(const std::string& form_name) noexcept {
  Log(form_name, DescribeCurrentException());
}

}  // namespace kestrix
