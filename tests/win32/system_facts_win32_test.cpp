#include "platform/win32/system_facts_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "base/text_utils.h"
#include "names/system_sources.h"

namespace kestrix {
namespace {

TEST(Win32SystemFacts, NamesVersionWorkgroupAndArchitecture) {
  Win32SystemFacts facts;
  for (const std::optional<std::string>& name :
       {facts.UserName(), facts.ComputerName(), facts.Workgroup()}) {
    ASSERT_TRUE(name);
    EXPECT_FALSE(Trim(*name).empty());
    EXPECT_EQ(name->find('\0'), std::string::npos);  // no terminating zero carried along
  }
  std::optional<ReportedOsVersion> reported = facts.ReportedVersion();
  std::optional<RealOsVersion> real = facts.RealVersion();
  ASSERT_TRUE(reported && real);
  EXPECT_EQ(reported->platform_id, 2u);
  // Without a manifest the reported 6.2 hides Windows 10 and 11; the real version names it.
  if (reported->major == 6 && reported->minor == 2 && real->major == 10) {
    EXPECT_EQ(OsNameSource(facts), real->build >= 22000 ? "Windows 11" : "Windows 10");
  }
  EXPECT_NE(OsNameSource(facts), "Unknown");
  Wow64Answer wow64 = facts.IsWow64();
  EXPECT_TRUE(wow64.function_exists && wow64.succeeded);
  EXPECT_FALSE(wow64.is_wow64);  // this test runs as a 64-bit process
  EXPECT_EQ(ArchitectureNameSource(facts), "x64");
}

}  // namespace
}  // namespace kestrix
