#include "platform/win32/resource_win32.h"

#include <gtest/gtest.h>

#include "settings/language_table.h"

namespace kestrix {
namespace {

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

  std::string data = "stale";
  EXPECT_EQ(resources.ReadData("LNG_FRA", data), kErrorResourceNameNotFound);
  EXPECT_TRUE(data.empty());
  EXPECT_FALSE(resources.Exists("LNG_"));
}

// The built program carries each built-in language under its own name.
TEST(Win32Resources, ProgramCarriesEveryBuiltInLanguage) {
  char buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  std::string exe(buffer, length);
  exe = exe.substr(0, exe.find_last_of("\\/")) + "\\tc Kestrix.exe";
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr) << exe << " error " << GetLastError();
  Win32Resources program(module);
  for (const BuiltInLanguage& language : kBuiltInLanguages) {
    std::string text;
    ASSERT_EQ(program.ReadData(LanguageResourceName(language.id), text), 0u) << language.id;
    EXPECT_EQ(LanguageTable::FromText(text).Text("Language", "LngNameEng", ""),
              language.english_name);
  }
  FreeLibrary(module);
}

}  // namespace
}  // namespace kestrix
