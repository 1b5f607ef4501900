// The installer as a user meets it: started from a fresh host, clicked through Install,
// Close and OK; the restarted host's F7 opens the installed copy; started again, it
// uninstalls, and the host's files end as they began. Without the host, it refuses.
#include <gtest/gtest.h>

#include "base/text_utils.h"
#include "base/utf8.h"
#include "input/typing.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/wide_text.h"
#include "settings/big_ini_file.h"
#include "tcsim_fixture.h"
#include "ui/installer/installer_form.h"

namespace kestrix::e2e {
namespace {

constexpr char kInstallerClass[] = "TKestrix_Installer";

// A host file as the INI component reads it, one line per key, without the history that
// every creation changes.
std::vector<std::string> Keys(const std::string& path) {
  Win32FileSystem files;
  BigIniFile ini(files, path);
  std::vector<std::string> lines, kept;
  ini.GetStrings(lines);
  bool history = false;
  for (const std::string& line : lines) {
    if (line.starts_with("[")) history = line == "[MkDirHistory]";
    if (!history && !line.empty()) kept.push_back(line);
  }
  return kept;
}

// A real left click in the middle of a control of the foreground window.
void ClickOn(HWND window, ControlId id) {
  SetForegroundWindow(window);
  kestrix::ClickOn(kestrix::Item(window, id));
}

std::string ImageOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
  wchar_t path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  if (process != nullptr) {
    QueryFullProcessImageNameW(process, 0, path, &size);
    CloseHandle(process);
  }
  return Utf8(path);
}

class InstallerJourney : public ::testing::Test {
 protected:
  void TearDown() override {
    for (HWND window : {FindWindowA(kInstallerClass, nullptr), FindWindowA("TTOTAL_CMD", nullptr)})
      if (window != nullptr) PostMessageA(window, WM_CLOSE, 0, 0);
    for (HANDLE process : started_) {
      if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
      CloseHandle(process);
    }
  }

  // The downloaded program started as a user runs it from the host's panel, with the
  // host's environment, or without it from outside the host. The restarted host logs
  // where the test reads.
  HANDLE Start(bool from_host = true) {
    if (from_host) {
      SetEnvironmentVariableA("COMMANDER_PATH", tree_.Dir().c_str());
      SetEnvironmentVariableA("COMMANDER_INI", tree_.WincmdIni().c_str());
      SetEnvironmentVariableA("TCSIM_LOG", tree_.Path("restarted.log").c_str());
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string line = Concat({"\"", KestrixExePath(), "\""});
    const bool ok = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   TestBinaryDir().c_str(), &startup, &process);
    for (const char* name : {"COMMANDER_PATH", "COMMANDER_INI", "TCSIM_LOG"})
      SetEnvironmentVariableA(name, nullptr);
    if (!ok) return nullptr;
    CloseHandle(process.hThread);
    started_.push_back(process.hProcess);
    return process.hProcess;
  }
  HWND StartInstaller() { return Start() ? WaitForWindow(kInstallerClass, kTitle) : nullptr; }

  bool WaitFinished(HWND installer) {
    return WaitUntil(
        [&] { return IsWindowEnabled(Item(installer, InstallerControl::kInstallButton)) != 0; });
  }

