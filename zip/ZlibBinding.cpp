#include "zip/ZlibBinding.h"

#include <zlib.h>

#include <cstring>

namespace zip {

int CCheck(int result) {
  if (result < 0) throw ECompressionError();
  return result;
}

int DCheck(int result) {
  if (result < 0) throw EDecompressionError();
  return result;
}

std::vector<std::uint8_t> ZLIBCompressBuf(const void* input, std::size_t size, int level) {
  std::vector<std::uint8_t> out(((size + size / 10 + 12) + 255) / 256 * 256);
  z_stream zs{};
  CCheck(deflateInit(&zs, level));
  zs.next_in = static_cast<Bytef*>(const_cast<void*>(input));
  zs.avail_in = static_cast<uInt>(size);
  try {
    for (;;) {
      zs.next_out = out.data() + zs.total_out;
      zs.avail_out = static_cast<uInt>(out.size() - zs.total_out);
      int r = CCheck(deflate(&zs, Z_FINISH));
      if (r == Z_STREAM_END) break;
      out.resize(out.size() + 256);
    }
  } catch (...) {
    deflateEnd(&zs);
    throw;
  }
  out.resize(zs.total_out);
  CCheck(deflateEnd(&zs));
  return out;
}

bool ZLIBDecompressBuf(const void* input, std::size_t size, std::size_t estimate, std::vector<std::uint8_t>& out) {
  std::size_t step = (size + 255) / 256 * 256;
  if (step == 0) step = 256;
  out.assign(estimate ? estimate : step, 0);
  z_stream zs{};
  if (inflateInit(&zs) < 0) {
    out.clear();
    return false;
  }
  zs.next_in = static_cast<Bytef*>(const_cast<void*>(input));
  zs.avail_in = static_cast<uInt>(size);
  bool ok = false;
  for (;;) {
    zs.next_out = out.data() + zs.total_out;
    zs.avail_out = static_cast<uInt>(out.size() - zs.total_out);
    int r = inflate(&zs, Z_NO_FLUSH);
    if (r == Z_STREAM_END) {
      ok = true;
      break;
    }
    // A stream that stops wanting input and produces nothing more is cut short.
    if (r < 0 || (zs.avail_in == 0 && zs.avail_out != 0)) break;
    out.resize(out.size() + step);
  }
  std::size_t produced = zs.total_out;
  if (inflateEnd(&zs) < 0) ok = false;
  if (!ok) {
    out.clear();
    return false;
  }
  out.resize(produced);
  return true;
}

std::vector<std::uint8_t> ZLIBDecompressBuf(const void* input, std::size_t size, std::size_t estimate) {
  std::vector<std::uint8_t> out;
  ZLIBDecompressBuf(input, size, estimate, out);
  return out;
}

void ZlibHeaderOfMode(int mode, std::uint8_t out[2]) {
  out[0] = 0x78;
  if (mode == 0 || (mode >= 7 && mode <= 9)) out[1] = 0xDA;
  else if (mode == 1 || mode == 2) out[1] = 0x01;
  else if (mode == 3 || mode == 4) out[1] = 0x5E;
  else if (mode == 5 || mode == 6) out[1] = 0x9C;
  else out[0] = out[1] = 0x00;
}

}  // namespace zip
