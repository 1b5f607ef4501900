#include "create/creation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "fakes/fake_code_page.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_views.h"
#include "fakes/fake_window_system.h"
#include "names/text_utils.h"

namespace kestrix {
namespace {

using namespace std::string_literals;

// "%Y" stands for the year, as the name engine would expand it.
std::string FakeReplacements(Environment& env, const std::string& text) {
  return ReplaceAll(Trim(env.Expand(text)), "%Y", "2024");
}

struct RunFixture {
  FakeFileSystem fs;
  FakeEnvironment env{{"TEMP", "C:\\Temp"}, {"LOCALAPPDATA", "C:\\Local"}};
  FakeCodePage code_page;
  FakeMessageBoxes boxes;
  FakeModifierKeys keys;
  EnglishLanguageTable language;
  FakeWindowSystem windows;
  WindowHandle host_window = windows.Add(0, kHostWindowClass, "Total Commander");
  WindowHandle right_list = windows.Add(host_window, "TMyListBox");
  WindowHandle left_list = windows.Add(host_window, "TMyListBox");
  WindowHandle app = windows.Add(0, "Ttc_KestrixForm", "Kestrix");
  HostCommands host{windows, env, app};
  HistoryPlaces places{"C:\\TC\\wincmd.ini", "C:\\TC\\Kestrix", "tc Kestrix", ""};
  DirHistory history{fs, env, places};
  CreationSettings settings;
  HostSnapshot snapshot;
  DirAttributeSet attributes;
  FakeCreationView view;
  std::string routine;
  std::unique_ptr<CreationRun> run;

  RunFixture() {
    fs.AddDirectory("C:\\Data");
    fs.AddDirectory("C:\\TC\\Kestrix");
    fs.AddFile(places.CommanderIni, "[left]\r\npath=C:\\\r\n");
    snapshot.HostWindow = host_window;
    snapshot.FirstList = right_list;
    snapshot.SecondList = left_list;
    snapshot.FocusedWindow = right_list;
    snapshot.CurrentPath = "C:\\Data\\";
    settings.CommanderIni = places.CommanderIni;
    settings.WindowsDir = "C:\\Windows";
    CreationServices services{
        fs,    env,     code_page,
        boxes, keys,    language,
        host,  history, [this](const std::string& t) { return FakeReplacements(env, t); }};
    run = std::make_unique<CreationRun>(services, settings, snapshot, attributes, view, routine);
  }

