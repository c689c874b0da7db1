#pragma once
// The result boxes of the firmware installation: text, memo colour and icon.
#include <cstdint>
#include <string>

namespace printerthread {

enum FirmwareResult : int {
  kFirmwareInstalled = 0,
  kFirmwareUnsupported = -1,        // the printer's firmware cannot take new firmware
  kFirmwareFailed = -10,            // nothing was erased: the running firmware is untouched
  kFirmwareControllerDefect = -100, // the erase, a block's write or its read-back failed
  kFirmwareRestart = -1000,         // every block written, but Go failed
};

struct FirmwareBox {
  std::string text;        // Windows-1252, with its line breaks
  std::uint32_t colour;    // of the installer's memo while the box shows, 0x00BBGGRR
  bool information;        // the information icon, else the stop icon
};

// The box of `result` in German (`german`) or English; any unknown result
// gets the box of kFirmwareFailed.
FirmwareBox FirmwareBoxFor(int result, bool german);

}  // namespace printerthread