  HostTree tree_{true};
  Tcsim host_{tree_};
  std::vector<HANDLE> started_;
};

TEST_F(InstallerJourney, InstallRunAndUninstallLeaveTheHostAsItWas) {
  // The host writes its file in UTF-16 when names need it: Cyrillic, CJK and an emoji (a
  // surrogate pair) in its tabs and in its own history entry must all survive.
  const std::string tabs =
      "[left]\r\npath=C:\\Проекты\\\r\n\r\n[Tabs]\r\nleft=C:\\Проекты\\日本語\\\r\nright=D:"
      "\\😀\\\r\n\r\n";
  const std::string host_entry = "=Отчёт 日本 😀\r\n";
  tree_.MakeFile("wincmd.ini", "\xFF\xFE" + Utf16LeFromUtf8(ReadFileText(tree_.WincmdIni()) + tabs +
                                                            "[MkDirHistory]\r\n0" + host_entry));
  const std::vector<std::string> wincmd_before = Keys(tree_.WincmdIni());
  const std::vector<std::string> usercmd_before = Keys(tree_.UsercmdIni());
  std::string error;
  ASSERT_TRUE(host_.Start({.as_host = true}, &error)) << error;

  HWND installer = StartInstaller();
  ASSERT_NE(installer, nullptr);
  EXPECT_EQ(WindowText(Item(installer, InstallerControl::kInstallDirField)),
            "Kestrix\\tc Kestrix.exe");
  ShotOf(installer, "installer-choosing");
  ClickOn(installer, InstallerControl::kInstallButton);
  ASSERT_TRUE(WaitUntil(
      [&] { return IsWindowVisible(Item(installer, InstallerControl::kCloseHostButton)); }));
  ASSERT_TRUE(WaitUntil(
      [&] {
        return WindowText(Item(installer, InstallerControl::kCloseHostButton)) == "Close (9)";
      },
      3000));
  ShotOf(installer, "installer-counting-down");
  ClickOn(installer, InstallerControl::kCloseHostButton);
  ASSERT_TRUE(WaitUntil([&] { return host_.ExitCode().has_value(); }));
  ASSERT_TRUE(WaitFinished(installer));
  EXPECT_EQ(WindowText(Item(installer, InstallerControl::kVersionPanel)),
            "Installed - use the tool by pressing F7 key in TC.");
  ShotOf(installer, "installer-finished");
  for (const char* file : {"Kestrix\\tc Kestrix.exe", "Kestrix\\tc Kestrix.ini",
                           "Kestrix\\readme.txt", "Kestrix\\help_eng.html", "wincmd.old"})
    EXPECT_NE(GetFileAttributesA(tree_.Path(file).c_str()), INVALID_FILE_ATTRIBUTES) << file;

  // OK starts the host again; its F7 runs the installed copy.
  ClickOn(installer, InstallerControl::kInstallButton);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(installer); }));
  HWND host = WaitForWindow("TTOTAL_CMD", nullptr);
  ASSERT_NE(host, nullptr);
  EXPECT_TRUE(EqualsIgnoreCase(ImageOf(host), tree_.Path("TOTALCMD.EXE")));
  // Ten directories made as a user makes them, each adding to the host's history.
  for (int made = 0; made < 10; ++made) {
    SetForegroundWindow(host);
    Sleep(300);
    ASSERT_TRUE(PressKey(VK_F7));
    HWND main = WaitForMainWindow();
    ASSERT_NE(main, nullptr) << ReadFileText(tree_.Path("restarted.log"));
    EXPECT_TRUE(EqualsIgnoreCase(ImageOf(main), tree_.Path("Kestrix\\tc Kestrix.exe")));
    ASSERT_TRUE(TypeText("made " + std::to_string(made)));
    ASSERT_TRUE(PressKey(VK_RETURN));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(main); }, 10000)) << made;
  }
  const std::string made = ReadFileText(tree_.WincmdIni());
  EXPECT_NE(made.find(Utf16LeFromUtf8("[MkDirHistory]\r\n0=made 9\r\n")), std::string::npos)
      << made;
  EXPECT_NE(made.find(Utf16LeFromUtf8("10" + host_entry)), std::string::npos);
  PostMessageA(host, 0x433, 24340, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(host); }));

  // Started again, the installer finds the installation and removes it.
  installer = StartInstaller();
  ASSERT_NE(installer, nullptr);
  ClickOn(installer, InstallerControl::kNoKeyOption);
  EXPECT_EQ(WindowText(Item(installer, InstallerControl::kInstallButton)), "Uninstall");
  const std::string installed = ReadFileText(tree_.WincmdIni());
  ClickOn(installer, InstallerControl::kInstallButton);
  ASSERT_TRUE(WaitFinished(installer));
  // The backup holds the host's file as the uninstallation found it.
  EXPECT_EQ(ReadFileText(tree_.Path("wincmd.old")), installed);
  EXPECT_EQ(Keys(tree_.WincmdIni()), wincmd_before);
  EXPECT_EQ(Keys(tree_.UsercmdIni()), usercmd_before);
  const std::string after = ReadFileText(tree_.WincmdIni());
  EXPECT_TRUE(after.starts_with("\xFF\xFE"));
  EXPECT_NE(after.find(Utf16LeFromUtf8(tabs)), std::string::npos);
  EXPECT_NE(after.find(Utf16LeFromUtf8(host_entry)), std::string::npos);
  EXPECT_EQ(GetFileAttributesA(tree_.Path("Kestrix").c_str()), INVALID_FILE_ATTRIBUTES);
}

