#include "ui/dialogs/manage_templates.h"

#include "base/text_utils.h"
#include "platform/win32/wide_text.h"
#include "settings/ini_key_rules.h"
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
    {"BUTTON", program::kNewTemplate, spec::kGroupBox, TemplateControl::kNewTemplateGroup,
     At(6, 4, 341, 94), Anchor::kWidth},
    {"STATIC", Caption(program::kTemplate, ":"), kLabel, TemplateControl::kTextLabel,
     At(14, 23, 60, 14)},
    {"COMBOBOX", "", spec::kComboEdit, TemplateControl::kTextField, At(76, 19, 235, 160),
     Anchor::kWidth},
    {"BUTTON", "+", spec::kPush, TemplateControl::kVariablesButton, At(315, 19, 24, 22),
     Anchor::kRight},
    {"STATIC", Caption(program::kTemplateName, ":"), kLabel, TemplateControl::kNameLabel,
     At(14, 49, 60, 14)},
    {"COMBOBOX", "", spec::kComboEdit, TemplateControl::kNameField, At(76, 45, 171, 160),
     Anchor::kWidth},
    {"BUTTON", program::kAddToList, spec::kPush, TemplateControl::kAddButton, At(253, 44, 86, 24),
     Anchor::kRight},
    {"STATIC", Caption(program::kTemplatePreview, ":"), kLabel, TemplateControl::kPreviewLabel,
     At(14, 75, 60, 14)},
    {"STATIC", "", kLabel | SS_LEFTNOWORDWRAP | SS_SUNKEN | SS_CENTERIMAGE,
     TemplateControl::kPreview, At(76, 72, 263, 19), Anchor::kWidth},
    {WC_LISTVIEWA, "",
     spec::kShown | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_BORDER,
     TemplateControl::kList, At(6, 104, 341, 117), Anchor::kSize},
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

TemplateManagerDialog::TemplateManagerDialog(ManageTemplatesServices services,
                                             std::vector<std::pair<std::string, std::string>> lines,
                                             SIZE client)
    : Dialog(kClassName, "", kManageTemplatesWidth, kManageTemplatesHeight),
      services_(std::move(services)),
      rows_(std::move(lines)),
      requested_(client),
      client_(client) {}

