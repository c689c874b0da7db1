#pragma once
// A replaceable receiver for things the program reports (beeps, system
// boxes, notices), so that tests can watch them instead of hearing or
// clicking them. Safe to replace and call from any thread; the receiver is
// called outside the lock.
#include <functional>
#include <mutex>
#include <utility>

namespace platform {

template <class Signature>
class Sink {
 public:
  using Function = std::function<Signature>;

  // Installs `receiver` (empty: none) and returns the one it replaces.
  Function Replace(Function receiver) {
    std::lock_guard lock(mutex_);
    std::swap(receiver_, receiver);
    return receiver;
  }
  // The receiver installed now (empty when none is).
  Function Current() const {
    std::lock_guard lock(mutex_);
    return receiver_;
  }

 private:
  mutable std::mutex mutex_;
  Function receiver_;
};

}  // namespace platform
