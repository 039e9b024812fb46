#include "refused_records.h"

#include <limits>

namespace lumo_test {

std::vector<BrokenRecord> refusedRecords() {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInf = std::numeric_limits<float>::infinity();
  // 1 % faster than the engine integrates, for zone 1's 50 m³.
  constexpr float kTooFast = static_cast<float>(LUMO32_MAX_EXCHANGE_RATE * 1.01 * 50);
  return {
      {"no zones", [](Scenario &s) { s.zones = 0; }},
      {"three zones", [](Scenario &s) { s.zones = 3; }},
      {"one flow", [](Scenario &s) { s.flowsOne = {1}; }},
      {"two zone-2 flows with one zone",
       [](Scenario &s) {
         s.flowsTwo = {0, 0};
       }},
      {"zero report interval", [](Scenario &s) { s.reportInterval = 0; }},
      {"negative report interval", [](Scenario &s) { s.reportInterval = -1; }},
      {"NaN report interval", [](Scenario &s) { s.reportInterval = kNaN; }},
      {"NaN start", [](Scenario &s) { s.start = kNaN; }},
      {"infinite end", [](Scenario &s) { s.end = kInf; }},
      {"end before start", [](Scenario &s) { s.end = -0.5f; }},
      {"unresolvable clock", [](Scenario &s) { s.start = 1e15f, s.end = 2e15f; }},
      {"zero body weight", [](Scenario &s) { s.bodyWeight = 0; }},
      {"NaN body weight", [](Scenario &s) { s.bodyWeight = kNaN; }},
      {"zero lifetime", [](Scenario &s) { s.lifetime = 0; }},
      {"zero zone-1 volume", [](Scenario &s) { s.volume1 = 0; }},
      {"zero zone-2 volume with two zones", [](Scenario &s) { s.zones = 2, s.volume2 = 0; }},
      {"NaN flow",
       [](Scenario &s) {
         s.flowsOne = {kNaN, 0};
       }},
      {"NaN source mass",
       [](Scenario &s) {
         s.sources = {{1, 0, kNaN, 1, 1}};
       }},
      {"zone 1 flushed faster than the engine integrates",
       [](Scenario &s) {
         s.flowsOne = {0, kTooFast};
       }},
      {"a sink releasing faster than the engine integrates",
       [](Scenario &s) {
         s.langmuirSinks = {{2, 1, 0, static_cast<float>(LUMO32_MAX_EXCHANGE_RATE * 1.01), 1, 0}};
       }},
      {"negative list count", [](Scenario &) {},
       [](TransferRecord &r) { r.OverrideActivityList.Entries = -1; }},
      {"null list with entries", [](Scenario &) {},
       [](TransferRecord &r) {
         r.EmissionRateIncrementalList = {3, nullptr};
       }},
      {"null primary days", [](Scenario &) {},
       [](TransferRecord &r) { r.PrimaryDaysList = nullptr; }},
  };
}

}  // namespace lumo_test
