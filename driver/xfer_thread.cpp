#include "xfer_thread.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <system_error>

#include "engine_library.h"
#include "run_failure.h"

namespace lumo {

struct XferThread::Job {
  std::thread previous;
  // The previous run's control: its worker may have been taken by Wait(),
  // which joins it on another thread; this worker then waits for it to exit.
  std::shared_ptr<Control> previousControl;
  EngineRunInputs inputs;
  std::string libraryDirectory;
  RunNotifications *owner = nullptr;
  std::shared_ptr<Control> control;
  RunId id = 0;
};

XferThread::XferThread(std::string libraryDirectory)
    : libraryDirectory_(std::move(libraryDirectory)) {}

XferThread::~XferThread() {
  StopXfer();
  Wait();
}

RunId XferThread::Start(EngineRunInputs inputs, RunNotifications &owner, std::string *error) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (current_ && !current_->stop && !current_->ended) {
    if (error) *error = "A calculation is already running; stop it first";
    return 0;
  }
  auto job = std::make_shared<Job>();
  job->previous = std::move(worker_);
  job->previousControl = current_;
  job->inputs = std::move(inputs);
  job->libraryDirectory = libraryDirectory_;
  job->owner = &owner;
  job->control = std::make_shared<Control>();
  job->id = lastId_ + 1;
  try {
    worker_ = std::thread(&XferThread::Work, job);
  } catch (const std::system_error &e) {
    worker_ = std::move(job->previous);
    if (error) *error = std::string("Could not start the calculation: ") + e.what();
    return 0;
  }
  current_ = job->control;
  lastId_ = job->id;
  return job->id;
}

void XferThread::StopXfer() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (current_) current_->stop = true;
}

bool XferThread::Running() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return current_ && !current_->stop && !current_->ended;
}

bool XferThread::Idle() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return !current_ || current_->exited;
}

void XferThread::Wait() {
  // The lock is not held while joining: a notification handler may start the
  // next run from the worker's thread.
  for (;;) {
    std::thread t;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (!worker_.joinable()) return;
      if (worker_.get_id() == std::this_thread::get_id()) return;  // called from the worker
      t = std::move(worker_);
    }
    t.join();
  }
}

void XferThread::Work(std::shared_ptr<Job> job) {
  Control &control = *job->control;
  RunNotifications &owner = *job->owner;
  const RunId id = job->id;
  // The run's one end: it reaches the owner exactly once, whatever happens
  // on the way. `ended` is set first, so that a handler may start the next
  // run from inside the notification.
  bool endSent = false;
  auto end = [&](const std::function<void()> &notify) {
    if (endSent) return;
    endSent = true;
    control.ended = true;
    notify();
  };
  // Nothing may escape a thread; the owner's handlers are its own code.
  try {
    if (job->previous.joinable())
      job->previous.join();
    else if (job->previousControl)
      job->previousControl->exited.wait(false);
    RunSteps(*job, end);
  } catch (const std::exception &e) {
    std::string what = e.what();
    try {
      end([&] { owner.RunFailed(id, "The calculation stopped on an error: " + what); });
    } catch (...) {
    }
  } catch (...) {
    try {
      end([&] { owner.RunFailed(id, "The calculation stopped on an unknown error."); });
    } catch (...) {
    }
  }
  control.ended = true;
  control.exited = true;
  control.exited.notify_all();
}

void XferThread::RunSteps(Job &job, const EndFn &end) {
  Control &control = *job.control;
  RunNotifications &owner = *job.owner;
  const RunId id = job.id;
  if (control.stop) {
    end([&] { owner.RunStopped(id, 0); });
    return;
  }
  TLumoDll dll(job.libraryDirectory);
  if (!dll.DLLIsLoaded()) {
    end([&] { owner.RunNoLibrary(id, dll.LoadError()); });
    return;
  }
  EngineRunInputs &in = job.inputs;
  TransferRecord record = BindRecord(in);
  const char *dump = in.dumpFileName.empty() ? nullptr : in.dumpFileName.c_str();
  const char *csv = in.csvFileName.empty() ? nullptr : in.csvFileName.c_str();
  std::int32_t ok = dll.InitLmuo()(&record, dump, csv);
  if ((ok & 0xFF) == 0) {
    end([&] { owner.RunInitFailed(id); });
    return;
  }
  // Releases the engine's run, and closes its concentration file, at once
  // when the run is left before its end: the library may stay loaded after
  // this worker lets it go (another part of the program may hold it), and
  // its run with it.
  auto discard = [&] { dll.InitLmuo()(nullptr, nullptr, nullptr); };

  // Step until the engine reports completion: exactly 100 when the clock has
  // reached the end of the run; a negative answer (or anything that is not
  // a number) when the run failed.
  double lastReported = 0.0;
  double reached = 0.0;
  for (;;) {
    const double percent = dll.OneLoop()();
    if (!(percent >= 0.0)) {
      discard();
      end([&] { owner.RunFailed(id, RunFailureText(percent, reached, in.csvFileName)); });
      return;
    }
    reached = percent;
    if (percent - lastReported >= 1.0) {
      lastReported = percent;
      if (!control.stop) owner.RunProgress(id, static_cast<int>(std::nearbyint(percent)));
    }
    if (percent >= 100.0 || control.stop) break;
  }
  if (control.stop) {
    discard();
    end([&] { owner.RunStopped(id, static_cast<int>(std::floor(std::min(reached, 100.0)))); });
    return;
  }
  if ((dll.GetValues()() & 0xFF) == 0) {
    end([&] { owner.RunFailed(id, ResultsNotFiniteText()); });
    return;
  }
  ExecutionResultsRecord results = record.ExecutionResultsRecord;
  end([&] { owner.RunDone(id, results); });
  // `dll` unloads the library here.
}

}  // namespace lumo
