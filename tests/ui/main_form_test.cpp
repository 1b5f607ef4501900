// The main window created in the test process against a fake host and fake files, driven
// by messages: one test per handler, wiring the portable rules the unit tests cover to
// the controls (modes, the OK/Enter state, keys, fields, themes and the language).

#include <gtest/gtest.h>

#include "base/text_utils.h"
#include "platform/win32/resource_win32.h"
#include "ui/main_form_fixture.h"
#include "window/dpi_win32.h"
// After the Windows headers it needs.
#include <commctrl.h>

namespace kestrix {
namespace {

using MainFormTest = MainFormFixture;

class MainFormLookTest : public MainFormTest {
 protected:
  // The text and the brush colour the window answers `message` for control `id` with.
  std::pair<COLORREF, COLORREF> AskColors(UINT message, ControlId id) {
    HDC dc = GetDC(form_->hwnd());
    const LRESULT answer = SendMessageA(form_->hwnd(), message, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(C(id)));
    LOGBRUSH brush = {};
    if (answer != 0) GetObjectA(reinterpret_cast<HBRUSH>(answer), sizeof brush, &brush);
    const COLORREF text = GetTextColor(dc);
    ReleaseDC(form_->hwnd(), dc);
    return {text, brush.lbColor};
  }
  // Whether a flat button shows the glyph resource `name` (compared pixel by pixel with the
  // resource decoded at the window's DPI).
  ::testing::AssertionResult Shows(ControlId id, const std::string& name) {
    const FlatButton* button = form_->FlatControl(id);
    PngImage expected;
    std::string error;
    if (button == nullptr || !LoadGlyph(GetModuleHandleA(nullptr), files_, GlyphRef::Resource(name),
                                        SystemDpi(), expected, error))
      return ::testing::AssertionFailure() << id << " is no flat button, or " << error;
    const PngImage& shown = button->Glyph();
    if (!shown.IsEmpty() && shown.Width() == expected.Width() &&
        shown.Height() == expected.Height() &&
        std::equal(shown.Pixels(), shown.Pixels() + shown.Width() * shown.Height(),
                   expected.Pixels()))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "control " << id << " does not show " << name;
  }
  LRESULT FontOf(ControlId id) { return SendMessageW(C(id), WM_GETFONT, 0, 0); }
  std::string SettingsAfterClosing() {
    SendMessageA(form_->hwnd(), WM_CLOSE, 0, 0);
    Pump();
    return files_.FileContent(kSettingsFile).value_or("");
  }
};

// The plain look: push buttons, no translucency; the batch group, once opened, shows each
// of its controls and the active glyph.
TEST_F(MainFormLookTest, StartsInThePlainLookWithEveryControlInPlaceAndHoverMarks) {
  EXPECT_EQ(form_->Mode(), MainMode::kNormal);
  EXPECT_FALSE(Visible(MainControl::kListField));
  EXPECT_TRUE(Visible(MainControl::kOkButton));
  EXPECT_EQ(GetWindowLongPtrA(form_->hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_TRUE(Shows(MainControl::kBatchButton, "ICON_BatchCreate_INACT"));
  Click(MainControl::kBatchButton);
  for (ControlId id = MainControl::kFromLabel; id <= MainControl::kAbcOption; id = id + 1)
    EXPECT_TRUE(id == MainControl::kSuffixMemo || Visible(id)) << "control " << id;
  EXPECT_TRUE(Shows(MainControl::kBatchButton, "ICON_BatchCreate_ACT"));
  // A caption double-click's maximise is refused.
  SendMessageA(form_->hwnd(), WM_SYSCOMMAND, SC_MAXIMIZE | HTCAPTION, 0);
  EXPECT_FALSE(IsZoomed(form_->hwnd()));
  // Hover highlights a quick button, and the new-folder link shows the refresh marker.
  SendMessageA(C(MainControl::kQuick1Button), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(Shows(MainControl::kQuick1Button, "ICON_SpaceToDot_ACT"));
  SendMessageA(form_->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
  EXPECT_TRUE(Shows(MainControl::kQuick1Button, "ICON_SpaceToDot_INACT"));

  SendMessageA(C(MainControl::kNewFolderLink), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_TRUE(Visible(MainControl::kRefreshLink));
  EXPECT_FALSE(Visible(MainControl::kAttributeImage));
  SendMessageA(C(MainControl::kNewFolderLink), WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(Visible(MainControl::kRefreshLink));
}

// A user theme with flat buttons, a translucent window and a larger font: its colours, one
// icon file of its own and the default glyphs for the rest.
class UserThemeTest : public MainFormLookTest {
  void BeforeCreate() override {
    files_.AddFile(kSettingsFile,
                   "[Configuration]\r\nFlatButtons=True\r\nUseWindowTheme=True\r\n"
                   "SelectedTheme=6\r\nUserThemeName=Mine\r\nAlphaBlendValue=200\r\n"
                   "FontSize=10\r\n");
    files_.AddFile("C:\\Kestrix\\theme_Mine\\theme.ini",
                   "[ThemeInfo]\r\nName=Mine\r\nMainColor=#102030\r\nFontColor=405060\r\n");
    std::string png;
    ASSERT_EQ(ReadRcData(GetModuleHandleA(nullptr), "THEME_PINK_CANCEL", png), 0u);
    files_.AddFile("C:\\Kestrix\\theme_Mine\\icon-cancel.png", png);
  }
};

TEST_F(UserThemeTest, ColoursIconsFontAndTransparencyComeFromTheSettings) {
  for (ControlId id : {MainControl::kCurrentPathLabel, MainControl::kNewNameLabel})
    EXPECT_EQ(AskColors(WM_CTLCOLORSTATIC, id),
              (std::pair<COLORREF, COLORREF>(HexRgb(0x405060), HexRgb(0x102030))))
        << id;
  // The input fields stay as the system draws them.
  EXPECT_EQ(AskColors(WM_CTLCOLOREDIT, MainControl::kListField).second, GetSysColor(COLOR_WINDOW));
  EXPECT_TRUE(Shows(MainControl::kCancelFlatButton, "THEME_PINK_CANCEL"));
  EXPECT_TRUE(Shows(MainControl::kOptionsFlatButton, "THEME_DEFAULT_OPTIONS"));
  // FontSize 10 with the default face reaches every control, edit fields too.
  LOGFONTA font = {};
  GetObjectA(reinterpret_cast<HFONT>(FontOf(MainControl::kListField)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -MulDiv(10, SystemDpi(), 72));
  BYTE alpha = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(form_->hwnd(), nullptr, &alpha, nullptr));
  EXPECT_EQ(alpha, 200);
  EXPECT_NE(SettingsAfterClosing().find("UserThemeName=Mine"), std::string::npos);
}

TEST_F(UserThemeTest, FlatOkFollowsTheOkStateAndCreates) {
  EXPECT_FALSE(Visible(MainControl::kOkButton));
  TypeName("Existing");
  // Made after the window, the flat buttons still take their places in the tab order.
  EXPECT_EQ(GetNextDlgTabItem(form_->hwnd(), C(MainControl::kBatchButton), FALSE),
            C(MainControl::kOkFlatButton));
  EXPECT_EQ(T(MainControl::kOkFlatButton), "Enter");
  EXPECT_TRUE(Shows(MainControl::kOkFlatButton, "THEME_DEFAULT_ENTER"));
  TypeName("");
  EXPECT_FALSE(Enabled(MainControl::kOkFlatButton));
  EXPECT_TRUE(Shows(MainControl::kOkFlatButton, "THEME_DEFAULT_OK"));
  TypeName("Fresh");
  SendMessageA(C(MainControl::kOkFlatButton), BM_CLICK, 0, 0);
  Pump();
  EXPECT_TRUE(files_.DirectoryExists("C:\\Work\\Fresh"));
}

// The built-in Russian, saved in code page 1251, on a 1252 system.
class LanguageTest : public MainFormLookTest {
  void BeforeCreate() override {
    files_.AddFile(kSettingsFile, "[Language]\r\nCurrentLng=RUS\r\n");
    std::string russian;
    Win32Resources().ReadData("LNG_RUS", russian);
    resources_.Add("LNG_RUS", russian);
  }
};

// The texts reach the window and its dialogs whole, in the one font of every control: no
// font takes the language's character set.
TEST_F(LanguageTest, TheWindowAndItsDialogsShowTheLanguageInTheDesignedFont) {
  EXPECT_EQ(T(MainControl::kCancelButton), "\u041E\u0442\u043C\u0435\u043D\u0430");
  for (ControlId id :
       {MainControl::kCancelButton, MainControl::kNewFolderLink, MainControl::kNameField})
    EXPECT_EQ(FontOf(id), FontOf(MainControl::kListField)) << id;
  std::string title;
  EXPECT_TRUE(InConfiguration([&](HWND dialog) {
    title = TextOf(dialog);
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }));
  EXPECT_EQ(title, "\u041D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0438");
  EXPECT_NE(SettingsAfterClosing().find("CurrentLng=RUS"), std::string::npos);
}

TEST_F(MainFormTest, EnterWaitsForANameAndPressingTheReplacementsBoxDisarmsItsSwitch) {
  TypeName("");
  EXPECT_FALSE(Enabled(MainControl::kOkButton));
  Key(form_->MkDirEdit(), VK_RETURN);  // Enter does nothing then
  EXPECT_TRUE(IsWindow(form_->hwnd()));
  // Pressing the box disarms the automatic switch.
  TypeName("Audio %Y");
  ASSERT_TRUE(Checked(MainControl::kReplacementsCheck));
  EXPECT_EQ(T(MainControl::kNewNameLabel), "Audio 2026");
  ShotOf(form_->hwnd(), "normal");
  SendMessageA(C(MainControl::kReplacementsCheck), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(C(MainControl::kReplacementsCheck), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  Pump();
  EXPECT_FALSE(Checked(MainControl::kReplacementsCheck));
  TypeName("Audio %Y %D");
  EXPECT_FALSE(Checked(MainControl::kReplacementsCheck));
}

TEST_F(MainFormTest, F3CyclesThroughTheModesAndBatchGivesTheUsersListBack) {
  Key(form_->MkDirEdit(), VK_F3);
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  SetWindowTextA(C(MainControl::kListField), "Intro\r\nDisc 07");
  Key(C(MainControl::kListField), VK_F3);
  EXPECT_EQ(form_->Mode(), MainMode::kBatch);
  EXPECT_TRUE(Visible(MainControl::kFromField));
  EXPECT_EQ(T(MainControl::kPrefixBox), "Disc ");
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"Disc 08", "Disc 09", "Disc 10"}));
  ShotOf(form_->hwnd(), "batch");
  Key(C(MainControl::kListField), VK_F3);
  EXPECT_EQ(form_->Mode(), MainMode::kNormal);
  EXPECT_FALSE(Visible(MainControl::kFromField));
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"Intro", "Disc 07"}));
}

// F6 gives the name field the whole list in Normal notation, and Enter makes what the list
// made; a list without that spelling stays, and so does the mode after a cancelled dialog.
TEST_F(MainFormTest, F6SpellsTheListInOneLineOrKeepsItAndCancelKeepsTheMode) {
  SendMessageA(C(MainControl::kCloseCheck), BM_SETCHECK, BST_UNCHECKED, 0);
  TypeName("");
  Key(form_->MkDirEdit(), VK_HOME);
  TypeKeys("alpha|beta*gamma");
  Press(VK_F3);
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"alpha", "beta", "*gamma"}));
  Press(VK_F6);
  ASSERT_EQ(form_->Mode(), MainMode::kNormal);
  EXPECT_EQ(T(MainControl::kNameField), "alpha|beta*gamma");
  Press(VK_RETURN);
  for (const char* made : {"alpha", "beta", "beta\\gamma"})
    EXPECT_TRUE(files_.DirectoryExists(std::string("C:\\Work\\") + made)) << made;
  ASSERT_EQ(form_->Mode(), MainMode::kExtended);  // OK made the list of the name first
  SetWindowTextA(C(MainControl::kListField), "");
  SetFocus(C(MainControl::kListField));
  TypeKeys("one\r**two");
  Press(VK_F6);
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  EXPECT_NE(boxes_.shown.back().text.find("line \"**two\""), std::string::npos);
  EXPECT_TRUE(WhileShown(
      "#32770", [] { Press('O', {VK_CONTROL}); }, [](HWND) { PressKey(VK_ESCAPE); }));
  Pump();
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"one", "**two"}));
}

