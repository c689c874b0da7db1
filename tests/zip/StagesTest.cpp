// The entry pipeline: chained stages both ways, and packing on several
// threads giving the same archive as one thread.
#include <gtest/gtest.h>

#include <random>

#include "ArchiveHelpers.h"
#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/EntryCrypto.h"
#include "zip/EntryPipeline.h"
#include "zip/StreamStage.h"
#include "zip/ZipArchiver.h"
#include "zip/crypto/Crc32.h"

using namespace zip;
using namespace ziptest;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

struct Packed {
  std::vector<std::uint8_t> data;
  PackedSizes sizes;
};

Packed PackIt(const std::string& input, std::uint16_t method, const std::string& cipher, std::size_t block) {
  TMemoryStream source(Bytes(input));
  TMemoryStream out;
  StreamStage sink(out);
  std::unique_ptr<EntryEncryptor> encryptor;
  if (cipher == "aes") encryptor = MakeAesEncryptor(256, method, "pw");
  if (cipher == "pkware") encryptor = MakeTraditionalEncryptor("pw", Crc32Of(input));
  PackSettings settings;
  settings.method = method;
  settings.level = 6;
  settings.blockSize = block;
  settings.cipher = encryptor.get();
  Packed p;
  p.sizes = PackEntryData(source, static_cast<std::int64_t>(input.size()), settings, sink);
  p.data = out.Data();
  return p;
}

UnpackedData UnpackIt(const Packed& packed, std::uint16_t method, const std::string& cipher, std::uint64_t expected,
                      std::string& output, bool& verified) {
  TMemoryStream archive(packed.data);
  std::unique_ptr<EntryDecryptor> decryptor;
  if (cipher == "aes") decryptor = MakeAesDecryptor(256, method);
  if (cipher == "pkware") decryptor = MakeTraditionalDecryptor(static_cast<std::uint8_t>(packed.sizes.crc >> 24));
  std::uint64_t dataSize = packed.data.size();
  if (decryptor) {
    EXPECT_TRUE(decryptor->LoadAndCheck(archive, "pw"));
    dataSize -= decryptor->StartBlockSize() + decryptor->EndBlockSize();
  }
  TMemoryStream target;
  StreamStage sink(target);
  UnpackSettings settings;
  settings.method = method;
  settings.dataSize = dataSize;
  settings.expected = expected;
  settings.cipher = decryptor.get();
  UnpackedData result = UnpackEntryData(archive, settings, sink);
  verified = !decryptor || decryptor->Verify(archive);
  output.assign(target.Data().begin(), target.Data().end());
  return result;
}

}  // namespace

TEST(Stages, PackAndUnpackEveryChainAtTheBlockEdges) {
  const std::size_t block = 4096;
  for (std::size_t size : {std::size_t(0), std::size_t(1), block - 1, block, block + 1, 3 * block + 17}) {
    const std::string input = MixedBytes(size, static_cast<unsigned>(size));
    for (std::uint16_t method : {std::uint16_t(0), std::uint16_t(8)}) {
      for (const std::string cipher : {"", "pkware", "aes"}) {
        SCOPED_TRACE("size " + std::to_string(size) + " method " + std::to_string(method) + " cipher " + cipher);
        Packed packed = PackIt(input, method, cipher, block);
        ASSERT_TRUE(packed.sizes.complete);
        EXPECT_EQ(packed.sizes.read, size);
        EXPECT_EQ(packed.sizes.written, packed.data.size());
        EXPECT_EQ(packed.sizes.crc, Crc32Of(input));
        std::string output;
        bool verified = false;
        UnpackedData back = UnpackIt(packed, method, cipher, size, output, verified);
        EXPECT_TRUE(back.complete);
        EXPECT_TRUE(verified);
        EXPECT_EQ(back.crc, packed.sizes.crc);
        EXPECT_TRUE(output == input);
        if (cipher == "aes" && packed.data.size() > 28) {
          // One changed byte of cipher text: the code over it no longer fits.
          packed.data[18] ^= 1;
          UnpackIt(packed, method, cipher, size, output, verified);
          EXPECT_FALSE(verified);
        }
      }
    }
  }
}

TEST(Stages, UnpackingStopsAtTheDeclaredSizeAndReportsBadData) {
  const std::string input(1 << 20, 'z');
  Packed packed = PackIt(input, 8, "", 0x100000);
  std::string output;
  bool verified = false;
  UnpackedData back = UnpackIt(packed, 8, "", 1000, output, verified);
  EXPECT_FALSE(back.complete);
  EXPECT_TRUE(back.tooLong);
  EXPECT_EQ(output.size(), 0u);  // the first piece already was too long: nothing reached the target

  packed.data[3] ^= 0xFF;
  packed.data[4] ^= 0xFF;
  back = UnpackIt(packed, 8, "", input.size(), output, verified);
  EXPECT_TRUE(!back.complete || back.crc != Crc32Of(input));
}

TEST(Stages, PackingOnSeveralThreadsWritesTheSameArchive) {
  testsupport::TempDir dir;
  std::mt19937 rng(3);
  for (int i = 0; i < 40; ++i) {
    std::size_t size = rng() % 300000;
    WriteFile(dir / ("s/d" + std::to_string(i % 4) + "/f" + std::to_string(i) + ".bin"), MixedBytes(size, i));
  }
  WriteFile(dir / "s/big.bin", MixedBytes(3 << 20, 99));  // several blocks
  WriteFile(dir / "s/empty.txt", "");
  for (const ByteString& password : {ByteString(""), ByteString("plivet")}) {
    std::string archives[2];
    for (unsigned threads : {1u, 8u}) {
      TZipArchiver z("ZipArchiver");
      z.PackThreads = threads;
      z.FileName = dir / ("t" + std::to_string(threads) + password + ".zip");
      z.SetPassword(password);
      z.EncryptionMethod = caAES_256;
      z.SetCompressionLevel(clMax);
      z.OpenArchive(fmCreate);
      z.BaseDir = dir / "s";
      z.AddFiles(dir / "s/*.*", faAnyFile, "");
      z.CloseArchive();
      archives[threads == 8] = ReadFile(z.FileName);
      EXPECT_EQ(SevenZipTestFailure(z.FileName, password), "");
      EXPECT_EQ(Unpack(z.FileName, dir / ("out" + std::to_string(threads) + password), password), 0);
      ExpectSameTree(ReadTree(dir / ("out" + std::to_string(threads) + password)), ReadTree(dir / "s"));
    }
    if (password.empty()) {
      EXPECT_TRUE(archives[0] == archives[1]);
    } else {
      // The salts are random; everything else lies in the same places.
      auto one = ParseZip(archives[0]), eight = ParseZip(archives[1]);
      ASSERT_EQ(one.size(), eight.size());
      for (std::size_t k = 0; k < one.size(); ++k) {
        EXPECT_EQ(one[k].name, eight[k].name);
        EXPECT_EQ(one[k].localOffset, eight[k].localOffset);
        EXPECT_EQ(one[k].compressedSize, eight[k].compressedSize);
        EXPECT_EQ(one[k].crc, eight[k].crc);
      }
    }
  }
}
