// The print data to the printer and back through the printer menu: the
// program's data view, printer file set and archive service, the printer
// thread, and the printer emulator on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "AppFixture.h"
#include "PrinterEmulator.h"
#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "app/links/TransferDesk.h"
#include "rendering/DateFormats.h"
#include "rendering/TimeFormats.h"
#include "platform/PortRegistry.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "printdata/GroupFile.h"
#include "printdata/Init.h"
#include "printdata/ui/TFrameDaten.h"
#include "printersettings/ui/TFormPrinterFernsteuerung.h"
#include "printersettings/ui/TFrameMenuPrinter.h"
#include "support/TempDir.h"
#include "zip/ZipTestUtil.h"

namespace {

constexpr unsigned kPort = 33;  // a USB serial port

struct Box {
  QString title, text;
  std::uint32_t colour = 0;
};

class PrintDataTransfer : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    auto started = printer_.Start();
    ASSERT_TRUE(started.ok()) << started.error();
    registry_ = platform::FixedPortRegistry({{kPort, printer_.DevicePath(), platform::kPortKindUsb}});
    platform::SetPortRegistry(&registry_);
  }
  void TearDown() override {
    AppFixture::TearDown();  // the printer thread ends with the main window
    platform::SetPortRegistry(nullptr);
    printer_.Stop();
  }

  // Open data of `count` print texts with every kind of layer: static and
  // dynamic dates and times, graphics, notes.
  void Open(int count) {
    TFrameDaten& d = Daten();
    printdata::GroupInit(d.Group);
    d.Group.Note = "Gruppe";
    for (int i = 0; i < count; ++i) {
      printdata::PrintText& t = d.Group.Texts[static_cast<std::size_t>(i)];
      t.Parameters.X1.Drucklaenge = 300 + 10 * (i % 20);
      t.Layers[0].Kind = printdata::kKindText;
      t.Layers[0].Text = "Charge " + std::to_string(1000 + i);
      t.Layers[1].Kind = printdata::kKindDate;
      editor::ApplyDateFormat(t, 1, i % 39);
      if (i % 3 == 0) t.Layers[1].WeekdayMask = 0;  // printed as fixed content
      t.Layers[1].PosX = 110;
      t.Layers[2].Kind = printdata::kKindTime;
      editor::ApplyTimeFormat(t, 2, i % 12);
      t.Layers[2].PosX = 200;
      t.Layers[3].Kind = printdata::kKindGraphic;
      t.Layers[3].PosX = 260;
      t.Layers[3].GraphicWidth = 12;
      t.Layers[3].GraphicHeight = 12;
      t.Layers[3].Pixels = std::string(144, i % 2 ? '1' : '0');
      t.Note = "Notiz " + std::to_string(i + 1);
    }
    d.PanelTitel->SetHint(QStringLiteral("/somewhere/Eier.zg23"));
    ShowOpenData(count);
  }

  void Connect() {
    Form_Main->show();
    ASSERT_TRUE(apptest::PumpUntil([] { return Form_Main->LabelPrinter->text().isEmpty(); }, 60)) << "no printer found";
  }

  // Runs an entry of the printer menu and answers the box it ends with.
  Box Run(bool download) {
    Box seen;
    bool answered = false;
    apptest::WhenModal([&] {
      seen = {FormMessage->windowTitle(), FormMessage->PanelMain->Caption(), FormMessage->PanelMain->Color()};
      answered = true;
      FormMessage->SpeedButtonInformationOK->click();
    });
    TFrameMenuPrinter* menu = Form_Main->FrameMenuPrinter;
    if (download)
      menu->SpeedButtonSpeichernAufDruckerClick(menu->SpeedButtonSpeichernAufDrucker);
    else
      menu->SpeedButtonOeffnenVonDruckerClick(menu->SpeedButtonOeffnenVonDrucker);
    EXPECT_TRUE(apptest::PumpUntil([&] { return answered; }, 300)) << "no box";
    return seen;
  }

  // The files whose first block went to the printer since the transcript was cleared.
  std::vector<std::string> FilesSent() const {
    std::vector<std::string> files;
    for (const std::string& c : printer_.Commands()) {
      if (c.rfind("DOWNLOADS ", 0) != 0) continue;
      const std::size_t nameEnd = c.find(' ', 10);
      if (c.compare(nameEnd + 1, 2, "0 ") == 0) files.push_back(c.substr(10, nameEnd - 10));
    }
    return files;
  }

  // The last command the printer got that is not a poll.
  std::string LastPrivilegedCommand() const {
    const auto commands = printer_.Commands();
    for (auto c = commands.rbegin(); c != commands.rend(); ++c)
      if (c->find("ZAMFI") != std::string::npos) return *c;
    return {};
  }

  // With TARVIK_SCREENSHOT_DIR set: the busy box once its progress has
  // passed `percent`, and the main window behind it.
  static void ShootBusyBox(int percent, const char* name) {
    const char* dir = std::getenv("TARVIK_SCREENSHOT_DIR");
    if (!dir) return;
    QTimer::singleShot(0, [=] {
      const QString text = FormMessage->PanelMain->Caption();
      const int shown = text.section(' ', -2, -2).toInt();
      if (!FormMessage->isVisible() || FormMessage->Kind != MessageKind::Busy || shown < percent) {
        ShootBusyBox(percent, name);
        return;
      }
      FormMessage->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
      Form_Main->grab().save(QString::fromLocal8Bit(dir) + "/" + name + "-main.png");
    });
  }

  printeremu::PrinterEmulator printer_;
  platform::FixedPortRegistry registry_;
};

}  // namespace

