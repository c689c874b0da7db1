#include "printdata/ui/TFormSpeichern.h"

TFormSpeichern* FormSpeichern = nullptr;

TFormSpeichern::TFormSpeichern(QWidget* owner)
    : SlotDialog(owner, true, "FormSpeichern", QStringLiteral(" Speichern unter..."), QStringLiteral("Speichern")) {
  if (!FormSpeichern) FormSpeichern = this;
}

TFormSpeichern::~TFormSpeichern() {
  if (FormSpeichern == this) FormSpeichern = nullptr;
}
