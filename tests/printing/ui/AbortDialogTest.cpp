#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QApplication>

#include "printing/ui/TAbortDialog.h"
#include "support/qt/Screenshot.h"

namespace {

TEST(AbortDialog, LooksAsDesignedAndCancels) {
  TAbortDialog dialog(nullptr);
  EXPECT_EQ(AbortDialog, &dialog);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Printing"));
  EXPECT_EQ(dialog.size(), QSize(174, 98));
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(dialog.btnCancel->text(), QStringLiteral("&Cancel"));
  EXPECT_EQ(dialog.btnCancel->geometry(), QRect(48, 32, 75, 25));
  EXPECT_TRUE(dialog.btnCancel->isDefault());
  EXPECT_EQ(dialog.Aborted, 0);
  dialog.show();
  testsupport::SaveScreenshot(&dialog, QStringLiteral("AbortDialog"));
  dialog.btnCancel->click();
  EXPECT_EQ(dialog.Aborted, 1);

  // Esc cancels as well, and leaves the dialog to the job that shows it.
  dialog.Aborted = 0;
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&dialog, &esc);
  EXPECT_EQ(dialog.Aborted, 1);
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
