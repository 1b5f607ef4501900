// Start-up as the host performs it: tcsim runs "tc Kestrix.exe" from its user command on
// F7, and the program delegates, opens its main window or opens its installer.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/tcsim_fixture.h"
#include "host/host_snapshot.h"
#include "ui/control_ids.h"

namespace kestrix::e2e {
namespace {

constexpr char kTitle[] = "Total Commander Kestrix";
constexpr char kMainClass[] = "Ttc_KestrixForm";
// Normal mode's title: the application title, a blank and the (empty) attribute tag.
constexpr char kMainTitle[] = "Total Commander Kestrix ";
constexpr char kInstallerClass[] = "TKestrix_Installer";
constexpr DWORD kWaitMs = 15000;

// "text" in quotes. Built with append: GCC 12 warns falsely on "literal" + std::string.
std::string Quoted(const std::string& text) {
  return std::string(1, '"').append(text).append(1, '"');
}

struct WindowCount {
  const char* class_name;
  int count = 0;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM data) {
  auto* counter = reinterpret_cast<WindowCount*>(data);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, counter->class_name) == 0) ++counter->count;
  return TRUE;
}

int CountWindows(const char* class_name) {
  WindowCount counter{class_name};
  EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&counter));
  return counter.count;
}

BOOL CALLBACK CloseWindowOfProcess(HWND window, LPARAM process_id) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == static_cast<DWORD>(process_id)) PostMessageA(window, WM_CLOSE, 0, 0);
  return TRUE;
}

// Waits for a process while serving this thread's windows: a program taking the foreground
// from one of them sends it messages and would wait for an answer.
bool WaitPumping(HANDLE process, DWORD timeout_ms) {
  DWORD start = GetTickCount();
  for (;;) {
    DWORD elapsed = GetTickCount() - start;
    if (elapsed > timeout_ms) return false;
    DWORD result = MsgWaitForMultipleObjects(1, &process, FALSE, timeout_ms - elapsed, QS_ALLINPUT);
    if (result == WAIT_OBJECT_0) return true;
    if (result != WAIT_OBJECT_0 + 1) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
}

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    panel_ = tree_.MakeDir("panel");
    tree_.MakeDir("panel\\docs");
    tree_.MakeFile("panel\\readme.txt", "read me\r\n");
    tree_.MakeFile("panel\\bundle.zip", "PK not really\r\n");
    installed_exe_ = tree_.InstallProgram(KestrixExePath());
    ASSERT_FALSE(installed_exe_.empty());
    outside_exe_ = elsewhere_.Path(KESTRIX_EXE_NAME);
    ASSERT_TRUE(CopyFileA(KestrixExePath().c_str(), outside_exe_.c_str(), FALSE));
  }

  void TearDown() override {
    for (const char* class_name : {kMainClass, kInstallerClass, "#32770"}) {
      // The main window's title changes with the mode; the others keep the plain title.
      const char* caption = class_name == kMainClass ? nullptr : kTitle;
      while (HWND window = FindWindowA(class_name, caption)) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (!WaitUntil([&] { return !IsWindow(window); }, 5000)) break;
      }
    }
    for (PROCESS_INFORMATION& process : started_) {
      EnumWindows(CloseWindowOfProcess, static_cast<LPARAM>(process.dwProcessId));
      if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
      CloseHandle(process.hProcess);
      CloseHandle(process.hThread);
    }
    host_.Stop();
  }

  // Starts the program with COMMANDER_PATH and COMMANDER_INI set as the host sets them,
  // or with both removed.
  PROCESS_INFORMATION Start(const std::string& command_line, bool host_environment) {
    std::string ini = tree_.WincmdIni();
    SetEnvironmentVariableA("COMMANDER_PATH", host_environment ? tree_.Dir().c_str() : nullptr);
    SetEnvironmentVariableA("COMMANDER_INI", host_environment ? ini.c_str() : nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(command_line.begin(), command_line.end());
    line.push_back('\0');
    BOOL ok = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             tree_.Dir().c_str(), &startup, &process);
    SetEnvironmentVariableA("COMMANDER_PATH", nullptr);
    SetEnvironmentVariableA("COMMANDER_INI", nullptr);
    EXPECT_TRUE(ok) << command_line << " error " << GetLastError();
    if (ok) started_.push_back(process);
    return process;
  }

  // The host with its active left panel at `left`, F7 pressed.
  void StartHostWithF7(const std::string& left) { StartHostWithF7(TcsimStart().Left(left)); }
  void StartHostWithF7(TcsimStart start) {
    if (start.right.empty()) start.Right(panel_);
    std::string error;
    ASSERT_TRUE(host_.Start(start, &error)) << error;
    ASSERT_TRUE(host_.PressKey("F7"));
    ASSERT_GE(host_.WaitForLog("RUN pid="), 0) << host_.LogText();
  }

  void ExpectDelegated(const TcsimStart& start) {
    StartHostWithF7(start);
    std::vector<DWORD> started = host_.StartedProcessIds();
    ASSERT_EQ(started.size(), 1u) << host_.LogText();
    EXPECT_TRUE(WaitForProcessExit(started[0], kWaitMs));
    EXPECT_GE(host_.WaitForLog("CMD 907"), 0) << host_.LogText();
    EXPECT_EQ(FindWindowA(kMainClass, nullptr), nullptr);
    EXPECT_EQ(FindWindowA(kInstallerClass, nullptr), nullptr);
  }
  void ExpectDelegated(const std::string& left) { ExpectDelegated(TcsimStart().Left(left)); }

  HWND ExpectMainWindow(const TcsimStart& start) {
    StartHostWithF7(start);
    HWND main = WaitForWindow(kMainClass, kMainTitle);
    EXPECT_NE(main, nullptr) << host_.LogText();
    EXPECT_EQ(host_.LogText().find("CMD 907"), std::string::npos);
    return main;
  }

  HostTree tree_;
  HostTree elsewhere_;
  Tcsim host_{tree_};
  std::string panel_, installed_exe_, outside_exe_;
  std::vector<PROCESS_INFORMATION> started_;
};