TEST_F(MainFormLookTest, TheBatchSignTurnsTheSeriesAndItsImage) {
  Key(C(MainControl::kNameField), VK_F8);
  ASSERT_EQ(form_->Mode(), MainMode::kBatch);
  SetWindowTextA(C(MainControl::kToField), "12");
  SetWindowTextA(C(MainControl::kFromField), "8");
  Pump();
  EXPECT_EQ(ListLines().front(), "08");
  EXPECT_TRUE(Shows(MainControl::kSignButton, "ICON_SignAscending"));
  ClickOn(C(MainControl::kSignButton));
  HandleInput();
  EXPECT_EQ(ListLines().front(), "12");
  EXPECT_TRUE(Shows(MainControl::kSignButton, "ICON_SignDescending"));
}

TEST_F(MainFormTest, CtrlDAddsNumberedSubdirectoryLines) {
  TypeName("Project");
  Key(form_->MkDirEdit(), 'D', {VK_CONTROL});
  Key(C(MainControl::kListField), 'D', {VK_CONTROL});
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"Project", "* Subdir 1", "* Subdir 2"}));
  const auto [start, end] = Selection(C(MainControl::kListField));
  EXPECT_EQ(T(MainControl::kListField).substr(start, end - start), "Subdir ");
  ShotOf(form_->hwnd(), "extended");
}

