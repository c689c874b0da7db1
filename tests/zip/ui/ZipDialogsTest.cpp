// The Qt default dialogs of the archive library's events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "zip/ui/TZipDialogsQt.h"
#include "zip/ui/TZipPasswordDialog.h"

TEST(ZipDialogs, PasswordDialogMasksAndLimits) {
  TZipPasswordDialog dialog("Password for \"a.txt\"", "Enter password: ");
  EXPECT_EQ(dialog.windowTitle(), "Password for \"a.txt\"");
  EXPECT_EQ(dialog.Edit()->echoMode(), QLineEdit::Password);
  EXPECT_EQ(dialog.Edit()->maxLength(), 255);
}

TEST(ZipDialogs, AnswersComeBackAsTheLibraryExpects) {
  TZipDialogsQt dialogs;
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<TZipPasswordDialog*>(w)) {
        d->Edit()->setText(QString::fromUtf8("plivet\xC3\xA4"));
        d->accept();
      }
  });
  zip::ByteString password;
  ASSERT_TRUE(dialogs.PasswordDlg("Password for \"x\"", "Enter password: ", password));
  EXPECT_EQ(password, "plivet\xE4");  // Windows-1252 bytes

  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* box = qobject_cast<QMessageBox*>(w)) box->button(QMessageBox::Retry)->click();
  });
  auto answer = dialogs.MessageDlg("x. File processing error, possibly disk is full",
                                   {zip::TMsgDlgBtn::mbAbort, zip::TMsgDlgBtn::mbRetry, zip::TMsgDlgBtn::mbIgnore});
  EXPECT_EQ(answer, zip::TMsgDlgBtn::mbRetry);
}
