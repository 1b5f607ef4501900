#include "settings/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_resources.h"
#include "names/text_utils.h"
#include "settings/big_ini_file.h"
#include "settings/control_texts.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"
#include "settings/themes.h"

namespace kestrix {
namespace {

// ---- big_ini_file
const char kPath[] = "C:\\Prog\\test.ini";

class BigIniFileTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.AddDirectory("C:\\Prog"); }
  void Put(const std::string& content) { fs.AddFile(kPath, content); }
  std::string Content() { return fs.FileContent(kPath).value_or("<missing>"); }

  FakeFileSystem fs;
};

TEST_F(BigIniFileTest, MissingFileIsEmptyAndFirstFlushCreatesIt) {
  {
    TBigIniFile ini(fs, kPath);
    EXPECT_EQ(ini.ReadString("A", "k", "dflt"), "dflt");
    EXPECT_FALSE(ini.SectionExists("A"));
    EXPECT_FALSE(fs.FileExists(kPath));
    ini.WriteString("A", "k", "v");
  }
  EXPECT_EQ(Content(), "[A]\r\nk=v\r\n\r\n");
}

TEST_F(BigIniFileTest, ReadStringTakesValueVerbatim) {
  Put("[S]\r\nplain=v\r\nspaced=  two\r\nblank =x\r\nempty=\r\nquoted=\"q\" \r\n"
      "tab=\tt\r\neq=a=b\r\nMixed=Case\r\n");
  TBigIniFile ini(fs, kPath);
  struct Case {
    const char* key;
    const char* expected;
  } cases[] = {
      {"plain", "v"},    {"spaced", "  two"},  {"blank", "dflt"}, {"blank ", "x"},
      {"empty", ""},     {"quoted", "\"q\" "}, {"tab", "\tt"},    {"eq", "a=b"},
      {"MIXED", "Case"}, {"missing", "dflt"},
  };
  for (const Case& c : cases) EXPECT_EQ(ini.ReadString("s", c.key, "dflt"), c.expected) << c.key;
  EXPECT_EQ(ini.ReadString("Other", "plain", "dflt"), "dflt");
}

TEST_F(BigIniFileTest, ParsingRules) {
  Put("before=dropped\r\n[One]\r\n;comment\r\nno equals\r\n\x1A\r\n\r\n[Two] \r\nafter=1\r\n"
      "[ Blank ]\r\nb=2\n[]\rc=3\r\n[\r\n");
  TBigIniFile ini(fs, kPath);
  std::vector<std::string> names;
  ini.ReadSections(names);
  EXPECT_EQ(names, (std::vector<std::string>{"One", " Blank ", ""}));
  std::vector<std::string> lines;
  ini.ReadSectionValues("One", lines);
  // A header followed by blanks is an ordinary line of the preceding section.
  EXPECT_EQ(lines, (std::vector<std::string>{";comment", "no equals", "[Two] ", "after=1"}));
  EXPECT_EQ(ini.ReadString(" blank ", "b", ""), "2");
  EXPECT_EQ(ini.ReadString("Blank", "b", "none"), "none");
  EXPECT_EQ(ini.ReadString("", "c", ""), "3");
  lines.clear();
  ini.ReadSectionValues("", lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"c=3", "["}));
}

TEST_F(BigIniFileTest, DuplicateSectionsKeepTheFirstAndVanishAfterAWrite) {
  const std::string original = "[A]\r\nk=first\r\n[B]\r\nx=1\r\n[a]\r\nk=second\r\nonly=2\r\n";
  Put(original);
  const uint64_t stamp = fs.LastWriteTime(kPath);
  {
    TBigIniFile ini(fs, kPath);
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(ini.ReadString("A", "k", ""), "first");
    EXPECT_EQ(ini.ReadString("A", "only", "none"), "none");
  }
  // Dropping the duplicate alone does not rewrite the file.
  EXPECT_EQ(Content(), original);
  EXPECT_EQ(fs.LastWriteTime(kPath), stamp);
  {
    TBigIniFile ini(fs, kPath);
    ini.WriteString("B", "x", "2");
  }
  EXPECT_EQ(Content(), "[A]\r\nk=first\r\n\r\n[B]\r\nx=2\r\n\r\n");
}

TEST_F(BigIniFileTest, UnchangedWriteLeavesFileAndTimeStampAlone) {
  const std::string original = "[S]\r\nk=v\r\n\r\n\r\n; trailing\r\n";
  Put(original);
  const uint64_t stamp = fs.LastWriteTime(kPath);
  {
    TBigIniFile ini(fs, kPath);
    ini.WriteString("S", "k", "v");
    ini.WriteInteger("s", "K", 0);
    ini.WriteString("s", "k", "v");
    EXPECT_TRUE(ini.Modified());
  }
  EXPECT_EQ(Content(), "[S]\r\nk=v\r\n; trailing\r\n\r\n");
  fs.AddFile(kPath, original);
  const uint64_t second_stamp = fs.LastWriteTime(kPath);
  const int writes = fs.WriteCount();
  {
    TBigIniFile ini(fs, kPath);
    ini.WriteString("S", "k", "v");
    EXPECT_FALSE(ini.Modified());
  }
  EXPECT_EQ(fs.WriteCount(), writes);
  EXPECT_EQ(fs.LastWriteTime(kPath), second_stamp);
  EXPECT_NE(second_stamp, stamp);
  EXPECT_EQ(Content(), original);
}

TEST_F(BigIniFileTest, WritesReplaceInPlaceOrAppend) {
  Put("[A]\r\nfirst=1\r\nKey=old\r\nlast=3\r\n[B]\r\nb=1\r\n");
  {
    TBigIniFile ini(fs, kPath);
    ini.WriteString("a", "KEY", "new");  // keeps its place, takes the caller's spelling
    ini.WriteString("A", "added", "4");
    ini.WriteString("New", "n", "5");
  }
  EXPECT_EQ(Content(),
            "[A]\r\nfirst=1\r\nKEY=new\r\nlast=3\r\nadded=4\r\n\r\n[B]\r\nb=1\r\n\r\n"
            "[New]\r\nn=5\r\n\r\n");
}

TEST_F(BigIniFileTest, RewriteDropsBlankLinesPreambleAndEmptySections) {
  Put("; preamble\r\n\r\n[Empty]\r\n\r\n[S]\r\n; keep me\r\nunknown line\r\n\r\n\r\nk=v\r\n");
  {
    TBigIniFile ini(fs, kPath);
    EXPECT_TRUE(ini.SectionExists("Empty"));
    ini.WriteString("S", "k", "w");
  }
  EXPECT_EQ(Content(), "[S]\r\n; keep me\r\nunknown line\r\nk=w\r\n\r\n");
}

TEST_F(BigIniFileTest, DeleteKeyAndEraseSection) {
  Put("[A]\r\nonly=1\r\n[B]\r\nx=1\r\ny=2\r\n[C]\r\nc=1\r\n");
  {
    TBigIniFile ini(fs, kPath);
    ini.DeleteKey("B", "missing");
    ini.DeleteKey("Nowhere", "k");
    EXPECT_FALSE(ini.Modified());
    ini.DeleteKey("a", "ONLY");
    EXPECT_TRUE(ini.Modified());
    EXPECT_TRUE(ini.SectionExists("A"));
    ini.EraseSection("c");
    EXPECT_FALSE(ini.SectionExists("C"));
    ini.EraseSection("C");  // erasing twice is harmless
  }
  // The emptied section loses its header too; the created empty section is not written.
  EXPECT_EQ(Content(), "[B]\r\nx=1\r\ny=2\r\n\r\n");
}