TEST_F(MainFormTest, EscapeClosesTheWindowUnlessATemplateListIsOpen) {
  Click(MainControl::kTemplateBox, CBN_DROPDOWN);
  Key(C(MainControl::kTemplateBox), VK_ESCAPE);
  EXPECT_TRUE(IsWindow(form_->hwnd()));
  Key(form_->MkDirEdit(), VK_ESCAPE);
  EXPECT_FALSE(IsWindow(form_->hwnd()));
}

// Whatever a key opened over the window (a dialog, a menu) is closed again by this timer,
// so that the key's handling returns.
void CALLBACK CloseWhatTheKeyOpened(HWND, UINT, UINT_PTR, DWORD) {
  EndMenu();
  HWND active = GetActiveWindow();
  if (active != nullptr && GetWindow(active, GW_OWNER) != nullptr)
    PostMessageA(active, WM_COMMAND, IDCANCEL, 0);
}

// Text of other scripts typed into each mode's field reads back whole. Each key the window
// handles, pressed with that text selected: the character TranslateMessage makes of it (a
// line break for Ctrl+M, a line feed for Ctrl+Enter, a backspace for Ctrl+H) does not reach
// the text. Left out: the keys meant to change the text or the mode, and those that move
// the focus to another field.
TEST_F(MainFormTest, HandledKeysLeaveTheTypedTextAsItWas) {
  const struct {
    MainMode mode;
    std::vector<WORD> with_ctrl, alone;
  } table[] = {
      {MainMode::kExtended,
       {'M', VK_RETURN, 'H', VK_TAB, 'A', 'P', 'Q', 'O', 'T', 'R'},
       {VK_F5, VK_F7, VK_F1}},
      {MainMode::kNormal, {'M', 'H', VK_TAB, 'P', 'Q', 'O', 'T'}, {VK_PRIOR, VK_F5}},
      {MainMode::kBatch, {'M', 'H', VK_RETURN, 'P'}, {VK_NEXT, VK_F5}},
  };
  SendMessageA(C(MainControl::kCloseCheck), BM_SETCHECK, BST_UNCHECKED, 0);
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseWhatTheKeyOpened);
  for (const auto& [mode, with_ctrl, alone] : table) {
    Key(C(MainControl::kCloseCheck), VK_F6);
    if (mode != MainMode::kNormal) Press(mode == MainMode::kExtended ? VK_F7 : VK_F8);
    ASSERT_EQ(form_->Mode(), mode);
    HWND field = mode == MainMode::kNormal ? form_->MkDirEdit()
                 : mode == MainMode::kExtended
                     ? C(MainControl::kListField)
                     : FindWindowExA(C(MainControl::kPrefixBox), nullptr, "Edit", nullptr);
    SetWindowTextA(field, "");
    SetFocus(field);
    const bool lines = mode == MainMode::kExtended;
    TypeKeys((lines ? "ab\r" : "ab ") + kCjk + kEmoji);
    const std::string typed = TextOf(field);
    EXPECT_EQ(typed, (lines ? "ab\r\n" : "ab ") + kCjk + kEmoji) << "mode " << int(mode);
    for (bool ctrl : {true, false})
      for (WORD key : ctrl ? with_ctrl : alone) {
        Key(field, 'A', {VK_CONTROL});
        ctrl ? Press(key, {VK_CONTROL}) : Press(key);
        EXPECT_EQ(TextOf(field), typed) << "mode " << int(mode) << " key " << key << " " << ctrl;
        SetWindowTextW(field, Wide(typed).c_str());  // the next key's row starts whole again
      }
  }
  KillTimer(nullptr, timer);
}

