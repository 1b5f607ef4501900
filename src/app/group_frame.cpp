#include "app/group_frame.h"

#include <algorithm>

namespace kestrix {

int GroupFrameLineTop(int frame_top, int text_height) {
  return frame_top + text_height / 2 - 1;
}

std::array<WindowRect, 4> GroupFrameEdges(const WindowRect& frame, int caption_top,
                                          int caption_bottom, int text_height, int edge) {
  const WindowRect& f = frame;
  const int top_band_bottom =
      std::max(GroupFrameLineTop(f.top, text_height) + 1 + edge, caption_bottom);
  return {{{f.left, std::min(f.top, caption_top), f.right, top_band_bottom},
           {f.left, f.top, f.left + edge, f.bottom},
           {f.right - edge, f.top, f.right, f.bottom},
           {f.left, f.bottom - edge, f.right, f.bottom}}};
}

}  // namespace kestrix
