#include "printersettings/ui/TFrameMenuPrinter.h"

#include <QCoreApplication>
#include <QEvent>

#include "platform/qt/TextCodec.h"
#include "printerlink/thread/RequestBoard.h"
#include "printdata/ui/MenuFrame.h"
#include "printersettings/ui/PrinterWindowHooks.h"

TFrameMenuPrinter::TFrameMenuPrinter(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuPrinter"));
  PanelMain1 = printdata::ui::AddRaisedMenuBlock(this, "PanelMain1", 0, 120);
  PanelMain2 = printdata::ui::AddRaisedMenuBlock(this, "PanelMain2", 0, 64);
  PanelMain3 = printdata::ui::AddRaisedMenuBlock(this, "PanelMain3", 0, 64);
  for (platform::Panel* group : {PanelMain1, PanelMain2, PanelMain3}) group->installEventFilter(this);
  platform::Panel* panel = nullptr;
  printdata::ui::AddMenuButton(PanelMain1, "PanelOeffnenVonDrucker", "SpeedButtonOeffnenVonDrucker",
                               QStringLiteral("Daten öffnen"), 8, 8, panel, SpeedButtonOeffnenVonDrucker);
  printdata::ui::AddMenuButton(PanelMain1, "PanelSpeichernAufDrucker", "SpeedButtonSpeichernAufDrucker",
                               QStringLiteral("Daten speichern"), 8, 64, panel, SpeedButtonSpeichernAufDrucker);
  connect(SpeedButtonOeffnenVonDrucker, &QAbstractButton::clicked, this,
          [this] { SpeedButtonOeffnenVonDruckerClick(SpeedButtonOeffnenVonDrucker); });
  connect(SpeedButtonSpeichernAufDrucker, &QAbstractButton::clicked, this,
          [this] { SpeedButtonSpeichernAufDruckerClick(SpeedButtonSpeichernAufDrucker); });
  printdata::ui::AddMenuButton(PanelMain2, "PanelFernsteuerungDrucker", "SpeedButtonFernsteuerungDrucker",
                               QStringLiteral("Fernsteuerung"), 8, 8, panel, SpeedButtonFernsteuerungDrucker);
  printdata::ui::AddMenuButton(PanelMain3, "PanelEinstellen", "SpeedButtonEinstellen", QStringLiteral("Einstellungen"),
                               8, 8, panel, SpeedButtonEinstellen);
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
  resize(printdata::ui::kMenuWidth, y);
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
