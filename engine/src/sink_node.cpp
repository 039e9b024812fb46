#include "sink_node.h"

namespace lumo {

SinkRates::SinkRates(const SinkNode &sink, double invVolume)
    : langmuir(sink.kind != SinkKind::kFirstOrder),
      fromAir(langmuir ? invVolume * sink.uptake * sink.area : invVolume * sink.uptake),
      toAir(langmuir ? invVolume * sink.release * sink.area : 0.0),
      uptake(langmuir ? sink.uptake * sink.area : 0.0),
      release(langmuir ? sink.release * sink.area : 0.0) {}

}  // namespace lumo
