#include "printing/ui/TAbortDialog.h"

#include <QFont>
#include <QScreen>

#include "platform/qt/LanguageTexts.h"

TAbortDialog* AbortDialog = nullptr;

TAbortDialog::TAbortDialog(QWidget* owner) : QDialog(owner) {
  if (!AbortDialog) AbortDialog = this;
  setObjectName(QStringLiteral("AbortDialog"));
  setWindowTitle(QStringLiteral("Printing"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(11);
  setFont(f);
  setFixedSize(174, 98);
  btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
  NAME_AFTER_MEMBER(btnCancel);
  btnCancel->setGeometry(48, 32, 75, 25);
  btnCancel->setDefault(true);
  connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(btnCancel); });
}

TAbortDialog::~TAbortDialog() {
  if (AbortDialog == this) AbortDialog = nullptr;
}

void TAbortDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void TAbortDialog::btnCancelClick(QObject*) { Aborted = 1; }

void TAbortDialog::reject() { btnCancelClick(btnCancel); }
