// The firmware installer window: packages made with 7-Zip opened through
// the archive service, and an installation into the printer emulator's
// controller through the printer thread. The console that shows the window
// for its word is not part of this tree yet: the tests show the window
// through the hook the console uses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPrinter>
#include <filesystem>

#include "AppFixture.h"
#include "FirmwareRig.h"
#include "app/links/PrintLinks.h"
#include "app/TForm_Main.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/Beep.h"
#include "printersettings/ui/PrinterWindowHooks.h"
#include "printersettings/ui/TFormPrinterFirmwareInstaller.h"
#include "support/PdfFile.h"
#include "zip/ZipTestUtil.h"

namespace {

namespace fs = std::filesystem;
using printerthread::kFirmwareImageSize;

const char* const kText = "Firmware ZozaZade23 V2.17\r\nNeu: Uhrzeit \xFC" "ber NTP\r\n";

std::string Bytes(const std::vector<std::uint8_t>& v) { return std::string(v.begin(), v.end()); }

class FirmwareInstaller : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    ASSERT_TRUE(ziptest::HavePeer("7zz")) << "7zz is missing: run scripts/install-deps.sh";
    window_ = FormPrinterFirmwareInstaller;
    ASSERT_NE(window_, nullptr);
    hex_ = Form_Main->HexDir;
    fs::create_directories(hex_);
  }
  void TearDown() override {
    rig_.reset();
    AppFixture::TearDown();
  }

  // A package "<name>.b23" in HEX, made by 7-Zip with AES-256 and `password`,
  // holding the entries named in `entries` (name and content).
  std::string Package(const std::string& name, const std::map<std::string, std::string>& entries,
                      const std::string& password = "plivet") {
    const std::string dir = temp_ / ("src-" + name);
    fs::create_directories(dir);
    std::string names;
    for (const auto& [entry, content] : entries) {
      ziptest::WriteFile(dir + "/" + entry, content);
      names += " " + ziptest::Quote(entry);
    }
    const std::string package = hex_ + name + ".b23";
    const auto made = ziptest::Run("cd " + ziptest::Quote(dir) + " && 7zz a -tzip -mem=AES256 -p" + password + " " +
                                   ziptest::Quote(package) + names);
    EXPECT_EQ(made.exitCode, 0) << made.output;
    return package;
  }
  std::string GoodPackage(const std::string& name, const std::vector<std::uint8_t>& image) {
    return Package(name, {{name + ".BIN", Bytes(image)}, {name + ".TXT", kText}});
  }

  // The window as the console shows it.
  void ShowThroughTheHook() {
    printersettings::ui::ToggleWindow(printersettings::ui::OtherPrinterWindows().FirmwareInstaller);
    ASSERT_TRUE(window_->isVisible());
  }

  // The printer thread on the emulator, serving the window's request.
  void StartPrinter(printeremu::EmulatorOptions options = {}) {
    rig_ = std::make_unique<threadtest::FirmwareRig>(options);
    rig_->Start();
    ASSERT_TRUE(rig_->ConnectedAndPolling());
    window_->Services.Requests = &rig_->requests;
    window_->Services.CliWord = [this] { return rig_->thread->GetCliWord(); };
  }

  bool Unlocked() const {
    return window_->Panel_Top->isEnabled() && window_->Panel_Fortschritt->isHidden() &&
           window_->Memo_Editor->palette().color(QPalette::Base) == QColor(Qt::white);
  }
  bool Empty() const {
    return window_->ArchivePath.empty() && !window_->SpeedButtonDownload->isEnabled() &&
           !window_->SpeedButtonPrint->isEnabled() &&
           window_->Memo_Editor->toPlainText().isEmpty() &&
           std::all_of(window_->ImageBuffer.begin(), window_->ImageBuffer.end(), [](auto b) { return b == 0xFF; });
  }
  void AnswerWarning(QMessageBox::StandardButton answer) {
    apptest::WhenModal([answer] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      box->button(answer)->click();
    });
  }

  TFormPrinterFirmwareInstaller* window_ = nullptr;
  std::string hex_;
  std::unique_ptr<threadtest::FirmwareRig> rig_;
};

}  // namespace

