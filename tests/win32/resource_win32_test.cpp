#include "platform/win32/resource_win32.h"

#include <gtest/gtest.h>

#include <map>

#include "names/text_utils.h"
#include "platform/win32/file_system_win32.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"

namespace kestrix {
namespace {

std::string TestBinaryDir() {
  char buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  std::string path(buffer, length);
  return path.substr(0, path.find_last_of("\\/"));
}

// The resources of this test program link the program's language resource script.
TEST(Win32Resources, ReadsTheWholeDataByCaseInsensitiveName) {
  Win32Resources resources;
  std::string upper, lower;
  ASSERT_EQ(resources.ReadData("LNG_ENG", upper), 0u);
  ASSERT_EQ(resources.ReadData("lng_eng", lower), 0u);
  EXPECT_EQ(upper, lower);
  // The data ends where the file ends: no terminating zero, nothing cut off.
  ASSERT_FALSE(upper.empty());
  EXPECT_NE(upper.back(), '\0');
  EXPECT_NE(upper.find("FutureVersion="), std::string::npos);
  EXPECT_TRUE(resources.Exists("LNG_ENG"));
}

TEST(Win32Resources, MissingResourceKeepsTheErrorCode) {
  Win32Resources resources;
  std::string data = "stale";
  EXPECT_EQ(resources.ReadData("LNG_FRA", data), kErrorResourceNameNotFound);
  EXPECT_TRUE(data.empty());
  EXPECT_FALSE(resources.Exists("LNG_"));
}

TEST(Win32Resources, EnglishLanguageHoldsEveryKeyWithItsText) {
  Win32Resources resources;
  const LanguageTable table = LoadBuiltInLanguage(resources, "ENG");
  for (const LanguageKey& key : lng::kAllKeys) {
    // A marker default shows a key the file lacks.
    EXPECT_EQ(table.Text(std::string(key.section), std::string(key.key), "<missing>"),
              Trim(key.BuiltInText()))
        << key.section << "/" << key.key;
  }
}

TEST(Win32Resources, EnglishFileAlignsValuesWithTabs) {
  Win32Resources resources;
  std::string text;
  ASSERT_EQ(resources.ReadData("LNG_ENG", text), 0u);
  for (const std::string& line : SplitLines(text)) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos || line.starts_with(";")) continue;
    EXPECT_NE(line[equals - 1], ' ') << line;
    EXPECT_NE(line[equals - 1], '\t') << line;
  }
}

TEST(Win32Resources, InstalledProgramCarriesTheSameEnglishLanguage) {
  const std::string exe = TestBinaryDir() + "\\tc Kestrix.exe";
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr) << exe << " error " << GetLastError();
  Win32Resources program(module);
  Win32Resources own;
  std::string in_program, in_test;
  EXPECT_EQ(program.ReadData("LNG_ENG", in_program), 0u);
  EXPECT_EQ(own.ReadData("LNG_ENG", in_test), 0u);
  EXPECT_EQ(in_program, in_test);
  FreeLibrary(module);
}

class Win32LanguageLoadingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    dir_ = std::string(temp) + "kx_lng_" + std::to_string(GetCurrentProcessId());
    ASSERT_EQ(fs_.CreateDirectory(dir_), kErrorSuccess);
  }
  void TearDown() override {
    for (const DirEntry& entry : fs_.ListDirectory(dir_, "*"))
      fs_.DeleteFile(dir_ + "\\" + entry.name);
    RemoveDirectoryA(dir_.c_str());
  }

  Win32FileSystem fs_;
  Win32Resources resources_;
  std::string dir_;
};

TEST_F(Win32LanguageLoadingTest, ExternalFileBesideTheProgramWinsOverBuiltIn) {
  ASSERT_EQ(fs_.WriteWholeFile(dir_ + "\\lng_Test.ini",
                               "[Language]\r\nLngShortID=\tRUS\r\nLngNameEng=\tTestish\r\n"
                               "[Buttons]\r\nBtnOK=\t\t\tDa\r\n"),
            kErrorSuccess);
  LanguageSources sources{fs_, resources_, dir_};
  PendingLanguage pending;
  LoadedLanguage loaded = LoadLanguage(sources, "ENG", pending, {"/lng=lng_Test.ini"});
  EXPECT_EQ(loaded.table.Text(lng::buttons::kBtnOK), "Da");
  EXPECT_EQ(loaded.table.Text(lng::buttons::kBtnCancel), "Cancel");
  EXPECT_EQ(loaded.font_charset, 204);

  const std::vector<ExternalLanguage> found = FindExternalLanguages(sources);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].list_entry, "- Test.ini (Testish)");
  EXPECT_EQ(LanguageOfListEntry(found[0].list_entry), "lng_Test.ini");
}

}  // namespace
}  // namespace kestrix
