// The diagnosis and communication windows against the printer emulator:
// what they show for the printer's answers, refusals and silence, and that
// the printer thread asks the diagnosis values fast only while the window
// is shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <map>
#include <memory>

#include "PrinterRig.h"
#include "printersettings/ui/PrinterWindowHooks.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/DisplayRules.h"
#include "printerlink/thread/PrinterWindowState.h"
#include "printersettings/ui/TFormPrinterSteuerungDiagnose.h"
#include "printersettings/ui/TFormPrinterSteuerungVendrel.h"
#include "support/FakeTime.h"
#include "support/qt/Modal.h"
#include "support/qt/Mouse.h"

using namespace settingstest;
using printerthread::kOfferedColour;
using printerthread::kWithheldColour;

namespace {

using Texts = std::map<std::string, std::string>;  // label name: text (Windows-1252)

class DiagnosisWindows : public WithPrinter {
 protected:
  // The settings view's tiles open the windows.
  void SetUp() override {
    WithPrinter::SetUp();
    auto& hooks = printersettings::ui::OtherPrinterWindows();
    hooks.Diagnose = diagnose.get();
    hooks.Kommunikation = vendrel.get();
    view->ApplyWindowHooks();
  }
  void TearDown() override {
    WithPrinter::TearDown();
    diagnose.reset();
    vendrel.reset();
  }
  static bool Until(const std::function<bool()>& condition, int ms = 15000) {
    return threadtest::ThreadRig::Until(condition, ms);
  }
  // Every label of `window` named in `expected` shows its text.
  static void ExpectTexts(QWidget* window, const Texts& expected, const std::string& trace) {
    for (const auto& [name, text] : expected) {
      auto* label = window->findChild<QLabel*>(QString::fromStdString(name));
      ASSERT_NE(label, nullptr) << name;
      EXPECT_EQ(platform::FromQt(label->text()), text) << trace << ": " << name;
    }
  }
  // Panels carry no meta-object of their own: found among the widgets.
  static std::vector<platform::Panel*> PanelsOf(QWidget* window) {
    std::vector<platform::Panel*> panels;
    for (QWidget* w : window->findChildren<QWidget*>())
      if (auto* p = dynamic_cast<platform::Panel*>(w)) panels.push_back(p);
    return panels;
  }
  // The communication window's rows lit (fitted) or grey, by module.
  void ExpectFitted(const std::map<std::string, bool>& fitted, const std::string& trace) {
    for (const auto& [module, lit] : fitted) {
      for (platform::Panel* panel : PanelsOf(vendrel.get())) {
        if (!panel->objectName().startsWith(QString::fromStdString("Panel" + module + "_"))) continue;
        EXPECT_EQ(panel->Color(), lit ? kOfferedColour : kWithheldColour)
            << trace << ": " << panel->objectName().toStdString();
      }
    }
  }

  std::unique_ptr<TFormPrinterSteuerungDiagnose> diagnose = std::make_unique<TFormPrinterSteuerungDiagnose>(nullptr);
  std::unique_ptr<TFormPrinterSteuerungVendrel> vendrel = std::make_unique<TFormPrinterSteuerungVendrel>(nullptr);
};

struct Case {
  const char* name;
  int cliWord;
  int state, errorCode;
  std::map<std::string, std::string> settings;  // emulator replies by query
  std::vector<printeremu::Fault> faults;
  bool connects;
  Texts diagnosis, communication;
  std::map<std::string, bool> fitted;
};

printeremu::Fault Refused(const char* command) {
  return printeremu::ReplyFault(command, printeremu::FaultPoint::CommandReply, "Fehler 3", 0, -1);
}

const std::string kNone = "-";
const std::string kUnknown = "?";

}  // namespace