bool TemplateManagerDialog::OnInit() {
  Control(hwnd()).SetText(Text(popup::kTemplates));
  SetWindowLongPtrW(hwnd(), GWL_STYLE, GetWindowLongPtrW(hwnd(), GWL_STYLE) | WS_THICKFRAME);
  CreateControls(kControls, services_.language, kManageTemplatesWidth, kManageTemplatesHeight);
  define_ = Combo(Item(TemplateControl::kTextField));
  name_ = Combo(Item(TemplateControl::kNameField));
  HWND list = Item(TemplateControl::kList);
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
  Button(Item(TemplateControl::kAddButton)).Enable(false);
  ResetName();
  const SIZE outer =
      OuterSizeFor(hwnd(), std::max<LONG>(requested_.cx, Scale96(kManageTemplatesWidth)),
                   std::max<LONG>(requested_.cy, Scale96(kManageTemplatesHeight)));
  SetWindowPos(hwnd(), nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return true;
}

void TemplateManagerDialog::ShowRows(int select) {
  HWND list = Item(TemplateControl::kList);
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

void TemplateManagerDialog::ResetName() const {
  name_.SetText(NumberedTemplateName(Text(program::kTemplate), rows_.Count() + 1));
}

int TemplateManagerDialog::SelectedRow() const {
  return static_cast<int>(SendMessageW(Item(TemplateControl::kList), LVM_GETNEXTITEM,
                                       static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TemplateManagerDialog::TemplateTextChanged() {
  const std::string text = define_.Text();
  const bool can_add = CanAddTemplate(text, name_.Text());
  Button(Item(TemplateControl::kAddButton)).Enable(can_add);
  const ControlId default_button =
      can_add ? ControlId(TemplateControl::kAddButton) : ControlId(IDOK);
  if (default_button != default_button_) {
    SendMessageW(Item(default_button_), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    SendMessageW(Item(default_button), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    default_button_ = default_button;
  }
  Control(Item(TemplateControl::kPreview))
      .SetText(services_.preview ? services_.preview(text) : text);
}

// The typed entry joins the rows unless the settings file could not give its name back,
// or it would replace a row the user keeps; the fields stay for a correction then.
bool TemplateManagerDialog::AddTyped() {
  const std::string name = name_.Text();
  const std::string title = Text(popup::kTemplates);
  if (const IniKeyProblem problem = IniKeyProblemOf(name)) {
    services_.message_boxes.Show(IniKeyProblemText(services_.language, problem), title,
                                 kMbOk | kMbIconWarning);
    name_.Focus();
    return false;
  }
  const std::string text = define_.Text();
  const std::string question =
      ReplaceAll(Text(program::kTemplateReplaceQ), "%s", Concat({"\"", name, "\""}));
  // A row chosen and confirmed unchanged needs no question.
  const TemplateRow* existing = rows_.Find(name);
  if (existing != nullptr && (existing->name != name || existing->text != text) &&
      services_.message_boxes.Show(question, title, kMbYesNo | kMbIconQuestion) != kIdYes)
    return false;
  name_.SetText(rows_.Add(name, text, Text(program::kTemplate)));
  return true;
}

void TemplateManagerDialog::AddTemplate() {
  if (!CanAddTemplate(define_.Text(), name_.Text()) || !AddTyped()) return;
  define_.SetText("");
  TemplateTextChanged();
  Control(Item(TemplateControl::kPreview)).SetText("");
  ShowRows(-1);
  SendMessageW(Item(TemplateControl::kList), LVM_ENSUREVISIBLE,
               static_cast<WPARAM>(rows_.Count() - 1), FALSE);
  define_.Focus();
}

void TemplateManagerDialog::ShowVariablesMenu() {
  if (!services_.choose_variable) return;
  const auto [start, end] = define_.EditSelection();
  std::optional<std::string> token =
      services_.choose_variable(hwnd(), BelowOf(Item(TemplateControl::kVariablesButton)));
  if (!token) return;
  define_.Focus();
  define_.SelectInEdit(start, end);
  Edit(ComboEdit(define_.hwnd())).ReplaceSelection(*token);
  TemplateTextChanged();
}

void TemplateManagerDialog::TemplateListSelectItem(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.Count())) return;
  name_.SetText(rows_.Rows()[static_cast<size_t>(row)].name);
  define_.SetText(rows_.Rows()[static_cast<size_t>(row)].text);
  TemplateTextChanged();
}

void TemplateManagerDialog::DeleteRow(bool from_popup) {
  const int row = SelectedRow();
  if (row < 0) return;
  rows_.Delete(static_cast<size_t>(row), from_popup);
  define_.SetText("");
  TemplateTextChanged();
  Control(Item(TemplateControl::kPreview)).SetText("");
  ResetName();
  // The Delete key moves the selection onto the row that took the deleted one's place.
  ShowRows(from_popup ? -1 : row);
}

void TemplateManagerDialog::ClearTemplateList() {
  const std::string question = Text(program::kTemplateDelConfirm);
  if (services_.message_boxes.Show(question, question, kMbYesNo | kMbIconQuestion) != kIdYes)
    return;
  rows_.Clear();
  ShowRows(-1);
  define_.SetText("");
  TemplateTextChanged();
  Control(Item(TemplateControl::kPreview)).SetText("");
  ResetName();
}

void TemplateManagerDialog::ShowListMenu(POINT at) {
  const bool any = rows_.Count() > 0;
  std::vector<MenuItem> items = {{Text(program::kTemplateDelete),
                                  TemplateControl::kDeleteSelectedMenu,
                                  any && SelectedRow() >= 0 ? 0u : UINT{MF_GRAYED},
                                  nullptr,
                                  {}},
                                 {Text(program::kTemplateClearList),
                                  TemplateControl::kClearListMenu,
                                  any ? 0u : UINT{MF_GRAYED},
                                  nullptr,
                                  {}}};
  const ControlId command = ShowMenu(hwnd(), items, at);
  if (command == TemplateControl::kDeleteSelectedMenu) DeleteRow(true);
  if (command == TemplateControl::kClearListMenu) ClearTemplateList();
}

std::optional<LRESULT> TemplateManagerDialog::ComboKey(HWND edit, UINT message, WPARAM wparam) {
  // Ctrl+A selects the whole text.
  if (message == WM_CHAR && wparam == 1) {
    Edit(edit).SelectAll();
    return 0;
  }
  return std::nullopt;
}

bool TemplateManagerDialog::OnCommand(ControlId id, int code, HWND) {
  switch (static_cast<TemplateControl>(id)) {
    case TemplateControl::kTextField:
    case TemplateControl::kNameField:
      if (code == CBN_EDITCHANGE) TemplateTextChanged();
      // A choice from the drop-down list is in the edit only once the selection ends.
      if (code == CBN_SELENDOK) PostMessageW(hwnd(), kMsg_ChoiceDone, id.command(), 0);
      return true;
    case TemplateControl::kAddButton:
      if (code == BN_CLICKED) AddTemplate();
      return true;
    case TemplateControl::kVariablesButton:
      if (code == BN_CLICKED) ShowVariablesMenu();
      return true;
    default:
      break;
  }
  return false;
}

LRESULT TemplateManagerDialog::OnNotify(const NMHDR& header) {
  if (IdFrom(header) != TemplateControl::kList) return 0;
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
      ShowListMenu(at);
      break;
    }
  }
  return 0;
}

void TemplateManagerDialog::OnOk() {
  // Enter goes to the default button: Add while a new template is ready.
  if (default_button_ == TemplateControl::kAddButton && GetFocus() != Item(IDOK)) {
    AddTemplate();
    return;
  }
  if (CanAddTemplate(define_.Text(), name_.Text()) && !AddTyped()) return;
  EndDialog(IDOK);
}

void TemplateManagerDialog::OnCancel() {
  // Escape only closes an open drop-down list.
  for (const Combo& combo : {define_, name_}) {
    if (combo.DroppedDown()) {
      combo.ShowDropDown(false);
      return;
    }
  }
  EndDialog(IDCANCEL);
}

LRESULT TemplateManagerDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
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
      TemplateTextChanged();
      return 0;
  }
  return Dialog::HandleMessage(message, wparam, lparam);
}

}  // namespace kestrix
