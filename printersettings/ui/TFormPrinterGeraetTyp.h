#pragma once
// The machine the printer is built into: "SOR" (0), "Rerudev" (1), "RID1"
// (2), "RID1 Hatchery DC" (3), "RID1 Hatchery AC" (4). "Rerudev" is shown
// when the printer reports it but cannot be chosen; "BANx" has no value.
// OK raises "MASCHINE %d" (with a restart of the printer).
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/SettingForm.h"

class TFormPrinterGeraetTyp : public printersettings::ui::SettingFormFor<printerthread::MachineTypeRequest> {
 public:
  explicit TFormPrinterGeraetTyp(QWidget* owner,
                                 printerthread::RequestSlot<printerthread::MachineTypeRequest>& slot =
                                     printerthread::PrinterRequests().MachineType);
  ~TFormPrinterGeraetTyp() override;

  int PrinterMachineType = -1;
  int EditMachineType = -1;

  // Top to bottom: RID1, RID1 Hatchery AC, RID1 Hatchery DC, BANx, Rerudev, SOR.
  platform::Panel *Panel0, *Panel1, *Panel2, *Panel3, *Panel4, *PanelBANx;
  platform::SpeedButton *SpeedButton0, *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4,
      *SpeedButtonBANx;

  void SpeedButton0Click(QObject* sender);
  void SpeedButton2Click(QObject* sender);
  void SpeedButton3Click(QObject* sender);
  void SpeedButton4Click(QObject* sender);
  void UpdateView() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void CopyPrinterToEdit() override;
  bool OkAllowed() const override;
  void PublishCaptions(printerthread::PrinterCaptions& captions) const override;
  printerthread::MachineTypeRequest MakeRequest() const override;

 private:
  void Choose(QObject* sender, int value);
};

extern TFormPrinterGeraetTyp* FormPrinterGeraetTyp;