TEST_F(StartupTest, F7InTheHostOpensTheMainWindowOnTheActivePanel) {
  StartHostWithF7(TcsimStart().Left(panel_).Focus("readme.txt"));
  HWND main = WaitForWindow(kMainClass, kMainTitle);
  ASSERT_NE(main, nullptr) << host_.LogText();
  EXPECT_EQ(CountWindows(kInstallerClass), 0);
  // The host answered the method probe, so path and item came through its queries.
  EXPECT_GE(host_.WaitForLog("GA \"SP\""), 0) << host_.LogText();
  EXPECT_EQ(WindowText(GetDlgItem(main, kId_lbl_currentPath)), ShortenPath(panel_ + "\\"));
  EXPECT_EQ(WindowText(GetDlgItem(main, kId_MkDir)), "readme");
  EXPECT_EQ(host_.LogText().find("CMD 907"), std::string::npos);

  // The window-menu maximise is refused.
  SendMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_FALSE(IsZoomed(main));

  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(main); }));
  // Closing writes the option states and the method the probe found.
  std::string settings = ReadFileText(tree_.Path("Kestrix\\tc Kestrix.ini"));
  EXPECT_NE(settings.find("CloseWindow=True"), std::string::npos) << settings;
  EXPECT_NE(settings.find("TC8B10FuncChecked=True"), std::string::npos) << settings;
  EXPECT_NE(settings.find("TC8B10Method=True"), std::string::npos) << settings;
  EXPECT_NE(settings.find("CurrentLng=ENG"), std::string::npos) << settings;
}

TEST_F(StartupTest, OlderHostIsReadFromItsWindows) {
  StartHostWithF7(TcsimStart().Left(panel_).Focus("readme.txt").Detailed().IgnoreGa());
  HWND main = WaitForWindow(kMainClass, kMainTitle);
  ASSERT_NE(main, nullptr) << host_.LogText();
  EXPECT_EQ(WindowText(GetDlgItem(main, kId_lbl_currentPath)), ShortenPath(panel_ + "\\"));
  EXPECT_EQ(WindowText(GetDlgItem(main, kId_MkDir)), "readme");
  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(main); }));
  std::string settings = ReadFileText(tree_.Path("Kestrix\\tc Kestrix.ini"));
  // The unanswered probe is not repeated, and the method stays off.
  EXPECT_NE(settings.find("TC8B10FuncChecked=True"), std::string::npos) << settings;
  EXPECT_EQ(settings.find("TC8B10Method=True"), std::string::npos) << settings;
}

