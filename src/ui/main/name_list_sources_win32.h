#pragma once
// The Win32 sources of name lists: files dropped on the window, the clipboard's text, the
// open-file dialog `fileOpen` and the "Load" button's menu `PopupMenu_SelectFile`. Each is
// thin; what the names become is decided by create/name_list_loading.h.
//
// The main window uses them like this:
//   WM_DROPFILES:  AcceptFiles: names = ReadDroppedFiles(drop) -> DescribeDroppedPaths
//                  -> PlanDrop -> (switch, LoadTextFile or InsertDroppedNames)
//   Ctrl+V in MkDir: if (auto text = ReadClipboardText(hwnd)) (window/clipboard.h)
//   PlanNameFieldPaste(*text, ...) Load button:   LoadButtonOpensDialogDirectly ? ChooseTextFile :
//   ShowSelectFileMenu
#include <optional>
#include <string>
#include <vector>

#include "create/name_list_loading.h"
#include "platform/win32/windows_api.h"
#include "settings/language_table.h"

// After windows_api.h: HDROP needs the Windows types.
#include <shellapi.h>

namespace kestrix {

// Every name of the drop, in drop order, each read in full whatever its length; the drop
// handle is released (DragFinish).
std::vector<std::string> ReadDroppedFiles(HDROP drop);

// The open-file dialog: filter from the language texts `TextFiles` and `AllFiles` of
// "Dialogs", starting in `directory`; the file and path must exist, read-only hidden,
// resizable. The chosen path, nothing when the user cancels.
std::optional<std::string> ChooseTextFile(HWND owner, const std::string& directory,
                                          const LanguageTable& language);

// Command ids of `PopupMenu_SelectFile`: fixed ones, then one per structure index.
inline constexpr UINT kSelectFileTextId = 0x5501;
inline constexpr UINT kSelectFileBrowseId = 0x5502;
inline constexpr UINT kSelectFileClearListId = 0x5503;
inline constexpr UINT kSelectFileFolderId = 0x5504;
inline constexpr UINT kSelectFileStructureFirstId = 0x5510;

struct SelectFileChoice {
  SelectFileCommand command = SelectFileCommand::kNone;
  int structure_index = -1;
};
SelectFileChoice SelectFileChoiceFromId(UINT id);

// A new popup menu with the given entries; `structure_image` (may be null) is shown beside
// the structure entries. The caller destroys it.
HMENU BuildSelectFileMenu(const std::vector<SelectFileMenuItem>& items, HBITMAP structure_image);

// Opens the menu just below the button's lower left corner (`screen_point`) and waits for
// the choice; kNone when dismissed.
SelectFileChoice ShowSelectFileMenu(HWND owner, POINT screen_point,
                                    const std::vector<SelectFileMenuItem>& items,
                                    HBITMAP structure_image = nullptr);

}  // namespace kestrix
