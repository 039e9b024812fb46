// Where TPERCENT paints its fill: pure geometry, so it can be checked
// without a window.
#pragma once

#include <QRect>

namespace lumo::controls {

// The filled part of a bar of `width` x `height` pixels at `percent`
// (0..100): inside the two-pixel frame, growing from the left for a bar at
// least as wide as it is high, else from the bottom up. The rectangle's
// right and bottom edges are exclusive: a 90 x 20 bar at 50 % fills the
// pixels x = 2 to 44.
QRect PercentFillRect(int width, int height, int percent);

}  // namespace lumo::controls
