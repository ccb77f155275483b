// The parts of a panel picture: measures shared by the panel frame and the
// controls, and the drawing of one control.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "host/core/text.h"
#include "host/snapshot/svg_writer.h"

namespace qbhost {

struct Control;

namespace picture {

// Sizes in panel pixels.  A label takes 8 pixels per byte, as the host
// reports label widths to the module; text fields measure their width in
// characters of 6 pixels.
inline constexpr int kLabelByteWidth = 8;
inline constexpr int kImageLabelWidth = 16;
inline constexpr int kFieldCharWidth = 6;
inline constexpr int kControlHeight = 19;
inline constexpr int kTextBaseline = 14;  // below a control's y
inline constexpr int kListHeadHeight = 18;
inline constexpr int kListRowHeight = 16;
inline constexpr int kMaxExtent = 100000;  // positions and sizes are drawn within +-this

// The area the drawn controls cover, growing as they are drawn.
struct Bounds {
  int left = 0, top = 0, right = 0, bottom = 0;
  void add(int x, int y, int width, int height) {
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x + width);
    bottom = std::max(bottom, y + height);
  }
};

// What a control drawing needs besides the control.
struct Canvas {
  svg::Writer &out;
  Bounds &bounds;
  TextCode text_code = TextCode::Plain;  // how module texts are written
  int next_clip = 0;                     // numbering of clip paths, unique in the picture
};

// The width the host gives a label: 8 per byte, 16 for an image label.
int label_width(std::string_view label);
bool is_image_label(std::string_view label);

// Draws a control that is not erased, in panel coordinates.
void draw_control(Canvas &canvas, const Control &control);

}  // namespace picture
}  // namespace qbhost