TEST_F(BigIniFileTest, ErasingTheSectionUnderTheCursorMovesItToTheFirst) {
  TBigIniFile ini;
  ini.WriteString("A", "a", "1");
  ini.WriteString("B", "b", "2");
  EXPECT_EQ(ini.ReadString("B", "b", ""), "2");
  ini.EraseSection("B");
  EXPECT_EQ(ini.Sections().LastFound(), 0);
  EXPECT_EQ(ini.ReadString("A", "a", ""), "1");
}

TEST_F(BigIniFileTest, WriteStringWithEmptyKey) {
  Put("[A]\r\na=1\r\n[B]\r\nb=2\r\n");
  {
    TBigIniFile ini(fs, kPath);
    ini.WriteString("A", "", "");
    EXPECT_FALSE(ini.SectionExists("A"));
    ini.WriteString("", "", "");  // flushes
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(Content(), "[B]\r\nb=2\r\n\r\n");
    ini.WriteString("B", "", "ignored value");
    EXPECT_FALSE(ini.SectionExists("B"));
  }
  EXPECT_EQ(Content(), "");
}

TEST_F(BigIniFileTest, ReadIntegerAndBool) {
  Put("[N]\r\nhex=0x1F\r\nHEX=0X1f\r\ndollar=$1F\r\nneg=-12\r\nplus=+7\r\nlead= 5\r\n"
      "trail=5 \r\nempty=\r\nword=abc\r\nbig=2147483648\r\nmin=-2147483648\r\nall=$FFFFFFFF\r\n"
      "zero=0\r\nfrac=1.5\r\nbare=$\r\n");
  TBigIniFile ini(fs, kPath);
  struct Case {
    const char* key;
    int expected;
  } cases[] = {
      {"hex", 31},   {"dollar", 31}, {"neg", -12}, {"plus", 7},  {"lead", 5},
      {"trail", -1}, {"empty", -1},  {"word", -1}, {"big", -1},  {"min", INT32_MIN},
      {"all", -1},   {"zero", 0},    {"frac", -1}, {"bare", -1}, {"missing", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(ini.ReadInteger("N", c.key, -1), c.expected) << c.key;
  // The same key spelled "HEX" finds the first line: names compare case-insensitively.
  EXPECT_EQ(ini.ReadInteger("N", "HEX", 0), 31);
  EXPECT_TRUE(ini.ReadBool("N", "hex", false));
  EXPECT_FALSE(ini.ReadBool("N", "zero", true));
  EXPECT_TRUE(ini.ReadBool("N", "word", true));
  EXPECT_FALSE(ini.ReadBool("N", "word", false));
  ini.WriteBool("N", "flag", true);
  ini.WriteInteger("N", "int", -40);
  EXPECT_EQ(ini.ReadString("N", "flag", ""), "1");
  EXPECT_EQ(ini.ReadString("N", "int", ""), "-40");
}

TEST_F(BigIniFileTest, SectionListingOperations) {
  Put("[S]\r\na=1\r\n;c\r\n=novalue\r\nb=2\r\n[E]\r\n");
  TBigIniFile ini(fs, kPath);
  std::vector<std::string> list{"kept"};
  ini.ReadSection("s", list);
  EXPECT_EQ(list, (std::vector<std::string>{"kept", "a", "b"}));
  list = {"kept"};
  ini.ReadSectionValues("S", list);
  EXPECT_EQ(list, (std::vector<std::string>{"kept", "a=1", ";c", "=novalue", "b=2"}));
  list = {"kept"};
  ini.ReadSection("missing", list);
  ini.ReadSectionValues("missing", list);
  EXPECT_EQ(list, (std::vector<std::string>{"kept"}));
  ini.ReadSections(list);
  EXPECT_EQ(list, (std::vector<std::string>{"S", "E"}));
  EXPECT_TRUE(ini.SectionExists("e"));
  EXPECT_TRUE(ini.ValueExists("S", "B"));
  EXPECT_FALSE(ini.ValueExists("S", ";c"));
  EXPECT_FALSE(ini.ValueExists("S", ""));
  EXPECT_FALSE(ini.ValueExists("E", "a"));
}

TEST_F(BigIniFileTest, GetAndSetStrings) {
  TBigIniFile ini;
  ini.SetStrings({"ignored", "[Lang]", "Key= value", "[Empty]", "[lang]", "dup=1", "", "[X]", "x"});
  EXPECT_EQ(ini.ReadString("LANG", "Key", ""), " value");
  EXPECT_EQ(ini.ReadString("Lang", "dup", "none"), "none");
  ini.SetStrings({"[More]", "m=1"});  // appends
  std::vector<std::string> out{"first"};
  ini.GetStrings(out);
  EXPECT_EQ(out, (std::vector<std::string>{"first", "[Lang]", "Key= value", "", "[X]", "x", "",
                                           "[More]", "m=1", ""}));
}

TEST_F(BigIniFileTest, InMemoryIniIsNeverWritten) {
  const int writes = fs.WriteCount();
  {
    TBigIniFile ini(fs, "");
    ini.WriteString("A", "k", "v");
    ini.UpdateFile();
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(ini.ReadString("A", "k", ""), "v");
  }
  EXPECT_EQ(fs.WriteCount(), writes);
}

TEST_F(BigIniFileTest, SetFileNameFlushesOldAndLoadsNew) {
  fs.AddFile("C:\\Prog\\other.ini", "[O]\r\no=1\r\n");
  TBigIniFile ini(fs, kPath);
  ini.WriteString("A", "k", "v");
  ini.SetFileName("c:/prog/OTHER.INI");
  EXPECT_EQ(Content(), "[A]\r\nk=v\r\n\r\n");
  EXPECT_FALSE(ini.Modified());
  EXPECT_EQ(ini.FileName(), "c:/prog/OTHER.INI");
  EXPECT_FALSE(ini.SectionExists("A"));
  EXPECT_EQ(ini.ReadString("o", "O", ""), "1");
}

TEST_F(BigIniFileTest, FileBeyond64KiBRoundTrips) {
  std::string content;
  for (int s = 0; s < 80; ++s) {
    content += "[Section" + std::to_string(s) + "]\r\n";
    for (int k = 0; k < 60; ++k)
      content +=
          "key" + std::to_string(k) + "=value number " + std::to_string(s * 100 + k) + "\r\n";
    content += "\r\n";
  }
  ASSERT_GT(content.size(), 100000u);
  Put(content);
  {
    TBigIniFile ini(fs, kPath);
    EXPECT_EQ(ini.ReadString("Section79", "key59", ""), "value number 7959");
    EXPECT_EQ(ini.ReadString("Section0", "key0", ""), "value number 0");
    ini.WriteString("Section79", "key59", "changed");
  }
  std::string expected = content;
  expected.replace(expected.rfind("value number 7959"), 17, "changed");
  EXPECT_EQ(Content(), expected);
}

TEST_F(BigIniFileTest, FailedFlushReportsCodeAndKeepsContentAndFile) {
  const std::string original = "[A]\r\nk=old\r\n\r\n";
  struct Case {
    const char* what;
    uint32_t code;
    void (*arrange)(FakeFileSystem&);
  } cases[] = {
      {"read-only file", kErrorAccessDenied,
       [](FakeFileSystem& f) { f.SetAttributes(kPath, kAttrReadOnly); }},
      {"disk full midway", kErrorDiskFull,
       [](FakeFileSystem& f) { f.FailNextWriteAfter(5, kErrorDiskFull); }},
      {"protected directory", kErrorAccessDenied,
       [](FakeFileSystem& f) { f.FailPath("C:\\Prog", kErrorAccessDenied); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs.ClearFaults();
    fs.SetAttributes(kPath, kAttrArchive);
    fs.AddFile(kPath, original);
    TBigIniFile ini(fs, kPath);
    ini.WriteString("A", "k", "new");
    c.arrange(fs);
    try {
      ini.UpdateFile();
      ADD_FAILURE() << "no error";
    } catch (const InOutError& error) {
      EXPECT_EQ(error.Code(), c.code);
      EXPECT_EQ(error.Path(), kPath);
    }
    EXPECT_TRUE(ini.Modified());
    EXPECT_EQ(ini.ReadString("A", "k", ""), "new");
    EXPECT_EQ(Content(), original);
    // Once the cause is gone, the next flush writes the kept content.
    fs.ClearFaults();
    fs.SetAttributes(kPath, kAttrArchive);
    ini.UpdateFile();
    EXPECT_EQ(Content(), "[A]\r\nk=new\r\n\r\n");
  }
}

TEST_F(BigIniFileTest, ReleaseSwallowsAFailedFlush) {
  Put("[A]\r\nk=old\r\n");
  fs.SetAttributes(kPath, kAttrReadOnly);
  EXPECT_NO_THROW({
    TBigIniFile ini(fs, kPath);
    ini.WriteString("A", "k", "new");
  });
  EXPECT_EQ(Content(), "[A]\r\nk=old\r\n");
}

TEST_F(BigIniFileTest, UnreadableFileRaisesOnOpen) {
  fs.AddDirectory("C:\\Prog\\dir.ini");
  try {
    TBigIniFile ini(fs, "C:\\Prog\\dir.ini");
    ADD_FAILURE() << "no error";
  } catch (const InOutError& error) {
    EXPECT_EQ(error.Code(), kErrorAccessDenied);
  }
  // A missing directory on the way is as good as a missing file.
  TBigIniFile ini(fs, "C:\\Nowhere\\x.ini");
  EXPECT_EQ(ini.ReadString("A", "k", "d"), "d");
}

TEST_F(BigIniFileTest, LineBreaksInWrittenTextCannotForgeLines) {
  {
    TBigIniFile ini(fs, kPath);
    ini.WriteString("A", "k", "one\r\n[Other]\r\nx=1");
    ini.WriteString("B\r\n", "k\n", "v");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "one[Other]x=1");
  }
  TBigIniFile ini(fs, kPath);
  EXPECT_FALSE(ini.SectionExists("Other"));
  EXPECT_EQ(ini.ReadString("A", "k", ""), "one[Other]x=1");
  EXPECT_EQ(ini.ReadString("B", "k", ""), "v");
}

TEST_F(BigIniFileTest, NamesFoldWindows1252Letters) {
  TBigIniFile ini;
  ini.WriteString("\xC4rger", "\xD6l", "1");  // ÄRGER / ÖL
  EXPECT_EQ(ini.ReadString("\xE4rger", "\xF6l", ""), "1");
  EXPECT_TRUE(IniNamesEqual("\x8A", "\x9A"));
  EXPECT_FALSE(IniNamesEqual("\xD7", "\xF7"));  // multiplication and division signs
  EXPECT_FALSE(IniNamesEqual("ab", "abc"));
}

TEST_F(BigIniFileTest, BinaryData) {
  TBigIniFile ini;
  const std::string bytes("\x00\x7F\xAB\xFF", 4);
  ini.WriteBinaryData("B", "data", bytes);
  EXPECT_EQ(ini.ReadString("B", "data", ""), "007FABFF");
  std::string out = "junk";
  EXPECT_EQ(ini.ReadBinaryData("B", "data", out), 4);
  EXPECT_EQ(out, bytes);
  ini.WriteString("B", "bad", "0aZZ11");
  EXPECT_EQ(ini.ReadBinaryData("B", "bad", out), 1);
  EXPECT_EQ(out, "\x0A");
  ini.WriteString("B", "odd", "123");
  EXPECT_EQ(ini.ReadBinaryData("B", "odd", out), 1);
}

TEST_F(BigIniFileTest, FloatDateAndTime) {
  TBigIniFile ini;
  ini.WriteFloat("T", "f", 3.25);
  EXPECT_EQ(ini.ReadString("T", "f", ""), "3.25");
  EXPECT_DOUBLE_EQ(ini.ReadFloat("T", "f", 0), 3.25);
  ini.WriteString("T", "g", " -1e3 ");
  EXPECT_DOUBLE_EQ(ini.ReadFloat("T", "g", 0), -1000);
  ini.WriteString("T", "bad", "1,5");
  EXPECT_DOUBLE_EQ(ini.ReadFloat("T", "bad", 9), 9);
  ini.WriteString("T", "plus", " +2.5");
  EXPECT_DOUBLE_EQ(ini.ReadFloat("T", "plus", 9), 2.5);
  for (const char* bad : {"+", "++1"}) {
    ini.WriteString("T", "bad", bad);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("T", "bad", 9), 9) << bad;
  }

  // 2013-12-24 is day 41632 after 1899-12-30; 18:00 is 0.75 of a day.
  ini.WriteDateTime("T", "dt", 41632.75);
  EXPECT_EQ(ini.ReadString("T", "dt", ""), "2013-12-24 18:00:00");
  EXPECT_DOUBLE_EQ(ini.ReadDateTime("T", "dt", 0), 41632.75);
  ini.WriteDate("T", "d", 41632.75);
  EXPECT_EQ(ini.ReadString("T", "d", ""), "2013-12-24");
  EXPECT_DOUBLE_EQ(ini.ReadDate("T", "d", 0), 41632);
  EXPECT_DOUBLE_EQ(ini.ReadDateTime("T", "d", 0), 41632);
  ini.WriteTime("T", "t", 41632.75);
  EXPECT_EQ(ini.ReadString("T", "t", ""), "18:00:00");
  EXPECT_DOUBLE_EQ(ini.ReadTime("T", "t", 0), 0.75);
  ini.WriteDate("T", "epoch", 0);
  EXPECT_EQ(ini.ReadString("T", "epoch", ""), "1899-12-30");
  ini.WriteDate("T", "leap", 36585);
  EXPECT_EQ(ini.ReadString("T", "leap", ""), "2000-02-29");
  for (const char* bad : {"2013-02-29", "2013-13-01", "13-12-24", "2013-12-24x", "", "2013-1a-24",
                          "2O13-12-24", "2013-12-2/", "2013-12-2:"}) {
    ini.WriteString("T", "bad", bad);
    EXPECT_DOUBLE_EQ(ini.ReadDate("T", "bad", -1), -1) << bad;
  }
  ini.WriteString("T", "bad", "24:00:00");
  EXPECT_DOUBLE_EQ(ini.ReadTime("T", "bad", -1), -1);
}

TEST_F(BigIniFileTest, EveryLineBreakSeparatesLines) {
  Put(std::string("[A]\na=1\rb=2\r\nc=\0x\n[B]\r\nd=4", 26));
  TBigIniFile ini(fs, kPath);
  EXPECT_EQ(ini.ReadString("A", "a", ""), "1");
  EXPECT_EQ(ini.ReadString("A", "b", ""), "2");
  EXPECT_EQ(ini.ReadString("A", "c", ""), std::string("\0x", 2));
  EXPECT_EQ(ini.ReadString("B", "d", ""), "4");
}

// ---- language_table
const char kProgramDir[] = "C:\\TC\\Kestrix";

// A small language file whose texts name the language, so a test sees which one loaded.
std::string LanguageFile(const std::string& short_id, const std::string& ok_text) {
  return "[Language]\r\nLngShortID=\t\t" + short_id + "\r\nLngNameEng=\t" + ok_text +
         " language\r\n\r\n[Buttons]\r\nBtnOK=\t\t\t" + ok_text + "\r\n";
}

class LanguageTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.AddDirectory(kProgramDir);
    resources.Add("LNG_ENG", LanguageFile("ENG", "OK"));
    resources.Add("LNG_HUN", LanguageFile("HUN", "Rendben"));
    resources.Add("LNG_RUS", LanguageFile("RUS", "Ladno"));
    resources.Add("LNG_DEU", LanguageFile("deu", "Gut"));
  }
  std::string OkText(const LanguageTable& table) { return table.Text(lng::buttons::kBtnOK); }
  LoadedLanguage Load(const std::string& setting, const std::vector<std::string>& args = {}) {
    PendingLanguage pending;
    return LoadLanguage(sources, setting, pending, args);
  }

  FakeFileSystem fs;
  FakeResources resources;
  LanguageSources sources{fs, resources, kProgramDir};
};

