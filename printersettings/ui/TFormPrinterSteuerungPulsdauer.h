#pragma once
// The print head's pulse timing and ink quantity: "Puls", "Pause",
// "Vorpuls" and "Auffrischen" in 0.1 us and "Tintenmenge" (1x or 2x), with
// a drawing of the pulse and of the refresh pulse, and on the expert panel
// ("...") four preset configurations. Firmware without CliWord bit 0x400
// knows only the pulse; bit 0x80 marks heads with other limits. OK, for
// "Techniker" and above, raises "HEAD.PULSDAUER" (and "HEAD.HEIZUNG",
// "HEAD.H600DPI" where known).
#include <QImage>
#include <QLabel>
#include <array>

#include "printerlink/thread/RequestBoard.h"
#include "printersettings/PulseTiming.h"
#include "printersettings/ui/SettingForm.h"

class TFormPrinterSteuerungPulsdauer
    : public printersettings::ui::SettingFormFor<printerthread::PulseDurationRequest> {
 public:
  explicit TFormPrinterSteuerungPulsdauer(QWidget* owner,
                                          printerthread::RequestSlot<printerthread::PulseDurationRequest>& slot =
                                              printerthread::PrinterRequests().PulseDuration);
  ~TFormPrinterSteuerungPulsdauer() override;

  int PrinterPulse = -1, EditPulse = -1;
  int PrinterPulsePause = -1, EditPulsePause = -1;
  int PrinterPrePulse = -1, EditPrePulse = -1;
  int PrinterRefresh = -1, EditRefresh = -1;
  int PrinterInkQuantity = -1, EditInkQuantity = -1;
  int CliWord = -1;  // as the display steps give it
  unsigned char ExpertPanelVisible = 0;

  // Rows 0 "Puls", 1 "Pause", 2 "Vorpuls", 3 "Auffrischen", 4 "Tintenmenge".
  std::array<platform::Panel*, 5> Panels;
  std::array<QLabel*, 5> Titles;  // Label0Titel ...
  std::array<QLabel*, 5> Values;  // Label0 ...
  std::array<platform::SpeedButton*, 5> DownButtons, UpButtons;
  // The pulse and the refresh pulse, drawn at the pictures' size.
  QLabel *ImagePuls, *ImageAuffrischen;
  platform::Panel* PanelExperte;
  platform::SpeedButton* SpeedButtonExperte;  // "..."
  platform::Panel* PanelKonfiguration;       // the expert panel
  std::array<platform::Panel*, 4> PresetPanels;
  std::array<QLabel*, 4> PresetTitles;    // LabelKonfiguration1Titel ...
  std::array<QLabel*, 4> PresetCaptions;  // "1x 00/00/36/00" ...
  std::array<platform::SpeedButton*, 4> PresetButtons;

  // Stores 0 or 1 and returns it; shown as the form opens next.
  int SetExpertPanel(int visible);
  void PrepareForTile() override { SetExpertPanel(0); }
  void PrepareForHardcopy() override { SetExpertPanel(1); }

  void StepClick(QObject* sender, int row, int step);
  void SpeedButtonExperteClick(QObject* sender);
  void PresetClick(QObject* sender, int preset);
  void UpdateView() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void CopyPrinterToEdit() override;
  void ApplyEnablingRules() override;
  int MinimumOperatingMode() const override { return 2; }
  printerthread::PulseDurationRequest MakeRequest() const override;

 private:
  printersettings::PulseValues EditValues() const;
  void SetEditValues(const printersettings::PulseValues& v);
  void ShowExpertPanel();
  static void Draw(QLabel* picture, const std::vector<printersettings::DiagramLine>& lines);
};

extern TFormPrinterSteuerungPulsdauer* FormPrinterSteuerungPulsdauer;
