#pragma once
// The archive component: opens, creates, changes and reads ZIP archives in a
// file, in memory or in a caller's stream. All archive logic lives here;
// TZipArchiver only selects the standard signatures and defaults.
#include <cstdint>
#include <exception>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zip/DirItem.h"
#include "zip/Streams.h"
#include "zip/UniStringList.h"
#include "zip/ZipDialogs.h"
#include "zip/ZipDirManager.h"
#include "zip/ZipErrors.h"
#include "zip/ZipOptions.h"
#include "zip/ZipTypes.h"

namespace zip {

class TZipBaseArchiver;
class EntryEncryptor;
class EntryDecryptor;
class TArchiveTarget;
class TVolumeSet;
class TVolumeMedium;
struct PackedEntry;
struct PackedSizes;
struct PackRequest;

using TZipFileProgressEvent = std::function<void(TZipBaseArchiver& sender, const WideString& fileName, double progress,
                                                 TZipProcessOperation operation, TZipProgressPhase phase, bool& cancel)>;
using TZipProgressEvent = std::function<void(TZipBaseArchiver& sender, double progress, TZipProcessOperation operation,
                                             TZipProgressPhase phase, bool& cancel)>;
using TZipConfirmOverwriteEvent =
    std::function<void(TZipBaseArchiver& sender, const WideString& sourceFileName, WideString& destFileName, bool& confirm)>;
using TZipConfirmProcessFileEvent = std::function<void(TZipBaseArchiver& sender, const WideString& fileName,
                                                       TZipProcessOperation operation, bool& confirm)>;
using TNotifyEvent = std::function<void(TZipBaseArchiver& sender)>;
using TZipOnPasswordEvent =
    std::function<void(TZipBaseArchiver& sender, const WideString& fileName, ByteString& newPassword, bool& skipFile)>;
using TZipProcessFileFailureEvent =
    std::function<void(TZipBaseArchiver& sender, const WideString& fileName, TZipProcessOperation operation,
                       int nativeError, int errorCode, const std::string& errorMessage, TZipAction& action)>;
using TZipOnDiskFullEvent = std::function<void(TZipBaseArchiver& sender, int volumeNumber,
                                               const std::string& volumeFileName, bool& cancel)>;
using TZipCopyTempFileProgressEvent =
    std::function<void(TZipBaseArchiver& sender, double progress, TZipProgressPhase phase, bool& cancel)>;
using TZipOnRequestBlankVolumeEvent =
    std::function<void(TZipBaseArchiver& sender, int volumeNumber, std::string& volumeFileName, bool& cancel)>;
using TZipOnRequestFirstVolumeEvent =
    std::function<void(TZipBaseArchiver& sender, std::string& volumeFileName, bool& cancel)>;
using TZipOnRequestLastVolumeEvent = TZipOnRequestFirstVolumeEvent;
using TZipOnRequestMiddleVolumeEvent = TZipOnRequestBlankVolumeEvent;
using TZipOnStoreFileEvent = std::function<void(TZipBaseArchiver& sender, WideString& fileName, std::int32_t& fileAttr,
                                                ByteString& comment, const std::string& originalFileName)>;
using TZipOnExtractFileEvent = std::function<void(TZipBaseArchiver& sender, WideString& fileName,
                                                  std::uint32_t& fileAttr, const ByteString& comment)>;

// An entry found by FindFirst / FindNext.
struct TZipArchiveItem {
  WideString FileName;    // after the last "/"
  WideString StoredPath;  // the folder part of the stored name
  std::int64_t CompressedSize = 0;
  std::int64_t UncompressedSize = 0;
  double CompressionRate = 0;
  bool Encrypted = false;
  std::uint16_t LastModFileTime = 0;
  std::uint16_t LastModFileDate = 0;
  std::uint32_t CRC = 0;
  std::uint32_t ExternalFileAttributes = 0;
  ByteString Comment;
  // Search state.
  int ItemNo = -1;
  WideString FileMask;
  bool UseWildCards = false;
  std::int32_t SearchAttr = 0;
  WideString ExclusionMask;
  bool UseComponentMasks = false;
};

class TZipBaseArchiver {
 public:
  explicit TZipBaseArchiver(std::string name = std::string());
  virtual ~TZipBaseArchiver();
  TZipBaseArchiver(const TZipBaseArchiver&) = delete;
  TZipBaseArchiver& operator=(const TZipBaseArchiver&) = delete;

