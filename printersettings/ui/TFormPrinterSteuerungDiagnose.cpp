#include "printersettings/ui/TFormPrinterSteuerungDiagnose.h"

#include <algorithm>

#include "platform/qt/LanguageTexts.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/PrinterWindowState.h"
#include "printersettings/ui/DisplayUnitPanel.h"
#include "printersettings/ui/InfoRows.h"

TFormPrinterSteuerungDiagnose* FormPrinterSteuerungDiagnose = nullptr;

namespace {

using namespace printersettings::ui;

// Two columns of rows: the inputs and speeds, the controller.
constexpr int kLeft = 0;
constexpr int kRight = kInfoColumnWidth + 8;
constexpr int kWidth = kRight + kInfoColumnWidth + 8;
constexpr int kDisplayHeight = 2 * kInfoRowHeight + 4;

}  // namespace

TFormPrinterSteuerungDiagnose::TFormPrinterSteuerungDiagnose(QWidget* owner)
    : PrinterWindow(owner, "FormPrinterSteuerungDiagnose", QStringLiteral(" Steuerung Diagnose"), true,
                    &printerthread::PrinterWindows().DiagnosisVisible) {
  FormPrinterSteuerungDiagnose = this;
  InfoColumn inputs{this, kLeft};
  inputs.Section(LabelDruckstartTitel, QStringLiteral("Start"));
  inputs.Row(LabelDruckstartSignalTitel, LabelDruckstartSignal, QStringLiteral("Signal"));
  inputs.Row(LabelDruckstartWahlsignalTitel, LabelDruckstartWahlsignal, QStringLiteral("Wahl Signal"));
  inputs.Gap();
  inputs.Section(LabelUnterdrueckungTitel, QStringLiteral("Unterdrückung"));
  inputs.Row(LabelUnterdrueckungSignalTitel, LabelUnterdrueckungSignal, QStringLiteral("Signal"));
  inputs.Gap();
  inputs.Section(LabelAuslaufTitel, QStringLiteral("Auslauf"));
  inputs.Row(LabelAuslaufSignalTitel, LabelAuslaufSignal, QStringLiteral("Signal"));
  inputs.Gap();
  inputs.Section(LabelBandTitel, QStringLiteral("Band"));
  inputs.Row(LabelBandSignalTitel, LabelBandSignal, QStringLiteral("Signal"));
  inputs.Gap();
  inputs.Section(LabelDruckgeschwindigkeitTitel, QStringLiteral("Geschwindigkeit"));
  inputs.Row(LabelDruckgeschwindigkeitSignalTitel, LabelDruckgeschwindigkeitSignal, QStringLiteral("Signal"));
  inputs.Row(LabelDruckgeschwindigkeitTaktquelleTitel, LabelDruckgeschwindigkeitTaktquelle,
             QStringLiteral("Taktquelle"));
  inputs.Row(LabelDruckgeschwindigkeitFaktorTitel, LabelDruckgeschwindigkeitFaktor, QStringLiteral("Faktor"));
  inputs.Row(LabelDruckgeschwindigkeitAktuellTitel, LabelDruckgeschwindigkeitAktuell, QStringLiteral("Aktuell"));
  inputs.Row(LabelDruckgeschwindigkeitMaximumTitel, LabelDruckgeschwindigkeitMaximum, QStringLiteral("Maximum"));

  InfoColumn controller{this, kRight};
  controller.Section(LabelDruckersteuerungTitel, QStringLiteral("Steuerung"));
  controller.Row(LabelDruckersteuerungDeviceTitel, LabelDruckersteuerungDevice, QStringLiteral("Device"));
  controller.Row(LabelDruckersteuerungFirmwareTitel, LabelDruckersteuerungFirmware, QStringLiteral("Firmware"));
  controller.Row(LabelDruckersteuerungStatusTitel, LabelDruckersteuerungStatus, QStringLiteral("Zustand"));
  controller.Row(LabelDruckersteuerung24VTitel, LabelDruckersteuerung24V, QStringLiteral("Spannung (24V)"));
  controller.Row(LabelDruckersteuerung5VTitel, LabelDruckersteuerung5V, QStringLiteral("Spannung (5V)"));
  controller.Row(LabelDruckersteuerung3VTitel, LabelDruckersteuerung3V, QStringLiteral("Batterie (3V)"));
  controller.Row(LabelDruckersteuerungReferenzTitel, LabelDruckersteuerungReferenz, QStringLiteral("Referenz (1.21V)"));
  controller.Row(LabelDruckersteuerungTemperaturTitel, LabelDruckersteuerungTemperatur,
                 QStringLiteral("Temperatur (CPU)"));
  controller.Gap();
  // The display unit: a title like the rows' and the two lines in place of
  // a value.
  LabelDruckersteuerungDisplayUnitTitel = AddInfoTitle(this, kRight, controller.top, QStringLiteral("Display"));
  const DisplayUnitLabels unit = AddDisplayUnitPanel(this, InfoValueRect(kRight, controller.top, kDisplayHeight));
  PanelDisplayUnit = unit.panel;
  LabelDisplayUnitZeile0 = unit.line0;
  LabelDisplayUnitZeile1 = unit.line1;
  LabelDruckersteuerungDisplayUnit = unit.value;
  controller.top += kDisplayHeight;

  NAME_AFTER_MEMBER(LabelDruckstartTitel);
  NAME_AFTER_MEMBER(LabelDruckstartSignalTitel);
  NAME_AFTER_MEMBER(LabelDruckstartWahlsignalTitel);
  NAME_AFTER_MEMBER(LabelUnterdrueckungTitel);
  NAME_AFTER_MEMBER(LabelUnterdrueckungSignalTitel);
  NAME_AFTER_MEMBER(LabelAuslaufTitel);
  NAME_AFTER_MEMBER(LabelAuslaufSignalTitel);
  NAME_AFTER_MEMBER(LabelBandTitel);
  NAME_AFTER_MEMBER(LabelBandSignalTitel);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitTitel);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitSignalTitel);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitTaktquelleTitel);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitFaktorTitel);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitAktuellTitel);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitMaximumTitel);
  NAME_AFTER_MEMBER(LabelDruckersteuerungTitel);
  NAME_AFTER_MEMBER(LabelDruckersteuerungDeviceTitel);
  NAME_AFTER_MEMBER(LabelDruckersteuerungFirmwareTitel);
  NAME_AFTER_MEMBER(LabelDruckersteuerungStatusTitel);
  NAME_AFTER_MEMBER(LabelDruckersteuerung24VTitel);
  NAME_AFTER_MEMBER(LabelDruckersteuerung5VTitel);
  NAME_AFTER_MEMBER(LabelDruckersteuerung3VTitel);
  NAME_AFTER_MEMBER(LabelDruckersteuerungReferenzTitel);
  NAME_AFTER_MEMBER(LabelDruckersteuerungTemperaturTitel);
  NAME_AFTER_MEMBER(LabelDruckstartSignal);
  NAME_AFTER_MEMBER(LabelDruckstartWahlsignal);
  NAME_AFTER_MEMBER(LabelUnterdrueckungSignal);
  NAME_AFTER_MEMBER(LabelAuslaufSignal);
  NAME_AFTER_MEMBER(LabelBandSignal);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitSignal);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitTaktquelle);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitFaktor);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitAktuell);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitMaximum);
  NAME_AFTER_MEMBER(LabelDruckersteuerungDevice);
  NAME_AFTER_MEMBER(LabelDruckersteuerungFirmware);
  NAME_AFTER_MEMBER(LabelDruckersteuerungStatus);
  NAME_AFTER_MEMBER(LabelDruckersteuerung24V);
  NAME_AFTER_MEMBER(LabelDruckersteuerung5V);
  NAME_AFTER_MEMBER(LabelDruckersteuerung3V);
  NAME_AFTER_MEMBER(LabelDruckersteuerungReferenz);
  NAME_AFTER_MEMBER(LabelDruckersteuerungTemperatur);
  NAME_AFTER_MEMBER(LabelDisplayUnitZeile0);
  NAME_AFTER_MEMBER(LabelDisplayUnitZeile1);
  NAME_AFTER_MEMBER(LabelDruckersteuerungDisplayUnitTitel);
  NAME_AFTER_MEMBER(LabelDruckersteuerungDisplayUnit);
  setFixedSize(kWidth, std::max(inputs.top, controller.top) + 4);
  ShowUnknown();
}

