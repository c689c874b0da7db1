#include "zip/ZipDirManager.h"

#include <algorithm>
#include <cstring>

#include "zip/ArchiveTarget.h"
#include "zip/CodePages.h"
#include "zip/ZipBaseArchiver.h"
#include "zip/ZipErrors.h"
#include "zip/ZipVolumes.h"
#include "zip/crypto/Crc32.h"

namespace zip {

bool EncodeEntryName(const WideString& name, bool oemNames, ByteString& out) {
  if (oemNames ? WideToOem(name, out) : WideToAnsi(name, out)) return false;
  out = CutUtf8(WideToUtf8(name), 254);
  return true;
}

WideString DecodeEntryName(const ByteString& raw, bool pkFamily, bool oemNames, bool utf8Flag) {
  ByteString bytes = raw;
  if (pkFamily && oemNames && !utf8Flag) {
    bool allMapped = false;
    ByteString ansi = OemToAnsiBytes(raw, allMapped);
    // Characters of the OEM page without an ANSI twin (box drawing and the
    // like) are taken straight from the OEM page rather than lost.
    if (!allMapped) return OemToWide(raw);
    bytes = ansi;
  }
  if (TestUtf8(bytes) == Utf8Kind::Valid) return Utf8ToWide(bytes);
  return AnsiToWide(bytes);
}

TZipDirManager::TZipDirManager(TStream* stream, TZipBaseArchiver* archiver, bool isNew)
    : ArchiveStream(stream), IsNewArchive(isNew), Owner(archiver) {
  UsesForeignStream = stream != archiver->archiveStream;
  InitCentralDirEnd();
  if (isNew) {
    archiver->VolumeInfo.SetFirstVolume(true);
    if (!archiver->SFXStub.empty()) SaveSFXStub();
  }
}

void TZipDirManager::SaveSFXStub() {
  TUniFileStream stub(Owner->SFXStub, fmOpenRead | fmShareDenyNone);
  const std::int64_t size = stub.Size();
  if (Owner->SpanningMode != smNone) {
    TZipVolumeNumberInfo first;
    first.SetFirstVolume(true);
    const std::int64_t limit = Owner->SpanningOptions.GetVolumeSize(first);
    if (limit != -1 && limit < size) throw EZipException(47);
  }
  ArchiveStream->SetSize(0);
  ArchiveStream->SetPosition(0);
  ArchiveStream->CopyFrom(stub, size);
  PrefixSize = size;
}

std::uint32_t TZipDirManager::EndSignature() const {
  if (EndRecord.Signature == kEndRecordSig || EndRecord.Signature == kAltEndRecordSig) return EndRecord.Signature;
  return Owner->UsePkSignatures ? kEndRecordSig : kAltEndRecordSig;
}
std::uint32_t TZipDirManager::LocalSignature() const {
  return EndSignature() == kEndRecordSig ? kLocalHeaderSig : kAltLocalHeaderSig;
}
std::uint32_t TZipDirManager::CentralSignature() const {
  return EndSignature() == kEndRecordSig ? kCentralHeaderSig : kAltCentralHeaderSig;
}

void TZipDirManager::InitCentralDirEnd() {
  CurrentDirectory.Clear();
  CurrentDirectory.SetCount(0);
  EndRecord = TZipCentralDirEnd();
  EndRecord.Signature = Owner->UsePkSignatures ? kEndRecordSig : kAltEndRecordSig;
}

bool TZipDirManager::GetCentralDirEnd(TZipCentralDirEnd& record, std::int64_t& position, std::uint32_t signature) {
  position = -1;
  Comment.clear();
  record = TZipCentralDirEnd();
  std::int64_t size = ArchiveStream->Size();
  std::int64_t window = std::min<std::int64_t>(size, 65600);
  if (window < static_cast<std::int64_t>(TZipCentralDirEnd::kSize)) return false;
  std::vector<std::uint8_t> buf(static_cast<std::size_t>(window));
  ArchiveStream->SetPosition(size - window);
  ArchiveStream->ReadBuffer(buf.data(), buf.size());
  std::uint8_t sig[4];
  StoreLE32(sig, signature);
  for (std::int64_t i = window - 4; i >= 0; --i) {
    if (buf[i + 3] != sig[3] || buf[i] != sig[0] || buf[i + 1] != sig[1] || buf[i + 2] != sig[2]) continue;
    std::int64_t after = window - i;
    if (after < static_cast<std::int64_t>(TZipCentralDirEnd::kSize)) continue;
    std::uint16_t commentLength = LoadLE16(&buf[i + 20]);
    if (commentLength != after - static_cast<std::int64_t>(TZipCentralDirEnd::kSize)) continue;
    record.Unpack(&buf[i]);
    position = size - window + i;
    Comment.assign(reinterpret_cast<const char*>(&buf[i + TZipCentralDirEnd::kSize]), commentLength);
    return true;
  }
  return false;
}

bool TZipDirManager::FindEndRecord(std::int64_t& position) {
  TZipCentralDirEnd record;
  bool found = false;
  if (!Owner->UsePkSignatures) found = GetCentralDirEnd(record, position, kAltEndRecordSig);
  if (!found) found = GetCentralDirEnd(record, position, kEndRecordSig);
  if (found) EndRecord = record;
  return found;
}

bool TZipDirManager::HasCentralDirEnd() {
  std::int64_t position;
  bool found = FindEndRecord(position);
  return found || Owner->RebuildDamagedDirectory;
}

void TZipDirManager::LoadDir() {
  InitCentralDirEnd();
  PrefixSize = 0;
  HasZip64 = false;
  Rebuilt = false;
  std::int64_t endPosition;
  if (!FindEndRecord(endPosition)) {
    RebuildFromLocalHeaders();
    return;
  }
  std::int64_t size = ArchiveStream->Size();
  std::int64_t work = endPosition;
  if (endPosition > static_cast<std::int64_t>(TZip64CentralDirEndLocator::kSize)) {
    std::uint8_t raw[TZip64CentralDirEndLocator::kSize];
    ArchiveStream->SetPosition(endPosition - static_cast<std::int64_t>(sizeof raw));
    ArchiveStream->ReadBuffer(raw, sizeof raw);
    TZip64CentralDirEndLocator locator;
    locator.Unpack(raw);
    if (locator.Signature == kZip64LocatorSig) {
      Zip64Locator = locator;
      HasZip64 = true;
      work -= static_cast<std::int64_t>(sizeof raw);
      bool ok = false;
      // In a volume set the record's place is counted in its own volume.
      const std::uint64_t recordAt =
          Owner->volumes ? static_cast<std::uint64_t>(Owner->volumes->Position(
                               locator.EndRecordDisk, static_cast<std::int64_t>(locator.EndRecordOffset)))
                         : locator.EndRecordOffset;
      if (work > static_cast<std::int64_t>(TZip64CentralDirEnd::kSize) &&
          recordAt <= static_cast<std::uint64_t>(size) - TZip64CentralDirEnd::kSize) {
        std::uint8_t record[TZip64CentralDirEnd::kSize];
        ArchiveStream->SetPosition(static_cast<std::int64_t>(recordAt));
        ArchiveStream->ReadBuffer(record, sizeof record);
        Zip64EndRecord.Unpack(record);
        ok = Zip64EndRecord.Signature == kZip64EndRecordSig;
      }
      if (!ok) throw EZipException(40);
      work -= static_cast<std::int64_t>(TZip64CentralDirEnd::kSize);
    }
  }
  if (!HasZip64 && EndRecord.TotalEntries == 0xFFFF) {
    RebuildFromLocalHeaders();
    return;
  }
  std::uint64_t dirSize = HasZip64 ? Zip64EndRecord.DirectorySize : EndRecord.DirectorySize;
  std::uint64_t count = HasZip64 ? Zip64EndRecord.TotalEntries : EndRecord.TotalEntries;
  try {
    if (dirSize > static_cast<std::uint64_t>(work)) throw EZipException(57);
    std::int64_t start = work - static_cast<std::int64_t>(dirSize);
    if (Owner->volumes) {
      // Volumes: the directory lies where the records say, in its volume.
      const std::uint32_t disk = HasZip64 ? Zip64EndRecord.StartDisk : EndRecord.StartDisk;
      const std::int64_t offset = HasZip64 ? static_cast<std::int64_t>(Zip64EndRecord.DirectoryOffset)
                                           : static_cast<std::int64_t>(EndRecord.DirectoryOffset);
      start = Owner->volumes->Position(disk, offset);
      if (start < 0 || start + static_cast<std::int64_t>(dirSize) > size) throw EZipException(57);
    }
    DirectoryOffset = start;
    ReadEntries(start, dirSize, count);
  } catch (const std::exception&) {
    if (!Owner->RebuildDamagedDirectory) throw;
    RebuildFromLocalHeaders();
    return;
  }
  if (Owner->volumes) return;
  if (!Owner->RebuildDamagedDirectory) {
    std::uint64_t total = 0;
    for (int i = 0; i < CurrentDirectory.GetCount(); ++i) total += CurrentDirectory.GetItemPtr(i)->CompressedSize();
    if (total > static_cast<std::uint64_t>(size)) throw EZipException(57);
  }
  if (EndRecord.DiskNumber == 0 || (EndRecord.DiskNumber == 0xFFFF && Zip64Locator.TotalDisks <= 1)) {
    CalculateStubSize(work);
    for (int i = 0; i < CurrentDirectory.GetCount(); ++i) {
      const TDirItem* item = CurrentDirectory.GetItemPtr(i);
      if (item->CompressedSize() == 0) continue;
      if (static_cast<std::int64_t>(item->LocalHeaderOffset()) < PrefixSize) ApplyStubOffset();
      break;
    }
  }
}

void TZipDirManager::ReadEntries(std::int64_t start, std::uint64_t size, std::uint64_t count) {
  // Every length in the directory is checked against what is really there
  // before it is used.
  if (count > size / TZipCentralDir::kSize) throw EZipException(57);
  std::vector<std::uint8_t> buf(static_cast<std::size_t>(size));
  ArchiveStream->SetPosition(start);
  ArchiveStream->ReadBuffer(buf.data(), buf.size());
  CurrentDirectory.Clear();
  CurrentDirectory.SetCount(static_cast<int>(count));
  const bool pk = EndSignature() == kEndRecordSig;
  const bool oem = Owner->Options.OEMFileNames;
  std::size_t pos = 0;
  for (std::uint64_t i = 0; i < count; ++i) {
    if (buf.size() - pos < TZipCentralDir::kSize) throw EZipException(57);
    TDirItem item;
    item.Header.Unpack(&buf[pos]);
    if (item.Header.Signature != CentralSignature()) throw EZipException(57);
    pos += TZipCentralDir::kSize;
    const std::size_t variable =
        static_cast<std::size_t>(item.Header.NameLength) + item.Header.ExtraLength + item.Header.CommentLength;
    if (buf.size() - pos < variable) throw EZipException(57);
    if (item.IsEncrypted() && item.Header.VersionNeeded < kAltVersion) item.CipherKind = 0;
    item.ActualMethod = item.Header.Method;
    ByteString raw(reinterpret_cast<const char*>(&buf[pos]), item.Header.NameLength);
    // Names from Unix hosts are in the system's character set, never OEM.
    const bool unixHost = (item.Header.VersionMadeBy >> 8) == 3;
    item.StoredName = DecodeEntryName(raw, pk && !unixHost, oem, item.Header.Flags & 0x0800);
    pos += item.Header.NameLength;
    ParseExtraFields(item, raw, &buf[pos], item.Header.ExtraLength);
    pos += item.Header.ExtraLength;
    item.EntryComment.assign(reinterpret_cast<const char*>(&buf[pos]), item.Header.CommentLength);
    pos += item.Header.CommentLength;
    CurrentDirectory.SetItem(static_cast<int>(i), item);
  }
}

void TZipDirManager::ParseExtraFields(TDirItem& item, const ByteString& rawName, const std::uint8_t* data,
                                      std::size_t length) {
  std::size_t off = 0;
  while (off < length) {
    if (length - off < 4) break;  // a torn field header carries nothing
    TZipExtraFieldDataBlock block;
    block.HeaderId = LoadLE16(data + off);
    block.DataSize = LoadLE16(data + off + 2);
    off += 4;
    if (block.DataSize > length - off) block.DataSize = static_cast<std::uint16_t>(length - off);
    const std::uint8_t* d = data + off;
    block.Data.assign(d, d + block.DataSize);
    off += block.DataSize;
    const std::size_t n = block.DataSize;
    if (block.HeaderId == kExtraZip64) {
      item.NeedsZip64 = true;
      std::size_t p = 0;
      if (item.Header.UncompressedSize == 0xFFFFFFFF && p + 8 <= n) {
        item.Zip64Values.UncompressedSize = LoadLE64(d + p);
        p += 8;
      }
      if (item.Header.CompressedSize == 0xFFFFFFFF && p + 8 <= n) {
        item.Zip64Values.CompressedSize = LoadLE64(d + p);
        p += 8;
      }
      if (item.Header.LocalHeaderOffset == 0xFFFFFFFF && p + 8 <= n) {
        item.Zip64Values.LocalHeaderOffset = LoadLE64(d + p);
        p += 8;
      }
      if (item.Header.DiskNumberStart == 0xFFFF && p + 4 <= n) item.Zip64Values.DiskNumberStart = LoadLE32(d + p) & 0xFFFF;
    } else if (block.HeaderId == kExtraUnicodeName) {
      if (n >= 8 && LoadLE32(d) == kUnicodeNameSig) {
        std::uint32_t units = LoadLE32(d + 4);
        if (units <= (n - 8) / 2) {
          WideString name;
          for (std::uint32_t k = 0; k < units; ++k) name += static_cast<char16_t>(LoadLE16(d + 8 + 2 * k));
          item.StoredName = name;
        }
      }
    } else if (block.HeaderId == kExtraUnicodePath) {
      // Info-ZIP keeps the UTF-8 name here when the header name is not
      // flagged as UTF-8; it counts only while it belongs to that name.
      if (n >= 5 && d[0] == 1 && LoadLE32(d + 1) == Crc32Of(rawName) &&
          TestUtf8(std::string_view(reinterpret_cast<const char*>(d + 5), n - 5)) != Utf8Kind::Invalid)
        item.StoredName = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(d + 5), n - 5));
    } else if (block.HeaderId == kExtraAes && item.Header.VersionNeeded < kAltVersion) {
      if (n >= 7) {
        std::uint8_t strength = d[4];
        if (strength >= 1 && strength <= 3) item.CipherKind = strength;
        item.ActualMethod = LoadLE16(d + 5);
      }
    }
    item.ExtraBlocks.push_back(std::move(block));
  }
}

