// The abort dialog of a print under a window manager: the busy message,
// rewritten at every step of the job, stays below it, so the operator can
// click Cancel at any time. Which window is at a point is what the X server
// says, with the window manager's stacking; the click goes in there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <filesystem>

#include "../AppFixture.h"
#include "app/links/PrintLinks.h"
#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "printdata/SampleGroup.h"
#include "printdata/ui/TFormRapport.h"
#include "printdata/ui/TFrameDaten.h"
#include "printing/ui/PrintService.h"
#include "printing/ui/TAbortDialog.h"

namespace {

class AbortDialogStacking : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    new TAbortDialog(nullptr);
    Form_Main->PrintLinks->choosePrinter = [this](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(pdf_));
      return true;
    };
    // The main window in the middle of the screen, so that the busy
    // message (centred on it) lies over the abort dialog (centred on the
    // screen).
    Form_Main->show();
    Form_Main->move(QGuiApplication::primaryScreen()->availableGeometry().center() -
                    Form_Main->frameGeometry().center() + Form_Main->pos());
  }
  void TearDown() override {
    delete AbortDialog;
    AppFixture::TearDown();
  }

  std::string pdf_ = temp_.path() + "/Tarvik23.pdf";
};

// The percentage of the busy message's progress text; -1 before the first.
int ShownPercent() {
  static const QRegularExpression percent(QStringLiteral(" (\\d+) %$"));
  const QRegularExpressionMatch m = percent.match(FormMessage->PanelMain->Caption());
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// In the middle of a 99-text report the operator clicks Cancel where the
// screen shows it: the report stops and leaves no file.
TEST_F(AbortDialogStacking, CancelIsClickableInTheMiddleOfAReport) {
  const auto sample = datasettest::SampleGroup(99);
  for (std::size_t i = 0; i < 99; ++i) Daten().Group.Texts[i] = sample->Texts[i];
  ShowOpenData(99);

  bool overlapped = false, uncovered = false;
  int clickedAt = -1;
  // Each progress step repaints the busy message; once it shows half the
  // report done (and has been put up again for every step before), the
  // click goes to whatever window the screen has at Cancel's place.
  apptest::EventCounter paints(FormMessage->PanelMain, QEvent::Paint, [&](int) {
    if (clickedAt >= 0 || ShownPercent() < 50 || !AbortDialog->isVisible()) return;
    clickedAt = ShownPercent();
    QPushButton* cancel = AbortDialog->btnCancel;
    const QPoint place = cancel->mapToGlobal(cancel->rect().center());
    overlapped = FormMessage->frameGeometry().contains(place);
    // The window manager restacks after the requests that reach it; the
    // place shows Cancel once it has handled them all.
    uncovered = apptest::PumpUntil(
        [&] {
          QGuiApplication::sync();
          return QApplication::widgetAt(place) == cancel;
        },
        5);
    QWidget* there = QApplication::widgetAt(place);
    if (there) QTest::mouseClick(there, Qt::LeftButton, Qt::NoModifier, there->mapFromGlobal(place));
  });
  apptest::WhenModal([] { FormRapport->SpeedButtonOK->click(); });
  Daten().SpeedButtonRapport->click();

  ASSERT_GE(clickedAt, 50);
  EXPECT_LT(clickedAt, 100);
  EXPECT_TRUE(overlapped) << "the busy message does not lie over the abort dialog: nothing was checked";
  EXPECT_TRUE(uncovered) << "Cancel is covered";
  EXPECT_EQ(Form_Main->Printing->LastOutcome(), printing::JobOutcome::Cancelled);
  EXPECT_FALSE(std::filesystem::exists(pdf_));
  for (const auto& e : std::filesystem::directory_iterator(temp_.path()))
    EXPECT_EQ(e.path().filename().string().rfind("Tarvik23.pdf", 0), std::string::npos) << e.path();
  EXPECT_FALSE(AbortDialog->isVisible());
  EXPECT_FALSE(FormMessage->isVisible());
}

}  // namespace
