#pragma once
// Packing one entry's data from its file or stream: what a commit needs to
// know about it, and the packing itself into memory, as the helper threads
// of a commit do it (PackAhead.h). Nothing here touches the archiver, so it
// runs on any thread.
#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "zip/EntryCrypto.h"
#include "zip/EntryPipeline.h"
#include "zip/Streams.h"
#include "zip/ZipTypes.h"

namespace zip {

struct TDirItem;

struct PackRequest {
  std::string sourcePath;                 // a file, or
  std::shared_ptr<TStream> sourceStream;  // a stream, from its start offset
  std::int64_t streamStart = 0;
  std::int64_t streamCount = 0;
  std::uint16_t method = 8;  // 8 deflate, 0 stored (before encryption)
  std::uint8_t level = 9;
  int aesBits = 0;           // 128, 192, 256; 0: no AES
  bool traditional = false;  // the traditional PKWARE cipher
  ByteString password;
  std::string component;  // name that prefixes the messages of failures
};

// The request for a pending entry that the commit is to write.
PackRequest RequestFor(const TDirItem& entry, bool pkFamily, TZipCryptoAlgorithm encryption, const std::string& component);

// An entry's source, opened. Raises native code 33 when a file cannot be
// opened.
struct OpenedSource {
  std::unique_ptr<TStream> owned;
  TStream* stream = nullptr;
  std::int64_t size = 0;
  void Open(const PackRequest& request);
  // Puts the source back where it starts (a stream's position is restored).
  void Rewind(const PackRequest& request);
};

// The cipher of a request, for a source of `size` bytes; none without a
// password. The traditional cipher reads the source once for its CRC.
std::unique_ptr<EntryEncryptor> MakeEntryCipher(const PackRequest& request, TStream& source, std::int64_t size);

struct PackedEntry {
  std::vector<std::uint8_t> data;  // the entry's data, start and end block included
  std::int64_t size = 0;           // source bytes
  PackedSizes sizes;
  std::exception_ptr failure;      // what went wrong, raised again by the writer
};

// Packs a whole entry into memory; stops early (incomplete) when `stop` is set.
PackedEntry PackToMemory(const PackRequest& request, const std::atomic<bool>& stop);

}  // namespace zip