TEST(LanguageTableLookup, TrimsValuesAndFallsBackToTheEnglishDefault) {
  const LanguageTable table = LanguageTable::FromText(
      "; comment line\n"
      "[Buttons]\n"
      "BtnOK=\t\t\tRendben\t \n"
      "BtnCancel=Megse\n"
      "BtnApply =Alkalmaz\n"
      "BtnNext=\x01 Tovabb \x1f\n"
      "BtnClose=\n"
      "[Captions - Install]\n"
      "Step2 note_u=\tEltavolitas...\n");
  struct Case {
    const char* section;
    const char* key;
    const char* english;
    const char* expected;
  } cases[] = {
      {"Buttons", "BtnOK", "OK", "Rendben"},               // alignment tabs and trailing blanks go
      {"Buttons", "BtnCancel", "Cancel", "Megse"},         // values need no indentation
      {"Buttons", "BtnApply", "Apply", "Apply"},           // a blank before "=" loses the key
      {"Buttons", "BtnNext", "Next", "Tovabb"},            // control characters are trimmed too
      {"Buttons", "BtnClose", "Close", ""},                // a present but empty value stays empty
      {"buttons", "btnok", "OK", "Rendben"},               // names compare case-insensitively
      {"Buttons", "BtnPrevious", "Previous", "Previous"},  // missing key
      {"Dialogs", "TextFiles", "Text files", "Text files"},                  // missing section
      {"Captions - Install", "Step2 note_u", "Removing", "Eltavolitas..."},  // blanks in keys
      {"Dialogs", "AllFiles", "  All files\t", "All files"},  // the default is trimmed too
  };
  for (const Case& c : cases)
    EXPECT_EQ(table.Text(c.section, c.key, c.english), c.expected) << c.section << "/" << c.key;
  EXPECT_EQ(table.Lookup("Buttons", "BtnOK", "OK"), "\t\t\tRendben\t ");
  EXPECT_EQ(LanguageText(table, "Buttons", "BtnOK", "OK"), "Rendben");
}

