#pragma once
// The update thread: once a minute it looks for a newer release on the
// maker's server, fetches its installer into the UPDATE folder and reports
// in the GUI thread whether an update is ready. It reaches the windows only
// through its two Synchronize targets.
#include <atomic>
#include <functional>
#include <string>

#include "app/fetch/FetchSettings.h"
#include "app/fetch/StopSignal.h"
#include "app/fetch/UpdateFetch.h"
#include "platform/WorkerThread.h"

namespace app {

class Thread_Update : public platform::WorkerThread {
 public:
  struct Hooks {
    // Run in the GUI thread through Synchronize.
    std::function<void()> setReady, clearReady;
    // Deletes a path in the UPDATE folder ("UPDATE/*.*" empties it).
    std::function<int(const std::string& path)> deletePath;
  };

  // Created suspended; Start runs the first cycle at once. `updateDir` ends
  // in "/".
  Thread_Update(std::string updateDir, const FetchSettings& settings, Hooks hooks);
  ~Thread_Update() override;

  // The terminate request: a wait between cycles and a running fetch end at
  // once. The thread then ends; WaitFor waits for it.
  void Stop();

  // The Synchronize targets.
  void SetReady();
  void ClearReady();

  UpdateFetcher& Fetcher() { return fetcher_; }
  // What the latest fetch step did, and how many cycles have ended.
  UpdateStep LastStep() const { return lastStep_.load(); }
  int CyclesDone() const { return cycles_.load(); }

 protected:
  void Execute() override;

 private:
  FetchSettings settings_;
  Hooks hooks_;
  UpdateFetcher fetcher_;
  StopSignal stop_;
  std::atomic<UpdateStep> lastStep_{UpdateStep::NoDescription};
  std::atomic<int> cycles_{0};
};

}  // namespace app