TEST_F(StartupTest, ActivePrefixSelectsOnlyTheSuggestedName) {
  tree_.MakeFile("Kestrix\\tc Kestrix.ini",
                 "[PrefixSuffix]\r\nDirPrefix=2024_\r\nDirPrefixActive=True\r\n"
                 "DirSuffix=_old\r\nDirSuffixActive=True\r\n");
  StartHostWithF7(TcsimStart().Left(panel_).Focus("readme.txt"));
  HWND main = WaitForWindow(kMainClass, kMainTitle);
  ASSERT_NE(main, nullptr) << host_.LogText();
  HWND name = GetDlgItem(main, kId_MkDir);
  EXPECT_EQ(WindowText(name), "2024_readme_old");
  name = FindWindowExA(name, nullptr, "EDIT", nullptr);  // the combo box's own edit
  DWORD start = 0, end = 0;
  ASSERT_TRUE(WaitUntil(
      [&] {
        SendMessageA(name, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return start == 5 && end == 11;
      },
      3000))
      << start << ".." << end;
}

TEST_F(StartupTest, ArchiveTopLevelIsHandedBackToTheHost) {
  ExpectDelegated(panel_ + "\\bundle.zip\\*.*");
}

TEST_F(StartupTest, PluginFileSystemIsHandedBackToTheHost) {
  ExpectDelegated("\\\\\\Virtual Panel\\");
}

TEST_F(StartupTest, NumberedPseudoDriveIsHandedBackToTheHost) {
  ExpectDelegated("1:\\Sub\\");
}

TEST_F(StartupTest, ArchiveOnTheActiveRightPanelIsHandedBackToTheHost) {
  ExpectDelegated(TcsimStart().Left(panel_).Right(panel_ + "\\bundle.zip\\*.*").RightActive());
}

TEST_F(StartupTest, OtherHostBuildOpensTheMainWindow) {
  HWND main = ExpectMainWindow(TcsimStart().Left(panel_).Focus("readme.txt").Lcl());
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(main, kId_MkDir)), "readme");
}

TEST_F(StartupTest, OutsideTheHostTreeOpensTheInstallerAndASecondStartBringsItForward) {
  Start(Quoted(outside_exe_), true);
  HWND installer = WaitForWindow(kInstallerClass, kTitle);
  ASSERT_NE(installer, nullptr);
  EXPECT_EQ(FindWindowA(kMainClass, nullptr), nullptr);

  // Another window takes the foreground; the second start must give it back.
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                               100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  SetForegroundWindow(other);
  ASSERT_EQ(GetForegroundWindow(), other);

  PROCESS_INFORMATION second = Start(Quoted(outside_exe_), true);
  ASSERT_TRUE(WaitPumping(second.hProcess, kWaitMs));
  DWORD code = 1;
  GetExitCodeProcess(second.hProcess, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(CountWindows(kInstallerClass), 1);
  EXPECT_EQ(GetForegroundWindow(), installer);
  DestroyWindow(other);
}

TEST_F(StartupTest, WithoutHostEnvironmentTheInstallerRefuses) {
  PROCESS_INFORMATION kestrix = Start(Quoted(installed_exe_), false);
  HWND box = WaitForWindow("#32770", kTitle);
  ASSERT_NE(box, nullptr);
  char text[256] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  EXPECT_STREQ(text, "You have to run this utility from Total Commander (v7.00 or newer)!");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_EQ(WaitForSingleObject(kestrix.hProcess, kWaitMs), WAIT_OBJECT_0);
  EXPECT_EQ(FindWindowA(kInstallerClass, nullptr), nullptr);
}

TEST_F(StartupTest, SetupSwitchInsideTheTreeOpensTheInstaller) {
  StartHostWithF7(panel_);  // a running host, so only the switch can lead to the installer
  ASSERT_NE(WaitForWindow(kMainClass, kMainTitle), nullptr) << host_.LogText();
  HWND main = FindWindowA(kMainClass, kMainTitle);
  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(main); }));

  Start(Quoted(installed_exe_) + " /SetUpNow", true);
  EXPECT_NE(WaitForWindow(kInstallerClass, kTitle), nullptr);
  EXPECT_EQ(FindWindowA(kMainClass, nullptr), nullptr);
}

TEST_F(StartupTest, MissingHostWindowIsReported) {
  PROCESS_INFORMATION kestrix = Start(Quoted(installed_exe_), true);
  HWND box = WaitForWindow("#32770", kTitle);
  ASSERT_NE(box, nullptr);
  char text[256] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  EXPECT_STREQ(text, "Total Commander isn't running!");
  // The main window exists while the message shows but is never made visible.
  HWND hidden_main = FindWindowA(kMainClass, kTitle);
  EXPECT_TRUE(hidden_main == nullptr || !IsWindowVisible(hidden_main));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_EQ(WaitForSingleObject(kestrix.hProcess, kWaitMs), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(kestrix.hProcess, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(FindWindowA(kMainClass, nullptr), nullptr);
}

}  // namespace
}  // namespace kestrix::e2e

