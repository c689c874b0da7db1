// Entries whose bytes overlap. Every entry of a sound archive has its own
// stretch of the file: local header, name, extra field and data. A hand-made
// archive can point several entries at one stretch, so that a small file
// unpacks to many times its size; such entries are refused.
#include <algorithm>

#include "zip/ZipBaseArchiver.h"

namespace zip {

std::vector<bool> TZipBaseArchiver::FindOverlaps() {
  TZipDirArray& dir = dirManager->CurrentDirectory;
  struct Span {
    std::int64_t from, to;
    int index;
  };
  std::vector<Span> spans;
  spans.reserve(static_cast<std::size_t>(dir.GetCount()));
  TStream& archive = *archiveStream;
  const std::int64_t size = archive.Size();
  for (int i = 0; i < dir.GetCount(); ++i) {
    const TDirItem& e = *dir.GetItemPtr(i);
    const std::int64_t at = EntryPosition(e);
    // An entry without a local header where it points has no bytes of its
    // own (and fails when read); it overlaps nothing.
    if (at < 0 || at > size - static_cast<std::int64_t>(TZipFileHeader::kSize)) continue;
    std::uint8_t raw[TZipFileHeader::kSize];
    archive.SetPosition(at);
    if (archive.Read(raw, sizeof raw) != sizeof raw) continue;
    TZipFileHeader local;
    local.Unpack(raw);
    if (local.Signature != kLocalHeaderSig && local.Signature != kAltLocalHeaderSig) continue;
    std::int64_t end = at + local.Length();
    end += static_cast<std::int64_t>(std::min<std::uint64_t>(e.CompressedSize(), static_cast<std::uint64_t>(size)));
    spans.push_back({at, end, i});
  }
  std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.from < b.from; });
  std::vector<bool> overlaps(static_cast<std::size_t>(dir.GetCount()), false);
  // The span reaching furthest so far: whatever starts before its end
  // shares bytes with it.
  const Span* reach = nullptr;
  for (const Span& s : spans) {
    if (reach && s.from < reach->to) {
      overlaps[static_cast<std::size_t>(s.index)] = true;
      overlaps[static_cast<std::size_t>(reach->index)] = true;
    }
    if (!reach || s.to > reach->to) reach = &s;
  }
  return overlaps;
}

void TZipBaseArchiver::CheckNotOverlapping(int index) {
  if (!CheckOverlaps) return;
  if (!overlapsKnown) {
    overlapping = FindOverlaps();
    overlapsKnown = true;
  }
  if (index >= 0 && static_cast<std::size_t>(index) < overlapping.size() && overlapping[static_cast<std::size_t>(index)])
    Raise(8);
}

}  // namespace zip
