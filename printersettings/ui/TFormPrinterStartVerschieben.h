#pragma once
// The shift of the print start by a distance or a time (ShiftForm). OK
// raises "START.VERSCHIEBEN %d %d %d" (mode, distance, time).
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/ShiftForm.h"

class TFormPrinterStartVerschieben
    : public printersettings::ui::SettingFormFor<printerthread::ShiftRequest, printersettings::ui::ShiftForm> {
 public:
  explicit TFormPrinterStartVerschieben(QWidget* owner, printerthread::RequestSlot<printerthread::ShiftRequest>& slot =
                                    printerthread::PrinterRequests().StartShift);
  ~TFormPrinterStartVerschieben() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void PublishCaptions(printerthread::PrinterCaptions& captions) const override;
  printerthread::ShiftRequest MakeRequest() const override;
};

extern TFormPrinterStartVerschieben* FormPrinterStartVerschieben;
