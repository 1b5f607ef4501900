#include "settings/settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "base/text_utils.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_resources.h"
#include "settings/big_ini_file.h"
#include "settings/ini_key_rules.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"
#include "settings/settings_model.h"
#include "settings/themes.h"

namespace kestrix {
namespace {

using Lines = std::vector<std::string>;
using ::testing::AllOf;
using ::testing::Property;
using ::testing::Throws;

// ---- big_ini_file
const char kPath[] = "C:\\Prog\\test.ini";
class BigIniFileTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.AddDirectory("C:\\Prog"); }
  void Put(const std::string& content) { fs.AddFile(kPath, content); }
  std::string Content() { return fs.FileContent(kPath).value_or("<missing>"); }
  // The file after opening `content`, running `edit` and releasing the object.
  std::string Edited(const std::string& content, const std::function<void(BigIniFile&)>& edit) {
    Put(content);
    {
      BigIniFile ini(fs, kPath);
      edit(ini);
    }
    return Content();
  }
  FakeFileSystem fs;
};

TEST_F(BigIniFileTest, ReadStringTakesValueVerbatim) {
  Put("[S]\r\nplain=v\r\nspaced=  two\r\nblank =x\r\nempty=\r\nquoted=\"q\" \r\n"
      "eq=a=b\r\nMixed=Case\r\n");
  BigIniFile ini(fs, kPath);
  const std::pair<const char*, const char*> cases[] = {
      {"plain", "v"},  {"spaced", "  two"}, {"blank", "dflt"},
      {"blank ", "x"}, {"empty", ""},       {"quoted", "\"q\" "},
      {"eq", "a=b"},   {"MIXED", "Case"},   {"missing", "dflt"}};
  for (const auto& [key, value] : cases) EXPECT_EQ(ini.ReadString("s", key, "dflt"), value) << key;
  EXPECT_EQ(ini.ReadString("Other", "plain", "dflt"), "dflt");
  // Names fold the letters of every script; an ANSI file's, Windows-1252 bytes.
  ini.WriteString("\u00C4rger", "\u03A3\u0395\u039B", "1");
  EXPECT_EQ(ini.ReadString("\u00E4rger", "\u03C3\u03B5\u03BB", ""), "1");
  const std::tuple<const char*, const char*, bool> names[] = {
      {"AZ\xC0\xDE", "az\xE0\xFE", true},
      {"\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF", true},
      {"\xD7", "\xF7", false},
      {"\xDF", "\xFF", false},
      {"ab", "abc", false}};  // x and / signs
  for (const auto& [a, b, equal] : names) EXPECT_EQ(IniNamesEqual(a, b), equal) << a;
}

// A name the rule takes comes back from the file as typed, its value too (one ending in
// "]" included); the rule names the first character that would not.
TEST(IniKeyProblem, NamesTheCharacterAndWhatItTakesRoundTrips) {
  using W = IniKeyProblem::Where;
  const std::tuple<const char*, W, const char*> rows[] = {
      {"Eq=[n];\"x\"", W::kInside, "="}, {"[Sec]", W::kFirst, "["},
      {";comment", W::kFirst, ";"},      {" lead", W::kFirst, " "},
      {"trail\t", W::kLast, "\t"},       {"a=b;c", W::kInside, "="},
      {"a[b];c \"q\"", W::kNone, ""},    {"\u0141\u00F3d\u017A \u65E5", W::kNone, ""}};
  for (const auto& [key, where, character] : rows) {
    const IniKeyProblem problem = IniKeyProblemOf(key);
    EXPECT_TRUE(problem.where == where && problem.character == character) << key;
    if (problem) continue;
    BigIniFile written, read;
    written.WriteString("s", key, "v]");
    Lines lines, names;
    written.GetStrings(lines);
    read.SetText(JoinLines(lines));
    read.ReadSection("s", names);
    EXPECT_EQ(JoinLines(names) + "|" + read.ReadString("s", key, ""), std::string(key) + "|v]");
  }
  EXPECT_NE(IniKeyProblemText(LanguageTable(), IniKeyProblemOf("a=b")).find("holds \"=\": it"),
            std::string::npos);
  EXPECT_TRUE(SameIniKey("\u00C4rger Work", "\u00E4RGER work") && !SameIniKey("a", "a "));
}

TEST_F(BigIniFileTest, ParsingRules) {
  const char text[] =
      "before=dropped\r\n[One]\r\n;comment\r\nno equals\r\n\x1A\r\n\r\n[Two] \r\nafter=1\r\n"
      "[ Blank ]\r\nb=2\n[]\rc=\0x\r\n[\r\n";
  Put(std::string(text, sizeof text - 1));
  BigIniFile ini(fs, kPath);
  Lines names;
  ini.ReadSections(names);
  EXPECT_EQ(names, (Lines{"One", " Blank ", ""}));
  Lines lines;
  ini.ReadSectionValues("One", lines);
  // A header followed by blanks is an ordinary line of the preceding section.
  EXPECT_EQ(lines, (Lines{";comment", "no equals", "[Two] ", "after=1"}));
  EXPECT_EQ(ini.ReadString(" blank ", "b", ""), "2");
  EXPECT_EQ(ini.ReadString("Blank", "b", "none") + ini.ReadString("", "c", ""),
            std::string("none\0x", 6));
  lines.clear();
  ini.ReadSectionValues("", lines);
  EXPECT_EQ(lines.back(), "[");
}

TEST_F(BigIniFileTest, AMissingFileIsCreatedByTheFirstFlushAnInMemoryOneNever) {
  {
    BigIniFile ini(fs, kPath);
    EXPECT_EQ(ini.ReadString("A", "k", "dflt"), "dflt");
    EXPECT_FALSE(fs.FileExists(kPath));
    ini.WriteString("A", "k", "v");
  }
  EXPECT_EQ(Content(), "[A]\r\nk=v\r\n\r\n");
  // A missing directory on the way is as good as a missing file; a directory is not.
  EXPECT_EQ(BigIniFile(fs, "C:\\Nowhere\\x.ini").ReadString("A", "k", "d"), "d");
  EXPECT_THROW(BigIniFile(fs, "C:\\Prog"), InOutError);
  // An in-memory file is never written; a new name flushes the old one first.
  const int writes = fs.WriteCount();
  {
    BigIniFile ini(fs, "");
    ini.WriteString("A", "k", "v");
    ini.UpdateFile();
    EXPECT_FALSE(ini.Modified());
  }
  EXPECT_EQ(fs.WriteCount(), writes);
  fs.AddFile("C:\\Prog\\other.ini", "[O]\r\no=1\r\n");
  BigIniFile ini(fs, kPath);
  ini.WriteString("A", "k", "v");
  ini.SetFileName("c:/prog/OTHER.INI");
  EXPECT_EQ(Content(), "[A]\r\nk=v\r\n\r\n");
  EXPECT_FALSE(ini.Modified() || ini.SectionExists("A"));
  EXPECT_EQ(ini.ReadString("o", "O", ""), "1");
}

