#include "ui/dialogs/manage_templates.h"

#include "base/text_utils.h"
#include "platform/win32/wide_text.h"
#include "settings/language_keys.h"
#include "ui/dialogs/dialog_ids.h"
#include "ui/messages.h"
#include "window/dpi_win32.h"
#include "window/menu.h"

namespace kestrix {

namespace {

constexpr char kClassName[] = "TManageTemplates";

using namespace lng;
// Written for the smallest client area; the fields and the list grow with the window.
constexpr DWORD kLabel = spec::kShown | SS_NOPREFIX;
constexpr ControlSpec kControls[] = {
    {"BUTTON", program::kNewTemplate, spec::kGroupBox, kId_grp_newTemplate, At(6, 4, 341, 94),
     Anchor::kWidth},
    {"STATIC", Caption(program::kTemplate, ":"), kLabel, kId_Label1, At(14, 23, 60, 14)},
    {"COMBOBOX", "", spec::kComboEdit, kId_Template_Define, At(76, 19, 235, 160), Anchor::kWidth},
    {"BUTTON", "+", spec::kPush, kId_btn_addRepTemplate, At(315, 19, 24, 22), Anchor::kRight},
    {"STATIC", Caption(program::kTemplateName, ":"), kLabel, kId_Label2, At(14, 49, 60, 14)},
    {"COMBOBOX", "", spec::kComboEdit, kId_Template_Name, At(76, 45, 171, 160), Anchor::kWidth},
    {"BUTTON", program::kAddToList, spec::kPush, kId_btn_Add, At(253, 44, 86, 24), Anchor::kRight},
    {"STATIC", Caption(program::kTemplatePreview, ":"), kLabel, kId_Label3, At(14, 75, 60, 14)},
    {"STATIC", "", kLabel | SS_LEFTNOWORDWRAP | SS_SUNKEN | SS_CENTERIMAGE, kId_lbl_TemplatePreview,
     At(76, 72, 263, 19), Anchor::kWidth},
    {WC_LISTVIEWA, "",
     spec::kShown | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_BORDER,
     kId_TemplateList, At(6, 104, 341, 117), Anchor::kSize},
    {"BUTTON", buttons::kBtnApply, spec::kDefaultPush, IDOK, At(181, 227, 80, 24),
     Anchor::kBottomRight},
    {"BUTTON", buttons::kBtnCancel, spec::kPush, IDCANCEL, At(267, 227, 80, 24),
     Anchor::kBottomRight},
};

// The window size that gives `window` the client size.
SIZE OuterSizeFor(HWND window, int client_width, int client_height) {
  RECT rect = {0, 0, client_width, client_height};
  AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void AddColumn(HWND list, int index, const std::string& text, int width) {
  std::wstring wide = Wide(text);
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = wide.data();
  column.cx = Scale96(width);
  SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&column));
}

void SetCell(HWND list, int row, int column, const std::string& text) {
  std::wstring wide = Wide(text);
  LVITEMW item = {};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = wide.data();
  if (column == 0)
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  else
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void SelectListRow(HWND list, int row) {
  LVITEMW state = {};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
  SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

HWND ComboEdit(HWND combo) {
  return FindWindowExW(combo, nullptr, L"Edit", nullptr);
}

}  // namespace

TManageTemplates::TManageTemplates(ManageTemplatesServices services,
                                   std::vector<std::pair<std::string, std::string>> lines,
                                   SIZE client)
    : Dialog(kClassName, "", kManageTemplatesWidth, kManageTemplatesHeight),
      services_(std::move(services)),
      rows_(std::move(lines)),
      requested_(client),
      client_(client) {}

bool TManageTemplates::OnInit() {
  Control(hwnd()).SetText(Text(popup::kTemplates));
  SetWindowLongPtrW(hwnd(), GWL_STYLE, GetWindowLongPtrW(hwnd(), GWL_STYLE) | WS_THICKFRAME);
  CreateControls(kControls, services_.language, kManageTemplatesWidth, kManageTemplatesHeight);
  define_ = Combo(Item(kId_Template_Define));
  name_ = Combo(Item(kId_Template_Name));
  HWND list = Item(kId_TemplateList);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
               LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  AddColumn(list, 0, "#", 28);
  AddColumn(list, 1, Text(program::kTemplateName), 100);
  AddColumn(list, 2, Text(program::kTemplate), 190);
  header_.SetErrorLogger(Logger());
  header_.Subclass(list);
  keys_.SetErrorLogger(Logger());
  keys_.Subclass(ComboEdit(define_.hwnd()));
  keys_.Subclass(ComboEdit(name_.hwnd()));
  for (const TemplateRow& row : rows_.Rows()) {
    name_.Add(row.name);
    define_.Add(row.text);
  }
  ShowRows(-1);
  Button(Item(kId_btn_Add)).Enable(false);
  ResetName();
  const SIZE outer =
      OuterSizeFor(hwnd(), std::max<LONG>(requested_.cx, Scale96(kManageTemplatesWidth)),
                   std::max<LONG>(requested_.cy, Scale96(kManageTemplatesHeight)));
  SetWindowPos(hwnd(), nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return true;
}

void TManageTemplates::ShowRows(int select) {
  HWND list = Item(kId_TemplateList);
  filling_ = true;
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  const std::vector<TemplateRow>& rows = rows_.Rows();
  for (size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i);
    SetCell(list, row, 0, std::to_string(rows[i].number));
    SetCell(list, row, 1, rows[i].name);
    SetCell(list, row, 2, rows[i].text);
  }
  filling_ = false;
  if (select >= 0 && select < static_cast<int>(rows.size())) SelectListRow(list, select);
}

void TManageTemplates::ResetName() const {
  name_.SetText(NumberedTemplateName(Text(program::kTemplate), rows_.Count() + 1));
}

int TManageTemplates::SelectedRow() const {
  return static_cast<int>(SendMessageW(Item(kId_TemplateList), LVM_GETNEXTITEM,
                                       static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TManageTemplates::Template_DefineChange() {
  const std::string text = define_.Text();
  const bool can_add = CanAddTemplate(text, name_.Text());
  Button(Item(kId_btn_Add)).Enable(can_add);
  const int default_button = can_add ? kId_btn_Add : IDOK;
  if (default_button != default_button_) {
    SendMessageW(Item(default_button_), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    SendMessageW(Item(default_button), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    default_button_ = default_button;
  }
  Control(Item(kId_lbl_TemplatePreview))
      .SetText(services_.preview ? services_.preview(text) : text);
}

void TManageTemplates::btn_AddClick() {
  if (!CanAddTemplate(define_.Text(), name_.Text())) return;
  name_.SetText(rows_.Add(name_.Text(), define_.Text(), Text(program::kTemplate)));
  define_.SetText("");
  Template_DefineChange();
  Control(Item(kId_lbl_TemplatePreview)).SetText("");
  ShowRows(-1);
  SendMessageW(Item(kId_TemplateList), LVM_ENSUREVISIBLE, static_cast<WPARAM>(rows_.Count() - 1),
               FALSE);
  define_.Focus();
}

void TManageTemplates::btn_addRepClick() {
  if (!services_.choose_variable) return;
  const auto [start, end] = define_.EditSelection();
  std::optional<std::string> token =
      services_.choose_variable(hwnd(), BelowOf(Item(kId_btn_addRepTemplate)));
  if (!token) return;
  define_.Focus();
  define_.SelectInEdit(start, end);
  Edit(ComboEdit(define_.hwnd())).ReplaceSelection(*token);
  Template_DefineChange();
}

void TManageTemplates::TemplateListSelectItem(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.Count())) return;
  name_.SetText(rows_.Rows()[static_cast<size_t>(row)].name);
  define_.SetText(rows_.Rows()[static_cast<size_t>(row)].text);
  Template_DefineChange();
}

void TManageTemplates::DeleteRow(bool from_popup) {
  const int row = SelectedRow();
  if (row < 0) return;
  rows_.Delete(static_cast<size_t>(row), from_popup);
  define_.SetText("");
  Template_DefineChange();
  Control(Item(kId_lbl_TemplatePreview)).SetText("");
  ResetName();
  // The Delete key moves the selection onto the row that took the deleted one's place.
  ShowRows(from_popup ? -1 : row);
}

void TManageTemplates::Clearlist1Click() {
  const std::string question = Text(program::kTemplateDelConfirm);
  if (services_.message_boxes.Show(question, question, kMbYesNo | kMbIconQuestion) != kIdYes)
    return;
  rows_.Clear();
  ShowRows(-1);
  define_.SetText("");
  Template_DefineChange();
  Control(Item(kId_lbl_TemplatePreview)).SetText("");
  ResetName();
}

void TManageTemplates::PopupMenu1Popup(POINT at) {
  const bool any = rows_.Count() > 0;
  std::vector<MenuItem> items = {{Text(program::kTemplateDelete),
                                  kMenu_Deleteselected1,
                                  any && SelectedRow() >= 0 ? 0u : UINT{MF_GRAYED},
                                  nullptr,
                                  {}},
                                 {Text(program::kTemplateClearList),
                                  kMenu_Clearlist1,
                                  any ? 0u : UINT{MF_GRAYED},
                                  nullptr,
                                  {}}};
  const UINT command = ShowMenu(hwnd(), items, at);
  if (command == kMenu_Deleteselected1) DeleteRow(true);
  if (command == kMenu_Clearlist1) Clearlist1Click();
}

std::optional<LRESULT> TManageTemplates::ComboKey(HWND edit, UINT message, WPARAM wparam) {
  // Ctrl+A selects the whole text.
  if (message == WM_CHAR && wparam == 1) {
    Edit(edit).SelectAll();
    return 0;
  }
  return std::nullopt;
}

bool TManageTemplates::OnCommand(int id, int code, HWND) {
  switch (id) {
    case kId_Template_Define:
    case kId_Template_Name:
      if (code == CBN_EDITCHANGE) Template_DefineChange();
      // A choice from the drop-down list is in the edit only once the selection ends.
      if (code == CBN_SELENDOK) PostMessageW(hwnd(), kMsg_ChoiceDone, static_cast<WPARAM>(id), 0);
      return true;
    case kId_btn_Add:
      if (code == BN_CLICKED) btn_AddClick();
      return true;
    case kId_btn_addRepTemplate:
      if (code == BN_CLICKED) btn_addRepClick();
      return true;
  }
  return false;
}

LRESULT TManageTemplates::OnNotify(const NMHDR& header) {
  if (header.idFrom != kId_TemplateList) return 0;
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if (!filling_ && (change.uNewState & LVIS_SELECTED) != 0 &&
          (change.uOldState & LVIS_SELECTED) == 0)
        TemplateListSelectItem(change.iItem);
      break;
    }
    case LVN_KEYDOWN:
      if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE) DeleteRow(false);
      break;
    case NM_RCLICK: {
      POINT at;
      GetCursorPos(&at);
      PopupMenu1Popup(at);
      break;
    }
  }
  return 0;
}

void TManageTemplates::OnOk() {
  // Enter goes to the default button: Add while a new template is ready.
  if (default_button_ == kId_btn_Add && GetFocus() != Item(IDOK)) {
    btn_AddClick();
    return;
  }
  if (CanAddTemplate(define_.Text(), name_.Text()))
    rows_.Add(name_.Text(), define_.Text(), Text(program::kTemplate));
  EndDialog(IDOK);
}

void TManageTemplates::OnCancel() {
  // Escape only closes an open drop-down list.
  for (const Combo& combo : {define_, name_}) {
    if (combo.DroppedDown()) {
      combo.ShowDropDown(false);
      return;
    }
  }
  EndDialog(IDCANCEL);
}

LRESULT TManageTemplates::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      if (wparam != SIZE_MINIMIZED) client_ = {LOWORD(lparam), HIWORD(lparam)};
      break;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      const SIZE least =
          OuterSizeFor(hwnd(), Scale96(kManageTemplatesWidth), Scale96(kManageTemplatesHeight));
      info->ptMinTrackSize = {least.cx, least.cy};
      info->ptMaxTrackSize = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
      return 0;
    }
    case kMsg_ChoiceDone:
      Template_DefineChange();
      return 0;
  }
  return Dialog::HandleMessage(message, wparam, lparam);
}

}  // namespace kestrix
