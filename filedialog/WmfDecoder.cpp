#include "filedialog/WmfDecoder.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>
#include <png.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "filedialog/WmfCheck.h"
#include "platform/ByteOrder.h"
#include "platform/Colours.h"

namespace filedialog {
using platform::Bitmap;
using platform::Result;
using platform::Status;

namespace {

struct ApiCloser {
  void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};
using Api = std::unique_ptr<wmfAPI, ApiCloser>;

constexpr std::size_t kPlaceableSize = 22, kHeaderSize = 18;

// (libwmf's headers take the names U16 and U32.)
std::uint16_t Word(std::string_view s, std::size_t at) {
  return platform::LoadLE16(reinterpret_cast<const std::uint8_t*>(s.data()) + at);
}
std::uint32_t DoubleWord(std::string_view s, std::size_t at) {
  return platform::LoadLE32(reinterpret_cast<const std::uint8_t*>(s.data()) + at);
}

bool SetsMapping(std::uint16_t function) {
  switch (function) {
    case 0x0103:  // SETMAPMODE
    case 0x020B:  // SETWINDOWORG
    case 0x020C:  // SETWINDOWEXT
    case 0x020D:  // SETVIEWPORTORG
    case 0x020E:  // SETVIEWPORTEXT
      return true;
    default: return false;
  }
}

// Records that draw nothing and leave the mapping alone, as they come
// before the drawing.
bool SetsUp(std::uint16_t function) {
  switch (function) {
    case 0x001E: case 0x0102: case 0x0104: case 0x0106: case 0x0107: case 0x012D: case 0x012E:
    case 0x01F0: case 0x0201: case 0x0209: case 0x0231: case 0x0234: case 0x0035: case 0x00F7:
    case 0x02FA: case 0x02FB: case 0x02FC: case 0x0626:
      return true;
    default: return false;
  }
}

Api OpenReader(std::string& bytes) {
  wmfAPI* raw = nullptr;
  wmfAPI_Options options{};
  options.function = wmf_gd_function;
  const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
  if (wmf_api_create(&raw, flags, &options) != wmf_E_None) {
    if (raw) wmf_api_destroy(raw);
    return nullptr;
  }
  Api api(raw);
  if (wmf_mem_open(api.get(), reinterpret_cast<unsigned char*>(bytes.data()), static_cast<long>(bytes.size())) !=
      wmf_E_None)
    return nullptr;
  return api;
}

// libwmf maps what the records draw, not the placeable header's box, onto
// the picture, so a drawing that leaves part of its box empty would be
// stretched. The box in libwmf's coordinates comes from a probe: the
// file's mapping records up to its first drawing, then a line from corner
// to corner of the box, scanned alone.
bool ScanBox(std::string_view file, wmfD_Rect& box) {
  std::string probe(file.substr(0, kPlaceableSize + kHeaderSize));
  std::size_t at = kPlaceableSize + kHeaderSize;
  for (;;) {
    const std::uint32_t words = DoubleWord(file, at);
    const std::uint16_t function = Word(file, at + 4);
    if (SetsMapping(function)) probe.append(file.substr(at, words * 2));
    else if (!SetsUp(function)) break;
    at += words * 2;
  }
  platform::AppendLE32(probe, 3 + 5);
  platform::AppendLE16(probe, 0x0325);  // POLYLINE
  platform::AppendLE16(probe, 2);
  for (std::size_t corner : {6u, 8u, 10u, 12u}) platform::AppendLE16(probe, Word(file, corner));
  platform::AppendLE32(probe, 3);
  platform::AppendLE16(probe, 0);
  // The header's sizes, in words: the whole file, and its largest record
  // (the line's, or a mapping record's of the file).
  std::string size, largest;
  platform::AppendLE32(size, static_cast<std::uint32_t>((probe.size() - kPlaceableSize) / 2));
  platform::AppendLE32(largest, std::max<std::uint32_t>(DoubleWord(file, kPlaceableSize + 12), 3 + 5));
  probe.replace(kPlaceableSize + 6, 4, size);
  probe.replace(kPlaceableSize + 12, 4, largest);
  Api api = OpenReader(probe);
  return api && wmf_scan(api.get(), 0, &box) == wmf_E_None && box.BR.x > box.TL.x && box.BR.y > box.TL.y;
}

// Called by libwmf after every record: past the deadline it ends the
// drawing.
int PastDeadline(void* context, float) {
  return std::chrono::steady_clock::now() > *static_cast<const std::chrono::steady_clock::time_point*>(context) ? 1 : 0;
}

// libwmf hands its picture out only as a PNG or JPEG file (an image of its
// own it leaves for the caller to free, with no function to free it), so it
// writes a PNG into memory and libpng reads it back.
Result<std::string> DrawPng(std::string& bytes, const WmfLayout& layout, const PictureLimits& limits) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limits.maxDrawMilliseconds);
  wmfD_Rect box{};
  if (!ScanBox(bytes, box)) return Status::Fail("damaged metafile");
  Api api = OpenReader(bytes);
  wmfD_Rect drawn{};
  if (!api || wmf_scan(api.get(), 0, &drawn) != wmf_E_None) return Status::Fail("damaged metafile");

  char* png = nullptr;
  std::size_t pngSize = 0;
  std::FILE* sink = open_memstream(&png, &pngSize);
  if (!sink) return Status::Fail("no memory for the picture");
  wmf_gd_t* device = WMF_GD_GetData(api.get());
  device->type = wmf_gd_png;
  device->flags |= WMF_GD_OUTPUT_FILE;
  device->file = sink;
  device->width = static_cast<unsigned>(layout.width);
  device->height = static_cast<unsigned>(layout.height);
  device->bbox = box;
  wmf_status_function(api.get(), &deadline, PastDeadline);
  const wmf_error_t played = wmf_play(api.get(), 0, &box);
  // The picture is written when the reader closes.
  api.reset();
  std::fclose(sink);
  const std::unique_ptr<char, decltype(&std::free)> owned(png, &std::free);
  if (played == wmf_E_UserExit) return Status::Fail("metafile takes too long to draw");
  if (played != wmf_E_None || pngSize == 0) return Status::Fail("damaged metafile");
  return std::string(png, pngSize);
}

Result<Bitmap> ReadPng(const std::string& png, const WmfLayout& layout) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return Status::Fail("no picture drawn");
  if (image.width != static_cast<png_uint_32>(layout.width) || image.height != static_cast<png_uint_32>(layout.height)) {
    png_image_free(&image);
    return Status::Fail("picture drawn at the wrong size");
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    return Status::Fail("no picture drawn");
  }
  Bitmap out(layout.width, layout.height);
  const png_byte* p = pixels.data();
  for (int y = 0; y < layout.height; ++y)
    for (int x = 0; x < layout.width; ++x, p += 3) out.SetPixel(x, y, platform::colours::Rgb(p[0], p[1], p[2]));
  return out;
}

}  // namespace

Result<Bitmap> DecodeWmf(std::string_view file, const PictureLimits& limits) {
  auto layout = CheckWmf(file, limits);
  if (!layout) return layout.status();
  // The reader takes the bytes as changeable; it gets its own copy, ending
  // with the end-of-file record.
  std::string bytes(file.substr(0, layout->length));
  auto png = DrawPng(bytes, *layout, limits);
  if (!png) return png.status();
  return ReadPng(*png, *layout);
}

}  // namespace filedialog
