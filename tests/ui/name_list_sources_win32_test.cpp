// The Win32 name-list sources: a drop handle built in memory as the shell builds it, the
// clipboard, the "Load" button's menu and the open-file dialog driven from a second thread.
#include "ui/name_list_sources_win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "ui/shell_input_driver.h"

namespace kestrix {
namespace {

TEST(ReadDroppedFilesWin32, ReadsEveryNameInDropOrder) {
  std::string long_name = "C:\\" + std::string(300, 'n') + "\\report.doc";
  struct Case {
    Names names;
    bool wide;
  } cases[] = {
      {{"C:\\Work\\Photos"}, false},
      {{"C:\\Work\\report.doc", "C:\\Work\\notes.txt"}, false},
      {{"C:\\Work\\report.doc", "D:\\x"}, true},
      {{long_name}, false},  // longer than the 255 characters a fixed buffer takes
  };
  for (const Case& c : cases) EXPECT_EQ(ReadDroppedFiles(MakeDrop(c.names, c.wide)), c.names);
}

class ClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExA(0, "STATIC", "clipboard", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  }
  void TearDown() override { DestroyWindow(owner_); }
  void Put(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(owner_));
    EmptyClipboard();
    if (!text.empty() || put_empty_) {
      HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
      memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
      GlobalUnlock(memory);
      SetClipboardData(CF_TEXT, memory);
    }
    CloseClipboard();
  }
  HWND owner_ = nullptr;
  bool put_empty_ = false;
};

TEST_F(ClipboardTest, ReadsTheTextWithItsLineBreaks) {
  Put("x\r\ny");
  EXPECT_EQ(ReadClipboardText(owner_), "x\r\ny");
  Put(" Caf\xE9 ");
  EXPECT_EQ(ReadClipboardText(owner_), " Caf\xE9 ");
}

TEST_F(ClipboardTest, NothingWithoutText) {
  Put("");
  EXPECT_FALSE(ReadClipboardText(owner_).has_value());
  put_empty_ = true;
  Put("");
  EXPECT_EQ(ReadClipboardText(owner_), "");
}

struct MenuRow {
  bool separator;
  std::string caption;
  bool checked;
  SelectFileChoice choice;
  HBITMAP bitmap;
};

std::vector<MenuRow> ReadMenu(HMENU menu) {
  std::vector<MenuRow> rows;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[128] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE | MIIM_BITMAP;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    rows.push_back({(info.fType & MFT_SEPARATOR) != 0, text, (info.fState & MFS_CHECKED) != 0,
                    SelectFileChoiceFromId(info.wID), info.hbmpItem});
  }
  return rows;
}

TEST(SelectFileMenuWin32, EntriesSeparatorsChecksAndCommands) {
  SelectFileMenu model;
  model.Extend({"Projects", "Music"});
  HDC screen = GetDC(nullptr);
  HBITMAP image = CreateCompatibleBitmap(screen, 16, 16);
  ReleaseDC(nullptr, screen);
  HMENU menu = BuildSelectFileMenu(
      model.VisibleItems(true, "names.txt", true, "Clear list...", "Browse..."), image);
  std::vector<MenuRow> rows = ReadMenu(menu);
  DestroyMenu(menu);
  DeleteObject(image);
  ASSERT_EQ(rows.size(), 7u);
  const char* captions[] = {"names.txt",     "", "0 - Projects", "1 - Music",
                            "Clear list...", "", "Browse..."};
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].caption, captions[i]) << i;
  EXPECT_TRUE(rows[1].separator);
  EXPECT_TRUE(rows[5].separator);
  EXPECT_TRUE(rows[4].checked);
  EXPECT_FALSE(rows[2].checked);
  EXPECT_EQ(rows[0].choice.command, SelectFileCommand::kLoadFocusedTextFile);
  EXPECT_EQ(rows[3].choice.command, SelectFileCommand::kApplyStructure);
  EXPECT_EQ(rows[3].choice.structure_index, 1);
  EXPECT_EQ(rows[4].choice.command, SelectFileCommand::kToggleClearList);
  EXPECT_EQ(rows[6].choice.command, SelectFileCommand::kBrowse);
  EXPECT_EQ(SelectFileChoiceFromId(0).command, SelectFileCommand::kNone);
  // Only the structure entries carry the structure image.
  for (size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(rows[i].bitmap != nullptr, i == 2 || i == 3) << i;
}

TEST(SelectFileMenuWin32, KeyboardChoiceReturnsTheCommand) {
  HWND owner = CreateWindowExA(0, "STATIC", "load", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SelectFileMenu model;
  std::vector<SelectFileMenuItem> items =
      model.VisibleItems(true, "names.txt", false, "Clear list...", "Browse...");
  // The separator is skipped by the keyboard: two steps down reach "Browse...".
  PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(owner, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(ShowSelectFileMenu(owner, {20, 20}, items).command, SelectFileCommand::kBrowse);
  DestroyWindow(owner);
}

class ChooseTextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    dir_ = std::string(temp) + "kestrix-load-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir_.c_str(), nullptr);
    file_ = dir_ + "\\names.txt";
    HANDLE h = CreateFileA(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(h);
    owner_ = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  void TearDown() override {
    DestroyWindow(owner_);
    DeleteFileA(file_.c_str());
    RemoveDirectoryA(dir_.c_str());
  }
  std::string dir_, file_;
  HWND owner_ = nullptr;
};

TEST_F(ChooseTextFileTest, ReturnsTheChosenFileWithTheTextFilterFirst) {
  EnglishLanguageTable english;
  std::optional<std::string> chosen;
  std::string filter;
  {
    DialogDriver driver(GetCurrentThreadId(), file_, filter);
    chosen = ChooseTextFile(owner_, dir_, english);
  }
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, file_);
  EXPECT_EQ(filter, "Text files (*.txt)");
}

TEST_F(ChooseTextFileTest, CancelLoadsNothing) {
  EnglishLanguageTable english;
  std::string filter;
  std::optional<std::string> chosen;
  {
    DialogDriver driver(GetCurrentThreadId(), "", filter);
    chosen = ChooseTextFile(owner_, dir_, english);
  }
  EXPECT_FALSE(chosen.has_value());
  EXPECT_FALSE(filter.empty());
}

}  // namespace
}  // namespace kestrix
