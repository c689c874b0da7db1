// The printer console and the configuration editor in the program, against
// the printer emulator on a pseudo-terminal: the console reached through
// the settings view's "CLI" tile, its words and its list, the editor reached
// through "EDIT.KONFIG" typed in the console, the configuration from the
// printer into the editor and back byte for byte, and the failures that
// must leave both windows usable.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QStyleOptionComboBox>
#include <QWindow>
#include <QTextCursor>
#include <filesystem>
#include <set>

#include "AppFixture.h"
#include "FirmwareRig.h"
#include "LanguageFixtures.h"
#include "LayoutCheck.h"
#include "PrinterEmulator.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/TFormMessage.h"
#include "app/links/PrintLinks.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/FileIO.h"
#include "platform/PortRegistry.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/FirmwareInstall.h"
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/TFormPrinterCLI.h"
#include "printersettings/ui/TFormPrinterFirmwareInstaller.h"
#include "printersettings/ui/TForm_Editor.h"
#include "printersettings/ui/TFrameMenuPrinter.h"
#include "printersettings/ui/TFramePrinter.h"
#include "support/PdfFile.h"
#include "zip/ZipTestUtil.h"

namespace {

constexpr unsigned kPort = 34;
const std::string kConfigName = "SYSTEM\\KONFIG.SYS";
// Windows-1252 with CR LF lines, as the printer keeps it.
const std::string kConfig = "[Drucker]\r\nName=H\xF6he \x80 3\r\nDPI=300\r\n";

class PrinterConsole : public apptest::LanguageApp {
 protected:
  void SetUp() override {
    LanguageApp::SetUp();
    printer_ = std::make_unique<printeremu::PrinterEmulator>();
    auto started = printer_->Start();
    ASSERT_TRUE(started.ok()) << started.error();
    printer_->PutFile(kConfigName, kConfig);
    registry_ = platform::FixedPortRegistry({{kPort, printer_->DevicePath(), platform::kPortKindUsb}});
    platform::SetPortRegistry(&registry_);
    FormBedienungsmodus->SetOperatingMode(2);
    Form_Main->show();
    ASSERT_TRUE(apptest::PumpUntil([] { return Form_Main->LabelPrinter->text().isEmpty(); }, 60)) << "no printer";
  }
  void TearDown() override {
    if (Form_Editor) Form_Editor->Memo_Editor->document()->setModified(false);
    AppFixture::TearDown();  // the printer thread ends with the main window
    platform::SetPortRegistry(nullptr);
    printer_->Stop();
    auto& b = printerthread::PrinterRequests();
    (void)b.ConsoleCommand.Take();
    (void)b.StoreConfig.Take();
    (void)b.FetchConfig.Take();
  }

