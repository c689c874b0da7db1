#pragma once
// One entry of an open archive in memory: the central header image and what
// the archiver keeps beside it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "zip/ZipRecords.h"
#include "zip/ZipTypes.h"

namespace zip {

class TStream;

struct TDirItem {
  TZipCentralDir Header;
  WideString StoredName;    // "/" separators, folders end in "/"
  WideString PreviousName;  // before a rename
  ByteString EntryComment;
  std::vector<TZipExtraFieldDataBlock> ExtraBlocks;
  std::uint8_t CipherKind = 0;  // 0 none or traditional, 1..3 AES-128/192/256
  bool NeedsZip64 = false;
  TZip64ExtendedInfo Zip64Values;
  bool IsPending = false;
  ByteString EntryPassword;
  bool IsTagged = false;
  std::string SourcePath;  // file the entry is added from
  // Stream the entry is added from (instead of a file): its bytes from
  // SourceStreamStart on, SourceStreamCount of them. A stream the entry does
  // not own belongs to the caller, who keeps it alive until the commit.
  std::shared_ptr<TStream> SourceStream;
  bool OwnsSourceStream = false;
  std::int64_t SourceStreamStart = 0;
  std::int64_t SourceStreamCount = 0;
  // A kept entry whose bytes lie in another archive (merging): copied from
  // there at the commit. None: this archive.
  TStream* RawSource = nullptr;
  std::uint16_t ActualMethod = 0;
  std::uint8_t LevelCode = 0;
  std::uint8_t PendingOperation = poAdd;

  // The 64-bit values, from the Zip64 field where the header holds the marker.
  std::uint64_t CompressedSize() const {
    return Header.CompressedSize == 0xFFFFFFFF ? Zip64Values.CompressedSize : Header.CompressedSize;
  }
  std::uint64_t UncompressedSize() const {
    return Header.UncompressedSize == 0xFFFFFFFF ? Zip64Values.UncompressedSize : Header.UncompressedSize;
  }
  std::uint64_t LocalHeaderOffset() const {
    return Header.LocalHeaderOffset == 0xFFFFFFFF ? Zip64Values.LocalHeaderOffset : Header.LocalHeaderOffset;
  }
  bool IsFolder() const {
    return (Header.ExternalAttributes & faDirectory) || (!StoredName.empty() && StoredName.back() == u'/');
  }
  bool IsEncrypted() const { return Header.Flags & 1; }
  // Encrypted with WinZip AES (an entry of the standard signature family).
  bool IsAesEncrypted() const {
    return IsEncrypted() && Header.VersionNeeded < kAltVersion && CipherKind >= 1 && CipherKind <= 3;
  }
  // Where the local header lies: in the Zip64 field when it does not fit
  // the header (or `zip64` asks for it, as for an entry that has one).
  void SetLocalHeaderOffset(std::uint64_t offset, bool zip64 = false) {
    if (zip64 || offset >= 0xFFFFFFFF) {
      NeedsZip64 = true;
      Header.LocalHeaderOffset = 0xFFFFFFFF;
      Zip64Values.LocalHeaderOffset = offset;
    } else {
      Header.LocalHeaderOffset = static_cast<std::uint32_t>(offset);
      Zip64Values.LocalHeaderOffset = 0;
    }
  }
  void SetDiskNumberStart(std::uint32_t disk) {
    if (disk >= 0xFFFF) {
      NeedsZip64 = true;
      Header.DiskNumberStart = 0xFFFF;
      Zip64Values.DiskNumberStart = disk;
    } else {
      Header.DiskNumberStart = static_cast<std::uint16_t>(disk);
      Zip64Values.DiskNumberStart = 0;
    }
  }
  // The DOS date (high word) and time (low word).
  std::uint32_t DosDateTime() const { return (static_cast<std::uint32_t>(Header.Date) << 16) | Header.Time; }
};

}  // namespace zip
