#pragma once
// A read-only stream that reads another stream through a window of its
// own, so that many small reads cost few reads of the source. The source is
// not owned; its size is taken once, when the reader is made.
#include <cstdint>
#include <vector>

#include "zip/Streams.h"

namespace zip {

class TBufferedStreamReader : public TStream {
 public:
  TBufferedStreamReader(TStream& source, std::size_t bufferSize);

  // Reads nothing at a position outside 0 to the recorded size. Fewer bytes
  // than asked also when the source turns out shorter than it was.
  std::size_t Read(void* buffer, std::size_t count) override;
  // Raise EUniInternalError "Internal Error: class can not write.".
  std::size_t Write(const void* buffer, std::size_t count) override;
  void SetSize(std::int64_t size) override;
  // Any position, without bounds; reads outside the data return nothing.
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  std::int64_t Size() override { return sourceSize_; }

 private:
  TStream& source_;
  std::int64_t sourceSize_;
  std::vector<std::uint8_t> buffer_;
  std::int64_t windowStart_;  // stream offset of buffer_[0]
  std::size_t windowFill_ = 0;  // bytes of the window read from the source
  std::int64_t position_ = 0;
};

}  // namespace zip
