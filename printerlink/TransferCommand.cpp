#include "printerlink/TransferCommand.h"

#include "platform/NumberText.h"
#include "platform/LinkChecksum.h"

namespace printerlink {

std::uint32_t CommandChecksum(std::string_view keyword, std::string_view args) {
  return platform::Crc32Chain(platform::Crc32Chain(0, keyword), args);
}

std::string ChecksummedCommand(std::string_view keyword, std::string_view args) {
  std::string line(keyword);
  line += ' ';
  line += args;
  line += ' ';
  line += platform::Hex8(CommandChecksum(keyword, args));
  return line;
}

std::string UpperPrinterName(std::string_view name) {
  std::string upper(name);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

std::string DownloadsCommand(std::string_view name, std::uint32_t offset, std::uint32_t count,
                             std::uint32_t blockChecksum, std::uint32_t t) {
  std::string args = UpperPrinterName(name) + ' ' + std::to_string(offset) + ' ' + std::to_string(count) + ' ' +
                     platform::Hex8(blockChecksum) + ' ' + std::to_string(t);
  return ChecksummedCommand("DOWNLOADS", args);
}

std::string UploadsCommand(std::string_view name, std::uint32_t offset, std::uint32_t asked, std::uint32_t t) {
  std::string args = UpperPrinterName(name) + ' ' + std::to_string(offset) + ' ' + std::to_string(asked) + ' ' +
                     std::to_string(t);
  return ChecksummedCommand("UPLOADS", args);
}

}  // namespace printerlink