  // The console the operator's way: printer button, "Einstellungen", "CLI".
  void OpenConsole() {
    apptest::Click(Form_Main->SpeedButtonPrinter);
    apptest::Click(Form_Main->FrameMenuPrinter->SpeedButtonEinstellen);
    ASSERT_TRUE(Form_Main->FramePrinter->isVisible());
    TFramePrinter::Tile& tile = Form_Main->FramePrinter->DruckersteuerungCLI;
    // Offered and usable once the printer's first answers are shown.
    ASSERT_TRUE(apptest::PumpUntil([&] { return tile.button->isVisible() && tile.button->isEnabled(); }, 20));
    apptest::Click(tile.button);
    ASSERT_TRUE(FormPrinterCLI->isVisible());
  }
  static QLineEdit* Line() { return FormPrinterCLI->ComboBoxKommando->lineEdit(); }
  // Typed key by key, as the keyboard sends it.
  static void Type(const QString& text) {
    QLineEdit* line = Line();
    line->setFocus();
    line->selectAll();
    QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(line, &erase);
    for (QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(line, &press);
    }
  }
  // Runs the line with Enter and waits until the console was busy with it
  // and is free again (its command box changes colour twice).
  void Run(const QString& text) {
    Type(text);
    printer_->ClearTranscript();
    apptest::EventCounter colours(FormPrinterCLI->ComboBoxKommando, QEvent::PaletteChange);
    apptest::PressKey(Line(), Qt::Key_Return);
    ASSERT_TRUE(apptest::PumpUntil([&] { return colours.count >= 2 && !FormPrinterCLI->Busy(); }, 30));
  }
  static QString Answer() { return FormPrinterCLI->MemoAntwort->toPlainText(); }
  // A click as the window system delivers it: to the window, at the point
  // in the middle of `w`, so that Qt itself finds what lies there (a
  // switched-off widget takes no click).
  static void ClickThroughWindow(QWidget* w) {
    QWidget* top = w->window();
    ASSERT_NE(top->windowHandle(), nullptr);
    const QPointF at = QPointF(w->mapTo(top, QPoint(w->width() / 2, w->height() / 2)));
    const QPointF global = QPointF(top->mapToGlobal(at.toPoint()));
    QMouseEvent press(QEvent::MouseButtonPress, at, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(top->windowHandle(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(top->windowHandle(), &release);
  }
  // What the printer was sent of the console's lines and the
  // configuration's commands (the poll goes on meanwhile).
  std::vector<std::string> Sent() const {
    static const std::set<std::string> words = {"ENABLE", "STATUS", "DEL", "REN", "RESET", "TYPE", "ECHO",
                                                "GIBTS.NICHT", "CLS", "EDIT.KONFIG", "FORMAT"};
    std::vector<std::string> sent;
    for (const auto& c : printer_->Commands())
      if (c != "STATUS" && words.count(c.substr(0, c.find(' ')))) sent.push_back(c);
    return sent;
  }
  bool BoxSaid(const char* text) const {
    for (const auto& b : boxes_)
      if (b.text.startsWith(QString::fromUtf8(text))) return true;
    return false;
  }
  // "EDIT.KONFIG" typed in the console, up to the editor on the screen.
  void OpenEditor() {
    OpenConsole();
    Type(QStringLiteral("edit.konfig"));
    apptest::PressKey(Line(), Qt::Key_Return);
    ASSERT_TRUE(apptest::PumpUntil([] { return Form_Editor->isVisible() && !Form_Editor->StepRunning(); }, 30));
  }
  void Install() {
    apptest::Click(Form_Editor->SpeedButtonDownload);
    ASSERT_TRUE(apptest::PumpUntil(
        [] { return !Form_Editor->StepRunning() && !printerthread::PrinterRequests().StoreConfig.Pending(); }, 60));
  }

  std::unique_ptr<printeremu::PrinterEmulator> printer_;
  platform::FixedPortRegistry registry_;
};

}  // namespace

TEST_F(PrinterConsole, TheCliTileOpensTheConsoleWhichRunsCommandsAndKeepsTypedOnes) {
  OpenConsole();
  TFramePrinter::Tile& tile = Form_Main->FramePrinter->DruckersteuerungCLI;
  EXPECT_EQ(tile.panel->Color(), platform::colours::kNavy);
  QComboBox* box = FormPrinterCLI->ComboBoxKommando;
  const int presets = box->count();
  EXPECT_EQ(presets, 164);

  // Typed in small letters, sent in capitals, answered, kept in its sorted place.
  printer_->PutFile("SYSTEM\\NOTIZ.TXT", "Eier");
  Run(QStringLiteral("type system\\notiz.txt"));
  EXPECT_EQ(Line()->text(), QStringLiteral("TYPE SYSTEM\\NOTIZ.TXT"));
  EXPECT_EQ(Answer(), QStringLiteral("Eier"));
  EXPECT_EQ(Sent(), std::vector<std::string>{"TYPE SYSTEM\\NOTIZ.TXT"});
  ASSERT_EQ(box->count(), presets + 1);
  const int kept = box->findText(QStringLiteral("TYPE SYSTEM\\NOTIZ.TXT"));
  EXPECT_EQ(box->itemText(kept - 1), QStringLiteral("TYPE SYSTEM\\KONFIG.SYS"));
  EXPECT_EQ(box->itemText(kept + 1), QStringLiteral("TYPE.HEX"));

  // Refused by the printer: shown, not kept.
  Run(QStringLiteral("GIBTS.NICHT"));
  EXPECT_EQ(Answer(), QStringLiteral("Fehler Syntax"));
  EXPECT_EQ(box->findText(QStringLiteral("GIBTS.NICHT")), -1);

  // Picked from the list and run unchanged: not listed again.
  box->setCurrentIndex(box->findText(QStringLiteral("MASCHINE")));
  EXPECT_EQ(FormPrinterCLI->ItemIndex(), box->findText(QStringLiteral("MASCHINE")));
  {
    apptest::EventCounter colours(box, QEvent::PaletteChange);
    apptest::PressKey(Line(), Qt::Key_Return);
    ASSERT_TRUE(apptest::PumpUntil([&] { return colours.count >= 2 && !FormPrinterCLI->Busy(); }, 30));
  }
  EXPECT_EQ(Answer(), QStringLiteral("3"));
  EXPECT_EQ(box->count(), presets + 1);

  // "cls" with blanks: the answer is emptied, nothing is sent.
  Run(QStringLiteral("  cls "));
  EXPECT_TRUE(Answer().isEmpty());
  EXPECT_EQ(Sent(), std::vector<std::string>{});

  // Idle: the input in its colour, the answer grey; Esc closes; the tile is lit again.
  EXPECT_EQ(FormPrinterCLI->MemoAntwort->palette().color(QPalette::Base), platform::VclColor(0xC0C0C0));
  apptest::PressKey(FormPrinterCLI, Qt::Key_Escape);
  EXPECT_FALSE(FormPrinterCLI->isVisible());
  EXPECT_NE(tile.panel->Color(), platform::colours::kNavy);
}

TEST_F(PrinterConsole, ALineTooLongIsRefusedWholeWithANotice) {
  OpenConsole();
  const QString line = QStringLiteral("ECHO ") + QString(95, QLatin1Char('A'));  // 100 characters
  Type(line);
  QString told;
  apptest::WhenModal([&] {
    told = FormMessage->PanelMain->Caption();
    FormMessage->SpeedButtonInformationOK->click();
  });
  printer_->ClearTranscript();
  apptest::PressKey(Line(), Qt::Key_Return);
  EXPECT_TRUE(told.contains(QStringLiteral("99"))) << told.toStdString();
  EXPECT_FALSE(printerthread::PrinterRequests().ConsoleCommand.Pending());
  EXPECT_EQ(Line()->text(), line);  // nothing cut
  apptest::PumpUntil([] { return false; }, 1);
  EXPECT_EQ(Sent(), std::vector<std::string>{});
}

TEST_F(PrinterConsole, BelowTechnicianTheConsoleRunsNothing) {
  OpenConsole();
  FormBedienungsmodus->SetOperatingMode(1);
  EXPECT_FALSE(FormPrinterCLI->ComboBoxKommando->isEnabled());
  EXPECT_FALSE(FormPrinterCLI->SpeedButtonKommandoAusfuehren->isEnabled());
  QString told;
  apptest::WhenModal([&] {
    told = FormMessage->PanelMain->Caption();
    FormMessage->SpeedButtonInformationOK->click();
  });
  FormPrinterCLI->SpeedButtonKommandoAusfuehrenClick(nullptr);
  EXPECT_EQ(told, FormMessage->MsgDeniedUserAdmin);
  EXPECT_FALSE(printerthread::PrinterRequests().ConsoleCommand.Pending());
  FormBedienungsmodus->SetOperatingMode(2);
  EXPECT_TRUE(FormPrinterCLI->ComboBoxKommando->isEnabled());
}

// Below "Techniker" the line and "Ausführen" are switched off; a click on
// either (that is, on their panels) says why instead of doing nothing.
TEST_F(PrinterConsole, BelowTechnicianAClickOnTheLockedInputTellsWhy) {
  OpenConsole();
  FormBedienungsmodus->SetOperatingMode(0);
  const struct {
    const char* what;
    QWidget* target;
  } cases[] = {{"the button", FormPrinterCLI->SpeedButtonKommandoAusfuehren},
               {"the command line", FormPrinterCLI->ComboBoxKommando}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_FALSE(FormPrinterCLI->SpeedButtonKommandoAusfuehren->isEnabled());
    QString told, title;
    int shown = 0;
    apptest::WhenModal([&] {
      ++shown;
      told = FormMessage->PanelMain->Caption();
      title = FormMessage->windowTitle();
      FormMessage->SpeedButtonInformationOK->click();
    });
    ClickThroughWindow(c.target);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(told, FormMessage->MsgDeniedUserAdmin);
    EXPECT_TRUE(title.contains(FormPrinterCLI->SpeedButtonKommandoAusfuehren->Caption())) << title.toStdString();
    EXPECT_FALSE(printerthread::PrinterRequests().ConsoleCommand.Pending());
  }

  // As "Techniker" a click on the line only puts the cursor there.
  FormBedienungsmodus->SetOperatingMode(2);
  apptest::EventCounter notices(FormMessage, QEvent::Show);
  ClickThroughWindow(FormPrinterCLI->ComboBoxKommando);
  QCoreApplication::processEvents();
  EXPECT_EQ(notices.count, 0);
  EXPECT_FALSE(printerthread::PrinterRequests().ConsoleCommand.Pending());
}

// The command box is one line without a drop-down button: the line takes
// the whole box, in Courier, and the arrow keys walk the sorted list.
TEST_F(PrinterConsole, TheCommandBoxIsOneCourierLineWhoseListTheArrowKeysWalk) {
  OpenConsole();
  QComboBox* box = FormPrinterCLI->ComboBoxKommando;
  QStyleOptionComboBox option;
  option.initFrom(box);
  option.editable = true;
  option.subControls = QStyle::SC_All;
  EXPECT_TRUE(box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, box).isEmpty());
  const int frame = box->style()->pixelMetric(QStyle::PM_ComboBoxFrameWidth, &option, box);
  EXPECT_LE(box->width() - Line()->width(), 2 * frame);
  EXPECT_LE(box->height(), 25);
  EXPECT_EQ(box->font(), platform::CourierNewPx(13));
  EXPECT_EQ(Line()->font().family(), platform::CourierNewPx(13).family());

  Type(QString());
  box->setCurrentIndex(-1);
  apptest::PressKey(Line(), Qt::Key_Down);
  EXPECT_EQ(box->currentIndex(), 0);
  EXPECT_EQ(Line()->text(), box->itemText(0));
  apptest::PressKey(Line(), Qt::Key_Down);
  apptest::PressKey(Line(), Qt::Key_Down);
  EXPECT_EQ(Line()->text(), box->itemText(2));
  apptest::PressKey(Line(), Qt::Key_Up);
  EXPECT_EQ(Line()->text(), box->itemText(1));
  EXPECT_EQ(FormPrinterCLI->ItemIndex(), 1);  // picked, not typed
  // No list drops down, by key or by a click at the box's right end.
  apptest::PressKey(Line(), Qt::Key_F4);
  apptest::PressKey(Line(), Qt::Key_Down, Qt::AltModifier);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(box->width() - 3, box->height() / 2.0),
                    QPointF(box->mapToGlobal(QPoint(box->width() - 3, box->height() / 2))), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(box, &press);
  QCoreApplication::processEvents();
  EXPECT_FALSE(box->view()->isVisible());
  EXPECT_EQ(Line()->text(), box->itemText(1));
}

TEST_F(PrinterConsole, EditKonfigBringsTheConfigurationIntoTheEditorAndInstallBringsItBackByteForByte) {
  OpenEditor();
  EXPECT_FALSE(FormPrinterCLI->isVisible());
  EXPECT_FALSE(FormPrinterCLI->Busy());
  EXPECT_EQ(Form_Editor->windowTitle(), QStringLiteral("Editor - KONFIG.SYS23"));
  EXPECT_EQ(Form_Editor->Memo_Editor->toPlainText(), platform::ToQt("[Drucker]\nName=H\xF6he \x80 3\nDPI=300"));
  EXPECT_FALSE(Form_Editor->IsModified());

  // Unchanged, the same bytes go back.
  printer_->ClearTranscript();
  Install();
  EXPECT_TRUE(BoxSaid("Printer-Konfiguration wurde erfolgreich"));
  EXPECT_EQ(printer_->File(kConfigName).value_or(""), kConfig);
  const auto sent = Sent();
  EXPECT_NE(std::find(sent.begin(), sent.end(), "REN TMP\\KONFIG.SYS SYSTEM\\KONFIG.SYS"), sent.end());
  EXPECT_EQ(sent.back(), "RESET");
  EXPECT_TRUE(Form_Editor->Memo_Editor->isEnabled());

  // Edited: CR LF lines in Windows-1252.
  Form_Editor->Memo_Editor->appendPlainText(QStringLiteral("Notiz=\u00E9t\u00E9"));
  EXPECT_TRUE(Form_Editor->IsModified());
  boxes_.clear();
  Install();
  EXPECT_TRUE(BoxSaid("Printer-Konfiguration wurde erfolgreich"));
  EXPECT_EQ(printer_->File(kConfigName).value_or(""), kConfig + "Notiz=\xE9t\xE9\r\n");
  EXPECT_FALSE(Form_Editor->IsModified());

  // The main window stays open while the editor shows, also once the
  // settings view (which alone keeps it open) is left.
  apptest::Click(Form_Main->FramePrinter->SpeedButtonOK);
  ASSERT_TRUE(Form_Main->FramePrinter->isHidden());
  EXPECT_FALSE(Form_Main->FormClose());
  EXPECT_TRUE(Form_Main->isVisible());
  apptest::Click(Form_Editor->SpeedButtonOK);
  EXPECT_FALSE(Form_Editor->isVisible());
}

TEST_F(PrinterConsole, TheEditorAsksBeforeItThrowsEditsAway) {
  OpenEditor();
  Form_Editor->Memo_Editor->appendPlainText(QStringLiteral("X=1"));
  apptest::WhenModal([] { FormMessage->SpeedButtonNein->click(); });
  apptest::Click(Form_Editor->SpeedButtonOK);
  EXPECT_TRUE(Form_Editor->isVisible());
  EXPECT_TRUE(Form_Editor->Memo_Editor->toPlainText().endsWith(QStringLiteral("X=1")));
  apptest::WhenModal([] { FormMessage->SpeedButtonJa->click(); });
  apptest::PressKey(Form_Editor, Qt::Key_Escape);
  EXPECT_FALSE(Form_Editor->isVisible());
  // Nothing of it reached the printer.
  EXPECT_EQ(printer_->File(kConfigName).value_or(""), kConfig);
}

TEST_F(PrinterConsole, AFailedFetchOrStoreLeavesTheWindowsUsable) {
  // The printer has no configuration: no editor, the console free again.
  printer_->RemoveFile(kConfigName);
  OpenConsole();
  Type(QStringLiteral("EDIT.KONFIG"));
  apptest::PressKey(Line(), Qt::Key_Return);
  ASSERT_TRUE(apptest::PumpUntil([&] { return BoxSaid("Printer-Konfiguration konnte nicht vom Printer"); }, 30));
  ASSERT_TRUE(apptest::PumpUntil([] { return !FormPrinterCLI->Busy(); }, 30));
  EXPECT_FALSE(Form_Editor->isVisible());
  EXPECT_TRUE(FormPrinterCLI->SpeedButtonKommandoAusfuehren->isEnabled());

  // With it back, a store whose "DEL" is refused: no "RESET", the editor back.
  printer_->PutFile(kConfigName, kConfig);
  FormPrinterCLI->close();
  OpenEditor();
  Form_Editor->Memo_Editor->appendPlainText(QStringLiteral("Y=2"));
  printer_->AddFault(printeremu::ReplyFault("DEL", printeremu::FaultPoint::CommandReply, "Fehler 1"));
  boxes_.clear();
  printer_->ClearTranscript();
  apptest::WhenModal([] { FormMessage->SpeedButtonInformationOK->click(); });  // the refused command's box
  Install();
  ASSERT_TRUE(apptest::PumpUntil([&] { return BoxSaid("Printer-Konfiguration konnte nicht auf dem Printer"); }, 30));
  const auto sent = Sent();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "RESET"), 0);
  EXPECT_EQ(printer_->File(kConfigName).value_or(""), kConfig);
  EXPECT_FALSE(Form_Editor->StepRunning());
  EXPECT_TRUE(Form_Editor->Memo_Editor->isEnabled());
  EXPECT_TRUE(Form_Editor->Panel_Top->isEnabled());
  // The edits are still there to try again or to keep.
  EXPECT_TRUE(Form_Editor->IsModified());
}

