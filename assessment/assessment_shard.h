// Shards: one assessment split into N blocks of consecutive cases, each run
// anywhere (a job of a batch scheduler) and written to a partial result
// file, then merged into exactly the run one process would have made. A
// case's values depend only on the seed and its number, so where it ran
// changes nothing.
//
// The partial file (binary, little-endian): "LUMOPART", format version,
// the program's version, the shard and the number of shards, the seed, the
// checksums of the assessment (its canonical text) and of the scenario's
// inputs, the scenario's and the distribution file's names as given, the
// assessment's canonical text, the block of cases, the deterministic
// results, the cases run and failed, the kept failures, then per case of
// the block its values (main sample) and ten results; last, a checksum of
// all the bytes before it. Damaged, truncated or foreign bytes are refused
// with one sentence naming the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "assessment.h"
#include "assessment_run.h"
#include "lumo_errors.h"

namespace lumo::prob {

class EShardFile : public ELumoError {
 public:
  using ELumoError::ELumoError;
};

// The block of cases [first, end) of shard k (0-based) of n over `cases`
// cases: consecutive, as even as can be, the earlier shards the larger.
std::pair<std::size_t, std::size_t> ShardCases(std::size_t cases, std::size_t k, std::size_t n);

struct ShardIdentity {
  std::string programVersion;
  std::uint64_t shard = 0, shards = 1;
  std::uint64_t seed = 0;
  std::uint64_t assessmentChecksum = 0;  // of the canonical text
  std::uint64_t scenarioChecksum = 0;    // of the scenario's inputs
  std::string scenario;                  // as named on the command line
  std::string distributionFile;
  std::string assessmentText;  // the canonical text (AssessmentToJson)
};

struct Shard {
  ShardIdentity identity;
  std::size_t firstCase = 0, endCase = 0;
  AssessmentRun run;  // the whole run's shape; only the shard's block filled
};

// The checksum the identity carries for an assessment's canonical text.
std::uint64_t TextChecksum(const std::string &text);

std::string ShardBytes(const Shard &shard);
// `file` names the file in the refusal; `fields` are those the assessment
// is read against (ScenarioVariableFields).
Shard ReadShard(const std::string &bytes, const std::string &file,
                std::span<const VariableField> fields);

struct MergedShards {
  ShardIdentity identity;  // shard and shards as for one process: 0 of 1
  Assessment assessment;
  AssessmentRun run;
};

// Every shard of one assessment exactly once, in any order: the run one
// process would have made. Refused (EShardFile, naming the files): shards
// of different assessments, scenarios, seeds, program versions or numbers
// of shards; a shard missing or given twice; a shard that was stopped
// before its block was done.
MergedShards MergeShards(const std::vector<Shard> &shards, const std::vector<std::string> &files,
                         std::span<const VariableField> fields);

}  // namespace lumo::prob
