#include "printerlink/thread/FirmwareBoxes.h"

#include <initializer_list>

namespace printerthread {
namespace {

constexpr std::uint32_t kGreen = 0x008000;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kYellow = 0x00FFFF;

// Each line ends with a line break and an empty line; one more empty line
// follows the last.
std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\n\n";
  return text + "\n";
}

}  // namespace

FirmwareBox FirmwareBoxFor(int result, bool german) {
  switch (result) {
    case kFirmwareInstalled:
      return {german ? Lines({"Die Firmware wurde erfolgreich auf dem Printer installiert.",
                              "Alle Daten und Einstellungen sind auf dem Printer noch vorhanden."})
                     : Lines({"The Firmware was successfully installed on the Printer.",
                              "All data and settings are still available on the Printer."}),
              kGreen, true};
    case kFirmwareUnsupported:
      return {german ? Lines({"Die Firmware auf dem Printer unterst\xFCtzt das Installieren von neuer Firmware nicht.",
                              "Die Druckersteuerung (ZozaZade23) muss ersetzt werden."})
                     : Lines({"The firmware on the Printer does not support the installation of new firmware.",
                              "The Printer controler (ZozaZade23) must be replaced."}),
              kRed, false};
    case kFirmwareControllerDefect:
      return {german ? Lines({"Die Druckersteuerung (ZozaZade23) muss ersetzt werden!"})
                     : Lines({"The Printer controler (ZozaZade23) must be replaced!"}),
              kRed, false};
    case kFirmwareRestart:
      return {german ? Lines({"Die Firmware wurde auf dem Printer installiert.",
                              "Alle Daten und Einstellungen sind auf dem Printer noch vorhanden.",
                              "Bitte den Printer aus- und wieder einschalten."})
                     : Lines({"The Firmware was installed on the Printer.",
                              "All data and settings are still available on the Printer.",
                              "Please turn the Printer off and on again."}),
              kYellow, true};
    default:
      return {german ? Lines({"Die Firmware konnte nicht auf dem Printer installiert werden.", "Bitte nochmals versuchen."})
                     : Lines({"The Firmware could not be installed on the Printer.", "Please try again."}),
              kRed, false};
  }
}

}  // namespace printerthread