TEST_F(PrinterConsole, BothWindowsFitInEveryLanguage) {
  OpenEditor();
  Form_Editor->close();
  for (int language = 0; language <= 4; ++language) {
    SCOPED_TRACE(language);
    ASSERT_EQ(FormSprache->SetLanguage(language), 1);
    FormPrinterCLI->show();
    FormPrinterCLI->resize(FormPrinterCLI->minimumSize());
    QApplication::processEvents();
    EXPECT_EQ(apptest::CutOff(FormPrinterCLI), std::vector<std::string>());
    Form_Editor->show();
    ASSERT_TRUE(apptest::PumpUntil([] { return !Form_Editor->StepRunning(); }, 10));
    Form_Editor->resize(Form_Editor->minimumSize());
    QApplication::processEvents();
    EXPECT_EQ(apptest::CutOff(Form_Editor), std::vector<std::string>());
    if (language == 0 || language == 2) {
      apptest::Screenshot(FormPrinterCLI, ("console-" + std::to_string(language)).c_str());
      apptest::Screenshot(Form_Editor, ("config-editor-" + std::to_string(language)).c_str());
    }
    Form_Editor->close();
    FormPrinterCLI->close();
  }
  ASSERT_EQ(FormSprache->SetLanguage(0), 1);
}

TEST_F(PrinterConsole, TheEditorKeepsAndOpensCopiesThroughTheFileDialog) {
  OpenEditor();
  Form_Editor->Memo_Editor->appendPlainText(QStringLiteral("Kopie=1"));
  // "Speichern": a name without its extension gets "sys23".
  apptest::WhenModal([] {
    ASSERT_TRUE(Form_FileDialog->isVisible());
    Form_FileDialog->Edit_FileName->setText(QStringLiteral("meine"));
    Form_FileDialog->SpeedButton_OK->click();
  });
  apptest::Click(Form_Editor->SpeedButtonSave);
  const std::string copy = Form_Main->ServiceDir + "meine.sys23";
  EXPECT_EQ(Form_Editor->FileName, copy);
  EXPECT_EQ(Form_Editor->windowTitle(), QStringLiteral("Editor - meine.sys23"));
  auto saved = platform::ReadWholeFile(copy);
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(saved.value(), kConfig + "Kopie=1\r\n");
  EXPECT_FALSE(Form_Editor->IsModified());

  // "Öffnen" of another copy.
  ASSERT_TRUE(platform::WriteFileAtomic(Form_Main->ServiceDir + "alt.sys23", "ALT=1\r\n"));
  apptest::WhenModal([] {
    ASSERT_TRUE(Form_FileDialog->SelectItemByName("alt.sys23"));
    Form_FileDialog->SpeedButton_OK->click();
  });
  apptest::Click(Form_Editor->SpeedButtonOpen);
  EXPECT_EQ(Form_Editor->Memo_Editor->toPlainText(), QStringLiteral("ALT=1"));
  EXPECT_EQ(Form_Editor->windowTitle(), QStringLiteral("Editor - alt.sys23"));

  // A file that cannot be read: an empty red memo, only "Öffnen" usable.
  EXPECT_FALSE(Form_Editor->LoadFile(Form_Main->ServiceDir + "fehlt.sys23"));
  EXPECT_TRUE(Form_Editor->Memo_Editor->toPlainText().isEmpty());
  EXPECT_EQ(Form_Editor->Memo_Editor->palette().color(QPalette::Base), platform::VclColor(platform::colours::kRed));
  EXPECT_EQ(Form_Editor->windowTitle(), QStringLiteral("Editor"));
  EXPECT_EQ(Form_Editor->FileName, "");
  EXPECT_TRUE(Form_Editor->SpeedButtonOpen->isEnabled());
  EXPECT_FALSE(Form_Editor->SpeedButtonSave->isEnabled());
  EXPECT_FALSE(Form_Editor->SpeedButtonPrint->isEnabled());
  EXPECT_FALSE(Form_Editor->SpeedButtonDownload->isEnabled());
  EXPECT_FALSE(Form_Editor->StepRunning());
}