TFormPrinterSteuerungDiagnose::~TFormPrinterSteuerungDiagnose() {
  if (FormPrinterSteuerungDiagnose == this) FormPrinterSteuerungDiagnose = nullptr;
}

void TFormPrinterSteuerungDiagnose::ResetDisplay(const printerthread::DisplayView&) { ShowUnknown(); }

void TFormPrinterSteuerungDiagnose::ShowUnknown() {
  for (QLabel* l : {LabelDruckstartSignal, LabelDruckstartWahlsignal, LabelUnterdrueckungSignal, LabelAuslaufSignal,
                    LabelBandSignal, LabelDruckgeschwindigkeitSignal, LabelDruckgeschwindigkeitTaktquelle,
                    LabelDruckgeschwindigkeitFaktor, LabelDruckgeschwindigkeitAktuell, LabelDruckgeschwindigkeitMaximum,
                    LabelDruckersteuerungDevice, LabelDruckersteuerungFirmware, LabelDruckersteuerungStatus,
                    LabelDruckersteuerung24V, LabelDruckersteuerung5V, LabelDruckersteuerung3V,
                    LabelDruckersteuerungReferenz, LabelDruckersteuerungTemperatur})
    l->setText(QStringLiteral("?"));
  ShowDisplayUnit({PanelDisplayUnit, LabelDisplayUnitZeile0, LabelDisplayUnitZeile1, LabelDruckersteuerungDisplayUnit},
                  LabelDruckersteuerungDisplayUnitTitel, printerthread::DisplayUnitUnknown());
}