TEST_F(LanguageTableTest, ExternalFileIsReadNeverWritten) {
  const std::string path = std::string(kProgramDir) + "\\lng_test.ini";
  fs.AddFile(path, "[Buttons]\r\nBtnOK=\tJa\r\n[Buttons]\r\nBtnOK=Later\r\n");
  {
    LanguageTable table = LanguageTable::FromFile(fs, path);
    EXPECT_EQ(OkText(table), "Ja");
  }
  EXPECT_EQ(fs.WriteAttempts(path), 0);  // the dropped duplicate section is not written back
}

TEST_F(LanguageTableTest, MissingOrUnreadableFileGivesEnglish) {
  const std::string path = std::string(kProgramDir) + "\\lng_locked.ini";
  fs.AddFile(path, LanguageFile("HUN", "Rendben"));
  fs.FailPath(path, kErrorAccessDenied, FakeFileSystem::kFaultRead);
  EXPECT_EQ(OkText(LanguageTable::FromFile(fs, path)), "OK");
  EXPECT_EQ(OkText(LanguageTable::FromFile(fs, std::string(kProgramDir) + "\\lng_none.ini")), "OK");
  EXPECT_EQ(OkText(LanguageTable::FromFile(fs, kProgramDir)), "OK");  // a directory
}

TEST(LanguageSwitch, LastLngArgumentWinsAnyCaseTrimmed) {
  struct Case {
    std::vector<std::string> args;
    const char* expected;
  } cases[] = {
      {{}, ""},
      {{"/LNG=RUS"}, "RUS"},
      {{"/lng=rus"}, "rus"},
      {{"/Lng=  HUN\t"}, "HUN"},
      {{"/LNG=lng_my.ini"}, "lng_my.ini"},
      {{"/LNG=RUS", "/INSTALL", "/lng=HUN"}, "HUN"},
      {{"/LNG=RUS", "/LNG="}, ""},  // the last one wins, even when it is empty
      {{"/LNG"}, ""},               // too short to be the switch
      {{"/LNGX=RUS", "LNG=RUS", " /LNG=RUS"}, ""},
      {{"/LNG=/LNG=RUS"}, "/LNG=RUS"},  // only the first five characters are the switch
  };
  for (const Case& c : cases) EXPECT_EQ(CommandLineLanguage(c.args), c.expected);
}

TEST_F(LanguageTableTest, ChoosesBuiltInExternalOrCommandLineLanguage) {
  fs.AddFile(std::string(kProgramDir) + "\\lng_French.ini", LanguageFile("FRA", "Bien"));
  struct Case {
    const char* setting;
    std::vector<std::string> args;
    const char* ok_text;
    const char* current_id;
  } cases[] = {
      {"ENG", {}, "OK", "ENG"},
      {"HUN", {}, "Rendben", "HUN"},
      {"HUNGARIAN", {}, "Rendben", "HUN"},  // only three characters count
      {"hun", {}, "Rendben", "hun"},        // resource names ignore case
      {"", {}, "OK", ""},
      {"XYZ", {}, "OK", "XYZ"},  // no such resource: English
      {"lng_French.ini", {}, "Bien", "lng_French.ini"},
      {"lng_Missing.ini", {}, "OK", "lng_Missing.ini"},  // empty table: English defaults
      {"lng_French.INI", {}, "OK", "lng"},               // ".ini" must be lower case
      {"HUN", {"/lng=rus"}, "Ladno", "rus"},
      {"lng_French.ini", {"/LNG=RUS"}, "Ladno", "RUS"},     // the switch beats the setting
      {"HUN", {"/LNG=lng_Missing.ini"}, "Rendben", "HUN"},  // missing file: the setting
      {"lng_French.ini", {"/LNG=lng_Missing.ini"}, "Bien", "lng_French.ini"},
  };
  for (const Case& c : cases) {
    const LoadedLanguage loaded = Load(c.setting, c.args);
    EXPECT_EQ(OkText(loaded.table), c.ok_text) << c.setting;
    EXPECT_EQ(loaded.current_id, c.current_id) << c.setting;
  }
}

TEST_F(LanguageTableTest, MissingEnglishResourceStillGivesEnglishTexts) {
  FakeResources none;
  LanguageSources bare{fs, none, kProgramDir};
  PendingLanguage pending;
  const LoadedLanguage loaded = LoadLanguage(bare, "HUN", pending, {});
  EXPECT_EQ(OkText(loaded.table), "OK");
  EXPECT_EQ(loaded.font_charset, kDefaultFontCharset);
}

TEST_F(LanguageTableTest, PendingDialogChoiceReplacesTheSettingOnce) {
  PendingLanguage pending;
  LoadedLanguage loaded = LoadLanguage(sources, "ENG", pending, {});
  EXPECT_FALSE(pending.pending);
  EXPECT_EQ(pending.value, "ENG");  // the setting is remembered as the value in use

  pending = {true, "RUS"};
  loaded = LoadLanguage(sources, "ENG", pending, {});
  EXPECT_EQ(OkText(loaded.table), "Ladno");
  EXPECT_FALSE(pending.pending);

  loaded = LoadLanguage(sources, "HUN", pending, {});
  EXPECT_EQ(OkText(loaded.table), "Rendben");
  EXPECT_EQ(pending.value, "HUN");
}

