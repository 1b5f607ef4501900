// The stand-in host driven from another process, the way the utility and the tests of
// the whole system drive it.
#include <gtest/gtest.h>

#include <regex>

#include "tcsim_fixture.h"

namespace kestrix::e2e {
namespace {

HWND PathPanel(HWND host, int panel) {
  return FindNthChild(FindNthChild(FindNthChild(host, "TMyPanel", panel), "TMyTabControl", 1),
                      "TPathPanel", 1);
}

std::string FocusedItem(HWND list) {
  return ListItem(list, ListCurrent(list)).value_or("<none>");
}

std::vector<std::string> Items(HWND list) {
  std::vector<std::string> items;
  for (int i = 0; i < ListCount(list); ++i) items.push_back(ListItem(list, i).value_or("<none>"));
  return items;
}

std::string ProbeValue(const std::string& text, const std::string& key) {
  std::regex line("(^|\n)" + key + "=([^\n]*)");
  std::smatch match;
  return std::regex_search(text, match, line) ? match[2].str() : "<missing " + key + ">";
}

std::string WithoutTrailingSlash(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

class TcsimTest : public ::testing::Test {
 protected:
  void Launch(const TcsimStart& start = {}) {
    std::string error;
    ASSERT_TRUE(host.Start(start, &error)) << error;
  }
  HWND FirstList() const { return FindWindowExW(host.Window(), nullptr, L"TMyListBox", L""); }
  HWND SecondList() const {
    return FindWindowExW(host.Window(), FirstList(), L"TMyListBox", nullptr);
  }
  // Posts a host command and waits until tcsim has carried it out.
  void Command(int number) {
    size_t before = host.LogLines().size();
    ASSERT_TRUE(host.PostCommand(number));
    ASSERT_GE(host.WaitForLog("CMD " + std::to_string(number) + " ", before), 0) << host.LogText();
  }

  HostTree tree;
  Tcsim host{tree};
};

TEST_F(TcsimTest, WindowChainHoldsPanelPathsAndDetailedItems) {
  tree.MakeDir("left\\Photos.old");
  tree.MakeFile("left\\Report.2024.pdf", "12345");
  std::string left = tree.MakeDir("left"), right = tree.MakeDir("right");
  Launch(TcsimStart().Left(left).Right(right).Focus("Report.2024.pdf").Detailed());
  HWND window = host.Window();

  EXPECT_EQ(WindowText(PathPanel(window, 3)), left + "\\*.*");
  EXPECT_EQ(WindowText(PathPanel(window, 4)), right + "\\*.*");
  // The alternative reads and the command-line label of the refresh.
  EXPECT_EQ(WindowText(FindNthChild(FindNthChild(window, "TMyPanel", 2), "TMyPanel", 2)),
            left + "\\*.*");
  EXPECT_EQ(WindowText(FindNthChild(FindNthChild(window, "TMyPanel", 3), "TMyPanel", 2)),
            right + "\\*.*");
  EXPECT_EQ(WindowText(FindNthChild(FindNthChild(window, "TMyPanel", 2), "TMyPanel", 1)),
            left + ">");

  HWND first = FirstList(), second = SecondList();
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  RECT first_rect, second_rect;
  GetWindowRect(first, &first_rect);
  GetWindowRect(second, &second_rect);
  EXPECT_LT(second_rect.left, first_rect.left) << "the second list is the left panel";
  EXPECT_EQ(FocusOfThread(window), second);

  std::regex detailed(R"(Report\.2024\.pdf\t5\t\d\d\.\d\d\.\d{4} \d\d:\d\d\t[-r][-a][-h][-s])");
  EXPECT_TRUE(std::regex_match(FocusedItem(second), detailed)) << FocusedItem(second);
  std::vector<std::string> items = Items(second);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].substr(0, 9), "..\t<DIR>\t");
  EXPECT_EQ(items[1].substr(0, 17), "Photos.old\t<DIR>\t");
}

TEST_F(TcsimTest, AnswersQueriesForTheActivePanel) {
  tree.MakeFile("left\\Setup.exe");
  std::string left = tree.MakeDir("left"), right = tree.MakeDir("right");
  Launch(TcsimStart().Left(left).Right(right).Focus("Setup.exe"));
  EXPECT_EQ(host.Query("A"), "L");
  EXPECT_EQ(host.Query("SP"), left + "\\");
  EXPECT_EQ(host.Query("SN"), "Setup.exe");
  EXPECT_EQ(host.Query("XYZ"), std::nullopt);
  EXPECT_EQ(host.SendCopyData(0x4147, "SP"), 1) << "a query without its zero byte is read safely";

  Command(4002);
  EXPECT_EQ(host.Query("A"), "R");
  EXPECT_EQ(host.Query("SP"), right + "\\");
  EXPECT_EQ(host.Query("SN"), "..");
  EXPECT_GE(host.WaitForLog("GA \"SP\" -> \"" + right + "\\\""), 0) << host.LogText();
}

TEST_F(TcsimTest, ChangeDirectoryRequestChangesOneSide) {
  std::string a = tree.MakeDir("a"), b = tree.MakeDir("b");
  Launch();
  HWND window = host.Window();

  EXPECT_NE(host.ChangeDir(a, true), 0);
  EXPECT_EQ(WindowText(PathPanel(window, 3)), a + "\\*.*");  // done before the send returned
  EXPECT_EQ(WindowText(PathPanel(window, 4)), tree.Dir() + "\\*.*");
  int line = host.WaitForLog("CD hex=");
  ASSERT_GE(line, 0);
  EXPECT_NE(host.LogLines()[line].find("0D 00 00 left=\"" + a + "\" right=\"\" flags=\"\""),
            std::string::npos)
      << host.LogLines()[line];

  EXPECT_NE(host.ChangeDir(b, false), 0);
  EXPECT_EQ(WindowText(PathPanel(window, 4)), b + "\\*.*");
  EXPECT_EQ(WindowText(PathPanel(window, 3)), a + "\\*.*");
  EXPECT_GE(host.WaitForLog("hex=0D "), 0) << host.LogText();

  // A path that does not exist leaves the panel where it was.
  host.ChangeDir(tree.Path("missing"), true);
  EXPECT_EQ(host.Query("SP"), a + "\\");
  EXPECT_GE(host.WaitForLog("left unchanged"), 0) << host.LogText();
}

TEST_F(TcsimTest, UserCommandRequestRunsTheEnterCommand) {
  std::string target = tree.MakeDir("target\\sub");
  SetEnvironmentVariableA("KX_E2E_TARGET", tree.Path("target").c_str());
  Launch();
  SetEnvironmentVariableA("KX_E2E_TARGET", nullptr);

  host.RunUserCommand("em_KestrixEnter %%KX_E2E_TARGET%%\\sub");
  EXPECT_EQ(host.Query("SP"), target + "\\");
  EXPECT_GE(
      host.WaitForLog("EM \"em_KestrixEnter %%KX_E2E_TARGET%%\\sub\" -> em_KestrixEnter: cd \"" +
                      target + "\" -> left changed"),
      0)
      << host.LogText();

  host.RunUserCommand("em_Missing");
  EXPECT_GE(host.WaitForLog("EM \"em_Missing\" -> em_Missing: no such user command"), 0);
}

TEST_F(TcsimTest, FocusCommandsMoveTheKeyboardFocus) {
  Launch();
  Command(4002);
  EXPECT_EQ(FocusOfThread(host.Window()), FirstList());
  Command(4001);
  EXPECT_EQ(FocusOfThread(host.Window()), SecondList());
  EXPECT_EQ(host.Query("A"), "L");
}

TEST_F(TcsimTest, ExitCommandClosesTheHost) {
  Launch();
  ASSERT_TRUE(host.PostCommand(24340));
  ASSERT_TRUE(WaitForProcessExit(host.ProcessId(), 10000));
  EXPECT_EQ(host.ExitCode(), 0u);
  EXPECT_GE(host.WaitForLog("CMD 24340 -> closing"), 0);
  EXPECT_EQ(host.LogLines().back(), "EXIT");
}

TEST_F(TcsimTest, BoundKeyStartsTheUserCommandWithTheHostEnvironment) {
  std::string output = tree.Path("probe.txt");
  std::string program =
      tree.InstallProgram(ProbeExePath(), "Kestrix\\tc probe.exe", "\"" + output + "\"");
  ASSERT_FALSE(program.empty());
  Launch();

  ASSERT_TRUE(host.PressKey("F7"));
  EXPECT_GE(host.WaitForLog("KEY F7 -> em_Kestrix"), 0) << host.LogText();
  ASSERT_GE(host.WaitForLog("RUN pid="), 0) << host.LogText();
  std::vector<DWORD> started = host.StartedProcessIds();
  ASSERT_EQ(started.size(), 1u);
  ASSERT_TRUE(WaitForProcessExit(started[0], 10000));

  std::string probe = ReadFileText(output);
  ASSERT_FALSE(probe.empty()) << host.LogText();
  EXPECT_NE(probe.find("\nENV COMMANDER_PATH=" + tree.Dir() + "\n"), std::string::npos) << probe;
  EXPECT_NE(probe.find("\nENV COMMANDER_INI=" + tree.WincmdIni() + "\n"), std::string::npos)
      << probe;
  EXPECT_EQ(ProbeValue(probe, "CMDLINE"), "\"" + program + "\" \"" + output + "\"");
  EXPECT_EQ(ProbeValue(probe, "ARG1"), output);
  EXPECT_EQ(lstrcmpiA(WithoutTrailingSlash(ProbeValue(probe, "CWD")).c_str(),
                      tree.Path("Kestrix").c_str()),
            0)
      << probe;
  EXPECT_EQ(ProbeValue(probe, "FOREGROUND_CLASS"), "TTOTAL_CMD");
  EXPECT_EQ(ProbeValue(probe, "FOCUS_CLASS"), "TMyListBox");
}

TEST_F(TcsimTest, RealKeyboardPressReachesTheFocusedList) {
  tree.BindKestrix("cmd.exe", "/c exit");
  Launch();
  SetForegroundWindow(host.Window());
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_F7;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ASSERT_EQ(SendInput(2, keys, sizeof(INPUT)), 2u);
  EXPECT_GE(host.WaitForLog("KEY F7 -> em_Kestrix"), 0) << host.LogText();
}

TEST_F(TcsimTest, CommandLinePressesKeysInTheNewAndTheRunningHost) {
  tree.BindKestrix("cmd.exe", "/c exit");
  tree.SetWincmd("Shortcuts", "S+F7", "em_Kestrix");
  Launch(TcsimStart().Arg("--press").Arg("F7"));
  EXPECT_GE(host.WaitForLog("KEY F7 -> em_Kestrix"), 0) << host.LogText();

  std::string line = "\"";
  line += TcsimExePath();
  line += "\" --to-running --press S+F7";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION sender{};
  ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &sender));
  WaitForSingleObject(sender.hProcess, 10000);
  DWORD code = 99;
  GetExitCodeProcess(sender.hProcess, &code);
  CloseHandle(sender.hThread);
  CloseHandle(sender.hProcess);
  EXPECT_EQ(code, 0u);
  EXPECT_GE(host.WaitForLog("KEY S+F7 -> em_Kestrix"), 0) << host.LogText();
}

