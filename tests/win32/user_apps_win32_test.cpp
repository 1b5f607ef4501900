#include <windows.h>
#undef FindWindow
#undef GetWindowText

#include <gtest/gtest.h>

#include <cstring>

#include "fakes/fake_file_system.h"
#include "names/user_apps.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/shared_memory_win32.h"
#include "platform/win32/window_system_win32.h"
#include "stand_in_window.h"

namespace kestrix {
namespace {

class UserAppsWin32 : public ::testing::Test {
 protected:
  std::string Evaluate(const std::string& id) {
    return EvaluateUserApp(id, ReadUserApp(files, "C:\\Kestrix", id), readers, false);
  }
  void Define(const std::string& id, const std::string& content) {
    files.AddFile(UserAppFileName("C:\\Kestrix", id), content);
  }

  Win32WindowSystem windows;
  Win32SharedMemory memory;
  Win32Locale locale;
  FakeFileSystem files;
  StandInWindow app_window{"KxUserAppSender", ""};
  UserAppReaders readers{windows, memory, locale, app_window.handle(), ""};
};

TEST_F(UserAppsWin32, MethodZeroReadsTheWindowText) {
  Define("wt",
         "[Configuration]\r\nMethodNum=0\r\nWndClass=Winamp v1.x\r\n"
         "[Additional]\r\nLeftCut=. \r\nRightCut= - Winamp\r\nEnableTrim=True\r\n");
  EXPECT_EQ(Evaluate("wt"), "");
  StandInWindow winamp("Winamp v1.x", "12. Song - Winamp");
  EXPECT_EQ(Evaluate("wt"), "Song");
}

TEST_F(UserAppsWin32, MethodTwoSendsCopyData) {
  Define("cd",
         "[Configuration]\r\nMethodNum=2\r\nWndClass=KxCopyDataApp\r\ndwData=$1010B\r\n"
         "cbData=4\r\n[Additional]\r\nEnableTrim=True\r\nExtractFN=True\r\nRemoveExt=True\r\n");
  EXPECT_EQ(Evaluate("cd"), "-");
  BufferReply::reply = std::string("  E:\\Shows\\episode.01.mkv  ") + '\0';
  StandInWindow target("KxCopyDataApp", "", BufferReply::Proc);
  EXPECT_EQ(Evaluate("cd"), "episode.01");
  EXPECT_EQ(BufferReply::request, ULONG_PTR{0x1010B});
  EXPECT_EQ(BufferReply::length, DWORD{4});
}

TEST_F(UserAppsWin32, MethodThreeFindsTheCaption) {
  Define("wc",
         "[Configuration]\r\nMethodNum=3\r\nWndTitle=- KxViewer\r\n"
         "[Additional]\r\nRightCut= - KxViewer\r\n");
  StandInWindow viewer("KxViewerClass", "photo.jpg - KxViewer");
  EXPECT_EQ(Evaluate("wc"), "");  // "-" cut by the marker: no host window, no walk
  StandInWindow host("TTOTAL_CMD", "Total Commander");
  EXPECT_EQ(Evaluate("wc"), "photo.jpg");
}

}  // namespace
}  // namespace kestrix