  // --- Published properties ---
  std::string Name;  // prefixes every message of the component
  bool ExtractCorruptedFiles = false;
  TZipCompressionLevel GetCompressionLevel() const { return CompressionLevel; }
  void SetCompressionLevel(TZipCompressionLevel level);
  std::uint8_t GetCompressionMode() const { return CompressionMode; }
  void SetCompressionMode(std::uint8_t mode);
  std::string GetCurrentVersionText() const;
  const ByteString& GetPassword() const { return Password; }
  virtual void SetPassword(const ByteString& password);
  std::string FileName;  // the archive file
  std::string BaseDir;   // stored names are relative to it; extraction goes below it
  std::string TempDir;   // for the temporary tail copy; empty: the system's
  TZipSpanningMode GetSpanningMode() const { return SpanningMode; }
  // Refused on an open archive. smSpanning: volumes on removable disks that
  // are changed in turn, each holding a file under the archive's name;
  // smSplitting: numbered volume files in one folder.
  void SetSpanningMode(TZipSpanningMode mode);
  TZipSpanningOptions SpanningOptions;
  std::string SFXStub;
  TZipOptions Options;
  TUniStringList FileMasks;
  TUniStringList ExclusionMasks;
  TUniStringList NoCompressionMasks;
  bool GetInMemory() const { return InMemory; }
  void SetInMemory(bool value);
  TZip64Mode Zip64Mode = zmAuto;
  bool UnicodeFilenames = false;
  TZipCryptoAlgorithm EncryptionMethod = caPkzipClassic;

  TZipFileProgressEvent OnFileProgress;
  TZipProgressEvent OnOverallProgress;
  TZipConfirmOverwriteEvent OnConfirmOverwrite;
  TZipConfirmProcessFileEvent OnConfirmProcessFile;
  TNotifyEvent AfterOpen;
  TZipOnPasswordEvent OnPassword;
  TZipProcessFileFailureEvent OnProcessFileFailure;
  TZipOnDiskFullEvent OnDiskFull;
  TZipOnStoreFileEvent OnStoreFile;
  TZipOnExtractFileEvent OnExtractFile;
  TZipCopyTempFileProgressEvent OnCopyTempFileProgress;
  TZipOnRequestBlankVolumeEvent OnRequestBlankVolume;
  TZipOnRequestFirstVolumeEvent OnRequestFirstVolume;
  TZipOnRequestLastVolumeEvent OnRequestLastVolume;
  TZipOnRequestMiddleVolumeEvent OnRequestMiddleVolume;
  // The default dialogs of this component; none: the process-wide ones.
  TZipDefaultDialogs* Dialogs = nullptr;
  // The drives that volumes go onto; none: the system's.
  TVolumeMedium* Medium = nullptr;

  // --- Opening and closing ---
  void OpenArchive();
  void OpenArchive(std::uint16_t mode);
  void OpenArchive(TStream& stream, bool create);
  void CloseArchive();
  bool GetActive() const { return Active; }
  void SetActive(bool value);

  // --- Update bracket ---
  void BeginUpdate();
  void EndUpdate();
  void CancelUpdate();
  void ForceUpdate();
  bool GetInUpdate() const { return UpdateCount > 0; }

  // --- Queries ---
  bool GetEncrypted();
  bool GetExists() const;
  std::int64_t GetArchiveSize();
  int GetFileCount();
  void SetFileComment(const ByteString& comment);
  const ByteString& GetFileComment() const;
  static void Lock();
  static void Unlock();

