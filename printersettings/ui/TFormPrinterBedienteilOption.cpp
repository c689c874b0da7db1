#include "printersettings/ui/TFormPrinterBedienteilOption.h"

#include <QEvent>

#include "platform/qt/LanguageTexts.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/DisplayRules.h"
#include "printersettings/DisplayLineFile.h"
#include "printersettings/PanelOptionTexts.h"
#include "printersettings/SettingValues.h"
#include "printersettings/ui/SettingWidgets.h"

TFormPrinterBedienteilOption* FormPrinterBedienteilOption = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

namespace {

// The unit column alone; with the display panel; with the signal panel.
constexpr int kUnitsWidth = 201;
constexpr int kDisplayWidth = 789;
constexpr int kSignalWidth = 981;
// Where OK stands in each ("Abbrechen" 96 further right).
constexpr int kUnitsOk = 8;
constexpr int kDisplayOk = 303;
constexpr int kSignalOk = 404;
constexpr int kPanelsLeft = 200;
constexpr int kDisplayRowWidth = 581;
constexpr int kColumnWidth = 148;
constexpr int kColumnStep = 156;
// The display rows are wide: their signs sit further out.
constexpr int kWidePadding = 84;

// A silver panel with a title and a value line, nothing to click.
TFormPrinterBedienteilOption::Row AddFixedRow(QWidget* parent, const QRect& geometry, const QString& title) {
  auto* panel = new platform::Panel(parent);
  panel->setGeometry(geometry);
  panel->SetColor(printerthread::kWithheldColour);
  const int w = geometry.width(), h = geometry.height();
  return {panel, AddPanelLabel(panel, QRect(2, 4, w - 4, h / 2 - 4), title),
          AddPanelLabel(panel, QRect(2, h / 2, w - 4, h / 2 - 4), QString()), nullptr, nullptr};
}

// A value row named after `member` (Panel30, Label30Titel, ...).
ValueRow NamedRow(const ValueRow& r, const QString& member) {
  NameRow(r, member);
  return r;
}

void Name(QObject* o, const QString& name) { o->setObjectName(name); }

}  // namespace