  void Ok(const std::string& name) {
    view.normal = true;
    view.name = name;
    run->btn_okClick();
  }
  void OkList(const std::string& list) {
    view.normal = false;
    view.list = list;
    run->btn_okClick();
  }
  // Host traffic as text: "CD:R:<path>", "CD:L:<path>", "EM:<command>", and posted numbers.
  std::vector<std::string> Sent() const {
    std::vector<std::string> out;
    for (const auto& s : windows.copy_data_sent()) {
      std::string text = s.bytes.substr(0, s.bytes.find('\0'));
      if (s.dw_data == kCopyDataChangeDir)
        out.push_back(text[0] == '\r' ? "CD:R:" + text.substr(1)
                                      : "CD:L:" + text.substr(0, text.size() - 1));
      else if (s.dw_data == kCopyDataUserCmd)
        out.push_back("EM:" + text);
    }
    return out;
  }
  std::vector<uintptr_t> Posted() const {
    std::vector<uintptr_t> out;
    for (const auto& p : windows.posted()) out.push_back(p.wparam);
    return out;
  }
};

TEST(CreationRun, SingleNewNameIsCreatedWithAttributesAndShownInTheHost) {
  RunFixture f;
  f.attributes.hidden = true;
  f.view.close_window = true;
  f.Ok("Reports");
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\Data\\Reports"));
  EXPECT_EQ(f.fs.GetAttributes("C:\\Data\\Reports"), kAttrDirectory | kAttrHidden);
  // Not entered: the host changes to it and goes to the parent, cursor on the new one.
  EXPECT_EQ(f.Sent(), (std::vector<std::string>{"CD:R:C:\\Data\\Reports"}));
  EXPECT_EQ(f.Posted(), (std::vector<uintptr_t>{2002, 540}));
  EXPECT_TRUE(f.view.closed);
  EXPECT_EQ(f.view.history, (std::vector<std::string>{"Reports"}));
  EXPECT_TRUE(f.boxes.shown.empty());
}

TEST(CreationRun, SingleNameRecordsTheTextBeforeReplacements) {
  RunFixture f;
  f.view.replacements = true;
  f.Ok("Year %Y");
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\Data\\Year 2024"));
  EXPECT_EQ(f.view.history, (std::vector<std::string>{"Year %Y"}));
  EXPECT_NE(f.fs.FileContent(f.places.CommanderIni)->find("0=Year %Y"), std::string::npos);
}

TEST(CreationRun, ExistingNameIsEnteredAndTheFieldEmptied) {
  RunFixture f;
  f.fs.AddDirectory("C:\\Data\\Old");
  f.Ok("Old");
  EXPECT_EQ(f.Sent(), (std::vector<std::string>{"CD:R:C:\\Data\\Old"}));
  EXPECT_EQ(f.view.name, "");
  EXPECT_EQ(f.snapshot.CurrentPath, "C:\\Data\\Old\\");
  EXPECT_EQ(f.Posted(), (std::vector<uintptr_t>{540}));  // the window stays: no close
  EXPECT_TRUE(f.view.history.empty());
}

TEST(CreationRun, EmptyNameEntersTheCurrentPath) {
  RunFixture f;
  f.Ok("");
  EXPECT_EQ(f.Sent(), (std::vector<std::string>{"CD:R:C:\\Data\\"}));
  EXPECT_EQ(f.snapshot.CurrentPath, "C:\\Data\\");
}

TEST(CreationRun, FileInTheWayIsReported) {
  RunFixture f;
  f.fs.AddFile("C:\\Data\\notes", "x");
  f.Ok("notes");
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, "Error: A file with this name already exists!");
  EXPECT_EQ(f.boxes.shown[0].caption, "Error while creating directory");
  EXPECT_EQ(f.boxes.shown[0].flags, 0x10u);
  EXPECT_TRUE(f.Sent().empty());
  EXPECT_GT(f.view.focus_count, 0);
}

TEST(CreationRun, MissingCurrentPathIsOfferedForCreation) {
  for (int answer : {kIdYes, kIdNo}) {
    RunFixture f;
    f.snapshot.CurrentPath = "C:\\Gone\\Deeper\\";
    f.attributes.hidden = true;
    f.boxes.answers = {answer};
    f.Ok("New");
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    EXPECT_EQ(f.boxes.shown[0].flags, 0x24u);
    EXPECT_EQ(f.boxes.shown[0].caption, "Do you want to create the missing folders?");
    EXPECT_EQ(f.boxes.shown[0].text,
              "Folder Name: New\r\nCurrent Path: C:\\Gone\\Deeper\\\r\n\r\n"
              "The Current Path is incorrect: some or all of the (sub)directories are missing."
              "\r\n\r\nWould you like to create the missing directories and subdirectories?");
    EXPECT_EQ(f.fs.DirectoryExists("C:\\Gone\\Deeper\\New"), answer == kIdYes);
    if (answer == kIdYes) {
      // Directories forced into existence do not receive the chosen attributes.
      EXPECT_EQ(f.fs.GetAttributes("C:\\Gone\\Deeper"), kAttrDirectory);
      EXPECT_EQ(f.fs.GetAttributes("C:\\Gone\\Deeper\\New"), kAttrDirectory);
      EXPECT_EQ(f.view.history, (std::vector<std::string>{"New"}));
    } else {
      EXPECT_TRUE(f.Sent().empty());
    }
  }
}

TEST(CreationRun, ChainEntersExistingLevelsAndGivesNewOnesTheAttributes) {
  RunFixture f;
  f.fs.AddDirectory("C:\\Data\\a");
  f.attributes.system = true;
  f.settings.UpdateTreeInfo = "True";
  f.fs.AddFile("C:\\Local\\GHISLER\\treeinfo.wc", "");
  f.view.replacements = true;
  f.Ok("a/b\\%Y");
  EXPECT_EQ(f.fs.GetAttributes("C:\\Data\\a"), kAttrDirectory);
  EXPECT_EQ(f.fs.GetAttributes("C:\\Data\\a\\b"), kAttrDirectory | kAttrSystem);
  EXPECT_EQ(f.fs.GetAttributes("C:\\Data\\a\\b\\2024"), kAttrDirectory | kAttrSystem);
  // The chain is recorded after replacements, once.
  EXPECT_EQ(f.view.history, (std::vector<std::string>{"a/b\\2024"}));
  EXPECT_EQ(f.fs.FileContent("C:\\Local\\GHISLER\\treeinfo.wc"),
            "[Data\\a\\b\\]\r\n[Data\\a\\b\\2024\\]\r\n");
  EXPECT_EQ(f.Sent(), (std::vector<std::string>{"CD:R:C:\\Data\\a/b\\2024"}));
}

TEST(CreationRun, ChainStopsAtTheFailingLevel) {
  RunFixture f;
  f.view.close_window = true;
  f.fs.FailPath("C:\\Data\\a\\b", kErrorAccessDenied);
  f.Ok("a\\b\\c");
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\Data\\a"));
  EXPECT_FALSE(f.fs.Exists("C:\\Data\\a\\c"));  // not one level too high
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, "Error while creating directory: b\r\nError code:5");
  EXPECT_EQ(f.run->Failures(), (std::vector<std::string>{"a\\b\\c"}));
  EXPECT_FALSE(f.view.closed);  // kept open for the failure
}

