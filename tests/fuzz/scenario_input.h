// A scenario file and its schedule file as one fuzz input.
//
//   u8   flags: bit 0 = the schedule part is given row by row (below) rather
//        than as the file's bytes; bit 1 = open the scenario the way the
//        main window does (with its refill derivations) rather than the way
//        the batch runner does
//   u16  length L of the scenario file part (little-endian; what is left of
//        the input when there is less)
//   L bytes: the scenario file as it lies on disk (3192 bytes when whole)
//   the rest: the schedule part
//
// The schedule file lays its cells out column by column, so a few rows touch
// the whole 102404 bytes. Given row by row, the part is the row count (i32,
// raw) and then 8 cells of 16 bytes (length byte and 15 characters) for each
// row, at most 800 rows; the file is built from it with everything else
// zero.
#pragma once

#include <string>

#include "fuzz_bytes.h"

namespace lumo::fuzz {

struct ScenarioInput {
  std::string scenarioFile;
  std::string scheduleFile;
  bool windowOpen = false;
};

ScenarioInput ReadScenarioInput(FuzzBytes &in);

// The input for two files; `rowByRow` writes the schedule's rows in use
// (the file must then be whole).
std::string WriteScenarioInput(const std::string &scenarioFile, const std::string &scheduleFile,
                               bool rowByRow, bool windowOpen);

}  // namespace lumo::fuzz
