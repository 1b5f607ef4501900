#include "ui/about_dialog.h"

#include <algorithm>

#include "base/program_version.h"
#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "settings/settings.h"
#include "ui/controls.h"
#include "ui/dpi_win32.h"
#include "ui/user_guide_win32.h"
// After the Windows headers they need.
#include <shellapi.h>

namespace kestrix {

namespace {

constexpr COLORREF kLinkColor = RGB(0, 102, 204);
constexpr int kMinWidth = 360;
constexpr int kMinHeight = 260;

int ReadSize(TBigIniFile& ini, Setting id, int minimum) {
  const int value = SettingsAccess(ini).Integer(id);
  return value < minimum ? minimum : value;
}

}  // namespace

std::string HistoryText(const std::string& resource_bytes) {
  return JoinLines(SplitLines(resource_bytes));
}

TAboutForm::TAboutForm(AboutContext context)
    : Dialog(kAboutClass, "", 480, 288), context_(std::move(context)) {}

bool TAboutForm::OnInit() {
  language_ = context_.language();
  int width = 480, height = 288;
  release_page_ = KeyOf(Setting::ReleasePage).default_value;
  try {
    TBigIniFile ini(context_.files, context_.settings_path);
    width = ReadSize(ini, Setting::AboutFormWidth, kMinWidth);
    height = ReadSize(ini, Setting::AboutFormHeight, kMinHeight);
    const std::string page = SettingsAccess(ini).TrimmedText(Setting::ReleasePage);
    if (!page.empty()) release_page_ = page;
  } catch (const InOutError&) {
    // The designed size and the default address.
  }
  SetWindowLongPtrA(hwnd(), GWL_STYLE, GetWindowLongPtrA(hwnd(), GWL_STYLE) | WS_THICKFRAME);
  SetWindowPos(hwnd(), nullptr, 0, 0, Scale96(width), Scale96(height),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  AddControl("STATIC", "", 0, kAbout_lbl_product, 0, 0, 10, 10);
  AddControl("STATIC", "", 0, kAbout_lbl_version, 0, 0, 10, 10);
  AddControl("EDIT", "",
             ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
             kAbout_memo_history, 0, 0, 10, 10);
  AddControl("STATIC", "", 0, kAbout_lbl_libraries, 0, 0, 10, 10);
  AddControl("STATIC", "", 0, kAbout_lbl_developer, 0, 0, 10, 10);
  AddControl("STATIC", "", 0, kAbout_lbl_note, 0, 0, 10, 10);
  AddControl("STATIC", "", SS_NOTIFY, kAbout_lbl_contact, 0, 0, 10, 10);
  AddControl("STATIC", "", SS_NOTIFY, kAbout_lnk_update, 0, 0, 10, 10);
  AddControl("BUTTON", "", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 0, 0, 10, 10);
  LOGFONTA font = {};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  LOGFONTA title = font;
  title.lfWeight = FW_BOLD;
  title.lfHeight = title.lfHeight * 3 / 2;
  title_font_ = CreateFontIndirectA(&title);
  font.lfUnderline = TRUE;
  link_font_ = CreateFontIndirectA(&font);
  SendMessageA(Control(kAbout_lbl_product), WM_SETFONT, reinterpret_cast<WPARAM>(title_font_), 0);
  for (int id : {kAbout_lbl_contact, kAbout_lnk_update})
    SendMessageA(Control(id), WM_SETFONT, reinterpret_cast<WPARAM>(link_font_), 0);
  std::string history;
  if (context_.resources.ReadData("whatsnew", history) == 0)
    SetWindowTextA(Control(kAbout_memo_history), HistoryText(history).c_str());
  SetWindowTextA(Control(kAbout_lbl_product), "Total Commander Kestrix");
  ApplyCaptions();
  Layout();
  return true;
}

void TAboutForm::ApplyCaptions() {
  using namespace lng;
  SetWindowTextA(hwnd(), language_.Text(about::kTitle).c_str());
  const char* build = sizeof(void*) == 8 ? "x64" : "x86";
  const std::string version =
      Concat({FormatLanguageText(language_.Text(about::kVersion), kProgramVersion), "    ",
              FormatLanguageText(language_.Text(about::kBuild), build)});
  SetWindowTextA(Control(kAbout_lbl_version), version.c_str());
  SetWindowTextA(Control(kAbout_lbl_libraries), language_.Text(about::kLibraries).c_str());
  SetWindowTextA(Control(kAbout_lbl_developer),
                 Concat({language_.Text(install::kDeveloper), " Kestrix"}).c_str());
  SetWindowTextA(Control(kAbout_lbl_note), language_.Text(install::kAuthorNote).c_str());
  SetWindowTextA(Control(kAbout_lbl_contact),
                 Concat({language_.Text(config_dialog::kContact), " ", kContactAddress}).c_str());
  SetWindowTextA(Control(kAbout_lnk_update), language_.Text(install::kCheckVersion).c_str());
  SetWindowTextA(Control(IDOK), language_.Text(buttons::kBtnClose).c_str());
}

// Everything keeps its place at the left; the history takes what the window grows by.
void TAboutForm::Layout() {
  RECT client = {};
  GetClientRect(hwnd(), &client);
  const int w = client.right, h = client.bottom;
  const int m = Scale96(10), line = Scale96(18);
  auto place = [&](int id, int x, int y, int width, int height) {
    MoveWindow(Control(id), x, y, width, height, TRUE);
  };
  place(kAbout_lbl_product, m, m, w - 2 * m, Scale96(24));
  place(kAbout_lbl_version, m, m + Scale96(26), w - 2 * m, line);
  const int bottom_block = 4 * line + Scale96(40);
  const int history_top = m + Scale96(48);
  place(kAbout_memo_history, m, history_top, w - 2 * m,
        std::max(Scale96(40), h - history_top - bottom_block));
  int y = h - bottom_block + Scale96(6);
  place(kAbout_lbl_libraries, m, y, w - 2 * m, 2 * line);
  y += 2 * line;
  place(kAbout_lbl_developer, m, y, (w - 2 * m) / 3, line);
  place(kAbout_lbl_note, m + (w - 2 * m) / 3, y, 2 * (w - 2 * m) / 3, line);
  y += line;
  place(kAbout_lbl_contact, m, y, w - 2 * m, line);
  place(kAbout_lnk_update, m, h - m - Scale96(24), w / 2, line);
  place(IDOK, w - m - Scale96(80), h - m - Scale96(26), Scale96(80), Scale96(26));
}

void TAboutForm::SaveSize() {
  RECT own = {};
  if (!GetWindowRect(hwnd(), &own)) return;
  try {
    TBigIniFile ini(context_.files, context_.settings_path);
    SettingsAccess s(ini);
    s.WriteInteger(Setting::AboutFormWidth, MulDiv(own.right - own.left, 96, SystemDpi()));
    s.WriteInteger(Setting::AboutFormHeight, MulDiv(own.bottom - own.top, 96, SystemDpi()));
  } catch (const InOutError&) {
    // Only the size is lost.
  }
}

bool TAboutForm::OnCommand(int id, int code, HWND) {
  if (code != STN_CLICKED) return false;
  if (id == kAbout_lnk_update) {
    if (release_page_.empty())
      OpenUserGuideSection(hwnd(), kGuideVersions);
    else
      ShellExecuteA(hwnd(), "open", release_page_.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return true;
  }
  if (id == kAbout_lbl_contact) {
    OpenUserGuideSection(hwnd(), kGuideProblems);
    return true;
  }
  return false;
}

// The language is read again on every activation.
void TAboutForm::OnActivate() {
  if (!context_.language) return;
  language_ = context_.language();
  ApplyCaptions();
}

LRESULT TAboutForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      if (Control(IDOK) != nullptr) Layout();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      info->ptMinTrackSize = {Scale96(kMinWidth), Scale96(kMinHeight)};
      return 0;
    }
    case WM_CTLCOLORSTATIC: {
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lparam));
      if (id == kAbout_lbl_contact || id == kAbout_lnk_update) {
        HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, kLinkColor);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    }
    case WM_DESTROY:
      SaveSize();
      for (HFONT* font : {&title_font_, &link_font_})
        if (*font != nullptr) {
          DeleteObject(*font);
          *font = nullptr;
        }
      break;
  }
  return Dialog::HandleMessage(message, wparam, lparam);
}

}  // namespace kestrix
