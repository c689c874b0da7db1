#include "printerlink/thread/ConsoleLine.h"

#include "printerlink/thread/PrinterSession.h"

namespace printerthread {

std::string TrimConsoleLine(std::string_view line) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  std::size_t begin = 0, end = line.size();
  while (begin < end && blank(line[begin])) ++begin;
  while (end > begin && blank(line[end - 1])) --end;
  return std::string(line.substr(begin, end - begin));
}

ConsoleWord ClassifyConsoleLine(std::string_view trimmed) {
  if (trimmed.empty()) return ConsoleWord::Empty;
  if (trimmed == "CLS") return ConsoleWord::ClearAnswer;
  if (trimmed == "FORMAT") return ConsoleWord::Format;
  if (trimmed == "EDIT.KONFIG") return ConsoleWord::EditConfig;
  if (trimmed == "TARVIK23.FIRMWAREINSTALLER") return ConsoleWord::FirmwareInstaller;
  // Cutting it would send another command than the one typed.
  if (trimmed.size() > kMaxThreadCommand) return ConsoleWord::TooLong;
  return ConsoleWord::Command;
}

}  // namespace printerthread
