#include <gtest/gtest.h>

#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_views.h"
#include "fakes/fake_window_system.h"
#include "host/focused_item.h"
#include "host/host_commands.h"
#include "host/host_snapshot.h"
#include "host/panel_windows.h"
#include "host/path_text.h"
#include "host/tree_cache.h"

namespace kestrix {
namespace {

// ---- focused_item
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
      {"C:\\Work", true}, {" d:\\x\\y ", true}, {"\\\\srv\\share", true},
      {"C:", true},       {"C:\\a:b", false},   {"C:\\a*b", false},
      {"C:\\a?", false},  {"C:\\a/b", false},   {"C:\\a\tb", false},
      {"1:\\x", false},   {"Work\\New", false}, {"C", false},
      {"", false},        {"A:\\x", true},      {"a:", true},
      {"Z:\\", true},     {"@:\\x", false},     {"[:", false},
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

// ---- host_commands
using namespace std::string_literals;

TEST(ChangeDirPayload, ExtraTextAndTheFinalZero) {
  // The side forms are checked through SendHostChangeDir below.
  EXPECT_EQ(ChangeDirPayload("D:\\x", "S", PanelSide::kLeft), "D:\\x\r\0S\0"s);
  // cbData is the payload (path, CR, zero) plus the final zero byte.
  EXPECT_EQ(ChangeDirPayload("D:\\x", "", PanelSide::kRight).size(), 4u + 3u);
  EXPECT_EQ(EnterCommandPayload("a%%b"), "em_KestrixEnter a%%%%b\0"s);
}

TEST(CopyDataText, StopsAtZeroOrAtTheGivenSize) {
  const char with_zero[] = {'C', ':', '\\', '\0', 'x', 'y'};
  EXPECT_EQ(CopyDataText(with_zero, sizeof with_zero), "C:\\");
  // No zero byte inside cbData: taken whole, never read beyond.
  const char no_zero[] = {'L', 'R', 'X'};
  EXPECT_EQ(CopyDataText(no_zero, 2), "LR");
  EXPECT_EQ(CopyDataText(no_zero, 0), "");
  EXPECT_EQ(CopyDataText(nullptr, 5), "");
}

struct HostFixture {
  FakeWindowSystem windows;
  FakeEnvironment env;
  WindowHandle host = windows.Add(0, kHostWindowClass, "Total Commander");
  WindowHandle app = windows.Add(0, "Ttc_KestrixForm", "Kestrix");
  HostCommands commands{windows, env, app};
};

TEST(SendHostChangeDir, ChoosesChangeDirOrUserCommand) {
  struct Case {
    std::string path;
    bool allow_em;
    PanelSide side;
    uint32_t dw_data;
    WindowHandle (*reply)(const HostFixture&);
    std::string bytes;
  } cases[] = {
      {"C:\\Work\\", true, PanelSide::kLeft, kCopyDataChangeDir,
       [](const HostFixture& f) { return f.app; }, "C:\\Work\\\r\0\0"s},
      {"C:\\Work\\", false, PanelSide::kRight, kCopyDataChangeDir,
       [](const HostFixture& f) { return f.app; }, "\rC:\\Work\\\0\0"s},
      // An environment reference goes through the user command, with "%" doubled.
      {"%TEMP%\\x", true, PanelSide::kLeft, kCopyDataUserCmd,
       [](const HostFixture&) { return WindowHandle{0}; }, "em_KestrixEnter %%TEMP%%\\x\0"s},
      // Without the user command installed the unexpanded text goes as it is.
      {"%TEMP%\\x", false, PanelSide::kRight, kCopyDataChangeDir,
       [](const HostFixture& f) { return f.app; }, "\r%TEMP%\\x\0\0"s},
      // A "%" that expands to nothing different is no reference.
      {"50%\\off", true, PanelSide::kLeft, kCopyDataChangeDir,
       [](const HostFixture& f) { return f.app; }, "50%\\off\r\0\0"s},
  };
  for (const Case& c : cases) {
    HostFixture f;
    f.env.Set("TEMP", "C:\\Temp");
    f.commands.SendHostChangeDir(f.host, c.path, "", c.side, c.allow_em);
    ASSERT_EQ(f.windows.copy_data_sent().size(), 1u) << c.path;
    const auto& sent = f.windows.copy_data_sent()[0];
    EXPECT_EQ(sent.window, f.host);
    EXPECT_EQ(sent.dw_data, c.dw_data) << c.path;
    EXPECT_EQ(sent.reply_to, c.reply(f)) << c.path;
    EXPECT_EQ(sent.bytes, c.bytes) << c.path;
  }
}

TEST(SendHostChangeDir, NothingWithoutHostOrPath) {
  HostFixture f;
  f.commands.SendHostChangeDir(0, "C:\\x", "", PanelSide::kLeft, true);
  f.commands.SendHostChangeDir(f.host, "  ", "", PanelSide::kLeft, true);
  f.commands.SendHostChangeDir(f.host, "", "", PanelSide::kLeft, true);
  EXPECT_TRUE(f.windows.copy_data_sent().empty());
}

TEST(HostCommands, PostsCommandNumbersWithTheCommandMessage) {
  HostFixture f;
  for (HostCommand c : {kCmdRereadSource, kCmdGoToParent, kCmdFocusLeft, kCmdFocusRight})
    f.commands.Post(f.host, c);
  f.commands.Post(0, kCmdRereadSource);  // no host: nothing, not a thread message
  ASSERT_EQ(f.windows.posted().size(), 4u);
  const uintptr_t expected[] = {540, 2002, 4001, 4002};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(f.windows.posted()[i].window, f.host);
    EXPECT_EQ(f.windows.posted()[i].message, 0x433u);
    EXPECT_EQ(f.windows.posted()[i].wparam, expected[i]);
    EXPECT_EQ(f.windows.posted()[i].lparam, 0);
  }
}

TEST(HostCommands, QueryAndFreshLookupGoToTheFirstHostWindow) {
  HostFixture f;
  WindowHandle second_host = f.windows.Add(0, kHostWindowClass, "Another");
  f.commands.SendHostQuery(f.app, "sn");
  f.commands.PostToFirstHost(kCmdRereadSource);
  ASSERT_EQ(f.windows.copy_data_sent().size(), 1u);
  EXPECT_EQ(f.windows.copy_data_sent()[0].window, f.host);
  EXPECT_EQ(f.windows.copy_data_sent()[0].reply_to, f.app);
  EXPECT_EQ(f.windows.copy_data_sent()[0].dw_data, 0x4147u);
  EXPECT_EQ(f.windows.copy_data_sent()[0].bytes, "SN\0"s);
  ASSERT_EQ(f.windows.posted().size(), 1u);
  EXPECT_NE(f.windows.posted()[0].window, second_host);
}

// ---- host_snapshot
using namespace std::string_literals;

class ScriptedFocus : public HostFocus {
 public:
  WindowHandle foreground = 0;
  WindowHandle focus = 0;
  WindowHandle focus_after_escape = 0;
  std::vector<WindowHandle> forced;
  std::vector<std::pair<WindowHandle, uint8_t>> keys;
  WindowHandle ForegroundWindow() override { return foreground; }
  WindowHandle GetForeignFocus() override { return focus; }
  void ForceForeground(WindowHandle window) override { forced.push_back(window); }
  void SendKeyDown(WindowHandle window, uint8_t key) override {
    keys.emplace_back(window, key);
    if (focus_after_escape != 0) focus = focus_after_escape;
  }
  void Pause(unsigned) override {}
};

// A host laid out as the panel reading expects, with one list per side and a scripted
// answer to each copy-data query.
struct SnapshotFixture : FakeHostLayout {
  FakeWindowSystem windows;
  FakeFileSystem fs;
  FakeEnvironment env;
  FakeSnapshotView view;
  ScriptedFocus focus;
  HostSnapshot snapshot;
  HostMethodFlags flags;
  AffixSettings affixes;
  WindowHandle app = 0;
  std::map<std::string, std::string> answers;  // request -> reply; absent: no reply
  std::unique_ptr<HostCommands> commands;
  std::unique_ptr<HostSnapshotReader> reader;

