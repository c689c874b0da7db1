#include "printersettings/ui/TFormPrinterUnterdrueckungModus.h"

#include "printerlink/thread/DisplayRules.h"

TFormPrinterUnterdrueckungModus* FormPrinterUnterdrueckungModus = nullptr;

TFormPrinterUnterdrueckungModus::TFormPrinterUnterdrueckungModus(
    QWidget* owner, printerthread::RequestSlot<printerthread::SuppressionRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterUnterdrueckungModus", QStringLiteral(" Unterdrückung Modus"),
                     std::vector<QString>{QStringLiteral("Aus"), QStringLiteral("Positive Flanke"),
                                          QStringLiteral("Negative Flanke"), QStringLiteral("Positiver Pegel"),
                                          QStringLiteral("Negativer Pegel")}) {
  FormPrinterUnterdrueckungModus = this;
  UpdateView();
}

TFormPrinterUnterdrueckungModus::~TFormPrinterUnterdrueckungModus() {
  if (FormPrinterUnterdrueckungModus == this) FormPrinterUnterdrueckungModus = nullptr;
}

void TFormPrinterUnterdrueckungModus::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  PrinterSuppressionMode = view.mirror.SuppressionMode;
  PrinterFilter = view.mirror.SuppressionFilter;
  // The filter row is offered on firmware with input filters only; until
  // a printer answers it is withheld.
  const bool shown = printerthread::FilterRowShown(view.mirror.CliWord);
  printersettings::ui::LightChoice(Panel5, shown);
  SpeedButtonDown5->setVisible(shown);
  SpeedButtonUp5->setVisible(shown);
}

void TFormPrinterUnterdrueckungModus::PublishCaptions(printerthread::PrinterCaptions& c) const {
  TakeCaptions(c.Suppression);
}

printerthread::SuppressionRequest TFormPrinterUnterdrueckungModus::MakeRequest() const {
  printerthread::SuppressionRequest r;
  r.EditSuppressionMode = ModeToSend();
  r.EditFilter = EditFilter;
  return r;
}
