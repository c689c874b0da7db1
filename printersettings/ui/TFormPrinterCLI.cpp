#include "printersettings/ui/TFormPrinterCLI.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>

#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/ConsoleLine.h"
#include "printerlink/thread/PrinterSession.h"
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ServiceToolTexts.h"
#include "printersettings/ui/ConsolePresets.h"
#include "printersettings/ui/SettingFormServices.h"
#include "printersettings/ui/SimpleComboStyle.h"
#include "printersettings/ui/TextMemo.h"

TFormPrinterCLI* FormPrinterCLI = nullptr;

namespace {

using namespace printersettings::ui;

constexpr std::uint32_t kInputColour = 11439276;  // the program's input colour
constexpr std::uint32_t kBusyColour = 0x00FFFF;   // yellow
constexpr std::uint32_t kAnswerColour = 0xC0C0C0;  // silver
constexpr int kMinWidth = 792;
constexpr int kMinHeight = 255;
constexpr int kButtonWidth = 120;
constexpr int kMargin = 8;

// Typed letters become capitals, as the printer's commands are written.
class UpperCase final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};


}  // namespace

TFormPrinterCLI::TFormPrinterCLI(QWidget* owner)
    : PrinterWindow(owner, "FormPrinterCLI", QStringLiteral(" Steuerung CLI (Command Line Interface)"), true) {
  FormPrinterCLI = this;
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  setMinimumSize(kMinWidth, kMinHeight);
  setSizeGripEnabled(true);

  LabelKommandoTitel = new QLabel(QStringLiteral("Kommando"), this);
  PanelKommandoEingabe = new platform::Panel(this);
  PanelKommandoEingabe->SetColor(platform::colours::kLightGrey);
  ComboBoxKommando = new QComboBox(PanelKommandoEingabe);
  ComboBoxKommando->setEditable(true);
  ComboBoxKommando->setInsertPolicy(QComboBox::NoInsert);
  ComboBoxKommando->setMaxVisibleItems(20);
  ComboBoxKommando->setCompleter(nullptr);
  ComboBoxKommando->setFont(platform::CourierNewPx(13));
  // One line without a drop-down button; the arrow keys walk the list.
  SimpleComboStyle::Apply(ComboBoxKommando);
  ComboBoxKommando->setContextMenuPolicy(Qt::NoContextMenu);
  ComboBoxKommando->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
  ComboBoxKommando->lineEdit()->setValidator(new UpperCase(ComboBoxKommando));
  ComboBoxKommando->lineEdit()->installEventFilter(this);
  for (const char* line : ConsolePresetLines()) InsertSorted(QString::fromLatin1(line));
  ComboBoxKommando->setCurrentIndex(-1);
  ComboBoxKommando->clearEditText();
  connect(ComboBoxKommando, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!adjusting_) picked_ = index >= 0;
  });
  connect(ComboBoxKommando->lineEdit(), &QLineEdit::textEdited, this, [this] { picked_ = false; });
  platform::AddButtonPanel(this, QRect(0, 0, kButtonWidth, 25), QStringLiteral("Ausf\u00FChren"),
                           PanelKommandoAusfuehren, SpeedButtonKommandoAusfuehren);
  connect(SpeedButtonKommandoAusfuehren, &QAbstractButton::clicked, this,
          [this] { SpeedButtonKommandoAusfuehrenClick(sender()); });
  // While the input is off, a click on it says why. A switched-off line
  // hands the click on to its panel; a switched-off button keeps it (Qt
  // lets no click through a button), so the button is watched as well.
  PanelKommandoEingabe->installEventFilter(this);
  PanelKommandoAusfuehren->installEventFilter(this);
  SpeedButtonKommandoAusfuehren->installEventFilter(this);

  LabelAntwortTitel = new QLabel(QStringLiteral("Antwort"), this);
  MemoAntwort = NewTextMemo(this);
  MemoAntwort->setReadOnly(true);

  NAME_AFTER_MEMBER(LabelKommandoTitel);
  NAME_AFTER_MEMBER(PanelKommandoEingabe);
  NAME_AFTER_MEMBER(ComboBoxKommando);
  NAME_AFTER_MEMBER(PanelKommandoAusfuehren);
  NAME_AFTER_MEMBER(SpeedButtonKommandoAusfuehren);
  NAME_AFTER_MEMBER(LabelAntwortTitel);
  NAME_AFTER_MEMBER(MemoAntwort);
  resize(kMinWidth, kMinHeight);
  Arrange();
  UnlockInput();
}

TFormPrinterCLI::~TFormPrinterCLI() {
  if (FormPrinterCLI == this) FormPrinterCLI = nullptr;
}

void TFormPrinterCLI::Arrange() {
  const int w = width();
  const int h = height();
  LabelKommandoTitel->setGeometry(kMargin, 6, w - 2 * kMargin, 18);
  PanelKommandoEingabe->setGeometry(kMargin, 26, w - 3 * kMargin - kButtonWidth, 25);
  ComboBoxKommando->setGeometry(0, 0, PanelKommandoEingabe->width(), 25);
  PanelKommandoAusfuehren->setGeometry(w - kMargin - kButtonWidth, 26, kButtonWidth, 25);
  LabelAntwortTitel->setGeometry(kMargin, 58, w - 2 * kMargin, 18);
  MemoAntwort->setGeometry(kMargin, 78, w - 2 * kMargin, h - 78 - kMargin);
}

void TFormPrinterCLI::resizeEvent(QResizeEvent* event) {
  PrinterWindow::resizeEvent(event);
  Arrange();
}

