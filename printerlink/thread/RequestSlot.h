#pragma once
// One request flag with the values to send. A window raises it with a copy
// of its values; the printer thread takes it (flag and values at once)
// before the sequence runs, so the window may change its fields or raise
// the flag again meanwhile: that new request is served on the next pass.
#include <mutex>
#include <optional>
#include <utility>

namespace printerthread {

template <class Values>
class RequestSlot {
 public:
  // Pending from now on, with `values` (replacing values not yet taken).
  void Raise(Values values) {
    std::lock_guard lock(mutex_);
    pending_ = std::move(values);
  }
  // A setting form shown again drops a request not yet taken.
  void Withdraw() {
    std::lock_guard lock(mutex_);
    pending_.reset();
  }
  bool Pending() const {
    std::lock_guard lock(mutex_);
    return pending_.has_value();
  }
  // The pending request, now no longer pending; nothing when idle.
  std::optional<Values> Take() {
    std::lock_guard lock(mutex_);
    return std::exchange(pending_, std::nullopt);
  }

 private:
  mutable std::mutex mutex_;
  std::optional<Values> pending_;
};

}  // namespace printerthread
