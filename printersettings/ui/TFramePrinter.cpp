#include "printersettings/ui/TFramePrinter.h"

#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"

TFramePrinter::TFramePrinter(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FramePrinter"));
  setFont(platform::VerdanaPx(11));
  PanelTitel = platform::AddTitleBar(this, QStringLiteral("Einstellungen"));
  NAME_AFTER_MEMBER(PanelTitel);
  hide();
}

void TFramePrinter::resizeEvent(QResizeEvent*) { PanelTitel->setGeometry(0, 0, width(), 32); }
