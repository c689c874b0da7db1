#include "zip/ZipBaseArchiver.h"

#include <stdexcept>

#include "zip/ArchiveTarget.h"
#include "zip/CodePages.h"
#include "zip/EntryCrypto.h"
#include "zip/FileSystem.h"
#include "zip/VolumeMedium.h"
#include "zip/ZipLock.h"
#include "zip/ZipVolumes.h"

namespace zip {

TZipBaseArchiver::TZipBaseArchiver(std::string name) : Name(std::move(name)) {
  SetCompressionLevel(clFastest);
}

TZipBaseArchiver::~TZipBaseArchiver() {
  try {
    CloseArchive();
  } catch (...) {
    // Nothing can be reported from a destructor; the commit already rolled
    // back whatever it could not finish.
  }
}

void TZipBaseArchiver::Raise(int nativeCode) const { throw EZipException(nativeCode, Name); }

void TZipBaseArchiver::Raise(int nativeCode, const std::vector<FormatArg>& args) const {
  throw EZipException(nativeCode, args, Name);
}

void TZipBaseArchiver::CheckInactive() const {
  if (!Active) Raise(13);
}

void TZipBaseArchiver::CheckInUpdate() const {
  if (UpdateCount > 0) Raise(26);
}

void TZipBaseArchiver::CheckModifySpanning() {
  if (SpanningMode != smNone && !GetInUpdate() && dirManager && dirManager->CurrentDirectory.GetCount() > 0)
    Raise(52);
}

void TZipBaseArchiver::SetCompressionLevel(TZipCompressionLevel level) {
  CompressionLevel = level;
  CompressionMode = ModeOfLevel(level);
  SetCompMethod();
}

void TZipBaseArchiver::SetCompressionMode(std::uint8_t mode) {
  if (mode > 9) Raise(5);
  CompressionMode = mode;
  CompressionLevel = LevelOfMode(mode);
  SetCompMethod();
}

void TZipBaseArchiver::SetCompMethod() { NewEntryMethod = 0xFFFF; }

std::string TZipBaseArchiver::GetCurrentVersionText() const { return "5.05 "; }

void TZipBaseArchiver::SetPassword(const ByteString& password) { Password = password; }

void TZipBaseArchiver::SetSpanningMode(TZipSpanningMode mode) {
  if (Active) throw std::runtime_error("Cannot set spanning mode on open archive");
  SpanningMode = mode;
}

void TZipBaseArchiver::OpenArchive() {
  if (!InMemory && WideExtractFileName(FileName).empty()) Raise(9);
  std::uint16_t mode = fmCreate;
  if (!InMemory && WideFileExists(FileName)) {
    try {
      TUniFileStream probe(FileName, fmOpenReadWrite | fmShareDenyWrite);
      mode = fmOpenReadWrite | fmShareDenyWrite;
    } catch (const EStreamError&) {
      mode = fmOpenRead | fmShareDenyNone;
    }
  }
  OpenArchive(mode);
}

void TZipBaseArchiver::OpenArchive(std::uint16_t mode) {
  TransactionDone = false;
  overlapsKnown = false;
  if (!InMemory && WideExtractFileName(FileName).empty()) Raise(10);
  if (mode != fmCreate && !InMemory && !WideFileExists(FileName)) {
    // On a disk that can be changed, the one holding the archive's end may
    // just not be in the drive yet.
    if (SpanningMode != smSpanning && !MediumOf().IsRemovable(FileName)) Raise(12, {FileName});
    std::string last;
    bool cancel = false;
    DoOnRequestLastVolume(last, cancel);
    if (cancel || !WideFileExists(FileName)) Raise(45);
  }
  if (mode != fmCreate && InMemory) Raise(28);
  CloseArchive();
  ExternalStream = false;
  OpenMode = mode;
  CommitFailed = false;
  PendingCreate = false;
  if (mode == fmCreate) {
    if (!InMemory) {
      // The file is made now (or found writable), so that a folder that
      // refuses it fails here; an archive already there keeps its bytes
      // until the first commit puts the new one in its place.
      CreatedFile = !WideFileExists(FileName);
      if (CreatedFile) TUniFileStream made(FileName, fmCreate);
      else TUniFileStream check(FileName, fmOpenWrite);
      PendingCreate = true;
    }
    ownedStream = std::make_unique<TMemoryStream>();
    archiveStream = ownedStream.get();
    VolumeFileName = FileName;
    dirManager = std::make_unique<TZipDirManager>(archiveStream, this, true);
  } else {
    SpanningMode = smNone;
    VolumeInfo.Init();
    ownedStream = std::make_unique<TUniFileStream>(FileName, mode);
    archiveStream = ownedStream.get();
    VolumeFileName = FileName;
    dirManager = std::make_unique<TZipDirManager>(archiveStream, this, false);
    try {
      if (MediumOf().IsRemovable(FileName) && !EndRecordFound()) InsertLastDisk(mode);
      if (!dirManager->HasCentralDirEnd()) Raise(48);
      if (DetectSplitArchive()) OpenVolumeSet();
      else dirManager->LoadDir();
    } catch (...) {
      dirManager.reset();
      ownedStream.reset();
      archiveStream = nullptr;
      volumes = nullptr;
      SpanningMode = smNone;
      throw;
    }
  }
  Active = true;
  if (AfterOpen) AfterOpen(*this);
}

void TZipBaseArchiver::OpenArchive(TStream& stream, bool create) {
  if (SpanningMode != smNone) Raise(51);
  CloseArchive();
  ExternalStream = true;
  OpenMode = create ? fmCreate : fmOpenReadWrite;
  archiveStream = &stream;
  if (create) stream.SetSize(0);
  dirManager = std::make_unique<TZipDirManager>(archiveStream, this, create);
  try {
    if (create) dirManager->SaveDir(false);
    else dirManager->LoadDir();
  } catch (...) {
    dirManager.reset();
    archiveStream = nullptr;
    throw;
  }
  Active = true;
  if (AfterOpen) AfterOpen(*this);
}

void TZipBaseArchiver::CloseArchive() {
  bool writable = OpenMode != fmOpenRead && OpenMode != (fmOpenRead | fmShareDenyNone);
  if (Active) {
    try {
      ForceUpdate();
    } catch (...) {
      // The commit has rolled the archive back already.
    }
    try {
      // A new archive that never got an entry is written as an empty one;
      // one whose first commit failed leaves an archive that was there.
      if (archiveStream && dirManager && archiveStream->Size() == dirManager->PrefixSize &&
          (!CommitFailed || (PendingCreate && CreatedFile))) {
        if (PendingCreate) {
          TReplacementFile file(VolumeFileName, Options.FlushBuffers);
          CopyStreamRange(*archiveStream, 0, dirManager->PrefixSize, file.Stream(),
                          [](TStream& to, const std::uint8_t* d, std::size_t n) { return to.Write(d, n) == n; });
          dirManager->WriteDirectory(file);
          file.Commit();
        } else {
          dirManager->SaveDir(false);
          if (Options.FlushBuffers && !InMemory && !ExternalStream) archiveStream->Flush();
        }
      }
    } catch (...) {
    }
  }
  Active = false;
  UpdateCount = 0;
  dirManager.reset();
  volumes = nullptr;
  overlapsKnown = false;
  std::unique_ptr<TStream> stream = std::move(ownedStream);
  archiveStream = nullptr;
  ExternalStream = false;
  if (auto* file = dynamic_cast<TUniFileStream*>(stream.get())) {
    try {
      file->Close();
    } catch (const EStreamError&) {
      // A delayed write error surfaces here; losing it would report a
      // damaged archive as written.
      if (writable) Raise(46);
    }
  }
}

void TZipBaseArchiver::SetActive(bool value) {
  if (value == Active) return;
  if (value) OpenArchive();
  else CloseArchive();
}

void TZipBaseArchiver::BeginUpdate() {
  if (SpanningMode != smNone && TransactionDone) Raise(62);
  if (UpdateCount == 0) {
    SetActive(true);
    if (OpenMode == fmOpenRead && !ExternalStream) Raise(32);
    TZipDirArray& dir = dirManager->CurrentDirectory;
    for (int i = 0; i < dir.GetCount(); ++i) dir.GetItemPtr(i)->IsPending = false;
    dirManager->RollbackDirectory.Assign(dir);
    RollbackComment = dirManager->Comment;
  }
  ++UpdateCount;
}

void TZipBaseArchiver::EndUpdate() {
  if (UpdateCount <= 0) return;
  if (UpdateCount == 1) {
    TransactionDone = true;
    ForceUpdate();
  } else {
    --UpdateCount;
  }
}

void TZipBaseArchiver::CancelUpdate() {
  // Entries added inside the bracket would otherwise stay listed without
  // data and reach the file with the next directory write.
  if (UpdateCount > 0 && dirManager) RestoreRollback();
  UpdateCount = 0;
  overlapsKnown = false;
}

bool TZipBaseArchiver::GetEncrypted() {
  if (Active && dirManager && dirManager->CurrentDirectory.GetCount() > 0) return dirManager->IsEncrypted();
  return !Password.empty();
}

bool TZipBaseArchiver::DirectoryRebuilt() const { return Active && dirManager && dirManager->Rebuilt; }

bool TZipBaseArchiver::GetExists() const { return WideFileExists(FileName); }

std::int64_t TZipBaseArchiver::GetArchiveSize() {
  CheckInactive();
  return archiveStream->Size();
}

int TZipBaseArchiver::GetFileCount() {
  CheckInactive();
  TZipDirArray& dir = dirManager->CurrentDirectory;
  int folders = 0;
  for (int i = 0; i < dir.GetCount(); ++i)
    if (dir.GetItemPtr(i)->Header.ExternalAttributes & faDirectory) ++folders;
  return dir.GetCount() - folders;
}

void TZipBaseArchiver::SetFileComment(const ByteString& comment) {
  CheckInactive();
  CheckModifySpanning();
  if (GetInUpdate() || SpanningMode != smNone) {
    dirManager->Comment = comment;
    return;
  }
  // The directory is written anew through a commit like any other change.
  InUpdateBracket([&] { dirManager->Comment = comment; });
}

const ByteString& TZipBaseArchiver::GetFileComment() const {
  static const ByteString none;
  return dirManager ? dirManager->Comment : none;
}

void TZipBaseArchiver::Lock() { ZipLibraryLock().lock(); }
void TZipBaseArchiver::Unlock() { ZipLibraryLock().unlock(); }

void TZipBaseArchiver::SetInMemory(bool value) {
  if (value == InMemory) return;
  if (!Active) {
    InMemory = value;
    return;
  }
  if (!value) {
    if (FileName.empty()) Raise(29);
    ForceUpdate();
    {
      TReplacementFile file(FileName, Options.FlushBuffers);
      archiveStream->SetPosition(0);
      file.Stream().CopyFrom(*archiveStream, -1);
      file.Commit();
    }
    CloseArchive();
  } else {
    CloseArchive();
  }
  InMemory = value;
  OpenArchive();
}

void TZipBaseArchiver::ResetCounters() {
  ProcessedFiles = TotalFiles = 0;
  TotalBytes = DoneBytes = CurrentFileDone = CurrentFileSize = 0;
}

bool TZipBaseArchiver::WriteToStreamWithOnDiskFull(TStream& stream, const void* buffer, std::size_t count) {
  std::int64_t position = stream.Position();
  for (;;) {
    if (stream.Write(buffer, count) == count) return true;
    bool cancel = false;
    DoOnDiskFull(0, FileName, cancel);
    if (cancel) {
      CancelRequested = true;
      return false;
    }
    stream.SetPosition(position);
  }
}

void TZipBaseArchiver::WriteBufferToStream(TStream& stream, const void* buffer, std::size_t count) {
  if (stream.Write(buffer, count) != count) Raise(46);
}

TZipDefaultDialogs* TZipBaseArchiver::DialogHandler() const { return Dialogs ? Dialogs : DefaultDialogs(); }

}  // namespace zip
