#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "base/text_utils.h"
#include "base/utf8.h"
#include "create/dir_history.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_resources.h"
#include "installer/host_file_edits.h"
#include "installer/install_procedure.h"
#include "installer/install_steps.h"
#include "settings/language_table.h"
#include "settings/settings_model.h"

namespace kestrix {
namespace {
using namespace std::string_literals;

// The content of an in-memory INI after `edit`, one line per entry, sections as "[x]".
template <typename Edit>
std::string Edited(const std::string& lines, Edit edit) {
  BigIniFile ini;
  ini.SetText(ReplaceAll(lines, "|", "\n"));
  edit(ini);
  std::vector<std::string> out;
  ini.GetStrings(out);
  std::string text;
  for (const std::string& line : out)
    if (!line.empty()) text += (text.empty() ? "" : "|") + line;
  return text;
}

TEST(HostFileEdits, KeyBindingMovesOrGoes) {
  using K = KeyChoice;
  const std::tuple<const char*, KeyBinding, const char*> rows[] = {
      {"[Shortcuts]|C+X=cm_x", {K::kF7}, "[Shortcuts]|C+X=cm_x|F7=em_Kestrix"},  // fresh host
      {"[Shortcuts]|F7=cm_x",
       {K::kOtherKey, "F7", false, "S+F7"},  // another program's F7 stays
       "[Shortcuts]|F7=cm_x|S+F7=em_Kestrix"},
      {"[Shortcuts]|CS+F7=em_Kestrix", {K::kF7, "CS+F7"}, "[Shortcuts]|F7=em_Kestrix"},  // moved
      {"[Shortcuts]|F7=em_Kestrix", {K::kF7}, "[Shortcuts]|F7=em_Kestrix"},  // installed again
      {"[Shortcuts]|F7=em_Kestrix",
       {K::kOtherKey, "F7", false, "F8", true},
       "[ShortcutsWin]|F8=em_Kestrix"},  // to a Windows-key combination and back
      {"[ShortcutsWin]|F8=em_Kestrix",
       {K::kOtherKey, "F8", true, "A+F2"},
       "[Shortcuts]|A+F2=em_Kestrix"},
      {"[Shortcuts]|F8=cm_y|[ShortcutsWin]|F8=em_Kestrix",
       {K::kNone, "F8", true},
       "[Shortcuts]|F8=cm_y"},  // uninstalled
      {"[Shortcuts]|F7=em_Kestrix|S+F7=em_Kestrix|F2=cm_z",
       {K::kNone, ""},
       "[Shortcuts]|F2=cm_z"},  // uninstalled, no key found: every line of the command goes
  };
  // An init-capture: clang 14, which clang-tidy uses, cannot capture a structured binding.
  for (const auto& [before, binding, after] : rows)
    EXPECT_EQ(Edited(before, [&b = binding](BigIniFile& ini) { EditKeyBinding(ini, b); }), after)
        << before;
}

TEST(HostFileEdits, ReadsAnEarlierInstallationAndTheTargetPathRule) {
  BigIniFile wincmd;
  wincmd.SetText("[Shortcuts]\nF2=cm_x\nF3=em_KestrixSetup\n[ShortcutsWin]\nCS+F9= em_kestrix ");
  ExistingKey key = FindExistingKey(wincmd);
  EXPECT_EQ(std::tie(key.key, key.windows_key), std::make_tuple("CS+F9"s, true));
  EXPECT_EQ(KeyDisplayCaption(key.key, key.windows_key), "Win + Ctrl + Shift + F9");
  EXPECT_EQ(ComposeHotkey(true, false, true, "F8"), "CS+F8");
  EXPECT_EQ(SplitHotkey("+").second + SplitHotkey("C+").second, "+C+");  // the plus key
  // The target path rule.
  const std::pair<const char*, bool> rows[] = {
      {"Kestrix\\tc Kestrix.exe", true}, {"TOTALCMD.EXE", false}, {"totalcmd64.exe", false},
      {"sub\\totalcmd.exe", true},       {"..\\x.exe", false},    {"tc Kestrix.EXE", false}};
  for (const auto& [path, allowed] : rows) EXPECT_EQ(IsAllowedTargetPath(path), allowed) << path;
  // The binding "%COMMANDER_PATH%\\" + path must run: no drive, root, climbing or empty level.
  for (const char* path :
       {"D:\\k.exe", "\\k.exe", "a\\..\\..\\k.exe", "a\\\\k.exe", "a/ ./k.exe", "a?\\k.exe"})
    EXPECT_FALSE(IsAllowedTargetPath(path)) << path;
}

// The fake file system, with a program copy that fails in a way no step expects, and a
// record of every content a complete write or copy gave a file.
class SurprisingFileSystem : public FakeFileSystem {
 public:
  uint32_t CopyFile(const std::string& from, const std::string& to, bool fail_if_exists) override {
    if (throw_on_program_copy && to.ends_with(".exe")) throw std::length_error("vector");
    return Record(to, FakeFileSystem::CopyFile(from, to, fail_if_exists));
  }
  uint32_t WriteWholeFile(const std::string& path,
                          std::span<const std::string_view> pieces) override {
    return Record(path, FakeFileSystem::WriteWholeFile(path, pieces));
  }
  using FileSystem::WriteWholeFile;
  uint32_t Record(const std::string& path, uint32_t code) {
    if (code == kErrorSuccess) written.emplace(path, *FileContent(path));
    return code;
  }
  bool throw_on_program_copy = false;
  std::multimap<std::string, std::string> written;
};

// A host tree in the fake file system, installed into and uninstalled from as the window
// runs the steps.
struct HostTree {
  HostTree() {
    AddHostTree(fs);
    resources.Add("readme", "r");
    resources.Add("whatsnew", "w");
    resources.Add("help_ENG", "h");
  }
  static void AddHostTree(FakeFileSystem& tree) {
    tree.AddFile("C:\\TC\\TOTALCMD.EXE", "host");
    tree.AddFile("C:\\TC\\wincmd.ini", "[Configuration]\r\nfirstmnu=0\r\n");
    tree.AddFile("C:\\TC\\fsplugin.ini", "[Virtual Panel]\r\nAutoSaveListOnEachOp=0\r\n");
    tree.AddFile("C:\\Downloads\\tc Kestrix.exe", "program");
  }
  // `exe` empty: the tree's own relative_exe.
  InstallProcedure Procedure(const std::string& exe = "", FakeFileSystem* tree = nullptr) {
    return InstallProcedure(tree != nullptr ? *tree : fs, resources, code_page,
                            {"C:\\TC", exe.empty() ? relative_exe : exe, "C:\\TC\\wincmd.ini",
                             "C:\\Downloads\\tc Kestrix.exe"});
  }
  void Install(const KeyBinding& binding = {}) {
    InstallProcedure procedure = Procedure();
    ASSERT_FALSE(procedure.BackupHostFiles().Failed());
    ASSERT_FALSE(procedure.CopyProgram().Failed());
    procedure.UpdateFsPlugin();
    procedure.UpdateKeyBinding(binding);
    bool enter = procedure.InstallUserCommands(procedure.SkipEnterCommand());
    procedure.WriteSettings("ENG", enter, "Current username");
    procedure.UnpackDocuments();
  }
  void Uninstall(const KeyBinding& binding) {
    InstallProcedure procedure = Procedure();
    ASSERT_FALSE(procedure.BackupHostFiles().Failed());
    procedure.DeleteProgram();
    procedure.DeleteSettings();
    procedure.RemoveLeftovers();
    procedure.UpdateFsPlugin();
    procedure.UpdateKeyBinding(binding);
    procedure.UninstallUserCommands();
  }
  std::string File(const char* path) { return fs.FileContent(path).value_or("<missing>"); }
  DirHistory History() {
    return {fs, env, {"C:\\TC\\wincmd.ini", "C:\\TC\\Kestrix", "tc Kestrix", ""}, &code_page};
  }
  FakeEnvironment env{{"COMMANDER_PATH", "C:\\TC"}};
  SurprisingFileSystem fs;
  FakeResources resources;
  FakeCodePage code_page;
  std::string relative_exe = kDefaultRelativeExe;
};

class InstallProcedureTest : public ::testing::Test, public HostTree {};
// A document goes at uninstall only while it is the one the installation put there: one
// the user changed, or another program's file of that name, stays, and its directory too.
TEST_F(InstallProcedureTest, UninstallRemovesOnlyItsDocumentsAndTheSearchFollowsNoLink) {
  const std::tuple<const char*, const char*, bool> rows[] = {
      // relative program, the readme.txt found beside it, whether it stays
      {kDefaultRelativeExe, "r", false},
      {kDefaultRelativeExe, "r, and my notes", true},
      {"tc Kestrix.exe", "the host's", true}};
  for (const auto& [relative_exe, readme, stays] : rows) {
    InstallProcedure procedure = Procedure(relative_exe);
    const std::string dir = procedure.Paths().InstallDir();
    fs.AddDirectory(dir);
    procedure.UnpackDocuments();
    fs.AddFile(dir + "\\readme.txt", readme);
    fs.AddFile(procedure.Paths().BesideTarget(".runs"), "[Run1]");
    procedure.RemoveLeftovers();
    EXPECT_EQ(fs.FileContent(dir + "\\readme.txt").has_value(), stays) << readme;
    EXPECT_EQ(fs.Exists(dir), stays) << readme;
    EXPECT_FALSE(fs.Exists(dir + "\\whatsnew.txt")) << readme;
  }
  // Every missing level is made; one that cannot be made gives its error.
  fs.FailPath("C:\\TC\\ro", kErrorAccessDenied);
  EXPECT_EQ(ForceDirectories(fs, "C:\\TC\\ro\\x"), kErrorAccessDenied);
  EXPECT_EQ(ForceDirectories(fs, "C:\\TC\\a\\b\\"), kErrorSuccess);
  EXPECT_TRUE(fs.DirectoryExists("C:\\TC\\a\\b"));
  EXPECT_EQ(ForceDirectories(fs, "Q:\\x"), kErrorPathNotFound);  // a missing drive: tried once
  // The program search follows no link and stops at its depth.
  const std::string deep = "C:\\TC\\1\\2\\3\\4\\5\\6\\7\\8\\";
  const std::tuple<std::string, bool, const char*> programs[] = {
      // the program, whether its directory is a junction, what the search finds
      {"C:\\TC\\Tools\\tc Kestrix.exe", false, "Tools\\tc Kestrix.exe"},
      {"C:\\TC\\Tools\\tc Kestrix.exe", true, ""},
      {deep + "tc Kestrix.exe", false, "1\\2\\3\\4\\5\\6\\7\\8\\tc Kestrix.exe"},
      {deep + "9\\tc Kestrix.exe", false, ""}};
  for (const auto& [program, junction, found] : programs) {
    SurprisingFileSystem tree;
    tree.AddFile(program, "program");
    const std::string dir = program.substr(0, program.rfind('\\'));
    if (junction) tree.SetAttributes(dir, kAttrDirectory | kAttrReparsePoint);
    EXPECT_EQ(FindInstalledProgram(tree, "C:\\TC", "C:\\TC\\gone.exe"), found) << program;
  }
}

// What the window shows of a run: the marks, the messages, the error log's records, and
// whether it could have been closed while the steps ran.
class RecordingDisplay : public StepDisplay {
 public:
  explicit RecordingDisplay(const InstallRun& run) : run_(run) {}
  void SetProgress(int, int) override {}
  void ActivateStep(int) override {}
  void HideCloseButton() override {}
  void MarkDone(int step) override { marks += std::to_string(step) + " done; "; }
  void MarkFailed(int step, const std::string& mark) override {
    marks += std::to_string(step) + " " + mark + "; ";
  }
  void Wait(int) override { closable_while_running |= run_.CanClose(); }
  void ShowFailure(const std::string& text) override {
    EXPECT_TRUE(run_.CanClose());
    messages.push_back(text);
  }
  void LogCurrentException() override { ++logged; }
  std::string marks;
  std::vector<std::string> messages;
  int logged = 0;
  bool closable_while_running = false;