// "Öffnen" and "Speichern" of the editor reach the service folder, named,
// and the computer's places; the dialog's caption names the place.
TEST_F(PrinterConsole, TheEditorsFileDialogOffersTheServiceFolderAndTheComputersPlaces) {
  OpenEditor();
  for (platform::SpeedButton* button : {Form_Editor->SpeedButtonOpen, Form_Editor->SpeedButtonSave}) {
    SCOPED_TRACE(button->Caption().toStdString());
    QString title, path;
    std::vector<QString> home, browse;
    std::vector<bool> separator;
    apptest::WhenModal([&] {
      title = Form_FileDialog->windowTitle();
      path = QString::fromStdString(Form_FileDialog->CurrentPath());
      for (int i = 0; i < 7; ++i) {
        home.push_back(Form_FileDialog->HomeItems[i]->isVisible() ? Form_FileDialog->HomeItems[i]->text()
                                                                   : QStringLiteral("<hidden>"));
        browse.push_back(Form_FileDialog->BrowseItems[i]->isVisible() ? Form_FileDialog->BrowseItems[i]->text()
                                                                       : QStringLiteral("<hidden>"));
        separator.push_back(Form_FileDialog->HomeItems[i]->isSeparator());
      }
      Form_FileDialog->SpeedButton_Abbrechen->click();
    });
    apptest::Click(button);
    ASSERT_EQ(home.size(), 7u);
    EXPECT_EQ(title, QStringLiteral(" ") + button->Caption() + QStringLiteral(" - Tarvik23 (SERVICE)"));
    EXPECT_EQ(path.toStdString() + "/", Form_Main->ServiceDir);
    EXPECT_EQ(home[0], QStringLiteral("Tarvik23 (SERVICE)"));
    EXPECT_EQ(browse[0], QStringLiteral("Tarvik50 (SERVICE)"));
    EXPECT_TRUE(separator[1]);
    // "Eigene Dateien" and "Desktop" carry their folders' own names.
    for (int i : {2, 3}) {
      EXPECT_FALSE(home[i].isEmpty() || home[i] == QStringLiteral("<hidden>")) << i;
      EXPECT_EQ(browse[i], home[i]) << i;
    }
    EXPECT_EQ(home[4], QStringLiteral("Arbeitsplatz"));
    EXPECT_EQ(home[5], QStringLiteral("Netzwerkumgebung"));
    EXPECT_EQ(home[6], QStringLiteral("<hidden>"));
    EXPECT_EQ(browse[5], QStringLiteral("Netzwerkumgebung"));
  }
}

