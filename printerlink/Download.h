#pragma once
// "DOWNLOADS": a local file goes to the printer in checksummed blocks of at
// most 256 bytes. The caller holds the port lock for the whole call.
#include <cstdint>
#include <string>
#include <string_view>

namespace printerlink {

inline constexpr std::uint32_t kDownloadBlockBytes = 256;
// The printer may ask for a block again (announcement or data) this many
// times in a row before the download gives up, and for this many repeats
// and restarts in the whole file: without a bound a printer that always
// refuses would hold the port lock for ever.
inline constexpr int kDownloadBlockRetries = 8;
inline constexpr int kDownloadFileRetries = 32;

enum DownloadResult : int {
  kDownloadDone = 0,
  kDownloadCannotOpen = -1,         // the local file cannot be read; nothing sent
  kDownloadExchangeFailed = -3,     // the announcement got no complete reply
  kDownloadShortWrite = -5,         // the block's characters were not all written
  kDownloadNoDataReply = -6,        // no reply to the block's data
  kDownloadUnexpectedReply = -7,    // a reply to the data the link does not know
  kDownloadBlockRetriesOut = -8,    // one block refused kDownloadBlockRetries times in a row
  kDownloadFileRetriesOut = -9,     // more than kDownloadFileRetries repeats in the file
  kDownloadLocalReadFailed = -10,   // the local file failed while being read
  kDownloadRefused1 = -41,          // "Fehler 1"
  kDownloadRefused3 = -42,          // "Fehler 3"
  kDownloadRefused = -43,           // any other refusal of the announcement
};

// After a failure from the announcement on, the port is purged, EOT is sent
// and the call pauses t + 1000 ms before it returns; no pause when the line
// is gone (the EOT cannot be written at all).
int DownloadToPrinter(const std::string& localPath, std::string_view printerName, std::uint32_t t);

}  // namespace printerlink
