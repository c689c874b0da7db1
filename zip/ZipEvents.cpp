// The archiver's events and their default answers. File names reach handlers
// with "/" separators, the local separator of this platform.
#include <algorithm>

#include "zip/CodePages.h"
#include "zip/FileSystem.h"
#include "zip/VolumeMedium.h"
#include "zip/ZipBaseArchiver.h"

namespace zip {

void TZipBaseArchiver::DoOnOverallProgress(double progress, TZipProcessOperation operation,
                                           TZipProgressPhase phase, bool& cancel) {
  if (OnOverallProgress) OnOverallProgress(*this, progress, operation, phase, cancel);
  else cancel = false;
}

void TZipBaseArchiver::DoOnFileProgress(const WideString& fileName, double progress, TZipProcessOperation operation,
                                        TZipProgressPhase phase, bool& cancel) {
  if (OnFileProgress) OnFileProgress(*this, fileName, progress, operation, phase, cancel);
  else cancel = false;
}

void TZipBaseArchiver::DoOnConfirmOverwrite(const WideString& sourceFileName, WideString& destFileName,
                                            bool& confirm) {
  if (OnConfirmOverwrite) {
    OnConfirmOverwrite(*this, sourceFileName, destFileName, confirm);
    return;
  }
  confirm = false;
  TZipDefaultDialogs* dialogs = DialogHandler();
  if (!dialogs) return;
  auto answer = dialogs->MessageDlg(FormatText(SConfirmOverwrite, {U8(destFileName), U8(sourceFileName)}),
                                    {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbNoToAll,
                                     TMsgDlgBtn::mbYesToAll});
  if (!answer) return;
  switch (*answer) {
    case TMsgDlgBtn::mbYes: confirm = true; break;
    case TMsgDlgBtn::mbNoToAll: Options.OverwriteMode = omNever; break;
    case TMsgDlgBtn::mbYesToAll:
      confirm = true;
      Options.OverwriteMode = omAlways;
      break;
    default: break;
  }
}

void TZipBaseArchiver::DoOnConfirmProcessFile(const WideString& fileName, TZipProcessOperation operation,
                                              bool& confirm) {
  confirm = true;
  if (OnConfirmProcessFile) OnConfirmProcessFile(*this, fileName, operation, confirm);
}

void TZipBaseArchiver::DoOnPassword(const WideString& fileName, ByteString& newPassword, bool& skipFile) {
  if (OnPassword) {
    OnPassword(*this, fileName, newPassword, skipFile);
    return;
  }
  TZipDefaultDialogs* dialogs = DialogHandler();
  ByteString typed;
  if (dialogs && dialogs->PasswordDlg(FormatText(SPasswordTitle, {U8(fileName)}), SPasswordPrompt, typed)) {
    if (typed.size() > 255) typed.resize(255);
    newPassword = typed;
    skipFile = false;
  } else {
    skipFile = true;
  }
}

void TZipBaseArchiver::DoOnProcessFileFailure(const WideString& fileName, TZipProcessOperation operation,
                                              int nativeError, int errorCode, const std::string& errorMessage,
                                              TZipAction& action) {
  action = fxaIgnore;
  if (OnProcessFileFailure) {
    OnProcessFileFailure(*this, fileName, operation, nativeError, errorCode, errorMessage, action);
    return;
  }
  if (nativeError == 45) {
    action = fxaAbort;
    return;
  }
  TZipDefaultDialogs* dialogs = DialogHandler();
  std::optional<TMsgDlgBtn> answer;
  if (dialogs) {
    if (nativeError == 61)
      answer = dialogs->MessageDlg(errorMessage, {TMsgDlgBtn::mbAbort, TMsgDlgBtn::mbIgnore});
    else
      answer = dialogs->MessageDlg(FormatText(SOnProcessFileFailure, {errorMessage}),
                                   {TMsgDlgBtn::mbAbort, TMsgDlgBtn::mbRetry, TMsgDlgBtn::mbIgnore});
  }
  if (answer == TMsgDlgBtn::mbRetry) action = fxaRetry;
  else if (answer == TMsgDlgBtn::mbIgnore) action = fxaIgnore;
  else action = fxaAbort;
}

void TZipBaseArchiver::DoOnDiskFull(int volumeNumber, const std::string& volumeFileName, bool& cancel) {
  cancel = false;
  // A short write of entry data reports volume 0: there are no volumes to
  // count from 1 outside multi-volume work.
  if (OnDiskFull) {
    OnDiskFull(*this, volumeNumber, volumeFileName, cancel);
    return;
  }
  if (SpanningMode != smSpanning) throw EZipException(65);
  // Another disk may do: what the volume needs beside what the disk has.
  TZipVolumeNumberInfo volume;
  volume.SetVolumeNumber(volumeNumber > 0 ? volumeNumber - 1 : 0);
  const std::int64_t required = std::max<std::int64_t>(SpanningOptions.GetVolumeSize(volume), 65537);
  cancel = !AskOkCancel(FormatText(SOnDiskFull, {required, MediumOf().FreeSpace(volumeFileName)}));
}

void TZipBaseArchiver::DoOnStoreFile(WideString& fileName, std::int32_t& fileAttr, ByteString& comment,
                                     const std::string& originalFileName) {
  if (OnStoreFile) OnStoreFile(*this, fileName, fileAttr, comment, originalFileName);
}

void TZipBaseArchiver::DoOnExtractFile(WideString& fileName, std::uint32_t& fileAttr, const ByteString& comment) {
  if (OnExtractFile) OnExtractFile(*this, fileName, fileAttr, comment);
}

}  // namespace zip

