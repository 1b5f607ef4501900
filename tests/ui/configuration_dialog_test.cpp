// The configuration dialog over a live main window: its rules as the user meets them, the
// pages' load and save through the settings file.
#include "ui/config/configuration_dialog.h"

#include <functional>

#include "fakes/user_settings_file.h"
#include "platform/win32/resource_win32.h"
#include "ui/main_form_fixture.h"

namespace kestrix {
namespace {

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
    return InConfiguration([&](HWND dialog) {
      Pump();
      steps(dialog);
      if (end != 0 && IsWindow(dialog)) SendMessageA(dialog, WM_COMMAND, end, 0);
    });
  }
  static HWND Item(HWND dialog, kestrix::ControlId id) { return kestrix::Item(dialog, id); }
  static bool On(HWND dialog, ControlId id) {
    return SendMessageA(Item(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  static void Page(HWND dialog, ConfigPage page) {
    HWND tabs = Item(dialog, ConfigControl::kTabs);
    SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    NMHDR header{tabs, ControlId(ConfigControl::kTabs).command(), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(dialog, WM_NOTIFY, ControlId(ConfigControl::kTabs).command(),
                 reinterpret_cast<LPARAM>(&header));
  }
  // Replaces a field's text by typing.
  static void TypeInto(HWND dialog, ControlId id, const std::string& text) {
    HWND field = Item(dialog, id);
    if (HWND edit = FindWindowExA(field, nullptr, "Edit", nullptr)) field = edit;
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
    TypeKeys(text);
  }
  std::string Stored() { return files_.FileContent(kSettingsFile).value_or(""); }

  std::string settings_;
};

// Typing ticks the field's box; clicks keep the controls that depend on each other
// consistent. The corrected values themselves are ConfigurationRules' table.
TEST_F(ConfigurationDialogTest, TypedValuesAndClicksKeepTheControlsConsistent) {
  enum Probe { kChecked, kEnabled, kVisible, kText };
  using P = ConfigPage;
  using K = ConfigControl;
  const struct {
    ConfigPage page;
    ControlId act;      // the control clicked, or typed into; 0: another look at the row before
    const char* typed;  // null: a click
    ControlId control;
    Probe probe;
    std::string expected;  // "1" or "0", or the text
  } cases[] = {
      {P::kGeneral, K::kPrefixBox, "x", K::kPrefixBox, kText, "x"},
      {P::kGeneral, 0, nullptr, K::kPrefixCheck, kChecked, "1"},
      // A theme's buttons are flat.
      {P::kWindow, K::kThemeCheck, nullptr, K::kFlatButtonsCheck, kChecked, "1"},
      {P::kWindow, K::kFlatButtonsCheck, nullptr, K::kThemeCheck, kChecked, "0"},
      {P::kAdvanced, K::kNewMethodOption, nullptr, K::kFixExtensionCheck, kEnabled, "1"},
      {P::kAdvanced, 0, nullptr, K::kFixExtensionCheck, kChecked, "1"},
      {P::kAdvanced, K::kOriginalMethodOption, nullptr, K::kFixExtensionCheck, kEnabled, "0"},
      {P::kAdvanced, K::kHistoryManualOption, nullptr, K::kHistoryFileField, kVisible, "1"},
      {P::kGeneral, K::kCustomNameOption, nullptr, K::kCustomNameBox, kVisible, "1"},
      {P::kFiles, K::kDetectExtensionCheck, nullptr, K::kNewExtensionField, kEnabled, "0"},
      {P::kFiles, 0, nullptr, K::kAddExtensionButton, kEnabled, "0"},
  };
  InDialog(
      [&](HWND dialog) {
        for (const auto& c : cases) {
          Page(dialog, c.page);
          if (c.typed != nullptr)
            TypeInto(dialog, c.act, c.typed);
          else if (c.act != 0)
            SendMessageA(Item(dialog, c.act), BM_CLICK, 0, 0);
          Pump();
          HWND control = Item(dialog, c.control);
          const bool yes = c.probe == kChecked   ? On(dialog, c.control)
                           : c.probe == kEnabled ? IsWindowEnabled(control) != FALSE
                                                 : IsWindowVisible(control) != FALSE;
          const std::string shown = yes ? "1" : "0";
          EXPECT_EQ(c.probe == kText ? TextOf(control) : shown, c.expected)
              << "act " << c.act << ", control " << c.control;
        }
        // Leaving the transparency field with a value below 10 gives 10.
        Page(dialog, ConfigPage::kWindow);
        TypeInto(dialog, ConfigControl::kTransparencyField, "5");
        SetFocus(Item(dialog, ConfigControl::kFocusHostCheck));
        Pump();
        EXPECT_EQ(TextOf(Item(dialog, ConfigControl::kTransparencyField)), "10");
      },
      IDCANCEL);
}

TEST_F(ConfigurationDialogTest, KeysAddAndDeletePrefixesCloseListsAndSelectAll) {
  InDialog(
      [&](HWND dialog) {
        Page(dialog, ConfigPage::kGeneral);
        TypeInto(dialog, ConfigControl::kPrefixBox, "new_");
        Press(VK_RETURN, {VK_CONTROL});
        EXPECT_EQ(SendMessageA(Item(dialog, ConfigControl::kPrefixBox), CB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(TextOf(Item(dialog, ConfigControl::kPrefixBox)), "");
        TypeInto(dialog, ConfigControl::kReplaceCharField, "-");
        SendMessageA(Item(dialog, ConfigControl::kReplaceCharField), EM_SETSEL, 1, 1);
        Press('A', {VK_CONTROL});
        EXPECT_EQ(Selection(Item(dialog, ConfigControl::kReplaceCharField)),
                  std::make_pair(DWORD{0}, DWORD{1}));
        // Escape closes an open list first, then the dialog.
        SetFocus(Item(dialog, ConfigControl::kPrefixBox));
        SendMessageA(Item(dialog, ConfigControl::kPrefixBox), CB_SHOWDROPDOWN, TRUE, 0);
        Press(VK_ESCAPE);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_FALSE(
            SendMessageA(Item(dialog, ConfigControl::kPrefixBox), CB_GETDROPPEDSTATE, 0, 0));
        // Delete in the open list removes the highlighted item.
        SendMessageA(Item(dialog, ConfigControl::kPrefixBox), CB_SHOWDROPDOWN, TRUE, 0);
        SendMessageA(Item(dialog, ConfigControl::kPrefixBox), CB_SETCURSEL, 0, 0);
        Press(VK_DELETE);
        EXPECT_EQ(SendMessageA(Item(dialog, ConfigControl::kPrefixBox), CB_GETCOUNT, 0, 0), 0);
        SendMessageA(Item(dialog, ConfigControl::kPrefixBox), CB_SHOWDROPDOWN, FALSE, 0);
        Press(VK_ESCAPE);
      },
      IDCANCEL);
  EXPECT_EQ(FindWindowA(kConfigurationClass, nullptr), nullptr);
  EXPECT_EQ(Stored(), "") << "Cancel writes nothing";
}

// An extension is read back from after its line's last "=": one holding "=" is refused
// with the character named, one the file keeps is stored as typed.
TEST_F(ConfigurationDialogTest, ExtensionsTheFileCannotGiveBackAreRefusedAtAdd) {
  ASSERT_TRUE(InDialog([&](HWND dialog) {
    Page(dialog, ConfigPage::kFiles);
    if (On(dialog, ConfigControl::kDetectExtensionCheck))
      ClickOn(Item(dialog, ConfigControl::kDetectExtensionCheck));
    for (const char* typed : {"a=b;c", ".md;[x]"}) {
      TypeInto(dialog, ConfigControl::kNewExtensionField, typed);
      ClickOn(Item(dialog, ConfigControl::kAddExtensionButton));
      Pump();
    }
    EXPECT_EQ(ListView_GetItemCount(Item(dialog, ConfigControl::kExtensionList)), 1);
  }));
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_NE(boxes_.shown[0].text.find("holds \"=\""), std::string::npos) << boxes_.shown[0].text;
  EXPECT_NE(Stored().find("[ExtensionsEnabled]\r\n0=md;[x]\r\n\r\n"), std::string::npos);
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
  // The last message names the file, what failed and why.
  void ExpectSaid(const char* what) const {
    const std::string said = boxes_.shown.empty() ? "" : boxes_.shown.back().text;
    for (const char* part : {what, kSettingsFile, "used by another program"})
      EXPECT_NE(said.find(part), std::string::npos) << said;
  }
};

// Loading and saving each value is the unit table's part; here OK over the loaded pages
// must leave the file byte for byte, and a held file must keep the dialog and the change.
TEST_F(StoredConfigurationTest, OkKeepsEveryLineTheUserDidNotChangeEvenWhenTheFileIsHeld) {
  ASSERT_TRUE(InDialog(
      [&](HWND dialog) {
        EXPECT_EQ(TabCtrl_GetCurSel(Item(dialog, ConfigControl::kTabs)), 3) << "the last page";
        for (int page = 0; page < 5; ++page) {
          Page(dialog, static_cast<ConfigPage>(page));
          const char* shots[] = {"general", "window", "language", "advanced", "files"};
          ShotOf(dialog, (std::string("configuration-") + shots[page]).c_str());
        }
        Page(dialog, ConfigPage::kAdvanced);
        ClickOk(dialog);
      },
      0));
  EXPECT_EQ(Stored(), kUserSettingsFile) << "OK without a change";
  ASSERT_TRUE(InDialog(
      [&](HWND dialog) {
        Page(dialog, ConfigPage::kGeneral);
        TypeInto(dialog, ConfigControl::kPrefixBox, "new_");
        files_.FailPath(kSettingsFile, 32, FakeFileSystem::kFaultAll);
        ClickOk(dialog);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(TextOf(Item(dialog, ConfigControl::kPrefixBox)), "new_");
        ExpectSaid("cannot be written");
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
  ExpectSaid("cannot be read");
  files_.ClearFaults();
  EXPECT_EQ(Stored(), kUserSettingsFile);
}

}  // namespace
}  // namespace kestrix
