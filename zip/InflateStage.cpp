#include "zip/InflateStage.h"

#include "zip/ZlibBinding.h"

namespace zip {
namespace {
constexpr std::size_t kOutputChunk = 0x100000;
}

InflateStage::InflateStage(EntryStage* next)
    : EntryStage(next), out_(std::make_unique_for_overwrite<std::uint8_t[]>(kOutputChunk)) {
  DCheck(inflateInit2(&zs_, -MAX_WBITS));
}

InflateStage::~InflateStage() { inflateEnd(&zs_); }

bool InflateStage::Write(const std::uint8_t* data, std::size_t size) {
  if (ended_) return true;
  zs_.next_in = const_cast<std::uint8_t*>(data);
  zs_.avail_in = static_cast<uInt>(size);
  for (;;) {
    zs_.next_out = out_.get();
    zs_.avail_out = static_cast<uInt>(kOutputChunk);
    int r = inflate(&zs_, Z_NO_FLUSH);
    if (r == Z_BUF_ERROR && zs_.avail_in == 0) return true;
    if (r < 0 || r == Z_NEED_DICT) {
      damaged_ = true;
      return false;
    }
    if (!Pass(out_.get(), kOutputChunk - zs_.avail_out)) return false;
    if (r == Z_STREAM_END) {
      ended_ = true;
      return true;
    }
    if (zs_.avail_in == 0 && zs_.avail_out != 0) return true;
  }
}

}  // namespace zip
