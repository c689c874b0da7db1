#pragma once
// Raw deflate (no zlib header, no checksum) in blocks of a fixed size: each
// block but the last ends with a sync flush (an empty stored block), the
// last one finishes the stream. A block is known to be the last only when
// Finish comes, so a full block waits for the next byte before it is
// deflated. Nothing comes in, nothing goes out.
#include <zlib.h>

#include <cstdint>
#include <vector>

#include "zip/EntryStage.h"

namespace zip {

class DeflateStage : public EntryStage {
 public:
  // `sizeHint`: the bytes expected, so that a small entry does not allocate
  // a whole block.
  DeflateStage(EntryStage* next, int level, std::size_t blockSize, std::uint64_t sizeHint);
  ~DeflateStage() override;
  bool Write(const std::uint8_t* data, std::size_t size) override;
  bool Finish() override;

 private:
  bool DeflateBlock(int flush);

  z_stream zs_{};
  bool started_ = false;
  int level_;
  std::size_t blockSize_;
  std::vector<std::uint8_t> block_;
  std::size_t filled_ = 0;
  std::vector<std::uint8_t> out_;
};

}  // namespace zip
