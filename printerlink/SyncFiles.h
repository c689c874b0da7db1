#pragma once
// Transfers that first ask the printer for the checksum of its copy
// ("CRC %s") and move the file only when the copies differ. The caller holds
// the port lock for the whole call. The main window's SyncToPrinter and
// SyncFromPrinter delegate here.
#include <cstdint>
#include <string>
#include <string_view>

namespace printerlink {

inline constexpr std::uint32_t kSyncTransferMs = 5000;   // per block
inline constexpr std::uint32_t kSyncChecksumMs = 15000;  // for "CRC %s"

// 1 sent; 0 the printer's copy is already equal, nothing sent; -1 no local
// file; -2 local file unreadable; -3 checksum exchange failed; otherwise the
// code of DownloadToPrinter. `force` sends without asking.
int SyncToPrinter(const std::string& localPath, std::string_view printerName, bool force);

// 0 fetched, or the local copy is already equal; -2 checksum exchange
// failed; otherwise the code of UploadFromPrinter. `force`, or a local file
// that cannot be read, fetches without asking.
int SyncFromPrinter(const std::string& localPath, std::string_view printerName, bool force);

}  // namespace printerlink
