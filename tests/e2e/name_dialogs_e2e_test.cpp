// The user's journeys through the name engine's dialogs, from F7 in the stand-in host to
// the created directories, with the real keyboard and mouse: a template defined in the
// manager and picked by its key, a structure whose placeholders are filled in, and a new
// application whose token answers from the variables popup.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "e2e/tcsim_fixture.h"
#include "input/typing.h"
#include "ui/control_ids.h"
#include "ui/dialog_ids.h"

namespace kestrix::e2e {
namespace {

constexpr char kMainClass[] = "Ttc_KestrixForm";

bool IsDirectory(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void Step(WORD key, std::initializer_list<WORD> held = {}) {
  PressKey(key, held);
  ReleaseKeys(held);
  Sleep(250);
}

class NameDialogsJourney : public ::testing::Test {
 protected:
  void SetUp() override {
    panel_ = tree_.MakeDir("panel");
    ASSERT_FALSE(tree_.InstallProgram(KestrixExePath()).empty());
  }
  void TearDown() override {
    ReleaseKeys({VK_SHIFT, VK_MENU, VK_CONTROL});
    while (HWND window = FindWindowA(kMainClass, nullptr)) {
      PostMessageA(window, WM_CLOSE, 0, 0);
      if (!WaitUntil([&] { return !IsWindow(window); }, 5000)) break;
    }
    host_.Stop();
  }
  // F7 in the host; returns once the name field has the focus of the foreground window.
  HWND OpenMainWindow() {
    std::string error;
    EXPECT_TRUE(host_.Start(TcsimStart().Left(panel_).Right(panel_), &error)) << error;
    EXPECT_TRUE(host_.PressKey("F7"));
    HWND main = WaitForWindow(kMainClass, nullptr);
    if (main == nullptr) return nullptr;
    HWND name = FindWindowExA(GetDlgItem(main, kId_MkDir), nullptr, "EDIT", nullptr);
    const bool ready = WaitUntil([&] {
      if (GetForegroundWindow() != main) SetForegroundWindow(main);
      return GetForegroundWindow() == main && FocusOfThread(main) == name;
    });
    return ready ? main : nullptr;
  }
  // A dialog of the program, waited for until it holds the focus.
  static HWND Dialog(const char* class_name) {
    HWND dialog = WaitForWindow(class_name, nullptr);
    if (dialog != nullptr) WaitUntil([&] { return GetForegroundWindow() == dialog; }, 5000);
    Sleep(300);
    return dialog;
  }
  static bool Closed(HWND main) {
    return WaitUntil([&] { return !IsWindow(main); });
  }

  HostTree tree_;
  Tcsim host_{tree_};
  std::string panel_;
};

TEST_F(NameDialogsJourney, TemplateDefinedInTheManagerIsPickedByItsKeyAndCreated) {
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  Step('M', {VK_CONTROL});
  HWND manager = Dialog("TManageTemplates");
  ASSERT_NE(manager, nullptr);
  ASSERT_TRUE(TypeText("Zeta %Y"));
  ClickOn(GetDlgItem(manager, kId_Template_Name));
  Step('A', {VK_CONTROL});
  ASSERT_TRUE(TypeText("Zeta"));
  ClickOn(GetDlgItem(manager, IDOK));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(manager); }));

  Step('T', {VK_CONTROL});  // opens the template list
  ASSERT_TRUE(TypeText("Z"));
  SYSTEMTIME now;
  GetLocalTime(&now);
  const std::string expected = "Zeta " + std::to_string(now.wYear);
  HWND name = FindWindowExA(GetDlgItem(main, kId_MkDir), nullptr, "EDIT", nullptr);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(name) == "Zeta %Y"; })) << WindowText(name);
  Step(VK_RETURN);
  ASSERT_TRUE(Closed(main)) << host_.LogText();
  EXPECT_TRUE(IsDirectory(panel_ + "\\" + expected));
}

TEST_F(NameDialogsJourney, StructureWithTwoPlaceholdersIsFilledInAndCreatedAsATree) {
  tree_.MakeFile("Kestrix\\tc Kestrix.ini",
                 "[UserStructure0]\r\nName=Web\r\n#P#\\src\\#M#\r\n#P#\\docs\r\n"
                 "[Placeholders]\r\n#P#\r\n#M#\r\n");
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  Step('O', {VK_CONTROL});
  ASSERT_NE(WaitForWindow("#32768", nullptr), nullptr);
  Step(VK_DOWN);  // "0 - Web"
  Step(VK_RETURN);
  ASSERT_NE(Dialog("TPlaceholders"), nullptr);
  ASSERT_TRUE(TypeText("Shop"));
  Step(VK_RETURN);
  ASSERT_TRUE(TypeText("core"));
  Step(VK_RETURN);
  HWND list = GetDlgItem(main, kId_MkDirExt);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(list) == "Shop\\src\\core\r\nShop\\docs"; }))
      << WindowText(list);
  Step(VK_RETURN, {VK_CONTROL});
  ASSERT_TRUE(Closed(main)) << host_.LogText();
  EXPECT_TRUE(IsDirectory(panel_ + "\\Shop\\src\\core"));
  EXPECT_TRUE(IsDirectory(panel_ + "\\Shop\\docs"));
}

TEST_F(NameDialogsJourney, NewApplicationAnswersFromTheVariablesPopup) {
  HWND main = OpenMainWindow();
  ASSERT_NE(main, nullptr) << host_.LogText();
  Step('H', {VK_CONTROL});
  ASSERT_NE(WaitForWindow("#32768", nullptr), nullptr);
  for (WORD key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_UP, VK_RETURN}) Step(key);
  HWND dialog = Dialog("TNewApplication");
  ASSERT_NE(dialog, nullptr);
  // The window-caption method: the host's own title holds "(tcsim)".
  ClickOn(GetDlgItem(dialog, kId_rb_getwindowtext));
  ASSERT_TRUE(TypeText("(tcsim)"));
  ClickOn(GetDlgItem(dialog, kId_rp_ID));
  Step('A', {VK_CONTROL});
  ASSERT_TRUE(TypeText("tcwt"));
  ClickOn(GetDlgItem(dialog, IDOK));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_TRUE(IsDirectory(tree_.Path("Kestrix\\Plugins")));

  // The new item stands before "New application...".
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }));
  Step('H', {VK_CONTROL});
  ASSERT_NE(WaitForWindow("#32768", nullptr), nullptr);
  for (WORD key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_UP, VK_UP, VK_RETURN}) Step(key);
  HWND name = FindWindowExA(GetDlgItem(main, kId_MkDir), nullptr, "EDIT", nullptr);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(name) == "{tcwt}"; })) << WindowText(name);
  Step(VK_RETURN);
  ASSERT_TRUE(Closed(main)) << host_.LogText();
  EXPECT_TRUE(IsDirectory(panel_ + "\\Total Commander (tcsim)"));
}

}  // namespace
}  // namespace kestrix::e2e
