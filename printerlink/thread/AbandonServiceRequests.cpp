#include "printerlink/thread/AbandonServiceRequests.h"

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
  drop(board.FirmwareInstall, ServiceRequest::FirmwareInstall);
  return count;
}

}  // namespace printerthread
