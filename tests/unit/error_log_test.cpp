#include "app/error_log.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "fakes/fake_clock.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_system_facts.h"

namespace kestrix {
namespace {

const char kProgramDir[] = "C:\\TC\\Kestrix";
const char kLogPath[] = "C:\\TC\\Kestrix\\Log\\tc Kestrix.log";

ErrorLogSystemInfo System() {
  return ErrorLogSystemInfo{"Windows 7", true, "en"};
}

TEST(ErrorLogFormat, Record) {
  ErrorRecord record;
  record.form_name = "Ttc_KestrixForm";
  record.routine = "btn_okClick";
  record.failure = FailureInfo{"InOutError", "I/O error 5"};
  record.system = ErrorLogSystemInfo{"Windows XP", false, "de"};
  record.time = LocalDateTime{2013, 12, 4, 9, 5, 7};
  EXPECT_EQ(FormatErrorRecord(record),
            "FormName.......: Ttc_KestrixForm\r\n"
            "Func/Proc......: btn_okClick\r\n"
            "EClassName.....: InOutError\r\n"
            "ErrorMsg.......: I/O error 5\r\n"
            "PrgVer.........: 1.6.0.5 (24-12-2013)\r\n"
            "OS.............: Windows XP (x86)\r\n"
            "Language.......: de\r\n"
            "Date...........: 04-12-2013|09:05:07\r\n"
            "-----\r\n");
}

TEST(ErrorLogFormat, Dates) {
  struct Case {
    LocalDateTime time;
    const char* expected;
  } cases[] = {
      {{2024, 1, 2, 0, 0, 0}, "02-01-2024|00:00:00"},
      {{1999, 12, 31, 23, 59, 59}, "31-12-1999|23:59:59"},
      {{987, 10, 10, 10, 10, 10}, "10-10-0987|10:10:10"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatLogDate(c.time), c.expected);
}

// Advances one second per reading, so records show their order.
class TickingClock : public FakeClock {
 public:
  LocalDateTime Now() override {
    LocalDateTime t = FakeClock::Now();
    now.second++;
    return t;
  }
};

class ErrorLoggerTest : public ::testing::Test {
 protected:
  ErrorLoggerTest() : logger(fs, kProgramDir, "tc Kestrix", System(), clock, routine) {
    fs.AddDirectory(kProgramDir);
    clock.now = LocalDateTime{2024, 5, 6, 7, 8, 0, 0};
  }
  std::string Log() { return fs.FileContent(kLogPath).value_or("<missing>"); }

  FakeFileSystem fs;
  std::string routine = "FormCreate";
  TickingClock clock;
  ErrorLogger logger;
};

TEST_F(ErrorLoggerTest, TwoFailuresGiveTwoRecordsInOrderAndCreateTheDirectory) {
  EXPECT_FALSE(fs.DirectoryExists("C:\\TC\\Kestrix\\Log"));
  logger.Log("Ttc_KestrixForm", FailureInfo{"EFirst", "one"});
  EXPECT_TRUE(fs.DirectoryExists("C:\\TC\\Kestrix\\Log"));
  routine = "TCEnterDir";
  logger.Log("Ttc_KestrixForm", FailureInfo{"ESecond", "two"});
  const std::string log = Log();
  ErrorRecord first{
      "Ttc_KestrixForm", "FormCreate", {"EFirst", "one"}, System(), {2024, 5, 6, 7, 8, 0}};
  ErrorRecord second{
      "Ttc_KestrixForm", "TCEnterDir", {"ESecond", "two"}, System(), {2024, 5, 6, 7, 8, 1}};
  EXPECT_EQ(log, FormatErrorRecord(first) + FormatErrorRecord(second));
  EXPECT_NE(log.find("OS.............: Windows 7 (x64)\r\n"), std::string::npos);
}

TEST_F(ErrorLoggerTest, ExistingLogIsAppendedTo) {
  fs.AddFile(kLogPath, "older\r\n");
  logger.Log("F", FailureInfo{"E", "m"});
  EXPECT_EQ(Log().rfind("older\r\nFormName.......: F\r\n", 0), 0u);
}

TEST_F(ErrorLoggerTest, UnwritableLocationsAreSilent) {
  struct Case {
    const char* what;
    void (*arrange)(FakeFileSystem&);
  } cases[] = {
      {"read-only program directory",
       [](FakeFileSystem& f) { f.FailPath(kProgramDir, kErrorAccessDenied); }},
      {"a file named Log", [](FakeFileSystem& f) { f.AddFile("C:\\TC\\Kestrix\\Log", "x"); }},
      {"read-only log file", [](FakeFileSystem& f) { f.AddFile(kLogPath, "old", kAttrReadOnly); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeFileSystem local;
    local.AddDirectory(kProgramDir);
    c.arrange(local);
    ErrorLogger quiet(local, kProgramDir, "tc Kestrix", System(), clock, routine);
    EXPECT_NO_THROW(quiet.Log("F", FailureInfo{"E", "m"}));
    std::optional<std::string> content = local.FileContent(kLogPath);
    EXPECT_TRUE(!content.has_value() || *content == "old");
  }
}

TEST_F(ErrorLoggerTest, FailureWithoutFormIsStillRecorded) {
  logger.Log("", FailureInfo{"E", "m"});
  EXPECT_EQ(Log().rfind("FormName.......: (none)\r\n", 0), 0u);
}

TEST(DescribeCurrentException, NamesTheFailure) {
  struct Case {
    void (*raise)();
    const char* class_name;
    const char* message;
  } cases[] = {
      {[] { throw InOutError("C:\\x.ini", 5); }, "InOutError", "I/O error 5 on \"C:\\x.ini\""},
      {[] { throw std::runtime_error("boom"); }, "std::runtime_error", "boom"},
      {[] { throw 42; }, "unknown", ""},
  };
  for (const Case& c : cases) {
    try {
      c.raise();
      ADD_FAILURE() << "nothing thrown";
    } catch (...) {
      FailureInfo info = DescribeCurrentException();
      EXPECT_EQ(info.class_name, c.class_name);
      EXPECT_EQ(info.message, c.message);
    }
  }
  EXPECT_EQ(DescribeCurrentException().class_name, "unknown");
}

TEST_F(ErrorLoggerTest, CurrentExceptionIsLoggedWithTheRoutine) {
  routine = "btn_okClick";
  try {
    throw std::logic_error("bad state");
  } catch (...) {
    logger.LogCurrentException("Ttc_KestrixForm");
  }
  EXPECT_NE(Log().find("Func/Proc......: btn_okClick\r\nEClassName.....: std::logic_error\r\n"
                       "ErrorMsg.......: bad state\r\n"),
            std::string::npos);
}

TEST_F(ErrorLoggerTest, FailingClockInsideTheHandlerIsSwallowed) {
  class BrokenClock : public FakeClock {
   public:
    LocalDateTime Now() override { throw std::runtime_error("clock"); }
  } broken_clock;
  ErrorLogger broken(fs, kProgramDir, "tc Kestrix", System(), broken_clock, routine);
  try {
    throw std::runtime_error("x");
  } catch (...) {
    broken.LogCurrentException("F");
  }
  EXPECT_FALSE(fs.FileExists(kLogPath));
}

TEST(GatherErrorLogSystemInfo, AFailingArchitectureQueryIsNoFailure) {
  // The architecture rules themselves are the system sources' business.
  FakeSystemFacts facts;
  facts.wow64 = {true, false, false, 5};
  ErrorLogSystemInfo info;
  EXPECT_NO_THROW(info = GatherErrorLogSystemInfo(facts, "nl"));
  EXPECT_FALSE(info.system_64bit);
  EXPECT_EQ(info.language, "nl");
  EXPECT_EQ(info.os_name, "Windows 10");
  facts.wow64 = {true, true, true, 0};
  EXPECT_TRUE(GatherErrorLogSystemInfo(facts, "nl").system_64bit);
}

}  // namespace
}  // namespace kestrix
