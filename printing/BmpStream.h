#pragma once
// A Windows bitmap file in memory split into what the print engine takes:
// the header block (the bitmap header and its colour table or masks, from
// byte 14 up to the pixels) and the pixel block. Only the core (12-byte)
// and info (40-byte) headers are taken; every length is checked against
// the bytes there are, so a damaged file is refused and nothing is read
// past its end.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Result.h"

namespace printing {

struct Dib {
  std::vector<std::uint8_t> header;
  std::vector<std::uint8_t> pixels;
  int width = 0;
  int height = 0;  // rows, positive also for a top-down picture
};

// `stream` is the file from its first byte ("BM") to the end of what can
// be read. The pixel block is the image size (the info header's, else rows
// x stride) read from the pixel offset; smaller than 32 bytes is refused.
platform::Result<Dib> LoadDibFromBmpStream(std::span<const std::uint8_t> stream);
// The same into `dib`, whose blocks keep their memory from one page to the
// next; `dib` is empty after a failure.
platform::Status LoadDibFromBmpStream(std::span<const std::uint8_t> stream, Dib& dib);

}  // namespace printing
