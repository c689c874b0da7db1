#include "app/TFormMessage.h"

#include <QApplication>
#include <QKeyEvent>

#include "app/Centre.h"
#include "app/Shortcuts.h"
#include "app/TForm_Main.h"
#include "platform/Beep.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/DialogFlags.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/ShowPainted.h"
#include "platform/qt/UserGuide.h"

TFormMessage* FormMessage = nullptr;

namespace {
constexpr int kPanelHeight = 152;
constexpr int kButtonRowHeight = 65;
constexpr int kWidth = 593;
constexpr std::uint32_t kShownSilver = platform::colours::kLightGrey;

// The catalogue's member names, in catalogue order.
const char* const kCatalogueNames[] = {
    "MsgSaveOrCloseFirst", "MsgSaveFirst",        "MsgBackupNoOverwrite", "MsgDeniedUser",
    "MsgDeniedUserAdmin",  "MsgRunning",          "MsgTransferring",      "MsgDoneOk",
    "MsgNoData",           "MsgDoneFailed",       "MsgUnplugUsb",         "MsgStarting",
    "MsgClosing",          "MsgNotAvailable",     "MsgPrinterNoSupport",  "MsgNoPrinter",
    "MsgUserCannotChange", "MsgProtectionOn",     "MsgPrinterProtection", "MsgFirewall",
    "MsgFixAndRestart",    "MsgServerDown",       "MsgTryLater",          "MsgNoInternet",
    "MsgBrowserAccess",    "MsgYes",              "MsgNo",                "MsgRestart",
    "MsgUpdateNewest",
};
}  // namespace