void TFormPrinterSteuerungDiagnose::RefreshDisplay(const printerthread::DisplayView& view) {
  const printerthread::PrinterMirror& m = view.mirror;
  auto show = [](QLabel* label, const std::string& text) { label->setText(platform::ToQt(text)); };
  show(LabelDruckstartSignal, m.StartSignalText);
  show(LabelDruckstartWahlsignal, m.SelectSignalText);
  show(LabelUnterdrueckungSignal, m.SuppressionSignalText);
  show(LabelAuslaufSignal, m.RunOutSignalText);
  show(LabelBandSignal, m.BeltSignalText);
  show(LabelDruckgeschwindigkeitSignal, m.SpeedSignalText);
  show(LabelDruckgeschwindigkeitTaktquelle, m.ClockSpeedText);
  show(LabelDruckgeschwindigkeitFaktor, m.FactorText);
  show(LabelDruckgeschwindigkeitAktuell, m.ActualSpeedText);
  show(LabelDruckgeschwindigkeitMaximum, m.MaximumSpeedText);
  show(LabelDruckersteuerungDevice, m.DeviceText);
  show(LabelDruckersteuerungFirmware, m.FirmwareText);
  show(LabelDruckersteuerungStatus, m.StatusText);
  show(LabelDruckersteuerung24V, m.Voltage24Text);
  show(LabelDruckersteuerung5V, m.Voltage5Text);
  show(LabelDruckersteuerung3V, m.BatteryText);
  show(LabelDruckersteuerungReferenz, m.ReferenceText);
  show(LabelDruckersteuerungTemperatur, m.TemperatureText);
  ShowDisplayUnit({PanelDisplayUnit, LabelDisplayUnitZeile0, LabelDisplayUnitZeile1, LabelDruckersteuerungDisplayUnit},
                  LabelDruckersteuerungDisplayUnitTitel, printerthread::DisplayUnitLines(m));
}
