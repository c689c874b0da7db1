#include "printersettings/ui/TFormPrinterStartVerschieben.h"

TFormPrinterStartVerschieben* FormPrinterStartVerschieben = nullptr;

TFormPrinterStartVerschieben::TFormPrinterStartVerschieben(QWidget* owner, printerthread::RequestSlot<printerthread::ShiftRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterStartVerschieben", QStringLiteral(" Start Verschieben")) {
  FormPrinterStartVerschieben = this;
  UpdateView();
}

TFormPrinterStartVerschieben::~TFormPrinterStartVerschieben() {
  if (FormPrinterStartVerschieben == this) FormPrinterStartVerschieben = nullptr;
}

void TFormPrinterStartVerschieben::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  const printerthread::PrinterMirror& m = view.mirror;
  TakeShift(m.StartShiftMode, m.StartShiftDistance, m.StartShiftTime, m.MachineType);
}

void TFormPrinterStartVerschieben::PublishCaptions(printerthread::PrinterCaptions& c) const {
  c.StartShiftOff = platform::FromQt(SpeedButton0->Caption());
}

printerthread::ShiftRequest TFormPrinterStartVerschieben::MakeRequest() const {
  printerthread::ShiftRequest r;
  r.EditShiftMode = ModeToSend();
  r.EditShiftDistance = EditShiftDistance;
  r.EditShiftTime = EditShiftTime;
  return r;
}
