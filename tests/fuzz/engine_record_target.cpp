// Fuzz target: the engine's record. The input is a TransferRecord (layout in
// engine_record_input.h) sent through _InitLmuo and a bounded run; the flags
// byte in front chooses whether the input dump and the concentration file
// are written (bit 0: dump, bit 1: concentration file), so both the writers
// and the runs without files are covered.
#include <cstddef>
#include <cstdint>

#include "bounded_run.h"
#include "engine_record_input.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  using namespace lumo::fuzz;
  FuzzBytes in(data, size);
  const std::uint8_t files = in.U8();
  EngineRecordInput input;
  ReadEngineRecord(in, input);

  static const std::string dump = ScratchFile("xferlumo32.txt");
  static const std::string csv = ScratchFile("record.CSV");
  RunBounds bounds;
  bounds.maxCalls = 500;
  bounds.maxDays = 1.01;
  RunBounded(input.record, (files & 1) ? dump.c_str() : nullptr,
             (files & 2) ? csv.c_str() : nullptr, bounds);
  return 0;
}
