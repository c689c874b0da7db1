#include "app/TFormSprache.h"
#include "platform/qt/DialogFlags.h"

TFormSprache* FormSprache = nullptr;

TFormSprache::TFormSprache(QWidget* owner) : QDialog(owner, platform::FixedDialogFlags()) {
  FormSprache = this;
  setWindowTitle(QStringLiteral(" Sprache"));
}

TFormSprache::~TFormSprache() {
  if (FormSprache == this) FormSprache = nullptr;
}

int TFormSprache::SetLanguage(int) { return -1; }
