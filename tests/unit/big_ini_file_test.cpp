#include "settings/big_ini_file.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace kestrix {
namespace {

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

TEST_F(BigIniFileTest, EraseLastSectionThenLookupsStillWork) {
  TBigIniFile ini;
  ini.WriteString("A", "a", "1");
  ini.WriteString("B", "b", "2");
  ini.WriteString("C", "c", "3");
  EXPECT_EQ(ini.ReadString("C", "c", ""), "3");  // cursor on the last section
  ini.EraseSection("C");
  EXPECT_EQ(ini.Sections().LastFound(), 0);
  EXPECT_EQ(ini.ReadString("B", "b", ""), "2");
  EXPECT_EQ(ini.ReadString("A", "a", ""), "1");
  EXPECT_EQ(ini.ReadString("C", "c", "gone"), "gone");
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

TEST_F(BigIniFileTest, ReadAndWriteIntegers) {
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
  ini.WriteInteger("N", "int", -40);
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

TEST_F(BigIniFileTest, EveryLineBreakSeparatesLines) {
  Put(std::string("[A]\na=1\rb=2\r\nc=\0x\n[B]\r\nd=4", 26));
  TBigIniFile ini(fs, kPath);
  EXPECT_EQ(ini.ReadString("A", "a", ""), "1");
  EXPECT_EQ(ini.ReadString("A", "b", ""), "2");
  EXPECT_EQ(ini.ReadString("A", "c", ""), std::string("\0x", 2));
  EXPECT_EQ(ini.ReadString("B", "d", ""), "4");
}

}  // namespace
}  // namespace kestrix
