#pragma once
// The ZIP records as the library writes and reads them (little-endian), both
// signature families, and the kept extra fields.
#include <cstdint>
#include <cstring>
#include <vector>

#include "zip/ZipTypes.h"
#include "zip/crypto/ByteOrder.h"
#include "zip/crypto/ZipCryptoTransform.h"

namespace zip {

// Signatures of the standard (PKWARE) family and of the alternative one.
constexpr std::uint32_t kLocalHeaderSig = 0x04034B50;
constexpr std::uint32_t kCentralHeaderSig = 0x02014B50;
constexpr std::uint32_t kEndRecordSig = 0x06054B50;
constexpr std::uint32_t kAltLocalHeaderSig = 0x05045C61;
constexpr std::uint32_t kAltCentralHeaderSig = 0x03025C61;
constexpr std::uint32_t kAltEndRecordSig = 0x06054141;
constexpr std::uint32_t kZip64EndRecordSig = 0x06064B50;
constexpr std::uint32_t kZip64LocatorSig = 0x07064B50;
constexpr std::uint32_t kDataDescriptorSig = 0x08074B50;

constexpr std::uint16_t kVersionOem = 20;
constexpr std::uint16_t kVersionAnsi = 0x0B14;
constexpr std::uint16_t kVersionZip64 = 45;
constexpr std::uint16_t kAltVersion = 0x4114;
constexpr std::uint16_t kAltVersionZip64 = 0x412D;

constexpr std::uint16_t kExtraZip64 = 0x0001;
constexpr std::uint16_t kExtraUnicodeName = 0x554E;  // "NU"
constexpr std::uint32_t kUnicodeNameSig = 0x5843554E;  // "NUCX"
constexpr std::uint16_t kExtraAes = 0x9901;
constexpr std::uint16_t kExtraUnicodePath = 0x7075;  // Info-ZIP Unicode Path

struct TZipFileHeader {  // local file header, 30 bytes
  static constexpr std::size_t kSize = 30;
  std::uint32_t Signature = 0;
  std::uint16_t VersionNeeded = 0;
  std::uint16_t Flags = 0;
  std::uint16_t Method = 0;
  std::uint16_t Time = 0;
  std::uint16_t Date = 0;
  std::uint32_t Crc32 = 0;
  std::uint32_t CompressedSize = 0;
  std::uint32_t UncompressedSize = 0;
  std::uint16_t NameLength = 0;
  std::uint16_t ExtraLength = 0;

  void Pack(std::uint8_t* p) const;
  void Unpack(const std::uint8_t* p);
  // The header with its name and extra field: where the entry's data starts.
  std::int64_t Length() const { return static_cast<std::int64_t>(kSize) + NameLength + ExtraLength; }
};

class TStream;
// The local header at `position` of `stream`, which is left behind its
// fixed part; raises EReadError when the stream ends first.
TZipFileHeader ReadLocalHeader(TStream& stream, std::int64_t position);

struct TZipCentralDir {  // central directory header, 46 bytes
  static constexpr std::size_t kSize = 46;
  std::uint32_t Signature = 0;
  std::uint16_t VersionMadeBy = 0;
  std::uint16_t VersionNeeded = 0;
  std::uint16_t Flags = 0;
  std::uint16_t Method = 0;
  std::uint16_t Time = 0;
  std::uint16_t Date = 0;
  std::uint32_t Crc32 = 0;
  std::uint32_t CompressedSize = 0;
  std::uint32_t UncompressedSize = 0;
  std::uint16_t NameLength = 0;
  std::uint16_t ExtraLength = 0;
  std::uint16_t CommentLength = 0;
  std::uint16_t DiskNumberStart = 0;
  std::uint16_t InternalAttributes = 0;
  std::uint32_t ExternalAttributes = 0;
  std::uint32_t LocalHeaderOffset = 0;

  void Pack(std::uint8_t* p) const;
  void Unpack(const std::uint8_t* p);
};

struct TZipCentralDirEnd {  // end of central directory record, 22 bytes
  static constexpr std::size_t kSize = 22;
  std::uint32_t Signature = 0;
  std::uint16_t DiskNumber = 0;
  std::uint16_t StartDisk = 0;
  std::uint16_t EntriesOnDisk = 0;
  std::uint16_t TotalEntries = 0;
  std::uint32_t DirectorySize = 0;
  std::uint32_t DirectoryOffset = 0;
  std::uint16_t CommentLength = 0;

  void Pack(std::uint8_t* p) const;
  void Unpack(const std::uint8_t* p);
};

struct TZip64CentralDirEnd {  // 56 bytes
  static constexpr std::size_t kSize = 56;
  std::uint32_t Signature = kZip64EndRecordSig;
  std::uint64_t RecordSize = 44;
  std::uint16_t VersionMadeBy = 45;
  std::uint16_t VersionNeeded = 45;
  std::uint32_t DiskNumber = 0;
  std::uint32_t StartDisk = 0;
  std::uint64_t EntriesOnDisk = 0;
  std::uint64_t TotalEntries = 0;
  std::uint64_t DirectorySize = 0;
  std::uint64_t DirectoryOffset = 0;

  void Pack(std::uint8_t* p) const;
  void Unpack(const std::uint8_t* p);
};

struct TZip64CentralDirEndLocator {  // 20 bytes
  static constexpr std::size_t kSize = 20;
  std::uint32_t Signature = kZip64LocatorSig;
  std::uint32_t EndRecordDisk = 0;
  std::uint64_t EndRecordOffset = 0;
  std::uint32_t TotalDisks = 1;

  void Pack(std::uint8_t* p) const;
  void Unpack(const std::uint8_t* p);
};

struct TZipDataDescriptor {  // 16 bytes, read only
  static constexpr std::size_t kSize = 16;
  std::uint32_t Signature = kDataDescriptorSig;
  std::uint32_t Crc32 = 0;
  std::uint32_t CompressedSize = 0;
  std::uint32_t UncompressedSize = 0;
  void Unpack(const std::uint8_t* p);
};

// TZipExtraFieldDataBlock, one extra field as it is kept with an entry, is
// shared with the encryption transforms.

struct TZip64ExtendedInfo {
  std::uint64_t UncompressedSize = 0;
  std::uint64_t CompressedSize = 0;
  std::uint64_t LocalHeaderOffset = 0;
  std::uint32_t DiskNumberStart = 0;
};

// The extra field that carries an entry's name as UTF-16 ("NUCX").
TZipExtraFieldDataBlock UnicodeNameField(const WideString& name);
// Appends one extra field (id, size, data) to a header being built.
void AppendExtraField(std::vector<std::uint8_t>& out, const TZipExtraFieldDataBlock& block);
// The Zip64 field of a local header: both sizes, 20 bytes at `at`.
constexpr std::size_t kLocalZip64FieldSize = 20;
void StoreLocalZip64Field(std::uint8_t* at, std::uint64_t uncompressedSize, std::uint64_t compressedSize);

}  // namespace zip
