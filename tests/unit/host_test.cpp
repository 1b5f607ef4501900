#include <gtest/gtest.h>

#include <tuple>

#include "base/path_text.h"
#include "base/utf8.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_views.h"
#include "fakes/fake_window_system.h"
#include "host/focused_item.h"
#include "host/foreground.h"
#include "host/host_commands.h"
#include "host/host_snapshot.h"
#include "host/panel_windows.h"
#include "host/tree_cache.h"

namespace kestrix {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

// ---- focused_item
const std::string kCurrent = "C:\\Data\\";
FakeFileSystem ItemFiles() {
  FakeFileSystem fs;
  fs.AddDirectory("C:\\Data\\Photos.old");
  fs.AddFile("C:\\Data\\Report.2024.pdf", "x");
  return fs;
}

TEST(ParseListItem, DetailedAndBriefLinesSuggestionsAndAbsoluteHostPaths) {
  const std::tuple<const char*, bool, const char*, const char*> cases[] = {
      // Detailed view: name, size, date, time, attributes (tabs between the columns).
      {"5 : Report.2024.pdf\t12345\t01.02.2024 10:00\t-a--", false, "Report.2024.pdf", "12345"},
      {"5 : Photos.old\t<DIR>\t03.04.2023 09:15\t----", false, "Photos.old", "<DIR>"},
      {"0 : ..\t<DIR>\t01.01.2024 00:00\t----", false, "", "<DIR>"},
      // Brief view: the host may add a column after "<".
      {"3 : Photos.old <DIR>", false, "Photos.old", ""},
      {"3 : Photos.old", true, "Photos.old", "0 <DIR>"},
      {"3 : Report.2024.pdf", true, "Report.2024.pdf", ""},  // a file is no directory
      {"2 : ..", true, "", "0 <DIR>"},  // ".." is a directory; it suggests nothing
      // Ends in "s" but has too few columns to find a size: everything after ":".
      {"4 : Notes", false, "Notes", ""},
      {"6 : Żółw.txt\t12\t01.02.2024 10:00\t-a--", false, "Żółw.txt", "12"},  // UTF-8 names
  };
  FakeFileSystem fs = ItemFiles();
  for (const auto& [line, fix_ext, name, info] : cases) {
    FocusedItem item = ParseListItem(line, fix_ext, fs, kCurrent);
    EXPECT_EQ(item.name + "|" + item.info, std::string(name) + "|" + info) << line;
  }
  // Suggestions: files lose their extension, directories stay whole.
  const AffixSettings plain, affixes{"pre_", true, "_suf", true};
  const AffixSettings inactive{"pre_", false, "   ", true};  // switched off, blank
  const std::tuple<FocusedItem, const AffixSettings*, const char*, const char*> suggestions[] = {
      {{"Report.2024.pdf", "12345"}, &affixes, "Report.2024", "pre_Report.2024_suf"},
      {{"Photos.old", "<DIR>"}, &plain, "Photos.old", "Photos.old"},
      {{"Photos.old", ""}, &plain, "Photos", "Photos"},  // without the extension fix
      {{".hidden", ""}, &affixes, ".hidden", "pre_.hidden_suf"},
      {{"", ""}, &affixes, "", ""},
      {{"a.b", "1"}, &inactive, "a", "a"},
      {{"Żółw.pdf", "12"}, &plain, "Żółw", "Żółw"}};
  for (const auto& [item, affix, selected, field] : suggestions) {
    NameSuggestion s = SuggestFromListItem(item, *affix, kCurrent);
    EXPECT_EQ(std::tie(s.selected_name, s.field_text, s.text_file),
              std::make_tuple(std::string(selected), std::string(field), false))
        << item.name;
  }
  NameSuggestion s = SuggestFromListItem({"names.txt", "10"}, {}, kCurrent);
  EXPECT_EQ(std::tie(s.text_file, s.text_file_path, s.selected_name),
            std::make_tuple(true, "C:\\Data\\names.txt"s, "names"s));
  EXPECT_FALSE(SuggestFromListItem({"names.TXT", "10"}, {}, kCurrent).text_file);
  // From the host's reply the extension fix decides for directories.
  const std::tuple<const char*, bool, const char*> replies[] = {
      {"Photos.old", true, "Photos.old"},
      {"Photos.old", false, "Photos"},
      {"Report.2024.pdf", true, "Report.2024"},
      {".hidden", true, ".hidden"},
      {"..", true, ""}};
  FakeFileSystem item_files = ItemFiles();
  for (const auto& [reply, fix_ext, selected] : replies)
    EXPECT_EQ(SuggestFromHostReply(reply, fix_ext, item_files, kCurrent, {}).selected_name,
              selected)
        << reply << " fix " << fix_ext;
  // An absolute host path: a drive or UNC path with a clean rest.
  const std::pair<const char*, bool> paths[] = {
      {" d:\\x\\y ", true}, {"\\\\srv\\share", true}, {"C:", true},       {"C:\\a:b", false},
      {"C:\\a*b", false},   {"C:\\a?", false},        {"C:\\a/b", false}, {"C:\\a\tb", false},
      {"1:\\x", false},     {"Work\\New", false},     {"C", false},       {"A:\\x", true},
      {"a:", true},         {"Z:\\", true},           {"@:\\x", false},   {"[:", false},
      {"C:\\a b", true}};
  for (const auto& [text, absolute] : paths) EXPECT_EQ(IsAbsoluteHostPath(text), absolute) << text;
}

// ---- host_commands
// The host's program as a second start finds it (`program` empty: not known).
struct ScriptedProcess : HostProcess {
  std::string program = "C:\\TC\\TOTALCMD.EXE", short_path, started;
  ProcessRun run = ProcessRun::kEnded;
  std::string ExecutableOfWindow(WindowHandle) override { return program; }
  ProcessRun RunAndWait(const std::string& exe, const std::string& args, uint32_t) override {
    return started += "RUN " + exe + " " + args + "|", run;
  }
  std::string ShortPath(const std::string&) override { return short_path; }
};

struct HostFixture {
  FakeWindowSystem windows;
  FakeEnvironment env{{"TEMP", "C:\\Temp"}};
  FakeCodePage code_page;
  ScriptedProcess process;
  std::string told;
  WindowHandle host = windows.Add(0, kHostWindowClass, "Total Commander");
  WindowHandle app = windows.Add(0, "Ttc_KestrixForm", "Kestrix");
  HostCommands commands{windows, env, app, {&code_page, &process, [this](const std::string& p) {
                                              told += "TOLD " + p;
                                            }}};
  // Everything the host was sent or posted, and what the user was told, in one line; a
  // request that expects its answer at the program's window is marked "@".
  std::string Reached() const {
    std::string text = process.started;
    for (const auto& s : windows.SentCopyData())
      text += std::string{char(s.dw_data & 0xFF), char(s.dw_data >> 8)} +
              (s.reply_to == app ? "@ " : " ") + s.bytes + "|";
    for (const auto& p : windows.Posted()) text += "CMD " + std::to_string(p.wparam) + "|";
    return text + told;
  }
};

// An ANSI path goes byte for byte; a path without an ANSI form goes by a second start of
// the host's program, else by its short form, else not at all, and the user hears it.
TEST(HostCommands, APathReachesTheHostByTheFirstRouteThatCarriesIt) {
  using enum HostMoveRoute;
  // The second start's outcome; nothing when the host's program is not known.
  const std::optional<ProcessRun> kRun = ProcessRun::kEnded, kNoStart = ProcessRun::kNotStarted,
                                  kLate = ProcessRun::kStillRunning;
  const std::string start = "RUN C:\\TC\\TOTALCMD.EXE /O /S /L=\"C:\\", lodz = start + "Łódź\"|";
  const std::tuple<const char*, bool, std::optional<ProcessRun>, const char*, HostMoveRoute,
                   std::string>
      cases[] = {
          {"C:\\Work\\", true, kRun, "", kAnsi, "CD@ C:\\Work\\\r\0\0|"s},
          {"C:\\Café\\", false, kRun, "", kAnsi, "CD@ C:\\Caf\xE9\\\r\0\0|"s},
          // An environment reference goes through the user command, with "%" doubled.
          {"%TEMP%\\x", true, kRun, "", kAnsi, "EM em_KestrixEnter %%TEMP%%\\x\0|"s},
          // Without the user command installed the unexpanded text goes as it is.
          {"%TEMP%\\x", false, kRun, "", kAnsi, "CD@ %TEMP%\\x\r\0\0|"s},
          {"50%\\off", true, kRun, "", kAnsi, "CD@ 50%\\off\r\0\0|"s},  // expands to itself
          {"C:\\Łódź\\", false, kRun, "", kSecondStart, lodz},
          {"%TEMP%\\日本", true, kRun, "", kSecondStart, start + "Temp\\日本\"|"},
          {"C:\\Łódź", true, kNoStart, "C:\\ODZ~1", kShortForm, lodz + "CD@ C:\\ODZ~1\r\0\0|"s},
          {"C:\\Łódź", true, kLate, "C:\\ODZ~1", kShortForm, lodz + "CD@ C:\\ODZ~1\r\0\0|"s},
          // A level without a short form keeps its name, which the code page cannot hold.
          {"C:\\Łódź", true, kNoStart, "C:\\Łódź", kNone, lodz + "CMD 540|TOLD C:\\Łódź"},
          {"C:\\Łódź", true, std::nullopt, "", kNone, "CMD 540|TOLD C:\\Łódź"}};
  for (const auto& [path, allow_em, run, short_path, route, reached] : cases) {
    HostFixture f;
    f.process.run = run.value_or(ProcessRun::kEnded);
    if (!run) f.process.program.clear();
    f.process.short_path = short_path;
    EXPECT_EQ(f.commands.SendHostChangeDir(f.host, path, "", PanelSide::kLeft, allow_em), route)
        << path;
    EXPECT_EQ(f.Reached(), reached) << path;
  }
  HostFixture f;
  f.windows.Add(0, kHostWindowClass, "Another");  // a second host is never addressed
  EXPECT_EQ(ChangeDirPayload("D:\\", "", PanelSide::kRight), "\rD:\\\0\0"s);
  EXPECT_EQ(SecondStartArguments("C:\\") + SecondStartArguments("\\\\srv\\share\\"),
            "/O /S /L=\"C:\\\"/O /S /L=\"\\\\srv\\share\"");
  EXPECT_EQ(AnsiForm("Żółw", nullptr), std::nullopt);  // without a code page only ASCII
  f.commands.SendHostChangeDir(0, "C:\\x", "", PanelSide::kLeft, true);
  f.commands.SendHostChangeDir(f.host, "  ", "", PanelSide::kLeft, true);
  f.commands.Post(0, kCmdRereadSource);        // no host: nothing, not a thread message
  EXPECT_EQ(f.windows.copy_data_requests, 0);  // not even to a window that is not there
  f.commands.PostToFirstHost(kCmdFocusRight);
  f.commands.SendHostQuery(f.app, "sn", true);
  EXPECT_EQ(f.Reached(), "GW@ SN\0|CMD 4002|"s);
  EXPECT_EQ(f.windows.SentCopyData()[0].window + f.windows.Posted()[0].window, 2 * f.host);
}

// ---- host_snapshot
// A host laid out as the panel reading expects, with one list per side and a scripted
// answer to each copy-data query.
struct SnapshotFixture : FakeHostLayout {
  FakeWindowSystem windows;
  FakeFileSystem fs;
  FakeEnvironment env;
  FakeSnapshotView view;
  FakeHostFocus focus;
  HostSnapshot snapshot;
  HostMethodFlags flags;
  AffixSettings affixes;
  WindowHandle app = 0;
  FakeCodePage code_page;
  std::map<std::string, std::string> answers;  // request -> reply; absent: no reply
  bool unicode_host = false;                   // answers "GW" in UTF-16, not "GA"
  std::unique_ptr<HostCommands> commands;
  std::unique_ptr<HostSnapshotReader> reader;
  explicit SnapshotFixture(HostMethodFlags method = {false, true, false}) : flags(method) {
    static_cast<FakeHostLayout&>(*this) =
        AddHostLayout(windows, "C:\\Data\\*.*", "D:\\*.*", "C:\\Data\\*.*");
    app = windows.Add(0, "Ttc_KestrixForm", "Kestrix");
    fs.AddDirectory("C:\\Data\\Photos.old");
    fs.AddDirectory("C:\\Tree\\Deep");
    snapshot.host_window = host;
    snapshot.start_path = "C:\\Data\\*.*";
    focus.foreground = host;
    commands = std::make_unique<HostCommands>(windows, env, app);
    reader = std::make_unique<HostSnapshotReader>(snapshot, flags, affixes, windows, fs, focus,
                                                  *commands, view, app);
    windows.SetCopyDataHandler(host, [this](WindowHandle, uintptr_t dw_data, const void* data,
                                            uint32_t size) {
      if (dw_data != (unicode_host ? kCopyDataQueryWide : kCopyDataQuery)) return intptr_t{0};
      auto it = answers.find(CopyDataText(static_cast<const char*>(data), size));
      if (it == answers.end()) return intptr_t{1};
      // Answered inside the send, through the window's decoding of the reply.
      const std::string reply = unicode_host ? Utf16LeFromUtf8(it->second) + "\0\0"s : it->second;
      reader->OnHostReply(HostReplyText(unicode_host ? kCopyDataReplyWide : kCopyDataQuery,
                                        reply.data(), reply.size(), code_page));
      return intptr_t{1};
    });
  }
  void Lists() {
    snapshot.first_list = right_list;
    snapshot.second_list = left_list;
  }
  // The focused list and its items, for the window-reading method.
  void Focus(WindowHandle list, const Lines& items) {
    focus.focus = list;
    windows.SetListItems(list, items, static_cast<int>(items.size()) - 1);
  }
  Lines QueriesSent(uint32_t dw_data = kCopyDataQuery) const {
    Lines requests;
    for (const auto& sent : windows.SentCopyData())
      if (sent.dw_data == dw_data) requests.push_back(sent.bytes);
    return requests;
  }
};

TEST(HostSnapshot, PathTexts) {
  EXPECT_EQ(CleanPanelPath("C:\\Data\\*.*"), "C:\\Data\\");
  EXPECT_TRUE(IsArchivePanelPath("C:\\x\\a.tar.gz"));
  EXPECT_FALSE(IsArchivePanelPath("C:\\x\\BACKUP.ZIP\\*.*"));
  EXPECT_EQ(TypedCurrentPath("  C:/Work/New "), "C:\\Work\\New ");
  EXPECT_TRUE(ShortenPath("C:\\Data\\", 3).starts_with("..."));  // no head below a limit of 4
  // Windows counts UTF-16 units, and a surrogate pair is never cut.
  EXPECT_EQ(ShortenPath("D:\\Проекты\\Żółw\\日本語\\😀😀😀😀\\Ελλάδα\\конец\\"),
            "D:\\Проекты\\Żółw\\日本...😀😀😀\\Ελλάδα\\конец\\");
  FakeCodePage cp;
  const std::string wide = Utf16LeFromUtf8("ŁB") + "\0\0C\0"s;  // its zero unit, then more
  EXPECT_EQ(HostReplyText(kCopyDataReplyWide, wide.data(), wide.size(), cp) + "|" +
                HostReplyText(kCopyDataReplyWide, wide.data(), 3, cp) + "|" +  // half a unit
                HostReplyText(kCopyDataQuery, "Caf\xE9\0junk", 9, cp) + "|" +
                HostReplyText(0, "C:\\Bc", 4, cp) +
                HostReplyText(kCopyDataReplyWide, nullptr, 3, cp),
            "ŁB|Ł|Café|C:\\B");
  FakeEnvironment env{{"DATA", "D:\\Data"}};
  const std::pair<const char*, const char*> edited[] = {{" D:/Work/", "D:\\Work\\"},
                                                        {"%DATA%\\x", "D:\\Data\\x\\"},
                                                        {"Projects", "C:\\Projects\\"},
                                                        {"  ", "C:\\"}};
  for (const auto& [text, path_text] : edited)
    EXPECT_EQ(EditedCurrentPath(text, env, 'C'), path_text) << text;
}

TEST(HostSnapshot, FocusOutsideTheListsSuggestsNothingAnEditorIsClosedFirstFullPathsSwitch) {
  SnapshotFixture f;
  f.focus.focus = f.label;
  f.view.name = "kept";
  f.reader->Acquire();
  EXPECT_EQ(f.view.name, "kept");
  EXPECT_EQ(f.snapshot.current_path, "C:\\Data\\");
  // On either side the window-reading method suggests the item under the editor, with
  // the affixes.
  for (bool left : {true, false}) {
    SnapshotFixture editing;
    const WindowHandle list = left ? editing.left_list : editing.right_list;
    editing.affixes = {"[", true, "]", true};
    editing.Focus(list, {"Photos.old"});
    editing.focus.focus = editing.windows.Add(editing.host, "Edit", "Report.2024.pdf");
    editing.focus.focus_after_escape = list;
    editing.reader->Acquire();
    EXPECT_EQ(editing.focus.keys,
              (std::vector<std::pair<WindowHandle, uint8_t>>{{editing.host, 0x1B}}));
    EXPECT_TRUE(editing.QueriesSent().empty());
    EXPECT_EQ(editing.view.refreshes, 1);
    EXPECT_EQ(std::tie(editing.snapshot.focused_window, editing.snapshot.active_side),
              std::make_tuple(list, left ? PanelSide::kLeft : PanelSide::kRight));
    EXPECT_EQ(std::tie(editing.snapshot.selected_name, editing.view.name, editing.view.shown_path),
              std::make_tuple("Photos"s, "[Photos]"s, "C:\\Data\\"s));
  }
  // A full path item becomes the current path and switches sides.
  for (bool from_left : {true, false}) {
    SnapshotFixture f;
    f.Focus(from_left ? f.left_list : f.right_list, {"C:\\Tree\\Deep"});
    f.reader->Acquire();
    EXPECT_EQ(std::tie(f.snapshot.current_path, f.snapshot.acquired_path, f.view.name),
              std::make_tuple("C:\\Tree\\Deep\\"s, "C:\\Tree\\Deep\\"s, ""s));
    EXPECT_EQ(std::tie(f.snapshot.active_side, f.snapshot.focused_window),
              std::make_tuple(from_left ? PanelSide::kRight : PanelSide::kLeft,
                              from_left ? f.right_list : f.left_list));
    ASSERT_EQ(f.windows.Posted().size(), 1u);
    EXPECT_EQ(std::tie(f.windows.Posted()[0].message, f.windows.Posted()[0].wparam),
              std::make_tuple(kHostCommandMessage, from_left ? 4002u : 4001u));
  }
}

TEST(HostSnapshot, ProbeSwitchesToTheMessageMethodOnce) {
  SnapshotFixture f(HostMethodFlags{});
  f.answers = {{"A", "R"}, {"SP", "C:\\Data\\"}, {"SN", "Photos.old"}};
  f.Lists();
  f.reader->Acquire();
  EXPECT_TRUE(f.flags.tc8b10_method && f.flags.tc8b10_fix_ext && f.flags.tc8b10_func_checked);
  EXPECT_EQ(f.QueriesSent(), (Lines{"A\0"s, "SP\0"s, "SN\0"s, "A\0"s}));
  // A directory keeps its dot with the fix.
  EXPECT_EQ(std::tie(f.snapshot.current_path, f.view.name, f.snapshot.pending_query),
            std::make_tuple("C:\\Data\\"s, "Photos.old"s, ""s));
  EXPECT_EQ(std::tie(f.snapshot.active_side, f.snapshot.focused_window),
            std::make_tuple(PanelSide::kRight, f.right_list));
  f.reader->Acquire();  // no second probe
  EXPECT_EQ(f.QueriesSent().size(), 7u);
  // A silent host keeps the window-reading method and is not probed again.
  SnapshotFixture silent(HostMethodFlags{});
  silent.Focus(silent.right_list, {"Żółw.txt"});
  silent.reader->Acquire();
  EXPECT_TRUE(!silent.flags.tc8b10_method && silent.flags.tc8b10_func_checked);
  EXPECT_EQ(std::tie(silent.snapshot.pending_query, silent.view.name),
            std::make_tuple("CheckTC8B10Func"s, "Żółw"s));  // never answered
  silent.reader->Acquire();
  EXPECT_EQ(silent.QueriesSent().size(), 1u);
  // The left side's answer switches as the right side's does.
  SnapshotFixture left(HostMethodFlags{});
  left.answers = {{"A", "L"}};
  left.reader->Acquire();
  EXPECT_TRUE(left.flags.tc8b10_method && left.flags.tc8b10_fix_ext);
  left.reader->PathFieldChanged("C:\\Tree", true, false);  // to the active side, the left
  EXPECT_EQ(left.windows.SentCopyData().back().bytes, "C:\\Tree\r\0\0"s);
  // A Unicode host answers "GW" in UTF-16: the path and the name keep every character, and
  // nothing is asked in ANSI.
  SnapshotFixture unicode(HostMethodFlags{});
  unicode.unicode_host = true;
  unicode.answers = {{"A", "L"}, {"SP", "C:\\Проекты\\"}, {"SN", "Żółw.txt"}};
  unicode.reader->Acquire();
  EXPECT_EQ(
      std::tie(unicode.snapshot.current_path, unicode.view.name, unicode.snapshot.active_side),
      std::make_tuple("C:\\Проекты\\"s, "Żółw"s, PanelSide::kLeft));
  EXPECT_EQ(unicode.QueriesSent(kCopyDataQueryWide), (Lines{"A\0"s, "SP\0"s, "SN\0"s, "A\0"s}));
}

TEST(HostSnapshot, StrayRepliesChangeNothingATypedDirectoryMovesTheHost) {
  SnapshotFixture f;
  f.Lists();
  f.snapshot.focused_window = f.right_list;
  f.snapshot.current_path = "C:\\Old\\";
  f.view.name = "keep";
  f.reader->OnHostReply("D:\\New\\");
  EXPECT_EQ(f.snapshot.current_path + f.view.name, "C:\\Old\\keep");
  f.snapshot.pending_query = "RefreshSide";
  f.reader->OnHostReply("?");
  EXPECT_EQ(std::tie(f.snapshot.focused_window, f.snapshot.pending_query),
            std::make_tuple(f.right_list, ""s));
  // An existing directory typed in the path field moves the host at once.
  SnapshotFixture typed;
  typed.Lists();
  typed.snapshot.focused_window = typed.left_list;
  typed.reader->PathFieldChanged(" C:/Tree", true, false);
  EXPECT_EQ(typed.snapshot.current_path, "C:\\Tree");
  typed.reader->PathFieldChanged("C:\\Tre", true, false);          // not a directory: nothing sent
  typed.reader->PathFieldChanged("C:\\Tree\\Deep", false, false);  // field hidden: nothing sent
  ASSERT_EQ(typed.windows.SentCopyData().size(), 1u);
  EXPECT_EQ(typed.windows.SentCopyData()[0].bytes, "C:\\Tree\r\0\0"s);
}

TEST(HostSnapshot, RefreshByMessagesOrByTheWindowsOfEitherHostBuild) {
  SnapshotFixture messages({true, true, true});
  messages.Lists();
  messages.answers = {{"A", "L"}, {"SP", "E:\\Other\\"}};
  messages.reader->Refresh();
  EXPECT_EQ(std::tie(messages.snapshot.current_path, messages.snapshot.active_side,
                     messages.view.refreshes),
            std::make_tuple("E:\\Other\\"s, PanelSide::kLeft, 1));
  // The label gives the path; without a drive in it, the panel header does.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"C:\\Data>", "", "C:\\Data\\"}, {"Data", "D:\\Header\\*.*", "D:\\Header\\"}};
  for (const auto& [label, header, path] : cases) {
    SnapshotFixture f;
    f.focus.focus = f.right_list;
    f.windows.SetText(f.label, label);
    f.windows.SetText(f.right_header, header);
    f.reader->Refresh();
    EXPECT_EQ(std::tie(f.snapshot.current_path, f.snapshot.active_side, f.view.terminated),
              std::make_tuple(std::string(path), PanelSide::kRight, false));
    EXPECT_EQ(f.focus.forced, (std::vector<WindowHandle>{f.host, f.app}));
  }
  // An archive on the active side ends the program; a focus outside the lists names no side.
  for (bool in_list : {true, false}) {
    SnapshotFixture archive;
    archive.focus.focus = in_list ? archive.right_list : archive.label;
    archive.windows.SetText(archive.right_path, "C:\\Data\\backup.zip\\*.*");
    archive.reader->Refresh();
    EXPECT_EQ(archive.view.terminated, in_list);
  }
  // The other host build: the window chain.
  SnapshotFixture f({false, true, false});
  WindowHandle host = f.windows.Add(0, kHostWindowClass);
  f.windows.Add(host, "Window");
  WindowHandle second = f.windows.Add(host, "Window");
  f.windows.Add(second, "Window", "E:\\Lcl\\*.*");
  WindowHandle right = f.windows.Add(host, "LCLListBox");
  f.focus.focus = f.windows.Add(host, "LCLListBox");
  f.snapshot.host_window = host;
  f.reader->Refresh();
  EXPECT_EQ(std::tie(f.snapshot.first_list, f.snapshot.second_list),
            std::tie(right, f.focus.focus));
  EXPECT_EQ(std::tie(f.snapshot.current_path, f.snapshot.active_side),
            std::make_tuple("E:\\Lcl\\"s, PanelSide::kLeft));
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

// The host's list item may grow between LB_GETTEXTLEN and LB_GETTEXT: the buffer has room
// for that, and a count past the buffer is not trusted.
TEST(PanelWindows, ListItemBufferHasRoomAndTheCopiedCountIsChecked) {
  const std::pair<intptr_t, size_t> sizes[] = {
      {0, 1 + kListItemRoom}, {-1, 1 + kListItemRoom}, {300, 301 + kListItemRoom}};
  for (const auto& [length, chars] : sizes) EXPECT_EQ(ListItemBufferChars(length), chars);
  const size_t capacity = ListItemBufferChars(10);
  const std::tuple<intptr_t, std::optional<size_t>> copied[] = {
      {10, 10},
      {0, 0},
      {200, 200},
      {-1, std::nullopt},  // LB_ERR
      {static_cast<intptr_t>(capacity) - 1, capacity - 1},
      {static_cast<intptr_t>(capacity), std::nullopt}};
  for (const auto& [count, chars] : copied)
    EXPECT_EQ(ListItemCopiedChars(count, capacity), chars) << count;
  // Only direct children of the class are counted.
  FakeWindowSystem w;
  WindowHandle parent = w.Add(0, "Parent");
  WindowHandle a = w.Add(parent, "TMyPanel");
  w.Add(parent, "Other");
  WindowHandle b = w.Add(parent, "tmypanel");
  w.Add(b, "TMyPanel");  // a grandchild is never counted
  w.Add(0, "TMyPanel");  // nor a top-level window
  const std::tuple<WindowHandle, int, WindowHandle> cases[] = {
      {parent, 1, a}, {parent, 2, b}, {parent, 3, 0},
      {parent, 0, 0}, {0, 1, 0},  // no parent must not search the top level
      {0x7777, 1, 0}};
  for (const auto& [in, n, found] : cases)
    EXPECT_EQ(FindNthChildWindow(w, in, "TMyPanel", n), found) << "parent " << in << " n " << n;
}

TEST(PanelWindows, FileListsAndPanelPathsThroughTheTabControlOrThePanel) {
  const char* const list = kHostListClass;
  const char* const alt = kHostListClassAlt;
  const std::tuple<std::vector<std::pair<const char*, const char*>>, int, int> cases[] = {
      {{{list, "has text"}, {list, ""}, {list, "captioned"}}, 1, 2},
      {{{"Window", ""}, {alt, ""}, {alt, ""}}, 1, 2},
      {{}, -1, -1}};
  for (const auto& [children, first, second] : cases) {
    FakeWindowSystem w;
    WindowHandle host = w.Add(0, kHostWindowClass);
    std::vector<WindowHandle> made;
    for (const auto& [class_name, text] : children) made.push_back(w.Add(host, class_name, text));
    FileLists lists = FindFileLists(w, host);
    EXPECT_EQ(lists.first, first < 0 ? 0u : made[first]) << children.size();
    EXPECT_EQ(lists.second, second < 0 ? 0u : made[second]) << children.size();
  }
  // Panel paths through the tab control or the panel.
  FakeHost h;
  EXPECT_EQ(ReadPanelPath(h.windows, h.host, PanelSide::kLeft), "c:\\left\\*.*");
  EXPECT_EQ(ReadPanelPath(h.windows, 0, PanelSide::kRight), "d:\\right\\*.*");  // the first host
  h.windows.Remove(h.right_path);
  EXPECT_EQ(ReadPanelPath(h.windows, h.host, PanelSide::kRight), "c:\\");
  // Without a tab control the path panel sits in the panel itself.
  FakeWindowSystem w;
  WindowHandle host = w.Add(0, kHostWindowClass);
  WindowHandle panel = 0;
  for (int i = 0; i < 3; ++i) panel = w.Add(host, "TMyPanel");
  w.Add(panel, "TPathPanel", "e:\\plain\\");
  EXPECT_EQ(ReadPanelPath(w, host, PanelSide::kLeft), "e:\\plain\\");
  EXPECT_EQ(ReadPanelPath(w, host, PanelSide::kRight), "c:\\");  // no such panel
  // The alternative reading takes the header, or the tab control's second panel.
  FakeHost g;
  EXPECT_EQ(ReadPanelPathAlt(g.windows, g.host, PanelSide::kRight), "d:\\right header");
  g.windows.SetText(g.left_header, "");
  EXPECT_EQ(ReadPanelPathAlt(g.windows, g.host, PanelSide::kLeft), "");
  g.windows.SetText(g.left_header, "  no separator  ");
  WindowHandle tabs = g.windows.Add(g.panels[2], "TMyTabControl");
  g.windows.Add(tabs, "TMyPanel", "first");
  g.windows.Add(tabs, "TMyPanel", "f:\\from tabs\\");
  EXPECT_EQ(ReadPanelPathAlt(g.windows, g.host, PanelSide::kLeft), "f:\\from tabs\\");
}

// ---- path_text
TEST(PathText, PartsOfAPath) {
  const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
      {"c:\\tc\\Kestrix\\tc Kestrix.exe", "c:", "c:\\tc\\Kestrix\\", "tc Kestrix.exe", ".exe"},
      {"c:/tc/x.ini", "c:", "c:/tc/", "x.ini", ".ini"},
      {"d:x.exe", "d:", "d:", "x.exe", ".exe"},
      {"e:", "e:", "e:", "", ""},
      {"\\\\srv\\share\\.hidden", "\\\\srv\\share", "\\\\srv\\share\\", ".hidden", ".hidden"},
      {"x", "", "", "x", ""}};
  for (const auto& [path, drive, dir, name, ext] : cases)
    EXPECT_EQ(std::make_tuple(pathtext::ExtractFileDrive(path), pathtext::ExtractFilePath(path),
                              pathtext::ExtractFileName(path), pathtext::ExtractFileExt(path)),
              std::make_tuple(drive, dir, name, ext))
        << path;
  EXPECT_EQ(pathtext::WithTrailingSeparator("c:/a/") + "|" +
                pathtext::WithTrailingSeparator("c:\\a") + "|" +
                pathtext::WithTrailingSeparator(""),
            "c:/a/|c:\\a\\|\\");
  const std::tuple<const char*, const char*, const char*> urls[] = {
      {"C:\\tc\\Kestrix\\help_eng.html", "translating",
       "file:///C:/tc/Kestrix/help_eng.html#translating"},
      {"C:\\Total Commander\\50%\\#1\\help.html", "",
       "file:///C:/Total%20Commander/50%25/%231/help.html"},
      {"\\\\srv\\share\\help.html", "keys", "file://srv/share/help.html#keys"}};
  for (const auto& [path, section, url] : urls) EXPECT_EQ(FileUrl(path, section), url) << path;
}

// ---- tree_cache
TEST(TreeCache, EntryAndCacheFile) {
  EXPECT_EQ(TreeInfoEntry("C:\\Work\\New\\") + TreeInfoEntry("\\\\srv\\share\\a\\b"),
            "[Work\\New\\]\r\n[a\\b]\r\n");
  EXPECT_EQ(TreeInfoEntry("D:/Work"), "[Work]\r\n");  // a slash after the drive goes too
  const std::string shared = "C:\\Users\\u\\AppData\\Local\\GHISLER\\treeinfo.wc";
  const std::string drive_c = "C:\\Users\\u\\AppData\\Local\\GHISLER\\treeinfoc.wc";
  const std::tuple<Lines, const char*, const char*, std::string> cases[] = {
      // cache files present, setting, directory, the file used
      {{shared}, " False ", "C:\\Work\\", ""},
      {{"C:\\cache\\my.wc"}, "C:\\cache\\my.wc", "C:\\Work\\", "C:\\cache\\my.wc"},
      {{shared}, "C:\\cache\\gone.wc", "C:\\Work\\", shared},
      {{drive_c, shared}, "True", "c:\\Work\\", drive_c},  // the drive's own cache first
      {{"D:\\treeinfo.wc"}, "True", "D:\\Data\\", "d:\\treeinfo.wc"},  // another drive: its root
      {{shared}, "True", "D:\\Data\\", ""}};
  for (const auto& [files, setting, directory, used] : cases) {
    FakeFileSystem fs;
    FakeEnvironment env{{"LOCALAPPDATA", "C:\\Users\\u\\AppData\\Local"}};
    fs.AddDrive("D:");
    fs.AddFile("C:\\TC\\wincmd.ini", "");
    for (const std::string& file : files) fs.AddFile(file, "");
    EXPECT_EQ(TreeInfoPath(fs, env, setting, directory, "C:\\TC\\wincmd.ini"), used)
        << setting << " " << directory;
  }
  // An append adds at the end in the file's own encoding, creates a missing file, leaves
  // out an entry the file cannot hold and reports a failure.
  FakeFileSystem files;
  FakeCodePage cp;
  const std::string utf16 = "\xFF\xFE" + Utf16LeFromUtf8("[Old]\r\n"),
                    utf8 = "\xEF\xBB\xBF[Old]\r\n";
  const std::tuple<std::string, const char*, uint32_t, std::string> appends[] = {
      {"[Old]\r\n", " C:\\Work\\New\\ ", 0, "[Old]\r\n[Work\\New\\]\r\n"},
      {"[Old]\r\n", "C:\\Café", 0, "[Old]\r\n[Caf\xE9]\r\n"},
      {"[Old]\r\n", "C:\\Łódź", kErrorNoUnicodeTranslation, "[Old]\r\n"},
      {utf16, "C:\\Łódź", 0, utf16 + Utf16LeFromUtf8("[Łódź]\r\n")},
      {utf8, "C:\\日本", 0, utf8 + "[日本]\r\n"}};
  for (const auto& [content, directory, code, after] : appends) {
    files.AddFile("C:\\t.wc", content);
    EXPECT_EQ(TreeInfoAppend(files, cp, "C:\\t.wc", directory), code) << directory;
    EXPECT_EQ(files.FileContent("C:\\t.wc"), after) << directory;
  }
  EXPECT_EQ(TreeInfoAppend(files, cp, "C:\\fresh.wc", "C:\\A"), 0u);
  EXPECT_EQ(files.FileContent("C:\\fresh.wc"), "[A]\r\n");
  const int before = files.WriteCount();
  for (const char* file : {"", "False", "True"})
    EXPECT_EQ(TreeInfoAppend(files, cp, file, "C:\\A"), 0u);
  EXPECT_EQ(TreeInfoAppend(files, cp, "C:\\t.wc", "  "), 0u);
  EXPECT_EQ(files.WriteCount(), before);
  files.FailPath("C:\\t.wc", kErrorAccessDenied);
  EXPECT_EQ(TreeInfoAppend(files, cp, "C:\\t.wc", "C:\\A"), kErrorAccessDenied);
}

// ---- foreground
TEST(Foreground, ThreadAttachFromWindows98AndWindows2000On) {
  const std::tuple<uint32_t, uint32_t, uint32_t, bool> systems[] = {
      {kPlatformWindows9x, 4, 0, false}, {kPlatformWindows9x, 4, 10, true},
      {kPlatformWindows9x, 5, 0, true},  {kPlatformNt, 4, 0, false},
      {kPlatformNt, 5, 0, true},         {0, 5, 0, false}};
  for (const auto& [platform, major, minor, attach] : systems)
    EXPECT_EQ(ForegroundNeedsThreadAttach(platform, major, minor), attach) << major << minor;
}

}  // namespace
}  // namespace kestrix
