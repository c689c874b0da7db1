// The program with its printer's USB adapter pulled out: the printer
// emulator, found under a serial device name, closes its pseudo-terminal
// and the name goes. The main window shows the search again, the printer
// menu stays shut, and closing the program does not wait for the port.
#include <gtest/gtest.h>

#include <chrono>

#include "AppFixture.h"
#include "PrinterEmulator.h"
#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "platform/PortRegistry.h"
#include "printerlink/PortState.h"
#include "printerlink/thread/Thread_Printer.h"
#include "printersettings/ui/TFrameMenuPrinter.h"

namespace {

constexpr unsigned kPort = 33;  // ttyUSB0

class PrinterUnplugged : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    printeremu::EmulatorOptions options;
    options.linkPath = link_;
    printer_ = std::make_unique<printeremu::PrinterEmulator>(options);
    auto started = printer_->Start();
    ASSERT_TRUE(started.ok()) << started.error();
    registry_ = platform::FixedPortRegistry({{kPort, link_, platform::kPortKindUsb}});
    platform::SetPortRegistry(&registry_);
  }
  void TearDown() override {
    AppFixture::TearDown();  // the printer thread ends with the main window
    platform::SetPortRegistry(nullptr);
    printer_->Stop();
  }

  static bool Searching() { return Form_Main->LabelPrinter->text().size() == 16; }

  const std::string link_ = temp_ / "ttyUSB0";
  std::unique_ptr<printeremu::PrinterEmulator> printer_;
  platform::FixedPortRegistry registry_;
};

}  // namespace

TEST_F(PrinterUnplugged, TheSearchShowsAgainAndTheCloseDoesNotWaitForThePort) {
  Form_Main->show();
  ASSERT_TRUE(apptest::PumpUntil([] { return Form_Main->LabelPrinter->text().isEmpty(); }, 60)) << "no printer found";
  ASSERT_EQ(printerlink::ComPortNumber.load(), static_cast<int>(kPort));

  printer_->Unplug();
  // The strip moves and every display is back to unknown.
  ASSERT_TRUE(apptest::PumpUntil([] { return Searching() && Form_Main->PrinterThread->GetCliWord() == -1; }, 60));
  EXPECT_EQ(printerlink::ComPortNumber.load(), printerlink::kNoPort);
  // With no printer the printer menu does not open: the operator is told.
  bool told = false;
  apptest::WhenModal([&] {
    told = FormMessage->PanelMain->Caption() == FormMessage->MsgNoPrinter;
    FormMessage->SpeedButtonInformationOK->click();
  });
  apptest::Click(Form_Main->SpeedButtonPrinter);
  EXPECT_TRUE(told);
  EXPECT_TRUE(Form_Main->FrameMenuPrinter->isHidden());

  // The operator closes the window; the program ends with it.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(Form_Main->close());
  delete Form_Main;
  EXPECT_EQ(Form_Main, nullptr);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
  EXPECT_EQ(printerlink::ComPortNumber.load(), printerlink::kNoPort);
}
