#include "sink_node.h"

namespace lumo {

void addSinkTerms(const SinkNode &sink, double invVolume, double C, double L, double &dC,
                  double &dL) {
  if (sink.kind == SinkKind::kFirstOrder) {
    dC = dC - invVolume * sink.uptake * C;
    dL = 0.0;
    return;
  }
  const double ka = sink.uptake;
  const double kd = sink.release;
  const double A = sink.area;
  dC = dC - invVolume * ka * A * C + invVolume * kd * A * L;
  dL = ka * A * C - kd * A * L;
}

}  // namespace lumo
