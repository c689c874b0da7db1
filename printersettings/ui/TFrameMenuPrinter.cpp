#include "printersettings/ui/TFrameMenuPrinter.h"

#include <QCoreApplication>
#include <QEvent>

#include "platform/qt/TextCodec.h"
#include "printerlink/thread/RequestBoard.h"

TFrameMenuPrinter::TFrameMenuPrinter(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuPrinter"));
  PanelMain1 = new platform::Panel(this);
  PanelMain1->setObjectName(QStringLiteral("PanelMain1"));
  PanelMain1->setGeometry(0, 0, 192, 120);
  PanelMain1->SetColor(platform::colours::kSilver);
  PanelMain1->SetBevels(platform::BevelKind::Raised, platform::BevelKind::None);
  PanelMain1->installEventFilter(this);
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
  // Sized to its contents.
  resize(PanelMain1->size());
  hide();
}

bool TFrameMenuPrinter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == PanelMain1 && event->type() == QEvent::MouseButtonRelease) PanelMain1Click(PanelMain1);
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
