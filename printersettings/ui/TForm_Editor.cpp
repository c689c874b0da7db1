#include "printersettings/ui/TForm_Editor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>

#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/Beep.h"
#include "platform/Clock.h"
#include "platform/FileIO.h"
#include "platform/qt/DialogFlags.h"
#include "platform/qt/DialogKeys.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/RequestBoard.h"
#include "printerlink/thread/ServiceTools.h"
#include "printersettings/ServiceToolTexts.h"
#include "printersettings/ui/ConfigFileDialog.h"
#include "printersettings/ui/SettingFormServices.h"
#include "printersettings/ui/TextMemo.h"
#include "printing/ui/MemoPrint.h"

TForm_Editor* Form_Editor = nullptr;

namespace {

using namespace platform::colours;
using printersettings::ui::FormServices;

constexpr int kMinWidth = 792;
constexpr int kMinHeight = 473;
constexpr int kTopHeight = 41;
constexpr int kProgressHeight = 30;
constexpr int kButtonWidth = 120;
constexpr std::uint32_t kStepPauseMs = 200;

void Pause(QWidget* w) {
  w->repaint();
  platform::SleepMs(kStepPauseMs);
}

int Language() { return FormServices().Language(); }

}  // namespace

TForm_Editor::TForm_Editor(QWidget* owner) : QDialog(owner, platform::FixedDialogFlags(true)) {
  Form_Editor = this;
  setObjectName(QStringLiteral("Form_Editor"));
  setWindowTitle(QStringLiteral("Editor"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, kLightGrey);
  setModal(false);
  setMinimumSize(kMinWidth, kMinHeight);
  setSizeGripEnabled(true);

  Panel_Top = new platform::Panel(this);
  Panel_Top->SetColor(kSilver);
  Panel_Top->SetBottomLine(true);
  int x = 8;
  auto button = [&](platform::Panel*& panel, platform::SpeedButton*& b, const char* caption) {
    platform::AddButtonPanel(Panel_Top, QRect(x, 8, kButtonWidth, 25), QString::fromUtf8(caption), panel, b);
    x += kButtonWidth + 8;
  };
  button(PanelOpen, SpeedButtonOpen, "Öffnen");
  button(PanelSave, SpeedButtonSave, "Speichern");
  button(PanelPrint, SpeedButtonPrint, "Drucken");
  button(PanelDownload, SpeedButtonDownload, "Installieren");
  button(PanelOK, SpeedButtonOK, "Abbrechen");
  connect(SpeedButtonOpen, &QAbstractButton::clicked, this, [this] { SpeedButtonOpenClick(sender()); });
  connect(SpeedButtonSave, &QAbstractButton::clicked, this, [this] { SpeedButtonSaveClick(sender()); });
  connect(SpeedButtonPrint, &QAbstractButton::clicked, this, [this] { SpeedButtonPrintClick(sender()); });
  connect(SpeedButtonDownload, &QAbstractButton::clicked, this, [this] { SpeedButtonDownloadClick(sender()); });
  connect(SpeedButtonOK, &QAbstractButton::clicked, this, [this] { SpeedButtonOKClick(sender()); });

  Memo_Editor = printersettings::ui::NewTextMemo(this);

  Panel_Fortschritt = new platform::Panel(this);
  Panel_Fortschritt->SetColor(kLightGrey);
  Label_Fortschritt = new QLabel(Panel_Fortschritt);
  ProgressBar_Fortschritt = new QProgressBar(Panel_Fortschritt);
  ProgressBar_Fortschritt->setTextVisible(false);
  Panel_Fortschritt->hide();

  SetMemoColour(kWhite);
  resize(kMinWidth + 8, kMinHeight);
  Arrange();
  ApplyTexts();
}

TForm_Editor::~TForm_Editor() {
  if (Form_Editor == this) Form_Editor = nullptr;
}

void TForm_Editor::Arrange() {
  const int w = width();
  const int h = height();
  Panel_Top->setGeometry(0, 0, w, kTopHeight);
  PanelOK->move(w - 8 - kButtonWidth, 8);
  const int progress = Panel_Fortschritt->isVisible() ? kProgressHeight : 0;
  Memo_Editor->setGeometry(0, kTopHeight, w, h - kTopHeight - progress);
  Panel_Fortschritt->setGeometry(0, h - kProgressHeight, w, kProgressHeight);
  Label_Fortschritt->setGeometry(8, 6, 200, 18);
  ProgressBar_Fortschritt->setGeometry(216, 6, w - 224, 18);
}

void TForm_Editor::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Arrange();
}

void TForm_Editor::ApplyTexts() {
  const printersettings::EditorTexts t = printersettings::EditorTextsFor(Language());
  SpeedButtonOpen->SetCaption(platform::ToQt(t.open));
  SpeedButtonSave->SetCaption(platform::ToQt(t.save));
  SpeedButtonPrint->SetCaption(platform::ToQt(t.print));
  SpeedButtonDownload->SetCaption(platform::ToQt(t.install));
  SpeedButtonOK->SetCaption(platform::ToQt(t.cancel));
  loadingText_ = platform::ToQt(t.loading);
  savingText_ = platform::ToQt(t.saving);
  installingText_ = platform::ToQt(t.installing);
  setWindowTitle(platform::ToQt(t.caption));
}

