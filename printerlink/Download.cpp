#include "printerlink/Download.h"

#include <cstdio>
#include <memory>

#include "platform/Clock.h"
#include "printerlink/CommandExchange.h"
#include "printerlink/ControlBytes.h"
#include "printerlink/DataCharacters.h"
#include "printerlink/HexText.h"
#include "platform/LinkChecksum.h"
#include "printerlink/PortIo.h"
#include "printerlink/PortState.h"
#include "printerlink/TransferCommand.h"

namespace printerlink {
namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

struct Block {
  std::uint32_t count = 0;
  std::uint32_t checksum = 0;
  bool endOfFile = false;
  std::string characters;
};

// The block at `offset`: up to 256 bytes, encoded and summed.
bool ReadBlock(std::FILE* file, std::uint32_t offset, Block& block) {
  std::uint8_t bytes[kDownloadBlockBytes];
  if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) return false;
  std::size_t n = std::fread(bytes, 1, sizeof bytes, file);
  if (n < sizeof bytes && std::ferror(file)) return false;
  block.count = static_cast<std::uint32_t>(n);
  block.endOfFile = n < sizeof bytes;
  block.checksum = platform::Crc32Chain(0, bytes, n);
  block.characters.clear();
  AppendDataCharacters(block.characters, bytes, n);
  return true;
}

// One attempt at the whole file; the result code, or 1 when the printer
// asks for the whole file again ("Fehler 7").
int SendFile(int handle, std::FILE* file, const std::string& name, std::uint32_t t, int& fileRetries) {
  std::uint32_t offset = 0;
  Block block;
  std::string reply;
  for (;;) {
    if (!ReadBlock(file, offset, block)) return kDownloadLocalReadFailed;
    // An empty file, or one that ended with the last full block, is complete.
    if (block.count == 0) return kDownloadDone;
    const std::string line = DownloadsCommand(name, offset, block.count, block.checksum, t);
    for (int attempts = 1;; ++attempts) {
      if (attempts > kDownloadBlockRetries) return kDownloadBlockRetriesOut;
      if (attempts > 1 && ++fileRetries > kDownloadFileRetries) return kDownloadFileRetriesOut;
      if (ComSendCommand(handle, line, reply, t) != 0) return kDownloadExchangeFailed;
      if (!reply.empty()) {
        if (AsksForCommandAgain(reply)) {
          platform::SleepMs(100);
          continue;
        }
        if (BeginsWith(reply, "Fehler 1")) return kDownloadRefused1;
        if (BeginsWith(reply, "Fehler 3")) return kDownloadRefused3;
        return kDownloadRefused;
      }
      int length = static_cast<int>(block.characters.size());
      if (ComWriteBlock(handle, block.characters.data(), block.characters.size(), t) != length)
        return kDownloadShortWrite;
      if (ComReadReply(handle, reply, t) != 0) return kDownloadNoDataReply;
      if (reply.empty()) break;
      if (BeginsWith(reply, "Fehler 4") || BeginsWith(reply, "Fehler 5") || BeginsWith(reply, "Fehler 6"))
        continue;  // the same block, announced again
      if (BeginsWith(reply, "Fehler 7")) {
        if (++fileRetries > kDownloadFileRetries) return kDownloadFileRetriesOut;
        return 1;
      }
      return kDownloadUnexpectedReply;
    }
    offset += block.count;
    if (block.endOfFile) return kDownloadDone;
  }
}

}  // namespace

int DownloadToPrinter(const std::string& localPath, std::string_view printerName, std::uint32_t t) {
  File file(std::fopen(localPath.c_str(), "rb"), &std::fclose);
  if (!file) return kDownloadCannotOpen;
  const int handle = ComPortHandle;
  const std::string name(printerName);
  int fileRetries = 0;
  int result;
  do {
    result = SendFile(handle, file.get(), name, t, fileRetries);
  } while (result == 1);
  ComPurge(handle);
  if (result != kDownloadDone) {
    // Tells the printer that this file will not be completed, and gives it
    // its own time limit to drop it. A line that takes no byte at all any
    // more (unplugged, hung up) has no printer behind it to wait for.
    const int eot = ComWriteByte(handle, kEot, t);
    if (!ComPortFailed(eot)) platform::SleepMs(t + 1000);
  }
  return result;
}

}  // namespace printerlink