TEST_F(MainFormTest, QuickButtonsRewriteTheNameAndCtrlDigitsClickThem) {
  TypeName("My  new folder ");
  Click(MainControl::kQuick1Button);
  EXPECT_EQ(T(MainControl::kNameField),
            "My  new.folder ");  // the careful variant keeps runs and the end
  Key(form_->MkDirEdit(), '3', {VK_CONTROL});
  EXPECT_EQ(T(MainControl::kNameField), "mY  NEW.FOLDER ");
}

// A key typed into the closed template list picks the entry it starts (here a letter of
// another script), and undo brings the name back as it was.
class UserTemplateTest : public MainFormTest {
  void BeforeCreate() override {
    files_.AddFile(kSettingsFile,
                   "[UserTemplates]\r\n" + std::string(kUnicodeNames[6]) + "=zw\r\n");
  }
};

TEST_F(UserTemplateTest, TypedTemplateKeyPicksItsEntryAndUndoRestoresTheName) {
  TypeName("mine");
  SetFocus(C(MainControl::kTemplateBox));
  TypeKeys("\u017B");  // the first letter of the user's "Żółw"
  EXPECT_EQ(T(MainControl::kNameField), "zw");
  ASSERT_TRUE(Visible(MainControl::kUndoButton));
  ClickOn(C(MainControl::kUndoButton));
  HandleInput();
  EXPECT_EQ(T(MainControl::kNameField), "mine");
  EXPECT_FALSE(Visible(MainControl::kUndoButton));
}

