#pragma once
// CRC-32 of the bytes that pass, and their count. A limit stops the chain as
// soon as more bytes pass than an entry declared, before they go further.
#include <cstdint>
#include <limits>

#include "zip/EntryStage.h"

namespace zip {

class CrcStage : public EntryStage {
 public:
  explicit CrcStage(EntryStage* next, std::uint64_t limit = std::numeric_limits<std::uint64_t>::max())
      : EntryStage(next), limit_(limit) {}
  bool Write(const std::uint8_t* data, std::size_t size) override;
  // The finished CRC-32 of everything that passed.
  std::uint32_t Crc() const { return ~register_; }
  std::uint64_t Count() const { return count_; }
  bool OverLimit() const { return overLimit_; }

 private:
  std::uint32_t register_ = 0xFFFFFFFF;
  std::uint64_t count_ = 0;
  std::uint64_t limit_;
  bool overLimit_ = false;
};

}  // namespace zip
