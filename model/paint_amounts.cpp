#include "paint_amounts.h"

#include <cmath>

#include "field_limits.h"
#include "lumoutil.h"

namespace lumo {

double CoatAmount(std::int32_t coats, double area, double coverage) {
  if (coverage == 0) return 0;
  return coats * area / coverage;
}

std::int32_t WholePainters(double typed) {
  return RoundToInt32(NearestInRange(typed, kPainterLimits));
}

}  // namespace lumo
