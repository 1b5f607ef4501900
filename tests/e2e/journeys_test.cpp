// The user's journeys as the host starts them: tcsim runs "tc Kestrix.exe" from its user
// command on F7, and the user types and clicks (real keyboard and mouse input). Each checks
// what the windows show, what lands on disk and what the host was asked and wrote; the
// journeys every user takes run against both builds of the host, ANSI and Unicode.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "e2e/tcsim_fixture.h"
#include "host/host_snapshot.h"
#include "input/typing.h"
#include "platform/win32/host_process_win32.h"
#include "platform/win32/wide_text.h"
#include "ui/config/configuration_dialog.h"
#include "ui/dialogs/dialog_ids.h"
#include "ui/main/control_ids.h"

namespace kestrix::e2e {
namespace {

constexpr DWORD kWaitMs = 15000;

// A click into the field, Ctrl+A, the new text typed over the selection. A Ctrl pressed
// right after a click is lost in some runs under Wine, so the selection is checked and the
// keys pressed again (a stray "a" is then selected with the rest).
bool Retype(HWND field, const std::string& text) {
  HWND edit = FindWindowExW(field, nullptr, L"EDIT", nullptr);  // a combo box's own edit
  if (edit == nullptr) edit = field;
  ClickOn(edit);
  const bool selected = WaitUntil(
      [&] {
        PressKey('A', {VK_CONTROL});
        ReleaseKeys({VK_CONTROL});
        Sleep(100);
        // Across processes only the packed return value carries the selection.
        const DWORD selection = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
        return LOWORD(selection) == 0 && HIWORD(selection) == Wide(WindowText(edit)).size();
      },
      3000);
  return selected && TypeText(text);
}

std::string SettingOf(const std::string& file, const char* section, const std::string& key) {
  wchar_t text[MAX_PATH] = {};
  GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), L"", text, MAX_PATH,
                           Wide(file).c_str());
  return Utf8(text);
}

// The journeys, against the host's ANSI build (false) or its Unicode build (true).
class JourneyTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    unicode_ = GetParam();
    // The Unicode host keeps its wincmd.ini in UTF-16 once a name needs it.
    if (unicode_)
      tree_.MakeFile("wincmd.ini", "\xFF\xFE" + Utf16LeFromUtf8(ReadFileText(tree_.WincmdIni())));
    panel_ = tree_.MakeDir("panel");
    ASSERT_FALSE(tree_.InstallProgram(KestrixExePath()).empty());
  }
  void TearDown() override {
    ReleaseKeys({VK_SHIFT, VK_MENU, VK_CONTROL});
    // A message box first: the main window under it closes only after it.
    for (const char* class_name : {"#32770", kMainClass}) {
      while (HWND window = FindWindowA(class_name, class_name == kMainClass ? nullptr : kTitle)) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (!WaitUntil([&] { return !IsWindow(window); }, 5000)) break;
      }
    }
    host_.Stop();
  }

  // F7 in the host (started first, both panels on the panel directory) opens the main
  // window; returns it once the name field has the keyboard focus in the foreground window.
  HWND OpenMainWindow(const std::string& focus = "") {
    std::string error;
    const TcsimStart start{
        .left = panel_, .right = panel_, .focus = focus, .as_host = true, .unicode = unicode_};
    EXPECT_TRUE(host_.Window() != nullptr || host_.Start(start, &error)) << error;
    EXPECT_TRUE(host_.PressKey("F7"));
    HWND main = WaitForMainWindow();
    log_start_ = host_.LogLines().size();
    return main;
  }
  std::string History(int index) const {
    return SettingOf(tree_.WincmdIni(), "MkDirHistory", std::to_string(index));
  }

  HostTree tree_;
  Tcsim host_{tree_};
  std::string panel_;
  size_t log_start_ = 0;
  bool unicode_ = false;
};
// The journeys every user takes run with both builds; those in other scripts need the
// Unicode build.
class BothHostsTest : public JourneyTest {};
class UnicodeHostTest : public JourneyTest {};
const auto kBuildName = [](const auto& info) { return info.param ? "Unicode" : "Ansi"; };
INSTANTIATE_TEST_SUITE_P(Hosts, BothHostsTest, ::testing::Bool(), kBuildName);
INSTANTIATE_TEST_SUITE_P(Host, UnicodeHostTest, ::testing::Values(true), kBuildName);

