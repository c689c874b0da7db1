#pragma once
// Raw inflate of an entry's deflate data. The entry ends when its
// compressed bytes are used up; the end of the deflate stream may come
// first, and bytes after it are passed over. Bad data stops the chain.
#include <zlib.h>

#include <cstdint>
#include <memory>

#include "zip/EntryStage.h"

namespace zip {

class InflateStage : public EntryStage {
 public:
  explicit InflateStage(EntryStage* next);
  ~InflateStage() override;
  bool Write(const std::uint8_t* data, std::size_t size) override;
  // The data could not be inflated (as against a stop further down).
  bool Damaged() const { return damaged_; }

 private:
  z_stream zs_{};
  bool ended_ = false;
  bool damaged_ = false;
  std::unique_ptr<std::uint8_t[]> out_;
};

}  // namespace zip
