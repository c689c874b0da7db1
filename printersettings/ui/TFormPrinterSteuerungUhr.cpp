#include "printersettings/ui/TFormPrinterSteuerungUhr.h"

#include "platform/qt/LanguageTexts.h"
#include "platform/qt/TextCodec.h"
#include "printersettings/SettingValues.h"
#include "printersettings/ui/SettingWidgets.h"

TFormPrinterSteuerungUhr* FormPrinterSteuerungUhr = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

TFormPrinterSteuerungUhr::TFormPrinterSteuerungUhr(QWidget* owner,
                                                   printerthread::RequestSlot<printerthread::ClockRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterSteuerungUhr", QStringLiteral(" Steuerung Uhr")) {
  FormPrinterSteuerungUhr = this;
  const TitledChoice printer = AddTitledChoice(this, RowRect(0), QStringLiteral("Steuerung"), QStringLiteral("?"));
  const TitledChoice pc = AddTitledChoice(this, RowRect(1), QStringLiteral("PC"), QStringLiteral("?"));
  Panel0 = printer.panel;
  Label0Titel = printer.title;
  Label0 = printer.caption;
  SpeedButton0 = printer.button;
  Panel1 = pc.panel;
  Label1Titel = pc.title;
  Label1 = pc.caption;
  SpeedButton1 = pc.button;
  NAME_AFTER_MEMBER(Panel0);
  NAME_AFTER_MEMBER(Panel1);
  NAME_AFTER_MEMBER(Label0Titel);
  NAME_AFTER_MEMBER(Label0);
  NAME_AFTER_MEMBER(Label1Titel);
  NAME_AFTER_MEMBER(Label1);
  NAME_AFTER_MEMBER(SpeedButton0);
  NAME_AFTER_MEMBER(SpeedButton1);
  connect(SpeedButton0, &QAbstractButton::clicked, this, [this] { SpeedButton0Click(SpeedButton0); });
  connect(SpeedButton1, &QAbstractButton::clicked, this, [this] { SpeedButton1Click(SpeedButton1); });
  PlaceButtonRow(RowTop(2), kFormWidth);
  UpdateView();
}

TFormPrinterSteuerungUhr::~TFormPrinterSteuerungUhr() {
  if (FormPrinterSteuerungUhr == this) FormPrinterSteuerungUhr = nullptr;
}

void TFormPrinterSteuerungUhr::Choose(QObject* sender, int choice) {
  platform::RepaintSender(sender);
  EditClockChoice = choice;
  UpdateView();
}

void TFormPrinterSteuerungUhr::SpeedButton0Click(QObject* sender) { Choose(sender, 0); }
void TFormPrinterSteuerungUhr::SpeedButton1Click(QObject* sender) { Choose(sender, 1); }

void TFormPrinterSteuerungUhr::UpdateView() {
  EditClockChoice = ChoiceIn(EditClockChoice, 0, 1);
  LightChoices({Panel0, Panel1}, EditClockChoice);
  GateOk();
}

void TFormPrinterSteuerungUhr::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  Label0->setText(platform::ToQt(view.mirror.ClockText));
  Label1->setText(platform::ToQt(view.mirror.PcClockText));
}

void TFormPrinterSteuerungUhr::CopyPrinterToEdit() { EditClockChoice = 0; }

// Keeping the printer's clock is no change to confirm.
bool TFormPrinterSteuerungUhr::OkAllowed() const { return EditClockChoice == 1; }

printerthread::ClockRequest TFormPrinterSteuerungUhr::MakeRequest() const { return {}; }