TEST_F(TcsimTest, LclBuildUsesItsOwnClasses) {
  std::string left = tree.MakeDir("left");
  Launch(TcsimStart().Left(left).Lcl());
  HWND window = host.Window();
  EXPECT_EQ(FindWindowExA(window, nullptr, "TMyListBox", nullptr), nullptr);
  EXPECT_EQ(FindNthChild(window, "TMyPanel", 1), nullptr);
  HWND first = FindWindowExW(window, nullptr, L"LCLListBox", L"");
  ASSERT_NE(first, nullptr);
  EXPECT_NE(FindWindowExW(window, first, L"LCLListBox", nullptr), nullptr);
  EXPECT_EQ(WindowText(FindNthChild(FindNthChild(window, "Window", 2), "Window", 1)), left + ">");
  EXPECT_EQ(ClassNameOf(FocusOfThread(window)), "LCLListBox");
}

TEST_F(TcsimTest, BadCommandLineEndsWithAMessage) {
  std::string error;
  EXPECT_FALSE(host.Start(TcsimStart().Arg("--view").Arg("wide"), &error));
  EXPECT_EQ(host.ExitCode(), 2u);
  EXPECT_NE(error.find("ERROR --view must be brief or detailed, not \"wide\""), std::string::npos)
      << error;
}

}  // namespace
}  // namespace kestrix::e2e
