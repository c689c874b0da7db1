#pragma once
// The printer's three panel programs "Programm 1" to "Programm 3", one
// column each: the mode ("Aus" or "Dauertest", a continuous test print),
// and for a test the print text (1 to 99), the speed (1 to 1000 mm/s) and
// the pause (0 to 10000 ms), which can be set only while the mode is
// "Dauertest" and keep their values otherwise. The three columns share one
// set of handlers; held "-" and "+" repeat faster the longer they are held.
// OK raises three "PROG %d %d %d %d %d".
#include <QLabel>
#include <QString>
#include <array>

#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/RepeatTimer.h"
#include "printersettings/ui/SettingForm.h"
#include "printersettings/ui/SettingWidgets.h"

class TFormPrinterBedienteilProgramme
    : public printersettings::ui::SettingFormFor<printerthread::ProgramsRequest> {
 public:
  using Values = std::array<int, 3>;

  explicit TFormPrinterBedienteilProgramme(QWidget* owner,
                                           printerthread::RequestSlot<printerthread::ProgramsRequest>& slot =
                                               printerthread::PrinterRequests().Programs);
  ~TFormPrinterBedienteilProgramme() override;

  Values PrinterProgramMode{-1, -1, -1}, EditProgramMode{-1, -1, -1};
  Values PrinterProgramText{-1, -1, -1}, EditProgramText{-1, -1, -1};
  Values PrinterProgramSpeed{-1, -1, -1}, EditProgramSpeed{-1, -1, -1};    // mm/s
  Values PrinterProgramPause{-1, -1, -1}, EditProgramPause{-1, -1, -1};    // ms
  // The program of the button last pressed, -1 for none.
  int ActiveRow = -1;
  // "Aus", "Dauertest".
  QString ModeNames[2];

  // One value panel of a program.
  using Field = printersettings::ui::ValueRow;
  struct Program {
    platform::Panel* head;
    QLabel* title;  // "Programm n"
    Field mode, text, speed, pause;
  };
  std::array<Program, 3> Programs;

  printersettings::ui::RepeatTimer* TimerDrucktext;
  printersettings::ui::RepeatTimer* TimerGeschwindigkeit;
  printersettings::ui::RepeatTimer* TimerPause;

  // 0, 1 or 2 for any of the eight buttons of "Programm 1" to "Programm 3",
  // -1 for any other control.
  int ProgramRowOf(const QObject* button) const;

  // The handlers every program's buttons share.
  void SpeedButtonDownModusClick(QObject* sender);
  void SpeedButtonUpModusClick(QObject* sender);
  void SpeedButtonDownDrucktextClick(QObject* sender);
  void SpeedButtonUpDrucktextClick(QObject* sender);
  void SpeedButtonDownGeschwindigkeitClick(QObject* sender);
  void SpeedButtonUpGeschwindigkeitClick(QObject* sender);
  void SpeedButtonDownPauseClick(QObject* sender);
  void SpeedButtonUpPauseClick(QObject* sender);
  void UpdateView() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void CopyPrinterToEdit() override;
  printerthread::ProgramsRequest MakeRequest() const override;
  void changeEvent(QEvent* event) override;

 private:
  // Steps `values` of the sender's program by `step`.
  void Step(QObject* sender, Values& values, int step);
  // A held button's repeat on the active program.
  void Repeat(printersettings::ui::RepeatTimer* timer, Values& values, int step);
};

extern TFormPrinterBedienteilProgramme* FormPrinterBedienteilProgramme;
