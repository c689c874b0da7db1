#pragma once
// Packs the entries of a commit on the machine's other cores ahead of the
// writer, which takes their data in entry order and writes the archive as
// it would alone: the bytes are the same. An entry that is large, that is
// read from a caller's stream, or that no helper has started when the
// writer comes to it, is packed by the writer itself. Helpers raise no
// events and touch nothing of the archiver; what goes wrong in one is
// raised again by the writer at that entry.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "zip/EntryPacking.h"

namespace zip {

class PackAhead {
 public:
  struct Slot {
    PackRequest request;
    bool eligible = false;      // may be packed by a helper
    std::uint64_t estimate = 0;  // bytes of memory it may take
  };
  // The entries in the writer's order; `helpers` threads at most.
  PackAhead(std::vector<Slot> slots, unsigned helpers);
  ~PackAhead();
  PackAhead(const PackAhead&) = delete;
  PackAhead& operator=(const PackAhead&) = delete;

  // The writer has come to slot `n`: its data when a helper packs it
  // (waiting until it is done), nothing when the writer is to pack it.
  std::optional<PackedEntry> Take(std::size_t n);
  // Ends the helpers' work; what they hold is dropped.
  void Stop();

  // Helpers for a commit of these entries on this machine; 0 asks for one
  // per core but the writer's.
  static unsigned HelpersFor(unsigned wanted, std::size_t eligibleSlots);
  // An entry larger than this is left to the writer, and the helpers hold
  // no more than the budget at a time.
  static constexpr std::uint64_t kLargestEntry = 64ull << 20;
  static constexpr std::uint64_t kMemoryBudget = 256ull << 20;

 private:
  enum class State { Waiting, Packing, Done, Taken };
  void Help();

  std::vector<Slot> slots_;
  std::vector<State> states_;
  std::vector<PackedEntry> results_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t writerAt_ = 0;
  std::uint64_t held_ = 0;
  std::atomic<bool> stop_{false};
  std::vector<std::thread> helpers_;
};

}  // namespace zip
