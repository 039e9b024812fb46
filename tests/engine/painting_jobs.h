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

// The program's house scenario with one bedroom painted, one building input
// typed far beyond what a 30-second step resolves: 350 air changes an hour
// (the interzonal airflow kept), a building of 15.6 ft³, or an interzonal
// airflow of 1.6e6 ft³/hour.
enum class FastHouse { kAirExchange350PerHour, kVolume15_6CubicFeet, kInterzonal1_6e6PerHour };

const char *fastHouseName(FastHouse house);

std::unique_ptr<lumo::LumoTransfer> makeFastHouse(FastHouse house, int days,
                                                  const std::string &programDirectory);

}  // namespace lumo_test
