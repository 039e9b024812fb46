// The nodes of the building model and the directed airflows between them.
// Node 0 is outdoors (a huge volume, so its concentration barely moves),
// node 1 the painted zone, node 2 the rest of the building.
#pragma once

#include <array>
#include <vector>

namespace lumo {

inline constexpr int kMaxNodes = 3;
inline constexpr double kOutdoorVolume = 1e60;  // m³

// One directed airflow: Q m³/day carries air of node `from` into node `to`.
struct ZonePair {
  int from;
  int to;
  double flow;
};

struct NodeTable {
  int count = 0;                              // 2 (one zone) or 3 (two zones)
  std::array<double, kMaxNodes> volume{};     // m³
  std::array<double, kMaxNodes> invVolume{};  // 1 / volume
  std::vector<ZonePair> pairs;                // count × (count − 1) pairs

  bool hasNode(int node) const { return node >= 0 && node < count; }
};

}  // namespace lumo
