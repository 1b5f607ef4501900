#pragma once
// Window appearance as data: the built-in colour themes, user themes ("theme_<name>"
// directories beside the executable), the HTML colour conversion, and ChangeColors, which
// turns the appearance settings into a plain Appearance the main window applies. Nothing
// here touches a window; the Win32 side maps colours, glyph names and fonts onto controls.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "settings/settings_model.h"

namespace kestrix {

// A platform colour value: 0x00BBGGRR.
using ColorRef = uint32_t;

constexpr ColorRef RgbColor(uint8_t red, uint8_t green, uint8_t blue) {
  return static_cast<ColorRef>(red) | (static_cast<ColorRef>(green) << 8) |
         (static_cast<ColorRef>(blue) << 16);
}
// 0xRRGGBB as written in HTML to the platform's order.
constexpr ColorRef HexRgb(uint32_t rrggbb) {
  return RgbColor(static_cast<uint8_t>(rrggbb >> 16), static_cast<uint8_t>(rrggbb >> 8),
                  static_cast<uint8_t>(rrggbb));
}

// HTML colour text: up to six hexadecimal digits RRGGBB, optionally after one "#"; the
// value is read as a number and its red and blue bytes swapped. Nothing when the text is
// empty, longer than six digits or holds anything but hexadecimal digits.
std::optional<ColorRef> HtmlToColor(std::string_view text);

// The system colours the plain (unthemed) look uses; the window side resolves them.
enum class SystemColor { kNone, kButtonFace, kWindowText };

// A colour role's value: a fixed colour or one of the system's.
struct ThemeColor {
  SystemColor system = SystemColor::kNone;
  ColorRef rgb = 0;

  static constexpr ThemeColor Fixed(ColorRef value) { return {SystemColor::kNone, value}; }
  static constexpr ThemeColor System(SystemColor which) { return {which, 0}; }
  bool operator==(const ThemeColor&) const = default;
};

struct ThemeColors {
  ColorRef main;          // window and field backgrounds
  ColorRef accent;        // path, preview and refresh texts, flat-button texts
  ColorRef quick_button;  // texts of the quick buttons
};

struct BuiltInTheme {
  const char* name;  // upper case, as in the glyph resource names
  ThemeColors colors;
};

// Indexed by SelectedTheme.
inline constexpr std::array<BuiltInTheme, 6> kBuiltInThemes{{
    {"SKY", {HexRgb(0xE3EEF3), HexRgb(0x359CEB), HexRgb(0x808080)}},
    {"SAND", {HexRgb(0xF8F4D2), HexRgb(0xCC930A), HexRgb(0x808080)}},
    {"NIGHTFALL", {HexRgb(0xE3E3E3), HexRgb(0xFF7A05), HexRgb(0x808080)}},
    {"PINK", {HexRgb(0xFBEDF9), HexRgb(0xEE3DAA), HexRgb(0x808080)}},
    {"PURPLE", {HexRgb(0xE8E2F0), HexRgb(0x875FBE), HexRgb(0x808080)}},
    {"PEACH", {HexRgb(0xFFF0DC), HexRgb(0xED0000), HexRgb(0x808080)}},
}};
// The glyph set used without a theme.
inline constexpr char kDefaultThemeName[] = "DEFAULT";

// Texts of the plain look.
inline constexpr ColorRef kPlainCurDirText = HexRgb(0x4391D3);
inline constexpr ColorRef kPlainNewDirNameText = HexRgb(0x5D98E3);
inline constexpr ColorRef kPlainRefreshText = HexRgb(0x7CAD5B);
inline constexpr ColorRef kPlainQuickButtonText = HexRgb(0x808080);

// The four glyphs a theme provides, in the order of the flat buttons and btn_undo.
enum class GlyphRole { kOk, kCancel, kOptions, kUndo };
inline constexpr std::array<GlyphRole, 4> kGlyphRoles{GlyphRole::kOk, GlyphRole::kCancel,
                                                      GlyphRole::kOptions, GlyphRole::kUndo};

// "THEME_" + theme + "_" + OK / CANCEL / OPTIONS / UNDO.
std::string ThemeGlyphName(std::string_view theme, GlyphRole role);
// "icon-ok.png", "icon-cancel.png", "icon-options.png", "icon-undo.png".
const char* UserThemeIconFile(GlyphRole role);

inline constexpr char kEnterGlyph[] = "THEME_DEFAULT_ENTER";
inline constexpr char kPlainUndoGlyph[] = "NOTHEME_DEFAULT_UNDO";
inline constexpr char kBatchActiveGlyph[] = "ICON_BatchCreate_ACT";
inline constexpr char kBatchInactiveGlyph[] = "ICON_BatchCreate_INACT";
// Quick buttons add "_ACT" (highlighted) or "_INACT" to these.
inline constexpr std::array<const char*, 4> kQuickButtonImages{"ICON_SpaceToDot", "ICON_DotToSpace",
                                                               "ICON_InvertCase", "ICON_UserFnc1"};
// Images of the main window's image list, by index: the attribute image's three states
// (normal, pointer over it, letter field open) and the user-structure menu entries.
struct IndexedImage {
  int index;
  const char* name;
};
inline constexpr std::array<IndexedImage, 4> kWindowImages{{
    {10, "ICON_Attrib_NORMAL"},
    {11, "ICON_Attrib_HOVER"},
    {12, "ICON_Attrib_EDIT"},
    {13, "MENU_UserStructure"},
}};
// The batch direction button: ascending (index 0) and descending (index 1).
inline constexpr std::array<const char*, 2> kSignImages{"ICON_SignAscending",
                                                        "ICON_SignDescending"};
// Resource name of a window image by its index; nullptr for an index that has none.
const char* WindowImageName(int index);

// Every glyph resource is stored at 16 pixels under its plain name and larger under the
// name + one of these suffixes; the window picks the one nearest its scaled size.
struct GlyphSize {
  int pixels;
  const char* suffix;
};
inline constexpr std::array<GlyphSize, 3> kGlyphSizes{{{16, ""}, {24, "_24PX"}, {32, "_32PX"}}};
// The stored size to draw a 16-pixel glyph with at `dpi`: the largest that does not
// exceed the scaled size, and the smallest otherwise.
const GlyphSize& GlyphSizeForDpi(int dpi);

// Where a glyph comes from: a resource of the program or a file of a user theme.
struct GlyphRef {
  enum class Origin { kResource, kFile };
  Origin origin = Origin::kResource;
  std::string name;  // resource name or full file path

