// The host link's and the creation run's platform pieces against the real calls.
#include <gtest/gtest.h>

#include <thread>

#include "create/dir_attributes.h"
#include "create/virtual_panel.h"
#include "platform/win32/dialog_seams_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/windows_api.h"

namespace kestrix {
namespace {

bool RunningOnWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

class AttributesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    root_.assign(temp).append("kx_attr_").append(std::to_string(GetCurrentProcessId()));
    ASSERT_EQ(fs_.CreateDirectory(root_), 0u);
  }
  void TearDown() override {
    for (const std::string& dir : made_) {
      SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_DIRECTORY);
      RemoveDirectoryA(dir.c_str());
    }
    RemoveDirectoryA(root_.c_str());
  }
  std::string MakeDir(const std::string& name) {
    std::string dir = root_;
    dir.append("\\").append(name);
    EXPECT_EQ(fs_.CreateDirectory(dir), 0u);
    made_.push_back(dir);
    return dir;
  }

  Win32FileSystem fs_;
  std::string root_;
  std::vector<std::string> made_;
};

TEST_F(AttributesTest, HiddenAndSystemPersistOnDirectories) {
  struct Case {
    DirAttributeSet set;
    DWORD kept;
  } cases[] = {
      {{}, 0},
      {{false, false, true, true}, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM},
  };
  int n = 0;
  for (const Case& c : cases) {
    std::string dir = MakeDir(std::string("d").append(std::to_string(n++)));
    EXPECT_EQ(SetDirAttributes(fs_, dir, c.set), 0u);
    DWORD attributes = GetFileAttributesA(dir.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), c.kept) << dir;
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  }
}

TEST_F(AttributesTest, ReadOnlyAndArchiveAreAcceptedButWineDropsThem) {
  std::string dir = MakeDir("ra");
  EXPECT_EQ(SetDirAttributes(fs_, dir, {true, true, false, false}), 0u);
  DWORD attributes = GetFileAttributesA(dir.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  const DWORD both = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE;
  EXPECT_EQ(attributes & both, RunningOnWine() ? 0u : both);
}

TEST_F(AttributesTest, MissingDirectoryReportsTheSystemError) {
  EXPECT_EQ(SetDirAttributes(fs_, std::string(root_).append("\\gone"), {false, false, true, false}),
            static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
}

TEST(Win32CodePage, WideTextToTheAnsiCodePage) {
  Win32CodePage code_page;
  EXPECT_EQ(code_page.FromWide(u"D:\\Projects\\x"), "D:\\Projects\\x");
  EXPECT_EQ(code_page.FromWide(u""), "");
  // A character outside every single-byte code page becomes the default character.
  EXPECT_EQ(code_page.FromWide(u"a\u4E2Db"), "a?b");
}

TEST(Win32CodePage, VirtualPanelListDecodedThroughTheSystem) {
  Win32CodePage code_page;
  std::string big_endian("\xFE\xFF\0\\\0P\0\r\0\n\0C\0:\0\\\0R", 18);
  EXPECT_EQ(ResolveVirtualPanelPath("\\\\\\Virtual Panel\\P\\", big_endian, code_page), "C:\\R");
}

TEST(Win32ModifierKeys, HighBitOfTheThreadsKeyboardState) {
  BYTE saved[256] = {};
  ASSERT_TRUE(GetKeyboardState(saved));
  BYTE state[256] = {};
  state[VK_SHIFT] = 0x80;
  state[VK_MENU] = 0x01;  // toggled only: not held
  ASSERT_TRUE(SetKeyboardState(state));
  Win32ModifierKeys keys;
  EXPECT_TRUE(keys.IsDown(kVkShift));
  EXPECT_FALSE(keys.IsDown(kVkControl));
  EXPECT_FALSE(keys.IsDown(kVkAlt));
  SetKeyboardState(saved);
}

TEST(Win32MessageBoxes, YesNoQuestionReturnsTheButtonPressed) {
  const char caption[] = "Kestrix message box test";
  for (int button : {IDYES, IDNO}) {
    std::thread answer([&] {
      for (int i = 0; i < 500; ++i) {
        HWND box = FindWindowA("#32770", caption);
        if (box != nullptr) {
          PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
          return;
        }
        Sleep(10);
      }
    });
    Win32MessageBoxes boxes(nullptr);
    int result = boxes.Show("Create the missing folders?", caption, kMbYesNo | kMbIconQuestion);
    answer.join();
    EXPECT_EQ(result, button);
  }
}

}  // namespace
}  // namespace kestrix
