#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

TEST(ChoosePlacementArea, BySettingAndHostState) {
  struct Case {
    WindowPosition position;
    bool iconic;
    PlacementArea expected;
  } cases[] = {
      {WindowPosition::kHostWindow, false, PlacementArea::kHostWindow},
      {WindowPosition::kHostPane, false, PlacementArea::kActiveList},
      {WindowPosition::kScreen, false, PlacementArea::kScreen},
      {WindowPosition::kHostWindow, true, PlacementArea::kScreen},
      {WindowPosition::kHostPane, true, PlacementArea::kScreen},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChoosePlacementArea(c.position, c.iconic), c.expected)
        << static_cast<int>(c.position) << c.iconic;
}

TEST(CentredOrigin, HalvesTruncateTowardZero) {
  struct Case {
    WindowRect area;
    int width, height;
    int left, top;
  } cases[] = {
      {{0, 0, 1000, 800}, 400, 200, 300, 300},
      {{10, 20, 111, 121}, 50, 50, 35, 45},    // odd remainders round down
      {{0, 0, 100, 100}, 301, 103, -100, -1},  // larger than the area: -201/2 is -100
      {{-500, -300, -100, -100}, 100, 100, -350, -250},
  };
  for (const Case& c : cases) {
    WindowOrigin origin = CentredOrigin(c.area, c.width, c.height);
    EXPECT_EQ(origin.left, c.left);
    EXPECT_EQ(origin.top, c.top);
  }
}

}  // namespace
}  // namespace kestrix
