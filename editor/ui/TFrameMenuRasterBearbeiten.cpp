#include "editor/ui/TFrameMenuRasterBearbeiten.h"

TFrameMenuRasterBearbeiten::TFrameMenuRasterBearbeiten(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuRasterBearbeiten"));
  hide();
}
