#include "platform/win32/system_facts_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "base/text_utils.h"
#include "names/system_sources.h"

namespace kestrix {
namespace {

TEST(Win32SystemFacts, NamesCarryNoTerminatingZero) {
  Win32SystemFacts facts;
  std::optional<std::string> user = facts.UserName();
  ASSERT_TRUE(user);
  EXPECT_FALSE(user->empty());
  EXPECT_EQ(user->find('\0'), std::string::npos);
  std::optional<std::string> computer = facts.ComputerName();
  ASSERT_TRUE(computer);
  EXPECT_FALSE(computer->empty());
  EXPECT_EQ(computer->find('\0'), std::string::npos);
  EXPECT_EQ(UserNameSource(facts), *user);
}

TEST(Win32SystemFacts, OsIsNamedFromTheRealVersionWithoutAManifest) {
  Win32SystemFacts facts;
  std::optional<ReportedOsVersion> reported = facts.ReportedVersion();
  std::optional<RealOsVersion> real = facts.RealVersion();
  ASSERT_TRUE(reported);
  ASSERT_TRUE(real);
  EXPECT_EQ(reported->platform_id, 2u);
  std::string name = OsNameSource(facts);
  if (reported->major == 6 && reported->minor == 2 && real->major == 10) {
    EXPECT_EQ(name, real->build >= 22000 ? "Windows 11" : "Windows 10");
  } else {
    EXPECT_NE(name, "Unknown");
  }
}

TEST(Win32SystemFacts, WorkgroupArchitectureAndUptime) {
  Win32SystemFacts facts;
  std::optional<std::string> workgroup = facts.Workgroup();
  ASSERT_TRUE(workgroup);
  EXPECT_FALSE(Trim(*workgroup).empty());
  Wow64Answer wow64 = facts.IsWow64();
  EXPECT_TRUE(wow64.function_exists);
  EXPECT_TRUE(wow64.succeeded);
  EXPECT_FALSE(wow64.is_wow64);  // this test runs as a 64-bit process
  EXPECT_TRUE(facts.Is64BitProcess());
  EXPECT_EQ(ArchitectureBitsSource(facts), "64");
  EXPECT_EQ(ArchitectureNameSource(facts), "x64");
  std::string uptime = UptimeText(GetTickCount());
  ASSERT_GE(uptime.size(), 12u);
  EXPECT_EQ(uptime.substr(uptime.size() - 7, 1), "h");
  EXPECT_EQ(uptime.back(), 's');
}

}  // namespace
}  // namespace kestrix