namespace kestrix {
namespace e2e {
namespace {

bool IsDirectory(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The typical request, typed: F7 on "Setup.exe" suggests "Setup" selected whole, so the
// first key replaces it; a name with a year variable switches replacements on; Enter
// creates every level, tells the host to re-read and to show the new directory, and the
// window closes.
TEST_F(StartupTest, TypicalRequestTypedCreatesTheLevelsAndCloses) {
  tree_.MakeFile("panel\\Setup.exe", "MZ");
  StartHostWithF7(TcsimStart().Left(panel_).Focus("Setup.exe"));
  HWND main = WaitForWindow(kMainClass, kMainTitle);
  ASSERT_NE(main, nullptr) << host_.LogText();
  HWND combo = GetDlgItem(main, kId_MkDir);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(combo) == "Setup"; }, 3000)) << WindowText(combo);
  ASSERT_TRUE(TypeText("Programs\\Audio\\%Y"));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(combo) == "Programs\\Audio\\%Y"; }, 3000))
      << WindowText(combo);
  EXPECT_EQ(SendMessageA(GetDlgItem(main, kId_option_replacements), BM_GETCHECK, 0, 0),
            BST_CHECKED);
  SYSTEMTIME now;
  GetLocalTime(&now);
  const std::string year = std::to_string(now.wYear);
  EXPECT_NE(WindowText(GetDlgItem(main, kId_lbl_newdirname)).find(year), std::string::npos);

  ASSERT_TRUE(PressKey(VK_RETURN));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(main); }, 10000)) << host_.LogText();
  EXPECT_TRUE(IsDirectory(panel_ + "\\Programs\\Audio\\" + year));
  EXPECT_GE(host_.WaitForLog("CMD 540"), 0) << host_.LogText();
  EXPECT_GE(host_.WaitForLog("CD "), 0) << host_.LogText();
  // The host's history holds the chain as it was created, with the year expanded, once.
  char history[MAX_PATH] = {};
  GetPrivateProfileStringA("MkDirHistory", "0", "", history, sizeof history,
                           tree_.WincmdIni().c_str());
  EXPECT_EQ(std::string(history), "Programs\\Audio\\" + year) << ReadFileText(tree_.WincmdIni());
  GetPrivateProfileStringA("MkDirHistory", "1", "", history, sizeof history,
                           tree_.WincmdIni().c_str());
  EXPECT_EQ(std::string(history), "");
}

// Names and siblings together: every "|" part is a name, and the "*" names inside a part
// are its subdirectories.
TEST_F(StartupTest, PipesWithStarsTypedCreateEachPartsTree) {
  StartHostWithF7(TcsimStart().Left(panel_).Focus("readme.txt"));
  HWND main = WaitForWindow(kMainClass, kMainTitle);
  ASSERT_NE(main, nullptr) << host_.LogText();
  ASSERT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(main, kId_MkDir)) == "readme"; }));
  ASSERT_TRUE(TypeText("proj*src*doc|notes|a|b*c"));
  ASSERT_TRUE(PressKey(VK_RETURN));
  ASSERT_TRUE(WaitUntil([&] { return IsDirectory(panel_ + "\\b\\c"); }, 10000));
  for (const char* dir : {"proj", "proj\\src", "proj\\doc", "notes", "a", "b"})
    EXPECT_TRUE(IsDirectory(panel_ + "\\" + dir)) << dir;
  EXPECT_FALSE(IsDirectory(panel_ + "\\projprojsrcdoc"));
}

// A failing variable shows its message, and OK works again afterwards; a return from
// another program keeps the mode and the typed text.
TEST_F(StartupTest, OkWorksAfterAVariableErrorAndAnAppSwitchKeepsTheWindowState) {
  tree_.MakeFile("Kestrix\\Plugins\\app_bad.ini",
                 "[Configuration]\r\nMethodNum=2\r\nWndClass=TTOTAL_CMD\r\ndwData=xyz\r\n");
  StartHostWithF7(TcsimStart().Left(panel_).Focus("readme.txt"));
  HWND main = WaitForWindow(kMainClass, kMainTitle);
  ASSERT_NE(main, nullptr) << host_.LogText();
  HWND combo = GetDlgItem(main, kId_MkDir);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(combo) == "readme"; }));
  ASSERT_TRUE(TypeText("x{bad}"));
  ASSERT_TRUE(PressKey(VK_RETURN));
  HWND message = WaitForWindow("#32770", kTitle, 10000);
  ASSERT_NE(message, nullptr) << "no message for the failing variable";
  ASSERT_TRUE(PressKey(VK_RETURN));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(message); }, 5000));

  // Extended mode and a typed list, then the host comes forward and the user returns.
  ASSERT_TRUE(PressKey(VK_F3));
  HWND list = GetDlgItem(main, kId_MkDirExt);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(list) != FALSE; }, 3000));
  ASSERT_TRUE(PressKey('A', {VK_CONTROL}));
  ReleaseKeys({VK_CONTROL});
  ASSERT_TRUE(TypeText("kept"));
  SetForegroundWindow(host_.Window());
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == host_.Window(); }, 3000));
  SetForegroundWindow(main);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }, 3000));
  Sleep(300);
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(WindowText(list), "kept");

  ASSERT_TRUE(PressKey(VK_RETURN, {VK_CONTROL}));
  ReleaseKeys({VK_CONTROL});
  EXPECT_TRUE(WaitUntil([&] { return IsDirectory(panel_ + "\\kept"); }, 10000))
      << "OK stayed dead after the error";
}

}  // namespace
}  // namespace e2e
}  // namespace kestrix
