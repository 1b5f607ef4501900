// The snapshot and the creation run of this process against the stand-in host in another
// process: window reads, copy-data queries with their replies, and the host traffic of a
// creation run in the host's log.
#include <gtest/gtest.h>

#include <memory>

#include "create/creation_run.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_views.h"
#include "host/host_snapshot.h"
#include "platform/win32/dialog_seams_win32.h"
#include "platform/win32/environment_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/window_system_win32.h"
#include "tcsim_fixture.h"

namespace kestrix::e2e {
namespace {

WindowHandle Handle(HWND window) {
  return reinterpret_cast<WindowHandle>(window);
}

// The host is the foreground window when the user presses F7; the test process cannot
// count on that, so the focus is read from the host's thread directly.
class HostThreadFocus : public HostFocus {
 public:
  HWND host = nullptr;
  WindowHandle ForegroundWindow() override { return Handle(host); }
  WindowHandle GetForeignFocus() override { return Handle(FocusOfThread(host)); }
  void ForceForeground(WindowHandle) override {}
  void SendKeyDown(WindowHandle window, uint8_t key) override {
    SendMessageA(reinterpret_cast<HWND>(window), WM_KEYDOWN, key, 0);
  }
  void Pause(unsigned milliseconds) override { Sleep(milliseconds); }
};

class HostLinkE2e : public ::testing::Test {
 protected:
  void Launch(const TcsimStart& start) {
    std::string error;
    ASSERT_TRUE(tcsim.Start(start, &error)) << error;
    focus.host = tcsim.Window();
    snapshot.HostWindow = Handle(tcsim.Window());
    reply = ReplyWindow();
    commands = std::make_unique<HostCommands>(windows, environment, Handle(reply));
    reader = std::make_unique<HostSnapshotReader>(snapshot, flags, affixes, windows, files, focus,
                                                  *commands, view, Handle(reply));
    // The main window's reply handling: at most cbData bytes, up to the first zero.
    SetReplySink(
        [this](const char* data, size_t size) { reader->OnHostReply(CopyDataText(data, size)); });
  }
  void TearDown() override { SetReplySink(nullptr); }

