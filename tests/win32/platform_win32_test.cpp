// The thin platform classes against the real system calls: locale names, system facts,
// resources and the AIMP mapping. What the system itself answers is not retested.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "base/text_utils.h"
#include "fakes/fake_code_page.h"
#include "input/typing.h"
#include "names/player_sources.h"
#include "names/system_sources.h"
#include "names/text_modifiers.h"
#include "platform/win32/char_case_win32.h"
#include "platform/win32/dialog_seams_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/resource_win32.h"
#include "platform/win32/shared_memory_win32.h"
#include "platform/win32/system_facts_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
#include "settings/language_table.h"

namespace kestrix {
namespace {

// The same names (UTF-8) as the locale's own date formatting gives for a known date.
std::string Formatted(int month, int day, const char* picture) {
  SYSTEMTIME date = {};
  date.wYear = 2024;
  date.wMonth = static_cast<WORD>(month);
  date.wDay = static_cast<WORD>(day);
  wchar_t buffer[128] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, 0, &date, Wide(picture).c_str(), buffer, 128);
  return Utf8(buffer);
}

TEST(Win32Locale, DayAndMonthNamesAsTheDateFormatterSaysAndTheSystemsNames) {
  Win32Locale locale;
  // 4 March 2024 was a Monday; ISO day d falls on 3 + d March.
  for (int iso_day = 1; iso_day <= 7; ++iso_day) {
    EXPECT_EQ(locale.LongDayName(iso_day), Formatted(3, 3 + iso_day, "dddd")) << iso_day;
    EXPECT_EQ(locale.ShortDayName(iso_day), Formatted(3, 3 + iso_day, "ddd")) << iso_day;
  }
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(locale.LongMonthName(month), Formatted(month, 1, "MMMM")) << month;
    EXPECT_EQ(locale.ShortMonthName(month), Formatted(month, 1, "MMM")) << month;
  }
  // The system's names and its real version.
  Win32SystemFacts facts;
  for (const std::optional<std::string>& name :
       {facts.UserName(), facts.ComputerName(), facts.Workgroup()}) {
    ASSERT_TRUE(name);
    EXPECT_FALSE(Trim(*name).empty());
    EXPECT_EQ(name->find('\0'), std::string::npos);  // no terminating zero carried along
  }
  std::optional<ReportedOsVersion> reported = facts.ReportedVersion();
  std::optional<RealOsVersion> real = facts.RealVersion();
  ASSERT_TRUE(reported && real);
  EXPECT_NE(OsNameSource(facts), "Unknown");  // which name each version has is the unit tests'
}

// The program's own resources: every built-in language, whole (no terminating zero, nothing
// cut off); the manifest, without which the controls lose the common-controls look and the
// window is scaled as a bitmap on high-DPI screens.
TEST(Win32Resources, ProgramCarriesEveryBuiltInLanguageWholeAndItsManifest) {
  char buffer[MAX_PATH];
  std::string exe(buffer, GetModuleFileNameA(nullptr, buffer, sizeof buffer));
  exe = exe.substr(0, exe.find_last_of("\\/")) + "\\tc Kestrix.exe";
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr) << exe << " error " << GetLastError();
  Win32Resources program(module);
  for (const BuiltInLanguage& language : kBuiltInLanguages) {
    std::string text;
    ASSERT_EQ(program.ReadData(LanguageResourceName(language.id), text), 0u) << language.id;
    EXPECT_EQ(LanguageTable::FromText(text).Text(lng::header::kLngNameEng), language.english_name);
  }
  std::string english;
  ASSERT_EQ(program.ReadData("LNG_ENG", english), 0u);
  ASSERT_FALSE(english.empty());
  EXPECT_NE(english.back(), '\0');
  EXPECT_NE(english.find("FutureVersion="), std::string::npos);
  EXPECT_TRUE(program.Exists("LNG_ENG"));
  std::string data = "stale";
  EXPECT_EQ(program.ReadData("LNG_FRA", data), kErrorResourceNameNotFound);
  EXPECT_TRUE(data.empty());
  EXPECT_FALSE(program.Exists("LNG_"));
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                             SizeofResource(module, found));
  for (const char* part : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "<dpiAware",
                           // Windows 10 and 11 share one compatibility identifier.
                           "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  FreeLibrary(module);
}

