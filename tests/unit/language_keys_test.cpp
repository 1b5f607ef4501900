#include "settings/language_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kestrix {
namespace {

TEST(LanguageKeys, EverySectionHoldsItsKeysOnce) {
  std::set<std::string> seen;
  for (const LanguageKey& key : lng::kAllKeys) {
    std::string lowered = std::string(key.section) + "/" + std::string(key.key);
    for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(seen.insert(lowered).second) << lowered;  // lookups ignore case
    // A key followed by a blank before "=" would never match.
    EXPECT_FALSE(key.key.empty() || key.key.back() == ' ' || key.key.front() == ' ') << lowered;
    EXPECT_EQ(key.key.find('='), std::string_view::npos) << lowered;
    EXPECT_NE(std::find(lng::kAllSections.begin(), lng::kAllSections.end(), key.section),
              lng::kAllSections.end())
        << lowered;
  }
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

}  // namespace
}  // namespace kestrix
