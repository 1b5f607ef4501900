#include "app/window_placement.h"

namespace kestrix {

PlacementArea ChoosePlacementArea(WindowPosition window_position, bool host_iconic) {
  if (host_iconic) return PlacementArea::kScreen;
  if (window_position == WindowPosition::kHostWindow) return PlacementArea::kHostWindow;
  if (window_position == WindowPosition::kHostPane) return PlacementArea::kActiveList;
  return PlacementArea::kScreen;
}

WindowOrigin CentredOrigin(const WindowRect& area, int width, int height) {
  int area_width = area.right - area.left;
  int area_height = area.bottom - area.top;
  return {area.left + (area_width - width) / 2, area.top + (area_height - height) / 2};
}

}  // namespace kestrix
