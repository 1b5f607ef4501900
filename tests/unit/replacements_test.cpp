#include "names/replacements.h"

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_shared_memory.h"
#include "fakes/fake_system_facts.h"
#include "fakes/fake_window_system.h"
#include "names/user_apps.h"
#include "names/variable_error.h"

namespace kestrix {
namespace {

class ReplacementsTest : public ::testing::Test {
 protected:
  ReplacementsTest() {
    clock.now = {2024, 3, 5, 9, 7, 5, 0};
    clock.ticks = 9000;
  }

  std::string Expand(const std::string& text, const std::vector<std::string>& ids = {}) {
    return Replacements(text, platform, ids);
  }

  void AddApp(const std::string& id, const std::string& content) {
    files.AddFile(UserAppFileName(platform.program_dir, id), content);
  }

  FakeClock clock;
  FakeLocale locale;
  FakeEnvironment environment;
  FakeSystemFacts system;
  FakeWindowSystem windows;
  FakeSharedMemory memory;
  FakeFileSystem files;
  VariablePlatform platform{clock,  locale, environment,     system, windows,
                            memory, files,  "C:\\Kestrix\\", 0x99};
};

TEST_F(ReplacementsTest, EnvironmentFirstThenTheWholeTextIsTrimmed) {
  environment.Set("Project", "  Apollo");
  EXPECT_EQ(Expand("%PROJECT%\\%Y  "), "Apollo\\2024");
  EXPECT_EQ(Expand("   plain name   "), "plain name");
  // An environment value holding a token is expanded by the later steps.
  environment.Set("WHO", "{un}");
  environment.Set("STAMP", "%D");
  EXPECT_EQ(Expand("%who%-%stamp%"), "tester-05");
}

TEST_F(ReplacementsTest, UndefinedEnvironmentReferenceStaysAsTyped) {
  EXPECT_EQ(Expand("%ZZZ%"), "%ZZZ%");
  EXPECT_EQ(Expand("a%ZZ%b%Z"), "a%ZZ%b%Z");
  // The closing "%" of an undefined name may open a defined one; the date step must not
  // take "%U" out of a name the environment knows.
  environment.Set("USERNAME", "ann");
  EXPECT_EQ(Expand("%Y %USERNAME%"), "2024 ann");
  EXPECT_EQ(Expand("%Q%USERNAME%"), "%Qann");
  EXPECT_EQ(Expand("%username% 100%"), "ann 100%");
}

TEST_F(ReplacementsTest, OnlyTheExactDateTokenIsReplaced) {
  EXPECT_EQ(Expand("100%Done"), "10005one");
  EXPECT_EQ(Expand("100%done"), "1005one");
  EXPECT_EQ(Expand("%s%S"), "505");
}

TEST_F(ReplacementsTest, BraceTokensIgnoreCase) {
  EXPECT_EQ(Expand("{DATE}_{Time}"), "2024-03-05_09-07-05");
  EXPECT_EQ(Expand("{USER}{Usr}{uN}"), "testertestertester");
  EXPECT_EQ(Expand("{pc}|{os}|{wg}|{ut}|{at}|{ax}"),
            "KESTRIX-PC|Windows 10|WORKGROUP|00d00h00m09s|32|x86");
  EXPECT_EQ(Expand("{foo}%Z"), "{foo}%Z");
}

TEST_F(ReplacementsTest, SystemValuesAreTrimmedPlayerValuesAreNot) {
  system.user_name = "  tester  ";
  system.computer_name = " PC ";
  EXPECT_EQ(Expand("[{un}][{pc}]"), "[tester][PC]");
  windows.Add(0, "TTOTAL_CMD", "");
  windows.Add(0, "Winamp v1.x", "1.  Tune  - Winamp");
  EXPECT_EQ(Expand("[{wact}]"), "[ Tune ]");
}

TEST_F(ReplacementsTest, PlayersThatAreNotRunningGiveEmptyText) {
  EXPECT_EQ(Expand("a{wact}{bsct}{aict}{vlct}{kmct}b"), "ab");
}

TEST_F(ReplacementsTest, InsertedTextIsOnlyChangedByLaterSteps) {
  // A user name holding a date token stays: the date step ran before.
  system.user_name = "%Y";
  EXPECT_EQ(Expand("{un}"), "%Y");
  // A date value is never re-read as an environment reference.
  environment.Set("5", "five");
  EXPECT_EQ(Expand("%%d%"), "%5%");
}

TEST_F(ReplacementsTest, EverySourceIsAskedOnEachExpansionAndTheClockOnce) {
  Expand("nothing here");
  EXPECT_EQ(system.user_name_calls, 3);
  EXPECT_EQ(system.wow64_calls, 2);
  EXPECT_EQ(memory.reads, 1);
  EXPECT_EQ(clock.now_calls, 1);
}

TEST_F(ReplacementsTest, UserApplicationsAfterTheBuiltInTokens) {
  windows.Add(0, "Notes", "  memo.txt  ");
  AddApp("memo",
         "[Configuration]\r\nMethodNum=0\r\nWndClass=Notes\r\n"
         "[Additional]\r\nEnableTrim=True\r\nExtractFN=True\r\nRemoveExt=True\r\n");
  AddApp("aict", "[Configuration]\r\nWndClass=Notes\r\n");
  EXPECT_EQ(Expand("{MEMO}-{memo}", {"memo"}), "memo-memo");
  // Not listed: the token stays.
  EXPECT_EQ(Expand("{memo}"), "{memo}");
  // A user identifier equal to a built-in one never gets its token.
  EXPECT_EQ(Expand("[{AICT}]", {"aict"}), "[]");
  // A window that is missing gives "-", kept when nothing cuts it.
  windows.Remove(windows.FindWindow(0, 0, "Notes", std::nullopt));
  EXPECT_EQ(Expand("{memo}", {"memo"}), "-");
}

TEST_F(ReplacementsTest, BadDwDataStopsTheExpansionWithAMessage) {
  windows.Add(0, "Target", "");
  AddApp("bad", "[Configuration]\r\nMethodNum=2\r\nWndClass=Target\r\ndwData=1x\r\n");
  EXPECT_THROW(Expand("{bad}", {"bad"}), VariableError);
  // The preview keeps the switch and its caption; the error is handed back.
  AutoEnableOutcome outcome = AutoEnableReplacements("{bad}", "{bad}", {}, platform, {"bad"});
  EXPECT_EQ(outcome.option, AutoEnableOutcome::Option::kCheck);
  EXPECT_FALSE(outcome.caption.has_value());
  EXPECT_TRUE(outcome.error.has_value());
  // The application is evaluated only when its token occurs.
  EXPECT_EQ(Expand("%Y", {"bad"}), "2024");
}

TEST_F(ReplacementsTest, DetectionIgnoresCaseAndUsesLowerCaseDateLetters) {
  environment.Set("HOME", "C:\\Users\\me");
  struct Case {
    const char* text;
    bool holds;
  };
  const Case cases[] = {
      {"plain", false}, {"100%Done", true}, {"%Y", true},      {"%M", true},     {"%S", true},
      {"%W", true},     {"%Z", false},      {"%ZZZ%", false},  {"{DATE}", true}, {"{KmCt}", true},
      {"{foo}", false}, {"x%home%y", true}, {"%HOMEX%", true},  // "%H" is a date letter
      {"%Hxme%", true}, {"{memo}", true},   {"%%", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HoldsVariables(c.text, environment, {"memo"}), c.holds) << c.text;
  EXPECT_FALSE(HoldsVariables("{memo}", environment, {}));
}

TEST_F(ReplacementsTest, DetectionOfEnvironmentNamesWithoutDateLetters) {
  environment.Set("ZONE", "x");
  EXPECT_TRUE(HoldsVariables("in %Zone% here", environment, {}));
  EXPECT_FALSE(HoldsVariables("in %Zones% here", environment, {}));
  environment.Unset("ZONE");
  EXPECT_FALSE(HoldsVariables("in %Zone% here", environment, {}));
}

TEST_F(ReplacementsTest, EnvironmentListDropsHiddenEntries) {
  environment.Set("=C:", "C:\\Work");
  environment.Set("PATH", "C:\\Windows");
  environment.Set("TEMP", "C:\\Temp");
  EXPECT_EQ(EnvironmentList(environment, true), (std::vector<std::string>{"%PATH%", "%TEMP%"}));
  std::vector<std::string> whole = EnvironmentList(environment, false);
  EXPECT_EQ(whole.size(), 3u);
  EXPECT_NE(std::find(whole.begin(), whole.end(), "PATH=C:\\Windows"), whole.end());
}

TEST_F(ReplacementsTest, AutoEnableChecksStartsAndExpands) {
  struct Case {
    AutoEnableState state;
    const char* text;
    AutoEnableOutcome::Option option;
    AutoEnableOutcome::Timer timer;
    bool expands;
  };
  using O = AutoEnableOutcome::Option;
  using T = AutoEnableOutcome::Timer;
  const Case cases[] = {
      {{true, true, false}, "%Y", O::kCheck, T::kStart, true},
      {{true, true, true}, "%Y", O::kCheck, T::kUnchanged, true},    // Batch mode: no timer
      {{true, false, false}, "%Y", O::kCheck, T::kUnchanged, true},  // live preview off
      {{true, true, false}, "plain", O::kUncheck, T::kStop, false},
      {{true, false, false}, "plain", O::kUncheck, T::kUnchanged, false},
      {{true, true, false}, "%ZZZ%", O::kUncheck, T::kStop, false},
      {{false, true, false}, "%Y", O::kUnchanged, T::kUnchanged, false},  // not armed
  };
  for (const Case& c : cases) {
    AutoEnableOutcome outcome =
        AutoEnableReplacements(c.text, std::string(" ") + c.text, c.state, platform, {});
    EXPECT_EQ(outcome.option, c.option) << c.text;
    EXPECT_EQ(outcome.timer, c.timer) << c.text;
    EXPECT_EQ(outcome.caption.has_value(), c.expands) << c.text;
    if (outcome.caption) {
      EXPECT_EQ(*outcome.caption, "2024");
    }
  }
}

class PreviewCleanupTest : public ::testing::Test {
 protected:
  std::string Clean(const std::string& text) {
    return ReplaceInvalidCharInPreview(text, settings, environment);
  }
  PreviewCleanupSettings settings;
  FakeEnvironment environment;
};

TEST_F(PreviewCleanupTest, UnchangedUnlessTheActionIsOne) {
  settings.invalid_char_action = 0;
  EXPECT_EQ(Clean(" a?b:c* "), " a?b:c* ");
  settings.invalid_char_action = 2;
  EXPECT_EQ(Clean("a?b"), "a?b");
}

TEST_F(PreviewCleanupTest, ReplacesInvalidCharacters) {
  settings.invalid_char_action = 1;
  settings.invalid_char_replace = "-";
  struct Case {
    const char* text;
    bool normal;
    const char* cleaned;
  };
  const Case cases[] = {
      {"a?b", true, "a-b"},
      {"a:b", true, "a-b"},
      {"C:\\Temp\\x:y", true, "C:\\Temp\\x:y"},  // an absolute path keeps every colon
      {"\\\\server\\share:x", true, "\\\\server\\share:x"},
      {"  c:\\Temp  ", true, "c:\\Temp"},
      {"say \"hi\" <b>", true, "say -hi- -b-"},
      {"a*b", true, "a-b"},
      {"a*b", false, "a*b"},  // Extended mode keeps "*"
      {"a\\b/c|d", true, "a\\b/c|d"},
  };
  for (const Case& c : cases) {
    settings.normal_mode = c.normal;
    EXPECT_EQ(Clean(c.text), c.cleaned) << c.text;
  }
}

TEST_F(PreviewCleanupTest, ReplacementHoldingAnInvalidCharacterFallsBackToUnderscore) {
  settings.invalid_char_action = 1;
  for (const char* bad : {"<", "?", ":", "*", "\"", ">", "a>b"}) {
    settings.invalid_char_replace = bad;
    EXPECT_EQ(Clean("a?b"), "a_b") << bad;
  }
}

TEST_F(PreviewCleanupTest, ReplaceCharsKeysFirstThenEnvironment) {
  settings.invalid_char_action = 1;
  settings.invalid_char_replace = "_";
  settings.replace_char_keys = {"&", "AND", "_", ""};
  std::vector<std::string> asked;
  settings.replace_char_value = [&](const std::string& key) {
    asked.push_back(key);
    return key == "&" ? std::string("and") : std::string("+");
  };
  environment.Set("DRIVE", "D:\\Data");
  // "&" -> "and"; then "AND" (any case) -> "+"; the key equal to R is skipped; the empty
  // key is ignored; then the environment is expanded and the colon kept.
  EXPECT_EQ(Clean("%DRIVE%\\Tom & Jerry"), "D:\\Data\\Tom + Jerry");
  EXPECT_EQ(asked, (std::vector<std::string>{"&", "AND"}));
  // A value missing from the settings file is "_".
  settings.replace_char_value = nullptr;
  EXPECT_EQ(Clean("a&b"), "a_b");
}

TEST_F(PreviewCleanupTest, ReplaceCharsValuesAreReadFromTheSettingsFileWhenAsked) {
  FakeFileSystem files;
  const std::string settings_file = "C:\\Kestrix\\tc Kestrix.ini";
  files.AddFile(settings_file, "[ReplaceChars]\r\n&=and\r\n");
  settings.invalid_char_action = 1;
  settings.replace_char_keys = {"&", "#"};
  settings.replace_char_value = ReplaceCharsFromSettingsFile(files, settings_file);
  EXPECT_EQ(Clean("a&b#c"), "aandb_c");
  // Each preview takes a new reader, which sees the file as it is now.
  files.AddFile(settings_file, "[ReplaceChars]\r\n&=+\r\n");
  settings.replace_char_value = ReplaceCharsFromSettingsFile(files, settings_file);
  EXPECT_EQ(Clean("a&b"), "a+b");
  files.FailPath(settings_file, kErrorAccessDenied, FakeFileSystem::kFaultRead);
  settings.replace_char_value = ReplaceCharsFromSettingsFile(files, settings_file);
  EXPECT_EQ(Clean("a&b"), "a_b");
}

}  // namespace
}  // namespace kestrix
