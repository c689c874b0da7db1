#include "printersettings/ui/TFormPrinterBedienteilProgramme.h"

#include <QEvent>

#include "platform/qt/LanguageTexts.h"
#include "printerlink/thread/DisplayRules.h"
#include "printersettings/SettingValues.h"
#include "printersettings/ui/SettingWidgets.h"

TFormPrinterBedienteilProgramme* FormPrinterBedienteilProgramme = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

namespace {

constexpr int kColumns = 3;
constexpr int kFormWidthPrograms = kColumns * (kPanelWidth + 8) + 8;

// How a held button speeds up: the print text every 250 ms by 1, 2, 4, 8
// after 10, 20, 30 ticks; the speed and the pause every 50 ms, after 50,
// 100, 150 ticks by 4, 8, 16 mm/s and by 32, 64, 128 ms.
constexpr RepeatPlan kTextRepeat{250, 10, {1, 2, 4, 8}};
constexpr RepeatPlan kSpeedRepeat{50, 50, {1, 4, 8, 16}};
constexpr RepeatPlan kPauseRepeat{50, 50, {1, 32, 64, 128}};

}  // namespace

TFormPrinterBedienteilProgramme::TFormPrinterBedienteilProgramme(
    QWidget* owner, printerthread::RequestSlot<printerthread::ProgramsRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterBedienteilProgramme", QStringLiteral(" Bedienteil Programme")) {
  FormPrinterBedienteilProgramme = this;
  ModeNames[0] = QStringLiteral("Aus");
  ModeNames[1] = QStringLiteral("Dauertest");
  platform::RegisterTexts(this, "ModeNames", ModeNames);

  TimerDrucktext = new RepeatTimer(this, kTextRepeat, [this](int step) { Repeat(TimerDrucktext, EditProgramText, step); });
  TimerGeschwindigkeit =
      new RepeatTimer(this, kSpeedRepeat, [this](int step) { Repeat(TimerGeschwindigkeit, EditProgramSpeed, step); });
  TimerPause = new RepeatTimer(this, kPauseRepeat, [this](int step) { Repeat(TimerPause, EditProgramPause, step); });
  TimerDrucktext->setObjectName(QStringLiteral("TimerDrucktext"));
  TimerGeschwindigkeit->setObjectName(QStringLiteral("TimerGeschwindigkeit"));
  TimerPause->setObjectName(QStringLiteral("TimerPause"));

  for (int p = 0; p < kColumns; ++p) {
    Program& program = Programs[static_cast<std::size_t>(p)];
    const int left = kColumnLeft + p * (kPanelWidth + 8);
    const int n = p + 1;
    program.head = new platform::Panel(this);
    program.head->setGeometry(RowRect(0, 8, left));
    program.head->SetColor(printerthread::kWithheldColour);
    program.title = AddPanelLabel(program.head, QRect(2, 4, kPanelWidth - 4, kPanelHeight - 8),
                                  QStringLiteral("Programm %1").arg(n));
    program.head->setObjectName(QStringLiteral("PanelProgramm%1").arg(n));
    program.title->setObjectName(QStringLiteral("LabelProgramm%1Titel").arg(n));
    auto field = [&](int row, const char* word, const QString& title) {
      const ValueRow made = AddValueRow(this, RowRect(row, 8, left), title);
      NameRow(made, QString::fromLatin1(word) + QString::number(n));  // LabelModus1Titel ...
      return made;
    };
    program.mode = field(1, "Modus", QStringLiteral("Modus"));
    program.text = field(2, "Drucktext", QStringLiteral("Drucktext"));
    program.speed = field(3, "Geschwindigkeit", QStringLiteral("Geschwindigkeit"));
    program.pause = field(4, "Pause", QStringLiteral("Pause"));

    // One set of handlers for the three programs: each finds its program
    // from the button.
    auto wire = [this](platform::SpeedButton* b, void (TFormPrinterBedienteilProgramme::*handler)(QObject*)) {
      connect(b, &QAbstractButton::clicked, this, [this, b, handler] { (this->*handler)(b); });
    };
    wire(program.mode.down, &TFormPrinterBedienteilProgramme::SpeedButtonDownModusClick);
    wire(program.mode.up, &TFormPrinterBedienteilProgramme::SpeedButtonUpModusClick);
    wire(program.text.down, &TFormPrinterBedienteilProgramme::SpeedButtonDownDrucktextClick);
    wire(program.text.up, &TFormPrinterBedienteilProgramme::SpeedButtonUpDrucktextClick);
    wire(program.speed.down, &TFormPrinterBedienteilProgramme::SpeedButtonDownGeschwindigkeitClick);
    wire(program.speed.up, &TFormPrinterBedienteilProgramme::SpeedButtonUpGeschwindigkeitClick);
    wire(program.pause.down, &TFormPrinterBedienteilProgramme::SpeedButtonDownPauseClick);
    wire(program.pause.up, &TFormPrinterBedienteilProgramme::SpeedButtonUpPauseClick);
    const std::pair<const Field*, RepeatTimer*> repeating[] = {
        {&program.text, TimerDrucktext}, {&program.speed, TimerGeschwindigkeit}, {&program.pause, TimerPause}};
    for (auto [f, timer] : repeating) {
      for (platform::SpeedButton* b : {f->down, f->up}) {
        // The press names the active program before the timer starts.
        connect(b, &QAbstractButton::pressed, this, [this, b] {
          ActiveRow = ProgramRowOf(b);
          UpdateView();
        });
        timer->Attach(b, b == f->down ? -1 : +1, [this] { return ActiveRow >= 0; });
      }
    }
  }
  PlaceButtonRow(RowTop(5), kFormWidthPrograms);
  UpdateView();
}

