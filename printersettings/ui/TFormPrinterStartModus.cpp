#include "printersettings/ui/TFormPrinterStartModus.h"

#include "platform/qt/LanguageTexts.h"
#include "printerlink/thread/DisplayRules.h"
#include "printersettings/HelpPictures.h"
#include "printersettings/SettingValues.h"

TFormPrinterStartModus* FormPrinterStartModus = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

TFormPrinterStartModus::TFormPrinterStartModus(QWidget* owner,
                                               printerthread::RequestSlot<printerthread::StartModeRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterStartModus", QStringLiteral(" Start Modus")) {
  FormPrinterStartModus = this;
  AddChoice(this, RowRect(0), QStringLiteral("Positive Flanke"), Panel1, SpeedButton1);
  AddChoice(this, RowRect(1), QStringLiteral("Negative Flanke"), Panel2, SpeedButton2);
  auto titled = [this](int row, const QString& title, const QString& caption, platform::Panel*& panel,
                       platform::SpeedButton*& button, QLabel*& titleLabel, QLabel*& captionLabel) {
    const TitledChoice c = AddTitledChoice(this, RowRect(row), title, caption);
    panel = c.panel;
    button = c.button;
    titleLabel = c.title;
    captionLabel = c.caption;
  };
  const QString interface = QStringLiteral("Interface");
  const QString selection = QStringLiteral("Interface + Wahl");
  titled(2, QStringLiteral("Positive Flanke"), interface, Panel4, SpeedButton4, Label4Titel, Label4);
  titled(3, QStringLiteral("Negative Flanke"), interface, Panel5, SpeedButton5, Label5Titel, Label5);
  titled(4, QStringLiteral("Positive Flanke"), selection, Panel6, SpeedButton6, Label6Titel, Label6);
  titled(5, QStringLiteral("Negative Flanke"), selection, Panel7, SpeedButton7, Label7Titel, Label7);
  const ValueRow filter = AddValueRow(this, RowRect(6), QStringLiteral("Filter"));
  Panel3 = filter.panel;
  Label3Titel = filter.title;
  Label3 = filter.value;
  SpeedButtonDown3 = filter.down;
  SpeedButtonUp3 = filter.up;
  PanelHilfe = new HelpPanel(this, QPoint(kFormWidth - 1, 8), {QSize(474, 210), QSize(474, 106), QSize(474, 41)});
  NAME_AFTER_MEMBER(Panel1);
  NAME_AFTER_MEMBER(Panel2);
  NameRow(filter, QStringLiteral("3"));
  NAME_AFTER_MEMBER(Panel4);
  NAME_AFTER_MEMBER(Panel5);
  NAME_AFTER_MEMBER(Panel6);
  NAME_AFTER_MEMBER(Panel7);
  NAME_AFTER_MEMBER(SpeedButton1);
  NAME_AFTER_MEMBER(SpeedButton2);
  NAME_AFTER_MEMBER(SpeedButton4);
  NAME_AFTER_MEMBER(SpeedButton5);
  NAME_AFTER_MEMBER(SpeedButton6);
  NAME_AFTER_MEMBER(SpeedButton7);
  NAME_AFTER_MEMBER(Label4Titel);
  NAME_AFTER_MEMBER(Label4);
  NAME_AFTER_MEMBER(Label5Titel);
  NAME_AFTER_MEMBER(Label5);
  NAME_AFTER_MEMBER(Label6Titel);
  NAME_AFTER_MEMBER(Label6);
  NAME_AFTER_MEMBER(Label7Titel);
  NAME_AFTER_MEMBER(Label7);
  NAME_AFTER_MEMBER(PanelHilfe);
  const std::pair<platform::SpeedButton*, int> modes[] = {{SpeedButton1, 1}, {SpeedButton2, 2}, {SpeedButton4, 3},
                                                          {SpeedButton5, 4}, {SpeedButton6, 5}, {SpeedButton7, 6}};
  for (const auto& [button, mode] : modes)
    connect(button, &QAbstractButton::clicked, this, [this, b = button, m = mode] { ModeClick(b, m); });
  connect(SpeedButtonDown3, &QAbstractButton::clicked, this, [this] { SpeedButtonDown3Click(SpeedButtonDown3); });
  connect(SpeedButtonUp3, &QAbstractButton::clicked, this, [this] { SpeedButtonUp3Click(SpeedButtonUp3); });
  Timer0 = new RepeatTimer(this, kFilterRepeat, [this](int step) {
    EditFilter += step;
    UpdateView();
  });
  Timer0->setObjectName(QStringLiteral("Timer0"));
  Timer0->Attach(SpeedButtonDown3, -1);
  Timer0->Attach(SpeedButtonUp3, +1);
  PlaceButtonRow(std::max(RowTop(7), PanelHilfe->geometry().bottom() + 9), PanelHilfe->geometry().right() + 9);
  ApplyEnablingRules();
  UpdateView();
}

