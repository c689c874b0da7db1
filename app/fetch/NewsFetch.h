#pragma once
// One news cycle's work, without the thread: when the maker's host can be
// resolved, fetch URL.BRW from the server into the BROWSER folder, replacing
// the copy there. The result is the cycle's status.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "app/fetch/FetchSettings.h"
#include "app/fetch/FtpClient.h"
#include "app/fetch/HostProbe.h"
#include "platform/Result.h"

namespace app {

// Outcome of the latest news cycle.
inline constexpr int kNewsNone = 0;            // no cycle has ended yet
inline constexpr int kNewsFetched = 1;         // URL.BRW fetched, connection quit
inline constexpr int kNewsNoInternet = -1;     // neither probe host resolves
inline constexpr int kNewsNoMakerHost = -2;    // only the public host resolves
inline constexpr int kNewsConnectFailed = -3;  // connecting or logging in failed
inline constexpr int kNewsSizeFailed = -4;     // the size request failed
inline constexpr int kNewsNoFile = -5;         // URL.BRW missing or empty on the server
inline constexpr int kNewsFetchFailed = -6;    // download or replacement failed
inline constexpr int kNewsQuitFailed = -7;     // quitting failed
inline constexpr int kNewsOtherFailure = -8;   // anything else
inline constexpr int kNewsEnded = -9;          // the thread has ended

inline constexpr const char* kNewsFileName = "URL.BRW";

class NewsFetcher {
 public:
  // `browserDir` ends in "/". `fileLock` guards URL.BRW: every delete and
  // replacement of it, and every reader. Without `resolve` host names are
  // looked up by the system.
  NewsFetcher(std::string browserDir, const FetchSettings& settings, std::recursive_mutex& fileLock,
              HostResolver resolve = {});

  int RunCycle();
  // Under the file lock.
  void DeleteNewsFile();
  // The system's lookup, ended by Stop.
  std::string ResolveHost(const std::string& host);
  int ProbeInternet();

  // Ends a running cycle at once (name lookups included); later cycles fail.
  void Stop();
  void Abort() { client_.Abort(); }
  bool Connected() const { return client_.Connected(); }

  const std::string UrlPath;        // BROWSER/URL.BRW
  const std::string RemoteUrlPath;  // "/Tarvik23/URL.BRW"

 private:
  int Cycle();
  // The probe decides: no internet, no maker's host, or `code`.
  int Classify(int code);
  int Fail(int code);
  platform::Status FetchFile(std::int64_t size);

  FetchSettings settings_;
  std::recursive_mutex& fileLock_;
  HostResolver resolve_;
  std::atomic<bool> stopped_{false};
  FtpClient client_;
};

}  // namespace app
