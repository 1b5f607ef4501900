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
#include "platform/win32/wide_text.h"
#include "tcsim/requests.h"
#include "ui/configuration_dialog.h"
#include "ui/control_ids.h"
#include "ui/dialog_ids.h"

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

// The bytes of a "CD" request for the left panel as the host logs them.
std::string ChangeDirHex(const std::string& ansi_path) {
  const std::string bytes = ansi_path + "\r" + std::string(2, '\0');
  return "CD hex=" + tcsim::HexBytes(bytes.data(), bytes.size()) + " ";
}

std::string AnsiBytes(const std::string& text) {
  const std::wstring wide = Wide(text);
  std::string bytes(wide.size() * 2, '\0');
  const int length =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(),
                          static_cast<int>(bytes.size()), nullptr, nullptr);
  return bytes.substr(0, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string ShortPathOf(const std::string& path) {
  wchar_t buffer[1024] = {};
  const DWORD length = GetShortPathNameW(Wide(path).c_str(), buffer, 1024);
  return Utf8(std::wstring_view(buffer, length < 1024 ? length : 0));
}

class JourneyTest : public ::testing::Test {
 protected:
  void SetUp() override {
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
    TcsimStart start = TcsimStart().Left(panel_).Right(panel_).Focus(focus).Unicode(unicode_);
    if (as_host_) start.AsHost();
    EXPECT_TRUE(host_.Window() != nullptr || host_.Start(start, &error)) << error;
    EXPECT_TRUE(host_.PressKey("F7"));
    HWND main = WaitForMainWindow();
    log_start_ = host_.LogLines().size();
    return main;
  }
  // The Unicode host keeps its wincmd.ini in UTF-16 once a name needs it.
  void WincmdIniInUtf16() {
    std::u16string ini = u"\uFEFF";
    ini += Utf16FromUtf8(ReadFileText(tree_.WincmdIni()));
    tree_.MakeFile("wincmd.ini",
                   std::string(reinterpret_cast<const char*>(ini.data()), ini.size() * 2));
  }
  std::string History(int index) const {
    return SettingOf(tree_.WincmdIni(), "MkDirHistory", std::to_string(index));
  }

  HostTree tree_;
  Tcsim host_{tree_};
  std::string panel_;
  size_t log_start_ = 0;
  bool unicode_ = false;  // the host's Unicode build
  bool as_host_ = false;  // the tree's TOTALCMD.EXE, which a second start runs again
};

// The journeys every user takes, with either build of the host.
class BothHostsTest : public JourneyTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    unicode_ = GetParam();
    JourneyTest::SetUp();
  }
};
INSTANTIATE_TEST_SUITE_P(Hosts, BothHostsTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Unicode" : "Ansi"; });

// F7 on "Setup.exe" suggests "Setup" selected whole, so the first key replaces it; Enter
// creates every level of a chain with a year variable, has the host re-read and show the
// new directory, writes the host's history once, and the window closes.
TEST_P(BothHostsTest, TypicalRequestTypedCreatesTheLevelsAndCloses) {
  tree_.MakeFile("panel\\Setup.exe", "MZ");
  HWND main = OpenMainWindow("Setup.exe");
  ASSERT_NE(main, nullptr) << host_.LogText();
  HWND combo = GetDlgItem(main, kId_MkDir);
  EXPECT_EQ(WindowText(GetDlgItem(main, kId_lbl_currentPath)), ShortenPath(panel_ + "\\"));
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

  HWND owner = CreateWindowExA(0, "STATIC", "clipboard", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(SetClipboardText(owner, "alpha\r\nbeta"));
  ASSERT_TRUE(PressKey('V', {VK_CONTROL}));
  ReleaseKeys({VK_CONTROL});
  HWND list = GetDlgItem(main, kId_MkDirExt);
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
  HWND list = GetDlgItem(main, kId_MkDirExt);
  ASSERT_TRUE(WaitUntil(
      [&] { return IsWindowVisible(GetDlgItem(main, kId_edit_from)) && IsWindowVisible(list); }));
  const std::string settings_file = tree_.Path("Kestrix\\tc Kestrix.ini");
  const std::string settings_before = ReadFileText(settings_file);

  const struct {
    int id;
    const char* text;
  } fields[] = {{kId_cmbx_prefix, "Disc "}, {kId_edit_to, "3"}, {kId_edit_from, "1"}};
  for (const auto& field : fields) ASSERT_TRUE(Retype(GetDlgItem(main, field.id), field.text));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(list) == "Disc 1\r\nDisc 2\r\nDisc 3"; }))
      << WindowText(list);

  ClickOn(GetDlgItem(main, kId_btn_ok));
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
  const std::string english_caption = WindowText(GetDlgItem(main, kId_option_closewnd));
  Tap('P', {VK_CONTROL});
  HWND dialog = WaitForWindow(kConfigurationClass, nullptr);
  ASSERT_NE(dialog, nullptr);
  HWND tabs = GetDlgItem(dialog, kCfg_tabs);

  // A click on the first tab, Right to the page, a click opening the drop-down list, the
  // start of an entry typed, and Enter when the list is still open (typing may already have
  // closed it): on the window page "n" for nightfall in the theme list; on the language page
  // "d" twice goes from Danish to German.
  const struct {
    int rights, combo;
    const char* typed;
  } picks[] = {{1, kCfg_cmbx_WndColor, "n"}, {2, kCfg_cb_LanguageSelect, "dd"}};
  for (const auto& pick : picks) {
    ClickOn(tabs, {16, 10});
    for (int right = 0; right < pick.rights; ++right) Tap(VK_RIGHT);
    HWND combo = GetDlgItem(dialog, pick.combo);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(combo); }));
    ClickOn(combo);
    WaitUntil([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 3000);
    TypeText(pick.typed);
    Sleep(150);
    if (SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0) Tap(VK_RETURN);
    ASSERT_TRUE(IsWindow(dialog));
  }
  EXPECT_EQ(WindowText(GetDlgItem(dialog, kCfg_cb_LanguageSelect)), "DEU - German");
  ClickOn(GetDlgItem(dialog, IDOK));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

  // The main window changed at once: flat buttons of the theme, German captions.
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(main, kId_btn_ok_flat)); }));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, kId_btn_ok)));
  EXPECT_NE(WindowText(GetDlgItem(main, kId_option_closewnd)), english_caption);
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
TEST_F(JourneyTest, NamesInAnyScriptGoFromTheKeyboardToTheDiskAndTheHost) {
  unicode_ = true;
  panel_ = tree_.MakeDir("Проекты");
  tree_.MakeFile("Проекты\\Żółw.txt", "x");
  WincmdIniInUtf16();
  HWND main = OpenMainWindow("Żółw.txt");
  ASSERT_NE(main, nullptr) << host_.LogText();
  EXPECT_EQ(WindowText(GetDlgItem(main, kId_lbl_currentPath)), ShortenPath(panel_ + "\\"));
  HWND combo = GetDlgItem(main, kId_MkDir);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(combo) == "Żółw"; }, 3000)) << WindowText(combo);
  const std::string typed = "Łódź|日本語|Ελλάδα 😀";
  ASSERT_TRUE(TypeText(typed));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(combo) == typed; }, 3000)) << WindowText(combo);
  ASSERT_TRUE(PressKey(VK_RETURN));

  const std::vector<std::string> made = {"Łódź", "Żółw.txt", "Ελλάδα 😀", "日本語"};
  EXPECT_TRUE(WaitUntil([&] { return DirectoryNames(panel_) == made; }, 10000));
  EXPECT_EQ(DirectoryNames(panel_), made);
  for (const char* name : {"Łódź", "日本語", "Ελλάδα 😀"})
    EXPECT_TRUE(IsDirectory(panel_ + "\\" + name));
  const int handed = host_.WaitForLog("HANDOVER", log_start_);
  ASSERT_GE(handed, 0) << host_.LogText();
  EXPECT_NE(host_.LogLines()[handed].find("\"/L=" + panel_ + "\\Ελλάδα 😀\" -> left changed"),
            std::string::npos)
      << host_.LogText();
  const int back = host_.WaitForLog("CMD 2002", handed);
  ASSERT_GE(back, 0) << host_.LogText();
  EXPECT_NE(host_.LogLines()[back].find("focus=\"Ελλάδα 😀\""), std::string::npos);
  EXPECT_EQ(host_.WaitForLog("CD hex=", log_start_, 0), -1) << "a look-alike sent as bytes";
  EXPECT_EQ(History(0), typed) << ReadFileText(tree_.WincmdIni());
}

