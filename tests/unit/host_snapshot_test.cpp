#include "host/host_snapshot.h"

#include <gtest/gtest.h>

#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_views.h"
#include "fakes/fake_window_system.h"

namespace kestrix {
namespace {

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
struct SnapshotFixture {
  FakeWindowSystem windows;
  FakeFileSystem fs;
  FakeEnvironment env;
  FakeSnapshotView view;
  ScriptedFocus focus;
  HostSnapshot snapshot;
  HostMethodFlags flags;
  AffixSettings affixes;
  WindowHandle host = 0, app = 0, right_list = 0, left_list = 0, path_label = 0;
  WindowHandle left_path = 0, right_path = 0;
  std::map<std::string, std::string> answers;  // request -> reply; absent: no reply
  std::unique_ptr<HostCommands> commands;
  std::unique_ptr<HostSnapshotReader> reader;

  SnapshotFixture() {
    host = windows.Add(0, kHostWindowClass, "Total Commander");
    WindowHandle panels[5] = {};
    for (int i = 1; i <= 4; ++i) panels[i] = windows.Add(host, "TMyPanel");
    path_label = windows.Add(panels[2], "TMyPanel", "C:\\Data\\*.*");
    left_path = windows.Add(windows.Add(panels[3], "TMyTabControl"), "TPathPanel", "C:\\Data\\*.*");
    right_path = windows.Add(windows.Add(panels[4], "TMyTabControl"), "TPathPanel", "D:\\*.*");
    right_list = windows.Add(host, "TMyListBox");
    left_list = windows.Add(host, "TMyListBox");
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
  f.focus.focus = f.path_label;
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
  f.windows.SetText(f.path_label, "C:\\Data>");
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
  f.windows.SetText(f.path_label, "Data");
  // The right header: second "TMyPanel" child of the host's third panel.
  WindowHandle panel3 = FindNthChildWindow(f.windows, f.host, "TMyPanel", 3);
  f.windows.Add(panel3, "TMyPanel", "x");
  f.windows.Add(panel3, "TMyPanel", "D:\\Header\\*.*");
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

}  // namespace
}  // namespace kestrix