TEST_F(BigIniFileTest, DuplicatesAndUnchangedWritesLeaveTheFileAlone) {
  const std::string original =
      "[A]\r\nk=first\r\n[B]\r\nx=1\r\nkept=1\r\n[a]\r\nk=second\r\nonly=2\r\n";
  Put(original);
  const uint64_t stamp = fs.LastWriteTime(kPath);
  {
    BigIniFile ini(fs, kPath);
    EXPECT_EQ(ini.ReadString("A", "k", "") + ini.ReadString("A", "only", "none"), "firstnone");
    EXPECT_FALSE(ini.Modified());
  }
  // Dropping the duplicate alone does not rewrite the file.
  EXPECT_EQ(Content(), original);
  EXPECT_EQ(fs.LastWriteTime(kPath), stamp);
  EXPECT_EQ(Edited(original, [](BigIniFile& ini) { ini.WriteString("B", "x", "2"); }),
            "[A]\r\nk=first\r\n\r\n[B]\r\nx=2\r\nkept=1\r\n\r\n");
  // An unchanged write leaves the file and its time stamp alone.
  const std::string same = "[S]\r\nk=v\r\n\r\n\r\n; trailing\r\n";
  // A change made and taken back still counts as a change: the file is rewritten.
  EXPECT_EQ(Edited(same,
                   [](BigIniFile& ini) {
                     ini.WriteInteger("s", "K", 0);
                     ini.WriteString("s", "k", "v");
                     EXPECT_TRUE(ini.Modified());
                   }),
            "[S]\r\nk=v\r\n; trailing\r\n\r\n");
  fs.AddFile(kPath, same);
  const int writes = fs.WriteCount();
  {
    BigIniFile ini(fs, kPath);
    ini.WriteString("S", "k", "v");
    EXPECT_FALSE(ini.Modified());
  }
  EXPECT_EQ(fs.WriteCount(), writes);
}

TEST_F(BigIniFileTest, EditsInPlaceAppendDeleteAndDropEmptySections) {
  const std::tuple<const char*, std::function<void(BigIniFile&)>, const char*> cases[] = {
      {"[A]\r\nfirst=1\r\nKey=old\r\nlast=3\r\n[B]\r\nb=1\r\n",
       [](BigIniFile& ini) {
         ini.WriteString("a", "KEY", "new");  // keeps its place, takes the caller's spelling
         ini.WriteString("A", "added", "4");
         ini.WriteString("New", "n", "5");
       },
       "[A]\r\nfirst=1\r\nKEY=new\r\nlast=3\r\nadded=4\r\n\r\n[B]\r\nb=1\r\n\r\n"
       "[New]\r\nn=5\r\n\r\n"},
      // Every kind of line end, an edit between untouched lines, no end on the last line.
      {"[A]\r\na=1\r\nb=2\r\nc=3\nd=4\re=5\r\n\r\nf=6\r\n[B]\r\nlast=7",
       [](BigIniFile& ini) { ini.WriteString("A", "b", "new"); },
       "[A]\r\na=1\r\nb=new\r\nc=3\r\nd=4\r\ne=5\r\nf=6\r\n\r\n[B]\r\nlast=7\r\n\r\n"},
      // A rewrite drops blank lines and empty sections; the lines above the first section stay
      // as they were.
      {"; preamble\r\n\r\n[Empty]\r\n\r\n[S]\r\n; keep me\r\nunknown line\r\n\r\n\r\nk=v\r\n",
       [](BigIniFile& ini) { ini.WriteString("S", "k", "w"); },
       "; preamble\r\n\r\n[S]\r\n; keep me\r\nunknown line\r\nk=w\r\n\r\n"},
      {"[A]\r\nonly=1\r\n[B]\r\nx=1\r\ny=2\r\n[C]\r\nc=1\r\n",
       [](BigIniFile& ini) {
         ini.DeleteKey("B", "missing");
         ini.DeleteKey("Nowhere", "k");
         EXPECT_FALSE(ini.Modified());
         ini.DeleteKey("a", "ONLY");
         EXPECT_TRUE(ini.SectionExists("A"));  // emptied, but its header goes only on writing
         ini.EraseSection("c");
         EXPECT_FALSE(ini.SectionExists("C"));
         ini.EraseSection("C");
       },
       "[B]\r\nx=1\r\ny=2\r\n\r\n"},
      // An empty key erases the section; an empty section flushes.
      {"[A]\r\na=1\r\n[B]\r\nb=2\r\n",
       [](BigIniFile& ini) {
         ini.WriteString("A", "", "");
         ini.WriteString("", "", "");
         EXPECT_FALSE(ini.Modified());
         ini.WriteString("B", "", "ignored value");
       },
       ""},
      // Line breaks in written text cannot forge lines.
      {"",
       [](BigIniFile& ini) {
         ini.WriteString("A", "k", "one\r\n[Other]\r\nx=1");
         ini.WriteString("B\r\n", "k\n", "v");
       },
       "[A]\r\nk=one[Other]x=1\r\n\r\n[B]\r\nk=v\r\n\r\n"}};
  for (const auto& [before, edit, after] : cases) EXPECT_EQ(Edited(before, edit), after) << before;
}

TEST_F(BigIniFileTest, LargeFilesAreWrittenFromTheirTextWithTheEditsInPlace) {
  // Sections long enough to be written from where they lie in the loaded text, in the form
  // a write gives and in others.
  auto section = [](const std::string& name, const std::string& end, int edited = -1) {
    std::string text = "[" + name + "]" + end;
    for (int k = 0; k < 500; ++k)
      text +=
          "key" + std::to_string(k) + "=" +
          (k == edited ? std::string("new") : std::string(40, static_cast<char>('a' + k % 26))) +
          end;
    return text;
  };
  const std::string a = section("A", "\r\n"), b = section("B", "\r\n");
  const std::string written = a + "\r\n" + b + "\r\n";
  const std::string edited = section("A", "\r\n", 250) + "\r\n" + b + "\r\n";
  auto edit_key = [](BigIniFile& ini) { ini.WriteString("A", "key250", "new"); };
  const std::tuple<std::string, std::function<void(BigIniFile&)>, std::string> cases[] = {
      {written, edit_key, edited},
      {a + b, edit_key, edited},
      {section("A", "\n") + "\n" + section("B", "\n"), edit_key, edited},
      {written, [](BigIniFile& ini) { ini.WriteString("C", "c", "1"); },
       written + "[C]\r\nc=1\r\n\r\n"},
      {written, [](BigIniFile& ini) { ini.EraseSection("A"); }, b + "\r\n"},
      {written, [](BigIniFile& ini) { ini.DeleteKey("B", "key0"); },
       a + "\r\n" + "[B]\r\n" + b.substr(b.find("key1=")) + "\r\n"}};
  for (const auto& [before, edit, after] : cases)
    EXPECT_EQ(Edited(before, edit), after) << before.substr(0, 40);
}

