#include "xfer_thread.h"

#include <cmath>
#include <system_error>

#include "engine_library.h"

namespace lumo {

struct XferThread::Job {
  std::thread previous;
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
  // Nothing may escape a thread; the owner's handlers are its own code.
  try {
    if (job->previous.joinable()) job->previous.join();
    if (control.stop) {
      control.ended = true;
    } else {
      TLumoDll dll(job->libraryDirectory);
      if (!dll.DLLIsLoaded()) {
        control.ended = true;
        owner.RunNoLibrary(job->id, dll.LoadError());
      } else {
        EngineRunInputs &in = job->inputs;
        TransferRecord record = BindRecord(in);
        const char *dump = in.dumpFileName.empty() ? nullptr : in.dumpFileName.c_str();
        const char *csv = in.csvFileName.empty() ? nullptr : in.csvFileName.c_str();
        std::int32_t ok = dll.InitLmuo()(&record, dump, csv);
        if ((ok & 0xFF) == 0) {
          control.ended = true;
          owner.RunInitFailed(job->id);
        } else {
          // Step until the engine reports completion: it returns exactly 100
          // when the clock has reached the end of the run.
          double lastReported = 0.0;
          double percent = 0.0;
          do {
            percent = dll.OneLoop()();
            if (percent - lastReported >= 1.0) {
              lastReported = percent;
              if (!control.stop)
                owner.RunProgress(job->id, static_cast<int>(std::nearbyint(percent)));
            }
          } while (!(percent >= 100.0) && !control.stop);
          if (!control.stop) {
            dll.GetValues()();
            ExecutionResultsRecord results = record.ExecutionResultsRecord;
            control.ended = true;
            owner.RunDone(job->id, results);
          }
          control.ended = true;
        }
      }
      // `dll` unloads the library here.
    }
  } catch (...) {
    control.ended = true;
  }
  control.exited = true;
}

}  // namespace lumo
