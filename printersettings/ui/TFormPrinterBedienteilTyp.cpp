#include "printersettings/ui/TFormPrinterBedienteilTyp.h"

#include <QEvent>

#include "platform/qt/LanguageTexts.h"
#include "printersettings/SettingValues.h"
#include "printersettings/ui/SettingWidgets.h"

TFormPrinterBedienteilTyp* FormPrinterBedienteilTyp = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

TFormPrinterBedienteilTyp::TFormPrinterBedienteilTyp(QWidget* owner,
                                                     printerthread::RequestSlot<printerthread::PanelTypeRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterBedienteilTyp", QStringLiteral(" Bedienteil Typ")) {
  FormPrinterBedienteilTyp = this;
  ModeNames[0] = QStringLiteral("Direkt");
  ModeNames[1] = QStringLiteral("Verlängerung");
  platform::RegisterTexts(this, "ModeNames", ModeNames);
  AddChoice(this, RowRect(0), QStringLiteral("Aus"), Panel0, SpeedButton0);
  AddChoice(this, RowRect(1), QStringLiteral("Schalter"), Panel1, SpeedButton1);
  const ValueRow redadid = AddValueRow(this, RowRect(2), QStringLiteral("REDAdid"));
  Panel2 = redadid.panel;
  Label2Titel = redadid.title;
  Label2 = redadid.value;
  SpeedButtonDown2 = redadid.down;
  SpeedButtonUp2 = redadid.up;
  AddChoice(this, RowRect(3), QStringLiteral("DEZOzed"), Panel3, SpeedButton3);
  // Shown when the printer reports them, never chosen here.
  SpeedButton1->setEnabled(false);
  SpeedButton3->setEnabled(false);
  NAME_AFTER_MEMBER(Panel0);
  NAME_AFTER_MEMBER(Panel1);
  NAME_AFTER_MEMBER(Panel2);
  NAME_AFTER_MEMBER(Panel3);
  NAME_AFTER_MEMBER(SpeedButton0);
  NAME_AFTER_MEMBER(SpeedButton1);
  NAME_AFTER_MEMBER(SpeedButton3);
  NAME_AFTER_MEMBER(Label2Titel);
  NAME_AFTER_MEMBER(Label2);
  NAME_AFTER_MEMBER(SpeedButtonDown2);
  NAME_AFTER_MEMBER(SpeedButtonUp2);
  connect(SpeedButton0, &QAbstractButton::clicked, this, [this] { SpeedButton0Click(SpeedButton0); });
  connect(SpeedButtonDown2, &QAbstractButton::clicked, this, [this] { SpeedButtonDown2Click(SpeedButtonDown2); });
  connect(SpeedButtonUp2, &QAbstractButton::clicked, this, [this] { SpeedButtonUp2Click(SpeedButtonUp2); });
  PlaceButtonRow(RowTop(4), kFormWidth);
  UpdateView();
}

TFormPrinterBedienteilTyp::~TFormPrinterBedienteilTyp() {
  if (FormPrinterBedienteilTyp == this) FormPrinterBedienteilTyp = nullptr;
}

void TFormPrinterBedienteilTyp::SpeedButton0Click(QObject* sender) {
  platform::RepaintSender(sender);
  EditPanelType = 0;
  UpdateView();
}

void TFormPrinterBedienteilTyp::StepMode(QObject* sender, int step) {
  platform::RepaintSender(sender);
  if (EditPanelType == 2)
    EditPanelMode += step;
  else
    EditPanelType = 2;
  // Older firmware has no REDAdid mode: it is neither asked nor told.
  if (CliWord < 2) EditPanelMode = 0;
  UpdateView();
}

void TFormPrinterBedienteilTyp::SpeedButtonDown2Click(QObject* sender) { StepMode(sender, -1); }
void TFormPrinterBedienteilTyp::SpeedButtonUp2Click(QObject* sender) { StepMode(sender, +1); }

void TFormPrinterBedienteilTyp::UpdateView() {
  EditPanelType = ChoiceIn(EditPanelType, 0, 3);
  LightChoices({Panel0, Panel1, Panel2, Panel3}, EditPanelType);
  EditPanelMode = Clamp(EditPanelMode, 0, 1);
  SetStepCaptions(SpeedButtonDown2, SpeedButtonUp2, ModeCaptions(EditPanelMode, 0, 1));
  Label2->setText(ModeNames[EditPanelMode]);
  GateOk();
}

void TFormPrinterBedienteilTyp::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  PrinterPanelType = view.mirror.PanelType;
  PrinterPanelMode = view.mirror.PanelMode;
  CliWord = view.mirror.CliWord;
}

void TFormPrinterBedienteilTyp::CopyPrinterToEdit() {
  EditPanelType = PrinterPanelType;
  EditPanelMode = PrinterPanelMode;
}

bool TFormPrinterBedienteilTyp::OkAllowed() const { return ChoiceToSend(EditPanelType, PrinterPanelType) >= 0; }

void TFormPrinterBedienteilTyp::PublishCaptions(printerthread::PrinterCaptions& c) const {
  c.PanelType = {platform::FromQt(SpeedButton0->Caption()), platform::FromQt(SpeedButton1->Caption()),
                 platform::FromQt(Label2Titel->text()), platform::FromQt(SpeedButton3->Caption())};
}

printerthread::PanelTypeRequest TFormPrinterBedienteilTyp::MakeRequest() const {
  printerthread::PanelTypeRequest r;
  r.EditPanelType = ChoiceToSend(EditPanelType, PrinterPanelType);
  r.EditPanelMode = EditPanelMode;
  return r;
}

void TFormPrinterBedienteilTyp::changeEvent(QEvent* event) {
  SettingFormFor::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) UpdateView();  // the mode names
}
