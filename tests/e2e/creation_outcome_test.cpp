// What happens after OK, driven from another process with the real keyboard: the held
// Shift enters the new directory, the held Alt keeps the window open, and a batch series
// is created by one OK. The stand-in host's log shows the requests in the order they came.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "e2e/tcsim_fixture.h"
#include "host/host_snapshot.h"
#include "ui/control_ids.h"

namespace kestrix::e2e {
namespace {

constexpr char kMainClass[] = "Ttc_KestrixForm";
constexpr DWORD kWaitMs = 15000;

bool IsDirectory(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

class CreationOutcomeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    panel_ = tree_.MakeDir("panel");
    ASSERT_FALSE(tree_.InstallProgram(KestrixExePath()).empty());
  }

  void TearDown() override {
    ReleaseKeys({VK_SHIFT, VK_MENU, VK_CONTROL});
    while (HWND window = FindWindowA(kMainClass, nullptr)) {
      PostMessageA(window, WM_CLOSE, 0, 0);
      if (!WaitUntil([&] { return !IsWindow(window); }, 5000)) break;
    }
    host_.Stop();
  }

  // F7 in the host opens the main window on the panel; returns once the name field has
  // the keyboard focus in the foreground window, so that real key presses reach it.
  HWND OpenMainWindow() {
    std::string error;
    EXPECT_TRUE(host_.Start(TcsimStart().Left(panel_).Right(panel_), &error)) << error;
    EXPECT_TRUE(host_.PressKey("F7"));
    HWND main = WaitForWindow(kMainClass, nullptr);
    if (main == nullptr) return nullptr;
    name_ = FindWindowExA(GetDlgItem(main, kId_MkDir), nullptr, "EDIT", nullptr);
    const bool ready = WaitUntil([&] {
      if (GetForegroundWindow() != main) SetForegroundWindow(main);
      return GetForegroundWindow() == main && FocusOfThread(main) == name_;
    });
    EXPECT_TRUE(ready) << "focus " << ClassNameOf(FocusOfThread(main));
    log_start_ = host_.LogLines().size();
    return ready ? main : nullptr;
  }

  void TypeName(const std::string& text) const {
    SendMessageA(name_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }

  // The first log line from `from` on that holds `text`, waited for; -1 when none came.
  int LogLine(const std::string& text, size_t from) const {
    return host_.WaitForLog(text, from, kWaitMs);
  }
  int CountLog(const std::string& text) const {
    int count = 0;
    std::vector<std::string> lines = host_.LogLines();
    for (size_t i = log_start_; i < lines.size(); ++i)
      if (lines[i].find(text) != std::string::npos) ++count;
    return count;
  }
  // How a change-directory request for the left panel appears in the log.
  static std::string LeftChange(const std::string& path) {
    return std::string("left=\"").append(path).append("\" right=\"\"");
  }

  std::string History(int index) const {
    char text[MAX_PATH] = {};
    GetPrivateProfileStringA("MkDirHistory", std::to_string(index).c_str(), "", text, sizeof text,
                             tree_.WincmdIni().c_str());
    return text;
  }

  HostTree tree_;
  Tcsim host_{tree_};
  std::string panel_;
  HWND name_ = nullptr;
  size_t log_start_ = 0;
};

TEST_F(CreationOutcomeTest, ShiftEnterCreatesTheNameAndTheHostEntersIt) {
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  TypeName("Shifted");
  ASSERT_TRUE(PressKey(VK_RETURN, {VK_SHIFT}));
  // "Close the window after directory creation" is checked by default.
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(main); })) << host_.LogText();
  ReleaseKeys({VK_SHIFT});

  const std::string created = panel_ + "\\Shifted";
  EXPECT_TRUE(IsDirectory(created));
  // Entered, not selected: one change request to the new directory, then the re-read,
  // and no step back to the parent.
  const int change = LogLine("CD hex=", log_start_);
  ASSERT_GE(change, 0) << host_.LogText();
  EXPECT_NE(host_.LogLines()[change].find(LeftChange(created)), std::string::npos)
      << host_.LogText();
  EXPECT_GT(LogLine("CMD 540", change), change) << host_.LogText();
  EXPECT_EQ(CountLog("CMD 2002"), 0) << host_.LogText();
  EXPECT_EQ(host_.Query("SP"), created + "\\");
  EXPECT_EQ(History(0), "Shifted");
}

