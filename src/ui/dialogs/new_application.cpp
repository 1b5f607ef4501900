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
    {"BUTTON", new_app::kChooseMethod, spec::kGroupBox, kId_gb_Method, At(6, 4, 408, 78)},
    {"BUTTON", "", spec::kFirstRadio, kId_rb_gettext, At(16, 20, 390, 18)},
    {"BUTTON", "", spec::kRadio, kId_rb_copydata, At(16, 39, 390, 18)},
    {"BUTTON", "", spec::kRadio, kId_rb_getwindowtext, At(16, 58, 390, 18)},
    {"BUTTON", new_app::kCorrectHandles, spec::kGroupBox | WS_GROUP, kId_gb_Handles,
     At(6, 86, 408, 72)},
    {"STATIC", "", kLabel, kId_lbl_wndclass, At(16, 107, 96, 14)},
    {"EDIT", "", kField, kId_edit_wndclass, At(114, 104, 150, 21)},
    {"STATIC", "", kLabel, kId_lbl_wndcaption, At(16, 132, 96, 14)},
    {"EDIT", "", kField, kId_edit_wndcaption, At(114, 129, 150, 21)},
    {"STATIC", "dwData:", kLabel, kId_lbl_dwdata, At(274, 107, 50, 14)},
    {"EDIT", "", kField, kId_edit_dwdata, At(326, 104, 80, 21)},
    {"STATIC", "cbData:", kLabel, kId_lbl_cbdata, At(274, 132, 50, 14)},
    {"EDIT", "", kField | ES_NUMBER, kId_edit_cbdata, At(326, 129, 62, 21)},
    {UPDOWN_CLASSA, "",
     spec::kShown | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
     kId_ud_cbdata, At(388, 129, 16, 21)},
    {"BUTTON", new_app::kAdditionalFixes, spec::kGroupBox, kId_gb_Fixes, At(6, 162, 408, 104)},
    {"BUTTON", new_app::kUseTrim, spec::kCheck, kId_cb_trim, At(16, 178, 380, 18)},
    {"BUTTON", new_app::kCutTextFrom, spec::kCheck, kId_cb_cutLeft, At(16, 199, 226, 18)},
    {"EDIT", "", kField, kId_edit_cutFrom, At(246, 197, 160, 21)},
    {"BUTTON", new_app::kCutTextTo, spec::kCheck, kId_cb_cutRight, At(16, 222, 226, 18)},
    {"EDIT", "", kField, kId_edit_cutTo, At(246, 220, 160, 21)},
    {"BUTTON", new_app::kExtractFN, spec::kCheck, kId_cb_extractFN, At(16, 244, 180, 18)},
    {"BUTTON", new_app::kRemoveExt, spec::kCheck, kId_cb_removeExt, At(200, 244, 180, 18)},
    {"BUTTON", new_app::kMenuProp, spec::kGroupBox, kId_gb_Name, At(6, 270, 272, 76)},
    {"STATIC", new_app::kIDitem, kLabel, kId_lbl_id, At(16, 291, 30, 14)},
    {"EDIT", "", kField, kId_rp_ID, At(48, 288, 52, 21)},
    {"STATIC", new_app::kNameitem, kLabel, kId_lbl_name, At(108, 291, 44, 14)},
    {"EDIT", "", kField, kId_rp_Name, At(154, 288, 116, 21)},
    {"STATIC", Caption(program::kTemplatePreview, ":"), kLabel, kId_lbl_preview,
     At(16, 320, 60, 14)},
    {"STATIC", "", spec::kShown | SS_NOPREFIX | SS_LEFTNOWORDWRAP | SS_SUNKEN, kId_rp_preview,
     At(78, 318, 192, 18)},
    {"BUTTON", program::kTemplatePreview, spec::kGroupBox, kId_gb_Preview, At(284, 270, 130, 76)},
    {"STATIC", "-", spec::kShown | SS_CENTER | SS_SUNKEN, kId_Preview, At(292, 288, 114, 50)},
    {"BUTTON", buttons::kBtnOK, spec::kDefaultPush, IDOK, At(256, 354, 76, 24)},
    {"BUTTON", buttons::kBtnCancel, spec::kPush, IDCANCEL, At(338, 354, 76, 24)},
};

constexpr int kTextFields[] = {kId_edit_wndclass, kId_edit_wndcaption, kId_edit_dwdata,
                               kId_edit_cbdata,   kId_edit_cutFrom,    kId_edit_cutTo,
                               kId_rp_ID,         kId_rp_Name};

}  // namespace

TNewApplication::TNewApplication(NewApplicationServices services)
    : Dialog("TNewApplication", "", kClientWidth, kClientHeight), services_(services) {}

