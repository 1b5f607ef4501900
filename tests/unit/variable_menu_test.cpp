#include "names/variable_menu.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/fake_environment.h"

namespace kestrix {
namespace {

TEST(VariableMenu, EveryFixedItemHasAUniqueNameAndAPrefixStartingWithItsToken) {
  std::set<std::string_view> names, tokens;
  for (const VariableMenuItem& item : kVariableMenuItems) {
    EXPECT_TRUE(names.insert(item.item_name).second) << item.item_name;
    EXPECT_TRUE(tokens.insert(item.token).second) << item.token;
    EXPECT_EQ(item.caption_prefix.substr(0, item.token.size()), item.token);
    EXPECT_EQ(item.caption_prefix.substr(item.caption_prefix.size() - 3), " - ");
  }
  // The tokens left out of the popup are still expanded elsewhere.
  for (std::string_view hidden : {"{user}", "{usr}", "{date}", "{time}", "{ax}"})
    EXPECT_EQ(tokens.count(hidden), 0u) << hidden;
  EXPECT_EQ(std::size(kVariableMenuItems), 32u);
}

TEST(VariableMenu, UserAppCaptionIsPaddedToThirteenCharacters) {
  EXPECT_EQ(UserAppMenuCaption("xxct", "  User defined "), "{xxct}     - User defined");
  EXPECT_EQ(UserAppMenuCaption("a", "A"), "{a}        - A");
  EXPECT_EQ(UserAppMenuCaption("abcdefghij", "Long"), "{abcdefghij} - Long");
  EXPECT_EQ(UserAppMenuCaption("abcdefgh", "N"), "{abcdefgh} - N");
  EXPECT_EQ(UserAppMenuCaption("abcdefg", "N"), "{abcdefg}  - N");
  EXPECT_EQ(UserAppMenuItemName("xxct"), "uapp_xxct");
}

TEST(VariableMenu, TokensFromItemCaptions) {
  EXPECT_EQ(TokenFromUserAppCaption("{x&xct}     - Name"), "{xxct}");
  EXPECT_EQ(TokenFromUserAppCaption("{ ab }  - N"), "{ab}");
  EXPECT_EQ(TokenFromUserAppCaption("no braces"), "{}");
  EXPECT_EQ(TokenFromEnvironmentCaption(" %&PATH% "), "%PATH%");
}

TEST(VariableMenu, EnvironmentSubmenuLeavesOutTheFirstEntry) {
  FakeEnvironment environment;
  environment.Set("=C:", "C:\\");
  environment.Set("ALPHA", "1");
  environment.Set("BETA", "2");
  environment.Set("GAMMA", "3");
  std::vector<EnvironmentMenuEntry> entries = EnvironmentMenuEntries(environment);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].item_name, "envVar_1");
  EXPECT_EQ(entries[0].caption, "%BETA%");
  EXPECT_EQ(entries[1].item_name, "envVar_2");
  EXPECT_EQ(entries[1].caption, "%GAMMA%");
}

}  // namespace
}  // namespace kestrix