namespace zip {

void TZipBaseArchiver::DoOnCopyTempFileProgress(double progress, TZipProgressPhase phase, bool& cancel) {
  cancel = false;
  if (OnCopyTempFileProgress) OnCopyTempFileProgress(*this, progress, phase, cancel);
}

// The volume requests show their dialogs only for disks to be changed
// (spanning); split volumes are files in a folder, where nobody is asked to
// insert anything and a volume that is not there cancels.
bool TZipBaseArchiver::AskOkCancel(const std::string& text) const {
  TZipDefaultDialogs* dialogs = DialogHandler();
  return dialogs && dialogs->MessageDlg(text, {TMsgDlgBtn::mbOK, TMsgDlgBtn::mbCancel}) == TMsgDlgBtn::mbOK;
}

void TZipBaseArchiver::DoOnRequestBlankVolume(int volumeNumber, std::string& volumeFileName, bool& cancel) {
  if (volumeNumber < 0) volumeNumber = 0;
  volumeFileName = MakeDefaultVolumeName(volumeNumber, false);
  cancel = false;
  if (OnRequestBlankVolume) OnRequestBlankVolume(*this, volumeNumber + 1, volumeFileName, cancel);
  else if (SpanningMode == smSpanning)
    cancel = !AskOkCancel(FormatText(SOnRequestBlankDisk, {std::int64_t{volumeNumber} + 1}));
}

void TZipBaseArchiver::DoOnRequestFirstVolume(std::string& volumeFileName, bool& cancel) {
  volumeFileName = MakeDefaultVolumeName(0, !OnRequestFirstVolume);
  cancel = false;
  if (OnRequestFirstVolume) {
    OnRequestFirstVolume(*this, volumeFileName, cancel);
  } else if (SpanningMode == smSpanning) {
    cancel = !AskOkCancel(SOnRequestFirstDisk);
    volumeFileName = MakeDefaultVolumeName(0, true);
  } else {
    cancel = !WideFileExists(volumeFileName) && OpenMode != fmCreate;
  }
}

void TZipBaseArchiver::DoOnRequestLastVolume(std::string& volumeFileName, bool& cancel) {
  volumeFileName = MakeDefaultVolumeName(-1, true);
  cancel = false;
  if (OnRequestLastVolume) {
    OnRequestLastVolume(*this, volumeFileName, cancel);
  } else if (SpanningMode == smSpanning) {
    cancel = !AskOkCancel(SOnRequestLastDisk);
    while (!cancel && !WideFileExists(volumeFileName)) {
      cancel = !AskOkCancel(FormatText(SWrongDiskRequestLastDisk, {volumeFileName}));
      volumeFileName = MakeDefaultVolumeName(-1, true);
    }
  } else {
    cancel = !WideFileExists(volumeFileName);
  }
}

void TZipBaseArchiver::DoOnRequestMiddleVolume(int volumeNumber, std::string& volumeFileName, bool& cancel) {
  volumeFileName = MakeDefaultVolumeName(volumeNumber, !OnRequestMiddleVolume);
  cancel = false;
  if (OnRequestMiddleVolume) {
    OnRequestMiddleVolume(*this, volumeNumber + 1, volumeFileName, cancel);
    return;
  }
  if (SpanningMode == smSpanning) cancel = !AskOkCancel(FormatText(SOnRequestMiddleDisk, {std::int64_t{volumeNumber} + 1}));
  else cancel = !WideFileExists(volumeFileName);
  if (!cancel) volumeFileName = MakeDefaultVolumeName(volumeNumber, true);
}

}  // namespace zip
