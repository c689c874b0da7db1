#pragma once
// The print engine: puts a device-independent bitmap (a header block and a
// pixel block, printing/BmpStream) onto a rectangle of a printer page. It
// checks the header, expands run-length pixels, clips the destination to
// the printable area and cuts it into tiles of at most the screen's size;
// for each tile it builds a small bitmap at the device's resolution by
// nearest-neighbour sampling and sends it with PrintDevice::StretchDib,
// falling back to PrintDevice::BltDib for the rest of the call when that
// fails. Each device call carries one tile, whatever the size of the page.
//
// Every length is checked against the blocks it is given: a header whose
// colour table is cut off, a pixel block shorter than its rows, and
// run-length codes that reach outside the picture are refused.
#include <cstdint>
#include <functional>
#include <span>

#include "printing/DeviceRect.h"
#include "printing/PrintDevice.h"

namespace printing {

// The engine's settings; the program prints with them as they stand.
struct EngineOptions {
  bool startWithBlt = false;       // every call starts with the fall-back
  bool fallBackOnFailure = true;   // after a failed StretchDib, the rest of the call through BltDib
  int xDivisor = 1;                // a tile's bitmap has 1/xDivisor of the tile's device width
  int yDivisor = 1;                // ... and 1/yDivisor of its height; the device stretches it
  bool useSourceTileCallback = false;  // tile bitmaps at source resolution, stretched by the device
  int tileWidth = 1920;            // the screen's size: the most one device call carries
  int tileHeight = 1080;
};

// Called with the running tile number and the tile count, while a tile is
// built and after it was sent; 0 stops the print (the result is then -5).
using TileProgress = std::function<int(int tile, int tiles)>;

inline constexpr int kEnginePrinted = 1;
inline constexpr int kEngineNothingToPrint = 0;  // an empty rectangle, or outside the printable area
inline constexpr int kEngineBadArguments = -1;
inline constexpr int kEngineOutOfMemory = -2;    // also a run-length picture of over 256 MiB
inline constexpr int kEngineBadImage = -3;      // the header or run-length codes could not be read
inline constexpr int kEngineTileFailed = -5;    // a tile failed both ways, or the progress stopped it

// Prints the whole bitmap stretched onto (x, y, w, h), cut at the printable
// area (0, 0, horzRes, vertRes).
int PrintDibOnPage(PrintDevice& device, int x, int y, int w, int h, std::span<const std::uint8_t> header,
                   std::span<const std::uint8_t> pixels, const EngineOptions& options = {},
                   const TileProgress& progress = {});

// Prints the source rectangle (sx, sy, sw, sh) of the bitmap, rows counted
// from the top, onto the destination (x, y, w, h), cut at `clip` when it is
// given. The scale is that of the whole destination, so a clipped picture
// is cut, not shrunk.
int PrintDibTiled(PrintDevice& device, int x, int y, int w, int h, int sx, int sy, int sw, int sh,
                  std::span<const std::uint8_t> header, std::span<const std::uint8_t> pixels,
                  const DeviceRect* clip, const TileProgress& progress, const EngineOptions& options);

}  // namespace printing
