#pragma once
// The shift of the print suppression by a distance or a time (ShiftForm). OK
// raises "UNTERDRUECKUNG.VERSCHIEBEN %d %d %d" (mode, distance, time).
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/ShiftForm.h"

class TFormPrinterUnterdrueckungVerschieben
    : public printersettings::ui::SettingFormFor<printerthread::ShiftRequest, printersettings::ui::ShiftForm> {
 public:
  explicit TFormPrinterUnterdrueckungVerschieben(QWidget* owner, printerthread::RequestSlot<printerthread::ShiftRequest>& slot =
                                    printerthread::PrinterRequests().SuppressionShift);
  ~TFormPrinterUnterdrueckungVerschieben() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void PublishCaptions(printerthread::PrinterCaptions& captions) const override;
  printerthread::ShiftRequest MakeRequest() const override;
};

extern TFormPrinterUnterdrueckungVerschieben* FormPrinterUnterdrueckungVerschieben;
