#pragma once
// A correction factor for an external clock: "Aus" (mode 0) or "Faktor"
// (mode 1) in thousandths, 1 to 10000 (1000 = 1.000). The first "-" or "+"
// on the factor row chooses it; from then on it steps, held by 1, 8, 16 and
// 32. "Reset" goes back to "Aus" and 1.000. Two read-only panels show the
// clock's speed ("Taktquelle") and the target speed it gives with the
// chosen factor ("Soll"); the display steps write them, and while the form
// is shown the printer thread asks the factor twice a second. OK raises
// "SPEED.FAKTOR %d %d".
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/RepeatTimer.h"
#include "printersettings/ui/SettingForm.h"
#include "printersettings/ui/SettingWidgets.h"

class TFormPrinterGeschwindigkeitFaktor
    : public printersettings::ui::SettingFormFor<printerthread::SpeedFactorRequest> {
 public:
  explicit TFormPrinterGeschwindigkeitFaktor(QWidget* owner,
                                             printerthread::RequestSlot<printerthread::SpeedFactorRequest>& slot =
                                                 printerthread::PrinterRequests().SpeedFactor);
  ~TFormPrinterGeschwindigkeitFaktor() override;

  int PrinterFactorMode = -1, EditFactorMode = -1;
  int PrinterFactor = 1000, EditFactor = 1000;  // thousandths

  platform::Panel* PanelDruckgeschwindigkeitTaktquelle;
  QLabel *LabelDruckgeschwindigkeitTaktquelleTitel, *LabelDruckgeschwindigkeitTaktquelle;
  platform::Panel* Panel0;
  platform::SpeedButton* SpeedButton0;  // "Aus"
  printersettings::ui::ValueRow Row1;   // Panel1, Label1Titel "Faktor", Label1, SpeedButtonDown1, SpeedButtonUp1
  platform::Panel* PanelReset;
  platform::SpeedButton* SpeedButtonReset;
  platform::Panel* PanelDruckgeschwindigkeitSoll;
  QLabel *LabelDruckgeschwindigkeitSollTitel, *LabelDruckgeschwindigkeitSoll;
  printersettings::ui::RepeatTimer* Timer1;

  void SpeedButton0Click(QObject* sender);
  void SpeedButtonDown1Click(QObject* sender);
  void SpeedButtonUp1Click(QObject* sender);
  void SpeedButtonResetClick(QObject* sender);
  void Timer1Timer();
  void UpdateView() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void CopyPrinterToEdit() override;
  bool OkAllowed() const override;
  void PublishCaptions(printerthread::PrinterCaptions& captions) const override;
  printerthread::SpeedFactorRequest MakeRequest() const override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void StepFactor(QObject* sender, int step);
  void ShowTargetSpeed();
  // The clock's speed as the printer last reported it.
  int clockSpeed_ = 0;
  std::string clockSpeedText_ = "?";
};

extern TFormPrinterGeschwindigkeitFaktor* FormPrinterGeschwindigkeitFaktor;