// F7 on "Setup.exe" suggests "Setup" selected whole, so the first key replaces it; Enter
// creates every level of a chain with a year variable, has the host re-read and show the
// new directory, writes the host's history once, and the window closes.
TEST_P(BothHostsTest, TypicalRequestTypedCreatesTheLevelsAndCloses) {
  tree_.MakeFile("panel\\Setup.exe", "MZ");
  HWND main = OpenMainWindow("Setup.exe");
  ASSERT_NE(main, nullptr) << host_.LogText();
  HWND combo = Item(main, MainControl::kNameField);
  EXPECT_EQ(WindowText(Item(main, MainControl::kCurrentPathLabel)), ShortenPath(panel_ + "\\"));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(combo) == "Setup"; }, 3000)) << WindowText(combo);
  ASSERT_TRUE(TypeText("Programs\\Audio\\%Y"));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(combo) == "Programs\\Audio\\%Y"; }, 3000))
      << WindowText(combo);
  SYSTEMTIME now;
  GetLocalTime(&now);
  const std::string year = std::to_string(now.wYear);

  ASSERT_TRUE(PressKey(VK_RETURN));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(main); }, 10000)) << host_.LogText();
  EXPECT_TRUE(IsDirectory(panel_ + "\\Programs\\Audio\\" + year));
  EXPECT_GE(host_.WaitForLog("CD ", log_start_), 0) << host_.LogText();
  EXPECT_GE(host_.WaitForLog("CMD 540", log_start_), 0) << host_.LogText();
  EXPECT_EQ(History(0), "Programs\\Audio\\" + year) << ReadFileText(tree_.WincmdIni());
  EXPECT_EQ(History(1), "");
}

// A failing variable shows its message and OK works again afterwards: a pasted list turns
// the window into a list, survives a visit to the host, and Ctrl+Enter creates it.
TEST_P(BothHostsTest, PastedListAfterAVariableErrorIsCreatedByCtrlEnter) {
  tree_.MakeFile("Kestrix\\Plugins\\app_bad.ini",
                 "[Configuration]\r\nMethodNum=2\r\nWndClass=TTOTAL_CMD\r\ndwData=xyz\r\n");
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  ASSERT_TRUE(TypeText("x{bad}"));
  ASSERT_TRUE(PressKey(VK_RETURN));
  HWND message = WaitForWindow("#32770", kTitle, 10000);
  ASSERT_NE(message, nullptr) << "no message for the failing variable";
  ASSERT_TRUE(PressKey(VK_RETURN));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(message); }, 5000));
  ASSERT_TRUE(NameFieldReady(main));
  // Under load Wine can leave no window in front once the message box is gone.
  ASSERT_TRUE(
      WaitUntil([&] { return SetForegroundWindow(main) && GetForegroundWindow() == main; }, 5000));

  HWND owner = CreateWindowExA(0, "STATIC", "clipboard", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(SetClipboardText(owner, "alpha\r\nbeta"));
  ASSERT_TRUE(PressKey('V', {VK_CONTROL}));
  ReleaseKeys({VK_CONTROL});
  HWND list = Item(main, MainControl::kListField);
  // This thread owns the clipboard: it serves the paste while it waits.
  ASSERT_TRUE(WaitServing([&] { return IsWindowVisible(list) != FALSE; }, 3000))
      << WindowText(NameField(main)) << " in front: " << WindowText(GetForegroundWindow());
  DestroyWindow(owner);

  // The host comes forward and the user returns: mode and list stay.
  // Asked again while waiting: under load the first request can be lost.
  for (HWND window : {host_.Window(), main})
    ASSERT_TRUE(WaitUntil(
        [&] { return SetForegroundWindow(window) && GetForegroundWindow() == window; }, 5000));
  Sleep(300);
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(WindowText(list).rfind("alpha\r\nbeta", 0), 0u) << WindowText(list);

  ASSERT_TRUE(PressKey(VK_RETURN, {VK_CONTROL}));
  ReleaseKeys({VK_CONTROL});
  ASSERT_TRUE(WaitUntil([&] { return IsDirectory(panel_ + "\\beta"); }, 10000))
      << "OK stayed dead after the error";
  EXPECT_TRUE(IsDirectory(panel_ + "\\alpha"));
  EXPECT_FALSE(IsDirectory(panel_ + "\\x"));
  EXPECT_GE(host_.WaitForLog("CMD 540", log_start_), 0) << host_.LogText();
}