TFormPrinterStartModus::~TFormPrinterStartModus() {
  if (FormPrinterStartModus == this) FormPrinterStartModus = nullptr;
}

void TFormPrinterStartModus::ModeClick(QObject* sender, int mode) {
  platform::RepaintSender(sender);
  EditStartMode = mode;
  UpdateView();
}

void TFormPrinterStartModus::StepFilter(QObject* sender, int step) {
  platform::RepaintSender(sender);
  EditFilter += step;
  UpdateView();
}

void TFormPrinterStartModus::SpeedButtonDown3Click(QObject* sender) { StepFilter(sender, -1); }
void TFormPrinterStartModus::SpeedButtonUp3Click(QObject* sender) { StepFilter(sender, +1); }
void TFormPrinterStartModus::Timer0Timer() { Timer0->Tick(); }

void TFormPrinterStartModus::UpdateView() {
  EditStartMode = ChoiceIn(EditStartMode, 1, 6);
  LightChoices({Panel1, Panel2, Panel4, Panel5, Panel6, Panel7}, EditStartMode - 1);
  const HelpPictures pictures = StartModePictures(EditStartMode, cliWord_, selectionMode_, selectionLines_);
  PanelHilfe->SetPicture(0, pictures.upper);
  PanelHilfe->SetPicture(1, pictures.middle);
  PanelHilfe->SetPicture(2, pictures.lower);
  EditFilter = Clamp(EditFilter, 0, 200);
  SetStepCaptions(SpeedButtonDown3, SpeedButtonUp3, StepCaptions(EditFilter, 0, 200));
  Label3->setText(QStringLiteral("%1 ms").arg(EditFilter));
  GateOk();
}

void TFormPrinterStartModus::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  const printerthread::PrinterMirror& m = view.mirror;
  PrinterStartMode = m.StartMode;
  PrinterFilter = m.StartFilter;
  cliWord_ = m.CliWord;
  machineType_ = m.MachineType;
  selectionMode_ = m.InterfaceMode;
  selectionLines_ = m.SignalLines;
  const bool filters = printerthread::FilterRowShown(cliWord_);
  LightChoice(Panel3, filters);
  SpeedButtonDown3->setVisible(filters);
  SpeedButtonUp3->setVisible(filters);
}

void TFormPrinterStartModus::ApplyEnablingRules() {
  const bool interface = printerthread::HasCliBit(cliWord_, printerthread::kCliExtendedInputs) && machineType_ == 0;
  for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton4, SpeedButton5, SpeedButton6, SpeedButton7, Label4Titel,
                                                     Label4, Label5Titel, Label5, Label6Titel, Label6, Label7Titel,
                                                     Label7})
    w->setEnabled(interface);
}

void TFormPrinterStartModus::CopyPrinterToEdit() {
  EditStartMode = PrinterStartMode;
  EditFilter = PrinterFilter;
}

bool TFormPrinterStartModus::OkAllowed() const { return ChoiceToSend(EditStartMode, PrinterStartMode) >= 0; }

void TFormPrinterStartModus::PublishCaptions(printerthread::PrinterCaptions& c) const {
  c.StartRisingEdge = platform::FromQt(SpeedButton1->Caption());
  c.StartFallingEdge = platform::FromQt(SpeedButton2->Caption());
  c.StartLabelTitles = {platform::FromQt(Label4Titel->text()), platform::FromQt(Label5Titel->text()),
                        platform::FromQt(Label6Titel->text()), platform::FromQt(Label7Titel->text())};
  c.StartLabel4 = platform::FromQt(Label4->text());
  c.StartLabel5 = platform::FromQt(Label5->text());
}

printerthread::StartModeRequest TFormPrinterStartModus::MakeRequest() const {
  printerthread::StartModeRequest r;
  r.EditStartMode = ChoiceToSend(EditStartMode, PrinterStartMode);
  r.EditFilter = EditFilter;
  return r;
}