  // --- Adding ---
  void AddFiles(const std::string& fileMask, std::int32_t searchAttr, const std::string& exclusionMask);
  void AddFiles();
  // As AddFiles; the files (and then their emptied folders) are deleted
  // after the commit.
  void MoveFiles(const std::string& fileMask, std::int32_t searchAttr, const std::string& exclusionMask);
  void MoveFiles();
  // An entry named `fileName` from `count` bytes of `stream` at `position`
  // (the whole stream from its start when count is 0). With copyToBuffer the
  // bytes are copied now; without it the entry reads the stream when the
  // commit runs, so the caller keeps it alive until then. `dateTime` 0: now.
  void AddFromStream(const WideString& fileName, TStream& stream, bool copyToBuffer, std::int64_t position = 0,
                     std::int64_t count = 0, std::uint32_t attr = faArchive, std::time_t dateTime = 0);
  void AddFromBuffer(const WideString& fileName, const void* buffer, std::size_t count,
                     std::uint32_t attr = faArchive, std::time_t dateTime = 0);
  void AddFromString(const WideString& fileName, const ByteString& text, std::uint32_t attr = faArchive,
                     std::time_t dateTime = 0);

  // --- Changing entries ---
  void DeleteFiles();
  void DeleteFiles(const WideString& fileMask, std::int32_t searchAttr = kDefaultSearchAttr,
                   const WideString& exclusionMask = WideString());
  // Freshens the entries from the files below BaseDir.
  void UpdateFiles();
  void UpdateFiles(const WideString& fileMask, std::int32_t searchAttr = kDefaultSearchAttr,
                   const WideString& exclusionMask = WideString());
  // Renames an entry; a folder entry takes every entry below it along.
  void RenameFile(const WideString& oldName, const WideString& newName);
  void ChangeFilesAttr(const WideString& fileMask, std::uint32_t attr);
  void ChangeFilesIntAttr(const WideString& fileMask, std::uint16_t attr);
  void ChangeFilesComment(const WideString& fileMask, const ByteString& comment);
  // The single-entry steps of the batches; inside an update bracket only.
  void UpdateItem(int index, const std::string& path);
  void DeleteItem(int index);

  // --- Checking and repairing ---
  void TestFiles();
  void TestFiles(const WideString& fileMask, std::int32_t searchAttr = kDefaultSearchAttr,
                 const WideString& exclusionMask = WideString());
  // Whether `password` opens the entry; raises no password event.
  bool IsFilePasswordValid(const WideString& fileName, const ByteString& password);
  bool IsValidArchiveFile();
  // Writes the entries of the (closed) archive at FileName that pass their
  // checks into `newFileName`, or in place of FileName when it is empty.
  void RepairArchive(const std::string& newFileName = std::string());
  // `newFileName` := the SFXStub program followed by the archive.
  void MakeSFX(const std::string& newFileName);

  // --- Volumes ---
  // The file of volume `volume` (0 the first, -1 the last) of FileName.
  std::string MakeDefaultVolumeName(int volume, bool checkExists);

  // --- Finding and extracting ---
  bool FindFirst();
  bool FindFirst(const WideString& fileMask, TZipArchiveItem& item, std::int32_t searchAttr = kDefaultSearchAttr,
                 const WideString& exclusionMask = WideString());
  bool FindNext(TZipArchiveItem& item);
  void TagFiles();
  void TagFiles(const WideString& fileMask, std::int32_t searchAttr, const WideString& exclusionMask);
  void ProcessTaggedFiles(TZipProcessOperation operation, int itemNo = -1);
  void ExtractFiles();
  void ExtractFiles(const WideString& fileMask, std::int32_t searchAttr = kDefaultSearchAttr,
                    const WideString& exclusionMask = WideString());
  void ExtractToStream(const WideString& fileName, TStream& stream);
  void ExtractToBuffer(const WideString& fileName, void* buffer, std::int64_t count, std::int64_t offset);
  void ExtractToString(const WideString& fileName, ByteString& text);
  bool GetFileCendralDirItemNo(const WideString& fileName, int& index);
  void ExtractItem(int index, TStream& target, std::int64_t offset, std::int64_t count);