TEST_F(PrintDataTransfer, NinetyNinePrintTextsGoToThePrinterAndComeBackEqual) {
  Open(99);
  // What the printer must give back: the group as its files hold it.
  printdata::PrintGroup expected = Daten().Group;
  {
    testsupport::TempDir scratch;
    ASSERT_TRUE(printdata::GroupSave(expected, 99, scratch / "GP.g23"));
    printdata::GroupInit(expected);
    int count = 0;
    ASSERT_TRUE(printdata::GroupLoad(scratch / "GP.g23", expected, count));
  }
  Connect();

  ShootBusyBox(40, "transfer-download-busy");
  Box box = Run(true);
  EXPECT_EQ(box.title, QStringLiteral(" Printer - Daten speichern"));
  EXPECT_EQ(box.text, FormMessage->MsgDoneOk);
  EXPECT_EQ(box.colour, TFormMessage::kGreen);
  EXPECT_EQ(printer_.Setting("DT"), "1 99");
  EXPECT_EQ(LastPrivilegedCommand(), "STATUS 40 ZAMFI");
  // Every file of the set, each archive and the group file, once.
  std::size_t setFiles = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(Form_Main->TmpDir + "DOWNLOAD"))
    setFiles += entry.is_regular_file();
  EXPECT_EQ(FilesSent().size(), setFiles + 1);
  EXPECT_EQ(FilesSent().front(), "PC\\001.Z23");
  EXPECT_EQ(FilesSent().back(), "PC\\GP.N23");

  // Nothing changed: nothing is sent again.
  printer_.ClearTranscript();
  box = Run(true);
  EXPECT_EQ(box.text, FormMessage->MsgDoneOk);
  EXPECT_TRUE(FilesSent().empty());
  EXPECT_EQ(LastPrivilegedCommand(), "STATUS 40 ZAMFI");

  // Back from the printer: new data with the printer's title, no path,
  // marked changed.
  Daten().Group.Texts[0].Note = "not what the printer has";
  box = Run(false);
  EXPECT_EQ(box.title, QStringLiteral(" Printer - Daten öffnen"));
  EXPECT_EQ(box.text, FormMessage->MsgDoneOk);
  EXPECT_EQ(box.colour, TFormMessage::kGreen);
  TFrameDaten& d = Daten();
  EXPECT_EQ(d.Count, 99);
  for (int i = 0; i < 99; ++i)
    EXPECT_EQ(d.Group.Texts[static_cast<std::size_t>(i)], expected.Texts[static_cast<std::size_t>(i)]) << i;
  EXPECT_EQ(d.Group.Note, "Gruppe");
  EXPECT_EQ(d.PanelTitel->Caption(), QStringLiteral("Eier"));
  EXPECT_EQ(d.PanelTitel->Hint(), QString());
  EXPECT_TRUE(d.IsModified());
  EXPECT_EQ(d.Selected, 0);
  EXPECT_FALSE(d.RowImages[98]->isHidden());
  EXPECT_EQ(LastPrivilegedCommand(), "STATUS 40 ZAMFI");
}