  SnapshotFixture() {
    static_cast<FakeHostLayout&>(*this) =
        AddHostLayout(windows, "C:\\Data\\*.*", "D:\\*.*", "C:\\Data\\*.*");
    app = windows.Add(0, "Ttc_KestrixForm", "Kestrix");
    fs.AddDirectory("C:\\Data\\Photos.old");
    fs.AddDirectory("C:\\Tree\\Deep");
    snapshot.HostWindow = host;
    snapshot.StartPath = "C:\\Data\\*.*";
    focus.foreground = host;
    commands = std::make_unique<HostCommands>(windows, env, app);
    reader = std::make_unique<HostSnapshotReader>(snapshot, flags, affixes, windows, fs, focus,
                                                  *commands, view, app);
    windows.SetCopyDataHandler(
        host, [this](WindowHandle, uintptr_t dw_data, const void* data, uint32_t size) {
          if (dw_data != kCopyDataQuery) return intptr_t{0};
          std::string request = CopyDataText(static_cast<const char*>(data), size);
          auto it = answers.find(request);
          if (it != answers.end()) reader->OnHostReply(it->second);  // answered inside the send
          return intptr_t{1};
        });
  }
  std::vector<std::string> QueriesSent() const {
    std::vector<std::string> requests;
    for (const auto& sent : windows.copy_data_sent())
      if (sent.dw_data == kCopyDataQuery) requests.push_back(sent.bytes);
    return requests;
  }
};

TEST(ShortenPath, MiddleEllipsisToTheLimit) {
  const std::string path = "C:\\Program Files\\Very Long Folder Name\\Another Level\\Target";
  EXPECT_EQ(ShortenPath("C:\\short\\"), "C:\\short\\");
  std::string forty(40, 'x');
  EXPECT_EQ(ShortenPath(forty), forty);
  std::string shortened = ShortenPath(path);
  EXPECT_EQ(shortened.size(), 40u);
  EXPECT_EQ(shortened, path.substr(0, 18) + "..." + path.substr(path.size() - 19));
}

TEST(CleanPanelPath, WildcardAndMarkerRemovedSeparatorAdded) {
  EXPECT_EQ(CleanPanelPath("C:\\Data\\*.*"), "C:\\Data\\");
  EXPECT_EQ(CleanPanelPath("C:\\Data>"), "C:\\Data\\");
  EXPECT_EQ(CleanPanelPath("C:\\"), "C:\\");
}

TEST(IsArchivePanelPath, KnownExtensionsInLowerCaseOnly) {
  EXPECT_TRUE(IsArchivePanelPath("C:\\x\\backup.zip\\*.*"));
  EXPECT_TRUE(IsArchivePanelPath("C:\\x\\a.tar.gz"));
  EXPECT_TRUE(IsArchivePanelPath("C:\\x\\disk.iso"));
  EXPECT_FALSE(IsArchivePanelPath("C:\\x\\BACKUP.ZIP\\*.*"));
  EXPECT_FALSE(IsArchivePanelPath("C:\\x\\zip\\*.*"));
}

TEST(Acquire, WindowReadingDetailedItemWithPrefixAndSuffix) {
  SnapshotFixture f;
  f.flags.TC8B10FuncChecked = true;
  f.affixes = {"[", true, "]", true};
  f.focus.focus = f.left_list;
  f.windows.SetListItems(f.left_list, {"..", "Report.2024.pdf\t12345\t01.02.2024 10:00\t-a--"}, 1);
  f.reader->Acquire();
  EXPECT_TRUE(f.QueriesSent().empty());
  EXPECT_EQ(f.snapshot.CurrentPath, "C:\\Data\\");
  EXPECT_EQ(f.snapshot.AcquiredPath, "C:\\Data\\");
  EXPECT_EQ(f.view.shown_path, "C:\\Data\\");
  EXPECT_EQ(f.snapshot.FirstList, f.right_list);
  EXPECT_EQ(f.snapshot.SecondList, f.left_list);
  EXPECT_EQ(f.snapshot.ActiveSide, PanelSide::kLeft);
  EXPECT_EQ(f.snapshot.SelectedName, "Report.2024");
  EXPECT_EQ(f.view.name, "[Report.2024]");
}

TEST(Acquire, WindowReadingBriefItemsOnTheRightList) {
  struct Case {
    std::string item;
    std::string name;
  } cases[] = {
      // The names themselves are the focused-item tests' business; here the right list's
      // item reaches the field and a text file is flagged.
      {"Photos.old", "Photos"},
      {"notes.txt", "notes"},
  };
  for (const Case& c : cases) {
    SnapshotFixture f;
    f.flags = {false, true, false};  // window reading, the extension fix off
    f.focus.focus = f.right_list;
    f.windows.SetListItems(f.right_list, {c.item}, 0);
    f.reader->Acquire();
    EXPECT_EQ(f.snapshot.ActiveSide, PanelSide::kRight) << c.item;
    EXPECT_EQ(f.view.name, c.name) << c.item;
    EXPECT_EQ(f.snapshot.FocusedTextFile, c.item == "notes.txt");
  }
}

TEST(Acquire, FocusOutsideTheListsSuggestsNothing) {
  SnapshotFixture f;
  f.flags.TC8B10FuncChecked = true;
  f.focus.focus = f.label;
  f.view.name = "kept";
  f.reader->Acquire();
  EXPECT_EQ(f.view.name, "kept");
  EXPECT_EQ(f.snapshot.CurrentPath, "C:\\Data\\");
}

TEST(Acquire, InlineEditorIsClosedAndThePanelReadAgain) {
  SnapshotFixture f;
  f.flags.TC8B10FuncChecked = true;
  WindowHandle editor = f.windows.Add(f.host, "Edit", "Report.2024.pdf");
  f.focus.focus = editor;
  f.focus.focus_after_escape = f.right_list;
  f.windows.SetListItems(f.right_list, {"Photos.old"}, 0);
  f.reader->Acquire();
  ASSERT_EQ(f.focus.keys.size(), 1u);
  EXPECT_EQ(f.focus.keys[0], std::make_pair(f.host, uint8_t{0x1B}));
  EXPECT_EQ(f.view.refreshes, 1);
  EXPECT_EQ(f.snapshot.FocusedWindow, f.right_list);
  EXPECT_EQ(f.view.name, "Photos");
}

TEST(Acquire, FullPathItemBecomesTheCurrentPathAndSwitchesSides) {
  for (bool from_left : {true, false}) {
    SnapshotFixture f;
    f.flags.TC8B10FuncChecked = true;
    WindowHandle list = from_left ? f.left_list : f.right_list;
    f.focus.focus = list;
    f.windows.SetListItems(list, {"C:\\Tree\\Deep"}, 0);
    f.reader->Acquire();
    EXPECT_EQ(f.snapshot.CurrentPath, "C:\\Tree\\Deep\\");
    EXPECT_EQ(f.snapshot.AcquiredPath, "C:\\Tree\\Deep\\");
    EXPECT_EQ(f.view.name, "");
    EXPECT_EQ(f.snapshot.ActiveSide, from_left ? PanelSide::kRight : PanelSide::kLeft);
    EXPECT_EQ(f.snapshot.FocusedWindow, from_left ? f.right_list : f.left_list);
    ASSERT_EQ(f.windows.posted().size(), 1u);
    EXPECT_EQ(f.windows.posted()[0].message, kHostCommandMessage);
    EXPECT_EQ(f.windows.posted()[0].wparam, from_left ? 4002u : 4001u);
  }
}

TEST(Acquire, ProbeSwitchesToTheMessageMethodOnce) {
  SnapshotFixture f;
  f.answers = {{"A", "L"}, {"SP", "C:\\Data\\"}, {"SN", "Photos.old"}};
  f.snapshot.FirstList = f.right_list;
  f.snapshot.SecondList = f.left_list;
  f.reader->Acquire();
  EXPECT_TRUE(f.flags.TC8B10Method);
  EXPECT_TRUE(f.flags.TC8B10FixExt);
  EXPECT_TRUE(f.flags.TC8B10FuncChecked);
  EXPECT_EQ(f.QueriesSent(), (std::vector<std::string>{"A\0"s, "SP\0"s, "SN\0"s, "A\0"s}));
  EXPECT_EQ(f.snapshot.CurrentPath, "C:\\Data\\");
  EXPECT_EQ(f.view.name, "Photos.old");  // a directory keeps its dot with the fix
  EXPECT_EQ(f.snapshot.ActiveSide, PanelSide::kLeft);
  EXPECT_EQ(f.snapshot.FocusedWindow, f.left_list);
  EXPECT_EQ(f.snapshot.PendingQuery, "");
  // A second acquisition does not probe again.
  f.reader->Acquire();
  EXPECT_EQ(f.QueriesSent().size(), 7u);
  EXPECT_EQ(f.QueriesSent()[4], "SP\0"s);
}

TEST(Acquire, SilentHostKeepsTheWindowReadingMethodAndIsNotProbedAgain) {
  SnapshotFixture f;
  f.focus.focus = f.right_list;
  f.windows.SetListItems(f.right_list, {"a.b"}, 0);
  f.reader->Acquire();
  EXPECT_FALSE(f.flags.TC8B10Method);
  EXPECT_TRUE(f.flags.TC8B10FuncChecked);
  EXPECT_EQ(f.snapshot.PendingQuery, "CheckTC8B10Func");  // never answered
  EXPECT_EQ(f.view.name, "a");
  f.reader->Acquire();
  EXPECT_EQ(f.QueriesSent().size(), 1u);
}

TEST(Acquire, MessageMethodWithoutTheExtensionFix) {
  SnapshotFixture f;
  f.flags = {true, true, false};
  f.answers = {{"A", "R"}, {"SP", "C:\\Data\\"}, {"SN", "Photos.old"}};
  f.affixes = {"x_", true, "", false};
  f.reader->Acquire();
  EXPECT_EQ(f.view.name, "x_Photos");
  EXPECT_EQ(f.snapshot.SelectedName, "Photos");
  EXPECT_EQ(f.snapshot.ActiveSide, PanelSide::kRight);
}

TEST(OnHostReply, WithoutPendingQueryNothingChanges) {
  SnapshotFixture f;
  f.snapshot.CurrentPath = "C:\\Old\\";
  f.view.name = "keep";
  f.reader->OnHostReply("D:\\New\\");
  EXPECT_EQ(f.snapshot.CurrentPath, "C:\\Old\\");
  EXPECT_EQ(f.view.name, "keep");
}

TEST(OnHostReply, SideAnswerOtherThanLOrRChangesNothing) {
  SnapshotFixture f;
  f.snapshot.FirstList = f.right_list;
  f.snapshot.SecondList = f.left_list;
  f.snapshot.FocusedWindow = f.right_list;
  f.snapshot.PendingQuery = "RefreshSide";
  f.reader->OnHostReply("?");
  EXPECT_EQ(f.snapshot.FocusedWindow, f.right_list);
  EXPECT_EQ(f.snapshot.PendingQuery, "");
}

TEST(Refresh, MessageMethodAsksPathAndSide) {
  SnapshotFixture f;
  f.flags = {true, true, true};
  f.snapshot.FirstList = f.right_list;
  f.snapshot.SecondList = f.left_list;
  f.answers = {{"A", "L"}, {"SP", "E:\\Other\\"}};
  f.reader->Refresh();
  EXPECT_EQ(f.snapshot.CurrentPath, "E:\\Other\\");
  EXPECT_EQ(f.snapshot.ActiveSide, PanelSide::kLeft);
  EXPECT_EQ(f.view.refreshes, 1);
}

TEST(Refresh, WindowReadingReadsTheLabelAndTheSide) {
  SnapshotFixture f;
  f.flags.TC8B10FuncChecked = true;
  f.focus.focus = f.right_list;
  f.windows.SetText(f.label, "C:\\Data>");
  f.reader->Refresh();
  EXPECT_EQ(f.snapshot.CurrentPath, "C:\\Data\\");
  EXPECT_EQ(f.snapshot.ActiveSide, PanelSide::kRight);
  EXPECT_FALSE(f.view.terminated);
  EXPECT_EQ(f.focus.forced, (std::vector<WindowHandle>{f.host, f.app}));
  EXPECT_EQ(f.view.refreshes, 1);
}

TEST(Refresh, ArchiveOnTheActiveSideEndsTheProgram) {
  SnapshotFixture f;
  f.flags.TC8B10FuncChecked = true;
  f.focus.focus = f.left_list;
  f.windows.SetText(f.left_path, "C:\\Data\\backup.zip\\*.*");
  f.reader->Refresh();
  EXPECT_TRUE(f.view.terminated);
}

TEST(Refresh, LabelWithoutDriveFallsBackToThePanelHeader) {
  SnapshotFixture f;
  f.flags.TC8B10FuncChecked = true;
  f.focus.focus = f.right_list;
  f.windows.SetText(f.label, "Data");
  f.windows.SetText(f.right_header, "D:\\Header\\*.*");
  f.reader->Refresh();
  EXPECT_EQ(f.snapshot.CurrentPath, "D:\\Header\\");
}

TEST(TypedCurrentPath, LeadingBlanksAndSlashes) {
  EXPECT_EQ(TypedCurrentPath("  C:/Work/New "), "C:\\Work\\New ");
  EXPECT_EQ(TypedCurrentPath(""), "");
}

TEST(EditedCurrentPath, AbsoluteRelativeAndEmpty) {
  FakeEnvironment env{{"DATA", "D:\\Data"}};
  struct Case {
    std::string text;
    std::string expected;
  } cases[] = {
      {"D:\\Work", "D:\\Work\\"},
      {" D:/Work/", "D:\\Work\\"},
      {"%DATA%\\x", "D:\\Data\\x\\"},
      {"\\\\srv\\share", "\\\\srv\\share\\"},
      {"Projects", "C:\\Projects\\"},
      {"  ", "C:\\"},
      {"", "C:\\"},
      {"a/b", "C:\\a\\b\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(EditedCurrentPath(c.text, env, 'C'), c.expected) << c.text;
}

TEST(PathFieldChanged, ExistingDirectoryMovesTheHostWhileTyping) {
  SnapshotFixture f;
  f.snapshot.FirstList = f.right_list;
  f.snapshot.SecondList = f.left_list;
  f.snapshot.FocusedWindow = f.left_list;
  f.reader->PathFieldChanged(" C:/Tree", true, false);
  EXPECT_EQ(f.snapshot.CurrentPath, "C:\\Tree");
  f.reader->PathFieldChanged("C:\\Tre", true, false);          // not a directory: nothing sent
  f.reader->PathFieldChanged("C:\\Tree\\Deep", false, false);  // field hidden: nothing sent
  ASSERT_EQ(f.windows.copy_data_sent().size(), 1u);
  EXPECT_EQ(f.windows.copy_data_sent()[0].bytes, "C:\\Tree\r\0\0"s);
}

TEST(Refresh, OtherHostBuildReadsTheWindowChain) {
  SnapshotFixture f;
  f.flags = {false, true, false};
  WindowHandle host = f.windows.Add(0, kHostWindowClass);
  f.windows.Add(host, "Window");
  WindowHandle second = f.windows.Add(host, "Window");
  f.windows.Add(second, "Window", "E:\\Lcl\\*.*");
  WindowHandle right = f.windows.Add(host, "LCLListBox");
  WindowHandle left = f.windows.Add(host, "LCLListBox");
  f.focus.focus = left;
  f.snapshot.HostWindow = host;
  f.reader->Refresh();
  EXPECT_EQ(f.snapshot.FirstList, right);
  EXPECT_EQ(f.snapshot.SecondList, left);
  EXPECT_EQ(f.snapshot.CurrentPath, "E:\\Lcl\\");
  EXPECT_EQ(f.snapshot.ActiveSide, PanelSide::kLeft);
}

// ---- panel_windows
struct FakeHost : FakeHostLayout {
  FakeWindowSystem windows;
  FakeHost() {
    windows.Add(0, "Shell_TrayWnd");  // the host is not the first top-level window
    static_cast<FakeHostLayout&>(*this) =
        AddHostLayout(windows, "c:\\left\\*.*", "d:\\right\\*.*", "ignored", "c:\\left header",
                      "d:\\right header");
  }
};

TEST(FindNthChildWindow, CountsOnlyDirectChildrenOfTheClass) {
  FakeWindowSystem w;
  WindowHandle parent = w.Add(0, "Parent");
  WindowHandle a = w.Add(parent, "TMyPanel");
  w.Add(parent, "Other");
  WindowHandle b = w.Add(parent, "tmypanel");
  w.Add(b, "TMyPanel");  // a grandchild is never counted
  struct Case {
    WindowHandle parent;
    int n;
    WindowHandle expected;
  } cases[] = {
      {parent, 1, a}, {parent, 2, b},  {parent, 3, 0},
      {parent, 0, 0}, {parent, -1, 0}, {0, 1, 0},  // no parent must not search the top level
      {0x7777, 1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindNthChildWindow(w, c.parent, "TMyPanel", c.n), c.expected)
        << "parent " << c.parent << " n " << c.n;
  }
}

TEST(FindFileLists, FirstWithoutTextThenAnyAfterItInEitherClass) {
  const char* const list = kHostListClass;
  const char* const alt = kHostListClassAlt;
  struct Case {
    const char* what;
    std::vector<std::pair<const char*, const char*>> children;  // class, text
    bool wide_search_fails;
    int first, second;  // child index, -1 for none
  } cases[] = {
      {"captioned", {{list, "has text"}, {list, ""}, {list, "captioned"}}, false, 1, 2},
      {"other class", {{"Window", ""}, {alt, ""}, {alt, ""}}, false, 1, 2},
      // The second list is looked up with the wide search only.
      {"wide search fails", {{list, ""}, {list, ""}}, true, 0, -1},
      {"one list", {{list, ""}}, false, 0, -1},
      {"no lists", {}, false, -1, -1},
  };
  for (const Case& c : cases) {
    FakeWindowSystem w;
    WindowHandle host = w.Add(0, kHostWindowClass);
    std::vector<WindowHandle> children;
    for (const auto& [class_name, text] : c.children)
      children.push_back(w.Add(host, class_name, text));
    w.SetWideSearchFails(c.wide_search_fails);
    FileLists lists = FindFileLists(w, host);
    EXPECT_EQ(lists.first, c.first < 0 ? 0u : children[c.first]) << c.what;
    EXPECT_EQ(lists.second, c.second < 0 ? 0u : children[c.second]) << c.what;
    EXPECT_EQ(FindFileLists(w, 0).first, 0u);
  }
}

TEST(ReadPanelPath, ReadsEachSideThroughTheTabControl) {
  FakeHost h;
  EXPECT_EQ(ReadPanelPath(h.windows, h.host, PanelSide::kLeft), "c:\\left\\*.*");
  EXPECT_EQ(ReadPanelPath(h.windows, h.host, PanelSide::kRight), "d:\\right\\*.*");
  // Host 0 means the first host window.
  EXPECT_EQ(ReadPanelPath(h.windows, 0, PanelSide::kRight), "d:\\right\\*.*");
}

TEST(ReadPanelPath, PathPanelDirectlyInThePanelWhenThereIsNoTabControl) {
  FakeWindowSystem w;
  WindowHandle host = w.Add(0, kHostWindowClass);
  WindowHandle panel = 0;
  for (int i = 0; i < 3; ++i) panel = w.Add(host, "TMyPanel");
  w.Add(panel, "TPathPanel", "e:\\plain\\");
  EXPECT_EQ(ReadPanelPath(w, host, PanelSide::kLeft), "e:\\plain\\");
  // The right side's panel does not exist.
  EXPECT_EQ(ReadPanelPath(w, host, PanelSide::kRight), "c:\\");
}

TEST(ReadPanelPath, ShortOrRootlessTextsBecomeDriveC) {
  struct Case {
    std::string text;
    std::string expected;
  } cases[] = {
      {"", "c:\\"},       {"d:", "c:\\"},   {":\\x", "c:\\"},
      {":\\", "c:\\"},    {"d:\\", "d:\\"}, {"\\\\\\Plugin\\x", "\\\\\\Plugin\\x"},
      {"1:\\a", "1:\\a"},
  };
  for (const Case& c : cases) {
    FakeHost h;
    h.windows.SetText(h.left_path, c.text);
    EXPECT_EQ(ReadPanelPath(h.windows, h.host, PanelSide::kLeft), c.expected) << c.text;
  }
}

TEST(ReadPanelPath, TabControlWithoutPathPanelYieldsDriveC) {
  FakeHost h;
  h.windows.Remove(h.right_path);
  EXPECT_EQ(ReadPanelPath(h.windows, h.host, PanelSide::kRight), "c:\\");
}

TEST(ReadPanelPath, TextIsCutToTheBuffer) {
  FakeHost h;
  std::string long_path = "c:\\" + std::string(400, 'x');
  h.windows.SetText(h.left_path, long_path);
  EXPECT_EQ(ReadPanelPath(h.windows, h.host, PanelSide::kLeft), long_path.substr(0, 255));
}

TEST(ReadPanelPathAlt, HeaderTextWhenItHoldsABackslash) {
  FakeHost h;
  EXPECT_EQ(ReadPanelPathAlt(h.windows, h.host, PanelSide::kLeft), "c:\\left header");
  EXPECT_EQ(ReadPanelPathAlt(h.windows, h.host, PanelSide::kRight), "d:\\right header");
}

TEST(ReadPanelPathAlt, FallsBackToTheTabControlsSecondPanel) {
  FakeHost h;
  h.windows.SetText(h.left_header, "  no separator  ");
  WindowHandle tabs = h.windows.Add(h.panels[2], "TMyTabControl");
  h.windows.Add(tabs, "TMyPanel", "first");
  h.windows.Add(tabs, "TMyPanel", "f:\\from tabs\\");
  EXPECT_EQ(ReadPanelPathAlt(h.windows, h.host, PanelSide::kLeft), "f:\\from tabs\\");
}

TEST(ReadPanelPathAlt, EmptyWhenNeitherWindowExists) {
  FakeHost h;
  h.windows.SetText(h.left_header, "");
  EXPECT_EQ(ReadPanelPathAlt(h.windows, h.host, PanelSide::kLeft), "");
  EXPECT_EQ(ReadPanelPathAlt(h.windows, 0, PanelSide::kLeft), "");
}

// ---- path_text
TEST(PathText, PartsOfAPath) {
  struct Case {
    const char* path;
    const char* drive;
    const char* dir;
    const char* name;
    const char* ext;
  } cases[] = {
      {"c:\\tc\\Kestrix\\tc Kestrix.exe", "c:", "c:\\tc\\Kestrix\\", "tc Kestrix.exe", ".exe"},
      {"c:/tc/x.ini", "c:", "c:/tc/", "x.ini", ".ini"},
      {"d:x.exe", "d:", "d:", "x.exe", ".exe"},
      {"\\\\srv\\share\\.hidden", "\\\\srv\\share", "\\\\srv\\share\\", ".hidden", ".hidden"},
      {"x", "", "", "x", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(pathtext::ExtractFileDrive(c.path), c.drive) << c.path;
    EXPECT_EQ(pathtext::ExtractFilePath(c.path), c.dir) << c.path;
    EXPECT_EQ(pathtext::ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(pathtext::ExtractFileExt(c.path), c.ext) << c.path;
  }
  EXPECT_EQ(pathtext::WithTrailingSeparator("c:/a/"), "c:/a/");
  EXPECT_EQ(pathtext::WithTrailingSeparator("c:\\a"), "c:\\a\\");
  EXPECT_EQ(pathtext::WithTrailingSeparator(""), "\\");
}

// ---- tree_cache
TEST(TreeInfoEntry, DriveRootRemovedLineEnded) {
  EXPECT_EQ(TreeInfoEntry("C:\\Work\\New\\"), "[Work\\New\\]\r\n");
  EXPECT_EQ(TreeInfoEntry("d:\\x"), "[x]\r\n");
  EXPECT_EQ(TreeInfoEntry("\\\\srv\\share\\a\\b"), "[a\\b]\r\n");
}

struct TreeFixture {
  FakeFileSystem fs;
  FakeEnvironment env{{"LOCALAPPDATA", "C:\\Users\\u\\AppData\\Local"}};
  const std::string ini = "C:\\TC\\wincmd.ini";
  TreeFixture() {
    fs.AddDrive("D:");
    fs.AddFile(ini, "");
  }
};

TEST(TreeInfoPath, ChoosesTheCacheFile) {
  const std::string shared = "C:\\Users\\u\\AppData\\Local\\GHISLER\\treeinfo.wc";
  const std::string drive_c = "C:\\Users\\u\\AppData\\Local\\GHISLER\\treeinfoc.wc";
  struct Case {
    const char* what;
    std::vector<std::string> files;
    std::string setting, directory, expected;
  } cases[] = {
      {"switched off", {shared}, " False ", "C:\\Work\\", ""},
      {"explicit file", {"C:\\cache\\my.wc"}, "C:\\cache\\my.wc", "C:\\Work\\", "C:\\cache\\my.wc"},
      {"explicit file missing, host drive shared cache",
       {shared},
       "C:\\cache\\gone.wc",
       "C:\\Work\\",
       shared},
      {"per-drive cache wins on the host's drive",
       {drive_c, shared},
       "True",
       "c:\\Work\\",
       drive_c},
      {"host drive without any cache", {}, "True", "C:\\Work\\", ""},
      {"another drive uses its root", {"D:\\treeinfo.wc"}, "True", "D:\\Data\\", "d:\\treeinfo.wc"},
      {"another drive without a cache", {shared}, "True", "D:\\Data\\", ""},
  };
  for (const Case& c : cases) {
    TreeFixture f;
    for (const std::string& file : c.files) f.fs.AddFile(file, "");
    EXPECT_EQ(TreeInfoPath(f.fs, f.env, c.setting, c.directory, f.ini), c.expected) << c.what;
  }
}

TEST(TreeInfoAppend, AppendsAtTheEndAndCreatesMissingFile) {
  TreeFixture f;
  f.fs.AddFile("C:\\t.wc", "[Old]\r\n");
  EXPECT_EQ(TreeInfoAppend(f.fs, "C:\\t.wc", " C:\\Work\\New\\ "), 0u);
  EXPECT_EQ(f.fs.FileContent("C:\\t.wc"), "[Old]\r\n[Work\\New\\]\r\n");
  EXPECT_EQ(TreeInfoAppend(f.fs, "C:\\fresh.wc", "C:\\A"), 0u);
  EXPECT_EQ(f.fs.FileContent("C:\\fresh.wc"), "[A]\r\n");
}

TEST(TreeInfoAppend, NothingForSwitchTextsOrEmptyDirectory) {
  TreeFixture f;
  const int before = f.fs.WriteCount();
  for (const char* file : {"", "  ", "False", "True"})
    EXPECT_EQ(TreeInfoAppend(f.fs, file, "C:\\A"), 0u);
  EXPECT_EQ(TreeInfoAppend(f.fs, "C:\\t.wc", "  "), 0u);
  EXPECT_EQ(f.fs.WriteCount(), before);
}

TEST(TreeInfoAppend, ReportsAFailureAndKeepsTheFile) {
  TreeFixture f;
  f.fs.AddFile("C:\\t.wc", "[Old]\r\n");
  f.fs.FailPath("C:\\t.wc", kErrorAccessDenied);
  EXPECT_EQ(TreeInfoAppend(f.fs, "C:\\t.wc", "C:\\A"), kErrorAccessDenied);
  EXPECT_EQ(f.fs.FileContent("C:\\t.wc"), "[Old]\r\n");
}

}  // namespace
}  // namespace kestrix
