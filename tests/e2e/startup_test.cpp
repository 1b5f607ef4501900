// Start-up as the host performs it: tcsim runs "tc Kestrix.exe" from its user command on
// F7, and the program delegates, opens its main window or opens its installer.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr char kTitle[] = "Total Commander Kestrix";
constexpr char kMainClass[] = "Ttc_KestrixForm";
constexpr char kInstallerClass[] = "TKestrix_Installer";
constexpr DWORD kWaitMs = 15000;

// "text" in quotes. Built with append: GCC 12 warns falsely on "literal" + std::string.
std::string Quoted(const std::string& text) {
  return std::string(1, '"').append(text).append(1, '"');
}

std::string ExeDir() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  return dir.substr(0, dir.find_last_of('\\'));
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

void RemoveTree(const std::string& dir) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = dir + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryA(dir.c_str());
}

template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeout_ms = kWaitMs) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeout_ms) return false;
    Sleep(20);
  }
  return true;
}

HWND WaitForWindow(const char* class_name, const char* caption, DWORD timeout_ms = kWaitMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = FindWindowA(class_name, caption);
        return found != nullptr && IsWindowVisible(found);
      },
      timeout_ms);
  return found != nullptr && IsWindowVisible(found) ? found : nullptr;
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

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
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

// Waits for a process given by id and returns its exit code, or -1 when it does not end.
int WaitForExit(DWORD process_id) {
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (process == nullptr) return -1;
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process, kWaitMs) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return static_cast<int>(code);
}

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    root_ = std::string(temp) + "kestrix-startup-" + std::to_string(GetCurrentProcessId()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    RemoveTree(root_);
    host_dir_ = root_ + "\\Total Cmd";
    panel_ = root_ + "\\panel";
    for (const std::string& dir : {root_, host_dir_, host_dir_ + "\\Kestrix", panel_,
                                   panel_ + "\\docs", root_ + "\\elsewhere"})
      ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr)) << dir;
    WriteText(panel_ + "\\readme.txt", "read me\r\n");
    WriteText(panel_ + "\\bundle.zip", "PK not really\r\n");
    WriteText(host_dir_ + "\\wincmd.ini", "[Configuration]\r\n[Shortcuts]\r\nF7=em_Kestrix\r\n");
    WriteText(host_dir_ + "\\usercmd.ini",
              "[em_Kestrix]\r\ncmd=\"%COMMANDER_PATH%\\Kestrix\\" KESTRIX_EXE_NAME "\"\r\n");
    installed_exe_ = host_dir_ + "\\Kestrix\\" KESTRIX_EXE_NAME;
    outside_exe_ = root_ + "\\elsewhere\\" KESTRIX_EXE_NAME;
    std::string built = ExeDir() + "\\" KESTRIX_EXE_NAME;
    ASSERT_TRUE(CopyFileA(built.c_str(), installed_exe_.c_str(), FALSE)) << built;
    ASSERT_TRUE(CopyFileA(built.c_str(), outside_exe_.c_str(), FALSE)) << built;
    log_ = root_ + "\\tcsim.log";
  }

  void TearDown() override {
    for (const char* class_name : {kMainClass, kInstallerClass, "#32770"}) {
      while (HWND window = FindWindowA(class_name, kTitle)) {
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
    // The programs may still hold their files for a moment after their windows close.
    WaitUntil(
        [&] {
          RemoveTree(root_);
          return GetFileAttributesA(root_.c_str()) == INVALID_FILE_ATTRIBUTES;
        },
        5000);
  }

  // Starts a program with COMMANDER_PATH and COMMANDER_INI set as the host sets them, or
  // with both removed.
  PROCESS_INFORMATION Start(const std::string& command_line, bool host_environment) {
    std::string path = host_dir_;
    std::string ini = host_dir_ + "\\wincmd.ini";
    SetEnvironmentVariableA("COMMANDER_PATH", host_environment ? path.c_str() : nullptr);
    SetEnvironmentVariableA("COMMANDER_INI", host_environment ? ini.c_str() : nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(command_line.begin(), command_line.end());
    line.push_back('\0');
    BOOL ok = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             root_.c_str(), &startup, &process);
    SetEnvironmentVariableA("COMMANDER_PATH", nullptr);
    SetEnvironmentVariableA("COMMANDER_INI", nullptr);
    EXPECT_TRUE(ok) << command_line << " error " << GetLastError();
    if (ok) started_.push_back(process);
    return process;
  }

  // tcsim with its left panel at `left` (active) and F7 pressed once its window shows.
  void StartHostWithF7(const std::string& left) {
    std::string tcsim = ExeDir() + "\\" TCSIM_EXE_NAME;
    Start(Quoted(tcsim) + " --commander-path " + Quoted(host_dir_) + " --left " + Quoted(left) +
              " --right " + Quoted(panel_) + " --active L --log " + Quoted(log_) + " --press F7",
          false);
  }

  std::string Log() { return ReadText(log_); }

  // The process id tcsim logged for the program it started.
  DWORD StartedKestrixId() {
    DWORD id = 0;
    WaitUntil([&] {
      std::string log = Log();
      size_t at = log.find("RUN pid=");
      if (at == std::string::npos) return false;
      id = static_cast<DWORD>(std::stoul(log.substr(at + 8)));
      return true;
    });
    return id;
  }

  void ExpectDelegated(const std::string& left) {
    StartHostWithF7(left);
    DWORD kestrix = StartedKestrixId();
    ASSERT_NE(kestrix, 0u) << Log();
    EXPECT_EQ(WaitForExit(kestrix), 0);
    EXPECT_TRUE(WaitUntil([&] { return Log().find("CMD 907") != std::string::npos; })) << Log();
    EXPECT_EQ(FindWindowA(kMainClass, nullptr), nullptr);
    EXPECT_EQ(FindWindowA(kInstallerClass, nullptr), nullptr);
  }

  std::string root_, host_dir_, panel_, installed_exe_, outside_exe_, log_;
  std::vector<PROCESS_INFORMATION> started_;
};

TEST_F(StartupTest, F7InTheHostOpensTheMainWindowOnTheActivePanel) {
  StartHostWithF7(panel_);
  HWND main = WaitForWindow(kMainClass, kTitle);
  ASSERT_NE(main, nullptr) << Log();
  EXPECT_EQ(CountWindows(kInstallerClass), 0);
  // The panel path it read from the host's windows is shown in the window.
  HWND path_label = GetDlgItem(main, 1001);
  EXPECT_EQ(WindowText(path_label), panel_ + "\\*.*");
  EXPECT_EQ(Log().find("CMD 907"), std::string::npos);

  // The window-menu maximise is refused.
  SendMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_FALSE(IsZoomed(main));

  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(main); }));
  // Closing writes the option states into the settings file beside the program.
  std::string settings = ReadText(host_dir_ + "\\Kestrix\\tc Kestrix.ini");
  EXPECT_NE(settings.find("CloseWindow=True"), std::string::npos) << settings;
  EXPECT_NE(settings.find("TC8B10FuncChecked=False"), std::string::npos) << settings;
  EXPECT_NE(settings.find("CurrentLng=ENG"), std::string::npos) << settings;
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

TEST_F(StartupTest, WithoutHostEnvironmentTheInstallerOpens) {
  Start(Quoted(installed_exe_), false);
  EXPECT_NE(WaitForWindow(kInstallerClass, kTitle), nullptr);
}

TEST_F(StartupTest, SetupSwitchInsideTheTreeOpensTheInstaller) {
  StartHostWithF7(panel_);  // a running host, so only the switch can lead to the installer
  ASSERT_NE(WaitForWindow(kMainClass, kTitle), nullptr) << Log();
  HWND main = FindWindowA(kMainClass, kTitle);
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
