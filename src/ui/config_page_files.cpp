#include <algorithm>

#include "platform/win32/file_types_win32.h"
#include "platform/win32/wide_text.h"
#include "settings/language_keys.h"
#include "ui/configuration_pages.h"
#include "window/dpi_win32.h"

namespace kestrix {

namespace {

using namespace lng;
using V = ConfigurationValues;

const ControlSpec kFilesControls[] = {
    {"BUTTON", config_dialog::kFileCreation, spec::kGroupBox, kCfg_grp_files, At(16, 34, 402, 66)},
    {"BUTTON", config_dialog::kEnableFileCreation, spec::kCheck, kCfg_cb_EnableFileCreation,
     At(28, 52, 380, 18)},
    {"BUTTON", config_dialog::kIntelliExtDetection, spec::kCheck, kCfg_cb_IntelliExtDetection,
     At(28, 74, 380, 18)},
    {"BUTTON", config_dialog::kExtensions, spec::kGroupBox, kCfg_grp_ext, At(16, 106, 402, 170)},
    {WC_LISTVIEWA, "", spec::kShown | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
     kCfg_ExtensionList, At(28, 124, 252, 142), Anchor::kNone, WS_EX_CLIENTEDGE},
    {"STATIC", Caption(config_dialog::kExtension, ":"), spec::kShown, kCfg_lbl_NewExt,
     At(288, 124, 120, 16)},
    {"EDIT", "", spec::kEdit, kCfg_edit_NewExt, At(288, 142, 120, 22)},
    {"BUTTON", config_dialog::kAddItem, spec::kPush, kCfg_btn_AddNewExt, At(288, 170, 120, 24)},
    {"BUTTON", config_dialog::kRemove, spec::kPush, kCfg_btn_RemoveExt, At(288, 198, 120, 24)},
    {"BUTTON", config_dialog::kContent, spec::kPush, kCfg_Button1, At(288, 242, 120, 24)},
};
const FlagBinding kFilesFlags[] = {{kCfg_cb_EnableFileCreation, &V::file_creation_enable},
                                   {kCfg_cb_IntelliExtDetection, &V::extension_detection}};
constexpr int kColumnWidths[] = {28, 64, 152};

}  // namespace

FilesPage::FilesPage(ConfigPageSite& site)
    : ConfigurationPage(site, ConfigPage::kFiles, kFilesControls, {{}, {}, kFilesFlags}) {}

void FilesPage::OnCreate() {
  HWND list = Item(kCfg_ExtensionList);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = Scale96(kColumnWidths[i]);
    wchar_t empty[] = L"";
    column.pszText = empty;
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
}

// A column is as wide as its title needs, at least its designed width; the description
// takes what the others leave.
void FilesPage::ApplyCaptions() {
  const std::string texts[] = {"#", Text(config_dialog::kExtension),
                               Text(config_dialog::kDescription)};
  HWND list = Item(kCfg_ExtensionList);
  int left = Scale96(kColumnWidths[0] + kColumnWidths[1] + kColumnWidths[2]);
  for (int i = 0; i < 3; ++i) {
    std::wstring text = Wide(texts[i]);
    const int title = static_cast<int>(
        SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = text.data();
    column.cx = std::max(title + Scale96(14), i < 2 ? Scale96(kColumnWidths[i]) : left);
    left -= column.cx;
    SendMessageW(list, LVM_SETCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
}

void FilesPage::LoadMore() {
  ShowExtensions(Values().extensions);
  DetectionChecked();
}

void FilesPage::SaveMore() {
  Values().extensions = Extensions();
}

void FilesPage::OnCommand(int id, int code) {
  const bool clicked = code == BN_CLICKED;
  switch (id) {
    case kCfg_cb_IntelliExtDetection:
      if (clicked) DetectionChecked();
      break;
    case kCfg_edit_NewExt:
      if (code == EN_CHANGE) ExtensionFieldChanged();
      break;
    case kCfg_btn_AddNewExt:
      if (clicked) AddExtension();
      break;
    case kCfg_btn_RemoveExt:
      if (clicked) RemoveExtension();
      break;
    case kCfg_Button1:
      if (clicked) site_.context.message(Text(errors::kFutureVersion), kMbOk);
      break;
  }
}

void FilesPage::OnNotify(const NMHDR& header) {
  if (header.idFrom == kCfg_ExtensionList && header.code == LVN_ITEMCHANGED)
    ExtensionFieldChanged();
}

std::string FilesPage::Description(const std::string& extension) const {
  std::string name = FriendlyDocName(extension);
  return name.empty() ? Text(config_dialog::kUnknownExtension) : name;
}

// The rows are numbered, so "#" is each one's position.
void FilesPage::ShowExtensions(const std::vector<std::string>& extensions) {
  ListView_DeleteAllItems(Item(kCfg_ExtensionList));
  for (size_t i = 0; i < extensions.size(); ++i) AddRow(static_cast<int>(i), extensions[i]);
}

void FilesPage::AddRow(int index, const std::string& extension) {
  HWND list = Item(kCfg_ExtensionList);
  std::wstring texts[] = {Wide(std::to_string(index)), Wide(extension),
                          Wide(Description(extension))};
  LVITEMW item = {};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = texts[0].data();
  SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  for (int column = 1; column <= 2; ++column) {
    LVITEMW sub = {};
    sub.iSubItem = column;
    sub.pszText = texts[column].data();
    SendMessageW(list, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&sub));
  }
}

std::vector<std::string> FilesPage::Extensions() const {
  HWND list = Item(kCfg_ExtensionList);
  std::vector<std::string> extensions;
  for (int i = 0; i < ListView_GetItemCount(list); ++i) {
    wchar_t text[MAX_PATH] = {};
    LVITEMW item = {};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
    extensions.push_back(Utf8(text));
  }
  return extensions;
}

void FilesPage::ExtensionFieldChanged() {
  HWND list = Item(kCfg_ExtensionList);
  const bool detection = Box(kCfg_cb_IntelliExtDetection).Checked();
  const bool addable = NewExtension(Field(kCfg_edit_NewExt).Text()).has_value();
  Button(Item(kCfg_btn_AddNewExt)).Enable(addable && !detection);
  const bool removable =
      ListView_GetItemCount(list) > 0 && ListView_GetNextItem(list, -1, LVNI_SELECTED) >= 0;
  Button(Item(kCfg_btn_RemoveExt)).Enable(removable && !detection);
}

void FilesPage::DetectionChecked() {
  const bool enabled = !Box(kCfg_cb_IntelliExtDetection).Checked();
  for (int id : {kCfg_grp_ext, kCfg_lbl_NewExt, kCfg_edit_NewExt})
    EnableWindow(Item(id), enabled ? TRUE : FALSE);
  ExtensionFieldChanged();
}

void FilesPage::AddExtension() {
  const Edit field = Field(kCfg_edit_NewExt);
  const std::optional<std::string> extension = NewExtension(field.Text());
  if (!extension) return;
  HWND list = Item(kCfg_ExtensionList);
  const int index = ListView_GetItemCount(list);
  AddRow(index, *extension);
  ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list, index, FALSE);
  SetFocus(list);
  field.SetText("");
  ExtensionFieldChanged();
}

void FilesPage::RemoveExtension() {
  const int selected = ListView_GetNextItem(Item(kCfg_ExtensionList), -1, LVNI_SELECTED);
  if (selected < 0) return;
  std::vector<std::string> extensions = Extensions();
  extensions.erase(extensions.begin() + selected);
  ShowExtensions(extensions);
  ExtensionFieldChanged();
}

}  // namespace kestrix