  // Entries of the last batch that a password or failure answer left out
  // (skipped, ignored). A caller that must have every entry checks it.
  int SkippedEntries() const { return SkippedCount; }
  // Threads that pack the entries of a commit, the writer included; 0: one
  // per core. The archive's bytes do not depend on it.
  unsigned PackThreads = 0;
  // The directory of the open archive (none when closed).
  TZipDirManager* DirManager() { return dirManager.get(); }
  // The open archive's directory was missing or damaged and has been rebuilt
  // from the local headers: entries may be missing. Callers that need the
  // whole archive refuse it.
  bool DirectoryRebuilt() const;

 protected:
  // Runs `work` inside an update bracket: the commit at its end, and on any
  // failure the bracket given up and the failure passed on.
  template <class Work>
  void InUpdateBracket(Work&& work) {
    BeginUpdate();
    try {
      work();
      EndUpdate();
    } catch (...) {
      CancelUpdate();
      throw;
    }
  }

  // Event operations; without a handler they give the default answer.
  virtual void DoOnOverallProgress(double progress, TZipProcessOperation operation, TZipProgressPhase phase,
                                   bool& cancel);
  virtual void DoOnFileProgress(const WideString& fileName, double progress, TZipProcessOperation operation,
                                TZipProgressPhase phase, bool& cancel);
  virtual void DoOnConfirmOverwrite(const WideString& sourceFileName, WideString& destFileName, bool& confirm);
  virtual void DoOnConfirmProcessFile(const WideString& fileName, TZipProcessOperation operation, bool& confirm);
  virtual void DoOnPassword(const WideString& fileName, ByteString& newPassword, bool& skipFile);
  virtual void DoOnProcessFileFailure(const WideString& fileName, TZipProcessOperation operation, int nativeError,
                                      int errorCode, const std::string& errorMessage, TZipAction& action);
  virtual void DoOnDiskFull(int volumeNumber, const std::string& volumeFileName, bool& cancel);
  virtual void DoOnStoreFile(WideString& fileName, std::int32_t& fileAttr, ByteString& comment,
                             const std::string& originalFileName);
  virtual void DoOnExtractFile(WideString& fileName, std::uint32_t& fileAttr, const ByteString& comment);
  virtual void DoOnCopyTempFileProgress(double progress, TZipProgressPhase phase, bool& cancel);
  virtual void DoOnRequestBlankVolume(int volumeNumber, std::string& volumeFileName, bool& cancel);
  virtual void DoOnRequestFirstVolume(std::string& volumeFileName, bool& cancel);
  virtual void DoOnRequestLastVolume(std::string& volumeFileName, bool& cancel);
  virtual void DoOnRequestMiddleVolume(int volumeNumber, std::string& volumeFileName, bool& cancel);
  virtual void SetCompMethod();

  // Copies the entries of the open archive `other` into this one, by
  // Options.OverwriteMode for names both have (TZipArchiver::MergeWith).
  void MergeFrom(TZipBaseArchiver& other);

  bool UsePkSignatures = false;
  std::uint16_t NewEntryMethod = 0xFFFF;

 private:
  friend class TZipDirManager;

  [[noreturn]] void Raise(int nativeCode) const;
  [[noreturn]] void Raise(int nativeCode, const std::vector<FormatArg>& args) const;
  void CheckInactive() const;
  void CheckInUpdate() const;
  void CheckModifySpanning();
  TZipDefaultDialogs* DialogHandler() const;
  // A confirmation with OK and Cancel; true for OK.
  bool AskOkCancel(const std::string& text) const;
  void ResetCounters();
  bool WriteToStreamWithOnDiskFull(TStream& stream, const void* buffer, std::size_t count);
  // That write, for the stages and copies that take a writer function.
  std::function<bool(TStream&, const std::uint8_t*, std::size_t)> DiskFullWriter() {
    return [this](TStream& s, const std::uint8_t* d, std::size_t n) { return WriteToStreamWithOnDiskFull(s, d, n); };
  }
  void WriteBufferToStream(TStream& stream, const void* buffer, std::size_t count);

