#include "settings/settings.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/fake_file_system.h"

namespace kestrix {
namespace {

const char kIni[] = "C:\\TC\\Kestrix\\tc Kestrix.ini";

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.AddDirectory("C:\\TC\\Kestrix"); }
  std::string Content() { return fs.FileContent(kIni).value_or("<missing>"); }

  FakeFileSystem fs;
};

TEST(SettingKeys, TableIsConsistent) {
  std::set<std::string> seen;
  for (const SettingKey& key : kSettingKeys) {
    EXPECT_TRUE(seen.insert(std::string(key.section) + "/" + key.key).second) << key.key;
    if (key.type == SettingType::kBool) {
      EXPECT_TRUE(std::string(key.default_value) == "True" ||
                  std::string(key.default_value) == "False")
          << key.key;
    } else if (key.type == SettingType::kInteger) {
      int value = 0;
      EXPECT_TRUE(ParseIniInteger(key.default_value, value)) << key.key;
    }
  }
}

TEST_F(SettingsTest, BooleansAreTrueOnlyForExactTrue) {
  fs.AddFile(kIni,
             "[Configuration]\r\nAlwaysOnTop=True\r\nAlwaysActive=true\r\nHideFromTaskBar=1\r\n"
             "FlatButtons=TRUE\r\nUseWindowTheme= True\r\nLiveReplacements=\r\n"
             "[Additional]\r\nCloseWindow=False\r\n");
  TBigIniFile ini(fs, kIni);
  SettingsAccess s(ini);
  struct Case {
    Setting id;
    bool expected;
  } cases[] = {
      {Setting::AlwaysOnTop, true},      {Setting::AlwaysActive, false},
      {Setting::HideFromTaskBar, false}, {Setting::FlatButtons, false},
      {Setting::UseWindowTheme, false},  {Setting::LiveReplacements, false},
      {Setting::CloseWindow, false},     {Setting::USClearList, true},
      {Setting::IntelliModifiers, true}, {Setting::RefreshOnActivate, false},
  };
  for (const Case& c : cases) EXPECT_EQ(s.Bool(c.id), c.expected) << KeyOf(c.id).key;
}

TEST_F(SettingsTest, IntegersAndTexts) {
  fs.AddFile(kIni,
             "[Configuration]\r\nAlphaBlendValue=\r\nWindowPosition=0x2\r\nFontSize=big\r\n"
             "MkDirHistoryFile=  %KXDIR%\\hist.lst \t\r\nInvalidCharReplace=\r\n");
  TBigIniFile ini(fs, kIni);
  SettingsAccess s(ini);
  EXPECT_EQ(s.Integer(Setting::AlphaBlendValue), 255);
  EXPECT_EQ(s.Integer(Setting::WindowPosition), 2);
  EXPECT_EQ(s.Integer(Setting::FontSize), 8);
  EXPECT_EQ(s.Integer(Setting::DisablePlugins, -1), -1);
  EXPECT_EQ(s.Text(Setting::InvalidCharReplace), "");
  EXPECT_EQ(s.Text(Setting::FontName), "Default");
  EXPECT_EQ(s.Text(Setting::AlphaBlendValue, "255"), "");
  EXPECT_EQ(s.TrimmedText(Setting::MkDirHistoryFile), "%KXDIR%\\hist.lst");
  EXPECT_THROW(s.Bool(Setting::FontSize), std::logic_error);
  EXPECT_THROW(s.WriteInteger(Setting::CloseWindow, 1), std::logic_error);
}

TEST_F(SettingsTest, FreshInstallation) {
  {
    TBigIniFile ini(fs, kIni);
    WriteInstallationDefaults(ini, InstallDefaults{"DEU", true, "  Benutzername "});
  }
  EXPECT_EQ(Content(),
            "[Language]\r\nCurrentLng=DEU\r\n\r\n"
            "[Configuration]\r\nTC8B10Method=False\r\nTC8B10FixExt=True\r\nAlwaysOnTop=False\r\n"
            "AlwaysActive=False\r\nDoNotEnterDeepest=False\r\nDisablePlugins=0\r\n\r\n"
            "[FileCreation]\r\nEnable=False\r\nExtensionDetection=False\r\n\r\n"
            "[Additional]\r\nEnterCmdInstalled=True\r\n\r\n"
            "[UserTemplates]\r\nBenutzername={user}\r\n\r\n"
            "[ExtensionsEnabled]\r\n0=txt\r\n1=ini\r\n2=html\r\n3=htm\r\n4=css\r\n5=php\r\n\r\n");
}

