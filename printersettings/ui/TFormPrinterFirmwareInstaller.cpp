#include "printersettings/ui/TFormPrinterFirmwareInstaller.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/Beep.h"
#include "platform/Clock.h"
#include "platform/qt/DialogKeys.h"
#include "platform/qt/FixedMessageBox.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/SystemMessageBox.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/FirmwareBoxes.h"
#include "printerlink/thread/FirmwareInstall.h"
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/SettingFormServices.h"
#include "printersettings/ui/TextMemo.h"
#include "printing/ui/MemoPrint.h"

TFormPrinterFirmwareInstaller* FormPrinterFirmwareInstaller = nullptr;

namespace {

using namespace platform::colours;
constexpr int kWidth = 800;
constexpr int kMinWidth = 792, kMinHeight = 473;
constexpr int kTopHeight = 65;
constexpr int kProgressHeight = 48;
constexpr int kStepPauseMs = 200;
const char* const kBoxTitle = "Tarvik23 - Osmek AG";

const char* const kWarningGerman =
    "Die Installation von Firmware darf nur von Osmek AG ausgebildeten Fachpersonen durchgef\xFChrt werden.\n"
    "\n"
    "Durch die Installation von Firmware besteht die Gefahr, dass die Steuerung (ZozaZade23) zerst\xF6rt wird\n"
    "und ersetzt werden muss.\n"
    "\n"
    "\n"
    "W I C H T I G\n"
    "\n"
    "- Printer und PC nicht ausschalten oder trennen wenn die Installation aktiv ist.\n"
    "\n"
    "- Eine Steuerung (ZozaZade23) muss als Ersatz vorhanden sein.\n"
    "\n"
    "- Alle Druckpatronen vom Printer entfernen.\n"
    "\n"
    "- Alle Daten und Einstellungen bleiben auf dem Printer erhalten.\n"
    "\n"
    "- Die Installation kann mehrere Minuten dauern.\n"
    "\n"
    "\n"
    "Wollen Sie die Installation starten?\n"
    "\n";
const char* const kWarningEnglish =
    "The installation of firmware may only be performed by professionals trained by Osmek AG.\n"
    "\n"
    "By installing the firmware there is a risk that the controller (ZozaZade23) gets destroyed\n"
    "and must be replaced.\n"
    "\n"
    "\n"
    "I M P O R T A N T\n"
    "\n"
    "- Do not turn off or disconnect Printer and PC during the installation.\n"
    "\n"
    "- A controller (ZozaZade23) must be available as a replacement.\n"
    "\n"
    "- Remove all print cartridges from the Printer.\n"
    "\n"
    "- All data and settings remain on the Printer.\n"
    "\n"
    "- The installation may take several minutes.\n"
    "\n"
    "\n"
    "Do you want to start the installation?\n"
    "\n";

bool AskWithFixedBox(QWidget* parent, const QString& title, const QString& text) {
  return platform::FixedMessageBox(parent, QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No,
                                   QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

TFormPrinterFirmwareInstaller::TFormPrinterFirmwareInstaller(QWidget* owner,
                                                             printersettings::ui::FirmwareInstallerServices services)
    : QDialog(owner), ImageBuffer(kImageSize, 0xFF), Services(std::move(services)) {
  FormPrinterFirmwareInstaller = this;
  if (!Services.AskYesNo) Services.AskYesNo = AskWithFixedBox;
  setObjectName(QStringLiteral("FormPrinterFirmwareInstaller"));
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  setMinimumSize(kMinWidth, kMinHeight);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  Panel_Top = new platform::Panel(this);
  Panel_Top->setFixedHeight(kTopHeight);
  Panel_Top->SetColor(kSilver);
  Panel_Top->SetBottomLine(true);
  platform::AddButtonPanel(Panel_Top, QRect(8, 9, 110, 48), QString(), PanelOpen, SpeedButtonOpen);
  platform::AddButtonPanel(Panel_Top, QRect(126, 9, 110, 48), QString(), PanelPrint, SpeedButtonPrint);
  platform::AddButtonPanel(Panel_Top, QRect(244, 9, 110, 48), QString(), PanelDownload, SpeedButtonDownload);
  platform::AddButtonPanel(Panel_Top, QRect(kMinWidth - 118, 9, 110, 48), QString(), PanelOK, SpeedButtonOK);
  layout->addWidget(Panel_Top);

  Memo_Editor = printersettings::ui::NewTextMemo(this);
  Memo_Editor->setReadOnly(true);
  Memo_Editor->setAutoFillBackground(true);
  layout->addWidget(Memo_Editor, 1);

  Panel_Fortschritt = new platform::Panel(this);
  Panel_Fortschritt->setFixedHeight(kProgressHeight);
  Panel_Fortschritt->SetColor(kSilver);
  auto* progressLayout = new QHBoxLayout(Panel_Fortschritt);
  progressLayout->setContentsMargins(8, 8, 8, 8);
  Label_Fortschritt = new QLabel(Panel_Fortschritt);
  Label_Fortschritt->setMinimumWidth(130);
  ProgressBar_Fortschritt = new QProgressBar(Panel_Fortschritt);
  ProgressBar_Fortschritt->setTextVisible(false);
  progressLayout->addWidget(Label_Fortschritt);
  progressLayout->addWidget(ProgressBar_Fortschritt, 1);
  layout->addWidget(Panel_Fortschritt);
  Panel_Fortschritt->hide();

  connect(SpeedButtonOpen, &QAbstractButton::clicked, this, [this] { SpeedButtonOpenClick(SpeedButtonOpen); });
  connect(SpeedButtonPrint, &QAbstractButton::clicked, this, [this] { SpeedButtonPrintClick(SpeedButtonPrint); });
  connect(SpeedButtonDownload, &QAbstractButton::clicked, this,
          [this] { SpeedButtonDownloadClick(SpeedButtonDownload); });
  connect(SpeedButtonOK, &QAbstractButton::clicked, this, [this] { SpeedButtonOKClick(SpeedButtonOK); });

  NAME_AFTER_MEMBER(Memo_Editor);
  NAME_AFTER_MEMBER(Panel_Top);
  NAME_AFTER_MEMBER(SpeedButtonOpen);
  NAME_AFTER_MEMBER(SpeedButtonPrint);
  NAME_AFTER_MEMBER(SpeedButtonDownload);
  NAME_AFTER_MEMBER(SpeedButtonOK);
  NAME_AFTER_MEMBER(Panel_Fortschritt);
  NAME_AFTER_MEMBER(Label_Fortschritt);
  NAME_AFTER_MEMBER(ProgressBar_Fortschritt);
  ApplyTexts();
  ShowEmpty();
}

TFormPrinterFirmwareInstaller::~TFormPrinterFirmwareInstaller() {
  SetBusyCursor(false);
  if (FormPrinterFirmwareInstaller == this) FormPrinterFirmwareInstaller = nullptr;
}

bool TFormPrinterFirmwareInstaller::German() const {
  return printersettings::ui::FormServices().Language() == 0;
}

QString TFormPrinterFirmwareInstaller::Text(const char* german, const char* english) const {
  return platform::ToQt(German() ? german : english);
}

void TFormPrinterFirmwareInstaller::ApplyTexts() {
  setWindowTitle(Text(" Steuerung - FirmwareInstaller", " Controller - FirmwareInstaller"));
  SpeedButtonOpen->SetCaption(Text("\xD6" "ffnen", "Open"));
  SpeedButtonPrint->SetCaption(Text("Drucken", "Print"));
  SpeedButtonDownload->SetCaption(Text("Installieren", "Install"));
  SpeedButtonOK->SetCaption(Text("Abbrechen", "Cancel"));
}

void TFormPrinterFirmwareInstaller::SetMemoColour(std::uint32_t colour) {
  memoColour_ = colour;
  platform::SetBaseColour(Memo_Editor, colour);
  // Painted at once, so the state shows before the step that follows.
  Memo_Editor->viewport()->update();
  Memo_Editor->repaint();
}

void TFormPrinterFirmwareInstaller::SetBusyCursor(bool on) {
  if (on == busyCursor_) return;
  busyCursor_ = on;
  if (on)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void TFormPrinterFirmwareInstaller::ShowEmpty() {
  ShowProgress(0, 0, QString());
  ArchivePath.clear();
  std::fill(ImageBuffer.begin(), ImageBuffer.end(), 0xFF);
  Memo_Editor->clear();
  SetMemoColour(kWhite);
  OfferButtons();
}

void TFormPrinterFirmwareInstaller::OfferButtons() {
  Panel_Top->setEnabled(true);
  SpeedButtonOpen->setEnabled(true);
  SpeedButtonPrint->setEnabled(!ArchivePath.empty());
  SpeedButtonDownload->setEnabled(!ArchivePath.empty());
}

void TFormPrinterFirmwareInstaller::ShowProgress(int position, int maximum, const QString& text) {
  if (position == 0 && maximum == 0) {
    Panel_Fortschritt->hide();
    Label_Fortschritt->clear();
    return;
  }
  if (!text.isEmpty()) Label_Fortschritt->setText(text);
  ProgressBar_Fortschritt->setMaximum(maximum);
  ProgressBar_Fortschritt->setValue(std::clamp(position, 0, maximum));
  Panel_Fortschritt->show();
}

void TFormPrinterFirmwareInstaller::showEvent(QShowEvent* event) {
  ApplyTexts();
  // A package opened earlier stays; anything half done does not.
  if (memoColour_ != kWhite) ShowEmpty();
  const QScreen* screen = this->screen() ? this->screen() : QApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  const int height = std::max(kMinHeight, area.height() * 7 / 8);
  resize(kWidth, height);
  QRect main;
  if (const auto& frame = printersettings::ui::FormServices().MainWindowFrame) main = frame();
  const int centreX = main.isValid() ? main.center().x() : area.center().x();
  move(centreX - kWidth / 2, area.top());
  QDialog::showEvent(event);
}

bool TFormPrinterFirmwareInstaller::RefuseClose() {
  // The installation reports into this window until its result box.
  if (!Panel_Fortschritt->isVisible()) return false;
  platform::Beep(platform::BeepKind::Stop);
  QApplication::alert(this);
  return true;
}

void TFormPrinterFirmwareInstaller::closeEvent(QCloseEvent* event) {
  if (RefuseClose()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TFormPrinterFirmwareInstaller::reject() {
  if (isVisible() && RefuseClose()) return;
  QDialog::reject();
}

void TFormPrinterFirmwareInstaller::keyPressEvent(QKeyEvent* event) {
  platform::DialogKeyActions keys;
  keys.cancel = [this] { close(); };
  keys.hardcopy = [this] { platform::PrintHardcopy(this); };
  keys.userGuide = [] {
    if (const auto& guide = printersettings::ui::FormServices().UserGuide) guide();
  };
  // Enter does nothing here: no OK action.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
  if (platform::HandleDialogKeys(event->key(), event->modifiers(), keys)) return;
  QDialog::keyPressEvent(event);
}

void TFormPrinterFirmwareInstaller::SpeedButtonOKClick(QObject* sender) {
  platform::RepaintSender(sender);
  close();
}

void TFormPrinterFirmwareInstaller::SpeedButtonOpenClick(QObject* sender) {
  platform::RepaintSender(sender);
  try {
    TForm_FileDialog* d = Form_FileDialog;
    if (!d) return;
    d->SetHomeEntry(0, QStringLiteral("Tarvik23 (HEX)"), Services.HexDir, Services.HexDir);
    d->SetHomeEntry(1, QString(), std::string(), std::string());
    d->SetBrowseEntry(0, QStringLiteral("Tarvik50 (HEX)"), Services.HexDir, Services.HexDir);
    d->SetBrowseEntry(1, QString(), std::string(), std::string());
    d->ClearShownExtensions();
    d->ClearExtraExtensions();
    d->ClearHiddenExtensions();
    d->Setup(Text("\xD6" "ffnen", "Open"), "B23", 0x60, -1, 0x7F, 0, "", 0);
    (void)d->SetClipboardFolder(Services.TmpDir + "B23");
    if (d->ShowModal() != 1) return;
    LoadFirmwareArchive(d->GetFileName());
  } catch (const std::exception&) {
    // Nothing was loaded; the window shows what it showed.
  }
}

void TFormPrinterFirmwareInstaller::SpeedButtonPrintClick(QObject* sender) {
  platform::RepaintSender(sender);
  printing::ui::PrintMemoText(*Memo_Editor, ArchivePath);
}

bool TFormPrinterFirmwareInstaller::ExtractWholeImage(const std::string& path, std::vector<std::uint8_t>& image,
                                                      std::string& text) {
  if (!Services.ExtractPackage) return false;
  // One byte more than an image may hold: if the entry fills it, the image
  // is too long, and installing its first MiB would cut the firmware short.
  std::vector<std::uint8_t> probe(kImageSize + 1, 0xFF);
  std::string ignored;
  if (Services.ExtractPackage(path, probe.data(), kImageSize + 1, ignored) == 0) return false;
  image.assign(kImageSize, 0xFF);
  return Services.ExtractPackage(path, image.data(), kImageSize, text) == 0;
}

bool TFormPrinterFirmwareInstaller::LoadFirmwareArchive(const std::string& path) {
  SetBusyCursor(true);
  ShowProgress(1, 3, Text("\xD6" "ffnen...", "Open..."));
  Panel_Top->setEnabled(false);
  SetMemoColour(kYellow);
  Memo_Editor->clear();
  repaint();
  platform::SleepMs(kStepPauseMs);
  ShowProgress(2, 3, QString());
  repaint();
  platform::SleepMs(kStepPauseMs);
  ShowProgress(3, 3, QString());
  ArchivePath = path;
  // The window holds the new package's image, or none at all.
  std::fill(ImageBuffer.begin(), ImageBuffer.end(), 0xFF);
  std::vector<std::uint8_t> image;
  std::string text;
  bool loaded = false;
  try {
    loaded = ExtractWholeImage(path, image, text);
  } catch (const std::exception&) {
    loaded = false;
  }
  if (loaded) {
    ImageBuffer = std::move(image);
    Memo_Editor->appendPlainText(platform::ToQt(text));
    Memo_Editor->moveCursor(QTextCursor::Start);
    repaint();
    platform::SleepMs(kStepPauseMs);
    ShowProgress(0, 0, QString());
    SetMemoColour(kWhite);
    OfferButtons();
    SetBusyCursor(false);
    return true;
  }
  ShowProgress(0, 0, QString());
  ArchivePath.clear();
  Memo_Editor->clear();
  SetMemoColour(kRed);
  OfferButtons();
  SetBusyCursor(false);
  platform::SystemMessageBox(QString::fromLatin1(kBoxTitle),
                             Text("Die Datei kann nicht ge\xF6" "ffnet werden.\n\n", "The file can not be opened.\n\n"),
                             platform::SystemBoxIcon::Stop);
  SetMemoColour(kWhite);
  return false;
}

void TFormPrinterFirmwareInstaller::SpeedButtonDownloadClick(QObject* sender) {
  platform::RepaintSender(sender);
  try {
    if (ArchivePath.empty()) return;
    if (!Services.AskYesNo(this, windowTitle(), Text(kWarningGerman, kWarningEnglish))) return;
    const int cli = Services.CliWord ? Services.CliWord() : -1;
    if (cli < 0) {
      platform::SystemMessageBox(QString::fromLatin1(kBoxTitle),
                                 Text("Es besteht keine Verbindung zum Printer.\n\n\n",
                                      "There is no connection to the Printer.\n\n\n"),
                                 platform::SystemBoxIcon::Stop);
      return;
    }
    printerthread::FirmwareInstallRequest request;
    request.Title = platform::FromQt(windowTitle());
    request.CliWord = cli;
    request.Image = std::make_shared<const std::vector<std::uint8_t>>(ImageBuffer);
    request.View = this;
    SetBusyCursor(true);
    ShowProgress(0, printerthread::kFirmwareMaximum, Text("Installieren...", "Install..."));
    Panel_Top->setEnabled(false);
    SetMemoColour(kYellow);
    repaint();
    ShowProgress(100, printerthread::kFirmwareMaximum, QString());
    printerthread::RequestBoard& board = Services.Requests ? *Services.Requests : printerthread::PrinterRequests();
    board.FirmwareInstall.Raise(std::move(request));
  } catch (const std::exception&) {
    // Before the request nothing has changed for the printer; the window
    // is usable again.
    ShowProgress(0, 0, QString());
    Panel_Top->setEnabled(true);
    SetMemoColour(kWhite);
    SetBusyCursor(false);
  }
}

void TFormPrinterFirmwareInstaller::ShowFirmwareProgress(int position, int maximum) {
  ShowProgress(position, maximum, QString());
}

void TFormPrinterFirmwareInstaller::ShowFirmwareResult(int result) {
  const printerthread::FirmwareBox box = printerthread::FirmwareBoxFor(result, German());
  try {
    ShowProgress(0, 0, QString());
    SetMemoColour(box.colour);
    repaint();
    platform::SystemMessageBox(QString::fromLatin1(kBoxTitle), platform::ToQt(box.text),
                               box.information ? platform::SystemBoxIcon::Information : platform::SystemBoxIcon::Stop);
  } catch (...) {
    // The window is unlocked below whatever the box did.
  }
  SetMemoColour(kWhite);
  OfferButtons();
  repaint();
  SetBusyCursor(false);
}
