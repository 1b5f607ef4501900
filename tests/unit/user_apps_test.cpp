#include "names/user_apps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "fakes/fake_clock.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_shared_memory.h"
#include "fakes/fake_window_system.h"
#include "names/variable_error.h"

namespace kestrix {
namespace {

const char kProgramDir[] = "C:\\Tools\\Kestrix\\";

TEST(UserApps, IdentifierIsTheNameWithoutEveryAppPrefixAndIniSuffix) {
  struct Case {
    const char* file;
    const char* id;
  };
  const Case cases[] = {
      {"app_test.ini", "test"},
      {"app_test.ini.bak", "test.bak"},
      {"app_App_x.ini", "x"},
      {"APP_Y.INI", "Y"},
      {"app_mini.ini", "mini"},
      {"app_a.inia.ini", "aa"},
      {"app_", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(UserAppIdFromFileName(c.file), c.id) << c.file;
}

TEST(UserApps, DiscoveryListsAppEntriesOfThePluginsFolder) {
  FakeFileSystem files;
  files.AddFile("C:\\Tools\\Kestrix\\Plugins\\app_test.ini.bak", "");
  files.AddFile("C:\\Tools\\Kestrix\\Plugins\\app_App_x.ini", "");
  files.AddFile("C:\\Tools\\Kestrix\\Plugins\\readme.txt", "");
  files.AddDirectory("C:\\Tools\\Kestrix\\Plugins\\app_folder");
  for (DisablePlugins disable : {DisablePlugins::kNone, DisablePlugins::kNewApplication}) {
    std::vector<std::string> ids = DiscoverUserApps(files, kProgramDir, disable);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<std::string>{"folder", "test.bak", "x"}));
  }
  EXPECT_TRUE(DiscoverUserApps(files, kProgramDir, DisablePlugins::kApplications).empty());
  EXPECT_TRUE(DiscoverUserApps(files, "C:\\Elsewhere", DisablePlugins::kNone).empty());
  // The program folder may be given without its final "\".
  EXPECT_EQ(DiscoverUserApps(files, "C:\\Tools\\Kestrix", DisablePlugins::kNone).size(), 3u);
}

TEST(UserApps, DiscoveryTrimsTheListAsOneText) {
  FakeFileSystem files;
  files.AddFile("C:\\P\\Plugins\\app_ lead.ini", "");
  files.AddFile("C:\\P\\Plugins\\app_.ini", "");
  std::vector<std::string> ids = DiscoverUserApps(files, "C:\\P", DisablePlugins::kNone);
  // The empty identifier at an end of the list disappears; the leading blank of the first
  // identifier too.
  EXPECT_EQ(ids, (std::vector<std::string>{"lead"}));
}

TEST(UserApps, MissingOrUnreadableFileGivesTheDefaults) {
  FakeFileSystem files;
  const std::string locked = UserAppFileName(kProgramDir, "locked");
  files.AddFile(locked, "[Configuration]\r\nMethodNum=2\r\nWndClass=X\r\n");
  files.FailPath(locked, kErrorAccessDenied, FakeFileSystem::kFaultRead);
  for (const char* id : {"none", "locked"}) {
    UserApplication app = ReadUserApp(files, kProgramDir, id);
    EXPECT_EQ(app.menu_name, "n.a.") << id;
    EXPECT_EQ(app.method, kMethodWindowText) << id;
    EXPECT_EQ(app.window_class, "") << id;
    EXPECT_EQ(app.dw_data, "$0") << id;
  }
}

TEST(UserApps, ReadsEveryKeyAndOnlyExactTrueIsTrue) {
  FakeFileSystem files;
  files.AddFile(UserAppFileName(kProgramDir, "bsfn"),
                "[PlugInfo]\r\nAuthor=me\r\n[Menu]\r\nMenuName=BS file\r\n"
                "[Configuration]\r\nMethodNum=2\r\nWndClass=BSPlayer\r\nWndTitle=- VLC\r\n"
                "dwData=$1010B\r\ncbData=4\r\n"
                "[Additional]\r\nLeftCut=. \r\nRightCut= - Winamp\r\nEnableTrim=true\r\n"
                "ExtractFN=True\r\nRemoveExt=True\r\n");
  UserApplication app = ReadUserApp(files, kProgramDir, "bsfn");
  EXPECT_EQ(app.menu_name, "BS file");
  EXPECT_EQ(app.method, kMethodCopyData);
  EXPECT_EQ(app.window_class, "BSPlayer");
  EXPECT_EQ(app.window_title, "- VLC");
  EXPECT_EQ(app.dw_data, "$1010B");
  EXPECT_EQ(app.cb_data, 4);
  EXPECT_EQ(app.left_cut, ". ");
  EXPECT_EQ(app.right_cut, " - Winamp");
  EXPECT_FALSE(app.enable_trim);
  EXPECT_TRUE(app.extract_file_name);
  EXPECT_TRUE(app.remove_extension);
}

TEST(UserApps, CleaningWithCutMarkers) {
  struct Case {
    const char* raw;
    const char* left;
    const char* right;
    bool trim;
    bool extract;
    bool remove_ext;
    const char* value;
  };
  const Case cases[] = {
      {"12. Song - Winamp", ". ", " - Winamp", false, false, false, "Song"},
      {"12. Song - Winamp", "", "", false, false, false, "12. Song - Winamp"},
      // Left marker absent: its length less one characters go.
      {"Song - Winamp", ". ", " - Winamp", false, false, false, "ong"},
      {"Song - Winamp", "[[[", "", false, false, false, "ng - Winamp"},
      // Right marker: up to the last character found in it, less its length.
      {"Title [x]", "", "]", false, false, false, "Title [x"},
      {"ab", "", "xyz", false, false, false, ""},
      // A "-" left by a missing window is cut by a marker holding "-".
      {"-", "", " - Winamp", false, false, false, ""},
      {"  padded  ", "", "", false, false, false, "  padded  "},
      {"  padded  ", "", "", true, false, false, "padded"},
      {"C:\\Music\\song.mp3", "", "", false, true, false, "song.mp3"},
      {"C:\\Music\\song.mp3", "", "", false, true, true, "song"},
      // A blank file name does not replace the value.
      {"C:\\Music\\", "", "", false, true, false, "C:\\Music\\"},
      {"   ", "", "", false, false, false, ""},
  };
  for (const Case& c : cases) {
    UserApplication app;
    app.left_cut = c.left;
    app.right_cut = c.right;
    app.enable_trim = c.trim;
    app.extract_file_name = c.extract;
    app.remove_extension = c.remove_ext;
    EXPECT_EQ(CleanUserAppValue(c.raw, app, false), c.value) << c.raw << "|" << c.left;
  }
}

TEST(UserApps, BlankResultIsDashOnlyForThePreview) {
  UserApplication app;
  EXPECT_EQ(CleanUserAppValue("  ", app, true), "-");
  EXPECT_EQ(CleanUserAppValue("  ", app, false), "");
  EXPECT_EQ(CleanUserAppValue("-", app, false), "-");
}

TEST(UserApps, CleaningArbitraryValuesAndMarkersStaysInBounds) {
  std::mt19937 random(7);
  const char alphabet[] = " .-ab:\\Wi";
  auto text = [&](size_t max) {
    std::string t(static_cast<size_t>(random() % (max + 1)), ' ');
    for (char& c : t) c = alphabet[random() % (sizeof alphabet - 1)];
    return t;
  };
  for (int round = 0; round < 3000; ++round) {
    UserApplication app;
    app.left_cut = text(4);
    app.right_cut = text(4);
    app.enable_trim = random() % 2;
    app.extract_file_name = random() % 2;
    app.remove_extension = random() % 2;
    std::string raw = text(20);
    std::string value = CleanUserAppValue(raw, app, true);
    EXPECT_LE(value.size(), std::max<size_t>(raw.size(), 1)) << raw;
    EXPECT_FALSE(value.empty());
  }
}

class UserAppMethods : public ::testing::Test {
 protected:
  FakeWindowSystem windows;
  FakeSharedMemory memory;
  FakeLocale locale;
  UserAppReaders readers{windows, memory, locale, 0x77, ""};
};

TEST_F(UserAppMethods, WindowTextOfTheClass) {
  UserApplication app;
  app.window_class = "MyPlayer";
  EXPECT_EQ(ReadUserAppRaw("my", app, readers), "-");
  windows.Add(0, "MyPlayer", "1. Tune - MyPlayer");
  EXPECT_EQ(ReadUserAppRaw("my", app, readers), "1. Tune - MyPlayer");
  app.left_cut = ". ";
  app.right_cut = " - MyPlayer";
  EXPECT_EQ(EvaluateUserApp("my", app, readers, false), "Tune");
}

TEST_F(UserAppMethods, CopyDataSendsTheNumberAndLength) {
  UserApplication app;
  app.method = kMethodCopyData;
  app.window_class = "Target";
  app.dw_data = "$1010B";
  app.cb_data = 4;
  EXPECT_EQ(ReadUserAppRaw("cd", app, readers), "-");
  WindowHandle target = windows.Add(0, "Target", "");
  uintptr_t seen_id = 0;
  uint32_t seen_length = 0;
  WindowHandle seen_sender = 0;
  windows.Get(target).copy_data = [&](WindowHandle sender, uintptr_t id, const void* data,
                                      uint32_t length) {
    seen_sender = sender;
    seen_id = id;
    seen_length = length;
    char* buffer = nullptr;
    std::memcpy(&buffer, data, sizeof buffer);
    std::strcpy(buffer, "D:\\clip.avi");
    return intptr_t{1};
  };
  EXPECT_EQ(ReadUserAppRaw("cd", app, readers), "D:\\clip.avi");
  EXPECT_EQ(seen_id, 0x1010Bu);
  EXPECT_EQ(seen_length, 4u);
  EXPECT_EQ(seen_sender, WindowHandle{0x77});
  app.dw_data = "123";
  ReadUserAppRaw("cd", app, readers);
  EXPECT_EQ(seen_id, 123u);
  // Only the low 32 bits are sent.
  app.dw_data = "-1";
  ReadUserAppRaw("cd", app, readers);
  EXPECT_EQ(seen_id, 0xFFFFFFFFu);
}

TEST_F(UserAppMethods, InvalidDwDataGivesAClearMessage) {
  windows.Add(0, "Target", "");
  UserApplication app;
  app.method = kMethodCopyData;
  app.window_class = "Target";
  for (const char* bad : {"xyz", "$", "12abc", "$G1", ""}) {
    app.dw_data = bad;
    try {
      ReadUserAppRaw("cd", app, readers);
      ADD_FAILURE() << "accepted dwData " << bad;
    } catch (const VariableError& error) {
      std::string message = error.what();
      EXPECT_NE(message.find("{cd}"), std::string::npos) << message;
      EXPECT_NE(message.find("dwData \"" + std::string(bad) + "\""), std::string::npos) << message;
    }
  }
  EXPECT_EQ(windows.copy_data_requests, 0);
}

TEST_F(UserAppMethods, CopyDataLengthOutsideTheDialogRangeIsRefused) {
  windows.Add(0, "Target", "");
  UserApplication app;
  app.method = kMethodCopyData;
  app.window_class = "Target";
  for (int bad : {-1, kMaxCopyDataLength + 1}) {
    app.cb_data = bad;
    EXPECT_THROW(ReadUserAppRaw("cd", app, readers), VariableError) << bad;
  }
  app.cb_data = kMaxCopyDataLength;
  EXPECT_EQ(ReadUserAppRaw("cd", app, readers), "");
  EXPECT_EQ(windows.copy_data_requests, 1);
}

TEST_F(UserAppMethods, WindowCaptionContainingTheFragment) {
  UserApplication app;
  app.method = kMethodWindowCaption;
  app.window_title = "- Editor";
  windows.Add(0, "X", "notes.txt - Editor");
  EXPECT_EQ(ReadUserAppRaw("ed", app, readers), "-");  // host not running
  windows.Add(0, "TTOTAL_CMD", "Total Commander");
  EXPECT_EQ(ReadUserAppRaw("ed", app, readers), "notes.txt - Editor");
  app.window_title = "- editor";  // case-sensitive
  EXPECT_EQ(ReadUserAppRaw("ed", app, readers), "-");
}

TEST_F(UserAppMethods, SharedMemoryWithoutANameAndUnknownMethodsGiveDash) {
  UserApplication app;
  app.method = kMethodSharedMemory;
  memory.mappings[""] = std::vector<uint8_t>(10, 0);
  EXPECT_EQ(ReadUserAppRaw("sm", app, readers), "-");
  app.method = 7;
  EXPECT_EQ(ReadUserAppRaw("sm", app, readers), "-");
  EXPECT_EQ(EvaluateUserApp("sm", app, readers, false), "-");
  app.right_cut = "-";
  EXPECT_EQ(EvaluateUserApp("sm", app, readers, false), "");
  EXPECT_EQ(EvaluateUserApp("sm", app, readers, true), "-");
}

}  // namespace
}  // namespace kestrix
