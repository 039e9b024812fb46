// Shards of an assessment merged give the run of one process bit for bit;
// partial result files that are damaged, or that do not belong together,
// are refused with one sentence naming the file.
#include "assessment_shard.h"

#include <gtest/gtest.h>

#include <cstring>

#include "assessment_fixture.h"

namespace lumo::test {
namespace {

using prob::Shard;

// Two inputs, one-at-a-time cases and a Sobol design: 30 + 5 + 32 cases,
// some without results (volumes whose painting the schedule cannot hold).
const char *const kAssessment = R"({"iterations": 30, "seed": 4, "inputs": {
    "BodyWeight": {"distribution": "lognormal", "gm": 71.8, "gsd": 1.2},
    "BldgVolume": {"distribution": "loguniform", "min": 1000, "max": 100000000}},
  "sensitivity": {"spearman": true, "one-at-a-time": true,
                  "sobol": {"base-samples": 8, "bootstrap": 10}}})";

bool SameBits(const prob::CaseResults &a, const prob::CaseResults &b) {
  return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

void ExpectSameRun(const prob::AssessmentRun &a, const prob::AssessmentRun &b) {
  EXPECT_TRUE(SameBits(a.deterministic, b.deterministic));
  ASSERT_EQ(a.results.size(), b.results.size());
  for (std::size_t i = 0; i < a.results.size(); ++i) {
    EXPECT_EQ(a.values[i], b.values[i]) << i;
    EXPECT_TRUE(SameBits(a.results[i], b.results[i])) << i;
  }
  ASSERT_EQ(a.oneAtATimeResults.size(), b.oneAtATimeResults.size());
  for (std::size_t k = 0; k < a.oneAtATimeResults.size(); ++k)
    EXPECT_TRUE(SameBits(a.oneAtATimeResults[k], b.oneAtATimeResults[k])) << k;
  ASSERT_EQ(a.sobolResults.size(), b.sobolResults.size());
  for (std::size_t k = 0; k < a.sobolResults.size(); ++k)
    EXPECT_TRUE(SameBits(a.sobolResults[k], b.sobolResults[k])) << k;
  EXPECT_EQ(a.casesRun, b.casesRun);
  EXPECT_EQ(a.casesFailed, b.casesFailed);
  ASSERT_EQ(a.failures.size(), b.failures.size());
  for (std::size_t k = 0; k < a.failures.size(); ++k) {
    EXPECT_EQ(a.failures[k].number, b.failures[k].number);
    EXPECT_EQ(a.failures[k].problem, b.failures[k].problem);
  }
  EXPECT_EQ(a.partial, b.partial);
}

class ShardTest : public AssessmentTest {
 protected:
  // Shard k of n, through its file's bytes.
  std::string ShardFile(const std::string &json, std::size_t k, std::size_t n,
                        std::uint64_t seed = 4) {
    const prob::Assessment a = AssessmentOf(json);
    Shard shard;
    shard.identity.programVersion = "test";
    shard.identity.shard = k;
    shard.identity.shards = n;
    shard.identity.seed = seed;
    shard.identity.assessmentText = prob::AssessmentToJson(a);
    shard.identity.assessmentChecksum = prob::TextChecksum(shard.identity.assessmentText);
    shard.identity.scenarioChecksum = 77;
    shard.identity.scenario = "scenario.vkx";
    shard.identity.distributionFile = "dist.json";
    prob::RunOptions options;
    options.threads = 2;
    std::tie(options.firstCase, options.endCase) =
        prob::ShardCases(prob::EmptyAssessmentRun(a, seed).Cases(), k, n);
    shard.firstCase = options.firstCase;
    shard.endCase = options.endCase;
    shard.run = prob::RunAssessment(*scenario, a, seed, *engine, options);
    return prob::ShardBytes(shard);
  }
  Shard Read(const std::string &bytes, const std::string &name = "part.bin") {
    return prob::ReadShard(bytes, name, prob::ScenarioVariableFields());
  }
  prob::MergedShards Merge(const std::vector<std::string> &files) {
    std::vector<Shard> shards;
    std::vector<std::string> names;
    for (std::size_t k = 0; k < files.size(); ++k) {
      names.push_back("part" + std::to_string(k) + ".bin");
      shards.push_back(Read(files[k], names.back()));
    }
    return prob::MergeShards(shards, names, prob::ScenarioVariableFields());
  }
  std::string MergeRefusal(const std::vector<std::string> &files) {
    try {
      Merge(files);
    } catch (const prob::EShardFile &e) {
      return e.what();
    }
    return "not refused";
  }
};

TEST(ShardCases, ConsecutiveBlocksCoverEveryCaseOnce) {
  for (std::size_t cases : {0u, 1u, 5u, 67u, 1000u})
    for (std::size_t n : {1u, 3u, 7u, 2000u}) {
      std::size_t next = 0, largest = 0, smallest = cases;
      for (std::size_t k = 0; k < n; ++k) {
        const auto [first, end] = prob::ShardCases(cases, k, n);
        ASSERT_EQ(first, next) << cases << " " << n << " " << k;
        ASSERT_LE(first, end);
        largest = std::max(largest, end - first);
        smallest = std::min(smallest, end - first);
        next = end;
      }
      EXPECT_EQ(next, cases);
      EXPECT_LE(largest - smallest, 1u);
    }
}

TEST_F(ShardTest, MergedShardsAreTheRunOfOneProcess) {
  const prob::Assessment a = AssessmentOf(kAssessment);
  prob::RunOptions options;
  options.threads = 2;
  const prob::AssessmentRun whole = prob::RunAssessment(*scenario, a, 4, *engine, options);
  ASSERT_GT(whole.casesFailed, 0u);
  for (std::size_t n : {1u, 3u, 7u}) {
    std::vector<std::string> files;
    for (std::size_t k = 0; k < n; ++k) files.push_back(ShardFile(kAssessment, k, n));
    std::swap(files.front(), files.back());  // any order
    const prob::MergedShards merged = Merge(files);
    SCOPED_TRACE(n);
    ExpectSameRun(merged.run, whole);
    EXPECT_EQ(prob::AssessmentToJson(merged.assessment), prob::AssessmentToJson(a));
  }
}

TEST_F(ShardTest, ShardsWithoutCasesStillMerge) {
  const char *json = R"({"iterations": 3, "seed": 4, "inputs": {
      "BodyWeight": {"distribution": "uniform", "min": 50, "max": 90}}})";
  std::vector<std::string> files;
  for (std::size_t k = 0; k < 7; ++k) files.push_back(ShardFile(json, k, 7));
  const prob::MergedShards merged = Merge(files);
  prob::RunOptions options;
  options.threads = 1;
  ExpectSameRun(merged.run,
                prob::RunAssessment(*scenario, AssessmentOf(json), 4, *engine, options));
}

