// Runs one probabilistic assessment at a time on a thread of its own, so the
// window never blocks: a copy of the scenario as it was when Run was
// pressed, the core's runner (RunAssessment) with a stop flag and progress,
// and the summary. Reports come back to the window's thread as signals
// carrying the run's number; the window ignores those of a run it no longer
// owns. A new run cannot start while one is going (Start refuses it), so
// runs never overlap; destroying the worker stops the run and waits for it.
#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "assessment.h"
#include "assessment_run.h"
#include "assessment_summary.h"
#include "lumo_state.h"

namespace lumo::ui {

// What a run ended with: its results and summary, or why there are none.
struct AssessmentOutcome {
  prob::Assessment assessment;
  prob::AssessmentRun run;
  prob::AssessmentSummary summary;
  std::string error;  // not empty: nothing ran (scenario refused, no engine)
  bool stopped = false;
};

class AssessmentWorker : public QObject {
  Q_OBJECT

 public:
  explicit AssessmentWorker(QObject *parent = nullptr);
  ~AssessmentWorker() override;

  // Starts a run of `assessment` with `seed` on a copy of `scenario`, the
  // engine loaded from `programDirectory`; its number, or 0 when a run is
  // still going. threads 0: one per core.
  int Start(const TLumoState &scenario, const prob::Assessment &assessment, std::uint64_t seed,
            const std::string &programDirectory, unsigned threads = 0);
  // Asks the current run to stop after the cases under way.
  void Stop();
  // A run is going (until its finished signal has been delivered).
  bool Busy() const { return thread_.joinable(); }
  // Stops and waits for the run to end (its finished signal still follows
  // unless the worker is destroyed).
  void StopAndWait();

 signals:
  void progress(int run, qulonglong done, qulonglong total);
  void finished(int run, std::shared_ptr<const lumo::ui::AssessmentOutcome> outcome);

 private:
  std::thread thread_;
  std::shared_ptr<std::atomic<bool>> stop_;
  int lastRun_ = 0;
  int threadRun_ = 0;  // the run thread_ belongs to
};

}  // namespace lumo::ui
