#pragma once
// The variables popup as data: submenus, fixed items with their tokens and captions, and
// the captions of environment and user-application items. The window builds the menu
// from these tables.
#include <string>
#include <string_view>
#include <vector>

#include "names/text_utils.h"
#include "platform/environment.h"
#include "settings/language_keys.h"

namespace kestrix {

struct VariableSubmenu {
  std::string_view name;  // "date", "system", "apps", "envvars"
  LanguageKey caption;
};

inline constexpr VariableSubmenu kVariableSubmenus[] = {
    {"date", lng::quick::kDateCat},
    {"system", lng::quick::kSystemCat},
    {"apps", lng::quick::kApplicationsCat},
    {"envvars", lng::quick::kEnvVarsCat},
};

struct VariableMenuItem {
  std::string_view item_name;  // e.g. "s1"
  std::string_view token;      // inserted by the item's click handler
  std::string_view caption_prefix;
  LanguageKey caption;
  std::string_view submenu;  // name of the VariableSubmenu holding it
};

inline constexpr VariableMenuItem kVariableMenuItems[] = {
    {"s1", "%s", "%s   - ", lng::quick_date::kSeconds, "date"},
    {"ss1", "%S", "%S   - ", lng::quick_date::kSeconds2dig, "date"},
    {"m1", "%m", "%m  - ", lng::quick_date::kMinutes, "date"},
    {"M3", "%M", "%M  - ", lng::quick_date::kMinutes2dig, "date"},
    {"hHour1", "%h", "%h   - ", lng::quick_date::kHour, "date"},
    {"H1", "%H", "%H  - ", lng::quick_date::kHour2dig, "date"},
    {"d1", "%d", "%d   - ", lng::quick_date::kDay, "date"},
    {"d2", "%D", "%D   - ", lng::quick_date::kDay2dig, "date"},
    {"d3", "%p", "%p   - ", lng::quick_date::kDayTS, "date"},
    {"d21", "%P", "%P   - ", lng::quick_date::kDayTL, "date"},
    {"m2", "%n", "%n   - ", lng::quick_date::kMonth, "date"},
    {"n2", "%N", "%N  - ", lng::quick_date::kMonth2dig, "date"},
    {"oMonthtext1", "%o", "%o   - ", lng::quick_date::kMonthTS, "date"},
    {"oMonthtextshort1", "%O", "%O  - ", lng::quick_date::kMonthTL, "date"},
    {"InsertYear1", "%y", "%y   - ", lng::quick_date::kYear2dig, "date"},
    {"yYear1", "%Y", "%Y   - ", lng::quick_date::kYear4dig, "date"},
    {"e1", "%e", "%e   - ", lng::quick_date::kDoY, "date"},
    {"qQuarterofyear1", "%q", "%q   - ", lng::quick_date::kQoY, "date"},
    {"WWeekofyear1", "%W", "%W  - ", lng::quick_date::kWoY, "date"},
    {"wWeekdaynumber1", "%w", "%w   - ", lng::quick_date::kDoW, "date"},
    {"xUnixtime1", "%x", "%x    - ", lng::quick_date::kUT, "date"},
    {"un1", "{un}", "{un}     - ", lng::quick_system::kUser, "system"},
    {"pc1", "{pc}", "{pc}     - ", lng::quick_system::kPC, "system"},
    {"os1", "{os}", "{os}     - ", lng::quick_system::kOs, "system"},
    {"wg1", "{wg}", "{wg}    - ", lng::quick_system::kWg, "system"},
    {"ut1", "{ut}", "{ut}     - ", lng::quick_system::kUt, "system"},
    {"at1", "{at}", "{at}     - ", lng::quick_system::kAt, "system"},
    {"wact1", "{wact}", "{wact}   - ", lng::quick_apps::kWinampCurrTrack, "apps"},
    {"aict1", "{aict}", "{aict}     - ", lng::quick_apps::kAIMPCurrTrack, "apps"},
    {"bsct1", "{bsct}", "{bsct}    - ", lng::quick_apps::kBsPlayerCurrFile, "apps"},
    {"vlct1", "{vlct}", "{vlct}     - ", lng::quick_apps::kVLCCurrFile, "apps"},
    {"kmct1", "{kmct}", "{kmct}  - ", lng::quick_apps::kKMPlayerCurrTrack, "apps"},
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