bool TNewApplication::OnInit() {
  Control(hwnd()).SetText(Text(new_app::kNewApp) + "...");
  SetClientSize(kClientWidth, kClientHeight);
  CreateControls(kControls, services_.language);
  const std::string example = Text(new_app::kForExampleShort);
  const std::string window = Text(config::kWindow);
  const std::pair<int, std::string> captions[] = {
      {kId_rb_gettext,
       Concat({Text(new_app::kDefault), " (SendMessage && WM_GETTEXT) [", example, " Winamp]"})},
      {kId_rb_copydata, Concat({"SendMessage (WM_COPYDATA) [", example, " BS.Player]"})},
      {kId_rb_getwindowtext, Concat({"GetWindowText [", example, " VideoLAN VLC Player]"})},
      {kId_lbl_wndclass, Concat({window, " ", Text(new_app::kClass), ":"})},
      {kId_lbl_wndcaption, Concat({window, " ", Text(new_app::kCaption), ":"})}};
  for (const auto& [id, text] : captions) Control(Item(id)).SetText(text);
  UpDown(Item(kId_ud_cbdata)).SetBuddy(Item(kId_edit_cbdata));
  UpDown(Item(kId_ud_cbdata)).SetRange(0, kMaxCopyDataLength);
  Edit(Item(kId_rp_ID)).LimitText(kMaxIdLength);
  keys_.SetErrorLogger(Logger());
  for (int id : kTextFields) keys_.Subclass(Item(id));
  fields_ = NewAppFields{};
  ShowFields();
  // The class field takes the focus once the dialog has given it to its first control.
  PostMessageW(hwnd(), kMsg_AfterActivation, 1, 0);
  return true;
}

namespace {

// Which field of the dialog shows which value, for showing and reading alike.
struct TextBinding {
  int id;
  std::string NewAppFields::*value;
};
struct FlagBinding {
  int id;
  bool NewAppFields::*value;
};
constexpr TextBinding kTextBindings[] = {{kId_edit_wndclass, &NewAppFields::window_class},
                                         {kId_edit_wndcaption, &NewAppFields::window_caption},
                                         {kId_edit_dwdata, &NewAppFields::dw_data},
                                         {kId_edit_cbdata, &NewAppFields::cb_data},
                                         {kId_edit_cutFrom, &NewAppFields::cut_from},
                                         {kId_edit_cutTo, &NewAppFields::cut_to},
                                         {kId_rp_ID, &NewAppFields::id},
                                         {kId_rp_Name, &NewAppFields::name}};
constexpr FlagBinding kCheckBindings[] = {{kId_cb_trim, &NewAppFields::trim},
                                          {kId_cb_cutLeft, &NewAppFields::cut_left},
                                          {kId_cb_cutRight, &NewAppFields::cut_right},
                                          {kId_cb_extractFN, &NewAppFields::extract_file_name},
                                          {kId_cb_removeExt, &NewAppFields::remove_extension}};
constexpr FlagBinding kEnabledBindings[] = {{kId_edit_wndclass, &NewAppFields::class_enabled},
                                            {kId_edit_wndcaption, &NewAppFields::caption_enabled}};

}  // namespace

void TNewApplication::ShowFields() {
  showing_ = true;
  const NewAppFields& f = fields_;
  Check(Item(kId_rb_gettext)).SetChecked(f.method == kMethodWindowText);
  Check(Item(kId_rb_copydata)).SetChecked(f.method == kMethodCopyData);
  Check(Item(kId_rb_getwindowtext)).SetChecked(f.method == kMethodWindowCaption);
  for (const TextBinding& b : kTextBindings) Control(Item(b.id)).SetText(f.*b.value);
  for (const FlagBinding& b : kCheckBindings) Check(Item(b.id)).SetChecked(f.*b.value);
  for (const FlagBinding& b : kEnabledBindings) Control(Item(b.id)).Enable(f.*b.value);
  for (int id : {kId_edit_dwdata, kId_edit_cbdata, kId_ud_cbdata, kId_lbl_dwdata, kId_lbl_cbdata})
    Control(Item(id)).Enable(f.copy_data_enabled);
  Control(Item(kId_rp_preview)).SetText(MenuCaptionPreview(f.id, f.name));
  showing_ = false;
}

void TNewApplication::ReadFields() {
  NewAppFields& f = fields_;
  for (const TextBinding& b : kTextBindings) f.*b.value = Control(Item(b.id)).Text();
  for (const FlagBinding& b : kCheckBindings) f.*b.value = Check(Item(b.id)).Checked();
  for (const FlagBinding& b : kEnabledBindings) f.*b.value = Control(Item(b.id)).Enabled();
}

void TNewApplication::ChooseMethod(int method) {
  ReadFields();
  PrepareMethod(fields_, method);
  ShowFields();
  if (method == kMethodWindowCaption) {
    Edit caption(Item(kId_edit_wndcaption));
    caption.Focus();
    caption.SelectAll();
  }
  SetTimer(hwnd(), kTimer_Preview, 500, nullptr);
  PreviewTimerTimer();
}

