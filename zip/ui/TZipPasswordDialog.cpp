#include "zip/ui/TZipPasswordDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/DialogFlags.h"

TZipPasswordDialog::TZipPasswordDialog(const QString& caption, const QString& prompt, QWidget* parent)
    : QDialog(parent, platform::FixedDialogFlags()) {
  setWindowTitle(caption);
  QFontMetrics fm(font());
  const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  const int w = (fm.horizontalAdvance(letters) / 26 + 1) / 2;
  const int h = fm.height();
  setFixedSize(180 * w / 4, 63 * h / 8);
  auto* label = new QLabel(prompt, this);
  label->move(8 * w / 4, 8 * h / 8);
  label->adjustSize();
  edit_ = new QLineEdit(this);
  edit_->setEchoMode(QLineEdit::Password);
  edit_->setMaxLength(255);
  edit_->setGeometry(8 * w / 4, 19 * h / 8, 164 * w / 4, edit_->sizeHint().height());
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  ok->setGeometry(38 * w / 4, 41 * h / 8, 50 * w / 4, 14 * h / 8);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setGeometry(92 * w / 4, 41 * h / 8, 50 * w / 4, 14 * h / 8);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  edit_->setFocus();
  edit_->selectAll();
}

QString TZipPasswordDialog::Password() const { return edit_->text(); }
