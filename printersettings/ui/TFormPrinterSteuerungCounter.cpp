#include "printersettings/ui/TFormPrinterSteuerungCounter.h"

#include "platform/qt/LanguageTexts.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/DisplayRules.h"
#include "printerlink/thread/PrinterWindowState.h"
#include "printersettings/SettingValues.h"
#include "printersettings/ui/SettingWidgets.h"

TFormPrinterSteuerungCounter* FormPrinterSteuerungCounter = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

TFormPrinterSteuerungCounter::TFormPrinterSteuerungCounter(
    QWidget* owner, printerthread::RequestSlot<printerthread::CounterRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterSteuerungCounter", QStringLiteral(" Steuerung Druckzähler")) {
  FormPrinterSteuerungCounter = this;
  PanelStand = new platform::Panel(this);
  PanelStand->setGeometry(RowRect(0));
  PanelStand->SetColor(printerthread::kWithheldColour);
  LabelStandTitel = AddPanelLabel(PanelStand, QRect(2, 4, kPanelWidth - 4, kPanelHeight / 2 - 4), QStringLiteral("Stand"));
  LabelStand = AddPanelLabel(PanelStand, QRect(2, kPanelHeight / 2, kPanelWidth - 4, kPanelHeight / 2 - 4),
                             QStringLiteral("?"));
  const ValueRow increment = AddValueRow(this, RowRect(1), QStringLiteral("Inkrement"));
  PanelInkrement = increment.panel;
  LabelInkrementTitel = increment.title;
  LabelInkrement = increment.value;
  SpeedButtonDownInkrement = increment.down;
  SpeedButtonUpInkrement = increment.up;
  AddChoice(this, RowRect(2), QStringLiteral("Reset"), PanelReset, SpeedButtonReset);
  NAME_AFTER_MEMBER(PanelStand);
  NAME_AFTER_MEMBER(PanelInkrement);
  NAME_AFTER_MEMBER(PanelReset);
  NAME_AFTER_MEMBER(LabelStandTitel);
  NAME_AFTER_MEMBER(LabelStand);
  NAME_AFTER_MEMBER(LabelInkrementTitel);
  NAME_AFTER_MEMBER(LabelInkrement);
  NAME_AFTER_MEMBER(SpeedButtonDownInkrement);
  NAME_AFTER_MEMBER(SpeedButtonUpInkrement);
  NAME_AFTER_MEMBER(SpeedButtonReset);
  connect(SpeedButtonDownInkrement, &QAbstractButton::clicked, this,
          [this] { SpeedButtonDownInkrementClick(SpeedButtonDownInkrement); });
  connect(SpeedButtonUpInkrement, &QAbstractButton::clicked, this,
          [this] { SpeedButtonUpInkrementClick(SpeedButtonUpInkrement); });
  connect(SpeedButtonReset, &QAbstractButton::clicked, this, [this] { SpeedButtonResetClick(SpeedButtonReset); });
  PlaceButtonRow(RowTop(3), kFormWidth);
  UpdateView();
}

TFormPrinterSteuerungCounter::~TFormPrinterSteuerungCounter() {
  if (FormPrinterSteuerungCounter == this) FormPrinterSteuerungCounter = nullptr;
  printerthread::PrinterWindows().CounterFormVisible = false;
}

void TFormPrinterSteuerungCounter::StepIncrement(QObject* sender, int step) {
  platform::RepaintSender(sender);
  EditIncrement += step;
  UpdateView();
}

void TFormPrinterSteuerungCounter::SpeedButtonDownInkrementClick(QObject* sender) { StepIncrement(sender, -1); }
void TFormPrinterSteuerungCounter::SpeedButtonUpInkrementClick(QObject* sender) { StepIncrement(sender, +1); }

void TFormPrinterSteuerungCounter::SpeedButtonResetClick(QObject* sender) {
  platform::RepaintSender(sender);
  EditCounterReset = EditCounterReset == 1 ? 0 : 1;
  UpdateView();
}

void TFormPrinterSteuerungCounter::UpdateView() {
  EditIncrement = Clamp(EditIncrement, 1, 50);
  SetStepCaptions(SpeedButtonDownInkrement, SpeedButtonUpInkrement, StepCaptions(EditIncrement, 1, 50));
  LabelInkrement->setText(QString::number(EditIncrement));
  if (EditCounterReset != 1) EditCounterReset = 0;
  LightChoice(PanelReset, EditCounterReset == 1);
  ShowCount();
  GateOk();
}

bool TFormPrinterSteuerungCounter::ChangePending() const {
  return printerthread::CounterChangePending(isVisible(), EditIncrement, PrinterIncrement, EditCounterReset);
}

void TFormPrinterSteuerungCounter::ShowCount() {
  LabelStand->setText(platform::ToQt(printerthread::CounterLabel(counterText_, ChangePending())));
}

void TFormPrinterSteuerungCounter::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  PrinterIncrement = view.mirror.CounterIncrement;
  counterText_ = view.mirror.CounterText;
  ShowCount();
}

void TFormPrinterSteuerungCounter::CopyPrinterToEdit() {
  EditIncrement = PrinterIncrement;
  EditCounterReset = 0;
}

printerthread::CounterRequest TFormPrinterSteuerungCounter::MakeRequest() const {
  printerthread::CounterRequest r;
  r.EditIncrement = EditIncrement;
  r.EditCounterReset = EditCounterReset;
  return r;
}

// The poll schedule asks the counter fast while the form shows it.
void TFormPrinterSteuerungCounter::showEvent(QShowEvent* event) {
  printerthread::PrinterWindows().CounterFormVisible = true;
  SettingFormFor::showEvent(event);
  ShowCount();
}

void TFormPrinterSteuerungCounter::hideEvent(QHideEvent* event) {
  printerthread::PrinterWindows().CounterFormVisible = false;
  SettingFormFor::hideEvent(event);
}