TEST_F(LanguageTableTest, CharacterSetFollowsTheLoadedShortId) {
  fs.AddFile(std::string(kProgramDir) + "\\lng_ru.ini", LanguageFile("  RUS\t", "Da"));
  fs.AddFile(std::string(kProgramDir) + "\\lng_plain.ini", "[Buttons]\r\nBtnOK=Fine\r\n");
  struct Case {
    const char* setting;
    const char* charset_resource;
    int charset;
  } cases[] = {
      {"RUS", "LNG_RUS", 204},
      {"DEU", "LNG_deu", 1},  // the German file declares "deu" in lower case
      {"lng_ru.ini", "LNG_RUS", 204},
      {"lng_plain.ini", "LNG_ENG", 1},  // no LngShortID: treated as ENG
      {"XYZ", "LNG_ENG", 1},
  };
  for (const Case& c : cases) {
    const LoadedLanguage loaded = Load(c.setting);
    EXPECT_EQ(loaded.charset_resource, c.charset_resource) << c.setting;
    EXPECT_EQ(loaded.font_charset, c.charset) << c.setting;
  }
}

TEST_F(LanguageTableTest, ArgumentOfTheInstallerLoadsOnlyWhatExists) {
  fs.AddFile(std::string(kProgramDir) + "\\lng_French.ini", LanguageFile("FRA", "Bien"));
  struct Case {
    const char* value;
    bool loads;
    const char* ok_text;
  } cases[] = {
      {"lng_French.ini", true, "Bien"}, {"HUN", true, "Rendben"}, {"hun", true, "Rendben"},
      {"lng_None.ini", false, "Keep"},  {"XYZ", false, "Keep"},   {"", false, "Keep"},
      {"HUNGARIAN", false, "Keep"},  // the installer uses the value whole
  };
  for (const Case& c : cases) {
    LanguageTable table = LanguageTable::FromText("[Buttons]\nBtnOK=Keep\n");
    EXPECT_EQ(LoadLanguageArgument(sources, c.value, table), c.loads) << c.value;
    EXPECT_EQ(OkText(table), c.ok_text) << c.value;
  }
}

TEST_F(LanguageTableTest, InstallerTakesTheHostLanguageWhenBuiltIn) {
  struct Case {
    const char* language_ini;
    const char* ok_text;
    const char* current_id;
  } cases[] = {
      {"WCMD_HUN.LNG", "Rendben", "HUN"},
      {"wcmd_rus.lng", "Ladno", "RUS"},
      {"WCMD_DEU.LNG", "Gut", "deu"},  // the identifier is the file's own
      {"WCMD_FRA.LNG", "OK", "ENG"},   // no built-in counterpart: English
      {"WCMD_", "OK", "ENG"},
      {"", "OK", "ENG"},
  };
  for (const Case& c : cases) {
    const InstallerLanguage language = LoadInstallerLanguage(resources, c.language_ini);
    EXPECT_EQ(OkText(language.table), c.ok_text) << c.language_ini;
    EXPECT_EQ(language.current_id, c.current_id) << c.language_ini;
  }
}

TEST_F(LanguageTableTest, DiscoversExternalFilesForTheDialog) {
  fs.AddFile(std::string(kProgramDir) + "\\lng_French.ini", LanguageFile("FRA", "Bien"));
  fs.AddFile(std::string(kProgramDir) + "\\LNG_polski.ini", "[Language]\r\nLngShortID=POL\r\n");
  fs.AddFile(std::string(kProgramDir) + "\\lng_lng_x.ini", "[Language]\r\nLngNameEng=  Twice \r\n");
  fs.AddFile(std::string(kProgramDir) + "\\other.ini", LanguageFile("OTH", "Other"));
  fs.AddFile(std::string(kProgramDir) + "\\lng_notes.txt", "");
  fs.AddDirectory(std::string(kProgramDir) + "\\lng_folder.ini");
  std::vector<ExternalLanguage> found = FindExternalLanguages(sources);
  std::vector<std::string> entries;
  for (const ExternalLanguage& language : found) entries.push_back(language.list_entry);
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"- French.ini (Bien language)", "- polski.ini (-)",
                                               "- x.ini (Twice)"}));
  for (const ExternalLanguage& language : found) {
    // The entry leads back to a file the loader opens.
    const std::string chosen = LanguageOfListEntry(language.list_entry);
    EXPECT_TRUE(fs.FileExists(std::string(kProgramDir) + "\\" + chosen) ||
                language.file_name == "lng_lng_x.ini")
        << chosen;
  }
}

TEST(LanguageList, DialogEntriesMapToTheirLanguage) {
  struct Case {
    const char* entry;
    const char* language;
  } cases[] = {
      {"HUN - Hungarian", "HUN"},
      {"ENG - English", "ENG"},
      {"- French.ini (French)", "lng_French.ini"},
      {"-  spaced.ini   (Spaced)", "lng_spaced.ini"},
      {"- noname.ini", "lng_noname.ini"},
      {"-", "lng_"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(LanguageOfListEntry(c.entry), c.language) << c.entry;
}

TEST(LanguageTextConventions, PlaceholderAndLineBreaks) {
  EXPECT_EQ(FormatLanguageText("Installed - use: %s in TC.", "\"Shift + F8\""),
            "Installed - use: \"Shift + F8\" in TC.");
  EXPECT_EQ(FormatLanguageText("no placeholder", "x"), "no placeholder");
  EXPECT_EQ(ExpandLanguageLineBreaks("one<br>two<br>"), "one\r\ntwo\r\n");
  EXPECT_EQ(ExpandLanguageLineBreaks("<BR>"), "<BR>");  // the marker is lower case
}

TEST(ControlTexts, EveryEntryGetsItsTrimmedTextInOrder) {
  const LanguageTable table =
      LanguageTable::FromText("[Buttons]\nBtnOK=\t Rendben \n[Captions - Program]\nMore=\n");
  const ControlText entries[] = {
      {101, TextTarget::kCaption, lng::buttons::kBtnOK},
      {102, TextTarget::kCaption, lng::buttons::kBtnCancel},
      {103, TextTarget::kHint, lng::program::kHintRefresh},
      {104, TextTarget::kCaption, lng::program::kMore},
  };
  std::vector<std::string> seen;
  ApplyControlTexts(table, entries, [&](const ControlText& entry, const std::string& text) {
    seen.push_back(std::to_string(entry.control_id) + ":" + text);
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"101:Rendben", "102:Cancel",
                                            "103:Click here to refresh the current path", "104:"}));
}

// ---- settings
const char kIni[] = "C:\\TC\\Kestrix\\tc Kestrix.ini";

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.AddDirectory("C:\\TC\\Kestrix"); }
  std::string Content() { return fs.FileContent(kIni).value_or("<missing>"); }

  FakeFileSystem fs;
};

TEST_F(SettingsTest, BooleansAreTrueOnlyForExactTrue) {
  fs.AddFile(kIni,
             "[Configuration]\r\nAlwaysOnTop=True\r\nAlwaysActive=true\r\nHideFromTaskBar=1\r\n"
             "FlatButtons=TRUE\r\nUseWindowTheme= True\r\nLiveReplacements=\r\n"
             "[Additional]\r\nCloseWindow=False\r\n");
  TBigIniFile ini(fs, kIni);
  SettingsAccess s(ini);
  struct Case {
    Setting id;
    bool expected;
  } cases[] = {
      {Setting::AlwaysOnTop, true},      {Setting::AlwaysActive, false},
      {Setting::HideFromTaskBar, false}, {Setting::FlatButtons, false},
      {Setting::UseWindowTheme, false},  {Setting::LiveReplacements, false},
      {Setting::CloseWindow, false},     {Setting::USClearList, true},
      {Setting::IntelliModifiers, true}, {Setting::RefreshOnActivate, false},
  };
  for (const Case& c : cases) EXPECT_EQ(s.Bool(c.id), c.expected) << KeyOf(c.id).key;
}

