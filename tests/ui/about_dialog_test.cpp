// The About dialog over the main window: what it shows and the size it keeps.
#include "ui/about_dialog.h"

#include <functional>

#include "platform/win32/resource_win32.h"
#include "ui/main_form_fixture.h"

namespace kestrix {
namespace {

std::function<void(HWND)>* g_inspect = nullptr;

void CALLBACK Inspect(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = FindWindowA(kAboutClass, nullptr);
  if (dialog == nullptr || !IsWindowVisible(dialog) || g_inspect == nullptr) return;
  KillTimer(nullptr, timer);
  (*std::exchange(g_inspect, nullptr))(dialog);
  SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}

class AboutDialogTest : public MainFormFixture {};

TEST_F(AboutDialogTest, ShowsTheHistoryReadOnlyAndKeepsItsSize) {
  files_.AddFile(kSettingsFile, "[WindowSize]\r\naboutForm_W=520\r\naboutForm_H=300\r\n");
  resources_.Add("whatsnew", "1.6.0.5\n- Typing replaces the suggestion\n");
  Win32Resources languages;
  TAboutForm about(
      {files_, resources_, kSettingsFile, [&] { return LoadBuiltInLanguage(languages, "ENG"); }});
  std::function<void(HWND)> inspect = [&](HWND dialog) {
    HWND history = GetDlgItem(dialog, kAbout_memo_history);
    EXPECT_EQ(GetWindowLongPtrA(history, GWL_STYLE) & (ES_READONLY | WS_VSCROLL),
              ES_READONLY | WS_VSCROLL);
    EXPECT_EQ(TextOf(history), "1.6.0.5\r\n- Typing replaces the suggestion");
    const std::string version = TextOf(GetDlgItem(dialog, kAbout_lbl_version));
    EXPECT_NE(version.find("1.6.0.5"), std::string::npos) << version;
    EXPECT_NE(version.find(sizeof(void*) == 8 ? "x64" : "x86"), std::string::npos) << version;
    EXPECT_NE(TextOf(GetDlgItem(dialog, kAbout_lbl_libraries)).find("zlib"), std::string::npos);
    Screenshot("about", dialog);
  };
  g_inspect = &inspect;
  SetTimer(nullptr, 0, 30, Inspect);
  about.ShowModal(GetModuleHandleA(nullptr), form_->hwnd());
  ASSERT_EQ(g_inspect, nullptr) << "the dialog did not open";
  TBigIniFile ini(files_, kSettingsFile);
  EXPECT_EQ(ini.ReadInteger("WindowSize", "aboutForm_W", 0), 520);
  EXPECT_EQ(ini.ReadInteger("WindowSize", "aboutForm_H", 0), 300);
}

}  // namespace
}  // namespace kestrix
