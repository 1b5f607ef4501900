// The main window's outside inputs, created in the test process against fake files: the
// attributes menu and letter field with the title tag, dropped files, pasted text, loaded
// text files and the history drop-down with its undo.
#include <gtest/gtest.h>

#include "ui/main_form_fixture.h"
// After the Windows headers it needs.
#include <shellapi.h>
#include <shlobj.h>

namespace kestrix {
namespace {

constexpr char kTitle[] = "Total Commander Kestrix";

using Names = std::vector<std::string>;

// A drop handle as the shell hands it over: DROPFILES, then zero-terminated UTF-16 names and
// a final zero.
HDROP MakeDrop(const Names& names) {
  std::string payload;
  for (const std::string& name : names) payload += Utf16LeFromUtf8(name) + std::string(2, '\0');
  payload.append(2, '\0');
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + payload.size());
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), payload.data(), payload.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

class MainFormListsTest : public MainFormFixture {
 protected:
  std::string Title() const { return TextOf(form_->hwnd()); }
  int Width(ControlId id) const {
    RECT rect;
    GetWindowRect(C(id), &rect);
    return rect.right - rect.left;
  }
  // A click on the attributes image with the menu answered by keys waiting in the queue:
  // `downs` steps, then Enter.
  void ChooseFromAttributeMenu(int downs) {
    for (int i = 0; i < downs; ++i) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    Click(MainControl::kAttributeImage, STN_CLICKED);
  }
  void Drop(const Names& paths) {
    // The shell sends its drops only to a window that says it takes them.
    EXPECT_TRUE(GetWindowLongPtrA(form_->hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    SendMessageA(form_->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
    Pump();
  }
};

TEST_F(MainFormListsTest, AttributeMenuTagsTheTitleAndTheRunAppliesTheSet) {
  EXPECT_EQ(Title(), std::string(kTitle) + " ");
  ChooseFromAttributeMenu(3);  // the third entry: hidden
  ChooseFromAttributeMenu(4);  // the fourth: system
  EXPECT_EQ(Title(), std::string(kTitle) + " [--hs]");
  Key(form_->MkDirEdit(), VK_F3);
  EXPECT_EQ(Title(), std::string(kTitle) + " 1.6.0.5 [--hs]");
  Key(C(MainControl::kListField), VK_F6);
  TypeName("Hidden one");
  Click(MainControl::kOkButton);
  const uint32_t attributes = files_.GetAttributes("C:\\Work\\Hidden one");
  ASSERT_NE(attributes, kAttrInvalid);
  EXPECT_EQ(attributes & (kAttrHidden | kAttrSystem | kAttrReadOnly),
            static_cast<uint32_t>(kAttrHidden | kAttrSystem));
}

TEST_F(MainFormListsTest, LetterFieldKeepsEachLetterOnceInOrderAndClosesWithEscape) {
  HWND field = C(MainControl::kAttributeField);
  SendMessageA(C(MainControl::kAttributeImage), WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
  Pump();
  ASSERT_TRUE(Visible(MainControl::kAttributeField));
  EXPECT_EQ(GetFocus(), field);
  TypeKeys("ssSxh");
  EXPECT_EQ(TextOf(field), "hs");
  EXPECT_EQ(Title(), std::string(kTitle) + " [--hs]");
  Press('A', {VK_CONTROL});  // then a letter replaces the set
  TypeKeys("r");
  Press(VK_ESCAPE);
  EXPECT_FALSE(Visible(MainControl::kAttributeField));
  EXPECT_EQ(GetFocus(), form_->MkDirEdit());
  // The set stays as typed; opening again shows it; losing the focus closes it too.
  EXPECT_EQ(Title(), std::string(kTitle) + " [r---]");
  EXPECT_TRUE(IsWindow(form_->hwnd()));
  Key(form_->MkDirEdit(), 'Q', {VK_CONTROL, VK_SHIFT});
  EXPECT_EQ(TextOf(field), "r");
  SetFocus(C(MainControl::kListField));
  Pump();
  EXPECT_FALSE(Visible(MainControl::kAttributeField));
}

// Several dropped names go into the list, ending Batch mode first; a single
// folder becomes the name.
TEST_F(MainFormListsTest, DroppedNamesGoIntoTheListOrBecomeTheName) {
  // Longer than the 255 characters a fixed buffer takes.
  const std::string long_dir = "C:\\" + std::string(300, 'n');
  files_.AddFile("C:\\Docs\\report.doc", "");
  files_.AddFile(long_dir + "\\notes.txt", "x\r\ny\r\n");
  files_.AddDirectory("C:\\Work\\Photos");
  TypeName("Start");
  Key(form_->MkDirEdit(), VK_F8);
  ASSERT_EQ(form_->Mode(), MainMode::kBatch);
  Drop({long_dir + "\\notes.txt", "C:\\Docs\\report.doc"});
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  EXPECT_FALSE(Visible(MainControl::kFromField));
  EXPECT_EQ(T(MainControl::kCurrentPathLabel), "C:\\Docs\\");  // the last name's directory
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"Start", "notes", "report"}));

  Key(C(MainControl::kListField), VK_F6);
  Drop({"C:\\Work\\Photos"});
  EXPECT_EQ(T(MainControl::kNameField), "Photos");
  EXPECT_EQ(Selection(form_->MkDirEdit()), std::make_pair(DWORD{0}, DWORD{6}));
  EXPECT_EQ(app_.snapshot.current_path, "C:\\Work\\");
}

TEST_F(MainFormListsTest, PastedLineIsTrimmedIntoTheNameOnce) {
  TypeName("ab");
  SendMessageA(form_->MkDirEdit(), EM_SETSEL, 1, 1);
  ASSERT_TRUE(SetClipboardText(form_->hwnd(), "  x y  "));
  // The key's character follows; it must not paste the text a second time.
  Key(form_->MkDirEdit(), 'V', {VK_CONTROL});
  EXPECT_EQ(form_->Mode(), MainMode::kNormal);
  EXPECT_EQ(T(MainControl::kNameField), "ax yb");
  EXPECT_EQ(Selection(form_->MkDirEdit()), std::make_pair(DWORD{4}, DWORD{4}));
}

// Ctrl+O in the name field offers the Load menu, whose first entry is the host's focused
// text file (UTF-8 with its mark here); a file that cannot be read is reported and the list
// stays.
TEST_F(MainFormListsTest, LoadMenuLoadsTheHostsFocusedTextFileAndABadFileLosesNothing) {
  files_.AddFile("C:\\Work\\names.txt",
                 "\xEF\xBB\xBF"
                 "Caf\xC3\xA9\r\n\r\n  \r\nb\r\n");
  app_.snapshot.focused_text_file = true;
  app_.snapshot.focused_text_path = "C:\\Work\\names.txt";
  TypeName("typed");
  // The keys after Ctrl+O wait in the queue for the menu.
  PressKey('O', {VK_CONTROL});
  kestrix::ReleaseKeys({VK_CONTROL});
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  HandleInput();
  const std::vector<std::string> expected{"Caf\u00E9", "b", ""};
  EXPECT_EQ(ListLines(), expected);
  form_->ShowOpenDialogAndLoadFile("C:\\Work\\missing.txt", false);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "\"C:\\Work\\missing.txt\" was not found.");
  EXPECT_EQ(ListLines(), expected);
}

TEST_F(MainFormListsTest, HistoryPickShowsUndoWhichRestoresTheTypedText) {
  files_.AddFile("C:\\Kestrix\\tc Kestrix.lst", "[MkDirHistory]\r\n0=Photos 2024\r\n1=Docs\r\n");
  const int full_width = Width(MainControl::kNameField);
  TypeName("my name");
  Key(form_->MkDirEdit(), VK_END);
  // Down in a field with an empty list fills it from the history first.
  Key(form_->MkDirEdit(), VK_DOWN);
  HWND combo = C(MainControl::kNameField);
  ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
  SendMessageA(combo, CB_SETCURSEL, 1, 0);
  Click(MainControl::kNameField, CBN_SELCHANGE);
  EXPECT_EQ(T(MainControl::kNewNameLabel), "Docs");
  ASSERT_TRUE(Visible(MainControl::kUndoButton));
  EXPECT_EQ(Width(MainControl::kNameField), full_width - Width(MainControl::kUndoButton) - 1);

  Key(form_->MkDirEdit(), 'Z', {VK_CONTROL});
  EXPECT_EQ(T(MainControl::kNameField), "my name");
  EXPECT_EQ(Selection(form_->MkDirEdit()), std::make_pair(DWORD{7}, DWORD{7}));
  EXPECT_FALSE(Visible(MainControl::kUndoButton));
  EXPECT_EQ(Width(MainControl::kNameField), full_width);
}

}  // namespace
}  // namespace kestrix