std::int64_t TZipDirManager::FindForward(std::int64_t start, std::uint32_t signature, std::size_t minimumAfter) {
  std::int64_t size = ArchiveStream->Size();
  std::int64_t restore = ArchiveStream->Position();
  std::uint8_t sig[4];
  StoreLE32(sig, signature);
  std::vector<std::uint8_t> window(0xFFFF);
  std::int64_t result = -1;
  for (std::int64_t at = start; at < size && result < 0;) {
    std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(window.size(), size - at));
    ArchiveStream->SetPosition(at);
    std::size_t got = ArchiveStream->Read(window.data(), want);
    if (got < 4) break;
    for (std::size_t i = 0; i + 4 <= got; ++i) {
      if (window[i] == sig[0] && window[i + 1] == sig[1] && window[i + 2] == sig[2] && window[i + 3] == sig[3]) {
        std::int64_t hit = at + static_cast<std::int64_t>(i);
        if (size - hit >= static_cast<std::int64_t>(minimumAfter)) result = hit;
        break;
      }
    }
    if (got < window.size()) break;
    at += static_cast<std::int64_t>(got) - 3;  // windows overlap so a signature across the seam is found
  }
  ArchiveStream->SetPosition(restore);
  return result;
}

std::int64_t TZipDirManager::FindLocalFileHeader(std::int64_t start) {
  return FindForward(start, LocalSignature(), TZipFileHeader::kSize);
}

