#pragma once
// The directory of one open archive: finds the end record, loads the central
// directory (or rebuilds it from the local headers), detects a prefix in
// front of the archive, and saves the central directory.
#include <cstdint>
#include <string>

#include "zip/Streams.h"
#include "zip/ZipDirArray.h"
#include "zip/ZipRecords.h"

namespace zip {

class TZipBaseArchiver;
class TArchiveTarget;

class TZipDirManager {
 public:
  TZipDirManager(TStream* stream, TZipBaseArchiver* archiver, bool isNew);
  TZipDirManager(const TZipDirManager&) = delete;
  TZipDirManager& operator=(const TZipDirManager&) = delete;

  void InitCentralDirEnd();
  // Writes the SFXStub program at the start of a new archive.
  void SaveSFXStub();
  bool GetCentralDirEnd(TZipCentralDirEnd& record, std::int64_t& position, std::uint32_t signature);
  bool HasCentralDirEnd();
  void LoadDir();
  void SaveDir(bool append, TStream* stream = nullptr);
  // Writes the central directory and the end records at the target's
  // position (SaveDir's work once its place is chosen).
  void WriteDirectory(TArchiveTarget& target);
  void CalculateStubSize(std::int64_t endPosition);
  void ApplyStubOffset();
  bool IsSFXArchive();
  bool IsEncrypted();
  bool FindSignature(TStream& stream, std::int64_t& position, const std::uint8_t* pattern, std::size_t length);
  std::int64_t FindLocalFileHeader(std::int64_t start);
  void MergeWith(TZipDirManager& other);

  TStream* ArchiveStream;
  bool IsNewArchive;
  bool UsesForeignStream = false;
  TZipBaseArchiver* Owner;
  TZipDirArray RollbackDirectory;
  TZipDirArray CurrentDirectory;
  ByteString Comment;
  TZip64CentralDirEndLocator Zip64Locator;
  TZip64CentralDirEnd Zip64EndRecord;
  TZipCentralDirEnd EndRecord;
  std::int64_t PrefixSize = 0;
  bool HasZip64 = false;
  std::int64_t DirectoryOffset = 0;
  // The last LoadDir found no usable central directory and rebuilt it from
  // the local headers; entries after a cut or a damaged spot may be missing.
  bool Rebuilt = false;

 private:
  std::uint32_t LocalSignature() const;
  std::uint32_t CentralSignature() const;
  std::uint32_t EndSignature() const;
  bool FindEndRecord(std::int64_t& position);
  void ReadEntries(std::int64_t start, std::uint64_t size, std::uint64_t count);
  void ParseExtraFields(TDirItem& item, const ByteString& rawName, const std::uint8_t* data, std::size_t length);
  void RebuildFromLocalHeaders();
  std::int64_t FindForward(std::int64_t start, std::uint32_t signature, std::size_t minimumAfter);
};

// Name coding of headers. Encoding: OEM (or ANSI) bytes when the name
// survives the round trip through that code page, otherwise UTF-8 (cut at
// 254 bytes on a character boundary) and the result is true (flag bit 11).
bool EncodeEntryName(const WideString& name, bool oemNames, ByteString& out);
// Decoding of the raw name bytes of a header.
WideString DecodeEntryName(const ByteString& raw, bool pkFamily, bool oemNames, bool utf8Flag);

}  // namespace zip
