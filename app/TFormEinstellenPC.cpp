#include "app/TFormEinstellenPC.h"

TFormEinstellenPC* FormEinstellenPC = nullptr;

TFormEinstellenPC::TFormEinstellenPC(QWidget* owner) : QDialog(owner) {
  FormEinstellenPC = this;
  setObjectName(QStringLiteral("FormEinstellenPC"));
  setWindowTitle(QStringLiteral(" Einstellungen"));
}

TFormEinstellenPC::~TFormEinstellenPC() {
  if (FormEinstellenPC == this) FormEinstellenPC = nullptr;
}