// The operator's way: the window shown, "Öffnen", the package chosen in the
// file dialog, its text read, "Installieren", Yes to the warning; the image
// lands in the controller byte for byte and the success box ends it.
TEST_F(FirmwareInstaller, APackageFromSevenZipInstallsIntoTheController) {
  const auto image = threadtest::FirmwareImage(1500, 7);
  GoodPackage("ZZ23V217", image);
  StartPrinter();
  rig_->printer->SetFlash(std::vector<std::uint8_t>(kFirmwareImageSize, 0));
  ShowThroughTheHook();
  EXPECT_FALSE(window_->SpeedButtonDownload->isEnabled());

  apptest::WhenModal([] {
    Form_FileDialog->HomeItemClick(0);
    ASSERT_TRUE(Form_FileDialog->SelectItemByName("ZZ23V217.b23"));
    Form_FileDialog->SpeedButton_OK->click();
  });
  apptest::Click(window_->SpeedButtonOpen);
  ASSERT_TRUE(window_->SpeedButtonDownload->isEnabled());
  EXPECT_TRUE(window_->Memo_Editor->toPlainText().contains(QStringLiteral("Uhrzeit \u00FCber NTP")));
  EXPECT_TRUE(window_->ImageBuffer == image);

  // "Drucken" prints the package's text, titled with the package's name.
  const std::string pdf = temp_ / "firmware.pdf";
  Form_Main->PrintLinks->choosePrinter = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    return true;
  };
  ASSERT_TRUE(window_->SpeedButtonPrint->isEnabled());
  apptest::Click(window_->SpeedButtonPrint);
  const std::string printed = testsupport::PdfText(pdf);
  EXPECT_NE(printed.find("Uhrzeit \xC3\xBC" "ber NTP"), std::string::npos) << printed;
  EXPECT_EQ(testsupport::PdfTitle(pdf), "ZZ23V217.b23");

  AnswerWarning(QMessageBox::Yes);
  apptest::Click(window_->SpeedButtonDownload);
  EXPECT_FALSE(window_->Panel_Top->isEnabled());
  // Locked, its top buttons look as what cannot be used.
  for (const platform::SpeedButton* b :
       {window_->SpeedButtonOpen, window_->SpeedButtonPrint, window_->SpeedButtonDownload})
    EXPECT_EQ(b->CaptionColour(), platform::colours::kDisabledText) << b->objectName().toStdString();
  // While it installs the window will not close.
  ASSERT_TRUE(apptest::PumpUntil([&] { return window_->ProgressBar_Fortschritt->value() > 1000; }, 60));
  EXPECT_EQ(window_->ProgressBar_Fortschritt->maximum(), 5296);
  beeps_.clear();
  window_->close();
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(beeps_, std::vector<platform::BeepKind>{platform::BeepKind::Stop});

  ASSERT_TRUE(apptest::PumpUntil([&] { return !boxes_.empty(); }, 120));
  EXPECT_EQ(boxes_.back().title, QStringLiteral("Tarvik23 - Osmek AG"));
  EXPECT_EQ(boxes_.back().text, QStringLiteral("Die Firmware wurde erfolgreich auf dem Printer installiert.\n\n"
                                               "Alle Daten und Einstellungen sind auf dem Printer noch vorhanden.\n\n\n"));
  EXPECT_TRUE(rig_->printer->Flash() == image);
  EXPECT_TRUE(Unlocked());
  EXPECT_TRUE(window_->SpeedButtonDownload->isEnabled());  // the package stays loaded
  window_->close();
  EXPECT_FALSE(window_->isVisible());
}

// A package is refused before the printer is touched unless its image is
// exactly 1 MiB under the package's name and it passes its checks; the
// window then holds no image at all, also after a good package.
TEST_F(FirmwareInstaller, OnlyAWholeIntactImageIsKept) {
  const auto image = threadtest::FirmwareImage(64, 3);
  const std::string good = GoodPackage("GOOD", image);
  std::string damaged = GoodPackage("DAMAGED", image);
  {
    std::string bytes = ziptest::ReadFile(damaged);
    bytes[bytes.size() / 2] ^= 0x10;  // inside the encrypted image
    ziptest::WriteFile(damaged, bytes);
  }
  const std::string imageBytes = Bytes(image);
  struct Case {
    const char* name;
    std::string path;
  };
  const std::vector<Case> cases = {
      {"one byte short", Package("SHORT", {{"SHORT.BIN", imageBytes.substr(1)}, {"SHORT.TXT", kText}})},
      {"one byte long", Package("LONG", {{"LONG.BIN", imageBytes + "x"}, {"LONG.TXT", kText}})},
      {"wrong password", Package("OTHERPW", {{"OTHERPW.BIN", imageBytes}, {"OTHERPW.TXT", kText}}, "falsch")},
      {"damaged", damaged},
      {"no text", Package("NOTEXT", {{"NOTEXT.BIN", imageBytes}})},
      {"image under another name", Package("RENAMED", {{"FIRMWARE.BIN", imageBytes}, {"RENAMED.TXT", kText}})},
      {"no such file", hex_ + "MISSING.b23"},
  };
  ShowThroughTheHook();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(window_->LoadFirmwareArchive(good));
    ASSERT_TRUE(window_->ImageBuffer == image);
    boxes_.clear();
    EXPECT_FALSE(window_->LoadFirmwareArchive(c.path));
    EXPECT_TRUE(Empty());
    EXPECT_TRUE(Unlocked());
    EXPECT_TRUE(window_->SpeedButtonOpen->isEnabled());
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, QStringLiteral("Die Datei kann nicht ge\u00F6ffnet werden.\n\n"));
  }
}

