#pragma once
// Sequences of the printer thread that other parts of the program supply:
// the print-data transfer to and from the printer, and the configuration
// file, console and firmware services. Each runs in the printer thread
// when its request is served, gets the session (command functions, the
// settings-level bracket, message boxes, Synchronize for GUI-thread work,
// Post for progress under the port lock) and reports its own result.
//
// Until a part plugs its sequence in, the request is answered with the
// grey notice "not available".
#include "printerlink/thread/PrinterSession.h"
#include "printerlink/thread/Requests.h"

namespace printerthread {

class GroupTransfer {
 public:
  virtual ~GroupTransfer() = default;
  // Saves the open print data to the printer ("Daten speichern").
  virtual void DownloadGroup(PrinterSession& session, const DownloadGroupRequest& request) = 0;
  // Opens the printer's print data on the PC ("Daten öffnen").
  virtual void UploadGroup(PrinterSession& session, const UploadGroupRequest& request) = 0;
};

class ServiceSequences {
 public:
  virtual ~ServiceSequences() = default;
  virtual void BackupConfig(PrinterSession& session, const BackupConfigRequest& request) = 0;
  virtual void RestoreConfig(PrinterSession& session, const RestoreConfigRequest& request) = 0;
  virtual void RunConsoleCommand(PrinterSession& session, const ConsoleCommandRequest& request) = 0;
  virtual void StoreConfigFromEditor(PrinterSession& session, const StoreConfigRequest& request) = 0;
  virtual void FetchConfigForEditor(PrinterSession& session, const FetchConfigRequest& request) = 0;
  virtual void InstallFirmware(PrinterSession& session, const FirmwareInstallRequest& request) = 0;
};

// Shows MsgNotAvailable under `title` and sends nothing.
void ReportNotAvailable(PrinterSession& session, const std::string& title);

class UnavailableGroupTransfer final : public GroupTransfer {
 public:
  void DownloadGroup(PrinterSession& s, const DownloadGroupRequest& r) override { ReportNotAvailable(s, r.Title); }
  void UploadGroup(PrinterSession& s, const UploadGroupRequest& r) override { ReportNotAvailable(s, r.Title); }
};

class UnavailableServices final : public ServiceSequences {
 public:
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
