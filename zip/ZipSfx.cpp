// Self-extracting archives: a program (the stub, SFXStub) followed by the
// archive. On this system the stub is an executable such as Info-ZIP's
// unzipsfx, which finds the archive behind itself; the new file gets the
// stub's permission to run.
#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "zip/ArchiveTarget.h"
#include "zip/CodePages.h"
#include "zip/FileSystem.h"
#include "zip/ZipBaseArchiver.h"

namespace zip {

void TZipBaseArchiver::MakeSFX(const std::string& newFileName) {
  if (SFXStub.empty()) Raise(17);
  if (!WideFileExists(SFXStub)) Raise(18, {SFXStub});
  if (SpanningMode != smNone) Raise(49);
  if (Active) ForceUpdate();
  // The archive as it lies on disk, open or not.
  std::unique_ptr<TUniFileStream> ownRead;
  TStream* archive = nullptr;
  if (Active) {
    archive = archiveStream;
    if (dirManager->PrefixSize > 0) Raise(50);
  } else {
    ownRead = std::make_unique<TUniFileStream>(FileName, fmOpenRead | fmShareDenyNone);
    archive = ownRead.get();
    TZipDirManager probe(archive, this, false);
    probe.LoadDir();
    if (probe.PrefixSize > 0) Raise(50);
  }
  TUniFileStream stub(SFXStub, fmOpenRead | fmShareDenyNone);
  const std::int64_t stubSize = stub.Size();
  const std::int64_t archiveSize = archive->Size();
  TReplacementFile out(newFileName, Options.FlushBuffers);
  ReportProgress = true;
  CancelRequested = false;
  DoOnOverallProgress(0, poMakeSFX, ppStart, CancelRequested);
  const WideString eventName = W(newFileName);
  DoOnFileProgress(eventName, 0, poMakeSFX, ppStart, CancelRequested);
  std::vector<std::uint8_t> block(1 << 20);
  const std::int64_t total = stubSize + archiveSize;
  std::int64_t done = 0;
  auto append = [&](TStream& from, std::int64_t size) {
    from.SetPosition(0);
    for (std::int64_t left = size; left > 0;) {
      const auto n = static_cast<std::size_t>(std::min<std::int64_t>(left, static_cast<std::int64_t>(block.size())));
      if (from.Read(block.data(), n) != n || out.Stream().Write(block.data(), n) != n) Raise(56);
      left -= static_cast<std::int64_t>(n);
      done += static_cast<std::int64_t>(n);
      const double progress = total ? 100.0 * static_cast<double>(done) / static_cast<double>(total) : 100;
      DoOnFileProgress(eventName, progress, poMakeSFX, ppProcess, CancelRequested);
      DoOnOverallProgress(progress, poMakeSFX, ppProcess, CancelRequested);
      if (CancelRequested) Raise(56);
    }
  };
  append(stub, stubSize);
  append(*archive, archiveSize);
  // Read back, the directory finds the stub in front; every entry's offset
  // moves by the stub's size (folder entries too, which loading leaves
  // alone), and written again the directory is right for the new file.
  {
    TZipDirManager source(archive, this, false);
    source.LoadDir();
    TZipDirManager fixed(&out.Stream(), this, false);
    fixed.LoadDir();
    for (int i = 0; i < fixed.CurrentDirectory.GetCount() && i < source.CurrentDirectory.GetCount(); ++i) {
      TDirItem& item = *fixed.CurrentDirectory.GetItemPtr(i);
      const std::uint64_t moved =
          source.CurrentDirectory.GetItemPtr(i)->LocalHeaderOffset() + static_cast<std::uint64_t>(stubSize);
      item.SetLocalHeaderOffset(moved, item.Header.LocalHeaderOffset == 0xFFFFFFFF);
    }
    fixed.SaveDir(false);
  }
  struct stat st;
  if (::stat(SFXStub.c_str(), &st) == 0 && (st.st_mode & 0111)) {
    // Whoever may read the new file may run it, as the stub.
    struct stat now;
    if (::fstat(static_cast<TUniFileStream&>(out.Stream()).Handle(), &now) == 0)
      ::fchmod(static_cast<TUniFileStream&>(out.Stream()).Handle(),
               (now.st_mode & 07777) | ((now.st_mode & 0444) >> 2 & (st.st_mode & 0111)));
  }
  out.Commit();
  DoOnFileProgress(eventName, 100, poMakeSFX, ppEnd, CancelRequested);
  DoOnOverallProgress(100, poMakeSFX, ppEnd, CancelRequested);
}

}  // namespace zip
