#include "saturation_limit.h"

namespace lumo {

void SaturationLimit::apply(double *C, const NodeTable &nodes) {
  for (int i = 0; i < nodes.count; ++i) {
    const double V = nodes.volume[i];
    double &R = reserve_[i];
    if (C[i] > csat_) {
      R = R + (C[i] - csat_) * V;
      C[i] = csat_;
    } else if (R > 0.0) {
      const double room = (csat_ - C[i]) * V;
      if (R <= room) {
        C[i] = C[i] + R / V;
        R = 0.0;
      } else {
        R = R - room;
        C[i] = csat_;
      }
    }
  }
}

}  // namespace lumo
