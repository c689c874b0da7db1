#include "printersettings/ui/TFormPrinterGeschwindigkeitTaktquelle.h"

#include "platform/qt/LanguageTexts.h"
#include "printersettings/HelpPictures.h"
#include "printersettings/SettingValues.h"

TFormPrinterGeschwindigkeitTaktquelle* FormPrinterGeschwindigkeitTaktquelle = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

TFormPrinterGeschwindigkeitTaktquelle::TFormPrinterGeschwindigkeitTaktquelle(
    QWidget* owner, printerthread::RequestSlot<printerthread::ClockSourceRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterGeschwindigkeitTaktquelle", QStringLiteral(" Geschwindigkeit Taktquelle")) {
  FormPrinterGeschwindigkeitTaktquelle = this;
  Row0 = AddValueRow(this, RowRect(0), QStringLiteral("Intern"));
  NameRow(Row0, QStringLiteral("0"));
  AddChoice(this, RowRect(1), QStringLiteral("Extern CPL (+)"), Panel1, SpeedButton1);
  AddChoice(this, RowRect(2), QStringLiteral("Extern CPL (-)"), Panel2, SpeedButton2);
  AddChoice(this, RowRect(3), QStringLiteral("Extern TTL (+)"), Panel3, SpeedButton3);
  AddChoice(this, RowRect(4), QStringLiteral("Extern TTL (-)"), Panel4, SpeedButton4);
  AddChoice(this, RowRect(5), QStringLiteral("Extern Interface"), Panel5, SpeedButton5);
  AddChoice(this, RowRect(6), QStringLiteral("Extern 24V"), Panel6, SpeedButton6);
  // The TTL inputs are not offered.
  SpeedButton3->setEnabled(false);
  SpeedButton4->setEnabled(false);
  const std::pair<platform::SpeedButton*, int> sources[] = {{SpeedButton1, 1}, {SpeedButton2, 2}, {SpeedButton3, 3},
                                                            {SpeedButton4, 4}, {SpeedButton5, 5}, {SpeedButton6, 6}};
  for (const auto& [button, source] : sources) {
    button->setObjectName(QStringLiteral("SpeedButton%1").arg(source));
    button->parentWidget()->setObjectName(QStringLiteral("Panel%1").arg(source));
    connect(button, &QAbstractButton::clicked, this, [this, b = button, s = source] { SourceClick(b, s); });
  }
  connect(Row0.down, &QAbstractButton::clicked, this, [this] { SpeedButtonDown0Click(Row0.down); });
  connect(Row0.up, &QAbstractButton::clicked, this, [this] { SpeedButtonUp0Click(Row0.up); });
  Timer0 = new RepeatTimer(this, kShiftRepeat, [this](int step) {
    EditSpeed += step;
    UpdateView();
  });
  Timer0->setObjectName(QStringLiteral("Timer0"));
  auto internalChosen = [this] { return EditClockSource == 0; };
  Timer0->Attach(Row0.down, -1, internalChosen);
  Timer0->Attach(Row0.up, +1, internalChosen);
  PanelHilfe = new HelpPanel(this, QPoint(kFormWidth - 1, 8), {QSize(474, 210), QSize(474, 106)});
  NAME_AFTER_MEMBER(PanelHilfe);
  PlaceButtonRow(std::max(RowTop(7), PanelHilfe->geometry().bottom() + 9), PanelHilfe->geometry().right() + 9);
  UpdateView();
}

TFormPrinterGeschwindigkeitTaktquelle::~TFormPrinterGeschwindigkeitTaktquelle() {
  if (FormPrinterGeschwindigkeitTaktquelle == this) FormPrinterGeschwindigkeitTaktquelle = nullptr;
}

void TFormPrinterGeschwindigkeitTaktquelle::SourceClick(QObject* sender, int source) {
  platform::RepaintSender(sender);
  EditClockSource = source;
  UpdateView();
}

void TFormPrinterGeschwindigkeitTaktquelle::StepSpeed(QObject* sender, int step) {
  platform::RepaintSender(sender);
  if (EditClockSource == 0)
    EditSpeed += step;
  else
    EditClockSource = 0;
  UpdateView();
}

void TFormPrinterGeschwindigkeitTaktquelle::SpeedButtonDown0Click(QObject* sender) { StepSpeed(sender, -1); }
void TFormPrinterGeschwindigkeitTaktquelle::SpeedButtonUp0Click(QObject* sender) { StepSpeed(sender, +1); }
void TFormPrinterGeschwindigkeitTaktquelle::Timer0Timer() { Timer0->Tick(); }

void TFormPrinterGeschwindigkeitTaktquelle::UpdateView() {
  EditClockSource = ChoiceIn(EditClockSource, 0, 6);
  LightChoices({Row0.panel, Panel1, Panel2, Panel3, Panel4, Panel5, Panel6}, EditClockSource);
  const TwoPictures pictures = ClockSourcePictures(EditClockSource);
  PanelHilfe->SetPicture(0, pictures.upper);
  PanelHilfe->SetPicture(1, pictures.lower);
  EditSpeed = Clamp(EditSpeed, 1, 1000);
  SetStepCaptions(Row0, StepCaptions(EditSpeed, 1, 1000));
  Row0.value->setText(QStringLiteral("%1 mm/s").arg(EditSpeed));
  GateOk();
}

void TFormPrinterGeschwindigkeitTaktquelle::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  PrinterClockSource = view.mirror.ClockSource;
  PrinterSpeed = view.mirror.InternalSpeed;
}

void TFormPrinterGeschwindigkeitTaktquelle::CopyPrinterToEdit() {
  EditClockSource = PrinterClockSource;
  EditSpeed = PrinterSpeed;
}

bool TFormPrinterGeschwindigkeitTaktquelle::OkAllowed() const {
  return ChoiceToSend(EditClockSource, PrinterClockSource) >= 0;
}

void TFormPrinterGeschwindigkeitTaktquelle::PublishCaptions(printerthread::PrinterCaptions& c) const {
  c.ClockInternal = platform::FromQt(Row0.title->text());
  const platform::SpeedButton* buttons[] = {SpeedButton1, SpeedButton2, SpeedButton3,
                                            SpeedButton4, SpeedButton5, SpeedButton6};
  for (std::size_t i = 0; i < 6; ++i) c.ClockExternal[i] = platform::FromQt(buttons[i]->Caption());
}

printerthread::ClockSourceRequest TFormPrinterGeschwindigkeitTaktquelle::MakeRequest() const {
  printerthread::ClockSourceRequest r;
  r.EditClockSource = ChoiceToSend(EditClockSource, PrinterClockSource);
  r.EditSpeed = EditSpeed;
  return r;
}