bool TZipDirManager::FindSignature(TStream& stream, std::int64_t& position, const std::uint8_t* pattern,
                                   std::size_t length) {
  std::int64_t restore = stream.Position();
  std::int64_t size = stream.Size();
  std::vector<std::uint8_t> window(10000);
  bool found = false;
  for (std::int64_t at = position; at < size && !found && length > 0 && length <= window.size();) {
    std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(window.size(), size - at));
    stream.SetPosition(at);
    std::size_t got = stream.Read(window.data(), want);
    if (got < length) break;
    for (std::size_t i = 0; i + length <= got; ++i) {
      if (std::memcmp(&window[i], pattern, length) == 0) {
        position = at + static_cast<std::int64_t>(i);
        found = true;
        break;
      }
    }
    if (got < window.size()) break;
    at += static_cast<std::int64_t>(window.size() - length + 1);
  }
  stream.SetPosition(restore);
  return found;
}

void TZipDirManager::RebuildFromLocalHeaders() {
  Rebuilt = true;
  CurrentDirectory.Clear();
  CurrentDirectory.SetCount(0);
  if (Owner->volumes) throw EZipException(44);
  std::int64_t pos = FindLocalFileHeader(0);
  if (pos < 0) throw EZipException(35);
  const std::int64_t size = ArchiveStream->Size();
  const bool pk = LocalSignature() == kLocalHeaderSig;
  const bool oem = Owner->Options.OEMFileNames;
  while (pos >= 0) {
    TZipFileHeader local = ReadLocalHeader(*ArchiveStream, pos);
    if (local.CompressedSize < static_cast<std::uint64_t>(size) && local.ExtraLength <= 260) {
      TDirItem item;
      TZipCentralDir& h = item.Header;
      h.Signature = CentralSignature();
      h.VersionMadeBy = h.VersionNeeded = local.VersionNeeded;
      h.Flags = local.Flags;
      h.Method = item.ActualMethod = local.Method;
      h.Time = local.Time;
      h.Date = local.Date;
      h.Crc32 = local.Crc32;
      h.CompressedSize = local.CompressedSize;
      h.UncompressedSize = local.UncompressedSize;
      h.NameLength = local.NameLength;
      h.ExtraLength = local.ExtraLength;
      item.SetLocalHeaderOffset(static_cast<std::uint64_t>(pos));
      std::int64_t nameEnd = pos + static_cast<std::int64_t>(TZipFileHeader::kSize) + local.NameLength;
      if (nameEnd <= size) {
        ByteString name(local.NameLength, '\0');
        ArchiveStream->ReadBuffer(name.data(), name.size());
        item.StoredName = DecodeEntryName(name, pk, oem, local.Flags & 0x0800);
        if (nameEnd + local.ExtraLength <= size) {
          std::vector<std::uint8_t> extra(local.ExtraLength);
          ArchiveStream->ReadBuffer(extra.data(), extra.size());
          ParseExtraFields(item, name, extra.data(), extra.size());
        }
      }
      // Only a name ending in "/" makes a folder: an empty file is a file.
      h.ExternalAttributes = (!item.StoredName.empty() && item.StoredName.back() == u'/') ? faDirectory : faArchive;
      if (local.Flags & 0x0008) {
        std::int64_t d = FindForward(pos, kDataDescriptorSig, TZipDataDescriptor::kSize);
        if (d >= 0) {
          std::uint8_t desc[TZipDataDescriptor::kSize];
          ArchiveStream->SetPosition(d);
          ArchiveStream->ReadBuffer(desc, sizeof desc);
          TZipDataDescriptor dd;
          dd.Unpack(desc);
          h.Crc32 = dd.Crc32;
          h.CompressedSize = dd.CompressedSize;
          h.UncompressedSize = dd.UncompressedSize;
        }
      }
      int n = CurrentDirectory.GetCount();
      CurrentDirectory.SetCount(n + 1);
      CurrentDirectory.SetItem(n, item);
    }
    pos = FindLocalFileHeader(pos + 4);
  }
  DirectoryOffset = size;
}

