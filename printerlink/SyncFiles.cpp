#include "printerlink/SyncFiles.h"

#include <sys/stat.h>

#include "printerlink/CommandExchange.h"
#include "printerlink/Download.h"
#include "printerlink/FileChecksum.h"
#include "printerlink/HexText.h"
#include "printerlink/PortState.h"
#include "printerlink/Upload.h"

namespace printerlink {
namespace {

// True when the printer answers "CRC <name>" with exactly `local`. Sets
// `failed` when the exchange itself failed.
bool PrinterHolds(std::string_view printerName, std::uint32_t local, bool& failed) {
  std::string reply;
  failed = ComSendCommand(ComPortHandle, "CRC " + std::string(printerName), reply, kSyncChecksumMs) != 0;
  if (failed || IsRefusal(reply)) return false;
  auto remote = ParseHex32(reply);
  return remote && *remote == local;
}

int Send(const std::string& localPath, std::string_view printerName) {
  int r = DownloadToPrinter(localPath, printerName, kSyncTransferMs);
  return r == kDownloadDone ? 1 : r;
}

}  // namespace

int SyncToPrinter(const std::string& localPath, std::string_view printerName, bool force) {
  struct stat st;
  if (::stat(localPath.c_str(), &st) != 0) return -1;
  if (force) return Send(localPath, printerName);
  std::uint32_t local;
  if (Crc32File(localPath, &local) != 0) return -2;
  bool failed;
  if (PrinterHolds(printerName, local, failed)) return 0;
  if (failed) return -3;
  return Send(localPath, printerName);
}

int SyncFromPrinter(const std::string& localPath, std::string_view printerName, bool force) {
  std::uint32_t local;
  if (!force && Crc32File(localPath, &local) == 0) {
    bool failed;
    if (PrinterHolds(printerName, local, failed)) return 0;
    if (failed) return -2;
  }
  return UploadFromPrinter(localPath, printerName, kSyncTransferMs);
}

}  // namespace printerlink