TEST_F(SettingsTest, ReinstallationKeepsUserValues) {
  const std::string before =
      "[Language]\r\nCurrentLng=ENG\r\n\r\n"
      "[Configuration]\r\nTC8B10Method=True\r\nTC8B10FixExt=False\r\nAlwaysOnTop=True\r\n"
      "AlwaysActive=False\r\nDoNotEnterDeepest=True\r\nDisablePlugins=2\r\nFontSize=10\r\n\r\n"
      "[FileCreation]\r\nEnable=True\r\nExtensionDetection=False\r\n\r\n"
      "[Additional]\r\nEnterCmdInstalled=False\r\nDoNotInstall1stTemplate=True\r\n\r\n"
      "[UserTemplates]\r\nMine=x\r\n\r\n"
      "[ExtensionsEnabled]\r\n0=doc\r\n\r\n";
  fs.AddFile(kIni, before);
  {
    TBigIniFile ini(fs, kIni);
    WriteInstallationDefaults(ini, InstallDefaults{"FRA", true, "Utilisateur"});
  }
  std::string expected = before;
  expected.replace(expected.find("CurrentLng=ENG"), 14, "CurrentLng=FRA");
  expected.replace(expected.find("EnterCmdInstalled=False"), 23, "EnterCmdInstalled=True");
  EXPECT_EQ(Content(), expected);
}

TEST_F(SettingsTest, ReinstallationAddsTemplateAgainAndFillsEmptyValues) {
  fs.AddFile(kIni,
             "[Configuration]\r\nAlwaysOnTop=\r\nDisablePlugins=-1\r\n"
             "[UserTemplates]\r\nMine=x\r\nCurrent username=old\r\n");
  {
    TBigIniFile ini(fs, kIni);
    // An empty language text must not turn into an empty key, which would erase the
    // user's templates.
    WriteInstallationDefaults(ini, InstallDefaults{"ENG", false, "   "});
  }
  TBigIniFile ini(fs, kIni);
  EXPECT_EQ(ini.ReadString("Configuration", "AlwaysOnTop", ""), "False");
  EXPECT_EQ(ini.ReadString("Configuration", "DisablePlugins", ""), "0");
  std::vector<std::string> lines;
  ini.ReadSectionValues("UserTemplates", lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"Mine=x", "Current username={user}"}));
}

TEST_F(SettingsTest, HistoryFileKeyIsDeletedRatherThanEmptied) {
  fs.AddFile(kIni, "[Configuration]\r\nMkDirHistoryFile=D:\\h.lst\r\nFontSize=9\r\n");
  {
    TBigIniFile ini(fs, kIni);
    SettingsAccess(ini).Delete(Setting::MkDirHistoryFile);
  }
  EXPECT_EQ(Content(), "[Configuration]\r\nFontSize=9\r\n\r\n");
}

TEST_F(SettingsTest, NumberedLists) {
  fs.AddFile(kIni,
             "[PrefixList]\r\n0=a\r\n1=b\r\n2=c\r\n; note\r\nx=keep\r\n"
             "[ExtensionsEnabled]\r\n0=txt\r\n1=ini\r\n7=old\r\n");
  {
    TBigIniFile ini(fs, kIni);
    SettingsAccess s(ini);
    EXPECT_EQ(s.ReadList(kPrefixListSection), (std::vector<std::string>{"a", "b", "c", "keep"}));
    s.WriteList(kPrefixListSection, {"new", "b"});
    s.ReplaceList(kExtensionsEnabledSection, {"doc"});
    s.WriteList(kSuffixListSection, {"=s"});
  }
  EXPECT_EQ(Content(),
            "[PrefixList]\r\n0=new\r\n1=b\r\n; note\r\nx=keep\r\n\r\n"
            "[ExtensionsEnabled]\r\n0=doc\r\n\r\n"
            "[SuffixList]\r\n0==s\r\n\r\n");
  TBigIniFile ini(fs, kIni);
  EXPECT_EQ(SettingsAccess(ini).ReadList(kSuffixListSection), std::vector<std::string>{"=s"});
}

TEST(SettingsPath, FromExecutablePath) {
  struct Case {
    const char* exe;
    const char* base;
    const char* dir;
    const char* ini;
  } cases[] = {
      {"C:\\TC\\Kestrix\\tc Kestrix.exe", "tc Kestrix", "C:\\TC\\Kestrix",
       "C:\\TC\\Kestrix\\tc Kestrix.ini"},
      {"C:/TC/Kestrix/renamed.v2.EXE", "renamed.v2", "C:\\TC\\Kestrix",
       "C:\\TC\\Kestrix\\renamed.v2.ini"},
      {"D:\\tool", "tool", "D:", "D:\\tool.ini"},
      {"\\\\srv\\share\\dir.d\\noext", "noext", "\\\\srv\\share\\dir.d",
       "\\\\srv\\share\\dir.d\\noext.ini"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExecutableBaseName(c.exe), c.base) << c.exe;
    EXPECT_EQ(ProgramDirOf(c.exe), c.dir) << c.exe;
    EXPECT_EQ(SettingsFilePath(c.exe), c.ini) << c.exe;
  }
}

}  // namespace
}  // namespace kestrix
