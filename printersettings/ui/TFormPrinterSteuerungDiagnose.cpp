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
  int top = 8;
  int left = kLeft;
  auto section = [&](QLabel*& title, const QString& text) {
    title = AddSectionTitle(this, left + 8, top, text);
    top += kInfoSectionStep;
  };
  auto row = [&](QLabel*& title, QLabel*& value, const QString& text) {
    const InfoRow r = AddInfoRow(this, left, top, text);
    title = r.title;
    value = r.value;
    top += kInfoRowStep;
  };
  auto gap = [&] { top += 6; };

  section(LabelDruckstartTitel, QStringLiteral("Start"));
  row(LabelDruckstartSignalTitel, LabelDruckstartSignal, QStringLiteral("Signal"));
  row(LabelDruckstartWahlsignalTitel, LabelDruckstartWahlsignal, QStringLiteral("Wahl Signal"));
  gap();
  section(LabelUnterdrueckungTitel, QStringLiteral("Unterdrückung"));
  row(LabelUnterdrueckungSignalTitel, LabelUnterdrueckungSignal, QStringLiteral("Signal"));
  gap();
  section(LabelAuslaufTitel, QStringLiteral("Auslauf"));
  row(LabelAuslaufSignalTitel, LabelAuslaufSignal, QStringLiteral("Signal"));
  gap();
  section(LabelBandTitel, QStringLiteral("Band"));
  row(LabelBandSignalTitel, LabelBandSignal, QStringLiteral("Signal"));
  gap();
  section(LabelDruckgeschwindigkeitTitel, QStringLiteral("Geschwindigkeit"));
  row(LabelDruckgeschwindigkeitSignalTitel, LabelDruckgeschwindigkeitSignal, QStringLiteral("Signal"));
  row(LabelDruckgeschwindigkeitTaktquelleTitel, LabelDruckgeschwindigkeitTaktquelle, QStringLiteral("Taktquelle"));
  row(LabelDruckgeschwindigkeitFaktorTitel, LabelDruckgeschwindigkeitFaktor, QStringLiteral("Faktor"));
  row(LabelDruckgeschwindigkeitAktuellTitel, LabelDruckgeschwindigkeitAktuell, QStringLiteral("Aktuell"));
  row(LabelDruckgeschwindigkeitMaximumTitel, LabelDruckgeschwindigkeitMaximum, QStringLiteral("Maximum"));
  const int leftBottom = top;

  top = 8;
  left = kRight;
  section(LabelDruckersteuerungTitel, QStringLiteral("Steuerung"));
  row(LabelDruckersteuerungDeviceTitel, LabelDruckersteuerungDevice, QStringLiteral("Device"));
  row(LabelDruckersteuerungFirmwareTitel, LabelDruckersteuerungFirmware, QStringLiteral("Firmware"));
  row(LabelDruckersteuerungStatusTitel, LabelDruckersteuerungStatus, QStringLiteral("Zustand"));
  row(LabelDruckersteuerung24VTitel, LabelDruckersteuerung24V, QStringLiteral("Spannung (24V)"));
  row(LabelDruckersteuerung5VTitel, LabelDruckersteuerung5V, QStringLiteral("Spannung (5V)"));
  row(LabelDruckersteuerung3VTitel, LabelDruckersteuerung3V, QStringLiteral("Batterie (3V)"));
  row(LabelDruckersteuerungReferenzTitel, LabelDruckersteuerungReferenz, QStringLiteral("Referenz (1.21V)"));
  row(LabelDruckersteuerungTemperaturTitel, LabelDruckersteuerungTemperatur, QStringLiteral("Temperatur (CPU)"));
  gap();
  // The display unit: a title like the rows' and the two lines in place of
  // a value.
  LabelDruckersteuerungDisplayUnitTitel = AddInfoTitle(this, left, top, QStringLiteral("Display"));
  const DisplayUnitLabels unit = AddDisplayUnitPanel(this, InfoValueRect(left, top, kDisplayHeight));
  PanelDisplayUnit = unit.panel;
  LabelDisplayUnitZeile0 = unit.line0;
  LabelDisplayUnitZeile1 = unit.line1;
  LabelDruckersteuerungDisplayUnit = unit.value;
  top += kDisplayHeight;

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
  setFixedSize(kWidth, std::max(leftBottom, top) + 4);
  ShowUnknown();
}

TFormPrinterSteuerungDiagnose::~TFormPrinterSteuerungDiagnose() {
  if (FormPrinterSteuerungDiagnose == this) FormPrinterSteuerungDiagnose = nullptr;
}

void TFormPrinterSteuerungDiagnose::ResetDisplay(const printerthread::DisplayView&) { ShowUnknown(); }

void TFormPrinterSteuerungDiagnose::ShowUnknown() {
  for (QLabel* l : {LabelDruckstartSignal, LabelDruckstartWahlsignal, LabelUnterdrueckungSignal, LabelAuslaufSignal,
                    LabelBandSignal, LabelDruckgeschwindigkeitSignal, LabelDruckgeschwindigkeitTaktquelle,
                    LabelDruckgeschwindigkeitFaktor, LabelDruckgeschwindigkeitAktuell,
                    LabelDruckgeschwindigkeitMaximum, LabelDruckersteuerungDevice, LabelDruckersteuerungFirmware,
                    LabelDruckersteuerungStatus, LabelDruckersteuerung24V, LabelDruckersteuerung5V,
                    LabelDruckersteuerung3V, LabelDruckersteuerungReferenz, LabelDruckersteuerungTemperatur})
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