  // Adding (see ZipAddFiles.cpp). AddFiles and MoveFiles with a mask, and
  // with the component's mask lists.
  void AddOrMoveByMask(const std::string& fileMask, std::int32_t searchAttr, const std::string& exclusionMask,
                       bool moving);
  void AddOrMoveListed(bool moving);
  void AddOrMoveFiles(const TUniStringList& masks, std::int32_t searchAttr, const TUniStringList& exclusions,
                      bool moving);
  void InternalAddFiles(const TUniStringList& masks, std::int32_t searchAttr, bool recurse,
                        const TUniStringList& exclusions);
  void ScanMask(const std::string& fullMask, std::int32_t searchAttr, bool recurse, const TUniStringList& exclusions);
  bool TakeFoundItem(const std::string& path, std::uint32_t attr, std::int64_t size, std::int32_t time,
                     const TUniStringList& exclusions);
  // `storedName` given: an entry from a stream under that name (no file).
  int AddFileInit(const std::string& sourcePath, std::int32_t time, std::uint32_t attributes, std::int64_t size,
                  const WideString* storedName = nullptr);
  void FillDirItem(TDirItem& item, const std::string& path, std::int32_t time, std::uint32_t attributes,
                   std::int64_t size);
  bool IsExcluded(const std::string& path, const TUniStringList& exclusions) const;
  std::string GetFullMask(const std::string& mask) const;
  std::uint16_t VersionFor(bool zip64) const;
  void AddFromOwnedStream(const WideString& fileName, std::shared_ptr<TStream> stream, bool owned,
                          std::int64_t start, std::int64_t count, std::uint32_t attr, std::time_t dateTime);

  // The commit (see ZipCommit.cpp).
  std::unique_ptr<TArchiveTarget> MakeCommitTarget(std::int64_t origin);
  void AdoptTarget(TArchiveTarget& target);
  void RestoreRollback();
  bool WriteEntry(int index, TArchiveTarget& target, std::optional<PackedEntry>& packed, TZipAction& action,
                  std::exception_ptr& failure);
  bool InternalCompressFile(TStream& source, std::int64_t size, TStream& destination, TDirItem& entry,
                            const PackRequest& request);
  bool WritePackedEntry(PackedEntry& packed, TStream& destination, TDirItem& entry);
  bool ApplyPackedSizes(TDirItem& entry, const PackedSizes& sizes, std::int64_t size, bool cancelled);
  void CopyEntry(int index, TArchiveTarget& target);
  void PlaceRecord(TArchiveTarget& target, TStream& spool, std::uint64_t headerLength, TDirItem& entry);
  void DeleteMovedSources(const std::vector<std::string>& files, std::vector<std::string> folders);
  std::string GetTempFileName();
  // Where an entry's local header lies in the archive stream (a volume set
  // counts its volumes one after the other).
  std::int64_t EntryPosition(const TDirItem& entry) const;

  // Other operations (see ZipOperations.cpp).
  void TagAndProcess(const WideString* fileMask, std::int32_t searchAttr, const WideString& exclusionMask,
                     TZipProcessOperation operation);
  void UpdateTaggedFile(int index, const WideString& name, const std::string& root);
  void TestTaggedFile(int index);
  void RenameEntry(int index, const WideString& newName);
  int ChangeFound(const WideString& fileMask, const std::function<void(TDirItem&)>& change,
                  TZipProcessOperation operation);
  // Entries whose data shares bytes with another entry's (see ZipOverlap.cpp).
  std::vector<bool> FindOverlaps();
  void CheckNotOverlapping(int index);

  // Extracting (see ZipExtractFiles.cpp).
  bool InternalFind(TZipArchiveItem& item);
  bool IsItemMatches(const TDirItem& entry, const TZipArchiveItem& item);
  void FillFoundItem(int index, TZipArchiveItem& item);
  void ExtractTaggedFile(int index, const WideString& name, const std::string& root);
  bool InternalDecompressFile(TStream& archive, TStream& target, std::int64_t offset, std::int64_t count,
                              TDirItem& entry);
  void CheckExtractNames();
  void PrepareDecryption(const std::vector<int>& work);
  int SingleEntryIndex(const WideString& fileName);

