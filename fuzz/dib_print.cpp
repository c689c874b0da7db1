// Libraries: printing
// Fuzz target of the print engine's input: a bitmap file split into its
// header and pixel blocks and printed by the engine onto a small page, with
// the destination taken from the input's last bytes (clipped at any edge,
// enlarged or reduced). Damaged input must be refused without reading or
// writing outside a block.
#include <cstddef>
#include <cstdint>
#include <span>

#include "printing/BmpStream.h"
#include "printing/DibHeader.h"
#include "printing/DibPrintEngine.h"
#include "printing/RasterDevice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  auto dib = printing::LoadDibFromBmpStream(input);
  if (!dib || size < 4) return 0;
  // Pictures the engine would expand into many megabytes only slow the
  // search down; their limit is the engine's own.
  if (printing::IsValidDibHeader(dib->header) && printing::DibHeaderMetrics(dib->header).imageSize > (8 << 20))
    return 0;
  printing::DeviceCaps caps;
  caps.logPixelsX = caps.logPixelsY = 300;
  caps.horzRes = caps.physicalWidth = 64;
  caps.vertRes = caps.physicalHeight = 48;
  printing::RasterDevice device(caps);
  const std::uint8_t* tail = data + size - 4;
  const int x = static_cast<int>(tail[0] % 96) - 32;
  const int y = static_cast<int>(tail[1] % 80) - 24;
  const int w = 1 + tail[2] % 96;
  const int h = 1 + tail[3] % 80;
  printing::EngineOptions tiles;
  tiles.tileWidth = 1 + tail[0] % 23;
  tiles.tileHeight = 1 + tail[1] % 17;
  tiles.startWithBlt = (tail[2] & 1) != 0;
  const int result = printing::PrintDibOnPage(device, x, y, w, h, dib->header, dib->pixels, tiles);
  if (result > 1 || result < -5) __builtin_trap();
  return 0;
}
