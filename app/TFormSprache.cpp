#include "app/TFormSprache.h"

TFormSprache* FormSprache = nullptr;

TFormSprache::TFormSprache(QWidget* owner) : QDialog(owner) {
  FormSprache = this;
  setWindowTitle(QStringLiteral(" Sprache"));
}

TFormSprache::~TFormSprache() {
  if (FormSprache == this) FormSprache = nullptr;
}

int TFormSprache::SetLanguage(int) { return -1; }
