#include "printersettings/ui/ShiftForm.h"

#include "platform/qt/LanguageTexts.h"
#include "printerlink/thread/DisplayRules.h"
#include "printersettings/SettingValues.h"

namespace printersettings::ui {

ShiftForm::ShiftForm(QWidget* owner, const char* name, const QString& caption) : SettingForm(owner, name, caption) {
  AddChoice(this, RowRect(0), QStringLiteral("Aus"), Panel0, SpeedButton0);
  const ValueRow distance = AddValueRow(this, RowRect(1), QStringLiteral("Weg"));
  Panel1 = distance.panel;
  Label1Titel = distance.title;
  Label1 = distance.value;
  SpeedButtonDown1 = distance.down;
  SpeedButtonUp1 = distance.up;
  const ValueRow time = AddValueRow(this, RowRect(2), QStringLiteral("Zeit"));
  Panel2 = time.panel;
  Label2Titel = time.title;
  Label2 = time.value;
  SpeedButtonDown2 = time.down;
  SpeedButtonUp2 = time.up;
  NAME_AFTER_MEMBER(Panel0);
  NameRow(distance, QStringLiteral("1"));
  NameRow(time, QStringLiteral("2"));
  NAME_AFTER_MEMBER(SpeedButton0);
  connect(SpeedButton0, &QAbstractButton::clicked, this, [this] { SpeedButton0Click(SpeedButton0); });
  connect(SpeedButtonDown1, &QAbstractButton::clicked, this, [this] { SpeedButtonDown1Click(SpeedButtonDown1); });
  connect(SpeedButtonUp1, &QAbstractButton::clicked, this, [this] { SpeedButtonUp1Click(SpeedButtonUp1); });
  connect(SpeedButtonDown2, &QAbstractButton::clicked, this, [this] { SpeedButtonDown2Click(SpeedButtonDown2); });
  connect(SpeedButtonUp2, &QAbstractButton::clicked, this, [this] { SpeedButtonUp2Click(SpeedButtonUp2); });
  Timer1 = new RepeatTimer(this, kShiftRepeat, [this](int step) {
    EditShiftDistance += step;
    UpdateView();
  });
  Timer2 = new RepeatTimer(this, kShiftRepeat, [this](int step) {
    EditShiftTime += step;
    UpdateView();
  });
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer2->setObjectName(QStringLiteral("Timer2"));
  auto distanceChosen = [this] { return EditShiftMode == 1; };
  auto timeChosen = [this] { return EditShiftMode == 2; };
  Timer1->Attach(SpeedButtonDown1, -1, distanceChosen);
  Timer1->Attach(SpeedButtonUp1, +1, distanceChosen);
  Timer2->Attach(SpeedButtonDown2, -1, timeChosen);
  Timer2->Attach(SpeedButtonUp2, +1, timeChosen);
  PlaceButtonRow(RowTop(3), kFormWidth);
}

void ShiftForm::SpeedButton0Click(QObject* sender) {
  platform::RepaintSender(sender);
  EditShiftMode = 0;
  UpdateView();
}

void ShiftForm::StepRow(QObject* sender, int mode, int& value, int step) {
  platform::RepaintSender(sender);
  if (EditShiftMode == mode)
    value += step;
  else
    EditShiftMode = mode;
  UpdateView();
}

void ShiftForm::SpeedButtonDown1Click(QObject* sender) { StepRow(sender, 1, EditShiftDistance, -1); }
void ShiftForm::SpeedButtonUp1Click(QObject* sender) { StepRow(sender, 1, EditShiftDistance, +1); }
void ShiftForm::SpeedButtonDown2Click(QObject* sender) { StepRow(sender, 2, EditShiftTime, -1); }
void ShiftForm::SpeedButtonUp2Click(QObject* sender) { StepRow(sender, 2, EditShiftTime, +1); }
void ShiftForm::Timer1Timer() { Timer1->Tick(); }
void ShiftForm::Timer2Timer() { Timer2->Tick(); }

void ShiftForm::UpdateView() {
  EditShiftMode = ChoiceIn(EditShiftMode, 0, 2);
  LightChoices({Panel0, Panel1, Panel2}, EditShiftMode);
  EditShiftDistance = Clamp(EditShiftDistance, 0, 500);
  EditShiftTime = Clamp(EditShiftTime, 0, 4000);
  SetStepCaptions(SpeedButtonDown1, SpeedButtonUp1, StepCaptions(EditShiftDistance, 0, 500));
  SetStepCaptions(SpeedButtonDown2, SpeedButtonUp2, StepCaptions(EditShiftTime, 0, 4000));
  Label1->setText(QStringLiteral("%1 mm").arg(EditShiftDistance));
  Label2->setText(QStringLiteral("%1 ms").arg(EditShiftTime));
  GateOk();
}

void ShiftForm::TakeShift(int mode, int distance, int time, int machineType) {
  PrinterShiftMode = mode;
  PrinterShiftDistance = distance;
  PrinterShiftTime = time;
  const bool on = printerthread::ShiftButtonsEnabled(machineType);
  for (QWidget* b : std::initializer_list<QWidget*>{SpeedButton0, SpeedButtonDown1, SpeedButtonUp1,
                                                     SpeedButtonDown2, SpeedButtonUp2})
    b->setEnabled(on);
}

void ShiftForm::CopyPrinterToEdit() {
  EditShiftMode = PrinterShiftMode;
  EditShiftDistance = PrinterShiftDistance;
  EditShiftTime = PrinterShiftTime;
}

int ShiftForm::ModeToSend() const { return ChoiceToSend(EditShiftMode, PrinterShiftMode); }

bool ShiftForm::OkAllowed() const { return ModeToSend() >= 0; }

}  // namespace printersettings::ui