TEST(CreationRun, CreationErrorUsesTheLanguageFilesErrorCodeText) {
  RunFixture f;
  f.language = LanguageTable::FromText(
      "[ErrorMessages]\r\nDirCreation=Fehler beim Anlegen\r\nErrorCode=Fehlercode: \r\n");
  f.view.close_window = true;
  f.fs.FailPath("C:\\Data\\a\\b", kErrorAccessDenied);
  f.Ok("a\\b");
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, "Fehler beim Anlegen: b\r\nFehlercode:5");
}

TEST(CreationRun, ChainBelowAMissingCurrentPathAsksFirst) {
  RunFixture f;
  f.snapshot.CurrentPath = "C:\\New\\";
  f.Ok("x\\y");
  EXPECT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text.rfind("Current Path: C:\\New\\", 0), 0u);
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\New\\x\\y"));
}

TEST(CreationRun, ListWithOneFailingLineKeepsOnlyThatLine) {
  RunFixture f;
  f.view.close_window = true;
  f.fs.FailPath("C:\\Data\\bad", kErrorAccessDenied);
  f.OkList("x\r\n*y\r\n\r\nbad\r\nz");
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\Data\\x\\y"));
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\Data\\z"));
  EXPECT_EQ(f.view.list, "bad");
  EXPECT_TRUE(f.boxes.shown.empty());  // a single failing line shows nothing
  EXPECT_FALSE(f.view.closed);
  EXPECT_FALSE(f.view.terminated);
  EXPECT_TRUE(f.view.history.empty());  // a typed list is not recorded
}

TEST(CreationRun, PipedNamesAreCreatedAsAListAndRecordedAsTyped) {
  RunFixture f;
  f.view.close_window = true;
  f.Ok(" a|b|c ");
  for (const char* dir : {"a", "b", "c"}) EXPECT_TRUE(f.fs.DirectoryExists("C:\\Data\\"s + dir));
  EXPECT_EQ(f.view.history, (std::vector<std::string>{"a|b|c"}));
  // The outcome selects the last name; the list mode closes by ending the program.
  EXPECT_EQ(f.Sent(), (std::vector<std::string>{"CD:R:C:\\Data\\c"}));
  EXPECT_TRUE(f.view.terminated);
  // Ending at once: one re-read, and no normal close that would write the closing keys.
  EXPECT_EQ(f.Posted(), (std::vector<uintptr_t>{2002, 540}));
  EXPECT_FALSE(f.view.closed);
}