// The AIMP record read through the real named mapping.
class AimpMapping {
 public:
  explicit AimpMapping(DWORD size) {
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size,
                                  kAimpMappingName);
    if (mapping_ != nullptr) view_ = MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, size);
  }
  ~AimpMapping() {
    if (view_ != nullptr) UnmapViewOfFile(view_);
    if (mapping_ != nullptr) CloseHandle(mapping_);
  }
  uint8_t* bytes() { return static_cast<uint8_t*>(view_); }
  void SetLength(int field, int32_t units) { std::memcpy(bytes() + 40 + 4 * field, &units, 4); }

 private:
  HANDLE mapping_ = nullptr;
  void* view_ = nullptr;
};

TEST(PlayerSourcesWin32, AimpRecordInTheNamedMapping) {
  Win32SharedMemory memory;
  Win32Locale locale;
  EXPECT_EQ(AimpSource(memory, locale), "");
  AimpMapping mapping(2048);
  ASSERT_NE(mapping.bytes(), nullptr);
  const std::u16string texts = u"AlbumArtist2024C:\\f.mp3RockTitle";
  const int32_t lengths[6] = {5, 6, 4, 8, 4, 5};
  for (int i = 0; i < 6; ++i) mapping.SetLength(i, lengths[i]);
  std::memcpy(mapping.bytes() + 88, texts.data(), texts.size() * 2);
  EXPECT_EQ(AimpSource(memory, locale), "Artist - Title");
}

// Casing by the user's locale, one character of any script at a time; code pages decoded
// strictly and encoded without a look-alike (the prefix's ANSI code page is 1252).
TEST(Win32Text, CharCaseAndCodePages) {
  // Windows' casing agrees with Unicode's simple mappings on names of every script.
  for (const std::string name : kUnicodeNames)
    EXPECT_EQ(InvertCase(name + "\u01C5\u0386", Win32CharCase()),
              InvertCase(name + "\u01C5\u0386", PortableCharCase()));
  Win32CodePage code_page;
  const std::tuple<std::string, unsigned, std::string> decoded[] = {
      {"\xCE\xF2\xEC\xE5\xED\xE0", 1251, "\u041E\u0442\u043C\u0435\u043D\u0430"},
      {"\xC8\xA1\xCF\xFB", 936, "\u53D6\u6D88"},
      {"\xC3\xEB\xBC\xD2", 949, "\uCDE8\uC18C"}};
  bool lost = false;
  for (const auto& [bytes, page, text] : decoded)
    EXPECT_EQ(code_page.Utf8FromCodePage(bytes, page, &lost), text) << page;
  EXPECT_FALSE(lost);
  code_page.Utf8FromCodePage("x\xC8", 936, &lost);  // a lead byte without its trail
  EXPECT_TRUE(lost);
  lost = false;
  EXPECT_EQ(code_page.AnsiFromUtf8("Caf\u00E9", &lost), "Caf\xE9");
  EXPECT_FALSE(lost);
  EXPECT_EQ(code_page.AnsiFromUtf8("\u017B\u00F3\u0142w", &lost), "?\xF3?w");  // not "Zólw"
  EXPECT_TRUE(lost);
}

// The long-path box as shown: its place and its text, read and closed from a timer.
RECT box = {};
std::string shown;
void CALLBACK ReadLongPathBox(HWND, UINT, UINT_PTR, DWORD) {
  HWND window = FindWindowW(L"#32770", L"Long path");
  if (window == nullptr || !shown.empty()) return;
  GetWindowRect(window, &box);
  wchar_t text[2048] = {};
  shown = Utf8(std::wstring_view(text, GetDlgItemTextW(window, 0xFFFF, text, 2048)));
  ShotOf(window, "long-path-message");
  PostMessageW(window, WM_COMMAND, IDOK, 0);
}

// A message naming a long path stays within the work area and shows the path whole, both
// ends in view: the path breaks after its separators.
TEST(Win32MessageBoxes, ALongPathBreaksWithinTheWorkArea) {
  std::string path = "C:\\Users\\Someone\\Documents";
  for (int i = 10; i < 40; ++i) path += "\\Folder_" + std::to_string(i) + "_of_the_archive";
  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, ReadLongPathBox);
  Win32MessageBoxes(nullptr).Show("Cannot create\r\n" + path, "Long path", kMbOk | kMbIconError);
  KillTimer(nullptr, timer);
  EXPECT_LE(box.right - box.left, work.right - work.left);
  EXPECT_EQ(ReplaceAll(shown, "\n", ""), "Cannot create\r" + path) << shown;
}

}  // namespace
}  // namespace kestrix
