#pragma once
// The two directions of an entry's data, each a chain of stages
// (EntryStage.h) between a stream and a target stage:
//
//   PackEntryData    source -> CRC -> deflate -> cipher -> MAC -> target
//   UnpackEntryData  archive -> MAC -> cipher -> inflate -> CRC -> target
//
// The start and end blocks of a cipher (salt and verifier, authentication
// code; the traditional header) are written around the data by the packer;
// the unpacker expects the archive positioned after the start block and
// leaves the end block to the caller.
#include <cstdint>
#include <functional>

#include "zip/EntryCrypto.h"
#include "zip/EntryStage.h"
#include "zip/Streams.h"

namespace zip {

struct PackSettings {
  std::uint16_t method = 8;  // 8 deflate, 0 stored
  int level = 9;
  std::size_t blockSize = 0x180000;
  EntryEncryptor* cipher = nullptr;  // none: a plain entry
};

struct PackedSizes {
  std::uint32_t crc = 0;      // of the bytes read
  std::uint64_t read = 0;     // source bytes that went through
  std::uint64_t written = 0;  // entry data, start and end block included
  bool complete = false;      // all `size` bytes went through and the target took everything
};

// Packs `size` bytes of `source` from its position, in blocks of the block
// size. `beforeBlock` (bytes done so far) runs before each block and stops
// the work by returning false.
PackedSizes PackEntryData(TStream& source, std::int64_t size, const PackSettings& settings, EntryStage& target,
                          const std::function<bool(std::int64_t done)>& beforeBlock = nullptr);

// The CRC-32 of `size` bytes of `source` from its position (for the
// traditional cipher, whose header carries it); the position is restored.
// False when the source ends early.
bool CrcOfSource(TStream& source, std::int64_t size, std::size_t blockSize, std::uint32_t& crc);

struct UnpackSettings {
  std::uint16_t method = 8;
  std::uint64_t dataSize = 0;  // the (cipher) data after the start block
  std::uint64_t expected = 0;  // the declared uncompressed size
  EntryDecryptor* cipher = nullptr;
};

struct UnpackedData {
  bool complete = false;  // all data read and taken; nothing beyond the declared size
  bool damaged = false;   // the deflate data is bad
  bool tooLong = false;   // more bytes than declared
  std::uint32_t crc = 0;
  std::uint64_t produced = 0;
};

UnpackedData UnpackEntryData(TStream& archive, const UnpackSettings& settings, EntryStage& target);

}  // namespace zip
