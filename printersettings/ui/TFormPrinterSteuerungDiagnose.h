#pragma once
// The diagnosis window (" Steuerung Diagnose"): what the printer reports of
// its inputs, speeds, identity, state, supply and display unit, as the
// printer thread's display steps write it. Modeless and read-only; while it
// is shown the printer thread asks the inputs, speeds and analogue values
// many times a second. The settings view's "Diagnose" and "Aktuell" tiles
// open and close it (Toggle).
#include <QLabel>

#include "platform/qt/Panel.h"
#include "printersettings/ui/PrinterWindow.h"

class TFormPrinterSteuerungDiagnose : public printersettings::ui::PrinterWindow {
 public:
  explicit TFormPrinterSteuerungDiagnose(QWidget* owner);
  ~TFormPrinterSteuerungDiagnose() override;

  // Section and row titles.
  QLabel* LabelDruckstartTitel;
  QLabel* LabelDruckstartSignalTitel;
  QLabel* LabelDruckstartWahlsignalTitel;
  QLabel* LabelUnterdrueckungTitel;
  QLabel* LabelUnterdrueckungSignalTitel;
  QLabel* LabelAuslaufTitel;
  QLabel* LabelAuslaufSignalTitel;
  QLabel* LabelBandTitel;
  QLabel* LabelBandSignalTitel;
  QLabel* LabelDruckgeschwindigkeitTitel;
  QLabel* LabelDruckgeschwindigkeitSignalTitel;
  QLabel* LabelDruckgeschwindigkeitTaktquelleTitel;
  QLabel* LabelDruckgeschwindigkeitFaktorTitel;
  QLabel* LabelDruckgeschwindigkeitAktuellTitel;
  QLabel* LabelDruckgeschwindigkeitMaximumTitel;
  QLabel* LabelDruckersteuerungTitel;
  QLabel* LabelDruckersteuerungDeviceTitel;
  QLabel* LabelDruckersteuerungFirmwareTitel;
  QLabel* LabelDruckersteuerungStatusTitel;
  QLabel* LabelDruckersteuerung24VTitel;
  QLabel* LabelDruckersteuerung5VTitel;
  QLabel* LabelDruckersteuerung3VTitel;
  QLabel* LabelDruckersteuerungReferenzTitel;
  QLabel* LabelDruckersteuerungTemperaturTitel;

  // The values, "?" until the printer has answered.
  QLabel* LabelDruckstartSignal;
  QLabel* LabelDruckstartWahlsignal;
  QLabel* LabelUnterdrueckungSignal;
  QLabel* LabelAuslaufSignal;
  QLabel* LabelBandSignal;
  QLabel* LabelDruckgeschwindigkeitSignal;
  QLabel* LabelDruckgeschwindigkeitTaktquelle;
  QLabel* LabelDruckgeschwindigkeitFaktor;
  QLabel* LabelDruckgeschwindigkeitAktuell;
  QLabel* LabelDruckgeschwindigkeitMaximum;
  QLabel* LabelDruckersteuerungDevice;
  QLabel* LabelDruckersteuerungFirmware;
  QLabel* LabelDruckersteuerungStatus;
  QLabel* LabelDruckersteuerung24V;
  QLabel* LabelDruckersteuerung5V;
  QLabel* LabelDruckersteuerung3V;
  QLabel* LabelDruckersteuerungReferenz;
  QLabel* LabelDruckersteuerungTemperatur;
  // The display unit: its two lines while it is fitted, else "Display"
  // and "-" in the title and value labels.
  platform::Panel* PanelDisplayUnit;
  QLabel* LabelDisplayUnitZeile0;
  QLabel* LabelDisplayUnitZeile1;
  QLabel* LabelDruckersteuerungDisplayUnitTitel;
  QLabel* LabelDruckersteuerungDisplayUnit;

  void ResetDisplay(const printerthread::DisplayView& view) override;
  void RefreshDisplay(const printerthread::DisplayView& view) override;

 private:
  // Every value unknown, as before the printer's first answer.
  void ShowUnknown();
};

extern TFormPrinterSteuerungDiagnose* FormPrinterSteuerungDiagnose;
