#pragma once
// The window captions the printer thread builds its texts from: the choice
// buttons and labels of the setting forms, the remote control's names, the
// simulation button. They start as the German form defaults; the windows
// (and the language loader through them) hand in the captions of the UI
// language. Windows-1252 bytes, as every text of the mirror.
#include <array>
#include <string>

namespace printerthread {

struct PrinterCaptions {
  // TFormPrinterGeraetTyp SpeedButton0..4.
  std::array<std::string, 5> MachineType = {"SOR", "Rerudev", "RID1", "RID1 Hatchery DC", "RID1 Hatchery AC"};
  // TFormPrinterGeraetAusrichtung SpeedButton0..5.
  std::array<std::string, 6> Orientation = {"0\xB0 -->",   "0\xB0 <--",   "0\xB0 <->",
                                            "180\xB0 -->", "180\xB0 <--", "180\xB0 <->"};
  // TFormPrinterGeraetAufstarten SpeedButton0, SpeedButton1.
  std::array<std::string, 2> Startup = {"Stop", "Drucken"};
  // TFormPrinterAuslaufModus SpeedButton0..2; the first is also the off
  // text of the pause setting.
  std::array<std::string, 3> RunOut = {"Aus", "Positiver Pegel", "Negativer Pegel"};
  // TFormPrinterStartModus: SpeedButton1, SpeedButton2, Label4Titel..Label7Titel, Label4, Label5.
  std::string StartRisingEdge = "Positive Flanke";
  std::string StartFallingEdge = "Negative Flanke";
  std::array<std::string, 4> StartLabelTitles = {"Positive Flanke", "Negative Flanke", "Positive Flanke",
                                                 "Negative Flanke"};
  std::string StartLabel4 = "Interface";
  std::string StartLabel5 = "Interface";
  // TFormPrinterStartInterface InterfaceModeTexts.
  std::array<std::string, 3> InterfaceMode = {"Aus", "Positiver Pegel", "Negativer Pegel"};
  // TFormPrinterStartVerschieben / TFormPrinterUnterdrueckungVerschieben SpeedButton0.
  std::string StartShiftOff = "Aus";
  std::string SuppressionShiftOff = "Aus";
  // TFormPrinterUnterdrueckungModus SpeedButton0..4.
  std::array<std::string, 5> Suppression = {"Aus", "Positive Flanke", "Negative Flanke", "Positiver Pegel",
                                            "Negativer Pegel"};
  // TFormPrinterGeschwindigkeitTaktquelle Label0Titel and SpeedButton1..6.
  std::string ClockInternal = "Intern";
  std::array<std::string, 6> ClockExternal = {"Extern CPL (+)", "Extern CPL (-)",   "Extern TTL (+)",
                                              "Extern TTL (-)", "Extern Interface", "Extern 24V"};
  // TFormPrinterGeschwindigkeitFaktor SpeedButton0.
  std::string FactorOff = "Aus";
  // TFormPrinterBedienteilTyp SpeedButton0, SpeedButton1, Label2Titel, SpeedButton3.
  std::array<std::string, 4> PanelType = {"Aus", "Schalter", "REDAdid", "DEZOzed"};
  // TFormPrinterBedienteilOption SpeedButton0, Label1Titel, SpeedButton2, Label3Titel, Label4Titel.
  std::array<std::string, 5> Option = {"Aus", "REDAdid", "DEZOzed", "DisplayUnit", "SignalUnit"};
  // TFormEinstellenPC SpeedButtonSimulation.
  std::string Simulation = "Simulation";
  // TFormPrinterFernsteuerung NameTexts: the print-data codes 0, 1000..1003,
  // then the state names.
  std::array<std::string, 17> NameTexts = {"D\xFCsenreinigung", "AU", "P1", "P2", "P3", "Aus", "Standby",
                                           "Aufstarten", "Update", "Benutzer", "Laden", "PC", "Stop",
                                           "Drucken", "Pause", "FL", "Fehler"};
};

}  // namespace printerthread
