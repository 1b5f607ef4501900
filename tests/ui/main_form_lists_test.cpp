// The main window's outside inputs, created in the test process against fake files: the
// attributes menu and letter field with the title tag, dropped files, pasted text, loaded
// text files, the history drop-down with its undo and user applications in the variables
// popup.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

#include "fakes/fake_clock.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_shared_memory.h"
#include "fakes/fake_system_facts.h"
#include "fakes/fake_window_system.h"
#include "ui/main_form.h"
#include "ui/shell_input_driver.h"

namespace kestrix {
namespace {

constexpr char kExe[] = "C:\\Kestrix\\tc Kestrix.exe";
constexpr char kTitle[] = "Total Commander Kestrix";

class MainFormListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    files_.AddDrive("C:");
    files_.AddDirectory("C:\\Kestrix");
    files_.AddDirectory("C:\\Work");
    host_ = windows_.Add(0, "TTOTAL_CMD", "Total Commander");
    windows_.SetRect(host_, {0, 0, 1000, 800});
    app_.Snapshot.HostWindow = host_;
    form_.emplace(app_, MainFormServices{windows_, files_, environment_, kExe, nullptr, &variables_,
                                         nullptr, &code_page_, &boxes_, &keys_});
    ASSERT_TRUE(form_->Create(GetModuleHandleA(nullptr)));
    app_.Snapshot.CurrentPath = "C:\\Work\\";
    SetWindowTextA(C(kId_lbl_currentPath), "C:\\Work\\");
    ShowWindow(form_->hwnd(), SW_SHOW);
    SetForegroundWindow(form_->hwnd());
    Activate();
  }
  void TearDown() override {
    HoldKeys(false, false);
    form_.reset();
  }

