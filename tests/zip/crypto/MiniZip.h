#pragma once
// A one-entry ZIP writer and reader, just enough to hand an encrypted entry
// to 7-Zip and to take one back. The real archive code lives elsewhere; this
// only frames the bytes the crypto layer produces.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace cryptotest {

struct MiniEntry {
  std::string name;
  std::uint16_t flags = 0;
  std::uint16_t method = 0;       // as recorded in the headers (99 for AES)
  std::uint32_t crc32 = 0;
  std::uint32_t uncompressedSize = 0;
  std::uint16_t dosTime = 0, dosDate = 0x5A21;
  std::vector<std::uint8_t> extra;  // whole extra fields, headers included
  std::vector<std::uint8_t> data;   // the entry data as stored
};

inline void Put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
inline std::uint32_t Get16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::uint32_t(b.at(at)) | std::uint32_t(b.at(at + 1)) << 8;
}
inline std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return Get16(b, at) | Get16(b, at + 2) << 16;
}

inline void WriteMiniZip(const std::string& path, const MiniEntry& e) {
  std::vector<std::uint8_t> out;
  auto common = [&] {
    Put16(out, 51);  // version needed: 5.1, AES
    Put16(out, e.flags);
    Put16(out, e.method);
    Put16(out, e.dosTime);
    Put16(out, e.dosDate);
    Put32(out, e.crc32);
    Put32(out, static_cast<std::uint32_t>(e.data.size()));
    Put32(out, e.uncompressedSize);
    Put16(out, static_cast<std::uint32_t>(e.name.size()));
    Put16(out, static_cast<std::uint32_t>(e.extra.size()));
  };
  Put32(out, 0x04034b50);
  common();
  out.insert(out.end(), e.name.begin(), e.name.end());
  out.insert(out.end(), e.extra.begin(), e.extra.end());
  out.insert(out.end(), e.data.begin(), e.data.end());
  const auto cdOffset = static_cast<std::uint32_t>(out.size());
  Put32(out, 0x02014b50);
  Put16(out, 51);
  common();
  Put16(out, 0);  // comment
  Put16(out, 0);  // disk
  Put16(out, 0);  // internal attributes
  Put32(out, 0x20);
  Put32(out, 0);  // local header offset
  out.insert(out.end(), e.name.begin(), e.name.end());
  out.insert(out.end(), e.extra.begin(), e.extra.end());
  const auto cdSize = static_cast<std::uint32_t>(out.size()) - cdOffset;
  Put32(out, 0x06054b50);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  Put32(out, cdSize);
  Put32(out, cdOffset);
  Put16(out, 0);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(out.data()),
                                              static_cast<std::streamsize>(out.size()));
}

// The first entry of the central directory, with its stored data.
inline MiniEntry ReadMiniZip(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::size_t eocd = b.size() >= 22 ? b.size() - 22 : 0;
  while (eocd > 0 && Get32(b, eocd) != 0x06054b50) --eocd;
  if (Get32(b, eocd) != 0x06054b50) throw std::runtime_error("no end of central directory");
  std::size_t cd = Get32(b, eocd + 16);
  if (Get32(b, cd) != 0x02014b50) throw std::runtime_error("no central directory");
  MiniEntry e;
  e.flags = static_cast<std::uint16_t>(Get16(b, cd + 8));
  e.method = static_cast<std::uint16_t>(Get16(b, cd + 10));
  e.dosTime = static_cast<std::uint16_t>(Get16(b, cd + 12));
  e.crc32 = Get32(b, cd + 16);
  std::uint32_t compressed = Get32(b, cd + 20);
  e.uncompressedSize = Get32(b, cd + 24);
  std::size_t nameLen = Get16(b, cd + 28), extraLen = Get16(b, cd + 30);
  std::size_t local = Get32(b, cd + 42);
  e.name.assign(b.begin() + static_cast<std::ptrdiff_t>(cd + 46),
                b.begin() + static_cast<std::ptrdiff_t>(cd + 46 + nameLen));
  e.extra.assign(b.begin() + static_cast<std::ptrdiff_t>(cd + 46 + nameLen),
                 b.begin() + static_cast<std::ptrdiff_t>(cd + 46 + nameLen + extraLen));
  std::size_t data = local + 30 + Get16(b, local + 26) + Get16(b, local + 28);
  e.data.assign(b.begin() + static_cast<std::ptrdiff_t>(data),
                b.begin() + static_cast<std::ptrdiff_t>(data + compressed));
  return e;
}

}  // namespace cryptotest
