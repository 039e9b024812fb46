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

// A sink's terms with their constant products formed once, for a node of
// volume V (invVolume = 1/V):
//   first-order: dC −= (kf/V) C,                     dL = 0;
//   Langmuir:    dC += −(ka A/V) C + (kd A/V) L,     dL = (ka A) C − (kd A) L.
// The products are formed left to right, (1/V × ka) × A and so on, so that a
// stage computes exactly what multiplying the factors out every time would.
struct SinkRates {
  SinkRates(const SinkNode &sink, double invVolume);

  // Applies the terms to dC (the derivative of the node's concentration C)
  // and sets dL (the derivative of the loading L).
  void apply(double C, double L, double &dC, double &dL) const {
    if (!langmuir) {
      dC = dC - fromAir * C;
      dL = 0.0;
      return;
    }
    dC = dC - fromAir * C + toAir * L;
    dL = uptake * C - release * L;
  }

  bool langmuir;
  double fromAir;  // first-order: kf/V; Langmuir: ka A/V
  double toAir;    // Langmuir: kd A/V
  double uptake;   // Langmuir: ka A
  double release;  // Langmuir: kd A
};

}  // namespace lumo
