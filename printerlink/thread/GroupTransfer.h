#pragma once
// The print-data transfer to and from the printer, which the print-data
// part of the program plugs into the printer thread. Each runs in the
// printer thread when its request is served, gets the session (command
// functions, the settings-level bracket, message boxes, Synchronize for
// GUI-thread work, Post for progress under the port lock) and reports its
// own result.
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

}  // namespace printerthread
