#include "printerlink/thread/LockedFileSync.h"

#include "printerlink/PortState.h"
#include "printerlink/SyncFiles.h"

namespace printerthread {

int SendFileToPrinter(const std::string& local, const std::string& printerName) {
  try {
    printerlink::ComLockGuard lock;
    return printerlink::SyncToPrinter(local, printerName, false);
  } catch (...) {
    return -1;
  }
}

int FetchFileFromPrinter(const std::string& local, const std::string& printerName) {
  try {
    printerlink::ComLockGuard lock;
    return printerlink::SyncFromPrinter(local, printerName, false);
  } catch (...) {
    return -1;
  }
}

}  // namespace printerthread
