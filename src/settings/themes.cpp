#include "settings/themes.h"

#include "base/text_utils.h"
#include "settings/big_ini_file.h"
#include "settings/settings.h"

namespace kestrix {

namespace {

constexpr char kThemeDirPrefix[] = "theme_";
constexpr char kThemeIniName[] = "theme.ini";
constexpr char kThemeInfoSection[] = "ThemeInfo";
constexpr char kDefaultThemeColor[] = "359CEB";
constexpr char kDefaultMainColor[] = "E3EEF3";

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Converts one theme colour; a bad text is noted and gives nothing.
std::optional<ColorRef> ThemeColorValue(const std::string& text, const char* key,
                                        const std::string& file,
                                        std::vector<std::string>& problems) {
  std::optional<ColorRef> color = HtmlToColor(text);
  if (!color)
    problems.push_back("\"" + text + "\" is not an HTML colour (" + key + " in " + file + ")");
  return color;
}

}  // namespace

std::optional<ColorRef> HtmlToColor(std::string_view text) {
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if (text.empty() || text.size() > 6) return std::nullopt;
  uint32_t value = 0;
  for (char c : text) {
    int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  return HexRgb(value);
}

std::string ThemeGlyphName(std::string_view theme, GlyphRole role) {
  static constexpr std::array<const char*, 4> kSuffixes{"_OK", "_CANCEL", "_OPTIONS", "_UNDO"};
  return "THEME_" + AsciiUpperCase(theme) + kSuffixes[static_cast<size_t>(role)];
}

const char* UserThemeIconFile(GlyphRole role) {
  static constexpr std::array<const char*, 4> kFiles{"icon-ok.png", "icon-cancel.png",
                                                     "icon-options.png", "icon-undo.png"};
  return kFiles[static_cast<size_t>(role)];
}

const char* WindowImageName(int index) {
  for (const IndexedImage& image : kWindowImages)
    if (image.index == index) return image.name;
  return nullptr;
}

const GlyphSize& GlyphSizeForDpi(int dpi) {
  if (dpi <= 0) dpi = 96;
  const int wanted = (16 * dpi + 48) / 96;
  const GlyphSize* best = &kGlyphSizes.front();
  for (const GlyphSize& size : kGlyphSizes)
    if (size.pixels <= wanted) best = &size;
  return *best;
}

std::string UserThemeDir(const std::string& program_dir, const std::string& name) {
  std::string dir = program_dir;
  if (!dir.empty() && dir.back() != '\\') dir += '\\';
  return dir + kThemeDirPrefix + name;
}

std::optional<UserTheme> ReadUserTheme(FileSystem& fs, const std::string& theme_dir,
                                       std::vector<std::string>& problems) {
  const std::string file = theme_dir + "\\" + kThemeIniName;
  if (!fs.FileExists(file)) return std::nullopt;
  try {
    BigIniFile ini(fs, file);
    UserTheme theme;
    theme.name = Trim(ini.ReadString(kThemeInfoSection, "Name", ""));
    theme.quick_button = ThemeColorValue(
        Trim(ini.ReadString(kThemeInfoSection, "SpeedBtnColor", kDefaultThemeColor)),
        "SpeedBtnColor", file, problems);
    theme.accent =
        ThemeColorValue(Trim(ini.ReadString(kThemeInfoSection, "FontColor", kDefaultThemeColor)),
                        "FontColor", file, problems);
    theme.main =
        ThemeColorValue(Trim(ini.ReadString(kThemeInfoSection, "MainColor", kDefaultMainColor)),
                        "MainColor", file, problems);
    return theme;
  } catch (const InOutError& error) {
    problems.push_back(error.what());
    return std::nullopt;
  }
}

namespace {

void ApplyThemeColors(Appearance& look, const std::optional<ColorRef>& main,
                      const std::optional<ColorRef>& accent,
                      const std::optional<ColorRef>& quick_button) {
  if (main) look.main = ThemeColor::Fixed(*main);
  if (accent) {
    const ThemeColor text = ThemeColor::Fixed(*accent);
    look.curdir_text = text;
    look.newdirname_text = text;
    look.refresh_text = text;
    look.flat_button_text = text;
  }
  if (quick_button) look.quick_button_text = ThemeColor::Fixed(*quick_button);
}

void ApplyBuiltInTheme(Appearance& look, const BuiltInTheme& theme) {
  ApplyThemeColors(look, theme.colors.main, theme.colors.accent, theme.colors.quick_button);
  for (GlyphRole role : kGlyphRoles)
    look.Glyph(role) = GlyphRef::Resource(ThemeGlyphName(theme.name, role));
}

void ApplyUserTheme(Appearance& look, const ThemeSettings& settings, FileSystem& fs,
                    const std::string& program_dir, std::vector<std::string>& problems) {
  const std::string dir = UserThemeDir(program_dir, settings.user_theme_name);
  std::optional<UserTheme> theme = ReadUserTheme(fs, dir, problems);
  if (theme && !theme->name.empty())
    ApplyThemeColors(look, theme->main, theme->accent, theme->quick_button);
  if (!settings.flat_buttons) return;
  for (GlyphRole role : kGlyphRoles) {
    const std::string path = dir + "\\" + UserThemeIconFile(role);
    if (fs.FileExists(path)) look.Glyph(role) = GlyphRef::File(path);
  }
}

void ApplyPlainLook(Appearance& look, bool flat_buttons) {
  look.main = ThemeColor::System(SystemColor::kButtonFace);
  look.curdir_text = ThemeColor::Fixed(kPlainCurDirText);
  look.newdirname_text = ThemeColor::Fixed(kPlainNewDirNameText);
  look.refresh_text = ThemeColor::Fixed(kPlainRefreshText);
  look.flat_button_text = ThemeColor::System(SystemColor::kWindowText);
  look.quick_button_text = ThemeColor::Fixed(kPlainQuickButtonText);
  look.Glyph(GlyphRole::kUndo) = GlyphRef::Resource(kPlainUndoGlyph);
  if (!flat_buttons) return;
  for (GlyphRole role : kGlyphRoles)
    look.Glyph(role) = GlyphRef::Resource(ThemeGlyphName(kDefaultThemeName, role));
}

}  // namespace

ThemeSettings ThemeSettingsFrom(const ActivationSettings& settings) {
  return {settings.flat_buttons, settings.use_window_theme, settings.selected_theme,
          settings.speed_btn_color, settings.user_theme_name};
}

ChangeColorsResult ChangeColors(const Appearance& current, const ThemeSettings& settings,
                                FileSystem& fs, const std::string& program_dir) {
  ChangeColorsResult result{current, {}};
  Appearance& look = result.appearance;
  look.flat_buttons = settings.flat_buttons;
  look.Glyph(GlyphRole::kUndo) =
      GlyphRef::Resource(ThemeGlyphName(kDefaultThemeName, GlyphRole::kUndo));
  if (!settings.use_window_theme) {
    ApplyPlainLook(look, settings.flat_buttons);
  } else if (settings.selected_theme >= 0 &&
             settings.selected_theme < static_cast<int>(kBuiltInThemes.size())) {
    ApplyBuiltInTheme(look, kBuiltInThemes[static_cast<size_t>(settings.selected_theme)]);
  } else {
    ApplyUserTheme(look, settings, fs, program_dir, result.problems);
  }
  if (!settings.speed_btn_color.empty()) {
    std::optional<ColorRef> quick = HtmlToColor(Trim(settings.speed_btn_color));
    if (quick)
      look.quick_button_text = ThemeColor::Fixed(*quick);
    else
      result.problems.push_back("\"" + settings.speed_btn_color +
                                "\" is not an HTML colour (setting SpeedBtnColor)");
  }
  return result;
}

std::vector<std::string> DiscoverUserThemes(FileSystem& fs, const std::string& program_dir) {
  std::vector<std::string> entries;
  std::string dir = program_dir;
  if (!dir.empty() && dir.back() != '\\') dir += '\\';
  for (const DirEntry& entry : fs.ListDirectory(program_dir, std::string(kThemeDirPrefix) + "*")) {
    if (!entry.IsDirectory()) continue;
    if (!fs.FileExists(dir + entry.name + "\\" + kThemeIniName)) continue;
    entries.push_back("- " + entry.name.substr(sizeof kThemeDirPrefix - 1));
  }
  return entries;
}

FontChoice ChooseFont(const std::string& font_name, int font_size) {
  const std::string name = Trim(font_name);
  const bool default_face =
      name.empty() || AsciiUpperCase(name) == AsciiUpperCase(kDefaultFontName);
  if (default_face && font_size == kDefaultFontSize) return {};
  if (font_size < kMinFontSize || font_size > kMaxFontSize) return {};
  return {true, default_face ? std::string() : name, font_size};
}

Transparency TransparencyFor(int alpha_blend_value) {
  if (alpha_blend_value < 0 || alpha_blend_value >= 255) return {};
  return {true, static_cast<uint8_t>(alpha_blend_value)};
}

WindowBorder BorderFor(int window_style) {
  switch (window_style) {
    case 1:
      return WindowBorder::kDialog;
    case 2:
      return WindowBorder::kToolWindow;
    default:
      return WindowBorder::kSingle;
  }
}

}  // namespace kestrix
