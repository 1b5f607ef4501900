#include "ui/placeholders_dialog.h"

#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "ui/dialog_ids.h"
#include "ui/dpi_win32.h"

namespace kestrix {

namespace {

constexpr int kClientWidth = 300;
constexpr int kClientHeight = 146;

}  // namespace

TPlaceholders::TPlaceholders(const LanguageTable& language, std::vector<std::string> placeholders,
                             std::string structure)
    : Dialog("TPlaceholders", "", kClientWidth, kClientHeight),
      language_(language),
      session_(std::move(placeholders)),
      structure_(std::move(structure)) {}

bool TPlaceholders::OnInit() {
  if (session_.Count() == 0) return false;
  SetWindowTextA(hwnd(), Text(lng::program::kPlaceholders).c_str());
  RECT outer = {0, 0, Scale96(kClientWidth), Scale96(kClientHeight)};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE)));
  SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  AddControl("STATIC", Text(lng::program::kPlaceholderCaption).c_str(), SS_NOPREFIX,
             kId_Label21Placeholders, 10, 8, 284, 14);
  AddControl("BUTTON", "", BS_GROUPBOX, kId_grpbox_Placeholders, 6, 24, 288, 80);
  AddControl("STATIC", (Text(lng::program::kPlaceholder) + ":").c_str(), SS_NOPREFIX,
             kId_Label1Placeholder, 16, 45, 90, 14);
  AddControl("EDIT", "", ES_READONLY | ES_AUTOHSCROLL | WS_BORDER, kId_edit_placeHolder, 110, 42,
             70, 21);
  AddControl("STATIC", "", SS_NOPREFIX, kId_Label3Position, 190, 45, 90, 14);
  AddControl("STATIC", (Text(lng::program::kReplacement) + ":").c_str(), SS_NOPREFIX,
             kId_Label2Replacement, 16, 75, 90, 14);
  replacement_ = Edit(AddControl("EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                                 kId_edit_Replacement, 110, 72, 174, 21));
  AddControl("BUTTON", Text(lng::buttons::kBtnPrevious).c_str(), BS_PUSHBUTTON | WS_TABSTOP,
             kId_btn_previous, 6, 114, 70, 24);
  AddControl("BUTTON", Text(lng::buttons::kBtnNext).c_str(), BS_DEFPUSHBUTTON | WS_TABSTOP,
             kId_btn_next, 80, 114, 70, 24);
  AddControl("BUTTON", Text(lng::buttons::kBtnApply).c_str(), BS_PUSHBUTTON | WS_TABSTOP, IDOK,
             150 + 2, 114, 70, 24);
  AddControl("BUTTON", Text(lng::buttons::kBtnCancel).c_str(), BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL,
             224, 114, 70, 24);
  ShowPlaceholder("");
  return true;
}

void TPlaceholders::ShowPlaceholder(const std::string& replacement) {
  Control(Item(kId_edit_placeHolder)).SetText(session_.Shown());
  // Setting the same text would record it for the placeholder now shown.
  if (replacement_.Text() != replacement) replacement_.SetText(replacement);
  Control(Item(kId_Label3Position)).SetText(session_.PositionText());
  Button(Item(kId_btn_next)).Enable(session_.NextEnabled());
  Button(Item(kId_btn_previous)).Enable(session_.PreviousEnabled());
  if (!Trim(session_.Shown()).empty()) {
    replacement_.Focus();
    replacement_.SelectAll();
  }
}

void TPlaceholders::btn_nextClick() {
  ShowPlaceholder(session_.Next(replacement_.Text()));
}

void TPlaceholders::btn_previousClick() {
  ShowPlaceholder(session_.Previous(replacement_.Text()));
}

void TPlaceholders::btn_acceptClick() {
  substituted_ = session_.Apply(replacement_.Text(), structure_);
  EndDialog(IDOK);
}

bool TPlaceholders::OnCommand(int id, int code, HWND) {
  switch (id) {
    case kId_edit_Replacement:
      if (code == EN_CHANGE) session_.Typed(replacement_.Text());
      return true;
    case kId_btn_next:
      if (code == BN_CLICKED) btn_nextClick();
      return true;
    case kId_btn_previous:
      if (code == BN_CLICKED) btn_previousClick();
      return true;
  }
  return false;
}

void TPlaceholders::OnOk() {
  // Enter is Next while there is a next placeholder, and Apply on the last one.
  if (GetFocus() != Item(IDOK) && session_.NextEnabled()) {
    btn_nextClick();
    return;
  }
  btn_acceptClick();
}

}  // namespace kestrix
