#include "editor/ui/TFrameMenuZoomBearbeiten.h"

TFrameMenuZoomBearbeiten::TFrameMenuZoomBearbeiten(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuZoomBearbeiten"));
  hide();
}

void TFrameMenuZoomBearbeiten::SpeedButtonZoomDownClick(QObject*) {}
void TFrameMenuZoomBearbeiten::SpeedButtonZoomUpClick(QObject*) {}
