#include "assessment_worker.h"

#include <QMetaObject>

#include "engine_runs.h"

namespace lumo::ui {

namespace {

std::unique_ptr<TLumoState> CopyOf(const TLumoState &scenario) {
  auto copy = std::make_unique<TLumoState>();
  copy->ScenarioRecord = scenario.ScenarioRecord;
  copy->PaintDurationGrid() = scenario.PaintDurationGrid();
  return copy;
}

}  // namespace

AssessmentWorker::AssessmentWorker(QObject *parent) : QObject(parent) {
  qRegisterMetaType<std::shared_ptr<const AssessmentOutcome>>();
}

AssessmentWorker::~AssessmentWorker() {
  StopAndWait();
}

int AssessmentWorker::Start(const TLumoState &scenario, const prob::Assessment &assessment,
                            std::uint64_t seed, const std::string &programDirectory,
                            unsigned threads) {
  if (Busy()) return 0;
  const int run = ++lastRun_;
  stop_ = std::make_shared<std::atomic<bool>>(false);
  auto outcome = std::make_shared<AssessmentOutcome>();
  outcome->assessment = assessment;
  std::shared_ptr<TLumoState> copy = CopyOf(scenario);
  threadRun_ = run;
  thread_ = std::thread([this, run, seed, threads, outcome, copy, programDirectory, stop = stop_] {
    try {
      const EngineRuns engine(programDirectory);
      prob::RunOptions options;
      options.threads = threads;
      options.stop = stop.get();
      options.progress = [this, run](std::size_t done, std::size_t total) {
        QMetaObject::invokeMethod(
            this, [this, run, done, total] { emit progress(run, done, total); },
            Qt::QueuedConnection);
      };
      outcome->run = prob::RunAssessment(*copy, outcome->assessment, seed, engine, options);
      outcome->summary = prob::SummarizeAssessment(outcome->assessment, outcome->run);
      outcome->stopped = outcome->run.partial;
    } catch (const std::exception &e) {
      outcome->error = e.what();
    }
    // The thread is joined on the window's thread before the report goes
    // out, so Busy() is false when the window hears of the end.
    QMetaObject::invokeMethod(
        this,
        [this, run, outcome] {
          if (run == threadRun_ && thread_.joinable()) thread_.join();
          emit finished(run, outcome);
        },
        Qt::QueuedConnection);
  });
  return run;
}

void AssessmentWorker::Stop() {
  if (stop_) stop_->store(true);
}

void AssessmentWorker::StopAndWait() {
  Stop();
  if (thread_.joinable()) thread_.join();
  threadRun_ = 0;
}

}  // namespace lumo::ui
