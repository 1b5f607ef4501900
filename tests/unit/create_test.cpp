#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/path_text.h"
#include "base/text_utils.h"
#include "create/attribute_editor.h"
#include "create/batch_list.h"
#include "create/creation_run.h"
#include "create/dir_attributes.h"
#include "create/dir_history.h"
#include "create/directory_structure.h"
#include "create/file_creation.h"
#include "create/history_undo.h"
#include "create/invalid_chars.h"
#include "create/level_creation.h"
#include "create/name_list_loading.h"
#include "create/run_settings.h"
#include "create/virtual_panel.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_views.h"
#include "fakes/fake_window_system.h"
#include "host/host_snapshot.h"

namespace kestrix {
namespace {

// ---- attribute_editor
constexpr char kApp[] = "Total Commander Kestrix";

DirAttributeSet Make(bool r, bool a, bool h, bool s) {
  return {r, a, h, s};
}

TEST(AttributeTag, LettersInFixedOrderAndEmptyWithoutAttributes) {
  struct Case {
    DirAttributeSet set;
    const char* tag;
    const char* letters;
  } cases[] = {
      {Make(false, false, false, false), "", ""},
      {Make(true, false, true, false), "[r-h-]", "rh"},
      {Make(false, false, true, true), "[--hs]", "hs"},
      {Make(false, true, false, false), "[-a--]", "a"},
      {Make(true, true, true, true), "[rahs]", "rahs"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AttributeTag(c.set), c.tag);
    EXPECT_EQ(AttributeLetters(c.set), c.letters);
    EXPECT_EQ(AttributeLetters(AttributesFromLetters(c.letters)), c.letters);
  }
}

TEST(FilterAttributeLetter, AcceptsOnlyNewLowerCaseLettersAndBackspace) {
  struct Case {
    char typed;
    const char* text;
    std::size_t start, length;
    bool accept, select_all;
  } cases[] = {
      {'s', "", 0, 0, true, false},     // empty text: everything (nothing) is selected
      {'s', "s", 1, 0, false, false},   // "s", "s" leaves "s"
      {'S', "", 0, 0, false, false},    // upper case ignored
      {'h', "r", 1, 0, true, false},    // new letter
      {'r', "r", 0, 1, true, false},    // whole text selected: replaces it
      {'r', "rh", 0, 1, false, false},  // part selected: a repeat stays out
      {'a', "rh", 0, 2, true, false},
      {'r', "rh", 0, 99, true, false},  // a selection past the end reaches the end
      {'r', "rh", 7, 3, false, false},  // a start past the end is the end
      {kCharBackspace, "rh", 2, 0, true, false},
      {kCharCtrlA, "rh", 1, 0, false, true},
  };
  for (const Case& c : cases) {
    LetterKeyDecision d = FilterAttributeLetter(c.typed, c.text, c.start, c.length);
    EXPECT_EQ(d.accept, c.accept) << int(c.typed) << " in " << c.text;
    EXPECT_EQ(d.select_all, c.select_all) << int(c.typed) << " in " << c.text;
  }
}

TEST(AttributeEditor, MenuTogglesGiveTitleAndFieldText) {
  AttributeEditor editor;
  AttributeUpdate u = editor.ToggleFromMenu(DirAttribute::kHidden, kApp, InputMode::kNormal);
  EXPECT_FALSE(u.field_open);
  EXPECT_EQ(u.field_text, "");
  u = editor.ToggleFromMenu(DirAttribute::kSystem, kApp, InputMode::kExtended);
  EXPECT_EQ(u.title, std::string(kApp) + " v1.6.0.5 [--hs]");
  EXPECT_TRUE(editor.IsChecked(DirAttribute::kHidden));
  EXPECT_FALSE(editor.IsChecked(DirAttribute::kReadOnly));

  EXPECT_EQ(editor.OpenField(), "hs");
  u = editor.ToggleFromMenu(DirAttribute::kReadOnly, kApp, InputMode::kNormal);
  EXPECT_TRUE(u.field_open);
  EXPECT_EQ(u.field_text, "rhs");
  EXPECT_EQ(u.title, std::string(kApp) + " [r-hs]");
  u = editor.ToggleFromMenu(DirAttribute::kHidden, kApp, InputMode::kNormal);
  EXPECT_EQ(u.field_text, "rs");
  EXPECT_EQ(u.title, std::string(kApp) + " [r--s]");
}

TEST(AttributeEditor, TypingRewritesTheFieldInFixedOrder) {
  AttributeEditor editor;
  editor.OpenField();
  // Typing "h" then "r" with the caret at the end: the field shows "hr", then "rh".
  AttributeUpdate u = editor.FieldChanged("h", kApp, InputMode::kNormal);
  EXPECT_EQ(u.field_text, "h");
  u = editor.FieldChanged("hr", kApp, InputMode::kNormal);
  EXPECT_EQ(u.field_text, "rh");
  EXPECT_EQ(u.title, std::string(kApp) + " [r-h-]");
  // Backspace down to nothing unchecks everything and drops the tag.
  u = editor.FieldChanged("r", kApp, InputMode::kNormal);
  u = editor.FieldChanged("", kApp, InputMode::kNormal);
  EXPECT_EQ(u.field_text, "");
  EXPECT_EQ(u.title, std::string(kApp) + " ");
  for (DirAttribute a : kDirAttributeOrder) EXPECT_FALSE(editor.IsChecked(a));
}

TEST(AttributeEditor, PointerFeedbackDependsOnTheField) {
  struct Step {
    int action;  // 0 enter, 1 leave, 2 open, 3 close
    int image;
  } steps[] = {
      {0, kAttributeImageHot},     {1, kAttributeImageNormal}, {0, kAttributeImageHot},
      {2, kAttributeImageEditing}, {0, kAttributeImageHot},    {1, kAttributeImageEditing},
      {3, kAttributeImageNormal},  {0, kAttributeImageHot},    {3, kAttributeImageNormal},
  };
  AttributeEditor editor;
  int n = 0;
  for (const Step& s : steps) {
    if (s.action == 0) editor.PointerEntered();
    if (s.action == 1) editor.PointerLeft();
    if (s.action == 2) editor.OpenField();
    if (s.action == 3) editor.CloseField();
    EXPECT_EQ(editor.ImageIndex(), s.image) << "step " << n++;
  }
}

// ---- batch_list
using Lines = std::vector<std::string>;

TEST(BatchList, NumberForms) {
  struct Case {
    int value;
    std::string roman, abc;
  };
  const Case cases[] = {
      {0, "", ""},
      {1, "I", "A"},
      {4, "IV", "D"},
      {9, "IX", "I"},
      {26, "XXVI", "Z"},
      {27, "XXVII", "AA"},
      {702, "DCCII", "ZZ"},
      {703, "DCCIII", "AAA"},
      {1994, "MCMXCIV", "BXR"},
      {10000, "MMMMMMMMMM", "NTP"},
      {-3, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatRoman(c.value), c.roman) << c.value;
    EXPECT_EQ(FormatAbc(c.value), c.abc) << c.value;
  }
  EXPECT_EQ(FormatDecimal(7, 1), "7");
  EXPECT_EQ(FormatDecimal(7, 3), "007");
  EXPECT_EQ(FormatDecimal(12345, 2), "12345");
  EXPECT_EQ(FormatDecimal(5, 10), "0000000005");
}

BatchFields Series(int from, int to, int step, int digits, NumberForm form = NumberForm::kDecimal) {
  BatchFields f;
  f.from = from;
  f.to = to;
  f.step = step;
  f.digits = digits;
  f.form = form;
  return f;
}

TEST(BatchList, SeriesDirectionStepAndForms) {
  struct Case {
    const char* name;
    BatchFields fields;
    Lines entries;
  };
  const Case cases[] = {
      {"ascending", Series(1, 3, 1, 1), {"1", "2", "3"}},
      {"padded", Series(8, 12, 1, 2), {"08", "09", "10", "11", "12"}},
      {"descending", Series(12, 8, 1, 2), {"12", "11", "10", "09", "08"}},
      {"off the grid", Series(1, 10, 4, 1), {"1", "5", "9"}},
      {"down off the grid", Series(10, 1, 4, 1), {"10", "6", "2"}},
      {"roman", Series(1, 4, 1, 3, NumberForm::kRoman), {"I", "II", "III", "IV"}},
      {"abc", Series(25, 28, 1, 1, NumberForm::kAbc), {"Y", "Z", "AA", "AB"}},
      {"zero in abc", Series(0, 1, 1, 1, NumberForm::kAbc), {"", "A"}},
      {"no form", Series(1, 3, 1, 1, NumberForm::kNone), {}},
      {"step beyond range", Series(3, 9, 10000, 1), {"3"}},
  };
  for (const Case& c : cases) EXPECT_EQ(GenerateBatchEntries(c.fields), c.entries) << c.name;
}

TEST(BatchList, ValuesOutsideTheFieldsAreClampedSoTheSeriesEnds) {
  EXPECT_EQ(GenerateBatchEntries(Series(2, 4, 0, 1)), (Lines{"2", "3", "4"}));
  EXPECT_EQ(GenerateBatchEntries(Series(2, 0, -5, 1)), (Lines{"2", "1", "0"}));
  EXPECT_EQ(GenerateBatchEntries(Series(1, 1, 1, 99)), (Lines{"0000000001"}));
  EXPECT_EQ(GenerateBatchEntries(Series(-7, 0, 1, 0)), (Lines{"0"}));
  const Lines all = GenerateBatchEntries(Series(0, 2000000000, 1, 1));
  ASSERT_EQ(all.size(), 10001u);
  EXPECT_EQ(all.back(), "10000");
}

TEST(BatchList, PrefixAndSuffixWithSubdirectories) {
  BatchFields f = Series(1, 2, 1, 1);
  f.prefix = "Photo ";
  f.suffix = "*raw*jpg";
  EXPECT_EQ(SplitLines(GenerateBatchDirList(f)),
            (Lines{"Photo 1", "*raw", "*jpg", "Photo 2", "*raw", "*jpg"}));
  f.suffix = " (backup)";
  EXPECT_EQ(GenerateBatchDirList(f), "Photo 1 (backup)\r\nPhoto 2 (backup)");
  EXPECT_EQ(GenerateBatchDirList(Series(1, 3, 1, 1, NumberForm::kNone)), "");
}

// The default texts with one field set.
BatchFieldTexts With(BatchField field, const std::string& text) {
  BatchFieldTexts texts;
  switch (field) {
    case BatchField::kFrom:
      texts.from = text;
      break;
    case BatchField::kTo:
      texts.to = text;
      break;
    case BatchField::kStep:
      texts.step = text;
      break;
    case BatchField::kDigits:
      texts.digits = text;
      break;
  }
  return texts;
}

TEST(BatchList, FieldCorrections) {
  struct Case {
    BatchField field;
    std::string text;
    std::optional<std::string> corrected;
  };
  const Case cases[] = {
      {BatchField::kFrom, "", "0"},
      {BatchField::kFrom, "20000", "10000"},
      {BatchField::kTo, "10000", std::nullopt},
      {BatchField::kTo, "10001", "10000"},
      {BatchField::kTo, "0", std::nullopt},
      {BatchField::kTo, "99999999999999999999", "10000"},
      {BatchField::kStep, "0", "1"},
      {BatchField::kStep, "", "1"},
      {BatchField::kStep, "20000", "10000"},
      {BatchField::kDigits, "", "1"},
      {BatchField::kDigits, "0", "1"},
      {BatchField::kDigits, "11", "10"},
      {BatchField::kDigits, "10", std::nullopt},
      {BatchField::kFrom, "1a2", "12"},
      {BatchField::kFrom, " 7", "7"},
      {BatchField::kFrom, "007", std::nullopt},
  };
  for (const Case& c : cases) {
    const BatchFieldChange change = OnBatchFieldChange(c.field, With(c.field, c.text), true, false);
    EXPECT_EQ(change.corrected, c.corrected) << c.text;
    // A correction does nothing else: the change it causes runs the handler again, and
    // the corrected text needs no further correction.
    if (change.corrected) {
      EXPECT_FALSE(change.regenerate) << c.text;
      EXPECT_FALSE(change.digits) << c.text;
      EXPECT_FALSE(
          OnBatchFieldChange(c.field, With(c.field, *change.corrected), true, false).corrected)
          << c.text;
    }
  }
}

TEST(BatchList, BoundChangesSetDirectionAndAutomaticDigits) {
  struct Case {
    std::string from, to;
    bool digits_auto;
    bool descending;
    std::optional<std::string> digits;
  };
  const Case cases[] = {
      {"1", "3", true, false, "1"},     {"8", "12", true, false, "2"},
      {"12", "8", true, true, "2"},     {"100", "9", true, true, "3"},
      {"5", "5", true, false, "1"},     {"8", "12", false, false, std::nullopt},
      {"0", "10000", true, false, "5"},
  };
  for (const Case& c : cases) {
    BatchFieldTexts texts;
    texts.from = c.from;
    texts.to = c.to;
    for (BatchField field : {BatchField::kFrom, BatchField::kTo}) {
      const BatchFieldChange change = OnBatchFieldChange(field, texts, c.digits_auto, false);
      EXPECT_FALSE(change.corrected);
      EXPECT_TRUE(change.regenerate);
      EXPECT_EQ(change.descending, c.descending) << c.from << ".." << c.to;
      EXPECT_EQ(change.digits, c.digits) << c.from << ".." << c.to;
    }
  }
}

TEST(BatchList, NothingRegeneratesWhileFilling) {
  const BatchFieldTexts texts;
  for (BatchField field :
       {BatchField::kFrom, BatchField::kTo, BatchField::kStep, BatchField::kDigits}) {
    EXPECT_FALSE(OnBatchFieldChange(field, texts, true, true).regenerate);
    EXPECT_TRUE(OnBatchFieldChange(field, texts, true, false).regenerate);
  }
  EXPECT_TRUE(OnBatchFieldChange(BatchField::kTo, texts, true, true).digits);
  EXPECT_FALSE(OnBatchFieldChange(BatchField::kStep, texts, true, false).descending);
}

TEST(BatchList, ReadBatchFieldsClampsTheTexts) {
  BatchFieldTexts texts{"12", "99999", "0", "50"};
  const BatchFields fields = ReadBatchFields(texts, "p", "s", NumberForm::kRoman);
  EXPECT_EQ(fields.from, 12);
  EXPECT_EQ(fields.to, 10000);
  EXPECT_EQ(fields.step, 1);
  EXPECT_EQ(fields.digits, 10);
  EXPECT_EQ(ReadFieldValue(""), 0);
  EXPECT_EQ(ReadFieldValue("0042"), 42);
}

TEST(BatchList, PrefillFromTheLastLine) {
  struct Case {
    Lines list;
    bool filled;
    std::optional<int> from, to;
    std::optional<std::string> prefix, suffix;
  };
  const Case cases[] = {
      {{"a", "Disc 07"}, true, 8, 10, "Disc ", std::nullopt},
      {{"2010 report"}, true, 2011, 2013, std::nullopt, " report"},
      {{"Take12345"}, true, 2346, 2348, "Take1", std::nullopt},
      {{"9999"}, true, 10000, 10000, "", std::nullopt},
      {{"v9998"}, true, 9999, 10000, "v", std::nullopt},
      {{"1x"}, true, 2, 4, std::nullopt, "x"},
      {{"Disc 07 "}, true, std::nullopt, std::nullopt, "Disc 07 ", std::nullopt},
      {{"Holiday"}, true, std::nullopt, std::nullopt, "Holiday", std::nullopt},
      {{"Disc 07", "   "}, false, {}, {}, {}, {}},
      {{}, false, {}, {}, {}, {}},
  };
  for (const Case& c : cases) {
    const std::optional<BatchPrefill> prefill = PrefillFromList(c.list);
    ASSERT_EQ(prefill.has_value(), c.filled) << JoinLines(c.list);
    if (!prefill) continue;
    EXPECT_EQ(prefill->from, c.from) << JoinLines(c.list);
    EXPECT_EQ(prefill->to, c.to) << JoinLines(c.list);
    EXPECT_EQ(prefill->prefix, c.prefix) << JoinLines(c.list);
    EXPECT_EQ(prefill->suffix, c.suffix) << JoinLines(c.list);
  }
}

TEST(BatchList, PrefillThenGenerateShowsTheNextDiscs) {
  const BatchPrefill prefill = *PrefillFromList({"Disc 05", "Disc 06", "Disc 07"});
  BatchFieldTexts texts;
  texts.from = std::to_string(*prefill.from);
  texts.to = std::to_string(*prefill.to);
  const BatchFieldChange change = OnBatchFieldChange(BatchField::kTo, texts, true, true);
  ASSERT_TRUE(change.digits);
  texts.digits = *change.digits;
  const BatchFields fields = ReadBatchFields(texts, *prefill.prefix, "", NumberForm::kDecimal);
  EXPECT_EQ(GenerateBatchEntries(fields), (Lines{"Disc 08", "Disc 09", "Disc 10"}));
}

// Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "literal" + std::string.
std::string Label(int i) {
  std::string label(1, 'L');
  label.append(std::to_string(i));
  return label;
}

Lines Numbered(int count) {
  Lines lines;
  for (int i = 1; i <= count; ++i) lines.push_back(Label(i));
  return lines;
}

TEST(BatchList, AffixItemsFromAShortList) {
  const Lines list = {"b", "a=x", " ", "b", "c", "a=x", ""};
  EXPECT_EQ(BuildAffixItems(list, {"Disc ", "k=v"}, AffixList::kPrefix),
            (Lines{"b", "c", "x", "Disc ", "k=v"}));
  EXPECT_EQ(BuildAffixItems({}, {"s", "s"}, AffixList::kSuffix), (Lines{"s", "s"}));
  // Texts differing only in case are different items.
  EXPECT_EQ(BuildAffixItems({"A", "a"}, {}, AffixList::kPrefix), (Lines{"A", "a"}));
}

TEST(BatchList, AffixItemsFromALongListTakeBothEnds) {
  Lines expected31;
  for (int i = 1; i <= 16; ++i) expected31.push_back(Label(i));
  for (int i = 31; i >= 17; --i) expected31.push_back(Label(i));
  EXPECT_EQ(BuildAffixItems(Numbered(31), {}, AffixList::kPrefix), expected31);
  EXPECT_EQ(BuildAffixItems(Numbered(31), {}, AffixList::kSuffix), expected31);

  // 30 lines: whole for the prefix; both ends for the suffix, where line 16 is taken twice
  // and keeps its later place.
  EXPECT_EQ(BuildAffixItems(Numbered(30), {}, AffixList::kPrefix), Numbered(30));
  Lines expected_suffix;
  for (int i = 1; i <= 15; ++i) expected_suffix.push_back(Label(i));
  for (int i = 30; i >= 16; --i) expected_suffix.push_back(Label(i));
  EXPECT_EQ(BuildAffixItems(Numbered(30), {}, AffixList::kSuffix), expected_suffix);

  Lines with_gap = Numbered(40);
  with_gap[20] = "   ";  // a blank line outside both ends changes nothing
  with_gap[0] = "";
  const Lines items = BuildAffixItems(with_gap, {}, AffixList::kPrefix);
  ASSERT_EQ(items.size(), 30u);
  EXPECT_EQ(items.front(), "L2");
  EXPECT_EQ(items.back(), "L26");
}

TEST(BatchList, SuffixEditorRoundTrip) {
  EXPECT_EQ(SuffixToEditorText(" x*a*b ", "Subdir"), "x\r\n*a\r\n*b");
  EXPECT_EQ(SuffixToEditorText(" report", " Subdir "), "report\r\n* Subdir 1");
  EXPECT_EQ(SuffixToEditorText("", "Subdir"), "* Subdir 1");
  EXPECT_EQ(SuffixFromEditorText("x\r\n*a\r\n*b\r\n"), "x*a*b");
  EXPECT_EQ(SuffixFromEditorText(SuffixToEditorText("*raw*jpg", "Subdir")), "*raw*jpg");
}

// ---- creation_run
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
  EXPECT_TRUE(f.Sent().empty());
  EXPECT_GT(f.view.focus_count, 0);
}

TEST(FileCreation, OnlyAnEnabledOrKnownExtensionOfTheLastLevelMakesAFile) {
  const FileCreationRules off{false, false, {"txt"}, {}};
  const FileCreationRules on{true, false, {"txt", " HTML "}, {}};
  const FileCreationRules detect{
      true, true, {"txt"}, [](const std::string& e) { return e == "zip"; }};
  struct Case {
    const FileCreationRules& rules;
    std::string text;
    std::optional<FileTarget> expected;
  } cases[] = {
      {off, "notes.txt", std::nullopt},
      {on, "notes.TXT", FileTarget{"", "notes.TXT"}},
      {on, "src\\web\\index.html", FileTarget{"src\\web", "index.html"}},
      {on, "notes.txt\\", std::nullopt},
      {on, ".txt", std::nullopt},
      {on, "a.txt|b.txt", std::nullopt},
      {on, "a\\*b.txt", std::nullopt},
      {on, "archive.zip", std::nullopt},
      {detect, "archive.zip", FileTarget{"", "archive.zip"}},
      {detect, "archive.rar", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(FileTargetOf(c.text, c.rules), c.expected) << c.text;
}

TEST(CreationRun, FileCreationMakesAnEmptyFileAndNeverTouchesAnExistingOne) {
  RunFixture f;
  f.settings.file_creation = {true, false, {"txt"}, {}};
  f.fs.AddFile("C:\\Data\\old.txt", "keep");
  f.Ok("web\\notes.txt");
  EXPECT_EQ(f.fs.FileContent("C:\\Data\\web\\notes.txt"), std::optional<std::string>(""));
  // The host shows the new file under its cursor.
  EXPECT_EQ(f.Sent(), (std::vector<std::string>{"CD:R:C:\\Data\\web\\notes.txt"}));
  f.Ok("old.txt");
  EXPECT_EQ(f.fs.FileContent("C:\\Data\\old.txt"), std::optional<std::string>("keep"));
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, "Error: A file with this name already exists!");
}

TEST(CreationRun, MissingCurrentPathIsOfferedForCreation) {
  for (int answer : {kIdYes, kIdNo}) {
    RunFixture f;
    f.snapshot.CurrentPath = "C:\\Gone\\Deeper\\";
    f.attributes.hidden = true;
    f.boxes.answers = {answer};
    f.Ok("New");
    ASSERT_EQ(f.boxes.shown.size(), 1u);
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

TEST(CreationRun, ASingleLineListRunsAsOneName) {
  RunFixture f;
  f.OkList("solo\r\n");
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\Data\\solo"));
  EXPECT_EQ(f.view.history, (std::vector<std::string>{"solo"}));  // a list run records none
  // An existing name is entered, where a list run would keep it as a failed line.
  RunFixture existing;
  existing.fs.AddDirectory("C:\\Data\\old");
  existing.OkList("old");
  EXPECT_EQ(existing.Sent(), (std::vector<std::string>{"CD:R:C:\\Data\\old"}));
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
  } cases[] = {{"CON", true},    {"nul.txt", true},  {"a\\com1", true}, {"LPT9 ", true},
               {"COM10", false}, {"CONSOLE", false}, {"lpt0", false}};
  for (const Case& c : cases) {
    RunFixture f;
    f.Ok(c.text);
    const bool shown =
        !f.boxes.shown.empty() && f.boxes.shown[0].text.starts_with("Windows reserves this name");
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
  f.settings.invalid_chars.action = InvalidCharAction::kReplace;
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

std::string Utf16(const std::string& ascii, bool big_endian, bool bom = true) {
  std::string bytes;
  if (bom) bytes += big_endian ? "\xFE\xFF" : "\xFF\xFE";
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

// ---- dir_attributes
TEST(SetDirAttributes, PassesTheDirectoryBitPlusTheChosenBits) {
  struct Case {
    DirAttributeSet set;
    uint32_t value;
  } cases[] = {
      {{}, 0x10},
      {{true, false, false, false}, 0x11},
      {{true, true, true, true}, 0x37},
  };
  for (const Case& c : cases) {
    FakeFileSystem fs;
    fs.AddDirectory("C:\\New");
    EXPECT_EQ(c.set.Value(), c.value);
    EXPECT_EQ(SetDirAttributes(fs, "C:\\New", c.set), 0u);
    EXPECT_EQ(fs.GetAttributes("C:\\New"), c.value);
  }
}

TEST(SetDirAttributes, ReportsAMissingDirectory) {
  FakeFileSystem fs;
  EXPECT_NE(SetDirAttributes(fs, "C:\\Gone", {false, false, true, false}), 0u);
}

// ---- dir_history
const char kIni[] = "C:\\TC\\wincmd.ini";
const char kPrivate[] = "C:\\TC\\Kestrix\\tc Kestrix.lst";
// A host configuration that is in use (it has panel paths).
const char kUsedIni[] = "[left]\r\npath=C:\\\r\n[right]\r\npath=D:\\\r\n";

struct HistoryFixture {
  FakeFileSystem fs;
  FakeEnvironment env{{"COMMANDER_PATH", "C:\\TC"}};
  HistoryPlaces places{kIni, "C:\\TC\\Kestrix", "tc Kestrix", ""};
  HistoryFixture() { fs.AddDirectory("C:\\TC\\Kestrix"); }
  std::string File() { return DirHistory(fs, env, places).HistoryFile(); }
};

// A host file that only points elsewhere. Built by appending: GCC 12 at -O3 warns falsely
// (-Wrestrict) on std::string::replace here.
std::string Stub(const std::string& alternate) {
  std::string text = "[Configuration]\r\nfirstmnu=0\r\nAlternateUserIni=";
  text.append(alternate).append("\r\n");
  return text;
}

TEST(HistoryFile, FollowsTheHostsRedirections) {
  const std::string used = kUsedIni, alt = "C:\\Users\\u\\wincmd.ini";
  const std::string redirect = "[MkDirHistory]\r\nRedirectSection=";
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> files;
    std::string setting;
    std::string expected;
  } cases[] = {
      {"no host file", {}, "", kPrivate},
      {"host file in use", {{kIni, used}}, "", kIni},
      {"host file empty", {{kIni, "[Configuration]\r\nfirstmnu=0\r\n"}}, "", kPrivate},
      {"firstmnu alone makes it used", {{kIni, "[Configuration]\r\nfirstmnu=1\r\n"}}, "", kIni},
      {"history redirected",
       {{kIni, used + redirect + "%COMMANDER_PATH%\\hist.ini"}},
       "",
       "C:\\TC\\hist.ini"},
      {"redirected beside the host file",
       {{kIni, redirect + "sub\\hist.ini"}},
       "",
       "C:\\TC\\sub\\hist.ini"},
      {"stub, alternate in use", {{kIni, Stub(alt)}, {alt, used}}, "", alt},
      {"stub, empty alternate", {{kIni, Stub(alt)}, {alt, "[x]\r\n"}}, "", kPrivate},
      {"stub, missing alternate", {{kIni, Stub("C:\\Users\\u\\gone.ini")}}, "", kPrivate},
      {"stub, alternate beside",
       {{kIni, Stub("user.ini")}, {"C:\\TC\\user.ini", used}},
       "",
       "C:\\TC\\user.ini"},
      {"own file, absolute", {{kIni, used}}, "D:\\hist\\mine.lst", "D:\\hist\\mine.lst"},
      {"own file, expanded",
       {{kIni, used}},
       " %COMMANDER_PATH%x\\..\\h.lst ",
       "C:\\TCx\\..\\h.lst"},
      {"own file name only", {{kIni, used}}, "data\\h.lst", "C:\\TC\\Kestrix\\data\\h.lst"},
  };
  for (const Case& c : cases) {
    HistoryFixture f;
    f.fs.AddDrive("D:");
    for (const auto& [path, content] : c.files) f.fs.AddFile(path, content);
    f.places.MkDirHistoryFile = c.setting;
    EXPECT_EQ(f.File(), c.expected) << c.what;
  }
}

TEST(HistoryFile, RelativeNameGetsItsDirectoryOrNothing) {
  HistoryFixture f;
  f.places.MkDirHistoryFile = "data\\h.lst";
  EXPECT_EQ(f.File(), "C:\\TC\\Kestrix\\data\\h.lst");
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\TC\\Kestrix\\data"));
  f.places.MkDirHistoryFile = "locked\\h.lst";
  f.fs.FailPath("C:\\TC\\Kestrix\\locked", kErrorAccessDenied);
  EXPECT_EQ(f.File(), "");
}

TEST(LoadMkDirHistory, ValuesInOrderWithoutBlanksAndWithLastDuplicate) {
  HistoryFixture f;
  f.fs.AddFile(kIni, std::string(kUsedIni) +
                         "[MkDirHistory]\r\n0=a\r\n1= \r\n2=b=c\r\n3=\r\n4=a\r\n5=d\r\n6=b=c\r\n");
  EXPECT_EQ(DirHistory(f.fs, f.env, f.places).LoadMkDirHistory(),
            (std::vector<std::string>{"a", "d", "b=c"}));
}

std::string NumberedSection(int count) {
  std::string text = "[MkDirHistory]\r\n";
  for (int i = 0; i < count; ++i) text += std::to_string(i) + "=n" + std::to_string(i) + "\r\n";
  return text;
}

TEST(AddDirectoryToTCDirList, NewNameOnTopOldestDroppedAtTwenty) {
  HistoryFixture f;
  f.fs.AddFile(kIni, std::string(kUsedIni) + NumberedSection(20));
  DirHistory history(f.fs, f.env, f.places);
  std::vector<std::string> items = history.AddDirectoryToTCDirList("fresh");
  ASSERT_EQ(items.size(), 20u);
  EXPECT_EQ(items.front(), "fresh");
  EXPECT_EQ(items.back(), "n18");
  EXPECT_EQ(history.LoadMkDirHistory(), items);
}

TEST(AddDirectoryToTCDirList, ReAddedNameMovesToTheTop) {
  HistoryFixture f;
  f.fs.AddFile(kIni, std::string(kUsedIni) + NumberedSection(5));
  DirHistory history(f.fs, f.env, f.places);
  EXPECT_EQ(history.AddDirectoryToTCDirList("n3"),
            (std::vector<std::string>{"n3", "n0", "n1", "n2", "n4"}));
  std::string content = *f.fs.FileContent(kIni);
  EXPECT_NE(content.find("0=n3\r\n1=n0\r\n"), std::string::npos) << content;
  EXPECT_EQ(content.find("n3", content.find("0=n3") + 4), std::string::npos) << content;
}

TEST(AddDirectoryToTCDirList, KeepsTheHostsRedirectionKeyWhenRewritingItsFile) {
  HistoryFixture f;
  // The host's file redirects its history to itself: the key must survive the rewrite.
  f.fs.AddFile(kIni, std::string(kUsedIni) +
                         "[MkDirHistory]\r\nRedirectSection=C:\\TC\\wincmd.ini\r\n0=old\r\n");
  DirHistory history(f.fs, f.env, f.places);
  EXPECT_EQ(history.AddDirectoryToTCDirList("new"), (std::vector<std::string>{"new", "old"}));
  std::string content = *f.fs.FileContent(kIni);
  EXPECT_NE(content.find("RedirectSection=C:\\TC\\wincmd.ini"), std::string::npos) << content;
  EXPECT_NE(content.find("[left]"), std::string::npos);
  EXPECT_EQ(history.LoadMkDirHistory(), (std::vector<std::string>{"new", "old"}));
}

TEST(AddDirectoryToTCDirList, WritesTheRedirectedFile) {
  HistoryFixture f;
  f.fs.AddFile(kIni, std::string(kUsedIni) + "[MkDirHistory]\r\nRedirectSection=C:\\h.ini\r\n");
  DirHistory(f.fs, f.env, f.places).AddDirectoryToTCDirList("x");
  EXPECT_EQ(f.fs.FileContent("C:\\h.ini"), "[MkDirHistory]\r\n0=x\r\n\r\n");
  EXPECT_EQ(f.fs.FileContent(kIni)->find("0=x"), std::string::npos);
}

TEST(AddDirectoryToTCDirList, WriteFailureStillChangesTheList) {
  HistoryFixture f;
  f.fs.AddFile(kIni, std::string(kUsedIni) + NumberedSection(1));
  f.fs.FailPath(kIni, kErrorAccessDenied);
  EXPECT_EQ(DirHistory(f.fs, f.env, f.places).AddDirectoryToTCDirList("x"),
            (std::vector<std::string>{"x", "n0"}));
}

// ---- directory_structure
using Levels = std::vector<std::string>;

TEST(DirectoryStructure, AbsolutePathsAreDrivePathsAndNetworkPaths) {
  struct Case {
    std::string text;
    bool absolute;
  };
  const Case cases[] = {
      {"C:\\X\\Y", true}, {"  d:\\x  ", true}, {"\\\\server\\share", true},
      {"z:\\", true},     {"C:/x", false},     {"C:", false},
      {"\\x", false},     {"a\\b", false},     {"", false},
      {"ab:\\", false},   {":\\x", false},     {" \\\\s", true},
  };
  for (const Case& c : cases) EXPECT_EQ(IsAbsolutePath(c.text), c.absolute) << c.text;
}

TEST(DirectoryStructure, SplitLevelsKeepsEmptyParts) {
  struct Case {
    std::string text;
    Levels levels;
  };
  const Case cases[] = {
      {"a/b\\c", {"a", "b", "c"}},
      {"  a\\b  ", {"a", "b"}},
      {"a\\", {"a", ""}},
      {"\\x", {"", "x"}},
      {"a\\\\b", {"a", "", "b"}},
      {"a \\ b", {"a ", " b"}},
      {"abc", {"abc"}},
      {"", {""}},
      {"\\", {"", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitLevels(c.text), c.levels) << c.text;
}

TEST(DirectoryStructure, NeedsListForm) {
  EXPECT_TRUE(NeedsListForm("a|b"));
  EXPECT_TRUE(NeedsListForm("a*b"));
  EXPECT_FALSE(NeedsListForm("a\\b"));
}

TEST(DirectoryStructure, PrepareListRunText) {
  EXPECT_EQ(RemoveBlankLines("  \r\na\r\n\t\r\nb\r\n"), "a\r\nb");
  EXPECT_EQ(PrepareListRunText("  \r\na|b\r\n\r\n *c \r\n"), "a\r\nb\r\n *c");
  EXPECT_EQ(PrepareListRunText(" \r\n \r\n"), "");
  EXPECT_EQ(PrepareListRunText("x|*y"), "x\r\n*y");
}

struct PlanCase {
  const char* name;
  std::string run_text;
  std::vector<PlannedLine> lines;
  std::string final_name;
};

void PrintTo(const PlanCase& c, std::ostream* os) {
  *os << c.name;
}

PlannedLine Single(const std::string& text) {
  return {text, false, {text}};
}
PlannedLine Chain(const std::string& text, Levels levels) {
  return {text, true, levels};
}

class PlanListTest : public testing::TestWithParam<PlanCase> {};

TEST_P(PlanListTest, ExpandsMarkersAndFindsTheFinalName) {
  const PlanCase& c = GetParam();
  const ListPlan plan = PlanList(c.run_text);
  ASSERT_EQ(plan.lines.size(), c.lines.size());
  for (std::size_t i = 0; i < c.lines.size(); ++i) {
    EXPECT_EQ(plan.lines[i].text, c.lines[i].text) << i;
    EXPECT_EQ(plan.lines[i].chain, c.lines[i].chain) << i;
    EXPECT_EQ(plan.lines[i].levels, c.lines[i].levels) << i;
  }
  EXPECT_EQ(plan.final_name, c.final_name);
}

INSTANTIATE_TEST_SUITE_P(
    DirectoryStructure, PlanListTest,
    testing::Values(
        PlanCase{"Siblings",
                 "x\r\n*y\r\nz\r\n*w",
                 {Single("x"), Chain("x\\y", {"x", "y"}), Single("z"), Chain("z\\w", {"z", "w"})},
                 "z"},
        PlanCase{"ThreeNames", "a\r\nb\r\nc", {Single("a"), Single("b"), Single("c")}, "c"},
        PlanCase{"StarBlankAndDoubleStar",
                 "p\r\n* b\r\n**c",
                 {Single("p"), Chain("p\\b", {"p", "b"}), Chain("p\\p\\c", {"p", "p", "c"})},
                 "p"},
        PlanCase{"SubdirectoryBeforeAnyParent", "*x", {Chain("\\x", {"", "x"})}, "\\x"},
        PlanCase{"ChainParent",
                 " a/b \r\n*c",
                 {Chain("a\\b", {"a", "b"}), Chain("a\\b\\c", {"a", "b", "c"})},
                 "a\\b"},
        PlanCase{"TrailingSeparator", "a\\", {Chain("a\\", {"a", ""})}, "a\\"},
        PlanCase{"BlankLinesSkipped", "a\r\n\r\n  \r\nb", {Single("a"), Single("b")}, "b"},
        PlanCase{"StarsInsideTopLevelLine",
                 "a* b*c\r\n*d",
                 {Single("a"), Chain("a\\b", {"a", "b"}), Chain("a\\c", {"a", "c"}),
                  Chain("a\\d", {"a", "d"})},
                 "a"},
        PlanCase{"Empty", "", {}, ""}),
    [](const testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.name); });

// ---- history_undo
TEST(HistoryUndo, RestoresTheTextTypedBeforeTheFirstPick) {
  HistoryUndo undo;
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
  EXPECT_EQ(undo.TypedText, "x");
}

TEST(HistoryUndo, UndoWithoutTypingGivesAnEmptyText) {
  HistoryUndo undo;
  EXPECT_TRUE(undo.Picked());
  EXPECT_EQ(undo.Undo(), "");
}

// ---- invalid_chars
const std::vector<CharReplacement> kAmpersand = {{"&", "and"}};

TEST(InvalidChars, DetectsFixedCharactersStarsInNormalModeAndUserKeys) {
  struct Case {
    std::string text;
    InputMode mode;
    bool invalid;
  };
  const Case cases[] = {
      {"plain name", InputMode::kNormal, false}, {"a:b", InputMode::kNormal, true},
      {"what?", InputMode::kExtended, true},     {"say \"hi\"", InputMode::kNormal, true},
      {"<x>", InputMode::kExtended, true},       {"a*b", InputMode::kNormal, true},
      {"a\r\n*b", InputMode::kExtended, false},  {"R&D", InputMode::kNormal, true},
      {"a\\b/c|d", InputMode::kNormal, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ContainsInvalidChars(c.text, c.mode, kAmpersand), c.invalid) << c.text;
  }
}

TEST(InvalidChars, UserKeysMatchWithoutCaseAndEmptyKeysNeverMatch) {
  const std::vector<CharReplacement> rules = {{"tmp", "temp"}, {"", "x"}};
  EXPECT_TRUE(ContainsInvalidChars("My TMP dir", InputMode::kNormal, rules));
  EXPECT_FALSE(ContainsInvalidChars("My dir", InputMode::kNormal, rules));
}

TEST(InvalidChars, ReplacementFallsBackWhenItIsInvalidItself) {
  struct Case {
    std::string replacement, effective;
  };
  const Case cases[] = {{"_", "_"}, {"?", "_"}, {"<", "_"}, {"a*", "_"}, {"-", "-"}, {"", ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(EffectiveInvalidCharReplace(c.replacement), c.effective) << c.replacement;
  }
}

TEST(InvalidChars, RepairReplacesUserKeysFirstThenFixedCharacters) {
  struct Case {
    std::string text;
    InputMode mode;
    std::string replacement;
    std::vector<CharReplacement> keys;
    std::string repaired;
  };
  const Case cases[] = {
      {"a:b", InputMode::kNormal, "_", {}, "a_b"},
      {"a:b", InputMode::kNormal, "?", {}, "a_b"},
      {"R&D", InputMode::kNormal, "_", kAmpersand, "RandD"},
      {"r&d a*b", InputMode::kNormal, "-", kAmpersand, "randd a-b"},
      {"x\r\n*y?", InputMode::kExtended, "_", {}, "x\r\n*y_"},
      // A value that brings an invalid character back is cleaned in the same pass.
      {"a#b", InputMode::kNormal, "_", {{"#", ":"}}, "a_b"},
      // Keys apply in order; a key equal to the replacement is skipped.
      {"ab_", InputMode::kNormal, "_", {{"a", "b"}, {"B", "c"}, {"_", "!"}}, "cc_"},
      {"AbC", InputMode::kNormal, "_", {{"abc", "x"}}, "x"},
  };
  for (const Case& c : cases) {
    const InvalidCharRules rules{InvalidCharAction::kReplace, c.replacement, c.keys};
    EXPECT_EQ(RepairInvalidChars(c.text, c.mode, rules), c.repaired) << c.text;
  }
}

TEST(InvalidChars, VerdictFollowsTheAction) {
  struct Case {
    InvalidCharAction action;
    InvalidCharVerdict verdict;
  };
  const Case cases[] = {{InvalidCharAction::kWarn, InvalidCharVerdict::kWarn},
                        {InvalidCharAction::kReplace, InvalidCharVerdict::kRepair},
                        {InvalidCharAction::kUnknown, InvalidCharVerdict::kRefuse}};
  for (const Case& c : cases) {
    const InvalidCharRules rules{c.action, "_", kAmpersand};
    EXPECT_EQ(JudgeInvalidChars("R&D", InputMode::kNormal, rules, false), c.verdict);
    EXPECT_EQ(JudgeInvalidChars("R and D", InputMode::kNormal, rules, false),
              InvalidCharVerdict::kValid);
  }
}

TEST(InvalidChars, ARepairRestartsTheRunAtMostOnce) {
  // Each rule set leaves a user key in the repaired text: a key equal to the replacement,
  // and a value that contains its own key.
  const std::vector<std::vector<CharReplacement>> stubborn = {{{"_", "x"}}, {{"&", "&&"}}};
  for (const auto& keys : stubborn) {
    const InvalidCharRules rules{InvalidCharAction::kReplace, "_", keys};
    const std::string text = "a_b&c:d";
    ASSERT_EQ(JudgeInvalidChars(text, InputMode::kNormal, rules, false),
              InvalidCharVerdict::kRepair);
    const std::string repaired = RepairInvalidChars(text, InputMode::kNormal, rules);
    EXPECT_TRUE(ContainsInvalidChars(repaired, InputMode::kNormal, keys)) << repaired;
    EXPECT_EQ(JudgeInvalidChars(repaired, InputMode::kNormal, rules, true),
              InvalidCharVerdict::kValid)
        << repaired;
  }
}

TEST(InvalidChars, FixedCharactersStillCountAfterARepair) {
  const InvalidCharRules rules{InvalidCharAction::kReplace, "_", {}};
  EXPECT_EQ(JudgeInvalidChars("a:b", InputMode::kNormal, rules, true), InvalidCharVerdict::kRepair);
  EXPECT_EQ(JudgeInvalidChars("a*b", InputMode::kExtended, rules, true),
            InvalidCharVerdict::kValid);
}

// ---- level_creation
class LevelCreationTest : public testing::Test {
 protected:
  void SetUp() override {
    fs_.AddDirectory("C:");
    fs_.AddDirectory("C:\\cur");
  }
  FakeFileSystem fs_;
};

std::vector<LevelStep> Steps(const std::vector<LevelOutcome>& outcomes) {
  std::vector<LevelStep> steps;
  for (const LevelOutcome& o : outcomes) steps.push_back(o.step);
  return steps;
}

TEST_F(LevelCreationTest, EntersExistingLevelsAndCreatesTheRest) {
  fs_.AddDirectory("C:\\cur\\A");
  const auto outcomes = CreateLevels(fs_, "C:\\cur\\", {"a", "b", "c"});
  EXPECT_EQ(Steps(outcomes), (std::vector<LevelStep>{LevelStep::kEntered, LevelStep::kCreated,
                                                     LevelStep::kCreated}));
  EXPECT_EQ(outcomes[1].path, "C:\\cur\\a\\b");
  EXPECT_EQ(fs_.CreatedDirectories(),
            (std::vector<std::string>{"C:\\cur\\a\\b", "C:\\cur\\a\\b\\c"}));
}

TEST_F(LevelCreationTest, EmptyPartsStayAtTheCurrentBase) {
  // "*x" before any parent gives "\x"; "a\" ends with an empty part; "a\\b" has one inside.
  auto outcomes = CreateLevels(fs_, "C:\\cur\\", {"", "x"});
  EXPECT_EQ(outcomes[0].step, LevelStep::kEntered);
  EXPECT_EQ(outcomes[0].path, "C:\\cur");
  EXPECT_EQ(outcomes[1].path, "C:\\cur\\x");

  outcomes = CreateLevels(fs_, "C:\\cur\\", {"x", ""});
  EXPECT_EQ(Steps(outcomes), (std::vector<LevelStep>{LevelStep::kEntered, LevelStep::kEntered}));

  outcomes = CreateLevels(fs_, "C:\\cur", {"p", "", "q"});
  EXPECT_EQ(outcomes[2].path, "C:\\cur\\p\\q");
  EXPECT_EQ(fs_.CreatedDirectories(),
            (std::vector<std::string>{"C:\\cur\\x", "C:\\cur\\p", "C:\\cur\\p\\q"}));
}

TEST_F(LevelCreationTest, AFailedLevelKeepsTheBaseForTheNextPart) {
  fs_.FailPath("C:\\cur\\bad", kErrorAccessDenied);
  const auto outcomes = CreateLevels(fs_, "C:\\cur\\", {"bad", "next"});
  ASSERT_EQ(outcomes.size(), 2u);
  EXPECT_EQ(outcomes[0].step, LevelStep::kFailed);
  EXPECT_EQ(outcomes[0].error, kErrorAccessDenied);
  EXPECT_EQ(outcomes[0].part, "bad");
  EXPECT_EQ(outcomes[1].step, LevelStep::kCreated);
  EXPECT_EQ(outcomes[1].path, "C:\\cur\\next");
}

TEST_F(LevelCreationTest, AFileInTheWayFailsWithItsErrorCode) {
  fs_.AddFile("C:\\cur\\f", "");
  const auto outcomes = CreateLevels(fs_, "C:\\cur\\", {"f", "g"});
  EXPECT_EQ(outcomes[0].step, LevelStep::kFailed);
  EXPECT_EQ(outcomes[0].error, kErrorAlreadyExists);
}

TEST_F(LevelCreationTest, ForceDirectoriesCreatesEveryMissingLevel) {
  EXPECT_EQ(ForceDirectories(fs_, "C:\\X\\Y\\"), kErrorSuccess);
  EXPECT_EQ(fs_.CreatedDirectories(), (std::vector<std::string>{"C:\\X", "C:\\X\\Y"}));
  EXPECT_EQ(ForceDirectories(fs_, "c:/x/y/z"), kErrorSuccess);
  EXPECT_EQ(fs_.CreatedDirectories().back(), "c:\\x\\y\\z");
  EXPECT_EQ(ForceDirectories(fs_, "C:\\cur"), kErrorSuccess);
  EXPECT_EQ(fs_.CreatedDirectories().size(), 3u);
  // A network path: the share is the root, the missing level between it and the target
  // is created first.
  fs_.AddDrive("\\\\srv\\share");
  EXPECT_EQ(ForceDirectories(fs_, "\\\\srv\\share\\a\\b"), kErrorSuccess);
  EXPECT_EQ(fs_.CreatedDirectories().back(), "\\\\srv\\share\\a\\b");
  EXPECT_TRUE(fs_.DirectoryExists("\\\\srv\\share\\a"));
}

TEST_F(LevelCreationTest, ForceDirectoriesReportsTheFirstFailure) {
  fs_.AddFile("C:\\cur\\file", "");
  EXPECT_EQ(ForceDirectories(fs_, "C:\\cur\\file\\sub"), kErrorAlreadyExists);
  EXPECT_EQ(ForceDirectories(fs_, "Q:\\x"), kErrorPathNotFound);
  EXPECT_EQ(ForceDirectories(fs_, "\\\\server\\share\\x"), kErrorPathNotFound);
  EXPECT_EQ(ForceDirectories(fs_, ""), kErrorInvalidName);
  EXPECT_TRUE(fs_.CreatedDirectories().empty());
}

// ---- name_list_loading
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
      {"\r\n\r\nx\r\n\r\n", false, "x", ""},
      {"a\nb\n", true, "", "a\r\nb\r\n"},
      {" a \r\n b ", true, "", "a \r\n b\r\n"},  // only the whole text is trimmed
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
      {"a\r\nb\r\na", "b\r\na"},
      {"a\r\nb\r\na\r\n", "b\r\na\r\n"},
      {"A\r\na", "A\r\na"},  // exact comparison
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
      {"x\r\ny", "Setup", 5, 0, true, true, true, "", 0, 0, "x\r\ny\r\n"},
      {"x\ny", "Setup", 0, 5, true, true, true, "", 0, 0, "x\r\ny\r\n"},
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
  EXPECT_EQ(Describe(menu.VisibleItems(false, "", false, "Clear list...", "Browse...")),
            "0 - Projects#13|1 - Music#13|Clear list...|-|Browse...");
}

TEST(OpenDialogFilter, PairsSeparatedByZeroBytes) {
  string expected("Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0\0", 46);
  EXPECT_EQ(OpenDialogFilter("Text files (*.txt)", "All files (*.*)"), expected);
}

// ---- virtual_panel
TEST(DecodeUtf16ListFile, ByteOrders) {
  EXPECT_EQ(DecodeUtf16ListFile(Utf16("a\\b", false, true)), u"a\\b");
  EXPECT_EQ(DecodeUtf16ListFile(Utf16("a\\b", false, false)), u"a\\b");
  EXPECT_EQ(DecodeUtf16ListFile(Utf16("a\\b", true, true)), u"a\\b");
  // A non-ASCII character keeps its code unit in both orders.
  EXPECT_EQ(DecodeUtf16ListFile(std::string("\xFF\xFE\xAC\x20", 4)), u"\u20AC");
  EXPECT_EQ(DecodeUtf16ListFile(std::string("\xFE\xFF\x20\xAC", 4)), u"\u20AC");
  // A torn last byte is dropped, not read past.
  EXPECT_EQ(DecodeUtf16ListFile(std::string("\xFF\xFEx\0y", 5)), u"x");
  EXPECT_EQ(DecodeUtf16ListFile(""), u"");
}

TEST(SplitVirtualPanelEntries, TabsAndCarriageReturns) {
  EXPECT_EQ(SplitVirtualPanelEntries("a\tb\r\nc"), (std::vector<std::string>{"a", "b", "\nc"}));
  EXPECT_EQ(SplitVirtualPanelEntries(""), (std::vector<std::string>{""}));
}

TEST(VirtualPath_ReturnRealDir, PairsOfVirtualAndRealEntries) {
  const std::vector<std::string> entries = {" \\Proj ", "D:\\Projects\\Kestrix", "junk",
                                            "\\Music",  "\\\\nas\\music",        "\\Last"};
  struct Case {
    std::string rest;
    std::string expected;
  } cases[] = {
      {"Proj\\", "D:\\Projects\\Kestrix"},
      {"Music\\", "\\\\nas\\music"},
      {"Last\\", ""},     // the match is the last entry
      {"Nothing\\", ""},  // no match
      {"Proj", ""},       // the rest carries the separator the entry lacks
  };
  for (const Case& c : cases)
    EXPECT_EQ(VirtualPath_ReturnRealDir(c.rest, entries), c.expected) << c.rest;
}

TEST(ResolveVirtualPanelPath, FromTheListFileInBothByteOrders) {
  FakeCodePage cp;
  const std::string list = "\\Proj\r\nD:\\Projects\\Kestrix\r\n\\Docs\tC:\\Users\\u\\Docs\r\n";
  for (bool big_endian : {false, true}) {
    const std::string bytes = Utf16(list, big_endian, true);
    EXPECT_EQ(ResolveVirtualPanelPath("\\\\\\Virtual Panel\\Proj\\", bytes, cp),
              "D:\\Projects\\Kestrix");
    EXPECT_EQ(ResolveVirtualPanelPath("\\\\\\Virtual Panel\\Docs\\", bytes, cp),
              "C:\\Users\\u\\Docs");
    EXPECT_EQ(ResolveVirtualPanelPath("\\\\\\Virtual Panel\\", bytes, cp), "");
  }
}

TEST(IsVirtualPanelPath, ExactPrefix) {
  EXPECT_TRUE(IsVirtualPanelPath("\\\\\\Virtual Panel\\x\\"));
  EXPECT_FALSE(IsVirtualPanelPath("\\\\\\virtual panel\\x\\"));
  EXPECT_FALSE(IsVirtualPanelPath("\\\\Virtual Panel\\x\\"));
  EXPECT_FALSE(IsVirtualPanelPath("C:\\"));
}

}  // namespace
}  // namespace kestrix