TEST_P(BothHostsTest, BatchSeriesIsCreatedByOneOk) {
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  std::vector<DWORD> started = host_.StartedProcessIds();
  ASSERT_EQ(started.size(), 1u) << host_.LogText();
  ASSERT_TRUE(PressKey(VK_F8));
  HWND list = Item(main, MainControl::kListField);
  ASSERT_TRUE(WaitUntil([&] {
    return IsWindowVisible(Item(main, MainControl::kFromField)) && IsWindowVisible(list);
  }));
  const std::string settings_file = tree_.Path("Kestrix\\tc Kestrix.ini");
  const std::string settings_before = ReadFileText(settings_file);

  const struct {
    ControlId id;
    const char* text;
  } fields[] = {{MainControl::kPrefixBox, "Disc "},
                {MainControl::kToField, "3"},
                {MainControl::kFromField, "1"}};
  for (const auto& field : fields) ASSERT_TRUE(Retype(Item(main, field.id), field.text));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(list) == "Disc 1\r\nDisc 2\r\nDisc 3"; }))
      << WindowText(list);

  ClickOn(Item(main, MainControl::kOkButton));
  // A list run that closes ends the program at once.
  ASSERT_TRUE(WaitForProcessExit(started[0], kWaitMs)) << host_.LogText();
  for (const char* name : {"Disc 1", "Disc 2", "Disc 3"})
    EXPECT_TRUE(IsDirectory(panel_ + "\\" + name)) << name;

  // The host re-reads its panel with the last line under its cursor (several targets are
  // never entered).
  const int reread = host_.WaitForLog("CMD 540", log_start_);
  ASSERT_GE(reread, 0) << host_.LogText();
  EXPECT_NE(host_.LogLines()[reread].find(" focus=\"Disc 3\""), std::string::npos)
      << host_.LogText();
  // A generated list is not a typed text: the history stays empty, and ending at once
  // writes none of the closing keys.
  EXPECT_EQ(History(0), "");
  EXPECT_EQ(ReadFileText(settings_file), settings_before);
}

TEST_P(BothHostsTest, NightfallAndGermanApplyAtOnceAndAreStored) {
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  const std::string english_caption = WindowText(Item(main, MainControl::kCloseCheck));
  Tap('P', {VK_CONTROL});
  HWND dialog = WaitForWindow(kConfigurationClass, nullptr);
  ASSERT_NE(dialog, nullptr);
  HWND tabs = Item(dialog, ConfigControl::kTabs);

  // A click on the first tab, Right to the page, a click opening the drop-down list, the
  // start of an entry typed, and Enter when the list is still open (typing may already have
  // closed it): on the window page "n" for nightfall in the theme list; on the language page
  // "d" twice goes from Danish to German.
  const struct {
    int rights;
    ControlId combo;
    const char* typed;
  } picks[] = {{1, ConfigControl::kColorBox, "n"}, {2, ConfigControl::kLanguageBox, "dd"}};
  for (const auto& pick : picks) {
    ClickOn(tabs, {16, 10});
    for (int right = 0; right < pick.rights; ++right) Tap(VK_RIGHT);
    HWND combo = Item(dialog, pick.combo);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(combo); }));
    ClickOn(combo);
    WaitUntil([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 3000);
    TypeText(pick.typed);
    Sleep(150);
    if (SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0) Tap(VK_RETURN);
    ASSERT_TRUE(IsWindow(dialog));
  }
  EXPECT_EQ(WindowText(Item(dialog, ConfigControl::kLanguageBox)), "DEU - German");
  ClickOn(GetDlgItem(dialog, IDOK));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

  // The main window changed at once: flat buttons of the theme, German captions.
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(Item(main, MainControl::kOkFlatButton)); }));
  EXPECT_FALSE(IsWindowVisible(Item(main, MainControl::kOkButton)));
  EXPECT_NE(WindowText(Item(main, MainControl::kCloseCheck)), english_caption);
  const std::string settings = tree_.Path("Kestrix\\tc Kestrix.ini");
  EXPECT_EQ(SettingOf(settings, "Configuration", "UseWindowTheme"), "True");
  EXPECT_EQ(SettingOf(settings, "Configuration", "SelectedTheme"), "2");
  EXPECT_EQ(SettingOf(settings, "Configuration", "FlatButtons"), "True");
  EXPECT_EQ(SettingOf(settings, "Language", "CurrentLng"), "DEU");
}

