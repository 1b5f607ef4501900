#include <windows.h>
#undef FindWindow
#undef GetWindowText

#include <gtest/gtest.h>

#include "names/replacements.h"
#include "names/user_apps.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/environment_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/shared_memory_win32.h"
#include "platform/win32/system_facts_win32.h"
#include "platform/win32/window_system_win32.h"
#include "stand_in_window.h"

namespace kestrix {
namespace {

// The whole expansion against the real platform: environment, system, players and a user
// application file on disk.
class ReplacementsWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    program_dir_ = std::string(temp) + "kx_vars_replacements\\";
    CreateDirectoryA(program_dir_.c_str(), nullptr);
    CreateDirectoryA((program_dir_ + "Plugins").c_str(), nullptr);
    platform_.program_dir = program_dir_;
  }
  void TearDown() override {
    DeleteFileA(UserAppFileName(program_dir_, "note").c_str());
    RemoveDirectoryA((program_dir_ + "Plugins").c_str());
    RemoveDirectoryA(program_dir_.c_str());
    SetEnvironmentVariableA("KX_WHO", nullptr);
  }

  Win32Clock clock_;
  Win32Locale locale_;
  Win32Environment environment_;
  Win32SystemFacts system_;
  Win32WindowSystem windows_;
  Win32SharedMemory memory_;
  Win32FileSystem files_;
  std::string program_dir_;
  VariablePlatform platform_{clock_,  locale_, environment_, system_, windows_,
                             memory_, files_,  "",           0};
};

TEST_F(ReplacementsWin32, EnvironmentValueHoldingATokenYieldsTheUserName) {
  SetEnvironmentVariableA("KX_WHO", "{un}");
  std::string user = *system_.UserName();
  EXPECT_EQ(Replacements("  %kx_who%\\{AT}-{ax}  ", platform_, {}), user + "\\64-x64");
  EXPECT_EQ(Replacements("%KX_UNDEFINED_ZZ%", platform_, {}), "%KX_UNDEFINED_ZZ%");
  EXPECT_FALSE(HoldsVariables("%KX_UNDEFINED_ZZ%", environment_, {}));
  EXPECT_TRUE(HoldsVariables("%KX_WHO%", environment_, {}));
}

TEST_F(ReplacementsWin32, PlayersAndUserApplications) {
  StandInWindow winamp("Winamp v1.x", "7. Band - Tune - Winamp");
  StandInWindow notes("KxNotesWindow", "  todo.txt  ");
  files_.WriteWholeFile(UserAppFileName(program_dir_, "note"),
                        "[Configuration]\r\nMethodNum=0\r\nWndClass=KxNotesWindow\r\n"
                        "[Additional]\r\nEnableTrim=True\r\nExtractFN=True\r\nRemoveExt=True\r\n");
  std::vector<std::string> ids = DiscoverUserApps(files_, program_dir_, DisablePlugins::kNone);
  ASSERT_EQ(ids, (std::vector<std::string>{"note"}));
  // The text is trimmed before the players are asked, so the blank before the tokens of
  // the players that are not running stays.
  EXPECT_EQ(Replacements("{wact} [{NOTE}] {kmct}{bsct}{aict}", platform_, ids),
            "Band - Tune [todo] ");
}

}  // namespace
}  // namespace kestrix
