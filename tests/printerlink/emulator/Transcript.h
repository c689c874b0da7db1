#pragma once
// What went over the line, as the emulator saw it.
#include <string>

namespace printeremu {

enum class EntryKind {
  Command,  // a command line from the PC, without its CR
  Data,     // data characters: a download block received, an upload block sent
  Reply,    // the text of a reply sent (between STX and ETX)
  Control,  // EOT received, XOFF/XON sent
  Fault,    // a fault the emulator showed, described
  Boot,     // a boot-loader exchange, described ("WRITE 08000000 256", "ERASE MASS", ...)
  Garbled,  // bytes dropped because the PC's line framing did not match
};

struct TranscriptEntry {
  EntryKind kind;
  std::string text;
};

}  // namespace printeremu
