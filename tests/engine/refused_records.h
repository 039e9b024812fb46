// Records the engine must refuse, each a sound Scenario with one thing
// broken, shared by the tests of the classic exports and of runs of the
// caller's own: both must refuse exactly these.
#pragma once

#include <functional>
#include <vector>

#include "engine_harness.h"

namespace lumo_test {

struct BrokenRecord {
  const char *name;
  std::function<void(Scenario &)> breakScenario;
  std::function<void(TransferRecord &)> breakRecord = [](TransferRecord &) {};

  // A fresh Scenario broken this way, its record built.
  void apply(Scenario &s) const {
    breakScenario(s);
    breakRecord(*s.build());
  }
};

std::vector<BrokenRecord> refusedRecords();

}  // namespace lumo_test
