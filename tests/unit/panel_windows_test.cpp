#include "host/panel_windows.h"

#include <gtest/gtest.h>

#include "fakes/fake_window_system.h"

namespace kestrix {
namespace {

// A host window laid out like the host's own: panels 1..4 as direct children, the path of
// the left side under panel 3, of the right side under panel 4 (each in a tab control),
// panel headers 2 and 3 holding a second "TMyPanel" with the header text.
struct FakeHost {
  FakeWindowSystem windows;
  WindowHandle host = 0;
  WindowHandle panels[5] = {};
  WindowHandle left_path = 0, right_path = 0;
  WindowHandle left_header = 0, right_header = 0;
  WindowHandle right_list = 0, left_list = 0;

  FakeHost() {
    windows.Add(0, "Shell_TrayWnd");
    host = windows.Add(0, kHostWindowClass, "Total Commander");
    for (int i = 1; i <= 4; ++i) panels[i] = windows.Add(host, "TMyPanel");
    WindowHandle left_tabs = windows.Add(panels[3], "TMyTabControl");
    left_path = windows.Add(left_tabs, "TPathPanel", "c:\\left\\*.*");
    WindowHandle right_tabs = windows.Add(panels[4], "TMyTabControl");
    right_path = windows.Add(right_tabs, "TPathPanel", "d:\\right\\*.*");
    windows.Add(panels[2], "TMyPanel", "ignored");
    left_header = windows.Add(panels[2], "TMyPanel", "c:\\left header");
    windows.Add(panels[3], "TMyPanel", "ignored");
    right_header = windows.Add(panels[3], "TMyPanel", "d:\\right header");
    right_list = windows.Add(host, kHostListClass);
    left_list = windows.Add(host, kHostListClass);
  }
};

TEST(FindNthChildWindow, CountsOnlyDirectChildrenOfTheClass) {
  FakeWindowSystem w;
  WindowHandle parent = w.Add(0, "Parent");
  WindowHandle a = w.Add(parent, "TMyPanel");
  w.Add(parent, "Other");
  WindowHandle b = w.Add(parent, "tmypanel");
  w.Add(b, "TMyPanel");  // a grandchild is never counted
  struct Case {
    WindowHandle parent;
    int n;
    WindowHandle expected;
  } cases[] = {
      {parent, 1, a}, {parent, 2, b},  {parent, 3, 0},
      {parent, 0, 0}, {parent, -1, 0}, {0, 1, 0},  // no parent must not search the top level
      {0x7777, 1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindNthChildWindow(w, c.parent, "TMyPanel", c.n), c.expected)
        << "parent " << c.parent << " n " << c.n;
  }
}

TEST(FindFileLists, FirstWithoutTextThenAnyAfterItInEitherClass) {
  const char* const list = kHostListClass;
  const char* const alt = kHostListClassAlt;
  struct Case {
    const char* what;
    std::vector<std::pair<const char*, const char*>> children;  // class, text
    bool wide_search_fails;
    int first, second;  // child index, -1 for none
  } cases[] = {
      {"captioned", {{list, "has text"}, {list, ""}, {list, "captioned"}}, false, 1, 2},
      {"other class", {{"Window", ""}, {alt, ""}, {alt, ""}}, false, 1, 2},
      // The second list is looked up with the wide search only.
      {"wide search fails", {{list, ""}, {list, ""}}, true, 0, -1},
      {"one list", {{list, ""}}, false, 0, -1},
      {"no lists", {}, false, -1, -1},
  };
  for (const Case& c : cases) {
    FakeWindowSystem w;
    WindowHandle host = w.Add(0, kHostWindowClass);
    std::vector<WindowHandle> children;
    for (const auto& [class_name, text] : c.children)
      children.push_back(w.Add(host, class_name, text));
    w.SetWideSearchFails(c.wide_search_fails);
    FileLists lists = FindFileLists(w, host);
    EXPECT_EQ(lists.first, c.first < 0 ? 0u : children[c.first]) << c.what;
    EXPECT_EQ(lists.second, c.second < 0 ? 0u : children[c.second]) << c.what;
    EXPECT_EQ(FindFileLists(w, 0).first, 0u);
  }
}

TEST(ReadPanelPath, ReadsEachSideThroughTheTabControl) {
  FakeHost h;
  EXPECT_EQ(ReadPanelPath(h.windows, h.host, PanelSide::kLeft), "c:\\left\\*.*");
  EXPECT_EQ(ReadPanelPath(h.windows, h.host, PanelSide::kRight), "d:\\right\\*.*");
  // Host 0 means the first host window.
  EXPECT_EQ(ReadPanelPath(h.windows, 0, PanelSide::kRight), "d:\\right\\*.*");
}

TEST(ReadPanelPath, PathPanelDirectlyInThePanelWhenThereIsNoTabControl) {
  FakeWindowSystem w;
  WindowHandle host = w.Add(0, kHostWindowClass);
  WindowHandle panel = 0;
  for (int i = 0; i < 3; ++i) panel = w.Add(host, "TMyPanel");
  w.Add(panel, "TPathPanel", "e:\\plain\\");
  EXPECT_EQ(ReadPanelPath(w, host, PanelSide::kLeft), "e:\\plain\\");
  // The right side's panel does not exist.
  EXPECT_EQ(ReadPanelPath(w, host, PanelSide::kRight), "c:\\");
}

TEST(ReadPanelPath, ShortOrRootlessTextsBecomeDriveC) {
  struct Case {
    std::string text;
    std::string expected;
  } cases[] = {
      {"", "c:\\"},       {"d:", "c:\\"},   {":\\x", "c:\\"},
      {":\\", "c:\\"},    {"d:\\", "d:\\"}, {"\\\\\\Plugin\\x", "\\\\\\Plugin\\x"},
      {"1:\\a", "1:\\a"},
  };
  for (const Case& c : cases) {
    FakeHost h;
    h.windows.SetText(h.left_path, c.text);
    EXPECT_EQ(ReadPanelPath(h.windows, h.host, PanelSide::kLeft), c.expected) << c.text;
  }
}

TEST(ReadPanelPath, TabControlWithoutPathPanelYieldsDriveC) {
  FakeHost h;
  h.windows.Remove(h.right_path);
  EXPECT_EQ(ReadPanelPath(h.windows, h.host, PanelSide::kRight), "c:\\");
}

TEST(ReadPanelPath, TextIsCutToTheBuffer) {
  FakeHost h;
  std::string long_path = "c:\\" + std::string(400, 'x');
  h.windows.SetText(h.left_path, long_path);
  EXPECT_EQ(ReadPanelPath(h.windows, h.host, PanelSide::kLeft), long_path.substr(0, 255));
}

TEST(ReadPanelPathAlt, HeaderTextWhenItHoldsABackslash) {
  FakeHost h;
  EXPECT_EQ(ReadPanelPathAlt(h.windows, h.host, PanelSide::kLeft), "c:\\left header");
  EXPECT_EQ(ReadPanelPathAlt(h.windows, h.host, PanelSide::kRight), "d:\\right header");
}

TEST(ReadPanelPathAlt, FallsBackToTheTabControlsSecondPanel) {
  FakeHost h;
  h.windows.SetText(h.left_header, "  no separator  ");
  WindowHandle tabs = h.windows.Add(h.panels[2], "TMyTabControl");
  h.windows.Add(tabs, "TMyPanel", "first");
  h.windows.Add(tabs, "TMyPanel", "f:\\from tabs\\");
  EXPECT_EQ(ReadPanelPathAlt(h.windows, h.host, PanelSide::kLeft), "f:\\from tabs\\");
}

TEST(ReadPanelPathAlt, EmptyWhenNeitherWindowExists) {
  FakeHost h;
  h.windows.SetText(h.left_header, "");
  EXPECT_EQ(ReadPanelPathAlt(h.windows, h.host, PanelSide::kLeft), "");
  EXPECT_EQ(ReadPanelPathAlt(h.windows, 0, PanelSide::kLeft), "");
}

}  // namespace
}  // namespace kestrix
