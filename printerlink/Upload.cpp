#include "printerlink/Upload.h"

#include <algorithm>
#include <chrono>

#include "platform/FileIO.h"
#include "printerlink/ControlBytes.h"
#include "printerlink/DataCharacters.h"
#include "printerlink/HexText.h"
#include "platform/LinkChecksum.h"
#include "printerlink/PortIo.h"
#include "printerlink/PortState.h"
#include "printerlink/TransferCommand.h"

namespace printerlink {

int UploadBlockSize = kUploadBlockStart;

namespace {

// Codes below this mark a bad block, which is asked for again.
constexpr int kBadBlock = -1000;

// Reads off what the printer still sends of a bad block (its data can run
// on after the link gave up on it), so that no part of it passes for the
// next block's count. Ends after 100 ms of silence, or after t ms: USB
// serial adapters hand on their bytes in bursts up to some 16 ms apart, and
// a busy machine can hold the sender back for longer than that.
void DiscardRestOfBlock(int handle, std::uint32_t t) {
  constexpr int kSilenceMs = 100;
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(t);
  std::uint8_t b;
  while (std::chrono::steady_clock::now() < until && ComReadByte(handle, &b, kSilenceMs) == 1) {
  }
}

// One request; the byte count received (placed in `bytes`), a negative
// result code, or kBadBlock - code for a block to ask for again.
int FetchBlock(int handle, const std::string& name, std::uint32_t offset, std::uint32_t asked, std::uint32_t t,
               std::string& bytes) {
  bytes.clear();
  ComPurge(handle);
  std::string line = UploadsCommand(name, offset, asked, t);
  line.push_back(static_cast<char>(kCr));
  if (ComWriteBlock(handle, line.data(), line.size(), t) != static_cast<int>(line.size()))
    return kUploadRequestNotWritten;

  std::string text;
  switch (ComReadReply(handle, text, t, kUploadTextBufferSize)) {
    case 0: break;
    case -1: return kUploadNoCount;
    case -3: return kUploadCountTooLong;
    default: return kUploadCountBroken;
  }
  if (AsksForCommandAgain(text)) return kBadBlock - 32;
  if (IsRefusal(text)) return kUploadCountRefused;
  auto count = ParseUnsigned(text);
  if (!count) return kUploadCountNotNumber;
  if (*count > asked) return kBadBlock - 35;

  std::uint32_t crc = platform::CrcInitFrom(0);
  bytes.reserve(*count);
  for (std::uint32_t i = 0; i < *count; ++i) {
    std::uint8_t first, second;
    if (ComReadByte(handle, &first, t) != 1) return kUploadDataFirstFailed;
    if (first == kStx) return kBadBlock - 41;
    if (ComReadByte(handle, &second, t) != 1) return kUploadDataSecondFailed;
    if (second == kStx) return kBadBlock - 43;
    std::uint8_t byte = DecodeDataPair(first, second);
    crc = platform::Crc32Update(crc, byte);
    bytes.push_back(static_cast<char>(byte));
  }

  std::uint8_t b;
  if (ComReadByte(handle, &b, t) != 1) return kUploadTrailerNoStx;
  if (b != kStx) return kBadBlock - 51;
  if (ComReadByte(handle, &b, t) != 1) return kUploadTrailerNoBlank;
  if (b != ' ') return kBadBlock - 53;
  switch (ComReadUntilEtx(handle, text, t, kUploadTextBufferSize)) {
    case 0: break;
    case -2: return kBadBlock - 58;  // no "%08X" fits a text this long
    default: return kUploadTrailerBroken;
  }
  if (BeginsWith(text, "Fehler 6")) return kBadBlock - 55;
  if (BeginsWith(text, "Fehler 7")) return kBadBlock - 56;
  if (IsRefusal(text)) return kUploadTrailerRefused;
  auto sum = ParseHex32(text);
  if (!sum) return kBadBlock - 58;
  if (*sum != crc) return kBadBlock - 59;
  return static_cast<int>(*count);
}

int Upload(int handle, platform::AtomicFile& file, const std::string& name, std::uint32_t t) {
  std::uint32_t offset = 0;
  int badInARow = 0;
  int badInFile = 0;
  std::string bytes;
  for (;;) {
    const std::uint32_t asked = static_cast<std::uint32_t>(UploadBlockSize / 2);
    int got = FetchBlock(handle, name, offset, asked, t, bytes);
    if (got <= kBadBlock) {
      if (++badInARow >= 3) return kUploadThreeBadBlocks;
      if (++badInFile > kUploadBadBlocksInFile) return kUploadTooManyBadBlocks;
      DiscardRestOfBlock(handle, t);
      UploadBlockSize = std::max(UploadBlockSize - kUploadBlockStep, kUploadBlockMin);
      continue;
    }
    if (got < 0) return got;
    if (!file.Append(bytes)) return kUploadWriteFailed;
    offset += static_cast<std::uint32_t>(got);
    badInARow = 0;
    UploadBlockSize = std::min(UploadBlockSize + kUploadBlockStep, kUploadBlockMax);
    if (static_cast<std::uint32_t>(got) < asked) return kUploadDone;
  }
}

}  // namespace

int UploadFromPrinter(const std::string& localPath, std::string_view printerName, std::uint32_t t) {
  // The local file is replaced only by a complete upload.
  platform::AtomicFile file(localPath);
  if (!file.Open()) return kUploadCannotCreate;
  const int handle = ComPortHandle;
  int result = Upload(handle, file, std::string(printerName), t);
  ComPurge(handle);
  if (result == kUploadDone && !file.Commit()) result = kUploadCannotReplace;
  return result;
}

}  // namespace printerlink
