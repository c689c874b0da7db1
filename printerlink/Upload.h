#pragma once
// "UPLOADS": a printer file comes to a local file in checksummed blocks
// whose size adapts to the line. The caller holds the port lock.
#include <cstdint>
#include <string>
#include <string_view>

namespace printerlink {

// Characters per request (a request asks for half as many bytes). Shared by
// all uploads and kept between them; grows by 1024 after each good block up
// to 4096 and shrinks by 1024 after each bad one down to 128.
extern int UploadBlockSize;
inline constexpr int kUploadBlockStart = 2048;
inline constexpr int kUploadBlockMax = 4096;
inline constexpr int kUploadBlockMin = 128;
inline constexpr int kUploadBlockStep = 1024;

// Three bad blocks in a row end the upload; so do more than this many bad
// blocks in one file, so that a printer that fails every other block cannot
// hold the port lock for ever.
inline constexpr int kUploadBadBlocksInFile = 32;

// The count and trailer texts are a few characters; longer ones are noise.
inline constexpr std::size_t kUploadTextBufferSize = 64;

enum UploadResult : int {
  kUploadDone = 0,
  kUploadCannotCreate = -10,       // the temporary file beside the local file
  kUploadRequestNotWritten = -20,
  kUploadNoCount = -30,            // no STX before the count
  kUploadCountBroken = -31,        // the count's text ended early
  kUploadCountRefused = -33,       // "Fehler ..." other than 2 / Syntax
  kUploadCountNotNumber = -34,
  kUploadCountTooLong = -36,       // the count's text overflowed its buffer
  kUploadDataFirstFailed = -40,
  kUploadDataSecondFailed = -42,
  kUploadWriteFailed = -44,        // writing the local file failed
  kUploadCannotReplace = -45,      // the finished file could not replace the local file
  kUploadTrailerNoStx = -50,
  kUploadTrailerNoBlank = -52,
  kUploadTrailerBroken = -54,
  kUploadTrailerRefused = -57,     // "Fehler ..." other than 6 / 7
  kUploadThreeBadBlocks = -60,
  kUploadTooManyBadBlocks = -61,
};

// The local file is replaced only when the whole printer file has arrived;
// after a failure it is as it was before the call.
int UploadFromPrinter(const std::string& localPath, std::string_view printerName, std::uint32_t t);

}  // namespace printerlink
