#include "settings/language_table.h"

#include <gtest/gtest.h>

#include "base/text_utils.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_resources.h"
#include "settings/control_texts.h"

namespace kestrix {
namespace {

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

TEST(LanguageTableLookup, EmptyTableGivesEveryEnglishDefault) {
  const EnglishLanguageTable english;
  for (const LanguageKey& key : lng::kAllKeys)
    EXPECT_EQ(english.Text(key), Trim(key.english)) << key.section << "/" << key.key;
  EXPECT_EQ(english.ShortId(), "ENG");
  EXPECT_TRUE(english.SectionNames().empty());
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
      {"  HUN\t", {}, "Rendben", "HUN"},
      {"hun", {}, "Rendben", "hun"},  // resource names ignore case
      {"", {}, "OK", ""},
      {"XYZ", {}, "OK", "XYZ"},  // no such resource: English
      {"lng_French.ini", {}, "Bien", "lng_French.ini"},
      {"lng_Missing.ini", {}, "OK", "lng_Missing.ini"},  // empty table: English defaults
      {"lng_French.INI", {}, "OK", "lng"},               // ".ini" must be lower case
      {"HUN", {"/lng=rus"}, "Ladno", "rus"},
      {"HUN", {"/LNG=lng_French.ini"}, "Bien", "lng_French.ini"},
      {"lng_French.ini", {"/LNG=RUS"}, "Ladno", "RUS"},     // the switch beats the setting
      {"HUN", {"/LNG=lng_Missing.ini"}, "Rendben", "HUN"},  // missing file: the setting
      {"lng_French.ini", {"/LNG=lng_Missing.ini"}, "Bien", "lng_French.ini"},
      {"HUN", {"/LNG="}, "Rendben", "HUN"},
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

TEST(LanguageCharset, ResourceNamesGiveTheirCharacterSets) {
  struct Case {
    const char* resource;
    int charset;
  } cases[] = {
      {"LNG_ENG", 1},   {"LNG_HUN", 238}, {"LNG_RUS", 204}, {"LNG_DUT", 0},
      {"LNG_ESP", 1},   {"LNG_DEU", 238}, {"LNG_DAN", 1},   {"LNG_CHN", 134},
      {"LNG_UKR", 204}, {"LNG_KOR", 129}, {"LNG_deu", 1},   {"LNG_rus", 1},
      {"LNG_FRA", 1},   {"LNG_", 1},      {"", 1},          {"LNG_RUSX", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(FontCharsetFor(c.resource), c.charset) << c.resource;
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

TEST_F(LanguageTableTest, BuiltInLoaderReportsTheResourceUsed) {
  std::string used;
  EXPECT_EQ(OkText(LoadBuiltInLanguage(resources, "RUS", &used)), "Ladno");
  EXPECT_EQ(used, "LNG_RUS");
  EXPECT_EQ(OkText(LoadBuiltInLanguage(resources, "KOR", &used)), "OK");
  EXPECT_EQ(used, "LNG_ENG");
  EXPECT_EQ(OkText(LoadLanguageByName(sources, "DEU")), "Gut");
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
      {"WCMD_HU", "OK", "ENG"},
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
  EXPECT_EQ(
      BuiltInLanguageListEntries(),
      (std::vector<std::string>{"CHN - Chinese", "DAN - Danish", "DEU - German", "DUT - Dutch",
                                "ENG - English", "ESP - Spanish", "HUN - Hungarian", "KOR - Korean",
                                "RUS - Russian", "UKR - Ukrainian"}));
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

}  // namespace
}  // namespace kestrix
