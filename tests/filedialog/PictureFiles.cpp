#include "PictureFiles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <jpeglib.h>

#include "platform/ByteOrder.h"

namespace fdtest {
namespace {

std::string Emr(std::uint32_t type, const std::string& body) {
  std::string r;
  platform::AppendLE32(r, type);
  platform::AppendLE32(r, static_cast<std::uint32_t>(8 + body.size()));
  return r + body;
}

}  // namespace

std::string SamplePath(const std::string& name) {
  // Both file dialog test programs build this file; the window tests' data
  // folder would be ui/data, the samples are the headless tests'.
  std::string dir = TEST_DATA_DIR;
  const std::string window = "/ui/data";
  if (dir.size() > window.size() && dir.compare(dir.size() - window.size(), window.size(), window) == 0)
    dir.erase(dir.size() - window.size()) += "/data";
  return dir + "/" + name;
}

std::string SampleFile(const std::string& name) {
  std::ifstream in(SamplePath(name), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string MakeEmf(const std::vector<std::string>& records) {
  std::string eof;
  platform::AppendLE32(eof, 0);   // palette entries
  platform::AppendLE32(eof, 16);  // their offset
  platform::AppendLE32(eof, 20);  // this record's size
  std::string body;
  for (std::uint32_t v : {0u, 0u, 100u, 50u}) platform::AppendLE32(body, v);        // bounds, device pixels
  for (std::uint32_t v : {0u, 0u, 2646u, 1323u}) platform::AppendLE32(body, v);     // frame, 0.01 mm
  platform::AppendLE32(body, 0x464D4520);
  platform::AppendLE32(body, 0x10000);
  std::size_t total = 88;
  for (const std::string& r : records) total += r.size();
  total += 20;
  platform::AppendLE32(body, static_cast<std::uint32_t>(total));
  platform::AppendLE32(body, static_cast<std::uint32_t>(records.size() + 2));
  platform::AppendLE16(body, 1);  // handles
  platform::AppendLE16(body, 0);
  platform::AppendLE32(body, 0);  // no description
  platform::AppendLE32(body, 0);
  platform::AppendLE32(body, 0);  // palette entries
  for (std::uint32_t v : {960u, 960u, 254u, 254u}) platform::AppendLE32(body, v);  // 96 pixels per inch
  std::string file = Emr(1, body);
  for (const std::string& r : records) file += r;
  return file + Emr(14, eof);
}

std::string MakeWmf(const std::vector<std::string>& records) {
  std::string file;
  platform::AppendLE32(file, 0x9AC6CDD7);
  platform::AppendLE16(file, 0);
  for (std::uint32_t v : {0u, 0u, 1500u, 750u, 1440u}) platform::AppendLE16(file, v);
  platform::AppendLE32(file, 0);
  std::uint16_t sum = 0;
  for (std::size_t i = 0; i < 20; i += 2)
    sum ^= static_cast<std::uint16_t>(static_cast<unsigned char>(file[i]) | static_cast<unsigned char>(file[i + 1]) << 8);
  platform::AppendLE16(file, sum);
  std::uint32_t words = 9 + 3, largest = 3;
  for (const std::string& r : records) {
    words += static_cast<std::uint32_t>(r.size() / 2);
    largest = std::max(largest, static_cast<std::uint32_t>(r.size() / 2));
  }
  platform::AppendLE16(file, 1);
  platform::AppendLE16(file, 9);
  platform::AppendLE16(file, 0x0300);
  platform::AppendLE32(file, words);
  platform::AppendLE16(file, 4);  // objects
  platform::AppendLE32(file, largest);
  platform::AppendLE16(file, 0);
  for (const std::string& r : records) file += r;
  platform::AppendLE32(file, 3);
  platform::AppendLE16(file, 0);
  return file;
}

std::string DibInfo(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression,
                    std::uint32_t colours) {
  std::string h;
  platform::AppendLE32(h, 40);
  platform::AppendLE32(h, static_cast<std::uint32_t>(width));
  platform::AppendLE32(h, static_cast<std::uint32_t>(height));
  platform::AppendLE16(h, 1);
  platform::AppendLE16(h, static_cast<std::uint32_t>(bits));
  platform::AppendLE32(h, compression);
  for (int i = 0; i < 3; ++i) platform::AppendLE32(h, 0);
  platform::AppendLE32(h, colours);
  platform::AppendLE32(h, 0);
  for (std::uint32_t i = 0; i < colours; ++i) platform::AppendLE32(h, 0x00FF0000u >> (i % 3 * 8));
  return h;
}

std::string EmfStretchDibits(const std::string& info, const std::string& bits) {
  std::string body;
  for (std::uint32_t v : {0u, 0u, 99u, 49u}) platform::AppendLE32(body, v);  // bounds
  for (std::uint32_t v : {10u, 10u, 0u, 0u, 4u, 4u}) platform::AppendLE32(body, v);  // destination, source, source size
  platform::AppendLE32(body, 80);                                                    // header offset (record start)
  platform::AppendLE32(body, static_cast<std::uint32_t>(info.size()));
  platform::AppendLE32(body, static_cast<std::uint32_t>(80 + info.size()));
  platform::AppendLE32(body, static_cast<std::uint32_t>(bits.size()));
  platform::AppendLE32(body, 0);           // RGB colours
  platform::AppendLE32(body, 0x00CC0020);  // SRCCOPY
  platform::AppendLE32(body, 40);          // destination size
  platform::AppendLE32(body, 20);
  std::string record = Emr(81, body + info + bits);
  while (record.size() % 4 != 0) record += '\0';
  record[4] = static_cast<char>(record.size() & 0xFF);
  record[5] = static_cast<char>((record.size() >> 8) & 0xFF);
  record[6] = static_cast<char>((record.size() >> 16) & 0xFF);
  return record;
}

std::string WmfStretchDib(const std::string& dib) {
  std::string params;
  platform::AppendLE32(params, 0x00CC0020);  // SRCCOPY
  platform::AppendLE16(params, 0);           // RGB colours
  for (std::uint32_t v : {4u, 4u, 0u, 0u, 20u, 40u, 10u, 10u}) platform::AppendLE16(params, v);
  std::string body = params + dib;
  if (body.size() % 2 != 0) body += '\0';
  std::string record;
  platform::AppendLE32(record, static_cast<std::uint32_t>((6 + body.size()) / 2));
  platform::AppendLE16(record, 0x0F43);
  return record + body;
}

std::string BuildBmp(const BmpSpec& spec) {
  std::string header;
  if (spec.headerSize == 12) {
    platform::AppendLE32(header, 12);
    platform::AppendLE16(header, static_cast<std::uint32_t>(spec.width));
    platform::AppendLE16(header, static_cast<std::uint32_t>(spec.height));
    platform::AppendLE16(header, 1);
    platform::AppendLE16(header, static_cast<std::uint32_t>(spec.bits));
  } else {
    platform::AppendLE32(header, static_cast<std::uint32_t>(spec.headerSize));
    platform::AppendLE32(header, static_cast<std::uint32_t>(spec.width));
    platform::AppendLE32(header, static_cast<std::uint32_t>(spec.height));
    platform::AppendLE16(header, 1);
    platform::AppendLE16(header, static_cast<std::uint32_t>(spec.bits));
    platform::AppendLE32(header, spec.compression);
    platform::AppendLE32(header, static_cast<std::uint32_t>(spec.pixels.size()));
    platform::AppendLE32(header, 3780);
    platform::AppendLE32(header, 3780);
    platform::AppendLE32(header, static_cast<std::uint32_t>(spec.palette.size()));
    platform::AppendLE32(header, 0);
    if (spec.headerSize > 40) {
      for (std::size_t i = 0; i < 4; ++i) platform::AppendLE32(header, i < spec.masks.size() ? spec.masks[i] : 0);
      header.resize(static_cast<std::size_t>(spec.headerSize), '\0');
    } else if (!spec.masks.empty()) {
      for (std::uint32_t m : spec.masks) platform::AppendLE32(header, m);
    }
  }
  std::string palette;
  for (std::uint32_t c : spec.palette) {
    palette += static_cast<char>((c >> 16) & 0xFF);  // blue
    palette += static_cast<char>((c >> 8) & 0xFF);
    palette += static_cast<char>(c & 0xFF);
    if (spec.headerSize != 12) palette += '\0';
  }
  std::string file = "BM";
  const std::uint32_t offset = static_cast<std::uint32_t>(14 + header.size() + palette.size());
  platform::AppendLE32(file, static_cast<std::uint32_t>(offset + spec.pixels.size()));
  platform::AppendLE32(file, 0);
  platform::AppendLE32(file, offset);
  return file + header + palette + spec.pixels;
}

std::string PackRows(int width, int height, int bits, bool topDown, const std::function<std::uint32_t(int, int)>& value) {
  const std::size_t stride = (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
  std::string data;
  for (int row = 0; row < height; ++row) {
    const int y = topDown ? row : height - 1 - row;
    std::string line(stride, '\0');
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = value(x, y);
      switch (bits) {
        case 1: line[static_cast<std::size_t>(x / 8)] |= static_cast<char>((v & 1) << (7 - x % 8)); break;
        case 4: line[static_cast<std::size_t>(x / 2)] |= static_cast<char>((v & 15) << (x % 2 ? 0 : 4)); break;
        case 8: line[static_cast<std::size_t>(x)] = static_cast<char>(v); break;
        default:
          for (int b = 0; b < bits / 8; ++b)
            line[static_cast<std::size_t>(x * bits / 8 + b)] = static_cast<char>((v >> (8 * b)) & 0xFF);
      }
    }
    data += line;
  }
  return data;
}

std::string Bmp24(int width, int height, const ColourAt& colour, bool topDown) {
  BmpSpec s;
  s.width = width;
  s.height = topDown ? -height : height;
  s.bits = 24;
  // Stored blue, green, red: the word 0x00RRGGBB.
  s.pixels = PackRows(width, height, 24, topDown, [&](int x, int y) {
    const std::uint32_t c = colour(x, y);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  });
  return BuildBmp(s);
}

std::string MakeJpeg(const JpegSpec& spec, const ColourAt& colour) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(spec.width);
  cinfo.image_height = static_cast<JDIMENSION>(spec.height);
  cinfo.input_components = spec.grey ? 1 : spec.cmyk ? 4 : 3;
  cinfo.in_color_space = spec.grey ? JCS_GRAYSCALE : spec.cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, spec.quality, TRUE);
  if (spec.progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(spec.width * cinfo.input_components));
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < spec.width; ++x) {
      const std::uint32_t c = colour(x, y);
      const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
      JSAMPLE* p = &row[static_cast<std::size_t>(x * cinfo.input_components)];
      if (spec.grey) {
        p[0] = static_cast<JSAMPLE>((r + g + b) / 3);
      } else if (spec.cmyk) {
        // libjpeg marks CMYK with Adobe's marker, whose files hold the
        // channels inverted: 255 - (255 - r) for cyan, 255 for no black.
        p[0] = static_cast<JSAMPLE>(r);
        p[1] = static_cast<JSAMPLE>(g);
        p[2] = static_cast<JSAMPLE>(b);
        p[3] = 255;
      } else {
        p[0] = static_cast<JSAMPLE>(r);
        p[1] = static_cast<JSAMPLE>(g);
        p[2] = static_cast<JSAMPLE>(b);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string out(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

int ColourDistance(std::uint32_t a, std::uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int d = std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    if (d > worst) worst = d;
  }
  return worst;
}

}  // namespace fdtest
