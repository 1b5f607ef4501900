// The configuration dialog's portable rules and what OK writes.
#include "settings/configuration.h"

#include <gtest/gtest.h>

#include <functional>

#include "fakes/fake_file_system.h"
#include "fakes/user_settings_file.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"
#include "settings/settings.h"

namespace kestrix {
namespace {

TEST(ConfigurationRules, FieldsAreCorrectedAsTheUserTypes) {
  EXPECT_EQ(CorrectReplaceChar("a:b"), "_");
  EXPECT_EQ(CorrectReplaceChar("-"), "-");
  struct Case {
    std::string typed;
    TransparencyField shown;
  } cases[] = {
      {"300", {"255", false}}, {"100", {"100", true}}, {"", {"10", true}}, {"255", {"255", false}}};
  for (const Case& c : cases) EXPECT_EQ(CorrectTransparency(c.typed), c.shown) << c.typed;
  EXPECT_EQ(TransparencyOnLeave("5"), "10");
  EXPECT_EQ(TransparencyOnCheck(true, "255"), "235");
  EXPECT_EQ(TransparencyOnCheck(false, "120"), "255");
  EXPECT_EQ(NewExtension(" .TXT "), std::optional<std::string>("TXT"));
  EXPECT_EQ(NewExtension("."), std::nullopt);
  EXPECT_EQ(ExtensionOfLine("3=.php"), "php");
  EXPECT_EQ(UserThemeOfEntry("- forest"), std::optional<std::string>("forest"));
  EXPECT_EQ(UserThemeOfEntry("- 3 -"), std::nullopt);
}

TEST(ConfigurationRules, TheTwentyFirstAffixDropsTheOldest) {
  std::vector<std::string> list;
  for (char c = 'a'; c <= 'u'; ++c) list = AddAffixItem(list, std::string(1, c));
  ASSERT_EQ(list.size(), 20u);
  EXPECT_EQ(list.front(), "u");
  EXPECT_EQ(list.back(), "b");
  EXPECT_EQ(AddAffixItem(list, "  "), list);
}

// OK over a file kept by hand writes only what the user changed; every other line stays
// as it was, and a file another program holds keeps its old content.
TEST(ConfigurationValues, OkWritesOnlyWhatTheUserChanged) {
  struct Case {
    const char* what;
    std::function<void(ConfigurationValues&)> change;
    std::vector<std::pair<std::string, std::string>> edits;  // the file's text: old -> new
    uint32_t held = 0;  // the error of a file another program holds at OK
  } cases[] = {
      {"nothing", [](ConfigurationValues&) {}, {}},
      {"the prefix",
       [](ConfigurationValues& v) { v.dir_prefix = "new_"; },
       {{"DirPrefix= pre_ ", "DirPrefix=new_"}}},
      {"a prefix added",
       [](ConfigurationValues& v) { v.prefix_list.insert(v.prefix_list.begin(), "new_"); },
       {{"0=pre_\r\n1=old_", "0=new_\r\n1=pre_\r\n2=old_"}}},
      {"the replaced strings typed",
       [](ConfigurationValues& v) {
         v.replace_chars = {" =-", "; mine", "", "[x]", "#=hash "};
       },
       {{"; a blank becomes \"_\"\r\n =_\r\n&=and\r\n#\r\n", " =-\r\n; mine\r\n#=hash \r\n"}}},
      {"an extension removed",
       [](ConfigurationValues& v) { v.extensions.pop_back(); },
       {{"1=.md\r\n2=ini", "1=md"}}},
      {"the history file left to the utility",
       [](ConfigurationValues& v) { v.mkdir_history_file.clear(); },
       {{"MkDirHistoryFile=%COMMANDER_PATH%\\hist.ini\r\n", ""}}},
      {"a language chosen",
       [](ConfigurationValues& v) { v.language = "DEU"; },
       {{"CurrentLng=ENG", "CurrentLng=DEU"}}},
      {"the original method",
       [](ConfigurationValues& v) { v.tc8b10_method = false; },
       {{"TC8B10Method=True\r\nTC8B10FixExt=True", "TC8B10Method=False\r\nTC8B10FixExt=False"}}},
      {"a held file", [](ConfigurationValues& v) { v.dir_prefix = "new_"; }, {}, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeFileSystem fs;
    const std::string path = "C:\\K\\tc Kestrix.ini";
    fs.AddFile(path, kUserSettingsFile);
    TBigIniFile ini(fs, path);
    const ConfigurationValues shown = LoadConfiguration(ini);
    ConfigurationValues values = shown;
    c.change(values);
    if (c.held != 0) fs.FailPath(path, c.held, FakeFileSystem::kFaultAll);
    uint32_t failure = 0;
    try {
      SaveConfiguration(ini, values, shown);
    } catch (const InOutError& error) {
      failure = error.Code();
    }
    EXPECT_EQ(failure, c.held);
    fs.ClearFaults();
    std::string expected = kUserSettingsFile;
    for (const auto& [from, to] : c.edits) expected.replace(expected.find(from), from.size(), to);
    EXPECT_EQ(fs.FileContent(path), expected);
    EXPECT_EQ(fs.WriteAttempts(path), c.edits.empty() && c.held == 0 ? 0 : 1);
  }
}

TEST(ConfigurationValues, ASettingsFileFailureSaysWhatHappened) {
  const LanguageTable english;
  const std::pair<uint32_t, const char*> rows[] = {{32, "used by another program"},
                                                   {5, "access denied"},
                                                   {112, "the disk is full"},
                                                   {29, "Error code: 29"}};
  for (const auto& [code, words] : rows)
    EXPECT_EQ(
        SettingsFileMessage(english, lng::config_dialog::kCannotRead, "C:\\K\\k.ini", code),
        std::string(lng::config_dialog::kCannotRead.english) + "\r\n\r\nC:\\K\\k.ini: " + words);
}

TEST(ConfigurationRules, OkAppliesATransparencyOf10To255) {
  const std::pair<const char*, std::optional<int>> rows[] = {
      {" 180", 180}, {"255", 255}, {"9", std::nullopt}, {"256", std::nullopt}, {"", std::nullopt}};
  for (const auto& [value, alpha] : rows) EXPECT_EQ(TransparencyOnOk(value), alpha) << value;
}

}  // namespace
}  // namespace kestrix