TEST_F(BigIniFileTest, ThousandsOfRewritesKeepTheTextBoundedAndEveryLineInPlace) {
  // Edited lines are appended to the object's text; a long-lived object rewriting one key
  // must not grow by each edit for ever.
  Put("[A]\r\nfirst=1\r\nk=0\r\nlast=3\r\n[B]\r\nb=2\r\n");
  BigIniFile ini(fs, kPath);
  const std::string value(100, 'v');
  for (int i = 0; i < 5000; ++i) ini.WriteString("A", "k", value + std::to_string(i));
  ini.WriteString("B", "added", "4");
  EXPECT_LT(ini.Sections().AllText().size(), 3 * SectionList::kCompactAbove);
  EXPECT_EQ(ini.ReadString("A", "first", "") + ini.ReadString("A", "last", "") +
                ini.ReadString("B", "b", ""),
            "132");
  ini.UpdateFile();
  EXPECT_EQ(Content(), "[A]\r\nfirst=1\r\nk=" + value +
                           "4999\r\nlast=3\r\n\r\n[B]\r\nb=2\r\n"
                           "added=4\r\n\r\n");
}

TEST_F(BigIniFileTest, IntegersSectionListingsAppendAndStringsRoundTrip) {
  Put("[N]\r\nhex=0x1F\r\ndollar=$aA09\r\nneg=-12\r\nplus=+7\r\nlead= 5\r\n"
      "trail=5 \r\nempty=\r\nword=abc\r\nbig=2147483648\r\nmin=-2147483648\r\nall=$FFFFFFFF\r\n"
      "zero=0\r\nfrac=1.5\r\npfrac=+1.5\r\nbare=$\r\nnhex=-$10\r\nwide=$100000000\r\n");
  BigIniFile ini(fs, kPath);
  const std::pair<const char*, int> cases[] = {
      {"hex", 31},   {"dollar", 0xAA09}, {"neg", -12},   {"plus", 7},   {"lead", 5},
      {"trail", 99}, {"empty", 99},      {"word", 99},   {"big", 99},   {"min", INT32_MIN},
      {"all", -1},   {"zero", 0},        {"frac", 99},   {"pfrac", 99}, {"bare", 99},
      {"nhex", -16}, {"wide", 99},       {"missing", 99}};
  for (const auto& [key, value] : cases) EXPECT_EQ(ini.ReadInteger("N", key, 99), value) << key;
  ini.WriteInteger("N", "int", -40);
  EXPECT_EQ(ini.ReadString("N", "int", ""), "-40");
  Put("[S]\r\na=1\r\n;c\r\n=novalue\r\nb=2\r\n[E]\r\n");
  BigIniFile listed(fs, kPath);
  Lines list{"kept"};
  listed.ReadSection("s", list);
  EXPECT_EQ(list, (Lines{"kept", "a", "b"}));
  list = {"kept"};
  listed.ReadSectionValues("S", list);
  listed.ReadSection("missing", list);
  EXPECT_EQ(list, (Lines{"kept", "a=1", ";c", "=novalue", "b=2"}));
  BigIniFile memory;
  memory.SetText("above\n; too\n[Lang]\nKey= value\n[Empty]\n[lang]\ndup=1\n\n[X]\nx");
  EXPECT_EQ(memory.ReadString("LANG", "Key", "") + memory.ReadString("Lang", "dup", "none"),
            " valuenone");
  memory.SetText("[More]\nm=1");  // appends
  Lines out{"first"};
  memory.GetStrings(out);
  EXPECT_EQ(out, (Lines{"first", "above", "; too", "[Lang]", "Key= value", "", "[X]", "x", "",
                        "[More]", "m=1", ""}));
  // Erasing the section last found leaves a cursor that still finds the others.
  EXPECT_EQ(memory.ReadString("More", "m", ""), "1");
  memory.EraseSection("More");
  EXPECT_EQ(memory.ReadString("More", "m", "none") + memory.ReadString("Lang", "Key", ""),
            "none value");
}

// Every name is written to a file holding "é" in each encoding, as a value and as a line, and
// read back with the line that was there. A program's ANSI file becomes UTF-16 for a name without
// an ANSI form unless a line of its own would not survive the change; a host's file keeps its
// encoding and refuses such a name, leaving the file as it was.
TEST_F(BigIniFileTest, WritesReadBackInTheEncodingTheOwnerAllows) {
  const std::string ansi = "[S]\r\nold=\xE9\r\n", utf8 = "[S]\r\nold=\u00E9\r\n";
  const std::string le = "\xFF\xFE", mark8 = "\xEF\xBB\xBF";
  const std::string utf16 = le + Utf16LeFromUtf8(utf8) + "x";  // with an odd last byte
  FakeCodePage fake;
  const std::tuple<IniOwner, CodePage*, std::string, const char*, bool> files[] = {
      // owner, code page, file, what "old" reads, whether a name without an ANSI form is refused
      {IniOwner::kProgram, &fake, ansi, "\u00E9", false},
      {IniOwner::kProgram, &fake, utf8, "\u00E9", false},
      {IniOwner::kProgram, &fake, mark8 + utf8, "\u00E9", false},
      {IniOwner::kProgram, &fake, utf16, "\u00E9", false},
      {IniOwner::kProgram, &fake, "[S]\r\nold=\x81\r\n", "?", true},  // undefined in it
      {IniOwner::kProgram, nullptr, "[S]\r\nold=e\r\n", "e", false},
      {IniOwner::kProgram, nullptr, ansi, "\u00E9", true},  // no code page: only ASCII is sure
      {IniOwner::kHost, &fake, ansi, "\u00E9", true},
      {IniOwner::kHost, &fake, utf8, "\u00C3\u00A9", true},  // the host reads no UTF-8
      {IniOwner::kHost, &fake, utf16, "\u00E9", false}};
  for (const auto& [owner, code_page, file, old, refused] : files) {
    for (const std::string name : kUnicodeNames) {
      SCOPED_TRACE(file + " " + name);
      const bool ansi_file = DetectTextEncoding(file) == TextEncoding::kAnsi ||
                             (owner == IniOwner::kHost && file.substr(0, 2) != le);
      const bool lacking = ansi_file && (name != "Caf\u00E9" || code_page == nullptr);
      Put(file);
      BigIniFile ini(fs, kPath, owner, code_page);
      ini.WriteString("S", name, name);
      ini.ReplaceSectionLines("L", {name});
      if (refused && lacking) {
        EXPECT_THROW(ini.UpdateFile(), InOutError);
        ini.DiscardChanges();
        EXPECT_EQ(Content(), file);
        continue;
      }
      ini.UpdateFile();
      const bool to_utf16 = lacking && owner == IniOwner::kProgram;
      EXPECT_EQ(Content().substr(0, 2), to_utf16 ? le : file.substr(0, 2));
      EXPECT_EQ(Content().back() == 'x', file.back() == 'x');  // the odd byte stays last
      BigIniFile again(fs, kPath, owner, code_page);
      Lines lines;
      again.ReadSectionValues("L", lines);
      EXPECT_EQ(again.ReadString("s", name, "-") + again.ReadString("S", "old", "-"), name + old);
      EXPECT_EQ(lines, Lines{name});
    }
  }
}

