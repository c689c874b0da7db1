// The main window's hooks of the printer thread and the printer menu: the
// thread starts when the window is first shown and stops with it, the
// connection text shows under the printer button, the thread's boxes appear
// in the message window, and the menu raises its requests.
#include <gtest/gtest.h>


#include "AppFixture.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "printdata/ui/TFrameDaten.h"
#include "printerlink/thread/RequestBoard.h"
#include "printerlink/thread/Thread_Printer.h"
#include "printersettings/ui/TFrameMenuPrinter.h"

namespace {

class PrinterHooks : public apptest::AppFixture {
 protected:
  void TearDown() override {
    AppFixture::TearDown();
    // The board is the program's: leave nothing pending for the next test.
    (void)printerthread::PrinterRequests().UploadGroup.Take();
    (void)printerthread::PrinterRequests().DownloadGroup.Take();
  }
};

}  // namespace

TEST_F(PrinterHooks, ShowingTheWindowStartsTheThread) {
  EXPECT_EQ(Form_Main->PrinterThread, nullptr);
  Form_Main->show();
  ASSERT_NE(Form_Main->PrinterThread, nullptr);
  // No port: the strip moves under the printer button.
  ASSERT_TRUE(apptest::PumpUntil([] { return Form_Main->LabelPrinter->text().size() == 16; }, 10));
  EXPECT_EQ(Form_Main->LabelPrinter->text().count(QChar('.')), 1);
  EXPECT_EQ(Form_Main->PrinterThread->GetCliWord(), -1);

  FormEinstellenPC->UseSimulation = 1;
  ASSERT_TRUE(apptest::PumpUntil([] { return Form_Main->LabelPrinter->text() == QStringLiteral("Simulation"); }, 10));
  EXPECT_EQ(Form_Main->PrinterThread->GetCliWord(), 8058);
  Form_Main->SpeedButtonPrinter->click();
  EXPECT_FALSE(Form_Main->FrameMenuPrinter->isHidden());
}

TEST_F(PrinterHooks, ThePrinterMenuRefusesWhileDataIsModified) {
  TFrameMenuPrinter* menu = Form_Main->FrameMenuPrinter;
  auto& board = printerthread::PrinterRequests();
  for (bool opening : {true, false}) {
    platform::SpeedButton* button = opening ? menu->SpeedButtonOeffnenVonDrucker : menu->SpeedButtonSpeichernAufDrucker;
    const QString text = opening ? FormMessage->MsgSaveOrCloseFirst : FormMessage->MsgSaveFirst;
    Form_Main->FrameDaten->SetModified(true);
    menu->show();
    bool refused = false;
    apptest::WhenModal([&] {
      refused = FormMessage->PanelMain->Caption() == text &&
                FormMessage->windowTitle() == QStringLiteral(" ") + button->Caption() &&
                FormMessage->PanelMain->Color() != TFormMessage::kRed;
      FormMessage->SpeedButtonInformationOK->click();
    });
    button->setEnabled(true);
    button->click();
    EXPECT_TRUE(refused) << opening;
    EXPECT_TRUE(menu->isHidden());  // the back-to-idle step closed the menu
    EXPECT_FALSE(board.UploadGroup.Pending());
    EXPECT_FALSE(board.DownloadGroup.Pending());

    // Saved: the request is raised, titled with the button's caption.
    Form_Main->FrameDaten->SetModified(false);
    button->setEnabled(true);  // "Daten speichern" is on only while data is open
    button->click();
    if (opening) {
      auto request = board.UploadGroup.Take();
      ASSERT_TRUE(request);
      EXPECT_EQ(request->Title, "Daten \xF6" "ffnen");
    } else {
      auto request = board.DownloadGroup.Take();
      ASSERT_TRUE(request);
      EXPECT_EQ(request->Title, "Daten speichern");
    }
  }
}

TEST_F(PrinterHooks, TheThreadsBoxesShowInTheMessageWindow) {
  FormEinstellenPC->UseSimulation = 1;
  Form_Main->show();
  ASSERT_TRUE(apptest::PumpUntil([] { return Form_Main->LabelPrinter->text() == QStringLiteral("Simulation"); }, 10));
  // Saving to the printer with no data open ends at once with the red box,
  // titled with the printer button's caption and the request's.
  bool shown = false;
  apptest::WhenModal([&] {
    shown = FormMessage->PanelMain->Caption() == FormMessage->MsgDoneFailed &&
            FormMessage->PanelMain->Color() == TFormMessage::kRed &&
            FormMessage->windowTitle() == QStringLiteral(" Printer - Daten speichern");
    FormMessage->SpeedButtonInformationOK->click();
  });
  printerthread::PrinterRequests().DownloadGroup.Raise({"Daten speichern"});
  ASSERT_TRUE(apptest::PumpUntil([&] { return shown; }, 10));
}
