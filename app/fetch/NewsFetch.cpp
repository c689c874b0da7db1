#include "app/fetch/NewsFetch.h"

#include <utility>

#include "app/fetch/FetchWhole.h"
#include "platform/FileIO.h"

namespace app {

NewsFetcher::NewsFetcher(std::string browserDir, const FetchSettings& settings, std::recursive_mutex& fileLock,
                         HostResolver resolve)
    : UrlPath(browserDir + kNewsFileName),
      RemoteUrlPath("/" + settings.folder + "/" + kNewsFileName),
      settings_(settings),
      fileLock_(fileLock),
      resolve_(std::move(resolve)),
      client_(settings.NewsAccount(), settings.limits) {
  if (!resolve_) resolve_ = [this](const std::string& host) { return ResolveHost(host); };
}

std::string NewsFetcher::ResolveHost(const std::string& host) { return app::ResolveHost(host, &stopped_); }

void NewsFetcher::Stop() {
  stopped_.store(true);
  client_.Stop();
}

void NewsFetcher::DeleteNewsFile() {
  std::lock_guard lock(fileLock_);
  (void)platform::DeleteFileOnly(UrlPath);
}

int NewsFetcher::ProbeInternet() {
  return app::ProbeInternet(resolve_, settings_.makerWebHost, settings_.publicWebHost);
}

int NewsFetcher::Fail(int code) {
  if (client_.Connected() && !client_.Quit()) client_.Abort();
  return code;
}

int NewsFetcher::Classify(int code) {
  switch (ProbeInternet()) {
    case 0: return Fail(kNewsNoInternet);
    case 1: return Fail(kNewsNoMakerHost);
    default: return Fail(code);
  }
}

platform::Status NewsFetcher::FetchFile(std::int64_t size) {
  return FetchWhole(client_, RemoteUrlPath, UrlPath + "TMP", UrlPath, size, &fileLock_);
}

int NewsFetcher::RunCycle() {
  try {
    return Cycle();
  } catch (...) {
    client_.Abort();
    return kNewsOtherFailure;
  }
}

int NewsFetcher::Cycle() {
  switch (ProbeInternet()) {
    case 2: break;
    case 1: return Fail(kNewsNoMakerHost);
    default: return Fail(kNewsNoInternet);
  }
  if (!client_.Connected() && !client_.Connect()) return Classify(kNewsConnectFailed);
  platform::Result<std::int64_t> size = client_.Size(RemoteUrlPath);
  if (!size) return Classify(kNewsSizeFailed);
  if (*size <= 0) return Fail(kNewsNoFile);
  {
    // Held from before the download until the file is in place.
    std::lock_guard lock(fileLock_);
    if (!FetchFile(*size)) return Classify(kNewsFetchFailed);
  }
  if (client_.Connected() && !client_.Quit()) return Classify(kNewsQuitFailed);
  return kNewsFetched;
}

}  // namespace app
