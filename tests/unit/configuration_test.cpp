// The configuration dialog's portable rules and what OK writes.
#include "settings/configuration.h"

#include <gtest/gtest.h>

#include "base/text_utils.h"
#include "fakes/fake_file_system.h"
#include "fakes/user_settings_file.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"
#include "settings/settings.h"

namespace kestrix {
namespace {

TEST(ConfigurationRules, FieldsAffixesAndTransparency) {
  EXPECT_EQ(CorrectReplaceChar("a:b") + CorrectReplaceChar("-"), "_-");
  const std::pair<const char*, TransparencyField> cases[] = {
      {"300", {"255", false}}, {"100", {"100", true}}, {"", {"10", true}}, {"255", {"255", false}}};
  for (const auto& [typed, shown] : cases) EXPECT_EQ(CorrectTransparency(typed), shown) << typed;
  EXPECT_EQ(TransparencyOnCheck(true, "255") + "|" + TransparencyOnCheck(false, "120"), "235|255");
  EXPECT_EQ(NewExtension(" .TXT "), std::optional<std::string>("TXT"));
  EXPECT_EQ(NewExtension("."), std::nullopt);
  EXPECT_EQ(ExtensionOfLine("3=.php"), "php");
  EXPECT_EQ(UserThemeOfEntry("- forest"), std::optional<std::string>("forest"));
  EXPECT_EQ(UserThemeOfEntry("- 3 -"), std::nullopt);
  // The twenty-first affix drops the oldest.
  std::vector<std::string> list;
  for (char c = 'a'; c <= 'u'; ++c) list = AddAffixItem(list, std::string(1, c));
  ASSERT_EQ(list.size(), 20u);
  EXPECT_EQ(list.front() + list.back(), "ub");
  EXPECT_EQ(AddAffixItem(list, "  "), list);
  // OK applies a transparency of 10 to 255; the box is ticked below 255; leaving the field
  // raises it to 10.
  const std::tuple<const char*, std::optional<int>, bool, const char*> rows[] = {
      {" 180", 180, true, " 180"},      {"255", 255, false, "255"},
      {"254", 254, true, "254"},        {"10", 10, true, "10"},
      {"9", std::nullopt, false, "10"}, {"256", std::nullopt, false, "256"},
      {"", std::nullopt, false, "10"}};
  for (const auto& [value, alpha, checked, left] : rows)
    EXPECT_EQ(std::make_tuple(TransparencyOnOk(value), TransparencyChecked(value),
                              TransparencyOnLeave(value)),
              std::make_tuple(alpha, checked, std::string(left)))
        << value;
  // A window position outside the three choices reads as the last.
  const std::pair<const char*, int> positions[] = {{"0", 0}, {"1", 1}, {"7", 2}, {"-1", 2}};
  for (const auto& [stored, position] : positions) {
    BigIniFile ini;
    ini.SetText(Concat({"[Configuration]\r\nWindowPosition=", stored}));
    EXPECT_EQ(LoadConfiguration(ini).window_position, position) << stored;
  }
}

// OK over a file kept by hand writes only what the user changed; every other line stays
// as it was. A write that fails leaves the old content and says why in words.
TEST(ConfigurationValues, OkWritesOnlyWhatTheUserChangedOrSaysWhyNot) {
  using Change = void (*)(ConfigurationValues&);
  const Change prefix = [](ConfigurationValues& v) { v.dir_prefix = "new_"; };
  struct Case {
    Change change;
    std::string from, to;  // the one stretch of the file's text that changes
    uint32_t fault = 0;    // the write fails with this error, and the message says `words`
    const char* words = "";
  } cases[] = {
      {[](ConfigurationValues&) {}, "", ""},
      {prefix, "DirPrefix= pre_ ", "DirPrefix=new_"},
      {[](ConfigurationValues& v) { v.prefix_list.insert(v.prefix_list.begin(), "new_"); },
       "0=pre_\r\n1=old_", "0=new_\r\n1=pre_\r\n2=old_"},
      {[](ConfigurationValues& v) {
         v.replace_chars = {" =-", "; mine", "", "[x]", "[]", "#=hash "};
       },
       "; a blank becomes \"_\"\r\n =_\r\n&=and\r\n#\r\n", " =-\r\n; mine\r\n#=hash \r\n"},
      {[](ConfigurationValues& v) { v.extensions.pop_back(); }, "1=.md\r\n2=ini", "1=md"},
      {[](ConfigurationValues& v) { v.suffix_list = {"_new"}; }, "0=_bak", "0=_new"},
      {[](ConfigurationValues& v) { v.mkdir_history_file.clear(); },
       "MkDirHistoryFile=%COMMANDER_PATH%\\hist.ini\r\n", ""},
      {[](ConfigurationValues& v) { v.language = "DEU"; }, "CurrentLng=ENG", "CurrentLng=DEU"},
      {[](ConfigurationValues& v) { v.custom_name = false; }, "SuggestedName=1", "SuggestedName=0"},
      {[](ConfigurationValues& v) { v.replace_invalid = false; }, "InvalidCharAction=1",
       "InvalidCharAction=0"},
      {[](ConfigurationValues& v) { v.tc8b10_method = false; },
       "TC8B10Method=True\r\nTC8B10FixExt=True", "TC8B10Method=False\r\nTC8B10FixExt=False"},
      // Which words each failure has is the language table's part.
      {prefix, "", "", 32, "used by another program"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from + c.words);
    FakeFileSystem fs;
    const std::string path = "C:\\K\\tc Kestrix.ini";
    fs.AddFile(path, kUserSettingsFile);
    BigIniFile ini(fs, path);
    const ConfigurationValues shown = LoadConfiguration(ini);
    ConfigurationValues values = shown;
    c.change(values);
    if (c.fault != 0) fs.FailPath(path, c.fault);
    const LanguageKey& headline = lng::config_dialog::kCannotWrite;
    std::string said;
    try {
      SaveConfiguration(ini, values, shown);
    } catch (const InOutError& error) {
      said = SettingsFileMessage(LanguageTable(), headline, error.Path(), error.Code());
    }
    EXPECT_EQ(said.empty(), c.fault == 0);
    if (c.fault != 0) {
      EXPECT_TRUE(said.starts_with(headline.english));
      EXPECT_NE(said.find(Concat({"\"", path, "\""})), std::string::npos);
      EXPECT_NE(said.find(c.words), std::string::npos);
    }
    fs.ClearFaults();
    std::string expected = kUserSettingsFile;
    if (!c.from.empty()) expected.replace(expected.find(c.from), c.from.size(), c.to);
    EXPECT_EQ(fs.FileContent(path), expected);
    EXPECT_EQ(fs.WriteAttempts(path), c.from.empty() && c.fault == 0 ? 0 : 1);
  }
}

}  // namespace
}  // namespace kestrix