TFormPrinterBedienteilOption::TFormPrinterBedienteilOption(
    QWidget* owner, printerthread::RequestSlot<printerthread::PanelOptionRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterBedienteilOption", QStringLiteral(" Bedienteil Option")) {
  FormPrinterBedienteilOption = this;
  ModeNames[0] = QStringLiteral("Direkt");
  ModeNames[1] = QStringLiteral("Verlängerung");
  TypeNames[0] = QStringLiteral("Typ 1");
  TypeNames[1] = QStringLiteral("Typ 2");
  ModeWord = QStringLiteral("Modus ");
  platform::RegisterTexts(this, "ModeNames", ModeNames);
  platform::RegisterTexts(this, "TypeNames", TypeNames);
  platform::RegisterText(this, "ModeWord", ModeWord);

  AddChoice(this, RowRect(0), QStringLiteral("Aus"), Panel0, SpeedButton0);
  const ValueRow redadid = AddValueRow(this, RowRect(1), QStringLiteral("REDAdid"));
  AddChoice(this, RowRect(2), QStringLiteral("DEZOzed"), Panel2, SpeedButton2);
  const ValueRow display = AddValueRow(this, RowRect(3), QStringLiteral("DisplayUnit"));
  const ValueRow signal = AddValueRow(this, RowRect(4), QStringLiteral("SignalUnit"));
  Panel1 = redadid.panel;
  Label1Titel = redadid.title;
  Label1 = redadid.value;
  SpeedButtonDown1 = redadid.down;
  SpeedButtonUp1 = redadid.up;
  Panel3 = display.panel;
  Label3Titel = display.title;
  Label3 = display.value;
  SpeedButtonDown3 = display.down;
  SpeedButtonUp3 = display.up;
  Panel4 = signal.panel;
  Label4Titel = signal.title;
  Label4 = signal.value;
  SpeedButtonDown4 = signal.down;
  SpeedButtonUp4 = signal.up;
  SpeedButton2->setEnabled(false);  // shown when the printer reports it, never chosen here
  NAME_AFTER_MEMBER(Panel0);
  NAME_AFTER_MEMBER(Panel1);
  NAME_AFTER_MEMBER(Panel2);
  NAME_AFTER_MEMBER(Panel3);
  NAME_AFTER_MEMBER(Panel4);
  NAME_AFTER_MEMBER(SpeedButton0);
  NAME_AFTER_MEMBER(SpeedButton2);
  NAME_AFTER_MEMBER(Label1Titel);
  NAME_AFTER_MEMBER(Label1);
  NAME_AFTER_MEMBER(Label3Titel);
  NAME_AFTER_MEMBER(Label3);
  NAME_AFTER_MEMBER(Label4Titel);
  NAME_AFTER_MEMBER(Label4);
  NAME_AFTER_MEMBER(SpeedButtonDown1);
  NAME_AFTER_MEMBER(SpeedButtonUp1);
  NAME_AFTER_MEMBER(SpeedButtonDown3);
  NAME_AFTER_MEMBER(SpeedButtonUp3);
  NAME_AFTER_MEMBER(SpeedButtonDown4);
  NAME_AFTER_MEMBER(SpeedButtonUp4);
  connect(SpeedButton0, &QAbstractButton::clicked, this, [this] { SpeedButton0Click(SpeedButton0); });
  const std::pair<platform::SpeedButton*, int> arrows[] = {{SpeedButtonDown1, 1}, {SpeedButtonUp1, 1},
                                                           {SpeedButtonDown3, 3}, {SpeedButtonUp3, 3},
                                                           {SpeedButtonDown4, 4}, {SpeedButtonUp4, 4}};
  for (std::size_t i = 0; i < std::size(arrows); ++i) {
    platform::SpeedButton* button = arrows[i].first;
    const int option = arrows[i].second;
    const int step = i % 2 == 0 ? -1 : +1;
    connect(button, &QAbstractButton::clicked, this, [this, button, option, step] {
      UnitArrowClick(button, option, step);
    });
  }
  BuildDisplayPanel();
  BuildSignalPanel();
  PlaceButtonRow(RowTop(5), kUnitsWidth);
  UpdateView();
}

TFormPrinterBedienteilOption::~TFormPrinterBedienteilOption() {
  if (FormPrinterBedienteilOption == this) FormPrinterBedienteilOption = nullptr;
}

void TFormPrinterBedienteilOption::BuildDisplayPanel() {
  PanelDisplay = new platform::Panel(this);
  PanelDisplay->setGeometry(kPanelsLeft, 0, kDisplayWidth - kPanelsLeft, RowTop(5));
  NAME_AFTER_MEMBER(PanelDisplay);
  auto rect = [](int n) { return RowRect(n, 8, 0, kDisplayRowWidth); };
  Row30 = NamedRow(AddValueRow(PanelDisplay, rect(0), QStringLiteral("Taste")), QStringLiteral("30"));
  const QString titles[4] = {QStringLiteral("Verhalten"), QStringLiteral("Pause"), QStringLiteral("Zeile 1"),
                             QStringLiteral("Zeile 2")};
  for (int i = 0; i < 4; ++i) {
    const int n = 31 + i;
    const Row fixed = AddFixedRow(PanelDisplay, rect(i + 1), titles[i]);
    const QString member = QString::number(n) + QStringLiteral("01");  // Label3101Titel ...
    Name(fixed.panel, QStringLiteral("Panel") + member);
    Name(fixed.title, QStringLiteral("Label") + member + QStringLiteral("Titel"));
    Name(fixed.value, QStringLiteral("Label") + member);
    FixedRows[static_cast<std::size_t>(i)] = fixed;
    DisplayRows[static_cast<std::size_t>(i)] =
        NamedRow(AddValueRow(PanelDisplay, rect(i + 1), titles[i]), QString::number(n));
  }
  auto wire = [this](const Row& row, int n) {
    connect(row.down, &QAbstractButton::clicked, this, [this, row, n] { DisplayRowClick(row.down, n, -1); });
    connect(row.up, &QAbstractButton::clicked, this, [this, row, n] { DisplayRowClick(row.up, n, +1); });
  };
  wire(Row30, 30);
  for (int i = 0; i < 4; ++i) wire(DisplayRows[static_cast<std::size_t>(i)], 31 + i);
  PanelDisplay->hide();
}

