#pragma once
// The variables popup as data: submenus, fixed items with their tokens and captions, and
// the captions of environment and user-application items. The window builds the menu
// from these tables.
#include <string>
#include <string_view>
#include <vector>

#include "base/text_utils.h"
#include "platform/environment.h"

namespace kestrix {

struct VariableSubmenu {
  std::string_view name;          // "date", "system", "apps", "envvars"
  std::string_view language_key;  // section "QuickReplacers"
  std::string_view default_text;
};

inline constexpr VariableSubmenu kVariableSubmenus[] = {
    {"date", "DateCat", "Date"},
    {"system", "SystemCat", "System"},
    {"apps", "ApplicationsCat", "Applications"},
    {"envvars", "EnvVarsCat", "Env. variables"},
};

inline constexpr std::string_view kSubmenuLanguageSection = "QuickReplacers";

struct VariableMenuItem {
  std::string_view item_name;  // e.g. "s1"
  std::string_view token;      // inserted by the item's click handler
  std::string_view caption_prefix;
  std::string_view language_section;
  std::string_view language_key;
  std::string_view default_text;
  std::string_view submenu;  // name of the VariableSubmenu holding it
};

inline constexpr std::string_view kDateSection = "QuickReplacers - Date";
inline constexpr std::string_view kSystemSection = "QuickReplacers - System";
inline constexpr std::string_view kApplicationsSection = "QuickReplacers - Applications";

inline constexpr VariableMenuItem kVariableMenuItems[] = {
    {"s1", "%s", "%s   - ", kDateSection, "Seconds", "Seconds", "date"},
    {"ss1", "%S", "%S   - ", kDateSection, "Seconds2dig", "Seconds (2 digits)", "date"},
    {"m1", "%m", "%m  - ", kDateSection, "Minutes", "Minute", "date"},
    {"M3", "%M", "%M  - ", kDateSection, "Minutes2dig", "Minute (2 digits)", "date"},
    {"hHour1", "%h", "%h   - ", kDateSection, "Hour", "Hour", "date"},
    {"H1", "%H", "%H  - ", kDateSection, "Hour2dig", "Hour (2 digits)", "date"},
    {"d1", "%d", "%d   - ", kDateSection, "Day", "Day", "date"},
    {"d2", "%D", "%D   - ", kDateSection, "Day2dig", "Day (2 digits)", "date"},
    {"d3", "%p", "%p   - ", kDateSection, "DayTS", "Day (text) [short]", "date"},
    {"d21", "%P", "%P   - ", kDateSection, "DayTL", "Day (text) [long]", "date"},
    {"m2", "%n", "%n   - ", kDateSection, "Month", "Month", "date"},
    {"n2", "%N", "%N  - ", kDateSection, "Month2dig", "Month (2 digits)", "date"},
    {"oMonthtext1", "%o", "%o   - ", kDateSection, "MonthTS", "Month (text) [short]", "date"},
    {"oMonthtextshort1", "%O", "%O  - ", kDateSection, "MonthTL", "Month (text) [long]", "date"},
    {"InsertYear1", "%y", "%y   - ", kDateSection, "Year2dig", "Year (2 digits)", "date"},
    {"yYear1", "%Y", "%Y   - ", kDateSection, "Year4dig", "Year (4 digits)", "date"},
    {"e1", "%e", "%e   - ", kDateSection, "DoY", "Day of year", "date"},
    {"qQuarterofyear1", "%q", "%q   - ", kDateSection, "QoY", "Quarter of year", "date"},
    {"WWeekofyear1", "%W", "%W  - ", kDateSection, "WoY", "Week of year", "date"},
    {"wWeekdaynumber1", "%w", "%w   - ", kDateSection, "DoW", "Day of week", "date"},
    {"xUnixtime1", "%x", "%x    - ", kDateSection, "UT", "Unix time", "date"},
    {"un1", "{un}", "{un}     - ", kSystemSection, "User", "Current username", "system"},
    {"pc1", "{pc}", "{pc}     - ", kSystemSection, "PC", "Computer name", "system"},
    {"os1", "{os}", "{os}     - ", kSystemSection, "Os", "Current OS", "system"},
    {"wg1", "{wg}", "{wg}    - ", kSystemSection, "Wg", "Current workgroup", "system"},
    {"ut1", "{ut}", "{ut}     - ", kSystemSection, "Ut", "Windows uptime", "system"},
    {"at1", "{at}", "{at}     - ", kSystemSection, "At", "Windows architecture", "system"},
    {"wact1", "{wact}", "{wact}   - ", kApplicationsSection, "Winamp_CurrTrack",
     "Winamp - Current Track", "apps"},
    {"aict1", "{aict}", "{aict}     - ", kApplicationsSection, "AIMP_CurrTrack",
     "AIMP - Current Track", "apps"},
    {"bsct1", "{bsct}", "{bsct}    - ", kApplicationsSection, "BsPlayer_CurrFile",
     "BS.Player - Current File", "apps"},
    {"vlct1", "{vlct}", "{vlct}     - ", kApplicationsSection, "VLC_CurrFile",
     "VideoLAN VLC - Current File", "apps"},
    {"kmct1", "{kmct}", "{kmct}  - ", kApplicationsSection, "KMPlayer_CurrTrack",
     "KMPlayer - Current Track", "apps"},
};

// Items of the environment submenu: the environment's references from its second entry
// on (the first one is not offered), named "envVar_" + index from 1.
struct EnvironmentMenuEntry {
  std::string item_name;
  std::string caption;
};
std::vector<EnvironmentMenuEntry> EnvironmentMenuEntries(Environment& environment);

// "{" + ID + "}" padded with blanks to at least 13 characters before "- ", then the trimmed
// menu name.
std::string UserAppMenuCaption(const std::string& id, const std::string& menu_name);
inline std::string UserAppMenuItemName(const std::string& id) {
  return Concat({"uapp_", id});
}

// The token an environment item inserts: its caption without "&", trimmed.
std::string TokenFromEnvironmentCaption(const std::string& caption);
// The token a user-application item inserts: the text between the caption's first "{" and
// first "}" without braces, trimmed, in braces.
std::string TokenFromUserAppCaption(const std::string& caption);

}  // namespace kestrix
