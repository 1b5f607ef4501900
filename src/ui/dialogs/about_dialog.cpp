#include "ui/dialogs/about_dialog.h"

#include "app/user_guide_win32.h"
#include "base/program_version.h"
#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "settings/settings.h"
#include "window/controls.h"
#include "window/dpi_win32.h"

namespace kestrix {

namespace {

constexpr COLORREF kLinkColor = RGB(0, 102, 204);
constexpr int kMinWidth = 360;
constexpr int kMinHeight = 260;

// Everything keeps its place at the left; the history takes what the window grows by. The
// places are written for a client area of 464 x 250.
constexpr int kDesignWidth = 464;
constexpr int kDesignHeight = 250;
constexpr DWORD kLabel = spec::kShown;
constexpr DWORD kLink = spec::kShown | SS_NOTIFY;
constexpr ControlSpec kControls[] = {
    {"STATIC", "Total Commander Kestrix", kLabel, AboutControl::kProductLabel, At(10, 10, 444, 24),
     Anchor::kWidth},
    {"STATIC", "", kLabel, AboutControl::kVersionLabel, At(10, 36, 444, 18), Anchor::kWidth},
    {"EDIT", "",
     spec::kShown | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER |
         WS_TABSTOP,
     AboutControl::kHistoryMemo, At(10, 58, 444, 80), Anchor::kSize},
    {"STATIC", lng::about::kLibraries, kLabel, AboutControl::kLibrariesLabel, At(10, 144, 444, 36),
     Anchor::kBottom | Anchor::kWidth},
    {"STATIC", "", kLabel, AboutControl::kDeveloperLabel, At(10, 180, 148, 18), Anchor::kBottom},
    {"STATIC", lng::install::kAuthorNote, kLabel, AboutControl::kNoteLabel, At(158, 180, 296, 18),
     Anchor::kBottom | Anchor::kWidth},
    {"STATIC", "", kLink, AboutControl::kContactLabel, At(10, 198, 444, 18),
     Anchor::kBottom | Anchor::kWidth},
    {"STATIC", lng::install::kCheckVersion, kLink, AboutControl::kUpdateLink, At(10, 216, 232, 18),
     Anchor::kBottom},
    {"BUTTON", lng::buttons::kBtnClose, spec::kDefaultPush, IDOK, At(374, 214, 80, 26),
     Anchor::kBottomRight},
};

int ReadSize(BigIniFile& ini, Setting id, int minimum) {
  const int value = SettingsAccess(ini).Integer(id);
  return value < minimum ? minimum : value;
}

}  // namespace

std::string HistoryText(const std::string& resource_bytes) {
  return JoinLines(SplitLines(resource_bytes));
}

AboutDialog::AboutDialog(AboutContext context)
    : Dialog(kAboutClass, "", 480, 288), context_(std::move(context)) {}

bool AboutDialog::OnInit() {
  language_ = context_.language();
  int width = 480, height = 288;
  release_page_ = KeyOf(Setting::kReleasePage).default_value;
  try {
    BigIniFile ini(context_.files, context_.settings_path);
    width = ReadSize(ini, Setting::kAboutFormWidth, kMinWidth);
    height = ReadSize(ini, Setting::kAboutFormHeight, kMinHeight);
    const std::string page = SettingsAccess(ini).TrimmedText(Setting::kReleasePage);
    if (!page.empty()) release_page_ = page;
  } catch (const InOutError&) {
    // The designed size and the default address.
  }
  SetWindowLongPtrW(hwnd(), GWL_STYLE, GetWindowLongPtrW(hwnd(), GWL_STYLE) | WS_THICKFRAME);
  SetWindowPos(hwnd(), nullptr, 0, 0, Scale96(width), Scale96(height),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  CreateControls(kControls, language_, kDesignWidth, kDesignHeight);
  title_font_ = DialogFontWith({.bold = true, .height_percent = 150});
  link_font_ = DialogFontWith({.underline = true});
  SetFontOf(hwnd(), std::initializer_list<ControlId>{AboutControl::kProductLabel}, title_font_);
  SetFontOf(
      hwnd(),
      std::initializer_list<ControlId>{AboutControl::kContactLabel, AboutControl::kUpdateLink},
      link_font_);
  std::string history;
  if (context_.resources.ReadData("whatsnew", history) == 0)
    Control(Item(AboutControl::kHistoryMemo)).SetText(HistoryText(history));
  ApplyCaptions();
  return true;
}

void AboutDialog::ApplyCaptions() {
  using namespace lng;
  Control(hwnd()).SetText(language_.Text(about::kTitle));
  const char* build = sizeof(void*) == 8 ? "x64" : "x86";
  Control(Item(AboutControl::kVersionLabel))
      .SetText(Concat({FormatLanguageText(language_.Text(about::kVersion), kProgramVersion), "    ",
                       FormatLanguageText(language_.Text(about::kBuild), build)}));
  Control(Item(AboutControl::kDeveloperLabel))
      .SetText(Concat({language_.Text(install::kDeveloper), " Kestrix"}));
  Control(Item(AboutControl::kContactLabel))
      .SetText(Concat({language_.Text(config_dialog::kContact), " ", kContactAddress}));
  kestrix::ApplyCaptions(hwnd(), kControls, language_);
}

void AboutDialog::SaveSize() {
  RECT own = {};
  if (!GetWindowRect(hwnd(), &own)) return;
  try {
    BigIniFile ini(context_.files, context_.settings_path);
    SettingsAccess s(ini);
    s.WriteInteger(Setting::kAboutFormWidth, MulDiv(own.right - own.left, 96, SystemDpi()));
    s.WriteInteger(Setting::kAboutFormHeight, MulDiv(own.bottom - own.top, 96, SystemDpi()));
  } catch (const InOutError&) {
    // Only the size is lost.
  }
}

bool AboutDialog::OnCommand(ControlId id, int code, HWND) {
  if (code != STN_CLICKED) return false;
  if (id == AboutControl::kUpdateLink) {
    if (release_page_.empty())
      OpenUserGuideSection(hwnd(), kGuideVersions);
    else
      ShellOpen(hwnd(), release_page_);
    return true;
  }
  if (id == AboutControl::kContactLabel) {
    OpenUserGuideSection(hwnd(), kGuideProblems);
    return true;
  }
  return false;
}

// The language is read again on every activation.
void AboutDialog::OnActivate() {
  if (!context_.language) return;
  language_ = context_.language();
  ApplyCaptions();
}

LRESULT AboutDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      info->ptMinTrackSize = {Scale96(kMinWidth), Scale96(kMinHeight)};
      return 0;
    }
    case WM_CTLCOLORSTATIC: {
      const ControlId id = GetDlgCtrlID(reinterpret_cast<HWND>(lparam));
      if (id == AboutControl::kContactLabel || id == AboutControl::kUpdateLink) {
        HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, kLinkColor);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    }
    case WM_DESTROY:
      SaveSize();
      title_font_.reset();
      link_font_.reset();
      break;
  }
  return Dialog::HandleMessage(message, wparam, lparam);
}

}  // namespace kestrix
