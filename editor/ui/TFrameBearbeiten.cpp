#include "editor/ui/TFrameBearbeiten.h"

#include "platform/Colours.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/SpeedButton.h"

TFrameBearbeiten::TFrameBearbeiten(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameBearbeiten"));
  setFont(platform::VerdanaPx(11));
  PanelTitel = platform::AddTitleBar(this, QStringLiteral("Bearbeiten"));
  PanelTop = new platform::Panel(this);
  PanelTop->SetColor(platform::colours::kSilver);
  PanelAnsicht = platform::AddButtonPanel(PanelTop, QRect(8, 8, 88, 48), QStringLiteral("Ansicht")).panel;
  PanelZoom = platform::AddButtonPanel(PanelTop, QRect(104, 8, 88, 48), QStringLiteral("Zoom")).panel;
  PanelRaster = platform::AddButtonPanel(PanelTop, QRect(200, 8, 88, 48), QStringLiteral("Raster")).panel;
  LabelAnsicht = new platform::Label(PanelTop);
  LabelAnsicht->hide();
  hide();
}

void TFrameBearbeiten::resizeEvent(QResizeEvent*) {
  PanelTitel->setGeometry(0, 0, width(), 32);
  PanelTop->setGeometry(0, 32, width(), 64);
}

void TFrameBearbeiten::ResetEditor() {}
