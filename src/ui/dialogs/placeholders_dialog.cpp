#include "ui/dialogs/placeholders_dialog.h"

#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "ui/dialogs/dialog_ids.h"

namespace kestrix {

namespace {

constexpr int kClientWidth = 300;
constexpr int kClientHeight = 146;

using namespace lng;
constexpr DWORD kLabel = spec::kShown | SS_NOPREFIX;
constexpr ControlSpec kControls[] = {
    {"STATIC", program::kPlaceholderCaption, kLabel, kId_Label21Placeholders, At(10, 8, 284, 14)},
    {"BUTTON", "", spec::kGroupBox, kId_grpbox_Placeholders, At(6, 24, 288, 80)},
    {"STATIC", Caption(program::kPlaceholder, ":"), kLabel, kId_Label1Placeholder,
     At(16, 45, 90, 14)},
    {"EDIT", "", spec::kShown | ES_READONLY | ES_AUTOHSCROLL | WS_BORDER, kId_edit_placeHolder,
     At(110, 42, 70, 21)},
    {"STATIC", "", kLabel, kId_Label3Position, At(190, 45, 90, 14)},
    {"STATIC", Caption(program::kReplacement, ":"), kLabel, kId_Label2Replacement,
     At(16, 75, 90, 14)},
    {"EDIT", "", spec::kEdit, kId_edit_Replacement, At(110, 72, 174, 21)},
    {"BUTTON", buttons::kBtnPrevious, spec::kPush, kId_btn_previous, At(6, 114, 70, 24)},
    {"BUTTON", buttons::kBtnNext, spec::kDefaultPush, kId_btn_next, At(80, 114, 70, 24)},
    {"BUTTON", buttons::kBtnApply, spec::kPush, IDOK, At(152, 114, 70, 24)},
    {"BUTTON", buttons::kBtnCancel, spec::kPush, IDCANCEL, At(224, 114, 70, 24)},
};

}  // namespace

TPlaceholders::TPlaceholders(const LanguageTable& language, std::vector<std::string> placeholders,
                             std::string structure)
    : Dialog("TPlaceholders", "", kClientWidth, kClientHeight),
      language_(language),
      session_(std::move(placeholders)),
      structure_(std::move(structure)) {}

bool TPlaceholders::OnInit() {
  if (session_.Count() == 0) return false;
  Control(hwnd()).SetText(Text(lng::program::kPlaceholders));
  SetClientSize(kClientWidth, kClientHeight);
  CreateControls(kControls, language_);
  replacement_ = Edit(Item(kId_edit_Replacement));
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
