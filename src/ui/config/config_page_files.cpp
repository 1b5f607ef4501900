#include <algorithm>

#include "platform/win32/file_types_win32.h"
#include "platform/win32/wide_text.h"
#include "settings/ini_key_rules.h"
#include "settings/language_keys.h"
#include "ui/config/configuration_pages.h"
#include "window/dpi_win32.h"

namespace kestrix {

namespace {

using namespace lng;
using V = ConfigurationValues;

const ControlSpec kFilesControls[] = {
    {"BUTTON", config_dialog::kFileCreation, spec::kGroupBox, ConfigControl::kFilesGroup,
     At(16, 34, 402, 66)},
    {"BUTTON", config_dialog::kEnableFileCreation, spec::kCheck, ConfigControl::kFileCreationCheck,
     At(28, 52, 380, 18)},
    {"BUTTON", config_dialog::kIntelliExtDetection, spec::kCheck,
     ConfigControl::kDetectExtensionCheck, At(28, 74, 380, 18)},
    {"BUTTON", config_dialog::kExtensions, spec::kGroupBox, ConfigControl::kExtensionGroup,
     At(16, 106, 402, 170)},
    {WC_LISTVIEWA, "", spec::kShown | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
     ConfigControl::kExtensionList, At(28, 124, 252, 142), Anchor::kNone, WS_EX_CLIENTEDGE},
    {"STATIC", Caption(config_dialog::kExtension, ":"), spec::kShown,
     ConfigControl::kNewExtensionLabel, At(288, 124, 120, 16)},
    {"EDIT", "", spec::kEdit, ConfigControl::kNewExtensionField, At(288, 142, 120, 22)},
    {"BUTTON", config_dialog::kAddItem, spec::kPush, ConfigControl::kAddExtensionButton,
     At(288, 170, 120, 24)},
    {"BUTTON", config_dialog::kRemove, spec::kPush, ConfigControl::kRemoveExtensionButton,
     At(288, 198, 120, 24)},
    {"BUTTON", config_dialog::kContent, spec::kPush, ConfigControl::kContentButton,
     At(288, 242, 120, 24)},
};
const FlagBinding kFilesFlags[] = {{ConfigControl::kFileCreationCheck, &V::file_creation_enable},
                                   {ConfigControl::kDetectExtensionCheck, &V::extension_detection}};
constexpr int kColumnWidths[] = {28, 64, 152};

}  // namespace

FilesPage::FilesPage(ConfigPageSite& site)
    : ConfigurationPage(site, ConfigPage::kFiles, kFilesControls, {{}, {}, kFilesFlags}) {}

void FilesPage::OnCreate() {
  HWND list = Item(ConfigControl::kExtensionList);
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
  HWND list = Item(ConfigControl::kExtensionList);
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

void FilesPage::OnCommand(ControlId id, int code) {
  const bool clicked = code == BN_CLICKED;
  switch (static_cast<ConfigControl>(static_cast<ConfigControl>(id))) {
    case ConfigControl::kDetectExtensionCheck:
      if (clicked) DetectionChecked();
      break;
    case ConfigControl::kNewExtensionField:
      if (code == EN_CHANGE) ExtensionFieldChanged();
      break;
    case ConfigControl::kAddExtensionButton:
      if (clicked) AddExtension();
      break;
    case ConfigControl::kRemoveExtensionButton:
      if (clicked) RemoveExtension();
      break;
    case ConfigControl::kContentButton:
      if (clicked) site_.context.message(Text(errors::kFutureVersion), kMbOk);
      break;
    default:
      break;
  }
}

void FilesPage::OnNotify(const NMHDR& header) {
  if (IdFrom(header) == ConfigControl::kExtensionList && header.code == LVN_ITEMCHANGED)
    ExtensionFieldChanged();
}

std::string FilesPage::Description(const std::string& extension) const {
  std::string name = FriendlyDocName(extension);
  return name.empty() ? Text(config_dialog::kUnknownExtension) : name;
}

// The rows are numbered, so "#" is each one's position.
void FilesPage::ShowExtensions(const std::vector<std::string>& extensions) {
  ListView_DeleteAllItems(Item(ConfigControl::kExtensionList));
  for (size_t i = 0; i < extensions.size(); ++i) AddRow(static_cast<int>(i), extensions[i]);
}

void FilesPage::AddRow(int index, const std::string& extension) {
  HWND list = Item(ConfigControl::kExtensionList);
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
  HWND list = Item(ConfigControl::kExtensionList);
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
  HWND list = Item(ConfigControl::kExtensionList);
  const bool detection = Box(ConfigControl::kDetectExtensionCheck).Checked();
  const bool addable = NewExtension(Field(ConfigControl::kNewExtensionField).Text()).has_value();
  Button(Item(ConfigControl::kAddExtensionButton)).Enable(addable && !detection);
  const bool removable =
      ListView_GetItemCount(list) > 0 && ListView_GetNextItem(list, -1, LVNI_SELECTED) >= 0;
  Button(Item(ConfigControl::kRemoveExtensionButton)).Enable(removable && !detection);
}

void FilesPage::DetectionChecked() {
  const bool enabled = !Box(ConfigControl::kDetectExtensionCheck).Checked();
  for (ControlId id : {ConfigControl::kExtensionGroup, ConfigControl::kNewExtensionLabel,
                       ConfigControl::kNewExtensionField})
    EnableWindow(Item(id), enabled ? TRUE : FALSE);
  ExtensionFieldChanged();
}

void FilesPage::AddExtension() {
  const Edit field = Field(ConfigControl::kNewExtensionField);
  const std::optional<std::string> extension = NewExtension(field.Text());
  if (!extension) return;
  // The file reads an extension back from after the line's last "=".
  if (const IniKeyProblem problem = IniKeyProblemOf(*extension)) {
    site_.context.message(IniKeyProblemText(site_.language, problem), kMbOk | kMbIconWarning);
    SetFocus(field.hwnd());
    return;
  }
  HWND list = Item(ConfigControl::kExtensionList);
  const int index = ListView_GetItemCount(list);
  AddRow(index, *extension);
  ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list, index, FALSE);
  SetFocus(list);
  field.SetText("");
  ExtensionFieldChanged();
}

void FilesPage::RemoveExtension() {
  const int selected = ListView_GetNextItem(Item(ConfigControl::kExtensionList), -1, LVNI_SELECTED);
  if (selected < 0) return;
  std::vector<std::string> extensions = Extensions();
  extensions.erase(extensions.begin() + selected);
  ShowExtensions(extensions);
  ExtensionFieldChanged();
}

}  // namespace kestrix
