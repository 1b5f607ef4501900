#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/mode_rules.h"
#include "base/path_text.h"
#include "base/text_utils.h"
#include "base/utf8.h"
#include "create/attribute_editor.h"
#include "create/batch_list.h"
#include "create/creation_plan.h"
#include "create/creation_run.h"
#include "create/dir_attributes.h"
#include "create/dir_history.h"
#include "create/directory_structure.h"
#include "create/file_creation.h"
#include "create/history_undo.h"
#include "create/invalid_chars.h"
#include "create/level_creation.h"
#include "create/name_list_loading.h"
#include "create/run_record.h"
#include "create/run_settings.h"
#include "create/run_undo.h"
#include "create/user_structures.h"
#include "create/virtual_panel.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_views.h"
#include "fakes/fake_window_system.h"
#include "fakes/user_settings_file.h"
#include "host/host_snapshot.h"
#include "settings/big_ini_file.h"

namespace kestrix {
namespace {
using Lines = std::vector<std::string>;
using namespace std::string_literals;
constexpr char kApp[] = "Total Commander Kestrix";
TEST(AttributeTag, LettersInFixedOrderAndTheFieldAcceptsOnlyNewLowerCaseLetters) {
  const std::tuple<DirAttributeSet, const char*, const char*> cases[] = {
      {{false, false, false, false}, "", ""},
      {{true, false, true, false}, "[r-h-]", "rh"},
      {{false, true, false, true}, "[-a-s]", "as"}};
  for (const auto& [set, tag, letters] : cases) {
    EXPECT_EQ(AttributeTag(set) + "|" + AttributeLetters(set), std::string(tag) + "|" + letters);
    EXPECT_EQ(AttributeLetters(AttributesFromLetters(letters)), letters);
  }
  // The field accepts only new lower-case letters, and Backspace.
  const std::tuple<char, const char*, std::size_t, std::size_t, bool, bool> letters_typed[] = {
      {'s', "", 0, 0, true, false},
      {'s', "s", 1, 0, false, false},
      {'S', "", 0, 0, false, false},
      {'r', "r", 0, 1, true, false},
      {'r', "rh", 0, 1, false, false},
      {'r', "rh", 0, 99, true, false},
      {'r', "rh", 7, 3, false, false},
      {'r', "rh", 1, 5, false, false},
      {kCharBackspace, "rh", 2, 0, true, false},
      {kCharCtrlA, "rh", 1, 0, false, true}};
  for (const auto& [typed, text, start, length, accept, select_all] : letters_typed) {
    LetterKeyDecision d = FilterAttributeLetter(typed, text, start, length);
    EXPECT_EQ(std::tie(d.accept, d.select_all), std::tie(accept, select_all)) << int(typed) << text;
  }
}

TEST(AttributeEditor, MenuAndFieldKeepTitleAndFieldInStep) {
  AttributeEditor editor;
  AttributeUpdate u = editor.ToggleFromMenu(DirAttribute::kHidden, kApp, InputMode::kNormal);
  EXPECT_FALSE(u.field_open);
  u = editor.ToggleFromMenu(DirAttribute::kSystem, kApp, InputMode::kExtended);
  EXPECT_EQ(u.title, std::string(kApp) + " v1.6.0.5 [--hs]");
  EXPECT_TRUE(editor.IsChecked(DirAttribute::kHidden));
  EXPECT_FALSE(editor.IsChecked(DirAttribute::kReadOnly));
  EXPECT_EQ(editor.OpenField(), "hs");
  u = editor.ToggleFromMenu(DirAttribute::kReadOnly, kApp, InputMode::kNormal);
  EXPECT_EQ(std::tie(u.field_open, u.field_text, u.title),
            std::make_tuple(true, "rhs"s, std::string(kApp) + " [r-hs]"));
  // Typed letters are rewritten in fixed order; an empty field unchecks everything.
  u = editor.FieldChanged("sr", kApp, InputMode::kNormal);
  EXPECT_EQ(std::tie(u.field_text, u.title), std::make_tuple("rs"s, std::string(kApp) + " [r--s]"));
  u = editor.FieldChanged("", kApp, InputMode::kNormal);
  EXPECT_EQ(std::tie(u.field_text, u.title), std::make_tuple(""s, std::string(kApp) + " "));
  for (DirAttribute a : kDirAttributeOrder) EXPECT_FALSE(editor.IsChecked(a));
}

TEST(BatchList, NumberForms) {
  const std::tuple<int, const char*, const char*> cases[] = {
      {0, "", ""},          {9, "IX", "I"},         {26, "XXVI", "Z"},        {27, "XXVII", "AA"},
      {702, "DCCII", "ZZ"}, {703, "DCCIII", "AAA"}, {1994, "MCMXCIV", "BXR"}, {-3, "", ""}};
  for (const auto& [value, roman, abc] : cases)
    EXPECT_EQ(FormatRoman(value) + "|" + FormatAbc(value), std::string(roman) + "|" + abc) << value;
  EXPECT_EQ(FormatDecimal(7, 3) + "|" + FormatDecimal(12345, 2), "007|12345");
}

BatchFields Series(int from, int to, int step, int digits, NumberForm form = NumberForm::kDecimal,
                   const std::string& prefix = "", const std::string& suffix = "") {
  return {from, to, step, digits, prefix, suffix, form};
}

TEST(BatchList, SeriesDirectionStepFormsAndClamping) {
  const std::pair<BatchFields, Lines> cases[] = {
      {Series(8, 12, 1, 2), {"08", "09", "10", "11", "12"}},
      {Series(12, 8, 1, 2), {"12", "11", "10", "09", "08"}},
      {Series(1, 10, 4, 1), {"1", "5", "9"}},
      {Series(1, 4, 1, 3, NumberForm::kRoman), {"I", "II", "III", "IV"}},
      {Series(25, 28, 1, 1, NumberForm::kAbc), {"Y", "Z", "AA", "AB"}},
      {Series(1, 3, 1, 1, NumberForm::kNone), {}},
      {Series(3, 9, 10000, 1), {"3"}},
      {Series(2, 4, 0, 1), {"2", "3", "4"}},
      {Series(2, 0, -5, 1), {"2", "1", "0"}},
      {Series(1, 1, 1, 99), {"0000000001"}},
      {Series(-7, 0, 1, 0), {"0"}},
      {Series(1, 2, 1, 1, NumberForm::kDecimal, "Photo ", " (backup)"),
       {"Photo 1 (backup)", "Photo 2 (backup)"}},
      {Series(1, 2, 1, 1, NumberForm::kDecimal, " * x*y"), {"x*y1", "x*y2"}}};
  for (const auto& [fields, entries] : cases)
    EXPECT_EQ(SplitLines(GenerateBatchDirList(fields)), entries)
        << fields.from << ".." << fields.to;
  const Lines all = GenerateBatchEntries(Series(0, 2000000000, 1, 1));
  EXPECT_EQ(std::make_pair(all.size(), all.back()), std::make_pair(std::size_t{10001}, "10000"s));
  EXPECT_EQ(GenerateBatchDirList(Series(1, 2, 1, 1, NumberForm::kDecimal, "Photo ", "*raw*jpg")),
            "Photo 1\r\n*raw\r\n*jpg\r\nPhoto 2\r\n*raw\r\n*jpg");
}

BatchFieldTexts With(BatchField field, const std::string& text) {
  BatchFieldTexts texts;
  std::string* slots[] = {&texts.from, &texts.to, &texts.step, &texts.digits};
  *slots[static_cast<int>(field)] = text;
  return texts;
}

TEST(BatchList, FieldCorrections) {
  using F = BatchField;
  const std::tuple<F, const char*, std::optional<std::string>> cases[] = {
      {F::kFrom, "", "0"},
      {F::kFrom, "20000", "10000"},
      {F::kTo, "10000", std::nullopt},
      {F::kTo, "10001", "10000"},
      {F::kStep, "0", "1"},
      {F::kDigits, "", "1"},
      {F::kDigits, "11", "10"},
      {F::kDigits, "10", std::nullopt},
      {F::kFrom, "1a2", "12"},
      {F::kFrom, "007", std::nullopt},
      {F::kTo, "99999999999999999999", "10000"}};
  for (const auto& [field, text, corrected] : cases) {
    const BatchFieldChange change = OnBatchFieldChange(field, With(field, text), true, false);
    EXPECT_EQ(change.corrected, corrected) << text;
    // A correction does nothing else: the change it causes runs the handler again, and
    // the corrected text needs no further correction.
    if (change.corrected) {
      EXPECT_FALSE(change.regenerate || change.digits) << text;
      EXPECT_FALSE(
          OnBatchFieldChange(field, With(field, *change.corrected), true, false).corrected);
    }
  }
}

TEST(BatchList, BoundChangesSetDirectionAndAutomaticDigits) {
  const std::tuple<const char*, const char*, bool, bool, std::optional<std::string>> cases[] = {
      {"1", "3", true, false, "1"},     {"8", "12", true, false, "2"},
      {"100", "9", true, true, "3"},    {"8", "12", false, false, std::nullopt},
      {"0", "10000", true, false, "5"}, {"05", "5", true, false, "1"},  // equal: ascending
  };
  for (const auto& [from, to, digits_auto, descending, digits] : cases) {
    BatchFieldTexts texts;
    texts.from = from;
    texts.to = to;
    for (BatchField field : {BatchField::kFrom, BatchField::kTo}) {
      const BatchFieldChange change = OnBatchFieldChange(field, texts, digits_auto, false);
      EXPECT_TRUE(change.regenerate && !change.corrected);
      EXPECT_EQ(std::tie(change.descending, change.digits), std::tie(descending, digits))
          << from << ".." << to;
    }
  }
  EXPECT_FALSE(OnBatchFieldChange(BatchField::kStep, BatchFieldTexts{}, true, true).regenerate);
  EXPECT_TRUE(OnBatchFieldChange(BatchField::kStep, BatchFieldTexts{}, true, false).regenerate);
}

TEST(BatchList, PrefillFromTheLastLine) {
  using S = std::optional<std::string>;
  using I = std::optional<int>;
  const std::tuple<Lines, I, I, S, S> cases[] = {
      {{"a", "Disc 07"}, 8, 10, "Disc ", {}},      {{"2010 report"}, 2011, 2013, {}, " report"},
      {{"Take12345"}, 2346, 2348, "Take1", {}},    {{"9999"}, 10000, 10000, "", {}},
      {{"v9998"}, 9999, 10000, "v", {}},           {{"1x"}, 2, 4, {}, "x"},
      {{"Disc 07 "}, {}, {}, "Disc 07 ", {}},      {{"b", "*g"}, {}, {}, "b\\g", {}},
      {{"p", "*q", "**D7"}, 8, 10, "p\\p\\D", {}}, {{"p", "* 20 x"}, 21, 23, "p\\", " x"}};
  for (const auto& [list, from, to, prefix, suffix] : cases) {
    const std::optional<BatchPrefill> p = PrefillFromList(list);
    ASSERT_TRUE(p) << JoinLines(list);
    EXPECT_EQ(std::tie(p->from, p->to, p->prefix, p->suffix), std::tie(from, to, prefix, suffix))
        << JoinLines(list);
  }
  EXPECT_FALSE(PrefillFromList({"Disc 07", "   "}) || PrefillFromList({}) ||
               PrefillFromList({"***"}));
  EXPECT_EQ(PrefillFromList({"x7"})->from, 8);  // one digit
}

Lines Labels(int first, int last, Lines lines = {}) {
  for (int i = first; first <= last ? i <= last : i >= last; i += first <= last ? 1 : -1)
    lines.push_back(std::string(1, 'L').append(std::to_string(i)));
  return lines;
}

TEST(BatchList, AffixItemsAndTheSuffixEditorRoundTrip) {
  EXPECT_EQ(
      BuildAffixItems({"b", "a=x", " ", "b", "c", "a=x", ""}, {"Disc ", "k=v"}, AffixList::kPrefix),
      (Lines{"b", "c", "x", "Disc ", "k=v"}));
  EXPECT_EQ(BuildAffixItems({}, {"s", "s"}, AffixList::kSuffix), (Lines{"s", "s"}));
  EXPECT_EQ(BuildAffixItems({"A", "a"}, {}, AffixList::kPrefix), (Lines{"A", "a"}));
  // A long list gives both ends; with 30 lines the suffix takes line 16 twice, keeping
  // its later place.
  EXPECT_EQ(BuildAffixItems(Labels(1, 31), {}, AffixList::kPrefix), Labels(31, 17, Labels(1, 16)));
  EXPECT_EQ(BuildAffixItems(Labels(1, 30), {}, AffixList::kPrefix), Labels(1, 30));
  EXPECT_EQ(BuildAffixItems(Labels(1, 30), {}, AffixList::kSuffix), Labels(30, 16, Labels(1, 15)));
  Lines with_gap = Labels(1, 40);
  with_gap[20] = "   ";  // a blank line outside both ends changes nothing
  with_gap[0] = "";
  const Lines items = BuildAffixItems(with_gap, {}, AffixList::kPrefix);
  EXPECT_EQ(std::make_tuple(items.size(), items.front(), items.back()),
            std::make_tuple(std::size_t{30}, "L2"s, "L26"s));
  EXPECT_EQ(SuffixToEditorText(" x*a*b ", "Subdir"), "x\r\n*a\r\n*b");
  EXPECT_EQ(SuffixToEditorText(" report", " Subdir "), "report\r\n* Subdir 1");
  EXPECT_EQ(SuffixToEditorText("", "Subdir"), "* Subdir 1");
  EXPECT_EQ(SuffixFromEditorText("x\r\n*a\r\n*b\r\n"), "x*a*b");
}

struct RunFixture {
  FakeFileSystem fs;
  RecordingFileSystem recording{fs};
  FakeEnvironment env{{"TEMP", "C:\\Temp"}, {"LOCALAPPDATA", "C:\\Local"}};
  FakeCodePage code_page;
  FakeMessageBoxes boxes;
  FakeModifierKeys keys;
  EnglishLanguageTable language;
  FakeWindowSystem windows;
  WindowHandle host_window = windows.Add(0, kHostWindowClass, "Total Commander");
  WindowHandle right_list = windows.Add(host_window, "TMyListBox");
  WindowHandle left_list = windows.Add(host_window, "TMyListBox");
  HostCommands host{windows, env, windows.Add(0, "Ttc_KestrixForm", "Kestrix")};
  HistoryPlaces places{"C:\\TC\\wincmd.ini", "C:\\TC\\Kestrix", "tc Kestrix", ""};
  DirHistory history{fs, env, places, &code_page};
  CreationSettings settings;
  HostSnapshot snapshot;
  DirAttributeSet attributes;
  FakeCreationView view;
  std::string routine;
  std::unique_ptr<CreationRun> run;
  RunFixture() {
    fs.AddDirectory("C:\\Data");
    fs.AddDirectory("C:\\TC\\Kestrix");
    fs.AddFile(places.commander_ini, "[left]\r\npath=C:\\\r\n");
    snapshot.host_window = host_window;
    snapshot.first_list = snapshot.focused_window = right_list;
    snapshot.second_list = left_list;
    snapshot.current_path = "C:\\Data\\";
    settings.commander_ini = places.commander_ini;
    settings.windows_dir = "C:\\Windows";
    // "%Y" stands for the year, as the name engine would expand it.
    auto replace = [this](const std::string& t) {
      return ReplaceAll(Trim(env.Expand(t)), "%Y", "2024");
    };
    CreationServices services{recording, env,  code_page, boxes,  keys,
                              language,  host, history,   replace};
    run = std::make_unique<CreationRun>(services, settings, snapshot, attributes, view, routine);
  }
  // Arrangements the tables share.
  RunFixture& Closing() {
    view.close_window = true;
    return *this;
  }
  RunFixture& Gone() {
    snapshot.current_path = "C:\\Gone\\Deeper\\";
    return *this;
  }
  void Ok(const std::string& name) {
    view.normal = true;
    view.name = name;
    run->CreateFromInput();
  }
  void OkList(const std::string& list) {
    view.normal = false;
    view.list = list;
    run->CreateFromInput();
  }
  // Host traffic as text: "CD:R:<path>", "CD:L:<path>", "EM:<command>".
  Lines Sent() const {
    Lines out;
    for (const auto& s : windows.SentCopyData()) {
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
    for (const auto& p : windows.Posted()) out.push_back(p.wparam);
    return out;
  }
  std::string Box() const { return boxes.shown.empty() ? "" : boxes.shown[0].text; }
};

using Posts = std::vector<uintptr_t>;
// What a run leaves, as its non-empty parts: the directories made (with attribute bits
// beyond the directory's), the host traffic, the history, the first message box, the failed
// lines, what the input field keeps, the current path and the window's state; "~" is C:\Data\.
std::string Outcome(RunFixture& f) {
  std::string out;
  auto add = [&out](const char* label, const auto& items) {
    std::ostringstream text;
    for (const auto& item : items) text << (text.tellp() > 0 ? "," : "") << item;
    if (text.tellp() > 0) out.append(out.empty() ? "" : "; ").append(label).append(text.str());
  };
  Lines made = f.fs.CreatedDirectories();
  for (std::string& dir : made)
    if (uint32_t bits = f.fs.GetAttributes(dir) & ~kAttrDirectory)
      dir += "+" + std::to_string(bits);
  add("made ", made);
  add("sent ", f.Sent());
  add("post ", f.Posted());
  add("history ", f.view.history);
  add("box ", Lines{ReplaceAll(f.Box(), "\r\n", "/").substr(0, 48)});
  add("failed ", f.run->Failures());
  add("field ", Lines{f.view.normal ? f.view.name : f.view.list});
  add("path ", Lines{f.snapshot.current_path});
  out += std::string(f.view.closed ? "; closed" : "") + (f.view.terminated ? "; ended" : "") +
         (f.view.fronted ? "; front" : "");
  return ReplaceAll(out, "C:\\Data\\", "~");
}

const auto kMakeTxt = [](RunFixture& f) { f.settings.file_creation = {true, false, {"txt"}, {}}; };
TEST(CreationRun, Scenarios) {
  const std::tuple<const char*, std::function<void(RunFixture&)>, bool, const char*, const char*>
      cases[] = {
          {"new name: made, host goes to its parent with the cursor on it",
           [](RunFixture& f) { f.Closing().attributes.hidden = true; }, false, "Reports",
           "made ~Reports+2; sent CD:R:~Reports; post 2002,540; history Reports; field Reports; "
           "path ~; closed"},
          {"the history records the text before replacements",
           [](RunFixture& f) { f.view.replacements = true; }, false, "Year %Y",
           "made ~Year 2024; sent CD:R:~Year 2024; post 2002,540; history Year %Y; path ~; front"},
          {"an existing name is entered, the window stays",
           [](RunFixture& f) { f.fs.AddDirectory("C:\\Data\\Old"); }, false, "Old",
           "sent CD:R:~Old; post 540; path ~Old\\; front"},
          {"an empty name enters the current path", [](RunFixture&) {}, false, "",
           "sent CD:R:~; post 540; path ~; front"},
          {"a chain stops at its failing level, the host goes as far as it got",
           [](RunFixture& f) { f.Closing().fs.FailPath("C:\\Data\\a\\b", kErrorAccessDenied); },
           false, "a\\b\\c",
           "made ~a; sent CD:R:~a; post 2002,540; history a\\b\\c; box Windows denied access "
           "to \"~a\\b\": it is re; failed a\\b\\c; field a\\b\\c; path ~"},
          {"a chain refused at its first level sends the host nowhere", [](RunFixture&) {}, false,
           "com1\\a", "box \"~com1\": reserved name; failed com1\\a; field com1\\a; path ~"},
          {"a list keeps only its failing line, silently",
           [](RunFixture& f) { f.Closing().fs.FailPath("C:\\Data\\bad", kErrorAccessDenied); },
           true, "x\r\n*y\r\n\r\nbad\r\nz",
           "made ~x,~x\\y,~z; sent CD:R:~z; post 2002,540; failed bad; field bad; path ~"},
          {"a single-line list runs as one name", [](RunFixture&) {}, true, "solo\r\n",
           "made ~solo; sent CD:R:~solo; post 2002,540; history solo; path ~; front"},
          {"stars and pipes in a name make the tree they name", [](RunFixture&) {}, false,
           "proj*src*doc|notes",
           "made ~proj,~proj\\src,~proj\\doc,~notes; sent CD:R:~notes; post 2002,540,540; history "
           "proj*src*doc|notes; path ~; front"},
          {"piped names are a list, recorded as typed, ending the program",
           [](RunFixture& f) { f.view.close_window = true; }, false, " a|b|c ",
           "made ~a,~b,~c; sent CD:R:~c; post 2002,540; history a|b|c; field  a\r\nb\r\nc ; "
           "path ~; ended"},
          {"an absolute path makes its parents and the host enters it", [](RunFixture&) {}, false,
           "C:\\X\\Y",
           "made C:\\X,C:\\X\\Y; sent CD:R:C:\\X\\Y\\; post 540,540; path C:\\X\\Y\\; front"},
          {"the left list gets its own request",
           [](RunFixture& f) { f.snapshot.focused_window = f.left_list; }, false, "y",
           "made ~y; sent CD:L:~y; post 2002,540; history y; path ~; front"},
          {"an environment reference goes through the user command",
           [](RunFixture& f) {
             f.snapshot.focused_window = f.left_list;
             f.settings.enter_cmd_installed = true;
             f.snapshot.current_path = "%TEMP%\\";
             f.fs.AddDirectory("C:\\Temp");
             f.view.enter_dir = true;
           },
           false, "x",
           "made %TEMP%,%TEMP%\\x; sent EM:em_KestrixEnter %%TEMP%%\\x; post 540; history x; box "
           "Folder Name: x/Current Path: %TEMP%\\//The Curren; path %TEMP%\\x\\; front"},
          {"DoNotEnterDeepest selects the first level",
           [](RunFixture& f) { f.settings.do_not_enter_deepest = true; }, false, "p\\q",
           "made ~p,~p\\q; sent CD:R:~p; post 2002,540; history p\\q; path ~; front"},
          {"a missing current path is made on Yes; forced levels get no attributes",
           [](RunFixture& f) { f.Gone().attributes.hidden = true; }, false, "New",
           "made C:\\Gone,C:\\Gone\\Deeper,C:\\Gone\\Deeper\\New; sent CD:R:C:\\Gone\\Deeper\\New; "
           "post 2002,540; history New; box Folder Name: New/Current Path: C:\\Gone\\Deeper\\//; "
           "path C:\\Gone\\Deeper\\; front"},
          {"a missing current path refused: nothing is made",
           [](RunFixture& f) { f.Gone().boxes.answers = {kIdNo}; }, false, "New",
           "box Folder Name: New/Current Path: C:\\Gone\\Deeper\\//; field New; path "
           "C:\\Gone\\Deeper\\"},
          {"a chain under a missing current path",
           [](RunFixture& f) { f.snapshot.current_path = "C:\\New\\"; }, false, "x\\y",
           "made C:\\New,C:\\New\\x,C:\\New\\x\\y; sent CD:R:C:\\New\\x\\y; post 2002,540; history "
           "x\\y; box Current Path: C:\\New\\//The Current Path is incor; path C:\\New\\; front"},
          {"Shift enters", [](RunFixture& f) { f.keys.down = {kVkShift}; }, false, "N",
           "made ~N; sent CD:R:~N; post 540; history N; path ~N\\; front"},
          {"Ctrl closes", [](RunFixture& f) { f.keys.down = {kVkControl}; }, false, "N",
           "made ~N; sent CD:R:~N; post 2002,540; history N; field N; path ~; closed"},
          {"Alt keeps the window open", [](RunFixture& f) { f.Closing().keys.down = {kVkAlt}; },
           false, "N", "made ~N; sent CD:R:~N; post 2002,540; history N; path ~; front"},
          {"a file is made and the host shows its new folder", kMakeTxt, false, "web\\notes.txt",
           "made ~web; sent CD:R:~web; post 2002,540; history web\\notes.txt; path ~; front"},
          {"a file in the current path: the host re-reads its panel", kMakeTxt, false, "notes.txt",
           "post 540; history notes.txt; path ~; front"},
          {"an existing file is refused",
           [](RunFixture& f) {
             kMakeTxt(f);
             f.fs.AddFile("C:\\Data\\old.txt", "keep");
           },
           false, "old.txt",
           "box Error: A file with this name already exists!; field old.txt; path ~"},
          {"a virtual panel path resolves through its list file",
           [](RunFixture& f) {
             f.fs.AddDrive("D:");
             f.fs.AddDirectory("D:\\Real");
             f.fs.AddFile("C:\\Windows\\fsplugin.ini",
                          "[Virtual Panel]\r\nDefFileList=%TEMP%\\vp.lst\r\n");
             f.fs.AddFile("C:\\Temp\\vp.lst",
                          "\xFF\xFE" + Utf16LeFromUtf8("\\Proj\r\nD:\\Real\r\n"));
             f.snapshot.current_path = "\\\\\\Virtual Panel\\Proj\\";
             f.view.enter_dir = true;
           },
           false, "New",
           "made D:\\Real\\New; sent CD:R:\\\\\\Virtual Panel\\Proj\\New; post 540; history New; "
           "path D:\\Real\\New\\; front"},
          {"a virtual folder its list does not know stays virtual",
           [](RunFixture& f) {
             f.snapshot.current_path = "\\\\\\Virtual Panel\\Proj\\";
             f.boxes.answers = {kIdNo};
           },
           false, "New",
           "box Folder Name: New/Current Path: \\\\\\Virtual Panel\\; field New; path "
           "\\\\\\Virtual Panel\\Proj\\"}};
  for (const auto& [what, arrange, list, typed, outcome] : cases) {
    RunFixture f;
    arrange(f);
    list ? f.OkList(typed) : f.Ok(typed);
    EXPECT_EQ(Outcome(f), outcome) << what;
    // A path the run moved to is shown.
    EXPECT_TRUE(f.view.shown_path.empty() || f.view.shown_path == f.snapshot.current_path)
        << what << ": " << f.view.shown_path;
  }
}

TEST(CreationRun, AHistoryEntryTheHostsAnsiFileCannotHoldIsLeftOutAndLogged) {
  RunFixture f;
  f.Ok("\xC5\x81\xC3\xB3\x64\xC5\xBA");  // "Łódź": no form in the ANSI wincmd.ini
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\Data\\\xC5\x81\xC3\xB3\x64\xC5\xBA"));
  EXPECT_TRUE(f.boxes.shown.empty());
  ASSERT_EQ(f.view.logged.size(), 1u);
  EXPECT_NE(f.view.logged[0].find("left out of the directory history"), std::string::npos);
}

TEST(CreationRun, RefusedTextsMakeNothingAndSayWhy) {
  const char* const kNothing = "There is nothing to create";
  const std::tuple<const char*, bool, bool, const char*> cases[] = {
      // list, replacements
      {"Q:\\X", false, false, "The folder of \"Q:\\X\" was not found."},  // no such drive
      {"|||||", false, false, kNothing},
      {"***\r\n|", true, false, kNothing},
      {"\\/\\", false, false, kNothing},
      {"%BLANK%", false, true, kNothing}};
  for (const auto& [typed, list, replacements, box] : cases) {
    RunFixture f;
    f.env.Set("BLANK", "  ");
    f.view.replacements = replacements;
    f.view.close_window = true;
    list ? f.OkList(typed) : f.Ok(typed);
    EXPECT_TRUE(f.fs.CreatedDirectories().empty()) << typed;
    EXPECT_TRUE(f.Box().starts_with(box)) << typed << ": " << f.Box();
    EXPECT_EQ(f.boxes.shown.size(), 1u) << typed;
    EXPECT_TRUE(f.Sent().empty() && f.Posted().empty()) << typed;
    EXPECT_FALSE(f.view.closed || f.view.terminated) << typed;
    EXPECT_GT(f.view.focus_count, 0) << typed;
  }
}

std::vector<PlannedPath> Preview(RunFixture& f, bool list, const std::string& typed,
                                 bool answer = true) {
  PlanInput input{
      f.snapshot.current_path, !list, typed, typed, f.view.replacements, f.settings.invalid_chars,
      f.settings.file_creation};
  if (!list) input.list_text = CarryNameIntoList(typed, typed).list.value_or(typed);
  const CreationPlan plan = PlanCreation(
      input, [&](const std::string& t) { return f.env.Expand(t); },
      [&](const std::string& t) { return ReplaceAll(Trim(f.env.Expand(t)), "%Y", "2024"); });
  std::vector<PlannedPath> paths = PlannedPaths(plan, f.snapshot.current_path);
  MarkPaths(paths, f.fs.DirectoryExists(f.snapshot.current_path),
            [&](const std::string& path) -> std::optional<uint32_t> {
              return answer ? std::optional(f.fs.GetAttributes(path)) : std::nullopt;
            });
  return paths;
}

const auto Times = [](int n, std::string_view s) {
  return ReplaceAll(std::string(n, 'x'), "x", s);
};

// F9 and OK over one input in each mode: the name field, the list, and Batch (the input as
// the prefix of 1..2). The fake file system takes any length and device name, as Wine does;
// OK makes what F9 marks new and says of each path F9 refuses what F9 says. "~" is C:\Data\.
TEST(CreationPlan, WhatTheTreePreviewMarksIsWhatOkDoes) {
  const auto chars = [](InvalidCharAction action) {
    return [action](RunFixture& f) { f.settings.invalid_chars = {action, "_", {{"&", "and"}}}; };
  };
  const std::pair<std::function<void(RunFixture&)>, std::string> inputs[] = {
      {{}, "a\\b\\c"},
      {{}, "proj*src*doc|notes"},
      {{}, "C:\\X\\Y"},                         // absolute; in a list, "C:" holds ":"
      {{}, "C:\\X\\" + std::string(300, 'L')},  // X is made, the level below is too long
      {{}, "a\\com1\\b"},
      {{}, "CON|nul.txt\\x"},
      {{}, "a?b\\c|d"},  // the warning refuses only the name with "?"
      {{}, "tab\there"},
      {{}, "x\\..\\y|."},
      {{}, "abc. |abc"},            // one directory for Windows
      {{}, std::string(239, 'L')},  // ~ + 239 = 247 UTF-16 units: the limit
      {{}, std::string(240, 'L')},
      {{}, Times(239, "\xD0\xB6")},  // 239 Cyrillic letters: 478 bytes, 247 units
      {{}, Times(240, "\xD0\xB6")},
      {{}, Times(119, "\xF0\x9F\x98\x80")},  // 119 emoji: surrogate pairs, 246 units
      {{}, Times(120, "\xF0\x9F\x98\x80")},
      {{}, "d\\" + std::string(237, 'L')},  // a chain stops at its second level
      {[](RunFixture& f) { f.view.replacements = true; }, "Year %Y\\%TEMP%x"},
      {[](RunFixture& f) { f.fs.AddDirectory("C:\\Data\\old"); }, "old\\new|old"},
      {[](RunFixture& f) { f.fs.AddDirectory("C:\\Data\\a\\b"); }, "A\\b\\c"},
      {[](RunFixture& f) { f.fs.AddFile("C:\\Data\\notes.txt", ""); }, "notes.txt\\x|z"},
      {kMakeTxt, "web\\docs\\notes.txt"},
      {kMakeTxt, "con.txt"},
      {kMakeTxt, "x\\" + std::string(245, 'L') + ".txt"},  // a file may be 259 units long
      {chars(InvalidCharAction::kWarn), "R&D\\x|y"},
      {chars(InvalidCharAction::kReplace), "R&D\\x"},
      {[](RunFixture& f) { f.fs.AddFile("C:\\Data\\notes", ""); }, "notes"},
      {{}, "C:\\X\\a?b\\c"},
      {{}, "proj|*src|**lib|* doc"},
      {{}, "*star"}};
  EnglishLanguageTable language;
  for (const auto& [arrange, input] : inputs)
    for (const char* mode : {"Normal", "Extended", "Batch"}) {
      RunFixture f;
      if (arrange) arrange(f);
      const bool list = mode[0] != 'N';
      const std::string typed =
          mode[0] == 'B' ? GenerateBatchDirList(Series(1, 2, 1, 1, NumberForm::kDecimal, input))
                         : input;
      Lines planned, refused, made;
      for (const PlannedPath& path : Preview(f, list, typed))
        if (path.mark == PathMark::kNew)
          planned.push_back(path.path);
        else if (path.mark > PathMark::kExists && path.mark < PathMark::kBlocked)  // refused
          refused.push_back("\"" + path.path + "\": " + MarkText(path, language));
      list ? f.OkList(typed) : f.Ok(typed);
      for (const MadeItem& item : f.recording.Record().made) made.push_back(item.path);
      const std::string row = std::string(mode) + ": " + typed.substr(0, 40);
      EXPECT_FALSE(planned.empty() && refused.empty()) << row;
      EXPECT_EQ(made, planned) << row;
      // One message says why, for every refused path; nothing else is said.
      EXPECT_EQ(f.boxes.shown.size(), refused.empty() ? 0u : 1u) << row << ": " << f.Box();
      EXPECT_EQ(f.boxes.shown.empty() ? Lines{} : SplitLines(f.Box()), refused) << row;
    }
}

TEST(CreationPlan, MarksAndCountLine) {
  const std::string kLong(240, 'x'), kZh = Times(239, "\xD0\xB6"),
                                     kEmoji = Times(120, "\xF0\x9F\x98\x80");
  const std::tuple<const char*, bool, std::string, std::string, const char*> cases[] = {
      // current path, existence answered, list, tree, count line
      {"C:\\Data\\", true, "old\\x\r\nnew\\y\r\nold", "old:exists x:new new:new y:new",
       "3 new, 1 exist"},
      {"C:\\Data\\", true, "c?d\\e\r\nNUL\r\ncom1.txt\\f\r\n" + kLong + "\r\nok",
       "c?d:invalid character ? e:its parent cannot be made NUL:reserved name "
       "com1.txt:reserved name f:its parent cannot be made " +
           std::string(kLong) + ":too long for a path ok:new",
       "1 new, 0 exist, 1 invalid, 2 reserved, 1 too long, 2 blocked"},
      {"C:\\Data\\", false, "a\\b\r\nc", "a:checking... b:checking... c:checking...",
       "3 to check, 0 new, 0 exist"},
      {"C:\\Gone\\", false, "a\\b", "a:new b:new", "2 new, 0 exist"},
      {"C:\\Data\\", true, "notes.txt\\x",
       "notes.txt:a file has this name x:its parent cannot be made",
       "0 new, 0 exist, 1 taken by a file, 1 blocked"},
      {"C:\\Data\\", true, "C:\\Data\\n\\m", "C:\\Data:exists n:new m:new", "2 new, 1 exist"},
      // Lengths in UTF-16 units: ~ and 239 Cyrillic letters are 247, 120 emoji 248.
      {"C:\\Data\\", true, kZh + "\r\n" + kEmoji + "\r\n..",
       kZh + ":new " + kEmoji + ":too long for a path ..:invalid character .",
       "1 new, 0 exist, 1 invalid, 1 too long"}};
  EnglishLanguageTable language;
  for (const auto& [base, answer, list, tree, count] : cases) {
    RunFixture f;
    f.fs.AddDirectory("C:\\Data\\old");
    f.fs.AddFile("C:\\Data\\notes.txt", "");
    f.snapshot.current_path = base;
    const std::vector<PlannedPath> paths = Preview(f, !IsAbsolutePath(list), list, answer);
    std::string shown;
    for (std::size_t i : TreeOrder(paths))
      shown += (shown.empty() ? "" : " ") + paths[i].name + ":" + MarkText(paths[i], language);
    EXPECT_EQ(shown, tree) << list;
    EXPECT_EQ(CountLine(CountMarks(paths), language), count) << list;
  }
}

TEST(FileCreation, OnlyAnEnabledOrKnownExtensionOfTheLastLevelMakesAFile) {
  const FileCreationRules off{false, false, {"txt"}, {}};
  const FileCreationRules on{true, false, {"txt", " HTML "}, {}};
  const FileCreationRules detect{
      true, true, {"txt"}, [](const std::string& e) { return e == "zip"; }};
  const std::tuple<const FileCreationRules&, std::string, std::optional<FileTarget>> cases[] = {
      {off, "notes.txt", std::nullopt},
      {on, "notes.TXT", FileTarget{"", "notes.TXT"}},
      {on, "src\\web\\index.html", FileTarget{"src\\web", "index.html"}},
      {on, "notes.txt\\", std::nullopt},
      {on, ".txt", std::nullopt},
      {on, "a.txt|b.txt", std::nullopt},
      {on, "archive.zip", std::nullopt},
      {detect, "archive.zip", FileTarget{"", "archive.zip"}}};
  for (const auto& [rules, text, target] : cases)
    EXPECT_EQ(FileTargetOf(text, rules), target) << text;
}

TEST(CreationRun, ChainEntersExistingLevelsAndGivesNewOnesTheAttributes) {
  RunFixture f;
  f.fs.AddDirectory("C:\\Data\\a");
  f.attributes.system = true;
  f.settings.update_tree_info = "True";
  f.fs.AddFile("C:\\Local\\GHISLER\\treeinfo.wc", "");
  f.view.replacements = true;
  f.Ok("a/b\\%Y");
  EXPECT_EQ(f.fs.GetAttributes("C:\\Data\\a"), kAttrDirectory);
  EXPECT_EQ(f.fs.GetAttributes("C:\\Data\\a\\b\\2024"), kAttrDirectory | kAttrSystem);
  // The chain is recorded after replacements, once.
  EXPECT_EQ(f.view.history, (Lines{"a/b\\2024"}));
  EXPECT_EQ(f.fs.FileContent("C:\\Local\\GHISLER\\treeinfo.wc"),
            "[Data\\a\\b\\]\r\n[Data\\a\\b\\2024\\]\r\n");
  EXPECT_EQ(f.Sent(), (Lines{"CD:R:C:\\Data\\a/b\\2024"}));
}

// A record as "base: item,item", files marked "f:".
std::string RecordText(const RunRecord& r) {
  Lines items;
  for (const MadeItem& item : r.made)
    items.push_back((item.directory ? "" : "f:") + ReplaceAll(item.path, "C:\\Data\\", "~"));
  return r.base + ":" + (items.empty() ? "" : " ") + ReplaceAll(JoinLines(items), "\r\n", ",");
}

constexpr char kRuns[] = "C:\\TC\\Kestrix\\tc Kestrix.runs";
constexpr char kSettingsFile[] = "C:\\TC\\Kestrix\\tc Kestrix.ini";
TEST(RunRecord, HoldsWhatTheRunMadeAndItsFileKeepsTheLastTwentyRunsAndFailsWithoutHarm) {
  // arrange, list mode, typed, record
  const std::tuple<std::function<void(RunFixture&)>, bool, const char*, const char*> cases[] = {
      {[](RunFixture& f) { f.fs.AddDirectory("C:\\Data\\old\\in"); }, true,
       "x\r\n*y\r\nold\r\n*in\r\n*new", "C:\\Data: ~x,~x\\y,~old\\new"},
      {[](RunFixture& f) { f.fs.AddDirectory("C:\\Data\\a"); }, false, "a\\b\\c",
       "C:\\Data\\a: ~a\\b,~a\\b\\c"},
      {[](RunFixture&) {}, false, "C:\\X\\Y", "C:\\: C:\\X,C:\\X\\Y"},
      {[](RunFixture& f) { f.Gone(); }, false, "N",
       "C:\\: C:\\Gone,C:\\Gone\\Deeper,C:\\Gone\\Deeper\\N"},
      {[](RunFixture& f) { f.fs.AddDirectory("C:\\Data\\Old"); }, false, "Old", ":"}};
  for (const auto& [arrange, list, typed, record] : cases) {
    RunFixture f;
    arrange(f);
    list ? f.OkList(typed) : f.Ok(typed);
    EXPECT_EQ(RecordText(f.recording.Record()), record) << typed;
  }
  // The file keeps the last twenty runs and fails without harm.
  FakeFileSystem fs;
  fs.AddFile(kSettingsFile, kUserSettingsFile);
  EXPECT_EQ(RunRecordPath(kSettingsFile), kRuns);
  EXPECT_EQ(RunRecordPath("C:\\TC.11\\kestrix"), "C:\\TC.11\\kestrix.runs");  // a folder's dot
  for (int i = 1; i <= 21; ++i) {
    const std::string dir = "C:\\R\\a=" + std::to_string(i);
    ASSERT_EQ(AddRunRecord(fs, kRuns, {"C:\\R", {{dir, true}, {dir + "\\f", false}}}), 0u);
  }
  std::vector<RunRecord> records;
  ASSERT_EQ(LoadRunRecords(fs, kRuns, records), kErrorSuccess);
  ASSERT_EQ(records.size(), kKeptRuns);
  EXPECT_EQ(RecordText(records.front()), "C:\\R: C:\\R\\a=2,f:C:\\R\\a=2\\f");
  EXPECT_EQ(RecordText(records.back()), "C:\\R: C:\\R\\a=21,f:C:\\R\\a=21\\f");
  EXPECT_EQ(UndoMenuText(EnglishLanguageTable(), records.back()),
            "Undo the last creation (1 folders in C:\\R)");
  // Paths in other scripts: the file becomes UTF-16 and reads back whole.
  for (const std::string name : kUnicodeNames) {
    FakeFileSystem other;
    other.AddDirectory("C:\\TC\\Kestrix");
    ASSERT_EQ(AddRunRecord(other, kRuns, {"C:\\R", {{"C:\\R\\" + name, true}}}), kErrorSuccess);
    EXPECT_TRUE(other.FileContent(kRuns)->starts_with("\xFF\xFE[\0R\0"));
    ASSERT_EQ(LoadRunRecords(other, kRuns, records), kErrorSuccess);
    EXPECT_EQ(RecordText(records.back()), "C:\\R: C:\\R\\" + name);
  }
  const std::string written = *fs.FileContent(kRuns);
  // The file keeps its shape between versions: runs and items are numbered from 1.
  EXPECT_TRUE(
      written.starts_with("[Run1]\r\nBase=C:\\R\r\nUndone=False\r\nDir1=C:\\R\\a=2\r\n"
                          "File2=C:\\R\\a=2\\f\r\n\r\n[Run2]"));
  const std::tuple<const char*, std::function<void()>, uint32_t> faults[] = {
      {"rename fails", [&] { fs.FailStep(FakeFileSystem::Step::kRename, 0, kErrorDiskFull); },
       kErrorDiskFull},
      {"held by another program",
       [&] { fs.FailPath(kRuns, kErrorSharingViolation, FakeFileSystem::kFaultAll); },
       kErrorSharingViolation}};
  for (const auto& [what, fault, code] : faults) {
    fault();
    EXPECT_EQ(AddRunRecord(fs, kRuns, {"C:\\R", {{"C:\\R\\new", true}}}), code) << what;
    fs.ClearFaults();
    EXPECT_EQ(fs.FileContent(kRuns), written) << what;
    EXPECT_EQ(fs.FileContent(kSettingsFile), kUserSettingsFile) << what;
  }
}

TEST(RunUndo, RemovesWhatIsStillEmptyDeepestFirstAndSaysWhatItKept) {
  // what, arrange before the run, typed list, change after the run, what stays, the report
  const std::tuple<const char*, std::function<void(RunFixture&)>, const char*,
                   std::function<void(RunFixture&)>, const char*, const char*>
      cases[] = {
          {"empty folders go, deepest first; what existed stays",
           [](RunFixture& f) { f.fs.AddDirectory("C:\\Data\\old"); },
           "a\r\na\\b\r\na\\b\\c\r\nd\r\nold", [](RunFixture&) {}, "~old\\",
           "Removed from C:\\Data:/    a\\b\\c/    a\\b/    d/    a"},
          {"a folder with a foreign file stays with its parents", [](RunFixture&) {},
           "a\r\na\\b\r\na\\b\\c\r\nd",
           [](RunFixture& f) { f.fs.AddFile("C:\\Data\\a\\b\\notes.txt", ""); },
           "~a\\,~a\\b\\,~a\\b\\notes.txt",
           "Removed from C:\\Data:/    a\\b\\c/    d//Kept:/    a\\b: it holds notes.txt, which "
           "the creation did not make/    a: it holds what is kept"},
          {"a file the run made stays once it has content", kMakeTxt, "w\\todo.txt",
           [](RunFixture& f) { f.fs.WriteWholeFile("C:\\Data\\w\\todo.txt", "x"); },
           "~w\\,~w\\todo.txt",
           "Nothing was removed from C:\\Data.//Kept:/    w\\todo.txt: the file is no longer "
           "empty/    w: it holds what is kept"},
          {"an empty file the run made goes", kMakeTxt, "w\\todo.txt", [](RunFixture&) {}, "",
           "Removed from C:\\Data:/    w\\todo.txt/    w"},
          {"a folder Windows will not remove is kept and named", [](RunFixture&) {}, "a\r\nd",
           [](RunFixture& f) { f.fs.FailPath("C:\\Data\\d", kErrorAccessDenied); }, "~d\\",
           "Removed from C:\\Data:/    a//Kept:/    Windows denied access to \"C:\\Data\\d\": it "
           "is read-only, or you have no permission for it."},
          {"a run is taken back once", [](RunFixture&) {}, "a",
           [](RunFixture& f) {
             uint32_t error = 0;
             UndoLastRun(f.fs, kRuns, error);
             f.fs.AddDirectory("C:\\Data\\a");
           },
           "~a\\", "There is no creation to take back."},
          {"a base folder that is gone touches nothing",
           [](RunFixture& f) { f.snapshot.current_path = "C:\\Data\\Sub\\"; }, "a",
           [](RunFixture& f) {
             f.fs.RemoveDirectory("C:\\Data\\Sub\\a");
             f.fs.RemoveDirectory("C:\\Data\\Sub");
             f.fs.AddDirectory("C:\\Data\\a");
           },
           "~a\\",
           "C:\\Data\\Sub no longer exists: nothing was taken back and nothing was changed."}};
  for (const auto& [what, arrange, typed, change, stays, report] : cases) {
    RunFixture f;
    arrange(f);
    f.fs.AddDirectory(f.snapshot.current_path);
    std::string(typed).find('\n') == std::string::npos ? f.Ok(typed) : f.OkList(typed);
    ASSERT_EQ(AddRunRecord(f.fs, kRuns, f.recording.Record()), kErrorSuccess) << what;
    change(f);
    uint32_t error = 0;
    const UndoOutcome outcome = UndoLastRun(f.fs, kRuns, error);
    EXPECT_EQ(error, kErrorSuccess) << what;
    EXPECT_EQ(ReplaceAll(UndoReport(EnglishLanguageTable(), outcome), "\r\n", "/"), report) << what;
    Lines under;
    for (const std::string& path : f.fs.AllPaths())
      if (path.starts_with("C:\\Data\\") && path.size() > 8)
        under.push_back(ReplaceAll(path, "C:\\Data\\", "~"));
    EXPECT_EQ(JoinLines(under), ReplaceAll(stays, ",", "\r\n")) << what;
    // Only a run taken back is marked: the others can still be offered.
    EXPECT_EQ(LastUndoableRun(f.fs, kRuns).has_value(),
              outcome.verdict == UndoVerdict::kBaseMissing)
        << what;
  }
  // As many paths as a report lists: each is listed, and no line tells of more.
  Lines twelve(13, "    x");
  twelve[0] = "Removed from C:\\D:";
  EXPECT_EQ(
      UndoReport(EnglishLanguageTable(), {UndoVerdict::kDone, "C:\\D", Lines(12, "C:\\D\\x"), {}}),
      JoinLines(twelve));
}

const char kIni[] = "C:\\TC\\wincmd.ini";
// A host configuration that is in use (it has panel paths).
const char kUsedIni[] = "[left]\r\npath=C:\\\r\n[right]\r\npath=D:\\\r\n";
struct HistoryFixture {
  FakeFileSystem fs;
  FakeEnvironment env{{"COMMANDER_PATH", "C:\\TC"}};
  HistoryPlaces places{kIni, "C:\\TC\\Kestrix", "tc Kestrix", ""};
  HistoryFixture(const std::string& ini = "") {
    fs.AddDirectory("C:\\TC\\Kestrix");
    fs.AddDrive("D:");
    if (!ini.empty()) fs.AddFile(kIni, ini);
  }
  DirHistory History() { return DirHistory(fs, env, places); }
};

// A host file that only points elsewhere. Built by appending: GCC 12 at -O3 warns falsely
// (-Wrestrict) on std::string::replace here.
std::string Stub(const std::string& alternate) {
  std::string text = "[Configuration]\r\nfirstmnu=0\r\nAlternateUserIni=";
  text.append(alternate).append("\r\n");
  return text;
}

TEST(HistoryFile, FollowsTheHostsRedirections) {
  const std::string used = kUsedIni, alt = "C:\\Users\\u\\wincmd.ini", own = "C:\\TC\\Kestrix\\";
  const std::string redirect = "[MkDirHistory]\r\nRedirectSection=";
  const std::string kPrivate = own + "tc Kestrix.lst";
  const std::tuple<std::vector<std::pair<std::string, std::string>>, std::string, std::string>
      cases[] = {{{}, "", kPrivate},
                 {{{kIni, used}}, "", kIni},
                 {{{kIni, "[Configuration]\r\nfirstmnu=0\r\n"}}, "", kPrivate},
                 {{{kIni, "[Configuration]\r\nfirstmnu=1\r\n"}}, "", kIni},
                 {{{kIni, used + redirect + "%COMMANDER_PATH%\\hist.ini"}}, "", "C:\\TC\\hist.ini"},
                 {{{kIni, redirect + "sub\\hist.ini"}}, "", "C:\\TC\\sub\\hist.ini"},
                 {{{kIni, Stub(alt)}, {alt, used}}, "", alt},
                 {{{kIni, Stub(alt)}, {alt, "[x]\r\n"}}, "", kPrivate},
                 {{{kIni, Stub("user.ini")}, {"C:\\TC\\user.ini", used}}, "", "C:\\TC\\user.ini"},
                 {{{kIni, used}}, " %COMMANDER_PATH%x\\..\\h.lst ", "C:\\TCx\\..\\h.lst"},
                 {{{kIni, used}}, "data\\h.lst", own + "data\\h.lst"}};
  for (const auto& [files, setting, expected] : cases) {
    HistoryFixture f;
    for (const auto& [path, content] : files) f.fs.AddFile(path, content);
    f.places.history_file = setting;
    EXPECT_EQ(f.History().HistoryFile(), expected) << setting << " " << files.size();
  }
  // A relative name gets its directory, or nothing when that cannot be made.
  HistoryFixture f;
  f.places.history_file = "locked\\h.lst";
  f.fs.FailPath(own + "locked", kErrorAccessDenied);
  EXPECT_EQ(f.History().HistoryFile(), "");
}

std::string NumberedSection(int count) {
  std::string text = "[MkDirHistory]\r\n";
  for (int i = 0; i < count; ++i) text += std::to_string(i) + "=n" + std::to_string(i) + "\r\n";
  return text;
}

TEST(MkDirHistory, LoadDropsBlanksAndDuplicatesAddPutsTheNameOnTopKeepsTwentyAndRedirects) {
  HistoryFixture load(kUsedIni +
                      "[MkDirHistory]\r\n0=a\r\n1= \r\n2=b=c\r\n3=\r\n4=a\r\n5=d\r\n6=b=c\r\n"s);
  EXPECT_EQ(load.History().LoadMkDirHistory(), (Lines{"a", "d", "b=c"}));
  HistoryFixture f(kUsedIni + NumberedSection(20));
  Lines items = f.History().AddDirectoryToTCDirList("fresh");
  EXPECT_EQ(std::make_tuple(items.size(), items.front(), items.back()),
            std::make_tuple(20u, "fresh"s, "n18"s));
  EXPECT_EQ(f.History().LoadMkDirHistory(), items);
  EXPECT_EQ(f.History().AddDirectoryToTCDirList("n3")[1], "fresh");
  const std::string content = *f.fs.FileContent(kIni);
  EXPECT_NE(content.find("0=n3\r\n1=fresh\r\n"), std::string::npos) << content;
  EXPECT_EQ(content.find("n3", content.find("0=n3") + 4), std::string::npos) << content;
  // An addition keeps the redirection key and writes where it points.
  HistoryFixture self(kUsedIni +
                      "[MkDirHistory]\r\nRedirectSection=C:\\TC\\wincmd.ini\r\n0=old\r\n"s);
  EXPECT_EQ(self.History().AddDirectoryToTCDirList("new"), (Lines{"new", "old"}));
  const std::string redirected = *self.fs.FileContent(kIni);
  EXPECT_NE(redirected.find("RedirectSection=C:\\TC\\wincmd.ini"), std::string::npos) << redirected;
  EXPECT_EQ(self.History().LoadMkDirHistory(), (Lines{"new", "old"}));
  HistoryFixture other(kUsedIni + "[MkDirHistory]\r\nRedirectSection=C:\\h.ini\r\n"s);
  other.History().AddDirectoryToTCDirList("x");
  EXPECT_EQ(other.fs.FileContent("C:\\h.ini"), "[MkDirHistory]\r\n0=x\r\n\r\n");
  EXPECT_EQ(other.fs.FileContent(kIni)->find("0=x"), std::string::npos);
  // A write failure still changes the list.
  HistoryFixture locked(kUsedIni + NumberedSection(1));
  locked.fs.FailPath(kIni, kErrorAccessDenied);
  EXPECT_EQ(locked.History().AddDirectoryToTCDirList("x"), (Lines{"x", "n0"}));
  // Without a host file or a history setting nothing is written.
  HistoryFixture none;
  EXPECT_EQ(none.History().AddDirectoryToTCDirList("x"), Lines{"x"});
  EXPECT_FALSE(none.fs.FileContent("C:\\TC\\Kestrix\\tc Kestrix.lst"));
}

// Each name goes into the history of the host's ANSI and UTF-16 files and of the program's
// own (the setting's): the host's ANSI file leaves out a name it has no form for, never
// writing "?", and says why; the others take it, and it loads back with the old entry.
TEST(MkDirHistory, NamesOfEveryScriptLoadBackOrAreLeftOutOfAnAnsiHostFile) {
  FakeCodePage code_page;
  const std::string entry = "[MkDirHistory]\r\n0=old\xE9\r\n";
  const std::tuple<std::string, const char*, bool> files[] = {
      {kUsedIni + entry, "", true},
      {"\xFF\xFE" + Utf16LeFromUtf8(kUsedIni + "[MkDirHistory]\r\n0=old\u00E9\r\n"s), "", false},
      {kUsedIni, "h.lst", false}};
  for (const auto& [host, setting, leaves_out] : files) {
    for (const std::string name : kUnicodeNames) {
      HistoryFixture f(host);
      f.places.history_file = setting;
      if (*setting != '\0') f.fs.AddFile("C:\\TC\\Kestrix\\h.lst", entry);
      DirHistory history(f.fs, f.env, f.places, &code_page);
      const std::string file = history.HistoryFile(), before = *f.fs.FileContent(file);
      const bool left_out = leaves_out && name != "Caf\u00E9";
      EXPECT_EQ(history.AddDirectoryToTCDirList(name), (Lines{name, "old\u00E9"})) << name;
      EXPECT_EQ(history.LeftOut().has_value(), left_out) << name;
      EXPECT_EQ(history.LoadMkDirHistory(),
                left_out ? Lines{"old\u00E9"} : (Lines{name, "old\u00E9"}));
      EXPECT_TRUE(!left_out || f.fs.FileContent(file) == before) << name;
      EXPECT_EQ(f.fs.FileContent(file)->find('?'), std::string::npos) << name;
    }
  }
}

TEST(DirectoryStructure, AbsolutePathsLevelsKeepingEmptyPartsAndListTextsWithoutBlankLines) {
  const std::pair<const char*, bool> absolute_paths[] = {
      {"  d:\\x  ", true}, {"\\\\server\\share", true},
      {"C:/x", false},     {"C:", false},
      {"\\x", false},      {"", false},
      {"ab:\\", false},    {" \\\\s", true}};
  for (const auto& [text, absolute] : absolute_paths)
    EXPECT_EQ(IsAbsolutePath(text), absolute) << text;
  const std::pair<const char*, bool> devices[] = {
      {"CON", true},    {"nul.txt", true},  {"com1", true}, {"LPT9 ", true},
      {"COM10", false}, {"CONSOLE", false}, {"lpt0", false}};
  for (const auto& [name, reserved] : devices)
    EXPECT_EQ(IsReservedDeviceName(name), reserved) << name;
  const std::pair<const char*, Lines> cases[] = {
      {"a/b\\c", {"a", "b", "c"}}, {"  a\\b  ", {"a", "b"}}, {"a\\", {"a", ""}}, {"\\x", {"", "x"}},
      {"a\\\\b", {"a", "", "b"}},  {"a \\ b", {"a ", " b"}}, {"", {""}},         {"\\", {"", ""}}};
  for (const auto& [text, levels] : cases) EXPECT_EQ(SplitLevels(text), levels) << text;
  EXPECT_TRUE(NeedsListForm("a|b") && NeedsListForm("a*b") && !NeedsListForm("a\\b"));
  EXPECT_EQ(RemoveBlankLines("  \r\na\r\n\t\r\nb\r\n"), "a\r\nb");
  EXPECT_EQ(PrepareListRunText("  \r\na|b\r\n\r\n *c \r\n") + "|" +
                PrepareListRunText(" \r\n \r\n") + "|" + PrepareListRunText("x|*y"),
            "a\r\nb\r\n *c||x\r\n*y");
}

// A plan as "line|~chain line > final name"; a chain's levels are the split of its text.
std::string Describe(const ListPlan& plan) {
  std::string out;
  for (const PlannedLine& line : plan.lines) {
    out.append(out.empty() ? "" : "|").append(line.chain ? "~" : "").append(line.text);
    EXPECT_EQ(line.levels, line.chain ? SplitLevels(line.text) : Lines{line.text}) << line.text;
  }
  return out + " > " + plan.final_name;
}

TEST(DirectoryStructure, PlanListExpandsMarkersAndFindsTheFinalName) {
  const std::pair<const char*, const char*> cases[] = {
      {"x\r\n*y\r\nz\r\n*w", "x|~x\\y|z|~z\\w > z"},
      {"p\r\n* b\r\n**c", "p|~p\\b|~p\\p\\c > p"},
      {"*x", "~\\x > \\x"},
      {" a/b \r\n*c", "~a\\b|~a\\b\\c > a\\b"},
      {"a\\", "~a\\ > a\\"},
      {"a* b*c\r\n*d", "a|~a\\b|~a\\c|~a\\d > a"},
      {"", " > "}};
  for (const auto& [text, plan] : cases) EXPECT_EQ(Describe(PlanList(text)), plan) << text;
}

TEST(HistoryUndo, RestoresTheTextTypedBeforeTheFirstPick) {
  HistoryUndo undo;
  EXPECT_TRUE(undo.Picked());
  EXPECT_EQ(undo.Undo(), "");
  undo.KeyPressed("Rep");
  undo.KeyPressed("Repo");
  EXPECT_TRUE(undo.Picked());
  // Keys while the pick is pending must not overwrite what was typed.
  undo.KeyPressed("2024 Reports");
  EXPECT_FALSE(undo.Picked());  // a second pick does not narrow the field again
  EXPECT_TRUE(undo.Pending());
  EXPECT_EQ(undo.Undo(), "Repo");
  EXPECT_FALSE(undo.Pending());
  undo.KeyPressed("x");
  EXPECT_EQ(undo.typed_text, "x");
}

const std::vector<CharReplacement> kAmpersand = {{"&", "and"}};
TEST(InvalidChars, DetectsFixedCharactersStarsInNormalModeAndUserKeys) {
  const std::tuple<const char*, InputMode, bool> cases[] = {
      {"plain name", InputMode::kNormal, false}, {"a:b", InputMode::kNormal, true},
      {"what?", InputMode::kExtended, true},     {"a*b", InputMode::kNormal, true},
      {"a\r\n*b", InputMode::kExtended, false},  {"R&D", InputMode::kNormal, true},
      {"a\\b/c|d", InputMode::kNormal, false}};
  for (const auto& [text, mode, invalid] : cases)
    EXPECT_EQ(ContainsInvalidChars(text, mode, kAmpersand), invalid) << text;
  // User keys match without case; an empty key never matches.
  const std::vector<CharReplacement> rules = {{"tmp", "temp"}, {"", "x"}};
  EXPECT_TRUE(ContainsInvalidChars("My TMP dir", InputMode::kNormal, rules));
  EXPECT_FALSE(ContainsInvalidChars("My dir", InputMode::kNormal, rules));
}

TEST(InvalidChars, RepairReplacesUserKeysFirstAndTheVerdictFollowsTheAction) {
  const std::pair<const char*, const char*> effective[] = {
      {"_", "_"}, {"?", "_"}, {"a*", "_"}, {"-", "-"}, {"", ""}};
  for (const auto& [replacement, used] : effective)
    EXPECT_EQ(EffectiveInvalidCharReplace(replacement), used) << replacement;
  const std::tuple<const char*, InputMode, const char*, std::vector<CharReplacement>, const char*>
      cases[] = {{"Żółw:😀", InputMode::kNormal, "?", {}, "Żółw_😀"},
                 {"r&d a*b", InputMode::kNormal, "-", kAmpersand, "randd a-b"},
                 {"x\r\n*y?", InputMode::kExtended, "_", {}, "x\r\n*y_"},
                 // A value that brings an invalid character back is cleaned in the same pass.
                 {"a#b", InputMode::kNormal, "_", {{"#", ":"}}, "a_b"},
                 // Keys apply in order; a key equal to the replacement is skipped.
                 {"ab_", InputMode::kNormal, "_", {{"a", "b"}, {"B", "c"}, {"_", "!"}}, "cc_"}};
  for (const auto& [text, mode, replacement, keys, repaired] : cases) {
    const InvalidCharRules rules{InvalidCharAction::kReplace, replacement, keys};
    EXPECT_EQ(RepairInvalidChars(text, mode, rules), repaired) << text;
  }
  // The verdict follows the action; a repair restarts at most once.
  const std::pair<InvalidCharAction, InvalidCharVerdict> verdicts[] = {
      {InvalidCharAction::kWarn, InvalidCharVerdict::kWarn},
      {InvalidCharAction::kReplace, InvalidCharVerdict::kRepair},
      {InvalidCharAction::kUnknown, InvalidCharVerdict::kRefuse}};
  for (const auto& [action, verdict] : verdicts) {
    const InvalidCharRules rules{action, "_", kAmpersand};
    EXPECT_EQ(JudgeInvalidChars("R&D", InputMode::kNormal, rules, false), verdict);
    EXPECT_EQ(JudgeInvalidChars("R and D", InputMode::kNormal, rules, false),
              InvalidCharVerdict::kValid);
  }
  // After a repair, user keys left in the text (a key equal to the replacement, a value
  // holding its own key) no longer count; fixed characters still do.
  for (const auto& keys : {std::vector<CharReplacement>{{"_", "x"}}, {{"&", "&&"}}}) {
    const InvalidCharRules rules{InvalidCharAction::kReplace, "_", keys};
    const std::string repaired = RepairInvalidChars("a_b&c:d", InputMode::kNormal, rules);
    EXPECT_TRUE(ContainsInvalidChars(repaired, InputMode::kNormal, keys)) << repaired;
    EXPECT_EQ(JudgeInvalidChars(repaired, InputMode::kNormal, rules, true),
              InvalidCharVerdict::kValid);
  }
  const InvalidCharRules rules{InvalidCharAction::kReplace, "_", {}};
  EXPECT_EQ(JudgeInvalidChars("a:b", InputMode::kNormal, rules, true), InvalidCharVerdict::kRepair);
}

TEST(LevelCreation, ForceDirectoriesCreatesEveryMissingLevel) {
  FakeFileSystem fs;
  fs.AddFile("C:\\cur\\file", "");
  fs.AddDrive("\\\\srv\\share");
  const std::pair<const char*, uint32_t> failing[] = {{"C:\\cur\\file\\sub", kErrorAlreadyExists},
                                                      {"Q:\\x", kErrorPathNotFound},
                                                      {"\\\\server\\share\\x", kErrorPathNotFound},
                                                      {"", kErrorInvalidName}};
  for (const auto& [path, error] : failing) EXPECT_EQ(ForceDirectories(fs, path), error) << path;
  EXPECT_TRUE(fs.CreatedDirectories().empty());
  EXPECT_EQ(ForceDirectories(fs, "C:\\X\\Y\\"), kErrorSuccess);
  EXPECT_EQ(ForceDirectories(fs, "c:/x/y/z"), kErrorSuccess);
  EXPECT_EQ(ForceDirectories(fs, "C:\\cur"), kErrorSuccess);
  // A network path: the share is the root, the missing level below it is made first.
  EXPECT_EQ(ForceDirectories(fs, "\\\\srv\\share\\a\\b"), kErrorSuccess);
  EXPECT_EQ(fs.CreatedDirectories(), (Lines{"C:\\X", "C:\\X\\Y", "c:\\x\\y\\z", "\\\\srv\\share\\a",
                                            "\\\\srv\\share\\a\\b"}));
}

TEST(NameListFile, EveryEncodingBecomesUtf8AndFailuresAreReported) {
  const std::string utf8 = "\xEF\xBB\xBF";
  const std::pair<std::string, const char*> cases[] = {
      {"Caf\xE9", "Caf\u00E9"},                                              // the ANSI code page
      {utf8 + "Caf\xC3\xA9\r\nx", "Caf\u00E9\r\nx"},                         // UTF-8 with its mark
      {"\u017B\u00F3\u0142w|\U0001F600", "\u017B\u00F3\u0142w|\U0001F600"},  // and without
      {utf8 + "a\xC3", "a\uFFFD"},                                           // cut sequence
      {utf8 + "\xC0\xAF" + "b", "\uFFFD\uFFFDb"},                            // overlong form
      {"\xFF\xFE" + std::string("a\0\xE9\0\x3D\xD8\x00\xDE", 8), "a\u00E9\U0001F600"},  // UTF-16 LE
      {"\xFE\xFF" + std::string("\0a\0\r\0\n\x01\x41", 8), "a\r\n\u0141"},  // UTF-16 big-endian
      {std::string("a\0b\0", 4), "ab"},                                     // zero bytes dropped
  };
  FakeCodePage code_page;
  for (const auto& [bytes, text] : cases) EXPECT_EQ(DecodeNameListBytes(bytes, code_page), text);
  // Read through the file system, failures reported.
  FakeFileSystem fs;
  fs.AddFile("C:\\Lists\\names.txt", "\xEF\xBB\xBFone\r\n\r\n  \r\ntwo");
  std::string text = "stale";
  EXPECT_EQ(ReadNameListFile(fs, code_page, "C:\\Lists\\gone.txt", text), kErrorFileNotFound);
  EXPECT_EQ(text, "");
  EXPECT_EQ(ReadNameListFile(fs, code_page, "C:\\Lists", text), kErrorAccessDenied);
  // Loading places what was read; an unreadable file is reported and places nothing.
  LoadedFile two = LoadNameListFile(fs, code_page, "C:\\Lists\\names.txt");
  EXPECT_EQ(std::tie(two.error, two.names.extended, two.names.list_text),
            std::make_tuple(0u, true, "one\r\ntwo\r\n"s));
  fs.FailPath("C:\\Lists\\names.txt", kErrorAccessDenied, FakeFileSystem::kFaultRead);
  LoadedFile denied = LoadNameListFile(fs, code_page, "C:\\Lists\\names.txt");
  EXPECT_EQ(std::tie(denied.error, denied.names.extended),
            std::make_tuple(kErrorAccessDenied, false));
}

TEST(PlaceLoadedText, TwoOrMoreLinesMakeAListOtherwiseOneNameAndLinesAppendAsTheMemoDoes) {
  const std::tuple<const char*, bool, const char*, const char*> cases[] = {
      {"a\r\n\r\n  \r\nb", true, "", "a\r\nb\r\n"},
      {"\r\n\r\nx\r\n\r\n", false, "x", ""},
      {"a\nb\n", true, "", "a\r\nb\r\n"},
      {" a \r\n b ", true, "", "a \r\n b\r\n"},  // only the whole text is trimmed
  };
  for (const auto& [file, extended, name, list] : cases) {
    LoadedNames placed = PlaceLoadedText(file);
    EXPECT_EQ(std::tie(placed.extended, placed.name_text, placed.list_text),
              std::make_tuple(extended, std::string(name), std::string(list)))
        << file;
  }
  // Lines append as the memo does; earlier duplicates go.
  const std::tuple<const char*, const char*, const char*> appends[] = {
      {"", "x", "x\r\n"}, {"a", "x", "a\r\nx"}, {"a\r\n", "x", "a\r\nx\r\n"}};
  for (const auto& [list, line, result] : appends) EXPECT_EQ(AppendListLine(list, line), result);
  const std::pair<const char*, const char*> duplicates[] = {
      {"a\r\nb\r\na", "b\r\na"},
      {"A\r\na", "A\r\na"},  // exact comparison
      {"a\r\n\r\nb\r\n\r\nc", "a\r\nb\r\n\r\nc"}};
  for (const auto& [list, result] : duplicates)
    EXPECT_EQ(RemoveDuplicateLines(list), result) << list;
}

TEST(DroppedItems, NamesKindsAndThePlanBetweenLoadingAndInserting) {
  const std::tuple<const char*, bool, const char*> cases[] = {
      {"C:\\Work\\v1.2", true, "v1.2"},
      {"C:\\Work\\.profile", false, ".profile"},
      {"C:\\Work\\Photos\\", true, "Photos"}};
  for (const auto& [path, dir, name] : cases) EXPECT_EQ(DroppedItemName({path, dir}), name) << path;
  FakeFileSystem fs;
  fs.AddDirectory("C:\\Work\\Photos");
  fs.AddFile("C:\\Work\\a.txt", "x");
  std::vector<DroppedItem> items =
      DescribeDroppedPaths(fs, {"C:\\Work\\Photos", "", "C:\\Work\\a.txt", "C:\\Work\\gone"});
  std::string described;
  for (const DroppedItem& item : items) described += item.path + (item.is_directory ? "/;" : ";");
  EXPECT_EQ(described, "C:\\Work\\Photos/;C:\\Work\\a.txt;C:\\Work\\gone;");
  // The plan decides between loading and inserting.
  const std::vector<DroppedItem> two = {{"C:\\A\\report.doc", false}, {"D:\\B\\notes.txt", false}};
  // load text file, current path, switch to Extended, names
  using Plan = std::tuple<std::string, std::string, bool, Lines>;
  const std::tuple<std::vector<DroppedItem>, bool, Plan> plans[] = {
      {{{"C:\\Work\\Photos", true}}, false, {"", "C:\\Work\\", false, {"Photos"}}},
      {{{"C:\\Work\\notes.txt", false}}, false, {"C:\\Work\\notes.txt", "", false, {}}},
      {{{"C:\\Work\\LIST.TXT", false}}, false, {"", "C:\\Work\\", false, {"LIST"}}},
      {{{"C:\\Work\\old.txt", true}}, true, {"", "C:\\Work\\", false, {"old.txt"}}},
      {two, false, {"", "D:\\B\\", true, {"report", "notes"}}},
      {two, true, {"", "D:\\B\\", false, {"report", "notes"}}},
      {{{"C:\\", true}}, false, {"", "C:\\", false, {}}},
      {{}, false, {"", "", false, {}}}};
  for (const auto& [dropped, list_visible, expected] : plans) {
    DropPlan p = PlanDrop(dropped, list_visible);
    EXPECT_EQ(Plan(p.text_file, p.current_path, p.switch_to_extended, p.names), expected)
        << dropped.size();
    EXPECT_EQ(p.load_text_file, !p.text_file.empty()) << dropped.size();
  }
}

TEST(InsertDroppedNames, ReplacesTheNameOrAppendsLinesWithoutDuplicates) {
  const std::tuple<Lines, bool, const char*, bool, const char*, const char*> cases[] = {
      {{"Photos"}, false, "Setup", true, "Photos", "Photos"},
      {{"Photos"}, false, "Setup\r\nPhotos\r\n", true, "Photos", "Photos\r\n"},
      {{"report", "notes"}, true, "Setup", false, "", "Setup\r\nreport\r\nnotes"},
      {{"Photos"}, true, "Photos\r\nb", false, "", "b\r\nPhotos"},  // dropped twice: one line
      {{"x", "x"}, true, "", false, "", "x\r\n"}};
  for (const auto& [names, list_visible, list, replaced, name, result] : cases) {
    DropInsertion r = InsertDroppedNames(names, list_visible, list);
    EXPECT_EQ(std::tie(r.name_replaced, r.name_text, r.list_text),
              std::make_tuple(replaced, std::string(name), std::string(result)))
        << list;
  }
}

// A paste plan as "consumed clear extended|name|start,length|list", flags as 0/1.
std::string Describe(const PastePlan& p) {
  return std::to_string(p.consumed) + std::to_string(p.clear_saved_selection) +
         std::to_string(p.extended) + "|" + p.name_text + "|" + std::to_string(p.selection_start) +
         "," + std::to_string(p.selection_length) + "|" + p.list_text;
}

TEST(PlanNameFieldPaste, OneLineGoesIntoTheFieldSeveralMakeAList) {
  const std::tuple<const char*, const char*, size_t, size_t, const char*> cases[] = {
      {"", "abc", 1, 0, "000||0,0|"},
      {" xy ", "12", 1, 0, "100|1xy2|3,0|1xy2"},
      {"xy", "abcd", 1, 2, "100|axyd|3,0|axyd"},
      {"   ", "abcd", 1, 2, "100|ad|1,0|ad"},
      {"x\r\ny", "Setup", 5, 0, "111||0,0|x\r\ny\r\n"},
      {"a\r\n\r\nb\r\n", "", 0, 0, "111||0,0|a\r\n\r\nb\r\n"},
      {"\r\n x \r\n", "ab", 1, 0, "110|axb|0,3|axb"},
      {"q", "ab", 9, 9, "100|abq|3,0|abq"},  // selection past the end
  };
  for (const auto& [clip, name, start, length, plan] : cases)
    EXPECT_EQ(Describe(PlanNameFieldPaste(clip, name, start, length)), plan) << clip;
}

std::string Describe(const std::vector<SelectFileMenuItem>& items) {
  std::string out;
  for (const SelectFileMenuItem& item : items) {
    out.append(out.empty() ? "" : "|").append(item.separator ? "-" : item.caption);
    out.append(item.checked ? "(v)" : "");
    if (item.image_index >= 0) out.append(1, '#').append(std::to_string(item.image_index));
  }
  return out;
}

TEST(SelectFileMenu, TextFileStructuresAndBrowse) {
  SelectFileMenu menu;
  EXPECT_EQ(Describe(menu.VisibleItems(false, "names.txt", true, "Clear list...", "Browse...")),
            "Browse...");
  menu.Extend({"", " ", ""});
  EXPECT_FALSE(menu.Extended());
  // Structures 0, 1 and 3: three found, numbers 0 to 2 visited, 3 never offered; once only.
  menu.Extend({" Projects ", "Music", "", "Late"});
  ASSERT_TRUE(menu.Extended());
  menu.Extend({"Other"});
  EXPECT_EQ(Describe(menu.VisibleItems(true, "names.txt", true, "Clear list...", "Browse...")),
            "names.txt|-|0 - Projects#13|1 - Music#13|Clear list...(v)|-|Browse...");
  EXPECT_EQ(Describe(menu.VisibleItems(false, "", false, "Clear list...", "Browse...")),
            "0 - Projects#13|1 - Music#13|Clear list...|-|Browse...");
  EXPECT_EQ(Describe(menu.VisibleItems(false, "", false, "Clear list...", "Browse...", "Copy")),
            "0 - Projects#13|1 - Music#13|Clear list...|-|Copy#13|-|Browse...");
}

TEST(UserStructures, DiscoveryReadingPlaceholdersThatOccurAndWhatTheirSessionRecords) {
  BigIniFile ini;
  ini.SetText(
      "[UserStructure0]\nName= Web \n%P%\\src\n%p%\\docs\\%y%\n[UserStructure1]\nName=\n"
      "[UserStructure2]\na\nName=Odd\n[Placeholders]\n%Y%\n%Q%\n%P%");
  const std::vector<std::string> names = ReadStructureNames(ini);
  ASSERT_EQ(names.size(), 26u);
  EXPECT_EQ(names[0], "Web");
  EXPECT_EQ(DiscoverStructureList(names), (std::vector<std::string>{"uStruct0", "uStruct2"}));
  LoadedStructure web = ReadStructure(ini, 0);
  EXPECT_EQ(web.text, "%P%\\src\r\n%p%\\docs\\%y%");
  // In the section's order, compared ignoring case; %Q% does not occur.
  EXPECT_EQ(web.placeholders, (std::vector<std::string>{"%Y%", "%P%"}));
  // The first line goes whatever it is; the Name line then counts as a directory line.
  EXPECT_EQ(ReadStructure(ini, 2).text + "|" + ReadStructure(ini, 7).text, "Name=Odd|");
  EXPECT_EQ(InsertStructure("old\r\n\r\n", "a\r\nb", true), "a\r\nb");
  EXPECT_EQ(InsertStructure("old\r\n \r\n", "a\r\nb", false), "old\r\na\r\nb");
  // A placeholder session records what was typed or shown at Apply.
  PlaceholderSession s({"#A", "#B", "#C", "#D"});
  EXPECT_EQ(s.PositionText(), "(1 / 4)");
  EXPECT_FALSE(s.PreviousEnabled());
  s.Typed("x");
  // The field keeps its text for #B, which is not recorded for it.
  EXPECT_EQ(s.Next("x"), "x");
  EXPECT_TRUE(s.PreviousEnabled());
  EXPECT_EQ(s.Next("x"), "x");
  s.Typed("");  // an empty replacement removes the placeholder
  EXPECT_EQ(s.Previous(""), "");
  EXPECT_EQ(s.Previous(""), "x");
  EXPECT_FALSE(s.PreviousEnabled());
  EXPECT_EQ(s.Next("x"), "x");
  // Apply records the shown one (#B) with the field's text; #D was never shown.
  EXPECT_EQ(s.Apply(" y ", "#a\\#b\\#c#D"), "x\\y\\#D");
  EXPECT_EQ(ReplaceInsertedStructure("#A\r\nz\r\n#a", "#a", "q"), "q\r\nz\r\nq");
  PlaceholderSession blank({" ", "#B"});  // a blank placeholder records nothing
  blank.Typed("x");
  blank.Next("");
  EXPECT_EQ(blank.Previous("f"), "f");
}

TEST(CopyFolderStructure, SortedDirectoriesBelowTheFolderUpToEightLevels) {
  FakeFileSystem fs;
  fs.AddDirectory("C:\\Skel\\src\\main");
  fs.AddDirectory("C:\\Skel\\Docs");
  fs.AddFile("C:\\Skel\\src\\readme.txt", "");
  fs.AddDirectory("C:\\Skel\\deep\\2\\3\\4\\5\\6\\7\\8\\9");
  FolderStructure copy = CopyFolderStructure(fs, "C:\\Skel\\");
  EXPECT_FALSE(copy.too_large);
  EXPECT_EQ(JoinLines(copy.lines),
            "Skel\r\n*deep\r\n*deep\\2\r\n*deep\\2\\3\r\n*deep\\2\\3\\4\r\n*deep\\2\\3\\4\\5\r\n"
            "*deep\\2\\3\\4\\5\\6\r\n*deep\\2\\3\\4\\5\\6\\7\r\n*deep\\2\\3\\4\\5\\6\\7\\8\r\n"
            "*Docs\r\n*src\r\n*src\\main");
  EXPECT_EQ(CopyFolderStructure(fs, "C:\\Skel", 11).lines.size(), 12u);
  FolderStructure big = CopyFolderStructure(fs, "C:\\Skel", 10);
  EXPECT_TRUE(big.too_large && big.lines.empty());
}

TEST(VirtualPanel, ListFilesInBothByteOrdersPairVirtualAndRealEntries) {
  EXPECT_EQ(DecodeUtf16ListFile(Utf16LeFromUtf8("a\\b")), u"a\\b");
  EXPECT_EQ(DecodeUtf16ListFile(std::string("\xFF\xFE\xAC\x20", 4)), u"\u20AC");
  EXPECT_EQ(DecodeUtf16ListFile(std::string("\xFE\xFF\x20\xAC", 4)), u"\u20AC");
  EXPECT_EQ(DecodeUtf16ListFile("\xFE\xFF"), u"");  // the mark alone
  // A torn last byte is dropped, not read past.
  EXPECT_EQ(DecodeUtf16ListFile(std::string("\xFF\xFEx\0y", 5)), u"x");
  EXPECT_EQ(SplitVirtualPanelEntries("a\tb\r\nc"), (Lines{"a", "b", "\nc"}));
  // Pairs of a virtual and a real entry.
  const Lines entries = {" \\Proj ", "D:\\Projects\\Kestrix", "junk",
                         "\\Music",  "\\\\nas\\music",        "\\Last"};
  const std::pair<const char*, const char*> cases[] = {
      {"Proj\\", "D:\\Projects\\Kestrix"},
      {"Music\\", "\\\\nas\\music"},
      {"Last\\", ""},     // the match is the last entry
      {"Nothing\\", ""},  // no match
      {"Proj", ""},       // the rest carries the separator the entry lacks
  };
  for (const auto& [rest, real] : cases)
    EXPECT_EQ(RealDirOfVirtualPath(rest, entries), real) << rest;
  EXPECT_TRUE(IsVirtualPanelPath("\\\\\\Virtual Panel\\x\\"));
  EXPECT_FALSE(IsVirtualPanelPath("\\\\\\virtual panel\\x\\") ||
               IsVirtualPanelPath("\\\\Virtual Panel\\x\\"));
}
}  // namespace
}  // namespace kestrix
