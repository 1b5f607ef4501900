#include "app/error_log_win32.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/error_log.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/system_facts_win32.h"
#include "platform/win32/windows_api.h"

namespace kestrix {
namespace {

TEST(ErrorLogWin32, FailuresAreLoggedToARealFile) {
  char temp[MAX_PATH];
  ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
  const std::string dir = std::string(temp) + "kx_log_" + std::to_string(GetCurrentProcessId());
  Win32FileSystem fs;
  ASSERT_EQ(fs.CreateDirectory(dir), kErrorSuccess);
  std::string routine = "FormActivate";
  Win32Clock clock;
  Win32SystemFacts facts;
  ErrorLogSystemInfo system = GatherErrorLogSystemInfo(facts, UserLanguageIso639Win32());
  // A 64-bit test program implies a 64-bit system.
  EXPECT_EQ(system.system_64bit, sizeof(void*) == 8);
  ErrorLogger logger(fs, dir, "tc Kestrix", system, clock, routine);
  for (int i = 0; i < 2; ++i) {
    try {
      throw std::runtime_error("failed");
    } catch (...) {
      logger.LogCurrentException("Ttc_KestrixForm");
    }
  }
  std::string log;
  ASSERT_EQ(fs.ReadWholeFile(ErrorLogPath(dir, "tc Kestrix"), log), kErrorSuccess);
  size_t first = log.find("Func/Proc......: FormActivate\r\n");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(log.find("Func/Proc......: FormActivate\r\n", first + 1), std::string::npos);
  EXPECT_NE(log.find("OS.............: " + system.os_name + " (x64)\r\n"), std::string::npos);
  EXPECT_EQ(log.size() - log.rfind("-----\r\n"), 7u);
  fs.DeleteFile(ErrorLogPath(dir, "tc Kestrix"));
  RemoveDirectoryA(ErrorLogDirectory(dir).c_str());
  RemoveDirectoryA(dir.c_str());
}

}  // namespace
}  // namespace kestrix