  HostTree tree;
  Tcsim tcsim{tree};
  Win32WindowSystem windows;
  Win32FileSystem files;
  Win32Environment environment;
  HostThreadFocus focus;
  FakeSnapshotView view;
  HostSnapshot snapshot;
  HostMethodFlags flags;
  AffixSettings affixes;
  HWND reply = nullptr;
  std::unique_ptr<HostCommands> commands;
  std::unique_ptr<HostSnapshotReader> reader;
};

TEST_F(HostLinkE2e, WindowReadingDetailedItemWithPrefixAndSuffix) {
  tree.MakeFile("left\\Report.2024.pdf", "12345");
  std::string left = tree.MakeDir("left");
  Launch(TcsimStart().Left(left).Focus("Report.2024.pdf").Detailed().IgnoreGa());
  affixes = {"<", false, "_v1", true};
  snapshot.StartPath = left + "\\*.*";
  reader->Acquire();
  EXPECT_TRUE(flags.TC8B10FuncChecked);
  EXPECT_FALSE(flags.TC8B10Method);  // the host ignored the probe
  EXPECT_EQ(snapshot.CurrentPath, left + "\\");
  EXPECT_EQ(snapshot.ActiveSide, PanelSide::kLeft);
  EXPECT_EQ(snapshot.SelectedName, "Report.2024");
  EXPECT_EQ(view.name, "Report.2024_v1");
}

TEST_F(HostLinkE2e, WindowReadingBriefItems) {
  struct Case {
    std::string focus;
    bool fix_ext;
    std::string name;
  } cases[] = {
      {"Photos.old", true, "Photos.old"},
      {"Photos.old", false, "Photos"},
      {".hidden", false, ".hidden"},
      {"..", true, ""},
  };
  tree.MakeDir("left\\Photos.old");
  tree.MakeFile("left\\.hidden");
  std::string left = tree.MakeDir("left");
  Launch(TcsimStart().Left(left).IgnoreGa());
  HWND list = reinterpret_cast<HWND>(FindFileLists(windows, snapshot.HostWindow).second);
  for (const Case& c : cases) {
    for (int i = 0; i < ListCount(list); ++i)
      if (ListItem(list, i).value_or("").rfind(c.focus + (c.focus == ".hidden" ? "" : " <"), 0) ==
          0)
        SendMessageA(list, LB_SETCURSEL, i, 0);
    snapshot = HostSnapshot{};
    snapshot.HostWindow = Handle(tcsim.Window());
    snapshot.StartPath = left + "\\*.*";
    flags = {false, true, c.fix_ext};
    view.name = "unchanged";
    reader->Acquire();
    EXPECT_EQ(view.name, c.name) << c.focus << " fix " << c.fix_ext;
  }
}

TEST_F(HostLinkE2e, MessageMethodProbeAnswersAndSide) {
  tree.MakeDir("right\\Photos.old");
  std::string left = tree.MakeDir("left"), right = tree.MakeDir("right");
  Launch(TcsimStart().Left(left).Right(right).RightActive().Focus("Photos.old"));
  FileLists lists = FindFileLists(windows, snapshot.HostWindow);
  snapshot.FirstList = lists.first;
  snapshot.SecondList = lists.second;
  reader->Acquire();
  EXPECT_TRUE(flags.TC8B10Method);
  EXPECT_TRUE(flags.TC8B10FixExt);
  EXPECT_EQ(snapshot.CurrentPath, right + "\\");
  EXPECT_EQ(view.name, "Photos.old");
  EXPECT_EQ(snapshot.ActiveSide, PanelSide::kRight);
  EXPECT_EQ(snapshot.FocusedWindow, lists.first);
  EXPECT_EQ(snapshot.PendingQuery, "");
  int probe = tcsim.WaitForLog("GA \"A\" -> \"R\"");
  int path = tcsim.WaitForLog("GA \"SP\"", probe + 1);
  int name = tcsim.WaitForLog("GA \"SN\"", path + 1);
  EXPECT_GE(probe, 0) << tcsim.LogText();
  EXPECT_GT(path, probe);
  EXPECT_GT(name, path);

  // Without the extension fix the message method cuts the name at its last dot.
  flags.TC8B10FixExt = false;
  reader->Acquire();
  EXPECT_EQ(view.name, "Photos");
}

TEST_F(HostLinkE2e, RefreshReadsThePanelAndEndsInsideAnArchive) {
  std::string left = tree.MakeDir("left"), right = tree.MakeDir("right");
  std::string archive = tree.MakeFile("right\\backup.zip", "PK");
  Launch(TcsimStart().Left(left).Right(archive + "\\").IgnoreGa());
  flags.TC8B10FuncChecked = true;
  reader->Refresh();
  EXPECT_EQ(snapshot.CurrentPath, left + "\\");
  EXPECT_EQ(snapshot.ActiveSide, PanelSide::kLeft);
  EXPECT_FALSE(view.terminated);
  EXPECT_EQ(view.refreshes, 1);

  ASSERT_TRUE(tcsim.PostCommand(4002));
  ASSERT_GE(tcsim.WaitForLog("CMD 4002"), 0) << tcsim.LogText();
  reader->Refresh();
  EXPECT_EQ(snapshot.ActiveSide, PanelSide::kRight);
  EXPECT_TRUE(view.terminated) << tcsim.LogText();
}

// A creation run driving tcsim: the change-directory request for the new directory, the
// step to its parent and the re-read arrive in this order.
class CreationE2e : public HostLinkE2e {
 protected:
  void Run(const std::string& name) {
    Drive([&](CreationRun& run) {
      run_view.name = name;
      run.btn_okClick();
    });
  }
  template <typename Action>
  void Drive(Action action) {
    Win32CodePage code_page;
    EnglishLanguageTable language;
    HistoryPlaces places{tree.WincmdIni(), tree.Dir(), "tc Kestrix", ""};
    DirHistory history(files, environment, places);
    settings.CommanderIni = tree.WincmdIni();
    CreationServices services{files,     environment, code_page,
                              boxes,     keys,        language,
                              *commands, history,     [](const std::string& text) { return text; }};
    std::string routine;
    CreationRun run(services, settings, snapshot, attributes, run_view, routine);
    action(run);
  }
  void SetUpHost(const std::string& left) {
    Launch(TcsimStart().Left(left));
    FileLists lists = FindFileLists(windows, snapshot.HostWindow);
    snapshot.FirstList = lists.first;
    snapshot.SecondList = lists.second;
    snapshot.FocusedWindow = lists.second;  // the left panel is active
    snapshot.CurrentPath = left + "\\";
  }
  // Log lines from `from` on that are host requests (CD, EM, CMD), cut to their start.
  std::vector<std::string> Requests() const {
    std::vector<std::string> out;
    for (const std::string& line : tcsim.LogLines()) {
      if (line.rfind("CD ", 0) == 0 || line.rfind("EM ", 0) == 0 || line.rfind("CMD ", 0) == 0)
        out.push_back(line);
    }
    return out;
  }