TEST_F(SettingsTest, IntegersAndTexts) {
  fs.AddFile(kIni,
             "[Configuration]\r\nAlphaBlendValue=\r\nWindowPosition=0x2\r\nFontSize=big\r\n"
             "MkDirHistoryFile=  %KXDIR%\\hist.lst \t\r\nInvalidCharReplace=\r\n");
  TBigIniFile ini(fs, kIni);
  SettingsAccess s(ini);
  EXPECT_EQ(s.Integer(Setting::AlphaBlendValue), 255);
  EXPECT_EQ(s.Integer(Setting::WindowPosition), 2);
  EXPECT_EQ(s.Integer(Setting::FontSize), 8);
  EXPECT_EQ(s.Integer(Setting::DisablePlugins, -1), -1);
  EXPECT_EQ(s.Text(Setting::InvalidCharReplace), "");
  EXPECT_EQ(s.Text(Setting::FontName), "Default");
  EXPECT_EQ(s.Text(Setting::AlphaBlendValue, "255"), "");
  EXPECT_EQ(s.TrimmedText(Setting::MkDirHistoryFile), "%KXDIR%\\hist.lst");
  EXPECT_THROW(s.Bool(Setting::FontSize), std::logic_error);
  EXPECT_THROW(s.WriteInteger(Setting::CloseWindow, 1), std::logic_error);

  FakeEnvironment env{{"KXDIR", "D:\\Data"}};
  StartupSettings startup = ReadStartupSettings(ini, env);
  EXPECT_EQ(startup.mkdir_history_file, "D:\\Data\\hist.lst");
  EXPECT_EQ(startup.alpha_blend_value, 255);
  EXPECT_TRUE(startup.tc8b10_fix_ext);
  EXPECT_EQ(startup.update_tree_info, "False");
}

TEST_F(SettingsTest, MissingFileGivesDefaultsAndIsNotCreated) {
  TBigIniFile ini(fs, kIni);
  FakeEnvironment env;
  EXPECT_TRUE(ReadStartupSettings(ini, env).live_replacements);
  ActivationSettings activation = ReadActivationSettings(ini);
  EXPECT_EQ(activation.invalid_char_replace, "_");
  EXPECT_TRUE(activation.replace_chars_keys.empty());
  EXPECT_FALSE(fs.FileExists(kIni));
}

TEST_F(SettingsTest, ActivationReadsListsAndKeys) {
  fs.AddFile(kIni,
             "[ReplaceChars]\r\n&=and\r\n#=\r\n[ExtensionsEnabled]\r\n0=txt\r\n1=ini\r\n"
             "[Additional]\r\nReplacements=True\r\n[Window]\r\nExtended=True\r\n");
  TBigIniFile ini(fs, kIni);
  ActivationSettings activation = ReadActivationSettings(ini);
  EXPECT_EQ(activation.replace_chars_keys, (std::vector<std::string>{"&", "#"}));
  EXPECT_EQ(activation.extensions_enabled_lines, (std::vector<std::string>{"0=txt", "1=ini"}));
  EXPECT_TRUE(activation.replacements);
  EXPECT_TRUE(activation.window_extended);
}

TEST_F(SettingsTest, FreshInstallation) {
  {
    TBigIniFile ini(fs, kIni);
    WriteInstallationDefaults(ini, InstallDefaults{"DEU", true, "  Benutzername "});
  }
  EXPECT_EQ(Content(),
            "[Language]\r\nCurrentLng=DEU\r\n\r\n"
            "[Configuration]\r\nTC8B10Method=False\r\nTC8B10FixExt=True\r\nAlwaysOnTop=False\r\n"
            "AlwaysActive=False\r\nDoNotEnterDeepest=False\r\nDisablePlugins=0\r\n\r\n"
            "[FileCreation]\r\nEnable=False\r\nExtensionDetection=False\r\n\r\n"
            "[Additional]\r\nEnterCmdInstalled=True\r\n\r\n"
            "[UserTemplates]\r\nBenutzername={user}\r\n\r\n"
            "[ExtensionsEnabled]\r\n0=txt\r\n1=ini\r\n2=html\r\n3=htm\r\n4=css\r\n5=php\r\n\r\n");
}

TEST_F(SettingsTest, ReinstallationKeepsUserValues) {
  const std::string before =
      "[Language]\r\nCurrentLng=ENG\r\n\r\n"
      "[Configuration]\r\nTC8B10Method=True\r\nTC8B10FixExt=False\r\nAlwaysOnTop=True\r\n"
      "AlwaysActive=False\r\nDoNotEnterDeepest=True\r\nDisablePlugins=2\r\nFontSize=10\r\n\r\n"
      "[FileCreation]\r\nEnable=True\r\nExtensionDetection=False\r\n\r\n"
      "[Additional]\r\nEnterCmdInstalled=False\r\nDoNotInstall1stTemplate=True\r\n\r\n"
      "[UserTemplates]\r\nMine=x\r\n\r\n"
      "[ExtensionsEnabled]\r\n0=doc\r\n\r\n";
  fs.AddFile(kIni, before);
  {
    TBigIniFile ini(fs, kIni);
    WriteInstallationDefaults(ini, InstallDefaults{"FRA", true, "Utilisateur"});
  }
  std::string expected = before;
  expected.replace(expected.find("CurrentLng=ENG"), 14, "CurrentLng=FRA");
  expected.replace(expected.find("EnterCmdInstalled=False"), 23, "EnterCmdInstalled=True");
  EXPECT_EQ(Content(), expected);
}

TEST_F(SettingsTest, ReinstallationAddsTemplateAgainAndFillsEmptyValues) {
  fs.AddFile(kIni,
             "[Configuration]\r\nAlwaysOnTop=\r\nDisablePlugins=-1\r\n"
             "[UserTemplates]\r\nMine=x\r\nCurrent username=old\r\n");
  {
    TBigIniFile ini(fs, kIni);
    // An empty language text must not turn into an empty key, which would erase the
    // user's templates.
    WriteInstallationDefaults(ini, InstallDefaults{"ENG", false, "   "});
  }
  TBigIniFile ini(fs, kIni);
  EXPECT_EQ(ini.ReadString("Configuration", "AlwaysOnTop", ""), "False");
  EXPECT_EQ(ini.ReadString("Configuration", "DisablePlugins", ""), "0");
  std::vector<std::string> lines;
  ini.ReadSectionValues("UserTemplates", lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"Mine=x", "Current username={user}"}));
}

TEST_F(SettingsTest, ClosingWrites) {
  fs.AddFile(kIni,
             "[Configuration]\r\nTC8B10Method=True\r\nUserThemeName=Dark\r\n"
             "[Language]\r\nCurrentLng=DEU\r\n");
  ClosingValues values;
  values.language_in_use = "ENG";
  values.replacements = true;
  values.close_window = false;
  values.last_selected_page = 3;
  values.tc8b10_fix_ext = true;
  values.tc8b10_func_checked = true;
  {
    TBigIniFile ini(fs, kIni);
    WriteClosingSettings(ini, values);
  }
  EXPECT_EQ(Content(),
            "[Configuration]\r\nTC8B10Method=True\r\nUserThemeName=Dark\r\n"
            "LastSelectedPage=3\r\nTC8B10FixExt=True\r\n\r\n"
            "[Language]\r\nCurrentLng=DEU\r\n\r\n"
            "[Additional]\r\nReplacements=True\r\nEnterDirectory=False\r\nCloseWindow=False\r\n"
            "US-ClearList=True\r\nTC8B10FuncChecked=True\r\n\r\n");
}

TEST_F(SettingsTest, ClosingWritesLanguageWhenMissingAndThemeWhenSet) {
  fs.AddFile(kIni, "[Language]\r\nCurrentLng=\r\n");
  ClosingValues values;
  values.language_in_use = "lng_Nederlands.ini";
  values.user_theme_name = "Ocean";
  {
    TBigIniFile ini(fs, kIni);
    WriteClosingSettings(ini, values);
  }
  TBigIniFile ini(fs, kIni);
  SettingsAccess s(ini);
  EXPECT_EQ(s.Text(Setting::CurrentLng), "lng_Nederlands.ini");
  EXPECT_EQ(s.Text(Setting::UserThemeName), "Ocean");
  EXPECT_FALSE(ini.ValueExists("Configuration", "TC8B10Method"));
}

