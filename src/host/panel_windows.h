#pragma once
// Reading the host's panels straight from its window tree: the two file lists and the
// path shown above each panel. The class names and child positions are the host's own
// layout ("TMyPanel" children, "TMyTabControl", "TPathPanel", "TMyListBox").
#include <string>

#include "platform/window_system.h"

namespace kestrix {

inline constexpr char kHostWindowClass[] = "TTOTAL_CMD";
inline constexpr char kHostListClass[] = "TMyListBox";
inline constexpr char kHostListClassAlt[] = "LCLListBox";

enum class PanelSide { kLeft, kRight };

// The host's two file lists. `second` is the left panel, `first` the right one.
struct FileLists {
  WindowHandle first = 0;
  WindowHandle second = 0;
};

// The n-th (1-based) direct child of `parent` with class `class_name`; 0 when the parent
// is no window, n is below 1 or there are fewer such children.
WindowHandle FindNthChildWindow(WindowSystem& windows, WindowHandle parent,
                                const std::string& class_name, int n);

// The first text-less child of class `list_class` (wide search, then ANSI search) and the
// next child of that class after it (wide search, any caption).
FileLists FindFileListsOfClass(WindowSystem& windows, WindowHandle host,
                               const std::string& list_class);

// "TMyListBox" lists, or "LCLListBox" lists when the host has no "TMyListBox".
FileLists FindFileLists(WindowSystem& windows, WindowHandle host);

// The side whose list has the focus: left exactly when the focused window is the second
// list.
PanelSide SideOfFocus(const FileLists& lists, WindowHandle focused);

// The path panel text of one side; "c:\" when it is shorter than 3 characters or begins
// with ":\". Host 0 stands for the first host window.
std::string ReadPanelPath(WindowSystem& windows, WindowHandle host, PanelSide side);

// The path read from the panel header of the other host layout, for when the path panel
// holds no path.
std::string ReadPanelPathAlt(WindowSystem& windows, WindowHandle host, PanelSide side);

}  // namespace kestrix
