// Entries that share their data: about 100 kB of deflate data that unpacks
// to 100 MB, pointed at by five entries, would write 500 MB. Every entry
// whose bytes overlap another's is refused before anything is written.
#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>
#include <filesystem>

#include "ArchiveHelpers.h"
#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/CodePages.h"
#include "zip/ZipArchiver.h"

using namespace zip;
using namespace ziptest;
namespace fs = std::filesystem;

namespace {

void Put16(std::string& s, unsigned v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, std::uint32_t v) {
  Put16(s, v & 0xFFFF);
  Put16(s, v >> 16);
}

// One local header with its deflate data, and a directory whose entries
// (each its own name) all point at it.
std::string SharedDataArchive(std::size_t unpacked, int entries) {
  std::string zeros(unpacked, '\0');
  const std::string packed = RawDeflate(zeros, 9);
  const auto crc = static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(zeros.data()), static_cast<uInt>(zeros.size())));
  auto common = [&](const std::string& name) {
    std::string c;
    Put16(c, 20);
    Put16(c, 0);
    Put16(c, 8);
    Put16(c, 0);
    Put16(c, 0x5A21);
    Put32(c, crc);
    Put32(c, static_cast<std::uint32_t>(packed.size()));
    Put32(c, static_cast<std::uint32_t>(unpacked));
    Put16(c, static_cast<unsigned>(name.size()));
    Put16(c, 0);
    return c;
  };
  std::string body = "PK\x03\x04" + common("zeros.bin") + "zeros.bin" + packed;
  std::string central;
  for (int i = 0; i < entries; ++i) {
    const std::string name = "copy" + std::to_string(i) + ".bin";
    central += "PK\x01\x02";
    Put16(central, 20);
    central += common(name);
    Put16(central, 0);
    Put16(central, 0);
    Put16(central, 0);
    Put32(central, 0x20);
    Put32(central, 0);  // all at the one local header
    central += name;
  }
  std::string end = "PK\x05\x06";
  Put16(end, 0);
  Put16(end, 0);
  Put16(end, static_cast<unsigned>(entries));
  Put16(end, static_cast<unsigned>(entries));
  Put32(end, static_cast<std::uint32_t>(central.size()));
  Put32(end, static_cast<std::uint32_t>(body.size()));
  Put16(end, 0);
  return body + central + end;
}

}  // namespace

TEST(Overlap, EntriesSharingOneStreamAreRefusedBeforeAnythingIsWritten) {
  testsupport::TempDir dir;
  const std::string bomb = SharedDataArchive(100u << 20, 5);
  ASSERT_LT(bomb.size(), 200000u);
  WriteFile(dir / "bomb.zip", bomb);
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "bomb.zip";
  std::vector<int> codes;
  z.OnProcessFileFailure = [&](TZipBaseArchiver&, const WideString&, TZipProcessOperation, int native, int,
                               const std::string&, TZipAction& action) {
    codes.push_back(native);
    action = fxaIgnore;
  };
  z.OpenArchive(fmOpenRead);
  z.BaseDir = dir / "out";
  const auto start = std::chrono::steady_clock::now();
  z.ExtractFiles(u"*.*");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(codes, std::vector<int>(5, 8));
  EXPECT_EQ(z.SkippedEntries(), 5);
  // Not a byte of them on disk.
  std::uintmax_t written = 0;
  if (Exists(dir / "out"))
    for (const auto& e : fs::recursive_directory_iterator(dir / "out"))
      if (e.is_regular_file()) written += e.file_size();
  EXPECT_EQ(written, 0u);

  codes.clear();
  z.TestFiles(u"*.*");
  EXPECT_EQ(codes, std::vector<int>(5, 8));
  TMemoryStream one;
  EXPECT_EQ(NativeOf([&] { z.ExtractToStream(u"copy3.bin", one); }), 8);
  EXPECT_EQ(one.Size(), 0);
  z.CloseArchive();

  // Alone, the same entry is sound and unpacks.
  WriteFile(dir / "one.zip", SharedDataArchive(1000, 1));
  z.FileName = dir / "one.zip";
  z.OpenArchive(fmOpenRead);
  ByteString text;
  z.ExtractToString(u"copy0.bin", text);
  EXPECT_EQ(text, std::string(1000, '\0'));
  z.CloseArchive();
}

TEST(Overlap, AnEntryThatBeginsInsideAnothersDataIsRefusedWithIt) {
  testsupport::TempDir dir;
  // A stored entry whose data holds a complete local header, and a second
  // directory entry pointing at that inner header.
  const std::string inner = BuildZip({{"inner.txt", "inner data", 0}});
  std::string bytes = BuildZip({{"outer.bin", inner, 0}, {"after.txt", "after", 0}});
  auto entries = ParseZip(bytes);
  ASSERT_EQ(entries.size(), 2u);
  // Point "after.txt" into the middle of "outer.bin"'s data.
  const std::size_t central = bytes.rfind(std::string("PK\x01\x02", 4));
  const std::uint32_t into = entries[0].localOffset + 30 + 9;
  for (int k = 0; k < 4; ++k) bytes[central + 42 + k] = static_cast<char>((into >> (8 * k)) & 0xFF);
  WriteFile(dir / "a.zip", bytes);
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "a.zip";
  std::vector<std::string> failed;
  z.OnProcessFileFailure = [&](TZipBaseArchiver&, const WideString& name, TZipProcessOperation, int native, int,
                               const std::string&, TZipAction& action) {
    EXPECT_EQ(native, 8);
    failed.push_back(U8(name));
    action = fxaIgnore;
  };
  z.OpenArchive(fmOpenRead);
  z.TestFiles(u"*.*");
  EXPECT_EQ(failed, (std::vector<std::string>{"outer.bin", "after.txt"}));
  z.CloseArchive();
}
