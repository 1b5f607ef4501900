#pragma once
// Where the main window opens: centred on the host window, on the active file list or on
// the screen, by the WindowPosition setting.
#include "platform/window_system.h"
#include "settings/settings_model.h"

namespace kestrix {

enum class PlacementArea { kHostWindow, kActiveList, kScreen };

// The host window or the active list while the host is shown; an iconic host, the screen.
PlacementArea ChoosePlacementArea(WindowPosition window_position, bool host_iconic);

struct WindowOrigin {
  int left = 0;
  int top = 0;
};

// The top-left corner that centres a width x height window on `area`; halves truncate
// toward zero.
WindowOrigin CentredOrigin(const WindowRect& area, int width, int height);

}  // namespace kestrix
