#pragma once
// The input that suppresses printing and its filter: "Aus" (0), "Positive
// Flanke" (1), "Negative Flanke" (2), "Positiver Pegel" (3), "Negativer
// Pegel" (4), filter 0 to 200 ms. OK raises "UNTERDRUECKUNG %d" and, on
// firmware with input filters, "UNTERDRUECKUNG.FILTER %d". The filter row
// is offered only on such firmware (the display steps show or hide it).
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/ModeFilterForm.h"

class TFormPrinterUnterdrueckungModus
    : public printersettings::ui::SettingFormFor<printerthread::SuppressionRequest,
                                                 printersettings::ui::ModeFilterForm> {
 public:
  explicit TFormPrinterUnterdrueckungModus(
      QWidget* owner,
      printerthread::RequestSlot<printerthread::SuppressionRequest>& slot = printerthread::PrinterRequests().Suppression);
  ~TFormPrinterUnterdrueckungModus() override;

  int& PrinterSuppressionMode = PrinterMode;
  int& EditSuppressionMode = EditMode;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void PublishCaptions(printerthread::PrinterCaptions& captions) const override;
  printerthread::SuppressionRequest MakeRequest() const override;
};

extern TFormPrinterUnterdrueckungModus* FormPrinterUnterdrueckungModus;
