#include "ui/main/name_list_sources_win32.h"

#include <commdlg.h>

#include "platform/win32/wide_text.h"
#include "window/menu.h"

namespace kestrix {

std::vector<std::string> ReadDroppedFiles(HDROP drop) {
  std::vector<std::string> names;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // A fixed buffer would cut long paths and give a wrong name; ask for the length first.
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    const UINT copied = DragQueryFileW(drop, i, name.data(), length + 1);
    name.resize(copied <= length ? copied : length);
    names.push_back(Utf8(name));
  }
  DragFinish(drop);
  return names;
}

std::optional<std::string> ChooseTextFile(HWND owner, const std::string& directory,
                                          const LanguageTable& language) {
  const std::wstring filter = Wide(OpenDialogFilter(language.Text(lng::dialogs::kTextFiles),
                                                    language.Text(lng::dialogs::kAllFiles)));
  const std::wstring initial_dir = Wide(directory);
  wchar_t file[MAX_PATH * 4] = {};
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH * 4;
  dialog.lpstrInitialDir = directory.empty() ? nullptr : initial_dir.c_str();
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING |
                 OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  return Utf8(file);
}

SelectFileChoice SelectFileChoiceFromId(UINT id) {
  SelectFileChoice choice;
  if (id == kSelectFileTextId) choice.command = SelectFileCommand::kLoadFocusedTextFile;
  if (id == kSelectFileBrowseId) choice.command = SelectFileCommand::kBrowse;
  if (id == kSelectFileClearListId) choice.command = SelectFileCommand::kToggleClearList;
  if (id == kSelectFileFolderId) choice.command = SelectFileCommand::kCopyFolderStructure;
  if (id >= kSelectFileStructureFirstId && id < kSelectFileStructureFirstId + 100) {
    choice.command = SelectFileCommand::kApplyStructure;
    choice.structure_index = static_cast<int>(id - kSelectFileStructureFirstId);
  }
  return choice;
}

namespace {

UINT MenuId(const SelectFileMenuItem& item) {
  switch (item.command) {
    case SelectFileCommand::kLoadFocusedTextFile:
      return kSelectFileTextId;
    case SelectFileCommand::kBrowse:
      return kSelectFileBrowseId;
    case SelectFileCommand::kToggleClearList:
      return kSelectFileClearListId;
    case SelectFileCommand::kCopyFolderStructure:
      return kSelectFileFolderId;
    case SelectFileCommand::kApplyStructure:
      return kSelectFileStructureFirstId + static_cast<UINT>(item.structure_index);
    case SelectFileCommand::kNone:
      break;
  }
  return 0;
}

}  // namespace

HMENU BuildSelectFileMenu(const std::vector<SelectFileMenuItem>& items, HBITMAP structure_image) {
  std::vector<MenuItem> shown;
  for (const SelectFileMenuItem& item : items) {
    if (item.separator) {
      shown.push_back(Separator());
      continue;
    }
    shown.push_back({item.caption,
                     MenuId(item),
                     item.checked ? UINT{MF_CHECKED} : 0,
                     item.image_index == kStructureMenuImage ? structure_image : nullptr,
                     {}});
  }
  return BuildMenu(shown);
}

SelectFileChoice ShowSelectFileMenu(HWND owner, POINT screen_point,
                                    const std::vector<SelectFileMenuItem>& items,
                                    HBITMAP structure_image) {
  HMENU menu = BuildSelectFileMenu(items, structure_image);
  const ControlId id = ShowMenu(owner, menu, screen_point);
  if (menu != nullptr) DestroyMenu(menu);
  return SelectFileChoiceFromId(id.command());
}

}  // namespace kestrix