 private:
  const InstallRun& run_;
};

// The window can be closed after a failure, never while the steps run.
TEST_F(InstallProcedureTest, EveryFailureEndsTheRunWithItsReason) {
  using Tree = SurprisingFileSystem;
  struct Row {
    std::function<void(Tree&)> arrange;
    const char* marks;
    std::vector<std::string> words;  // the message holds each; none: no message
    bool installed;                  // the documents are in place
  } rows[] = {
      {[](Tree&) {}, "1 done; 2 done; 3 done; ", {}, true},
      // A host file another program holds: no backup, no change.
      {[](Tree& t) {
         t.FailPath("C:\\TC\\wincmd.ini", kErrorSharingViolation, FakeFileSystem::kFaultRead);
       },
       "1 done; 2 failed; ",
       {"backup copies", "\"C:\\TC\\wincmd.ini\" is being used by another program"},
       false},
      // A read-only backup: no change.
      {[](Tree& t) { t.AddFile("C:\\TC\\wincmd.old", "", kAttrReadOnly); },
       "1 done; 2 access denied; ",
       {"backup copies", "\"C:\\TC\\wincmd.old\"", "read-only"},
       false},
      // An unexpected failure stops the run at its step.
      {[](Tree& t) { t.throw_on_program_copy = true; },
       "1 done; 2 failed; ",
       {"unexpected error stopped the procedure at Step 2"},
       false},
      // A read-only usercmd.ini: step 3 fails, the rest goes on.
      {[](Tree& t) { t.AddFile("C:\\TC\\usercmd.ini", "", kAttrReadOnly); },
       "1 done; 2 done; 3 access denied; ",
       {"\"C:\\TC\\usercmd.ini\"", "read-only"},
       true},
      // A full disk at the settings file.
      {[](Tree& t) { t.FailPath("C:\\TC\\Kestrix\\tc Kestrix.ini", kErrorDiskFull); },
       "1 done; 2 done; 3 failed; ",
       {"disk is full", "\"C:\\TC\\Kestrix\\tc Kestrix.ini\""},
       true},
      // A locked fsplugin.ini stops step 3.
      {[](Tree& t) {
         t.FailPath("C:\\TC\\fsplugin.ini", kErrorSharingViolation, FakeFileSystem::kFaultAll);
       },
       "1 done; 2 done; 3 failed; ",
       {"\"C:\\TC\\fsplugin.ini\" is being used"},
       false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.marks + std::to_string(&row - rows));
    Tree tree;
    AddHostTree(tree);
    row.arrange(tree);
    InstallRun run;
    RecordingDisplay display(run);
    InstallProcedure procedure = Procedure(kDefaultRelativeExe, &tree);
    ASSERT_TRUE(run.StartWaiting());
    EXPECT_NO_THROW(run.Run(procedure, display, EnglishLanguageTable(), {}));
    EXPECT_EQ(display.marks, row.marks);
    EXPECT_EQ(run.Phase(), row.words.empty() ? InstallPhase::kFinished : InstallPhase::kFailed);
    EXPECT_TRUE(run.CanClose() && !display.closable_while_running);
    ASSERT_EQ(display.messages.size(), row.words.empty() ? 0u : 1u);
    for (const std::string& words : row.words)
      EXPECT_NE(display.messages[0].find(words), std::string::npos) << display.messages[0];
    EXPECT_EQ(display.logged, tree.throw_on_program_copy ? 1 : 0);
    EXPECT_EQ(tree.Exists("C:\\TC\\Kestrix\\readme.txt"), row.installed);
    EXPECT_TRUE(row.installed ||
                tree.FileContent("C:\\TC\\wincmd.ini") == "[Configuration]\r\nfirstmnu=0\r\n");
  }
}

// ---- Host files in UTF-16: what Kestrix does not edit stays as the host wrote it
// The text of UTF-16 LE bytes with their mark ("<no mark>" without it), without the
// sections named.
std::string Utf16Without(const std::string& bytes, std::vector<std::string> sections) {
  if (!bytes.starts_with("\xFF\xFE")) return "<no mark>";
  std::string text = Utf8FromUtf16Le(std::string_view(bytes).substr(2));
  for (const std::string& section : sections) {
    const size_t begin = text.find("[" + section + "]\r\n");
    if (begin != std::string::npos) text.erase(begin, text.find("\r\n\r\n", begin) + 4 - begin);
  }
  return text;
}

TEST(HostFilesInUtf16, KeepWhatKestrixDoesNotEdit) {
  // Cyrillic, CJK, two emoji in a row (surrogate pairs) and a lone surrogate, none in a code page.
  const std::string host =
      "[Configuration]\r\nfirstmnu=0\r\n\r\n[left]\r\npath=C:\\Проекты\\日本語\\\r\n\r\n"
      "[Tabs]\r\nactivetab=0\r\n0_path=C:\\Проекты\\日本語\\\r\n1_path=D:\\Фото 😀😎\\\r\n"
      "2_path=E:\\\xED\xA0\xBD\\\r\n\r\n";
  const std::string history = "[MkDirHistory]\r\n0=Проекты\r\n1=日本語\\😀\r\n2=plain\r\n\r\n";
  const std::string usercmd = "[em_Проекты]\r\ncmd=explorer.exe C:\\Проекты\\\r\n\r\n";
  const std::string files[] = {host, history + host, host + history};
  // The last writes what a UTF-16 file cannot keep: a byte that starts no UTF-8 character.
  // Each is refused and leaves the files alone.
  enum Operation { kOneAddition, kInstall, kUninstall, kLossyWrites };
  const std::string kHistory = "MkDirHistory";
  for (const std::string& file : files) {
    for (const Operation operation : {kOneAddition, kInstall, kUninstall, kLossyWrites}) {
      SCOPED_TRACE(std::to_string(operation) + " on file " + std::to_string(&file - files));
      HostTree tree;
      FakeFileSystem& fs = tree.fs;
      fs.AddFile("C:\\TC\\wincmd.ini", "\xFF\xFE" + Utf16LeFromUtf8(file));
      fs.AddFile("C:\\TC\\usercmd.ini", "\xFF\xFE" + Utf16LeFromUtf8(usercmd));
      DirHistory dirs = tree.History();
      std::vector<std::string> edited, entries;
      switch (operation) {
        case kOneAddition:
          dirs.AddDirectoryToTCDirList("new");
          edited = {kHistory};
          entries = {"0=new"};
          if (file.find(kHistory) != std::string::npos)
            entries.insert(entries.end(), {"1=Проекты", "2=日本語\\😀", "3=plain"});
          break;
        case kInstall:
          tree.Install();
          edited = {"Shortcuts", "em_Kestrix", "em_KestrixEnter"};
          break;
        case kUninstall: {
          tree.Install();
          const std::string installed = tree.File("C:\\TC\\wincmd.ini");
          tree.Uninstall({KeyChoice::kNone, "F7"});
          // The backup holds the files as the uninstallation found them.
          EXPECT_EQ(tree.File("C:\\TC\\wincmd.old"), installed);
          break;
        }
        case kLossyWrites: {
          dirs.AddDirectoryToTCDirList("new\x81");
          EXPECT_EQ(dirs.Refused()->Code(), kErrorNoUnicodeTranslation);
          tree.relative_exe = "K\x81\\tc Kestrix.exe";
          EXPECT_THAT([&] { tree.Procedure().InstallUserCommands(false); },
                      testing::Throws<InOutError>(
                          testing::Property(&InOutError::Code, kErrorNoUnicodeTranslation)));
          BigIniFile wincmd(fs, "C:\\TC\\wincmd.ini", IniOwner::kHost, &tree.code_page);
          wincmd.WriteString("Tabs", "3_path", wincmd.ReadString("Tabs", "0_path", "") + "\x81");
          EXPECT_THROW(wincmd.UpdateFile(), InOutError);
          break;
        }
      }
      EXPECT_EQ(Utf16Without(tree.File("C:\\TC\\wincmd.ini"), edited),
                Utf16Without("\xFF\xFE" + Utf16LeFromUtf8(file), edited));
      EXPECT_EQ(Utf16Without(tree.File("C:\\TC\\usercmd.ini"), edited), usercmd);
      if (!entries.empty()) {
        std::string section = "[MkDirHistory]\r\n";
        for (const std::string& entry : entries) section += entry + "\r\n";
        EXPECT_NE(Utf16Without(tree.File("C:\\TC\\wincmd.ini"), {}).find(section + "\r\n"),
                  std::string::npos);
      }
      EXPECT_EQ(tree.File("C:\\TC\\wincmd.ini").find(std::string("?\0", 2)), std::string::npos);
    }
  }
}

// ---- Every write of a host or settings file, failed at each of its steps in turn
// The operations as the program runs them; each returns the failures it shows the user.
int StepsShown(HostTree& tree, bool uninstall) {
  InstallRun run;
  RecordingDisplay display(run);
  InstallProcedure procedure = tree.Procedure();
  run.StartWaiting();
  InstallChoices choices;
  choices.uninstall = uninstall;
  if (uninstall) choices.binding = {KeyChoice::kNone, "F7"};
  run.Run(procedure, display, EnglishLanguageTable(), choices);
  return static_cast<int>(display.messages.size());
}

// A write failure of the history is not shown: the host may hold its file for a moment.
int HistoryShown(HostTree& tree) {
  DirHistory history = tree.History();
  history.AddDirectoryToTCDirList("new");
  return history.Refused() ? 1 : 0;
}

int SettingsShown(HostTree& tree) {
  FakeMessageBoxes boxes;
  EnglishLanguageTable english;
  FakeEnvironment env;
  SettingsModel model(
      tree.fs, env, &boxes, [&]() -> const LanguageTable& { return english; },
      "C:\\TC\\Kestrix\\tc Kestrix.ini");
  model.SaveClosing({"ENG", true, false, false, false, true, true});
  return static_cast<int>(boxes.shown.size());
}

TEST(HostFileWrites, AFailedStepLeavesEachFileOldOrNewAndIsShownOnce) {
  using Step = FakeFileSystem::Step;
  const std::tuple<const char*, int (*)(HostTree&), bool> operations[] = {
      {"install", [](HostTree& tree) { return StepsShown(tree, false); }, true},
      {"uninstall", [](HostTree& tree) { return StepsShown(tree, true); }, true},
      {"history", HistoryShown, false},
      {"settings", SettingsShown, true}};
  // A host in use, installed into before (so uninstalling has something to remove).
  auto prepare = [](HostTree& tree) {
    tree.fs.AddFile("C:\\TC\\wincmd.ini",
                    "[left]\r\npath=C:\\\r\n\r\n[Shortcuts]\r\nF7=em_Kestrix\r\n\r\n");
    tree.fs.AddFile("C:\\TC\\usercmd.ini",
                    "[em_Kestrix]\r\ncmd=x\r\n\r\n[em_other]\r\ncmd=y\r\n\r\n");
    tree.fs.AddFile("C:\\TC\\Kestrix\\tc Kestrix.ini", "[Language]\r\nCurrentLng=DEU\r\n");
  };
  auto files = [](HostTree& tree) {
    std::map<std::string, std::string> contents;
    for (const std::string& path : tree.fs.AllPaths())
      if (path.back() != '\\') contents[path] = *tree.fs.FileContent(path);
    return contents;
  };
  for (const auto& [name, run, shown] : operations) {
    HostTree before, after;
    prepare(before);
    prepare(after);
    ASSERT_EQ(run(after), 0) << name;
    const auto old_files = files(before), new_files = files(after);
    for (const Step step :
         {Step::kTemporary, Step::kWrite, Step::kFlush, Step::kRename, Step::kCopy}) {
      // Every write (or copy) of the operation fails in turn, until none is left.
      for (int nth = 0;; ++nth) {
        SCOPED_TRACE(std::string(name) + " step " + std::to_string(static_cast<int>(step)) +
                     " write " + std::to_string(nth));
        HostTree tree;
        prepare(tree);
        tree.fs.FailStep(step, nth, kErrorDiskFull);
        const int messages = run(tree);
        if (!tree.fs.StepFailed()) break;
        EXPECT_EQ(messages, shown ? 1 : 0);
        // A step after a failure may write a file otherwise (the settings say the enter
        // command is missing), but always whole.
        for (const auto& file : files(tree)) {
          const std::string& path = file.first;
          const std::string& content = file.second;
          const auto old_file = old_files.find(path);
          const auto [first, last] = tree.fs.written.equal_range(path);
          EXPECT_TRUE((old_file != old_files.end() && old_file->second == content) ||
                      std::any_of(first, last, [&](const auto& w) { return w.second == content; }))
              << path << ":\n"
              << content;
        }
        for (const auto& [path, content] : old_files)
          EXPECT_TRUE(tree.fs.Exists(path) || !new_files.contains(path)) << path;
      }
    }
  }
}

// The user's own commands that start the program (the download as an installer), before
// and after Kestrix's own, and keys bound to them: installing, installing again and
// uninstalling touch only em_Kestrix, em_KestrixEnter and the key bound to em_Kestrix, and
// leave the backups and the user's files.
TEST_F(InstallProcedureTest, InstallTwiceThenUninstallTouchesOnlyWhatKestrixWrote) {
  const std::string download = "C:\\Downloads\\tc Kestrix.exe",
                    program = "%COMMANDER_PATH%\\Kestrix\\tc Kestrix.exe\r\n";
  const std::string before = "[em_setup]\r\ncmd=" + download + "\r\nparam=/INSTALL\r\n\r\n",
                    after = "[em_inst]\r\nbutton=" + download +
                            "\r\n\r\n[em_KestrixTool]\r\ncmd=x\r\n\r\n",
                    own = "[em_Kestrix]\r\nbutton=" + program + "cmd=" + program +
                          "path=%COMMANDER_PATH%\\Kestrix\\\r\n\r\n",
                    head = "[Shortcuts]\r\nF3=em_setup\r\n",
                    tail = "C+F7=em_KestrixTool\r\nF5=em_inst\r\n";
  fs.AddFile("C:\\TC\\usercmd.ini", before + own + after);
  fs.AddFile("C:\\TC\\wincmd.ini", head + "S+F7=em_Kestrix\r\n" + tail);
  fs.AddFile("C:\\TC\\Kestrix\\tc Kestrix.exe", "an earlier version");
  const auto opened = [&] {
    BigIniFile wincmd(fs, "C:\\TC\\wincmd.ini"), usercmd(fs, "C:\\TC\\usercmd.ini");
    return FindEarlierInstallation(fs, env, wincmd, usercmd, "C:\\TC", kDefaultRelativeExe);
  };
  for (const char* key : {"S+F7", "F7"}) {  // again from the download: nothing doubles
    const EarlierInstallation found = opened();
    EXPECT_EQ(found.key.key + "|" + found.relative_exe, key + ("|"s + kDefaultRelativeExe));
    Install({KeyChoice::kF7, found.key.key});
    EXPECT_EQ(File("C:\\TC\\usercmd.ini"),
              before + own + after + "[em_KestrixEnter]\r\nbutton=\r\ncmd=cd\r\n\r\n");
    EXPECT_EQ(File("C:\\TC\\wincmd.ini"), head + tail + "F7=em_Kestrix\r\n\r\n");
  }
  EXPECT_EQ(File("C:\\TC\\Kestrix\\tc Kestrix.exe") + File("C:\\TC\\Kestrix\\help_eng.html"),
            "programh");
  EXPECT_EQ(File("C:\\TC\\wincmd.old"), File("C:\\TC\\wincmd.ini"));
  fs.AddFile("C:\\TC\\Kestrix\\my notes.txt", "mine");
  Uninstall({KeyChoice::kNone, opened().key.key});
  EXPECT_EQ(File("C:\\TC\\usercmd.ini") + File("C:\\TC\\wincmd.ini"),
            before + after + head + tail + "\r\n");
  // The fix of the virtual panel's switch stays: the host needs it either way.
  EXPECT_EQ(File("C:\\TC\\fsplugin.ini"), "[Virtual Panel]\r\nAutoSaveListOnEachOp=1\r\n\r\n");
  // Only a 0 becomes 1: a switch the host never wrote is not added.
  EXPECT_EQ(Edited("[Virtual Panel]|DefFileList=x", EnableAutoSaveList),
            "[Virtual Panel]|DefFileList=x");
  // What the user added stays, and the directory with it.
  EXPECT_EQ(fs.AllPaths(),
            (std::vector<std::string>{"C:\\", "C:\\Downloads\\", "C:\\Downloads\\tc Kestrix.exe",
                                      "C:\\TC\\", "C:\\TC\\fsplugin.ini", "C:\\TC\\Kestrix\\",
                                      "C:\\TC\\Kestrix\\my notes.txt", "C:\\TC\\TOTALCMD.EXE",
                                      "C:\\TC\\usercmd.ini", "C:\\TC\\usercmd.old",
                                      "C:\\TC\\wincmd.ini", "C:\\TC\\wincmd.old"}));
  relative_exe = download;  // bound by a path that cannot run: nothing changes
  const auto kept = std::make_pair(fs.AllPaths(), fs.WriteCount());
  EXPECT_EQ(StepsShown(*this, false), 1);
  EXPECT_EQ(std::make_pair(fs.AllPaths(), fs.WriteCount()), kept);
  fs.AddFile("C:\\TC2\\Kestrix.exe", "");  // beside the host's directory, not below it
  EXPECT_EQ(FindInstalledProgram(fs, "C:\\TC", "C:\\TC2\\Kestrix.exe"), "");
}

// ---- The hotkey dialog's fields and the key the installer offers
TEST(HostFileEdits, HotkeyFieldsAndKeyOffer) {
  // notation, Ctrl, Alt, Shift, the key picked in the list ("" when it offers none)
  const std::tuple<const char*, bool, bool, bool, std::string_view> fields[] = {
      {"CS+F8", true, false, true, "F8"},
      {"as++", false, true, true, "+"},
      {"C", false, false, false, "C"},
      {"A+f8", false, true, false, ""}};
  for (const auto& [notation, ctrl, alt, shift, key] : fields) {
    const HotkeyFields read = ReadHotkey(notation);
    EXPECT_EQ(std::tie(read.ctrl, read.alt, read.shift), std::tie(ctrl, alt, shift)) << notation;
    EXPECT_EQ(read.key_index < 0 ? "" : kHotkeyKeys[size_t(read.key_index)], key) << notation;
  }
  // The plain F7 is offered as the F7 choice, bound as Shift+F7.
  const std::tuple<const char*, bool, bool, const char*> offers[] = {
      {"F7", false, false, "S+F7"}, {"F7", true, true, "F7"}, {"S+F7", false, true, "S+F7"}};
  for (const auto& [notation, windows_key, other_key, offered] : offers) {
    const KeyOffer offer = OfferKey(notation, windows_key);
    EXPECT_EQ(std::tie(offer.other_key, offer.notation), std::make_tuple(other_key, offered));
  }
}

}  // namespace
}  // namespace kestrix
