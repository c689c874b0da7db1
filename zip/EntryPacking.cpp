#include "zip/EntryPacking.h"

#include "zip/DirItem.h"
#include "zip/StreamStage.h"
#include "zip/ZipErrors.h"
#include "zip/ZipOptions.h"

namespace zip {

PackRequest RequestFor(const TDirItem& entry, bool pkFamily, TZipCryptoAlgorithm encryption,
                       const std::string& component) {
  PackRequest r;
  r.sourcePath = entry.SourcePath;
  r.sourceStream = entry.SourceStream;
  r.streamStart = entry.SourceStreamStart;
  r.streamCount = entry.SourceStreamCount;
  r.method = entry.ActualMethod;
  r.level = entry.LevelCode;
  r.password = entry.EntryPassword;
  if (!entry.EntryPassword.empty()) {
    if (IsAes(encryption) && pkFamily) r.aesBits = KeyBitsOf(encryption);
    else r.traditional = true;
  }
  r.component = component;
  return r;
}

void OpenedSource::Open(const PackRequest& request) {
  if (request.sourceStream) {
    stream = request.sourceStream.get();
    size = request.streamCount;
    stream->SetPosition(request.streamStart);
    return;
  }
  try {
    owned = std::make_unique<TUniFileStream>(request.sourcePath, fmOpenRead | fmShareDenyNone);
  } catch (const EStreamError&) {
    throw EZipException(33, {request.sourcePath}, request.component);
  }
  stream = owned.get();
  size = stream->Size();
}

void OpenedSource::Rewind(const PackRequest& request) {
  if (stream) stream->SetPosition(request.sourceStream ? request.streamStart : 0);
}

std::unique_ptr<EntryEncryptor> MakeEntryCipher(const PackRequest& request, TStream& source, std::int64_t size) {
  if (request.aesBits) {
    const std::uint16_t method = size > 0 ? request.method : 0;
    return MakeAesEncryptor(request.aesBits, method, request.password);
  }
  if (request.traditional) {
    // The traditional header carries the CRC, so it is known before the data.
    std::uint32_t crc = 0;
    (void)CrcOfSource(source, size, BlockSizeOfMode(request.level), crc);
    return MakeTraditionalEncryptor(request.password, crc);
  }
  return nullptr;
}

PackedEntry PackToMemory(const PackRequest& request, const std::atomic<bool>& stop) {
  PackedEntry result;
  try {
    OpenedSource source;
    source.Open(request);
    result.size = source.size;
    std::unique_ptr<EntryEncryptor> cipher = MakeEntryCipher(request, *source.stream, source.size);
    PackSettings settings;
    settings.method = request.method;
    settings.level = request.level;
    settings.blockSize = BlockSizeOfMode(request.level);
    settings.cipher = cipher.get();
    TMemoryStream memory;
    StreamStage sink(memory);
    result.sizes = PackEntryData(*source.stream, source.size, settings, sink,
                                 [&](std::int64_t) { return !stop.load(std::memory_order_relaxed); });
    result.data = std::move(memory.Data());
    source.Rewind(request);
  } catch (...) {
    result.failure = std::current_exception();
  }
  return result;
}

}  // namespace zip
