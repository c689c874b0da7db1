#include "printersettings/ui/TFormPrinterGeraetAufstarten.h"

#include "platform/qt/LanguageTexts.h"
#include "printersettings/SettingValues.h"
#include "printersettings/ui/SettingWidgets.h"

TFormPrinterGeraetAufstarten* FormPrinterGeraetAufstarten = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

TFormPrinterGeraetAufstarten::TFormPrinterGeraetAufstarten(
    QWidget* owner, printerthread::RequestSlot<printerthread::StartupRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterGeraetAufstarten", QStringLiteral(" Gerät Aufstarten")) {
  FormPrinterGeraetAufstarten = this;
  AddChoice(this, RowRect(0), QStringLiteral("Stop"), Panel0, SpeedButton0);
  AddChoice(this, RowRect(1), QStringLiteral("Drucken"), Panel1, SpeedButton1);
  NAME_AFTER_MEMBER(SpeedButton0);
  NAME_AFTER_MEMBER(SpeedButton1);
  connect(SpeedButton0, &QAbstractButton::clicked, this, [this] { SpeedButton0Click(SpeedButton0); });
  connect(SpeedButton1, &QAbstractButton::clicked, this, [this] { SpeedButton1Click(SpeedButton1); });
  PlaceButtonRow(RowTop(2), kFormWidth);
  UpdateView();
}

TFormPrinterGeraetAufstarten::~TFormPrinterGeraetAufstarten() {
  if (FormPrinterGeraetAufstarten == this) FormPrinterGeraetAufstarten = nullptr;
}

void TFormPrinterGeraetAufstarten::SpeedButton0Click(QObject* sender) {
  platform::RepaintSender(sender);
  EditStartupState = 0;
  UpdateView();
}

void TFormPrinterGeraetAufstarten::SpeedButton1Click(QObject* sender) {
  platform::RepaintSender(sender);
  EditStartupState = 1;
  UpdateView();
}

void TFormPrinterGeraetAufstarten::UpdateView() {
  EditStartupState = ChoiceIn(EditStartupState, 0, 1);
  LightChoices({Panel0, Panel1}, EditStartupState);
  GateOk();
}

void TFormPrinterGeraetAufstarten::TakePrinterValues(const printerthread::DisplayView& view, bool reset) {
  if (!reset) PrinterStartupState = view.mirror.StartupState;
}

void TFormPrinterGeraetAufstarten::CopyPrinterToEdit() { EditStartupState = PrinterStartupState; }

bool TFormPrinterGeraetAufstarten::OkAllowed() const { return ChoiceToSend(EditStartupState, PrinterStartupState) >= 0; }

void TFormPrinterGeraetAufstarten::PublishCaptions(printerthread::PrinterCaptions& c) const {
  c.Startup = {platform::FromQt(SpeedButton0->Caption()), platform::FromQt(SpeedButton1->Caption())};
}

printerthread::StartupRequest TFormPrinterGeraetAufstarten::MakeRequest() const {
  printerthread::StartupRequest r;
  r.EditStartupState = ChoiceToSend(EditStartupState, PrinterStartupState);
  return r;
}
