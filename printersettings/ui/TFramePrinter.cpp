#include "printersettings/ui/TFramePrinter.h"

#include "platform/qt/Fonts.h"

TFramePrinter::TFramePrinter(QWidget* owner) : QWidget(owner) {
  setFont(platform::VerdanaPx(11));
  PanelTitel = platform::AddTitleBar(this, QStringLiteral("Printer"));
  hide();
}

void TFramePrinter::resizeEvent(QResizeEvent*) { PanelTitel->setGeometry(0, 0, width(), 32); }
