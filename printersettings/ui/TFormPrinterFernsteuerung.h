#pragma once
// The remote control (" Fernsteuerung"): the printer's state, the print data
// it prints and its print mode, with steps to choose others, the buttons
// that move it to printing, stop or standby, and its display unit's two
// lines with the unit's key. Modeless; the settings view's "Zustand" tile
// and the printer menu's "Fernsteuerung" open and close it (Toggle).
//
// The window never talks to the printer: each button raises a request with
// the values chosen at the click (print data "DT", print mode "DPI" or the
// print-mode table's index "DPI.INDEX", the level, the key), which the
// printer thread serves between its polls. So a click waits for nothing,
// also while a long transfer holds the port, and a click made meanwhile is
// served afterwards.
#include <QLabel>
#include <array>
#include <string>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "printerlink/thread/PrinterWindowState.h"
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/PrinterWindow.h"
#include "printersettings/ui/RepeatTimer.h"

class TFormPrinterFernsteuerung : public printersettings::ui::PrinterWindow {
 public:
  explicit TFormPrinterFernsteuerung(QWidget* owner,
                                     printerthread::RequestBoard& requests = printerthread::PrinterRequests(),
                                     printerthread::PrinterWindowState& windows = printerthread::PrinterWindows());
  ~TFormPrinterFernsteuerung() override;

  platform::Panel* PanelDruckersteuerungStatus;
  QLabel* LabelDruckersteuerungStatusTitel;
  QLabel* LabelDruckersteuerungStatus;
  // Print data: the chosen code in parentheses (LabelDrucktext) and the
  // printer's (LabelDrucktextIst) in one place, one of them shown.
  platform::Panel* PanelDrucktext;
  QLabel* LabelDrucktextIstTitel;
  QLabel* LabelDrucktext;
  QLabel* LabelDrucktextIst;
  platform::SpeedButton* SpeedButtonDownDrucktext;
  platform::SpeedButton* SpeedButtonUpDrucktext;
  // Print mode, the same way; the panel is off while the nozzle cleaning is
  // chosen.
  platform::Panel* PanelDruckmodus;
  QLabel* LabelDruckmodusIstTitel;
  QLabel* LabelDruckmodus;
  QLabel* LabelDruckmodusIst;
  platform::SpeedButton* SpeedButtonDownDruckmodus;
  platform::SpeedButton* SpeedButtonUpDruckmodus;
  platform::Panel* PanelUnten;
  platform::Panel* PanelStart;
  platform::SpeedButton* SpeedButtonStart;
  platform::Panel* PanelStop;
  platform::SpeedButton* SpeedButtonStop;
  platform::Panel* PanelStandby;
  platform::SpeedButton* SpeedButtonStandby;
  // The display unit: its lines, or "Display" and "-" without one.
  platform::Panel* PanelDisplayUnit;
  QLabel* LabelDisplayUnitTitel;
  QLabel* LabelDisplayUnit;
  QLabel* LabelDisplayUnitZeile0;
  QLabel* LabelDisplayUnitZeile1;
  platform::Panel* PanelDisplayUnitKey;
  platform::SpeedButton* SpeedButtonDisplayUnit;  // off until a display unit is reported
  // Repeats the print-data steps while a button is held.
  printersettings::ui::RepeatTimer* TimerDrucktext;

  // The names of the print-data codes 0, 1000..1003, then of the printer's
  // states (the printer thread builds its texts from them).
  std::array<std::string, 17> NameTexts;

  // The printer's values as the last display step gave them.
  int PrinterTextCount = -1;
  int PrinterModeCount = -1;  // the printer's print-mode table
  std::array<int, 8> PrinterModeIndex{-1, -1, -1, -1, -1, -1, -1, -1};
  int CliWord = -1;
  int DpiIndex = -1;
  // The printer's print data and print mode, or what was last sent of them.
  int PrinterPrintText() const { return windows_.PrinterPrintText.load(); }
  int PrinterPrintMode() const { return windows_.PrinterPrintMode.load(); }

  // The operator's choice.
  int EditPrintText = -1;
  int EditPrintMode = -1;
  int PrintModeIndex = -1;
  int TargetState = -1;  // 50 Start, 40 Stop, 10 Standby
  int ButtonPressValue = -1;

  void FormShow();
  void UpdateView();

  void SpeedButtonDownDrucktextClick(QObject* sender);
  void SpeedButtonUpDrucktextClick(QObject* sender);
  void SpeedButtonDownDrucktextMouseDown();
  void SpeedButtonUpDrucktextMouseDown();
  void SpeedButtonDownDrucktextMouseUp();
  void SpeedButtonUpDrucktextMouseUp();
  void TimerDrucktextTimer(int step);
  void SpeedButtonDownDruckmodusClick(QObject* sender);
  void SpeedButtonUpDruckmodusClick(QObject* sender);
  void SpeedButtonStartClick(QObject* sender);
  void SpeedButtonStopClick(QObject* sender);
  void SpeedButtonStandbyClick(QObject* sender);
  void SpeedButtonDisplayUnitClick(QObject* sender);

  void ResetDisplay(const printerthread::DisplayView& view) override;
  void RefreshDisplay(const printerthread::DisplayView& view) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void StepPrintText(int step);
  void PressPrintText(int direction);
  void ReleasePrintText();
  void StepPrintMode(QObject* sender, bool up);
  void RaiseLevel(QObject* sender, int target);
  // The chosen label instead of the printer's, or the printer's again.
  void ShowChosenPrintText(bool chosen);
  void ShowChosenPrintMode(bool chosen);
  void TakePrinterValues(const printerthread::PrinterMirror& m);
  // The names go to the printer thread, which builds its texts from them.
  void HandNames();

  printerthread::RequestBoard& requests_;
  printerthread::PrinterWindowState& windows_;
};

extern TFormPrinterFernsteuerung* FormPrinterFernsteuerung;
