#include <gtest/gtest.h>

#include <pty.h>
#include <unistd.h>

#include <QApplication>
#include <QMouseEvent>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "AppFixture.h"
#include "app/DesktopLauncher.h"
#include "app/Konfig.h"
#include "app/pc/PortListText.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/TFormMessage.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "app/pc/TFrameMenuPC.h"
#include "platform/FileIO.h"
#include "platform/PortRegistry.h"
#include "platform/qt/NamedColours.h"
#include "printerlink/PortControl.h"
#include "printerlink/PortState.h"
#include "support/FileBytes.h"

using platform::OwnEnabled;
using namespace platform::colours;

namespace {

// A serial port of this machine: the terminal side of a pseudo-terminal,
// registered as port 3 (USB).
class PseudoPort {
 public:
  PseudoPort() {
    char name[128] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) throw std::runtime_error("openpty");
    registry_ = platform::FixedPortRegistry({{3, name, platform::kPortKindUsb}});
    platform::SetPortRegistry(&registry_);
    device_ = name;
  }
  ~PseudoPort() {
    platform::SetPortRegistry(nullptr);
    ::close(slave_);
    ::close(master_);
  }
  const std::string& Device() const { return device_; }

 private:
  int master_ = -1, slave_ = -1;
  std::string device_;
  platform::FixedPortRegistry registry_;
};

class PcSettings : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    app::SetLaunchSink([this](app::LaunchKind kind, const std::string& target, const std::string& dir) {
      launches_.push_back({kind, target, dir});
      return true;
    });
  }
  void TearDown() override {
    app::SetLaunchSink(nullptr);
    if (printerlink::ComPortHandle >= 0) (void)printerlink::ComPortClose(&printerlink::ComPortHandle);
    AppFixture::TearDown();
  }
  struct Launch {
    app::LaunchKind kind;
    std::string target, dir;
  };
  std::vector<Launch> launches_;
};

