#include "zip/EntryPipeline.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "zip/CipherStage.h"
#include "zip/CrcStage.h"
#include "zip/DeflateStage.h"
#include "zip/InflateStage.h"
#include "zip/crypto/Crc32.h"

namespace zip {
namespace {

constexpr std::size_t kReadChunk = 0x100000;

// Counts what reaches the target.
class CountStage : public EntryStage {
 public:
  explicit CountStage(EntryStage* next) : EntryStage(next) {}
  bool Write(const std::uint8_t* data, std::size_t size) override {
    if (!Pass(data, size)) return false;
    count += size;
    return true;
  }
  std::uint64_t count = 0;
};

}  // namespace

PackedSizes PackEntryData(TStream& source, std::int64_t size, const PackSettings& settings, EntryStage& target,
                          const std::function<bool(std::int64_t)>& beforeBlock) {
  PackedSizes result;
  CountStage counted(&target);
  EntryStage* head = &counted;
  std::optional<MacStage> mac;
  std::optional<EncryptStage> cipher;
  if (settings.cipher) {
    if (settings.cipher->Authenticates()) head = &mac.emplace(head, *settings.cipher);
    head = &cipher.emplace(head, *settings.cipher);
    std::vector<std::uint8_t> start = settings.cipher->StartBlock();
    if (!counted.Write(start.data(), start.size())) return result;
  }
  std::optional<DeflateStage> deflate;
  const bool deflating = settings.method == 8 && size > 0;
  if (deflating)
    head = &deflate.emplace(head, settings.level, settings.blockSize, static_cast<std::uint64_t>(size));
  CrcStage crc(head);

  const std::size_t blockSize = static_cast<std::size_t>(
      std::max<std::int64_t>(1, std::min<std::int64_t>(static_cast<std::int64_t>(settings.blockSize), size)));
  auto block = std::make_unique_for_overwrite<std::uint8_t[]>(blockSize);
  std::int64_t done = 0;
  bool stopped = false;
  while (done < size) {
    if (beforeBlock && !beforeBlock(done)) {
      stopped = true;
      break;
    }
    std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(blockSize), size - done));
    std::size_t n = source.Read(block.get(), want);
    if (n == 0) break;
    done += static_cast<std::int64_t>(n);
    if (!crc.Write(block.get(), n)) {
      stopped = true;
      break;
    }
  }
  result.read = static_cast<std::uint64_t>(done);
  result.crc = crc.Crc();
  if (!stopped && crc.Finish() && settings.cipher) {
    std::vector<std::uint8_t> end = settings.cipher->EndBlock();
    stopped = !counted.Write(end.data(), end.size());
  } else if (settings.cipher) {
    stopped = true;
  }
  result.written = counted.count;
  result.complete = !stopped && done == size;
  return result;
}

bool CrcOfSource(TStream& source, std::int64_t size, std::size_t blockSize, std::uint32_t& crc) {
  const std::int64_t at = source.Position();
  std::vector<std::uint8_t> block(std::max<std::size_t>(1, std::min<std::size_t>(blockSize, static_cast<std::size_t>(size))));
  std::uint32_t reg = 0xFFFFFFFF;
  std::int64_t done = 0;
  while (done < size) {
    std::size_t n = source.Read(block.data(), static_cast<std::size_t>(std::min<std::int64_t>(block.size(), size - done)));
    if (n == 0) break;
    reg = UpdateCrc32(reg, block.data(), static_cast<std::int64_t>(n));
    done += static_cast<std::int64_t>(n);
  }
  source.SetPosition(at);
  crc = ~reg;
  return done == size;
}

UnpackedData UnpackEntryData(TStream& archive, const UnpackSettings& settings, EntryStage& target) {
  UnpackedData result;
  CrcStage crc(&target, settings.expected);
  EntryStage* head = &crc;
  std::optional<InflateStage> inflate;
  if (settings.method == 8) head = &inflate.emplace(head);
  std::optional<DecryptStage> cipher;
  std::optional<MacStage> mac;
  if (settings.cipher) {
    head = &cipher.emplace(head, *settings.cipher);
    if (settings.cipher->Authenticates()) head = &mac.emplace(head, *settings.cipher);
  }
  // Work buffers are written before they are read: no zero fill.
  const std::size_t chunk = static_cast<std::size_t>(std::min<std::uint64_t>(kReadChunk, std::max<std::uint64_t>(settings.dataSize, 1)));
  auto in = std::make_unique_for_overwrite<std::uint8_t[]>(chunk);
  std::uint64_t consumed = 0;
  bool ok = true;
  while (consumed < settings.dataSize) {
    std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(chunk, settings.dataSize - consumed));
    if (archive.Read(in.get(), n) != n) {
      ok = false;  // the archive is cut short
      break;
    }
    consumed += n;
    if (!head->Write(in.get(), n)) {
      ok = false;
      break;
    }
  }
  if (ok) ok = head->Finish();
  result.damaged = inflate && inflate->Damaged();
  result.tooLong = crc.OverLimit();
  result.crc = crc.Crc();
  result.produced = crc.Count();
  result.complete = ok;
  return result;
}

}  // namespace zip
