#include "host/panel_windows.h"

#include "base/text_utils.h"

namespace kestrix {

namespace {

// WM_GETTEXT into a buffer of 256 characters: at most 255 and the terminating zero.
constexpr size_t kPathTextChars = 255;

std::string TextOf(WindowSystem& windows, WindowHandle window) {
  if (window == 0) return {};
  return windows.SendGetText(window, kPathTextChars);
}

}  // namespace

WindowHandle FindNthChildWindow(WindowSystem& windows, WindowHandle parent,
                                const std::string& class_name, int n) {
  // Parent 0 would search the top level, which no caller means.
  if (parent == 0 || n < 1) return 0;
  WindowHandle found = 0;
  for (int i = 0; i < n; ++i) {
    found = windows.FindWindow(parent, found, class_name, std::nullopt);
    if (found == 0) return 0;
  }
  return found;
}

FileLists FindFileListsOfClass(WindowSystem& windows, WindowHandle host,
                               const std::string& list_class) {
  FileLists lists;
  if (host == 0) return lists;
  lists.first = windows.FindWindow(host, 0, list_class, std::string());
  if (lists.first != 0)
    lists.second = windows.FindWindow(host, lists.first, list_class, std::nullopt);
  return lists;
}

FileLists FindFileLists(WindowSystem& windows, WindowHandle host) {
  FileLists lists = FindFileListsOfClass(windows, host, kHostListClass);
  if (lists.first == 0) lists = FindFileListsOfClass(windows, host, kHostListClassAlt);
  return lists;
}

PanelSide SideOfFocus(const FileLists& lists, WindowHandle focused) {
  return (focused != 0 && focused == lists.second) ? PanelSide::kLeft : PanelSide::kRight;
}

std::string ReadPanelPath(WindowSystem& windows, WindowHandle host, PanelSide side) {
  if (host == 0) host = windows.FindWindow(0, 0, kHostWindowClass, std::nullopt);
  WindowHandle panel =
      FindNthChildWindow(windows, host, "TMyPanel", side == PanelSide::kLeft ? 3 : 4);
  WindowHandle tabs = FindNthChildWindow(windows, panel, "TMyTabControl", 1);
  WindowHandle path_window = tabs != 0 ? FindNthChildWindow(windows, tabs, "TPathPanel", 1)
                                       : FindNthChildWindow(windows, panel, "TPathPanel", 1);
  std::string text = TextOf(windows, path_window);
  if (text.size() < 3 || text.compare(0, 2, ":\\") == 0) return "c:\\";
  return text;
}

std::string ReadPanelPathAlt(WindowSystem& windows, WindowHandle host, PanelSide side) {
  WindowHandle header =
      FindNthChildWindow(windows, host, "TMyPanel", side == PanelSide::kLeft ? 2 : 3);
  std::string text = TextOf(windows, FindNthChildWindow(windows, header, "TMyPanel", 2));
  if (Trim(text).find('\\') != std::string::npos) return text;
  WindowHandle tabs = FindNthChildWindow(windows, header, "TMyTabControl", 1);
  return TextOf(windows, FindNthChildWindow(windows, tabs, "TMyPanel", 2));
}

}  // namespace kestrix
