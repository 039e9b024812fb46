#include "run_outcomes.h"

#include <gtest/gtest.h>

#include <bit>
#include <stdexcept>

#include "engine_harness.h"

namespace lumo_test {

namespace {

// What a results record holds before anything is written into it.
ExecutionResultsRecord unwritten() {
  const float m = -5.0f;
  return {m, m, m, m, m, m, m, m, m, m};
}

bool done(double answer) {
  return answer < 0.0 || answer >= 100.0;
}

constexpr std::size_t kMaxCalls = 10'000'000;

}  // namespace

const char *drivingName(Driving how) {
  switch (how) {
    case Driving::kClassic:
      return "classic exports";
    case Driving::kStepRun:
      return "lumo32_StepRun";
    case Driving::kRunToEnd:
      return "lumo32_RunToEnd";
  }
  return "";
}

std::array<std::uint32_t, 10> bitsOf(const ExecutionResultsRecord &r) {
  return {std::bit_cast<std::uint32_t>(r.LADD),   std::bit_cast<std::uint32_t>(r.ADD),
          std::bit_cast<std::uint32_t>(r.LADC),   std::bit_cast<std::uint32_t>(r.ADC),
          std::bit_cast<std::uint32_t>(r.Cpeak),  std::bit_cast<std::uint32_t>(r.SingleEventDose),
          std::bit_cast<std::uint32_t>(r.APDR),   std::bit_cast<std::uint32_t>(r.APDRtime),
          std::bit_cast<std::uint32_t>(r.C15min), std::bit_cast<std::uint32_t>(r.C8hour)};
}

RunOutcome runThrough(Driving how, TransferRecord &record, const std::string &csvPath) {
  const char *csv = csvPath.empty() ? nullptr : csvPath.c_str();
  RunOutcome out;
  ExecutionResultsRecord results = unwritten();
  if (how == Driving::kClassic) {
    const ExecutionResultsRecord kept = record.ExecutionResultsRecord;
    record.ExecutionResultsRecord = unwritten();
    out.accepted = engine().init(&record, nullptr, csv) == 1;
    if (out.accepted) {
      do {
        out.answers.push_back(engine().oneLoop());
        if (out.answers.size() > kMaxCalls) throw std::runtime_error("run does not finish");
      } while (!done(out.answers.back()));
      out.resultsAnswer = engine().getValues();
    }
    results = record.ExecutionResultsRecord;
    record.ExecutionResultsRecord = kept;
  } else {
    LumoRun *run = engine().createRun(&record, csv);
    out.accepted = run != nullptr;
    if (out.accepted) {
      if (how == Driving::kRunToEnd) {
        out.answers.push_back(engine().runToEnd(run));
      } else {
        do {
          out.answers.push_back(engine().stepRun(run));
          if (out.answers.size() > kMaxCalls) throw std::runtime_error("run does not finish");
        } while (!done(out.answers.back()));
      }
      out.resultsAnswer = engine().runResults(run, &results);
      engine().freeRun(run);
    }
  }
  out.resultBits = bitsOf(results);
  if (csv != nullptr) out.csv = readFile(csvPath);
  return out;
}

void expectSameOutcome(const RunOutcome &expected, const RunOutcome &actual) {
  EXPECT_EQ(actual.accepted, expected.accepted);
  if (expected.answers.size() == 1 || actual.answers.size() == 1) {
    ASSERT_FALSE(expected.answers.empty() || actual.answers.empty());
    EXPECT_EQ(actual.answers.back(), expected.answers.back());
  } else {
    EXPECT_EQ(actual.answers, expected.answers);
  }
  EXPECT_EQ(actual.resultsAnswer, expected.resultsAnswer);
  EXPECT_EQ(actual.resultBits, expected.resultBits);
  EXPECT_TRUE(actual.csv == expected.csv) << "the CSV files differ";
}

}  // namespace lumo_test
