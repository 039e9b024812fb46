#include "assessment_shard.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "assessment_file.h"

namespace lumo::prob {

namespace {

constexpr char kMagic[8] = {'L', 'U', 'M', 'O', 'P', 'A', 'R', 'T'};
constexpr std::uint64_t kFormatVersion = 1;

std::uint64_t Fnv1a(const char *data, std::size_t size) {
  std::uint64_t h = 1469598103934665603ull;
  for (std::size_t i = 0; i < size; ++i) {
    h ^= static_cast<unsigned char>(data[i]);
    h *= 1099511628211ull;
  }
  return h;
}

class Writer {
 public:
  void U64(std::uint64_t v) {
    char b[8];
    for (int i = 0; i < 8; ++i) b[i] = static_cast<char>(v >> (8 * i));
    bytes.append(b, 8);
  }
  void F64(double v) {
    std::uint64_t u;
    std::memcpy(&u, &v, 8);
    U64(u);
  }
  void Str(const std::string &s) {
    U64(s.size());
    bytes += s;
  }
  std::string bytes;
};

class Reader {
 public:
  Reader(const std::string &bytes, const std::string &file) : b_(bytes), file_(file) {}
  [[noreturn]] void Damaged() const {
    throw EShardFile(file_ +
                     ": this is not a complete partial result file of this program (damaged, "
                     "cut short or another kind of file); write it again with --shard");
  }
  void Need(std::size_t n) const {
    if (n > b_.size() - pos_) Damaged();
  }
  std::uint64_t U64() {
    Need(8);
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
      v |= std::uint64_t{static_cast<unsigned char>(b_[pos_ + i])} << (8 * i);
    pos_ += 8;
    return v;
  }
  double F64() {
    const std::uint64_t u = U64();
    double v;
    std::memcpy(&v, &u, 8);
    return v;
  }
  std::string Str() {
    const std::uint64_t n = U64();
    Need(n);
    std::string s = b_.substr(pos_, n);
    pos_ += n;
    return s;
  }
  std::size_t Size(std::uint64_t limit) {
    const std::uint64_t v = U64();
    if (v > limit) Damaged();
    return static_cast<std::size_t>(v);
  }
  std::size_t Position() const { return pos_; }

