#pragma once
// The stream at the end of a chain: the archive, the extracted file, a
// memory buffer or a stream that forgets everything. A writer function may
// stand in for the plain write (the archiver's write that asks what to do
// when the disk is full); it returns false to give up.
#include <cstdint>
#include <functional>

#include "zip/EntryStage.h"
#include "zip/Streams.h"

namespace zip {

class StreamStage : public EntryStage {
 public:
  using Writer = std::function<bool(TStream&, const std::uint8_t*, std::size_t)>;
  explicit StreamStage(TStream& stream, Writer writer = nullptr) : stream_(stream), writer_(std::move(writer)) {}
  bool Write(const std::uint8_t* data, std::size_t size) override;

 private:
  TStream& stream_;
  Writer writer_;
};

// Calls a function before each piece passes on (progress and cancel); the
// function returns false to stop.
class WatchStage : public EntryStage {
 public:
  using Watch = std::function<bool(std::uint64_t passedSoFar)>;
  WatchStage(EntryStage* next, Watch watch) : EntryStage(next), watch_(std::move(watch)) {}
  bool Write(const std::uint8_t* data, std::size_t size) override {
    if (watch_ && !watch_(count_)) return false;
    count_ += size;
    return Pass(data, size);
  }

 private:
  Watch watch_;
  std::uint64_t count_ = 0;
};

}  // namespace zip
