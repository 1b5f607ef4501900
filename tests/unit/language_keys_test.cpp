#include "settings/language_keys.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace kestrix {
namespace {

TEST(LanguageKeys, EverySectionHoldsItsKeysOnce) {
  // The key counts of the built-in English file, section by section.
  const std::map<std::string_view, int> expected = {
      {"Language", 6},
      {"Buttons", 14},
      {"Configuration - Popup", 4},
      {"Captions - Install", 32},
      {"Captions - Program", 53},
      {"Configuration", 34},
      {"Dialogs", 2},
      {"QuickReplacers", 4},
      {"QuickReplacers - Date", 21},
      {"QuickReplacers - System", 6},
      {"QuickReplacers - Applications", 5},
      {"Templates", 5},
      {"NewApplication", 19},
      {"ErrorMessages", 13},
  };
  std::map<std::string_view, int> counted;
  std::set<std::string> seen;
  for (const LanguageKey& key : lng::kAllKeys) {
    ++counted[key.section];
    std::string lowered = std::string(key.section) + "/" + std::string(key.key);
    for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(seen.insert(lowered).second) << lowered;  // lookups ignore case
    // A key followed by a blank before "=" would never match.
    EXPECT_FALSE(key.key.empty() || key.key.back() == ' ' || key.key.front() == ' ') << lowered;
    EXPECT_EQ(key.key.find('='), std::string_view::npos) << lowered;
  }
  EXPECT_EQ(counted, expected);
  EXPECT_EQ(lng::kAllKeys.size(), 218u);
  EXPECT_EQ(lng::kAllSections.size(), expected.size());
  for (std::string_view section : lng::kAllSections) EXPECT_TRUE(expected.contains(section));
}

TEST(LanguageKeys, TextsAreStoredTrimmedAndOnOneLine) {
  for (const LanguageKey& key : lng::kAllKeys) {
    for (std::string_view text : {key.english, key.BuiltInText()}) {
      EXPECT_EQ(text.find_first_of("\r\n\t"), std::string_view::npos) << key.key;
      if (text.empty()) continue;
      // "Error code: " keeps its blank as the default; readers trim it anyway.
      if (key.key != "ErrorCode") {
        EXPECT_NE(text.back(), ' ') << key.key;
      }
      EXPECT_NE(text.front(), ' ') << key.key;
    }
  }
}

TEST(LanguageKeys, FileTextDiffersOnlyWhereTheDefaultCannotKnowIt) {
  EXPECT_EQ(lng::templates::kNewFolderWDate.english, "New Folder");
  EXPECT_EQ(lng::templates::kNewFolderWDate.BuiltInText(), "New Folder with Date");
  EXPECT_EQ(lng::config::kWndTheme3.english, "- 3 -");
  EXPECT_EQ(lng::config::kWndTheme3.BuiltInText(), "nightfall");
  EXPECT_EQ(lng::header::kContact.english, "-");
  EXPECT_EQ(lng::header::kContact.BuiltInText(), "");
  EXPECT_EQ(lng::buttons::kBtnOK.BuiltInText(), "OK");
}

}  // namespace
}  // namespace kestrix
