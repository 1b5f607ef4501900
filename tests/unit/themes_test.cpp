#include "settings/themes.h"

#include <gtest/gtest.h>

#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_message_boxes.h"
#include "settings/language_table.h"
#include "settings/settings.h"
#include "settings/settings_model.h"

namespace kestrix {
namespace {

const char kProgramDir[] = "C:\\TC\\Kestrix";

TEST(HtmlToColor, ConvertsAndRejects) {
  struct Case {
    const char* text;
    std::optional<ColorRef> expected;
  };
  const Case cases[] = {
      {"359CEB", RgbColor(0x35, 0x9C, 0xEB)},
      {"#359CEB", RgbColor(0x35, 0x9C, 0xEB)},
      {"#359ceb", RgbColor(0x35, 0x9C, 0xEB)},
      {"FF0000", RgbColor(0xFF, 0, 0)},
      {"0000FF", RgbColor(0, 0, 0xFF)},
      // Read as a number: short texts are the low bytes, which are blue.
      {"FF", RgbColor(0, 0, 0xFF)},
      {"000000", RgbColor(0, 0, 0)},
      {"", std::nullopt},
      {"#", std::nullopt},
      {"##359CEB", std::nullopt},
      {"359CEG", std::nullopt},
      {"1359CEB", std::nullopt},
      {" 359CEB", std::nullopt},
      {"-1", std::nullopt},
      {"0x35", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(HtmlToColor(c.text), c.expected) << c.text;
}

TEST(ThemeGlyphs, NamesAndSizes) {
  EXPECT_EQ(ThemeGlyphName("Sky", GlyphRole::kOk), "THEME_SKY_OK");
  EXPECT_EQ(ThemeGlyphName("NIGHTFALL", GlyphRole::kOptions), "THEME_NIGHTFALL_OPTIONS");
  EXPECT_EQ(ThemeGlyphName(kDefaultThemeName, GlyphRole::kUndo), "THEME_DEFAULT_UNDO");
  EXPECT_STREQ(UserThemeIconFile(GlyphRole::kCancel), "icon-cancel.png");
  EXPECT_STREQ(WindowImageName(11), "ICON_Attrib_HOVER");
  EXPECT_EQ(WindowImageName(9), nullptr);
  EXPECT_EQ(WindowImageName(14), nullptr);

  struct Case {
    int dpi;
    int pixels;
  };
  // 100 % and 125 % draw 16 pixels; 150 % draws the 24-pixel set, 200 % the 32 one.
  const Case cases[] = {{0, 16},   {-5, 16},  {96, 16},  {120, 16},
                        {144, 24}, {168, 24}, {192, 32}, {288, 32}};
  for (const Case& c : cases) EXPECT_EQ(GlyphSizeForDpi(c.dpi).pixels, c.pixels) << c.dpi;
}

class ChangeColorsTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.AddDirectory(kProgramDir); }
  ChangeColorsResult Run(const ThemeSettings& settings, const Appearance& current = {}) {
    return ChangeColors(current, settings, fs, kProgramDir);
  }
  void AddTheme(const std::string& dir_name, const std::string& ini) {
    fs.AddFile(std::string(kProgramDir) + "\\" + dir_name + "\\theme.ini", ini);
  }

  FakeFileSystem fs;
};

TEST_F(ChangeColorsTest, EachBuiltInThemeSetsItsColoursAndGlyphs) {
  for (int index = 0; index < 6; ++index) {
    const BuiltInTheme& theme = kBuiltInThemes[static_cast<size_t>(index)];
    for (bool flat : {false, true}) {
      Appearance look = Run({flat, true, index, "", ""}).appearance;
      EXPECT_EQ(look.flat_buttons, flat);
      EXPECT_EQ(look.main, ThemeColor::Fixed(theme.colors.main)) << theme.name;
      for (const ThemeColor& text :
           {look.curdir_text, look.newdirname_text, look.refresh_text, look.flat_button_text})
        EXPECT_EQ(text, ThemeColor::Fixed(theme.colors.accent)) << theme.name;
      EXPECT_EQ(look.quick_button_text, ThemeColor::Fixed(HexRgb(0x808080)));
      for (GlyphRole role : kGlyphRoles)
        EXPECT_EQ(look.Glyph(role), GlyphRef::Resource(ThemeGlyphName(theme.name, role)));
    }
  }
}

TEST_F(ChangeColorsTest, PlainLookWithAndWithoutFlatButtons) {
  Appearance themed = Run({true, true, 3, "", ""}).appearance;
  Appearance plain = Run({false, false, 3, "", ""}, themed).appearance;
  EXPECT_EQ(plain.main, ThemeColor::System(SystemColor::kButtonFace));
  EXPECT_EQ(plain.curdir_text, ThemeColor::Fixed(HexRgb(0x4391D3)));
  EXPECT_EQ(plain.newdirname_text, ThemeColor::Fixed(HexRgb(0x5D98E3)));
  EXPECT_EQ(plain.refresh_text, ThemeColor::Fixed(HexRgb(0x7CAD5B)));
  EXPECT_EQ(plain.flat_button_text, ThemeColor::System(SystemColor::kWindowText));
  EXPECT_EQ(plain.quick_button_text, ThemeColor::Fixed(HexRgb(0x808080)));
  EXPECT_EQ(plain.Glyph(GlyphRole::kUndo), GlyphRef::Resource("NOTHEME_DEFAULT_UNDO"));
  // Without flat buttons the hidden flat buttons keep the glyphs they had.
  EXPECT_EQ(plain.Glyph(GlyphRole::kOk), GlyphRef::Resource("THEME_PINK_OK"));

  Appearance flat = Run({true, false, 3, "", ""}, themed).appearance;
  EXPECT_EQ(flat.Glyph(GlyphRole::kOk), GlyphRef::Resource("THEME_DEFAULT_OK"));
  EXPECT_EQ(flat.Glyph(GlyphRole::kCancel), GlyphRef::Resource("THEME_DEFAULT_CANCEL"));
  EXPECT_EQ(flat.Glyph(GlyphRole::kOptions), GlyphRef::Resource("THEME_DEFAULT_OPTIONS"));
  EXPECT_EQ(flat.Glyph(GlyphRole::kUndo), GlyphRef::Resource("THEME_DEFAULT_UNDO"));
}

TEST_F(ChangeColorsTest, SpeedBtnColorSettingWinsOverEveryTheme) {
  AddTheme("theme_Mint", "[ThemeInfo]\r\nName=Mint\r\nSpeedBtnColor=00FF00\r\n");
  const ThemeSettings cases[] = {{false, false, 0, "#102030", ""},
                                 {false, true, 2, "102030", ""},
                                 {true, true, 6, " 102030 ", "Mint"}};
  for (const ThemeSettings& settings : cases) {
    ChangeColorsResult result = Run(settings);
    EXPECT_EQ(result.appearance.quick_button_text, ThemeColor::Fixed(RgbColor(0x10, 0x20, 0x30)))
        << settings.selected_theme;
    EXPECT_TRUE(result.problems.empty());
  }
}

TEST_F(ChangeColorsTest, BadSpeedBtnColorKeepsTheThemeColourAndIsReported) {
  ChangeColorsResult result = Run({false, true, 1, "zz1122", ""});
  EXPECT_EQ(result.appearance.quick_button_text, ThemeColor::Fixed(HexRgb(0x808080)));
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_NE(result.problems[0].find("zz1122"), std::string::npos);
}

TEST_F(ChangeColorsTest, UserThemeWithOnlyANameLooksLikeSkyWithBlueQuickButtons) {
  AddTheme("theme_Plain", "[ThemeInfo]\r\nName=Plain\r\n");
  for (int selected : {6, 7, 100, -1}) {
    Appearance look = Run({false, true, selected, "", "Plain"}).appearance;
    EXPECT_EQ(look.main, ThemeColor::Fixed(kBuiltInThemes[0].colors.main)) << selected;
    EXPECT_EQ(look.curdir_text, ThemeColor::Fixed(kBuiltInThemes[0].colors.accent));
    EXPECT_EQ(look.quick_button_text, ThemeColor::Fixed(HexRgb(0x359CEB)));
  }
}

TEST_F(ChangeColorsTest, UserThemeColoursAreTrimmedAndMayCarryAHash) {
  AddTheme("theme_Dark",
           "[ThemeInfo]\r\nName= Dark \r\nSpeedBtnColor= #010203\r\nFontColor=0A0B0C \r\n"
           "MainColor=#F0F1F2\r\n");
  Appearance look = Run({false, true, 6, "", "Dark"}).appearance;
  EXPECT_EQ(look.main, ThemeColor::Fixed(RgbColor(0xF0, 0xF1, 0xF2)));
  EXPECT_EQ(look.flat_button_text, ThemeColor::Fixed(RgbColor(0x0A, 0x0B, 0x0C)));
  EXPECT_EQ(look.quick_button_text, ThemeColor::Fixed(RgbColor(1, 2, 3)));
}

TEST_F(ChangeColorsTest, UnusableUserThemeLeavesThePreviousColours) {
  AddTheme("theme_NoName", "[ThemeInfo]\r\nMainColor=000000\r\n");
  AddTheme("theme_Blank", "[ThemeInfo]\r\nName=   \r\nMainColor=000000\r\n");
  fs.AddDirectory(std::string(kProgramDir) + "\\theme_NoIni");
  Appearance previous = Run({false, true, 4, "", ""}).appearance;
  for (const char* name : {"NoName", "Blank", "NoIni", "Missing", ""}) {
    ChangeColorsResult result = Run({false, true, 6, "", name}, previous);
    EXPECT_EQ(result.appearance.main, previous.main) << name;
    EXPECT_EQ(result.appearance.curdir_text, previous.curdir_text) << name;
    EXPECT_EQ(result.appearance.quick_button_text, previous.quick_button_text) << name;
  }
}

TEST_F(ChangeColorsTest, BadUserThemeColourKeepsThatRoleOnly) {
  AddTheme("theme_Half", "[ThemeInfo]\r\nName=Half\r\nMainColor=white\r\nFontColor=112233\r\n");
  Appearance previous = Run({false, true, 2, "", ""}).appearance;
  ChangeColorsResult result = Run({false, true, 6, "", "Half"}, previous);
  EXPECT_EQ(result.appearance.main, previous.main);
  EXPECT_EQ(result.appearance.curdir_text, ThemeColor::Fixed(RgbColor(0x11, 0x22, 0x33)));
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_NE(result.problems[0].find("MainColor"), std::string::npos);
}

TEST_F(ChangeColorsTest, UnreadableThemeFileIsReportedNotThrown) {
  AddTheme("theme_Locked", "[ThemeInfo]\r\nName=Locked\r\nMainColor=000000\r\n");
  fs.FailPath(std::string(kProgramDir) + "\\theme_Locked\\theme.ini", kErrorAccessDenied,
              FakeFileSystem::kFaultRead);
  Appearance previous = Run({false, true, 0, "", ""}).appearance;
  ChangeColorsResult result = Run({false, true, 6, "", "Locked"}, previous);
  EXPECT_EQ(result.appearance.main, previous.main);
  EXPECT_EQ(result.problems.size(), 1u);
}

TEST_F(ChangeColorsTest, UserThemeIconsOnlyWithFlatButtonsAndOnlyThoseThatExist) {
  AddTheme("theme_Icons", "[ThemeInfo]\r\nName=Icons\r\n");
  const std::string dir = std::string(kProgramDir) + "\\theme_Icons";
  fs.AddFile(dir + "\\icon-ok.png", "png");
  fs.AddFile(dir + "\\icon-undo.png", "png");
  Appearance previous = Run({true, true, 5, "", ""}).appearance;

  Appearance flat = Run({true, true, 6, "", "Icons"}, previous).appearance;
  EXPECT_EQ(flat.Glyph(GlyphRole::kOk), GlyphRef::File(dir + "\\icon-ok.png"));
  EXPECT_EQ(flat.Glyph(GlyphRole::kCancel), GlyphRef::Resource("THEME_PEACH_CANCEL"));
  EXPECT_EQ(flat.Glyph(GlyphRole::kOptions), GlyphRef::Resource("THEME_PEACH_OPTIONS"));
  EXPECT_EQ(flat.Glyph(GlyphRole::kUndo), GlyphRef::File(dir + "\\icon-undo.png"));

  Appearance normal = Run({false, true, 6, "", "Icons"}, previous).appearance;
  EXPECT_EQ(normal.Glyph(GlyphRole::kOk), GlyphRef::Resource("THEME_PEACH_OK"));
  // Step one of the rules gives btn_undo the default theme's glyph whatever comes after.
  EXPECT_EQ(normal.Glyph(GlyphRole::kUndo), GlyphRef::Resource("THEME_DEFAULT_UNDO"));
}

TEST_F(ChangeColorsTest, DiscoveryListsDirectoriesWithThemeIni) {
  AddTheme("theme_Ocean", "[ThemeInfo]\r\nName=Ocean\r\n");
  AddTheme("THEME_Loud", "[ThemeInfo]\r\n");
  fs.AddDirectory(std::string(kProgramDir) + "\\theme_Empty");
  fs.AddFile(std::string(kProgramDir) + "\\theme_file", "not a directory");
  AddTheme("themes_Other", "[ThemeInfo]\r\nName=Other\r\n");
  std::vector<std::string> found = DiscoverUserThemes(fs, kProgramDir);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{"- Loud", "- Ocean"}));
}

