#include "app/fetch/Thread_Browser.h"

#include <utility>

namespace app {

Thread_Browser::Thread_Browser(std::string browserDir, const FetchSettings& settings,
                               std::recursive_mutex& fileLock, HostResolver resolve)
    : platform::WorkerThread("Browser"),
      settings_(settings),
      fetcher_(std::move(browserDir), settings, fileLock, std::move(resolve)) {}

Thread_Browser::~Thread_Browser() {
  Stop();
  WaitFor();
}

void Thread_Browser::Stop() {
  Terminate();
  stop_.Raise();
  fetcher_.Stop();
}

void Thread_Browser::Execute() {
  // A copy left from an earlier run is no news.
  fetcher_.DeleteNewsFile();
  while (!Terminated()) {
    const int status = fetcher_.RunCycle();
    if (Terminated()) break;
    status_.store(status);
    cycles_.fetch_add(1);
    if (stop_.Wait(settings_.cycleIntervalMs)) break;
  }
  status_.store(kNewsEnded);
  fetcher_.DeleteNewsFile();
  fetcher_.Abort();
}

}  // namespace app
