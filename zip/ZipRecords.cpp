#include "zip/ZipRecords.h"

#include "zip/Streams.h"

namespace zip {

void TZipFileHeader::Pack(std::uint8_t* p) const {
  StoreLE32(p, Signature);
  StoreLE16(p + 4, VersionNeeded);
  StoreLE16(p + 6, Flags);
  StoreLE16(p + 8, Method);
  StoreLE16(p + 10, Time);
  StoreLE16(p + 12, Date);
  StoreLE32(p + 14, Crc32);
  StoreLE32(p + 18, CompressedSize);
  StoreLE32(p + 22, UncompressedSize);
  StoreLE16(p + 26, NameLength);
  StoreLE16(p + 28, ExtraLength);
}

void TZipFileHeader::Unpack(const std::uint8_t* p) {
  Signature = LoadLE32(p);
  VersionNeeded = LoadLE16(p + 4);
  Flags = LoadLE16(p + 6);
  Method = LoadLE16(p + 8);
  Time = LoadLE16(p + 10);
  Date = LoadLE16(p + 12);
  Crc32 = LoadLE32(p + 14);
  CompressedSize = LoadLE32(p + 18);
  UncompressedSize = LoadLE32(p + 22);
  NameLength = LoadLE16(p + 26);
  ExtraLength = LoadLE16(p + 28);
}

void TZipCentralDir::Pack(std::uint8_t* p) const {
  StoreLE32(p, Signature);
  StoreLE16(p + 4, VersionMadeBy);
  StoreLE16(p + 6, VersionNeeded);
  StoreLE16(p + 8, Flags);
  StoreLE16(p + 10, Method);
  StoreLE16(p + 12, Time);
  StoreLE16(p + 14, Date);
  StoreLE32(p + 16, Crc32);
  StoreLE32(p + 20, CompressedSize);
  StoreLE32(p + 24, UncompressedSize);
  StoreLE16(p + 28, NameLength);
  StoreLE16(p + 30, ExtraLength);
  StoreLE16(p + 32, CommentLength);
  StoreLE16(p + 34, DiskNumberStart);
  StoreLE16(p + 36, InternalAttributes);
  StoreLE32(p + 38, ExternalAttributes);
  StoreLE32(p + 42, LocalHeaderOffset);
}

void TZipCentralDir::Unpack(const std::uint8_t* p) {
  Signature = LoadLE32(p);
  VersionMadeBy = LoadLE16(p + 4);
  VersionNeeded = LoadLE16(p + 6);
  Flags = LoadLE16(p + 8);
  Method = LoadLE16(p + 10);
  Time = LoadLE16(p + 12);
  Date = LoadLE16(p + 14);
  Crc32 = LoadLE32(p + 16);
  CompressedSize = LoadLE32(p + 20);
  UncompressedSize = LoadLE32(p + 24);
  NameLength = LoadLE16(p + 28);
  ExtraLength = LoadLE16(p + 30);
  CommentLength = LoadLE16(p + 32);
  DiskNumberStart = LoadLE16(p + 34);
  InternalAttributes = LoadLE16(p + 36);
  ExternalAttributes = LoadLE32(p + 38);
  LocalHeaderOffset = LoadLE32(p + 42);
}

void TZipCentralDirEnd::Pack(std::uint8_t* p) const {
  StoreLE32(p, Signature);
  StoreLE16(p + 4, DiskNumber);
  StoreLE16(p + 6, StartDisk);
  StoreLE16(p + 8, EntriesOnDisk);
  StoreLE16(p + 10, TotalEntries);
  StoreLE32(p + 12, DirectorySize);
  StoreLE32(p + 16, DirectoryOffset);
  StoreLE16(p + 20, CommentLength);
}

void TZipCentralDirEnd::Unpack(const std::uint8_t* p) {
  Signature = LoadLE32(p);
  DiskNumber = LoadLE16(p + 4);
  StartDisk = LoadLE16(p + 6);
  EntriesOnDisk = LoadLE16(p + 8);
  TotalEntries = LoadLE16(p + 10);
  DirectorySize = LoadLE32(p + 12);
  DirectoryOffset = LoadLE32(p + 16);
  CommentLength = LoadLE16(p + 20);
}

void TZip64CentralDirEnd::Pack(std::uint8_t* p) const {
  StoreLE32(p, Signature);
  StoreLE64(p + 4, RecordSize);
  StoreLE16(p + 12, VersionMadeBy);
  StoreLE16(p + 14, VersionNeeded);
  StoreLE32(p + 16, DiskNumber);
  StoreLE32(p + 20, StartDisk);
  StoreLE64(p + 24, EntriesOnDisk);
  StoreLE64(p + 32, TotalEntries);
  StoreLE64(p + 40, DirectorySize);
  StoreLE64(p + 48, DirectoryOffset);
}

void TZip64CentralDirEnd::Unpack(const std::uint8_t* p) {
  Signature = LoadLE32(p);
  RecordSize = LoadLE64(p + 4);
  VersionMadeBy = LoadLE16(p + 12);
  VersionNeeded = LoadLE16(p + 14);
  DiskNumber = LoadLE32(p + 16);
  StartDisk = LoadLE32(p + 20);
  EntriesOnDisk = LoadLE64(p + 24);
  TotalEntries = LoadLE64(p + 32);
  DirectorySize = LoadLE64(p + 40);
  DirectoryOffset = LoadLE64(p + 48);
}

void TZip64CentralDirEndLocator::Pack(std::uint8_t* p) const {
  StoreLE32(p, Signature);
  StoreLE32(p + 4, EndRecordDisk);
  StoreLE64(p + 8, EndRecordOffset);
  StoreLE32(p + 16, TotalDisks);
}

void TZip64CentralDirEndLocator::Unpack(const std::uint8_t* p) {
  Signature = LoadLE32(p);
  EndRecordDisk = LoadLE32(p + 4);
  EndRecordOffset = LoadLE64(p + 8);
  TotalDisks = LoadLE32(p + 16);
}

void TZipDataDescriptor::Unpack(const std::uint8_t* p) {
  Signature = LoadLE32(p);
  Crc32 = LoadLE32(p + 4);
  CompressedSize = LoadLE32(p + 8);
  UncompressedSize = LoadLE32(p + 12);
}

TZipFileHeader ReadLocalHeader(TStream& stream, std::int64_t position) {
  std::uint8_t raw[TZipFileHeader::kSize];
  stream.SetPosition(position);
  stream.ReadBuffer(raw, sizeof raw);
  TZipFileHeader local;
  local.Unpack(raw);
  return local;
}

TZipExtraFieldDataBlock UnicodeNameField(const WideString& name) {
  TZipExtraFieldDataBlock block;
  block.HeaderId = kExtraUnicodeName;
  block.Data.resize(8 + 2 * name.size());
  StoreLE32(block.Data.data(), kUnicodeNameSig);
  StoreLE32(block.Data.data() + 4, static_cast<std::uint32_t>(name.size()));
  for (std::size_t k = 0; k < name.size(); ++k) StoreLE16(block.Data.data() + 8 + 2 * k, name[k]);
  block.DataSize = static_cast<std::uint16_t>(block.Data.size());
  return block;
}

void AppendExtraField(std::vector<std::uint8_t>& out, const TZipExtraFieldDataBlock& block) {
  std::uint8_t head[4];
  StoreLE16(head, block.HeaderId);
  StoreLE16(head + 2, static_cast<std::uint16_t>(block.Data.size()));
  out.insert(out.end(), head, head + 4);
  out.insert(out.end(), block.Data.begin(), block.Data.end());
}

void StoreLocalZip64Field(std::uint8_t* at, std::uint64_t uncompressedSize, std::uint64_t compressedSize) {
  StoreLE16(at, kExtraZip64);
  StoreLE16(at + 2, 16);
  StoreLE64(at + 4, uncompressedSize);
  StoreLE64(at + 12, compressedSize);
}

}  // namespace zip
