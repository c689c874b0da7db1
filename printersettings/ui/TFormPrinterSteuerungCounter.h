#pragma once
// The printer's print counter: its reading ("Stand", in parentheses while
// a change is chosen here and not yet sent), the increment per print (1 to
// 50) and "Reset", which sets the count back to 0 with the change. OK
// raises "COUNTER %d" or "COUNTER %d 0 ZAMFI".
#include <QLabel>
#include <string>

#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/SettingForm.h"

class TFormPrinterSteuerungCounter : public printersettings::ui::SettingFormFor<printerthread::CounterRequest> {
 public:
  explicit TFormPrinterSteuerungCounter(QWidget* owner,
                                        printerthread::RequestSlot<printerthread::CounterRequest>& slot =
                                            printerthread::PrinterRequests().Counter);
  ~TFormPrinterSteuerungCounter() override;

  int PrinterIncrement = -1, EditIncrement = -1;
  // 1: the count goes back to 0 with the change; 0 whenever the form is shown.
  int EditCounterReset = 0;

  platform::Panel *PanelStand, *PanelInkrement, *PanelReset;
  QLabel *LabelStandTitel, *LabelStand, *LabelInkrementTitel, *LabelInkrement;
  platform::SpeedButton *SpeedButtonDownInkrement, *SpeedButtonUpInkrement, *SpeedButtonReset;

  // Whether the form shows a change not sent yet: the count then stands in
  // parentheses, here and on the settings view's tile.
  bool ChangePending() const;

  void SpeedButtonDownInkrementClick(QObject* sender);
  void SpeedButtonUpInkrementClick(QObject* sender);
  void SpeedButtonResetClick(QObject* sender);
  void UpdateView() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void CopyPrinterToEdit() override;
  printerthread::CounterRequest MakeRequest() const override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowCount();
  void StepIncrement(QObject* sender, int step);
  std::string counterText_ = "?";
};

extern TFormPrinterSteuerungCounter* FormPrinterSteuerungCounter;
