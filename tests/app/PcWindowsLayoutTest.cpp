#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "LayoutCheck.h"
#include "LanguageFixtures.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/pc/TFormInfo.h"
#include "app/pc/TFormSchnellhilfe.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "platform/qt/ShowPainted.h"
#include "platform/qt/SpeedButton.h"
#include "printdata/ui/TFrameDaten.h"
#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/PrinterWindowState.h"
#include "printerlink/thread/ValueTexts.h"
#include "printersettings/ui/TFormPrinterFernsteuerung.h"
#include "printersettings/ui/TFormPrinterSteuerungDiagnose.h"
#include "printersettings/ui/TFormPrinterSteuerungVendrel.h"
#include "printersettings/ui/TFramePrinter.h"
#include "support/qt/TextFit.h"

namespace {

class PcWindowsLayout : public apptest::LanguageApp {
 protected:
  void ShowPage(QWidget* page) {
    for (QWidget* p : {static_cast<QWidget*>(Form_Main->FrameDaten), static_cast<QWidget*>(Form_Main->FrameBearbeiten),
                       static_cast<QWidget*>(Form_Main->FramePrinter)})
      p->setVisible(p == page);
  }
  // Shows `window` (not modally), checks it and, when TARVIK_SCREENSHOT_DIR
  // is set, saves what the screen shows of it.
  void Check(QWidget* window, const std::string& name, int language) {
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(apptest::CutOff(window), std::vector<std::string>()) << name << " in language " << language;
    apptest::Screenshot(window, (name + "-" + std::to_string(language)).c_str());
    window->hide();
  }
};

TEST_F(PcWindowsLayout, NothingIsCutOffInAnyLanguage) {
  Form_Main->show();
  for (int language = 0; language <= 4; ++language) {
    ASSERT_EQ(FormSprache->SetLanguage(language), 1);
    Check(FormEinstellenPC, "pc-settings", language);
    Check(FormInfo, "info", language);
    ShowPage(Form_Main->FrameDaten);
    Check(FormSchnellhilfe, "quick-help-data", language);
    ShowPage(Form_Main->FrameBearbeiten);
    Check(FormSchnellhilfe, "quick-help-editor", language);
    ShowPage(Form_Main->FramePrinter);
    Check(FormSchnellhilfe, "quick-help-printer", language);
  }
}

// The printer's service windows with values as a printer reports them,
// the names the printer thread takes from the remote control in the
// language shown.
TEST_F(PcWindowsLayout, PrinterServiceWindowsInEveryLanguage) {
  Form_Main->show();
  printerthread::PrinterMirror m;
  m.CliWord = 8058;
  m.MachineType = 3;
  m.Option = 3;
  m.StartSignalText = "1";
  m.SelectSignalText = "1 0 1 0 = 10";
  m.SuppressionSignalText = "0";
  m.RunOutSignalText = "1";
  m.BeltSignalText = "1   120 mm/s";
  m.SpeedSignalText = "0 1 0 1";
  m.ClockSpeedText = "1500 mm/s";
  m.FactorText = "1.100";
  m.ActualSpeedText = "1650 mm/s";
  m.MaximumSpeedText = "2400 mm/s";
  m.DeviceText = "ZozaZade23 RID1 Hatchery";
  m.FirmwareText = "V1.00.23 2026-12-08";
  m.Voltage24Text = "24.13 V";
  m.Voltage5Text = "5.02 V";
  m.BatteryText = "3.05 V";
  m.ReferenceText = "1.21 V";
  m.TemperatureText = "41 \xB0" "C";
  m.DisplayLine0 = "Tarvik23 Printer";
  m.DisplayLine1 = "Drucktext 12    ";
  m.CommKit = {1, 1, 0, 0, 0, 0, 0, 1};
  m.LanName = "TARVIK23";
  m.LanMac = "02:00:5E:10:00:23";
  m.LanIp = "192.168.100.123";
  m.DtText = "12";
  m.DtValue = 12;
  m.DtCount = 12;
  m.RemoteDpi = 3;
  m.RemoteDpiText = "25 %";
  m.ModeCount = 4;
  m.ModeIndex = {0, 3, 4, 11, 0, 0, 0, 0};
  m.DpiIndex = 1;
  printerthread::RequestBoard board;
  // The printer thread has shown its unknown values and searches on.
  ASSERT_TRUE(apptest::PumpUntil([] { return Form_Main->LabelPrinter->text().size() == 16; }, 30));
  printerthread::PrinterWindows().PrinterPrintText = 12;
  printerthread::PrinterWindows().PrinterPrintMode = 3;
  for (int language = 0; language <= 4; ++language) {
    ASSERT_EQ(FormSprache->SetLanguage(language), 1);
    const auto captions = printerthread::PrinterCaptionTable().Get();
    ASSERT_TRUE(printerthread::StatusName(50, 0, *captions, m.StatusText));
    const printerthread::DisplayView view{m, *captions, board, printerthread::PrinterWindows()};
    // The operator has stepped the print data: the chosen one shows.
    auto shown = [&](printersettings::ui::PrinterWindow* window, const char* name) {
      window->RefreshDisplay(view);
      platform::ShowPainted(window);
      if (window == static_cast<printersettings::ui::PrinterWindow*>(FormPrinterFernsteuerung))
        apptest::Click(FormPrinterFernsteuerung->SpeedButtonDownDrucktext);
      Check(window, name, language);
    };
    shown(FormPrinterFernsteuerung, "remote-control");
    shown(FormPrinterSteuerungDiagnose, "diagnosis");
    shown(FormPrinterSteuerungVendrel, "communication");
  }
  printerthread::PrinterRequests().SelectDt.Withdraw();
  printerthread::PrinterWindows().PrinterPrintText = -1;
  printerthread::PrinterWindows().PrinterPrintMode = -1;
}

}  // namespace
