// How much the ten results of a painting job move when each 30-second step is
// integrated in more sub-steps while only the emission is fast: the first
// rate constant of every increment is set to what a vapour pressure of VP
// torr gives (233.25 × VP per hour), or with "all" the rate constant of every
// increment, and the job is run with 1, 2, 4, 16, 64 and 1000 sub-steps.
// Prints each result's relative difference from the run with 1000 sub-steps.
//   emission_substeps [VP [DAYS [all]]]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core_run.h"
#include "painting_jobs.h"

namespace {

std::vector<double> tenResults(const lumo::ExposureResults &r) {
  return {r.ladd, r.add,      r.ladc,   r.adc,   r.cpeak, r.singleEventDose,
          r.apdr, r.apdrTime, r.c15min, r.c8hour};
}

}  // namespace

int main(int argc, char **argv) {
  using lumo_test::PaintingJob;
  const double vapourPressure = argc > 1 ? std::stod(argv[1]) : 28.0;
  const int days = argc > 2 ? std::stoi(argv[2]) : 5;
  const bool allFast = argc > 3 && std::string(argv[3]) == "all";
  const double fastRate = 233.25 * vapourPressure * 24.0;  // per day
  const char *names[] = {"LADD", "ADD",  "LADC",     "ADC",    "Cpeak",
                         "SED",  "APDR", "APDRtime", "C15min", "C8hour"};
  const auto folder = std::filesystem::temp_directory_path() / "lumo_emission_substeps";
  std::filesystem::create_directories(folder);
  for (PaintingJob job : {PaintingJob::kFactoryDefault, PaintingJob::kHighRiseEntireFloor}) {
    auto scenario = lumo_test::makePaintingJob(job, days, folder.string());
    TransferRecord record = scenario->Record();
    std::vector<EmissionRateIncrementalRecord> sources(
        record.EmissionRateIncrementalList.List,
        record.EmissionRateIncrementalList.List + record.EmissionRateIncrementalList.Entries);
    float firstRate = 0.0f;
    for (const auto &s : sources) firstRate = std::max(firstRate, s.RateConstant);
    for (auto &s : sources) {
      if (allFast || s.RateConstant == firstRate) s.RateConstant = static_cast<float>(fastRate);
    }
    record.EmissionRateIncrementalList.List = sources.data();
    std::printf("%s, %d days, first rate constant %g -> %g per day (h k = %.3g)\n",
                lumo_test::jobName(job), days, firstRate, fastRate, fastRate / 2880.0);
    const auto reference = tenResults(
        lumo_test::runCore(record, lumo::EmissionEvaluation::kRunningSums, nullptr, 1000).results);
    std::printf("%6s", "n");
    for (const char *name : names) std::printf(" %9s", name);
    std::printf("\n");
    for (int n : {1, 2, 4, 16, 64}) {
      const auto r = tenResults(
          lumo_test::runCore(record, lumo::EmissionEvaluation::kRunningSums, nullptr, n).results);
      std::printf("%6d", n);
      for (std::size_t i = 0; i < r.size(); ++i) {
        std::printf(" %9.2e", std::fabs(r[i] - reference[i]) / std::fabs(reference[i]));
      }
      std::printf("\n");
    }
  }
  std::filesystem::remove_all(folder);
  return 0;
}
