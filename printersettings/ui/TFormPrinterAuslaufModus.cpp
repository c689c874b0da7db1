#include "printersettings/ui/TFormPrinterAuslaufModus.h"

TFormPrinterAuslaufModus* FormPrinterAuslaufModus = nullptr;

TFormPrinterAuslaufModus::TFormPrinterAuslaufModus(QWidget* owner,
                                                   printerthread::RequestSlot<printerthread::RunOutRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterAuslaufModus", QStringLiteral(" Auslauf Modus"),
                     std::vector<QString>{QStringLiteral("Aus"), QStringLiteral("Positiver Pegel"),
                                          QStringLiteral("Negativer Pegel")}) {
  FormPrinterAuslaufModus = this;
  SpeedButton0 = ModeButtons[0];
  UpdateView();
}

TFormPrinterAuslaufModus::~TFormPrinterAuslaufModus() {
  if (FormPrinterAuslaufModus == this) FormPrinterAuslaufModus = nullptr;
}

void TFormPrinterAuslaufModus::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  PrinterRunOutMode = view.mirror.RunOutMode;
  PrinterFilter = view.mirror.RunOutFilter;
}

void TFormPrinterAuslaufModus::PublishCaptions(printerthread::PrinterCaptions& c) const { TakeCaptions(c.RunOut); }

printerthread::RunOutRequest TFormPrinterAuslaufModus::MakeRequest() const {
  printerthread::RunOutRequest r;
  r.EditRunOutMode = ModeToSend();
  r.EditFilter = EditFilter;
  return r;
}
