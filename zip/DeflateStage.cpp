#include "zip/DeflateStage.h"

#include <algorithm>
#include <cstring>

#include "zip/ZlibBinding.h"

namespace zip {

DeflateStage::DeflateStage(EntryStage* next, int level, std::size_t blockSize, std::uint64_t sizeHint)
    : EntryStage(next),
      level_(level),
      blockSize_(std::max<std::size_t>(blockSize, 1)),
      block_(static_cast<std::size_t>(std::clamp<std::uint64_t>(sizeHint, 1, blockSize_))) {}

DeflateStage::~DeflateStage() {
  if (started_) deflateEnd(&zs_);
}

bool DeflateStage::Write(const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    if (filled_ == block_.size() && block_.size() < blockSize_) {
      block_.resize(std::min(blockSize_, block_.size() * 2));
    } else if (filled_ == block_.size()) {
      // More follows: the full block is not the last one.
      if (!DeflateBlock(Z_SYNC_FLUSH)) return false;
    }
    std::size_t n = std::min(size, block_.size() - filled_);
    std::memcpy(block_.data() + filled_, data, n);
    filled_ += n;
    data += n;
    size -= n;
  }
  return true;
}

bool DeflateStage::Finish() {
  if (filled_ > 0 && !DeflateBlock(Z_FINISH)) return false;
  return EntryStage::Finish();
}

bool DeflateStage::DeflateBlock(int flush) {
  if (!started_) {
    CCheck(deflateInit2(&zs_, level_, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY));
    started_ = true;
  }
  const std::size_t n = filled_;
  filled_ = 0;
  if (out_.size() < 256) out_.resize(((n + n / 10 + 12 + 255) / 256) * 256);
  zs_.next_in = block_.data();
  zs_.avail_in = static_cast<uInt>(n);
  for (;;) {
    zs_.next_out = out_.data();
    zs_.avail_out = static_cast<uInt>(out_.size());
    int r = CCheck(deflate(&zs_, flush));
    if (!Pass(out_.data(), out_.size() - zs_.avail_out)) return false;
    bool done = flush == Z_FINISH ? r == Z_STREAM_END : (zs_.avail_in == 0 && zs_.avail_out != 0);
    if (done) return true;
  }
}

}  // namespace zip