TEST_F(BigIniFileTest, FailedFlushReportsCodeAndKeepsContentAndFile) {
  const std::string original = "[A]\r\nk=old\r\n\r\n";
  const std::pair<uint32_t, void (*)(FakeFileSystem&)> cases[] = {
      {kErrorAccessDenied, [](FakeFileSystem& f) { f.SetAttributes(kPath, kAttrReadOnly); }},
      {kErrorDiskFull, [](FakeFileSystem& f) { f.FailNextWriteAfter(5, kErrorDiskFull); }},
      {kErrorAccessDenied, [](FakeFileSystem& f) { f.FailPath("C:\\Prog", kErrorAccessDenied); }}};
  for (const auto& [code, arrange] : cases) {
    fs.AddFile(kPath, original);
    BigIniFile ini(fs, kPath);
    ini.WriteString("A", "k", "new");
    arrange(fs);
    EXPECT_THAT([&] { ini.UpdateFile(); },
                Throws<InOutError>(AllOf(Property(&InOutError::Code, code),
                                         Property(&InOutError::Path, std::string(kPath)))));
    EXPECT_TRUE(ini.Modified());
    EXPECT_EQ(Content(), original);
    // Once the cause is gone, the next flush writes the kept content.
    fs.ClearFaults();
    fs.SetAttributes(kPath, kAttrArchive);
    ini.UpdateFile();
    EXPECT_EQ(Content(), "[A]\r\nk=new\r\n\r\n");
  }
  // Releasing the object swallows a failed flush.
  fs.SetAttributes(kPath, kAttrReadOnly);
  EXPECT_NO_THROW(Edited(original, [](BigIniFile& ini) { ini.WriteString("A", "k", "x"); }));
}

// ---- language_table
const char kProgramDir[] = "C:\\TC\\Kestrix";
// A small language file whose texts name the language, so a test sees which one loaded.
std::string LanguageFile(const std::string& short_id, const std::string& ok_text) {
  return "[Language]\r\nLngShortID=\t\t" + short_id + "\r\nLngNameEng=\t" + ok_text +
         " language\r\n\r\n[Buttons]\r\nBtnOK=\t\t\t" + ok_text + "\r\n";
}

std::string OkText(const LanguageTable& table) {
  return table.Text(lng::buttons::kBtnOK);
}

class LanguageTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.AddFile(std::string(kProgramDir) + "\\lng_French.ini", LanguageFile("FRA", "Bien"));
    resources.Add("LNG_ENG", LanguageFile("ENG", "OK"));
    resources.Add("LNG_HUN", LanguageFile("HUN", "Rendben"));
    resources.Add("LNG_RUS", LanguageFile("RUS", "\xC4\xE0"));  // "Да" in its code page, 1251
    resources.Add("LNG_DEU", LanguageFile("deu", "Gut"));
  }
  LoadedLanguage Load(const std::string& setting, const Lines& args = {}) {
    PendingLanguage pending;
    return LoadLanguage(sources, setting, pending, args);
  }
  FakeFileSystem fs;
  FakeResources resources;
  FakeCodePage code_page;
  LanguageSources sources{fs, resources, kProgramDir, &code_page};
};

TEST_F(LanguageTableTest, LookupsTrimAndAnExternalFileIsNeverWritten) {
  const LanguageTable table = LanguageTable::FromText(
      "; comment line\n[Buttons]\nBtnOK=\t\t\tRendben\t \nBtnApply =Alkalmaz\n"
      "BtnNext=\x01 Tovabb \x1f\nBtnClose=\n[Captions - Install]\nStep2 note_u=\tEltavolitas...\n");
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      {"Buttons", "BtnOK", "OK", "Rendben"},      // alignment tabs and trailing blanks go
      {"Buttons", "BtnApply", "Apply", "Apply"},  // a blank before "=" loses the key
      {"Buttons", "BtnNext", "Next", "Tovabb"},   // control characters are trimmed too
      {"Buttons", "BtnClose", "Close", ""},       // a present but empty value stays empty
      {"buttons", "btnok", "OK", "Rendben"},      // names compare case-insensitively
      {"Captions - Install", "Step2 note_u", "Removing", "Eltavolitas..."},  // blanks in keys
      {"Dialogs", "AllFiles", "  All files\t", "All files"},  // the default is trimmed too
  };
  for (const auto& [section, key, english, text] : cases)
    EXPECT_EQ(table.Text(LanguageKey{section, key, english}), text) << section << "/" << key;
  EXPECT_EQ(table.Lookup("Buttons", "BtnOK", "OK"), "\t\t\tRendben\t ");
  const std::string path = std::string(kProgramDir) + "\\lng_test.ini";
  fs.AddFile(path, "[Buttons]\r\nBtnOK=\tJa\r\n[Buttons]\r\nBtnOK=Later\r\n");
  EXPECT_EQ(OkText(LanguageTable::FromFile(fs, path)), "Ja");
  EXPECT_EQ(fs.WriteAttempts(path), 0);  // the dropped duplicate section is not written back
  fs.FailPath(path, kErrorAccessDenied, FakeFileSystem::kFaultRead);
  EXPECT_EQ(OkText(LanguageTable::FromFile(fs, path)), "OK");
}

