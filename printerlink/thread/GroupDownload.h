#pragma once
// "Daten speichern" of the printer menu: the open print data goes to the
// printer. The sequence raises the printer to the settings level, refuses
// when the printer holds data protected for the user that the PC's would
// replace, has the printer file set and a copy of the group written, sends
// "MAXDT 0", per print text its archive and, when the archive changed, its
// files, then the group files, "MAXDT <count>" and "STATUS 40 ZAMFI".
// Every file is sent only when the printer's checksum of its copy differs.
//
// Runs in the printer thread. The window work (the open data, the file set,
// the archives) runs in the GUI thread through the desk; the files travel
// from the printer thread, each under the port lock. Every ending leaves
// the printer at level 40.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "printerlink/thread/PrintDataDesk.h"
#include "printerlink/thread/PrinterSession.h"
#include "printerlink/thread/Requests.h"

namespace printerthread {

inline constexpr int kDownloadAllowed = 1;
inline constexpr int kDownloadProtected = 999;
inline constexpr std::uint32_t kTypeMs = 5000;
inline constexpr std::uint32_t kMaxDtMs = 2000;

// The first three lines of a group file as "TYPE PC\GP.g23" returns them
// ("%08X %u %u": version, protection value, count); nothing unless all
// three read.
struct GroupFileHeader {
  std::uint32_t version = 0;
  int protection = 0;
};
std::optional<GroupFileHeader> ScanGroupFileHeader(std::string_view text);

class GroupDownload {
 public:
  // `tmpDir`: the program's temporary folder, ending in "/".
  GroupDownload(PrinterSession& session, PrintDataDesk& desk, std::string tmpDir);

  void DownloadGroup(const DownloadGroupRequest& request);

  // The steps. 1 allowed; 999 refused (protected data on the printer); -1 no
  // link; -2 any other failure.
  int CheckDownloadAllowed(const OpenDataFacts& facts);
  // The file set's result: 1 built, negative failed.
  int WriteDownloadGroupFile(int count);
  // 1 every file sent or already on the printer; -1 a check or a transfer
  // failed; -2 any other failure.
  int DownloadGroupFiles(int count);

  int DownloadTotal = 0;  // progress steps: 24 per print text and 5
  int DownloadDone = 0;
  int DownloadResult = 0;  // of the step that ran last

 private:
  void Progress();
  void FailureEnding();
  void ProtectionEnding();
  // SyncToPrinter under the port lock: 1 sent, 0 already there, negative failed.
  int SendFile(const std::string& local, const std::string& printerName);

  PrinterSession& session_;
  PrintDataDesk& desk_;
  std::string tmpDir_;
};

}  // namespace printerthread
