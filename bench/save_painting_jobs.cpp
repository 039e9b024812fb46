// Writes the painting jobs of the engine benchmark as scenario files, so that
// the batch runner can time them as whole processes:
//   save_painting_jobs FOLDER [DAYS]
// gives FOLDER/FactoryDefault.vkx, FOLDER/HighRiseEntireFloor.vkx and
// FOLDER/HighRiseHalfBuilding.vkx (each with its schedule file), DAYS long
// (365 unless given).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "painting_jobs.h"

int main(int argc, char **argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: save_painting_jobs FOLDER [DAYS]\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const int days = argc > 2 ? std::stoi(argv[2]) : 365;
  using lumo_test::PaintingJob;
  try {
    std::filesystem::create_directories(folder);
    for (PaintingJob job : {PaintingJob::kFactoryDefault, PaintingJob::kHighRiseEntireFloor,
                            PaintingJob::kHighRiseHalfBuilding}) {
      auto scenario = lumo_test::makePaintingJob(job, days, folder.string());
      const std::string file = (folder / (std::string(lumo_test::jobName(job)) + ".vkx")).string();
      scenario->SaveState(file);
      std::printf("%s: %d schedule rows, %d increments\n", file.c_str(),
                  scenario->PaintDurationGrid().Rows(),
                  scenario->Record().EmissionRateIncrementalList.Entries);
    }
  } catch (const std::exception &e) {
    std::fprintf(stderr, "save_painting_jobs: %s\n", e.what());
    return 1;
  }
  return 0;
}