void TZipDirManager::CalculateStubSize(std::int64_t endPosition) {
  std::uint64_t total = HasZip64 ? Zip64EndRecord.TotalEntries : EndRecord.TotalEntries;
  if (total == 0 || CurrentDirectory.GetCount() == 0) {
    PrefixSize = endPosition;
    return;
  }
  const TDirItem& first = *CurrentDirectory.GetItemPtr(0);
  const std::int64_t size = ArchiveStream->Size();
  std::uint8_t pattern[4];
  StoreLE32(pattern, LocalSignature());
  std::int64_t start = static_cast<std::int64_t>(std::min<std::uint64_t>(first.LocalHeaderOffset(), size));
  std::int64_t restore = ArchiveStream->Position();
  for (;;) {
    std::int64_t hit = start;
    if (!FindSignature(*ArchiveStream, hit, pattern, 4)) break;
    bool accepted = false;
    if (size - hit >= static_cast<std::int64_t>(TZipFileHeader::kSize)) {
      TZipFileHeader local = ReadLocalHeader(*ArchiveStream, hit);
      bool nameFits = hit + static_cast<std::int64_t>(TZipFileHeader::kSize) + local.NameLength <= size;
      bool localSig = local.Signature == kLocalHeaderSig || local.Signature == kAltLocalHeaderSig;
      const TZipCentralDir& h = first.Header;
      bool same = local.VersionNeeded == h.VersionNeeded && local.Method == h.Method && local.Time == h.Time &&
                  local.Date == h.Date && local.Crc32 == h.Crc32 && local.CompressedSize == h.CompressedSize &&
                  local.UncompressedSize == h.UncompressedSize;
      accepted = nameFits && localSig && (hit == 0 || same);
    }
    if (accepted) {
      PrefixSize = hit;
      break;
    }
    start = hit + 1;
  }
  ArchiveStream->SetPosition(restore);
}

