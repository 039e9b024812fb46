// The painting jobs the engine's speed and accuracy are measured on, built by
// the program's own scenario rules and record assembly, each with a
// professional painter:
//  - the factory-default scenario: one room of a house, 3 work periods;
//  - a high-rise office building, entire floor, as the building choice
//    derives it: 129 work periods over 128 days;
//  - the same floor with the share of the building painted raised to 50 %
//    in the percent-painted dialog: 641 work periods, the size of the
//    largest jobs assessors run.
#pragma once

#include <memory>
#include <string>

#include "lumo_transfer.h"

namespace lumo_test {

enum class PaintingJob { kFactoryDefault, kHighRiseEntireFloor, kHighRiseHalfBuilding };

const char *jobName(PaintingJob job);

// The chemical list of the source tree, which holds the default chemical.
std::string chemicalListFile();

// The scenario of `job` run for `days` days, with its record filled.
// `programDirectory` receives the diagnostic file that record assembly writes.
std::unique_ptr<lumo::LumoTransfer> makePaintingJob(PaintingJob job, int days,
                                                    const std::string &programDirectory);

}  // namespace lumo_test
