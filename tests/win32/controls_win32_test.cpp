// The window layer's crossing: the control wrappers speak UTF-8 and byte offsets to the
// controls' UTF-16 units; the clipboard and the message loop carry any script whole.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/win32/wide_text.h"
#include "window/clipboard.h"
#include "window/controls.h"
#include "window/form.h"

namespace kestrix {
namespace {

using Offsets = std::pair<size_t, size_t>;

// A wide control as a top-level window of its own.
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
  EXPECT_EQ(edit.Selection(), Offsets(4, 6));
  edit.ReplaceSelection("日本");
  EXPECT_EQ(edit.Text(), "😀日本x");
  EXPECT_EQ(edit.Selection(), Offsets(10, 10));
  edit.Select(2, 100);  // inside the emoji: its start; past the end: the end
  EXPECT_EQ(edit.Selection(), Offsets(0, 11));
  const Combo combo(MakeControl(L"COMBOBOX", CBS_DROPDOWN));
  combo.SetItems({"Ελλάδα", "한국어 😀"});
  EXPECT_EQ(combo.Item(1), "한국어 😀");
  combo.SetText("😀ab");
  combo.SelectInEdit(4, 5);
  EXPECT_EQ(combo.EditSelection(), Offsets(4, 5));
  EXPECT_EQ(SendMessageW(combo.hwnd(), CB_GETEDITSEL, 0, 0), MAKELRESULT(2, 3));
  DestroyWindow(edit.hwnd());
  DestroyWindow(combo.hwnd());
}

// What other programs see: CF_UNICODETEXT, read and written by the system's own calls.
TEST(Clipboard, TextInAnyScriptGoesAsUnicodeText) {
  const std::string text = "Łódź|日本語|Ελλάδα 😀";
  ASSERT_TRUE(CopyToClipboard(nullptr, text));
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)))),
            Wide(text));
  EmptyClipboard();
  const std::wstring pasted = Wide("한국어\r\nŻółw");
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  std::copy(pasted.c_str(), pasted.c_str() + pasted.size() + 1,
            static_cast<wchar_t*>(GlobalLock(block)));
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
  EXPECT_EQ(ReadClipboardText(nullptr), "한국어\r\nŻółw");
}

// Typed as a user types other scripts (KEYEVENTF_UNICODE, a surrogate pair as two units),
// through the program's message loop: an ANSI loop would hand the edit "?".
TEST(MessageLoop, TypedCharactersInAnyScriptReachTheControlWhole) {
  const Edit edit(MakeControl(L"EDIT", WS_VISIBLE));
  SetForegroundWindow(edit.hwnd());
  edit.Focus();
  std::vector<INPUT> keys;
  for (wchar_t unit : Wide("Ż😀"))
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      keys.push_back({INPUT_KEYBOARD, {}});
      keys.back().ki = {0, unit, KEYEVENTF_UNICODE | up, 0, 0};
    }
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  for (int wait = 0; wait < 100 && edit.Text() != "Ż😀"; ++wait) {
    Sleep(10);
    PumpMessages(nullptr);
  }
  EXPECT_EQ(edit.Text(), "Ż😀");
  DestroyWindow(edit.hwnd());
}

}  // namespace
}  // namespace kestrix