TEST(CreationRun, StarsAndPipesMakeTheTreeTheyName) {
  struct Case {
    bool normal;
    const char* text;
    std::vector<std::string> created;
  } cases[] = {
      {true, "proj*src*doc", {"proj", "proj\\src", "proj\\doc"}},
      {true, "proj*src*doc|notes", {"proj", "proj\\src", "proj\\doc", "notes"}},
      {true, "a|b*c|d", {"a", "b", "b\\c", "d"}},
      {false, "x*y", {"x", "x\\y"}},  // one list line
  };
  for (const Case& c : cases) {
    RunFixture f;
    c.normal ? f.Ok(c.text) : f.OkList(c.text);
    std::vector<std::string> expected;
    for (const std::string& dir : c.created) expected.push_back("C:\\Data\\" + dir);
    std::vector<std::string> made = f.fs.CreatedDirectories();
    std::sort(made.begin(), made.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(made, expected) << c.text;
  }
}

TEST(CreationRun, DeviceNamesAreRefusedWithTheirOwnMessage) {
  struct Case {
    const char* text;
    bool refused;
  } cases[] = {{"CON", true},  {"nul.txt", true}, {"a\\com1", true}, {"LPT9 ", true},
               {"COM10", false}, {"CONSOLE", false}, {"lpt0", false}};
  for (const Case& c : cases) {
    RunFixture f;
    f.Ok(c.text);
    const bool shown = !f.boxes.shown.empty() &&
                       f.boxes.shown[0].text.starts_with("Windows reserves this name");
    EXPECT_EQ(shown, c.refused) << c.text;
    EXPECT_EQ(f.fs.DirectoryExists("C:\\Data\\"s + Trim(c.text)), !c.refused) << c.text;
  }
}

TEST(CreationRun, AbsolutePathCreatesMissingParentsAndTheHostEntersIt) {
  RunFixture f;
  f.Ok("C:\\X\\Y");
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\X\\Y"));
  EXPECT_EQ(f.snapshot.CurrentPath, "C:\\X\\Y\\");
  EXPECT_EQ(f.Sent(), (std::vector<std::string>{"CD:R:C:\\X\\Y\\"}));
  EXPECT_TRUE(f.boxes.shown.empty());
}

TEST(CreationRun, FailedAbsolutePathStopsAfterTheCreationError) {
  RunFixture f;
  f.Ok("Q:\\X");  // no such drive
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text.rfind("Error while creating directory: Q:\\X\r\n", 0), 0u);
  EXPECT_TRUE(f.Sent().empty());
}

TEST(CreationRun, InvalidCharactersWarnOrRepair) {
  RunFixture f;
  f.Ok("a?b");
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, "The directory name contains invalid character(s)!");
  EXPECT_FALSE(f.fs.Exists("C:\\Data\\a_b"));
  f.settings.invalid_chars.action = kInvalidCharRepair;
  f.Ok("a?b");
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\Data\\a_b"));
}

TEST(CreationRun, ModifierKeysOverrideTheOptions) {
  struct Case {
    const char* what;
    uint8_t key;
    bool enter_option, close_option;
    bool entered, closed;
  } cases[] = {
      {"Shift enters", kVkShift, false, false, true, false},
      {"Ctrl closes", kVkControl, false, false, false, true},
      {"Alt keeps open", kVkAlt, false, true, false, false},
      {"no key", 0, false, true, false, true},
  };
  for (const Case& c : cases) {
    RunFixture f;
    if (c.key != 0) f.keys.down.insert(c.key);
    f.view.enter_dir = c.enter_option;
    f.view.close_window = c.close_option;
    f.Ok("N");
    const bool went_to_parent = !f.Posted().empty() && f.Posted()[0] == 2002;
    EXPECT_EQ(!went_to_parent, c.entered) << c.what;
    EXPECT_EQ(f.view.closed, c.closed) << c.what;
    if (!c.closed) {
      EXPECT_EQ(f.view.fronted, 1) << c.what;
    }
  }
}