TEST_F(SettingsTest, HistoryFileKeyIsDeletedRatherThanEmptied) {
  fs.AddFile(kIni, "[Configuration]\r\nMkDirHistoryFile=D:\\h.lst\r\nFontSize=9\r\n");
  {
    TBigIniFile ini(fs, kIni);
    SettingsAccess(ini).Delete(Setting::MkDirHistoryFile);
  }
  EXPECT_EQ(Content(), "[Configuration]\r\nFontSize=9\r\n\r\n");
}

TEST_F(SettingsTest, NumberedLists) {
  fs.AddFile(kIni,
             "[PrefixList]\r\n0=a\r\n1=b\r\n2=c\r\n; note\r\nx=keep\r\n"
             "[ExtensionsEnabled]\r\n0=txt\r\n1=ini\r\n7=old\r\n");
  {
    TBigIniFile ini(fs, kIni);
    SettingsAccess s(ini);
    EXPECT_EQ(s.ReadList(kPrefixListSection), (std::vector<std::string>{"a", "b", "c", "keep"}));
    s.WriteList(kPrefixListSection, {"new", "b"});
    s.ReplaceList(kExtensionsEnabledSection, {"doc"});
    s.WriteList(kSuffixListSection, {"=s"});
  }
  EXPECT_EQ(Content(),
            "[PrefixList]\r\n0=new\r\n1=b\r\n; note\r\nx=keep\r\n\r\n"
            "[ExtensionsEnabled]\r\n0=doc\r\n\r\n"
            "[SuffixList]\r\n0==s\r\n\r\n");
  TBigIniFile ini(fs, kIni);
  EXPECT_EQ(SettingsAccess(ini).ReadList(kSuffixListSection), std::vector<std::string>{"=s"});
}

TEST(SettingsPath, FromExecutablePath) {
  struct Case {
    const char* exe;
    const char* base;
    const char* dir;
    const char* ini;
  } cases[] = {
      {"C:\\TC\\Kestrix\\tc Kestrix.exe", "tc Kestrix", "C:\\TC\\Kestrix",
       "C:\\TC\\Kestrix\\tc Kestrix.ini"},
      {"C:/TC/Kestrix/renamed.v2.EXE", "renamed.v2", "C:\\TC\\Kestrix",
       "C:\\TC\\Kestrix\\renamed.v2.ini"},
      {"D:\\tool", "tool", "D:", "D:\\tool.ini"},
      {"\\\\srv\\share\\dir.d\\noext", "noext", "\\\\srv\\share\\dir.d",
       "\\\\srv\\share\\dir.d\\noext.ini"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExecutableBaseName(c.exe), c.base) << c.exe;
    EXPECT_EQ(ProgramDirOf(c.exe), c.dir) << c.exe;
    EXPECT_EQ(SettingsFilePath(c.exe), c.ini) << c.exe;
  }
}

// ---- themes

TEST(HtmlToColor, ConvertsAndRejects) {
  struct Case {
    const char* text;
    std::optional<ColorRef> expected;
  };
  const Case cases[] = {
      {"359CEB", RgbColor(0x35, 0x9C, 0xEB)},
      {"#359CEB", RgbColor(0x35, 0x9C, 0xEB)},
      {"#359ceb", RgbColor(0x35, 0x9C, 0xEB)},
      {"0000FF", RgbColor(0, 0, 0xFF)},
      // Read as a number: short texts are the low bytes, which are blue.
      {"FF", RgbColor(0, 0, 0xFF)},
      {"", std::nullopt},
      {"##359CEB", std::nullopt},
      {"359CEG", std::nullopt},
      {"1359CEB", std::nullopt},
      {" 359CEB", std::nullopt},
      {"-1", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(HtmlToColor(c.text), c.expected) << c.text;
}

TEST(ThemeGlyphs, SizeForDpi) {
  // 100 % and 125 % draw 16 pixels; 150 % draws the 24-pixel set, 200 % the 32 one.
  for (auto [dpi, pixels] :
       {std::pair{-5, 16}, {120, 16}, {144, 24}, {168, 24}, {192, 32}, {288, 32}})
    EXPECT_EQ(GlyphSizeForDpi(dpi).pixels, pixels) << dpi;
}

class ChangeColorsTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.AddDirectory(kProgramDir); }
  ChangeColorsResult Run(const ThemeSettings& settings, const Appearance& current = {}) {
    return ChangeColors(current, settings, fs, kProgramDir);
  }
  void AddTheme(const std::string& dir_name, const std::string& ini) {
    fs.AddFile(std::string(kProgramDir) + "\\" + dir_name + "\\theme.ini", ini);
  }

  FakeFileSystem fs;
};

TEST_F(ChangeColorsTest, PlainLookWithAndWithoutFlatButtons) {
  Appearance themed = Run({true, true, 3, "", ""}).appearance;
  Appearance plain = Run({false, false, 3, "", ""}, themed).appearance;
  EXPECT_EQ(plain.main, ThemeColor::System(SystemColor::kButtonFace));
  EXPECT_EQ(plain.Glyph(GlyphRole::kUndo), GlyphRef::Resource("NOTHEME_DEFAULT_UNDO"));
  // Without flat buttons the hidden flat buttons keep the glyphs they had.
  EXPECT_EQ(plain.Glyph(GlyphRole::kOk), GlyphRef::Resource("THEME_PINK_OK"));

  Appearance flat = Run({true, false, 3, "", ""}, themed).appearance;
  EXPECT_EQ(flat.Glyph(GlyphRole::kOk), GlyphRef::Resource("THEME_DEFAULT_OK"));
}

TEST_F(ChangeColorsTest, SpeedBtnColorSettingWinsOverEveryTheme) {
  AddTheme("theme_Mint", "[ThemeInfo]\r\nName=Mint\r\nSpeedBtnColor=00FF00\r\n");
  const ThemeSettings cases[] = {{false, false, 0, "#102030", ""},
                                 {false, true, 2, "102030", ""},
                                 {true, true, 6, " 102030 ", "Mint"}};
  for (const ThemeSettings& settings : cases) {
    ChangeColorsResult result = Run(settings);
    EXPECT_EQ(result.appearance.quick_button_text, ThemeColor::Fixed(RgbColor(0x10, 0x20, 0x30)))
        << settings.selected_theme;
    EXPECT_TRUE(result.problems.empty());
  }
}

TEST_F(ChangeColorsTest, BadSpeedBtnColorKeepsTheThemeColourAndIsReported) {
  ChangeColorsResult result = Run({false, true, 1, "zz1122", ""});
  EXPECT_EQ(result.appearance.quick_button_text, ThemeColor::Fixed(HexRgb(0x808080)));
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_NE(result.problems[0].find("zz1122"), std::string::npos);
}

TEST_F(ChangeColorsTest, UserThemeWithOnlyANameLooksLikeSkyWithBlueQuickButtons) {
  AddTheme("theme_Plain", "[ThemeInfo]\r\nName=Plain\r\n");
  for (int selected : {6, 7, 100, -1}) {
    Appearance look = Run({false, true, selected, "", "Plain"}).appearance;
    EXPECT_EQ(look.main, ThemeColor::Fixed(kBuiltInThemes[0].colors.main)) << selected;
    EXPECT_EQ(look.curdir_text, ThemeColor::Fixed(kBuiltInThemes[0].colors.accent));
    EXPECT_EQ(look.quick_button_text, ThemeColor::Fixed(HexRgb(0x359CEB)));
  }
}

