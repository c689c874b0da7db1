#include "printing/DibPrintEngine.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <vector>

#include "printing/DibHeader.h"
#include "printing/RleExpansion.h"
#include "printing/Tiles.h"

namespace printing {
namespace {

// What one PrintDibTiled call works with.
struct PrintContext {
  PrintContext(PrintDevice& d, const EngineOptions& o, const TileProgress& p) : device(d), options(o), progress(p) {}
  PrintDevice& device;
  const EngineOptions& options;
  const TileProgress& progress;
  std::vector<std::uint8_t> header;  // the engine's own copy, in info form
  DibMetrics metrics;
  std::vector<std::uint8_t> expanded;  // the pixels of a run-length picture
  const std::uint8_t* topRow = nullptr;
  std::int64_t rowStep = 0;
  DeviceRect dest;  // the whole destination
  int sx = 0, sy = 0, sw = 0, sh = 0;
  double sxf = 0, syf = 0;  // source pixels per device pixel
  bool fallBack = false;
  std::vector<std::uint8_t> tileHeader;
  std::vector<std::uint8_t> tilePixels;
  std::vector<std::int64_t> columns;
};

// Pixel `x` of a row at `bits` per pixel, and the same written into a row
// that starts zeroed.
std::uint32_t GetBits(const std::uint8_t* row, std::int64_t x, int bits) {
  if (bits == 1) return (row[x >> 3] >> (7 - (x & 7))) & 1;
  return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
}
void PutBits(std::uint8_t* row, std::int64_t x, int bits, std::uint32_t v) {
  if (bits == 1)
    row[x >> 3] = static_cast<std::uint8_t>(row[x >> 3] | (v << (7 - (x & 7))));
  else
    row[x >> 1] = static_cast<std::uint8_t>(row[x >> 1] | (v << ((x & 1) ? 0 : 4)));
}

const std::uint8_t* SourceRow(const PrintContext& c, std::int64_t row) { return c.topRow + row * c.rowStep; }

// One row of the tile bitmap from the source row, through the column map.
void FillRow(const PrintContext& c, const std::uint8_t* from, std::uint8_t* to, std::int64_t width,
             std::int64_t stride, bool contiguous) {
  const int bits = c.metrics.bits;
  const std::int64_t* columns = c.columns.data();
  if (bits >= 8) {
    const std::int64_t bytes = bits / 8;
    if (contiguous) {
      std::memcpy(to, from + columns[0] * bytes, static_cast<std::size_t>(width * bytes));
    } else if (bytes == 4) {
      for (std::int64_t j = 0; j < width; ++j) std::memcpy(to + 4 * j, from + 4 * columns[j], 4);
    } else {
      for (std::int64_t j = 0; j < width; ++j)
        std::memcpy(to + bytes * j, from + bytes * columns[j], static_cast<std::size_t>(bytes));
    }
    std::memset(to + width * bytes, 0, static_cast<std::size_t>(stride - width * bytes));
    return;
  }
  std::memset(to, 0, static_cast<std::size_t>(stride));
  for (std::int64_t j = 0; j < width; ++j) PutBits(to, j, bits, GetBits(from, columns[j], bits));
}

// Makes the tile bitmap's header and pixel block for a width x height tile.
void PrepareTile(PrintContext& c, std::int64_t width, std::int64_t height) {
  const std::int64_t stride = DibStride(width, c.metrics.bits);
  c.tileHeader = c.header;
  InfoHeader h = ReadInfoHeader(c.header);
  h.width = static_cast<std::int32_t>(width);
  h.height = static_cast<std::int32_t>(height);  // bottom-up
  h.planes = 1;
  h.sizeImage = static_cast<std::uint32_t>(stride * height);
  WriteInfoHeader(h, c.tileHeader);
  c.tilePixels.resize(static_cast<std::size_t>(stride * height));
}

// Sends the tile bitmap to `dest`: StretchDib, or BltDib once that failed.
bool SendTile(PrintContext& c, const DeviceRect& dest, std::int64_t height) {
  const DibView view{c.tileHeader, c.tilePixels};
  if (!c.fallBack) {
    if (c.device.StretchDib(dest, view) == height) return true;
    if (!c.options.fallBackOnFailure) return false;
    c.fallBack = true;
  }
  return c.device.BltDib(dest, view);
}

int Verdict(const PrintContext& c, const TileInfo& t) { return c.progress ? c.progress(t.number, t.total) : 1; }

// The tile's bitmap at the device's resolution (divided by the divisors):
// tile pixel (j, i) takes source column sx + (left + j x xDivisor) x sw / w,
// counted from the destination's left, and likewise for the rows. The
// product is exact in 64 bits, so a picture looks the same whatever the
// tiles.
int DeviceTile(PrintContext& c, const TileInfo& t) {
  const EngineOptions& o = c.options;
  const std::int64_t width = std::max(1, t.width / o.xDivisor);
  const std::int64_t height = std::max(1, t.height / o.yDivisor);
  PrepareTile(c, width, height);
  const std::int64_t stride = DibStride(width, c.metrics.bits);
  const std::int64_t w = c.dest.Width(), h = c.dest.Height();
  c.columns.resize(static_cast<std::size_t>(width));
  for (std::int64_t j = 0; j < width; ++j)
    c.columns[static_cast<std::size_t>(j)] = c.sx + (t.tile.left - c.dest.left + j * o.xDivisor) * c.sw / w;
  const bool contiguous = o.xDivisor == 1 && c.sw == w;
  for (std::int64_t i = 0; i < height; ++i) {
    const std::int64_t row = c.sy + (t.tile.top - c.dest.top + i * o.yDivisor) * c.sh / h;
    FillRow(c, SourceRow(c, row), c.tilePixels.data() + (height - 1 - i) * stride, width, stride, contiguous);
    if (i % 64 == 0 && c.progress && c.progress(t.number, t.total) == 0) return 0;
  }
  const DeviceRect dest{t.tile.left, t.tile.top, static_cast<int>(t.tile.left + width * o.xDivisor),
                        static_cast<int>(t.tile.top + height * o.yDivisor)};
  if (!SendTile(c, dest, height)) return 0;
  return Verdict(c, t);
}

// The tile's bitmap at the source's resolution, every xDivisor-th column
// and yDivisor-th row; the device stretches it onto the tile.
int SourceTile(PrintContext& c, const TileInfo& t) {
  const EngineOptions& o = c.options;
  const std::int64_t width = std::max<std::int64_t>(1, static_cast<std::int64_t>(t.width * c.sxf / o.xDivisor));
  const std::int64_t height = std::max<std::int64_t>(1, static_cast<std::int64_t>(t.height * c.syf / o.yDivisor));
  PrepareTile(c, width, height);
  const std::int64_t stride = DibStride(width, c.metrics.bits);
  const std::int64_t firstColumn = c.sx + static_cast<std::int64_t>((t.tile.left - c.dest.left) * c.sxf);
  const std::int64_t firstRow = c.sy + static_cast<std::int64_t>((t.tile.top - c.dest.top) * c.syf);
  const std::int64_t lastColumn = c.sx + c.sw - 1, lastRow = c.sy + c.sh - 1;
  c.columns.resize(static_cast<std::size_t>(width));
  for (std::int64_t j = 0; j < width; ++j)
    c.columns[static_cast<std::size_t>(j)] = std::min(lastColumn, firstColumn + j * o.xDivisor);
  for (std::int64_t i = 0; i < height; ++i) {
    const std::int64_t row = std::min(lastRow, firstRow + i * o.yDivisor);
    FillRow(c, SourceRow(c, row), c.tilePixels.data() + (height - 1 - i) * stride, width, stride, false);
    if (i % 64 == 0 && c.progress && c.progress(t.number, t.total) == 0) return 0;
  }
  if (!SendTile(c, t.tile, height)) return 0;
  return Verdict(c, t);
}

// A run-length picture is expanded into memory; a few bytes of codes can
// describe any size, so the size is bounded: twice a page of 600 dpi.
constexpr std::int64_t kLargestExpansion = std::int64_t{256} << 20;

bool InIntRange(long long v) { return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max(); }

}  // namespace

int PrintDibTiled(PrintDevice& device, int x, int y, int w, int h, int sx, int sy, int sw, int sh,
                  std::span<const std::uint8_t> header, std::span<const std::uint8_t> pixels,
                  const DeviceRect* clip, const TileProgress& progress, const EngineOptions& options) {
  if (!IsValidDibHeader(header) || pixels.empty()) return kEngineBadArguments;
  if (sx < 0 || sy < 0 || sw < 1 || sh < 1 || w < 1 || h < 1) return kEngineBadArguments;
  if (options.xDivisor < 1 || options.yDivisor < 1) return kEngineBadArguments;
  if (!InIntRange(static_cast<long long>(x) + w) || !InIntRange(static_cast<long long>(y) + h))
    return kEngineBadArguments;
  PrintContext c{device, options, progress};
  c.metrics = DibHeaderMetrics(header);
  const DibMetrics& m = c.metrics;
  if (m.infoSize < 1 || m.imageSize < 1 || m.stride < 1) return kEngineBadArguments;
  try {
    platform::Result<std::vector<std::uint8_t>> info = InfoFormOf(header);
    if (!info) return kEngineBadImage;
    c.header = std::move(info.value());
  } catch (const std::bad_alloc&) {
    return kEngineOutOfMemory;
  }
  if (m.width < sw || m.height < sh || static_cast<std::int64_t>(sx) + sw > m.width ||
      static_cast<std::int64_t>(sy) + sh > m.height)
    return kEngineBadArguments;

  c.dest = {x, y, x + w, y + h};
  const DeviceRect clipped = clip ? Intersect(c.dest, *clip) : c.dest;
  if (clipped.IsEmpty()) return kEngineNothingToPrint;

  const std::uint8_t* source = pixels.data();
  if (m.compression == kBiRle8 || m.compression == kBiRle4) {
    InfoHeader h = ReadInfoHeader(c.header);
    if (h.sizeImage == 0 || h.sizeImage > pixels.size()) return kEngineBadArguments;
    if (m.imageSize > kLargestExpansion) return kEngineOutOfMemory;
    try {
      c.expanded.assign(static_cast<std::size_t>(m.imageSize), 0);
    } catch (const std::bad_alloc&) {
      return kEngineOutOfMemory;
    }
    const std::span<const std::uint8_t> table(c.header.data() + kInfoHeaderSize,
                                              static_cast<std::size_t>(4 * m.colourEntries));
    const RleTarget target{m.width, m.height, m.stride, c.expanded};
    if (!DecodeRleBand(m.compression, pixels.first(h.sizeImage), table, target)) return kEngineBadImage;
    h.compression = kBiRgb;
    WriteInfoHeader(h, c.header);
    c.metrics.compression = kBiRgb;
    source = c.expanded.data();
  } else if (static_cast<std::uint64_t>(m.imageSize) > pixels.size()) {
    return kEngineBadArguments;  // fewer pixels than the rows need
  }
  if (m.topDown) {
    c.topRow = source;
    c.rowStep = m.stride;
  } else {
    c.topRow = source + (m.imageSize - m.stride);
    c.rowStep = -m.stride;
  }
  c.sx = sx;
  c.sy = sy;
  c.sw = sw;
  c.sh = sh;
  c.sxf = static_cast<double>(sw) / w;
  c.syf = static_cast<double>(sh) / h;

  int tileWidth = std::max(1, options.tileWidth);
  int tileHeight = std::max(1, options.tileHeight);
  // Devices that take no bitmap of 64 KB get bands below it.
  if (!device.Caps().bitmap64)
    tileHeight = static_cast<int>(std::max<std::int64_t>(1, 65503 / DibStride(tileWidth, m.bits)));

  c.fallBack = options.startWithBlt;
  const auto tile = [&c](const TileInfo& t) -> int {
    try {
      return c.options.useSourceTileCallback ? SourceTile(c, t) : DeviceTile(c, t);
    } catch (...) {
      return 0;  // a failed tile
    }
  };
  return ForEachTile(clipped, tileWidth, tileHeight, tile) == 1 ? kEnginePrinted : kEngineTileFailed;
}

int PrintDibOnPage(PrintDevice& device, int x, int y, int w, int h, std::span<const std::uint8_t> header,
                   std::span<const std::uint8_t> pixels, const EngineOptions& options, const TileProgress& progress) {
  if (!IsValidDibHeader(header) || pixels.empty()) return kEngineBadArguments;
  try {
    const DibMetrics m = DibHeaderMetrics(header);
    if (m.width > std::numeric_limits<int>::max() || m.height > std::numeric_limits<int>::max())
      return kEngineBadArguments;
    const PageMetrics page = GetPageMetrics(device);
    if (page.printableWidth < 1 || page.printableHeight < 1) return kEngineBadArguments;
    const DeviceRect printable{0, 0, page.printableWidth, page.printableHeight};
    return PrintDibTiled(device, x, y, w, h, 0, 0, static_cast<int>(m.width), static_cast<int>(m.height), header,
                         pixels, &printable, progress, options);
  } catch (...) {
    return kEngineBadArguments;
  }
}

}  // namespace printing