TEST_F(PcSettings, ChosenValuesComeInForceOnlyWithOk) {
  TFormEinstellenPC* f = FormEinstellenPC;
  EXPECT_EQ(f->GetUseRS232USB(), 1u);
  EXPECT_EQ(f->GetUseBluetooth(), 0u);
  EXPECT_EQ(f->GetSimulation(), 0u);
  EXPECT_FALSE(OwnEnabled(f->SpeedButtonLANWLAN)) << "LAN + WLAN cannot be changed";

  apptest::WhenModal([f] {
    EXPECT_EQ(f->PanelRS232USB->Color(), kGrey);
    EXPECT_EQ(f->PanelBluetooth->Color(), kSilver);
    f->SpeedButtonRS232USB->click();
    f->SpeedButtonBluetooth->click();
    f->SpeedButtonSimulation->click();
    EXPECT_EQ(f->PanelRS232USB->Color(), kSilver);
    EXPECT_EQ(f->PanelBluetooth->Color(), kGrey);
    EXPECT_EQ(f->PanelSimulation->Color(), kGrey);
    EXPECT_EQ(f->GetUseRS232USB(), 1u) << "nothing in force before OK";
    apptest::PressKey(f, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(f->isVisible()) << "Shift+Esc is no Esc";
    apptest::PressKey(f, Qt::Key_Escape);
  });
  EXPECT_EQ(f->exec(), 7);
  EXPECT_EQ(f->GetUseRS232USB(), 1u);
  EXPECT_EQ(f->GetUseBluetooth(), 0u);

  apptest::WhenModal([f] {
    EXPECT_EQ(f->PanelBluetooth->Color(), kSilver) << "every showing starts from the values in force";
    f->SpeedButtonRS232USB->click();
    f->SpeedButtonBluetooth->click();
    f->SpeedButtonSimulation->click();
    apptest::PressKey(f, Qt::Key_Return);
  });
  EXPECT_EQ(f->exec(), 6);
  EXPECT_EQ(f->GetUseRS232USB(), 0u);
  EXPECT_EQ(f->GetUseBluetooth(), 1u);
  EXPECT_EQ(f->GetUseLANWLAN(), 0u);
  EXPECT_EQ(f->GetSimulation(), 1u);
}

// OK in the PC menu writes Tarvik23.ini and closes the open port under the
// port lock, even while another thread holds the lock when OK is pressed.
TEST_F(PcSettings, OkWritesTheConfigurationAndClosesThePort) {
  PseudoPort port;
  {
    printerlink::ComLockGuard lock;
    printerlink::ComPortHandle = printerlink::ComPortOpen(3);
  }
  ASSERT_GE(printerlink::ComPortHandle, 0);
  ASSERT_EQ(printerlink::ComPortNumber.load(), 3);

  std::atomic<bool> released{false};
  std::atomic<bool> holding{false};
  std::thread printer([&] {
    printerlink::ComLock();
    holding = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_GE(printerlink::ComPortHandle, 0) << "not closed under someone else's lock";
    released = true;
    printerlink::ComUnlock();
  });
  while (!holding) std::this_thread::yield();

  TFrameMenuPC* menu = Form_Main->FrameMenuPC;
  apptest::WhenModal([] {
    FormEinstellenPC->SpeedButtonRS232USB->click();
    FormEinstellenPC->SpeedButtonBluetooth->click();
    FormEinstellenPC->SpeedButtonSimulation->click();
    FormEinstellenPC->SpeedButtonOK->click();
  });
  menu->SpeedButtonEinstellenClick(menu->SpeedButtonEinstellen);
  EXPECT_TRUE(released.load());
  EXPECT_EQ(FormEinstellenPC->GetSimulation(), 1u);
  printer.join();
  EXPECT_EQ(printerlink::ComPortHandle, printerlink::kNoPort);
  EXPECT_EQ(printerlink::ComPortNumber.load(), printerlink::kNoPort);
  // The simulation switch is not stored: it is off at every start.
  EXPECT_EQ(testsupport::FileBytes(ConfigFile("Tarvik23.ini")),
            "[Sprache]\r\n0\r\n\r\n[RS232USB]\r\n0\r\n\r\n[Bluetooth]\r\n1\r\n\r\n[LANWLAN]\r\n0\r\n\r\n"
            "[Bedienungsmodus]\r\n0\r\n\r\n");

  // The file round-trips: a fresh start reads the same kinds back.
  FormEinstellenPC->SetUseRS232USB(1);
  FormEinstellenPC->SetUseBluetooth(0);
  ASSERT_EQ(app::ReadProgramConfig(), 0);
  EXPECT_EQ(FormEinstellenPC->GetUseRS232USB(), 0u);
  EXPECT_EQ(FormEinstellenPC->GetUseBluetooth(), 1u);
}

TEST_F(PcSettings, OkWithoutChangeStillWritesAndCloses) {
  PseudoPort port;
  printerlink::ComPortHandle = printerlink::ComPortOpen(3);
  ASSERT_GE(printerlink::ComPortHandle, 0);
  TFrameMenuPC* menu = Form_Main->FrameMenuPC;
  apptest::WhenModal([] { FormEinstellenPC->SpeedButtonOK->click(); });
  menu->SpeedButtonEinstellenClick(menu->SpeedButtonEinstellen);
  EXPECT_TRUE(std::filesystem::exists(ConfigFile("Tarvik23.ini")));
  EXPECT_EQ(printerlink::ComPortHandle, printerlink::kNoPort);

  // "Abbrechen" writes nothing and leaves the port alone.
  std::filesystem::remove(ConfigFile("Tarvik23.ini"));
  printerlink::ComPortHandle = printerlink::ComPortOpen(3);
  apptest::WhenModal([] { FormEinstellenPC->SpeedButtonAbbrechen->click(); });
  menu->SpeedButtonEinstellenClick(menu->SpeedButtonEinstellen);
  EXPECT_FALSE(std::filesystem::exists(ConfigFile("Tarvik23.ini")));
  EXPECT_GE(printerlink::ComPortHandle, 0);
}

TEST_F(PcSettings, DriverInstaller) {
  TFormEinstellenPC* f = FormEinstellenPC;
  // Missing: only the stop beep; RS232 + USB is chosen and the button stays
  // off until the next showing.
  apptest::WhenModal([this, f] {
    f->SpeedButtonRS232USB->click();
    EXPECT_EQ(f->ChosenRS232USB, 0u);
    f->SpeedButtonTreiberUSB->click();
    EXPECT_EQ(beeps_, std::vector<platform::BeepKind>{platform::BeepKind::Stop});
    EXPECT_TRUE(launches_.empty());
    EXPECT_EQ(f->ChosenRS232USB, 1u);
    EXPECT_EQ(f->PanelTreiberUSB->Color(), kSilver);
    EXPECT_FALSE(OwnEnabled(f->SpeedButtonTreiberUSB));
    f->SpeedButtonAbbrechen->click();
  });
  f->exec();
  beeps_.clear();

  // Present: the unplug notice, then the installer starts.
  ASSERT_TRUE(platform::WriteFileDirect(f->DriverInstallerPath(), "driver"));
  bool noticed = false;
  apptest::WhenModal([f, &noticed] {
    EXPECT_TRUE(OwnEnabled(f->SpeedButtonTreiberUSB));
    apptest::WhenModal([&noticed] {
      noticed = FormMessage->PanelMain->Caption() == FormMessage->MsgUnplugUsb &&
                FormMessage->windowTitle() == QStringLiteral(" USB Treiber installieren");
      FormMessage->SpeedButtonInformationOK->click();
    });
    f->SpeedButtonTreiberUSB->click();
    f->SpeedButtonAbbrechen->click();
  });
  f->exec();
  EXPECT_TRUE(noticed);
  EXPECT_EQ(std::count(beeps_.begin(), beeps_.end(), platform::BeepKind::Stop), 0);
  ASSERT_EQ(launches_.size(), 1u);
  EXPECT_EQ(launches_[0].kind, app::LaunchKind::Program);
  EXPECT_EQ(launches_[0].target, Form_Main->DriverDir + "CDM212364_Setup.exe");
}

TEST(PortList, Texts) {
  const std::vector<platform::PortEntry> ports = {{1, "/dev/ttyS0", platform::kPortKindRs232},
                                                  {33, "/dev/ttyUSB0", platform::kPortKindUsb},
                                                  {161, "/dev/rfcomm0", platform::kPortKindBluetooth},
                                                  {200, "/dev/odd", platform::kPortKindOther},
                                                  {201, "/dev/none", platform::kPortKindNone}};
  EXPECT_EQ(app::PortListText(0, {}, false, -1),
            QStringLiteral("Alle Anschlüsse:\n-\n\nVerwendeter Anschluss:\n-\n"));
  EXPECT_EQ(app::PortListText(1, ports, true, 33),
            QStringLiteral("All connections:\n"
                           "- COM1   /dev/ttyS0  (RS232)\n"
                           "- COM33   /dev/ttyUSB0  (USB)\n"
                           "- COM161   /dev/rfcomm0  (Bluetooth)\n"
                           "- COM200   /dev/odd  (?)\n"
                           "\nUsed connection:\n"
                           "- COM33   /dev/ttyUSB0  (USB)\n"));
  // No printer connected: "-" even with a port open.
  EXPECT_TRUE(app::PortListText(7, ports, false, 33).endsWith(QStringLiteral("Verwendeter Anschluss:\n-\n")));
  // A connected printer on a port that is gone.
  EXPECT_TRUE(app::PortListText(4, ports, true, 40).endsWith(QStringLiteral("Used connection:\n-\n")));
}

TEST_F(PcSettings, DoubleClickListsThePorts) {
  PseudoPort port;
  printerlink::ComPortHandle = printerlink::ComPortOpen(3);
  Form_Main->LabelPrinter->setText(QString());  // a printer is connected
  QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(190, 170), QPointF(190, 170), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(FormEinstellenPC->Panel3, &dbl);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].title, QStringLiteral("Tarvik23 - Osmek AG"));
  const QString line = QStringLiteral("- COM3   %1  (USB)\n").arg(QString::fromStdString(port.Device()));
  EXPECT_EQ(boxes_[0].text, QStringLiteral("Alle Anschlüsse:\n") + line + "\nVerwendeter Anschluss:\n" + line);
}

}  // namespace