// "Drucken" prints the memo's text: with lines selected the print dialog
// starts on "selection" and prints only them; without, it prints all.
TEST_F(PrinterConsole, TheEditorPrintsItsTextOrTheSelectedLines) {
  OpenEditor();
  EXPECT_TRUE(Form_Editor->SpeedButtonPrint->isEnabled());
  Form_Editor->Memo_Editor->appendPlainText(QStringLiteral("Fuss=1"));
  const std::string pdf = temp_.path() + "/editor.pdf";
  QPrinter::PrintRange preset = QPrinter::AllPages;
  Form_Main->PrintLinks->choosePrinter = [&](QPrinter& printer) {
    preset = printer.printRange();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    return true;
  };
  // Lines 2 to 4 of the four, selected as with the mouse.
  QTextCursor cursor = Form_Editor->Memo_Editor->textCursor();
  cursor.movePosition(QTextCursor::Start);
  cursor.movePosition(QTextCursor::Down);
  cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  Form_Editor->Memo_Editor->setTextCursor(cursor);
  apptest::Click(Form_Editor->SpeedButtonPrint);
  EXPECT_EQ(preset, QPrinter::Selection);
  std::string text = testsupport::PdfText(pdf);
  for (const char* line : {"Name=H\xC3\xB6he \xE2\x82\xAC 3", "DPI=300", "Fuss=1"})
    EXPECT_NE(text.find(line), std::string::npos) << line << " in " << text;
  EXPECT_EQ(text.find("[Drucker]"), std::string::npos) << text;
  EXPECT_EQ(testsupport::PdfTitle(pdf), "KONFIG.SYS23");

  cursor.clearSelection();
  Form_Editor->Memo_Editor->setTextCursor(cursor);
  apptest::Click(Form_Editor->SpeedButtonPrint);
  EXPECT_EQ(preset, QPrinter::AllPages);
  text = testsupport::PdfText(pdf);
  for (const char* line : {"[Drucker]", "DPI=300", "Fuss=1"})
    EXPECT_NE(text.find(line), std::string::npos) << line << " in " << text;
  EXPECT_TRUE(Form_Editor->isVisible());
}

