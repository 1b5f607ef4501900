#include "host/focused_item.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/fake_window_system.h"

namespace kestrix {
namespace {

const std::string kCurrent = "C:\\Data\\";

struct ItemFixture {
  FakeFileSystem fs;
  ItemFixture() {
    fs.AddDirectory("C:\\Data\\Photos.old");
    fs.AddFile("C:\\Data\\Report.2024.pdf", "x");
  }
};

TEST(ParseListItem, DetailedAndBriefLines) {
  struct Case {
    std::string line;
    bool fix_ext;
    std::string name;
    std::string info;
  } cases[] = {
      // Detailed view: name, size, date, time, attributes (tabs between the columns).
      {"5 : Report.2024.pdf\t12345\t01.02.2024 10:00\t-a--", false, "Report.2024.pdf", "12345"},
      {"5 : Photos.old\t<DIR>\t03.04.2023 09:15\t----", false, "Photos.old", "<DIR>"},
      {"7 : My Report.pdf\t9\t01.02.2024 10:00\t-a-s", false, "My Report.pdf", "9"},
      {"0 : ..\t<DIR>\t01.01.2024 00:00\t----", false, "", "<DIR>"},
      // Brief view: the host may add a column after "<".
      {"3 : Report.2024.pdf", false, "Report.2024.pdf", ""},
      {"3 : Photos.old <DIR>", false, "Photos.old", ""},
      {"3 : Photos.old", true, "Photos.old", "0 <DIR>"},
      {"3 : Report.2024.pdf", true, "Report.2024.pdf", ""},  // a file is no directory
      {"3 : .hidden", false, ".hidden", ""},
      {"1 : .", false, "", ""},
      {"2 : ..", true, "", "0 <DIR>"},  // ".." is a directory; it suggests nothing
      {"-1 : ", false, "", ""},
      {"", false, "", ""},
  };
  for (const Case& c : cases) {
    ItemFixture f;
    FocusedItem item = ParseListItem(c.line, c.fix_ext, f.fs, kCurrent);
    EXPECT_EQ(item.name, c.name) << c.line;
    EXPECT_EQ(item.info, c.info) << c.line;
  }
}

TEST(ParseListItem, ShortDetailedLineFallsBackToTheTextAfterTheColon) {
  ItemFixture f;
  // Ends in "s" but has too few columns to find a size: the name is everything after ":".
  FocusedItem item = ParseListItem("4 : Notes", false, f.fs, kCurrent);
  EXPECT_EQ(item.name, "Notes");
}

TEST(SuggestFromListItem, FilesLoseTheirExtensionDirectoriesStayWhole) {
  AffixSettings plain;
  AffixSettings affixes{"pre_", true, "_suf", true};
  AffixSettings inactive{"pre_", false, "   ", true};  // switched off, blank
  struct Case {
    FocusedItem item;
    const AffixSettings* affixes;
    std::string selected;
    std::string field;
  } cases[] = {
      {{"Report.2024.pdf", "12345"}, &affixes, "Report.2024", "pre_Report.2024_suf"},
      {{"Photos.old", "<DIR>"}, &plain, "Photos.old", "Photos.old"},
      {{"Photos.old", "0 <DIR>"}, &plain, "Photos.old", "Photos.old"},
      {{"Photos.old", ""}, &plain, "Photos", "Photos"},  // without the extension fix
      {{".hidden", ""}, &affixes, ".hidden", "pre_.hidden_suf"},
      {{"README", "10"}, &plain, "README", "README"},
      {{"", ""}, &affixes, "", ""},
      {{"a.b", "1"}, &inactive, "a", "a"},
  };
  for (const Case& c : cases) {
    NameSuggestion s = SuggestFromListItem(c.item, *c.affixes, kCurrent);
    EXPECT_EQ(s.selected_name, c.selected) << c.item.name;
    EXPECT_EQ(s.field_text, c.field) << c.item.name;
    EXPECT_FALSE(s.text_file);
  }
}

TEST(SuggestFromListItem, TextFilesAreOffered) {
  NameSuggestion s = SuggestFromListItem({"names.txt", "10"}, {}, kCurrent);
  EXPECT_TRUE(s.text_file);
  EXPECT_EQ(s.text_file_path, "C:\\Data\\names.txt");
  EXPECT_EQ(s.selected_name, "names");
  EXPECT_FALSE(SuggestFromListItem({"names.TXT", "10"}, {}, kCurrent).text_file);
}

TEST(SuggestFromHostReply, ExtensionFixDecidesForDirectories) {
  struct Case {
    std::string reply;
    bool fix_ext;
    std::string selected;
  } cases[] = {
      {"Photos.old", true, "Photos.old"},
      {"Photos.old", false, "Photos"},
      {"Report.2024.pdf", true, "Report.2024"},
      {"Report.2024.pdf", false, "Report.2024"},
      {".hidden", false, ".hidden"},
      {".hidden", true, ".hidden"},
      {".", false, ""},
      {"..", true, ""},
      {"", true, ""},
  };
  for (const Case& c : cases) {
    ItemFixture f;
    EXPECT_EQ(SuggestFromHostReply(c.reply, c.fix_ext, f.fs, kCurrent, {}).selected_name,
              c.selected)
        << c.reply << " fix " << c.fix_ext;
  }
}

TEST(ListBoxSelection, IndexAndItemText) {
  FakeWindowSystem w;
  WindowHandle list = w.Add(0, "TMyListBox");
  w.SetListItems(list, {"..", "a.txt", "b"}, 1);
  EXPECT_EQ(ListBoxSelection(w, list), "1 : a.txt");
  w.SetListItems(list, {}, -1);
  EXPECT_EQ(ListBoxSelection(w, list), "-1 : ");
}

TEST(IsAbsoluteHostPath, DriveOrUncWithCleanRest) {
  struct Case {
    std::string text;
    bool absolute;
  } cases[] = {
      {"C:\\Work", true},  {" d:\\x\\y ", true}, {"\\\\srv\\share", true}, {"C:", true},
      {"C:\\a:b", false},  {"C:\\a*b", false},   {"C:\\a?", false},        {"C:\\a/b", false},
      {"C:\\a\tb", false}, {"1:\\x", false},     {"Work\\New", false},     {"C", false},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsAbsoluteHostPath(c.text), c.absolute) << c.text;
}

// Lines built from the characters the column arithmetic reacts to, in every order: the
// parse must stay inside the text whatever the host writes.
TEST(ParseListItem, HostileLinesStayInBounds) {
  FakeFileSystem fs;
  const char alphabet[] = {' ', ':', '-', 's', '<', '>', '.', 'a', '\t', '\0'};
  uint32_t seed = 12345;
  for (int round = 0; round < 3000; ++round) {
    seed = seed * 1103515245u + 12345u;
    std::string line;
    const size_t length = (seed >> 16) % 40;
    for (size_t i = 0; i < length; ++i) {
      seed = seed * 1103515245u + 12345u;
      line.push_back(alphabet[(seed >> 16) % sizeof alphabet]);
    }
    FocusedItem item = ParseListItem(line, round % 2 == 0, fs, "C:\\");
    EXPECT_LE(item.name.size(), line.size());
    if (item.info != "0 <DIR>") {
      EXPECT_LE(item.info.size(), line.size());
    }
  }
}

}  // namespace
}  // namespace kestrix