// Ctrl+E or a double-click opens the path field on the current path; ending the edit makes
// the expanded text the current path and re-runs the preview against it.
TEST_F(MainFormTest, EditedPathBecomesCurrentAndEndsWithEscapeOrAClick) {
  TypeName("Existing");
  ASSERT_EQ(T(MainControl::kOkButton), "Enter");
  Key(form_->MkDirEdit(), 'E', {VK_CONTROL});
  ASSERT_TRUE(Visible(MainControl::kPathField));
  EXPECT_EQ(T(MainControl::kPathField), "C:\\Work\\");
  EXPECT_EQ(GetFocus(), C(MainControl::kPathField));
  SetWindowTextA(C(MainControl::kPathField), "C:\\Work\\%KX_ONE%");
  Key(C(MainControl::kPathField), VK_ESCAPE);
  EXPECT_FALSE(Visible(MainControl::kPathField));
  EXPECT_EQ(T(MainControl::kCurrentPathLabel), "C:\\Work\\1\\");
  EXPECT_EQ(T(MainControl::kOkButton), "OK");  // "Existing" is no longer below the current path
  // A double-click on the preview opens it again; a click in the window ends it.
  Click(MainControl::kNewNameLabel, STN_DBLCLK);
  ASSERT_TRUE(Visible(MainControl::kPathField));
  SendMessageA(form_->hwnd(), WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(Visible(MainControl::kPathField));
}

TEST_F(MainFormTest, CustomNameReplacesTheSuggestionAtEveryActivation) {
  files_.AddFile(SettingsFilePath(kExe),
                 "[Configuration]\r\nSuggestedName=1\r\nCustomDirName=  Inbox %Y \r\n");
  TypeName("Setup");
  Activate();
  EXPECT_EQ(T(MainControl::kNameField), "Inbox %Y");
}

// The host-path requests ("SP") sent so far.
auto PathQueries(const FakeWindowSystem& windows) {
  return std::ranges::count_if(windows.SentCopyData(),
                               [](const auto& sent) { return sent.bytes.starts_with("SP"); });
}

// F9 shows the tree of what OK will make, following the keys typed (other scripts and an
// emoji, two keys, among them); the choice is kept in the settings file.
TEST_F(MainFormTest, F9ShowsTheTreeOfWhatOkMakesAndTheSettingsFileKeepsIt) {
  auto preview = [] { return FindWindowA("TKestrixTreePreview", nullptr); };
  auto setting = [this] {
    SettingsModel model(files_, environment_, nullptr, nullptr, kSettingsFile);
    model.LoadStartup();
    return model.Startup().tree_preview;
  };
  Key(form_->MkDirEdit(), VK_F9);
  ASSERT_NE(preview(), nullptr);
  EXPECT_TRUE(IsWindowVisible(preview()));
  EXPECT_TRUE(setting());
  TypeKeys("Existing\\" + kCjk + "|" + kEmoji);
  // The tree follows on its timer: the rows are read back through the virtual list.
  HWND list = FindWindowExW(preview(), nullptr, WC_LISTVIEWW, nullptr);
  auto rows = [&] {
    std::string text;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row)
      for (int column = 0; column < 2; ++column) {
        wchar_t cell[260] = {};
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = cell;
        item.cchTextMax = 260;
        SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        text += std::string(column ? " = " : text.empty() ? "" : " | ") + Trim(Utf8(cell));
      }
    return text;
  };
  for (int i = 0; i < 100 && rows().find(kEmoji) == std::string::npos; ++i) Sleep(10), Pump();
  EXPECT_EQ(rows(), "C:\\Work\\ = exists | Existing\\ = exists | " + kCjk + "\\ = new | " + kEmoji +
                        "\\ = new");
  EXPECT_EQ(TextOf(FindWindowExA(preview(), nullptr, "STATIC", nullptr)), "2 new, 1 exist");
  Key(form_->MkDirEdit(), VK_F9);
  EXPECT_FALSE(IsWindowVisible(preview()));
  EXPECT_FALSE(setting());
  // A settings file another program holds: the user hears why the choice is not kept.
  files_.FailPath(kSettingsFile, kErrorSharingViolation);
  Key(form_->MkDirEdit(), VK_F9);
  EXPECT_TRUE(IsWindowVisible(preview()));
  EXPECT_FALSE(setting());
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_NE(boxes_.shown[0].text.find("used by another program"), std::string::npos)
      << boxes_.shown[0].text;
}

