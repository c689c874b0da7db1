#pragma once
// The configuration file's four sequences and the console's, as the
// program plugs them into the printer thread (ThreadEnvironment::services).
//
// The printer's configuration SYSTEM\KONFIG.SYS is copied whole, never
// read: a backup fetches it into a PC file, a restore and the editor's
// store send a PC file to TMP\KONFIG.SYS, then "DEL SYSTEM\KONFIG.SYS",
// "REN TMP\KONFIG.SYS SYSTEM\KONFIG.SYS" and "RESET". A local file that is
// missing, unreadable or empty is never sent, and a failed "DEL" or "REN"
// is not followed by "RESET" (the printer would restart without its
// configuration); the editor's fetch and store use the work copy
// <tmpDir>KONFIG.SYS23.
#include <string>

#include "printerlink/thread/RequestBoard.h"
#include "printerlink/thread/ServiceDesk.h"
#include "printerlink/thread/ServiceSequences.h"

namespace printerthread {

inline constexpr const char* kPrinterConfigFile = "SYSTEM\\KONFIG.SYS";
inline constexpr const char* kPrinterStagingFile = "TMP\\KONFIG.SYS";
inline constexpr const char* kWorkCopyName = "KONFIG.SYS23";

class ServiceTools final : public ServiceSequences {
 public:
  // `tmpDir`: the program's temporary folder, ending in "/". The desk and
  // the board must outlive the printer thread.
  ServiceTools(ServiceDesk& desk, RequestBoard& requests, std::string tmpDir)
      : desk_(desk), requests_(requests), tmpDir_(std::move(tmpDir)) {}

  void BackupConfig(PrinterSession& session, const BackupConfigRequest& request) override;
  void RestoreConfig(PrinterSession& session, const RestoreConfigRequest& request) override;
  void RunConsoleCommand(PrinterSession& session, const ConsoleCommandRequest& request) override;
  void StoreConfigFromEditor(PrinterSession& session, const StoreConfigRequest& request) override;
  void FetchConfigForEditor(PrinterSession& session, const FetchConfigRequest& request) override;
  void InstallFirmware(PrinterSession& session, const FirmwareInstallRequest& request) override;
  void Abandon(PrinterSession& session, ServiceRequest which, const std::string& title) override;

  std::string WorkCopy() const { return tmpDir_ + kWorkCopyName; }

 private:
  // One command line to the printer and its answer in the console.
  void ConsoleExchange(PrinterSession& session, const std::string& command, std::uint32_t t);
  // Runs a GUI step; one that fails leaves the sequence going.
  void Step(PrinterSession& session, void (ServiceDesk::*step)());

  ServiceDesk& desk_;
  RequestBoard& requests_;
  std::string tmpDir_;
};

// Whether `path` is a file that can be read and holds at least one byte:
// what may take the place of the printer's configuration.
bool UsableConfigFile(const std::string& path);

}  // namespace printerthread