TEST(CreationRun, CurrentPathFollowsIntoTheNewDirectoryWhileTheWindowStays) {
  RunFixture f;
  f.view.enter_dir = true;
  f.Ok("one");
  EXPECT_EQ(f.snapshot.CurrentPath, "C:\\Data\\one\\");
  EXPECT_EQ(f.view.shown_path, "C:\\Data\\one\\");
  f.Ok("two");
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\Data\\one\\two"));
  EXPECT_EQ(f.Sent(), (std::vector<std::string>{"CD:R:C:\\Data\\one", "CD:R:C:\\Data\\one\\two"}));
}

TEST(CreationRun, AltWithShiftKeepsTheWindowInsideTheEnteredDirectory) {
  RunFixture f;
  f.view.close_window = true;
  f.keys.down = {kVkShift, kVkAlt};
  f.Ok("one");
  EXPECT_FALSE(f.view.closed);
  EXPECT_EQ(f.snapshot.CurrentPath, "C:\\Data\\one\\");
  f.Ok("two");
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\Data\\one\\two"));
  // Ctrl alone closes: the path stays, nothing follows.
  RunFixture closing;
  closing.keys.down = {kVkShift, kVkControl};
  closing.Ok("one");
  EXPECT_TRUE(closing.view.closed);
  EXPECT_EQ(closing.snapshot.CurrentPath, "C:\\Data\\");
}

TEST(CreationRun, LeftSideAndUserCommandForEnvironmentReferences) {
  RunFixture f;
  f.snapshot.FocusedWindow = f.left_list;
  f.settings.EnterCmdInstalled = true;
  f.snapshot.CurrentPath = "%TEMP%\\";
  f.fs.AddDirectory("C:\\Temp");
  f.view.enter_dir = true;
  f.Ok("x");
  // The fake file system does not expand, so the name lands literally; what matters here is
  // the host request.
  EXPECT_EQ(f.Sent(), (std::vector<std::string>{"EM:em_KestrixEnter %%TEMP%%\\x"}));
}

TEST(CreationRun, DoNotEnterDeepestSelectsTheFirstLevel) {
  RunFixture f;
  f.settings.DoNotEnterDeepest = true;
  f.Ok("p\\q");
  EXPECT_EQ(f.Sent(), (std::vector<std::string>{"CD:R:C:\\Data\\p"}));
  EXPECT_EQ(f.Posted(), (std::vector<uintptr_t>{2002, 540}));
}

std::string Utf16(const std::string& ascii, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) {
    if (big_endian) bytes.push_back('\0');
    bytes.push_back(c);
    if (!big_endian) bytes.push_back('\0');
  }
  return bytes;
}

TEST(CreationRun, VirtualPanelResolvesThroughItsListFile) {
  for (bool big_endian : {false, true}) {
    RunFixture f;
    f.fs.AddDirectory("D:\\");
    f.fs.AddDrive("D:");
    f.fs.AddDirectory("D:\\Real");
    f.fs.AddFile("C:\\Windows\\fsplugin.ini", "[Virtual Panel]\r\nDefFileList=%TEMP%\\vp.lst\r\n");
    f.fs.AddFile("C:\\Temp\\vp.lst", Utf16("\\Proj\r\nD:\\Real\r\n", big_endian));
    f.snapshot.CurrentPath = "\\\\\\Virtual Panel\\Proj\\";
    f.view.enter_dir = true;
    f.Ok("New");
    EXPECT_TRUE(f.fs.DirectoryExists("D:\\Real\\New")) << big_endian;
    // The host is told the virtual path; the program follows the real one.
    EXPECT_EQ(f.Sent(), (std::vector<std::string>{"CD:R:\\\\\\Virtual Panel\\Proj\\New"}));
    EXPECT_EQ(f.snapshot.CurrentPath, "D:\\Real\\New\\");
  }
}

TEST(CreationRun, VirtualPanelWithoutItsListKeepsTheVirtualPath) {
  RunFixture f;
  f.snapshot.CurrentPath = "\\\\\\Virtual Panel\\Proj\\";
  f.boxes.answers = {kIdNo};
  f.Ok("New");
  EXPECT_EQ(f.fs.AllPaths().size(), RunFixture().fs.AllPaths().size());
}

}  // namespace
}  // namespace kestrix