void TZipDirManager::ApplyStubOffset() {
  for (int i = 0; i < CurrentDirectory.GetCount(); ++i) {
    TDirItem* item = CurrentDirectory.GetItemPtr(i);
    if (item->Header.ExternalAttributes & faDirectory) continue;
    std::uint64_t moved = item->LocalHeaderOffset() + static_cast<std::uint64_t>(PrefixSize);
    item->SetLocalHeaderOffset(moved, item->Header.LocalHeaderOffset == 0xFFFFFFFF);
  }
}

bool TZipDirManager::IsSFXArchive() {
  return CurrentDirectory.GetCount() > 0 && CurrentDirectory.GetItemPtr(0)->LocalHeaderOffset() != 0;
}

bool TZipDirManager::IsEncrypted() {
  return CurrentDirectory.GetCount() > 0 && CurrentDirectory.GetItemPtr(0)->IsEncrypted();
}

void TZipDirManager::SaveDir(bool append, TStream* stream) {
  if (stream) ArchiveStream = stream;
  ByteString keptComment = Comment;
  std::int64_t writePos = ArchiveStream->Size();
  if (!append) {
    std::uint32_t oldDirSize = EndRecord.DirectorySize;
    std::uint32_t family = EndRecord.Signature;
    TZipCentralDirEnd found;
    std::int64_t position = -1;
    bool ok = GetCentralDirEnd(found, position, kEndRecordSig);
    if (!ok && !Owner->UsePkSignatures) ok = GetCentralDirEnd(found, position, kAltEndRecordSig);
    if (ok && position >= static_cast<std::int64_t>(oldDirSize)) writePos = position - oldDirSize;
    EndRecord.Signature = family;
  }
  Comment = keptComment;
  ArchiveStream->SetSize(writePos);
  ArchiveStream->SetPosition(writePos);
  TStreamTarget target(*ArchiveStream);
  WriteDirectory(target);
}

