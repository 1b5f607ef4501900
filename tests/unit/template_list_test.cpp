#include "names/template_list.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

TEST(BuiltInTemplates, EnglishCaptionsAndTexts) {
  LanguageTable english =
      LanguageTable::FromText("[Templates]\nNewFolderWDate=\t\tNew Folder with Date \n");
  std::vector<BuiltInTemplate> t = BuiltInTemplates(english);
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].caption, "[1] - New Folder with Date (%Y.%N.%D)");
  EXPECT_EQ(t[0].text, "New Folder (%Y.%N.%D.)");  // a dot before ")" the caption lacks
  EXPECT_EQ(t[0].select_length, 10u);
  EXPECT_EQ(t[1].caption, "[2] - New Folder with Date (%D-%N-%y)");
  EXPECT_EQ(t[1].text, "New Folder (%D-%N-%y)");
  EXPECT_EQ(t[2].caption, "[3] - Weekly_backup_%W");
  EXPECT_EQ(t[2].text, "Weekly_backup_%W");
  EXPECT_EQ(t[2].select_length, 13u);
  EXPECT_EQ(t[3].caption, "[4] - Full date");
  EXPECT_EQ(t[3].text, "%Y.%N.%D_%H.%M.%S");
  EXPECT_EQ(t[3].select_length, 0u);
  EXPECT_EQ(NoTemplateCaption(english), "- no template selected -");
}

TEST(ChooseTemplate, BuiltInUserOrNothing) {
  EnglishLanguageTable english;
  std::vector<BuiltInTemplate> t = BuiltInTemplates(english);
  TemplateChoice one = ChooseTemplate(t[0].caption, t);
  EXPECT_EQ(one.kind, TemplateChoice::Kind::kBuiltIn);
  EXPECT_EQ(one.built_in, 0u);
  EXPECT_EQ(ChooseTemplate("- no template selected -", t).kind, TemplateChoice::Kind::kNothing);
  // A user template named "1st" carries the tag of entry 1 but applies its own text.
  TemplateChoice first = ChooseTemplate(UserTemplateCaption("1st"), t);
  EXPECT_EQ(first.kind, TemplateChoice::Kind::kUser);
  EXPECT_EQ(first.user_name, "1st");
  EXPECT_EQ(UserTemplateCaption("1st"), "[1] - 1st");
  EXPECT_EQ(UserTemplateCaption("photos "), "[P] - photos");
}

TEST(TemplateIndexForKey, LastMatchOrNone) {
  std::vector<std::string> entries{"- no template selected -", "[1] - New Folder (%Y)",
                                   "[2] - New Folder (%D)", "[3] - Weekly_backup_%W",
                                   "[4] - Full date"};
  EXPECT_EQ(TemplateIndexForKey(entries, 'W'), 3u);
  EXPECT_EQ(TemplateIndexForKey(entries, 'N'), 2u);  // the last of two
  EXPECT_EQ(TemplateIndexForKey(entries, 'n'), 0u);  // case-sensitive
  EXPECT_EQ(TemplateIndexForKey(entries, 'Q'), 0u);
  EXPECT_EQ(TemplateIndexForKey({}, 'W'), 0u);
}

}  // namespace
}  // namespace kestrix
