#pragma once
// The run-out input and its filter: "Aus" (0), "Positiver Pegel" (1),
// "Negativer Pegel" (2), filter 0 to 200 ms. OK raises "AUSLAUF %d %d". The
// caption of "Aus" is the program's common word for "off" (the pause
// setting and the printer thread use it).
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/ModeFilterForm.h"

class TFormPrinterAuslaufModus
    : public printersettings::ui::SettingFormFor<printerthread::RunOutRequest, printersettings::ui::ModeFilterForm> {
 public:
  explicit TFormPrinterAuslaufModus(QWidget* owner, printerthread::RequestSlot<printerthread::RunOutRequest>& slot =
                                                        printerthread::PrinterRequests().RunOut);
  ~TFormPrinterAuslaufModus() override;

  int& PrinterRunOutMode = PrinterMode;
  int& EditRunOutMode = EditMode;

  platform::SpeedButton* SpeedButton0;  // "Aus"

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void PublishCaptions(printerthread::PrinterCaptions& captions) const override;
  printerthread::RunOutRequest MakeRequest() const override;
};

extern TFormPrinterAuslaufModus* FormPrinterAuslaufModus;
