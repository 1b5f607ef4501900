// The configuration dialog and file creation as a user meets them, from another process
// with the real keyboard and mouse: Ctrl+P, a theme and a language, OK; then a typed file
// name and Enter.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "e2e/tcsim_fixture.h"
#include "input/typing.h"
#include "ui/configuration_dialog.h"
#include "ui/control_ids.h"

namespace kestrix::e2e {
namespace {

constexpr char kMainClass[] = "Ttc_KestrixForm";

// The first tab of the tab control: a click gives the control the focus.
void ClickFirstTab(HWND tabs) {
  RECT rect = {};
  GetWindowRect(tabs, &rect);
  ClickAt(rect.left + 16, rect.top + 10);
}

bool Key(WORD key) {
  const bool sent = PressKey(key);
  Sleep(150);
  return sent;
}

// Opens a drop-down list with a click, types the start of an entry, and takes it with
// Enter when the list is still open (typing may already have closed it).
void Choose(HWND combo, const std::string& typed) {
  ClickOn(combo);
  WaitUntil([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 3000);
  TypeText(typed);
  Sleep(150);
  if (SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0) Key(VK_RETURN);
}

std::string SettingOf(const std::string& file, const char* section, const char* key) {
  char text[MAX_PATH] = {};
  GetPrivateProfileStringA(section, key, "<missing>", text, sizeof text, file.c_str());
  return text;
}

class ConfigurationJourney : public ::testing::Test {
 protected:
  void SetUp() override {
    panel_ = tree_.MakeDir("panel");
    ASSERT_FALSE(tree_.InstallProgram(KestrixExePath()).empty());
    settings_ = tree_.Path("Kestrix\\tc Kestrix.ini");
  }
  void TearDown() override {
    ReleaseKeys({VK_CONTROL});
    while (HWND window = FindWindowA(kMainClass, nullptr)) {
      PostMessageA(window, WM_CLOSE, 0, 0);
      if (!WaitUntil([&] { return !IsWindow(window); }, 5000)) break;
    }
    host_.Stop();
  }
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
    return ready ? main : nullptr;
  }

  HostTree tree_;
  Tcsim host_{tree_};
  std::string panel_, settings_;
  HWND name_ = nullptr;
};

TEST_F(ConfigurationJourney, NightfallAndGermanApplyAtOnceAndAreStored) {
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  const std::string english_caption = WindowText(GetDlgItem(main, kId_option_closewnd));
  ASSERT_TRUE(PressKey('P', {VK_CONTROL}));
  ReleaseKeys({VK_CONTROL});
  HWND dialog = WaitForWindow(kConfigurationClass, nullptr);
  ASSERT_NE(dialog, nullptr);
  HWND tabs = GetDlgItem(dialog, kCfg_tabs);

  // Window page: the theme list, "n" for nightfall.
  ClickFirstTab(tabs);
  ASSERT_TRUE(Key(VK_RIGHT));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(dialog, kCfg_cmbx_WndColor)); }));
  Choose(GetDlgItem(dialog, kCfg_cmbx_WndColor), "n");
  ASSERT_TRUE(IsWindow(dialog));
  // Language page: "d" twice goes from Danish to German.
  ClickFirstTab(tabs);
  ASSERT_TRUE(Key(VK_RIGHT) && Key(VK_RIGHT));
  ASSERT_TRUE(
      WaitUntil([&] { return IsWindowVisible(GetDlgItem(dialog, kCfg_cb_LanguageSelect)); }));
  Choose(GetDlgItem(dialog, kCfg_cb_LanguageSelect), "dd");
  EXPECT_EQ(WindowText(GetDlgItem(dialog, kCfg_cb_LanguageSelect)), "DEU - German");
  ClickOn(GetDlgItem(dialog, IDOK));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

  // The main window changed at once: flat buttons of the theme, German captions.
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(main, kId_btn_ok_flat)); }));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, kId_btn_ok)));
  EXPECT_NE(WindowText(GetDlgItem(main, kId_option_closewnd)), english_caption);
  EXPECT_EQ(SettingOf(settings_, "Configuration", "UseWindowTheme"), "True");
  EXPECT_EQ(SettingOf(settings_, "Configuration", "SelectedTheme"), "2");
  EXPECT_EQ(SettingOf(settings_, "Configuration", "FlatButtons"), "True");
  EXPECT_EQ(SettingOf(settings_, "Language", "CurrentLng"), "DEU");
}

TEST_F(ConfigurationJourney, TypedFileNameBecomesAnEmptyFileTheHostShows) {
  tree_.MakeFile("Kestrix\\tc Kestrix.ini",
                 "[FileCreation]\r\nEnable=True\r\n[ExtensionsEnabled]\r\n0=txt\r\n");
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  const size_t log_start = host_.LogLines().size();
  SendMessageA(name_, EM_SETSEL, 0, -1);
  ASSERT_TRUE(TypeText("notes.txt"));
  ASSERT_TRUE(PressKey(VK_RETURN));
  const std::string file = panel_ + "\\notes.txt";
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(main); })) << host_.LogText();
  const DWORD attributes = GetFileAttributesA(file.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(ReadFileText(file), "");
  const int change = host_.WaitForLog("CD hex=", log_start);
  ASSERT_GE(change, 0) << host_.LogText();
  EXPECT_NE(host_.LogLines()[change].find(file), std::string::npos) << host_.LogText();
}

}  // namespace
}  // namespace kestrix::e2e
