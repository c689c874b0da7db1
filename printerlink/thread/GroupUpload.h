#pragma once
// "Daten öffnen" of the printer menu: the print data stored on the printer
// is opened on the PC. The sequence asks the printer how many print texts
// it holds ("DT"), closes the PC's open data, raises the printer to the
// settings level, reads the version of its group file, fetches the title
// file, one archive per print text and the group file into TMP/UPLOAD/,
// unpacks the archives, lowers the printer to level 40 and opens the group
// as new data: titled from the printer, without a path, marked changed.
// A file is fetched only when the local copy's checksum differs.
//
// Runs in the printer thread; closing, unpacking and loading run in the GUI
// thread through the desk.
#include <optional>
#include <string>
#include <string_view>

#include "printerlink/thread/PrintDataDesk.h"
#include "printerlink/thread/PrinterSession.h"
#include "printerlink/thread/Requests.h"

namespace printerthread {

// The local base name of the files fetched for a printer group file of
// `version`: "GP" for 8 and 9; for 6 and 7, whose files are named after
// the data's title, the title (Windows-1252) as UTF-8, when it is a plain
// file name and the longest name made of it fits; nothing otherwise.
std::optional<std::string> UploadBaseName(int version, std::string_view title);

class GroupUpload {
 public:
  // `tmpDir`: the program's temporary folder, ending in "/".
  GroupUpload(PrinterSession& session, PrintDataDesk& desk, std::string tmpDir);

  void UploadGroup(const UploadGroupRequest& request);

  // The steps. The number of print texts on the printer, the second
  // number of "DT"; nothing when the printer gave no readable answer.
  std::optional<int> AskDtCount();
  // 1 read; 0 the printer has no group file ("Fehler"); -1 no link or an
  // unreadable reply; -2 any other failure. Sets PrinterGroupVersion.
  int QueryGroupFileVersion();
  // 1 every file fetched and unpacked; -1 a check, a fetch or an unpack
  // failed; -2 any other failure.
  int UploadGroupFiles(int n);

  // The local base name of the fetched files: "GP" for group files of
  // version 8 and 9, the title for 6 and 7; nothing for other versions and
  // for a title that is no plain file name.
  std::optional<std::string> LocalBaseName() const;

  int DtCount = -1;     // -1 unknown
  int UploadTotal = 0;  // progress steps: 2 per print text and 3
  int UploadDone = 0;
  int UploadResult = 0;
  int PrinterGroupVersion = 0;  // 0 unknown
  std::string Title;            // the first line of the printer's GP.n23, Windows-1252

 private:
  void Progress();
  void FailureEnding();
  void NoDataEnding();
  // SyncFromPrinter under the port lock: 0 fetched or already here.
  int FetchFile(const std::string& local, const std::string& printerName);

  PrinterSession& session_;
  PrintDataDesk& desk_;
  std::string tmpDir_;
};

}  // namespace printerthread