TEST_F(LanguageTableTest, ChoosesBuiltInExternalOrCommandLineLanguage) {
  // The last /LNG= argument wins, in any case, trimmed.
  const std::pair<Lines, const char*> switches[] = {
      {{"/Lng=  HUN\t"}, "HUN"},
      {{"/LNG=RUS", "/LNG="}, ""},  // the last one wins, even when it is empty
      {{"/LNGX=RUS", "LNG=RUS", " /LNG=RUS"}, ""},
      {{"/LNG=/LNG=RUS"}, "/LNG=RUS"},  // only the first five characters are the switch
  };
  for (const auto& [args, language] : switches) EXPECT_EQ(CommandLineLanguage(args), language);
  const std::tuple<const char*, Lines, const char*, const char*> cases[] = {
      {"HUN", {}, "Rendben", "HUN"},
      {"HUNGARIAN", {}, "Rendben", "HUN"},  // only three characters count
      {"XYZ", {}, "OK", "XYZ"},             // no such resource: English
      {"lng_French.ini", {}, "Bien", "lng_French.ini"},
      {"lng_Missing.ini", {}, "OK", "lng_Missing.ini"},     // empty table: English defaults
      {"lng_French.INI", {}, "OK", "lng"},                  // ".ini" must be lower case
      {"lng_French.ini", {"/LNG=RUS"}, "Да", "RUS"},        // the switch beats the setting
      {"HUN", {"/LNG=lng_Missing.ini"}, "Rendben", "HUN"},  // missing file: the setting
  };
  for (const auto& [setting, args, ok, id] : cases)
    EXPECT_EQ(OkText(Load(setting, args).table) + "|" + Load(setting, args).current_id,
              std::string(ok) + "|" + id)
        << setting;
  FakeResources none;
  LanguageSources bare{fs, none, kProgramDir};
  PendingLanguage pending;
  const LoadedLanguage english = LoadLanguage(bare, "HUN", pending, {});
  EXPECT_EQ(OkText(english.table), "OK");  // even without the English resource
  EXPECT_EQ(english.font_charset, kDefaultFontCharset);
  // An external file is one of the program's own: here UTF-16.
  fs.AddFile(std::string(kProgramDir) + "\\lng_ru.ini",
             "\xFF\xFE" + Utf16LeFromUtf8(LanguageFile("  RUS\t", "Да")));
  fs.AddFile(std::string(kProgramDir) + "\\lng_plain.ini", "[Buttons]\r\nBtnOK=Fine\r\n");
  // The character set follows the loaded short id.
  const std::tuple<const char*, const char*, int> charsets[] = {
      {"lng_ru.ini", "LNG_RUS", 204},
      {"lng_plain.ini", "LNG_ENG", 1},  // no LngShortID: treated as ENG
  };
  for (const auto& [setting, resource, charset] : charsets)
    EXPECT_EQ(std::make_pair(Load(setting).charset_resource, Load(setting).font_charset),
              std::make_pair(std::string(resource), charset));
  // A choice pending from the dialog replaces the setting once.
  pending = {};
  LoadLanguage(sources, "ENG", pending, {});
  EXPECT_EQ(std::tie(pending.pending, pending.value), std::make_tuple(false, std::string("ENG")));
  pending = {true, "RUS"};
  EXPECT_EQ(OkText(LoadLanguage(sources, "ENG", pending, {}).table), "Да");
  EXPECT_FALSE(pending.pending);
  EXPECT_EQ(OkText(LoadLanguage(sources, "HUN", pending, {}).table), "Rendben");
  EXPECT_EQ(pending.value, "HUN");
}

TEST_F(LanguageTableTest, InstallerLanguagesAndExternalFilesForTheDialog) {
  const std::tuple<const char*, bool, const char*> arguments[] = {
      {"lng_French.ini", true, "Bien"},
      {"hun", true, "Rendben"},
      {"lng_None.ini", false, "Keep"},
      {"HUNGARIAN", false, "Keep"}};  // the installer uses the value whole
  for (const auto& [value, loads, ok] : arguments) {
    LanguageTable table = LanguageTable::FromText("[Buttons]\nBtnOK=Keep\n");
    EXPECT_EQ(LoadLanguageArgument(sources, value, table), loads) << value;
    EXPECT_EQ(OkText(table), ok) << value;
  }
  const std::tuple<const char*, const char*, const char*> host[] = {
      {"wcmd_rus.lng", "Да", "RUS"},
      {"WCMD_DEU.LNG", "Gut", "deu"},  // the identifier is the file's own
      {"WCMD_FRA.LNG", "OK", "ENG"},   // no built-in counterpart: English
  };
  for (const auto& [language_ini, ok, id] : host) {
    const InstallerLanguage language = LoadInstallerLanguage(resources, &code_page, language_ini);
    EXPECT_EQ(std::make_tuple(OkText(language.table), language.current_id),
              std::make_tuple(std::string(ok), std::string(id)))
        << language_ini;
  }
  // The dialog's list of external files.
  fs.AddFile(std::string(kProgramDir) + "\\LNG_polski.ini", "[Language]\r\nLngShortID=POL\r\n");
  fs.AddFile(std::string(kProgramDir) + "\\lng_lng_x.ini", "[Language]\r\nLngNameEng=  Twice \r\n");
  fs.AddFile(std::string(kProgramDir) + "\\other.ini", LanguageFile("OTH", "Other"));
  fs.AddFile(std::string(kProgramDir) + "\\lng_notes.txt", "");
  fs.AddDirectory(std::string(kProgramDir) + "\\lng_folder.ini");
  Lines entries;
  for (const ExternalLanguage& language : FindExternalLanguages(sources))
    entries.push_back(language.list_entry);
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries,
            (Lines{"- French.ini (Bien language)", "- polski.ini (-)", "- x.ini (Twice)"}));
  const std::pair<const char*, const char*> entries_of[] = {
      {"HUN - Hungarian", "HUN"},
      {"- French.ini (French)", "lng_French.ini"},
      {"-  spaced.ini   (Spaced)", "lng_spaced.ini"},
      {"-tight.ini(T)", "lng_tight.ini"},
      {"", ""}};
  for (const auto& [entry, language] : entries_of)
    EXPECT_EQ(LanguageOfListEntry(entry), language) << entry;
}

TEST(LanguageTexts, PlaceholdersLineBreaksAndFileFailuresInWords) {
  EXPECT_EQ(FormatLanguageText("Installed - use: %s in TC.", "\"Shift + F8\""),
            "Installed - use: \"Shift + F8\" in TC.");
  EXPECT_EQ(FormatLanguageText("no placeholder", "x"), "no placeholder");
  EXPECT_EQ(ExpandLanguageLineBreaks("one<br>two<BR>"), "one\r\ntwo<BR>");
  const std::string long_path = "C:\\" + std::string(260, 'x');
  const std::tuple<std::string, uint32_t, std::vector<std::string>> rows[] = {
      {"C:\\a.ini", 32, {"\"C:\\a.ini\" is being used by another program"}},
      {"C:\\a.ini", 33, {"used by another program"}},
      {"C:\\a.ini", 5, {"denied access to \"C:\\a.ini\"", "read-only", "permission"}},
      {"C:\\a.ini", 112, {"disk is full", "\"C:\\a.ini\""}},
      {"C:\\a.ini", 39, {"disk is full"}},
      {"C:\\a.ini", 206, {"too long"}},
      {long_path, 3, {"too long", long_path}},
      {"C:\\a\\b.ini", 3, {"folder of \"C:\\a\\b.ini\" was not found"}},
      {"C:\\a.ini", 2, {"\"C:\\a.ini\" was not found"}},
      {"C:\\a.ini", 1392, {"\"C:\\a.ini\" could not be", "\r\nError code: 1392"}}};
  for (const auto& [path, code, words] : rows) {
    const std::string text = FileFailureText(EnglishLanguageTable(), path, code);
    EXPECT_EQ(text.find("I/O error"), std::string::npos);
    for (const std::string& word : words) EXPECT_NE(text.find(word), std::string::npos) << text;
  }
  const LanguageTable german = LanguageTable::FromText(
      "[ErrorMessages]\nFileInUse=%s wird verwendet.\nFileFailed=%s?\nErrorCode=Fehlercode:");
  EXPECT_EQ(FileFailureText(german, "C:\\a", 32), "\"C:\\a\" wird verwendet.");
  EXPECT_EQ(FileFailureText(german, "C:\\a", 1), "\"C:\\a\"?\r\nFehlercode: 1");
}

