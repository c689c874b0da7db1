#pragma once
// The layout the suppression and run-out forms share: a column of mode
// choices ("Aus" at the top, SpeedButton0 ...) and the "Filter" row below
// them (Panel5, 0 to 200 ms, step 1, held: 1 per 100 ms after 500 ms).
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "printersettings/ui/RepeatTimer.h"
#include "printersettings/ui/SettingForm.h"
#include "printersettings/ui/SettingWidgets.h"

namespace printersettings::ui {

class ModeFilterForm : public SettingForm {
 public:
  ModeFilterForm(QWidget* owner, const char* name, const QString& caption, const std::vector<QString>& modeCaptions);

  // The form's mode and filter; the forms name them after their setting.
  int PrinterMode = -1, EditMode = -1;
  int PrinterFilter = -1, EditFilter = -1;

  std::vector<platform::Panel*> ModePanels;  // Panel0 ...
  std::vector<platform::SpeedButton*> ModeButtons;  // SpeedButton0 ...
  platform::Panel* Panel5;
  QLabel* Label5Titel;
  QLabel* Label5;
  platform::SpeedButton* SpeedButtonDown5;
  platform::SpeedButton* SpeedButtonUp5;
  RepeatTimer* Timer0;

  void ModeClick(QObject* sender, int mode);  // SpeedButton0Click ...
  void SpeedButtonDown5Click(QObject* sender);
  void SpeedButtonUp5Click(QObject* sender);
  void Timer0Timer();
  void UpdateView() override;

 protected:
  void CopyPrinterToEdit() override;
  bool OkAllowed() const override;
  // The mode to send: the chosen one, or the printer's while none is lit.
  int ModeToSend() const;
  // The captions of the mode buttons, as the printer thread shows them.
  template <std::size_t N>
  void TakeCaptions(std::array<std::string, N>& into) const {
    for (std::size_t i = 0; i < N && i < ModeButtons.size(); ++i) into[i] = platform::FromQt(ModeButtons[i]->Caption());
  }

 private:
  void StepFilter(QObject* sender, int step);
};

}  // namespace printersettings::ui