// The host follows each new folder by the first route that carries its path: an ANSI path
// byte for byte in a "CD" request, a Unicode one by the host's second start, and with the
// host's program gone, by its 8.3 form.
TEST_F(JourneyTest, TheHostFollowsANewFolderByTheFirstRouteThatCarriesItsPath) {
  unicode_ = as_host_ = true;
  WincmdIniInUtf16();
  const struct {
    const char* name;
    bool program_gone;
  } rows[] = {{"Café", false}, {"Łódź", false}, {"Ελλάδα", true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.program_gone) {
      ASSERT_TRUE(MoveFileW(Wide(tree_.Path("TOTALCMD.EXE")).c_str(),
                            Wide(tree_.Path("TOTALCMD.OLD")).c_str()));
    }
    HWND main = OpenMainWindow();
    ASSERT_NE(main, nullptr) << host_.LogText();
    ASSERT_TRUE(TypeText(row.name));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(NameField(main)) == row.name; }, 3000));
    ASSERT_TRUE(PressKey(VK_RETURN));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(main); }, 10000)) << host_.LogText();
    const std::string path = panel_ + "\\" + row.name;
    ASSERT_TRUE(IsDirectory(path));
    const std::string route = row.program_gone                  ? ChangeDirHex(ShortPathOf(path))
                              : std::string(row.name) == "Café" ? ChangeDirHex(AnsiBytes(path))
                                                                : "HANDOVER";
    const int moved = host_.WaitForLog(route, log_start_);
    ASSERT_GE(moved, 0) << route << "\n" << host_.LogText();
    if (route == "HANDOVER") {
      EXPECT_NE(host_.LogLines()[moved].find("\"/L=" + path + "\""), std::string::npos);
    }
    const int back = host_.WaitForLog("CMD 2002", moved);
    ASSERT_GE(back, 0) << host_.LogText();
    if (!row.program_gone) {
      EXPECT_NE(host_.LogLines()[back].find(std::string("focus=\"") + row.name + "\""),
                std::string::npos);
    }
  }
}

