#pragma once
// The command lines of the checksummed file transfers. Each carries its own
// checksum: that of the keyword alone, continued over the argument text
// (the blank between them is not summed).
#include <cstdint>
#include <string>
#include <string_view>

namespace printerlink {

// Crc32Chain(Crc32Chain(0, keyword), args).
std::uint32_t CommandChecksum(std::string_view keyword, std::string_view args);

// keyword, blank, args, blank, the command checksum as "%08X" (no CR).
std::string ChecksummedCommand(std::string_view keyword, std::string_view args);

// Printer file names go into the transfer commands upper-cased (ASCII letters
// only, as the printer's C locale does it).
std::string UpperPrinterName(std::string_view name);

// "DOWNLOADS %s %d %d %08X %d %08X": name, offset, byte count, block checksum, t.
std::string DownloadsCommand(std::string_view name, std::uint32_t offset, std::uint32_t count,
                             std::uint32_t blockChecksum, std::uint32_t t);

// "UPLOADS %s %d %d %d %08X": name, offset, bytes asked for, t.
std::string UploadsCommand(std::string_view name, std::uint32_t offset, std::uint32_t asked, std::uint32_t t);

}  // namespace printerlink
