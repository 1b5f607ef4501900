// The window layer speaks UTF-8 and byte offsets; the controls count UTF-16 units.
#include <gtest/gtest.h>

#include "platform/win32/wide_text.h"
#include "window/clipboard.h"
#include "window/controls.h"

namespace kestrix {
namespace {

HWND MakeControl(const wchar_t* class_name, DWORD style) {
  return CreateWindowExW(0, class_name, L"", WS_POPUP | style, 0, 0, 200, 200, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

TEST(Controls, PositionsAreByteOffsetsIntoTheUtf8Text) {
  const Edit edit(MakeControl(L"EDIT", 0));
  edit.SetText("😀Łx");
  EXPECT_EQ(edit.TextLength(), 7u);
  edit.Select(4, 6);  // "Ł", after the emoji's four bytes and two units
  EXPECT_EQ(SendMessageW(edit.hwnd(), EM_GETSEL, 0, 0), MAKELRESULT(2, 3));
  EXPECT_EQ(edit.Selection(), std::make_pair(size_t{4}, size_t{6}));
  edit.ReplaceSelection("日本");
  EXPECT_EQ(edit.Text(), "😀日本x");
  EXPECT_EQ(edit.Selection(), std::make_pair(size_t{10}, size_t{10}));
  edit.Select(2, 100);  // inside the emoji: its start; past the end: the end
  EXPECT_EQ(edit.Selection(), std::make_pair(size_t{0}, size_t{11}));
  const Combo combo(MakeControl(L"COMBOBOX", CBS_DROPDOWN));
  combo.SetItems({"Ελλάδα", "한국어 😀"});
  EXPECT_EQ(combo.Item(1), "한국어 😀");
  combo.SetText("😀ab");
  combo.SelectInEdit(4, 5);
  EXPECT_EQ(combo.EditSelection(), std::make_pair(size_t{4}, size_t{5}));
  EXPECT_EQ(SendMessageW(combo.hwnd(), CB_GETEDITSEL, 0, 0), MAKELRESULT(2, 3));
}

// Other programs see CF_UNICODETEXT; a CF_TEXT read or write would lose the other scripts.
TEST(Clipboard, TextInAnyScriptGoesAsUnicodeText) {
  const std::string text = "Łódź|日本語|Ελλάδα 😀\r\n한국어";
  ASSERT_TRUE(CopyToClipboard(nullptr, text) && OpenClipboard(nullptr));
  EXPECT_EQ(static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT))), Wide(text));
  CloseClipboard();
  EXPECT_EQ(ReadClipboardText(nullptr), text);
}

}  // namespace
}  // namespace kestrix