void TFormPrinterBedienteilOption::BuildSignalPanel() {
  PanelSignal = new platform::Panel(this);
  PanelSignal->setGeometry(kPanelsLeft, 0, kSignalWidth - kPanelsLeft, RowTop(5));
  NAME_AFTER_MEMBER(PanelSignal);
  const QString states[5] = {QStringLiteral("Startup"), QStringLiteral("Standby"), QStringLiteral("Stop"),
                             QStringLiteral("Drucken"), QStringLiteral("Fehler")};
  for (int c = 0; c < 5; ++c) {
    StateColumn& col = StateColumns[static_cast<std::size_t>(c)];
    auto rect = [c](int n) { return RowRect(n, 8, c * kColumnStep, kColumnWidth); };
    const Row state = AddFixedRow(PanelSignal, rect(0), QStringLiteral("Zustand"));
    col.state = state.panel;
    col.stateTitle = state.title;
    col.stateName = state.value;
    col.stateName->setText(states[c]);
    // Named as the language file knows them: Label40_0Titel ... Label44_3.
    const int n = 40 + c;
    col.lamp = NamedRow(AddValueRow(PanelSignal, rect(1), QStringLiteral("Leuchte")), QStringLiteral("%1_1").arg(n));
    const TitledChoice horn = AddTitledChoice(PanelSignal, rect(2), QStringLiteral("Horn"), QString());
    col.horn = horn.panel;
    col.hornTitle = horn.title;
    col.hornText = horn.caption;
    col.hornButton = horn.button;
    const TitledChoice alarm = AddTitledChoice(PanelSignal, rect(3), QStringLiteral("Alarm"), QString());
    col.alarm = alarm.panel;
    col.alarmTitle = alarm.title;
    col.alarmText = alarm.caption;
    col.alarmButton = alarm.button;
    Name(col.stateTitle, QStringLiteral("Label%1_0Titel").arg(n));
    Name(col.stateName, QStringLiteral("Label%1_0").arg(n));
    Name(col.hornTitle, QStringLiteral("Label%1_2Titel").arg(n));
    Name(col.hornText, QStringLiteral("Label%1_2").arg(n));
    Name(col.hornButton, QStringLiteral("SpeedButton%1_2").arg(n));
    Name(col.alarmTitle, QStringLiteral("Label%1_3Titel").arg(n));
    Name(col.alarmText, QStringLiteral("Label%1_3").arg(n));
    Name(col.alarmButton, QStringLiteral("SpeedButton%1_3").arg(n));
    col.horn->SetColor(printerthread::kOfferedColour);
    connect(col.lamp.down, &QAbstractButton::clicked, this, [this, c] {
      LampClick(StateColumns[static_cast<std::size_t>(c)].lamp.down, c, -1);
    });
    connect(col.lamp.up, &QAbstractButton::clicked, this, [this, c] {
      LampClick(StateColumns[static_cast<std::size_t>(c)].lamp.up, c, +1);
    });
    connect(col.hornButton, &QAbstractButton::clicked, this,
            [this, c] { HornClick(StateColumns[static_cast<std::size_t>(c)].hornButton, c); });
    connect(col.alarmButton, &QAbstractButton::clicked, this,
            [this, c] { AlarmClick(StateColumns[static_cast<std::size_t>(c)].alarmButton, c); });
  }
  PanelSignal->hide();
}

