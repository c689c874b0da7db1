#include "printersettings/TFramePrinter.h"

#include "platform/qt/Fonts.h"

TFramePrinter::TFramePrinter(QWidget* owner) : QWidget(owner) {
  setFont(platform::VerdanaPx(11));
  PanelTitel = new platform::Panel(this);
  PanelTitel->SetColor(0xC0C0C0);
  PanelTitel->SetFontColor(0x800000);
  PanelTitel->setFont(platform::VerdanaPx(19));
  PanelTitel->SetCaption(QStringLiteral("Printer"));
  PanelTitel->SetBottomLine(true);
  hide();
}

void TFramePrinter::resizeEvent(QResizeEvent*) { PanelTitel->setGeometry(0, 0, width(), 32); }
