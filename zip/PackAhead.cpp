#include "zip/PackAhead.h"

#include <algorithm>

namespace zip {

unsigned PackAhead::HelpersFor(unsigned wanted, std::size_t eligibleSlots) {
  unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  unsigned helpers = wanted ? wanted - 1 : std::min(cores, 16u) - 1;
  if (eligibleSlots < 2) return 0;
  return static_cast<unsigned>(std::min<std::size_t>(helpers, eligibleSlots));
}

PackAhead::PackAhead(std::vector<Slot> slots, unsigned helpers)
    : slots_(std::move(slots)), states_(slots_.size(), State::Waiting), results_(slots_.size()) {
  for (unsigned i = 0; i < helpers; ++i) helpers_.emplace_back([this] { Help(); });
}

PackAhead::~PackAhead() { Stop(); }

void PackAhead::Stop() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  for (auto& t : helpers_) t.join();
  helpers_.clear();
}

void PackAhead::Help() {
  for (;;) {
    std::size_t n = 0;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      for (;;) {
        if (stop_) return;
        // The first slot still waiting that fits into the memory left; none
        // at all left: this helper is done.
        bool anyLeft = false;
        bool found = false;
        for (std::size_t i = writerAt_; i < slots_.size(); ++i) {
          if (states_[i] != State::Waiting || !slots_[i].eligible) continue;
          anyLeft = true;
          if (held_ + slots_[i].estimate <= kMemoryBudget || held_ == 0) {
            n = i;
            found = true;
            break;
          }
        }
        if (found) break;
        if (!anyLeft) return;
        changed_.wait(lock);
      }
      states_[n] = State::Packing;
      held_ += slots_[n].estimate;
    }
    PackedEntry packed = PackToMemory(slots_[n].request, stop_);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      results_[n] = std::move(packed);
      states_[n] = State::Done;
    }
    changed_.notify_all();
  }
}

std::optional<PackedEntry> PackAhead::Take(std::size_t n) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (n >= slots_.size()) return std::nullopt;
  writerAt_ = std::max(writerAt_, n + 1);
  if (states_[n] == State::Waiting || states_[n] == State::Taken) {
    states_[n] = State::Taken;
    changed_.notify_all();
    return std::nullopt;
  }
  changed_.wait(lock, [&] { return states_[n] == State::Done; });
  states_[n] = State::Taken;
  held_ -= slots_[n].estimate;
  PackedEntry result = std::move(results_[n]);
  lock.unlock();
  changed_.notify_all();
  return result;
}

}  // namespace zip