// A structure made from F7, a file the user then puts into one of its folders, and Ctrl+U
// in the next window: the rest goes, that folder and its file stay, and the message says so.
TEST_P(BothHostsTest, CtrlUTakesTheLastCreationBackButKeepsAFolderTheUserFilled) {
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  const std::vector<DWORD> started = host_.StartedProcessIds();
  ASSERT_TRUE(TypeText("Site\\css|Site\\img|Site\\js"));
  ASSERT_TRUE(PressKey(VK_RETURN));
  ASSERT_TRUE(WaitForProcessExit(started.back(), kWaitMs)) << host_.LogText();
  ASSERT_TRUE(IsDirectory(panel_ + "\\Site\\js"));
  tree_.MakeFile("panel\\Site\\img\\logo.png", "PNG");

  main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  Tap('U', {VK_CONTROL});
  HWND message = WaitForWindow("#32770", "Undo the last creation", kWaitMs);
  ASSERT_NE(message, nullptr) << "no report of the undo";
  ShotOf(message, "undo");
  const std::string report = WindowText(GetDlgItem(message, 0xFFFF));
  EXPECT_NE(report.find("    Site\\img: it holds logo.png, which the creation did not"),
            std::string::npos)
      << report;
  Tap(VK_RETURN);
  for (const char* gone : {"Site\\css", "Site\\js"})
    EXPECT_FALSE(IsDirectory(panel_ + "\\" + gone));
  EXPECT_TRUE(IsDirectory(panel_ + "\\Site\\img"));
  EXPECT_EQ(ReadFileText(panel_ + "\\Site\\img\\logo.png"), "PNG");
  EXPECT_GE(host_.WaitForLog("CMD 540", log_start_), 0) << host_.LogText();
}

// The Unicode host, its panel in "Проекты" with the cursor on "Żółw.txt": F7 suggests
// "Żółw"; names in three scripts typed as Unicode keys make exactly those folders; the host,
// which no request can send to the last of them, follows by its second start and steps
// back with its cursor there; its UTF-16 wincmd.ini keeps the text in the history.
TEST_P(UnicodeHostTest, NamesInAnyScriptGoFromTheKeyboardToTheDiskAndTheHost) {
  panel_ = tree_.MakeDir("Проекты");
  tree_.MakeFile("Проекты\\Żółw.txt", "x");
  HWND main = OpenMainWindow("Żółw.txt");
  ASSERT_NE(main, nullptr) << host_.LogText();
  EXPECT_EQ(WindowText(Item(main, MainControl::kCurrentPathLabel)), ShortenPath(panel_ + "\\"));
  HWND combo = Item(main, MainControl::kNameField);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(combo) == "Żółw"; }, 3000)) << WindowText(combo);
  const std::string typed = "Łódź|日本語|Ελλάδα 😀";
  ASSERT_TRUE(TypeText(typed));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(combo) == typed; }, 3000)) << WindowText(combo);
  ShotOf(main, "unicode");
  ASSERT_TRUE(PressKey(VK_RETURN));

  const std::vector<std::string> made = {"Łódź\\", "Żółw.txt", "Ελλάδα 😀\\", "日本語\\"};
  WaitUntil([&] { return DirectoryNames(panel_) == made; }, 10000);
  EXPECT_EQ(DirectoryNames(panel_), made);
  const int handed = host_.WaitForLog("/L=" + panel_ + "\\Ελλάδα 😀\" -> left changed", log_start_);
  const int back = host_.WaitForLog("focus=\"Ελλάδα 😀\"", handed + 1);
  ASSERT_TRUE(handed >= 0 && back > handed) << host_.LogText();
  EXPECT_EQ(
      host_.LogLines()[handed].rfind("HANDOVER ", 0) + host_.LogLines()[back].rfind("CMD 2002", 0),
      0u);
  EXPECT_EQ(host_.WaitForLog("CD hex=", log_start_, 0), -1) << "a look-alike sent as bytes";
  EXPECT_EQ(History(0), typed) << ReadFileText(tree_.WincmdIni());
}