// The remote control while 99 print texts go to the printer: its clicks
// come through while the transfer holds the user's input back, the GUI
// thread never waits for the port, and every click is served once the
// transfer has ended. A timer measures the longest time the GUI thread's
// event loop did not run.
TEST_F(PrintDataTransfer, RemoteControlClicksDuringANinetyNineTextDownloadNeitherStallNorGetLost) {
  Open(99);
  printer_.SetSetting("DT", "5 12");
  Connect();
  TFormPrinterFernsteuerung& remote = *FormPrinterFernsteuerung;
  // Opened from the printer menu, whose entry is lit while it shows.
  apptest::Click(Form_Main->SpeedButtonPrinter);
  ASSERT_TRUE(Form_Main->FrameMenuPrinter->isVisible());
  platform::SpeedButton* entry = Form_Main->FrameMenuPrinter->SpeedButtonFernsteuerungDrucker;
  apptest::Click(entry);
  ASSERT_TRUE(remote.isVisible());
  EXPECT_EQ(dynamic_cast<platform::Panel*>(entry->parentWidget())->Color(), platform::colours::kNavy);
  ASSERT_TRUE(apptest::PumpUntil([&] { return remote.LabelDrucktextIst->text() == QStringLiteral("5"); }, 60));

  QElapsedTimer sinceTick;
  qint64 longestStall = 0, longestClick = 0;
  QTimer meter;
  meter.setInterval(5);
  QObject::connect(&meter, &QTimer::timeout, [&] {
    longestStall = std::max(longestStall, sinceTick.restart());
  });
  // Once the transfer is well under way: the operator's clicks.
  std::size_t filesAtClicks = 0;
  QTimer clicker;
  clicker.setInterval(5);
  QObject::connect(&clicker, &QTimer::timeout, [&] {
    const std::size_t files = FilesSent().size();
    if (files < 200) return;
    clicker.stop();
    filesAtClicks = files;
    for (QWidget* button : {static_cast<QWidget*>(remote.SpeedButtonUpDrucktext),
                            static_cast<QWidget*>(remote.SpeedButtonUpDruckmodus),
                            static_cast<QWidget*>(remote.SpeedButtonStart),
                            static_cast<QWidget*>(remote.SpeedButtonDisplayUnit)}) {
      QElapsedTimer click;
      click.start();
      apptest::Click(button);
      longestClick = std::max(longestClick, click.elapsed());
    }
  });
  printer_.ClearTranscript();
  sinceTick.start();
  meter.start();
  clicker.start();
  const Box box = Run(true);
  EXPECT_EQ(box.text, FormMessage->MsgDoneOk);
  // The clicks came while files were still going to the printer.
  ASSERT_GT(filesAtClicks, 0u);
  EXPECT_LT(filesAtClicks, FilesSent().size());
  EXPECT_EQ(remote.LabelDrucktext->text(), QStringLiteral("(6)"));

  // Served after the transfer, in the request order.
  const std::vector<std::string> served = {"DT 6", "DPI.INDEX 1", "ENABLE 1", "OPTION.D0216.BUTTON.PRESS 1"};
  auto after = [&](const std::string& mark) {
    const auto commands = printer_.Commands();
    std::vector<std::string> found;
    auto at = std::find(commands.begin(), commands.end(), mark);
    for (; at != commands.end(); ++at)
      if (std::find(served.begin(), served.end(), *at) != served.end()) found.push_back(*at);
    return found;
  };
  ASSERT_TRUE(apptest::PumpUntil([&] { return after("MAXDT 99").size() >= served.size(); }, 60));
  EXPECT_EQ(after("MAXDT 99"), served);
  EXPECT_EQ(after("MAXDT 0"), served);  // none before the transfer ended
  meter.stop();
  std::printf("Longest GUI stall during the 99-text download: %lld ms; longest click: %lld ms\n",
              static_cast<long long>(longestStall), static_cast<long long>(longestClick));
  // The GUI thread's own steps of the transfer (the printer file set, the
  // archives) are the longest; nothing waits for the port.
  EXPECT_LT(longestClick, 1000);
  EXPECT_LT(longestStall, 10000);
  remote.close();
  EXPECT_EQ(dynamic_cast<platform::Panel*>(entry->parentWidget())->Color(), platform::colours::kLightGrey);
}