int TFormPrinterBedienteilOption::Language() const {
  return FormServices().Language();
}

QString TFormPrinterBedienteilOption::KeyText(int code) const {
  return platform::ToQt(printersettings::KeyText(code, Language()));
}
QString TFormPrinterBedienteilOption::BehaviourText(int code) const {
  return platform::ToQt(printersettings::BehaviourText(code, Language()));
}
QString TFormPrinterBedienteilOption::PauseText(int code) const {
  return platform::ToQt(printersettings::PauseText(code, Language()));
}
QString TFormPrinterBedienteilOption::LineContentText(int code) const {
  return platform::ToQt(printersettings::LineContentText(code, Language()));
}
QString TFormPrinterBedienteilOption::LampText(int code) const {
  return platform::ToQt(printersettings::LampText(code, Language()));
}
QString TFormPrinterBedienteilOption::HornText(int code) const {
  return platform::ToQt(printersettings::HornText(code, Language()));
}
QString TFormPrinterBedienteilOption::AlarmText(int code) const {
  return platform::ToQt(printersettings::AlarmText(code, EditSignalType, Language()));
}

void TFormPrinterBedienteilOption::SpeedButton0Click(QObject* sender) {
  platform::RepaintSender(sender);
  EditOption = 0;
  UpdateView();
}

void TFormPrinterBedienteilOption::UnitArrowClick(QObject* sender, int option, int step) {
  platform::RepaintSender(sender);
  if (EditOption != option) {
    EditOption = option;
  } else if (option == 1) {
    EditMmiMode += step;
  } else if (option == 3) {
    EditDisplayMode += step;
  } else if (option == 4) {
    EditSignalType += step;
  }
  UpdateView();
}

void TFormPrinterBedienteilOption::DisplayRowClick(QObject* sender, int row, int step) {
  platform::RepaintSender(sender);
  switch (row) {
    case 30: EditDisplayButton += step; break;
    case 31: EditDisplayBehaviour = step < 0 ? BehaviourDown(EditDisplayBehaviour) : BehaviourUp(EditDisplayBehaviour); break;
    case 32: EditDisplayPause += step; break;
    case 33: EditLine1Content += step; break;
    case 34: EditLine2Content += step; break;
    default: break;
  }
  UpdateView();
}

void TFormPrinterBedienteilOption::LampClick(QObject* sender, int column, int step) {
  platform::RepaintSender(sender);
  EditLamp[static_cast<std::size_t>(kSignalRows[static_cast<std::size_t>(column)])] += step;
  UpdateView();
}

void TFormPrinterBedienteilOption::HornClick(QObject* sender, int column) {
  platform::RepaintSender(sender);
  int& horn = EditHorn[static_cast<std::size_t>(kSignalRows[static_cast<std::size_t>(column)])];
  horn = Toggled(horn);
  UpdateView();
}

void TFormPrinterBedienteilOption::AlarmClick(QObject* sender, int column) {
  platform::RepaintSender(sender);
  int& alarm = EditAlarm[static_cast<std::size_t>(kSignalRows[static_cast<std::size_t>(column)])];
  alarm = Toggled(alarm);
  UpdateView();
}

