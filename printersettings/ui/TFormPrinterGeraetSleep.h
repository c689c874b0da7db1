#pragma once
// The pause of the machine's drive: "Wartezeit" before the pause (0 off,
// 1 off "+", 30 to 36000 s in steps of 30), "Rückfahrzeit" (0 off, 50 to
// 5000 ms) and "Rückfahr Power" (510 to 1000, shown in percent). The
// reverse rows are offered only where the machine has a reverse drive and
// the pause is on. OK raises "SLEEP %d %d %d".
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/SettingForm.h"
#include "printersettings/ui/SettingWidgets.h"

class TFormPrinterGeraetSleep : public printersettings::ui::SettingFormFor<printerthread::SleepRequest> {
 public:
  explicit TFormPrinterGeraetSleep(QWidget* owner, printerthread::RequestSlot<printerthread::SleepRequest>& slot =
                                                       printerthread::PrinterRequests().Sleep);
  ~TFormPrinterGeraetSleep() override;

  int PrinterWaitTime = -1, EditWaitTime = -1;
  int PrinterReverseTime = -1, EditReverseTime = -1;
  int PrinterReversePower = -1, EditReversePower = -1;

  printersettings::ui::ValueRow Row0, Row1, Row2;  // Panel0, Label0Titel, Label0, SpeedButtonDown0 ...

  void SpeedButtonDown0Click(QObject* sender);
  void SpeedButtonUp0Click(QObject* sender);
  void SpeedButtonDown1Click(QObject* sender);
  void SpeedButtonUp1Click(QObject* sender);
  void SpeedButtonDown2Click(QObject* sender);
  void SpeedButtonUp2Click(QObject* sender);
  void UpdateView() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void CopyPrinterToEdit() override;
  printerthread::SleepRequest MakeRequest() const override;

 private:
  void Step(QObject* sender, int& value, int (*step)(int));
  int machineType_ = -1;  // the printer's, which decides the reverse rows
};

extern TFormPrinterGeraetSleep* FormPrinterGeraetSleep;