// The host-enter table: a new folder's path reaches the host by the first route that
// carries it. An ANSI path goes byte for byte in a "CD" request; a Unicode one by the
// host's second start; with the host's program gone, by its 8.3 form; and a path with no
// route (a virtual panel's folder, typed into the path field) not at all: the host only
// re-reads its panel and the user hears why.
TEST_P(UnicodeHostTest, TheHostFollowsANewFolderByTheFirstRouteThatCarriesItsPath) {
  // The virtual panel's list file, where the host keeps it (%TEMP%), names the real folder.
  tree_.MakeFile("VirtualPanel.lst", "\xFF\xFE" + Utf16LeFromUtf8("\\Box\r\n" + panel_ + "\r\n"));
  wchar_t temp[MAX_PATH] = {};
  GetEnvironmentVariableW(L"TEMP", temp, MAX_PATH);
  SetEnvironmentVariableW(L"TEMP", Wide(tree_.Dir()).c_str());
  std::string error;
  const bool started =
      host_.Start({.left = panel_, .right = panel_, .as_host = true, .unicode = true}, &error);
  SetEnvironmentVariableW(L"TEMP", temp);
  ASSERT_TRUE(started) << error;
  const std::string virtual_box = "\\\\\\Virtual Panel\\Box\\";
  const struct {
    const char *name, *ansi;  // the bytes of the name's ANSI form, when it has one
    bool program_gone, in_virtual_panel;
  } rows[] = {{"Café", "43 61 66 E9", false, false},
              {"Łódź", nullptr, false, false},
              {"Ελλάδα", nullptr, true, false},
              {"Żółw", nullptr, true, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = panel_ + "\\" + row.name, program = tree_.Path("TOTALCMD.EXE");
    if (row.program_gone) MoveFileW(Wide(program).c_str(), Wide(program + ".old").c_str());
    HWND main = OpenMainWindow();
    ASSERT_NE(main, nullptr) << host_.LogText();
    ASSERT_TRUE(TypeText(row.name));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(NameField(main)) == row.name; }, 3000));
    if (row.in_virtual_panel) {
      Tap('E', {VK_CONTROL});
      HWND path_field = Item(main, MainControl::kPathField);
      WaitUntil([&] { return IsWindowVisible(path_field) != FALSE; }, 3000);
      ASSERT_TRUE(Retype(path_field, virtual_box));
    }
    ASSERT_TRUE(PressKey(VK_RETURN));
    if (row.in_virtual_panel) {
      EXPECT_EQ(WindowText(GetDlgItem(WaitForWindow("#32770", kTitle, kWaitMs), 0xFFFF)),
                "Total Commander could not be moved to \"" + virtual_box + row.name +
                    "\": the path cannot be passed to it.");
      Tap(VK_RETURN);
    }
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(main); }, 10000)) << host_.LogText();
    ASSERT_TRUE(IsDirectory(path));
    const std::string route =
        row.in_virtual_panel ? "CMD 540"
        : row.ansi           ? std::string(row.ansi) + " 0D 00 00 left=\"" + path + "\" right=\"\""
        : row.program_gone   ? "left=\"" + Win32HostProcess().ShortPath(path) + "\" right=\"\""
                             : "HANDOVER \"/O\" \"/S\" \"/L=" + path + "\"";
    const int moved = host_.WaitForLog(route, log_start_);
    ASSERT_GE(moved, 0) << route << "\n" << host_.LogText();
    // The host steps back from the new folder with its cursor on it, or stays.
    const int back = host_.WaitForLog("CMD 2002", moved, row.in_virtual_panel ? 0 : kWaitMs);
    EXPECT_EQ(back >= 0, !row.in_virtual_panel) << host_.LogText();
    EXPECT_TRUE(back < 0 || row.program_gone ||
                host_.LogLines()[back].ends_with("focus=\"" + std::string(row.name) + "\""));
    // Nothing carried the name (the host went to the root as "\\" was typed in the path field).
    EXPECT_TRUE(!row.in_virtual_panel || host_.WaitForLog(row.name, log_start_, 0) < 0);
  }
}

}  // namespace
}  // namespace kestrix::e2e
