#pragma once
// The sequences that no part has plugged in yet: each request is answered
// with the grey notice "not available" under its title, and nothing is sent.
#include "printerlink/thread/GroupTransfer.h"
#include "printerlink/thread/ServiceSequences.h"

namespace printerthread {

void ReportNotAvailable(PrinterSession& session, const std::string& title);

class NotAvailable final : public GroupTransfer, public ServiceSequences {
 public:
  void DownloadGroup(PrinterSession& s, const DownloadGroupRequest& r) override { ReportNotAvailable(s, r.Title); }
  void UploadGroup(PrinterSession& s, const UploadGroupRequest& r) override { ReportNotAvailable(s, r.Title); }
  void BackupConfig(PrinterSession& s, const BackupConfigRequest& r) override { ReportNotAvailable(s, r.Title); }
  void RestoreConfig(PrinterSession& s, const RestoreConfigRequest& r) override { ReportNotAvailable(s, r.Title); }
  void RunConsoleCommand(PrinterSession& s, const ConsoleCommandRequest& r) override {
    ReportNotAvailable(s, r.Title);
  }
  void StoreConfigFromEditor(PrinterSession& s, const StoreConfigRequest& r) override {
    ReportNotAvailable(s, r.Title);
  }
  void FetchConfigForEditor(PrinterSession& s, const FetchConfigRequest& r) override {
    ReportNotAvailable(s, r.Title);
  }
  void InstallFirmware(PrinterSession& s, const FirmwareInstallRequest& r) override {
    ReportNotAvailable(s, r.Title);
  }
};

}  // namespace printerthread