  CreationSettings settings;
  DirAttributeSet attributes;
  FakeMessageBoxes boxes;
  FakeModifierKeys keys;
  FakeCreationView run_view;
};

TEST_F(CreationE2e, NewChainIsShownUnderTheCursorThenReRead) {
  std::string left = tree.MakeDir("work");
  SetUpHost(left);
  attributes.hidden = true;
  Run("New\\Sub");
  EXPECT_NE(GetFileAttributesA((left + "\\New\\Sub").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  ASSERT_GE(tcsim.WaitForLog("CMD 540"), 0) << tcsim.LogText();
  std::vector<std::string> requests = Requests();
  ASSERT_EQ(requests.size(), 3u) << tcsim.LogText();
  EXPECT_NE(requests[0].find("left=\"" + left + "\\New\\Sub\""), std::string::npos) << requests[0];
  EXPECT_EQ(requests[1].rfind("CMD 2002", 0), 0u) << requests[1];
  EXPECT_EQ(requests[2].rfind("CMD 540", 0), 0u) << requests[2];
  // The host now shows the parent with the new level under its cursor.
  EXPECT_EQ(tcsim.Query("SP"), left + "\\New\\");
  EXPECT_EQ(tcsim.Query("SN"), "Sub");
}

TEST_F(CreationE2e, ShiftEntersTheNewDirectory) {
  std::string left = tree.MakeDir("work");
  SetUpHost(left);
  keys.down.insert(kVkShift);
  Run("Entered");
  ASSERT_GE(tcsim.WaitForLog("CMD 540"), 0) << tcsim.LogText();
  std::vector<std::string> requests = Requests();
  ASSERT_EQ(requests.size(), 2u) << tcsim.LogText();
  EXPECT_EQ(requests[0].rfind("CD ", 0), 0u);
  EXPECT_EQ(requests[1].rfind("CMD 540", 0), 0u);
  EXPECT_EQ(tcsim.Query("SP"), left + "\\Entered\\");
  EXPECT_EQ(snapshot.CurrentPath, left + "\\Entered\\");  // the window stayed: it follows
}

TEST_F(CreationE2e, EnvironmentReferenceGoesThroughTheUserCommand) {
  std::string left = tree.MakeDir("work");
  std::string target = tree.MakeDir("work\\Target");
  SetEnvironmentVariableA("KX_HOSTLINK_E2E", left.c_str());
  SetUpHost(left);
  settings.EnterCmdInstalled = true;
  Drive([](CreationRun& run) { run.TCEnterDir("%KX_HOSTLINK_E2E%\\Target"); });
  SetEnvironmentVariableA("KX_HOSTLINK_E2E", nullptr);
  ASSERT_GE(tcsim.WaitForLog("EM \"em_KestrixEnter %%KX_HOSTLINK_E2E%%\\Target\""), 0)
      << tcsim.LogText();
  EXPECT_EQ(tcsim.Query("SP"), target + "\\");
  EXPECT_EQ(snapshot.CurrentPath, "%KX_HOSTLINK_E2E%\\Target\\");
}

}  // namespace
}  // namespace kestrix::e2e