TEST_F(ChangeColorsTest, SettingsFileDrivesTheTheme) {
  AddTheme("theme_Moss", "[ThemeInfo]\r\nName=Moss\r\nMainColor=2B3A1F\r\n");
  const std::string ini_path = std::string(kProgramDir) + "\\tc Kestrix.ini";
  fs.AddFile(ini_path,
             "[Configuration]\r\nUseWindowTheme=True\r\nSelectedTheme=9\r\n"
             "UserThemeName=Moss\r\nFlatButtons=true\r\nSpeedBtnColor=#00FF00\r\n");
  FakeEnvironment environment;
  FakeMessageBoxes boxes;
  EnglishLanguageTable english;
  SettingsModel model(
      fs, environment, &boxes, [&]() -> const LanguageTable& { return english; }, ini_path);
  ASSERT_TRUE(model.LoadActivation().ok);
  const ThemeSettings settings = ThemeSettingsFrom(model.Activation());
  EXPECT_FALSE(settings.flat_buttons);  // only the exact text "True" is true
  Appearance look = Run(settings).appearance;
  EXPECT_EQ(look.main, ThemeColor::Fixed(RgbColor(0x2B, 0x3A, 0x1F)));
  EXPECT_EQ(look.quick_button_text, ThemeColor::Fixed(RgbColor(0, 0xFF, 0)));
}

