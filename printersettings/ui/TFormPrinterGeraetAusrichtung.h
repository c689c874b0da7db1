#pragma once
// The print-head orientation of up to three print positions and their
// offsets. "Modus" is the number of positions minus one (0 to 2); each
// position has an offset of 0 to 500 mm (one step per click) and one of
// six orientations ("0° -->" ... "180° <->"). The form is as wide as the
// positions in use. Firmware before print positions (CliWord below 10)
// knows one orientation only: its mode and offsets are not offered. The
// display steps offer the two-way orientations on the machines 1 to 4 and
// the one-way ones elsewhere. OK raises "AUSRICHTUNG %d" or the "HEAD"
// commands.
#include <array>

#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/SettingForm.h"
#include "printersettings/ui/SettingWidgets.h"

class TFormPrinterGeraetAusrichtung : public printersettings::ui::SettingFormFor<printerthread::AlignmentRequest> {
 public:
  explicit TFormPrinterGeraetAusrichtung(QWidget* owner,
                                         printerthread::RequestSlot<printerthread::AlignmentRequest>& slot =
                                             printerthread::PrinterRequests().Alignment);
  ~TFormPrinterGeraetAusrichtung() override;

  std::array<int, 3> PrinterOrientation{-1, -1, -1}, EditOrientation{-1, -1, -1};
  std::array<int, 3> PrinterHeadOffset{0, 0, 0}, EditHeadOffset{0, 0, 0};  // mm
  int PrinterHeadMode = -1, EditHeadMode = -1;

  platform::Panel* PanelModus;
  QLabel *LabelModusTitel, *LabelModus;
  platform::SpeedButton *SpeedButtonDownModus, *SpeedButtonUpModus;
  // Per position: the offset row (Verschieben, Verschieben1, Verschieben2)
  // and six orientation choices (SpeedButton0 .. 5, 01 .. 51, 02 .. 52).
  std::array<printersettings::ui::ValueRow, 3> OffsetRows;
  std::array<std::array<platform::Panel*, 6>, 3> OrientationPanels;
  std::array<std::array<platform::SpeedButton*, 6>, 3> OrientationButtons;

  void SpeedButtonDownModusClick(QObject* sender);
  void SpeedButtonUpModusClick(QObject* sender);
  void OffsetClick(QObject* sender, int position, int step);       // SpeedButtonDownVerschiebenClick ...
  void OrientationClick(QObject* sender, int position, int value);  // SpeedButton0Click ... SpeedButton52Click
  void UpdateView() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void ApplyEnablingRules() override;
  void CopyPrinterToEdit() override;
  bool OkAllowed() const override;
  void PublishCaptions(printerthread::PrinterCaptions& captions) const override;
  printerthread::AlignmentRequest MakeRequest() const override;
  void showEvent(QShowEvent* event) override;

 private:
  // The orientation each position sends.
  std::array<int, 3> OrientationsToSend() const;
  int cliWord_ = -1;
};

extern TFormPrinterGeraetAusrichtung* FormPrinterGeraetAusrichtung;
