#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "app/error_log.h"
#include "app/key_commands.h"
#include "app/launch_decision.h"
#include "app/mode_rules.h"
#include "app/name_selection.h"
#include "app/subdir_lines.h"
#include "app/window_placement.h"
#include "base/text_utils.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_system_facts.h"
#include "fakes/fake_window_system.h"
#include "host/foreground.h"
#include "host/panel_windows.h"

namespace kestrix {
namespace {

// ---- error_log
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

// ---- foreground
TEST(ForegroundNeedsThreadAttach, ByPlatformAndVersion) {
  struct Case {
    uint32_t platform, major, minor;
    bool expected;
  } cases[] = {
      {kPlatformNt, 4, 0, false},                            // NT 4
      {kPlatformNt, 5, 0, true},                             // 2000
      {kPlatformNt, 4, 90, false},                           // minor versions do not count on NT
      {kPlatformWindows9x, 4, 0, false},                     // 95
      {kPlatformWindows9x, 4, 10, true},                     // 98
      {kPlatformWindows9x, 5, 0, true},  {0, 10, 0, false},  // Win32s
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ForegroundNeedsThreadAttach(c.platform, c.major, c.minor), c.expected)
        << c.platform << " " << c.major << "." << c.minor;
  }
}

// ---- key_commands
KeyPress Ctrl(uint16_t key) {
  return {key, true, false, false};
}
KeyPress Plain(uint16_t key) {
  return {key, false, false, false};
}

TEST(DecideKey, ModeKeysFollowTheCycle) {
  struct Case {
    uint16_t key;
    MainMode mode;
    KeyAction action;
  } cases[] = {
      {kKeyF3, MainMode::kNormal, KeyAction::kChangeToExt},
      {kKeyF3, MainMode::kExtended, KeyAction::kBatchDirClick},
      {kKeyF3, MainMode::kBatch, KeyAction::kChangeToNormal},
      {kKeyF6, MainMode::kExtended, KeyAction::kChangeToNormal},
      {kKeyF6, MainMode::kBatch, KeyAction::kChangeToNormal},
      {kKeyF7, MainMode::kNormal, KeyAction::kChangeToExt},
      {kKeyF7, MainMode::kExtended, KeyAction::kChangeToExt},
      {kKeyF7, MainMode::kBatch, KeyAction::kBatchDirClick},
      {kKeyF8, MainMode::kNormal, KeyAction::kBatchDirClick},
      {kKeyF8, MainMode::kBatch, KeyAction::kBatchDirClick},
      {kKeyF5, MainMode::kNormal, KeyAction::kRefresh},
      {kKeyF1, MainMode::kBatch, KeyAction::kUserGuide},
  };
  for (const Case& c : cases) {
    KeyContext context{c.mode, FocusedControl::kMkDir, true};
    KeyDecision decision = DecideKey(Plain(c.key), context);
    EXPECT_EQ(decision.action, c.action) << c.key << " mode " << static_cast<int>(c.mode);
    EXPECT_TRUE(decision.consumed);
    // Function keys act whatever modifiers are held.
    KeyPress held{c.key, true, true, true};
    EXPECT_EQ(DecideKey(held, context).action, c.action);
  }
}

TEST(DecideKey, LetterCommandsNeedCtrlAlone) {
  KeyContext context{MainMode::kNormal, FocusedControl::kMkDir, true};
  struct Case {
    uint16_t key;
    KeyAction action;
  } cases[] = {
      {'R', KeyAction::kRefresh}, {'Q', KeyAction::kAttributesMenu}, {'Z', KeyAction::kUndo},
      {'1', KeyAction::kQuick1},  {'3', KeyAction::kQuick3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecideKey(Ctrl(c.key), context).action, c.action) << char(c.key);
    // Ctrl+Shift+Q is the letter field's own shortcut.
    if (c.key != 'Q') {
      EXPECT_EQ(DecideKey(KeyPress{c.key, true, true, false}, context).action, KeyAction::kNone)
          << "Ctrl+Shift+" << char(c.key);
    }
    EXPECT_EQ(DecideKey(KeyPress{c.key, true, false, true}, context).action, KeyAction::kNone)
        << "Ctrl+Alt+" << char(c.key);
    EXPECT_EQ(DecideKey(Plain(c.key), context).action, KeyAction::kNone) << char(c.key);
  }
}

TEST(DecideKey, CtrlShiftQOpensTheLetterFieldButCtrlShiftRDoesNothing) {
  KeyContext context{MainMode::kNormal, FocusedControl::kMkDir, true};
  EXPECT_EQ(DecideKey(KeyPress{'Q', true, true, false}, context).action,
            KeyAction::kOpenAttribLetters);
  KeyDecision r = DecideKey(KeyPress{'R', true, true, false}, context);
  EXPECT_EQ(r.action, KeyAction::kNone);
  EXPECT_FALSE(r.consumed);
}

TEST(DecideKey, EnterRunsOkOnlyWhenItIsEnabled) {
  KeyContext enabled{MainMode::kNormal, FocusedControl::kMkDir, true};
  KeyContext disabled{MainMode::kNormal, FocusedControl::kMkDir, false};
  EXPECT_EQ(DecideKey(Plain(kKeyReturn), enabled).action, KeyAction::kOkClick);
  KeyDecision empty_name = DecideKey(Plain(kKeyReturn), disabled);
  EXPECT_NE(empty_name.action, KeyAction::kOkClick);
  EXPECT_TRUE(empty_name.consumed);
  // Shift (enter the new directory) and Alt (stay open) are read by the run, not here.
  for (KeyPress held :
       {KeyPress{kKeyReturn, false, true, false}, KeyPress{kKeyReturn, false, false, true},
        KeyPress{kKeyReturn, false, true, true}}) {
    KeyDecision decision = DecideKey(held, enabled);
    EXPECT_EQ(decision.action, KeyAction::kOkClick) << held.shift << held.alt;
    EXPECT_TRUE(decision.consumed);
    EXPECT_NE(DecideKey(held, disabled).action, KeyAction::kOkClick);
  }
}

TEST(DecideKey, EnterInTheListIsANewLineButCtrlEnterIsOk) {
  KeyContext list{MainMode::kExtended, FocusedControl::kMkDirExt, true};
  EXPECT_EQ(DecideKey(Plain(kKeyReturn), list).action, KeyAction::kNone);
  KeyDecision ctrl_enter = DecideKey(Ctrl(kKeyReturn), list);
  EXPECT_EQ(ctrl_enter.action, KeyAction::kOkClick);
  EXPECT_TRUE(ctrl_enter.consumed);
  // With OK disabled the key passes on.
  KeyContext no_ok{MainMode::kExtended, FocusedControl::kMkDirExt, false};
  EXPECT_EQ(DecideKey(Ctrl(kKeyReturn), no_ok).action, KeyAction::kNone);
  // Outside the inputs Ctrl+Enter is not OK.
  KeyContext button{MainMode::kNormal, FocusedControl::kButton, true};
  EXPECT_EQ(DecideKey(Ctrl(kKeyReturn), button).action, KeyAction::kNone);
}

TEST(DecideKey, HostNavigationActsAndPassesTheKeyOn) {
  KeyContext context{MainMode::kNormal, FocusedControl::kMkDir, true};
  struct Case {
    KeyPress press;
    KeyAction action;
  } cases[] = {
      {{kKeyLeft, false, false, true}, KeyAction::kHostBack},
      {{kKeyRight, false, false, true}, KeyAction::kHostForward},
      {Ctrl(kKeyPrior), KeyAction::kHostParent},
      {Ctrl(kKeyNext), KeyAction::kHostChild},
      {Ctrl(kKeyBackslash), KeyAction::kHostRoot},
      {Ctrl(kKeyOem102), KeyAction::kHostRoot},
  };
  for (const Case& c : cases) {
    KeyDecision decision = DecideKey(c.press, context);
    EXPECT_EQ(decision.action, c.action);
    EXPECT_FALSE(decision.consumed);
  }
  // Alt with the extra key and Alt+Y do nothing.
  EXPECT_EQ(DecideKey(KeyPress{kKeyOem102, false, false, true}, context).action, KeyAction::kNone);
  EXPECT_EQ(DecideKey(KeyPress{'Y', false, false, true}, context).action, KeyAction::kNone);
}

TEST(DecideKey, ControlKeysDependOnTheFocus) {
  struct Case {
    FocusedControl focus;
    KeyPress press;
    KeyAction action;
  } cases[] = {
      {FocusedControl::kMkDir, Plain(kKeyPrior), KeyAction::kCaretToStart},
      {FocusedControl::kMkDir, Plain(kKeyNext), KeyAction::kCaretToEnd},
      {FocusedControl::kMkDir, Ctrl(kKeyTab), KeyAction::kIntelligentSelection},
      {FocusedControl::kMkDir, Ctrl('A'), KeyAction::kSelectAll},
      {FocusedControl::kMkDirExt, Ctrl(kKeyTab), KeyAction::kSwallow},
      {FocusedControl::kMkDirExt, Ctrl('A'), KeyAction::kSelectAll},
      {FocusedControl::kMkDirExt, Plain(kKeyPrior), KeyAction::kNone},
      {FocusedControl::kButton, Ctrl(kKeyTab), KeyAction::kIntelligentSelection},
      {FocusedControl::kTemplates, Ctrl(kKeyTab), KeyAction::kIntelligentSelection},
      {FocusedControl::kPrefixSuffix, Plain(kKeyNext), KeyAction::kCaretToEnd},
      {FocusedControl::kPathField, Plain(kKeyReturn), KeyAction::kOkClick},
      {FocusedControl::kPathField, Ctrl('A'), KeyAction::kSelectAll},
      {FocusedControl::kMemoSuffix, Ctrl('A'), KeyAction::kSelectAll},
      {FocusedControl::kOther, Ctrl(kKeyTab), KeyAction::kNone},
  };
  for (const Case& c : cases) {
    KeyContext context{MainMode::kNormal, c.focus, true};
    EXPECT_EQ(DecideKey(c.press, context).action, c.action)
        << "focus " << static_cast<int>(c.focus) << " key " << c.press.key;
  }
}

TEST(DecideEscape, FirstMatchingCase) {
  struct Case {
    EscapeContext context;
    EscapeAction action;
  } cases[] = {
      {{FocusedControl::kPathField, true, true}, EscapeAction::kEndPathEditing},
      {{FocusedControl::kAttribField, true, false}, EscapeAction::kCloseAttribField},
      {{FocusedControl::kMkDir, true, false}, EscapeAction::kPassOn},
      {{FocusedControl::kMemoSuffix, false, false}, EscapeAction::kPassOn},
      {{FocusedControl::kTemplates, false, true}, EscapeAction::kPassOn},
      {{FocusedControl::kMkDir, false, false}, EscapeAction::kCloseWindow},
      {{FocusedControl::kMkDirExt, false, false}, EscapeAction::kCloseWindow},
  };
  for (const Case& c : cases) EXPECT_EQ(DecideEscape(c.context), c.action);
}

// ---- launch_decision
TEST(IsInstallSwitch, PrefixesCompareWithoutCase) {
  struct Case {
    const char* argument;
    bool expected;
  } cases[] = {
      {"/INSTALL", true}, {"/install", true}, {"/InStAlLnow", true}, {"/instal", false},
      {"/SETUP", true},   {"/setup", true},   {"/SetUpX=1", true},   {"/setu", false},
      {"setup", false},   {" /setup", false}, {"", false},           {"/LNG=ENG", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsInstallSwitch(c.argument), c.expected) << c.argument;
}

TEST(ReadHostLocation, InsideHostTable) {
  struct Case {
    const char* name;
    std::optional<std::string> commander_path;
    std::optional<std::string> commander_ini;
    std::string exe;
    bool inside;
    std::string normalised_path;
  } cases[] = {
      {"same tree", "C:\\TotalCmd", "C:\\TotalCmd\\wincmd.ini",
       "C:\\TotalCmd\\Kestrix\\tc Kestrix.exe", true, "c:\\totalcmd"},
      {"slashes, trailing slash, other case", " c:/TOTALCMD/ ", "x.ini",
       "C:\\TotalCmd\\Kestrix\\tc Kestrix.exe", true, "c:\\totalcmd"},
      {"executable in the host directory itself", "C:\\TotalCmd\\", "w.ini",
       "c:\\totalcmd\\tc Kestrix.exe", true, "c:\\totalcmd"},
      {"substring anywhere counts", "TotalCmd", "w.ini", "D:\\Backup\\c\\TotalCmd\\k\\k.exe", true,
       "totalcmd"},
      {"elsewhere", "C:\\TotalCmd", "w.ini", "C:\\Downloads\\tc Kestrix.exe", false,
       "c:\\totalcmd"},
      {"both unset", std::nullopt, std::nullopt, "C:\\TotalCmd\\tc Kestrix.exe", false,
       "%commander_path%"},
      {"ini empty", "C:\\TotalCmd", "  ", "C:\\TotalCmd\\tc Kestrix.exe", false, "C:\\TotalCmd"},
      {"path empty", "", "w.ini", "C:\\TotalCmd\\tc Kestrix.exe", false, ""},
      {"path only a backslash", "\\", "w.ini", "C:\\TotalCmd\\tc Kestrix.exe", false, ""},
  };
  for (const Case& c : cases) {
    FakeEnvironment env;
    if (c.commander_path) env.Set("COMMANDER_PATH", *c.commander_path);
    if (c.commander_ini) env.Set("COMMANDER_INI", *c.commander_ini);
    StartupValues values;
    ReadHostLocation(env, c.exe, values);
    EXPECT_EQ(values.InsideHost, c.inside) << c.name;
    EXPECT_EQ(values.CommanderPath, c.normalised_path) << c.name;
  }
}

TEST(ReadHostLocation, ProgramDirWithoutTrailingBackslash) {
  FakeEnvironment env;
  env.Set("COMMANDER_INI", " C:\\tc\\wincmd.ini ");
  StartupValues values;
  ReadHostLocation(env, "C:/tc/Kestrix/tc Kestrix.exe", values);
  EXPECT_EQ(values.ProgramDir, "C:\\tc\\Kestrix");
  EXPECT_EQ(values.CommanderIni, "C:\\tc\\wincmd.ini");
}

TEST(IsUnsupportedLocation, Table) {
  FakeFileSystem files;
  files.AddFile("c:\\data\\x.zip", "PK");
  files.AddDirectory("c:\\data\\folder.zip");
  struct Case {
    const char* path;
    bool expected;
  } cases[] = {
      {"c:\\data\\x.zip\\*.*", true},  // archive top level
      {"C:\\DATA\\X.ZIP\\*.*", true},
      {"c:\\data\\x.zip\\sub\\*.*", false},  // inside the archive: names nothing that exists
      {"c:\\data\\*.*", false},
      {"c:\\data\\folder.zip\\*.*", false},  // a directory with an archive-like name
      {"c:\\data\\missing.zip\\*.*", false},
      {"1:\\Pseudo\\*.*", true},
      {"9:/x", true},
      {"1:", false},
      {"a:\\x", false},
      {"\\\\\\Plugin\\*.*", true},
      {"\\\\\\", true},
      {"\\\\server\\share\\*.*", false},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsUnsupportedLocation(files, c.path), c.expected) << c.path;
}

// A host with lists and path panels, a focus and files, for the whole decision.
struct Scenario : FakeHostLayout {
  FakeWindowSystem windows;
  FakeFileSystem files;
  FakeEnvironment env;
  WindowHandle focus = 0;

  void AddHost(const std::string& left, const std::string& right) {
    static_cast<FakeHostLayout&>(*this) =
        AddHostLayout(windows, left, right, "", "c:\\header-left\\*.*");
  }
  LaunchDecision Run(std::vector<std::string> arguments, StartupValues& values,
                     const std::string& exe = "c:\\tc\\k\\tc Kestrix.exe") {
    LaunchInputs inputs{exe, std::move(arguments), [this] { return focus; }};
    return DecideLaunch(windows, files, env, inputs, values);
  }
  Scenario() {
    env.Set("COMMANDER_PATH", "c:\\tc");
    env.Set("COMMANDER_INI", "c:\\tc\\wincmd.ini");
    files.AddFile("c:\\data\\a.zip", "PK");
  }
};

TEST(DecideLaunch, DecisionTable) {
  const LaunchAction kMain = LaunchAction::kMainWindow, kHost = LaunchAction::kDelegateToHost,
                     kSetup = LaunchAction::kInstaller;
  const std::string kData = "c:\\data\\*.*", kZip = "c:\\data\\a.zip\\*.*";
  const std::string kIn = "c:\\tc\\k\\k.exe", kOut = "d:\\dl\\k.exe";
  struct Case {
    const char* name;
    std::string left_path;
    bool focus_left;
    std::vector<std::string> arguments;
    std::string exe;
    LaunchAction expected;
  } cases[] = {
      {"plain directory", kData, true, {}, kIn, kMain},
      {"archive top level", kZip, true, {}, kIn, kHost},
      {"archive on the other side only", kZip, false, {}, kIn, kMain},
      {"plug-in path", "\\\\\\Plugin\\*.*", true, {}, kIn, kHost},
      {"pseudo drive", "1:\\x\\*.*", true, {}, kIn, kHost},
      {"setup switch inside the tree", kData, true, {"/setup"}, kIn, kSetup},
      // The location test runs before the switches are scanned.
      {"setup switch at an archive", kZip, true, {"/SETUP"}, kIn, kHost},
      {"outside the tree", kData, true, {}, kOut, kSetup},
      {"outside the tree at an archive", kZip, true, {}, kOut, kSetup},
  };
  for (const Case& c : cases) {
    Scenario s;
    s.AddHost(c.left_path, "c:\\other\\*.*");
    s.focus = c.focus_left ? s.left_list : s.right_list;
    StartupValues values;
    LaunchDecision decision = s.Run(c.arguments, values, c.exe);
    EXPECT_EQ(decision.action, c.expected) << c.name;
    if (c.expected == LaunchAction::kDelegateToHost) {
      EXPECT_EQ(decision.window, s.host) << c.name;
    }
    EXPECT_EQ(values.Snapshot.HostWindow, s.host) << c.name;
    EXPECT_EQ(values.Snapshot.SecondList, s.left_list) << c.name;
    EXPECT_EQ(values.Snapshot.StartPath, c.focus_left ? c.left_path : "c:\\other\\*.*") << c.name;
  }
}

TEST(DecideLaunch, PathWithoutSeparatorIsReadFromTheHeader) {
  struct Case {
    std::string panel_text;
    std::string expected;
  } cases[] = {
      {"Plugin", "c:\\header-left\\*.*"},
      {"   ", "c:\\header-left\\*.*"},
      {"d:", "c:\\"},  // too short: read as drive C, which has a separator
      {"x/y", "x/y"},
  };
  for (const Case& c : cases) {
    Scenario s;
    s.AddHost(c.panel_text, "c:\\other\\*.*");
    s.focus = s.left_list;
    StartupValues values;
    EXPECT_EQ(s.Run({}, values).action, LaunchAction::kMainWindow);
    EXPECT_EQ(values.Snapshot.StartPath, c.expected) << c.panel_text;
  }
}

TEST(DecideLaunch, NoLocationCheckWithoutFocusOrSecondList) {
  Scenario s;
  s.AddHost("c:\\data\\a.zip\\*.*", "c:\\data\\a.zip\\*.*");
  s.focus = 0;
  StartupValues values;
  EXPECT_EQ(s.Run({}, values).action, LaunchAction::kMainWindow);
  EXPECT_EQ(values.Snapshot.StartPath, "");
}

TEST(DecideLaunch, NoHostInsideTheTreeStillOpensTheMainWindow) {
  Scenario s;
  StartupValues values;
  LaunchDecision decision = s.Run({}, values);
  EXPECT_EQ(decision.action, LaunchAction::kMainWindow);
  EXPECT_EQ(values.Snapshot.HostWindow, 0u);
  EXPECT_EQ(values.Snapshot.FirstList, 0u);
}

TEST(DecideLaunch, OpenInstallerIsBroughtForward) {
  Scenario s;
  WindowHandle other = s.windows.Add(0, kInstallerWindowClass, "Something else");
  StartupValues values;
  // Only an installer window with our caption counts as open.
  EXPECT_EQ(s.Run({"/install"}, values).action, LaunchAction::kInstaller);
  s.windows.SetText(other, kApplicationTitle);
  LaunchDecision decision = s.Run({"/install"}, values);
  EXPECT_EQ(decision.action, LaunchAction::kBringInstallerForward);
  EXPECT_EQ(decision.window, other);
}

// ---- mode_rules
TEST(CarryNameIntoList, PipesAndStars) {
  struct Case {
    const char* name;
    const char* list;
    std::optional<std::string> expected;
    bool clears;
  } cases[] = {
      {"a|b", "a|b", "a\r\nb", true},
      {"a*b*c", "a*b*c", "a\r\n*b\r\n*c", true},
      {" a*b ", "a*b", "a\r\n*b", true},                  // trimmed on both sides
      {"a*b", "x\r\ny", std::nullopt, false},             // the list is the user's own
      {"a|b*c|d", "a|b*c|d", "a\r\nb\r\n*c\r\nd", true},  // stars stay in their part
      {"proj*src*doc|notes", "x", "proj\r\n*src\r\n*doc\r\nnotes", true},
      {"plain", "plain\r\nmore", std::nullopt, false},
      {"", "", std::nullopt, false},
  };
  for (const Case& c : cases) {
    CarriedText carried = CarryNameIntoList(c.name, c.list);
    EXPECT_EQ(carried.list, c.expected) << c.name;
    EXPECT_EQ(carried.clear_saved_selection, c.clears) << c.name;
  }
}

TEST(CountNonBlankLines, BlankLinesDoNotCount) {
  EXPECT_EQ(CountNonBlankLines(""), 0);
  EXPECT_EQ(CountNonBlankLines(" \r\n\t\r\n"), 0);
  EXPECT_EQ(CountNonBlankLines("a\r\n  \r\nb\r\n"), 2);
  EXPECT_EQ(CountNonBlankLines("a\nb\rc"), 3);
}

TEST(ListStateFor, OkNeedsALineAndEnteringNeedsExactlyOne) {
  EXPECT_FALSE(ListStateFor(0).ok_enabled);
  const ListState one = ListStateFor(1), three = ListStateFor(3);
  EXPECT_TRUE(one.ok_enabled && one.enterdir_enabled && one.check_single_target);
  EXPECT_TRUE(three.ok_enabled && three.enterdir_uncheck && three.more_visible);
  EXPECT_FALSE(three.enterdir_enabled || three.check_single_target);
}

TEST(NameAndListMirror, FirstLineBothWays) {
  EXPECT_EQ(NameFromList("a\r\nb"), "a");
  EXPECT_EQ(NameFromList("  \r\n "), "");
  EXPECT_EQ(NameFromList("\r\nb"), "");  // line 0 is empty
  EXPECT_EQ(ListWithFirstLine("old\r\nkeep", "new"), "new\r\nkeep");
  EXPECT_EQ(ListWithFirstLine("", "new"), "new");
  EXPECT_EQ(ListWithFirstLine("old\r\nkeep\r\n", "new"), "new\r\nkeep\r\n");
  EXPECT_EQ(ListWithFirstLine("x\r\ny\r\n", "x"), "x\r\ny\r\n");
  EXPECT_EQ(ListWithFirstLine("old\r\n", "new"), "new\r\n");
}

TEST(DirExistsState, CaptionAndEnabling) {
  EXPECT_EQ(DirExistsState(true, "Sub").enter, true);
  EXPECT_EQ(DirExistsState(true, "Sub").enabled, true);
  EXPECT_EQ(DirExistsState(true, "  ").enter, false);  // the current path itself
  EXPECT_EQ(DirExistsState(true, "  ").enabled, false);
  EXPECT_EQ(DirExistsState(false, "").enter, false);
  EXPECT_EQ(DirExistsState(false, "").enabled, true);
}

TEST(InitialModeFor, SettingValues) {
  EXPECT_EQ(InitialModeFor(InitialMode::kNormal, false), InitialModeAction::kNormal);
  EXPECT_EQ(InitialModeFor(InitialMode::kNormal, true), InitialModeAction::kExtended);
  EXPECT_EQ(InitialModeFor(InitialMode::kExtended, false), InitialModeAction::kExtended);
  EXPECT_EQ(InitialModeFor(InitialMode::kBatch, false), InitialModeAction::kBatch);
  EXPECT_EQ(InitialModeFor(InitialMode::kUnchanged, true), InitialModeAction::kUnchanged);
}

TEST(ActivationFor, OnlyAReturnFromAnotherProgramKeepsTheWindowAsItWas) {
  using A = ActivationAction;
  const struct {
    bool before, other_program, focus_inside;
    A action;
  } cases[] = {
      {false, false, false, A::kFormActivate},  // the first show
      {false, true, true, A::kFormActivate},    // the first show, after the host had the focus
      {true, false, true, A::kFormActivate},    // back from one of the program's own dialogs
      {true, true, true, A::kRestoreFocus},     // Alt+Tab back: the mode and the text stay
      {true, true, false, A::kFocusInput},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ActivationFor(c.before, c.other_program, c.focus_inside), c.action)
        << c.before << c.other_program << c.focus_inside;
}

TEST(ComputeLayout, StacksFromTheVisibleInput) {
  LayoutInput input;
  input.input_top = 40;
  input.input_height = 22;
  input.ok_height = 25;
  input.batch_height = 120;
  input.templates_bottom = 100;
  LayoutOutput normal = ComputeLayout(input);
  EXPECT_EQ(normal.quick_top, 65);
  EXPECT_EQ(normal.buttons_top, 67);
  EXPECT_EQ(normal.divider_top, 73);
  EXPECT_EQ(normal.panelfix1_top, 98);
  EXPECT_EQ(normal.additional_top, 100);
  EXPECT_EQ(normal.additional_height, 107);
  EXPECT_EQ(normal.window_height, 240);
  EXPECT_FALSE(normal.batch_top.has_value());

  input.batch_mode = true;
  LayoutOutput batch = ComputeLayout(input);
  EXPECT_EQ(batch.panelfix2_top, 98);
  EXPECT_EQ(batch.batch_top, 100);
  EXPECT_EQ(batch.panelfix1_top, 226);
  EXPECT_EQ(batch.additional_top, 227);
  EXPECT_EQ(batch.window_height, 227 + 107 + 33);
  // Applying the layout again gives the same places.
  EXPECT_EQ(ComputeLayout(input).batch_top, batch.batch_top);

  input.batch_mode = false;
  input.vista_or_later = false;
  EXPECT_EQ(ComputeLayout(input).window_height, 244);
}

// ---- name_selection
TEST(SuggestedNameSelection, FirstOccurrenceOrNothing) {
  struct Case {
    const char* field;
    const char* name;
    size_t start, length;
  } cases[] = {
      {"2024_Setup_old", "Setup", 5, 5},
      {"Setup_Setup", "Setup", 0, 5},  // the first of two
      {"pre_", "", 0, 0},              // no suggestion: caret at the start
      {"pre_x_suf", "Report", 0, 0},   // not in the text (a custom name replaced it)
      {"", "a", 0, 0},
      {"abc", "abc", 0, 3},
  };
  for (const Case& c : cases) {
    TextSelection selection = SuggestedNameSelection(c.field, c.name);
    EXPECT_EQ(selection.start, c.start) << c.field << " / " << c.name;
    EXPECT_EQ(selection.length, c.length) << c.field << " / " << c.name;
  }
}

// ---- subdir_lines
using Lines = std::vector<std::string>;

TEST(AddSubdirLineExtended, ThreePressesUnderAProjectNumberOnward) {
  Lines lines{"Project"};
  int counter = 0;
  for (int press = 0; press < 3; ++press) {
    SubdirLineResult result = AddSubdirLineExtended(lines, lines.size() - 1, "Subdir", counter);
    lines = result.lines;
    EXPECT_EQ(result.line_index, lines.size() - 1);
    EXPECT_EQ(result.select_start, 2u);
    EXPECT_EQ(result.select_length, 7u);  // "Subdir "
  }
  EXPECT_EQ(lines, (Lines{"Project", "* Subdir 1", "* Subdir 2", "* Subdir 3"}));
  EXPECT_EQ(counter, 3);
}

TEST(AddSubdirLineExtended, ARenamedLineContinuesItsOwnNumbering) {
  int counter = 3;
  SubdirLineResult result =
      AddSubdirLineExtended({"Project", "* Docs 1", "* Subdir 2"}, 1, "Subdir", counter);
  EXPECT_EQ(result.lines, (Lines{"Project", "* Docs 1", "* Docs 2", "* Subdir 2"}));
  EXPECT_EQ(result.line_index, 2u);
  EXPECT_EQ(result.select_length, 5u);  // "Docs "
  EXPECT_EQ(counter, 2);
}

TEST(AddSubdirLineExtended, ReferenceLineForms) {
  struct Case {
    Lines lines;
    size_t caret_line;
    Lines expected;
    int counter;
  } cases[] = {
      {{"*Photos"}, 0, {"*Photos", "* Photos1"}, 1},                          // no digit: number 0
      {{"* Take 3b"}, 0, {"* Take 3b", "* Take 4"}, 4},                       // digits stop at "b"
      {{"a", "* x 9", "  ", ""}, 3, {"a", "* x 9", "* x 10", "  ", ""}, 10},  // blank: upward
      {{"* 7"}, 0, {"* 7", "* Subdir8"}, 8},         // blank name: the word
      {{"a", "b"}, 0, {"a", "* Subdir 1", "b"}, 1},  // caret line, not last
      {{}, 0, {"* Subdir 1"}, 1},                    // empty list
      {{"x"}, 99, {"x", "* Subdir 1"}, 1},           // caret beyond the list
      {{"* n 99999999999999"}, 0, {"* n 99999999999999", "* n 1000000001"}, 1000000001},
  };
  for (const Case& c : cases) {
    int counter = 42;
    SubdirLineResult result = AddSubdirLineExtended(c.lines, c.caret_line, "Subdir", counter);
    EXPECT_EQ(result.lines, c.expected);
    EXPECT_EQ(counter, c.counter);
  }
}

TEST(AddSubdirLineNormal, AppendsWithTheNextCounter) {
  int counter = 0;
  SubdirLineResult first = AddSubdirLineNormal({"Project"}, " Subdir ", counter);
  EXPECT_EQ(first.lines, (Lines{"Project", "* Subdir 1"}));
  SubdirLineResult second = AddSubdirLineNormal(first.lines, "Subdir", counter);
  EXPECT_EQ(second.lines.back(), "* Subdir 2");
  EXPECT_EQ(second.line_index, 2u);
  EXPECT_EQ(second.select_start, 2u);
  EXPECT_EQ(second.select_length, 7u);
}

// ---- window_placement
TEST(ChoosePlacementArea, BySettingAndHostState) {
  struct Case {
    WindowPosition position;
    bool iconic;
    PlacementArea expected;
  } cases[] = {
      {WindowPosition::kHostWindow, false, PlacementArea::kHostWindow},
      {WindowPosition::kHostPane, false, PlacementArea::kActiveList},
      {WindowPosition::kScreen, false, PlacementArea::kScreen},
      {WindowPosition::kHostWindow, true, PlacementArea::kScreen},
      {WindowPosition::kHostPane, true, PlacementArea::kScreen},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChoosePlacementArea(c.position, c.iconic), c.expected)
        << static_cast<int>(c.position) << c.iconic;
}

TEST(CentredOrigin, HalvesTruncateTowardZero) {
  struct Case {
    WindowRect area;
    int width, height;
    int left, top;
  } cases[] = {
      {{0, 0, 1000, 800}, 400, 200, 300, 300},
      {{10, 20, 111, 121}, 50, 50, 35, 45},    // odd remainders round down
      {{0, 0, 100, 100}, 301, 103, -100, -1},  // larger than the area: -201/2 is -100
      {{-500, -300, -100, -100}, 100, 100, -350, -250},
  };
  for (const Case& c : cases) {
    WindowOrigin origin = CentredOrigin(c.area, c.width, c.height);
    EXPECT_EQ(origin.left, c.left);
    EXPECT_EQ(origin.top, c.top);
  }
}

}  // namespace
}  // namespace kestrix