// The message method with RefreshOnActivate on (the parameter): every return of the
// application re-reads the host's path; with it off, returning asks nothing.
class RefreshOnActivateTest : public MainFormTest, public ::testing::WithParamInterface<bool> {
  void BeforeCreate() override {
    files_.AddFile(kSettingsFile, std::string("[Configuration]\r\nTC8B10Method=True\r\n") +
                                      "RefreshOnActivate=" + (GetParam() ? "True" : "False"));
  }
};

TEST_P(RefreshOnActivateTest, ReturningToTheApplicationRereadsTheHostPathOnlyWhenSet) {
  const int before = PathQueries(windows_);
  SendMessageA(form_->hwnd(), WM_ACTIVATEAPP, TRUE, 0);
  Pump();
  EXPECT_EQ(PathQueries(windows_), before + (GetParam() ? 1 : 0));
}
INSTANTIATE_TEST_SUITE_P(OnOff, RefreshOnActivateTest, ::testing::Bool());

// The user's own character replacements reach the preview and the run behind OK.
class ReplaceCharsTest : public MainFormTest {
  void BeforeCreate() override {
    files_.AddFile(kSettingsFile,
                   "[Configuration]\r\nInvalidCharAction=1\r\n[ReplaceChars]\r\n&=and\r\n");
  }
};

// An environment name keeps replacements on in both modes; the one-line list's preview is
// cleaned like the name's, and so is what OK makes.
TEST_F(ReplaceCharsTest, EnvironmentNamesKeepReplacementsOnAndOkMakesTheCleanedName) {
  SetFocus(form_->MkDirEdit());
  TypeKeys("%KX_ONE%\\a?R&D");
  EXPECT_TRUE(Checked(MainControl::kReplacementsCheck));
  EXPECT_EQ(T(MainControl::kNewNameLabel), "1\\a_RandD");
  Key(C(MainControl::kNameField), VK_F3);
  EXPECT_TRUE(Checked(MainControl::kReplacementsCheck));
  EXPECT_EQ(T(MainControl::kNewNameLabel), "1\\a_RandD");
  Click(MainControl::kOkButton);
  EXPECT_TRUE(files_.DirectoryExists("C:\\Work\\1\\a_RandD"));
}

}  // namespace
}  // namespace kestrix
