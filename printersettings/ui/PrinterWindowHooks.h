#pragma once
// The printer windows that other parts of the program bring, and how the
// settings view and the printer menu reach them. Start-up fills in the ones
// that exist; a tile or menu entry whose window is missing shows its value
// but offers no button.
//
//   auto& w = printersettings::ui::OtherPrinterWindows();
//   w.BedienteilTyp = FormPrinterBedienteilTyp;     // a SettingForm
//   w.Diagnose = FormPrinterSteuerungDiagnose;      // a modeless window
#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "printersettings/ui/SettingForm.h"

namespace printersettings::ui {

struct PrinterWindowHooks {
  // Setting forms of the "Bedienteil" and "Steuerung" sections: their tile
  // opens them modally and raises their request on OK.
  QPointer<SettingForm> BedienteilTyp, BedienteilOption, BedienteilProgramme;
  QPointer<SettingForm> SteuerungUhr, SteuerungCounter, SteuerungPulsdauer;
  // "Kommunikation": shown modally, its result ignored.
  QPointer<QDialog> Kommunikation;
  // Toggled: closed while visible, else shown. The diagnosis window
  // ("Aktuell", "Diagnose"), the remote control ("Zustand" and the printer
  // menu's "Fernsteuerung"), the console ("CLI").
  QPointer<QWidget> Diagnose, Fernsteuerung, Konsole;
  // The firmware installer, which the console shows (or brings to the
  // front) for its word "TARVIK23.FIRMWAREINSTALLER".
  QPointer<QWidget> FirmwareInstaller;
  // Whether the open counter form holds a change not sent yet (the counter
  // tile then shows the count in parentheses).
  std::function<bool()> CounterChangePending;
};

// The one set the view and the menu use.
PrinterWindowHooks& OtherPrinterWindows();

// A modeless window's toggle: closed while visible, else shown; nothing
// for a window that does not exist.
void ToggleWindow(QWidget* window);

}  // namespace printersettings::ui
