// An owner that handles run notifications on its own thread and makes the
// worker wait for each one, as the desktop window does with blocking queued
// calls. The test's main thread is the owner's thread: it pumps the queue
// with RunUntil.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "run_notifications.h"

namespace lumo::test {

// The two ends that have no message number of their own.
inline constexpr RunMessage FailedEvent = static_cast<RunMessage>(2001);
inline constexpr RunMessage StoppedEvent = static_cast<RunMessage>(2002);

struct Event {
  RunMessage message;
  RunId run;
  int percent = 0;
  ExecutionResultsRecord results{};
  std::string detail;
};

class OwnerLoop : public RunNotifications {
 public:
  // Runs on the owner's thread, while the worker waits, after each event
  // has been recorded.
  std::function<void(const Event &)> onEvent;

  void RunProgress(RunId run, int percent) override {
    Send({ProgressMessage, run, percent, {}, {}});
  }
  void RunDone(RunId run, ExecutionResultsRecord results) override {
    Send({DoneMessage, run, 0, results, {}});
  }
  void RunNoLibrary(RunId run, std::string detail) override {
    Send({NoLibraryMessage, run, 0, {}, std::move(detail)});
  }
  void RunInitFailed(RunId run) override { Send({InitFailedMessage, run, 0, {}, {}}); }
  void RunFailed(RunId run, std::string message) override {
    Send({FailedEvent, run, 0, {}, std::move(message)});
  }
  void RunStopped(RunId run, int percent) override { Send({StoppedEvent, run, percent, {}, {}}); }

  // Handles notifications until `done()` holds (checked after each one) or
  // the time runs out; false on time-out.
  bool RunUntil(const std::function<bool()> &done,
                std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      if (done()) return true;
      if (std::chrono::steady_clock::now() > deadline) return false;
      // Wakes now and then as well: `done` may wait for the worker to end,
      // which sends nothing.
      if (!cv_.wait_for(lock, std::chrono::milliseconds(2), [&] { return !queue_.empty(); }))
        continue;
      Pending *p = queue_.front();
      queue_.pop_front();
      lock.unlock();
      events.push_back(p->event);
      if (onEvent) onEvent(p->event);
      lock.lock();
      p->handled = true;
      cv_.notify_all();
    }
  }

  // Everything handled so far, in order (owner's thread only).
  std::vector<Event> events;

  std::vector<Event> Of(RunMessage m, RunId run) const {
    std::vector<Event> out;
    for (const auto &e : events)
      if (e.message == m && e.run == run) out.push_back(e);
    return out;
  }

 private:
  struct Pending {
    Event event;
    bool handled = false;
  };
  void Send(Event e) {
    Pending p{std::move(e)};
    std::unique_lock<std::mutex> lock(mutex_);
    queue_.push_back(&p);
    cv_.notify_all();
    cv_.wait(lock, [&] { return p.handled; });
  }

  std::mutex mutex_;
  std::condition_variable cv_;
  std::deque<Pending *> queue_;
};

}  // namespace lumo::test