TFormMessage::TFormMessage(QWidget* owner)
    : QDialog(owner, platform::FixedDialogFlags(true)) {
  FormMessage = this;
  setObjectName(QStringLiteral("FormMessage"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, kShownSilver);

  PanelMain = new platform::Panel(this);
  PanelMain->setGeometry(0, 0, kWidth, kPanelHeight);
  PanelMain->setFont(platform::VerdanaPx(15));
  PanelMain->SetFontColor(platform::colours::kBlack);
  auto label = [this](int top) {
    auto* l = new QLabel(PanelMain);
    l->setGeometry(0, top, kWidth, 18);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(platform::VerdanaPx(15));
    return l;
  };
  LabelText1 = label(40);
  LabelText2 = label(88);

  const QRect rowPlace(0, kPanelHeight, kWidth, kButtonRowHeight);
  PanelUnten1 = platform::AddButtonRow(this, rowPlace);
  platform::AddButtonPanel(PanelUnten1, QRect(253, 9, 88, 48), QStringLiteral("OK"), PanelInformationOK,
                           SpeedButtonInformationOK);
  PanelUnten2 = platform::AddButtonRow(this, rowPlace);
  platform::AddButtonPanel(PanelUnten2, QRect(204, 9, 88, 48), QStringLiteral("Ja"), PanelJa, SpeedButtonJa);
  platform::AddButtonPanel(PanelUnten2, QRect(300, 9, 88, 48), QStringLiteral("Nein"), PanelNein, SpeedButtonNein);
  connect(SpeedButtonInformationOK, &QAbstractButton::clicked, this,
          [this] { SpeedButtonInformationOKClick(SpeedButtonInformationOK); });
  connect(SpeedButtonJa, &QAbstractButton::clicked, this, [this] { SpeedButtonJaClick(SpeedButtonJa); });
  connect(SpeedButtonNein, &QAbstractButton::clicked, this, [this] { SpeedButtonNeinClick(SpeedButtonNein); });
  setFixedSize(kWidth, kPanelHeight + kButtonRowHeight);

  MsgSaveOrCloseFirst = QStringLiteral("Bitte speichern oder schliessen Sie zuerst die geöffneten Daten.");
  MsgSaveFirst = QStringLiteral("Bitte speichern Sie zuerst die geöffneten Daten.");
  MsgBackupNoOverwrite = QStringLiteral("Sicherung kann von Benutzer nicht überschrieben werden!");
  MsgDeniedUser = QStringLiteral("Kann von Benutzer nicht ausgeführt werden!");
  MsgDeniedUserAdmin = QStringLiteral("Kann von Benutzer und Administrator nicht ausgeführt werden!");
  MsgRunning = QStringLiteral("Wird ausgeführt...");
  MsgTransferring = QStringLiteral("Wird übertragen...");
  MsgDoneOk = QStringLiteral("Erfolgreich beendet.");
  MsgNoData = QStringLiteral("Keine Daten vorhanden.");
  MsgDoneFailed = QStringLiteral("Nicht erfolgreich beendet.");
  MsgUnplugUsb = QStringLiteral("Bitte ziehen Sie das USB Kabel zum Drucker aus.");
  MsgStarting = QStringLiteral("Wird gestartet...");
  MsgClosing = QStringLiteral("Wird beendet...");
  MsgNotAvailable = QStringLiteral("Die Funktion ist noch nicht verfügbar.");
  MsgPrinterNoSupport = QStringLiteral("Der Drucker unterstützt die Einstellung noch nicht.");
  MsgNoPrinter = QStringLiteral("Es wurde noch kein Drucker gefunden.");
  MsgUserCannotChange = QStringLiteral("Kann von Benutzer nicht verändert werden!");
  MsgProtectionOn = QStringLiteral("Schutz für Benutzer ist eingeschaltet!");
  MsgPrinterProtection = QStringLiteral("Schutz für Benutzer auf dem Drucker erkannt!");
  MsgFirewall = QStringLiteral("Die Firewall blockiert das Programm!");
  MsgFixAndRestart = QStringLiteral("Bitte beheben Sie das Problem und starten Sie das Programm neu.");
  MsgServerDown = QStringLiteral("Der Server ist momentan nicht verfügbar.");
  MsgTryLater = QStringLiteral("Bitte versuchen Sie es später nochmals.");
  MsgNoInternet = QStringLiteral("Es besteht keine Verbindung zum Internet.");
  MsgBrowserAccess = QStringLiteral("Haben Sie mit einem Internetbrowser Zugang zum Internet?");
  MsgYes = QStringLiteral("Ja");
  MsgNo = QStringLiteral("Nein");
  MsgRestart = QStringLiteral("Bitte starten Sie das Programm neu.");
  MsgUpdateNewest = QStringLiteral("Bitte updaten Sie auf die neueste Version!");

  NAME_AFTER_MEMBER(SpeedButtonInformationOK);
  for (int n = 1; n <= static_cast<int>(std::size(kCatalogueNames)); ++n)
    platform::RegisterText(this, kCatalogueNames[n - 1], *CatalogueEntry(n));
}

TFormMessage::~TFormMessage() {
  if (FormMessage == this) FormMessage = nullptr;
}

QString* TFormMessage::CatalogueEntry(int number) {
  QString* const entries[] = {
      &MsgSaveOrCloseFirst, &MsgSaveFirst,        &MsgBackupNoOverwrite, &MsgDeniedUser,
      &MsgDeniedUserAdmin,  &MsgRunning,          &MsgTransferring,      &MsgDoneOk,
      &MsgNoData,           &MsgDoneFailed,       &MsgUnplugUsb,         &MsgStarting,
      &MsgClosing,          &MsgNotAvailable,     &MsgPrinterNoSupport,  &MsgNoPrinter,
      &MsgUserCannotChange, &MsgProtectionOn,     &MsgPrinterProtection, &MsgFirewall,
      &MsgFixAndRestart,    &MsgServerDown,       &MsgTryLater,          &MsgNoInternet,
      &MsgBrowserAccess,    &MsgYes,              &MsgNo,                &MsgRestart,
      &MsgUpdateNewest,
  };
  if (number < 1 || number > static_cast<int>(std::size(entries))) return nullptr;
  return entries[number - 1];
}

void TFormMessage::ShowBusy(const QString& title, const QString& text, std::uint32_t colour, bool modal) {
  Present({MessageKind::Busy, false, title, text, {}, {}, {}, {}, colour, modal});
}

void TFormMessage::ShowNotice(const QString& title, const QString& text, std::uint32_t colour, bool modal) {
  Present({MessageKind::Notice, false, title, text, {}, {}, {}, {}, colour, modal});
}

void TFormMessage::ShowNotice2(const QString& title, const QString& line1, const QString& line2,
                               std::uint32_t colour, bool modal) {
  Present({MessageKind::Notice, true, title, {}, line1, line2, {}, {}, colour, modal});
}

int TFormMessage::AskYesNo(const QString& title, const QString& line1, const QString& line2,
                           const QString& yesCaption, const QString& noCaption, std::uint32_t colour) {
  // A question closed some other way than by its buttons counts as "Nein".
  const int answer =
      Present({MessageKind::Question, true, title, {}, line1, line2, yesCaption, noCaption, colour, true});
  return answer == kYes ? kYes : kNo;
}

int TFormMessage::Present(Content c) {
  // A modal message never stacks on another: the one shown goes first.
  if (Kind != MessageKind::None && c.modal) close();
  const std::uint32_t colour = c.colour == kSilver ? kShownSilver : c.colour;
  setWindowTitle(QStringLiteral(" ") + c.title.trimmed());

  const bool oneText = !c.twoLines;
  PanelMain->SetCaption(oneText ? c.text : QString());
  LabelText1->setText(oneText ? QString() : c.line1);
  LabelText2->setText(oneText ? QString() : c.line2);
  if (c.kind == MessageKind::Question) {
    SpeedButtonJa->SetCaption(c.yes);
    SpeedButtonNein->SetCaption(c.no);
  }
  PanelMain->SetColor(colour);
  if (c.kind == MessageKind::Busy)
    PanelMain->setCursor(Qt::WaitCursor);
  else
    PanelMain->unsetCursor();

  PanelUnten1->setVisible(c.kind == MessageKind::Notice);
  PanelUnten2->setVisible(c.kind == MessageKind::Question);
  setFixedSize(kWidth, c.kind == MessageKind::Busy ? kPanelHeight : kPanelHeight + kButtonRowHeight);

  if (Kind != c.kind) platform::Beep(colour == kRed ? platform::BeepKind::Stop : platform::BeepKind::Exclamation);
  Kind = c.kind;
  if (Kind == MessageKind::Busy) {
    if (!busyBlock_) busyBlock_ = std::make_unique<platform::InputBlocker>(this);
  } else {
    busyBlock_.reset();
  }

  if (c.modal) {
    setModal(true);
    return exec();
  }
  setModal(false);
  const bool wasShown = isVisible();
  platform::ShowPainted(this);
  // A message comes up on top; one already shown that is not modal is not
  // put back over a modal window, the one that takes the operator's input
  // meanwhile: the abort dialog of a print, whose job rewrites its busy
  // message at every step, must stay clickable.
  QWidget* modal = QApplication::activeModalWidget();
  if (!wasShown || !modal || modal == this) raise();
  return 0;
}

void TFormMessage::SaveMainPanels() {
  if (savedValid_ || !Form_Main) return;
  savedLinks_ = platform::OwnEnabled(Form_Main->PanelLinks);
  savedMain_ = platform::OwnEnabled(Form_Main->PanelMain);
  savedValid_ = true;
}

void TFormMessage::RestoreMainPanels() {
  if (!savedValid_) return;
  savedValid_ = false;
  if (!Form_Main) return;
  Form_Main->PanelLinks->setEnabled(savedLinks_);
  Form_Main->PanelMain->setEnabled(savedMain_);
}

void TFormMessage::showEvent(QShowEvent* event) {
  app::CentreOnMainWindow(this);
  SaveMainPanels();
  if (Form_Main) {
    Form_Main->PanelLinks->setEnabled(false);
    Form_Main->PanelMain->setEnabled(false);
  }
  QDialog::showEvent(event);
}

void TFormMessage::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) {
    Kind = MessageKind::None;
    busyBlock_.reset();
    RestoreMainPanels();
  }
  QDialog::hideEvent(event);
}

void TFormMessage::keyPressEvent(QKeyEvent* event) {
  if (platform::HandleUserGuideKey(event)) return;
  if (app::ShiftOf(event->modifiers(), QApplication::mouseButtons()) != app::Shift::None) return;
  const bool okRow = !PanelUnten1->isHidden();
  const bool questionRow = !PanelUnten2->isHidden();
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (okRow)
        SpeedButtonInformationOKClick(SpeedButtonInformationOK);
      else if (questionRow)
        SpeedButtonJaClick(SpeedButtonJa);
      break;
    case Qt::Key_Escape:
      if (okRow)
        SpeedButtonInformationOKClick(SpeedButtonInformationOK);
      else if (questionRow)
        SpeedButtonNeinClick(SpeedButtonNein);
      break;
    default:
      break;
  }
}

void TFormMessage::SpeedButtonInformationOKClick(QObject*) {
  SpeedButtonInformationOK->repaint();
  close();
}

void TFormMessage::SpeedButtonJaClick(QObject*) {
  SpeedButtonJa->repaint();
  done(kYes);
}

void TFormMessage::SpeedButtonNeinClick(QObject*) {
  SpeedButtonNein->repaint();
  done(kNo);
}