// A path that no route carries (a virtual panel's folder, typed into the path field, with
// the host's program gone): the host only re-reads its panel, is not sent up a level, and
// the user hears why.
TEST_F(JourneyTest, AHostNoRouteReachesStaysWhereItIsAndTheUserHearsWhy) {
  unicode_ = as_host_ = true;
  WincmdIniInUtf16();
  // The virtual panel's list file, where the host keeps it (%TEMP%), names the real folder.
  std::u16string list = u"\uFEFF\\Box\r\n";
  list += Utf16FromUtf8(panel_) + u"\r\n";
  tree_.MakeFile("VirtualPanel.lst",
                 std::string(reinterpret_cast<const char*>(list.data()), list.size() * 2));
  wchar_t temp[MAX_PATH] = {};
  GetEnvironmentVariableW(L"TEMP", temp, MAX_PATH);
  SetEnvironmentVariableW(L"TEMP", Wide(tree_.Dir()).c_str());
  std::string error;
  const bool started = host_.Start(TcsimStart().Left(panel_).Unicode().AsHost(), &error);
  SetEnvironmentVariableW(L"TEMP", temp);
  ASSERT_TRUE(started) << error;
  ASSERT_TRUE(MoveFileW(Wide(tree_.Path("TOTALCMD.EXE")).c_str(),
                        Wide(tree_.Path("TOTALCMD.OLD")).c_str()));
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  ASSERT_TRUE(TypeText("Łódź"));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(NameField(main)) == "Łódź"; }, 3000));
  Tap('E', {VK_CONTROL});
  HWND path_field = GetDlgItem(main, kId_edit_curdirname);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(path_field) != FALSE; }, 3000));
  const std::string virtual_box = "\\\\\\Virtual Panel\\Box\\";
  ASSERT_TRUE(Retype(path_field, virtual_box));
  ClickOn(GetDlgItem(main, kId_btn_ok));
  HWND message = WaitForWindow("#32770", kTitle, kWaitMs);
  ASSERT_NE(message, nullptr) << host_.LogText();
  EXPECT_EQ(WindowText(GetDlgItem(message, 0xFFFF)),
            "Total Commander could not be moved to \"" + virtual_box +
                "Łódź\": the path cannot be passed to it.");
  Tap(VK_RETURN);
  EXPECT_TRUE(IsDirectory(panel_ + "\\Łódź"));
  EXPECT_GE(host_.WaitForLog("CMD 540", log_start_), 0) << host_.LogText();
  for (const char* sent : {"CD hex=", "HANDOVER", "CMD 2002"})
    EXPECT_EQ(host_.WaitForLog(sent, log_start_, 0), -1) << sent << "\n" << host_.LogText();
}

}  // namespace
}  // namespace kestrix::e2e
