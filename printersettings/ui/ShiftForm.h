#pragma once
// The layout the start shift and the suppression shift share: "Aus"
// (mode 0), the "Weg" row (mode 1, the distance 0 to 500 mm) and the "Zeit"
// row (mode 2, the time 0 to 4000 ms). The first "-" or "+" on a row whose
// mode is not chosen only chooses it; from then on the row steps by 1, and
// held by 1, 4, 8 and 16 (Timer1 for the distance, Timer2 for the time).
// While the printer's machine has a fixed shift (machine types 1 to 4) the
// display steps disable "Aus" and the four step buttons.
#include "printersettings/ui/RepeatTimer.h"
#include "printersettings/ui/SettingForm.h"
#include "printersettings/ui/SettingWidgets.h"

namespace printersettings::ui {

class ShiftForm : public SettingForm {
 public:
  ShiftForm(QWidget* owner, const char* name, const QString& caption);

  int PrinterShiftMode = -1, EditShiftMode = -1;
  int PrinterShiftDistance = -1, EditShiftDistance = -1;  // mm
  int PrinterShiftTime = -1, EditShiftTime = -1;          // ms

  platform::Panel* Panel0;
  platform::SpeedButton* SpeedButton0;  // "Aus"
  platform::Panel* Panel1;
  QLabel *Label1Titel, *Label1;
  platform::SpeedButton *SpeedButtonDown1, *SpeedButtonUp1;
  platform::Panel* Panel2;
  QLabel *Label2Titel, *Label2;
  platform::SpeedButton *SpeedButtonDown2, *SpeedButtonUp2;
  RepeatTimer* Timer1;
  RepeatTimer* Timer2;

  void SpeedButton0Click(QObject* sender);
  void SpeedButtonDown1Click(QObject* sender);
  void SpeedButtonUp1Click(QObject* sender);
  void SpeedButtonDown2Click(QObject* sender);
  void SpeedButtonUp2Click(QObject* sender);
  void Timer1Timer();
  void Timer2Timer();
  void UpdateView() override;

 protected:
  // The mirror's shift of this form into the Printer fields, and the
  // buttons by the machine type.
  void TakeShift(int mode, int distance, int time, int machineType);
  void CopyPrinterToEdit() override;
  bool OkAllowed() const override;
  int ModeToSend() const;

 private:
  // A row's "-" or "+": steps its value when its mode is chosen, else
  // chooses it.
  void StepRow(QObject* sender, int mode, int& value, int step);
};

}  // namespace printersettings::ui