TEST(ChooseFont, DefaultsLeaveTheFontAlone) {
  struct Case {
    const char* name;
    int size;
    FontChoice expected;
  };
  const Case cases[] = {
      {"Default", 8, {}},
      {"", 8, {}},
      {"Default", 10, {true, "", 10}},
      {"Tahoma", 8, {true, "Tahoma", 8}},
      {" Segoe UI ", 9, {true, "Segoe UI", 9}},
      {"Tahoma", 0, {}},
      {"Tahoma", -12, {}},
      {"Tahoma", 500, {}},
      {"Tahoma", kMaxFontSize, {true, "Tahoma", kMaxFontSize}},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseFont(c.name, c.size), c.expected) << c.name << c.size;
}

TEST(WindowLook, TransparencyOnlyBelowOpaqueBorderOnlyForOneAndTwo) {
  for (int opaque : {255, 1000, -1}) EXPECT_EQ(TransparencyFor(opaque), Transparency{}) << opaque;
  for (uint8_t alpha : {0, 200, 254})
    EXPECT_EQ(TransparencyFor(alpha), (Transparency{true, alpha}));
  EXPECT_EQ(BorderFor(1), WindowBorder::kDialog);
  EXPECT_EQ(BorderFor(2), WindowBorder::kToolWindow);
  for (int other : {0, 3, -1, 99}) EXPECT_EQ(BorderFor(other), WindowBorder::kSingle);
}

}  // namespace
}  // namespace kestrix