// ---- settings
const char kIni[] = "C:\\TC\\Kestrix\\tc Kestrix.ini";
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.AddDirectory("C:\\TC\\Kestrix"); }
  std::string Content() { return fs.FileContent(kIni).value_or("<missing>"); }
  FakeFileSystem fs;
  FakeEnvironment env{{"KXDIR", "D:\\Data"}};
  FakeMessageBoxes boxes;
  EnglishLanguageTable english;
  SettingsModel model{fs, env, &boxes, [this]() -> const LanguageTable& { return english; }, kIni};
};

TEST_F(SettingsTest, BooleansAreTrueOnlyForExactTrueAndValuesFallBackToDefaults) {
  // The settings file lies beside the program, named after it.
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      {"C:/TC/Kestrix/renamed.v2.EXE", "renamed.v2", "C:\\TC\\Kestrix",
       "C:\\TC\\Kestrix\\renamed.v2.ini"},
      {"D:\\tool", "tool", "D:", "D:\\tool.ini"},
      {"\\\\srv\\share\\dir.d\\noext", "noext", "\\\\srv\\share\\dir.d",
       "\\\\srv\\share\\dir.d\\noext.ini"}};
  for (const auto& [exe, base, dir, ini] : cases)
    EXPECT_EQ(std::make_tuple(ExecutableBaseName(exe), ProgramDirOf(exe), SettingsFilePath(exe)),
              std::make_tuple(base, dir, ini));
  fs.AddFile(kIni,
             "[Configuration]\r\nAlwaysOnTop=True\r\nAlwaysActive=true\r\nFlatButtons=TRUE\r\n"
             "UseWindowTheme= True\r\nAlphaBlendValue=\r\nWindowPosition=0x2\r\nFontSize=big\r\n"
             "MkDirHistoryFile=  %KXDIR%\\hist.lst \t\r\nInvalidCharReplace=\r\n"
             "[Additional]\r\nCloseWindow=False\r\n");
  BigIniFile ini(fs, kIni);
  SettingsAccess s(ini);
  const std::pair<Setting, bool> bools[] = {
      {Setting::kAlwaysOnTop, true},  {Setting::kAlwaysActive, false},
      {Setting::kFlatButtons, false}, {Setting::kUseWindowTheme, false},
      {Setting::kCloseWindow, false}, {Setting::kUSClearList, true}};
  for (const auto& [id, value] : bools) EXPECT_EQ(s.Bool(id), value) << KeyOf(id).key;
  EXPECT_EQ(
      std::make_tuple(s.Integer(Setting::kAlphaBlendValue), s.Integer(Setting::kWindowPosition),
                      s.Integer(Setting::kFontSize), s.Integer(Setting::kDisablePlugins, -1)),
      std::make_tuple(255, 2, 8, -1));
  EXPECT_EQ(s.Text(Setting::kInvalidCharReplace) + "|" + s.Text(Setting::kFontName) + "|" +
                s.TrimmedText(Setting::kMkDirHistoryFile),
            "|Default|%KXDIR%\\hist.lst");
  EXPECT_THROW(s.Bool(Setting::kFontSize), std::logic_error);
  EXPECT_THROW(s.WriteInteger(Setting::kCloseWindow, 1), std::logic_error);
}

TEST_F(SettingsTest, InstallationWritesDefaultsAndKeepsUserValues) {
  auto install = [this](const InstallDefaults& defaults) {
    BigIniFile ini(fs, kIni);
    WriteInstallationDefaults(ini, defaults);
  };
  install({"DEU", true, "  Benutzername "});
  const std::string fresh = Content();
  for (const char* line : {"[Language]\r\nCurrentLng=DEU\r\n", "\r\nDisablePlugins=0\r\n",
                           "\r\nEnterCmdInstalled=True\r\n", "\r\nBenutzername={user}\r\n"})
    EXPECT_NE(fresh.find(line), std::string::npos) << line;
  // Again, over a user's own values: only the language and the installed command change.
  const std::string mine =
      "[Language]\r\nCurrentLng=ENG\r\n\r\n"
      "[Configuration]\r\nTC8B10Method=True\r\nTC8B10FixExt=False\r\nAlwaysOnTop=True\r\n"
      "AlwaysActive=False\r\nDoNotEnterDeepest=True\r\nDisablePlugins=2\r\nFontSize=10\r\n\r\n"
      "[FileCreation]\r\nEnable=True\r\nExtensionDetection=False\r\n\r\n"
      "[Additional]\r\nEnterCmdInstalled=False\r\nDoNotInstall1stTemplate=True\r\n\r\n"
      "[UserTemplates]\r\nMine=x\r\n\r\n[ExtensionsEnabled]\r\n0=doc\r\n\r\n";
  fs.AddFile(kIni, mine);
  install({"FRA", true, "Utilisateur"});
  EXPECT_EQ(Content(),
            ReplaceAll(ReplaceAll(mine, "=ENG", "=FRA"), "Installed=False", "Installed=True"));
  // Empty values are filled; an empty template name must not erase the user's templates.
  fs.AddFile(kIni,
             "[Configuration]\r\nAlwaysOnTop=\r\nDisablePlugins=-1\r\n"
             "[UserTemplates]\r\nMine=x\r\nCurrent username=old\r\n");
  install({"ENG", false, "   "});
  BigIniFile ini(fs, kIni);
  EXPECT_EQ(ini.ReadString("Configuration", "AlwaysOnTop", "") + "," +
                ini.ReadString("Configuration", "DisablePlugins", ""),
            "False,0");
  Lines lines;
  ini.ReadSectionValues("UserTemplates", lines);
  EXPECT_EQ(lines, (Lines{"Mine=x", "Current username={user}"}));
}

TEST_F(SettingsTest, NumberedListsAndDeletedKeys) {
  fs.AddFile(kIni,
             "[Configuration]\r\nMkDirHistoryFile=D:\\h.lst\r\n"
             "[PrefixList]\r\n0=a\r\n1=b\r\n2=c\r\n; note\r\nx=keep\r\n"
             "[ExtensionsEnabled]\r\n0=txt\r\n1=ini\r\n7=old\r\n");
  {
    BigIniFile ini(fs, kIni);
    SettingsAccess s(ini);
    EXPECT_EQ(s.ReadList(kPrefixListSection), (Lines{"a", "b", "c", "keep"}));
    s.WriteList(kPrefixListSection, {"new", "b"});
    s.ReplaceList(kExtensionsEnabledSection, {"doc", "rtf"});
    s.WriteList(kSuffixListSection, {"=s"});
    s.Delete(Setting::kMkDirHistoryFile);  // deleted rather than emptied
  }
  EXPECT_EQ(Content(),
            "[PrefixList]\r\n0=new\r\n1=b\r\n; note\r\nx=keep\r\n\r\n"
            "[ExtensionsEnabled]\r\n0=doc\r\n1=rtf\r\n\r\n"
            "[SuffixList]\r\n0==s\r\n\r\n");
  BigIniFile ini(fs, kIni);
  EXPECT_EQ(SettingsAccess(ini).ReadList(kSuffixListSection), Lines{"=s"});
}

