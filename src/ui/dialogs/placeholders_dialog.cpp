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
    {"STATIC", program::kPlaceholderCaption, kLabel, PlaceholderControl::kIntroLabel,
     At(10, 8, 284, 14)},
    {"BUTTON", "", spec::kGroupBox, PlaceholderControl::kGroup, At(6, 24, 288, 80)},
    {"STATIC", Caption(program::kPlaceholder, ":"), kLabel, PlaceholderControl::kPlaceholderLabel,
     At(16, 45, 90, 14)},
    {"EDIT", "", spec::kShown | ES_READONLY | ES_AUTOHSCROLL | WS_BORDER,
     PlaceholderControl::kPlaceholderField, At(110, 42, 70, 21)},
    {"STATIC", "", kLabel, PlaceholderControl::kPositionLabel, At(190, 45, 90, 14)},
    {"STATIC", Caption(program::kReplacement, ":"), kLabel, PlaceholderControl::kReplacementLabel,
     At(16, 75, 90, 14)},
    {"EDIT", "", spec::kEdit, PlaceholderControl::kReplacementField, At(110, 72, 174, 21)},
    {"BUTTON", buttons::kBtnPrevious, spec::kPush, PlaceholderControl::kPreviousButton,
     At(6, 114, 70, 24)},
    {"BUTTON", buttons::kBtnNext, spec::kDefaultPush, PlaceholderControl::kNextButton,
     At(80, 114, 70, 24)},
    {"BUTTON", buttons::kBtnApply, spec::kPush, IDOK, At(152, 114, 70, 24)},
    {"BUTTON", buttons::kBtnCancel, spec::kPush, IDCANCEL, At(224, 114, 70, 24)},
};

}  // namespace

PlaceholdersDialog::PlaceholdersDialog(const LanguageTable& language,
                                       std::vector<std::string> placeholders, std::string structure)
    : Dialog("TPlaceholders", "", kClientWidth, kClientHeight),
      language_(language),
      session_(std::move(placeholders)),
      structure_(std::move(structure)) {}

bool PlaceholdersDialog::OnInit() {
  if (session_.Count() == 0) return false;
  Control(hwnd()).SetText(Text(lng::program::kPlaceholders));
  SetClientSize(kClientWidth, kClientHeight);
  CreateControls(kControls, language_);
  replacement_ = Edit(Item(PlaceholderControl::kReplacementField));
  ShowPlaceholder("");
  return true;
}

void PlaceholdersDialog::ShowPlaceholder(const std::string& replacement) {
  Control(Item(PlaceholderControl::kPlaceholderField)).SetText(session_.Shown());
  // Setting the same text would record it for the placeholder now shown.
  if (replacement_.Text() != replacement) replacement_.SetText(replacement);
  Control(Item(PlaceholderControl::kPositionLabel)).SetText(session_.PositionText());
  Button(Item(PlaceholderControl::kNextButton)).Enable(session_.NextEnabled());
  Button(Item(PlaceholderControl::kPreviousButton)).Enable(session_.PreviousEnabled());
  if (!Trim(session_.Shown()).empty()) {
    replacement_.Focus();
    replacement_.SelectAll();
  }
}

void PlaceholdersDialog::ShowNextPlaceholder() {
  ShowPlaceholder(session_.Next(replacement_.Text()));
}

void PlaceholdersDialog::ShowPreviousPlaceholder() {
  ShowPlaceholder(session_.Previous(replacement_.Text()));
}

void PlaceholdersDialog::AcceptPlaceholders() {
  substituted_ = session_.Apply(replacement_.Text(), structure_);
  EndDialog(IDOK);
}

bool PlaceholdersDialog::OnCommand(ControlId id, int code, HWND) {
  switch (static_cast<PlaceholderControl>(id)) {
    case PlaceholderControl::kReplacementField:
      if (code == EN_CHANGE) session_.Typed(replacement_.Text());
      return true;
    case PlaceholderControl::kNextButton:
      if (code == BN_CLICKED) ShowNextPlaceholder();
      return true;
    case PlaceholderControl::kPreviousButton:
      if (code == BN_CLICKED) ShowPreviousPlaceholder();
      return true;
    default:
      break;
  }
  return false;
}

void PlaceholdersDialog::OnOk() {
  // Enter is Next while there is a next placeholder, and Apply on the last one.
  if (GetFocus() != Item(IDOK) && session_.NextEnabled()) {
    ShowNextPlaceholder();
    return;
  }
  AcceptPlaceholders();
}

}  // namespace kestrix
