#pragma once
// The news thread: once a minute it fetches the news file URL.BRW from the
// maker's server into the BROWSER folder, when the maker's host can be
// resolved. It touches no window; its status tells how the latest cycle
// ended.
#include <atomic>
#include <mutex>
#include <string>

#include "app/fetch/FetchSettings.h"
#include "app/fetch/HostProbe.h"
#include "app/fetch/NewsFetch.h"
#include "app/fetch/StopSignal.h"
#include "platform/WorkerThread.h"

namespace app {

class Thread_Browser : public platform::WorkerThread {
 public:
  // Created suspended. `browserDir` ends in "/"; `fileLock` guards URL.BRW
  // and must outlive the thread.
  Thread_Browser(std::string browserDir, const FetchSettings& settings, std::recursive_mutex& fileLock,
                 HostResolver resolve = {});
  ~Thread_Browser() override;

  // The terminate request: a wait, a name lookup and a running fetch end
  // at once.
  void Stop();

  std::string ResolveHost(const std::string& host) { return fetcher_.ResolveHost(host); }
  int ProbeInternet() { return fetcher_.ProbeInternet(); }

  // 0 before the first cycle ends, then the latest cycle's outcome, -9 once
  // the thread has ended (NewsFetch.h).
  int Status() const { return status_.load(); }
  int CyclesDone() const { return cycles_.load(); }
  const std::string& UrlPath() const { return fetcher_.UrlPath; }
  const std::string& RemoteUrlPath() const { return fetcher_.RemoteUrlPath; }

 protected:
  void Execute() override;

 private:
  FetchSettings settings_;
  NewsFetcher fetcher_;
  StopSignal stop_;
  std::atomic<int> status_{kNewsNone};
  std::atomic<int> cycles_{0};
};

}  // namespace app
