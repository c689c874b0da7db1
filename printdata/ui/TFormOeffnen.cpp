#include "printdata/ui/TFormOeffnen.h"

TFormOeffnen* FormOeffnen = nullptr;

TFormOeffnen::TFormOeffnen(QWidget* owner)
    : SlotDialog(owner, false, "FormOeffnen", QStringLiteral(" Öffnen"), QStringLiteral("Öffnen")) {
  if (!FormOeffnen) FormOeffnen = this;
}

TFormOeffnen::~TFormOeffnen() {
  if (FormOeffnen == this) FormOeffnen = nullptr;
}
