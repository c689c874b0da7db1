#include "zip/ui/TZipDialogsQt.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qt/DialogFlags.h"
#include "platform/qt/TextCodec.h"
#include "zip/ui/TZipPasswordDialog.h"

namespace {

QMessageBox::StandardButton ToQt(zip::TMsgDlgBtn b) {
  using B = zip::TMsgDlgBtn;
  switch (b) {
    case B::mbYes: return QMessageBox::Yes;
    case B::mbNo: return QMessageBox::No;
    case B::mbOK: return QMessageBox::Ok;
    case B::mbCancel: return QMessageBox::Cancel;
    case B::mbAbort: return QMessageBox::Abort;
    case B::mbRetry: return QMessageBox::Retry;
    case B::mbIgnore: return QMessageBox::Ignore;
    case B::mbYesToAll: return QMessageBox::YesToAll;
    case B::mbNoToAll: return QMessageBox::NoToAll;
  }
  return QMessageBox::NoButton;
}

}  // namespace

std::optional<zip::TMsgDlgBtn> TZipDialogsQt::MessageDlg(const std::string& text,
                                                         const std::vector<zip::TMsgDlgBtn>& buttons) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(), QString::fromUtf8(text.c_str()),
                  QMessageBox::NoButton, QApplication::activeWindow(), platform::FixedDialogFlags());
  for (auto b : buttons) box.addButton(ToQt(b));
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  for (auto b : buttons)
    if (clicked && box.standardButton(clicked) == ToQt(b)) return b;
  return std::nullopt;
}

bool TZipDialogsQt::PasswordDlg(const std::string& caption, const std::string& prompt, zip::ByteString& password) {
  TZipPasswordDialog dialog(QString::fromUtf8(caption.c_str()), QString::fromUtf8(prompt.c_str()),
                            QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return false;
  password = platform::FromQt(dialog.Password());
  return true;
}

void InstallZipDialogs() {
  static TZipDialogsQt dialogs;
  zip::SetDefaultDialogs(&dialogs);
}