  void Activate() {
    SendMessageA(form_->hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    Pump();
  }
  static void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  HWND C(int id) const { return form_->Control(id); }
  static std::string TextOf(HWND control) {
    char buffer[4096] = {};
    GetWindowTextA(control, buffer, sizeof buffer);
    return buffer;
  }
  std::string T(int id) const { return TextOf(C(id)); }
  std::string Title() const { return TextOf(form_->hwnd()); }
  bool Visible(int id) const { return (GetWindowLongPtrA(C(id), GWL_STYLE) & WS_VISIBLE) != 0; }
  int Width(int id) const {
    RECT rect;
    GetWindowRect(C(id), &rect);
    return rect.right - rect.left;
  }
  std::pair<DWORD, DWORD> NameSelection() const {
    DWORD start = 0, end = 0;
    SendMessageA(form_->MkDirEdit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  void TypeName(const std::string& text) {
    SetWindowTextA(form_->MkDirEdit(), text.c_str());
    Pump();
  }
  static void HoldKeys(bool ctrl, bool shift) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_MENU] = 0;
    SetKeyboardState(state);
  }
  void Key(HWND control, WPARAM key, bool ctrl = false, bool shift = false) {
    HoldKeys(ctrl, shift);
    SendMessageA(control, WM_KEYDOWN, key, 1);
    HoldKeys(false, false);
    // Posted messages come before the key's release, as in a real message queue.
    Pump();
    SendMessageA(control, WM_KEYUP, key, 0xC0000001);
    Pump();
  }
  void Char(HWND control, char ch) {
    SendMessageA(control, WM_CHAR, static_cast<unsigned char>(ch), 1);
    Pump();
  }
  // A click on the attributes image with the menu answered by keys waiting in the queue:
  // `downs` steps, then Enter. (Ctrl held for Ctrl+Q would turn Enter into a line feed.)
  void ChooseFromAttributeMenu(int downs) {
    for (int i = 0; i < downs; ++i) PostMessageA(form_->hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(form_->hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(kId_img_ChangeDirAttrib, STN_CLICKED),
                 reinterpret_cast<LPARAM>(C(kId_img_ChangeDirAttrib)));
    Pump();
  }
  void Drop(const Names& paths) {
    SendMessageA(form_->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths, false)), 0);
    Pump();
  }
  void SetClipboard(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(form_->hwnd()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
  }
  std::vector<std::string> ListLines() const {
    std::vector<std::string> lines;
    const std::string text = T(kId_MkDirExt);
    size_t start = 0;
    for (;;) {
      size_t end = text.find("\r\n", start);
      lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
      if (end == std::string::npos) break;
      start = end + 2;
    }
    return lines;
  }
  void Screenshot(const char* name) {
    const char* dir = std::getenv("KESTRIX_SHOT_DIR");
    if (dir == nullptr) return;
    RedrawWindow(form_->hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    Pump();
    Sleep(300);
    Pump();
    RECT rect;
    GetWindowRect(form_->hwnd(), &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = ((width * 3 + 3) / 4) * 4;
    std::vector<char> pixels(static_cast<size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file = {0x4D42, 0, 0, 0, sizeof file + sizeof info};
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(std::string(dir) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  }

  FakeWindowSystem windows_;
  FakeFileSystem files_;
  FakeEnvironment environment_{{"ALLUSERSPROFILE", "C:\\ProgramData"}};
  FakeClock clock_;
  FakeLocale locale_;
  FakeSystemFacts system_;
  FakeSharedMemory shared_memory_;
  FakeCodePage code_page_;
  FakeMessageBoxes boxes_;
  FakeModifierKeys keys_;
  VariablePlatform variables_{clock_,   locale_,        environment_, system_,
                              windows_, shared_memory_, files_,       "C:\\Kestrix"};
  StartupValues app_;
  WindowHandle host_ = 0;
  std::optional<Ttc_KestrixForm> form_;
};

TEST_F(MainFormListsTest, AttributeMenuTagsTheTitleAndTheRunAppliesTheSet) {
  EXPECT_EQ(Title(), std::string(kTitle) + " ");
  ChooseFromAttributeMenu(3);  // the third entry: hidden
  ChooseFromAttributeMenu(4);  // the fourth: system
  EXPECT_EQ(Title(), std::string(kTitle) + " [--hs]");
  ChooseFromAttributeMenu(3);  // hidden again: off
  EXPECT_EQ(Title(), std::string(kTitle) + " [---s]");
  ChooseFromAttributeMenu(3);
  Key(form_->MkDirEdit(), VK_F3);
  EXPECT_EQ(Title(), std::string(kTitle) + " 1.6.0.5 [--hs]");
  Screenshot("attributes-extended");
  Key(C(kId_MkDirExt), VK_F6);
  TypeName("Hidden one");
  SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(kId_btn_ok, BN_CLICKED),
               reinterpret_cast<LPARAM>(C(kId_btn_ok)));
  Pump();
  const uint32_t attributes = files_.GetAttributes("C:\\Work\\Hidden one");
  ASSERT_NE(attributes, kAttrInvalid);
  EXPECT_EQ(attributes & (kAttrHidden | kAttrSystem | kAttrReadOnly),
            static_cast<uint32_t>(kAttrHidden | kAttrSystem));
}

TEST_F(MainFormListsTest, LetterFieldKeepsEachLetterOnceInOrderAndClosesWithEscape) {
  HWND field = C(kId_edit_Attrib);
  SendMessageA(C(kId_img_ChangeDirAttrib), WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
  Pump();
  ASSERT_TRUE(Visible(kId_edit_Attrib));
  EXPECT_TRUE(IsWindowEnabled(field));
  EXPECT_EQ(GetFocus(), field);
  EXPECT_EQ(TextOf(field), "");
  for (char typed : {'s', 's', 'S', 'x', 'h'}) Char(field, typed);
  EXPECT_EQ(TextOf(field), "hs");
  EXPECT_EQ(Title(), std::string(kTitle) + " [--hs]");
  Screenshot("attribute-field");
  Char(field, '\b');
  Char(field, '\b');
  EXPECT_EQ(TextOf(field), "");
  EXPECT_EQ(Title(), std::string(kTitle) + " ");
  Char(field, 'r');
  Char(field, '\x1b');
  EXPECT_FALSE(Visible(kId_edit_Attrib));
  EXPECT_FALSE(IsWindowEnabled(field));
  EXPECT_EQ(GetFocus(), form_->MkDirEdit());
  // The set stays as typed; opening again shows it selected.
  EXPECT_EQ(Title(), std::string(kTitle) + " [r---]");
  EXPECT_TRUE(IsWindow(form_->hwnd()));
  Key(form_->MkDirEdit(), 'Q', true, true);
  EXPECT_EQ(TextOf(field), "r");
}

TEST_F(MainFormListsTest, TwoDroppedNamesGoIntoTheListOnceEach) {
  files_.AddFile("C:\\Docs\\report.doc", "");
  files_.AddFile("C:\\Docs\\notes.txt", "x\r\ny\r\n");
  TypeName("Start");
  // A drop ends Batch mode first and gives the list typed before it back.
  Key(form_->MkDirEdit(), VK_F8);
  ASSERT_EQ(form_->Mode(), MainMode::kBatch);
  Drop({"C:\\Docs\\report.doc", "C:\\Docs\\notes.txt"});
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  EXPECT_FALSE(Visible(kId_grp_batchDir));
  EXPECT_EQ(app_.Snapshot.CurrentPath, "C:\\Docs\\");
  EXPECT_EQ(T(kId_lbl_currentPath), "C:\\Docs\\");
  std::vector<std::string> expected{"Start", "report", "notes"};
  EXPECT_EQ(ListLines(), expected);
  Drop({"C:\\Docs\\notes.txt", "C:\\Docs\\report.doc"});
  expected = {"Start", "notes", "report"};
  EXPECT_EQ(ListLines(), expected);
  Screenshot("extended-after-drop");
}

TEST_F(MainFormListsTest, ASingleDropLoadsOnlyALowerCaseTxtFile) {
  files_.AddFile("C:\\Lists\\list.txt", "  one\r\n\r\ntwo  \r\n");
  files_.AddFile("C:\\Other\\LIST.TXT", "three\r\nfour\r\n");
  files_.AddDirectory("C:\\Work\\Photos");
  TypeName("typed");

  Drop({"C:\\Other\\LIST.TXT"});
  EXPECT_EQ(form_->Mode(), MainMode::kNormal);
  EXPECT_EQ(T(kId_MkDir), "LIST");
  EXPECT_EQ(NameSelection(), std::make_pair(DWORD{0}, DWORD{4}));
  EXPECT_EQ(app_.Snapshot.CurrentPath, "C:\\Other\\");

  Drop({"C:\\Work\\Photos"});
  EXPECT_EQ(T(kId_MkDir), "Photos");
  EXPECT_EQ(app_.Snapshot.CurrentPath, "C:\\Work\\");

  Drop({"C:\\Lists\\list.txt"});
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  const std::vector<std::string> expected{"one", "two", ""};
  EXPECT_EQ(ListLines(), expected);
}

TEST_F(MainFormListsTest, PastedLinesSwitchToTheListAndOneLineIsTrimmedIntoTheName) {
  TypeName("ab");
  SendMessageA(form_->MkDirEdit(), EM_SETSEL, 1, 1);
  SetClipboard("  x y  ");
  Key(form_->MkDirEdit(), 'V', true);
  // The key's character follows; it must not paste the text a second time.
  Char(form_->MkDirEdit(), '\x16');
  EXPECT_EQ(form_->Mode(), MainMode::kNormal);
  EXPECT_EQ(T(kId_MkDir), "ax yb");
  EXPECT_EQ(NameSelection(), std::make_pair(DWORD{4}, DWORD{4}));

  SetClipboard("x\r\ny");
  Key(form_->MkDirEdit(), 'V', true);
  Char(GetFocus(), '\x16');
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  const std::vector<std::string> expected{"x", "y", ""};
  EXPECT_EQ(ListLines(), expected);
  EXPECT_EQ(GetFocus(), C(kId_MkDirExt));
}

TEST_F(MainFormListsTest, LoadButtonLoadsTheChosenFileAndABadFileLosesNothing) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string dir =
      std::string(temp) + "kestrix-lists-" + std::to_string(GetCurrentProcessId());
  const std::string file = dir + "\\names.txt";
  CreateDirectoryA(dir.c_str(), nullptr);
  CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  // The dialog checks the real file; the window reads the fake one: UTF-8 with its mark.
  files_.AddFile(file,
                 "\xEF\xBB\xBF"
                 "Caf\xC3\xA9\r\n\r\n  \r\nb\r\n");

  ShowWindow(C(kId_btn_loadFromFile), SW_SHOW);
  std::string filter;
  {
    DialogDriver driver(GetCurrentThreadId(), file, filter);
    SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(kId_btn_loadFromFile, BN_CLICKED),
                 reinterpret_cast<LPARAM>(C(kId_btn_loadFromFile)));
  }
  Pump();
  DeleteFileA(file.c_str());
  RemoveDirectoryA(dir.c_str());
  EXPECT_EQ(filter, "Text files (*.txt)");
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  const std::vector<std::string> expected{"Caf\xE9", "b", ""};
  EXPECT_EQ(ListLines(), expected);

  form_->ShowOpenDialogAndLoadFile("C:\\Work\\missing.txt", false);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_NE(boxes_.shown[0].text.find("C:\\Work\\missing.txt"), std::string::npos);
  EXPECT_NE(boxes_.shown[0].text.find("Error code: 2"), std::string::npos);
  EXPECT_EQ(ListLines(), expected);
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
}

TEST_F(MainFormListsTest, LoadMenuOffersTheHostsFocusedTextFile) {
  files_.AddFile("C:\\Work\\names.txt", "alpha\r\nbeta\r\n");
  app_.Snapshot.FocusedTextFile = true;
  app_.Snapshot.FocusedTextPath = "C:\\Work\\names.txt";
  TypeName("typed");
  // The first entry is the focused file; the keys wait in the queue for the menu.
  PostMessageA(form_->hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(form_->hwnd(), WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(kId_btn_loadFromFile, BN_CLICKED),
               reinterpret_cast<LPARAM>(C(kId_btn_loadFromFile)));
  Pump();
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  const std::vector<std::string> expected{"alpha", "beta", ""};
  EXPECT_EQ(ListLines(), expected);
}

TEST_F(MainFormListsTest, HistoryPickShowsUndoWhichRestoresTheTypedText) {
  files_.AddFile("C:\\Kestrix\\tc Kestrix.lst", "[MkDirHistory]\r\n0=Photos 2024\r\n1=Docs\r\n");
  const int full_width = Width(kId_MkDir);
  TypeName("my name");
  Key(form_->MkDirEdit(), VK_END);
  // Down in a field with an empty list fills it from the history first.
  Key(form_->MkDirEdit(), VK_DOWN);
  HWND combo = C(kId_MkDir);
  ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
  SendMessageA(combo, CB_SETCURSEL, 1, 0);
  SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(kId_MkDir, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  Pump();
  EXPECT_EQ(T(kId_MkDir), "Docs");
  EXPECT_EQ(T(kId_lbl_newdirname), "Docs");
  ASSERT_TRUE(Visible(kId_btn_undo));
  EXPECT_EQ(Width(kId_MkDir), full_width - Width(kId_btn_undo) - 1);
  Screenshot("history-pick");

  Key(form_->MkDirEdit(), 'Z', true);
  EXPECT_EQ(T(kId_MkDir), "my name");
  EXPECT_EQ(NameSelection(), std::make_pair(DWORD{7}, DWORD{7}));
  EXPECT_FALSE(Visible(kId_btn_undo));
  EXPECT_EQ(Width(kId_MkDir), full_width);
  EXPECT_EQ(T(kId_lbl_newdirname), "my name");
}

TEST_F(MainFormListsTest, UserApplicationsJoinTheVariablesPopupBeforeNewApplication) {
  files_.AddFile("C:\\Kestrix\\Plugins\\app_xxct.ini", "[Menu]\r\nMenuName= Mine & yours \r\n");
  files_.AddFile("C:\\Kestrix\\Plugins\\app_zz.ini", "");
  Activate();
  form_->PrepareVariablesMenu();
  HMENU apps = GetSubMenu(form_->VariablesMenu(), 2);
  const int count = GetMenuItemCount(apps);
  ASSERT_GE(count, 3);
  char caption[256] = {};
  GetMenuStringA(apps, count - 3, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "{xxct}     - Mine && yours");
  GetMenuStringA(apps, count - 2, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "{zz}       - n.a.");
  EXPECT_EQ(GetMenuItemID(apps, count - 1), static_cast<UINT>(kMenu_NewApp1));
  // Building again after another activation adds nothing.
  Activate();
  form_->PrepareVariablesMenu();
  EXPECT_EQ(GetMenuItemCount(apps), count);

  TypeName("");
  SetFocus(form_->MkDirEdit());
  SendMessageA(form_->hwnd(), WM_COMMAND, GetMenuItemID(apps, count - 3), 0);
  Pump();
  EXPECT_EQ(T(kId_MkDir), "{xxct}");
}

}  // namespace
}  // namespace kestrix
