#include "app/links/ArchiveServiceTools.h"

#include "app/archive/ArchivePassword.h"
#include "app/archive/TForm_ZipUnzip.h"

namespace app {
namespace {

// What a call returns while there is no service: the code of a failed open.
constexpr int kNoService = -20;

}  // namespace

std::string ArchiveServiceTools::ArchivePassword() const { return ::ArchivePassword; }

int ArchiveServiceTools::SetArchiveTempDir(const std::string& folder) {
  return Form_ZipUnzip ? Form_ZipUnzip->SetArchiveTempDir(folder) : kNoService;
}

int ArchiveServiceTools::ZipToArchive(const std::string& source, const std::string& zipFile,
                                      const std::string& excludeMask, const std::string& password, int flags) {
  return Form_ZipUnzip ? Form_ZipUnzip->ZipToArchive(source, zipFile, excludeMask, password, flags) : kNoService;
}

int ArchiveServiceTools::UnzipArchive(const std::string& zipFile, const std::string& folder,
                                      const std::string& password) {
  return Form_ZipUnzip ? Form_ZipUnzip->UnzipArchive(zipFile, folder, password) : kNoService;
}

int ArchiveServiceTools::LockArchive(const std::string& inFile, const std::string& outFile) {
  return Form_ZipUnzip ? Form_ZipUnzip->LockArchive(inFile, outFile) : kNoService;
}

int ArchiveServiceTools::UnlockArchive(const std::string& inFile, const std::string& outFile) {
  return Form_ZipUnzip ? Form_ZipUnzip->UnlockArchive(inFile, outFile) : kNoService;
}

std::string ArchiveServiceTools::LastErrorText() const {
  return Form_ZipUnzip ? Form_ZipUnzip->LastErrorText : std::string("the archive service does not exist");
}

}  // namespace app
