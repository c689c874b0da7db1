#include "zip/ZipRecords.h"

namespace zip {

void TZipFileHeader::Pack(std::uint8_t* p) const {
  PutU32(p, Signature);
  PutU16(p + 4, VersionNeeded);
  PutU16(p + 6, Flags);
  PutU16(p + 8, Method);
  PutU16(p + 10, Time);
  PutU16(p + 12, Date);
  PutU32(p + 14, Crc32);
  PutU32(p + 18, CompressedSize);
  PutU32(p + 22, UncompressedSize);
  PutU16(p + 26, NameLength);
  PutU16(p + 28, ExtraLength);
}

void TZipFileHeader::Unpack(const std::uint8_t* p) {
  Signature = GetU32(p);
  VersionNeeded = GetU16(p + 4);
  Flags = GetU16(p + 6);
  Method = GetU16(p + 8);
  Time = GetU16(p + 10);
  Date = GetU16(p + 12);
  Crc32 = GetU32(p + 14);
  CompressedSize = GetU32(p + 18);
  UncompressedSize = GetU32(p + 22);
  NameLength = GetU16(p + 26);
  ExtraLength = GetU16(p + 28);
}

void TZipCentralDir::Pack(std::uint8_t* p) const {
  PutU32(p, Signature);
  PutU16(p + 4, VersionMadeBy);
  PutU16(p + 6, VersionNeeded);
  PutU16(p + 8, Flags);
  PutU16(p + 10, Method);
  PutU16(p + 12, Time);
  PutU16(p + 14, Date);
  PutU32(p + 16, Crc32);
  PutU32(p + 20, CompressedSize);
  PutU32(p + 24, UncompressedSize);
  PutU16(p + 28, NameLength);
  PutU16(p + 30, ExtraLength);
  PutU16(p + 32, CommentLength);
  PutU16(p + 34, DiskNumberStart);
  PutU16(p + 36, InternalAttributes);
  PutU32(p + 38, ExternalAttributes);
  PutU32(p + 42, LocalHeaderOffset);
}

void TZipCentralDir::Unpack(const std::uint8_t* p) {
  Signature = GetU32(p);
  VersionMadeBy = GetU16(p + 4);
  VersionNeeded = GetU16(p + 6);
  Flags = GetU16(p + 8);
  Method = GetU16(p + 10);
  Time = GetU16(p + 12);
  Date = GetU16(p + 14);
  Crc32 = GetU32(p + 16);
  CompressedSize = GetU32(p + 20);
  UncompressedSize = GetU32(p + 24);
  NameLength = GetU16(p + 28);
  ExtraLength = GetU16(p + 30);
  CommentLength = GetU16(p + 32);
  DiskNumberStart = GetU16(p + 34);
  InternalAttributes = GetU16(p + 36);
  ExternalAttributes = GetU32(p + 38);
  LocalHeaderOffset = GetU32(p + 42);
}

void TZipCentralDirEnd::Pack(std::uint8_t* p) const {
  PutU32(p, Signature);
  PutU16(p + 4, DiskNumber);
  PutU16(p + 6, StartDisk);
  PutU16(p + 8, EntriesOnDisk);
  PutU16(p + 10, TotalEntries);
  PutU32(p + 12, DirectorySize);
  PutU32(p + 16, DirectoryOffset);
  PutU16(p + 20, CommentLength);
}

void TZipCentralDirEnd::Unpack(const std::uint8_t* p) {
  Signature = GetU32(p);
  DiskNumber = GetU16(p + 4);
  StartDisk = GetU16(p + 6);
  EntriesOnDisk = GetU16(p + 8);
  TotalEntries = GetU16(p + 10);
  DirectorySize = GetU32(p + 12);
  DirectoryOffset = GetU32(p + 16);
  CommentLength = GetU16(p + 20);
}

void TZip64CentralDirEnd::Pack(std::uint8_t* p) const {
  PutU32(p, Signature);
  PutU64(p + 4, RecordSize);
  PutU16(p + 12, VersionMadeBy);
  PutU16(p + 14, VersionNeeded);
  PutU32(p + 16, DiskNumber);
  PutU32(p + 20, StartDisk);
  PutU64(p + 24, EntriesOnDisk);
  PutU64(p + 32, TotalEntries);
  PutU64(p + 40, DirectorySize);
  PutU64(p + 48, DirectoryOffset);
}

void TZip64CentralDirEnd::Unpack(const std::uint8_t* p) {
  Signature = GetU32(p);
  RecordSize = GetU64(p + 4);
  VersionMadeBy = GetU16(p + 12);
  VersionNeeded = GetU16(p + 14);
  DiskNumber = GetU32(p + 16);
  StartDisk = GetU32(p + 20);
  EntriesOnDisk = GetU64(p + 24);
  TotalEntries = GetU64(p + 32);
  DirectorySize = GetU64(p + 40);
  DirectoryOffset = GetU64(p + 48);
}

void TZip64CentralDirEndLocator::Pack(std::uint8_t* p) const {
  PutU32(p, Signature);
  PutU32(p + 4, EndRecordDisk);
  PutU64(p + 8, EndRecordOffset);
  PutU32(p + 16, TotalDisks);
}

void TZip64CentralDirEndLocator::Unpack(const std::uint8_t* p) {
  Signature = GetU32(p);
  EndRecordDisk = GetU32(p + 4);
  EndRecordOffset = GetU64(p + 8);
  TotalDisks = GetU32(p + 16);
}

void TZipDataDescriptor::Unpack(const std::uint8_t* p) {
  Signature = GetU32(p);
  Crc32 = GetU32(p + 4);
  CompressedSize = GetU32(p + 8);
  UncompressedSize = GetU32(p + 12);
}

}  // namespace zip
