#pragma once
// The console's command line as the printer thread reads it: trimmed of
// blanks and control characters at both ends, then either one of the words
// the PC handles itself or a line for the printer.
#include <cstdint>
#include <string>
#include <string_view>

namespace printerthread {

enum class ConsoleWord {
  Empty,            // nothing to do
  ClearAnswer,      // "CLS"
  Format,           // "FORMAT": sent, with the long reply time
  EditConfig,       // "EDIT.KONFIG": the configuration editor
  FirmwareInstaller,  // "TARVIK23.FIRMWAREINSTALLER"
  TooLong,          // does not fit the printer's command buffer: not sent
  Command,          // any other line: sent
};

inline constexpr std::uint32_t kConsoleReplyMs = 5000;
inline constexpr std::uint32_t kFormatReplyMs = 30000;

// Blanks and control characters (bytes up to 0x20) removed at both ends.
std::string TrimConsoleLine(std::string_view line);
// What the trimmed line asks for; the words are compared whole and exactly.
ConsoleWord ClassifyConsoleLine(std::string_view trimmed);

}  // namespace printerthread
