#include "app/error_log_win32.h"

#include <gtest/gtest.h>

#include "app/window_guard.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/windows_api.h"

namespace kestrix {
namespace {

TEST(ErrorLogWin32, SystemFacts) {
  // This suite runs as a 64-bit program, which implies a 64-bit system.
  EXPECT_EQ(SystemIs64BitWin32(), sizeof(void*) == 8);
  std::string language = UserLanguageIso639Win32();
  EXPECT_GE(language.size(), 2u);
  EXPECT_LE(language.size(), 3u);
  LocalDateTime now = LocalNowWin32();
  EXPECT_GE(now.year, 2000);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12);
  EXPECT_TRUE(now.day >= 1 && now.day <= 31);
  ErrorLogSystemInfo info = ErrorLogSystemInfoWin32("Windows 10");
  EXPECT_EQ(info.os_name, "Windows 10");
  EXPECT_EQ(info.language, language);
}

TEST(ErrorLogWin32, GuardedProcedureLogsToRealFile) {
  char temp[MAX_PATH];
  ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
  const std::string dir = std::string(temp) + "kx_log_" + std::to_string(GetCurrentProcessId());
  Win32FileSystem fs;
  ASSERT_EQ(fs.CreateDirectory(dir), kErrorSuccess);
  std::string routine = "FormActivate";
  ErrorLogger logger(fs, dir, "tc Kestrix", ErrorLogSystemInfoWin32("Windows 10"), LocalNowWin32,
                     routine);
  for (int i = 0; i < 2; ++i) {
    LRESULT result = GuardWindowProc(&logger, "Ttc_KestrixForm", LRESULT{0},
                                     []() -> LRESULT { throw std::runtime_error("failed"); });
    EXPECT_EQ(result, 0);
  }
  std::string log;
  ASSERT_EQ(fs.ReadWholeFile(ErrorLogPath(dir, "tc Kestrix"), log), kErrorSuccess);
  size_t first = log.find("Func/Proc......: FormActivate\r\n");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(log.find("Func/Proc......: FormActivate\r\n", first + 1), std::string::npos);
  EXPECT_NE(log.find("OS.............: Windows 10 (x64)\r\n"), std::string::npos);
  EXPECT_EQ(log.size() - log.rfind("-----\r\n"), 7u);
  fs.DeleteFile(ErrorLogPath(dir, "tc Kestrix"));
  RemoveDirectoryA(ErrorLogDirectory(dir).c_str());
  RemoveDirectoryA(dir.c_str());
}

}  // namespace
}  // namespace kestrix
