#include "printerlink/thread/PrintDataTransfer.h"

#include "printerlink/thread/GroupDownload.h"
#include "printerlink/thread/GroupUpload.h"

namespace printerthread {

void PrintDataTransfer::DownloadGroup(PrinterSession& session, const DownloadGroupRequest& request) {
  GroupDownload(session, desk_, tmpDir_).DownloadGroup(request);
}

void PrintDataTransfer::UploadGroup(PrinterSession& session, const UploadGroupRequest& request) {
  GroupUpload(session, desk_, tmpDir_).UploadGroup(request);
}

}  // namespace printerthread