void TFormPrinterCLI::InsertSorted(const QString& line) {
  // Sorted as the list shows them: without regard to case.
  int at = 0;
  const int n = ComboBoxKommando->count();
  while (at < n && QString::compare(ComboBoxKommando->itemText(at), line, Qt::CaseInsensitive) <= 0) ++at;
  adjusting_ = true;
  ComboBoxKommando->insertItem(at, line);
  adjusting_ = false;
}

int TFormPrinterCLI::ItemIndex() const {
  const int i = ComboBoxKommando->currentIndex();
  if (!picked_ || i < 0 || ComboBoxKommando->itemText(i) != ComboBoxKommando->currentText()) return -1;
  return i;
}

bool TFormPrinterCLI::MayRun() const {
  return FormServices().ModeReaches(2);
}

void TFormPrinterCLI::ShowDenied() {
  SettingFormServices& s = FormServices();
  QCoreApplication::processEvents();
  if (s.ShowNotice)
    s.ShowNotice(SpeedButtonKommandoAusfuehren->Caption(), s.CatalogueText(Catalogue::DeniedUserAdmin),
                 platform::colours::kSilver);
}

void TFormPrinterCLI::ApplyOperatingMode(int mode) {
  const bool on = mode < 0 || mode >= 2;
  ComboBoxKommando->setEnabled(on);
  SpeedButtonKommandoAusfuehren->setEnabled(on);
}

void TFormPrinterCLI::SpeedButtonKommandoAusfuehrenClick(QObject* sender) {
  platform::RepaintSender(sender);
  if (busy_) return;
  if (!MayRun()) {
    ShowDenied();
    return;
  }
  const std::string line = platform::FromQt(ComboBoxKommando->currentText());
  // A line the printer cannot take whole is not sent at all: cut, it
  // would be another command.
  if (printerthread::ClassifyConsoleLine(printerthread::TrimConsoleLine(line)) ==
      printerthread::ConsoleWord::TooLong) {
    SettingFormServices& s = FormServices();
    QCoreApplication::processEvents();
    if (s.ShowNotice)
      s.ShowNotice(SpeedButtonKommandoAusfuehren->Caption(),
                   platform::ToQt(printersettings::ConsoleLineTooLongText(s.Language())), platform::colours::kSilver);
    ComboBoxKommando->setFocus();
    return;
  }
  CommandText = line;
  printerthread::PrinterRequests().ConsoleCommand.Raise(
      {platform::FromQt(SpeedButtonKommandoAusfuehren->Caption()), CommandText});
}

// ---- the printer thread's steps ----

void TFormPrinterCLI::LockInput() {
  busy_ = true;
  PanelKommandoEingabe->setEnabled(false);
  SpeedButtonKommandoAusfuehren->setEnabled(false);
  platform::SetBaseColour(ComboBoxKommando, kBusyColour);
  platform::SetBaseColour(ComboBoxKommando->lineEdit(), kBusyColour);
  MemoAntwort->clear();
  platform::SetBaseColour(MemoAntwort, kBusyColour);
  MemoAntwort->repaint();
  repaint();
}

void TFormPrinterCLI::ShowAnswer(const std::string& reply) {
  MemoAntwort->appendPlainText(platform::ToQt(reply));
}

void TFormPrinterCLI::AddHistory(const std::string& command) {
  if (ItemIndex() != -1 || ComboBoxKommando->count() >= kHistoryLimit) return;
  const QString line = platform::ToQt(command);
  // A line the list already holds is not listed twice.
  if (ComboBoxKommando->findText(line, Qt::MatchFixedString | Qt::MatchCaseSensitive) >= 0) return;
  const QString text = ComboBoxKommando->currentText();
  InsertSorted(line);
  // The line keeps what the operator typed.
  ComboBoxKommando->setEditText(text);
}

void TFormPrinterCLI::UnlockInput() {
  platform::SetBaseColour(ComboBoxKommando, kInputColour);
  platform::SetBaseColour(ComboBoxKommando->lineEdit(), kInputColour);
  platform::SetBaseColour(MemoAntwort, kAnswerColour);
  PanelKommandoEingabe->setEnabled(true);
  SpeedButtonKommandoAusfuehren->setEnabled(true);
  ApplyOperatingMode(FormServices().Mode());
  busy_ = false;
  if (isVisible()) ComboBoxKommando->setFocus();
  repaint();
}

// ---- keys and closing ----

bool TFormPrinterCLI::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ComboBoxKommando->lineEdit() && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
      if (SpeedButtonKommandoAusfuehren->isEnabled() && !busy_) SpeedButtonKommandoAusfuehrenClick(nullptr);
      return true;
    }
  }
  if ((watched == PanelKommandoEingabe || watched == PanelKommandoAusfuehren ||
       watched == SpeedButtonKommandoAusfuehren) &&
      event->type() == QEvent::MouseButtonPress && !busy_ && !MayRun()) {
    ShowDenied();
    return true;
  }
  return PrinterWindow::eventFilter(watched, event);
}

void TFormPrinterCLI::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
    event->accept();
    if (SpeedButtonKommandoAusfuehren->isEnabled() && !busy_) SpeedButtonKommandoAusfuehrenClick(nullptr);
    return;
  }
  FormKeyDown(event);
}

void TFormPrinterCLI::reject() {
  // A running command keeps the window open until its answer came.
  if (busy_) return;
  PrinterWindow::reject();
}

void TFormPrinterCLI::closeEvent(QCloseEvent* event) {
  if (busy_) {
    event->ignore();
    return;
  }
  PrinterWindow::closeEvent(event);
}
