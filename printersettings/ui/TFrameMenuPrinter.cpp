#include "printersettings/ui/TFrameMenuPrinter.h"

#include <QCoreApplication>
#include <QEvent>

#include "platform/qt/TextCodec.h"
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/PrinterWindowHooks.h"

namespace {

constexpr int kMenuWidth = 192;

platform::Panel* AddGroup(QWidget* menu, const char* name, int height) {
  auto* group = new platform::Panel(menu);
  group->setObjectName(QString::fromLatin1(name));
  group->setGeometry(0, 0, kMenuWidth, height);
  group->SetColor(platform::colours::kSilver);
  group->SetBevels(platform::BevelKind::Raised, platform::BevelKind::None);
  return group;
}

}  // namespace

TFrameMenuPrinter::TFrameMenuPrinter(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuPrinter"));
  PanelMain1 = AddGroup(this, "PanelMain1", 120);
  PanelMain2 = AddGroup(this, "PanelMain2", 64);
  PanelMain3 = AddGroup(this, "PanelMain3", 64);
  for (platform::Panel* group : {PanelMain1, PanelMain2, PanelMain3}) group->installEventFilter(this);
  SpeedButtonOeffnenVonDrucker =
      platform::AddButtonPanel(PanelMain1, QRect(8, 8, 176, 48), QStringLiteral("Daten öffnen")).button;
  SpeedButtonOeffnenVonDrucker->setObjectName(QStringLiteral("SpeedButtonOeffnenVonDrucker"));
  SpeedButtonSpeichernAufDrucker =
      platform::AddButtonPanel(PanelMain1, QRect(8, 64, 176, 48), QStringLiteral("Daten speichern")).button;
  SpeedButtonSpeichernAufDrucker->setObjectName(QStringLiteral("SpeedButtonSpeichernAufDrucker"));
  connect(SpeedButtonOeffnenVonDrucker, &QAbstractButton::clicked, this,
          [this] { SpeedButtonOeffnenVonDruckerClick(SpeedButtonOeffnenVonDrucker); });
  connect(SpeedButtonSpeichernAufDrucker, &QAbstractButton::clicked, this,
          [this] { SpeedButtonSpeichernAufDruckerClick(SpeedButtonSpeichernAufDrucker); });
  SpeedButtonFernsteuerungDrucker =
      platform::AddButtonPanel(PanelMain2, QRect(8, 8, 176, 48), QStringLiteral("Fernsteuerung")).button;
  SpeedButtonFernsteuerungDrucker->setObjectName(QStringLiteral("SpeedButtonFernsteuerungDrucker"));
  SpeedButtonEinstellen =
      platform::AddButtonPanel(PanelMain3, QRect(8, 8, 176, 48), QStringLiteral("Einstellungen")).button;
  SpeedButtonEinstellen->setObjectName(QStringLiteral("SpeedButtonEinstellen"));
  connect(SpeedButtonFernsteuerungDrucker, &QAbstractButton::clicked, this,
          [this] { SpeedButtonFernsteuerungDruckerClick(SpeedButtonFernsteuerungDrucker); });
  connect(SpeedButtonEinstellen, &QAbstractButton::clicked, this,
          [this] { SpeedButtonEinstellenClick(SpeedButtonEinstellen); });
  ArrangeGroups();
  hide();
}

void TFrameMenuPrinter::ArrangeGroups() {
  const bool remote = printersettings::ui::OtherPrinterWindows().Fernsteuerung != nullptr;
  PanelMain2->setVisible(remote);
  int y = 0;
  for (platform::Panel* group : {PanelMain1, PanelMain2, PanelMain3}) {
    if (group->isHidden()) continue;
    group->move(0, y);
    y += group->height();
  }
  // Sized to its contents.
  resize(kMenuWidth, y);
}

void TFrameMenuPrinter::showEvent(QShowEvent* event) {
  ArrangeGroups();
  QWidget::showEvent(event);
}

bool TFrameMenuPrinter::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == PanelMain1 || watched == PanelMain2 || watched == PanelMain3) &&
      event->type() == QEvent::MouseButtonRelease)
    PanelMain1Click(watched);
  return QWidget::eventFilter(watched, event);
}

void TFrameMenuPrinter::PanelMain1Click(QObject*) {
  if (CloseMenusAndRefresh) CloseMenusAndRefresh();
}

bool TFrameMenuPrinter::MayRequest(platform::SpeedButton* button, bool opening) {
  button->repaint();
  if (CloseMenusAndRefresh) CloseMenusAndRefresh();
  if (DataModified && DataModified()) {
    QCoreApplication::processEvents();
    if (ShowRefusal) ShowRefusal(button->Caption(), opening);
    return false;
  }
  return true;
}

void TFrameMenuPrinter::SpeedButtonOeffnenVonDruckerClick(QObject*) {
  if (MayRequest(SpeedButtonOeffnenVonDrucker, true))
    printerthread::PrinterRequests().UploadGroup.Raise({platform::FromQt(SpeedButtonOeffnenVonDrucker->Caption())});
}

void TFrameMenuPrinter::SpeedButtonSpeichernAufDruckerClick(QObject*) {
  if (MayRequest(SpeedButtonSpeichernAufDrucker, false))
    printerthread::PrinterRequests().DownloadGroup.Raise(
        {platform::FromQt(SpeedButtonSpeichernAufDrucker->Caption())});
}

void TFrameMenuPrinter::SpeedButtonFernsteuerungDruckerClick(QObject*) {
  SpeedButtonFernsteuerungDrucker->repaint();
  if (CloseMenusAndRefresh) CloseMenusAndRefresh();
  printersettings::ui::ToggleWindow(printersettings::ui::OtherPrinterWindows().Fernsteuerung);
}

void TFrameMenuPrinter::SpeedButtonEinstellenClick(QObject*) {
  SpeedButtonEinstellen->repaint();
  if (ShowSettingsView) ShowSettingsView();
  if (CloseMenusAndRefresh) CloseMenusAndRefresh();
}
