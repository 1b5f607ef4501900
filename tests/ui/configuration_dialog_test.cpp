// The configuration dialog over a live main window: its rules as the user meets them, the
// pages' load and save through the settings file, and OK reaching the running window.
#include "ui/configuration_dialog.h"

#include <functional>

#include "fakes/user_settings_file.h"
#include "platform/win32/resource_win32.h"
#include "ui/main_form_fixture.h"

namespace kestrix {
namespace {

std::function<void(HWND)>* g_steps = nullptr;

void CALLBACK RunSteps(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = FindWindowA(kConfigurationClass, nullptr);
  if (dialog == nullptr || !IsWindowVisible(dialog) || g_steps == nullptr) return;
  KillTimer(nullptr, timer);
  auto* steps = std::exchange(g_steps, nullptr);
  (*steps)(dialog);
}

class ConfigurationDialogTest : public MainFormFixture {
 protected:
  void BeforeCreate() override {
    if (!settings_.empty()) files_.AddFile(kSettingsFile, settings_);
    std::string english;
    Win32Resources().ReadData("LNG_ENG", english);
    resources_.Add("LNG_ENG", english);
  }
  // Ctrl+P in the name field opens the dialog; `steps` run in it, then `end` closes it (0:
  // the steps do). Whether it opened.
  bool InDialog(const std::function<void(HWND)>& steps, int end = IDOK) {
    std::function<void(HWND)> run = [&](HWND dialog) {
      Pump();
      steps(dialog);
      if (end != 0 && IsWindow(dialog)) SendMessageA(dialog, WM_COMMAND, end, 0);
    };
    g_steps = &run;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, RunSteps);
    Key(form_->MkDirEdit(), 'P', {VK_CONTROL});
    if (g_steps == nullptr) return true;
    KillTimer(nullptr, timer);
    g_steps = nullptr;
    return false;
  }
  static HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }
  static bool On(HWND dialog, int id) {
    return SendMessageA(Item(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  static void Page(HWND dialog, ConfigPage page) {
    HWND tabs = Item(dialog, kCfg_tabs);
    SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    NMHDR header{tabs, kCfg_tabs, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(dialog, WM_NOTIFY, kCfg_tabs, reinterpret_cast<LPARAM>(&header));
  }
  // Replaces a field's text by typing.
  static void TypeInto(HWND dialog, int id, const std::string& text) {
    HWND field = Item(dialog, id);
    if (HWND edit = FindWindowExA(field, nullptr, "Edit", nullptr)) field = edit;
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
    TypeKeys(text);
  }
  std::string Stored() { return files_.FileContent(kSettingsFile).value_or(""); }

  std::string settings_;
};

TEST_F(ConfigurationDialogTest, TypedValuesAreCorrectedInPlace) {
  struct Case {
    ConfigPage page;
    int field;
    std::string typed, shown;
    int box;  // its check box after typing, 0 for none
    bool checked;
  } cases[] = {
      {ConfigPage::kGeneral, kCfg_Edit_ReplaceChar, "a:", "_", 0, false},
      {ConfigPage::kWindow, kCfg_edit_Transparency, "100", "100", kCfg_cb_Transparency, true},
      {ConfigPage::kGeneral, kCfg_cmbx_TCItemPrefix, "x", "x", kCfg_cb_TCItemPrefix, true},
  };
  InDialog(
      [&](HWND dialog) {
        for (const Case& c : cases) {
          Page(dialog, c.page);
          TypeInto(dialog, c.field, c.typed);
          EXPECT_EQ(TextOf(Item(dialog, c.field)), c.shown) << c.typed;
          if (c.box != 0) {
            EXPECT_EQ(On(dialog, c.box), c.checked) << c.typed;
          }
        }
        // Leaving the transparency field with a value below 10 gives 10.
        TypeInto(dialog, kCfg_edit_Transparency, "5");
        SetFocus(Item(dialog, kCfg_cb_FocusTC));
        Pump();
        EXPECT_EQ(TextOf(Item(dialog, kCfg_edit_Transparency)), "10");
      },
      IDCANCEL);
}

TEST_F(ConfigurationDialogTest, ClicksKeepTheDependentControlsConsistent) {
  struct Case {
    const char* what;
    ConfigPage page;
    std::vector<int> clicks;
    std::function<void(HWND)> expect;
  } cases[] = {
      {"transparency at 255 starts at 235",
       ConfigPage::kWindow,
       {kCfg_cb_Transparency},
       [](HWND d) { EXPECT_EQ(TextOf(Item(d, kCfg_edit_Transparency)), "235"); }},
      {"a theme brings flat buttons",
       ConfigPage::kWindow,
       {kCfg_cb_Theme},
       [](HWND d) { EXPECT_TRUE(On(d, kCfg_cb_FlatBtn)); }},
      {"no flat buttons, no theme",
       ConfigPage::kWindow,
       {kCfg_cb_FlatBtn},
       [](HWND d) { EXPECT_FALSE(On(d, kCfg_cb_Theme)); }},
      {"the new method offers the fix",
       ConfigPage::kAdvanced,
       {kCfg_rb_NewMethod},
       [](HWND d) {
         EXPECT_TRUE(IsWindowEnabled(Item(d, kCfg_cb_FixExtension)));
         EXPECT_TRUE(On(d, kCfg_cb_FixExtension));
       }},
      {"the original method does not",
       ConfigPage::kAdvanced,
       {kCfg_rb_OriginalMethod},
       [](HWND d) { EXPECT_FALSE(IsWindowEnabled(Item(d, kCfg_cb_FixExtension))); }},
      {"a manual history file shows its field",
       ConfigPage::kAdvanced,
       {kCfg_rb_MK_ManualPath},
       [](HWND d) { EXPECT_TRUE(IsWindowVisible(Item(d, kCfg_edit_MK_manualfile))); }},
      {"a custom name offers the suggestions",
       ConfigPage::kGeneral,
       {kCfg_rb_CustomName},
       [](HWND d) {
         EXPECT_TRUE(IsWindowVisible(Item(d, kCfg_customDirectoryName)));
         EXPECT_EQ(SendMessageA(Item(d, kCfg_customDirectoryName), CB_GETCOUNT, 0, 0), 4);
         EXPECT_EQ(TextOf(Item(d, kCfg_rb_CustomName)), "Custom name:");
       }},
      {"detection turns the extension list off",
       ConfigPage::kFiles,
       {kCfg_cb_IntelliExtDetection},
       [](HWND d) {
         EXPECT_FALSE(IsWindowEnabled(Item(d, kCfg_edit_NewExt)));
         EXPECT_FALSE(IsWindowEnabled(Item(d, kCfg_btn_AddNewExt)));
       }},
  };
  InDialog(
      [&](HWND dialog) {
        for (const Case& c : cases) {
          SCOPED_TRACE(c.what);
          Page(dialog, c.page);
          for (int id : c.clicks) SendMessageA(Item(dialog, id), BM_CLICK, 0, 0);
          Pump();
          c.expect(dialog);
        }
        SendMessageA(Item(dialog, kCfg_cb_FlatBtn), BM_CLICK, 0, 0);
        SendMessageA(Item(dialog, kCfg_cb_Theme), BM_CLICK, 0, 0);
      },
      IDCANCEL);
}

TEST_F(ConfigurationDialogTest, KeysAddAndDeletePrefixesCloseListsAndSelectAll) {
  InDialog(
      [&](HWND dialog) {
        Page(dialog, ConfigPage::kGeneral);
        TypeInto(dialog, kCfg_cmbx_TCItemPrefix, "new_");
        Press(VK_RETURN, {VK_CONTROL});
        EXPECT_EQ(SendMessageA(Item(dialog, kCfg_cmbx_TCItemPrefix), CB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(TextOf(Item(dialog, kCfg_cmbx_TCItemPrefix)), "");
        TypeInto(dialog, kCfg_Edit_ReplaceChar, "-");
        SendMessageA(Item(dialog, kCfg_Edit_ReplaceChar), EM_SETSEL, 1, 1);
        Press('A', {VK_CONTROL});
        DWORD start = 1, end = 0;
        SendMessageA(Item(dialog, kCfg_Edit_ReplaceChar), EM_GETSEL,
                     reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 1u);
        // Escape closes an open list first, then the dialog.
        SetFocus(Item(dialog, kCfg_cmbx_TCItemPrefix));
        SendMessageA(Item(dialog, kCfg_cmbx_TCItemPrefix), CB_SHOWDROPDOWN, TRUE, 0);
        Press(VK_ESCAPE);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(SendMessageA(Item(dialog, kCfg_cmbx_TCItemPrefix), CB_GETDROPPEDSTATE, 0, 0), 0);
        // Delete in the open list removes the highlighted item.
        SendMessageA(Item(dialog, kCfg_cmbx_TCItemPrefix), CB_SHOWDROPDOWN, TRUE, 0);
        SendMessageA(Item(dialog, kCfg_cmbx_TCItemPrefix), CB_SETCURSEL, 0, 0);
        Press(VK_DELETE);
        EXPECT_EQ(SendMessageA(Item(dialog, kCfg_cmbx_TCItemPrefix), CB_GETCOUNT, 0, 0), 0);
        SendMessageA(Item(dialog, kCfg_cmbx_TCItemPrefix), CB_SHOWDROPDOWN, FALSE, 0);
        Press(VK_ESCAPE);
      },
      IDCANCEL);
  EXPECT_EQ(FindWindowA(kConfigurationClass, nullptr), nullptr);
  EXPECT_EQ(Stored(), "") << "Cancel writes nothing";
}

class StoredConfigurationTest : public ConfigurationDialogTest {
 protected:
  void BeforeCreate() override {
    settings_ = kUserSettingsFile;
    ConfigurationDialogTest::BeforeCreate();
  }
  // OK clicked with the mouse.
  static void ClickOk(HWND dialog) {
    ClickOn(Item(dialog, IDOK));
    Pump();
  }
  std::string LastMessage() const { return boxes_.shown.empty() ? "" : boxes_.shown.back().text; }
};

TEST_F(StoredConfigurationTest, OkKeepsEveryLineTheUserDidNotChangeEvenWhenTheFileIsHeld) {
  ASSERT_TRUE(InDialog(
      [&](HWND dialog) {
        EXPECT_EQ(TabCtrl_GetCurSel(Item(dialog, kCfg_tabs)), 3) << "the last page";
        EXPECT_TRUE(On(dialog, kCfg_rb_CustomName));
        EXPECT_TRUE(On(dialog, kCfg_rb_centerScreen));
        EXPECT_TRUE(On(dialog, kCfg_cb_Transparency));
        EXPECT_TRUE(On(dialog, kCfg_rb_MK_ManualPath));
        EXPECT_EQ(ListView_GetItemCount(Item(dialog, kCfg_ExtensionList)), 3);
        EXPECT_EQ(TextOf(Item(dialog, kCfg_memo_ReplaceChars)),
                  "; a blank becomes \"_\"\r\n =_\r\n&=and\r\n#");
        const char* shots[] = {"configuration-general", "configuration-window",
                               "configuration-language", "configuration-advanced",
                               "configuration-files"};
        for (int page = 0; page < 5; ++page) {
          Page(dialog, static_cast<ConfigPage>(page));
          Screenshot(shots[page], dialog);
        }
        Page(dialog, ConfigPage::kAdvanced);
        ClickOk(dialog);
      },
      0));
  EXPECT_EQ(Stored(), kUserSettingsFile) << "OK without a change";
  // Another program holds the file at OK: the dialog stays with the change and says so.
  ASSERT_TRUE(InDialog(
      [&](HWND dialog) {
        Page(dialog, ConfigPage::kGeneral);
        TypeInto(dialog, kCfg_cmbx_TCItemPrefix, "new_");
        files_.FailPath(kSettingsFile, 32, FakeFileSystem::kFaultAll);
        ClickOk(dialog);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(TextOf(Item(dialog, kCfg_cmbx_TCItemPrefix)), "new_");
        EXPECT_NE(LastMessage().find("cannot be written"), std::string::npos) << LastMessage();
        EXPECT_NE(LastMessage().find(kSettingsFile), std::string::npos);
        EXPECT_NE(LastMessage().find("used by another program"), std::string::npos);
        files_.ClearFaults();
        ClickOk(dialog);
      },
      0));
  std::string expected = kUserSettingsFile;
  expected.replace(expected.find("DirPrefix= pre_ "), 16, "DirPrefix=new_");
  expected.replace(expected.find("LastSelectedPage=3"), 18, "LastSelectedPage=0");
  EXPECT_EQ(Stored(), expected);
}

TEST_F(StoredConfigurationTest, AFileAnotherProgramHoldsOpensNoDialog) {
  files_.FailPath(kSettingsFile, 32, FakeFileSystem::kFaultAll);
  // Were it to open, OK would write what it shows over the file once it is free.
  EXPECT_FALSE(InDialog([&](HWND) { files_.ClearFaults(); }));
  EXPECT_NE(LastMessage().find("cannot be read"), std::string::npos) << LastMessage();
  EXPECT_NE(LastMessage().find(kSettingsFile), std::string::npos);
  EXPECT_NE(LastMessage().find("used by another program"), std::string::npos);
  files_.ClearFaults();
  EXPECT_EQ(Stored(), kUserSettingsFile);
}

TEST_F(ConfigurationDialogTest, OkChangesTheRunningWindowAtOnce) {
  InDialog([&](HWND dialog) {
    Page(dialog, ConfigPage::kWindow);
    SendMessageA(Item(dialog, kCfg_cmbx_WndColor), CB_SETCURSEL, 2, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kCfg_cmbx_WndColor, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(Item(dialog, kCfg_cmbx_WndColor)));
    TypeInto(dialog, kCfg_edit_Transparency, "180");
    Page(dialog, ConfigPage::kFiles);
    SendMessageA(Item(dialog, kCfg_cb_EnableFileCreation), BM_CLICK, 0, 0);
    TypeInto(dialog, kCfg_edit_NewExt, ".TXT");
    SendMessageA(Item(dialog, kCfg_btn_AddNewExt), BM_CLICK, 0, 0);
  });
  Pump();
  // Flat buttons came with the theme; the window is translucent; a name with an added
  // extension says it will be a file.
  ASSERT_NE(form_->FlatControl(kId_btn_ok_flat), nullptr);
  EXPECT_TRUE(IsWindowVisible(C(kId_btn_ok_flat)));
  EXPECT_FALSE(IsWindowVisible(C(kId_btn_ok)));
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(form_->hwnd(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 180);
  SetFocus(form_->MkDirEdit());
  SendMessageA(form_->MkDirEdit(), EM_SETSEL, 0, -1);
  TypeKeys("notes.txt");
  EXPECT_EQ(T(kId_lbl_newdirname), "notes.txt (new file)");
  EXPECT_NE(TextOf(form_->hwnd()).find("(new file)"), std::string::npos);
}

}  // namespace
}  // namespace kestrix