void TZipDirManager::WriteDirectory(TArchiveTarget& target) {
  TStream& stream = target.Stream();
  const std::uint32_t startDisk = target.Disk();
  const std::int64_t writePos = target.Offset();
  DirectoryOffset = stream.Position();
  if (EndRecord.Signature != kEndRecordSig && EndRecord.Signature != kAltEndRecordSig)
    EndRecord.Signature = Owner->UsePkSignatures ? kEndRecordSig : kAltEndRecordSig;

  // One buffer for the whole directory, with the end of each record noted,
  // so that a volume set can keep every record in one volume.
  std::vector<std::uint8_t> out;
  std::vector<std::size_t> recordEnds;
  const int count = CurrentDirectory.GetCount();
  for (int i = 0; i < count; ++i) {
    TDirItem& item = *CurrentDirectory.GetItemPtr(i);
    TZipCentralDir& h = item.Header;
    std::size_t zip64 = 0;
    if (h.UncompressedSize == 0xFFFFFFFF) zip64 += 8;
    if (h.CompressedSize == 0xFFFFFFFF) zip64 += 8;
    if (h.LocalHeaderOffset == 0xFFFFFFFF) zip64 += 8;
    if (h.DiskNumberStart == 0xFFFF) zip64 += 4;
    std::size_t others = 0;
    for (const auto& b : item.ExtraBlocks)
      if (b.HeaderId != kExtraZip64) others += 4 + b.Data.size();
    ByteString name;
    if (EncodeEntryName(item.StoredName, Owner->Options.OEMFileNames, name)) h.Flags |= 0x0800;
    else h.Flags &= ~0x0800;
    if (item.EntryComment.size() > 0xFFFF) item.EntryComment.resize(0xFFFF);
    h.NameLength = static_cast<std::uint16_t>(name.size());
    h.ExtraLength = static_cast<std::uint16_t>((zip64 ? zip64 + 4 : 0) + others);
    h.CommentLength = static_cast<std::uint16_t>(item.EntryComment.size());
    std::size_t at = out.size();
    out.resize(at + TZipCentralDir::kSize);
    h.Pack(&out[at]);
    out.insert(out.end(), name.begin(), name.end());
    if (zip64) {
      std::uint8_t field[32];
      std::size_t n = 4;
      if (h.UncompressedSize == 0xFFFFFFFF) StoreLE64(field + n, item.Zip64Values.UncompressedSize), n += 8;
      if (h.CompressedSize == 0xFFFFFFFF) StoreLE64(field + n, item.Zip64Values.CompressedSize), n += 8;
      if (h.LocalHeaderOffset == 0xFFFFFFFF) StoreLE64(field + n, item.Zip64Values.LocalHeaderOffset), n += 8;
      if (h.DiskNumberStart == 0xFFFF) StoreLE32(field + n, item.Zip64Values.DiskNumberStart), n += 4;
      StoreLE16(field, kExtraZip64);
      StoreLE16(field + 2, static_cast<std::uint16_t>(n - 4));
      out.insert(out.end(), field, field + n);
    }
    for (const auto& b : item.ExtraBlocks)
      if (b.HeaderId != kExtraZip64) AppendExtraField(out, b);
    out.insert(out.end(), item.EntryComment.begin(), item.EntryComment.end());
    recordEnds.push_back(out.size());
  }
  if (target.Seekable()) {
    Owner->WriteBufferToStream(stream, out.data(), out.size());
  } else {
    std::size_t from = 0;
    for (std::size_t end : recordEnds) {
      target.KeepTogether(end - from);
      Owner->WriteBufferToStream(target.Stream(), out.data() + from, end - from);
      from = end;
    }
  }
  std::uint64_t dirSize = out.size();
  const std::int64_t after = writePos + static_cast<std::int64_t>(dirSize);
  if (Comment.size() > 0xFFFF) Comment.resize(0xFFFF);
  std::vector<std::uint8_t> tail;
  const bool zip64End = after >= 0xFFFFFFFF || count >= 0xFFFF;
  const std::size_t tailSize = (zip64End ? TZip64CentralDirEnd::kSize + TZip64CentralDirEndLocator::kSize : 0) +
                               TZipCentralDirEnd::kSize + Comment.size();
  target.KeepTogether(tailSize);
  const std::uint32_t lastDisk = target.Disk();
  EndRecord.DiskNumber = static_cast<std::uint16_t>(std::min<std::uint32_t>(lastDisk, 0xFFFF));
  EndRecord.StartDisk = static_cast<std::uint16_t>(std::min<std::uint32_t>(startDisk, 0xFFFF));
  // Entries on this disk: the library counts the whole directory here, as
  // every tool it meets expects.
  EndRecord.EntriesOnDisk = EndRecord.TotalEntries = static_cast<std::uint16_t>(std::min(count, 0xFFFF));
  EndRecord.DirectorySize = static_cast<std::uint32_t>(std::min<std::uint64_t>(dirSize, 0xFFFFFFFF));
  EndRecord.DirectoryOffset = static_cast<std::uint32_t>(std::min<std::int64_t>(writePos, 0xFFFFFFFF));
  EndRecord.CommentLength = static_cast<std::uint16_t>(Comment.size());
  if (zip64End) {
    Zip64EndRecord = TZip64CentralDirEnd();
    Zip64EndRecord.DiskNumber = lastDisk;
    Zip64EndRecord.StartDisk = startDisk;
    Zip64EndRecord.EntriesOnDisk = Zip64EndRecord.TotalEntries = static_cast<std::uint64_t>(count);
    Zip64EndRecord.DirectorySize = dirSize;
    Zip64EndRecord.DirectoryOffset = static_cast<std::uint64_t>(writePos);
    Zip64Locator = TZip64CentralDirEndLocator();
    Zip64Locator.EndRecordDisk = lastDisk;
    Zip64Locator.EndRecordOffset = static_cast<std::uint64_t>(target.Offset());
    Zip64Locator.TotalDisks = lastDisk + 1;
    tail.resize(TZip64CentralDirEnd::kSize + TZip64CentralDirEndLocator::kSize);
    Zip64EndRecord.Pack(tail.data());
    Zip64Locator.Pack(tail.data() + TZip64CentralDirEnd::kSize);
    HasZip64 = true;
  }
  std::size_t at = tail.size();
  tail.resize(at + TZipCentralDirEnd::kSize);
  EndRecord.Pack(&tail[at]);
  tail.insert(tail.end(), Comment.begin(), Comment.end());
  Owner->WriteBufferToStream(target.Stream(), tail.data(), tail.size());
}

void TZipDirManager::MergeWith(TZipDirManager& other) {
  CurrentDirectory.ClearTags();
  int start = CurrentDirectory.GetCount();
  CurrentDirectory.Append(other.CurrentDirectory);
  for (int i = start; i < CurrentDirectory.GetCount(); ++i) {
    TDirItem* item = CurrentDirectory.GetItemPtr(i);
    if (!item->IsTagged) continue;
    item->IsTagged = false;
    std::uint64_t moved = item->LocalHeaderOffset() + static_cast<std::uint64_t>(DirectoryOffset);
    item->SetLocalHeaderOffset(moved, item->Header.LocalHeaderOffset == 0xFFFFFFFF);
  }
}

}  // namespace zip
