#include "create/name_list_loading.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/text_utils.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_file_system.h"
#include "host/host_snapshot.h"

namespace kestrix {
namespace {

using std::string;
using Names = std::vector<string>;

TEST(DecodeNameListBytes, PlainTextStaysAndMarkedUnicodeIsConverted) {
  const string utf8 = "\xEF\xBB\xBF";
  struct Case {
    string bytes;
    string text;
  } cases[] = {
      {"a\r\nb", "a\r\nb"},
      {"Caf\xE9", "Caf\xE9"},                       // system code page as is
      {utf8 + "Caf\xC3\xA9\r\nx", "Caf\xE9\r\nx"},  // UTF-8 with its mark
      {utf8, ""},
      {utf8 + "a\xC3", "a?"},                                // cut sequence
      {utf8 + "\xC0\xAF" + "b", "??b"},                      // overlong form
      {utf8 + "\xE2\x82\xAC", "?"},                          // euro sign: no Latin-1 form
      {"\xFF\xFE" + string("a\0\xE9\0", 4), "a\xE9"},        // UTF-16 little-endian
      {"\xFE\xFF" + string("\0a\0\r\0\n\0b", 8), "a\r\nb"},  // UTF-16 big-endian
      {string("a\0b\0", 4), "ab"},                           // zero bytes dropped
  };
  FakeCodePage code_page;
  for (const Case& c : cases) EXPECT_EQ(DecodeNameListBytes(c.bytes, code_page), c.text);
}

TEST(ReadNameListFile, ReadsThroughTheFileSystemAndReportsFailures) {
  FakeFileSystem fs;
  FakeCodePage code_page;
  fs.AddDirectory("C:\\Lists");
  ASSERT_EQ(fs.WriteWholeFile("C:\\Lists\\names.txt", "\xEF\xBB\xBFone\r\n\r\n  \r\ntwo"), 0u);
  string text = "stale";
  EXPECT_EQ(ReadNameListFile(fs, code_page, "C:\\Lists\\names.txt", text), 0u);
  EXPECT_EQ(text, "one\r\n\r\n  \r\ntwo");
  EXPECT_EQ(ReadNameListFile(fs, code_page, "C:\\Lists\\gone.txt", text), kErrorFileNotFound);
  EXPECT_EQ(text, "");
  EXPECT_EQ(ReadNameListFile(fs, code_page, "C:\\Lists", text), kErrorAccessDenied);
  // Loading places what was read; an unreadable file is reported and places nothing.
  LoadedFile two = LoadNameListFile(fs, code_page, "C:\\Lists\\names.txt");
  EXPECT_EQ(two.error, 0u);
  EXPECT_TRUE(two.names.extended);
  EXPECT_EQ(two.names.list_text, "one\r\ntwo\r\n");
  fs.FailPath("C:\\Lists\\names.txt", kErrorAccessDenied, FakeFileSystem::kFaultRead);
  LoadedFile denied = LoadNameListFile(fs, code_page, "C:\\Lists\\names.txt");
  EXPECT_EQ(denied.error, kErrorAccessDenied);
  EXPECT_FALSE(denied.names.extended);
}

TEST(PlaceLoadedText, TwoOrMoreLinesMakeAListOtherwiseOneName) {
  struct Case {
    const char* file;
    bool extended;
    const char* name;
    const char* list;
  } cases[] = {
      {"a\r\n\r\n  \r\nb", true, "", "a\r\nb\r\n"},
      {"  x  ", false, "x", ""},
      {"", false, "", ""},
      {"\r\n\t\r\n", false, "", ""},
      {"\r\n\r\nx\r\n\r\n", false, "x", ""},
      {"a\nb\n", true, "", "a\r\nb\r\n"},
      {" a \r\n b ", true, "", "a \r\n b\r\n"},  // only the whole text is trimmed
      {"1\r\n2\r\n3", true, "", "1\r\n2\r\n3\r\n"},
  };
  for (const Case& c : cases) {
    LoadedNames placed = PlaceLoadedText(c.file);
    EXPECT_EQ(placed.extended, c.extended) << c.file;
    EXPECT_EQ(placed.name_text, c.name) << c.file;
    EXPECT_EQ(placed.list_text, c.list) << c.file;
  }
}

TEST(AppendListLine, AddsALineAsTheMemoListDoes) {
  struct Case {
    const char* list;
    const char* line;
    const char* result;
  } cases[] = {
      {"", "x", "x\r\n"},
      {"a", "x", "a\r\nx"},
      {"a\r\n", "x", "a\r\nx\r\n"},
      {"a\r\nb", "", "a\r\nb\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(AppendListLine(c.list, c.line), c.result);
}

TEST(RemoveDuplicateLines, EachTextKeepsItsLastPlace) {
  struct Case {
    const char* list;
    const char* result;
  } cases[] = {
      {"", ""},
      {"a", "a"},
      {"a\r\nb\r\na", "b\r\na"},
      {"a\r\nb\r\na\r\n", "b\r\na\r\n"},
      {"A\r\na", "A\r\na"},  // exact comparison
      {"x\r\nx\r\nx\r\n", "x\r\n"},
      {"a\r\n\r\nb\r\n\r\nc", "a\r\nb\r\n\r\nc"},
  };
  for (const Case& c : cases) EXPECT_EQ(RemoveDuplicateLines(c.list), c.result) << c.list;
}

TEST(DroppedItemName, FileWithoutExtensionFolderWhole) {
  struct Case {
    const char* path;
    bool dir;
    const char* name;
  } cases[] = {
      {"C:\\Work\\Photos", true, "Photos"},      {"C:\\Work\\v1.2", true, "v1.2"},
      {"C:\\Work\\report.doc", false, "report"}, {"C:\\Work\\archive.tar.gz", false, "archive.tar"},
      {"C:\\Work\\README", false, "README"},     {"C:\\Work\\.profile", false, ".profile"},
      {"C:\\Work\\Photos\\", true, "Photos"},    {"C:\\", true, ""},
      {"\\\\server\\share\\Docs", true, "Docs"},
  };
  for (const Case& c : cases) EXPECT_EQ(DroppedItemName({c.path, c.dir}), c.name) << c.path;
}

TEST(DescribeDroppedPaths, AsksTheFileSystemForFolders) {
  FakeFileSystem fs;
  fs.AddDirectory("C:\\Work\\Photos");
  ASSERT_EQ(fs.WriteWholeFile("C:\\Work\\a.txt", "x"), 0u);
  std::vector<DroppedItem> items =
      DescribeDroppedPaths(fs, {"C:\\Work\\Photos", "", "C:\\Work\\a.txt", "C:\\Work\\gone"});
  ASSERT_EQ(items.size(), 3u);
  EXPECT_TRUE(items[0].is_directory);
  EXPECT_FALSE(items[1].is_directory);
  EXPECT_FALSE(items[2].is_directory);
  EXPECT_EQ(items[1].path, "C:\\Work\\a.txt");
}

TEST(PlanDrop, DecidesBetweenLoadingAndInserting) {
  const std::vector<DroppedItem> two = {{"C:\\A\\report.doc", false}, {"D:\\B\\notes.txt", false}};
  struct Case {
    std::vector<DroppedItem> items;
    bool list_visible;
    bool load;
    const char* text_file;
    const char* current_path;
    bool switch_to_extended;
    Names names;
  } cases[] = {
      {{{"C:\\Work\\Photos", true}}, false, false, "", "C:\\Work\\", false, {"Photos"}},
      {{{"C:\\Work\\notes.txt", false}}, false, true, "C:\\Work\\notes.txt", "", false, {}},
      {{{"C:\\Work\\LIST.TXT", false}}, false, false, "", "C:\\Work\\", false, {"LIST"}},
      {{{"C:\\Work\\old.txt", true}}, true, false, "", "C:\\Work\\", false, {"old.txt"}},
      {two, false, false, "", "D:\\B\\", true, {"report", "notes"}},
      {two, true, false, "", "D:\\B\\", false, {"report", "notes"}},
      {{{"C:\\", true}}, false, false, "", "C:\\", false, {}},
      {{}, false, false, "", "", false, {}},
  };
  int n = 0;
  for (const Case& c : cases) {
    DropPlan plan = PlanDrop(c.items, c.list_visible);
    EXPECT_EQ(plan.load_text_file, c.load) << n;
    EXPECT_EQ(plan.text_file, c.text_file) << n;
    EXPECT_EQ(plan.current_path, c.current_path) << n;
    EXPECT_EQ(plan.current_path_label, c.current_path) << n;
    EXPECT_EQ(plan.switch_to_extended, c.switch_to_extended) << n;
    EXPECT_EQ(plan.names, c.names) << n;
    ++n;
  }
}

TEST(PlanDrop, ShortensALongPathForItsLabel) {
  string dir = "C:\\Projects\\Customers\\Northwind\\Quarterly reports\\";
  DropPlan plan = PlanDrop({{dir + "Q1", true}}, false);
  EXPECT_EQ(plan.current_path, dir);
  EXPECT_EQ(plan.current_path_label, ShortenPath(dir));
}

TEST(InsertDroppedNames, ReplacesTheNameOrAppendsLinesWithoutDuplicates) {
  struct Case {
    Names names;
    bool list_visible;
    const char* list;
    bool name_replaced;
    const char* name;
    const char* result;
  } cases[] = {
      {{"Photos"}, false, "Setup", true, "Photos", "Photos"},
      {{"Photos"}, false, "", true, "Photos", "Photos"},
      {{"Photos"}, false, "Setup\r\nPhotos\r\n", true, "Photos", "Photos\r\n"},
      {{"report", "notes"}, true, "Setup", false, "", "Setup\r\nreport\r\nnotes"},
      {{"Photos"}, true, "a\r\nb\r\n", false, "", "a\r\nb\r\nPhotos\r\n"},
      {{"Photos"}, true, "Photos\r\nb", false, "", "b\r\nPhotos"},  // dropped twice: one line
      {{"x", "x"}, true, "", false, "", "x\r\n"},
      {{}, false, "Setup", false, "", "Setup"},
  };
  int n = 0;
  for (const Case& c : cases) {
    DropInsertion r = InsertDroppedNames(c.names, c.list_visible, c.list);
    EXPECT_EQ(r.name_replaced, c.name_replaced) << n;
    EXPECT_EQ(r.name_text, c.name) << n;
    EXPECT_EQ(r.list_text, c.result) << n;
    ++n;
  }
}

TEST(PlanNameFieldPaste, OneLineGoesIntoTheFieldSeveralMakeAList) {
  struct Case {
    const char* clip;
    const char* name;
    size_t start, length;
    bool consumed, clear_saved, extended;
    const char* new_name;
    size_t new_start, new_length;
    const char* list;
  } cases[] = {
      {"", "abc", 1, 0, false, false, false, "", 0, 0, ""},
      {" xy ", "12", 1, 0, true, false, false, "1xy2", 3, 0, "1xy2"},
      {"xy", "abcd", 1, 2, true, false, false, "axyd", 3, 0, "axyd"},
      {"   ", "abcd", 1, 2, true, false, false, "ad", 1, 0, "ad"},
      {"\tz", "", 0, 0, true, false, false, "z", 1, 0, "z"},
      {"x\r\ny", "Setup", 5, 0, true, true, true, "", 0, 0, "x\r\ny\r\n"},
      {"x\ny", "Setup", 0, 5, true, true, true, "", 0, 0, "x\r\ny\r\n"},
      {"x\ry\r", "", 0, 0, true, true, true, "", 0, 0, "x\r\ny\r\n"},
      {"a\r\n\r\nb\r\n", "", 0, 0, true, true, true, "", 0, 0, "a\r\n\r\nb\r\n"},
      {"\r\n x \r\n", "ab", 1, 0, true, true, false, "axb", 0, 3, "axb"},
      {"\r\n", "abc", 0, 3, true, true, false, "", 0, 0, ""},
      {"q", "ab", 9, 9, true, false, false, "abq", 3, 0, "abq"},  // selection past the end
  };
  int n = 0;
  for (const Case& c : cases) {
    PastePlan p = PlanNameFieldPaste(c.clip, c.name, c.start, c.length);
    EXPECT_EQ(p.consumed, c.consumed) << n;
    EXPECT_EQ(p.clear_saved_selection, c.clear_saved) << n;
    EXPECT_EQ(p.extended, c.extended) << n;
    EXPECT_EQ(p.name_text, c.new_name) << n;
    EXPECT_EQ(p.selection_start, c.new_start) << n;
    EXPECT_EQ(p.selection_length, c.new_length) << n;
    EXPECT_EQ(p.list_text, c.list) << n;
    ++n;
  }
}

string Describe(const std::vector<SelectFileMenuItem>& items) {
  string out;
  for (const SelectFileMenuItem& item : items) {
    if (!out.empty()) out += "|";
    if (item.separator) {
      out += "-";
      continue;
    }
    out += item.caption;
    if (item.checked) out += "(v)";
    if (item.image_index >= 0) {
      out += "#";
      out += std::to_string(item.image_index);
    }
  }
  return out;
}

TEST(SelectFileMenu, ShowsTheTextFileAndBrowseBeforeExtension) {
  SelectFileMenu menu;
  EXPECT_EQ(Describe(menu.VisibleItems(true, "names.txt", true, "Clear list...", "Browse...")),
            "names.txt|-|Browse...");
  EXPECT_EQ(Describe(menu.VisibleItems(false, "names.txt", true, "Clear list...", "Browse...")),
            "Browse...");
  menu.Extend({"", " ", ""});
  EXPECT_FALSE(menu.Extended());
}

TEST(SelectFileMenu, AddsTheStructuresOnceAndSkipsAfterAGap) {
  SelectFileMenu menu;
  // Structures 0, 1 and 3: three found, numbers 0 to 2 visited, 3 never offered.
  menu.Extend({" Projects ", "Music", "", "Late"});
  ASSERT_TRUE(menu.Extended());
  menu.Extend({"Other"});
  std::vector<SelectFileMenuItem> items =
      menu.VisibleItems(true, "names.txt", true, "Clear list...", "Browse...");
  EXPECT_EQ(Describe(items),
            "names.txt|-|0 - Projects#13|1 - Music#13|Clear list...(v)|-|Browse...");
  EXPECT_EQ(items[0].command, SelectFileCommand::kLoadFocusedTextFile);
  EXPECT_EQ(items[3].command, SelectFileCommand::kApplyStructure);
  EXPECT_EQ(items[3].structure_index, 1);
  EXPECT_EQ(items[4].command, SelectFileCommand::kToggleClearList);
  EXPECT_EQ(items[6].command, SelectFileCommand::kBrowse);
  EXPECT_EQ(Describe(menu.VisibleItems(false, "", false, "Clear list...", "Browse...")),
            "0 - Projects#13|1 - Music#13|Clear list...|-|Browse...");
}

TEST(OpenDialogFilter, PairsSeparatedByZeroBytes) {
  string expected("Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0\0", 46);
  EXPECT_EQ(OpenDialogFilter("Text files (*.txt)", "All files (*.*)"), expected);
}

// Random bytes and selections: every result stays within its inputs and holds no zero byte.
TEST(NameListLoadingBounds, RandomInputsStayInBounds) {
  std::mt19937 random(20261207);
  const char alphabet[] = {'a',    ' ',    '\r',   '\n',   '\0',   '\t',   '|',    '\xEF',
                           '\xBB', '\xBF', '\xFF', '\xFE', '\xC3', '\xA9', '\x80', '\xF0'};
  FakeCodePage code_page;
  for (int round = 0; round < 2000; ++round) {
    string bytes;
    int length = static_cast<int>(random() % 24);
    for (int i = 0; i < length; ++i) bytes.push_back(alphabet[random() % sizeof alphabet]);
    string text = DecodeNameListBytes(bytes, code_page);
    EXPECT_EQ(text.find('\0'), string::npos);
    LoadedNames placed = PlaceLoadedText(text);
    EXPECT_EQ(placed.extended, !placed.list_text.empty());
    if (!placed.extended) {
      EXPECT_EQ(placed.name_text.find_first_of("\r\n"), string::npos);
    }

    string name = "name";
    size_t start = random() % 8, selected = random() % 8;
    PastePlan paste = PlanNameFieldPaste(text, name, start, selected);
    if (paste.consumed && !paste.extended) {
      EXPECT_LE(paste.selection_start + paste.selection_length, paste.name_text.size());
      EXPECT_EQ(paste.name_text.find_first_of("\r\n"), string::npos);
    }
    if (paste.extended) {
      EXPECT_GE(SplitLines(paste.list_text).size(), 2u);
    }
    // De-duplication keeps exactly one of each distinct line.
    std::vector<string> lines = SplitLines(text);
    std::vector<string> kept = SplitLines(RemoveDuplicateLines(text));
    std::set<string> distinct(lines.begin(), lines.end());
    EXPECT_EQ(kept.size(), distinct.size());
    EXPECT_EQ(std::set<string>(kept.begin(), kept.end()), distinct);
  }
}

}  // namespace
}  // namespace kestrix
