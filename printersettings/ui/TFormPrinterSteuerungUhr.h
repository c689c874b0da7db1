#pragma once
// The printer's real-time clock beside the PC's: "Steuerung" (keep the
// printer's clock) or "PC" (set it from the PC's). Only "PC" can be
// confirmed, so OK always means: set the printer's clock from the PC's
// date, time and weekday ("RTC.TIME", "RTC.DATE"). The printer thread
// writes both clock texts every second.
#include <QLabel>

#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/SettingForm.h"

class TFormPrinterSteuerungUhr : public printersettings::ui::SettingFormFor<printerthread::ClockRequest> {
 public:
  explicit TFormPrinterSteuerungUhr(QWidget* owner, printerthread::RequestSlot<printerthread::ClockRequest>& slot =
                                                        printerthread::PrinterRequests().Clock);
  ~TFormPrinterSteuerungUhr() override;

  // 0 "Steuerung", 1 "PC"; 0 whenever the form is shown.
  int EditClockChoice = 0;

  platform::Panel *Panel0, *Panel1;
  QLabel *Label0Titel, *Label0, *Label1Titel, *Label1;
  platform::SpeedButton *SpeedButton0, *SpeedButton1;

  void SpeedButton0Click(QObject* sender);
  void SpeedButton1Click(QObject* sender);
  void UpdateView() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void CopyPrinterToEdit() override;
  bool OkAllowed() const override;
  printerthread::ClockRequest MakeRequest() const override;

 private:
  void Choose(QObject* sender, int choice);
};

extern TFormPrinterSteuerungUhr* FormPrinterSteuerungUhr;
