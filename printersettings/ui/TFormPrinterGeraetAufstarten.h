#pragma once
// The printer's state after power-on: "Stop" (0) or "Drucken" (1). OK
// raises "STARTUP %d".
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/SettingForm.h"

class TFormPrinterGeraetAufstarten : public printersettings::ui::SettingFormFor<printerthread::StartupRequest> {
 public:
  explicit TFormPrinterGeraetAufstarten(QWidget* owner,
                                        printerthread::RequestSlot<printerthread::StartupRequest>& slot =
                                            printerthread::PrinterRequests().Startup);
  ~TFormPrinterGeraetAufstarten() override;

  int PrinterStartupState = -1;
  int EditStartupState = -1;

  platform::Panel *Panel0, *Panel1;
  platform::SpeedButton *SpeedButton0, *SpeedButton1;

  void SpeedButton0Click(QObject* sender);
  void SpeedButton1Click(QObject* sender);
  void UpdateView() override;

 protected:
  // A lost link leaves the printer's last power-on state standing.
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void CopyPrinterToEdit() override;
  bool OkAllowed() const override;
  void PublishCaptions(printerthread::PrinterCaptions& captions) const override;
  printerthread::StartupRequest MakeRequest() const override;
};

extern TFormPrinterGeraetAufstarten* FormPrinterGeraetAufstarten;
