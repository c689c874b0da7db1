#include "printerlink/thread/AbandonServiceRequests.h"

#include "printerlink/thread/FirmwareBoxes.h"
#include "printerlink/thread/FirmwareInstallView.h"

namespace printerthread {

int AbandonServiceRequests(RequestBoard& board, ServiceSequences& services, PrinterSession& session) {
  int count = 0;
  auto drop = [&](auto& slot, ServiceRequest which) {
    auto request = slot.Take();
    if (!request) return;
    ++count;
    try {
      services.Abandon(session, which, request->Title);
    } catch (...) {
      // The request is gone whatever its window showed.
    }
  };
  drop(board.BackupConfig, ServiceRequest::BackupConfig);
  drop(board.RestoreConfig, ServiceRequest::RestoreConfig);
  drop(board.ConsoleCommand, ServiceRequest::ConsoleCommand);
  drop(board.StoreConfig, ServiceRequest::StoreConfig);
  drop(board.FetchConfig, ServiceRequest::FetchConfig);
  // The installer locked itself when it raised its request and waits for a
  // result: it gets the box of an installation that erased nothing.
  if (auto request = board.FirmwareInstall.Take()) {
    ++count;
    try {
      if (FirmwareInstallView* view = request->View)
        session.Synchronize([view] { view->ShowFirmwareResult(kFirmwareFailed); });
      else
        services.Abandon(session, ServiceRequest::FirmwareInstall, request->Title);
    } catch (...) {
      // The request is gone whatever its window showed.
    }
  }
  return count;
}

}  // namespace printerthread
