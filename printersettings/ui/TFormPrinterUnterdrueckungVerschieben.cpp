#include "printersettings/ui/TFormPrinterUnterdrueckungVerschieben.h"

TFormPrinterUnterdrueckungVerschieben* FormPrinterUnterdrueckungVerschieben = nullptr;

TFormPrinterUnterdrueckungVerschieben::TFormPrinterUnterdrueckungVerschieben(QWidget* owner, printerthread::RequestSlot<printerthread::ShiftRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterUnterdrueckungVerschieben", QStringLiteral(" Unterdrückung Verschieben")) {
  FormPrinterUnterdrueckungVerschieben = this;
  UpdateView();
}

TFormPrinterUnterdrueckungVerschieben::~TFormPrinterUnterdrueckungVerschieben() {
  if (FormPrinterUnterdrueckungVerschieben == this) FormPrinterUnterdrueckungVerschieben = nullptr;
}

void TFormPrinterUnterdrueckungVerschieben::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  const printerthread::PrinterMirror& m = view.mirror;
  TakeShift(m.SuppressionShiftMode, m.SuppressionShiftDistance, m.SuppressionShiftTime, m.MachineType);
}

void TFormPrinterUnterdrueckungVerschieben::PublishCaptions(printerthread::PrinterCaptions& c) const {
  c.SuppressionShiftOff = platform::FromQt(SpeedButton0->Caption());
}

printerthread::ShiftRequest TFormPrinterUnterdrueckungVerschieben::MakeRequest() const {
  printerthread::ShiftRequest r;
  r.EditShiftMode = ModeToSend();
  r.EditShiftDistance = EditShiftDistance;
  r.EditShiftTime = EditShiftTime;
  return r;
}
