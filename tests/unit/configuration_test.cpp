// The configuration dialog's portable rules and what OK writes.
#include "settings/configuration.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
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
  using Pairs = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(ParseReplaceChars("&=and\r\n\r\n=x\r\n#\r\n+ = plus"),
            (Pairs{{"&", "and"}, {"#", "_"}, {"+", " plus"}}));
  EXPECT_EQ(ReplaceCharsText({{"&", "and"}, {"#", "_"}}), "&=and\r\n#=_");
}

TEST(ConfigurationRules, TheTwentyFirstAffixDropsTheOldest) {
  std::vector<std::string> list;
  for (char c = 'a'; c <= 'u'; ++c) list = AddAffixItem(list, std::string(1, c));
  ASSERT_EQ(list.size(), 20u);
  EXPECT_EQ(list.front(), "u");
  EXPECT_EQ(list.back(), "b");
  EXPECT_EQ(AddAffixItem(list, "  "), list);
}

TEST(ConfigurationValues, SaveDeletesTheHistoryKeyAndWritesNoUnchosenLanguage) {
  FakeFileSystem fs;
  fs.AddDirectory("C:\\K");
  const std::string path = "C:\\K\\tc Kestrix.ini";
  fs.AddFile(path,
             "[Configuration]\r\nMkDirHistoryFile=C:\\h.ini\r\nTC8B10FixExt=True\r\n"
             "[ExtensionsEnabled]\r\n0=txt\r\n1=ini\r\n");
  {
    TBigIniFile ini(fs, path);
    ConfigurationValues values = LoadConfiguration(ini);
    EXPECT_EQ(values.mkdir_history_file, "C:\\h.ini");
    EXPECT_EQ(values.extensions, (std::vector<std::string>{"txt", "ini"}));
    values.mkdir_history_file.clear();
    values.extensions = {"css"};
    SaveConfiguration(ini, values);
  }
  TBigIniFile ini(fs, path);
  SettingsAccess s(ini);
  EXPECT_TRUE(s.IsMissingOrEmpty(Setting::MkDirHistoryFile));
  EXPECT_TRUE(s.IsMissingOrEmpty(Setting::CurrentLng));
  // The fix is stored on only with the new method.
  EXPECT_EQ(s.Text(Setting::TC8B10FixExt), "False");
  EXPECT_EQ(s.ReadList(kExtensionsEnabledSection), (std::vector<std::string>{"css"}));
}

TEST(ConfigurationRules, OkAppliesATransparencyOf10To255) {
  const std::pair<const char*, std::optional<int>> rows[] = {
      {" 180", 180}, {"255", 255}, {"9", std::nullopt}, {"256", std::nullopt}, {"", std::nullopt}};
  for (const auto& [value, alpha] : rows) EXPECT_EQ(TransparencyOnOk(value), alpha) << value;
}

}  // namespace
}  // namespace kestrix
