#pragma once
// The operator panel wired to the printer: "Aus" (0), "Schalter" (1),
// "REDAdid" (2, with its mode "Direkt" or "Verlängerung") and "DEZOzed"
// (3). "Schalter" and "DEZOzed" are shown when the printer reports them but
// cannot be chosen. OK raises "MMI %d" (and the REDAdid mode on firmware
// that knows it), with a restart of the printer.
#include <QLabel>
#include <QString>

#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/SettingForm.h"

class TFormPrinterBedienteilTyp : public printersettings::ui::SettingFormFor<printerthread::PanelTypeRequest> {
 public:
  explicit TFormPrinterBedienteilTyp(QWidget* owner,
                                     printerthread::RequestSlot<printerthread::PanelTypeRequest>& slot =
                                         printerthread::PrinterRequests().PanelType);
  ~TFormPrinterBedienteilTyp() override;

  int PrinterPanelType = -1, EditPanelType = -1;
  int PrinterPanelMode = -1, EditPanelMode = -1;
  // The printer's firmware level (CliWord), as the display steps give it.
  int CliWord = -1;
  // "Direkt", "Verlängerung".
  QString ModeNames[2];

  platform::Panel *Panel0, *Panel1, *Panel2, *Panel3;
  platform::SpeedButton *SpeedButton0, *SpeedButton1, *SpeedButton3;
  QLabel *Label2Titel, *Label2;
  platform::SpeedButton *SpeedButtonDown2, *SpeedButtonUp2;

  void SpeedButton0Click(QObject* sender);
  // The REDAdid arrows: the first click chooses the REDAdid, the next
  // ones step its mode.
  void SpeedButtonDown2Click(QObject* sender);
  void SpeedButtonUp2Click(QObject* sender);
  void UpdateView() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void CopyPrinterToEdit() override;
  bool OkAllowed() const override;
  void PublishCaptions(printerthread::PrinterCaptions& captions) const override;
  printerthread::PanelTypeRequest MakeRequest() const override;
  void changeEvent(QEvent* event) override;

 private:
  void StepMode(QObject* sender, int step);
};

extern TFormPrinterBedienteilTyp* FormPrinterBedienteilTyp;
