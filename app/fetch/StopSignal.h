#pragma once
// A stop request that a waiting thread sees at once: the fetch threads
// sleep between their cycles on it instead of polling a flag.
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace app {

class StopSignal {
 public:
  void Raise() {
    std::lock_guard lock(mutex_);
    raised_ = true;
    changed_.notify_all();
  }
  // Waits `ms` or until the signal is raised; true when it was.
  bool Wait(unsigned ms) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return raised_; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool raised_ = false;
};

}  // namespace app
