#include "printersettings/ui/TFormPrinterGeschwindigkeitFaktor.h"

#include "platform/Clock.h"
#include "platform/qt/LanguageTexts.h"
#include "printerlink/thread/DisplayRules.h"
#include "printerlink/thread/PrinterWindowState.h"
#include "printersettings/SettingValues.h"

TFormPrinterGeschwindigkeitFaktor* FormPrinterGeschwindigkeitFaktor = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

namespace {

// A read-only panel: a title line over a value line.
platform::Panel* AddShowPanel(QWidget* parent, const QRect& geometry, const QString& title, QLabel*& titleLabel,
                              QLabel*& valueLabel) {
  auto* panel = new platform::Panel(parent);
  panel->setGeometry(geometry);
  panel->SetColor(platform::colours::kSilver);
  const int w = geometry.width();
  titleLabel = AddPanelLabel(panel, QRect(2, 4, w - 4, 20), title);
  valueLabel = AddPanelLabel(panel, QRect(2, 24, w - 4, 20), QStringLiteral("?"));
  return panel;
}

}  // namespace

TFormPrinterGeschwindigkeitFaktor::TFormPrinterGeschwindigkeitFaktor(
    QWidget* owner, printerthread::RequestSlot<printerthread::SpeedFactorRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterGeschwindigkeitFaktor", QStringLiteral(" Geschwindigkeit Faktor")) {
  FormPrinterGeschwindigkeitFaktor = this;
  PanelDruckgeschwindigkeitTaktquelle =
      AddShowPanel(this, RowRect(1), QStringLiteral("Taktquelle"), LabelDruckgeschwindigkeitTaktquelleTitel,
                   LabelDruckgeschwindigkeitTaktquelle);
  const int middle = kColumnLeft + 192;
  AddChoice(this, RowRect(0, 8, middle), QStringLiteral("Aus"), Panel0, SpeedButton0);
  Row1 = AddValueRow(this, RowRect(1, 8, middle), QStringLiteral("Faktor"));
  NameRow(Row1, QStringLiteral("1"));
  AddChoice(this, RowRect(2, 8, middle), QStringLiteral("Reset"), PanelReset, SpeedButtonReset);
  PanelDruckgeschwindigkeitSoll = AddShowPanel(this, RowRect(1, 8, middle + 192), QStringLiteral("Soll"),
                                               LabelDruckgeschwindigkeitSollTitel, LabelDruckgeschwindigkeitSoll);
  NAME_AFTER_MEMBER(PanelDruckgeschwindigkeitTaktquelle);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitTaktquelleTitel);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitTaktquelle);
  NAME_AFTER_MEMBER(Panel0);
  NAME_AFTER_MEMBER(SpeedButton0);
  NAME_AFTER_MEMBER(PanelReset);
  NAME_AFTER_MEMBER(SpeedButtonReset);
  NAME_AFTER_MEMBER(PanelDruckgeschwindigkeitSoll);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitSollTitel);
  NAME_AFTER_MEMBER(LabelDruckgeschwindigkeitSoll);
  connect(SpeedButton0, &QAbstractButton::clicked, this, [this] { SpeedButton0Click(SpeedButton0); });
  connect(Row1.down, &QAbstractButton::clicked, this, [this] { SpeedButtonDown1Click(Row1.down); });
  connect(Row1.up, &QAbstractButton::clicked, this, [this] { SpeedButtonUp1Click(Row1.up); });
  connect(SpeedButtonReset, &QAbstractButton::clicked, this, [this] { SpeedButtonResetClick(SpeedButtonReset); });
  Timer1 = new RepeatTimer(this, kFactorRepeat, [this](int step) {
    EditFactor += step;
    UpdateView();
  });
  Timer1->setObjectName(QStringLiteral("Timer1"));
  auto factorChosen = [this] { return EditFactorMode == 1; };
  Timer1->Attach(Row1.down, -1, factorChosen);
  Timer1->Attach(Row1.up, +1, factorChosen);
  PlaceButtonRow(RowTop(3), middle + 2 * 192 + 1);
  UpdateView();
}

TFormPrinterGeschwindigkeitFaktor::~TFormPrinterGeschwindigkeitFaktor() {
  if (FormPrinterGeschwindigkeitFaktor == this) FormPrinterGeschwindigkeitFaktor = nullptr;
  printerthread::PrinterWindows().SpeedFactorFormVisible = false;
}

