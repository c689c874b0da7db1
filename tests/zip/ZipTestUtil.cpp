#include "ZipTestUtil.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <zlib.h>

#include "platform/ByteOrder.h"

namespace ziptest {
namespace fs = std::filesystem;

void WriteFile(const std::string& path, const std::string& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

std::map<std::string, std::string> ReadTree(const std::string& root) {
  std::map<std::string, std::string> tree;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    std::string rel = fs::relative(e.path(), root).string();
    if (e.is_regular_file()) tree[rel] = ReadFile(e.path().string());
    else if (e.is_directory() && fs::is_empty(e.path())) tree[rel + "/"] = "";
  }
  return tree;
}

void ExpectSameTree(const std::map<std::string, std::string>& actual,
                    const std::map<std::string, std::string>& expected) {
  std::string names, want;
  for (const auto& [name, content] : actual) names += name + "; ";
  for (const auto& [name, content] : expected) want += name + "; ";
  EXPECT_EQ(names, want);
  for (const auto& [name, content] : expected) {
    auto it = actual.find(name);
    if (it != actual.end()) {
      EXPECT_TRUE(it->second == content) << name << " differs";
    }
  }
}

std::string MixedBytes(std::size_t size, unsigned seed) {
  std::string s;
  s.reserve(size);
  std::uint32_t x = seed * 2654435761u + 1;
  const char* words[] = {"Drucktext ", "Ebene ", "Datum ", "0123456789", "\r\n", "Parameter X1=", "Osmek "};
  while (s.size() < size) {
    x = x * 1103515245u + 12345u;
    if ((x >> 16) % 3 == 0) {
      for (int k = 0; k < 16 && s.size() < size; ++k) {
        x = x * 1103515245u + 12345u;
        s += static_cast<char>(x >> 24);
      }
    } else {
      s += words[(x >> 8) % 7];
    }
  }
  s.resize(size);
  return s;
}

std::string SevenZipTestFailure(const std::string& zipFile, const std::string& password) {
  // An archive without encrypted entries ignores the password; one with
  // them must never wait for one to be typed.
  RunResult r = Run("7zz t -p" + Quote(password.empty() ? std::string("none") : password) + " " + Quote(zipFile));
  if (r.exitCode == 0 && r.output.find("Everything is Ok") != std::string::npos) return std::string();
  return r.output.empty() ? std::string("7zz failed") : r.output;
}

std::vector<std::string> BsdtarNames(const std::string& zipFile) {
  RunResult r = Run("LC_ALL=C.UTF-8 bsdtar -tf " + Quote(zipFile));
  std::vector<std::string> names;
  if (r.exitCode != 0) {
    names.push_back("bsdtar failed: " + r.output);
    return names;
  }
  std::istringstream lines(r.output);
  for (std::string line; std::getline(lines, line);)
    if (!line.empty()) names.push_back(line);
  return names;
}

std::string RawDeflate(const std::string& data, int level) {
  z_stream zs{};
  deflateInit2(&zs, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&zs, data.size()) + 16, '\0');
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  zs.avail_in = static_cast<uInt>(data.size());
  zs.next_out = reinterpret_cast<Bytef*>(out.data());
  zs.avail_out = static_cast<uInt>(out.size());
  deflate(&zs, Z_FINISH);
  out.resize(zs.total_out);
  deflateEnd(&zs);
  return out;
}

std::string BuildZip(const std::vector<RawEntry>& entries, const std::string& comment, const std::string& prefix) {
  std::string body = prefix, central;
  for (const auto& e : entries) {
    std::string stored = e.method == 8 ? RawDeflate(e.data) : e.data;
    std::uint32_t crc = e.fixCrc ? static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(e.data.data()),
                                                                    static_cast<uInt>(e.data.size())))
                                 : e.crc;
    std::uint32_t size = e.fixSize ? static_cast<std::uint32_t>(e.data.size()) : e.size;
    std::uint32_t offset = static_cast<std::uint32_t>(body.size() - prefix.size());
    std::string common;
    platform::AppendLE16(common, 20);
    platform::AppendLE16(common, e.flags);
    platform::AppendLE16(common, e.method);
    platform::AppendLE16(common, 0);
    platform::AppendLE16(common, 0x5A21);
    platform::AppendLE32(common, crc);
    platform::AppendLE32(common, static_cast<std::uint32_t>(stored.size()));
    platform::AppendLE32(common, size);
    platform::AppendLE16(common, static_cast<unsigned>(e.name.size()));
    platform::AppendLE16(common, 0);
    body += "PK\x03\x04" + common + e.name + stored;
    central += "PK\x01\x02";
    platform::AppendLE16(central, 20);
    central += common;
    platform::AppendLE16(central, 0);
    platform::AppendLE16(central, 0);
    platform::AppendLE16(central, 0);
    platform::AppendLE32(central, e.externalAttributes);
    platform::AppendLE32(central, offset);
    central += e.name;
  }
  std::string end = "PK\x05\x06";
  platform::AppendLE16(end, 0);
  platform::AppendLE16(end, 0);
  platform::AppendLE16(end, static_cast<unsigned>(entries.size()));
  platform::AppendLE16(end, static_cast<unsigned>(entries.size()));
  platform::AppendLE32(end, static_cast<std::uint32_t>(central.size()));
  platform::AppendLE32(end, static_cast<std::uint32_t>(body.size() - prefix.size()));
  platform::AppendLE16(end, static_cast<unsigned>(comment.size()));
  return body + central + end + comment;
}

namespace {
std::uint32_t Get(const std::string& s, std::size_t at, int n) {
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s.at(at + i));
  return v;
}
}  // namespace

std::vector<ParsedEntry> ParseZip(const std::string& b) {
  std::vector<ParsedEntry> out;
  std::size_t end = b.rfind(std::string("PK\x05\x06"));
  if (end == std::string::npos) return out;
  std::size_t count = Get(b, end + 10, 2), at = Get(b, end + 16, 4);
  for (std::size_t i = 0; i < count; ++i) {
    ParsedEntry e;
    e.versionMadeBy = Get(b, at + 4, 2);
    e.versionNeeded = Get(b, at + 6, 2);
    e.flags = Get(b, at + 8, 2);
    e.method = Get(b, at + 10, 2);
    e.crc = Get(b, at + 16, 4);
    e.compressedSize = Get(b, at + 20, 4);
    e.uncompressedSize = Get(b, at + 24, 4);
    std::size_t n = Get(b, at + 28, 2), x = Get(b, at + 30, 2), c = Get(b, at + 32, 2);
    e.externalAttributes = Get(b, at + 38, 4);
    e.localOffset = Get(b, at + 42, 4);
    e.name = b.substr(at + 46, n);
    e.extra = b.substr(at + 46 + n, x);
    at += 46 + n + x + c;
    std::size_t l = e.localOffset;
    e.localFlags = Get(b, l + 6, 2);
    e.localMethod = Get(b, l + 8, 2);
    e.localCrc = Get(b, l + 14, 4);
    e.localCompressedSize = Get(b, l + 18, 4);
    e.localUncompressedSize = Get(b, l + 22, 4);
    std::size_t ln = Get(b, l + 26, 2), lx = Get(b, l + 28, 2);
    e.localName = b.substr(l + 30, ln);
    e.localExtra = b.substr(l + 30 + ln, lx);
    e.data = b.substr(l + 30 + ln + lx, e.compressedSize);
    out.push_back(e);
  }
  return out;
}

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    if (!out.empty()) out += ' ';
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

}  // namespace ziptest
