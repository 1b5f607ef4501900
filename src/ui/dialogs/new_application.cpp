#include "ui/dialogs/new_application.h"

#include <cstdio>

#include "base/text_utils.h"
#include "names/variable_error.h"
#include "settings/language_keys.h"
#include "settings/settings_model.h"
#include "ui/dialogs/dialog_ids.h"
#include "ui/messages.h"

namespace kestrix {

namespace {

constexpr int kClientWidth = 420;
constexpr int kClientHeight = 384;

using namespace lng;
constexpr DWORD kLabel = spec::kShown | SS_NOPREFIX;
constexpr DWORD kField = spec::kEdit;
// The method radio buttons and the handle labels are captioned in OnInit: their texts are
// made of several language texts.
constexpr ControlSpec kControls[] = {
    {"BUTTON", new_app::kChooseMethod, spec::kGroupBox, NewAppControl::kMethodGroup,
     At(6, 4, 408, 78)},
    {"BUTTON", "", spec::kFirstRadio, NewAppControl::kGetTextOption, At(16, 20, 390, 18)},
    {"BUTTON", "", spec::kRadio, NewAppControl::kCopyDataOption, At(16, 39, 390, 18)},
    {"BUTTON", "", spec::kRadio, NewAppControl::kWindowTextOption, At(16, 58, 390, 18)},
    {"BUTTON", new_app::kCorrectHandles, spec::kGroupBox | WS_GROUP, NewAppControl::kHandlesGroup,
     At(6, 86, 408, 72)},
    {"STATIC", "", kLabel, NewAppControl::kClassLabel, At(16, 107, 96, 14)},
    {"EDIT", "", kField, NewAppControl::kClassField, At(114, 104, 150, 21)},
    {"STATIC", "", kLabel, NewAppControl::kCaptionLabel, At(16, 132, 96, 14)},
    {"EDIT", "", kField, NewAppControl::kCaptionField, At(114, 129, 150, 21)},
    {"STATIC", "dwData:", kLabel, NewAppControl::kDwDataLabel, At(274, 107, 50, 14)},
    {"EDIT", "", kField, NewAppControl::kDwDataField, At(326, 104, 80, 21)},
    {"STATIC", "cbData:", kLabel, NewAppControl::kCbDataLabel, At(274, 132, 50, 14)},
    {"EDIT", "", kField | ES_NUMBER, NewAppControl::kCbDataField, At(326, 129, 62, 21)},
    {UPDOWN_CLASSA, "",
     spec::kShown | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
     NewAppControl::kCbDataSpin, At(388, 129, 16, 21)},
    {"BUTTON", new_app::kAdditionalFixes, spec::kGroupBox, NewAppControl::kFixesGroup,
     At(6, 162, 408, 104)},
    {"BUTTON", new_app::kUseTrim, spec::kCheck, NewAppControl::kTrimCheck, At(16, 178, 380, 18)},
    {"BUTTON", new_app::kCutTextFrom, spec::kCheck, NewAppControl::kCutLeftCheck,
     At(16, 199, 226, 18)},
    {"EDIT", "", kField, NewAppControl::kCutFromField, At(246, 197, 160, 21)},
    {"BUTTON", new_app::kCutTextTo, spec::kCheck, NewAppControl::kCutRightCheck,
     At(16, 222, 226, 18)},
    {"EDIT", "", kField, NewAppControl::kCutToField, At(246, 220, 160, 21)},
    {"BUTTON", new_app::kExtractFN, spec::kCheck, NewAppControl::kFileNameCheck,
     At(16, 244, 180, 18)},
    {"BUTTON", new_app::kRemoveExt, spec::kCheck, NewAppControl::kRemoveExtensionCheck,
     At(200, 244, 180, 18)},
    {"BUTTON", new_app::kMenuProp, spec::kGroupBox, NewAppControl::kNameGroup, At(6, 270, 272, 76)},
    {"STATIC", new_app::kIDitem, kLabel, NewAppControl::kIdLabel, At(16, 291, 30, 14)},
    {"EDIT", "", kField, NewAppControl::kIdField, At(48, 288, 52, 21)},
    {"STATIC", new_app::kNameitem, kLabel, NewAppControl::kNameLabel, At(108, 291, 44, 14)},
    {"EDIT", "", kField, NewAppControl::kNameField, At(154, 288, 116, 21)},
    {"STATIC", Caption(program::kTemplatePreview, ":"), kLabel, NewAppControl::kPreviewLabel,
     At(16, 320, 60, 14)},
    {"STATIC", "", spec::kShown | SS_NOPREFIX | SS_LEFTNOWORDWRAP | SS_SUNKEN,
     NewAppControl::kPreviewField, At(78, 318, 192, 18)},
    {"BUTTON", program::kTemplatePreview, spec::kGroupBox, NewAppControl::kPreviewGroup,
     At(284, 270, 130, 76)},
    {"STATIC", "-", spec::kShown | SS_CENTER | SS_SUNKEN, NewAppControl::kPreview,
     At(292, 288, 114, 50)},
    {"BUTTON", buttons::kBtnOK, spec::kDefaultPush, IDOK, At(256, 354, 76, 24)},
    {"BUTTON", buttons::kBtnCancel, spec::kPush, IDCANCEL, At(338, 354, 76, 24)},
};

constexpr ControlId kTextFields[] = {NewAppControl::kClassField,   NewAppControl::kCaptionField,
                                     NewAppControl::kDwDataField,  NewAppControl::kCbDataField,
                                     NewAppControl::kCutFromField, NewAppControl::kCutToField,
                                     NewAppControl::kIdField,      NewAppControl::kNameField};

}  // namespace

NewApplicationDialog::NewApplicationDialog(NewApplicationServices services)
    : Dialog("TNewApplication", "", kClientWidth, kClientHeight), services_(services) {}

bool NewApplicationDialog::OnInit() {
  Control(hwnd()).SetText(Text(new_app::kNewApp) + "...");
  SetClientSize(kClientWidth, kClientHeight);
  CreateControls(kControls, services_.language);
  const std::string example = Text(new_app::kForExampleShort);
  const std::string window = Text(config::kWindow);
  const std::pair<ControlId, std::string> captions[] = {
      {NewAppControl::kGetTextOption,
       Concat({Text(new_app::kDefault), " (SendMessage && WM_GETTEXT) [", example, " Winamp]"})},
      {NewAppControl::kCopyDataOption,
       Concat({"SendMessage (WM_COPYDATA) [", example, " BS.Player]"})},
      {NewAppControl::kWindowTextOption,
       Concat({"GetWindowText [", example, " VideoLAN VLC Player]"})},
      {NewAppControl::kClassLabel, Concat({window, " ", Text(new_app::kClass), ":"})},
      {NewAppControl::kCaptionLabel, Concat({window, " ", Text(new_app::kCaption), ":"})}};
  for (const auto& [id, text] : captions) Control(Item(id)).SetText(text);
  UpDown(Item(NewAppControl::kCbDataSpin)).SetBuddy(Item(NewAppControl::kCbDataField));
  UpDown(Item(NewAppControl::kCbDataSpin)).SetRange(0, kMaxCopyDataLength);
  Edit(Item(NewAppControl::kIdField)).LimitText(kMaxIdLength);
  keys_.SetErrorLogger(Logger());
  for (ControlId id : kTextFields) keys_.Subclass(Item(id));
  fields_ = NewAppFields{};
  ShowFields();
  // The class field takes the focus once the dialog has given it to its first control.
  PostMessageW(hwnd(), kMsg_AfterActivation, 1, 0);
  return true;
}

namespace {

// Which field of the dialog shows which value, for showing and reading alike.
struct TextBinding {
  ControlId id;
  std::string NewAppFields::*value;
};
struct FlagBinding {
  ControlId id;
  bool NewAppFields::*value;
};
constexpr TextBinding kTextBindings[] = {
    {NewAppControl::kClassField, &NewAppFields::window_class},
    {NewAppControl::kCaptionField, &NewAppFields::window_caption},
    {NewAppControl::kDwDataField, &NewAppFields::dw_data},
    {NewAppControl::kCbDataField, &NewAppFields::cb_data},
    {NewAppControl::kCutFromField, &NewAppFields::cut_from},
    {NewAppControl::kCutToField, &NewAppFields::cut_to},
    {NewAppControl::kIdField, &NewAppFields::id},
    {NewAppControl::kNameField, &NewAppFields::name}};
constexpr FlagBinding kCheckBindings[] = {
    {NewAppControl::kTrimCheck, &NewAppFields::trim},
    {NewAppControl::kCutLeftCheck, &NewAppFields::cut_left},
    {NewAppControl::kCutRightCheck, &NewAppFields::cut_right},
    {NewAppControl::kFileNameCheck, &NewAppFields::extract_file_name},
    {NewAppControl::kRemoveExtensionCheck, &NewAppFields::remove_extension}};
constexpr FlagBinding kEnabledBindings[] = {
    {NewAppControl::kClassField, &NewAppFields::class_enabled},
    {NewAppControl::kCaptionField, &NewAppFields::caption_enabled}};

}  // namespace

void NewApplicationDialog::ShowFields() {
  showing_ = true;
  const NewAppFields& f = fields_;
  Check(Item(NewAppControl::kGetTextOption)).SetChecked(f.method == kMethodWindowText);
  Check(Item(NewAppControl::kCopyDataOption)).SetChecked(f.method == kMethodCopyData);
  Check(Item(NewAppControl::kWindowTextOption)).SetChecked(f.method == kMethodWindowCaption);
  for (const TextBinding& b : kTextBindings) Control(Item(b.id)).SetText(f.*b.value);
  for (const FlagBinding& b : kCheckBindings) Check(Item(b.id)).SetChecked(f.*b.value);
  for (const FlagBinding& b : kEnabledBindings) Control(Item(b.id)).Enable(f.*b.value);
  for (ControlId id :
       {NewAppControl::kDwDataField, NewAppControl::kCbDataField, NewAppControl::kCbDataSpin,
        NewAppControl::kDwDataLabel, NewAppControl::kCbDataLabel})
    Control(Item(id)).Enable(f.copy_data_enabled);
  Control(Item(NewAppControl::kPreviewField)).SetText(MenuCaptionPreview(f.id, f.name));
  showing_ = false;
}

void NewApplicationDialog::ReadFields() {
  NewAppFields& f = fields_;
  for (const TextBinding& b : kTextBindings) f.*b.value = Control(Item(b.id)).Text();
  for (const FlagBinding& b : kCheckBindings) f.*b.value = Check(Item(b.id)).Checked();
  for (const FlagBinding& b : kEnabledBindings) f.*b.value = Control(Item(b.id)).Enabled();
}

void NewApplicationDialog::ChooseMethod(int method) {
  ReadFields();
  PrepareMethod(fields_, method);
  ShowFields();
  if (method == kMethodWindowCaption) {
    Edit caption(Item(NewAppControl::kCaptionField));
    caption.Focus();
    caption.SelectAll();
  }
  SetTimer(hwnd(), kTimer_Preview, 500, nullptr);
  RefreshPreview();
}

void NewApplicationDialog::RefreshPreview() {
  ReadFields();
  UserAppReaders readers{services_.platform.windows, services_.platform.shared_memory,
                         services_.platform.locale, services_.platform.application_window, ""};
  std::string value = "-";
  try {
    value = EvaluateUserApp(Trim(fields_.id), ApplicationOf(fields_), readers, true);
  } catch (const VariableError&) {
    // A dwData that is no number yet: the preview shows no value while it is typed.
  }
  Control(Item(NewAppControl::kPreview)).SetText(PreviewCaption(value));
}

void NewApplicationDialog::FieldChanged(ControlId id) {
  if (showing_) return;
  Control field(Item(id));
  const std::string text = field.Text();
  switch (static_cast<NewAppControl>(id)) {
    case NewAppControl::kCutFromField:
      Check(Item(NewAppControl::kCutLeftCheck)).SetChecked(CutBoxFor(text));
      return;
    case NewAppControl::kCutToField:
      Check(Item(NewAppControl::kCutRightCheck)).SetChecked(CutBoxFor(text));
      return;
    case NewAppControl::kDwDataField:
    case NewAppControl::kCbDataField:
    case NewAppControl::kIdField: {
      const NewAppField kind = id == NewAppControl::kDwDataField   ? NewAppField::kDwData
                               : id == NewAppControl::kCbDataField ? NewAppField::kCbData
                                                                   : NewAppField::kId;
      if (text.empty()) {
        showing_ = true;
        field.SetText(CorrectedField(kind, text));
        Edit(field.hwnd()).SelectAll();
        showing_ = false;
      }
      break;
    }
    default:
      break;
  }
  if (id == NewAppControl::kIdField || id == NewAppControl::kNameField)
    Control(Item(NewAppControl::kPreviewField))
        .SetText(MenuCaptionPreview(Control(Item(NewAppControl::kIdField)).Text(),
                                    Control(Item(NewAppControl::kNameField)).Text()));
}

std::optional<LRESULT> NewApplicationDialog::FieldKey(HWND edit, UINT message, WPARAM wparam) {
  const ControlId id = GetDlgCtrlID(edit);
  const bool filtered = id == NewAppControl::kDwDataField || id == NewAppControl::kIdField;
  if (message == WM_CHAR) {
    const char c = AsciiOfTyped(wparam);
    if (c == 1) {
      Edit(edit).SelectAll();
      return 0;
    }
    if (filtered && (id == NewAppControl::kIdField ? !AcceptsIdChar(c) : !AcceptsDwDataChar(c)))
      return 0;
  }
  // Nothing is pasted into the filtered fields from a context menu.
  if (filtered && message == WM_CONTEXTMENU) return 0;
  return std::nullopt;
}

bool NewApplicationDialog::OnCommand(ControlId id, int code, HWND) {
  switch (static_cast<NewAppControl>(id)) {
    case NewAppControl::kGetTextOption:
    case NewAppControl::kCopyDataOption:
    case NewAppControl::kWindowTextOption:
      if (code == BN_CLICKED)
        ChooseMethod(id == NewAppControl::kGetTextOption    ? kMethodWindowText
                     : id == NewAppControl::kCopyDataOption ? kMethodCopyData
                                                            : kMethodWindowCaption);
      return true;
    case NewAppControl::kCutLeftCheck:
    case NewAppControl::kCutRightCheck:
      if (code == BN_CLICKED && !Check(Item(id)).Checked())
        Control(Item(id == NewAppControl::kCutLeftCheck ? NewAppControl::kCutFromField
                                                        : NewAppControl::kCutToField))
            .SetText("");
      return true;
    case NewAppControl::kRemoveExtensionCheck:
      if (code == BN_CLICKED && Check(Item(id)).Checked())
        Check(Item(NewAppControl::kFileNameCheck)).SetChecked(true);
      return true;
    case NewAppControl::kFileNameCheck:
      if (code == BN_CLICKED && !Check(Item(id)).Checked())
        Check(Item(NewAppControl::kRemoveExtensionCheck)).SetChecked(false);
      return true;
    default:
      break;
  }
  if (code == EN_CHANGE) {
    FieldChanged(id);
    return true;
  }
  return false;
}

LRESULT NewApplicationDialog::OnNotify(const NMHDR& header) {
  if (IdFrom(header) == NewAppControl::kCbDataSpin && header.code == UDN_DELTAPOS)
    PostMessageW(hwnd(), kMsg_UpDownDone, ControlId(NewAppControl::kCbDataSpin).command(), 0);
  return 0;
}

void NewApplicationDialog::OnOk() {
  ReadFields();
  const std::string program_dir = services_.platform.program_dir;
  if (IdentifierTaken(services_.platform.files, program_dir, fields_.id)) {
    services_.message_boxes.Show(Text(lng::errors::kIDExists), Text(lng::new_app::kNewApp),
                                 kMbOk | kMbIconError);
    Edit id(Item(NewAppControl::kIdField));
    id.Focus();
    id.SelectAll();
    return;
  }
  const LocalDateTime now = services_.platform.clock.Now();
  char date[16] = {};
  std::snprintf(date, sizeof date, "%02d-%02d-%04d", now.day % 100, now.month % 100,
                now.year % 10000);
  try {
    WriteNewApplication(services_.platform.files, program_dir, fields_,
                        services_.platform.system.UserName().value_or(""), date);
  } catch (const InOutError& error) {
    services_.message_boxes.Show(FileFailureText(services_.language, error.Path(), error.Code()),
                                 Text(lng::errors::kError), kMbOk | kMbIconError);
    return;
  }
  EndDialog(IDOK);
}

LRESULT NewApplicationDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case kMsg_AfterActivation: {
      Edit window_class(Item(NewAppControl::kClassField));
      window_class.Focus();
      window_class.SelectAll();
      ChooseMethod(kMethodWindowText);
      return 0;
    }
    case kMsg_UpDownDone: {
      Edit count(Item(NewAppControl::kCbDataField));
      count.CaretToEnd();
      return 0;
    }
    case WM_TIMER:
      if (wparam == kTimer_Preview) RefreshPreview();
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd(), kTimer_Preview);
      break;
  }
  return Dialog::HandleMessage(message, wparam, lparam);
}

}  // namespace kestrix