TEST_F(ChangeColorsTest, UserThemeColoursAreTrimmedAndMayCarryAHash) {
  AddTheme("theme_Dark",
           "[ThemeInfo]\r\nName= Dark \r\nSpeedBtnColor= #010203\r\nFontColor=0A0B0C \r\n"
           "MainColor=#F0F1F2\r\n");
  Appearance look = Run({false, true, 6, "", "Dark"}).appearance;
  EXPECT_EQ(look.main, ThemeColor::Fixed(RgbColor(0xF0, 0xF1, 0xF2)));
  EXPECT_EQ(look.flat_button_text, ThemeColor::Fixed(RgbColor(0x0A, 0x0B, 0x0C)));
  EXPECT_EQ(look.quick_button_text, ThemeColor::Fixed(RgbColor(1, 2, 3)));
}

TEST_F(ChangeColorsTest, UnusableUserThemeLeavesThePreviousColours) {
  AddTheme("theme_NoName", "[ThemeInfo]\r\nMainColor=000000\r\n");
  AddTheme("theme_Blank", "[ThemeInfo]\r\nName=   \r\nMainColor=000000\r\n");
  fs.AddDirectory(std::string(kProgramDir) + "\\theme_NoIni");
  Appearance previous = Run({false, true, 4, "", ""}).appearance;
  for (const char* name : {"NoName", "Blank", "NoIni", "Missing", ""}) {
    ChangeColorsResult result = Run({false, true, 6, "", name}, previous);
    EXPECT_EQ(result.appearance.main, previous.main) << name;
    EXPECT_EQ(result.appearance.curdir_text, previous.curdir_text) << name;
    EXPECT_EQ(result.appearance.quick_button_text, previous.quick_button_text) << name;
  }
}

TEST_F(ChangeColorsTest, BadUserThemeColourKeepsThatRoleOnly) {
  AddTheme("theme_Half", "[ThemeInfo]\r\nName=Half\r\nMainColor=white\r\nFontColor=112233\r\n");
  Appearance previous = Run({false, true, 2, "", ""}).appearance;
  ChangeColorsResult result = Run({false, true, 6, "", "Half"}, previous);
  EXPECT_EQ(result.appearance.main, previous.main);
  EXPECT_EQ(result.appearance.curdir_text, ThemeColor::Fixed(RgbColor(0x11, 0x22, 0x33)));
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_NE(result.problems[0].find("MainColor"), std::string::npos);
}

TEST_F(ChangeColorsTest, UnreadableThemeFileIsReportedNotThrown) {
  AddTheme("theme_Locked", "[ThemeInfo]\r\nName=Locked\r\nMainColor=000000\r\n");
  fs.FailPath(std::string(kProgramDir) + "\\theme_Locked\\theme.ini", kErrorAccessDenied,
              FakeFileSystem::kFaultRead);
  Appearance previous = Run({false, true, 0, "", ""}).appearance;
  ChangeColorsResult result = Run({false, true, 6, "", "Locked"}, previous);
  EXPECT_EQ(result.appearance.main, previous.main);
  EXPECT_EQ(result.problems.size(), 1u);
}

TEST_F(ChangeColorsTest, UserThemeIconsOnlyWithFlatButtonsAndOnlyThoseThatExist) {
  AddTheme("theme_Icons", "[ThemeInfo]\r\nName=Icons\r\n");
  const std::string dir = std::string(kProgramDir) + "\\theme_Icons";
  fs.AddFile(dir + "\\icon-ok.png", "png");
  fs.AddFile(dir + "\\icon-undo.png", "png");
  Appearance previous = Run({true, true, 5, "", ""}).appearance;

  Appearance flat = Run({true, true, 6, "", "Icons"}, previous).appearance;
  EXPECT_EQ(flat.Glyph(GlyphRole::kOk), GlyphRef::File(dir + "\\icon-ok.png"));
  EXPECT_EQ(flat.Glyph(GlyphRole::kCancel), GlyphRef::Resource("THEME_PEACH_CANCEL"));
  EXPECT_EQ(flat.Glyph(GlyphRole::kOptions), GlyphRef::Resource("THEME_PEACH_OPTIONS"));
  EXPECT_EQ(flat.Glyph(GlyphRole::kUndo), GlyphRef::File(dir + "\\icon-undo.png"));

  Appearance normal = Run({false, true, 6, "", "Icons"}, previous).appearance;
  EXPECT_EQ(normal.Glyph(GlyphRole::kOk), GlyphRef::Resource("THEME_PEACH_OK"));
  // Step one of the rules gives btn_undo the default theme's glyph whatever comes after.
  EXPECT_EQ(normal.Glyph(GlyphRole::kUndo), GlyphRef::Resource("THEME_DEFAULT_UNDO"));
}

TEST_F(ChangeColorsTest, DiscoveryListsDirectoriesWithThemeIni) {
  AddTheme("theme_Ocean", "[ThemeInfo]\r\nName=Ocean\r\n");
  AddTheme("THEME_Loud", "[ThemeInfo]\r\n");
  fs.AddDirectory(std::string(kProgramDir) + "\\theme_Empty");
  fs.AddFile(std::string(kProgramDir) + "\\theme_file", "not a directory");
  AddTheme("themes_Other", "[ThemeInfo]\r\nName=Other\r\n");
  std::vector<std::string> found = DiscoverUserThemes(fs, kProgramDir);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{"- Loud", "- Ocean"}));
}

TEST_F(ChangeColorsTest, SettingsFileDrivesTheTheme) {
  AddTheme("theme_Moss", "[ThemeInfo]\r\nName=Moss\r\nMainColor=2B3A1F\r\n");
  const std::string ini_path = std::string(kProgramDir) + "\\tc Kestrix.ini";
  fs.AddFile(ini_path,
             "[Configuration]\r\nUseWindowTheme=True\r\nSelectedTheme=9\r\n"
             "UserThemeName=Moss\r\nFlatButtons=true\r\nSpeedBtnColor=#00FF00\r\n");
  TBigIniFile ini(fs, ini_path);
  const ThemeSettings settings = ThemeSettingsFrom(ReadActivationSettings(ini));
  EXPECT_FALSE(settings.flat_buttons);  // only the exact text "True" is true
  Appearance look = Run(settings).appearance;
  EXPECT_EQ(look.main, ThemeColor::Fixed(RgbColor(0x2B, 0x3A, 0x1F)));
  EXPECT_EQ(look.quick_button_text, ThemeColor::Fixed(RgbColor(0, 0xFF, 0)));
}

TEST(ChooseFont, DefaultsLeaveTheFontAlone) {
  struct Case {
    const char* name;
    int size;
    FontChoice expected;
  };
  const Case cases[] = {
      {"Default", 8, {}},
      {"", 8, {}},
      {"Default", 10, {true, "", 10}},
      {"Tahoma", 8, {true, "Tahoma", 8}},
      {" Segoe UI ", 9, {true, "Segoe UI", 9}},
      {"Tahoma", 0, {}},
      {"Tahoma", -12, {}},
      {"Tahoma", 500, {}},
      {"Tahoma", kMaxFontSize, {true, "Tahoma", kMaxFontSize}},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseFont(c.name, c.size), c.expected) << c.name << c.size;
}

TEST(WindowLook, TransparencyOnlyBelowOpaqueBorderOnlyForOneAndTwo) {
  for (int opaque : {255, 1000, -1}) EXPECT_EQ(TransparencyFor(opaque), Transparency{}) << opaque;
  for (uint8_t alpha : {0, 200, 254})
    EXPECT_EQ(TransparencyFor(alpha), (Transparency{true, alpha}));
  EXPECT_EQ(BorderFor(1), WindowBorder::kDialog);
  EXPECT_EQ(BorderFor(2), WindowBorder::kToolWindow);
  for (int other : {0, 3, -1, 99}) EXPECT_EQ(BorderFor(other), WindowBorder::kSingle);
}

}  // namespace
}  // namespace kestrix
