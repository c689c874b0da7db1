#pragma once
// The printer's print modes: how many the operator steps through on the
// printer (1 to 8) and, for each, an entry of the print-mode table
// (printersettings/PrintModeTable.h): coverage, resolution and code byte.
// The rows step through the table's coarse entries; "Experten Modus" (for
// technicians, mode 2 and above) steps one entry at a time. The expert
// panel ("...") also shows the row patterns and five presets. OK raises
// "DPI.ANZAHL %d", eight "DPI.MODUS" and eight "DPI.ANZEIGE" commands.
#include <array>
#include <cstdint>

#include "printerlink/thread/RequestBoard.h"
#include "printersettings/PrintModeTable.h"
#include "printersettings/ui/SettingForm.h"
#include "printersettings/ui/SettingWidgets.h"

class TFormPrinterGeraetDPI : public printersettings::ui::SettingFormFor<printerthread::PrintModesRequest> {
 public:
  explicit TFormPrinterGeraetDPI(QWidget* owner, printerthread::RequestSlot<printerthread::PrintModesRequest>& slot =
                                                     printerthread::PrinterRequests().PrintModes);
  ~TFormPrinterGeraetDPI() override;

  std::uint8_t ExpertMode = 0;
  std::uint8_t ExpertPanelVisible = 0;
  int PrinterModeCount = -1, EditModeCount = -1;
  std::array<int, 8> PrinterModeIndex{-1, -1, -1, -1, -1, -1, -1, -1}, EditModeIndex{-1, -1, -1, -1, -1, -1, -1, -1};
  std::array<int, 8> PrinterModeCode{-1, -1, -1, -1, -1, -1, -1, -1}, EditModeCode{-1, -1, -1, -1, -1, -1, -1, -1};

  printersettings::ui::ValueRow RowAnzahl;  // PanelAnzahl, LabelAnzahlTitel, LabelAnzahl, SpeedButtonAnzahlDown/Up
  platform::Panel* PanelPP;
  platform::SpeedButton* SpeedButtonPP;  // "..."
  std::array<QLabel*, 8> RowTitles;      // "1" .. "8"
  std::array<printersettings::ui::ValueRow, 8> Rows;
  platform::Panel* PanelRechts;  // the expert panel
  platform::Panel* PanelExpertenModus;
  platform::SpeedButton* SpeedButtonExpertenModus;
  std::array<printersettings::ui::TitledChoice, printersettings::kPresets> Presets;  // Konfiguration 1..4, Test

  // Stores and returns `visible` (0 or 1): whether the next opening shows
  // the expert panel.
  std::uint8_t SetExpertPanel(std::uint8_t visible);
  void PrepareForTile() override { SetExpertPanel(0); }
  void PrepareForHardcopy() override { SetExpertPanel(1); }

  void SpeedButtonAnzahlDownClick(QObject* sender);
  void SpeedButtonAnzahlUpClick(QObject* sender);
  void SpeedButtonDownXClick(QObject* sender);
  void SpeedButtonUpXClick(QObject* sender);
  void SpeedButtonPPClick(QObject* sender);
  void SpeedButtonExpertenModusClick(QObject* sender);
  void PanelExpertenModusClick(QObject* sender);
  void PresetClick(QObject* sender, int preset);  // SpeedButtonKonfiguration1Click ... SpeedButtonKonfigurationTestClick
  void UpdateModeRow(int row);
  void UpdateView() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void ApplyEnablingRules() override;
  void CopyPrinterToEdit() override;
  void PublishCaptions(printerthread::PrinterCaptions&) const override {}
  printerthread::PrintModesRequest MakeRequest() const override;

 private:
  int RowOf(const QObject* button, bool down) const;
  void ShowExpertPanel();
};

extern TFormPrinterGeraetDPI* FormPrinterGeraetDPI;
