// The main window created in the test process against a fake host and fake files, driven
// by messages: modes, the OK/Enter state, the keys, the variables popup and word stops,
// themes, flat buttons and the interface language.

#include <gtest/gtest.h>

#include "platform/win32/font_charset_win32.h"
#include "platform/win32/resource_win32.h"
#include "ui/dpi_win32.h"
#include "ui/main_form_fixture.h"

namespace kestrix {
namespace {

using MainFormTest = MainFormFixture;

TEST_F(MainFormTest, StartsInNormalModeWithEveryControlInPlace) {
  EXPECT_EQ(form_->Mode(), MainMode::kNormal);
  for (int id = kId_lbl_s_newfolder; id < kId_LastControl; ++id)
    EXPECT_NE(C(id), nullptr) << "control " << id;
  EXPECT_TRUE(Visible(kId_MkDir));
  EXPECT_FALSE(Visible(kId_MkDirExt));
  EXPECT_FALSE(Visible(kId_grp_batchDir));
  EXPECT_FALSE(Enabled(kId_grp_batchDir));
  EXPECT_EQ(T(kId_btn_extended), "Extended");
  EXPECT_TRUE(Checked(kId_option_closewnd));
  EXPECT_EQ(TextOf(form_->hwnd()), "Total Commander Kestrix ");
}

// --- Themes, flat buttons and the interface language ---------------------------------

// Whether a flat button shows the glyph resource `name` (compared pixel by pixel with the
// resource decoded at the window's DPI).
::testing::AssertionResult ShowsGlyph(const Ttc_KestrixForm& form, FileSystem& files, int id,
                                      const std::string& name) {
  const FlatButton* button = form.FlatControl(id);
  if (button == nullptr) return ::testing::AssertionFailure() << id << " is no flat button";
  PngImage expected;
  std::string error;
  if (!LoadGlyph(GetModuleHandleA(nullptr), files, GlyphRef::Resource(name), SystemDpi(), expected,
                 error))
    return ::testing::AssertionFailure() << name << ": " << error;
  const PngImage& shown = button->Glyph();
  if (shown.IsEmpty() || shown.Width() != expected.Width() || shown.Height() != expected.Height() ||
      std::memcmp(shown.Pixels(), expected.Pixels(),
                  static_cast<size_t>(shown.Width()) * shown.Height() * 4) != 0)
    return ::testing::AssertionFailure() << "control " << id << " does not show " << name;
  return ::testing::AssertionSuccess();
}

struct ColorAnswer {
  LRESULT brush;
  COLORREF text;
  COLORREF background;
  COLORREF brush_color;
};

class MainFormLookTest : public MainFormTest {
 protected:
  ColorAnswer AskColors(UINT message, int id) {
    HDC dc = GetDC(form_->hwnd());
    ColorAnswer answer{};
    answer.brush = SendMessageA(form_->hwnd(), message, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(C(id)));
    answer.text = GetTextColor(dc);
    answer.background = GetBkColor(dc);
    LOGBRUSH brush = {};
    if (answer.brush != 0) GetObjectA(reinterpret_cast<HBRUSH>(answer.brush), sizeof brush, &brush);
    answer.brush_color = brush.lbColor;
    ReleaseDC(form_->hwnd(), dc);
    return answer;
  }
  bool Shows(int id, const std::string& glyph) { return ShowsGlyph(*form_, files_, id, glyph); }
  int CharsetOf(int id) {
    return FontCharset(reinterpret_cast<HFONT>(SendMessageA(C(id), WM_GETFONT, 0, 0)));
  }
  std::string Settings() { return files_.FileContent(kSettingsFile).value_or(""); }
};

// NIGHTFALL with flat buttons, a translucent window and a larger font.
class NightfallTest : public MainFormLookTest {
  void BeforeCreate() override {
    files_.AddFile(kSettingsFile,
                   "[Configuration]\r\nFlatButtons=True\r\nUseWindowTheme=True\r\n"
                   "SelectedTheme=2\r\nAlphaBlendValue=200\r\nFontSize=10\r\n");
  }
};

TEST_F(NightfallTest, ControlsAreAnsweredInTheThemesColours) {
  constexpr COLORREF kMain = HexRgb(0xE3E3E3);
  constexpr COLORREF kAccent = HexRgb(0xFF7A05);
  const struct {
    UINT message;
    int id;
    COLORREF text;
  } themed[] = {
      {WM_CTLCOLOREDIT, kId_edit_curdirname, kAccent},
      {WM_CTLCOLORSTATIC, kId_lbl_newdirname, kAccent},
      {WM_CTLCOLORSTATIC, kId_lbl_s_refresh, kAccent},
      {WM_CTLCOLORSTATIC, kId_option_closewnd, GetSysColor(COLOR_WINDOWTEXT)},
  };
  for (const auto& c : themed) {
    ColorAnswer answer = AskColors(c.message, c.id);
    ASSERT_NE(answer.brush, 0) << c.id;
    EXPECT_EQ(answer.brush_color, kMain) << c.id;
    EXPECT_EQ(answer.background, kMain) << c.id;
    EXPECT_EQ(answer.text, c.text) << c.id;
  }
  // The input fields stay as the system draws them.
  EXPECT_EQ(AskColors(WM_CTLCOLOREDIT, kId_MkDirExt).brush_color, GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(form_->FlatControl(kId_btn_ok_flat)->Colors().face, kMain);
  EXPECT_EQ(form_->FlatControl(kId_btn_cancel_flat)->Colors().text, kAccent);
  EXPECT_EQ(form_->FlatControl(kId_btn_extended)->Colors().text, HexRgb(0x808080));
  EXPECT_TRUE(Shows(kId_btn_cancel_flat, "THEME_NIGHTFALL_CANCEL"));
  EXPECT_TRUE(Shows(kId_btn_options_flat, "THEME_NIGHTFALL_OPTIONS"));
  EXPECT_TRUE(Shows(kId_btn_undo, "THEME_NIGHTFALL_UNDO"));
  // FontSize 10 with the default face reaches every control, edit fields too.
  for (int id : {kId_option_closewnd, kId_MkDirExt, kId_btn_ok_flat}) {
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(C(id), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -MulDiv(10, SystemDpi(), 72)) << id;
  }
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(form_->hwnd(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 200);
  EXPECT_TRUE(flags & LWA_ALPHA);
}

TEST_F(NightfallTest, FlatButtonsStandInForThePushButtonsAndFollowTheOkState) {
  for (auto [plain, flat] : {std::pair{kId_btn_ok, kId_btn_ok_flat},
                             {kId_btn_cancel, kId_btn_cancel_flat},
                             {kId_btn_options, kId_btn_options_flat}}) {
    EXPECT_FALSE(Visible(plain)) << plain;
    EXPECT_TRUE(Visible(flat)) << flat;
  }
  TypeName("Existing");
  EXPECT_EQ(T(kId_btn_ok_flat), "Enter");
  EXPECT_TRUE(Enabled(kId_btn_ok_flat));
  EXPECT_TRUE(Shows(kId_btn_ok_flat, "THEME_DEFAULT_ENTER"));
  TypeName("");
  EXPECT_FALSE(Enabled(kId_btn_ok_flat));
  EXPECT_TRUE(Shows(kId_btn_ok_flat, "THEME_NIGHTFALL_OK"));
  // A click on the disabled flat OK creates nothing.
  SendMessageA(C(kId_btn_ok_flat), BM_CLICK, 0, 0);
  TypeName("Fresh");
  EXPECT_EQ(T(kId_btn_ok_flat), "OK");
  EXPECT_TRUE(Enabled(kId_btn_ok_flat));
  SendMessageA(C(kId_btn_ok_flat), BM_CLICK, 0, 0);
  Pump();
  EXPECT_TRUE(files_.DirectoryExists("C:\\Work\\Fresh"));
  EXPECT_EQ(files_.CreatedDirectories().size(), 1u);
}

TEST_F(MainFormLookTest, PlainLookKeepsPushButtonsAndItsOwnTextColours) {
  EXPECT_TRUE(Visible(kId_btn_ok));
  EXPECT_FALSE(Visible(kId_btn_ok_flat));
  ColorAnswer preview = AskColors(WM_CTLCOLORSTATIC, kId_lbl_newdirname);
  EXPECT_EQ(preview.text, HexRgb(0x5D98E3));
  EXPECT_EQ(preview.brush_color, GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(AskColors(WM_CTLCOLORSTATIC, kId_lbl_s_refresh).text, HexRgb(0x7CAD5B));
  EXPECT_TRUE(Shows(kId_btn_undo, "NOTHEME_DEFAULT_UNDO"));
  EXPECT_TRUE(Shows(kId_btn_BatchDir, "ICON_BatchCreate_INACT"));
  Click(kId_btn_BatchDir);
  EXPECT_TRUE(Shows(kId_btn_BatchDir, "ICON_BatchCreate_ACT"));
  // Without layered transparency the window is opaque.
  EXPECT_EQ(GetWindowLongPtrA(form_->hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

TEST_F(MainFormLookTest, HoverHighlightsQuickButtonsTheRefreshMarkerAndCountsLines) {
  SendMessageA(C(kId_btn_Quick1), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(Shows(kId_btn_Quick1, "ICON_SpaceToDot_ACT"));
  SendMessageA(C(kId_btn_Quick3), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(Shows(kId_btn_Quick1, "ICON_SpaceToDot_INACT"));
  EXPECT_TRUE(Shows(kId_btn_Quick3, "ICON_InvertCase_ACT"));
  SendMessageA(form_->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
  EXPECT_TRUE(Shows(kId_btn_Quick3, "ICON_InvertCase_INACT"));

  SendMessageA(C(kId_lbl_s_newfolder), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_TRUE(Visible(kId_lbl_s_refresh));
  EXPECT_FALSE(Visible(kId_img_ChangeDirAttrib));
  EXPECT_EQ(AskColors(WM_CTLCOLORSTATIC, kId_lbl_s_newfolder).text, HexRgb(0x808080));
  SendMessageA(C(kId_lbl_s_newfolder), WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(Visible(kId_lbl_s_refresh));
  EXPECT_TRUE(Visible(kId_img_ChangeDirAttrib));

  Click(kId_btn_extended);
  TypeList("a\r\n\r\nb\r\nc");
  ASSERT_TRUE(Visible(kId_lbl_s_more));
  EXPECT_EQ(T(kId_lbl_s_more), "<more>");
  SendMessageA(C(kId_lbl_s_more), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(T(kId_lbl_s_more), "<3>");
  TypeList("a\r\nb");  // the count follows the list while hovered
  EXPECT_EQ(T(kId_lbl_s_more), "<2>");
  SendMessageA(C(kId_lbl_s_more), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(T(kId_lbl_s_more), "<more>");
}

// A user theme: its colours, one icon file of its own and the default glyphs for the rest.
class UserThemeTest : public MainFormLookTest {
  void BeforeCreate() override {
    files_.AddFile(kSettingsFile,
                   "[Configuration]\r\nFlatButtons=True\r\nUseWindowTheme=True\r\n"
                   "SelectedTheme=6\r\nUserThemeName=Mine\r\n");
    files_.AddFile("C:\\Kestrix\\theme_Mine\\theme.ini",
                   "[ThemeInfo]\r\nName=Mine\r\nMainColor=#102030\r\nFontColor=405060\r\n");
    std::string png;
    ASSERT_EQ(ReadRcData(GetModuleHandleA(nullptr), "THEME_PINK_CANCEL", png), 0u);
    files_.AddFile("C:\\Kestrix\\theme_Mine\\icon-cancel.png", png);
  }
};

TEST_F(UserThemeTest, ColoursAndIconFilesComeFromTheThemeDirectory) {
  ColorAnswer answer = AskColors(WM_CTLCOLORSTATIC, kId_lbl_newdirname);
  EXPECT_EQ(answer.brush_color, HexRgb(0x102030));
  EXPECT_EQ(answer.text, HexRgb(0x405060));
  EXPECT_TRUE(Shows(kId_btn_cancel_flat, "THEME_PINK_CANCEL"));
  EXPECT_TRUE(Shows(kId_btn_options_flat, "THEME_DEFAULT_OPTIONS"));
  EXPECT_TRUE(Shows(kId_btn_ok_flat, "THEME_DEFAULT_OK"));
  SendMessageA(form_->hwnd(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_NE(Settings().find("UserThemeName=Mine"), std::string::npos);
}

// An external language file named by CurrentLng.
class ExternalLanguageTest : public MainFormLookTest {
  void BeforeCreate() override {
    files_.AddFile(kSettingsFile, "[Language]\r\nCurrentLng=lng_Magyar.ini\r\n");
    files_.AddFile("C:\\Kestrix\\lng_Magyar.ini",
                   "[Language]\r\nLngShortID=\tHUN\r\n[Buttons]\r\nBtnCancel=\t\t\tM\xE9gse\r\n"
                   "BtnExtended=\t\tB\xF5v\xEDtett\r\n[Captions - Program]\r\n"
                   "Replacements=\t\tHelyettes\xEDt\xE9s\r\nMore=\t<t\xF6"
                   "bb>\r\n");
  }
};

TEST_F(ExternalLanguageTest, TextsAndTheFontCharsetComeFromTheFile) {
  EXPECT_EQ(T(kId_btn_cancel), "M\xE9gse");
  EXPECT_EQ(T(kId_btn_extended), "B\xF5v\xEDtett");
  EXPECT_EQ(T(kId_option_replacements), "Helyettes\xEDt\xE9s");
  EXPECT_EQ(T(kId_btn_ok), "OK");  // a key the file lacks keeps its English text
  for (int id : {kId_btn_cancel, kId_option_replacements, kId_Label21, kId_MkDir})
    EXPECT_EQ(CharsetOf(id), 238) << id;
  EXPECT_NE(CharsetOf(kId_MkDirExt), 238);  // edit fields keep the designed font
  Click(kId_btn_extended);
  TypeList("x\r\ny");
  EXPECT_EQ(T(kId_lbl_s_more),
            "<t\xF6"
            "bb>");
  PostMessageA(form_->hwnd(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_NE(Settings().find("CurrentLng=lng_Magyar.ini"), std::string::npos);
}

// "/LNG=" picks a built-in language for this run.
class CommandLineLanguageTest : public MainFormLookTest {
  void BeforeCreate() override {
    resources_.Add("LNG_RUS", "[Language]\r\nLngShortID=RUS\r\n[Buttons]\r\nBtnOK=Da\r\n");
    args_ = {"/lng= rus "};
  }
};

TEST_F(CommandLineLanguageTest, ItsIdentifierIsWrittenWhenTheSettingIsMissing) {
  TypeName("Fresh");
  EXPECT_EQ(T(kId_btn_ok), "Da");
  EXPECT_EQ(CharsetOf(kId_btn_ok), 204);
  EXPECT_EQ(form_->Language().current_id, "rus");
  SendMessageA(form_->hwnd(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_NE(Settings().find("CurrentLng=rus"), std::string::npos);
}

// Each built-in language chosen by "/LNG=": the window shows the texts of the resource the
// program embeds for it, in the character set its `LngShortID` gives.
struct BuiltInWindowCase {
  const char* id;
  int charset;
};

class BuiltInLanguageTest : public MainFormLookTest,
                            public ::testing::WithParamInterface<BuiltInWindowCase> {
 protected:
  void BeforeCreate() override {
    for (const BuiltInLanguage& language : kBuiltInLanguages) {
      const std::string name = LanguageResourceName(language.id);
      std::string text;
      if (embedded_.ReadData(name, text) == 0) resources_.Add(name, text);
    }
    args_ = {std::string("/LNG=") + GetParam().id};
  }
  Win32Resources embedded_;
};

TEST_P(BuiltInLanguageTest, CaptionsAreTheLanguagesTexts) {
  std::string text;
  ASSERT_EQ(embedded_.ReadData(LanguageResourceName(GetParam().id), text), 0u);
  const LanguageTable language = LanguageTable::FromText(text);
  const struct {
    int id;
    LanguageKey key;
  } captions[] = {
      {kId_lbl_s_newfolder, lng::program::kNewFolder},
      {kId_Label21, lng::program::kAdditionalGrpbox},
      {kId_option_replacements, lng::program::kReplacements},
      {kId_option_enterdir, lng::program::kEnterDirectory},
      {kId_option_closewnd, lng::program::kCloseWindow},
      {kId_btn_extended, lng::buttons::kBtnExtended},
      {kId_btn_cancel, lng::buttons::kBtnCancel},
      {kId_btn_options, lng::buttons::kBtnOptions},
  };
  for (const auto& c : captions) {
    EXPECT_EQ(T(c.id), language.Text(c.key)) << c.key.key;
    EXPECT_NE(T(c.id), c.key.BuiltInText()) << c.key.key;  // not the English fallback
  }
  for (int id : {kId_btn_cancel, kId_option_closewnd, kId_Label21})
    EXPECT_EQ(CharsetOf(id), GetParam().charset) << id;
}

INSTANTIATE_TEST_SUITE_P(
    EveryTranslation, BuiltInLanguageTest,
    ::testing::Values(BuiltInWindowCase{"HUN", 238}, BuiltInWindowCase{"RUS", 204},
                      BuiltInWindowCase{"DUT", 0}, BuiltInWindowCase{"ESP", 1},
                      BuiltInWindowCase{"DEU", 1},  // the file declares "deu"
                      BuiltInWindowCase{"DAN", 1}, BuiltInWindowCase{"CHN", 134},
                      BuiltInWindowCase{"UKR", 204}, BuiltInWindowCase{"KOR", 129}),
    [](const ::testing::TestParamInfo<BuiltInWindowCase>& info) { return info.param.id; });

TEST_F(MainFormTest, OkIsDisabledForAnEmptyNameAndReadsEnterForAnExistingDirectory) {
  TypeName("");
  EXPECT_FALSE(Enabled(kId_btn_ok));
  EXPECT_EQ(T(kId_btn_ok), "OK");
  TypeName("Existing");
  EXPECT_TRUE(Enabled(kId_btn_ok));
  EXPECT_EQ(T(kId_btn_ok), "Enter");
  TypeName("New one");
  EXPECT_TRUE(Enabled(kId_btn_ok));
  EXPECT_EQ(T(kId_btn_ok), "OK");
  EXPECT_EQ(T(kId_lbl_newdirname), "New one");
  TypeName("Programs\\Audio\\%Y");
  EXPECT_TRUE(Checked(kId_option_replacements));
  Screenshot("normal");
}

TEST_F(MainFormTest, EnterWithAnEmptyNameDoesNothing) {
  TypeName("");
  Key(form_->MkDirEdit(), VK_RETURN, false, false, '\r');
  EXPECT_TRUE(IsWindow(form_->hwnd()));
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_TRUE(files_.DirectoryExists("C:\\Work\\Existing"));
}

TEST_F(MainFormTest, StarsTurnIntoSubdirectoryLinesWhenTheListOnlyMirrorsTheName) {
  TypeName("a*b*c");
  EXPECT_EQ(T(kId_lbl_newdirname), "");  // no preview for subdirectory notation
  Click(kId_btn_extended);
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"a", "*b", "*c"}));
  // The name field mirrors line 0 of the list.
  EXPECT_EQ(T(kId_MkDir), "a");
}

TEST_F(MainFormTest, SeveralLinesDisableEnteringTheDirectory) {
  Click(kId_btn_extended);
  Click(kId_option_enterdir);
  SendMessageA(C(kId_option_enterdir), BM_SETCHECK, BST_CHECKED, 0);
  TypeList("x\r\ny\r\nz");
  EXPECT_FALSE(Checked(kId_option_enterdir));
  EXPECT_FALSE(Enabled(kId_option_enterdir));
  EXPECT_TRUE(Visible(kId_lbl_s_more));
  EXPECT_EQ(T(kId_lbl_newdirname), "");  // no single name to preview
  EXPECT_EQ(T(kId_MkDir), "x");
  TypeList("x");
  EXPECT_TRUE(Enabled(kId_option_enterdir));
  EXPECT_FALSE(Checked(kId_option_enterdir));
  TypeList("  \r\n ");
  EXPECT_FALSE(Enabled(kId_btn_ok));
}

TEST_F(MainFormTest, F3CyclesThroughTheModesAndBatchGivesTheUsersListBack) {
  TypeName("Disc 07");
  Key(form_->MkDirEdit(), VK_F3);
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  TypeList("Intro\r\nDisc 07");
  Key(C(kId_MkDirExt), VK_F3);
  EXPECT_EQ(form_->Mode(), MainMode::kBatch);
  EXPECT_TRUE(Visible(kId_grp_batchDir));
  EXPECT_EQ(T(kId_cmbx_prefix), "Disc ");
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"Disc 08", "Disc 09", "Disc 10"}));
  Screenshot("batch");
  Key(C(kId_MkDirExt), VK_F3);
  EXPECT_EQ(form_->Mode(), MainMode::kNormal);
  EXPECT_FALSE(Visible(kId_grp_batchDir));
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"Intro", "Disc 07"}));
  EXPECT_EQ(T(kId_MkDir), "Intro");
}

TEST_F(MainFormTest, BatchOnTopOfExtendedAndBackByF8AndF7) {
  Key(form_->MkDirEdit(), VK_F8);
  EXPECT_EQ(form_->Mode(), MainMode::kBatch);
  Key(C(kId_MkDirExt), VK_F7);
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  TypeList("keep\r\nthis");
  Key(C(kId_MkDirExt), VK_F7);  // re-applies Extended mode, the list stays
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"keep", "this"}));
  Key(C(kId_MkDirExt), VK_F6);
  EXPECT_EQ(form_->Mode(), MainMode::kNormal);
}

TEST_F(MainFormTest, BatchFieldsAreCorrectedInPlace) {
  Click(kId_btn_BatchDir);
  ASSERT_EQ(form_->Mode(), MainMode::kBatch);
  SetWindowTextA(C(kId_edit_stepby), "0");
  Pump();
  EXPECT_EQ(T(kId_edit_stepby), "1");
  SetWindowTextA(C(kId_edit_to), "20000");
  Pump();
  EXPECT_EQ(T(kId_edit_to), "10000");
  SetWindowTextA(C(kId_edit_to), "12");
  SetWindowTextA(C(kId_edit_from), "8");
  Pump();
  EXPECT_EQ(T(kId_edit_digits), "2");
  EXPECT_EQ(ListLines().front(), "08");
  EXPECT_EQ(ListLines().back(), "12");
  Click(kId_btn_sign);
  EXPECT_EQ(ListLines().front(), "12");
  EXPECT_EQ(ListLines().back(), "08");
}

TEST_F(MainFormTest, CtrlDAddsNumberedSubdirectoryLines) {
  TypeName("Project");
  for (int press = 0; press < 3; ++press) {
    HWND input = form_->Mode() == MainMode::kNormal ? form_->MkDirEdit() : C(kId_MkDirExt);
    Key(input, 'D', true, false, 4);
  }
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  EXPECT_EQ(ListLines(),
            (std::vector<std::string>{"Project", "* Subdir 1", "* Subdir 2", "* Subdir 3"}));
  TypeList("Project\r\n* Docs 1");
  Key(C(kId_MkDirExt), 'D', true, false, 4);
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"Project", "* Docs 1", "* Docs 2"}));
  DWORD start = 0, end = 0;
  SendMessageA(C(kId_MkDirExt), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(T(kId_MkDirExt).substr(start, end - start), "Docs ");
  Screenshot("extended");
}

TEST_F(MainFormTest, CtrlEnterInTheListRunsOkWhileEnterStartsANewLine) {
  Click(kId_btn_extended);
  TypeList("one\r\ntwo");
  Key(C(kId_MkDirExt), VK_RETURN, true, false, '\n');
  Pump();
  EXPECT_TRUE(files_.DirectoryExists("C:\\Work\\one"));
  EXPECT_TRUE(files_.DirectoryExists("C:\\Work\\two"));
}

TEST_F(MainFormTest, CtrlShiftRDoesNothing) {
  TypeName("abc");
  Key(form_->MkDirEdit(), 'R', true, true);
  EXPECT_EQ(form_->Mode(), MainMode::kNormal);
  EXPECT_EQ(T(kId_MkDir), "abc");
  EXPECT_TRUE(windows_.posted().empty());
}

TEST_F(MainFormTest, EscapeClosesTheWindowUnlessATemplateListIsOpen) {
  SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(kId_cmbox_Templates, CBN_DROPDOWN),
               reinterpret_cast<LPARAM>(C(kId_cmbox_Templates)));
  Key(C(kId_cmbox_Templates), VK_ESCAPE, false, false, VK_ESCAPE);
  EXPECT_TRUE(IsWindow(form_->hwnd()));
  Key(form_->MkDirEdit(), VK_ESCAPE, false, false, VK_ESCAPE);
  EXPECT_FALSE(IsWindow(form_->hwnd()));
}

TEST_F(MainFormTest, WordStopsOfTheName) {
  TypeName("ab-c d-e");
  EXPECT_EQ(form_->WordStops(), (std::vector<int>{3, 5, 7}));
  TypeName("a - b");
  EXPECT_EQ(form_->WordStops(), (std::vector<int>{2, 4}));
  TypeName("x");
  EXPECT_EQ(form_->WordStops(), (std::vector<int>{2, 4}));  // one character keeps them
}

TEST_F(MainFormTest, VariablesPopupOffersTheEnvironmentWithoutItsFirstEntry) {
  form_->PrepareVariablesMenu();
  HMENU popup = form_->VariablesMenu();
  ASSERT_EQ(GetMenuItemCount(popup), 4);
  char caption[256] = {};
  GetMenuStringA(popup, 3, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "Env. variables");
  HMENU env = GetSubMenu(popup, 3);
  ASSERT_EQ(GetMenuItemCount(env), 2);
  GetMenuStringA(env, 0, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "%KX_ONE%");
  HMENU date = GetSubMenu(popup, 0);
  EXPECT_EQ(GetMenuItemCount(date), 21);
  GetMenuStringA(date, 15, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "%Y   - Year (4 digits)");
  // Building it again adds nothing.
  form_->PrepareVariablesMenu();
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(form_->VariablesMenu(), 3)), 2);
}

TEST_F(MainFormTest, InsertingAVariableSwitchesReplacementsOn) {
  TypeName("Audio ");
  SendMessageA(form_->MkDirEdit(), EM_SETSEL, 6, 6);
  SetFocus(form_->MkDirEdit());
  form_->InsertVariable("%Y");
  EXPECT_EQ(T(kId_MkDir), "Audio %Y");
  EXPECT_TRUE(Checked(kId_option_replacements));
  TypeName("Audio");
  EXPECT_FALSE(Checked(kId_option_replacements));
}

TEST_F(MainFormTest, PressingTheReplacementsBoxDisarmsTheAutomaticSwitch) {
  TypeName("Audio %Y");
  ASSERT_TRUE(Checked(kId_option_replacements));
  SendMessageA(C(kId_option_replacements), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(C(kId_option_replacements), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  Pump();
  EXPECT_FALSE(Checked(kId_option_replacements));
  // Disarmed: a variable no longer checks the box.
  TypeName("Audio %Y %D");
  EXPECT_FALSE(Checked(kId_option_replacements));
}

TEST_F(MainFormTest, QuickButtonsRewriteTheNameAndCtrlDigitsClickThem) {
  TypeName("My  new folder ");
  Click(kId_btn_Quick1);
  EXPECT_EQ(T(kId_MkDir), "My  new.folder ");  // the careful variant keeps runs and the end
  Key(form_->MkDirEdit(), '3', true);
  EXPECT_EQ(T(kId_MkDir), "mY  NEW.FOLDER ");
}

TEST_F(MainFormTest, WindowKeysWorkFromAnyControl) {
  Key(C(kId_option_closewnd), VK_F3);
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
}

TEST_F(MainFormTest, TemplateComboListsTheBuiltInEntries) {
  HWND combo = C(kId_cmbox_Templates);
  SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(kId_cmbox_Templates, CBN_DROPDOWN),
               reinterpret_cast<LPARAM>(combo));
  ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 5);
  char entry[256] = {};
  SendMessageA(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(entry));
  EXPECT_STREQ(entry, "- no template selected -");
  // The first built-in template selects its word.
  SendMessageA(combo, CB_SETCURSEL, 1, 0);
  SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(kId_cmbox_Templates, CBN_SELENDOK),
               reinterpret_cast<LPARAM>(combo));
  Pump();
  EXPECT_EQ(T(kId_MkDir), "New Folder (%Y.%N.%D.)");
  DWORD start = 0, end = 0;
  SendMessageA(form_->MkDirEdit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(std::make_pair(start, end), std::make_pair(DWORD{0}, DWORD{10}));
  EXPECT_TRUE(Checked(kId_option_replacements));
}

TEST_F(MainFormTest, OkCreatesTheLevelsOfAChain) {
  TypeName("Programs\\Audio");
  Click(kId_btn_ok);
  EXPECT_TRUE(files_.DirectoryExists("C:\\Work\\Programs\\Audio"));
}

// The path field: Ctrl+E or a double-click opens it on the current path; while typing, an
// existing directory is shown in the host at once; ending the edit makes the expanded,
// completed text the current path and re-runs the preview against it.
TEST_F(MainFormTest, EditedPathBecomesCurrentAndTheHostFollowsExistingDirectories) {
  TypeName("Existing");
  ASSERT_EQ(T(kId_btn_ok), "Enter");
  Key(form_->MkDirEdit(), 'E', true);
  ASSERT_TRUE(Visible(kId_edit_curdirname));
  EXPECT_FALSE(Visible(kId_lbl_currentPath));
  EXPECT_EQ(T(kId_edit_curdirname), "C:\\Work\\");
  EXPECT_EQ(GetFocus(), C(kId_edit_curdirname));
  const size_t sent_before = windows_.copy_data_sent().size();

  SetWindowTextA(C(kId_edit_curdirname), "C:\\Nowhere");
  Pump();
  EXPECT_EQ(windows_.copy_data_sent().size(), sent_before);
  SetWindowTextA(C(kId_edit_curdirname), "C:/Work/Existing");
  Pump();
  ASSERT_EQ(windows_.copy_data_sent().size(), sent_before + 1);
  EXPECT_NE(windows_.copy_data_sent().back().bytes.find("C:\\Work\\Existing"), std::string::npos);

  SetWindowTextA(C(kId_edit_curdirname), "C:\\Work\\%KX_ONE%");
  Key(C(kId_edit_curdirname), VK_ESCAPE, false, false, VK_ESCAPE);
  EXPECT_FALSE(Visible(kId_edit_curdirname));
  EXPECT_TRUE(Visible(kId_lbl_currentPath));
  EXPECT_EQ(app_.Snapshot.CurrentPath, "C:\\Work\\1\\");
  EXPECT_EQ(T(kId_lbl_currentPath), "C:\\Work\\1\\");
  // "Existing" is no longer below the current path.
  EXPECT_EQ(T(kId_btn_ok), "OK");

  SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(kId_lbl_newdirname, STN_DBLCLK),
               reinterpret_cast<LPARAM>(C(kId_lbl_newdirname)));
  ASSERT_TRUE(Visible(kId_edit_curdirname));
  SendMessageA(form_->hwnd(), WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(Visible(kId_edit_curdirname));
  EXPECT_EQ(app_.Snapshot.CurrentPath, "C:\\Work\\1\\");
}

TEST_F(MainFormTest, RefreshLabelRereadsTheHostPanelPath) {
  // The host's path label: the first panel inside the second panel of the host window.
  windows_.Add(host_, "TMyPanel", "");
  const WindowHandle outer = windows_.Add(host_, "TMyPanel", "");
  windows_.Add(outer, "TMyPanel", "C:\\Work\\Existing\\*.*");
  windows_.Add(host_, "TMyListBox", "");
  windows_.Add(host_, "TMyListBox", "");
  Click(kId_lbl_s_newfolder);
  EXPECT_EQ(app_.Snapshot.CurrentPath, "C:\\Work\\Existing\\");
  EXPECT_EQ(T(kId_lbl_currentPath), "C:\\Work\\Existing\\");
}

TEST_F(MainFormTest, CustomNameReplacesTheSuggestionAtEveryActivation) {
  files_.AddFile(SettingsFilePath(kExe),
                 "[Configuration]\r\nSuggestedName=1\r\nCustomDirName=  Inbox %Y \r\n");
  TypeName("Setup");
  SendMessageA(form_->hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  Pump();
  EXPECT_EQ(T(kId_MkDir), "Inbox %Y");
}

// The message method with RefreshOnActivate: every return of the application re-reads the
// host's path; without the setting, returning asks nothing.
class RefreshOnActivateTest : public MainFormTest {
  void BeforeCreate() override {
    files_.AddFile(kSettingsFile,
                   "[Configuration]\r\nTC8B10Method=True\r\nRefreshOnActivate=True\r\n");
  }
};

int PathQueries(const FakeWindowSystem& windows) {
  int count = 0;
  for (const auto& sent : windows.copy_data_sent())
    if (sent.bytes.rfind("SP", 0) == 0) ++count;
  return count;
}

TEST_F(RefreshOnActivateTest, ReturningToTheApplicationRereadsTheHostPath) {
  const int before = PathQueries(windows_);
  SendMessageA(form_->hwnd(), WM_ACTIVATEAPP, TRUE, 0);
  Pump();
  EXPECT_EQ(PathQueries(windows_), before + 1);
  SendMessageA(form_->hwnd(), WM_ACTIVATEAPP, FALSE, 0);
  Pump();
  EXPECT_EQ(PathQueries(windows_), before + 1);
}

TEST_F(MainFormTest, WithoutRefreshOnActivateReturningAsksNothing) {
  const size_t before = windows_.copy_data_sent().size();
  SendMessageA(form_->hwnd(), WM_ACTIVATEAPP, TRUE, 0);
  Pump();
  EXPECT_EQ(windows_.copy_data_sent().size(), before);
}

// The user's own character replacements reach the run behind OK.
class ReplaceCharsTest : public MainFormTest {
  void BeforeCreate() override {
    files_.AddFile(kSettingsFile,
                   "[Configuration]\r\nInvalidCharAction=1\r\n[ReplaceChars]\r\n&=and\r\n");
  }
};

// A key typed into the closed template list picks the entry it starts; undo brings the
// name back as it was.
TEST_F(MainFormTest, TemplateKeyPicksTheEntryAndUndoRestoresTheName) {
  TypeName("mine");
  SetFocus(C(kId_cmbox_Templates));
  TypeKeys("W");
  EXPECT_EQ(T(kId_MkDir), "Weekly_backup_%W");
  ASSERT_TRUE(Visible(kId_btn_undo));
  ClickWithMouse(kId_btn_undo);
  EXPECT_EQ(T(kId_MkDir), "mine");
  EXPECT_FALSE(Visible(kId_btn_undo));
}

TEST_F(MainFormTest, DirectionButtonShowsItsImages) {
  Key(C(kId_MkDir), VK_F8);
  const FlatButton* sign = form_->FlatControl(kId_btn_sign);
  ASSERT_NE(sign, nullptr);
  ASSERT_FALSE(sign->Glyph().IsEmpty());
  EXPECT_EQ(T(kId_btn_sign), "");
  const HBITMAP ascending = sign->Glyph().Bitmap();
  ClickWithMouse(kId_btn_sign);
  EXPECT_FALSE(sign->Glyph().IsEmpty());
  EXPECT_NE(sign->Glyph().Bitmap(), ascending);
}

// With replacement of invalid characters, an environment name keeps replacements on in
// both modes and the one-line list's preview is cleaned like the name's.
TEST_F(ReplaceCharsTest, EnvironmentNamesKeepReplacementsOnInBothModes) {
  SetFocus(form_->MkDirEdit());
  TypeKeys("%KX_ONE%\\a?b");
  EXPECT_TRUE(Checked(kId_option_replacements));
  EXPECT_EQ(T(kId_lbl_newdirname), "1\\a_b");
  Key(C(kId_MkDir), VK_F3);
  EXPECT_TRUE(Checked(kId_option_replacements));
  EXPECT_EQ(T(kId_lbl_newdirname), "1\\a_b");
}

TEST_F(ReplaceCharsTest, OkRepairsTheNameWithTheSettingsReplacements) {
  TypeName("R&D");
  Click(kId_btn_ok);
  EXPECT_TRUE(files_.DirectoryExists("C:\\Work\\RandD"));
  EXPECT_FALSE(files_.Exists("C:\\Work\\R&D"));
}

}  // namespace
}  // namespace kestrix
