#include "settings/settings_model.h"

#include <gtest/gtest.h>

#include <functional>

#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_message_boxes.h"
#include "settings/language_table.h"

namespace kestrix {
namespace {

const char kIni[] = "C:\\TC\\Kestrix\\tc Kestrix.ini";

struct SettingsModelTest : ::testing::Test {
  SettingsModelTest() { fs.AddDirectory("C:\\TC\\Kestrix"); }
  std::string Content() { return fs.FileContent(kIni).value_or("<missing>"); }

  FakeFileSystem fs;
  FakeEnvironment env{{"KXDIR", "D:\\Data"}};
  FakeMessageBoxes boxes;
  EnglishLanguageTable english;
  SettingsModel model{fs, env, &boxes, [this]() -> const LanguageTable& { return english; }, kIni};
};

TEST_F(SettingsModelTest, AMissingFileGivesTheDefaultsAndIsNotCreated) {
  ASSERT_TRUE(model.LoadStartup().ok);
  ASSERT_TRUE(model.LoadActivation().ok);
  EXPECT_TRUE(model.Startup().tc8b10_fix_ext);
  EXPECT_EQ(model.Startup().alpha_blend_value, 255);
  EXPECT_EQ(model.Startup().update_tree_info, "False");
  EXPECT_EQ(model.Activation().invalid_char_replace, "_");
  EXPECT_EQ(model.Activation().initial_mode, InitialMode::kNormal);
  EXPECT_TRUE(model.Activation().close_window);
  EXPECT_FALSE(fs.FileExists(kIni));
  EXPECT_TRUE(boxes.shown.empty());
}

// Each integer key: a value that does not parse is the default, any other number the case
// the key's rule gives it.
TEST_F(SettingsModelTest, IntegerKeysReadAsTheirCases) {
  struct Case {
    const char* line;
    std::function<bool(const SettingsModel&)> holds;
  } cases[] = {
      {"WindowPosition=x",
       [](auto& m) { return m.Startup().window_position == WindowPosition::kHostWindow; }},
      {"WindowPosition=0x1",
       [](auto& m) { return m.Activation().window_position == WindowPosition::kHostPane; }},
      {"WindowPosition=7",
       [](auto& m) { return m.Startup().window_position == WindowPosition::kScreen; }},
      {"InitialMode=two",
       [](auto& m) { return m.Activation().initial_mode == InitialMode::kNormal; }},
      {"InitialMode=2", [](auto& m) { return m.Activation().initial_mode == InitialMode::kBatch; }},
      {"InitialMode=3",
       [](auto& m) { return m.Activation().initial_mode == InitialMode::kUnchanged; }},
      {"WindowStyle=2",
       [](auto& m) { return m.Startup().window_style == WindowStyle::kToolWindow; }},
      {"WindowStyle=5",
       [](auto& m) { return m.Startup().window_style == WindowStyle::kOwnBorder; }},
      {"InvalidCharAction=1",
       [](auto& m) { return m.Activation().invalid_char_action == InvalidCharAction::kReplace; }},
      {"InvalidCharAction=-1",
       [](auto& m) { return m.Activation().invalid_char_action == InvalidCharAction::kUnknown; }},
      {"InvalidCharAction=",
       [](auto& m) { return m.Activation().invalid_char_action == InvalidCharAction::kWarn; }},
      {"SuggestedName=4",
       [](auto& m) { return m.Startup().suggested_name == SuggestedName::kCustomName; }},
      {"DisablePlugins=2",
       [](auto& m) { return m.Startup().disable_plugins == DisablePlugins::kNewApplication; }},
      {"DisablePlugins=3",
       [](auto& m) { return m.Startup().disable_plugins == DisablePlugins::kNone; }},
      {"AlphaBlendValue=", [](auto& m) { return m.Startup().alpha_blend_value == 255; }},
      {"MkDirHistoryFile= %KXDIR%\\h.lst ",
       [](auto& m) { return m.Startup().mkdir_history_file == "D:\\Data\\h.lst"; }},
  };
  for (const Case& c : cases) {
    fs.AddFile(kIni, std::string("[Configuration]\r\n") + c.line + "\r\n");
    ASSERT_TRUE(model.LoadStartup().ok && model.LoadActivation().ok);
    EXPECT_TRUE(c.holds(model)) << c.line;
  }
}

TEST_F(SettingsModelTest, ClosingWritesWhatActivationReadAndTheWindowsState) {
  fs.AddFile(kIni,
             "[Configuration]\r\nTC8B10Method=True\r\nUserThemeName=Dark\r\nLastSelectedPage=3\r\n"
             "[Language]\r\nCurrentLng=DEU\r\n[Additional]\r\nUS-ClearList=False\r\n");
  ASSERT_TRUE(model.LoadActivation().ok);
  ASSERT_TRUE(model.SaveClosing({"ENG", true, false, false, false, true, true}).ok);
  EXPECT_EQ(Content(),
            "[Configuration]\r\nTC8B10Method=True\r\nUserThemeName=Dark\r\nLastSelectedPage=3\r\n"
            "TC8B10FixExt=True\r\n\r\n"
            "[Language]\r\nCurrentLng=DEU\r\n\r\n"
            "[Additional]\r\nUS-ClearList=False\r\nReplacements=True\r\nEnterDirectory=False\r\n"
            "CloseWindow=False\r\nTC8B10FuncChecked=True\r\n\r\n");
  // Read back at the next activation; a missing language is written with the one in use.
  fs.AddFile(kIni, "[Language]\r\nCurrentLng=\r\n");
  ASSERT_TRUE(model.SaveClosing({"lng_Nederlands.ini", false, true, true}).ok);
  ASSERT_TRUE(model.LoadActivation().ok);
  EXPECT_TRUE(model.Activation().enter_directory && model.Activation().close_window);
  EXPECT_FALSE(model.Activation().replacements);
  EXPECT_EQ(model.LanguageSetting(), "lng_Nederlands.ini");
}

TEST_F(SettingsModelTest, AFailureIsAResultAndOneMessage) {
  fs.AddFile(kIni, "[Configuration]\r\nInitialMode=1\r\n[ReplaceChars]\r\n&=and\r\n#=\r\n");
  ASSERT_TRUE(model.LoadActivation().ok);
  std::vector<std::pair<std::string, std::string>> pairs;
  EXPECT_EQ(model.Activation().replace_chars_keys, (std::vector<std::string>{"&", "#"}));
  ASSERT_TRUE(model.ReadReplaceChars(pairs).ok);
  EXPECT_EQ(pairs, (std::vector<std::pair<std::string, std::string>>{{"&", "and"}, {"#", ""}}));

  fs.FailPath(kIni, kErrorAccessDenied, FakeFileSystem::kFaultAll);
  const SettingsResult failed = model.LoadActivation();
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.code, kErrorAccessDenied);
  EXPECT_EQ(model.Activation().initial_mode, InitialMode::kExtended);  // kept
  EXPECT_FALSE(model.LoadActivation().ok);
  ASSERT_EQ(boxes.shown.size(), 1u);  // activations repeat; the message does not
  EXPECT_EQ(boxes.shown[0].text, std::string(kIni) + "\r\nError code: 5");
  EXPECT_EQ(boxes.shown[0].caption, "Error");
  // A user's step hears of it every time, and gets nothing half-read.
  EXPECT_FALSE(model.ReadReplaceChars(pairs).ok);
  EXPECT_TRUE(pairs.empty());
  EXPECT_FALSE(model.SaveClosing({}).ok);
  EXPECT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(model.ReplaceCharValues()("&"), "_");
}

// The preview's lookup reads the file at its first question; each preview takes a new one,
// which sees the file as it is now.
TEST_F(SettingsModelTest, ReplaceCharValuesAreReadWhenAsked) {
  fs.AddFile(kIni, "[ReplaceChars]\r\n&=and\r\n");
  const auto first = model.ReplaceCharValues();
  fs.AddFile(kIni, "[ReplaceChars]\r\n&=+\r\n");
  EXPECT_EQ(first("&"), "+");
  fs.AddFile(kIni, "[ReplaceChars]\r\n&=plus\r\n");
  EXPECT_EQ(first("&"), "+");
  EXPECT_EQ(first("#"), "_");
  EXPECT_EQ(model.ReplaceCharValues()("&"), "plus");
}

}  // namespace
}  // namespace kestrix