// ---- settings_model
// Each integer key: a value that does not parse is the default, any other number the case
// the key's rule gives it.
TEST_F(SettingsTest, IntegerKeysReadAsTheirCases) {
  // A missing file gives the defaults and is not created.
  ASSERT_TRUE(model.LoadStartup().ok && model.LoadActivation().ok);
  EXPECT_EQ(model.Activation().invalid_char_replace, "_");
  EXPECT_TRUE(!fs.FileExists(kIni) && boxes.shown.empty());
  auto startup = [](auto field, auto value) {
    return [=](const SettingsModel& m) { return m.Startup().*field == value; };
  };
  auto activation = [](auto field, auto value) {
    return [=](const SettingsModel& m) { return m.Activation().*field == value; };
  };
  using S = StartupSettings;
  using A = ActivationSettings;
  const std::pair<const char*, std::function<bool(const SettingsModel&)>> cases[] = {
      {"WindowPosition=x", startup(&S::window_position, WindowPosition::kHostWindow)},
      {"WindowPosition=0x1", activation(&A::window_position, WindowPosition::kHostPane)},
      {"WindowPosition=7", startup(&S::window_position, WindowPosition::kScreen)},
      {"InvalidCharAction=-1", activation(&A::invalid_char_action, InvalidCharAction::kUnknown)},
      {"InvalidCharAction=", activation(&A::invalid_char_action, InvalidCharAction::kWarn)},
      {"DisablePlugins=3", startup(&S::disable_plugins, DisablePlugins::kNone)},
      {"DisablePlugins=1", startup(&S::disable_plugins, DisablePlugins::kApplications)},
      {"DisablePlugins=2", startup(&S::disable_plugins, DisablePlugins::kNewApplication)},
      {"WindowStyle=1", startup(&S::window_style, WindowStyle::kDialogBorder)},
      {"SuggestedName=0", startup(&S::suggested_name, SuggestedName::kHostItem)},
      {"SuggestedName=2", activation(&A::suggested_name, SuggestedName::kCustomName)},
      {"AlphaBlendValue=", startup(&S::alpha_blend_value, 255)},
      {"MkDirHistoryFile= %KXDIR%\\h.lst ", startup(&S::mkdir_history_file, "D:\\Data\\h.lst")}};
  for (const auto& [line, holds] : cases) {
    fs.AddFile(kIni, std::string("[Configuration]\r\n") + line + "\r\n");
    ASSERT_TRUE(model.LoadStartup().ok && model.LoadActivation().ok);
    EXPECT_TRUE(holds(model)) << line;
  }
}

TEST_F(SettingsTest, ClosingWritesWhatActivationReadAndTheWindowsState) {
  fs.AddFile(kIni,
             "[Configuration]\r\nTC8B10Method=True\r\nUserThemeName=Dark\r\nLastSelectedPage=3\r\n"
             "[Language]\r\nCurrentLng=DEU\r\n[Additional]\r\nUS-ClearList=False\r\n");
  ASSERT_TRUE(model.LoadActivation().ok);
  ASSERT_TRUE(model.SaveClosing({"ENG", true, false, false, false, true, true}).ok);
  EXPECT_EQ(Content(),
            "[Configuration]\r\nTC8B10Method=True\r\nUserThemeName=Dark\r\nLastSelectedPage=3\r\n"
            "TC8B10FixExt=True\r\n\r\n"
            "[Language]\r\nCurrentLng=DEU\r\n\r\n"
            "[Additional]\r\nUS-ClearList=False\r\nReplacements=True\r\nEnterDirectory=False\r\n"
            "CloseWindow=False\r\nTC8B10FuncChecked=True\r\n\r\n");
  // Read back at the next activation; a missing language is written with the one in use.
  fs.AddFile(kIni, "[Language]\r\nCurrentLng=\r\n");
  ASSERT_TRUE(model.SaveClosing({"lng_Nederlands.ini", false, true, true}).ok);
  ASSERT_TRUE(model.LoadActivation().ok);
  EXPECT_TRUE(model.Activation().enter_directory && model.Activation().close_window);
  EXPECT_FALSE(model.Activation().replacements);
  EXPECT_EQ(model.LanguageSetting(), "lng_Nederlands.ini");
}

TEST_F(SettingsTest, AFailureIsAResultAndOneMessage) {
  // The preview's lookup reads the file at its first question; each preview takes a new one,
  // which sees the file as it is now.
  fs.AddFile(kIni, "[ReplaceChars]\r\n&=and\r\n");
  const auto first = model.ReplaceCharValues();
  fs.AddFile(kIni, "[ReplaceChars]\r\n&=+\r\n");
  EXPECT_EQ(first("&"), "+");
  fs.AddFile(kIni, "[ReplaceChars]\r\n&=plus\r\n");
  EXPECT_EQ(first("&") + first("#"), "+_");
  EXPECT_EQ(model.ReplaceCharValues()("&"), "plus");
  fs.AddFile(kIni, "[Configuration]\r\nInitialMode=1\r\n[ReplaceChars]\r\n&=and\r\n#=\r\n");
  ASSERT_TRUE(model.LoadActivation().ok);
  std::vector<std::pair<std::string, std::string>> pairs;
  EXPECT_EQ(model.Activation().replace_chars_keys, (Lines{"&", "#"}));
  ASSERT_TRUE(model.ReadReplaceChars(pairs).ok);
  EXPECT_EQ(pairs, (std::vector<std::pair<std::string, std::string>>{{"&", "and"}, {"#", ""}}));
  fs.FailPath(kIni, kErrorAccessDenied, FakeFileSystem::kFaultAll);
  const SettingsResult failed = model.LoadActivation();
  EXPECT_EQ(std::make_tuple(failed.ok, failed.code), std::make_tuple(false, kErrorAccessDenied));
  EXPECT_EQ(model.Activation().initial_mode, InitialMode::kExtended);  // kept
  EXPECT_FALSE(model.LoadActivation().ok);
  ASSERT_EQ(boxes.shown.size(), 1u);  // activations repeat; the message does not
  EXPECT_EQ(boxes.shown[0].caption + ": " + boxes.shown[0].text,
            "Error: " + FileFailureText(english, kIni, kErrorAccessDenied));
  // A user's step hears of it every time, and gets nothing half-read.
  EXPECT_TRUE(!model.ReadReplaceChars(pairs).ok && pairs.empty());
  EXPECT_FALSE(model.SaveClosing({}).ok);
  EXPECT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(model.ReplaceCharValues()("&"), "_");
}

// ---- themes
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

