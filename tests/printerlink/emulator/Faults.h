#pragma once
// Faults the emulator can be told to show, per command or per block.
#include <cstdint>
#include <string>

namespace printeremu {

// Where in an exchange a fault strikes.
enum class FaultPoint {
  CommandReply,  // the reply to a command line ("DOWNLOADS": the announcement's; "UPLOADS": the count)
  BlockReply,    // "DOWNLOADS": the reply after the block's data; "UPLOADS": the trailer
};

enum class FaultAction {
  Reply,          // answer `text` instead (for example "Fehler 7"); the printer did not take it
  Silence,        // no answer at all; the printer did not take it
  MissingEtx,     // the reply without its ETX; the printer did not take it
  JunkBeforeStx,  // `text` (or some noise) before the reply's STX
  Delay,          // the reply `ms` late
  XoffPause,      // XOFF before the reply, XON `ms` after it: the PC cannot send meanwhile
  WrongChecksum,  // "UPLOADS" trailer: a checksum that does not match the data
  CountOffset,    // "UPLOADS" count: `value` added to the count announced; the real data follows
  HangUp,         // the line goes dead instead of the reply, as when the USB adapter is pulled out
};

struct Fault {
  std::string command;  // first word of the command line; empty for every command
  FaultPoint point = FaultPoint::CommandReply;
  FaultAction action = FaultAction::Reply;
  std::string text;
  int ms = 0;
  int value = 0;
  int skip = 0;   // matching occasions that pass before the first hit
  int times = 1;  // occasions hit; negative for every one

  // The printer does not act on what it refuses or leaves unanswered.
  bool Refuses() const {
    return action == FaultAction::Reply || action == FaultAction::Silence || action == FaultAction::MissingEtx ||
           action == FaultAction::HangUp;
  }
};

inline Fault ReplyFault(std::string command, FaultPoint point, std::string text, int skip = 0, int times = 1) {
  Fault f;
  f.command = std::move(command);
  f.point = point;
  f.action = FaultAction::Reply;
  f.text = std::move(text);
  f.skip = skip;
  f.times = times;
  return f;
}

inline Fault ActionFault(std::string command, FaultPoint point, FaultAction action, int skip = 0, int times = 1) {
  Fault f;
  f.command = std::move(command);
  f.point = point;
  f.action = action;
  f.skip = skip;
  f.times = times;
  return f;
}

// Boot-loader faults: at the acknowledgement number `ack` (0 the one after
// the command bytes, 1 the next, 2 the third) of command `command` (0x7F for
// the synchronisation) a NACK goes out instead, or nothing, or the line goes
// dead; or the acknowledgement goes out and what follows is wrong: Get ID
// (0x02, ack 0) names another product, Read Memory (0x11, ack 2) sends its
// first byte altered.
enum class BootFaultKind { Nack, Silence, HangUp, WrongId, Corrupt };

struct BootFault {
  std::uint8_t command = 0x7F;
  int ack = 0;
  BootFaultKind kind = BootFaultKind::Nack;
  int skip = 0;
  int times = 1;
};

}  // namespace printeremu