 private:
  const std::string &b_;
  const std::string &file_;
  std::size_t pos_ = 0;
};

// Case c's results, whichever design it belongs to.
template <typename Run>
auto &ResultsOf(Run &run, std::size_t c) {
  const std::size_t n = run.results.size(), oat = run.oneAtATimeResults.size();
  if (c < n) return run.results[c];
  if (c < n + oat) return run.oneAtATimeResults[c - n];
  return run.sobolResults[c - n - oat];
}

}  // namespace

std::pair<std::size_t, std::size_t> ShardCases(std::size_t cases, std::size_t k, std::size_t n) {
  const std::size_t base = cases / n, extra = cases % n;
  const std::size_t first = k * base + std::min(k, extra);
  return {first, first + base + (k < extra ? 1 : 0)};
}

std::uint64_t TextChecksum(const std::string &text) {
  return Fnv1a(text.data(), text.size());
}

std::string ShardBytes(const Shard &shard) {
  const ShardIdentity &id = shard.identity;
  const AssessmentRun &run = shard.run;
  Writer w;
  w.bytes.append(kMagic, sizeof kMagic);
  w.U64(kFormatVersion);
  w.Str(id.programVersion);
  w.U64(id.shard);
  w.U64(id.shards);
  w.U64(id.seed);
  w.U64(id.assessmentChecksum);
  w.U64(id.scenarioChecksum);
  w.Str(id.scenario);
  w.Str(id.distributionFile);
  w.Str(id.assessmentText);
  w.U64(shard.firstCase);
  w.U64(shard.endCase);
  w.U64(run.Cases());
  for (double v : run.deterministic) w.F64(v);
  w.U64(run.casesRun);
  w.U64(run.casesFailed);
  w.U64(run.partial ? 1 : 0);
  w.U64(run.failures.size());
  for (const CaseFailure &f : run.failures) {
    w.U64(f.number);
    w.Str(f.what);
    w.Str(f.problem);
  }
  for (std::size_t c = shard.firstCase; c < shard.endCase; ++c) {
    if (c < run.values.size()) {
      w.U64(run.values[c].size());
      for (double v : run.values[c]) w.F64(v);
    }
    for (double v : ResultsOf(run, c)) w.F64(v);
  }
  w.U64(Fnv1a(w.bytes.data(), w.bytes.size()));
  return w.bytes;
}

Shard ReadShard(const std::string &bytes, const std::string &file,
                std::span<const VariableField> fields) {
  Reader body(bytes, file);
  if (bytes.size() < sizeof kMagic + 16 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
    body.Damaged();
  const std::string sum = bytes.substr(bytes.size() - 8);
  if (Reader(sum, file).U64() != Fnv1a(bytes.data(), bytes.size() - 8)) body.Damaged();
  body.U64();  // the magic
  const std::uint64_t version = body.U64();
  if (version != kFormatVersion)
    throw EShardFile(file + ": a partial result file of format " + std::to_string(version) +
                     "; this program reads format " + std::to_string(kFormatVersion));
  Shard shard;
  ShardIdentity &id = shard.identity;
  id.programVersion = body.Str();
  id.shard = body.U64();
  id.shards = body.U64();
  id.seed = body.U64();
  id.assessmentChecksum = body.U64();
  id.scenarioChecksum = body.U64();
  id.scenario = body.Str();
  id.distributionFile = body.Str();
  id.assessmentText = body.Str();
  if (id.shards == 0 || id.shard >= id.shards ||
      TextChecksum(id.assessmentText) != id.assessmentChecksum)
    body.Damaged();
  Assessment assessment;
  try {
    assessment = ReadAssessment(id.assessmentText, fields);
  } catch (const EAssessmentFile &e) {
    throw EShardFile(file + ": its assessment is not one this program accepts: " + e.what());
  }
  shard.run = EmptyAssessmentRun(assessment, id.seed);
  AssessmentRun &run = shard.run;
  shard.firstCase = body.U64();
  shard.endCase = body.U64();
  const std::uint64_t cases = body.U64();
  if (cases != run.Cases() ||
      std::make_pair(shard.firstCase, shard.endCase) != ShardCases(cases, id.shard, id.shards))
    body.Damaged();
  for (double &v : run.deterministic) v = body.F64();
  run.casesRun = body.Size(cases);
  run.casesFailed = body.Size(cases);
  run.partial = body.U64() != 0;
  const std::size_t failures = body.Size(kFailuresKept);
  for (std::size_t k = 0; k < failures; ++k) {
    CaseFailure f;
    f.number = body.Size(cases);
    f.what = body.Str();
    f.problem = body.Str();
    run.failures.push_back(std::move(f));
  }
  const std::size_t inputs = assessment.inputs.size();
  for (std::size_t c = shard.firstCase; c < shard.endCase; ++c) {
    if (c < run.values.size()) {
      const std::size_t p = body.Size(inputs);
      if (p != 0 && p != inputs) body.Damaged();
      run.values[c].resize(p);
      for (double &v : run.values[c]) v = body.F64();
    }
    for (double &v : ResultsOf(run, c)) v = body.F64();
  }
  if (body.Position() != bytes.size() - 8) body.Damaged();
  return shard;
}

MergedShards MergeShards(const std::vector<Shard> &shards, const std::vector<std::string> &files,
                         std::span<const VariableField> fields) {
  if (shards.empty()) throw EShardFile("No partial result files to merge");
  const ShardIdentity &first = shards.front().identity;
  auto refuse = [&](std::size_t k, const std::string &why) {
    throw EShardFile(files[k] + " cannot be merged with " + files[0] + ": " + why);
  };
  std::map<std::uint64_t, std::size_t> seen;
  for (std::size_t k = 0; k < shards.size(); ++k) {
    const ShardIdentity &id = shards[k].identity;
    if (id.programVersion != first.programVersion)
      refuse(k, "they were written by different versions of the program (" + id.programVersion +
                    ", " + first.programVersion + ")");
    if (id.assessmentChecksum != first.assessmentChecksum || id.seed != first.seed)
      refuse(k, "they are shards of different assessments (distribution files or seeds)");
    if (id.scenarioChecksum != first.scenarioChecksum || id.scenario != first.scenario)
      refuse(k, "they are shards of different scenarios");
    if (id.shards != first.shards)
      refuse(k, "they split the assessment into different numbers of shards (" +
                    std::to_string(id.shards) + ", " + std::to_string(first.shards) + ")");
    if (std::memcmp(shards[k].run.deterministic.data(), shards[0].run.deterministic.data(),
                    sizeof(CaseResults)) != 0)
      refuse(k, "the scenario's own results differ between them (another engine library?)");
    if (shards[k].run.partial)
      throw EShardFile(files[k] + ": shard " + std::to_string(id.shard + 1) + " of " +
                       std::to_string(id.shards) +
                       " was stopped before its cases were done; run that shard again");
    if (auto [it, fresh] = seen.emplace(id.shard, k); !fresh)
      throw EShardFile(files[k] + " and " + files[it->second] + " are the same shard (" +
                       std::to_string(id.shard + 1) + " of " + std::to_string(id.shards) + ")");
  }
  for (std::uint64_t s = 0; s < first.shards; ++s)
    if (!seen.count(s))
      throw EShardFile("Shard " + std::to_string(s + 1) + " of " + std::to_string(first.shards) +
                       " is missing among the partial result files");

  MergedShards merged;
  merged.identity = first;
  merged.identity.shard = 0;
  merged.identity.shards = 1;
  merged.assessment = ReadAssessment(first.assessmentText, fields);
  merged.run = EmptyAssessmentRun(merged.assessment, first.seed);
  AssessmentRun &run = merged.run;
  run.deterministic = shards.front().run.deterministic;
  std::vector<CaseFailure> failures;
  for (const Shard &shard : shards) {
    const AssessmentRun &part = shard.run;
    for (std::size_t c = shard.firstCase; c < shard.endCase; ++c) {
      if (c < run.values.size()) run.values[c] = part.values[c];
      ResultsOf(run, c) = ResultsOf(part, c);
    }
    run.casesRun += part.casesRun;
    run.casesFailed += part.casesFailed;
    failures.insert(failures.end(), part.failures.begin(), part.failures.end());
  }
  // The failures one process keeps: those of the lowest case numbers.
  std::sort(failures.begin(), failures.end(),
            [](const CaseFailure &a, const CaseFailure &b) { return a.number < b.number; });
  if (failures.size() > kFailuresKept) failures.resize(kFailuresKept);
  run.failures = std::move(failures);
  return merged;
}

}  // namespace lumo::prob