TEST_F(ChangeColorsTest, ColorsGlyphSizesFontsAndThePlainLook) {
  const std::pair<const char*, std::optional<ColorRef>> colors[] = {
      {"#359ceb", RgbColor(0x35, 0x9C, 0xEB)},
      {"FF", RgbColor(0, 0, 0xFF)},  // read as a number: short texts are the low bytes, blue
      {"359CEG", std::nullopt},
      {"1359CEB", std::nullopt}};
  for (const auto& [text, color] : colors) EXPECT_EQ(HtmlToColor(text), color) << text;
  // 100 % and 125 % draw 16 pixels; 150 % draws the 24-pixel set, 200 % the 32 one.
  for (auto [dpi, pixels] : {std::pair{-5, 16}, {120, 16}, {144, 24}, {168, 24}, {192, 32}})
    EXPECT_EQ(GlyphSizeForDpi(dpi).pixels, pixels) << dpi;
  const std::tuple<const char*, int, FontChoice> fonts[] = {
      {"Default", 8, {}},
      {" Segoe UI ", 8, {true, "Segoe UI", 8}},
      {"Tahoma", kMaxFontSize + 1, {}},
      {"Tahoma", kMaxFontSize, {true, "Tahoma", kMaxFontSize}}};
  for (const auto& [name, size, choice] : fonts)
    EXPECT_EQ(ChooseFont(name, size), choice) << name << size;
  for (int opaque : {255, 1000, -1}) EXPECT_EQ(TransparencyFor(opaque), Transparency{}) << opaque;
  EXPECT_EQ(TransparencyFor(254), (Transparency{true, 254}));
  Appearance themed = Run({true, true, 3, "", ""}).appearance;
  Appearance plain = Run({false, false, 3, "", ""}, themed).appearance;
  EXPECT_EQ(plain.main, ThemeColor::System(SystemColor::kButtonFace));
  EXPECT_EQ(plain.Glyph(GlyphRole::kUndo), GlyphRef::Resource("NOTHEME_DEFAULT_UNDO"));
  // Without flat buttons the hidden flat buttons keep the glyphs they had.
  EXPECT_EQ(plain.Glyph(GlyphRole::kOk), GlyphRef::Resource("THEME_PINK_OK"));
  Appearance flat = Run({true, false, 3, "", ""}, themed).appearance;
  EXPECT_EQ(flat.Glyph(GlyphRole::kOk), GlyphRef::Resource("THEME_DEFAULT_OK"));
}

TEST_F(ChangeColorsTest, SpeedBtnColorSettingWinsOverEveryThemeOrIsReported) {
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
  ChangeColorsResult bad = Run({false, true, 1, "zz1122", ""});
  EXPECT_EQ(bad.appearance.quick_button_text, ThemeColor::Fixed(HexRgb(0x808080)));
  ASSERT_EQ(bad.problems.size(), 1u);
  EXPECT_NE(bad.problems[0].find("zz1122"), std::string::npos);
}

TEST_F(ChangeColorsTest, UserThemesAndAnUnusableOneLeavesThePreviousColours) {
  AddTheme("theme_Plain", "[ThemeInfo]\r\nName=Plain\r\n");
  // A user theme with only a name looks like Sky with blue quick buttons.
  for (int selected : {6, 100, -1}) {
    Appearance look = Run({false, true, selected, "", "Plain"}).appearance;
    EXPECT_EQ(std::tie(look.main, look.curdir_text, look.quick_button_text),
              std::make_tuple(ThemeColor::Fixed(kBuiltInThemes[0].colors.main),
                              ThemeColor::Fixed(kBuiltInThemes[0].colors.accent),
                              ThemeColor::Fixed(HexRgb(0x359CEB))))
        << selected;
  }
  // Colours are trimmed and may carry a hash.
  AddTheme("theme_Dark",
           "[ThemeInfo]\r\nName= Dark \r\nSpeedBtnColor= #010203\r\nFontColor=0A0B0C \r\n"
           "MainColor=#F0F1F2\r\n");
  Appearance dark = Run({false, true, 6, "", "Dark"}).appearance;
  EXPECT_EQ(std::tie(dark.main, dark.flat_button_text, dark.quick_button_text),
            std::make_tuple(ThemeColor::Fixed(RgbColor(0xF0, 0xF1, 0xF2)),
                            ThemeColor::Fixed(RgbColor(0x0A, 0x0B, 0x0C)),
                            ThemeColor::Fixed(RgbColor(1, 2, 3))));
  // A bad colour keeps that role only.
  AddTheme("theme_Half", "[ThemeInfo]\r\nName=Half\r\nMainColor=white\r\nFontColor=112233\r\n");
  Appearance previous = Run({false, true, 2, "", ""}).appearance;
  ChangeColorsResult half = Run({false, true, 6, "", "Half"}, previous);
  EXPECT_EQ(std::tie(half.appearance.main, half.appearance.curdir_text),
            std::make_tuple(previous.main, ThemeColor::Fixed(RgbColor(0x11, 0x22, 0x33))));
  ASSERT_EQ(half.problems.size(), 1u);
  EXPECT_NE(half.problems[0].find("MainColor"), std::string::npos);
  // Theme directories are found by their prefix.
  AddTheme("theme_Moss", "[ThemeInfo]\r\nName=Moss\r\nMainColor=2B3A1F\r\n");
  AddTheme("THEME_Loud", "[ThemeInfo]\r\n");
  fs.AddDirectory(std::string(kProgramDir) + "\\theme_Empty");
  fs.AddFile(std::string(kProgramDir) + "\\theme_file", "not a directory");
  AddTheme("themes_Other", "[ThemeInfo]\r\nName=Other\r\n");
  Lines found = DiscoverUserThemes(fs, kProgramDir);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (Lines{"- Dark", "- Half", "- Loud", "- Moss", "- Plain"}));
  AddTheme("theme_NoName", "[ThemeInfo]\r\nMainColor=000000\r\n");
  AddTheme("theme_Blank", "[ThemeInfo]\r\nName=   \r\nMainColor=000000\r\n");
  AddTheme("theme_Locked", "[ThemeInfo]\r\nName=Locked\r\nMainColor=000000\r\n");
  fs.FailPath(std::string(kProgramDir) + "\\theme_Locked\\theme.ini", kErrorAccessDenied,
              FakeFileSystem::kFaultRead);
  fs.AddDirectory(std::string(kProgramDir) + "\\theme_NoIni");
  Appearance before = Run({false, true, 4, "", ""}).appearance;
  for (const char* name : {"NoName", "Blank", "NoIni", "Missing", "", "Locked"}) {
    ChangeColorsResult result = Run({false, true, 6, "", name}, before);
    const Appearance& a = result.appearance;
    EXPECT_EQ(std::tie(a.main, a.curdir_text, a.quick_button_text),
              std::tie(before.main, before.curdir_text, before.quick_button_text))
        << name;
    // An unreadable file is reported, not thrown.
    EXPECT_EQ(result.problems.size(), std::string(name) == "Locked" ? 1u : 0u) << name;
  }
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
  EXPECT_EQ(flat.Glyph(GlyphRole::kUndo), GlyphRef::File(dir + "\\icon-undo.png"));
  Appearance normal = Run({false, true, 6, "", "Icons"}, previous).appearance;
  EXPECT_EQ(normal.Glyph(GlyphRole::kOk), GlyphRef::Resource("THEME_PEACH_OK"));
  // Step one of the rules gives btn_undo the default theme's glyph whatever comes after.
  EXPECT_EQ(normal.Glyph(GlyphRole::kUndo), GlyphRef::Resource("THEME_DEFAULT_UNDO"));
}

}  // namespace
}  // namespace kestrix