TEST_F(FirmwareInstaller, NoToTheWarningOrNoPrinterRaisesNothing) {
  const auto image = threadtest::FirmwareImage(8, 2);
  ShowThroughTheHook();
  ASSERT_TRUE(window_->LoadFirmwareArchive(GoodPackage("FW", image)));
  printerthread::RequestBoard board;
  window_->Services.Requests = &board;
  window_->Services.CliWord = [] { return 8058; };
  AnswerWarning(QMessageBox::No);
  apptest::Click(window_->SpeedButtonDownload);
  EXPECT_FALSE(board.FirmwareInstall.Pending());
  EXPECT_TRUE(Unlocked());
  EXPECT_TRUE(boxes_.empty());

  window_->Services.CliWord = [] { return -1; };
  AnswerWarning(QMessageBox::Yes);
  apptest::Click(window_->SpeedButtonDownload);
  EXPECT_FALSE(board.FirmwareInstall.Pending());
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, QStringLiteral("Es besteht keine Verbindung zum Printer.\n\n\n"));
  EXPECT_TRUE(Unlocked());
  EXPECT_TRUE(window_->ImageBuffer == image);

  // With a printer the request carries a copy of the image: opening
  // another package meanwhile cannot change what is written.
  window_->Services.CliWord = [] { return 8058; };
  AnswerWarning(QMessageBox::Yes);
  apptest::Click(window_->SpeedButtonDownload);
  auto request = board.FirmwareInstall.Take();
  ASSERT_TRUE(request.has_value());
  EXPECT_EQ(request->CliWord, 8058);
  ASSERT_TRUE(request->Image);
  EXPECT_TRUE(*request->Image == image);
  EXPECT_NE(request->Image->data(), window_->ImageBuffer.data());
  EXPECT_EQ(request->View, window_);
  EXPECT_FALSE(window_->Panel_Top->isEnabled());
  // Every result unlocks the window, in its own box.
  window_->ShowFirmwareResult(-12345);
  EXPECT_TRUE(Unlocked());
  EXPECT_EQ(boxes_.back().text, QStringLiteral("Die Firmware konnte nicht auf dem Printer installiert werden.\n\n"
                                               "Bitte nochmals versuchen.\n\n\n"));
}

// A controller whose boot loader refuses the erase: the red box, the
// window usable again and able to close.
TEST_F(FirmwareInstaller, AFailedInstallationLeavesTheWindowUsable) {
  const auto image = threadtest::FirmwareImage(8, 5);
  ShowThroughTheHook();
  ASSERT_TRUE(window_->LoadFirmwareArchive(GoodPackage("FW", image)));
  StartPrinter();
  rig_->printer->AddBootFault({0x44, 0, printeremu::BootFaultKind::Nack});
  AnswerWarning(QMessageBox::Yes);
  apptest::Click(window_->SpeedButtonDownload);
  ASSERT_TRUE(apptest::PumpUntil([&] { return !boxes_.empty(); }, 60));
  EXPECT_EQ(boxes_.back().text, QStringLiteral("Die Druckersteuerung (ZozaZade23) muss ersetzt werden!\n\n\n"));
  EXPECT_TRUE(Unlocked());
  window_->close();
  EXPECT_FALSE(window_->isVisible());
}

// Shown again after a failed opening the window is empty and white; after
// a good one it still shows the package.
TEST_F(FirmwareInstaller, ReopeningKeepsAGoodPackageOnly) {
  const auto image = threadtest::FirmwareImage(8, 6);
  ShowThroughTheHook();
  ASSERT_TRUE(window_->LoadFirmwareArchive(GoodPackage("FW", image)));
  window_->close();
  ShowThroughTheHook();
  EXPECT_TRUE(window_->SpeedButtonDownload->isEnabled());
  EXPECT_FALSE(window_->Memo_Editor->toPlainText().isEmpty());
  EXPECT_FALSE(window_->LoadFirmwareArchive(hex_ + "NONE.b23"));
  window_->close();
  ShowThroughTheHook();
  EXPECT_TRUE(Empty());
}