TEST_F(DiagnosisWindows, ShowWhatThePrinterAnswersAndQuestionMarksForWhatItDoesNot) {
  const Case cases[] = {
      {"a type 3 machine with extended inputs",
       8058, 40, 0,
       {{"IO.BASIC", "00000C45"}, {"AUX.CMD", "1 0"}, {"START", "2"}, {"SPEED", "1 150"},
        {"SPEED.FAKTOR", "1 1100 1500"}, {"SPEED.IST", "1200 2400"}, {"ZPOS.SPEED", "120 0"},
        {"ECOM.INFO.KIT", "80000011"}},
       {},
       true,
       {{"LabelDruckstartSignal", "1"}, {"LabelDruckstartWahlsignal", "1 = 1"}, {"LabelUnterdrueckungSignal", "1"},
        {"LabelAuslaufSignal", "1"}, {"LabelBandSignal", "1   120 mm/s"},
        {"LabelDruckgeschwindigkeitSignal", "0 1 0 1"}, {"LabelDruckgeschwindigkeitTaktquelle", "1500 mm/s"},
        {"LabelDruckgeschwindigkeitFaktor", "1.100"}, {"LabelDruckgeschwindigkeitAktuell", "1200 mm/s"},
        {"LabelDruckgeschwindigkeitMaximum", "2400 mm/s"}, {"LabelDruckersteuerungDevice", "ZozaZade23 emulated"},
        {"LabelDruckersteuerungFirmware", "V1.00 emulated"}, {"LabelDruckersteuerungStatus", "Stop"},
        {"LabelDruckersteuerung24V", "24.13 V"}, {"LabelDruckersteuerung5V", "5.02 V"},
        {"LabelDruckersteuerung3V", "3.05 V"}, {"LabelDruckersteuerungReferenz", "1.21 V"},
        {"LabelDruckersteuerungTemperatur", "41 \xB0" "C"}, {"LabelDisplayUnitZeile0", "Tarvik23 Printer"},
        {"LabelDisplayUnitZeile1", "Stop            "}, {"LabelDruckersteuerungDisplayUnitTitel", ""},
        {"LabelDruckersteuerungDisplayUnit", ""}},
       {{"LabelBT_Name", "..."}, {"LabelBT_Key", "..."}, {"LabelLAN_Name", "TARVIK23"},
        {"LabelLAN_MAC", "02:00:5E:10:00:23"}, {"LabelLAN_IP", "192.168.1.23"}, {"LabelWLAN_Name", "..."},
        {"LabelWLAN_SSID", "..."}, {"LabelWLAN_Signal", "-... dBm"}, {"LabelNTP_Server", kNone},
        {"LabelLK_Domain", kNone}},
       {{"BT", true}, {"LAN", true}, {"WLAN", true}, {"NTP", false}, {"LK", false}}},
      {"an older controller in error, machine type 0",
       1, 80, 0x1A,
       {{"MASCHINE", "0"}, {"IO.BASIC", "00000002"}, {"AUX.CMD", "2 1"}, {"AD", "20.12 4.98 0 0"},
        {"ECOM.INFO.KIT", "00000000"}},
       {},
       true,
       {{"LabelDruckstartSignal", "1"}, {"LabelDruckstartWahlsignal", "0 0 = 3"}, {"LabelAuslaufSignal", kNone},
        {"LabelBandSignal", kNone}, {"LabelDruckgeschwindigkeitSignal", kNone},
        {"LabelDruckersteuerungStatus", "Fehler 1A"}, {"LabelDruckersteuerung24V", "24.12 V"},
        {"LabelDruckersteuerung5V", "4.98 V"}, {"LabelDruckersteuerung3V", kNone},
        {"LabelDruckersteuerungReferenz", kNone}, {"LabelDruckersteuerungTemperatur", kNone},
        {"LabelDisplayUnitZeile0", ""}, {"LabelDruckersteuerungDisplayUnitTitel", "Display"},
        {"LabelDruckersteuerungDisplayUnit", kNone}},
       {{"LabelBT_Name", kNone}, {"LabelLAN_Name", kNone}, {"LabelWLAN_Signal", kNone}},
       {{"BT", false}, {"LAN", false}, {"WLAN", false}, {"NTP", false}, {"LK", false}}},
      {"refused and empty identification lines",
       8058, 40, 0,
       {{"INFO.FIRMWARE", "\r\nsecond line"}, {"ECOM.INFO.KIT", "00000001"}},
       {Refused("INFO.DEVICE")},
       true,
       {{"LabelDruckersteuerungDevice", kUnknown}, {"LabelDruckersteuerungFirmware", kUnknown},
        {"LabelDruckersteuerungStatus", "Stop"}},
       {{"LabelLAN_Name", "TARVIK23"}, {"LabelBT_Name", kNone}},
       {{"LAN", true}, {"BT", false}}},
      {"a communication kit the printer refuses",
       8058, 40, 0,
       {},
       {Refused("ECOM.INFO.KIT")},
       true,
       {{"LabelDruckersteuerungStatus", "Stop"}},
       {{"LabelLAN_Name", kNone}, {"LabelBT_Key", kNone}, {"LabelNTP_Zeit", kNone}},
       {{"BT", false}, {"LAN", false}, {"WLAN", false}, {"NTP", false}, {"LK", false}}},
      {"inputs the printer refuses: the cycle never completes",
       8058, 40, 0,
       {},
       {Refused("IO.BASIC")},
       false,
       {{"LabelDruckstartSignal", kUnknown}, {"LabelDruckersteuerungStatus", kUnknown},
        {"LabelDruckersteuerung24V", kUnknown}, {"LabelDruckersteuerungDisplayUnitTitel", "Display"},
        {"LabelDruckersteuerungDisplayUnit", kUnknown}},
       {{"LabelLAN_Name", kUnknown}, {"LabelBT_Name", kUnknown}},
       {{"BT", false}, {"LAN", false}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    printeremu::EmulatorOptions options;
    options.cliWord = c.cliWord;
    auto prepare = [&](printeremu::PrinterEmulator& printer) {
      for (const auto& [key, value] : c.settings) printer.SetSetting(key, value);
      printer.SetState(c.state, c.errorCode);
      for (const auto& f : c.faults) printer.AddFault(f);
    };
    diagnose->show();
    if (c.connects) {
      Connect(prepare, options);
      // The belt signal takes the carriage speed asked after the inputs.
      ASSERT_TRUE(NextRefresh());
    } else {
      Start(prepare, options);
      // It finds the printer, fails the cycle and probes again, twice.
      ASSERT_TRUE(Until([&] {
        auto commands = rig->printer->Commands();
        return std::count(commands.begin(), commands.end(), "INFO.SYSTEM") >= 3;
      }));
      EXPECT_EQ(rig->display.refreshes, 0);
    }
    ExpectTexts(diagnose.get(), c.diagnosis, c.name);
    ExpectTexts(vendrel.get(), c.communication, c.name);
    ExpectFitted(c.fitted, c.name);
    diagnose->close();
  }
}

TEST_F(DiagnosisWindows, APrinterThatNeverAnswersLeavesEveryValueUnknownUntilItDoes) {
  Start([](printeremu::PrinterEmulator& printer) { printer.SetSilent(true); });
  // The port was found and did not answer: back to unknown, searching on.
  ASSERT_TRUE(Until([&] { return rig->display.resets >= 2; }));
  for (QLabel* l : diagnose->findChildren<QLabel*>()) {
    const std::string name = l->objectName().toStdString();
    if (name.rfind("Label", 0) != 0 || name.find("Titel") != std::string::npos) continue;
    if (name.rfind("LabelDisplayUnitZeile", 0) == 0)
      EXPECT_EQ(l->text(), QString()) << name;
    else
      EXPECT_EQ(l->text(), QStringLiteral("?")) << name;
  }
  EXPECT_EQ(diagnose->LabelDruckersteuerungDisplayUnitTitel->text(), QStringLiteral("Display"));
  for (platform::Panel* panel : PanelsOf(vendrel.get())) {
    if (panel == vendrel->PanelUnten || panel == vendrel->PanelAbbrechen) continue;
    EXPECT_EQ(panel->Color(), kWithheldColour) << panel->objectName().toStdString();
  }
  EXPECT_EQ(vendrel->LabelWLAN_Signal->text(), QStringLiteral("?"));

  rig->printer->SetSilent(false);
  ASSERT_TRUE(NextRefresh(15000));
  EXPECT_EQ(diagnose->LabelDruckersteuerungStatus->text(), QStringLiteral("Stop"));
  EXPECT_EQ(vendrel->LabelLAN_Name->text(), QStringLiteral("TARVIK23"));
  EXPECT_EQ(vendrel->LabelWLAN_Signal->text(), QStringLiteral("-"));
}

// Opened and closed by the settings view's tiles ("Diagnose", "Aktuell").
TEST_F(DiagnosisWindows, TheDiagnosisIsAskedFastOnlyWhileTheWindowIsShown) {
  testsupport::ScopedFakeTime time;
  Connect();
  auto asked = [&](const char* command, std::uint32_t from) {
    std::vector<std::uint32_t> ticks;
    for (const auto& e : rig->link.Entries())
      if (e.command == command && e.tick >= from) ticks.push_back(e.tick);
    return ticks;
  };
  EXPECT_FALSE(printerthread::PrinterWindows().DiagnosisVisible.load());
  std::uint32_t from = time->TickCount();
  ASSERT_TRUE(Until([&] { return time->TickCount() - from > 30000; }, 60000));
  EXPECT_LE(asked("IO.BASIC", from).size(), 1u);
  EXPECT_LE(asked("AD", from).size(), 1u);

  testsupport::Click(view->DruckersteuerungDiagnose.button);
  ASSERT_TRUE(diagnose->isVisible());
  EXPECT_TRUE(printerthread::PrinterWindows().DiagnosisVisible.load());
  from = time->TickCount();
  ASSERT_TRUE(Until([&] { return asked("IO.BASIC", from).size() >= 40; }, 60000));
  const std::vector<std::uint32_t> inputs = asked("IO.BASIC", from);
  for (std::size_t i = 1; i < inputs.size(); ++i) EXPECT_GT(inputs[i] - inputs[i - 1], 10u);
  EXPECT_LE(inputs.back() - inputs.front(), 40u * 30u);  // every 10 ms and a little, not once a minute
  EXPECT_GE(asked("AD", from).size(), 2u);

  testsupport::Click(view->DruckgeschwindigkeitAktuell.button);
  EXPECT_FALSE(diagnose->isVisible());
  EXPECT_FALSE(printerthread::PrinterWindows().DiagnosisVisible.load());
  ASSERT_TRUE(NextRefresh());
  from = time->TickCount();
  ASSERT_TRUE(Until([&] { return time->TickCount() - from > 30000; }, 60000));
  EXPECT_LE(asked("IO.BASIC", from).size(), 1u);

  // "Kommunikation" shows the communication window modally.
  testsupport::WhenModalIs(vendrel.get(), [this] { vendrel->SpeedButtonAbbrechen->click(); });
  testsupport::Click(view->DruckersteuerungVendrel.button);
  EXPECT_EQ(vendrel->result(), 7);
  EXPECT_EQ(vendrel->LabelLAN_Name->text(), QStringLiteral("TARVIK23"));
}

TEST_F(DiagnosisWindows, KeysAndThePlaceTheDiagnosisComesBackTo) {
  // The diagnosis comes back where it was closed; Esc closes it, Enter
  // does nothing, Ctrl+P prints it, F1 opens the guide.
  diagnose->show();
  const QRect f = diagnose->frameGeometry();
  EXPECT_EQ(f.left(), mainFrame.left() + mainFrame.width() / 2 - f.width() / 2);  // first showing: centred
  diagnose->move(40, 30);
  Key(diagnose.get(), Qt::Key_Return);
  EXPECT_TRUE(diagnose->isVisible());
  Key(diagnose.get(), Qt::Key_P, Qt::ControlModifier);
  Key(diagnose.get(), Qt::Key_F1);
  EXPECT_EQ(hardcopies, std::vector<QWidget*>{diagnose.get()});
  EXPECT_EQ(guides, 1);
  Key(diagnose.get(), Qt::Key_Escape);
  EXPECT_FALSE(diagnose->isVisible());
  ASSERT_TRUE(diagnose->KeptPlace().has_value());
  diagnose->Toggle();
  EXPECT_TRUE(diagnose->isVisible());
  EXPECT_EQ(diagnose->pos(), QPoint(40, 30));
  diagnose->Toggle();
  EXPECT_FALSE(diagnose->isVisible());

  // The communication window is modal: "Abbrechen" and Esc give 7.
  QTimer::singleShot(0, vendrel.get(), [this] { vendrel->SpeedButtonAbbrechen->click(); });
  EXPECT_EQ(vendrel->exec(), 7);
  QTimer::singleShot(0, vendrel.get(), [this] { Key(vendrel.get(), Qt::Key_Escape); });
  EXPECT_EQ(vendrel->exec(), 7);
}