TEST_F(PrinterConsole, AWorkCopyThatCannotBeWrittenRaisesNothingAndLocksNothing) {
  OpenEditor();
  const auto tmp = Form_Editor->Places.TmpDir;
  Form_Editor->Places.TmpDir = [this] { return temp_.path() + "/fehlt/"; };
  apptest::Click(Form_Editor->SpeedButtonDownload);
  EXPECT_FALSE(printerthread::PrinterRequests().StoreConfig.Pending());
  EXPECT_FALSE(Form_Editor->StepRunning());
  EXPECT_TRUE(Form_Editor->Panel_Top->isEnabled());
  EXPECT_EQ(Form_Editor->Memo_Editor->palette().color(QPalette::Base), platform::VclColor(platform::colours::kRed));
  Form_Editor->Places.TmpDir = tmp;
  apptest::Click(Form_Editor->SpeedButtonOK);
  EXPECT_FALSE(Form_Editor->isVisible());
}

TEST_F(PrinterConsole, SichernAndHerstellenCarryTheConfigurationToAFileAndBack) {
  apptest::Click(Form_Main->SpeedButtonPrinter);
  apptest::Click(Form_Main->FrameMenuPrinter->SpeedButtonEinstellen);
  TFramePrinter* view = Form_Main->FramePrinter;
  ASSERT_TRUE(apptest::PumpUntil([&] { return view->DruckersteuerungSichern.button->isEnabled(); }, 20));
  auto runWithDialog = [&](platform::SpeedButton* button, const std::function<void()>& choose) {
    apptest::WhenModal(choose);
    apptest::Click(button);
    // The sequence's green or red box ends it.
    QString result;
    apptest::WhenModal([&] {
      result = FormMessage->PanelMain->Caption();
      FormMessage->SpeedButtonInformationOK->click();
    });
    EXPECT_TRUE(apptest::PumpUntil([&] { return !result.isEmpty(); }, 60));
    return result;
  };

  const std::string backup = Form_Main->ServiceDir + "KONFIG.sys23";
  EXPECT_EQ(runWithDialog(view->DruckersteuerungSichern.button,
                          [] {
                            // The service folder is the one place: no menu.
                            EXPECT_FALSE(Form_FileDialog->HomeItems[0]->isVisible());
                            EXPECT_FALSE(Form_FileDialog->BrowseItems[0]->isVisible());
                            Form_FileDialog->SpeedButton_OK->click();
                          }),
            FormMessage->MsgDoneOk);
  auto saved = platform::ReadWholeFile(backup);
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(saved.value(), kConfig);

  // Another configuration from a file: in place on the printer, which restarts.
  const std::string other = "[Drucker]\r\nDPI=600\r\n";
  ASSERT_TRUE(platform::WriteFileAtomic(Form_Main->ServiceDir + "neu.sys23", other));
  printer_->ClearTranscript();
  EXPECT_EQ(runWithDialog(view->DruckersteuerungHerstellen.button,
                          [] {
                            ASSERT_TRUE(Form_FileDialog->SelectItemByName("neu.sys23"));
                            Form_FileDialog->SpeedButton_OK->click();
                          }),
            FormMessage->MsgDoneOk);
  EXPECT_EQ(printer_->File(kConfigName).value_or(""), other);
  const auto sent = Sent();
  EXPECT_NE(std::find(sent.begin(), sent.end(), "RESET"), sent.end());
}

