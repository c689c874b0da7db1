#pragma once
// The archive library's password dialog: caption with the entry's name, one
// masked field of at most 255 characters, OK and Cancel. Sized from the
// dialog font like the library's original form.
#include <QDialog>

class QLineEdit;

class TZipPasswordDialog : public QDialog {
  Q_OBJECT

 public:
  TZipPasswordDialog(const QString& caption, const QString& prompt, QWidget* parent = nullptr);
  QString Password() const;
  QLineEdit* Edit() const { return edit_; }

 private:
  QLineEdit* edit_;
};