void TFormPrinterBedienteilOption::UpdateView() {
  EditOption = ChoiceIn(EditOption, 0, 4);
  LightChoices({Panel0, Panel1, Panel2, Panel3, Panel4}, EditOption);

  EditMmiMode = Clamp(EditMmiMode, 0, 1);
  SetStepCaptions(SpeedButtonDown1, SpeedButtonUp1, ModeCaptions(EditMmiMode, 0, 1));
  Label1->setText(ModeNames[EditMmiMode]);
  EditDisplayMode = Clamp(EditDisplayMode, 0, 2);
  SetStepCaptions(SpeedButtonDown3, SpeedButtonUp3, ModeCaptions(EditDisplayMode, 0, 2));
  Label3->setText(ModeWord + QString::number(EditDisplayMode + 1));
  EditDisplayButton = Clamp(EditDisplayButton, 0, 2);
  SetStepCaptions(Row30.down, Row30.up, StepCaptions(EditDisplayButton, 0, 2, '<', '>', kWidePadding));
  Row30.value->setText(KeyText(EditDisplayButton));

  EditDisplayBehaviour = BehaviourInSequence(EditDisplayBehaviour);
  EditDisplayPause = Clamp(EditDisplayPause, 0, 100);
  EditLine1Content = Clamp(EditLine1Content, 0, 14);
  EditLine2Content = Clamp(EditLine2Content, 0, 14);
  const Row& behaviour = DisplayRows[0];
  const Row& pause = DisplayRows[1];
  const Row& line1 = DisplayRows[2];
  const Row& line2 = DisplayRows[3];
  SetStepCaptions(behaviour.down, behaviour.up, StepCaptions(EditDisplayBehaviour, 1, 31, '<', '>', kWidePadding));
  behaviour.value->setText(BehaviourText(EditDisplayBehaviour));
  SetStepCaptions(pause.down, pause.up, StepCaptions(EditDisplayPause, 0, 100, '-', '+', kWidePadding));
  pause.value->setText(PauseText(EditDisplayPause));
  SetStepCaptions(line1.down, line1.up, StepCaptions(EditLine1Content, 0, 14, '<', '>', kWidePadding));
  line1.value->setText(LineContentText(EditLine1Content));
  SetStepCaptions(line2.down, line2.up, StepCaptions(EditLine2Content, 0, 14, '<', '>', kWidePadding));
  line2.value->setText(LineContentText(EditLine2Content));

  EditSignalType = Clamp(EditSignalType, 0, 1);
  SetStepCaptions(SpeedButtonDown4, SpeedButtonUp4, ModeCaptions(EditSignalType, 0, 1));
  Label4->setText(TypeNames[EditSignalType]);
  NormaliseSignalEntries(EditLamp, EditHorn, EditAlarm);
  const bool alarms = EditSignalType == 1;
  for (std::size_t c = 0; c < StateColumns.size(); ++c) {
    const StateColumn& col = StateColumns[c];
    const auto entry = static_cast<std::size_t>(kSignalRows[c]);
    SetStepCaptions(col.lamp.down, col.lamp.up, ModeCaptions(EditLamp[entry], 0, 11));
    col.lamp.value->setText(LampText(EditLamp[entry]));
    col.hornText->setText(HornText(EditHorn[entry]));
    col.alarmText->setText(AlarmText(EditAlarm[entry]));
    col.alarmButton->setEnabled(alarms);
    LightChoice(col.alarm, alarms);
  }

  // The display unit's rows: editable in mode 2, else the set-up the
  // printer uses in that mode, read-only.
  const bool ownLines = EditDisplayMode == 2;
  for (std::size_t i = 0; i < 4; ++i) {
    DisplayRows[i].panel->setVisible(ownLines);
    FixedRows[i].panel->setVisible(!ownLines);
  }
  if (!ownLines) {
    const FixedDisplayLines fixed = FixedLinesOfMode(EditDisplayMode);
    FixedRows[0].value->setText(BehaviourText(fixed.behaviour));
    FixedRows[1].value->setText(PauseText(fixed.pause));
    FixedRows[2].value->setText(LineContentText(fixed.line1));
    FixedRows[3].value->setText(LineContentText(fixed.line2));
  }
  FitToPanels();
  GateOk();
}

void TFormPrinterBedienteilOption::FitToPanels() {
  PanelDisplay->setVisible(EditOption == 3);
  PanelSignal->setVisible(EditOption == 4);
  const int width = EditOption == 3 ? kDisplayWidth : EditOption == 4 ? kSignalWidth : kUnitsWidth;
  const int ok = EditOption == 3 ? kDisplayOk : EditOption == 4 ? kSignalOk : kUnitsOk;
  PlaceButtonRow(RowTop(5), width);
  PanelOK->move(ok, PanelOK->y());
  PanelAbbrechen->move(ok + 96, PanelAbbrechen->y());
}