  static GlyphRef Resource(std::string name) { return {Origin::kResource, std::move(name)}; }
  static GlyphRef File(std::string path) { return {Origin::kFile, std::move(path)}; }
  bool operator==(const GlyphRef&) const = default;
};

// What ChangeColors sets: everything the main window shows in theme colours or glyphs.
struct Appearance {
  bool flat_buttons = false;
  ThemeColor main = ThemeColor::System(SystemColor::kButtonFace);
  ThemeColor curdir_text = ThemeColor::Fixed(kPlainCurDirText);
  ThemeColor newdirname_text = ThemeColor::Fixed(kPlainNewDirNameText);
  ThemeColor refresh_text = ThemeColor::Fixed(kPlainRefreshText);
  ThemeColor flat_button_text = ThemeColor::System(SystemColor::kWindowText);
  ThemeColor quick_button_text = ThemeColor::Fixed(kPlainQuickButtonText);
  // Glyphs of btn_ok_flat, btn_cancel_flat, btn_options_flat and btn_undo, by GlyphRole.
  std::array<GlyphRef, 4> glyphs{
      GlyphRef::Resource("THEME_DEFAULT_OK"), GlyphRef::Resource("THEME_DEFAULT_CANCEL"),
      GlyphRef::Resource("THEME_DEFAULT_OPTIONS"), GlyphRef::Resource(kPlainUndoGlyph)};

  const GlyphRef& Glyph(GlyphRole role) const { return glyphs[static_cast<size_t>(role)]; }
  GlyphRef& Glyph(GlyphRole role) { return glyphs[static_cast<size_t>(role)]; }
  bool operator==(const Appearance&) const = default;
};

// The settings ChangeColors reads.
struct ThemeSettings {
  bool flat_buttons = false;
  bool use_window_theme = false;
  int selected_theme = 0;
  std::string speed_btn_color;
  std::string user_theme_name;
};
struct ActivationSettings;
// The theme keys of an activation read.
ThemeSettings ThemeSettingsFrom(const ActivationSettings& settings);

// A user theme as its "theme.ini" describes it. Colours that do not convert are left out
// (with a problem noted), so the previous colour of that role stays.
struct UserTheme {
  std::string name;  // trimmed ThemeInfo/Name; empty: the theme is not applied
  std::optional<ColorRef> main;
  std::optional<ColorRef> accent;
  std::optional<ColorRef> quick_button;
};

// "<program_dir>\theme_<name>".
std::string UserThemeDir(const std::string& program_dir, const std::string& name);
// Reads "<dir>\theme.ini"; nothing when it is missing or cannot be read.
std::optional<UserTheme> ReadUserTheme(FileSystem& fs, const std::string& theme_dir,
                                       std::vector<std::string>& problems);

struct ChangeColorsResult {
  Appearance appearance;
  // Texts for the error log: unreadable theme files, colours that are not hexadecimal.
  std::vector<std::string> problems;
};

// Applies the colour and button choices to `current` (what the window shows now). Roles
// the choice does not touch keep their current value.
ChangeColorsResult ChangeColors(const Appearance& current, const ThemeSettings& settings,
                                FileSystem& fs, const std::string& program_dir);

// The configuration dialog's user-theme entries: "- " + the directory name without its
// "theme_" prefix, for each "theme_*" directory holding a "theme.ini", in listing order.
std::vector<std::string> DiscoverUserThemes(FileSystem& fs, const std::string& program_dir);

// The main window's font. `apply` is false when the settings leave the designed font
// alone; an empty `face` keeps the designed face and changes only the size.
struct FontChoice {
  bool apply = false;
  std::string face;
  int points = 8;
  bool operator==(const FontChoice&) const = default;
};
inline constexpr char kDefaultFontName[] = "Default";
inline constexpr int kDefaultFontSize = 8;
// Sizes outside this range would give an unreadable or absurd window; they keep the font.
inline constexpr int kMinFontSize = 6;
inline constexpr int kMaxFontSize = 36;
FontChoice ChooseFont(const std::string& font_name, int font_size);

// Layered-window transparency from AlphaBlendValue: blending only for 0..254.
struct Transparency {
  bool layered = false;
  uint8_t alpha = 255;
  bool operator==(const Transparency&) const = default;
};
Transparency TransparencyFor(int alpha_blend_value);

// The window border WindowStyle selects.
enum class WindowBorder { kSingle, kDialog, kToolWindow };
WindowBorder BorderFor(int window_style);

}  // namespace kestrix