void TNewApplication::PreviewTimerTimer() {
  ReadFields();
  UserAppReaders readers{services_.platform.windows, services_.platform.shared_memory,
                         services_.platform.locale, services_.platform.application_window, ""};
  std::string value = "-";
  try {
    value = EvaluateUserApp(Trim(fields_.id), ApplicationOf(fields_), readers, true);
  } catch (const VariableError&) {
    // A dwData that is no number yet: the preview shows no value while it is typed.
  }
  Control(Item(kId_Preview)).SetText(PreviewCaption(value));
}

void TNewApplication::FieldChanged(int id) {
  if (showing_) return;
  Control field(Item(id));
  const std::string text = field.Text();
  switch (id) {
    case kId_edit_cutFrom:
      Check(Item(kId_cb_cutLeft)).SetChecked(CutBoxFor(text));
      return;
    case kId_edit_cutTo:
      Check(Item(kId_cb_cutRight)).SetChecked(CutBoxFor(text));
      return;
    case kId_edit_dwdata:
    case kId_edit_cbdata:
    case kId_rp_ID: {
      const NewAppField kind = id == kId_edit_dwdata   ? NewAppField::kDwData
                               : id == kId_edit_cbdata ? NewAppField::kCbData
                                                       : NewAppField::kId;
      if (text.empty()) {
        showing_ = true;
        field.SetText(CorrectedField(kind, text));
        Edit(field.hwnd()).SelectAll();
        showing_ = false;
      }
      break;
    }
  }
  if (id == kId_rp_ID || id == kId_rp_Name)
    Control(Item(kId_rp_preview))
        .SetText(
            MenuCaptionPreview(Control(Item(kId_rp_ID)).Text(), Control(Item(kId_rp_Name)).Text()));
}

std::optional<LRESULT> TNewApplication::FieldKey(HWND edit, UINT message, WPARAM wparam) {
  const int id = GetDlgCtrlID(edit);
  const bool filtered = id == kId_edit_dwdata || id == kId_rp_ID;
  if (message == WM_CHAR) {
    const char c = AsciiOfTyped(wparam);
    if (c == 1) {
      Edit(edit).SelectAll();
      return 0;
    }
    if (filtered && (id == kId_rp_ID ? !AcceptsIdChar(c) : !AcceptsDwDataChar(c))) return 0;
  }
  // Nothing is pasted into the filtered fields from a context menu.
  if (filtered && message == WM_CONTEXTMENU) return 0;
  return std::nullopt;
}

bool TNewApplication::OnCommand(int id, int code, HWND) {
  switch (id) {
    case kId_rb_gettext:
    case kId_rb_copydata:
    case kId_rb_getwindowtext:
      if (code == BN_CLICKED)
        ChooseMethod(id == kId_rb_gettext    ? kMethodWindowText
                     : id == kId_rb_copydata ? kMethodCopyData
                                             : kMethodWindowCaption);
      return true;
    case kId_cb_cutLeft:
    case kId_cb_cutRight:
      if (code == BN_CLICKED && !Check(Item(id)).Checked())
        Control(Item(id == kId_cb_cutLeft ? kId_edit_cutFrom : kId_edit_cutTo)).SetText("");
      return true;
    case kId_cb_removeExt:
      if (code == BN_CLICKED && Check(Item(id)).Checked())
        Check(Item(kId_cb_extractFN)).SetChecked(true);
      return true;
    case kId_cb_extractFN:
      if (code == BN_CLICKED && !Check(Item(id)).Checked())
        Check(Item(kId_cb_removeExt)).SetChecked(false);
      return true;
  }
  if (code == EN_CHANGE) {
    FieldChanged(id);
    return true;
  }
  return false;
}

LRESULT TNewApplication::OnNotify(const NMHDR& header) {
  if (header.idFrom == kId_ud_cbdata && header.code == UDN_DELTAPOS)
    PostMessageW(hwnd(), kMsg_UpDownDone, kId_ud_cbdata, 0);
  return 0;
}

void TNewApplication::OnOk() {
  ReadFields();
  const std::string program_dir = services_.platform.program_dir;
  if (IdentifierTaken(services_.platform.files, program_dir, fields_.id)) {
    services_.message_boxes.Show(Text(lng::errors::kIDExists), Text(lng::new_app::kNewApp),
                                 kMbOk | kMbIconError);
    Edit id(Item(kId_rp_ID));
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

LRESULT TNewApplication::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case kMsg_AfterActivation: {
      Edit window_class(Item(kId_edit_wndclass));
      window_class.Focus();
      window_class.SelectAll();
      ChooseMethod(kMethodWindowText);
      return 0;
    }
    case kMsg_UpDownDone: {
      Edit count(Item(kId_edit_cbdata));
      count.CaretToEnd();
      return 0;
    }
    case WM_TIMER:
      if (wparam == kTimer_Preview) PreviewTimerTimer();
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd(), kTimer_Preview);
      break;
  }
  return Dialog::HandleMessage(message, wparam, lparam);
}

}  // namespace kestrix