// The user's own commands that start the downloaded program, before and after Kestrix's
// own, and keys bound to them stay through install, install again and uninstall.
TEST_F(InstallerJourney, TheUsersOwnCommandsAndKeysStayAsTheyWere) {
  const std::string mine = "[em_setup]\r\ncmd=" + KestrixExePath() + "\r\nparam=/INSTALL\r\n",
                    also_mine = "[em_KestrixTool]\r\ncmd=%COMMANDER_PATH%\\Kestrix.exe\r\n",
                    keys = "[Shortcuts]\r\nF3=em_setup\r\nC+F7=em_KestrixTool\r\n";
  ASSERT_FALSE(tree_.InstallProgram(KestrixExePath()).empty());
  const std::string own = ReadFileText(tree_.UsercmdIni());
  tree_.MakeFile("usercmd.ini", mine + own + also_mine);
  tree_.MakeFile("wincmd.ini", keys + "F7=em_Kestrix\r\n");
  for (const bool uninstall : {false, false, true}) {
    HWND installer = StartInstaller();
    ASSERT_NE(installer, nullptr);
    EXPECT_EQ(WindowText(Item(installer, InstallerControl::kInstallDirField)),
              "Kestrix\\tc Kestrix.exe");
    if (uninstall) ClickOn(installer, InstallerControl::kNoKeyOption);
    ClickOn(installer,
            InstallerControl::kInstallButton);  // the host is closed: the steps run at once
    ASSERT_TRUE(WaitFinished(installer));
    PostMessageA(installer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(installer); }));
    const std::string kestrix = own + also_mine + "[em_KestrixEnter]\r\nbutton=\r\ncmd=cd\r\n";
    EXPECT_EQ(Keys(tree_.UsercmdIni()),
              Keys(tree_.MakeFile("u.expected", mine + (uninstall ? also_mine : kestrix))));
    EXPECT_EQ(Keys(tree_.WincmdIni()),
              Keys(tree_.MakeFile("w.expected", keys + (uninstall ? "" : "F7=em_Kestrix\r\n"))));
  }
}

// A host file that another program holds (a sync client, an editor): the backup fails, so
// nothing changes; the user reads which file and why, and the window still closes.
TEST_F(InstallerJourney, AHeldHostFileStopsTheInstallWithItsReason) {
  HWND installer = StartInstaller();
  ASSERT_NE(installer, nullptr);
  HANDLE held =
      CreateFileA(tree_.WincmdIni().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ClickOn(installer, InstallerControl::kInstallButton);
  HWND box = WaitForWindow("#32770", kTitle);
  ASSERT_NE(box, nullptr);
  const std::string text = WindowText(GetDlgItem(box, 0xFFFF));
  EXPECT_NE(text.find(Concat({"\"", tree_.WincmdIni(), "\" is being used by another"})),
            std::string::npos)
      << text;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  CloseHandle(held);
  EXPECT_EQ(WindowText(Item(installer, InstallerControl::kStep1Mark + 1)), "failed");
  for (const char* file : {"wincmd.old", "Kestrix"})
    EXPECT_EQ(GetFileAttributesA(tree_.Path(file).c_str()), INVALID_FILE_ATTRIBUTES) << file;
  PostMessageA(installer, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(installer); }));
}

TEST_F(InstallerJourney, WithoutTheHostTheInstallerRefuses) {
  HANDLE kestrix = Start(false);
  HWND box = WaitForWindow("#32770", kTitle);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)),
            "You have to run this utility from Total Commander (v7.00 or newer)!");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitServing([&] { return WaitForSingleObject(kestrix, 0) == WAIT_OBJECT_0; }));
  EXPECT_EQ(FindWindowA(kInstallerClass, nullptr), nullptr);
}

}  // namespace
}  // namespace kestrix::e2e
