#include "app/TFormEinstellenPC.h"
#include "platform/qt/DialogFlags.h"

TFormEinstellenPC* FormEinstellenPC = nullptr;

TFormEinstellenPC::TFormEinstellenPC(QWidget* owner) : QDialog(owner, platform::FixedDialogFlags()) {
  FormEinstellenPC = this;
  setObjectName(QStringLiteral("FormEinstellenPC"));
  setWindowTitle(QStringLiteral(" Einstellungen"));
}

TFormEinstellenPC::~TFormEinstellenPC() {
  if (FormEinstellenPC == this) FormEinstellenPC = nullptr;
}
