#include "app/fetch/Thread_Update.h"

#include <utility>

namespace app {

Thread_Update::Thread_Update(std::string updateDir, const FetchSettings& settings, Hooks hooks)
    : platform::WorkerThread("Update"),
      settings_(settings),
      hooks_(std::move(hooks)),
      fetcher_(std::move(updateDir), settings,
               UpdateFetcher::Hooks{[this] { Synchronize([this] { ClearReady(); }); }, hooks_.deletePath}) {}

Thread_Update::~Thread_Update() {
  Stop();
  WaitFor();
}

void Thread_Update::Stop() {
  Terminate();
  stop_.Raise();
  fetcher_.Stop();
}

void Thread_Update::SetReady() {
  if (hooks_.setReady) hooks_.setReady();
}

void Thread_Update::ClearReady() {
  if (hooks_.clearReady) hooks_.clearReady();
}

void Thread_Update::Execute() {
  while (!Terminated()) {
    lastStep_.store(fetcher_.FetchStep());
    if (Terminated()) break;
    // The ready state follows the folder after every cycle, fetched or not.
    platform::Result<bool> ready = fetcher_.ReadyCheck();
    if (!ready) break;  // the description cannot be read: no more cycles this run
    Synchronize([this, on = *ready] { on ? SetReady() : ClearReady(); });
    cycles_.fetch_add(1);
    if (stop_.Wait(settings_.cycleIntervalMs)) break;
  }
  fetcher_.Abort();
}

}  // namespace app
