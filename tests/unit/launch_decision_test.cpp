#include "app/launch_decision.h"

#include <gtest/gtest.h>

#include <map>

#include "base/text_utils.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_window_system.h"
#include "host/panel_windows.h"

namespace kestrix {
namespace {

TEST(IsInstallSwitch, PrefixesCompareWithoutCase) {
  struct Case {
    const char* argument;
    bool expected;
  } cases[] = {
      {"/INSTALL", true}, {"/install", true}, {"/InStAlLnow", true}, {"/instal", false},
      {"/SETUP", true},   {"/setup", true},   {"/SetUpX=1", true},   {"/setu", false},
      {"setup", false},   {" /setup", false}, {"", false},           {"/LNG=ENG", false},
      {"-setup", false},
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
struct Scenario {
  FakeWindowSystem windows;
  FakeFileSystem files;
  FakeEnvironment env;
  WindowHandle host = 0, right_list = 0, left_list = 0, left_path = 0, right_path = 0;
  WindowHandle focus = 0;

  void AddHost(const std::string& left, const std::string& right) {
    host = windows.Add(0, kHostWindowClass, "Total Commander");
    WindowHandle panels[5] = {};
    for (int i = 1; i <= 4; ++i) panels[i] = windows.Add(host, "TMyPanel");
    left_path = windows.Add(windows.Add(panels[3], "TMyTabControl"), "TPathPanel", left);
    right_path = windows.Add(windows.Add(panels[4], "TMyTabControl"), "TPathPanel", right);
    windows.Add(panels[2], "TMyPanel");
    windows.Add(panels[2], "TMyPanel", "c:\\header-left\\*.*");
    right_list = windows.Add(host, kHostListClass);
    left_list = windows.Add(host, kHostListClass);
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

}  // namespace
}  // namespace kestrix
