#pragma once
// Bounds for decoding pictures from outside: a damaged or hostile file
// must fail instead of making the decoder allocate without end.
#include <cstdint>

namespace filedialog {

struct PictureLimits {
  std::uint64_t maxPixels = std::uint64_t{1} << 25;  // 33.5 million: a 128 MiB bitmap
  std::uint32_t maxSide = 65535;
  // The most a decoder's own work memory may take (libjpeg's buffers of
  // progressive pictures).
  std::uint64_t maxWorkBytes = std::uint64_t{256} << 20;
  // The most scans of a progressive JPEG: more are only there to waste time.
  int maxScans = 1000;
  // Metafiles are drawn by libraries that hold a file several times over
  // (as records, as SVG text, as a tree of shapes), so they get a smaller
  // file limit than bitmaps, and a bound on their records: every record
  // becomes one more thing to draw, and a file of millions of tiny records
  // would keep the dialog busy for minutes.
  std::uint64_t maxMetafileBytes = std::uint64_t{32} << 20;
  std::uint32_t maxMetafileRecords = 1u << 18;
  // The longest a Windows metafile may take to draw: a few thousand
  // records that each fill the whole of a large picture take seconds, and
  // the dialog draws in its one thread.
  int maxDrawMilliseconds = 5000;
  // The most work an enhanced metafile may ask for, counted as its records
  // times the picture's pixels (each record may fill the whole picture).
  // Qt draws it in one call that cannot be stopped at a deadline; at about
  // 5 ns a pixel this is some ten seconds at worst, and it still lets
  // through 2000 records on a picture of a million pixels, 50000 on one of
  // 200 x 200.
  std::uint64_t maxMetafileWork = std::uint64_t{1} << 31;

  // The largest file worth reading: an uncompressed 32-bit picture of the
  // largest size, plus headers.
  std::uint64_t MaxFileBytes() const { return maxPixels * 4 + (std::uint64_t{1} << 20); }
  bool Allows(std::uint64_t width, std::uint64_t height) const {
    return width > 0 && height > 0 && width <= maxSide && height <= maxSide && width * height <= maxPixels;
  }
};

}  // namespace filedialog