TFormPrinterBedienteilProgramme::~TFormPrinterBedienteilProgramme() {
  if (FormPrinterBedienteilProgramme == this) FormPrinterBedienteilProgramme = nullptr;
}

int TFormPrinterBedienteilProgramme::ProgramRowOf(const QObject* button) const {
  for (int p = 0; p < kColumns; ++p) {
    const Program& program = Programs[static_cast<std::size_t>(p)];
    for (const Field* f : {&program.mode, &program.text, &program.speed, &program.pause})
      if (button == f->down || button == f->up) return p;
  }
  return -1;
}

void TFormPrinterBedienteilProgramme::Step(QObject* sender, Values& values, int step) {
  platform::RepaintSender(sender);
  ActiveRow = ProgramRowOf(sender);
  if (ActiveRow < 0) return;
  values[static_cast<std::size_t>(ActiveRow)] += step;
  UpdateView();
}

void TFormPrinterBedienteilProgramme::Repeat(RepeatTimer* timer, Values& values, int step) {
  if (ActiveRow < 0) {
    timer->Tag = 0;
    timer->Stop();
    return;
  }
  values[static_cast<std::size_t>(ActiveRow)] += step;
  UpdateView();
}

void TFormPrinterBedienteilProgramme::SpeedButtonDownModusClick(QObject* s) { Step(s, EditProgramMode, -1); }
void TFormPrinterBedienteilProgramme::SpeedButtonUpModusClick(QObject* s) { Step(s, EditProgramMode, +1); }
void TFormPrinterBedienteilProgramme::SpeedButtonDownDrucktextClick(QObject* s) { Step(s, EditProgramText, -1); }
void TFormPrinterBedienteilProgramme::SpeedButtonUpDrucktextClick(QObject* s) { Step(s, EditProgramText, +1); }
void TFormPrinterBedienteilProgramme::SpeedButtonDownGeschwindigkeitClick(QObject* s) {
  Step(s, EditProgramSpeed, -1);
}
void TFormPrinterBedienteilProgramme::SpeedButtonUpGeschwindigkeitClick(QObject* s) { Step(s, EditProgramSpeed, +1); }
void TFormPrinterBedienteilProgramme::SpeedButtonDownPauseClick(QObject* s) { Step(s, EditProgramPause, -1); }
void TFormPrinterBedienteilProgramme::SpeedButtonUpPauseClick(QObject* s) { Step(s, EditProgramPause, +1); }

void TFormPrinterBedienteilProgramme::UpdateView() {
  for (std::size_t p = 0; p < Programs.size(); ++p) {
    const Program& program = Programs[p];
    EditProgramMode[p] = Clamp(EditProgramMode[p], 0, 1);
    SetStepCaptions(program.mode.down, program.mode.up, ModeCaptions(EditProgramMode[p], 0, 1));
    program.mode.value->setText(ModeNames[EditProgramMode[p]]);
    // A program that is off keeps its values; they cannot be changed then.
    const bool test = EditProgramMode[p] == 1;
    for (const Field* f : {&program.text, &program.speed, &program.pause}) {
      LightChoice(f->panel, test);
      // The buttons only: the values stay readable on the grey panel.
      f->down->setEnabled(test);
      f->up->setEnabled(test);
    }
    EditProgramText[p] = Clamp(EditProgramText[p], 1, 99);
    EditProgramSpeed[p] = Clamp(EditProgramSpeed[p], 1, 1000);
    EditProgramPause[p] = Clamp(EditProgramPause[p], 0, 10000);
    SetStepCaptions(program.text.down, program.text.up, StepCaptions(EditProgramText[p], 1, 99));
    SetStepCaptions(program.speed.down, program.speed.up, StepCaptions(EditProgramSpeed[p], 1, 1000));
    SetStepCaptions(program.pause.down, program.pause.up, StepCaptions(EditProgramPause[p], 0, 10000));
    program.text.value->setText(QString::number(EditProgramText[p]));
    program.speed.value->setText(QStringLiteral("%1 mm/s").arg(EditProgramSpeed[p]));
    program.pause.value->setText(QStringLiteral("%1 ms").arg(EditProgramPause[p]));
  }
  GateOk();
}

void TFormPrinterBedienteilProgramme::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  PrinterProgramMode = view.mirror.ProgramMode;
  PrinterProgramText = view.mirror.ProgramText;
  PrinterProgramSpeed = view.mirror.ProgramSpeed;
  PrinterProgramPause = view.mirror.ProgramPause;
}

void TFormPrinterBedienteilProgramme::CopyPrinterToEdit() {
  EditProgramMode = PrinterProgramMode;
  EditProgramText = PrinterProgramText;
  EditProgramSpeed = PrinterProgramSpeed;
  EditProgramPause = PrinterProgramPause;
}

printerthread::ProgramsRequest TFormPrinterBedienteilProgramme::MakeRequest() const {
  printerthread::ProgramsRequest r;
  r.EditProgramMode = EditProgramMode;
  r.EditProgramText = EditProgramText;
  r.EditProgramSpeed = EditProgramSpeed;
  r.EditProgramPause = EditProgramPause;
  return r;
}

void TFormPrinterBedienteilProgramme::changeEvent(QEvent* event) {
  SettingFormFor::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) UpdateView();  // the mode names
}
