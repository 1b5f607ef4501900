#pragma once
// The parts of a group frame the window draws itself: its top line and caption, and the
// bands an erase must reach for the frame to be drawn again.
#include <array>

#include "platform/window_system.h"

namespace kestrix {

// The frame's top line lies half a text line below the frame's top, level with the middle
// of the caption.
int GroupFrameLineTop(int frame_top, int text_height);

// The top band (from the caption or the frame's top down past the top line and the
// caption strip ending at `caption_bottom`) and `edge`-wide bands along the left, right
// and bottom sides. An erase that reaches none of them leaves the frame as it was.
std::array<WindowRect, 4> GroupFrameEdges(const WindowRect& frame, int caption_top,
                                          int caption_bottom, int text_height, int edge);

}  // namespace kestrix
