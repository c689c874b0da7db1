#pragma once
// The print-data transfer in both directions, as the program plugs it into
// the printer thread (ThreadEnvironment::groupTransfer): the sequences of
// GroupDownload and GroupUpload over the program's desk.
#include <string>

#include "printerlink/thread/GroupTransfer.h"
#include "printerlink/thread/PrintDataDesk.h"

namespace printerthread {

class PrintDataTransfer final : public GroupTransfer {
 public:
  // `tmpDir`: the program's temporary folder, ending in "/". The desk must
  // outlive the printer thread.
  PrintDataTransfer(PrintDataDesk& desk, std::string tmpDir) : desk_(desk), tmpDir_(std::move(tmpDir)) {}

  void DownloadGroup(PrinterSession& session, const DownloadGroupRequest& request) override;
  void UploadGroup(PrinterSession& session, const UploadGroupRequest& request) override;

 private:
  PrintDataDesk& desk_;
  std::string tmpDir_;
};

}  // namespace printerthread
