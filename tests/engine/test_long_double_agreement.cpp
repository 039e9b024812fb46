// The engine's runs of real painting jobs against the long-double evaluation
// of the same scheme: every reported concentration and loading within 1e-8
// relative (or 1e-12 of its column's peak for values that small) and each of
// the ten results within 1e-8 relative, over a whole year. Builds with
// sanitizers check the first LUMO_AGREEMENT_DAYS days only: the same code
// paths at a fraction of the cost.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "agreement.h"
#include "core_run.h"
#include "long_double_run.h"
#include "painting_jobs.h"
#include "run_inputs.h"

#ifndef LUMO_AGREEMENT_DAYS
#define LUMO_AGREEMENT_DAYS 365
#endif

namespace lumo_test {
namespace {

constexpr int kDays = LUMO_AGREEMENT_DAYS;

class ProgramDirectory {
 public:
  ProgramDirectory() {
    path_ = std::filesystem::temp_directory_path() /
            ("lumo_agreement_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(path_);
  }
  ~ProgramDirectory() { std::filesystem::remove_all(path_); }
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

void expectYearAgrees(PaintingJob job) {
  ProgramDirectory dir;
  auto scenario = makePaintingJob(job, kDays, dir.path());
  const TransferRecord &record = scenario->Record();
  std::optional<lumo::RunInputs> inputs = lumo::readRunInputs(record);
  ASSERT_TRUE(inputs.has_value());

  const CoreRunOutput engine = runCore(record, lumo::EmissionEvaluation::kRunningSums);
  const LongDoubleOutput exact = runInLongDouble(*inputs);
  const Agreement a = compareRuns(engine, exact);

  ASSERT_TRUE(a.sameReports);
  EXPECT_EQ(engine.rows.size(), std::size_t(kDays) * 24 + 1);
  EXPECT_EQ(a.rowValuesOutside, 0)
      << "worst " << a.worstRowShare << " of the allowance at " << a.worstRow;
  EXPECT_EQ(a.resultsOutside, 0) << "worst " << a.worstResultShare << " of the allowance";
  ::testing::Test::RecordProperty("worst_row_share", std::to_string(a.worstRowShare));
  ::testing::Test::RecordProperty("worst_result_share", std::to_string(a.worstResultShare));
  std::printf("%s: worst row %.3g, worst result %.3g of the allowance (%s)\n", jobName(job),
              a.worstRowShare, a.worstResultShare, a.worstRow.c_str());
}

TEST(LongDoubleAgreement, FactoryDefaultYear) {
  expectYearAgrees(PaintingJob::kFactoryDefault);
}

TEST(LongDoubleAgreement, HighRiseEntireFloorYear) {
  expectYearAgrees(PaintingJob::kHighRiseEntireFloor);
}

}  // namespace
}  // namespace lumo_test
