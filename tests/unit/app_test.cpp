#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <tuple>

#include "app/error_log.h"
#include "app/group_frame.h"
#include "app/key_commands.h"
#include "app/launch_decision.h"
#include "app/list_lines.h"
#include "app/mode_rules.h"
#include "app/name_selection.h"
#include "app/subdir_lines.h"
#include "app/window_placement.h"
#include "base/text_utils.h"
#include "create/creation_plan.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_window_system.h"
#include "host/panel_windows.h"

namespace kestrix {
namespace {

using Lines = std::vector<std::string>;

// ---- error_log
const char kProgramDir[] = "C:\\TC\\Kestrix";
const char kLogPath[] = "C:\\TC\\Kestrix\\Log\\tc Kestrix.log";
const ErrorLogSystemInfo kSystem{"Windows 7", true, "en"};
class ErrorLoggerTest : public ::testing::Test {
 protected:
  ErrorLoggerTest() { clock.now = LocalDateTime{2024, 5, 6, 7, 8, 0, 0}; }
  std::string Log() { return fs.FileContent(kLogPath).value_or("<missing>"); }
  FakeFileSystem fs;
  std::string routine = "FormCreate";
  FakeClock clock;
  ErrorLogger logger{fs, kProgramDir, "tc Kestrix", kSystem, clock, routine};
};

TEST_F(ErrorLoggerTest, FailuresAreAppendedInOrderTheDirectoryIsCreatedAndNoPlaceIsAFault) {
  fs.AddDirectory(kProgramDir);
  logger.Log("Ttc_KestrixForm", FailureInfo{"EFirst", "one"});
  routine = "TCEnterDir";
  clock.now.second = 1;
  try {
    throw InOutError("x", 5);  // the program's own types are named without the namespace
  } catch (...) {
    logger.LogCurrentException("Ttc_KestrixForm");
  }
  auto record = [](const char* where, FailureInfo failure, int second) {
    return FormatErrorRecord(
        {"Ttc_KestrixForm", where, failure, kSystem, {2024, 5, 6, 7, 8, second}});
  };
  EXPECT_EQ(Log(), record("FormCreate", {"EFirst", "one"}, 0) +
                       record("TCEnterDir", {"InOutError", "I/O error 5 on \"x\""}, 1));
  // An existing log is appended to.
  fs.AddFile(kLogPath, "older\r\n");
  logger.Log("F", FailureInfo{"E", "m"});
  EXPECT_TRUE(Log().starts_with("older\r\nFormName.......: F\r\n"));
  // Unwritable locations are silent.
  const std::pair<const char*, void (*)(FakeFileSystem&)> cases[] = {
      {"read-only program directory",
       [](FakeFileSystem& f) { f.FailPath(kProgramDir, kErrorAccessDenied); }},
      {"a file named Log", [](FakeFileSystem& f) { f.AddFile("C:\\TC\\Kestrix\\Log", "x"); }},
      {"read-only log file", [](FakeFileSystem& f) { f.AddFile(kLogPath, "old", kAttrReadOnly); }}};
  for (const auto& [what, arrange] : cases) {
    FakeFileSystem local;
    local.AddDirectory(kProgramDir);
    arrange(local);
    ErrorLogger quiet(local, kProgramDir, "tc Kestrix", kSystem, clock, routine);
    EXPECT_NO_THROW(quiet.Log("F", FailureInfo{"E", "m"})) << what;
    EXPECT_EQ(local.FileContent(kLogPath).value_or("old"), "old") << what;
  }
}

// ---- key_commands
TEST(DecideKey, ByKeysModifiersAndFocusAndEscapeByTheFirstMatchingCase) {
  // Mode keys follow the cycle whatever is held.
  const std::tuple<uint16_t, MainMode, KeyAction> modes[] = {
      {kKeyF3, MainMode::kNormal, KeyAction::kChangeToExt},
      {kKeyF3, MainMode::kExtended, KeyAction::kBatchDirClick},
      {kKeyF3, MainMode::kBatch, KeyAction::kChangeToNormal},
      {kKeyF6, MainMode::kExtended, KeyAction::kChangeToNormal},
      {kKeyF7, MainMode::kNormal, KeyAction::kChangeToExt},
      {kKeyF7, MainMode::kBatch, KeyAction::kBatchDirClick},
      {kKeyF9, MainMode::kBatch, KeyAction::kTreePreview}};
  for (const auto& [key, mode, action] : modes) {
    KeyContext context{mode, FocusedControl::kMkDir, true};
    for (KeyPress press : {KeyPress{key}, KeyPress{key, true, true, true}}) {
      KeyDecision decision = DecideKey(press, context);
      EXPECT_EQ(std::tie(decision.action, decision.consumed), std::make_tuple(action, true))
          << key << " mode " << static_cast<int>(mode);
    }
  }
  using F = FocusedControl;
  using A = KeyAction;
  const auto Plain = [](uint16_t key) { return KeyPress{key}; };
  const auto Ctrl = [](uint16_t key) { return KeyPress{key, true}; };
  const auto Shift = [](uint16_t key) { return KeyPress{key, false, true}; };
  const auto Alt = [](uint16_t key) { return KeyPress{key, false, false, true}; };
  // focus, key, OK enabled, action, consumed
  const std::tuple<F, KeyPress, bool, A, bool> cases[] = {
      // Letter commands need Ctrl alone; Ctrl+Shift+Q is the letter field's own shortcut.
      {F::kMkDir, Ctrl('R'), true, A::kRefresh, true},
      {F::kMkDir, Ctrl('Q'), true, A::kAttributesMenu, true},
      {F::kMkDirExt, Ctrl('U'), true, A::kUndoRun, true},
      {F::kMkDir, KeyPress{'Q', true, true}, true, A::kOpenAttribLetters, true},
      {F::kMkDir, KeyPress{'R', true, true}, true, A::kNone, false},
      {F::kMkDir, Plain('R'), true, A::kNone, false},
      // Enter runs OK only when it is enabled; Shift and Alt are read by the run.
      {F::kMkDir, Plain(kKeyReturn), true, A::kOkClick, true},
      {F::kMkDir, KeyPress{kKeyReturn, false, true, true}, true, A::kOkClick, true},
      {F::kMkDir, Alt(kKeyReturn), false, A::kSwallow, true},
      // In the list Enter is a new line, Ctrl+Enter is OK; outside the inputs it is not.
      {F::kMkDirExt, Plain(kKeyReturn), true, A::kNone, false},
      {F::kMkDirExt, Ctrl(kKeyReturn), true, A::kOkClick, true},
      {F::kMkDirExt, Ctrl(kKeyReturn), false, A::kNone, false},
      {F::kButton, Ctrl(kKeyReturn), true, A::kNone, false},
      // Host navigation acts and passes the key on.
      {F::kMkDir, Alt(kKeyLeft), true, A::kHostBack, false},
      {F::kMkDir, Alt(kKeyRight), true, A::kHostForward, false},
      {F::kMkDir, Ctrl(kKeyNext), true, A::kHostChild, false},
      {F::kMkDir, Ctrl(kKeyPrior), true, A::kHostParent, false},
      {F::kMkDir, Ctrl(kKeyBackslash), true, A::kHostRoot, false},
      {F::kMkDir, Ctrl(kKeyOem102), true, A::kHostRoot, false},
      {F::kMkDir, Alt(kKeyOem102), true, A::kNone, false},
      // Control keys depend on the focus.
      {F::kMkDir, Plain(kKeyPrior), true, A::kCaretToStart, true},
      {F::kMkDir, Ctrl(kKeyTab), true, A::kIntelligentSelection, true},
      {F::kMkDir, Ctrl('A'), true, A::kSelectAll, true},
      {F::kMkDirExt, Ctrl(kKeyTab), true, A::kSwallow, true},
      {F::kMkDirExt, Plain(kKeyPrior), true, A::kNone, false},
      {F::kButton, Ctrl(kKeyTab), true, A::kIntelligentSelection, true},
      {F::kPrefixSuffix, Plain(kKeyNext), true, A::kCaretToEnd, true},
      {F::kPathField, Plain(kKeyReturn), true, A::kOkClick, true},
      {F::kPathField, Shift(kKeyReturn), true, A::kNone, false},
      {F::kMemoSuffix, Ctrl(kKeyTab), true, A::kNone, false}};
  for (const auto& [focus, press, ok, action, consumed] : cases) {
    KeyContext context{focus == F::kMkDirExt ? MainMode::kExtended : MainMode::kNormal, focus, ok};
    const KeyDecision decision = DecideKey(press, context);
    EXPECT_EQ(std::tie(decision.action, decision.consumed), std::tie(action, consumed))
        << press.key << " focus " << int(focus);
  }
  // Ctrl+Z is the window's undo while its button shows, and the field's own otherwise.
  for (bool shown : {false, true}) {
    const KeyDecision decision = DecideKey(Ctrl('Z'), {MainMode::kNormal, F::kMkDir, true, shown});
    EXPECT_EQ(std::tie(decision.action, decision.consumed),
              std::make_tuple(shown ? A::kUndo : A::kNone, shown));
  }
  // Escape: the first matching case.
  const std::pair<EscapeContext, EscapeAction> escapes[] = {
      {{FocusedControl::kPathField, true, true}, EscapeAction::kEndPathEditing},
      {{FocusedControl::kAttribField, true, false}, EscapeAction::kCloseAttribField},
      {{FocusedControl::kMkDir, true, false}, EscapeAction::kPassOn},
      {{FocusedControl::kMemoSuffix, false, false}, EscapeAction::kPassOn},
      {{FocusedControl::kTemplates, false, true}, EscapeAction::kPassOn},
      {{FocusedControl::kMkDir, false, false}, EscapeAction::kCloseWindow}};
  for (const auto& [context, action] : escapes) EXPECT_EQ(DecideEscape(context), action);
}

// ---- launch_decision
TEST(LaunchDecision, InstallSwitchesAndUnsupportedLocations) {
  const std::pair<const char*, bool> switches[] = {{"/InStAlLnow", true}, {"/instal", false},
                                                   {"/SETUP", true},      {"/SetUpX=1", true},
                                                   {"/setu", false},      {" /setup", false}};
  for (const auto& [argument, install] : switches)
    EXPECT_EQ(IsInstallSwitch(argument), install) << argument;
  FakeFileSystem files;
  files.AddFile("c:\\data\\x.zip", "PK");
  files.AddDirectory("c:\\data\\folder.zip");
  const std::pair<const char*, bool> locations[] = {
      {"C:\\DATA\\X.ZIP\\*.*", true},        // archive top level
      {"c:\\data\\x.zip\\sub\\*.*", false},  // inside the archive: names nothing that exists
      {"c:\\data\\folder.zip\\*.*", false},  // a directory with an archive-like name
      {"1:\\Pseudo\\*.*", true},
      {"9:/Pseudo", true},  // any digit, either separator
      {"1:", false},
      {"2:\\", true},
      {"\\\\\\", true},
      {"\\\\server\\share\\*.*", false}};
  for (const auto& [path, unsupported] : locations)
    EXPECT_EQ(IsUnsupportedLocation(files, path), unsupported) << path;
}

TEST(LaunchDecision, ReadHostLocation) {
  using O = std::optional<std::string>;
  // COMMANDER_PATH, COMMANDER_INI, executable, inside, the path as compared
  const std::tuple<O, O, const char*, bool, const char*> cases[] = {
      {" c:/TOTALCMD/ ", "x.ini", "C:\\TotalCmd\\Kestrix\\tc Kestrix.exe", true, "c:\\totalcmd"},
      {"TotalCmd", "w.ini", "D:\\Backup\\c\\TotalCmd\\k\\k.exe", true, "totalcmd"},  // anywhere
      {"C:\\TotalCmd", "w.ini", "C:\\Downloads\\tc Kestrix.exe", false, "c:\\totalcmd"},
      {{}, {}, "C:\\TotalCmd\\tc Kestrix.exe", false, "%commander_path%"},
      {"C:\\TotalCmd", "  ", "C:\\TotalCmd\\tc Kestrix.exe", false, "C:\\TotalCmd"},
      {"", "w.ini", "C:\\TotalCmd\\tc Kestrix.exe", false, ""}};
  for (const auto& [path, ini, exe, inside, compared] : cases) {
    FakeEnvironment env;
    if (path) env.Set("COMMANDER_PATH", *path);
    if (ini) env.Set("COMMANDER_INI", *ini);
    StartupValues values;
    ReadHostLocation(env, exe, values);
    EXPECT_EQ(std::tie(values.inside_host, values.commander_path),
              std::make_tuple(inside, std::string(compared)))
        << exe;
  }
  FakeEnvironment env{{"COMMANDER_INI", " C:\\tc\\wincmd.ini "}};
  StartupValues values;
  ReadHostLocation(env, "C:/tc/Kestrix/tc Kestrix.exe", values);
  EXPECT_EQ(values.program_dir + "|" + values.commander_ini, "C:\\tc\\Kestrix|C:\\tc\\wincmd.ini");
}

// A host with lists and path panels, a focus and files, for the whole decision.
struct Scenario : FakeHostLayout {
  FakeWindowSystem windows;
  FakeFileSystem files;
  FakeEnvironment env{{"COMMANDER_PATH", "c:\\tc"}, {"COMMANDER_INI", "c:\\tc\\wincmd.ini"}};
  WindowHandle focus = 0;
  StartupValues values;
  Scenario() { files.AddFile("c:\\data\\a.zip", "PK"); }
  void AddHost(const std::string& left, const std::string& right, bool focus_left = true) {
    static_cast<FakeHostLayout&>(*this) =
        AddHostLayout(windows, left, right, "", "c:\\header-left\\*.*");
    focus = focus_left ? left_list : right_list;
  }
  LaunchDecision Run(Lines arguments, const std::string& exe = "c:\\tc\\k\\tc Kestrix.exe") {
    LaunchInputs inputs{exe, std::move(arguments), [this] { return focus; }};
    return DecideLaunch(windows, files, env, inputs, values);
  }
};

TEST(LaunchDecision, DecisionTableHeaderPathOrNoFocusOrNoHost) {
  const LaunchAction kMain = LaunchAction::kMainWindow, kHost = LaunchAction::kDelegateToHost,
                     kSetup = LaunchAction::kInstaller;
  const std::string kData = "c:\\data\\*.*", kZip = "c:\\data\\a.zip\\*.*";
  const std::string kIn = "c:\\tc\\k\\k.exe", kOut = "d:\\dl\\k.exe";
  const std::tuple<std::string, bool, Lines, std::string, LaunchAction> cases[] = {
      {kData, true, {}, kIn, kMain},
      {kZip, true, {}, kIn, kHost},
      {kZip, false, {}, kIn, kMain},  // an archive on the other side only
      {kData, true, {"/setup"}, kIn, kSetup},
      {kZip, true, {"/SETUP"}, kIn, kHost},         // the location test runs before the switches
      {kData, true, {}, kOut, kSetup},              // outside the host's tree
      {"\\\\\\Plugin\\*.*", true, {}, kIn, kHost},  // a plugin's panel, read as it is
  };
  for (const auto& [left, focus_left, arguments, exe, action] : cases) {
    Scenario s;
    s.AddHost(left, "c:\\other\\*.*", focus_left);
    LaunchDecision decision = s.Run(arguments, exe);
    EXPECT_EQ(decision.action, action) << left << " " << exe;
    EXPECT_TRUE(action != kHost || decision.window == s.host);
    EXPECT_EQ(std::tie(s.values.snapshot.host_window, s.values.snapshot.second_list),
              std::tie(s.host, s.left_list));
    EXPECT_EQ(s.values.snapshot.start_path, focus_left ? left : "c:\\other\\*.*") << left;
  }
  // Started again outside the host's tree while the installer is open: that one comes forward.
  Scenario again;
  again.AddHost(kData, "c:\\other\\*.*");
  const WindowHandle installer = again.windows.Add(0, kInstallerWindowClass, kApplicationTitle);
  const LaunchDecision second = again.Run({}, kOut);
  EXPECT_EQ(std::tie(second.action, second.window),
            std::make_tuple(LaunchAction::kBringInstallerForward, installer));
  // A panel text that names no path gives way to the header.
  const std::pair<const char*, const char*> panels[] = {{"Plugin", "c:\\header-left\\*.*"},
                                                        {"x/y", "x/y"}};
  for (const auto& [panel_text, start] : panels) {
    Scenario s;
    s.AddHost(panel_text, "c:\\other\\*.*");
    EXPECT_EQ(s.Run({}).action, LaunchAction::kMainWindow);
    EXPECT_EQ(s.values.snapshot.start_path, start) << panel_text;
  }
  // Without a focus or a host the main window opens.
  Scenario bare;
  EXPECT_EQ(bare.Run({}).action, LaunchAction::kMainWindow);
  EXPECT_EQ(std::tie(bare.values.snapshot.host_window, bare.values.snapshot.first_list),
            std::make_tuple(WindowHandle{0}, WindowHandle{0}));
  bare.AddHost("c:\\data\\a.zip\\*.*", "c:\\data\\a.zip\\*.*");
  bare.focus = 0;  // no location check without a focus
  EXPECT_EQ(bare.Run({}).action, LaunchAction::kMainWindow);
  EXPECT_EQ(bare.values.snapshot.start_path, "");
}

// ---- mode_rules
TEST(ModeRules, CarryNameIntoListListLinesAndTheNormalLineMakesWhatTheListMakes) {
  const std::tuple<const char*, const char*, std::optional<std::string>> cases[] = {
      {"a|b", "a|b", "a\r\nb"},
      {" a*b ", "a*b", "a\r\n*b"},                  // trimmed on both sides
      {"a*b", "x\r\ny", std::nullopt},              // the list is the user's own
      {"a|b*c|d", "a|b*c|d", "a\r\nb\r\n*c\r\nd"},  // stars stay in their part
      {"proj*src*doc|notes", "x", "proj\r\n*src\r\n*doc\r\nnotes"},
      {"plain", "plain\r\nmore", std::nullopt}};
  for (const auto& [name, list, carried_list] : cases) {
    CarriedText carried = CarryNameIntoList(name, list);
    EXPECT_EQ(carried.list, carried_list) << name;
    EXPECT_EQ(carried.clear_saved_selection, carried_list.has_value()) << name;
  }
  const std::pair<const char*, int> counts[] = {
      {"", 0}, {" \r\n\t\r\n", 0}, {"a\r\n  \r\nb\r\n", 2}, {"a\nb\rc", 3}};
  for (const auto& [text, count] : counts) EXPECT_EQ(CountNonBlankLines(text), count) << text;
  // One line acts as a name, more as a list.
  // OK, "more", single preview, enter enabled, unchecked, single target, OK caption reset
  const std::pair<int, const char*> states[] = {{0, "0001000"}, {1, "1011010"}, {2, "1100101"}};
  for (const auto& [lines, flags] : states) {
    const ListState s = ListStateFor(lines);
    std::string bits;
    for (bool b : {s.ok_enabled, s.more_visible, s.preview_single, s.enterdir_enabled,
                   s.enterdir_uncheck, s.check_single_target, s.ok_caption_reset})
      bits += b ? '1' : '0';
    EXPECT_EQ(bits, flags) << lines;
  }
  EXPECT_EQ(NameFromList("a\r\nb") + "|" + NameFromList("\r\nb"), "a|");  // line 0 only
  const std::tuple<const char*, const char*, const char*> mirrored[] = {
      {"old\r\nkeep", "new", "new\r\nkeep"},
      {"", "new", "new"},
      {"old\r\nkeep\r\n", "new", "new\r\nkeep\r\n"}};
  for (const auto& [list, first, result] : mirrored)
    EXPECT_EQ(ListWithFirstLine(list, first), result) << list;
  // The Normal line makes the very paths the list makes, as the creation plan reads both.
  const auto paths = [](bool normal, const std::string& text) {
    PlanInput input;
    std::tie(input.current_path, input.normal, input.name_text, input.list_text) = std::tuple(
        "C:\\W\\", normal, text, normal ? CarryNameIntoList(text, text).list.value_or(text) : text);
    const TextStep same = [](const std::string& t) { return t; };
    std::set<std::string> made;
    for (const PlannedPath& path : PlannedPaths(PlanCreation(input, same, same), "C:\\W\\"))
      made.insert(path.path);
    return made;
  };
  const std::tuple<const char*, bool, const char*> rows[] = {
      {"alpha\r\nbeta\r\n*gamma", true, "alpha|beta*gamma"},
      {"x * y**\r\n* z\r\n", true, "x*y* z"},
      {"*a\r\n*  b\r\nc/d*e", true, "*a*  b|c/d*e"},
      {"a\r\n\r\n  \r\nb|c", true, "a|b|c"},
      {" single ", true, "single"},
      {"", true, ""},
      {"a\r\n **b", false, "**b"},
      {"a\r\n*b*c\r\nd", false, "*b*c"}};
  for (const auto& [list, ok, text] : rows) {
    const NormalLine line = NormalLineFromList(list);
    EXPECT_EQ(std::make_pair(line.ok, line.text), std::make_pair(ok, std::string(text))) << list;
    EXPECT_TRUE(!ok || paths(true, line.text) == paths(false, list)) << list;
  }
}

// The list's lines follow each change as a split of the whole new text would give them.
TEST(ModeRules, ListLinesFollowChangesLineByLine) {
  const std::pair<std::string, std::string> changes[] = {
      {"", "a"},
      {"a\r\nb", "a\r\nbc"},
      {"a\r\nb", "a\r\n\r\nb"},
      {"a\r\n\r\nb", "a\r\nb"},
      {"a\rb", "a\r\nb"},
      {"a\r\nb", "a\rb"},
      {"x\r\ny\r\n", "x\r\ny\r\n%z"},
      {"a\nb\nc", "c"},
      {"one\r\ntwo\r\nthree", "one\r\n %t\r\nwo\r\nthree"},
      {"a\r\nb\r\n", ""},
      {" \r\nq", "p\r\nq"}};
  for (const auto& [before, after] : changes) {
    ListLines lines([](const std::string& line) {
      return ListLines::Facts{IsBlank(line), line.find('%') != std::string::npos};
    });
    lines.Replace(0, 0, SplitLines(before));
    const LineChange change = ChangedLines<char>(before, after, lines.Lines().size());
    lines.Replace(change.first, change.old_lines,
                  SplitLines(after.substr(change.begin, change.end - change.begin)));
    EXPECT_EQ(lines.Lines(), SplitLines(after)) << before << "|" << after;
    EXPECT_EQ(lines.NonBlank(), static_cast<size_t>(CountNonBlankLines(after))) << after;
    EXPECT_EQ(lines.AnyVariables(), after.find('%') != std::string::npos) << after;
  }
}

TEST(ModeRules, LayoutStacksThePartsDownTheWindowDirExistsInitialModeAndActivation) {
  for (bool batch : {false, true}) {
    const LayoutOutput o = ComputeLayout({40, 21, 25, 120, 90, batch, true});
    const int ok_bottom = o.buttons_top + 25;
    EXPECT_TRUE(61 < o.quick_top && o.quick_top < o.buttons_top && o.buttons_top < o.divider_top);
    const int above = batch ? *o.batch_top + 120 : ok_bottom;
    EXPECT_TRUE(above < o.panelfix1_top && o.panelfix1_top < o.additional_top) << batch;
    EXPECT_TRUE(!batch || (ok_bottom < *o.panelfix2_top && *o.panelfix2_top < *o.batch_top));
    EXPECT_TRUE(90 < o.additional_height &&
                o.additional_top + o.additional_height < o.window_height);
  }
  const std::tuple<bool, const char*, bool, bool> exists[] = {
      {true, "Sub", true, true}, {true, "  ", false, false}, {false, "", false, true}};
  for (const auto& [found, name, enter, enabled] : exists) {
    const auto state = DirExistsState(found, name);
    EXPECT_EQ(std::make_tuple(state.enter, state.enabled), std::make_tuple(enter, enabled)) << name;
  }
  const std::tuple<InitialMode, bool, InitialModeAction> modes[] = {
      {InitialMode::kNormal, false, InitialModeAction::kNormal},
      {InitialMode::kNormal, true, InitialModeAction::kExtended},
      {InitialMode::kBatch, false, InitialModeAction::kBatch},
      {InitialMode::kUnchanged, true, InitialModeAction::kUnchanged}};
  for (const auto& [mode, list, action] : modes) EXPECT_EQ(InitialModeFor(mode, list), action);
  // Only a return from another program keeps the window as it was.
  using A = ActivationAction;
  // activated before, from another program, focus inside the window
  const std::tuple<bool, bool, bool, A> activations[] = {
      {false, false, false, A::kFormActivate},  // the first show
      {false, true, true, A::kFormActivate},    // the first show, after the host had the focus
      {true, false, true, A::kFormActivate},    // back from one of the program's own dialogs
      {true, true, true, A::kRestoreFocus},     // Alt+Tab back: the mode and the text stay
      {true, true, false, A::kFocusInput}};
  for (const auto& [before, other_program, focus_inside, action] : activations)
    EXPECT_EQ(ActivationFor(before, other_program, focus_inside), action)
        << before << other_program << focus_inside;
}

// ---- subdir_lines
TEST(SubdirLines, PressesUnderAProjectNumberOnwardFromEachReferenceLineForm) {
  // A renamed line continues its own numbering.
  int counter = 2;
  SubdirLineResult renamed =
      AddSubdirLineExtended({"Project", "* Docs 1", "* Subdir 2"}, 1, "Subdir", counter);
  EXPECT_EQ(renamed.lines, (Lines{"Project", "* Docs 1", "* Docs 2", "* Subdir 2"}));
  EXPECT_EQ(std::make_tuple(renamed.line_index, renamed.select_length, counter),
            std::make_tuple(size_t{2}, size_t{5}, 2));
  // Normal mode appends with the next counter.
  SubdirLineResult normal = AddSubdirLineNormal({"Project"}, " Subdir ", counter);
  EXPECT_EQ(
      std::make_tuple(normal.lines, normal.line_index, normal.select_start, normal.select_length),
      std::make_tuple(Lines{"Project", "* Subdir 3"}, size_t{1}, size_t{2}, size_t{7}));
  // The reference line's forms.
  const std::tuple<Lines, size_t, Lines, int> cases[] = {
      {{"*Photos"}, 0, {"*Photos", "* Photos1"}, 1},                          // no digit: number 0
      {{"* Take 3b"}, 0, {"* Take 3b", "* Take 4"}, 4},                       // digits stop at "b"
      {{"a", "* x 9", "  ", ""}, 3, {"a", "* x 9", "* x 10", "  ", ""}, 10},  // blank: upward
      {{"* x 9", ""}, 1, {"* x 9", "* x 10", ""}, 10},                        // blank: up to line 0
      {{"* 7"}, 0, {"* 7", "* Subdir8"}, 8},  // blank name: the word
      {{}, 0, {"* Subdir 1"}, 1},             // empty list
      {{"x"}, 99, {"x", "* Subdir 1"}, 1},    // caret beyond the list
      {{"* n 99999999999999"}, 0, {"* n 99999999999999", "* n 1000000001"}, 1000000001}};
  for (const auto& [lines, caret_line, expected, next] : cases) {
    int counter = 42;
    EXPECT_EQ(AddSubdirLineExtended(lines, caret_line, "Subdir", counter).lines, expected);
    EXPECT_EQ(counter, next);
  }
}

// ---- name_selection
TEST(SuggestedNameSelection, FirstOccurrenceOrNothing) {
  const std::tuple<const char*, const char*, TextSelection> cases[] = {
      {"2024_Setup_old", "Setup", {5, 5}},
      {"Setup_Setup", "Setup", {0, 5}},  // the first of two
      {"pre_", "", {0, 0}},              // no suggestion: caret at the start
      {"pre_x_suf", "Report", {0, 0}},   // not in the text (a custom name replaced it)
      {"abc", "abc", {0, 3}}};
  for (const auto& [field, name, selection] : cases)
    EXPECT_EQ(SuggestedNameSelection(field, name), selection) << field << " / " << name;
  // Selected on showing only for the host item with an affix.
  const std::tuple<bool, bool, SuggestedName, bool> shows[] = {
      {true, false, SuggestedName::kHostItem, true},
      {false, true, SuggestedName::kHostItem, true},
      {false, false, SuggestedName::kHostItem, false},
      {true, true, SuggestedName::kCustomName, false}};
  for (const auto& [prefix, suffix, suggested, selects] : shows)
    EXPECT_EQ(SelectsSuggestedNameOnShow(prefix, suffix, suggested), selects)
        << prefix << suffix << static_cast<int>(suggested);
}

// ---- window_placement
TEST(WindowPlacement, AreaBySettingAndCentredOrigin) {
  const std::tuple<WindowPosition, bool, PlacementArea> areas[] = {
      {WindowPosition::kHostWindow, false, PlacementArea::kHostWindow},
      {WindowPosition::kHostPane, false, PlacementArea::kActiveList},
      {WindowPosition::kScreen, false, PlacementArea::kScreen},
      {WindowPosition::kHostWindow, true, PlacementArea::kScreen}};
  for (const auto& [position, iconic, area] : areas)
    EXPECT_EQ(ChoosePlacementArea(position, iconic), area) << static_cast<int>(position) << iconic;
  const std::tuple<WindowRect, int, int, int, int> origins[] = {
      {{10, 20, 111, 121}, 50, 50, 35, 45},    // odd remainders round down
      {{0, 0, 100, 100}, 301, 103, -100, -1},  // larger than the area: -201/2 is -100
      {{-500, -300, -100, -100}, 100, 100, -350, -250}};
  for (const auto& [area, width, height, left, top] : origins) {
    WindowOrigin origin = CentredOrigin(area, width, height);
    EXPECT_EQ(std::make_tuple(origin.left, origin.top), std::make_tuple(left, top));
  }
}

// ---- group_frame
TEST(GroupFrame, TheTopBandHoldsTheLineAndTheCaptionForEveryFont) {
  // The line is drawn where GroupFrameLineTop puts it (one or two pixels high); an erase
  // across it or across the caption strip, and nowhere else, must reach a band.
  const WindowRect frame = {8, 200, 329, 300};
  const std::tuple<int, int, int> cases[] = {
      {196, 211, 13}, {196, 211, 34}, {196, 211, 60}, {205, 220, 16}, {190, 205, 48}};
  for (const auto& [caption_top, caption_bottom, text_height] : cases) {
    const auto bands = GroupFrameEdges(frame, caption_top, caption_bottom, text_height, 4);
    const WindowRect& top = bands[0];
    const int line = GroupFrameLineTop(frame.top, text_height);
    EXPECT_LE(top.top, std::min(line, caption_top)) << text_height;
    EXPECT_GE(top.bottom, std::max(line + 2, caption_bottom)) << text_height;
    EXPECT_LT(top.bottom, frame.bottom) << text_height;  // the group's inside stays out
  }
}

// ---- key_commands: typed characters
TEST(DecideChar, FirstMatchingCase) {
  using F = FocusedControl;
  using A = CharAction;
  // character, focus with the digits field and whether its key-down was consumed, action
  const std::tuple<uint32_t, CharContext, A> cases[] = {
      {4, {F::kMkDirExt, false, true}, A::kAddSubdirLine},
      {1, {F::kButton}, A::kSwallow},
      {1, {F::kOther}, A::kPassOn},
      {0x16, {F::kMkDir, false, true}, A::kSwallow},
      {0x16, {F::kMkDir}, A::kPassOn},
      {'\r', {F::kTemplates}, A::kSwallow},
      {'\n', {F::kMemoSuffix}, A::kPassOn},
      // Enter types a line break in the list; Ctrl+M's and Ctrl+Enter's are theirs.
      {'\r', {F::kMkDirExt}, A::kPassOn},
      {'\r', {F::kMkDirExt, false, true}, A::kSwallow},
      {'\n', {F::kMkDirExt, false, true}, A::kSwallow},
      {8, {F::kMkDir, false, true}, A::kSwallow},
      {'w', {F::kTemplates, false, true}, A::kSwallow},
      {'w', {F::kTemplates}, A::kPickTemplate},
      {'7', {F::kOther, true}, A::kDigitTyped},
      {kKeyEscape, {F::kTemplates}, A::kEscape}};
  for (const auto& [ch, context, action] : cases)
    EXPECT_EQ(DecideChar(ch, context), action) << ch << " focus " << int(context.focus);
}

// ---- key_commands: the configuration dialog's fields
TEST(DecideConfigKey, KeysAndCharacters) {
  using F = ConfigField;
  using A = ConfigKeyAction;
  const KeyPress ctrl_a{'A', true}, ctrl_shift_a{'A', true, true}, ctrl_enter{kKeyReturn, true},
      ctrl_h{'H', true}, del{kKeyDelete}, ctrl_bs{kKeyBack, true}, bs{kKeyBack};
  const auto open = [] { return true; };
  const auto closed = [] { return false; };
  // press, typed character, field with its open list and the General page, action
  const std::tuple<KeyPress, bool, ConfigKeyContext, A> cases[] = {
      {del, false, {F::kAffix, false, open}, A::kDeleteListItem},
      {del, false, {F::kAffix, false, closed}, A::kPassOn},
      {del, false, {F::kSelectAll, false, open}, A::kPassOn},
      {ctrl_enter, false, {F::kAffix}, A::kAddAffix},
      {ctrl_enter, false, {F::kSelectAll}, A::kPassOn},
      {ctrl_h, false, {F::kOther, true}, A::kInsertVariable},
      {ctrl_h, false, {F::kAffix, false}, A::kPassOn},
      {ctrl_a, false, {F::kAffix}, A::kSelectAll},
      {ctrl_a, false, {F::kSelectAll}, A::kSelectAll},
      {ctrl_a, false, {F::kOther}, A::kPassOn},
      {ctrl_shift_a, false, {F::kSelectAll}, A::kPassOn},
      {ctrl_bs, true, {F::kOther}, A::kSwallow},
      {KeyPress{0x0A, true, true}, true, {F::kOther}, A::kSwallow},
      {bs, true, {F::kAffix}, A::kPassOn},
      {KeyPress{'a', true}, true, {F::kSelectAll}, A::kPassOn}};
  for (const auto& [press, character, context, action] : cases)
    EXPECT_EQ(DecideConfigKey(press, character, context), action)
        << press.key << (character ? " typed" : " down") << " field " << int(context.field);
}

}  // namespace
}  // namespace kestrix