TEST_F(PrinterConsole, NeitherWindowClosesWhileAStepRuns) {
  OpenConsole();
  FormPrinterCLI->LockInput();  // as the printer thread does while a command runs
  apptest::PressKey(FormPrinterCLI, Qt::Key_Escape);
  EXPECT_FALSE(FormPrinterCLI->close());
  EXPECT_TRUE(FormPrinterCLI->isVisible());
  FormPrinterCLI->UnlockInput();
  apptest::PressKey(FormPrinterCLI, Qt::Key_Escape);
  EXPECT_FALSE(FormPrinterCLI->isVisible());

  OpenEditor();
  Form_Editor->ShowProgress(1, 3, QStringLiteral("\u00D6ffnen..."));
  beeps_.clear();
  EXPECT_FALSE(Form_Editor->close());
  apptest::PressKey(Form_Editor, Qt::Key_Escape);
  EXPECT_TRUE(Form_Editor->isVisible());
  EXPECT_EQ(beeps_, (std::vector<platform::BeepKind>{platform::BeepKind::Stop, platform::BeepKind::Stop}));
  Form_Editor->ShowProgress(0, 0, QString());
  EXPECT_TRUE(Form_Editor->close());
}

// The console's word opens the firmware installer, and a package made with
// 7-Zip goes through the program's own printer thread into the emulator's
// controller: the console's service sequences hand the installation on.
TEST_F(PrinterConsole, TheInstallerWordOpensTheInstallerWhichInstallsThroughTheProgramsThread) {
  ASSERT_TRUE(ziptest::HavePeer("7zz")) << "7zz is missing: run scripts/install-deps.sh";
  const auto image = threadtest::FirmwareImage(64, 5);
  const std::string src = temp_ / "pkg";
  std::filesystem::create_directories(src);
  ziptest::WriteFile(src + "/ZZ23.BIN", std::string(image.begin(), image.end()));
  ziptest::WriteFile(src + "/ZZ23.TXT", "Firmware ZZ23\r\n");
  std::filesystem::create_directories(Form_Main->HexDir);
  const auto made = ziptest::Run("cd " + ziptest::Quote(src) + " && 7zz a -tzip -mem=AES256 -pplivet " +
                                 ziptest::Quote(Form_Main->HexDir + "ZZ23.b23") + " ZZ23.BIN ZZ23.TXT");
  ASSERT_EQ(made.exitCode, 0) << made.output;
  printer_->SetFlash(std::vector<std::uint8_t>(printerthread::kFirmwareImageSize, 0));

  OpenConsole();
  Run(QStringLiteral("tarvik23.firmwareinstaller"));
  TFormPrinterFirmwareInstaller* installer = FormPrinterFirmwareInstaller;
  ASSERT_TRUE(installer->isVisible());
  EXPECT_EQ(Sent(), std::vector<std::string>{});  // a word of the console's own

  apptest::WhenModal([] {
    Form_FileDialog->HomeItemClick(0);
    ASSERT_TRUE(Form_FileDialog->SelectItemByName("ZZ23.b23"));
    Form_FileDialog->SpeedButton_OK->click();
  });
  apptest::Click(installer->SpeedButtonOpen);
  ASSERT_TRUE(installer->SpeedButtonDownload->isEnabled());
  apptest::WhenModal([] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::Yes)->click();
  });
  boxes_.clear();
  apptest::Click(installer->SpeedButtonDownload);
  ASSERT_TRUE(apptest::PumpUntil([&] { return !boxes_.empty(); }, 120));
  EXPECT_TRUE(boxes_.back().text.startsWith(QStringLiteral("Die Firmware wurde erfolgreich"))) << boxes_.back().text.toStdString();
  EXPECT_TRUE(printer_->Flash() == image);
  EXPECT_TRUE(installer->Panel_Top->isEnabled());
  // The main window stays open while the installer shows, also once the
  // settings view (which alone keeps it open) is left.
  apptest::Click(Form_Main->FramePrinter->SpeedButtonOK);
  ASSERT_TRUE(Form_Main->FramePrinter->isHidden());
  EXPECT_FALSE(Form_Main->FormClose());
  EXPECT_TRUE(Form_Main->isVisible());
  installer->close();
}
