#pragma once
// What the printer thread is given by the program (or by a test): the PC
// settings it reads, the windows it reaches, the sequences other parts plug
// in. Every pointer left empty means the program's own object.
#include <ctime>
#include <functional>
#include <string>

namespace printerthread {

class CaptionTable;
class CommandLink;
class DisplayRegistry;
class GroupTransfer;
class PrinterMessenger;
class ServiceSequences;
struct PrinterWindowState;
struct RequestBoard;

struct ThreadEnvironment {
  // The committed PC settings, read anew at every search and every turn.
  std::function<bool()> useRs232Usb = [] { return true; };
  std::function<bool()> useBluetooth = [] { return false; };
  std::function<bool()> simulation = [] { return false; };
  // The PC's local time (the clock text and the clock writer).
  std::function<std::tm()> localNow;
  // The program's folder for temporary files, ending in "/" (display-line files).
  std::string tmpDir;

  CommandLink* link = nullptr;  // the printer port under the port lock
  PrinterMessenger* messenger = nullptr;  // none: boxes are not shown
  GroupTransfer* groupTransfer = nullptr;  // "not available"
  ServiceSequences* services = nullptr;    // "not available"
  RequestBoard* requests = nullptr;
  CaptionTable* captions = nullptr;
  PrinterWindowState* windows = nullptr;
  DisplayRegistry* displays = nullptr;
};

}  // namespace printerthread
