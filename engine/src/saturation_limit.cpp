#include "saturation_limit.h"

namespace lumo {

void SaturationLimit::apply(double *C, const NodeTable &nodes) {
  for (int i = 0; i < nodes.count; ++i) limitNode(i, C[i], nodes.volume[i]);
}

}  // namespace lumo