bool TFormPrinterBedienteilOption::WriteDisplayLineFiles() const {
  if (TmpDir.empty()) return false;  // no work folder given: nothing the printer could get
  return printersettings::WriteDisplayLineFiles(TmpDir, EditLine1Content, EditLine2Content, EditDisplayBehaviour,
                                                EditDisplayPause)
      .ok();
}

void TFormPrinterBedienteilOption::done(int result) {
  if (result == kResultOk && OptionToSend() == 3 && EditDisplayMode == 2 && !WriteDisplayLineFiles()) {
    // Nothing is raised that would send missing lines; the operator may try
    // again or cancel.
    SettingFormServices& s = FormServices();
    if (s.ShowNotice)
      s.ShowNotice(SpeedButtonOK->Caption(), s.CatalogueText ? s.CatalogueText(Catalogue::DoneFailed) : QString(),
                   platform::colours::kRed);
    return;
  }
  SettingFormFor::done(result);
}

void TFormPrinterBedienteilOption::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  const printerthread::PrinterMirror& m = view.mirror;
  PrinterOption = m.Option;
  PrinterMmiMode = m.OptionMmiMode;
  PrinterDisplayMode = m.DisplayMode;
  PrinterDisplayButton = m.DisplayButton;
  PrinterLine1Content = m.DisplayFormat[0];
  PrinterLine2Content = m.DisplayFormat[1];
  PrinterDisplayBehaviour = m.DisplayFormat[2];
  PrinterDisplayPause = m.DisplayFormat[3];
  PrinterSignalType = m.SignalType;
  PrinterLamp = m.SignalLamp;
  PrinterHorn = m.SignalHorn;
  PrinterAlarm = m.SignalAlarm;
}

void TFormPrinterBedienteilOption::CopyPrinterToEdit() {
  EditOption = PrinterOption;
  EditMmiMode = PrinterMmiMode;
  EditDisplayMode = PrinterDisplayMode;
  EditDisplayButton = PrinterDisplayButton;
  EditLine1Content = PrinterLine1Content;
  EditLine2Content = PrinterLine2Content;
  EditDisplayBehaviour = PrinterDisplayBehaviour;
  EditDisplayPause = PrinterDisplayPause;
  EditSignalType = PrinterSignalType;
  EditLamp = PrinterLamp;
  EditHorn = PrinterHorn;
  EditAlarm = PrinterAlarm;
}

int TFormPrinterBedienteilOption::OptionToSend() const { return ChoiceToSend(EditOption, PrinterOption); }

bool TFormPrinterBedienteilOption::OkAllowed() const { return OptionToSend() >= 0; }

void TFormPrinterBedienteilOption::PublishCaptions(printerthread::PrinterCaptions& c) const {
  c.Option = {platform::FromQt(SpeedButton0->Caption()), platform::FromQt(Label1Titel->text()),
              platform::FromQt(SpeedButton2->Caption()), platform::FromQt(Label3Titel->text()),
              platform::FromQt(Label4Titel->text())};
}

printerthread::PanelOptionRequest TFormPrinterBedienteilOption::MakeRequest() const {
  printerthread::PanelOptionRequest r;
  r.EditOption = OptionToSend();
  r.EditMmiMode = EditMmiMode;
  r.EditDisplayButton = EditDisplayButton;
  r.EditDisplayMode = EditDisplayMode;
  r.EditSignalType = EditSignalType;
  r.EditAlarm = EditAlarm;
  r.EditHorn = EditHorn;
  r.EditLamp = EditLamp;
  return r;
}

void TFormPrinterBedienteilOption::changeEvent(QEvent* event) {
  SettingFormFor::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) UpdateView();
}
