#include "editor/ui/TFrameMenuZoomBearbeiten.h"

TFrameMenuZoomBearbeiten::TFrameMenuZoomBearbeiten(QWidget* owner) : QWidget(owner) { hide(); }

void TFrameMenuZoomBearbeiten::SpeedButtonZoomDownClick(QObject*) {}
void TFrameMenuZoomBearbeiten::SpeedButtonZoomUpClick(QObject*) {}
