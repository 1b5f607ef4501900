// Every text fits its control: the main window in its three modes, the configuration pages,
// the template manager, the About dialog and the installer, made in each of the ten
// languages, and again after a switch from English to German in the configuration dialog.
// Each caption is measured in its control's font against the room the control leaves it.
#include <gtest/gtest.h>

#include "platform/win32/resource_win32.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/installer/installer_form.h"
#include "ui/main_form_fixture.h"
#include "window/dpi_win32.h"
// After the Windows headers it needs.
#include <commctrl.h>

namespace kestrix {
namespace {

// The extent of `text` in `control`'s font: one line, or wrapped to `wrap_width`.
SIZE Extent(HWND control, const std::wstring& text, int wrap_width, UINT flags) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT rect = {0, 0, wrap_width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
            DT_CALCRECT | flags | (wrap_width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {rect.right, rect.bottom};
}

// "window: id "text" needs N px, has M" for every text of `window`'s controls that does not
// fit: a caption beside a check box's glyph, inside a button's edges or a group's frame, a
// label's wrapped lines within its height, list column titles and drop-down list entries.
void AddMisfits(const std::string& where, HWND window, std::vector<std::string>& misfits) {
  // The controls are the window's own children (the pages' too).
  for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t class_name[64] = {}, text[512] = {};
    GetClassNameW(c, class_name, 64);
    const std::wstring kind = class_name;
    const std::wstring caption(text, static_cast<size_t>(GetWindowTextW(c, text, 512)));
    const LONG style = GetWindowLongW(c, GWL_STYLE);
    RECT client;
    GetClientRect(c, &client);
    std::vector<std::pair<std::wstring, int>> needs;  // text, room
    int height = 0, wrapped_height = 0, wrapped_width = 0;
    if (kind == L"Button" && !caption.empty()) {
      const LONG type = style & BS_TYPEMASK;
      const bool box = type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || type == BS_RADIOBUTTON ||
                       type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
      const int margin = box                   ? GetSystemMetrics(SM_CXMENUCHECK) + Scale96(4)
                         : type == BS_GROUPBOX ? Scale96(16)
                                               : Scale96(6);
      needs.push_back({caption, client.right - margin});
      if ((style & BS_MULTILINE) != 0) {
        height = client.bottom;
        wrapped_height = Extent(c, caption, client.right - margin, 0).cy;
      }
    } else if (kind == L"Static" && !caption.empty() && (style & SS_ELLIPSISMASK) == 0 &&
               ((style & SS_TYPEMASK) <= SS_RIGHT || (style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP)) {
      const UINT prefix = (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
      const bool wraps = (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP;
      const SIZE wrapped = Extent(c, caption, wraps ? std::max<int>(client.right, 1) : 0, prefix);
      needs.push_back({caption, client.right});
      std::tie(wrapped_width, wrapped_height, height) =
          std::tuple(wrapped.cx, wrapped.cy, client.bottom);
    } else if (kind == L"ComboBox") {
      const int room = static_cast<int>(SendMessageW(c, CB_GETDROPPEDWIDTH, 0, 0)) -
                       GetSystemMetrics(SM_CXVSCROLL) - Scale96(4);
      for (int i = 0; i < SendMessageW(c, CB_GETCOUNT, 0, 0); ++i) {
        std::wstring item(static_cast<size_t>(SendMessageW(c, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        item.resize(static_cast<size_t>(
            SendMessageW(c, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        needs.push_back({item, room});
      }
    } else if (kind == WC_LISTVIEWW) {
      for (int i = 0; i < Header_GetItemCount(ListView_GetHeader(c)); ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = text;
        column.cchTextMax = 512;
        SendMessageW(c, LVM_GETCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
        needs.push_back({text, column.cx - Scale96(12)});
      }
    }
    for (const auto& [shown, room] : needs) {
      const UINT prefix = kind == L"Button" ? 0 : DT_NOPREFIX;
      const int width = wrapped_width > 0 ? wrapped_width : Extent(c, shown, 0, prefix).cx;
      if (width > room || wrapped_height > height)
        misfits.push_back(
            Concat({where, ": ", std::to_string(GetDlgCtrlID(c)), " \"", Utf8(shown), "\" needs ",
                    std::to_string(width), "x", std::to_string(wrapped_height), " px, has ",
                    std::to_string(room), "x", std::to_string(height)}));
    }
  }
}

// The language the windows start in, and the one the configuration dialog switches to
// before they are measured (none: no switch).
struct Languages {
  const char* start;
  const char* switched = nullptr;
};

class TextFitTest : public MainFormFixture, public ::testing::WithParamInterface<Languages> {
 protected:
  void BeforeCreate() override {
    files_.AddFile(kSettingsFile, Concat({"[Language]\r\nCurrentLng=", GetParam().start,
                                          "\r\n[PrefixList]\r\n0=Disc %Y-%N-%D, side \r\n"}));
    for (const BuiltInLanguage& language : kBuiltInLanguages) {
      std::string text;
      Win32Resources().ReadData(LanguageResourceName(language.id), text);
      resources_.Add(LanguageResourceName(language.id), text);
    }
  }
};

TEST_P(TextFitTest, EveryTextFitsItsControl) {
  std::string language = GetParam().start;
  if (GetParam().switched != nullptr) {
    // The Language page's list, chosen by keys as the user does; OK clicked.
    language = GetParam().switched;
    ASSERT_TRUE(InConfiguration([&](HWND dialog) {
      HWND tabs = Item(dialog, ConfigControl::kTabs);
      RECT tab = {};
      TabCtrl_GetItemRect(tabs, static_cast<int>(ConfigPage::kLanguage), &tab);
      ClickOn(tabs, {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
      Pump();
      HWND list = Item(dialog, ConfigControl::kLanguageBox);
      SetFocus(list);
      Press(VK_HOME);
      while (TextOf(list).rfind(language, 0) != 0 && SendMessageW(list, CB_GETCURSEL, 0, 0) < 12)
        Press(VK_DOWN);
      ClickOn(GetDlgItem(dialog, IDOK));
      Pump();
    }));
  }
  std::vector<std::string> misfits;
  for (const char* mode : {"Normal", "Extended", "Batch"}) {
    if (form_->Mode() == MainMode::kBatch) {
      // The prefix list fills as it opens.
      SendMessageW(C(MainControl::kPrefixBox), CB_SHOWDROPDOWN, TRUE, 0);
      SendMessageW(C(MainControl::kPrefixBox), CB_SHOWDROPDOWN, FALSE, 0);
      Pump();
    }
    AddMisfits(Concat({language, " main window, ", mode}), form_->hwnd(), misfits);
    Key(form_->Mode() == MainMode::kNormal ? form_->MkDirEdit() : C(MainControl::kListField),
        VK_F3);
  }
  if (GetParam().switched != nullptr) {
    SetForegroundWindow(form_->hwnd());
    HandleInput();
    ShotOf(form_->hwnd(), ("language-switch-" + AsciiLowerCase(language)).c_str());
  }
  ASSERT_TRUE(InConfiguration([&](HWND dialog) {
    AddMisfits(language + " configuration", dialog, misfits);
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }));
  ASSERT_TRUE(WhileShown(
      "TManageTemplates", [&] { Key(form_->MkDirEdit(), 'M', {VK_CONTROL}); },
      [&](HWND dialog) {
        AddMisfits(language + " template manager", dialog, misfits);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      }));
  Win32Resources built_in;
  AboutDialog about({files_, resources_, kSettingsFile,
                     [&] { return LoadBuiltInLanguage(built_in, nullptr, language); }});
  ASSERT_TRUE(WhileShown(
      kAboutClass, [&] { about.ShowModal(GetModuleHandleA(nullptr), form_->hwnd()); },
      [&](HWND dialog) {
        AddMisfits(language + " About", dialog, misfits);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
      }));
  // The installer, with its uninstall texts, which are the longer ones.
  files_.AddFile("C:\\TC\\wincmd.ini", "[Configuration]\r\n");
  files_.AddFile("C:\\TC\\TOTALCMD64.exe", "");
  environment_.Set("COMMANDER_PATH", "C:\\TC");
  environment_.Set("COMMANDER_INI", "C:\\TC\\wincmd.ini");
  InstallerForm installer(
      {files_, environment_, resources_, code_page_, boxes_, kExe, {"/LNG=" + language}});
  ASSERT_TRUE(installer.Create(GetModuleHandleA(nullptr)));
  SendMessageW(Item(installer.hwnd(), InstallerControl::kNoKeyOption), BM_CLICK, 0, 0);
  AddMisfits(language + " installer", installer.hwnd(), misfits);
  EXPECT_EQ(JoinLines(misfits), "");
}

INSTANTIATE_TEST_SUITE_P(
    Languages, TextFitTest,
    ::testing::Values(Languages{"ENG"}, Languages{"HUN"}, Languages{"RUS"}, Languages{"DUT"},
                      Languages{"ESP"}, Languages{"DEU"}, Languages{"DAN"}, Languages{"CHN"},
                      Languages{"UKR"}, Languages{"KOR"}, Languages{"ENG", "DEU"}),
    [](const auto& info) {
      return Concat({info.param.start, info.param.switched ? info.param.switched : ""});
    });

}  // namespace
}  // namespace kestrix
