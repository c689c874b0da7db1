#include "zip/wide/BufferedStreamReader.h"

#include <algorithm>
#include <cstring>

#include "zip/wide/WideErrors.h"

namespace zip {

TBufferedStreamReader::TBufferedStreamReader(TStream& source, std::size_t bufferSize)
    : source_(source),
      sourceSize_(source.Size()),
      buffer_(std::max<std::size_t>(bufferSize, 1)),
      windowStart_(-static_cast<std::int64_t>(buffer_.size())) {}

std::size_t TBufferedStreamReader::Read(void* buffer, std::size_t count) {
  if (position_ < 0 || position_ >= sourceSize_ || count == 0) return 0;
  auto* out = static_cast<std::uint8_t*>(buffer);
  const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(count),
                                                                        sourceSize_ - position_));
  const std::int64_t bufferSize = static_cast<std::int64_t>(buffer_.size());
  // What the window holds from the position on.
  std::size_t copied = 0;
  if (position_ >= windowStart_ && position_ < windowStart_ + static_cast<std::int64_t>(windowFill_)) {
    const std::size_t offset = static_cast<std::size_t>(position_ - windowStart_);
    copied = std::min(n, windowFill_ - offset);
    std::memcpy(out, buffer_.data() + offset, copied);
  }
  std::size_t rest = n - copied;
  // Whole windows straight from the source, past the buffer.
  const std::size_t direct = rest - rest % buffer_.size();
  if (direct > 0) {
    source_.SetPosition(position_ + static_cast<std::int64_t>(copied));
    const std::size_t got = source_.Read(out + copied, direct);
    copied += got;
    rest = got < direct ? 0 : rest - direct;
  }
  if (rest > 0) {
    // The window is refilled from where the data continues: the source may
    // stand anywhere after a seek of this reader.
    const std::int64_t start = position_ + static_cast<std::int64_t>(copied);
    windowStart_ = -bufferSize;
    windowFill_ = 0;
    source_.SetPosition(start);
    const std::size_t got = source_.Read(buffer_.data(), buffer_.size());
    windowStart_ = start;
    windowFill_ = got;
    const std::size_t take = std::min(rest, got);
    std::memcpy(out + copied, buffer_.data(), take);
    copied += take;
  }
  position_ += static_cast<std::int64_t>(copied);
  return copied;
}

std::size_t TBufferedStreamReader::Write(const void*, std::size_t) {
  throw EUniInternalError("Internal Error: class can not write.");
}

void TBufferedStreamReader::SetSize(std::int64_t) { throw EUniInternalError("Internal Error: class can not write."); }

std::int64_t TBufferedStreamReader::Seek(std::int64_t offset, SeekOrigin origin) {
  switch (origin) {
    case SeekOrigin::Begin: position_ = offset; break;
    case SeekOrigin::Current: position_ += offset; break;
    case SeekOrigin::End: position_ = sourceSize_ + offset; break;
  }
  return position_;
}

}  // namespace zip