void TFormPrinterGeschwindigkeitFaktor::showEvent(QShowEvent* event) {
  printerthread::PrinterWindows().SpeedFactorFormVisible = true;
  SettingFormFor::showEvent(event);
}

void TFormPrinterGeschwindigkeitFaktor::hideEvent(QHideEvent* event) {
  printerthread::PrinterWindows().SpeedFactorFormVisible = false;
  SettingFormFor::hideEvent(event);
}

void TFormPrinterGeschwindigkeitFaktor::SpeedButton0Click(QObject* sender) {
  platform::RepaintSender(sender);
  EditFactorMode = 0;
  UpdateView();
}

void TFormPrinterGeschwindigkeitFaktor::StepFactor(QObject* sender, int step) {
  platform::RepaintSender(sender);
  if (EditFactorMode == 1)
    EditFactor += step;
  else
    EditFactorMode = 1;
  UpdateView();
}

void TFormPrinterGeschwindigkeitFaktor::SpeedButtonDown1Click(QObject* sender) { StepFactor(sender, -1); }
void TFormPrinterGeschwindigkeitFaktor::SpeedButtonUp1Click(QObject* sender) { StepFactor(sender, +1); }
void TFormPrinterGeschwindigkeitFaktor::Timer1Timer() { Timer1->Tick(); }

void TFormPrinterGeschwindigkeitFaktor::SpeedButtonResetClick(QObject* sender) {
  platform::RepaintSender(sender);
  PanelReset->SetColor(printerthread::kOfferedColour);
  PanelReset->repaint();
  platform::SleepMs(250);
  EditFactorMode = 0;
  EditFactor = 1000;
  UpdateView();
  PanelReset->SetColor(printerthread::kWithheldColour);
  PanelReset->repaint();
}

void TFormPrinterGeschwindigkeitFaktor::UpdateView() {
  EditFactorMode = ChoiceIn(EditFactorMode, 0, 1);
  LightChoices({Panel0, Row1.panel}, EditFactorMode);
  EditFactor = Clamp(EditFactor, 1, 10000);
  SetStepCaptions(Row1, StepCaptions(EditFactor, 1, 10000));
  Row1.value->setText(QStringLiteral("%1.%2").arg(EditFactor / 1000).arg(EditFactor % 1000, 3, 10, QLatin1Char('0')));
  ShowTargetSpeed();
  GateOk();
}

void TFormPrinterGeschwindigkeitFaktor::ShowTargetSpeed() {
  // While shown the chosen values count, else the printer's.
  const bool shown = isVisible();
  LabelDruckgeschwindigkeitSoll->setText(platform::ToQt(
      printerthread::TargetSpeedText(shown ? EditFactorMode : PrinterFactorMode, shown ? EditFactor : PrinterFactor,
                                     clockSpeed_, clockSpeedText_)));
}

void TFormPrinterGeschwindigkeitFaktor::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  const printerthread::PrinterMirror& m = view.mirror;
  PrinterFactorMode = m.FactorMode;
  PrinterFactor = m.Factor;
  clockSpeed_ = m.ClockSpeed;
  clockSpeedText_ = m.ClockSpeedText;
  LabelDruckgeschwindigkeitTaktquelle->setText(platform::ToQt(m.ClockSpeedText));
  ShowTargetSpeed();
}

void TFormPrinterGeschwindigkeitFaktor::CopyPrinterToEdit() {
  EditFactorMode = PrinterFactorMode;
  EditFactor = PrinterFactor;
}

bool TFormPrinterGeschwindigkeitFaktor::OkAllowed() const {
  return ChoiceToSend(EditFactorMode, PrinterFactorMode) >= 0;
}

void TFormPrinterGeschwindigkeitFaktor::PublishCaptions(printerthread::PrinterCaptions& c) const {
  c.FactorOff = platform::FromQt(SpeedButton0->Caption());
}

printerthread::SpeedFactorRequest TFormPrinterGeschwindigkeitFaktor::MakeRequest() const {
  printerthread::SpeedFactorRequest r;
  r.EditFactorMode = ChoiceToSend(EditFactorMode, PrinterFactorMode);
  r.EditFactor = EditFactor;
  return r;
}