std::string TForm_Editor::WorkCopy() const {
  return (Places.TmpDir ? Places.TmpDir() : std::string()) + printerthread::kWorkCopyName;
}

void TForm_Editor::SetMemoColour(std::uint32_t colour) { platform::SetBaseColour(Memo_Editor, colour); }

void TForm_Editor::ShowProgress(int position, int maximum, const QString& text) {
  try {
    if (position == 0 && maximum == 0) {
      Label_Fortschritt->clear();
      Panel_Fortschritt->hide();
    } else {
      if (!text.isEmpty()) Label_Fortschritt->setText(text);
      ProgressBar_Fortschritt->setMaximum(maximum);
      ProgressBar_Fortschritt->setValue(position);
      Panel_Fortschritt->show();
    }
    Arrange();
    repaint();
  } catch (...) {
  }
}

bool TForm_Editor::IsModified() const { return Memo_Editor->document()->isModified(); }

std::string TForm_Editor::TextBytes() const {
  if (!IsModified()) return loadedBytes_;
  printersettings::ConfigText t;
  const QStringList lines = Memo_Editor->toPlainText().split(QLatin1Char('\n'));
  for (const QString& line : lines) t.lines.push_back(platform::FromQt(line));
  // An emptied memo is no line at all.
  if (t.lines.size() == 1 && t.lines[0].empty()) t.lines.clear();
  t.endsWithBreak = endsWithBreak_;
  return printersettings::JoinConfigText(t);
}

void TForm_Editor::SetCaptionForFile() {
  const std::size_t slash = FileName.find_last_of('/');
  setWindowTitle(QStringLiteral("Editor - ") +
                 platform::ToQt(slash == std::string::npos ? FileName : FileName.substr(slash + 1)));
}

void TForm_Editor::Hold(int maximum, const QString& text) {
  ShowProgress(1, maximum, text);
  Panel_Top->setEnabled(false);
  Memo_Editor->setEnabled(false);
  SetMemoColour(kYellow);
  repaint();
}

void TForm_Editor::GiveBack(std::uint32_t memoColour) {
  ShowProgress(0, 0, QString());
  Panel_Top->setEnabled(true);
  Memo_Editor->setEnabled(true);
  SetMemoColour(memoColour);
  for (platform::SpeedButton* b : {SpeedButtonOpen, SpeedButtonSave, SpeedButtonPrint, SpeedButtonDownload})
    b->setEnabled(true);
  QApplication::restoreOverrideCursor();
  repaint();
}

bool TForm_Editor::LoadFile(const std::string& path) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Hold(3, loadingText_);
  Memo_Editor->clear();
  Pause(this);
  ShowProgress(2, 3, QString());
  auto bytes = platform::ReadWholeFile(path);
  if (!bytes.ok()) {
    FileName.clear();
    loadedBytes_.clear();
    Memo_Editor->clear();
    Memo_Editor->document()->setModified(false);
    setWindowTitle(QStringLiteral("Editor"));
    GiveBack(kRed);
    Memo_Editor->setEnabled(false);
    for (platform::SpeedButton* b : {SpeedButtonSave, SpeedButtonPrint, SpeedButtonDownload}) b->setEnabled(false);
    return false;
  }
  const printersettings::ConfigText text = printersettings::SplitConfigText(bytes.value());
  QStringList lines;
  for (const std::string& line : text.lines) lines.push_back(platform::ToQt(line));
  Memo_Editor->setPlainText(lines.join(QLatin1Char('\n')));
  Memo_Editor->document()->setModified(false);
  loadedBytes_ = bytes.value();
  endsWithBreak_ = text.endsWithBreak || text.lines.empty();
  Pause(this);
  ShowProgress(3, 3, QString());
  FileName = path;
  SetCaptionForFile();
  Pause(this);
  GiveBack(kWhite);
  return true;
}

// ---- showing and closing ----

void TForm_Editor::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm_Editor::FormShow() {
  ApplyTexts();
  // 800 wide, 7/8 of the screen high, at its top, centred on the main window.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  const int height = std::max(kMinHeight, avail.height() / 8 * 7);
  resize(std::max(800, kMinWidth), height);
  const auto& s = FormServices();
  const QRect main = s.MainWindowFrame ? s.MainWindowFrame() : QRect();
  const int centreX = main.isValid() ? main.center().x() : avail.center().x();
  move(centreX - frameGeometry().width() / 2, avail.top());
  (void)LoadFile(WorkCopy());
}

