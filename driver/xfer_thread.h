// The run worker: drives the engine library through one run on a thread of
// its own, so that the owner (the desktop window, the batch runner) stays
// responsive and can stop the run.
//
// A run, from the worker's side: wait until the worker of any earlier run
// has ended; load the engine library by full path; _InitLmuo; _OneLoop until
// the engine reports completion (exactly 100), reporting progress each time
// it has grown by a whole point; _GetValues; Done with the results by value;
// unload the library. A stop request is seen between _OneLoop calls: the
// worker then skips _GetValues, discards the engine's run (closing its CSV,
// which keeps the rows written so far) and reports Stopped. A negative
// answer of _OneLoop is a failed run (Failed, with the engine's reason).
//
// Runs never overlap: the engine keeps one run in process-wide state, so a
// new run's worker first waits for the previous worker to end. That wait
// happens on the new worker, never on the owner's thread, because the old
// worker may be blocked inside a synchronous notification to that very
// thread (Stop pressed, then Execute at once).
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "engine_run_inputs.h"
#include "run_notifications.h"

namespace lumo {

class XferThread {
 public:
  // `libraryDirectory` is the folder the engine library is loaded from (the
  // program's directory).
  explicit XferThread(std::string libraryDirectory);
  // Stops the current run and waits for every worker to end. The owner must
  // not destroy this object on a thread its notifications block on while a
  // worker is alive (check Idle() first).
  ~XferThread();
  XferThread(const XferThread &) = delete;
  XferThread &operator=(const XferThread &) = delete;

  // Starts a run with these inputs, reporting to `owner`, which must outlive
  // the worker. Returns the new run's id (never 0), or 0 when a run is still
  // going and has not been asked to stop, or when no thread can be created;
  // `error` then says which.
  RunId Start(EngineRunInputs inputs, RunNotifications &owner, std::string *error = nullptr);

  // Asks the current run to stop after its current report interval. Safe to
  // call from any thread, and from inside a notification.
  void StopXfer();

  // True while the newest run is going and has not been asked to stop (its
  // last notification not yet begun).
  bool Running() const;
  // True when no worker is alive (the newest has ended and unloaded the
  // library; it waited for its predecessors before it began).
  bool Idle() const;
  // Blocks until no worker is alive. Only for owners whose notifications do
  // not wait on the calling thread (the batch runner, tests).
  void Wait();

  const std::string &LibraryDirectory() const { return libraryDirectory_; }

 private:
  struct Control {
    std::atomic<bool> stop{false};
    std::atomic<bool> ended{false};   // the run's work is over (its last report may follow)
    std::atomic<bool> exited{false};  // the worker has unloaded the library and returns
  };
  struct Job;
  using EndFn = std::function<void(const std::function<void()> &)>;
  static void Work(std::shared_ptr<Job> job);
  // One run from loading the library to its end; `end` sends the run's one
  // end notification.
  static void RunSteps(Job &job, const EndFn &end);

  std::string libraryDirectory_;
  mutable std::mutex mutex_;
  std::shared_ptr<Control> current_;
  std::thread worker_;  // the newest worker; each worker joins its predecessor
  RunId lastId_ = 0;
};

}  // namespace lumo
