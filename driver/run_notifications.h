// How a run reports back to its owner.
//
// The worker calls these from its own thread, synchronously: it waits until
// the owner has handled each one. The desktop window implements them with a
// blocking queued call into its own thread; the batch runner prints. Each
// call names the run it belongs to, so that an owner can recognise a late
// report of a run it has already stopped (a report may be under way while
// the owner asks for the stop) and ignore it.
//
// Every run the worker starts ends with exactly one of Done, NoLibrary,
// InitFailed, Failed or Stopped, whatever happens on the way, so an owner
// never waits for an end that does not come.
#pragma once

#include <cstdint>
#include <string>

#include "lumo32.h"

namespace lumo {

using RunId = std::uint64_t;

// The numbers of the four run messages (the platform's user-message base is
// 1024); the desktop window may use them as its event numbers.
enum RunMessage : int {
  ProgressMessage = 1025,
  DoneMessage = 1026,
  NoLibraryMessage = 1027,
  InitFailedMessage = 1028,
};

// What the owner shows for the two failures, caption "A Small Error".
inline constexpr const char *kNoLibraryText = "Could Not Load the LUMODLL";
inline constexpr const char *kInitFailedText = "Could Not Initialize the Calculations";
inline constexpr const char *kRunErrorCaption = "A Small Error";

class RunNotifications {
 public:
  virtual ~RunNotifications() = default;
  // ProgressMessage: the run advanced by at least one percentage point since
  // the last report; `percent` is the whole percentage complete.
  virtual void RunProgress(RunId run, int percent) = 0;
  // DoneMessage: the run finished; `results` are the engine's ten results.
  virtual void RunDone(RunId run, ExecutionResultsRecord results) = 0;
  // NoLibraryMessage: the engine library cannot be loaded or lacks an entry
  // point; `detail` says which and why (for a log or a tooltip, not needed
  // for the message itself).
  virtual void RunNoLibrary(RunId run, std::string detail) = 0;
  // InitFailedMessage: the engine rejected the record.
  virtual void RunInitFailed(RunId run) = 0;
  // The run failed on the way (the engine answered a failure, its results
  // were not finite numbers, or the worker met an error); `message` is the
  // sentence for the user. There are no results.
  virtual void RunFailed(RunId run, std::string message) = 0;
  // The run ended on a stop request after `percent` whole percent of it;
  // its concentration file keeps the rows written so far. No results. Sent
  // also for a run stopped before it began (percent 0).
  virtual void RunStopped(RunId run, int percent) = 0;
};

}  // namespace lumo
