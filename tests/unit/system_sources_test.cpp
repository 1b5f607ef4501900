#include "names/system_sources.h"

#include <gtest/gtest.h>

#include "fakes/fake_system_facts.h"
#include "names/variable_error.h"

namespace kestrix {
namespace {

TEST(SystemSources, UptimeTextPadsEachPartToTwoDigits) {
  struct Case {
    uint32_t ticks;
    const char* text;
  };
  const Case cases[] = {
      {9000, "00d00h00m09s"},
      {9999, "00d00h00m09s"},  // milliseconds dropped
      {0, "00d00h00m00s"},
      {2u * 86400000u + 5u * 3600000u + 7u * 60000u + 9000u, "02d05h07m09s"},
      {4294967295u, "49d17h02m47s"},  // the last tick before the count wraps
  };
  for (const Case& c : cases) EXPECT_EQ(UptimeText(c.ticks), c.text) << c.ticks;
}

TEST(SystemSources, OsNamesFollowTheReportedVersion) {
  struct Case {
    ReportedOsVersion reported;
    const char* name;
  };
  const Case cases[] = {
      {{1, 4, 0, 950, ""}, "Windows 95"},
      {{1, 4, 10, 1998, ""}, "Windows 98"},
      {{1, 4, 10, 2222, " A "}, "Windows 98 SE"},
      {{1, 4, 10, 2222, "A"}, "Windows 98"},  // the second character decides
      {{1, 4, 90, 3000, ""}, "Windows Me"},
      {{1, 4, 20, 0, ""}, "Unknown"},
      {{2, 4, 0, 1381, ""}, "Windows NT"},
      {{2, 5, 0, 2195, ""}, "Windows 2000"},
      {{2, 5, 1, 2600, ""}, "Windows XP"},
      {{2, 5, 2, 3790, ""}, "Unknown"},
      {{2, 6, 0, 6002, ""}, "Windows Vista"},
      {{2, 6, 1, 7601, ""}, "Windows 7"},
      {{2, 6, 3, 9600, ""}, "Windows 8.1"},
      {{2, 10, 0, 19045, ""}, "Windows 10"},
      {{2, 10, 0, 22631, ""}, "Windows 11"},
      {{3, 6, 1, 0, ""}, "Unknown"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OsName(c.reported, std::nullopt), c.name)
        << c.reported.platform_id << " " << c.reported.major << "." << c.reported.minor;
  }
  EXPECT_EQ(OsName(std::nullopt, RealOsVersion{10, 0, 19045}), "Unknown");
}

TEST(SystemSources, ManifestLessSixTwoIsNamedFromTheRealVersion) {
  const ReportedOsVersion six_two{2, 6, 2, 9200, ""};
  EXPECT_EQ(OsName(six_two, std::nullopt), "Windows 8");
  EXPECT_EQ(OsName(six_two, RealOsVersion{6, 2, 9200}), "Windows 8");
  EXPECT_EQ(OsName(six_two, RealOsVersion{6, 3, 9600}), "Windows 8.1");
  EXPECT_EQ(OsName(six_two, RealOsVersion{10, 0, 19045}), "Windows 10");
  EXPECT_EQ(OsName(six_two, RealOsVersion{10, 0, 22000}), "Windows 11");
  // A compatibility mode that reports an older system keeps that system's name.
  EXPECT_EQ(OsName(ReportedOsVersion{2, 6, 1, 7601, ""}, RealOsVersion{10, 0, 22631}), "Windows 7");

  FakeSystemFacts facts;
  facts.reported_version = six_two;
  facts.real_version = RealOsVersion{10, 0, 22631};
  EXPECT_EQ(OsNameSource(facts), "Windows 11");
  facts.reported_version.reset();
  EXPECT_EQ(OsNameSource(facts), "Unknown");
}

TEST(SystemSources, WorkgroupOnlyOnTheNtFamily) {
  FakeSystemFacts facts;
  facts.workgroup = "OFFICE";
  EXPECT_EQ(WorkgroupSource(facts), "OFFICE");
  facts.workgroup.reset();
  EXPECT_EQ(WorkgroupSource(facts), "");
  facts.workgroup = "OFFICE";
  facts.reported_version = ReportedOsVersion{1, 4, 10, 0, ""};
  EXPECT_EQ(WorkgroupSource(facts), "");
}

TEST(SystemSources, NamesAreEmptyWhenTheCallFails) {
  FakeSystemFacts facts;
  facts.user_name.reset();
  facts.computer_name.reset();
  EXPECT_EQ(UserNameSource(facts), "");
  EXPECT_EQ(ComputerNameSource(facts), "");
}

TEST(SystemSources, ArchitectureFromProcessBitsAndWow64) {
  struct Case {
    bool process_64;
    Wow64Answer wow64;
    const char* bits;
    const char* name;
  };
  const Case cases[] = {
      {false, {true, true, false, 0}, "32", "x86"},    // 32-bit system
      {false, {true, true, true, 0}, "64", "x64"},     // 32-bit program on a 64-bit system
      {false, {false, false, false, 0}, "32", "x86"},  // no IsWow64Process: an old system
      {true, {true, true, false, 0}, "64", "x64"},     // a 64-bit program needs a 64-bit system
  };
  for (const Case& c : cases) {
    FakeSystemFacts facts;
    facts.is_64bit_process = c.process_64;
    facts.wow64 = c.wow64;
    EXPECT_EQ(ArchitectureBitsSource(facts), c.bits);
    EXPECT_EQ(ArchitectureNameSource(facts), c.name);
  }
}

TEST(SystemSources, FailingWow64QueryRaisesTheSystemError) {
  FakeSystemFacts facts;
  facts.wow64 = {true, false, false, 6};
  try {
    ArchitectureBitsSource(facts);
    FAIL() << "no error raised";
  } catch (const VariableError& error) {
    EXPECT_EQ(error.system_error(), 6u);
    EXPECT_NE(std::string(error.what()).find("6"), std::string::npos);
  }
}

}  // namespace
}  // namespace kestrix
