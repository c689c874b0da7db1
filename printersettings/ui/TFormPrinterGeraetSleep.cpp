#include "printersettings/ui/TFormPrinterGeraetSleep.h"

#include "platform/qt/LanguageTexts.h"
#include "printerlink/thread/CaptionTable.h"
#include "printersettings/PauseSteps.h"
#include "printersettings/SettingValues.h"

TFormPrinterGeraetSleep* FormPrinterGeraetSleep = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

namespace {

// A reverse row the operator may not set: grey, no buttons, the off word.
void Offer(const ValueRow& row, bool active, const QString& off) {
  LightChoice(row.panel, active);
  ShowStepButtons(row, active);
  if (!active) row.value->setText(off);
}

}  // namespace

TFormPrinterGeraetSleep::TFormPrinterGeraetSleep(QWidget* owner,
                                                 printerthread::RequestSlot<printerthread::SleepRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterGeraetSleep", QStringLiteral(" Gerät Pause")) {
  FormPrinterGeraetSleep = this;
  Row0 = AddValueRow(this, RowRect(0), QStringLiteral("Wartezeit"));
  Row1 = AddValueRow(this, RowRect(1), QStringLiteral("Rückfahrzeit"));
  Row2 = AddValueRow(this, RowRect(2), QStringLiteral("Rückfahr Power"));
  NameRow(Row0, QStringLiteral("0"));
  NameRow(Row1, QStringLiteral("1"));
  NameRow(Row2, QStringLiteral("2"));
  connect(Row0.down, &QAbstractButton::clicked, this, [this] { SpeedButtonDown0Click(Row0.down); });
  connect(Row0.up, &QAbstractButton::clicked, this, [this] { SpeedButtonUp0Click(Row0.up); });
  connect(Row1.down, &QAbstractButton::clicked, this, [this] { SpeedButtonDown1Click(Row1.down); });
  connect(Row1.up, &QAbstractButton::clicked, this, [this] { SpeedButtonUp1Click(Row1.up); });
  connect(Row2.down, &QAbstractButton::clicked, this, [this] { SpeedButtonDown2Click(Row2.down); });
  connect(Row2.up, &QAbstractButton::clicked, this, [this] { SpeedButtonUp2Click(Row2.up); });
  PlaceButtonRow(RowTop(3), kFormWidth);
  UpdateView();
}

TFormPrinterGeraetSleep::~TFormPrinterGeraetSleep() {
  if (FormPrinterGeraetSleep == this) FormPrinterGeraetSleep = nullptr;
}

void TFormPrinterGeraetSleep::Step(QObject* sender, int& value, int (*step)(int)) {
  platform::RepaintSender(sender);
  value = step(value);
  UpdateView();
}

void TFormPrinterGeraetSleep::SpeedButtonDown0Click(QObject* s) { Step(s, EditWaitTime, WaitDown); }
void TFormPrinterGeraetSleep::SpeedButtonUp0Click(QObject* s) { Step(s, EditWaitTime, WaitUp); }
void TFormPrinterGeraetSleep::SpeedButtonDown1Click(QObject* s) { Step(s, EditReverseTime, ReverseTimeDown); }
void TFormPrinterGeraetSleep::SpeedButtonUp1Click(QObject* s) { Step(s, EditReverseTime, ReverseTimeUp); }
void TFormPrinterGeraetSleep::SpeedButtonDown2Click(QObject* s) { Step(s, EditReversePower, PowerDown); }
void TFormPrinterGeraetSleep::SpeedButtonUp2Click(QObject* s) { Step(s, EditReversePower, PowerUp); }

void TFormPrinterGeraetSleep::UpdateView() {
  // The run-out form's "Aus" is the program's word for "off".
  const QString off = platform::ToQt(printerthread::PrinterCaptionTable().Get()->RunOut[0]);
  EditWaitTime = Clamp(EditWaitTime, 0, kWaitMax);
  SetStepCaptions(Row0, StepCaptions(EditWaitTime, 0, kWaitMax));
  Row0.value->setText(EditWaitTime == 0   ? off
                      : EditWaitTime == 1 ? off + QLatin1Char('+')
                                          : QStringLiteral("%1 s").arg(EditWaitTime));
  EditReverseTime = Clamp(EditReverseTime, 0, kReverseTimeMax);
  SetStepCaptions(Row1, StepCaptions(EditReverseTime, 0, kReverseTimeMax));
  Row1.value->setText(EditReverseTime == 0 ? off : QStringLiteral("%1 ms").arg(EditReverseTime));
  EditReversePower = Clamp(EditReversePower, kPowerMin, kPowerMax);
  SetStepCaptions(Row2, StepCaptions(EditReversePower, kPowerMin, kPowerMax));
  Row2.value->setText(QStringLiteral("%1 %").arg(EditReversePower / 10 - 1));
  const ReverseRows rows = ReverseRowsActive(machineType_, EditWaitTime, EditReverseTime);
  Offer(Row1, rows.time, off);
  Offer(Row2, rows.power, off);
  GateOk();
}

void TFormPrinterGeraetSleep::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  const printerthread::PrinterMirror& m = view.mirror;
  PrinterWaitTime = m.WaitTime;
  PrinterReverseTime = m.ReverseTime;
  PrinterReversePower = m.ReversePower;
  machineType_ = m.MachineType;
}

void TFormPrinterGeraetSleep::CopyPrinterToEdit() {
  EditWaitTime = PrinterWaitTime;
  EditReverseTime = PrinterReverseTime;
  EditReversePower = PrinterReversePower;
}

printerthread::SleepRequest TFormPrinterGeraetSleep::MakeRequest() const {
  printerthread::SleepRequest r;
  r.EditWaitTime = EditWaitTime;
  r.EditReverseTime = EditReverseTime;
  r.EditReversePower = EditReversePower;
  return r;
}