TEST_F(PrintDataTransfer, AChangedPrintTextGoesAlone) {
  Open(3);
  Connect();
  ASSERT_EQ(Run(true).text, FormMessage->MsgDoneOk);
  Daten().Group.Texts[1].Layers[0].Text = "Charge 7777";
  printer_.ClearTranscript();
  ASSERT_EQ(Run(true).text, FormMessage->MsgDoneOk);
  // Its archive and its bitmap; its parameters and layer list are the same.
  EXPECT_EQ(FilesSent(), (std::vector<std::string>{"PC\\002.Z23", "002\\BS.R23"}));
}

TEST_F(PrintDataTransfer, AnArchiveReachingOutOfItsFolderFailsTheUpload) {
  Open(2);
  Connect();
  ASSERT_EQ(Run(true).text, FormMessage->MsgDoneOk);
  printer_.PutFile("PC\\002.Z23", ziptest::BuildZip({{"../GP_002.j23", "outside"}}));
  const Box box = Run(false);
  EXPECT_EQ(box.text, FormMessage->MsgDoneFailed);
  EXPECT_EQ(box.colour, TFormMessage::kRed);
  EXPECT_FALSE(std::filesystem::exists(Form_Main->TmpDir + "GP_002.j23"));
  EXPECT_EQ(Daten().Count, 0);  // closed, and closed it stays
  EXPECT_EQ(LastPrivilegedCommand(), "STATUS 40 ZAMFI");
}

// The upload ends as the load of the fetched group does: print texts that
// cannot be read fail it with the rest open; a group without print texts
// leaves the data closed, which is no failure.
TEST_F(PrintDataTransfer, TheUploadEndsAsTheLoadOfTheFetchedGroupEnds) {
  Open(2);
  Connect();
  ASSERT_EQ(Run(true).text, FormMessage->MsgDoneOk);

  printer_.PutFile("PC\\002.Z23", ziptest::BuildZip({{"GP_002.j23", "not a print text"}}));
  Box box = Run(false);
  EXPECT_EQ(box.text, FormMessage->MsgDoneFailed);
  EXPECT_EQ(box.colour, TFormMessage::kRed);
  EXPECT_EQ(Daten().Count, 2);
  EXPECT_EQ(Daten().Group.Texts[0].Note, "Notiz 1");
  EXPECT_EQ(Daten().PanelTitel->Caption(), QStringLiteral("Eier"));
  EXPECT_EQ(Daten().PanelTitel->Hint(), QString());
  EXPECT_TRUE(Daten().IsModified());

  Daten().SetModified(false);  // as if saved: the printer menu opens again
  {
    testsupport::TempDir scratch;
    printdata::PrintGroup empty;
    printdata::GroupInit(empty);
    ASSERT_TRUE(printdata::GroupSave(empty, 0, scratch / "GP.g23"));
    std::ifstream in(scratch / "GP.g23", std::ios::binary);
    printer_.PutFile("PC\\GP.G23", std::string(std::istreambuf_iterator<char>(in), {}));
  }
  box = Run(false);
  EXPECT_EQ(box.text, FormMessage->MsgDoneOk);
  EXPECT_EQ(box.colour, TFormMessage::kGreen);
  EXPECT_EQ(Daten().Count, 0);
  EXPECT_FALSE(Daten().IsModified());
  EXPECT_EQ(LastPrivilegedCommand(), "STATUS 40 ZAMFI");
}

TEST_F(PrintDataTransfer, TheUsersInputWaitsWhileTheDeskHoldsIt) {
  Open(3);
  app::TransferDesk desk(*Form_Main);
  desk.BlockInput(true);
  apptest::PressKey(Form_Main, Qt::Key_End);
  EXPECT_EQ(Daten().Selected, 0);
  desk.BlockInput(false);
  apptest::PressKey(Form_Main, Qt::Key_End);
  EXPECT_EQ(Daten().Selected, 2);

  // Let go when the desk goes, also when the printer thread ended before
  // it could say so.
  {
    app::TransferDesk other(*Form_Main);
    other.BlockInput(true);
  }
  apptest::PressKey(Form_Main, Qt::Key_Home);
  EXPECT_EQ(Daten().Selected, 0);
}
