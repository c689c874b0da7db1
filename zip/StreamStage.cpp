#include "zip/StreamStage.h"

namespace zip {

bool StreamStage::Write(const std::uint8_t* data, std::size_t size) {
  if (writer_) {
    if (!writer_(stream_, data, size)) return false;
  } else {
    stream_.WriteBuffer(data, size);
  }
  return true;
}

}  // namespace zip
