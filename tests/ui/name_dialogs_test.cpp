// The name engine's dialogs opened from the main window and driven, from a second thread,
// with real keys and clicks while their modal loop runs: the template manager, the
// placeholder dialog behind a user structure and the About dialog.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "platform/win32/resource_win32.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/dialog_ids.h"
#include "ui/main_form_fixture.h"

namespace kestrix {
namespace {

void Type(const std::string& text) {
  TypeUnicode(text, [] { Sleep(40); });
  Sleep(150);
}

// A visible window of the class, given 200 ms to settle; null when none came in 5 s.
HWND WaitFor(const char* class_name) {
  for (int i = 0; i < 250; ++i, Sleep(20))
    if (HWND window = FindWindowA(class_name, nullptr); window && IsWindowVisible(window))
      return Sleep(200), window;
  return nullptr;
}

class NameDialogsTest : public MainFormFixture {
 protected:
  // Presses `key` in the main window and runs `user` on a second thread while the main
  // thread handles the key (and the dialog it opens) until the user is done.
  void WithUser(WORD key, const std::function<void()>& user) {
    std::atomic<bool> done = false;
    std::thread worker([&] {
      Tap(key, {VK_CONTROL});
      user();
      done = true;
    });
    while (!done) {
      Pump();
      Sleep(10);
    }
    worker.join();
    Pump();
  }
};

TEST_F(NameDialogsTest, TemplateManagerAddsByEnterChoosesByClickDeletesByKeyAndWritesOnOk) {
  std::string after_adds, chosen, after_delete;
  WithUser('M', [&] {
    HWND dialog = WaitFor("TManageTemplates");
    ASSERT_NE(dialog, nullptr);
    Type("a%Y");
    Tap(VK_RETURN);  // the default button is Add while a template is ready
    Type("b");
    Tap(VK_RETURN);
    after_adds = TextOf(Item(dialog, TemplateControl::kNameField));
    HWND list = Item(dialog, TemplateControl::kList);
    RECT row = {LVIR_BOUNDS, 0, 0, 0};
    SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    ClickOn(list, {row.left + 40, (row.top + row.bottom) / 2});
    chosen = TextOf(Item(dialog, TemplateControl::kTextField)) + "|" +
             TextOf(Item(dialog, TemplateControl::kNameField));
    ShotOf(dialog, "template-manager");
    Tap(VK_DELETE);
    after_delete = TextOf(Item(dialog, TemplateControl::kNameField));
    ClickOn(GetDlgItem(dialog, IDOK));
  });
  EXPECT_EQ(after_adds, "Template 3");
  EXPECT_EQ(chosen, "a%Y|Template 1");
  EXPECT_EQ(after_delete, "Template 2");
  const std::string settings = files_.FileContent(kSettingsFile).value_or("");
  EXPECT_NE(settings.find("[UserTemplates]\r\nTemplate 2=b\r\n"), std::string::npos) << settings;
  EXPECT_EQ(settings.find("Template 1"), std::string::npos) << settings;
  EXPECT_NE(settings.find("ManageTemplates_W="), std::string::npos) << settings;
  const Combo templates(C(MainControl::kTemplateBox));
  EXPECT_EQ(templates.Item(templates.Count() - 1), "[T] - Template 2");
}

// Names the settings file would not give back are refused at Add, naming the character;
// a name the file takes for an existing one replaces it only after Yes. The file keeps
// exactly what was accepted, and nothing of a cancelled session.
TEST_F(NameDialogsTest, TemplateNamesTheFileCannotKeepAreRefusedAndReplacingAsks) {
  files_.AddFile(kSettingsFile, "[UserTemplates]\r\nKeep=old\r\n");
  const auto stored = [this] {
    std::vector<std::string> lines;
    BigIniFile(files_, kSettingsFile).ReadSectionValues("UserTemplates", lines);
    return lines;
  };
  // Each name, then its text, typed into its field, and Enter (Add); then OK or Escape.
  const auto session = [this](const std::vector<std::string>& typed, bool ok) {
    WithUser('M', [&] {
      HWND dialog = WaitFor("TManageTemplates");
      ASSERT_NE(dialog, nullptr);
      for (size_t i = 0; i < typed.size(); ++i) {
        ClickOn(
            Item(dialog, i % 2 == 0 ? TemplateControl::kNameField : TemplateControl::kTextField));
        Tap('A', {VK_CONTROL});
        Type(typed[i]);
        if (i % 2 == 1) Tap(VK_RETURN);
      }
      ok ? ClickOn(GetDlgItem(dialog, IDOK)) : Tap(VK_ESCAPE);
    });
  };
  boxes_.answers = {kIdOk, kIdOk, kIdNo};  // each kind of refusal is IniKeyProblem's table
  session({"Eq=[n];\"x\"", "t", " lead", "t", "KEEP", "t"}, false);
  std::string said;
  for (const auto& box : boxes_.shown) said += box.text.substr(0, box.text.find(':')) + "|";
  EXPECT_EQ(said,
            "The settings file cannot keep a name that holds \"=\"|"
            "The settings file cannot keep a name that begins with \" \"|"
            "A template named \"KEEP\" already exists. Replace it?|");
  EXPECT_EQ(stored(), std::vector<std::string>{"Keep=old"});
  session({"KEEP", "new", "a[b];c \"q\"", "x %Y"}, true);  // Yes, by default
  EXPECT_EQ(boxes_.shown.size(), 4u);
  EXPECT_EQ(stored(), (std::vector<std::string>{"KEEP=new", "a[b];c \"q\"=x %Y"}));
}

class StructureTest : public NameDialogsTest {
 protected:
  void BeforeCreate() override {
    files_.AddFile(kSettingsFile,
                   "[UserStructure0]\r\nName=Site\r\n#N#\\pages\r\n#N#\\#L#\r\n"
                   "[Placeholders]\r\n#N#\r\n#L#\r\n#X#\r\n");
  }
};

TEST_F(StructureTest, LoadMenuInsertsTheStructureAndThePlaceholdersAreFilledStepByStep) {
  ASSERT_TRUE(Visible(MainControl::kLoadButton));
  std::string back;
  WithUser('O', [&] {
    ASSERT_NE(WaitFor("#32768"), nullptr);
    Tap(VK_DOWN);  // "0 - Site"
    Tap(VK_RETURN);
    HWND dialog = WaitFor("TPlaceholders");
    ASSERT_NE(dialog, nullptr);
    Type("Home");
    ClickOn(Item(dialog, PlaceholderControl::kNextButton));
    Type("en");
    ShotOf(dialog, "placeholders");
    ClickOn(Item(dialog, PlaceholderControl::kPreviousButton));
    back = TextOf(Item(dialog, PlaceholderControl::kReplacementField));
    Tap(VK_RETURN);  // Next
    Tap(VK_RETURN);  // Apply on the last placeholder
  });
  EXPECT_EQ(back, "Home");
  EXPECT_EQ(form_->Mode(), MainMode::kExtended);
  EXPECT_EQ(T(MainControl::kListField), "Home\\pages\r\nHome\\en");
}

TEST_F(NameDialogsTest, AboutDialogShowsTheHistoryAndVersionAndKeepsItsSize) {
  files_.AddFile(kSettingsFile, "[WindowSize]\r\naboutForm_W=520\r\naboutForm_H=300\r\n");
  resources_.Add("whatsnew", "1.6.0.5\n- Typing replaces the suggestion\n");
  Win32Resources languages;
  AboutDialog about({files_, resources_, kSettingsFile,
                     [&] { return LoadBuiltInLanguage(languages, nullptr, "ENG"); }});
  ASSERT_TRUE(WhileShown(
      kAboutClass, [&] { about.ShowModal(GetModuleHandleA(nullptr), form_->hwnd()); },
      [&](HWND dialog) {
        EXPECT_EQ(TextOf(Item(dialog, AboutControl::kHistoryMemo)),
                  "1.6.0.5\r\n- Typing replaces the suggestion");
        const std::string version = TextOf(Item(dialog, AboutControl::kVersionLabel));
        EXPECT_NE(version.find("1.6.0.5"), std::string::npos) << version;
        ShotOf(dialog, "about");
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
      }));
  BigIniFile ini(files_, kSettingsFile);
  EXPECT_EQ(ini.ReadInteger("WindowSize", "aboutForm_W", 0), 520);
  EXPECT_EQ(ini.ReadInteger("WindowSize", "aboutForm_H", 0), 300);
}

}  // namespace
}  // namespace kestrix