  // Volumes (see ZipVolumes.cpp).
  void OpenVolumeSet();
  std::unique_ptr<TArchiveTarget> MakeVolumeTarget();
  bool DetectSplitArchive();
  TVolumeMedium& MediumOf() const;
  // Spanned volumes (see ZipSpanning.cpp): the set of `count` disks read
  // now, or (with the sizes the commit wrote) when its data is first read.
  void OpenSpannedSet(int count);
  void AdoptSpannedSet(const std::vector<std::int64_t>& sizes);
  // Copies every disk's volume into a temporary file: the last one first
  // when `lastInDrive` (its disk is in the drive), then asking for the
  // others in order. A disk whose volume has not the size in `sizes` (when
  // known) is asked for again.
  std::vector<std::unique_ptr<TUniFileStream>> FetchSpannedVolumes(int count, const std::vector<std::int64_t>& sizes,
                                                                   bool lastInDrive);
  void RequestVolume(int volume, int count, std::string& name);
  // Whether the open file holds an end record (no rebuilding asked).
  bool EndRecordFound();
  // Asks for the last disk of a spanned set until the file in the drive
  // holds an end record, and opens it with `mode`; Cancel keeps the file
  // that is there.
  void InsertLastDisk(std::uint16_t mode);

  std::string WorkingFolder;
  std::int32_t UpdateCount = 0;
  bool Active = false;
  bool ExternalStream = false;
  std::string VolumeFileName;
  TZipVolumeNumberInfo VolumeInfo;
  std::uint16_t OpenMode = 0;
  std::int64_t ProcessedFiles = 0;
  std::int64_t TotalFiles = 0;
  std::int64_t TotalBytes = 0;
  std::int64_t DoneBytes = 0;
  std::int64_t CurrentFileDone = 0;
  std::int64_t CurrentFileSize = 0;
  bool CancelRequested = false;
  bool ReportProgress = false;
  bool SkipCurrentFile = false;
  bool RebuildDamagedDirectory = true;
  bool QuietPasswordTest = false;
  bool TransactionDone = false;
  bool MovingFiles = false;
  // A new file archive still waits in memory for its first commit; the
  // file was not there before.
  bool PendingCreate = false;
  bool CreatedFile = false;
  // A commit of this opening failed or was cancelled.
  bool CommitFailed = false;
  // A commit into another file than the archive's own (repairing): the
  // archive is written whole there.
  std::string CommitPath;
  // During a commit: where kept entries are read from, and by how much
  // their positions there are less than in the archive.
  TStream* copySource = nullptr;
  std::int64_t copyShift = 0;
  // Repairing tests entries one by one and settles overlaps itself.
  bool CheckOverlaps = true;
  int SkippedCount = 0;
  ByteString RollbackComment;
  // Entries that share data with another (computed once per batch).
  std::vector<bool> overlapping;
  bool overlapsKnown = false;
  // The volumes of an open multi-volume archive (owned as ownedStream).
  TVolumeSet* volumes = nullptr;
  std::unique_ptr<TZipDirManager> dirManager;
  std::uint8_t CompressionMode = 1;
  TZipCompressionLevel CompressionLevel = clFastest;
  ByteString Password;
  std::unique_ptr<TStream> ownedStream;
  TStream* archiveStream = nullptr;
  TZipSpanningMode SpanningMode = smNone;
  bool InMemory = false;
  TZipArchiveItem searchItem;  // FindFirst() with the component's masks
  // AES keys derived ahead for the entries of the running batch, by local
  // header position; a derivation that failed keeps its failure, which
  // becomes the entry's when it is read.
  struct PreparedDecryptor {
    std::unique_ptr<EntryDecryptor> cipher;
    std::exception_ptr failure;
  };
  std::map<std::uint64_t, PreparedDecryptor> preparedDecryptors;
  // Whether the devices that the running batch extracts onto are removable,
  // by device number: each is looked up once.
  std::map<std::uint64_t, bool> removableDevices;
};

}  // namespace zip
