#pragma once
// The configuration-file, console and firmware sequences, which the
// printer settings' service tools plug into the printer thread; run like
// the print-data transfer (GroupTransfer.h).
#include "printerlink/thread/PrinterSession.h"
#include "printerlink/thread/Requests.h"

namespace printerthread {

// The service requests, for a request taken back unstarted.
enum class ServiceRequest { BackupConfig, RestoreConfig, ConsoleCommand, StoreConfig, FetchConfig, FirmwareInstall };

class ServiceSequences {
 public:
  virtual ~ServiceSequences() = default;
  virtual void BackupConfig(PrinterSession& session, const BackupConfigRequest& request) = 0;
  virtual void RestoreConfig(PrinterSession& session, const RestoreConfigRequest& request) = 0;
  virtual void RunConsoleCommand(PrinterSession& session, const ConsoleCommandRequest& request) = 0;
  virtual void StoreConfigFromEditor(PrinterSession& session, const StoreConfigRequest& request) = 0;
  virtual void FetchConfigForEditor(PrinterSession& session, const FetchConfigRequest& request) = 0;
  virtual void InstallFirmware(PrinterSession& session, const FirmwareInstallRequest& request) = 0;

  // A request that was still waiting when the link to the printer was
  // lost: it is dropped, since the operator raised it for the printer that
  // has gone, and the window that raised it is given back with a failure
  // notice. Nothing is sent. By default the red "not successful" box under
  // the request's title.
  virtual void Abandon(PrinterSession& session, ServiceRequest which, const std::string& title) {
    (void)which;
    session.BoxTitle = title;
    session.BoxText = MessageText::Of(CatalogueText::DoneFailed);
    session.ShowFailure();
  }
};

}  // namespace printerthread
