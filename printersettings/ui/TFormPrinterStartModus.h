#pragma once
// The start input and its filter: "Positive Flanke" (1), "Negative Flanke"
// (2), either edge with "Interface" (3, 4) or "Interface + Wahl" (5, 6);
// filter 0 to 200 ms. The printer may also report 0, which has no panel
// and is kept while the operator chooses none. The interface modes are
// offered only on firmware with the extended inputs and machine type 0.
// A help panel shows the wiring of the chosen mode. OK raises "START %d"
// and, on firmware with input filters, "START.FILTER %d".
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/HelpPanel.h"
#include "printersettings/ui/RepeatTimer.h"
#include "printersettings/ui/SettingForm.h"
#include "printersettings/ui/SettingWidgets.h"

class TFormPrinterStartModus : public printersettings::ui::SettingFormFor<printerthread::StartModeRequest> {
 public:
  explicit TFormPrinterStartModus(QWidget* owner, printerthread::RequestSlot<printerthread::StartModeRequest>& slot =
                                                      printerthread::PrinterRequests().StartMode);
  ~TFormPrinterStartModus() override;

  int PrinterStartMode = -1, EditStartMode = -1;
  int PrinterFilter = -1, EditFilter = -1;

  platform::Panel *Panel1, *Panel2, *Panel4, *Panel5, *Panel6, *Panel7;
  platform::SpeedButton *SpeedButton1, *SpeedButton2, *SpeedButton4, *SpeedButton5, *SpeedButton6, *SpeedButton7;
  QLabel *Label4Titel, *Label4, *Label5Titel, *Label5, *Label6Titel, *Label6, *Label7Titel, *Label7;
  platform::Panel* Panel3;
  QLabel *Label3Titel, *Label3;
  platform::SpeedButton *SpeedButtonDown3, *SpeedButtonUp3;
  printersettings::ui::RepeatTimer* Timer0;
  printersettings::ui::HelpPanel* PanelHilfe;

  void ModeClick(QObject* sender, int mode);  // SpeedButton1Click, 2, 4 .. 7
  void SpeedButtonDown3Click(QObject* sender);
  void SpeedButtonUp3Click(QObject* sender);
  void Timer0Timer();
  void UpdateView() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void ApplyEnablingRules() override;
  void CopyPrinterToEdit() override;
  bool OkAllowed() const override;
  void PublishCaptions(printerthread::PrinterCaptions& captions) const override;
  printerthread::StartModeRequest MakeRequest() const override;

 private:
  void StepFilter(QObject* sender, int step);
  // What the display steps last brought besides this form's own values.
  int cliWord_ = -1, machineType_ = -1, selectionMode_ = -1, selectionLines_ = -1;
};

extern TFormPrinterStartModus* FormPrinterStartModus;
