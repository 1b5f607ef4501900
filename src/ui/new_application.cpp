#include "ui/new_application.h"

#include <cstdio>

#include "base/text_utils.h"
#include "names/variable_error.h"
#include "settings/language_keys.h"
#include "settings/settings_model.h"
#include "ui/dialog_ids.h"
#include "ui/dpi_win32.h"
#include "ui/messages.h"

namespace kestrix {

namespace {

constexpr int kClientWidth = 420;
constexpr int kClientHeight = 384;

constexpr int kTextFields[] = {kId_edit_wndclass, kId_edit_wndcaption, kId_edit_dwdata,
                               kId_edit_cbdata,   kId_edit_cutFrom,    kId_edit_cutTo,
                               kId_rp_ID,         kId_rp_Name};

}  // namespace

TNewApplication::TNewApplication(NewApplicationServices services)
    : Dialog("TNewApplication", "", kClientWidth, kClientHeight), services_(services) {}

bool TNewApplication::OnInit() {
  SetWindowTextA(hwnd(), (Text(lng::new_app::kNewApp) + "...").c_str());
  RECT outer = {0, 0, Scale96(kClientWidth), Scale96(kClientHeight)};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE)));
  SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const std::string example = Text(lng::new_app::kForExampleShort);
  const auto label = [&](const std::string& text, int id, int x, int y, int width) {
    AddControl("STATIC", text.c_str(), SS_NOPREFIX, id, x, y, width, 14);
  };
  const auto edit = [&](int id, int x, int y, int width, DWORD style = 0) {
    AddControl("EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | style, id, x, y, width, 21);
  };
  const auto check = [&](const std::string& text, int id, int x, int y, int width) {
    AddControl("BUTTON", text.c_str(), BS_AUTOCHECKBOX | WS_TABSTOP, id, x, y, width, 18);
  };
  AddControl("BUTTON", Text(lng::new_app::kChooseMethod).c_str(), BS_GROUPBOX, kId_gb_Method, 6, 4,
             408, 78);
  AddControl(
      "BUTTON",
      Concat({Text(lng::new_app::kDefault), " (SendMessage && WM_GETTEXT) [", example, " Winamp]"})
          .c_str(),
      BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, kId_rb_gettext, 16, 20, 390, 18);
  AddControl("BUTTON", Concat({"SendMessage (WM_COPYDATA) [", example, " BS.Player]"}).c_str(),
             BS_AUTORADIOBUTTON, kId_rb_copydata, 16, 39, 390, 18);
  AddControl("BUTTON", Concat({"GetWindowText [", example, " VideoLAN VLC Player]"}).c_str(),
             BS_AUTORADIOBUTTON, kId_rb_getwindowtext, 16, 58, 390, 18);
  AddControl("BUTTON", Text(lng::new_app::kCorrectHandles).c_str(), BS_GROUPBOX | WS_GROUP,
             kId_gb_Handles, 6, 86, 408, 72);
  const std::string window = Text(lng::config::kWindow);
  label(Concat({window, " ", Text(lng::new_app::kClass), ":"}), kId_lbl_wndclass, 16, 107, 96);
  edit(kId_edit_wndclass, 114, 104, 150);
  label(Concat({window, " ", Text(lng::new_app::kCaption), ":"}), kId_lbl_wndcaption, 16, 132, 96);
  edit(kId_edit_wndcaption, 114, 129, 150);
  label("dwData:", kId_lbl_dwdata, 274, 107, 50);
  edit(kId_edit_dwdata, 326, 104, 80);
  label("cbData:", kId_lbl_cbdata, 274, 132, 50);
  edit(kId_edit_cbdata, 326, 129, 62, ES_NUMBER);
  HWND updown = AddControl(UPDOWN_CLASSA, "",
                           UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                           kId_ud_cbdata, 388, 129, 16, 21);
  UpDown(updown).SetBuddy(Item(kId_edit_cbdata));
  UpDown(updown).SetRange(0, kMaxCopyDataLength);
  AddControl("BUTTON", Text(lng::new_app::kAdditionalFixes).c_str(), BS_GROUPBOX, kId_gb_Fixes, 6,
             162, 408, 104);
  check(Text(lng::new_app::kUseTrim), kId_cb_trim, 16, 178, 380);
  check(Text(lng::new_app::kCutTextFrom), kId_cb_cutLeft, 16, 199, 226);
  edit(kId_edit_cutFrom, 246, 197, 160);
  check(Text(lng::new_app::kCutTextTo), kId_cb_cutRight, 16, 222, 226);
  edit(kId_edit_cutTo, 246, 220, 160);
  check(Text(lng::new_app::kExtractFN), kId_cb_extractFN, 16, 244, 180);
  check(Text(lng::new_app::kRemoveExt), kId_cb_removeExt, 200, 244, 180);
  AddControl("BUTTON", Text(lng::new_app::kMenuProp).c_str(), BS_GROUPBOX, kId_gb_Name, 6, 270, 272,
             76);
  label(Text(lng::new_app::kIDitem), kId_lbl_id, 16, 291, 30);
  edit(kId_rp_ID, 48, 288, 52);
  label(Text(lng::new_app::kNameitem), kId_lbl_name, 108, 291, 44);
  edit(kId_rp_Name, 154, 288, 116);
  label(Text(lng::program::kTemplatePreview) + ":", kId_lbl_preview, 16, 320, 60);
  AddControl("STATIC", "", SS_NOPREFIX | SS_LEFTNOWORDWRAP | SS_SUNKEN, kId_rp_preview, 78, 318,
             192, 18);
  AddControl("BUTTON", Text(lng::program::kTemplatePreview).c_str(), BS_GROUPBOX, kId_gb_Preview,
             284, 270, 130, 76);
  AddControl("STATIC", "-", SS_CENTER | SS_SUNKEN, kId_Preview, 292, 288, 114, 50);
  AddControl("BUTTON", Text(lng::buttons::kBtnOK).c_str(), BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 256,
             354, 76, 24);
  AddControl("BUTTON", Text(lng::buttons::kBtnCancel).c_str(), BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL,
             338, 354, 76, 24);
  SendMessageA(Item(kId_rp_ID), EM_LIMITTEXT, kMaxIdLength, 0);
  keys_.SetErrorLogger(Logger());
  for (int id : kTextFields) keys_.Subclass(Item(id));
  fields_ = NewAppFields{};
  ShowFields();
  // The class field takes the focus once the dialog has given it to its first control.
  PostMessageA(hwnd(), kMsg_AfterActivation, 1, 0);
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
    const char c = static_cast<char>(wparam);
    if (c == 1) {
      SendMessageA(edit, EM_SETSEL, 0, -1);
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
    PostMessageA(hwnd(), kMsg_UpDownDone, kId_ud_cbdata, 0);
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