bool TForm_Editor::MayDiscard() {
  if (!IsModified()) return true;
  const auto& s = FormServices();
  const printersettings::EditorTexts t = printersettings::EditorTextsFor(Language());
  return !s.AskYesNo || s.AskYesNo(windowTitle(), platform::ToQt(t.discardQuestion));
}

bool TForm_Editor::MayClose() {
  // While a step runs the window stays; so it does for edits the operator
  // wants to keep.
  if (StepRunning()) {
    platform::Beep(platform::BeepKind::Stop);
    QApplication::alert(this);
    return false;
  }
  if (!MayDiscard()) return false;
  Memo_Editor->document()->setModified(false);
  return true;
}

void TForm_Editor::closeEvent(QCloseEvent* event) {
  if (!MayClose()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TForm_Editor::reject() {
  if (MayClose()) QDialog::reject();
}

void TForm_Editor::keyPressEvent(QKeyEvent* event) {
  event->accept();
  // Esc closes; Enter belongs to the memo (a new line).
  platform::DialogKeyActions keys;
  keys.cancel = [this] { close(); };
  keys.hardcopy = [this] { platform::PrintHardcopy(this); };
  keys.userGuide = FormServices().UserGuide;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
  platform::HandleDialogKeys(event->key(), event->modifiers(), keys);
}

// ---- the buttons ----

void TForm_Editor::SetUpDialog(TForm_FileDialog& d, bool save) const {
  printersettings::ui::ConfigDialogSetup setup;
  setup.title = save ? SpeedButtonSave->Caption() : SpeedButtonOpen->Caption();
  setup.save = save;
  setup.initialName = save ? "KONFIG" : "";
  setup.serviceDir = Places.ServiceDir ? Places.ServiceDir() : std::string();
  setup.tmpDir = Places.TmpDir ? Places.TmpDir() : std::string();
  setup.clipboardName = "SYS23";
  setup.offerExtension = !save;
  setup.computerPlaces = true;
  printersettings::ui::SetUpConfigFileDialog(d, setup);
}

void TForm_Editor::SpeedButtonOpenClick(QObject* sender) {
  platform::RepaintSender(sender);
  try {
    TForm_FileDialog* d = Places.FileDialog ? Places.FileDialog() : nullptr;
    if (!d || !MayDiscard()) return;
    SetUpDialog(*d, false);
    if (d->ShowModal() != 1) return;
    (void)LoadFile(d->GetFileName());
  } catch (...) {
  }
}

void TForm_Editor::SpeedButtonSaveClick(QObject* sender) {
  platform::RepaintSender(sender);
  TForm_FileDialog* d = Places.FileDialog ? Places.FileDialog() : nullptr;
  if (!d) return;
  try {
    SetUpDialog(*d, true);
    if (d->ShowModal() != 1) return;
  } catch (...) {
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Hold(3, savingText_);
  Pause(this);
  ShowProgress(2, 3, QString());
  SavePath = d->GetFileName();
  const std::string bytes = TextBytes();
  if (!platform::WriteFileAtomic(SavePath, bytes)) {
    FileName.clear();
    GiveBack(kRed);
    return;
  }
  loadedBytes_ = bytes;
  Memo_Editor->document()->setModified(false);
  Pause(this);
  ShowProgress(3, 3, QString());
  FileName = SavePath;
  SetCaptionForFile();
  Pause(this);
  GiveBack(kWhite);
}

void TForm_Editor::SpeedButtonPrintClick(QObject* sender) {
  platform::RepaintSender(sender);
  try {
    printing::ui::PrintMemoText(*Memo_Editor, FileName);
  } catch (...) {
  }
}

void TForm_Editor::SpeedButtonDownloadClick(QObject* sender) {
  platform::RepaintSender(sender);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Hold(2, installingText_);
  const std::string bytes = TextBytes();
  if (!platform::WriteFileAtomic(WorkCopy(), bytes)) {
    // No request without its work copy; the editor is usable again at once.
    GiveBack(kRed);
    return;
  }
  ShowProgress(2, 2, QString());
  printerthread::PrinterRequests().StoreConfig.Raise({platform::FromQt(SpeedButtonDownload->Caption())});
}

void TForm_Editor::SpeedButtonOKClick(QObject* sender) {
  platform::RepaintSender(sender);
  close();
}

// ---- the printer thread's steps ----

void TForm_Editor::FetchFailed(const std::function<void()>& report) {
  Memo_Editor->setEnabled(false);
  SetMemoColour(kRed);
  repaint();
  if (report) report();
  GiveBack(kWhite);
}

void TForm_Editor::InstallEnded(bool ok, const std::function<void()>& report) {
  ShowProgress(0, 0, QString());
  Memo_Editor->setEnabled(false);
  SetMemoColour(ok ? kGreen : kRed);
  repaint();
  if (ok) {
    // What the printer holds now is what the memo shows.
    loadedBytes_ = TextBytes();
    Memo_Editor->document()->setModified(false);
  }
  if (report) report();
  GiveBack(kWhite);
}