TEST_F(CreationOutcomeTest, AltEnterKeepsTheWindowOpenForTheNextNameInTheSamePath) {
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  const std::string shown_path = WindowText(GetDlgItem(main, kId_lbl_currentPath));
  TypeName("First");
  ASSERT_TRUE(PressKey(VK_RETURN, {VK_MENU}));
  // Staying open empties the name field; closing would not.
  ASSERT_TRUE(WaitUntil([&] { return WindowText(name_).empty(); })) << host_.LogText();
  ReleaseKeys({VK_MENU});
  EXPECT_TRUE(IsDirectory(panel_ + "\\First"));

  // Not entered: the host changes to the new directory and steps back to its parent, so
  // that its cursor stands on it; then it re-reads the panel.
  const int change = LogLine("CD hex=", log_start_);
  ASSERT_GE(change, 0) << host_.LogText();
  EXPECT_NE(host_.LogLines()[change].find(LeftChange(panel_ + "\\First")), std::string::npos)
      << host_.LogText();
  const int parent = LogLine("CMD 2002", change);
  EXPECT_GT(parent, change) << host_.LogText();
  EXPECT_GT(LogLine("CMD 540", parent), parent) << host_.LogText();
  EXPECT_EQ(host_.Query("SP"), panel_ + "\\");
  EXPECT_EQ(host_.Query("SN"), "First");

  // The window stayed, with the name field focused and the current path unchanged:
  // Alt only keeps the window open, it does not move into the new directory.
  ASSERT_TRUE(IsWindow(main));
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(WindowText(GetDlgItem(main, kId_lbl_currentPath)), shown_path);
  EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(main) == name_; }));
  EXPECT_EQ(History(0), "First");

  log_start_ = host_.LogLines().size();
  TypeName("Second");
  ASSERT_TRUE(PressKey(VK_RETURN));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(main); })) << host_.LogText();
  EXPECT_TRUE(IsDirectory(panel_ + "\\Second"));
  EXPECT_FALSE(IsDirectory(panel_ + "\\First\\Second"));
  EXPECT_GE(LogLine(LeftChange(panel_ + "\\Second"), log_start_), 0) << host_.LogText();
  EXPECT_EQ(History(0), "Second");
  EXPECT_EQ(History(1), "First");
}

// Alt with Shift: the host enters the new directory and the window, kept open by Alt
// although it is set to close, follows it, so the next name is created inside.
TEST_F(CreationOutcomeTest, AltKeepsTheWindowOpenAndTheEnteredDirectoryTakesTheNextName) {
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  EXPECT_EQ(SendMessageA(GetDlgItem(main, kId_option_closewnd), BM_GETCHECK, 0, 0), BST_CHECKED);
  TypeName("Outer");
  ASSERT_TRUE(PressKey(VK_RETURN, {VK_SHIFT, VK_MENU}));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(name_).empty(); })) << host_.LogText();
  ReleaseKeys({VK_SHIFT, VK_MENU});
  const std::string outer = panel_ + "\\Outer";
  EXPECT_EQ(host_.Query("SP"), outer + "\\");
  EXPECT_EQ(WindowText(GetDlgItem(main, kId_lbl_currentPath)), ShortenPath(outer + "\\"));

  TypeName("Inner");
  ASSERT_TRUE(PressKey(VK_RETURN));
  ASSERT_TRUE(WaitUntil([&] { return IsDirectory(outer + "\\Inner"); })) << host_.LogText();
  // Without Alt the window closes as set; the history is written after the directory.
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(main); })) << host_.LogText();
  EXPECT_TRUE(WaitUntil([&] { return History(0) == "Inner"; })) << History(0);
  EXPECT_EQ(History(1), "Outer");
  EXPECT_FALSE(IsDirectory(panel_ + "\\Inner"));
}

TEST_F(CreationOutcomeTest, BatchSeriesIsCreatedByOneOk) {
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  std::vector<DWORD> started = host_.StartedProcessIds();
  ASSERT_EQ(started.size(), 1u) << host_.LogText();
  ASSERT_TRUE(PressKey(VK_F8));
  HWND list = GetDlgItem(main, kId_MkDirExt);
  ASSERT_TRUE(WaitUntil([&] {
    return IsWindowVisible(GetDlgItem(main, kId_grp_batchDir)) && IsWindowVisible(list);
  }));

  HWND prefix = FindWindowExA(GetDlgItem(main, kId_cmbx_prefix), nullptr, "EDIT", nullptr);
  ASSERT_NE(prefix, nullptr);
  SendMessageA(prefix, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Disc "));
  SendMessageA(GetDlgItem(main, kId_edit_from), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1"));
  SendMessageA(GetDlgItem(main, kId_edit_to), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("3"));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(list) == "Disc 1\r\nDisc 2\r\nDisc 3"; }))
      << WindowText(list);
  const std::string settings_file = tree_.Path("Kestrix\\tc Kestrix.ini");
  const std::string settings_before = ReadFileText(settings_file);

  PostMessageA(GetDlgItem(main, kId_btn_ok), BM_CLICK, 0, 0);
  // A list run that closes ends the program at once.
  ASSERT_TRUE(WaitForProcessExit(started[0], kWaitMs)) << host_.LogText();
  for (const char* name : {"Disc 1", "Disc 2", "Disc 3"})
    EXPECT_TRUE(IsDirectory(panel_ + "\\" + name)) << name;

  // The host is shown the last line (several targets are never entered), then re-reads
  // its panel once.
  const int change = LogLine("CD hex=", log_start_);
  ASSERT_GE(change, 0) << host_.LogText();
  EXPECT_NE(host_.LogLines()[change].find(LeftChange(panel_ + "\\Disc 3")), std::string::npos)
      << host_.LogText();
  const int parent = LogLine("CMD 2002", change);
  EXPECT_GT(parent, change) << host_.LogText();
  EXPECT_GT(LogLine("CMD 540", parent), parent) << host_.LogText();
  EXPECT_EQ(CountLog("CMD 540"), 1) << host_.LogText();
  EXPECT_EQ(host_.Query("SN"), "Disc 3");
  // A generated list is not a typed text: the history stays empty, and ending at once
  // writes none of the closing keys.
  EXPECT_EQ(History(0), "");
  EXPECT_EQ(ReadFileText(settings_file), settings_before);
}

}  // namespace
}  // namespace kestrix::e2e