TEST_F(ShardTest, EveryDamagedByteAndEveryCutIsRefusedWithOneSentence) {
  const std::string good = ShardFile(R"({"iterations": 2, "seed": 4, "inputs": {
      "BodyWeight": {"distribution": "uniform", "min": 50, "max": 90}}})",
                                     0, 1);
  const std::string damaged =
      "part.bin: this is not a complete partial result file of this program (damaged, cut "
      "short or another kind of file); write it again with --shard";
  for (std::size_t i = 0; i < good.size(); ++i) {
    std::string bytes = good;
    bytes[i] ^= 0x20;
    try {
      Read(bytes);
      ADD_FAILURE() << "byte " << i << " changed and accepted";
    } catch (const prob::EShardFile &e) {
      ASSERT_EQ(std::string(e.what()), damaged) << "byte " << i;
    }
  }
  for (std::size_t size = 0; size < good.size(); size += 7) {
    try {
      Read(good.substr(0, size));
      ADD_FAILURE() << "cut at " << size << " and accepted";
    } catch (const prob::EShardFile &e) {
      ASSERT_EQ(std::string(e.what()), damaged) << "cut at " << size;
    }
  }
  EXPECT_NO_THROW(Read(good));
}

TEST_F(ShardTest, ShardsThatDoNotBelongTogetherAreRefusedNamingTheFiles) {
  const std::string s0 = ShardFile(kAssessment, 0, 3), s1 = ShardFile(kAssessment, 1, 3),
                    s2 = ShardFile(kAssessment, 2, 3);
  EXPECT_EQ(MergeRefusal({s0, s2}), "Shard 2 of 3 is missing among the partial result files");
  EXPECT_EQ(MergeRefusal({s0, s1, s1, s2}), "part2.bin and part1.bin are the same shard (2 of 3)");
  EXPECT_EQ(MergeRefusal({s0, s1, ShardFile(kAssessment, 2, 3, 5)}),
            "part2.bin cannot be merged with part0.bin: they are shards of different "
            "assessments (distribution files or seeds)");
  std::string other = kAssessment;
  other.replace(other.find("\"iterations\": 30"), 16, "\"iterations\": 31");
  EXPECT_EQ(MergeRefusal({s0, s1, ShardFile(other, 2, 3)}),
            "part2.bin cannot be merged with part0.bin: they are shards of different "
            "assessments (distribution files or seeds)");
  EXPECT_EQ(MergeRefusal({s0, s1, ShardFile(kAssessment, 3, 4)}),
            "part2.bin cannot be merged with part0.bin: they split the assessment into "
            "different numbers of shards (4, 3)");
  Shard stopped = Read(s1);
  stopped.run.partial = true;
  EXPECT_EQ(MergeRefusal({s0, prob::ShardBytes(stopped), s2}),
            "part1.bin: shard 2 of 3 was stopped before its cases were done; run that shard "
            "again");
  EXPECT_EQ(MergeRefusal({s0, s1, s2}), "not refused");
}

}  // namespace
}  // namespace lumo::test
