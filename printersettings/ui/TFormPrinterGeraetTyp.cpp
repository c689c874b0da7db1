#include "printersettings/ui/TFormPrinterGeraetTyp.h"

#include "platform/qt/LanguageTexts.h"
#include "printersettings/SettingValues.h"
#include "printersettings/ui/SettingWidgets.h"

TFormPrinterGeraetTyp* FormPrinterGeraetTyp = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

TFormPrinterGeraetTyp::TFormPrinterGeraetTyp(QWidget* owner,
                                             printerthread::RequestSlot<printerthread::MachineTypeRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterGeraetTyp", QStringLiteral(" Gerät Typ")) {
  FormPrinterGeraetTyp = this;
  AddChoice(this, RowRect(0), QStringLiteral("RID1"), Panel2, SpeedButton2);
  AddChoice(this, RowRect(1), QStringLiteral("RID1 Hatchery AC"), Panel4, SpeedButton4);
  AddChoice(this, RowRect(2), QStringLiteral("RID1 Hatchery DC"), Panel3, SpeedButton3);
  AddChoice(this, RowRect(3), QStringLiteral("BANx"), PanelBANx, SpeedButtonBANx);
  AddChoice(this, RowRect(4), QStringLiteral("Rerudev"), Panel1, SpeedButton1);
  AddChoice(this, RowRect(5), QStringLiteral("SOR"), Panel0, SpeedButton0);
  // Shown when the printer reports them, never chosen here.
  SpeedButton1->setEnabled(false);
  SpeedButtonBANx->setEnabled(false);
  NAME_AFTER_MEMBER(SpeedButton0);
  NAME_AFTER_MEMBER(SpeedButton1);
  NAME_AFTER_MEMBER(SpeedButton2);
  NAME_AFTER_MEMBER(SpeedButton3);
  NAME_AFTER_MEMBER(SpeedButton4);
  NAME_AFTER_MEMBER(SpeedButtonBANx);
  connect(SpeedButton0, &QAbstractButton::clicked, this, [this] { SpeedButton0Click(SpeedButton0); });
  connect(SpeedButton2, &QAbstractButton::clicked, this, [this] { SpeedButton2Click(SpeedButton2); });
  connect(SpeedButton3, &QAbstractButton::clicked, this, [this] { SpeedButton3Click(SpeedButton3); });
  connect(SpeedButton4, &QAbstractButton::clicked, this, [this] { SpeedButton4Click(SpeedButton4); });
  PlaceButtonRow(RowTop(6), kFormWidth);
  UpdateView();
}

TFormPrinterGeraetTyp::~TFormPrinterGeraetTyp() {
  if (FormPrinterGeraetTyp == this) FormPrinterGeraetTyp = nullptr;
}

void TFormPrinterGeraetTyp::Choose(QObject* sender, int value) {
  platform::RepaintSender(sender);
  EditMachineType = value;
  UpdateView();
}

void TFormPrinterGeraetTyp::SpeedButton0Click(QObject* sender) { Choose(sender, 0); }
void TFormPrinterGeraetTyp::SpeedButton2Click(QObject* sender) { Choose(sender, 2); }
void TFormPrinterGeraetTyp::SpeedButton3Click(QObject* sender) { Choose(sender, 3); }
void TFormPrinterGeraetTyp::SpeedButton4Click(QObject* sender) { Choose(sender, 4); }

void TFormPrinterGeraetTyp::UpdateView() {
  EditMachineType = ChoiceIn(EditMachineType, 0, 4);
  LightChoices({Panel0, Panel1, Panel2, Panel3, Panel4}, EditMachineType);
  LightChoice(PanelBANx, false);
  GateOk();
}

void TFormPrinterGeraetTyp::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  PrinterMachineType = view.mirror.MachineType;
}

void TFormPrinterGeraetTyp::CopyPrinterToEdit() { EditMachineType = PrinterMachineType; }

bool TFormPrinterGeraetTyp::OkAllowed() const { return ChoiceToSend(EditMachineType, PrinterMachineType) >= 0; }

void TFormPrinterGeraetTyp::PublishCaptions(printerthread::PrinterCaptions& c) const {
  const platform::SpeedButton* buttons[] = {SpeedButton0, SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4};
  for (std::size_t i = 0; i < 5; ++i) c.MachineType[i] = platform::FromQt(buttons[i]->Caption());
}

printerthread::MachineTypeRequest TFormPrinterGeraetTyp::MakeRequest() const {
  printerthread::MachineTypeRequest r;
  r.EditMachineType = ChoiceToSend(EditMachineType, PrinterMachineType);
  return r;
}
