#include "percent_geometry.h"

#include <cmath>

namespace lumo::controls {

QRect PercentFillRect(int width, int height, int percent) {
  if (width >= height) {
    const int right = 2 + static_cast<int>(std::nearbyint((width - 4) * percent / 100.0));
    return QRect(QPoint(2, 2), QPoint(right - 1, height - 3));
  }
  const int top = 2 + static_cast<int>(std::nearbyint((height - 4) * (100 - percent) / 100.0));
  return QRect(QPoint(2, top), QPoint(width - 3, height - 3));
}

}  // namespace lumo::controls
