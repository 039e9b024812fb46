// Indoor sinks attached to one node. A first-order sink removes chemical from
// the air for good; a Langmuir sink takes it up in proportion to the air
// concentration and gives it back in proportion to its own loading L (mg).
// Loadings are part of the integrated state; uptake and release are linear
// and unlimited.
#pragma once

namespace lumo {

enum class SinkKind { kFirstOrder = 1, kLangmuir = 2 };

struct SinkNode {
  SinkKind kind;
  int node;
  double uptake;          // first-order: kf, m³/day; Langmuir: ka, m/day
  double release;         // Langmuir: kd, 1/day; 0 for first-order sinks
  double area;            // Langmuir: A, m²; 0 for first-order sinks
  double initialLoading;  // mg at the start of the run; 0 for first-order sinks
};

// Applies the sink's terms to dC (the derivative of its node's concentration
// C, with invVolume = 1/V of that node) and sets dL (the derivative of its
// loading L).
void addSinkTerms(const SinkNode &sink, double invVolume, double C, double L, double &dC,
                  double &dL);

}  // namespace lumo
