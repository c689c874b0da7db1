#pragma once
// The clock that tells the printer how fast the products pass: "Intern"
// (0, at the fixed speed of its row, 1 to 1000 mm/s) or one of six
// external sources ("Extern TTL" (3, 4) cannot be chosen here). The first
// "-" or "+" on the speed row chooses "Intern"; from then on it steps the
// speed, held by 1, 4, 8 and 16. A help panel shows the wiring. OK raises
// "SPEED %d %d".
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/HelpPanel.h"
#include "printersettings/ui/RepeatTimer.h"
#include "printersettings/ui/SettingForm.h"
#include "printersettings/ui/SettingWidgets.h"

class TFormPrinterGeschwindigkeitTaktquelle
    : public printersettings::ui::SettingFormFor<printerthread::ClockSourceRequest> {
 public:
  explicit TFormPrinterGeschwindigkeitTaktquelle(QWidget* owner,
                                                 printerthread::RequestSlot<printerthread::ClockSourceRequest>& slot =
                                                     printerthread::PrinterRequests().ClockSource);
  ~TFormPrinterGeschwindigkeitTaktquelle() override;

  int PrinterClockSource = -1, EditClockSource = -1;
  int PrinterSpeed = -1, EditSpeed = -1;  // mm/s

  printersettings::ui::ValueRow Row0;  // Panel0, Label0Titel "Intern", Label0, SpeedButtonDown0, SpeedButtonUp0
  platform::Panel *Panel1, *Panel2, *Panel3, *Panel4, *Panel5, *Panel6;
  platform::SpeedButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5, *SpeedButton6;
  printersettings::ui::RepeatTimer* Timer0;
  printersettings::ui::HelpPanel* PanelHilfe;

  void SourceClick(QObject* sender, int source);  // SpeedButton1Click ... SpeedButton6Click
  void SpeedButtonDown0Click(QObject* sender);
  void SpeedButtonUp0Click(QObject* sender);
  void Timer0Timer();
  void UpdateView() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void CopyPrinterToEdit() override;
  bool OkAllowed() const override;
  void PublishCaptions(printerthread::PrinterCaptions& captions) const override;
  printerthread::ClockSourceRequest MakeRequest() const override;

 private:
  void StepSpeed(QObject* sender, int step);
};

extern TFormPrinterGeschwindigkeitTaktquelle* FormPrinterGeschwindigkeitTaktquelle;
